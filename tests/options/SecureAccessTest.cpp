// The Print button of a Secure Access model against corvel-sim on loopback: what the server
// answers decides whether the job prints, which dialogs the user meets, and what the client asks.
#include <chrono>
#include <string>

#include "PaneWindowFixture.h"
#include "TestSupport/SecureAccessServer.h"
#include "comm/CTCPIPClient.h"
#include "options/PStringFields.h"

namespace {

using corveltest::SecureAccessServer;

int gPrintCommands = 0;

OSStatus CountPrintCommand(EventRef event, void*) {
  HICommand command;
  if (GetEventCommand(event, &command) == noErr && command.commandID == PaneTest::kPrintCommand)
    ++gPrintCommands;
  return noErr;
}

constexpr const char* kValidating =
    "secure-access on\nrequire-user-id on\nrequire-password on\n"
    "message Refused by the print server.\nemail printing@example.com\nuser jdoe pw 1001\n";

std::string Text(WindowRef window, const char (&signature)[5], int32_t id) {
  std::string text;
  GetControlText(FindControl(window, signature, id), &text);
  return text;
}

class SecureAccessTest : public DialogTest {
 protected:
  bool SecureAccessModel() const override { return true; }

  // The record as a returning user left it: credentials and the confirmed server address.
  void SetUser(const char* user, const char* password, const char* account = "1001") {
    SetPStringBytes(user, Data().owner);
    SetPStringBytes(password, Data().password);
    SetPStringBytes(account, Data().acctNumber);
    SetPStringBytes("127.0.0.1", Data().ipAddress);
    Data().bInitialConnection = 0;
    mController->SetInfoPaneOptionsInUI();
  }

  // Presses Print with the server on `port`; the print commands that went through.
  int PressPrint(int port) {
    ScopedEnvironment serverPort("CORVEL_SECURE_ACCESS_PORT", std::to_string(port));
    const EventTypeSpec command{kEventClassCommand, kEventCommandProcess};
    EventHandlerRef handler = nullptr;
    InstallWindowEventHandler(mWindow, CountPrintCommand, 1, &command, nullptr, &handler);
    gPrintCommands = 0;
    UserClickControl(mPrint);
    RemoveEventHandler(handler);
    return gPrintCommands;
  }

