// The panes' making: the tab control and its seven panes come from the interface file's
// "CorvelWindow" into the pane the printing system gave us, are configured from the printer's
// PPD, get their handlers and are filled with the defaults.
#include <cups/ppd.h>

#include "options/CCorvelOptions.h"
#include "options/panes/PaneControlIDs.h"
#include "options/panes/PaneHandlers.h"
#include "options/panes/TextFieldFilters.h"
#include "platform/Preferences.h"
#include "platform/SystemVersion.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/InterfaceFile.h"
#include "platform/toolkit/Menus.h"
#include "platform/toolkit/ToolkitOwners.h"
#include "platform/toolkit/Windows.h"
#include "serverclient/Wrenfold.h"
#include "ui/CUPSHelper.h"

namespace {

constexpr const char* kMediaQualityMenus[] = {"Menu1000", "Menu1001", "Menu1002", "Menu1003"};
constexpr int16_t kSubPaneTopInset = 32;
constexpr int32_t kSystemVersion10_2 = 0x1020;
constexpr uint16_t kTabsBefore10_2 = 5;

// Page popups filled with the choices of the PPD option of the same meaning.
constexpr std::pair<int32_t, const char*> kPageMenus[] = {
    {32, "KTMediaType"},    {23, "KTCV_ImpOrient"},  {25, "KTCV_SS_SRRows"},
    {24, "KTCV_SS_SRCols"}, {19, "KTCV_Imposition"}, {21, "KTCV_ImpPgSize"},
};
constexpr int32_t kImpositionTypePopup = 19;  // leaves out the option's first choice
// Output popups filled, and set to the marked choice, from their PPD options.
constexpr std::pair<int32_t, const char*> kOutputPopups[] = {
    {10, "KTOutputBin"},        {29, "KTCV_FinishingType"},
    {17, "KTCopierBooklet"},    {23, "KTCV_FoldSize"},
    {24, "KTCV_Cover"},         {25, "KTCV_CoverMedia"},
    {26, "KTCV_CoverTray"},     {27, "KTFold"},
    {28, "KTCV_BookletImpose"},
};
constexpr int32_t kFasteningPopup = 17;  // leaves out the option's first choice
// Info text fields and their longest texts.
constexpr std::pair<int32_t, int32_t> kInfoFieldLengths[] = {
    {10, 24}, {11, 8}, {12, 254}, {13, 32}, {14, 63}};
constexpr int32_t kPasswordField = 11;
constexpr int32_t kSecureAccessOnlyControls[] = {14, 17, 18, 20};
constexpr const char* kSecureAccessClearedKeys[] = {
    "CorvelInfo_PasswordText", "CorvelInfo_OwnerText", "CorvelInfo_AccountNumberText"};

// Removes a popup's first item, keeping its value on the same choice where it can.
void DeleteFirstItem(ControlRef popup) {
  MenuRef menu = GetControlPopupMenuHandle(popup);
  if (!menu || CountMenuItems(menu) == 0) return;
  DeleteMenuItem(menu, 1);
  SetControl32BitMaximum(popup, CountMenuItems(menu));
}

// Loads a picture family from its files; empty files leave empty slots.
template <size_t N, size_t M>
void LoadImages(const std::array<std::filesystem::path, N>& files,
                std::array<CGImageRef, M>& images) {
  for (size_t i = 0; i < N && i < M; ++i)
    images[i] = files[i].empty()
                    ? nullptr
                    : CGImageCreateWithPNGFile(files[i], true, kCGRenderingIntentDefault);
}

}  // namespace

// True when all four media-quality menus were made.
static bool LoadMediaQualityMenus(std::array<MenuOwner, 4>& menus) {
  CFBundleRef bundle = CFBundleGetBundleWithIdentifier(CModelInfo::GetCorvelBundleID());
  IBNibRef nib = nullptr;
  if (!bundle || CreateNibReferenceWithCFBundle(bundle, "Corvel", &nib) != noErr) return false;
  NibOwner owner(nib);
  bool made = true;
  for (size_t i = 0; i < menus.size(); ++i) {
    MenuRef menu = nullptr;
    made = CreateMenuFromNib(nib, kMediaQualityMenus[i], &menu) == noErr && made;
    menus[i].reset(menu);  // the controller owns the menus; a menu made before goes now
  }
  return made;
}

