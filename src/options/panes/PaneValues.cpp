// The record's values in the pane controls and back. Most controls hold one record field as
// their value (a popup's item, a check box's state); the option table pairs them. A control that
// is not there is skipped: its field keeps its value.
#include <strings.h>

#include "options/CCorvelOptions.h"
#include "options/OptionTable.h"
#include "options/store/PStringFields.h"
#include "options/panes/PaneControlIDs.h"
#include "options/panes/PaneControlStates.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/PortDrawing.h"
#include "platform/toolkit/Windows.h"

namespace {

using D = CorvelOptionsData;

struct TextControl {
  int32_t number;
  unsigned char (D::*field)[256];
  bool isPassword;
};
constexpr TextControl kInfoTexts[] = {
    {10, &D::owner, false},
    {11, &D::password, true},
    {12, &D::comment, false},
    {13, &D::acctNumber, false},
};
constexpr int32_t kMediaQualityPopup = 35;  // on the Page pane
constexpr int32_t kServerAddressText = 14;
constexpr int32_t kFirstFileButton = 10;
constexpr int32_t kLastFileButton = 16;
constexpr int32_t kPortraitButton = 20;
constexpr int32_t kLandscapeButton = 21;
constexpr int32_t kFasteningPopup = 17;
constexpr int32_t kSyncCheckBox = 6;
constexpr int32_t kAccessoriesAddress = 4;

}  // namespace

// A pane's value controls from the record, or back, as the option table pairs them. The
// media-quality popup is shown apart: after the Page rules rebuilt its menu.
static void ShowValues(CCorvelOptions& options, OSType signature, CorvelOptions pane) {
  ForEachOptionOf(pane, [&](const OptionRow& row) {
    if (row.control != 0 && row.field != &CorvelOptionsData::mediaQualityMenuSelection)
      options.SetCorvelControlValue(signature, row.control, options.mCorvelOptionsData.*row.field);
  });
}

static void ReadValues(CCorvelOptions& options, OSType signature, CorvelOptions pane) {
  ForEachOptionOf(pane, [&](const OptionRow& row) {
    if (row.control == 0) return;
    if (ControlRef control = options.GetCorvelControl(signature, row.control))
      options.mCorvelOptionsData.*row.field = int16_t(GetControl32BitValue(control));
  });
}

void CCorvelOptions::SetFilePaneOptionsInUI() {
  SelectCorvelRadioButton(kFileSignature, mCorvelOptionsData.fileHandlingRadioID, kFirstFileButton,
                          kLastFileButton);
}

void CCorvelOptions::GetFilePaneOptionsFromUI() {
  long chosen = -1;
  GetSelectedCorvelRadioButton(kFileSignature, kFirstFileButton, kLastFileButton, &chosen);
  if (chosen > 0) mCorvelOptionsData.fileHandlingRadioID = int32_t(chosen);
}

void CCorvelOptions::SetExtrasPaneOptionsInUI() {
  ShowValues(*this, kExtrasSignature, Extras_CorvelOptions);
}
void CCorvelOptions::GetExtrasPaneOptionsFromUI() {
  ReadValues(*this, kExtrasSignature, Extras_CorvelOptions);
}

void CCorvelOptions::SetPagePaneOptionsInUI() {
  ShowValues(*this, kPageSignature, Page_CorvelOptions);
  // The rules may rebuild the media-quality menu, which chooses its first item.
  SetPagePaneUIConstraints();
  SetCorvelControlValue(kPageSignature, kMediaQualityPopup,
                        mCorvelOptionsData.mediaQualityMenuSelection);
}

void CCorvelOptions::GetPagePaneOptionsFromUI() {
  ReadValues(*this, kPageSignature, Page_CorvelOptions);
}

void CCorvelOptions::SetOutputPaneOptionsInUI() {
  ShowValues(*this, kOutputSignature, Output_CorvelOptions);
  const bool portrait = mCorvelOptionsData.orientationSelection == 0;
  SetCorvelControlValue(kOutputSignature, kPortraitButton, portrait ? 1 : 0);
  SetCorvelControlValue(kOutputSignature, kLandscapeButton, portrait ? 0 : 1);
}

void CCorvelOptions::GetOutputPaneOptionsFromUI() {
  ReadValues(*this, kOutputSignature, Output_CorvelOptions);
  // Item 1 is a fastening (fold and staple): a popup without items, as a PPD without
  // KTCopierBooklet leaves it, shows none.
  if (GetCorvelControl(kOutputSignature, kFasteningPopup))
    mCorvelOptionsData.fastenMenuSelection =
        int16_t(ShownMenuItem(*this, kOutputSignature, kFasteningPopup));
  if (GetCorvelControl(kOutputSignature, kPortraitButton))
    mCorvelOptionsData.orientationSelection =
        GetCorvelControlValue(kOutputSignature, kPortraitButton) == 1 ? 0 : 1;
}

void CCorvelOptions::SetQualityPaneOptionsInUI() {
  ShowValues(*this, kQualitySignature, Quality_CorvelOptions);
}
void CCorvelOptions::GetQualityPaneOptionsFromUI() {
  ReadValues(*this, kQualitySignature, Quality_CorvelOptions);
}

void CCorvelOptions::SetInfoPaneOptionsInUI() {
  for (const TextControl& row : kInfoTexts) {
    const std::string text = MacRomanText(mCorvelOptionsData.*row.field);
    if (!row.isPassword) {
      SetCorvelTextEditField(kInfoSignature, row.number, text, false);
      continue;
    }
    // Nothing is drawn while the password changes.
    ScopedEmptyClip noDrawing(GetWindowPort(mPrintDlgWindow));
    SetCorvelTextEditField(kInfoSignature, row.number, text, true);
  }
  if (mSecureAccessOn)
    SetCorvelStaticTextField(kInfoSignature, kServerAddressText,
                             MacRomanText(mCorvelOptionsData.ipAddress), false);
  TitleSecurePrintButton();
}

void CCorvelOptions::GetInfoPaneOptionsFromUI() {
  for (const TextControl& row : kInfoTexts)
    GetCorvelTextEditField(kInfoSignature, row.number, mCorvelOptionsData.*row.field,
                           row.isPassword);
  if (!mSecureAccessOn) return;
  std::string address;
  if (ControlRef control = GetCorvelControl(kInfoSignature, kServerAddressText);
      control && GetControlText(control, &address) == noErr)
    StoreMacRoman(address, mCorvelOptionsData.ipAddress, kMaxPStringLength);
}

void CCorvelOptions::SetAccessoriesPaneOptionsInUI() {
  CorvelOptionsData& d = mCorvelOptionsData;
  SetCorvelControlValue(kAccessoriesSignature, kSyncCheckBox, d.mSyncWithServer ? 1 : 0);
  const std::optional<std::string> address =
      mPrinterList ? mPrinterList->Find(CModelInfo::GetCorvelRawPrinterName()) : std::nullopt;
  if (address) {
    SetCorvelTextEditField(kAccessoriesSignature, kAccessoriesAddress, *address, false);
    for (size_t row = 0; row < d.mBonjourIPStrings.size(); ++row)
      if (strcasecmp(d.mBonjourIPStrings[row].c_str(), address->c_str()) == 0) {
        const DataBrowserItemID item = DataBrowserItemID(row + 1);
        SetDataBrowserSelectedItems(d.mBonjourList, 1, &item, kDataBrowserItemsAssign);
        break;
      }
  }
  SetAccessoriesPaneUIConstraints();
}

// The Accessories pane's handler keeps its flag up to date as it changes.
void CCorvelOptions::GetAccessoriesPaneOptionsFromUI() {}
