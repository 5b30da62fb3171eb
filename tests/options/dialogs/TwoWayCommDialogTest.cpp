// The server-address dialog as a user meets it: an address typed and OK pressed, and the alert
// that explains a refused address answered with Cancel.
#include <gtest/gtest.h>

#include "TestSupport/ScopedPDEBundle.h"
#include "TestSupport/ToolkitTestSupport.h"
#include "options/dialogs/UI_TwoWayCommDialog.h"
#include "platform/toolkit/Toolkit.h"
#include "ui/PDEBundle.h"

namespace {

class TwoWayCommDialog : public ::testing::Test {
 protected:
  void TearDown() override { ResetToolkit(); }

  // Types `typed` into the dialog and presses Return; an alert is written down and cancelled.
  void Answer(const std::string& typed) {
    SetModalDriver([this, typed](WindowRef window) {
      if (GetWindowName(window) != "Two Way Communcations") {
        mAlerts += ControlText(FindControl(window, "alrt", 1));
        UserTypeKey(window, kEscapeCharCode);
        return;
      }
      mShown = CopyWindowTitleAsCFString(window).value_or("") + " / " +
               ControlText(FindControl(window, "pnam", 0));
      UserTypeText(window, typed);
      UserTypeKey(window, kReturnCharCode);
    });
  }

  static std::string Bidi(const char* key) {
    return PDEBundle::GetLocalizedCFStringFromFile(key, "BidiStrings").value_or(key);
  }

  ScopedPDEBundle mPDEBundle{CORVEL_SOURCE_DIR "/bundle"};
  std::string mShown, mAlerts;
};

TEST_F(TwoWayCommDialog, AcceptsHostNamesAndDottedAddressesAndExplainsTheRest) {
  struct Case {
    const char* typed;
    bool allowBlank;
    bool confirmed;
    const char* alertKey;  // null: no alert
  };
  const Case cases[] = {
      {"10.0.0.5", false, true, nullptr},
      {"print-server.corvel.local", false, true, nullptr},
      {"10.0.0 .5", false, false, "INVALID_IP_ADDRESS"},
      {"server;reboot", true, false, "INVALID_IP_ADDRESS"},
      {"", true, true, nullptr},
      {"", false, false, "IP_NOT_CONFIG"},
  };
  for (const Case& c : cases) {
    mAlerts.clear();
    Answer(c.typed);
    const uint32_t beeps = GetSysBeepCount();
    char result[256] = "unchanged";
    EXPECT_EQ(
        UI_TwoWayCommDialog::ShowTwoWayCommDialog("", "CorvelQ", result, nullptr, c.allowBlank),
        c.confirmed)
        << c.typed;
    EXPECT_EQ(mShown, "Two Way Communications / CorvelQ") << c.typed;
    EXPECT_EQ(mAlerts, c.alertKey ? Bidi(c.alertKey) : "") << c.typed;
    EXPECT_STREQ(result, c.confirmed ? c.typed : "unchanged");
    EXPECT_EQ(GetSysBeepCount() - beeps, c.typed[0] || c.allowBlank ? 0u : 1u) << c.typed;
  }
}

TEST_F(TwoWayCommDialog, WithoutRoomForTheAnswerNothingIsShown) {
  Answer("10.0.0.5");
  EXPECT_FALSE(
      UI_TwoWayCommDialog::ShowTwoWayCommDialog("10.0.0.5", "CorvelQ", nullptr, nullptr, false));
  EXPECT_EQ(mShown, "");
}

}  // namespace