OSStatus CCorvelOptions::InstallCorvelControlsInUI() {
  WindowRef nibWindow = nullptr;
  const OSStatus status = GetWindowFromNIB("CorvelWindow", &nibWindow);
  if (status != noErr) return status;
  WindowOwner nibOwner(nibWindow);
  const bool menusMade = LoadMediaQualityMenus(mMediaQualityPopups);
  ControlRef tabs = GetCorvelControl(nibWindow, kTabsSignature, kTabControlNumber);
  if (!tabs) return errUnknownControl;
  Rect pane{}, content{};
  GetControlBounds(mParentUserPane, &pane);
  GetWindowBounds(nibWindow, &content);
  if (menusMade) {
    const int h = std::max(0, (RectWidth(pane) - RectWidth(content)) / 2);
    const int v = std::max(0, (RectHeight(pane) - RectHeight(content)) / 2);
    MoveControl(tabs, int16_t(pane.left + h), int16_t(pane.top + v));
  }
  EmbedControl(tabs, mParentUserPane);
  Rect subPane{};
  GetControlBounds(tabs, &subPane);
  subPane.top = int16_t(subPane.top + kSubPaneTopInset);
  for (uint16_t i = 1; i <= kTabCount; ++i) {
    ControlRef child = nullptr;
    if (GetIndexedSubControl(tabs, i, &child) == noErr) SetControlBounds(child, subPane);
  }
  ConfigureCorvelControls();
  InstallTabHandler(mPrintDlgWindow, this);
  InstallCorvelTabsControlHandlers(mPrintDlgWindow, this);
  ShowControl(tabs);
  nibOwner.reset();

  // A window without a default button (a test's) simply has no press to watch.
  if (GetWindowDefaultButton(mPrintDlgWindow, &mDefaultButtonCtrl) == noErr && mDefaultButtonCtrl) {
    const EventTypeSpec hit{kEventClassControl, kEventControlHit};
    InstallControlEventHandler(mDefaultButtonCtrl, DefaultButtonEventHandler, 1, &hit, this,
                               &mDefaultEventHandlerRef);
  }
  mCorvelOptsInstalled = true;
  SetCorvelOptionsInUI(All_CorvelOptions, DefaultOptions);
  return noErr;
}

void CCorvelOptions::ConfigureCorvelControls() {
  ConfigureFilePaneControls();
  ConfigureExtrasPaneControls();
  ConfigurePagePaneControls();
  ConfigureOutputPaneControls();
  ConfigureQualityPaneControls();
  ConfigureInfoPaneControls();
  ConfigureAccessoriesPaneControls();
}

void CCorvelOptions::ConfigureFilePaneControls() {}
void CCorvelOptions::ConfigureExtrasPaneControls() {}
void CCorvelOptions::ConfigureQualityPaneControls() {}

void CCorvelOptions::ConfigurePagePaneControls() {
  if (ControlRef description = GetCorvelControl(kPageSignature, 33))
    SetControlFontStyle(description, {kControlFontViewSystemFont, kViewSystemFontSize, -1});
  CUPSHelper helper(mCupsPPD.get());
  for (const auto& [number, option] : kPageMenus) {
    ControlRef popup = GetCorvelControl(kPageSignature, number);
    if (!popup || !mCupsPPD || !helper.FindNamedOption(option)) continue;
    helper.NamedOptionToMenu(option, GetControlPopupMenuHandle(popup));
    if (number == kImpositionTypePopup) DeleteMenuItem(GetControlPopupMenuHandle(popup), 1);
    SetControl32BitMaximum(popup, CountMenuItems(GetControlPopupMenuHandle(popup)));
  }
}

