#include "options/dialogs/UI_TwoWayCommDialog.h"

#include <cctype>
#include <cstring>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/InterfaceFile.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/Windows.h"
#include "ui/PDEBundle.h"
#include "ui/UI_KTVAlert.h"

namespace {

constexpr const char* kStringTable = "BidiStrings";
constexpr const char* kWindowName = "Two Way Communcations";
constexpr OSType kAddressSignature = FourCC("paed");
constexpr OSType kPrinterNameSignature = FourCC("pnam");
// Second line in the small font, Cancel shown.
constexpr unsigned long kAlertStyle = 514;

struct Label {
  OSType signature;
  const char* key;
  bool small;
};
constexpr Label kLabels[] = {
    {FourCC("pncp"), "PRINTER_NAME", false},  {FourCC("pacp"), "PRINTER_ADDR", false},
    {FourCC("pdcp"), "IP_OR_DNS_NAME", true}, {FourCC("ptit"), "ENTER_TWO_WAY", false},
    {FourCC("pres"), "NO_IP_ADDRESS", true},
};

std::optional<std::string> BidiString(const char* key) {
  return PDEBundle::GetLocalizedCFStringFromFile(key, kStringTable);
}

void CopyAddress(const std::string& text, char* out) {
  const size_t length = std::min(text.size(), UI_TwoWayCommDialog::kMaxAddressLength);
  std::memcpy(out, text.data(), length);
  out[length] = 0;
}

}  // namespace

bool UI_TwoWayCommDialog::ShowTwoWayCommDialog(const char* address,
                                               const std::optional<std::string>& printerName,
                                               char* result, WindowRef parentWindow,
                                               bool allowBlank) {
  if (!result) return false;
  UI_TwoWayCommDialog dialog(address, printerName, parentWindow, allowBlank);
  if (!dialog.window()) return false;
  dialog.show();
  dialog.waitForUser();
  if (dialog.result() != kResultOK) return false;
  CopyAddress(dialog.mServerName, result);
  return true;
}

UI_TwoWayCommDialog::UI_TwoWayCommDialog(const char* address,
                                         const std::optional<std::string>& printerName,
                                         WindowRef parentWindow, bool allowBlank)
    : UI_DialogWait(parentWindow),
      mPrinterName(printerName.value_or("")),
      mAllowBlankField(allowBlank) {
  if (address) CopyAddress(address, mServerName);
  initRefs();
}

// The window and the interface file go with their owners after the handler is removed.
UI_TwoWayCommDialog::~UI_TwoWayCommDialog() { removeEventHandler(); }

void UI_TwoWayCommDialog::initRefs() {
  IBNibRef nib = nullptr;
  if (!PDEBundle::mInit || CreateNibReferenceWithCFBundle(PDEBundle::mBundle, "BidiUI", &nib))
    return;
  mBidiNibs.reset(nib);
  if (CreateWindowFromNib(nib, kWindowName, &mWindowRef) != noErr) return;
  mWindow.reset(mWindowRef);
  setStandardButtonTitles();
  mAddressRef = getControlByID(kAddressSignature, 0);
  mPrinterNameRef = getControlByID(kPrinterNameSignature, 0);
  if (!mAddressRef || !mPrinterNameRef) return;
  if (std::optional<std::string> title = PDEBundle::GetLocalizedCFString("TWO_WAY_TITLE"))
    SetWindowTitleWithCFString(mWindowRef, *title);
  installEventHandler(mWindowRef);
  for (const Label& label : kLabels) setLabel(label.signature, label.key, label.small);
  mInitialized = true;
}

void UI_TwoWayCommDialog::setLabel(OSType signature, const char* key, bool small) {
  ControlRef label = getControlByID(signature, 0);
  if (!label) return;
  if (std::optional<std::string> text = BidiString(key)) SetControlText(label, *text);
  if (small) setFontInfo(label, -1, kSmallSystemFontSize, -1);
}

bool UI_TwoWayCommDialog::validateAddress(const std::string& text) {
  for (unsigned char c : text)
    if (!std::isalnum(c) && c != '-' && c != '.') return false;
  return true;
}

int UI_TwoWayCommDialog::validateInput() {
  char typed[kMaxAddressLength + 1] = {};
  getServerNameField(typed);
  if (typed[0] != 0) return validateAddress(typed) ? 1 : tellUser("INVALID_IP_ADDRESS");
  if (mAllowBlankField) return 1;
  SysBeep(1);
  return tellUser("IP_NOT_CONFIG");
}

int UI_TwoWayCommDialog::tellUser(const char* key) {
  const OSType answer = UI_KTVAlert::TellUser(BidiString(key), BidiString("PRESS_OKAY"),
                                              kAlertStyle, mWindowRef, std::nullopt, std::nullopt);
  return answer == kResultCancel ? -1 : 0;
}

void UI_TwoWayCommDialog::show() {
  setPrinterField(mPrinterName);
  setServerNameField(mServerName);
  ActivateControl(mAddressRef);
  SetKeyboardFocus(mWindowRef, mAddressRef);
  UI_DialogWait::show();
}

void UI_TwoWayCommDialog::onOK() {
  char typed[kMaxAddressLength + 1] = {};
  getServerNameField(typed);
  if (typed[0] != 0 || mAllowBlankField) CopyAddress(typed, mServerName);
  UI_DialogWait::onOK();
}

void UI_TwoWayCommDialog::onCancel() { UI_DialogWait::onCancel(); }

void UI_TwoWayCommDialog::getServerNameField(char* out) {
  if (!out) return;
  std::string text;
  if (!mAddressRef || GetControlText(mAddressRef, &text) != noErr) text.clear();
  CopyAddress(text, out);
}

void UI_TwoWayCommDialog::setPrinterField(const std::string& text) {
  if (mPrinterNameRef) SetControlText(mPrinterNameRef, text);
}

void UI_TwoWayCommDialog::setServerNameField(const char* text) {
  if (mAddressRef) SetControlText(mAddressRef, text ? text : "");
}
