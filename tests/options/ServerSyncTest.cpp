// Server synchronisation end to end: the printer list names the server, the user turns
// synchronisation on in the Accessories pane, and the installed finisher follows what an IPP
// server (ippeveprinter) answers, on the popup, on the queue of a private cupsd and in the Output
// pane's offer.
#include <set>
#include <string>

#include "TestSupport/IppServer.h"
#include "TestSupport/Loopback.h"
#include "TestSupport/PrivateCupsd.h"
#include "options/PaneTestSupport.h"
#include "platform/FileIO.h"
#include "printsys/PMSession.h"

namespace {

constexpr const char* kServerAttributes =
    "ATTR text KTFinisher \"Finisher6\"\n"
    "ATTR integer vidInputNumOfTrays 3\n"
    "ATTR text printer-make-and-model \"Corvel MTQ-ix\"\n"
    "ATTR keyword media-default iso_a4_210x297mm\n"
    "ATTR keyword media-supported iso_a4_210x297mm,na_letter_8.5x11in\n";
constexpr const char* kServerStrings = "\"KTFinisher.Finisher6\" = \"Production Finisher\";\n";
constexpr int16_t kFinisher3Item = 4, kFinisher6Item = 7;
constexpr uint16_t kFoldingFinishingItem = 4;

class ServerSync : public PaneTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(mCupsd.Running()) << "see " << mCupsd.Root() / "log/error_log";
    ASSERT_TRUE(mServer.Running()) << "ippeveprinter did not start";
    ASSERT_TRUE(mCupsd.AddQueue("Corvel", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
    ASSERT_EQ(PMCreateSession(&mSession), noErr);
  }
  void TearDown() override {
    PaneTest::TearDown();
    PMRelease(mSession);
  }

  // The panes installed for the queue `queue` whose list entry names `address`, with a stapling
  // finisher chosen. The printer's name is set once the last controller has gone with its own.
  void InstallFor(const std::string& address, const std::string& queue = "Corvel") {
    mController.reset();
    PMSessionSetCurrentPrinter(mSession, queue);
    CModelInfo::SetCorvelPrinterName(mSession, queue);
    WritePlist(mHome.path() / "Library/Preferences/KTV.QuillonPrinter.plist",
               PlistValue::Array{queue, address, true});
    Install(false, "Finisher3");
    UserClickTab(Control("crvl", 128), 7);
  }
  void ClearAddressField() {
    std::string address;
    GetControlText(Control("accs", 4), &address);
    SetKeyboardFocus(mWindow, Control("accs", 4));
    for (size_t i = 0; i < address.size(); ++i) UserTypeKey(mWindow, kBackspaceCharCode);
  }
  bool FoldingOffered() {
    return IsMenuItemEnabled(GetControlPopupMenuHandle(Control("outp", 29)), kFoldingFinishingItem);
  }

  corveltest::PrivateCupsd mCupsd;
  corveltest::IppServer mServer{kServerAttributes, kServerStrings};
  PMPrintSession mSession = nullptr;
};

TEST_F(ServerSync, TurningSynchronisationOnInstallsTheServersFinisher) {
  enum class Address { Server, ServerDown, ClearedByUser };
  struct Case {
    const char* name;
    Address address;
    int32_t checkBox;
    int16_t finisherItem;
    const char* queueFinisher;
    bool foldingOffered;
  };
  const Case cases[] = {
      {"server answers", Address::Server, 1, kFinisher6Item, "Finisher6", true},
      {"server down", Address::ServerDown, 1, kFinisher3Item, "None", false},
      {"address cleared", Address::ClearedByUser, 0, kFinisher3Item, "None", false},
  };
  const std::string down = "127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort());
  for (const Case& c : cases) {
    ASSERT_TRUE(mCupsd.SetQueueOption("Corvel", "KTFinisher", "None"));
    InstallFor(c.address == Address::ServerDown ? down : mServer.Address());
    if (c.address == Address::ClearedByUser) ClearAddressField();
    ASSERT_TRUE(IsControlEnabled(Control("accs", 6))) << c.name;
    UserClickControl(Control("accs", 6));
    EXPECT_EQ(Value("accs", 6), c.checkBox) << c.name;
    EXPECT_EQ(Value("accs", 100), c.finisherItem) << c.name;
    EXPECT_EQ(mCupsd.QueuePPDDefault("Corvel", "KTFinisher"), c.queueFinisher) << c.name;
    EXPECT_EQ(FoldingOffered(), c.foldingOffered) << c.name;
  }
}

// A queue named beyond ASCII keeps its name from CUPS to lpadmin: the finisher is installed on it,
// and no queue of a misread name appears.
TEST_F(ServerSync, AQueueNamedInUnicodeIsTheOneChanged) {
  const std::string queue = "\u00DCn\u00EFc\u00F8d\u00E9";  // Ünïcødé
  ASSERT_TRUE(mCupsd.AddQueue(queue, CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd"));
  InstallFor(mServer.Address(), queue);
  UserClickControl(Control("accs", 6));
  EXPECT_EQ(mCupsd.QueuePPDDefault(queue, "KTFinisher"), "Finisher6");
  const std::vector<std::string> queues = mCupsd.QueueNames();
  EXPECT_EQ(std::set<std::string>(queues.begin(), queues.end()),
            (std::set<std::string>{"Corvel", queue}));
}

}  // namespace
