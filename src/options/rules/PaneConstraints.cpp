// The constraint rules of the File, Extras, Quality, Info and Accessories panes, the boxes of the
// Output pane that are switched as one, and a user's change of an installed option. The Page and
// Output rules have files of their own.
#include <string>

#include "options/panes/PaneControlIDs.h"
#include "options/panes/PaneControlStates.h"
#include "platform/toolkit/Controls.h"
#include "ui/CUPSHelper.h"

namespace {

constexpr int32_t kSeparations = 10, kSaveAsFile = 12, kTiffResolution = 13;
constexpr int32_t kPrintInOwnColor = 29, kSaveFormat = 30;
constexpr int32_t kSeparationsNone = 3;  // the item sent as "None"
constexpr int32_t kServerAddress = 4, kSyncWithServer = 6;
constexpr int32_t kFirstInstalledOption = 100;
constexpr const char* kInstallableOptions = "InstallableOptions";

// The text of the server address field accs/4; empty when the field is missing.
std::string ServerAddress(CCorvelOptions& options) {
  unsigned char address[256] = {0};
  options.GetCorvelTextEditField(kAccessoriesSignature, kServerAddress, address, false);
  return std::string(reinterpret_cast<const char*>(address + 1), address[0]);
}

// The installable option shown by accs/`controlNumber` and the choice the popup shows; null when
// the group, the option or the choice does not exist.
ppd_choice_t* ShownInstalledChoice(CCorvelOptions& options, int16_t controlNumber,
                                   ppd_option_t** option) {
  ppd_group_t* group = CUPSHelper(options.mCupsPPD.get()).FindOptionGroup(kInstallableOptions);
  const int32_t index = controlNumber - kFirstInstalledOption;
  if (!group || index < 0 || index >= group->num_options) return nullptr;
  *option = &group->options[index];
  const int32_t shown = options.GetCorvelControlValue(kAccessoriesSignature, controlNumber);
  if (shown < 1 || shown > (*option)->num_choices) return nullptr;
  return &(*option)->choices[shown - 1];
}

}  // namespace

void CCorvelOptions::SetFilePaneUIConstraints() {}

void CCorvelOptions::SetExtrasPaneUIConstraints() {
  SetPaneControlEnabled(*this, kExtrasSignature, kPrintInOwnColor,
                        GetCorvelControlValue(kExtrasSignature, kSeparations) != kSeparationsNone);
  const bool saveAsFile = GetCorvelControlValue(kExtrasSignature, kSaveAsFile) > 0;
  if (GetCorvelControl(kExtrasSignature, kSaveFormat) && saveAsFile) {
    SetPaneControlEnabled(*this, kExtrasSignature, kSaveFormat, true);
    SetPaneControlEnabled(*this, kExtrasSignature, kTiffResolution,
                          GetCorvelControlValue(kExtrasSignature, kSaveFormat) == 1);
  } else {
    SetPaneControlEnabled(*this, kExtrasSignature, {kTiffResolution, kSaveFormat}, false);
  }
}

void CCorvelOptions::SetQualityPaneUIConstraints() {
  CorvelOptionsData& d = mCorvelOptionsData;
  const int32_t compliant = GetCorvelControlValue(kQualitySignature, 9);
  if (compliant < 0 || compliant == d.pdfX3Compliant) return;
  GetQualityPaneOptionsFromUI();
  d.pdfX3Compliant = int16_t(compliant);
  if (compliant == 1) {
    d.gradientSmoothing = 1;
    d.textGraphicsQuality = 2;
    d.dynamicImageEnhancement = 1;
    d.showCompositeCMYK = 1;
    d.dynamicEdgeSmoothing = 1;
  } else {
    // What was in force before PDF/X-3 was turned on is not restored.
    GetQualityX3Defaults();
  }
  SetQualityPaneOptionsInUI();
}

void CCorvelOptions::SetInfoPaneUIConstraints() {
  if (mSecureAccessOn) return;
  for (int32_t number : {17, 14})
    if (ControlRef control = GetCorvelControl(kInfoSignature, number))
      SetControlVisibility(control, false, false);  // hidden without redrawing
}

void CCorvelOptions::SetAccessoriesPaneUIConstraints() {
  // Without panes the stored flag stands; with them a missing address field is no address.
  if (!mCorvelOptsInstalled) return;
  const bool noAddress = ServerAddress(*this).empty();
  SetPaneControlEnabled(*this, kAccessoriesSignature, kSyncWithServer, !noAddress);
  if (noAddress && mCorvelOptionsData.mSyncWithServer) {
    SetCorvelControlValue(kAccessoriesSignature, kSyncWithServer, 0);
    mCorvelOptionsData.mSyncWithServer = false;
  }
  SetPaneControlEnabled(*this, kAccessoriesSignature, {100, 101, 102},
                        !mCorvelOptionsData.mSyncWithServer);
}

void CCorvelOptions::SetAbleStateStaplePunchBox(bool enable, ControlRef staple, ControlRef punch,
                                                ControlRef punchEdge, ControlRef portrait,
                                                ControlRef landscape) {
  for (ControlRef control : {staple, punch, punchEdge, portrait, landscape})
    SetControlEnabled(control, enable);
}

void CCorvelOptions::SetAbleStateFoldingBox(bool enable, ControlRef folding) {
  SetControlEnabled(folding, enable);
}

void CCorvelOptions::SetAbleStateBookletBox(bool enable, ControlRef fasten, ControlRef foldSize,
                                            ControlRef cover, ControlRef coverMedia,
                                            ControlRef coverTray, ControlRef bookletImpose) {
  for (ControlRef control : {fasten, foldSize, cover, coverMedia, coverTray, bookletImpose})
    SetControlEnabled(control, enable);
}

void CCorvelOptions::ChangeInstalledOptions(int16_t controlNumber) {
  ppd_option_t* option = nullptr;
  ppd_choice_t* choice = ShownInstalledChoice(*this, controlNumber, &option);
  if (choice && !choice->marked) {
    CUPSHelper(mCupsPPD.get()).MarkOption(option->keyword, choice->choice);
    std::string address = ServerAddress(*this);
    SetServerOption(address.data(), option->keyword, choice->choice);
  }
  // The installed finisher may have changed.
  SetUIConstraints(Output_CorvelOptions);
}
