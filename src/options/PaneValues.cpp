// The record's values in the pane controls and back. Most controls hold one record field as
// their value (a popup's item, a check box's state); the tables below pair them. A control that
// is not there is skipped: its field keeps its value.
#include <strings.h>

#include "options/CCorvelOptions.h"
#include "options/PStringFields.h"
#include "options/PaneControlIDs.h"
#include "options/PaneControlStates.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/DataBrowser.h"
#include "platform/toolkit/PortDrawing.h"
#include "platform/toolkit/Windows.h"

namespace {

using D = CorvelOptionsData;

struct ValueControl {
  int32_t number;
  int16_t D::*field;
};

constexpr ValueControl kExtrasValues[] = {
    {10, &D::separationsMenuSelection}, {11, &D::printProgressives}, {12, &D::saveAsType},
    {13, &D::dpiMenuSelection},         {14, &D::invertImage},       {16, &D::printInfoStrip},
    {22, &D::autoGrayscaleDetection},   {23, &D::mirrorImage},       {28, &D::colorPostflight},
    {29, &D::printInOwnColor},
};
// The media-quality popup (35) is set apart: after the Page rules rebuilt its menu.
constexpr ValueControl kPageValues[] = {
    {10, &D::duplexMenuSelection},
    {14, &D::faceUp},
    {15, &D::collate},
    {16, &D::reversePageOrder},
    {17, &D::rotatePages},
    {18, &D::imposition},
    {19, &D::impositionTypeMenuSelection},
    {20, &D::sectionSizeMenuSelection},
    {21, &D::outputPaperSizeMenuSelection},
    {22, &D::cropMarks},
    {23, &D::pageOrientation},
    {24, &D::pageCols},
    {25, &D::pageRows},
    {29, &D::scaleToFit},
    {32, &D::paperTypeMenuSelection},
};
constexpr ValueControl kMediaQualityValue = {35, &D::mediaQualityMenuSelection};
constexpr ValueControl kOutputValues[] = {
    {10, &D::outputMenuSelection},     {11, &D::stapleMenuSelection},
    {14, &D::punchMenuSelection},      {15, &D::punchPositionMenuSelection},
    {17, &D::fastenMenuSelection},     {22, &D::offsetMode},
    {23, &D::foldSizeMenuSelection},   {24, &D::coverMenuSelection},
    {25, &D::coverMediaMenuSelection}, {26, &D::coverTrayMenuSelection},
    {27, &D::foldingMenuSelection},    {28, &D::imposeSelection},
    {29, &D::finishingMenuSelection},
};
constexpr ValueControl kQualityValues[] = {
    {1, &D::dynamicImageEnhancement},
    {2, &D::dynamicEdgeSmoothing},
    {3, &D::autoTrapping},
    {4, &D::corvelProof},
    {5, &D::showCompositeCMYK},
    {6, &D::gradientSmoothing},
    {8, &D::textGraphicsQuality},
    {9, &D::pdfX3Compliant},
    {34, &D::glossPrinting},
};

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
constexpr int32_t kServerAddressText = 14;
constexpr int32_t kFirstFileButton = 10;
constexpr int32_t kLastFileButton = 16;
constexpr int32_t kPortraitButton = 20;
constexpr int32_t kLandscapeButton = 21;
constexpr int32_t kFasteningPopup = 17;
constexpr int32_t kSyncCheckBox = 6;
constexpr int32_t kAccessoriesAddress = 4;

}  // namespace

// One pane's value controls from the record, or back.
template <size_t N>
static void ShowValues(CCorvelOptions& options, OSType pane, const ValueControl (&table)[N]) {
  for (const ValueControl& row : table)
    options.SetCorvelControlValue(pane, row.number, options.mCorvelOptionsData.*row.field);
}

template <size_t N>
static void ReadValues(CCorvelOptions& options, OSType pane, const ValueControl (&table)[N]) {
  for (const ValueControl& row : table)
    if (ControlRef control = options.GetCorvelControl(pane, row.number))
      options.mCorvelOptionsData.*row.field = int16_t(GetControl32BitValue(control));
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
  ShowValues(*this, kExtrasSignature, kExtrasValues);
}
void CCorvelOptions::GetExtrasPaneOptionsFromUI() {
  ReadValues(*this, kExtrasSignature, kExtrasValues);
}

void CCorvelOptions::SetPagePaneOptionsInUI() {
  ShowValues(*this, kPageSignature, kPageValues);
  // The rules may rebuild the media-quality menu, which chooses its first item.
  SetPagePaneUIConstraints();
  SetCorvelControlValue(kPageSignature, kMediaQualityValue.number,
                        mCorvelOptionsData.*kMediaQualityValue.field);
}

void CCorvelOptions::GetPagePaneOptionsFromUI() {
  ReadValues(*this, kPageSignature, kPageValues);
  const ValueControl quality[] = {kMediaQualityValue};
  ReadValues(*this, kPageSignature, quality);
}

void CCorvelOptions::SetOutputPaneOptionsInUI() {
  ShowValues(*this, kOutputSignature, kOutputValues);
  const bool portrait = mCorvelOptionsData.orientationSelection == 0;
  SetCorvelControlValue(kOutputSignature, kPortraitButton, portrait ? 1 : 0);
  SetCorvelControlValue(kOutputSignature, kLandscapeButton, portrait ? 0 : 1);
}

void CCorvelOptions::GetOutputPaneOptionsFromUI() {
  ReadValues(*this, kOutputSignature, kOutputValues);
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
  ShowValues(*this, kQualitySignature, kQualityValues);
}
void CCorvelOptions::GetQualityPaneOptionsFromUI() {
  ReadValues(*this, kQualitySignature, kQualityValues);
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