void CCorvelOptions::ConfigureOutputPaneControls() {
  CorvelOptionsData& d = mCorvelOptionsData;
  d.portraitButton = GetCorvelControl(kOutputSignature, 20);
  d.landscapeButton = GetCorvelControl(kOutputSignature, 21);
  d.stapleViewRef = GetCorvelControl(kOutputSignature, 12);
  d.punchViewRef = GetCorvelControl(kOutputSignature, 16);
  d.fastenViewRef = GetCorvelControl(kOutputSignature, 18);
  d.foldViewRef = GetCorvelControl(kOutputSignature, 30);
  d.stapleHIViewRef = GetCorvelControl(kOutputSignature, 999);
  LoadImages(mStapleURL, d.stapleIconsRefs);
  LoadImages(mStapleLandscapeURL, d.stapleLandscapeIconsRefs);
  LoadImages(mPunchURL, d.punchIconsRefs);
  LoadImages(mPunchLandscapeURL, d.punchLandscapeIconsRefs);
  LoadImages(mFastenURL, d.fastenIconsRefs);
  LoadImages(mFoldURL, d.foldIconsRefs);
  d.stapleIconsRefs[0] = d.fastenIconsRefs[0] = d.foldIconsRefs[0] = nullptr;
  if (d.stapleHIViewRef) HIImageViewSetImage(d.stapleHIViewRef, d.stapleIconsRefs[1]);
  CUPSHelper helper(mCupsPPD.get());
  for (const auto& [number, option] : kOutputPopups) {
    ControlRef popup = GetCorvelControl(kOutputSignature, number);
    if (!popup || !mCupsPPD || !helper.FindNamedOption(option)) continue;
    helper.NamedOptionToPopupControl(option, popup);
    if (number == kFasteningPopup) DeleteFirstItem(popup);
  }
}

void CCorvelOptions::ConfigureInfoPaneControls() {
  ControlRef tabs = GetCorvelControl(kTabsSignature, kTabControlNumber);
  ControlRef infoPane = nullptr;
  if (tabs) GetIndexedSubControl(tabs, 6, &infoPane);
  for (const auto& [number, length] : kInfoFieldLengths) {
    ControlRef field = GetCorvelControl(kInfoSignature, number);
    if (!field) continue;
    SetControl32BitMaximum(field, length);
    if (infoPane) EmbedControl(field, infoPane);
    SetControlKeyFilter(field, number == kPasswordField ? EditControlAlphaNumericMaxLengthKeyFilter
                                                        : EditControlMaxLengthKeyFilter);
    SetControlValidationProc(field, EditControlMaxLengthValidationProc);
  }
  if (!mSecureAccessOn) {
    for (int32_t number : kSecureAccessOnlyControls)
      if (ControlRef control = GetCorvelControl(kInfoSignature, number)) HideControl(control);
  } else {
    const std::string& domain = CModelInfo::GetCorvelPrefName();
    for (const char* key : kSecureAccessClearedKeys)
      CFPreferencesSetAppValue(key, std::nullopt, domain);
    mCorvelOptionsData.password[0] = mCorvelOptionsData.owner[0] = 0;
    mCorvelOptionsData.acctNumber[0] = 0;
  }
  TitleSecurePrintButton();
  int32_t version = 0;
  if (tabs && Gestalt(FourCC("sysv"), &version) == noErr && version < kSystemVersion10_2)
    SetControl32BitMaximum(tabs, kTabsBefore10_2);
}

void CCorvelOptions::ConfigureAccessoriesPaneControls() {
  CorvelOptionsData& d = mCorvelOptionsData;
  if (mPrinterList)
    if (std::optional<std::string> address =
            mPrinterList->Find(CModelInfo::GetCorvelRawPrinterName())) {
      mWrenfold = std::make_unique<Wrenfold>(address->c_str(), 0);
      SetCorvelTextEditField(kAccessoriesSignature, kServerAddressNumber, *address, false);
    }
  SetCorvelControlValue(kAccessoriesSignature, kSyncWithServerNumber, d.mSyncWithServer ? 1 : 0);
  StartServerDiscovery();
  ppd_group_t* group =
      mCupsPPD ? CUPSHelper(mCupsPPD.get()).FindOptionGroup(kInstallableOptionsGroup) : nullptr;
  for (int i = 0; i < kInstalledOptionPopups; ++i) {
    ControlRef popup = GetCorvelControl(kAccessoriesSignature, kFirstInstalledOptionPopup + i);
    if (!popup) continue;
    if (group && i < group->num_options)
      CUPSHelper(mCupsPPD.get()).NamedOptionToPopupControl(group->options[i].keyword, popup);
    else
      HideControl(popup);
  }
}
