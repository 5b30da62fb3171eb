// Server synchronisation end to end: the printer list names the server, the user turns
// synchronisation on in the Accessories pane, and the installed finisher follows what an IPP
// server (ippeveprinter) answers, on the popup, on the queue of a private cupsd and in the Output
// pane's offer. A server that cannot be reached or read changes nothing, and says why; names a
// shell would read as commands reach the queue's administration command as plain arguments.
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TestSupport/CapturedLog.h"
#include "TestSupport/IppServer.h"
#include "TestSupport/Loopback.h"
#include "TestSupport/LoopbackPrinter.h"
#include "TestSupport/PrivateCupsd.h"
#include "options/PaneTestSupport.h"
#include "platform/FileIO.h"
#include "printsys/PMSession.h"

namespace {

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
    SetKeyboardFocus(mWindow, Control("accs", 4));
    for (size_t i = ControlText(Control("accs", 4)).size(); i > 0; --i)
      UserTypeKey(mWindow, kBackspaceCharCode);
  }
  bool FoldingOffered() {
    return IsMenuItemEnabled(GetControlPopupMenuHandle(Control("outp", 29)), kFoldingFinishingItem);
  }

  corveltest::PrivateCupsd mCupsd;
  corveltest::IppServer mServer{corveltest::kSamplePrinterAttributes, kServerStrings};
  PMPrintSession mSession = nullptr;
};

// What the pane's status line said each time the view was asked to show it at once.
struct FlushedStatus : ToolkitObserver {
  explicit FlushedStatus(ControlRef status) : status(status) { SetToolkitObserver(this); }
  ~FlushedStatus() override { SetToolkitObserver(nullptr); }
  void WindowChanged(WindowRef, WindowChange change) override {
    std::string text;
    if (change == WindowChange::Flushed && GetControlText(status, &text) == noErr)
      shown.push_back(text);
  }
  void ControlChanged(ControlRef, ControlChange) override {}
  void Beeped() override {}
  ControlRef status;
  std::vector<std::string> shown;
};

// A server that answers the connect (with the finisher), or stalls before it, and stalls
// before every later answer; every stall would end after 12 s with the answer.
corveltest::LoopbackPrinter::Script Stalling(bool beforeTheConnect) {
  const std::string answer = corveltest::HttpPrinterAnswer([](ipp_t* printer) {
    ippAddString(printer, IPP_TAG_PRINTER, IPP_TAG_TEXT, "KTFinisher", nullptr, "Finisher6");
  });
  return [=](corveltest::LoopbackPrinter& peer, int client, int number, const std::string&) {
    if ((number > 0 || beforeTheConnect) && !peer.Pause(std::chrono::seconds(12))) return;
    peer.Send(client, answer);
  };
}

TEST_F(ServerSync, TurningSynchronisationOnInstallsTheServersFinisher) {
  enum class Address { Server, Refused, StallsAtConnect, StallsAfterConnect, Unreadable, Cleared };
  struct Case {
    const char* name;
    Address address;
    int32_t checkBox;
    int16_t finisherItem;
    const char* queueFinisher;
    bool foldingOffered;
    const char* said;  // in the log and the pane after the synchronisation, with the address
  };
  const Case cases[] = {
      {"server answers", Address::Server, 1, kFinisher6Item, "Finisher6", true, ""},
      {"refused", Address::Refused, 1, kFinisher3Item, "None", false,
       "Cannot reach the server at %: the connection was refused or the host is unknown."},
      {"stalls at connect", Address::StallsAtConnect, 1, kFinisher3Item, "None", false,
       "Cannot reach the server at %: it did not answer within 5 seconds."},
      {"stalls after connect", Address::StallsAfterConnect, 1, kFinisher3Item, "None", false,
       "Cannot read the installed options from the server at %: it did not answer within 10 "
       "seconds."},
      {"unreadable", Address::Unreadable, 1, kFinisher3Item, "None", false,
       "Cannot reach the server at %: its answer could not be read."},
      {"address cleared", Address::Cleared, 0, kFinisher3Item, "None", false, ""},
  };
  for (const Case& c : cases) {
    std::optional<corveltest::LoopbackPrinter> peer;
    if (c.address == Address::StallsAtConnect || c.address == Address::StallsAfterConnect)
      peer.emplace(Stalling(c.address == Address::StallsAtConnect));
    if (c.address == Address::Unreadable)
      peer.emplace([](corveltest::LoopbackPrinter& printer, int client, int, const std::string&) {
        printer.Send(client, "HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nJunk");
      });
    const std::string address = peer ? peer->Address()
                                : c.address == Address::Refused
                                    ? "127.0.0.1:" + std::to_string(corveltest::FreeLoopbackPort())
                                    : mServer.Address();
    ASSERT_TRUE(mCupsd.SetQueueOption("Corvel", "KTFinisher", "None"));
    InstallFor(address);
    if (c.address == Address::Cleared) ClearAddressField();
    ASSERT_TRUE(IsControlEnabled(Control("accs", 6))) << c.name;
    CapturedLog log;
    FlushedStatus status(Control("accs", 7));
    UserClickControl(Control("accs", 6));
    EXPECT_EQ(Value("accs", 6), c.checkBox) << c.name;
    EXPECT_EQ(Value("accs", 100), c.finisherItem) << c.name;
    EXPECT_EQ(mCupsd.QueuePPDDefault("Corvel", "KTFinisher"), c.queueFinisher) << c.name;
    EXPECT_EQ(FoldingOffered(), c.foldingOffered) << c.name;
    std::string said = c.said;
    if (const auto mark = said.find('%'); mark != std::string::npos) said.replace(mark, 1, address);
    EXPECT_EQ(ControlText(Control("accs", 7)), said) << c.name;
    EXPECT_EQ(log.text.find("server synchronisation: " + said) != std::string::npos, !said.empty())
        << c.name << ": " << log.text;
    const bool contacted = c.address != Address::Cleared;
    EXPECT_EQ(status.shown.size() > 0 &&
                  status.shown[0] == "Contacting the server at " + address + "\u2026",
              contacted)
        << c.name;
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

TEST_F(ServerSync, NamesReachTheQueueCommandAsArgumentsNotThroughAShell) {
  InstallFor(mServer.Address());
  const auto set = [&](std::string keyword, std::string choice) {
    std::string address = "10.0.0.1";
    mController->SetServerOption(address.data(), keyword.data(), choice.data());
  };
  const std::filesystem::path marker = mCupsd.Root() / "marker";
  set("KTFinisher", "Finisher3;touch " + marker.string());
  set("KTFinisher", "Finisher3$(touch " + marker.string() + ")");
  EXPECT_FALSE(std::filesystem::exists(marker));
  set("KTFinisher=x", "Finisher6");       // a '=' in the keyword is refused
  set("KTFinisher", "Finisher6\ntouch");  // so are control characters
  EXPECT_NE(mCupsd.QueuePPDDefault("Corvel", "KTFinisher"), "Finisher6");
}

}  // namespace