  // Answers every message dialog with OK and the Secure Access dialog with `command`.
  void AnswerDialogs(uint32_t secureAccessCommand) {
    for (const char* name : {"SAErrMsgDlgSheet", "SAErrMsgDlgModal", "SAValidationMsgDlg"})
      mAnswers[name] = [](WindowRef window) { UserTypeKey(window, kReturnCharCode); };
    mAnswers["SecureAccessWindow"] = [secureAccessCommand](WindowRef window) {
      UserSendCommand(window, secureAccessCommand);
    };
  }
};

TEST_F(SecureAccessTest, PrintGoesAheadOnlyWhenTheServerAgrees) {
  const struct {
    const char* name;
    std::string config;
    const char* misbehaviour;
    const char* user;
    int prints;
    const char* requests;
    const char* dialog;  // the one dialog the user meets; "" for none
  } kCases[] = {
      {"validation off", "secure-access off\n", "", "jdoe", 1, "100\n", ""},
      {"accepted", kValidating, "", "jdoe", 1, "100\n101 jdoe\n", ""},
      {"answer in two segments", kValidating, "split", "jdoe", 1, "100\n101 jdoe\n", ""},
      {"required user ID empty", kValidating, "", "", 0, "100\n", "SecureAccessWindow"},
      {"settings refused", "settings unavailable\n", "", "jdoe", 0, "100\n", "SAErrMsgDlgSheet"},
      {"garbage answer", kValidating, "garbage", "jdoe", 0, "100\n", "SAErrMsgDlgSheet"},
      {"answer cut short", kValidating, "short", "jdoe", 0, "100\n", "SAErrMsgDlgSheet"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.name);
    SecureAccessServer server(c.config, c.misbehaviour);
    SetUser(c.user, "pw");
    mShown.clear();
    AnswerDialogs(FourCC("saCL"));
    EXPECT_EQ(PressPrint(server.Port()), c.prints);
    EXPECT_EQ(server.Requests(), c.requests);
    EXPECT_EQ(mShown.size(), *c.dialog ? 1u : 0u);
    if (*c.dialog) {
      EXPECT_EQ(mShown[c.dialog], 1);
    }
  }
}

TEST_F(SecureAccessTest, AnUnreachableServerStopsThePrintWithAnAlert) {
  const int port = corveltest::FreeLoopbackPort();
  SetUser("jdoe", "pw");
  AnswerDialogs(FourCC("saCL"));
  std::string alert;
  mAnswers["SAErrMsgDlgModal"] = [&](WindowRef window) {
    alert = Text(window, "Aerr", 10);
    UserTypeKey(window, kReturnCharCode);
  };
  EXPECT_EQ(PressPrint(port), 0);
  EXPECT_EQ(mShown["SAErrMsgDlgModal"], 1);
  EXPECT_NE(alert.find("could not be reached"), std::string::npos) << alert;
}

TEST_F(SecureAccessTest, ARefusalNamesTheRejectedItemsAndTheUserCanCorrectThem) {
  SecureAccessServer server(kValidating);
  SetUser("jdoe", "wrong", "7");
  std::string items, message, contact;
  mAnswers["SAValidationMsgDlg"] = [&](WindowRef window) {
    items = Text(window, "vald", 10);
    message = Text(window, "vald", 11);
    contact = Text(window, "vald", 12);
    UserTypeKey(window, kReturnCharCode);
  };
  mAnswers["SecureAccessWindow"] = [&](WindowRef window) {
    EXPECT_EQ(Text(window, "SecA", 13), "Required");
    EXPECT_EQ(Text(window, "SecA", 15), "Optional");
    SetControlPasswordText(FindControl(window, "SecA", 11), "pw");
    SetControlText(FindControl(window, "SecA", 12), "1001");
    UserSendCommand(window, FourCC("saOK"));
  };
  EXPECT_EQ(PressPrint(server.Port()), 1);
  EXPECT_EQ(items, "Password\rAccount number");
  EXPECT_EQ(message, "Refused by the print server.");
  EXPECT_EQ(contact, "printing@example.com");
  EXPECT_EQ(server.Requests(), "100\n101 jdoe\n101 jdoe\n");
  EXPECT_EQ(PStringBytes(Data().password), "pw");  // the corrected credentials are kept
}

TEST_F(SecureAccessTest, FlagsAtZeroAndFourListTheUserIDAndTheAccountNumber) {
  SecureAccessServer server(std::string(kValidating) + "refuse 100010\n");
  SetUser("jdoe", "pw");
  AnswerDialogs(FourCC("saCL"));
  std::string items;
  mAnswers["SAValidationMsgDlg"] = [&](WindowRef window) {
    items = Text(window, "vald", 10);
    UserTypeKey(window, kReturnCharCode);
  };
  EXPECT_EQ(PressPrint(server.Port()), 0);
  EXPECT_EQ(items, "User ID\rAccount number");
  EXPECT_EQ(mShown["SecureAccessWindow"], 1);
}

TEST_F(SecureAccessTest, AStalledServerIsGivenUpAfterTheTimeOut) {
  SecureAccessServer server(kValidating, "stall");
  SetUser("jdoe", "pw");
  AnswerDialogs(FourCC("saCL"));
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(PressPrint(server.Port()), 0);
  const auto elapsed = std::chrono::steady_clock::now() - start;
  RecordProperty("stalled_ms",
                 int(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
  EXPECT_LT(elapsed, std::chrono::seconds(3 * CTCPIPClient::kTimeToWaitSeconds));
  EXPECT_EQ(mShown["SAErrMsgDlgSheet"], 1);
}

TEST_F(SecureAccessTest, AnAddressDialogLeftEmptyClearsTheAddressAndAsksAgainNextTime) {
  SetUser("jdoe", "pw");
  Data().bInitialConnection = 1;
  AnswerDialogs(FourCC("saCL"));
  mAnswers["Two Way Communcations"] = [](WindowRef window) {
    SetEditTextSelection(FindControl(window, "paed", 0), 0, 255);
    UserTypeKey(window, kBackspaceCharCode);
    UserTypeKey(window, kReturnCharCode);
  };
  PressPrint(corveltest::FreeLoopbackPort());
  EXPECT_EQ(mShown["Two Way Communcations"], 1);
  EXPECT_EQ(PStringBytes(Data().ipAddress), "");
  EXPECT_EQ(Data().bInitialConnection, 1);
}

}  // namespace
