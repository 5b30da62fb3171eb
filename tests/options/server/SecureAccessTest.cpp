// The Print button of a Secure Access model against corvel-sim on loopback: what the server
// answers decides whether the job prints, which dialogs the user meets, and what the client asks.
#include <signal.h>
#include <sys/resource.h>

#include <chrono>
#include <string>

#include "options/PaneTestSupport.h"
#include "TestSupport/SecureAccessServer.h"
#include "comm/CTCPIPClient.h"
#include "options/store/PStringFields.h"
#include "printsys/PMTicket.h"

namespace {

using corveltest::SecureAccessServer;

constexpr const char* kValidating =
    "secure-access on\nrequire-user-id on\nrequire-password on\n"
    "message Refused by the print server.\nemail printing@example.com\nuser jdoe pw 1001\n";

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
    return ClickPrint();
  }

  // Answers the message dialog `window` with Return, keeping the texts of its controls
  // `signature`/`ids` in `texts` first.
  void ReadMessage(const std::string& window, const char (&signature)[5], std::vector<int32_t> ids,
                   std::vector<std::string>* texts) {
    mAnswers[window] = [code = FourCC(signature), ids, texts](WindowRef dialog) {
      for (int32_t id : ids) texts->push_back(ControlText(FindControl(dialog, code, id)));
      UserTypeKey(dialog, kReturnCharCode);
    };
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
      {"accepted", kValidating, "", "jdoe", 1, "100\n101 jdoe\\tpw\\t1001\\r\n", ""},
      {"answer in two segments", kValidating, "split", "jdoe", 1, "100\n101 jdoe\\tpw\\t1001\\r\n",
       ""},
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
  std::vector<std::string> alert;
  ReadMessage("SAErrMsgDlgModal", "Aerr", {10}, &alert);
  EXPECT_EQ(PressPrint(port), 0);
  ASSERT_EQ(alert.size(), 1u);
  EXPECT_NE(alert[0].find("could not be reached"), std::string::npos) << alert[0];
}

TEST_F(SecureAccessTest, ARefusalNamesTheRejectedItemsAndTheUserCanCorrectThem) {
  SecureAccessServer server(kValidating);
  SetUser("jdoe", "wrong", "7");
  std::vector<std::string> texts;
  ReadMessage("SAValidationMsgDlg", "vald", {10, 11, 12}, &texts);
  mAnswers["SecureAccessWindow"] = [&](WindowRef window) {
    EXPECT_EQ(ControlText(FindControl(window, "SecA", 13)), "Required");
    EXPECT_EQ(ControlText(FindControl(window, "SecA", 15)), "Optional");
    SetControlPasswordText(FindControl(window, "SecA", 11), "pw");
    SetControlText(FindControl(window, "SecA", 12), "1001");
    UserSendCommand(window, FourCC("saOK"));
  };
  EXPECT_EQ(PressPrint(server.Port()), 1);
  EXPECT_EQ(texts,
            (std::vector<std::string>{"Password\rAccount number", "Refused by the print server.",
                                      "printing@example.com"}));
  EXPECT_EQ(server.Requests(), "100\n101 jdoe\\twrong\\t7\\r\n101 jdoe\\tpw\\t1001\\r\n");
  EXPECT_EQ(PStringBytes(Data().password), "pw");  // the corrected credentials are kept
}

TEST_F(SecureAccessTest, AcceptedCredentialsWhoseCommentsCannotBeWrittenStopThePrint) {
  SecureAccessServer server(kValidating);
  SetUser("jdoe", "pw");
  PMTicketRef ticket = nullptr;
  PMPPDDict* dict = nullptr;
  ASSERT_EQ(PMTicketCreate(&ticket), noErr);
  ASSERT_EQ(PMTicketGetPPDDict(ticket, 0, 0, &dict), noErr);
  mController->SetPrintSettingsTicket(ticket);
  mController->SetPPDDict(dict);
  AnswerDialogs(FourCC("saCL"));
  rlimit unlimited{};
  getrlimit(RLIMIT_FSIZE, &unlimited);
  const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
  const rlimit tiny{16, unlimited.rlim_max};
  setrlimit(RLIMIT_FSIZE, &tiny);
  const int prints = PressPrint(server.Port());
  setrlimit(RLIMIT_FSIZE, &unlimited);
  signal(SIGXFSZ, previousHandler);
  EXPECT_EQ(prints, 0);
  EXPECT_EQ(mShown[""], 1);  // the one alert saying why
  std::string named;
  EXPECT_EQ(PMTicketGetCFString(ticket, "KTV.PSData.Corvel", &named), kPMKeyNotFound) << named;
  mController->SetPPDDict(nullptr);
  PMTicketRelease(ticket);
}

TEST_F(SecureAccessTest, FlagsAtZeroAndFourListTheUserIDAndTheAccountNumber) {
  SecureAccessServer server(std::string(kValidating) + "refuse 100010\n");
  SetUser("jdoe", "pw");
  AnswerDialogs(FourCC("saCL"));
  std::vector<std::string> items;
  ReadMessage("SAValidationMsgDlg", "vald", {10}, &items);
  EXPECT_EQ(PressPrint(server.Port()), 0);
  EXPECT_EQ(items, std::vector<std::string>{"User ID\rAccount number"});
  EXPECT_EQ(mShown["SecureAccessWindow"], 1);
}

TEST_F(SecureAccessTest, AStalledOrDrippingServerIsGivenUpAfterTheTimeOut) {
  for (const char* misbehaviour : {"stall", "drip"}) {
    SCOPED_TRACE(misbehaviour);
    SecureAccessServer server(kValidating, misbehaviour);
    SetUser("jdoe", "pw");
    mShown.clear();
    AnswerDialogs(FourCC("saCL"));
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(PressPrint(server.Port()), 0);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    RecordProperty(std::string(misbehaviour) + "_ms",
                   int(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));
    // Each answer part waits seven seconds at most: "200" and the settings are two parts.
    EXPECT_LT(elapsed, std::chrono::seconds(3 * CTCPIPClient::kTimeToWaitSeconds));
    EXPECT_EQ(mShown["SAErrMsgDlgSheet"], 1);
  }
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
