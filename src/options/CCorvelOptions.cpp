// Construction and destruction of the controller, the frame's setters and the dispatchers that run
// the per-pane families in pane order.
#include "options/CCorvelOptions.h"

#include "options/store/PStringFields.h"
#include "serverclient/Wrenfold.h"
#include "platform/Preferences.h"
#include "platform/toolkit/Controls.h"
#include "support/Logging.h"

namespace {

// The members of one pane, one per family. Calls through these pointers are virtual.
struct PaneMembers {
  CorvelOptions pane;
  void (CCorvelOptions::*defaults)();
  void (CCorvelOptions::*show)();
  void (CCorvelOptions::*read)();
  void (CCorvelOptions::*constrain)();
  void (CCorvelOptions::*readPrefs)();
  void (CCorvelOptions::*writePrefs)();
  void (CCorvelOptions::*writeTicket)(PMPPDDict*);
};

using C = CCorvelOptions;
// In pane order: File, Extras, Page, Output, Quality, Info, Accessories.
constexpr PaneMembers kPanes[] = {
    {File_CorvelOptions, &C::GetFilePaneDefaults, &C::SetFilePaneOptionsInUI,
     &C::GetFilePaneOptionsFromUI, &C::SetFilePaneUIConstraints, &C::GetFilePaneOptionsFromPrefs,
     &C::SetFilePaneOptionsInCorvelPrefs, &C::SetFilePaneOptionsInPPDDict},
    {Extras_CorvelOptions, &C::GetExtrasPaneDefaults, &C::SetExtrasPaneOptionsInUI,
     &C::GetExtrasPaneOptionsFromUI, &C::SetExtrasPaneUIConstraints,
     &C::GetExtrasPaneOptionsFromPrefs, &C::SetExtrasPaneOptionsInCorvelPrefs,
     &C::SetExtrasPaneOptionsInPPDDict},
    {Page_CorvelOptions, &C::GetPagePaneDefaults, &C::SetPagePaneOptionsInUI,
     &C::GetPagePaneOptionsFromUI, &C::SetPagePaneUIConstraints, &C::GetPagePaneOptionsFromPrefs,
     &C::SetPagePaneOptionsInCorvelPrefs, &C::SetPagePaneOptionsInPPDDict},
    {Output_CorvelOptions, &C::GetOutputPaneDefaults, &C::SetOutputPaneOptionsInUI,
     &C::GetOutputPaneOptionsFromUI, &C::SetOutputPaneUIConstraints,
     &C::GetOutputPaneOptionsFromPrefs, &C::SetOutputPaneOptionsInCorvelPrefs,
     &C::SetOutputPaneOptionsInPPDDict},
    {Quality_CorvelOptions, &C::GetQualityPaneDefaults, &C::SetQualityPaneOptionsInUI,
     &C::GetQualityPaneOptionsFromUI, &C::SetQualityPaneUIConstraints,
     &C::GetQualityPaneOptionsFromPrefs, &C::SetQualityPaneOptionsInCorvelPrefs,
     &C::SetQualityPaneOptionsInPPDDict},
    {Info_CorvelOptions, &C::GetInfoPaneDefaults, &C::SetInfoPaneOptionsInUI,
     &C::GetInfoPaneOptionsFromUI, &C::SetInfoPaneUIConstraints, &C::GetInfoPaneOptionsFromPrefs,
     &C::SetInfoPaneOptionsInCorvelPrefs, &C::SetInfoPaneOptionsInPPDDict},
    {Accessories_CorvelOptions, &C::GetAccessoriesPaneDefaults, &C::SetAccessoriesPaneOptionsInUI,
     &C::GetAccessoriesPaneOptionsFromUI, &C::SetAccessoriesPaneUIConstraints,
     &C::GetAccessoriesPaneOptionsFromPrefs, &C::SetAccessoriesPaneOptionsInCorvelPrefs,
     &C::SetAccessoriesPaneOptionsInPPDDict},
};

// The row of a single pane; null for All_CorvelOptions and values above 7.
const PaneMembers* FindPane(CorvelOptions pane) {
  for (const PaneMembers& row : kPanes)
    if (row.pane == pane) return &row;
  return nullptr;
}

// Job-handling values by radio button number.
constexpr std::pair<int32_t, const char*> kFilePrintSettings[] = {
    {12, "ProcessHold"},    {11, "SaveAll"},          {10, "PrintDelete"}, {13, "PreflightHold"},
    {14, "PostflightHold"}, {15, "PostflightReport"}, {16, "SendAndHold"},
};

}  // namespace

CCorvelOptions* CCorvelOptions::CreateInstance(ControlRef parentUserPane, bool secureAccessOn) {
  try {
    return new CCorvelOptions(parentUserPane, secureAccessOn);
  } catch (const std::exception& error) {
    trace_log(0, "the options controller cannot be made: %s\n", error.what());
  } catch (...) {
    trace_log(0, "the options controller cannot be made\n");
  }
  return nullptr;
}

CCorvelOptions::CCorvelOptions(ControlRef parentUserPane, bool secureAccessOn)
    : mSecureAccessOn(secureAccessOn),
      mPrintDlgWindow(GetControlOwner(parentUserPane)),
      mParentUserPane(parentUserPane) {
  mCorvelOptionsData.mSyncWithServer = false;
  mCorvelOptionsData.printTime = 0;
  mCorvelOptionsData.mCorvelOptions = this;
  for (const auto& [button, value] : kFilePrintSettings) mFilePrintSettings[button] = value;
  mPrinterList = std::make_unique<KTVQuillonPrinterPList>();
  mModelInfo = std::make_unique<CModelInfo>(mCorvelResRefNum);
}

// The pictures, the printer list and the model information go with their owners; the parsed PPD,
// the CUPS PPD and the media-types list too, so each is released exactly once, here.
CCorvelOptions::~CCorvelOptions() {
  StopServerDiscovery();
  mWrenfold.reset();
  mModelInfo.reset();
  mPrinterList.reset();
}

void CCorvelOptions::SetPPDDict(PMPPDDict* dict) { mPPDDict = dict; }

void CCorvelOptions::SetPrintSettingsTicket(PMTicketRef ticket) {
  mPrintSettingsTicketRef = ticket;
}

void CCorvelOptions::SetCorvelResourceRefNum(int16_t refNum) { mCorvelResRefNum = refNum; }

OSStatus CCorvelOptions::RemoveDefaultButtonHandler() {
  if (!mDefaultEventHandlerRef) return noErr;
  const OSStatus status = RemoveEventHandler(mDefaultEventHandlerRef);
  mDefaultEventHandlerRef = nullptr;
  return status;
}

OSStatus CCorvelOptions::SetCorvelOptionsInUI(CorvelOptions panes, OptionType source) {
  switch (source) {
    case DefaultOptions:
      SetDefaultCorvelOptionsInUI(panes);
      break;
    case PreferencesOptions:
      SetPreferencesCorvelOptionsInUI(panes);
      break;
    case RefreshOptions:
      SetLocalCorvelOptionsInUI(panes);
      break;
    default:
      break;
  }
  return noErr;
}

void CCorvelOptions::SetUIConstraints(CorvelOptions panes) {
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) (this->*row.constrain)();
  } else if (const PaneMembers* row = FindPane(panes)) {
    (this->*row->constrain)();
  }
}

void CCorvelOptions::SetDefaultCorvelOptionsInUI(CorvelOptions panes) {
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) (this->*row.defaults)();
    for (const PaneMembers& row : kPanes) (this->*row.show)();
    for (const PaneMembers& row : kPanes) SetUIConstraints(row.pane);
  } else if (const PaneMembers* row = FindPane(panes)) {
    (this->*row->defaults)();
    (this->*row->show)();
    (this->*row->constrain)();
    if (panes == Page_CorvelOptions) (this->*row->constrain)();
  }
}

void CCorvelOptions::SetPreferencesCorvelOptionsInUI(CorvelOptions panes) {
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) (this->*row.readPrefs)();
    LoadBiDiInfo();
    for (const PaneMembers& row : kPanes) (this->*row.show)();
    SetAccessoriesPaneOptionsInUI();
    for (const PaneMembers& row : kPanes) SetUIConstraints(row.pane);
    SetUIConstraints(Accessories_CorvelOptions);
  } else if (const PaneMembers* row = FindPane(panes)) {
    (this->*row->readPrefs)();
    if (panes == Info_CorvelOptions) LoadBiDiInfo();
    (this->*row->show)();
    (this->*row->constrain)();
  }
}

void CCorvelOptions::SetLocalCorvelOptionsInUI(CorvelOptions panes) {
  // A refresh constrains Extras after Quality.
  static constexpr CorvelOptions kConstraintOrder[] = {
      File_CorvelOptions,   Page_CorvelOptions, Output_CorvelOptions,     Quality_CorvelOptions,
      Extras_CorvelOptions, Info_CorvelOptions, Accessories_CorvelOptions};
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) (this->*row.show)();
    for (CorvelOptions pane : kConstraintOrder) SetUIConstraints(pane);
  } else if (const PaneMembers* row = FindPane(panes)) {
    (this->*row->show)();
    (this->*row->constrain)();
  }
}

OSStatus CCorvelOptions::GetCorvelOptionsFromUI(CorvelOptions panes, PMPPDDict* dict) {
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) (this->*row.read)();
  } else if (const PaneMembers* row = FindPane(panes)) {
    (this->*row->read)();
  }
  SetCorvelPreferences(panes);
  mJobCommentStatus = noErr;
  SetCorvelPPDDict(panes, dict);
  return mJobCommentStatus;
}

void CCorvelOptions::SetCorvelPreferences(CorvelOptions panes) {
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) (this->*row.writePrefs)();
  } else if (const PaneMembers* row = FindPane(panes)) {
    (this->*row->writePrefs)();
  }
  const std::string& domain = CModelInfo::GetCorvelPrefName();
  if (const OSStatus status = SynchronizePreferences(domain); status != noErr)
    trace_log(0,
              "Corvel: your choices are not saved: %s cannot be written (status %d); check "
              "that its folder can be written\n",
              PreferencesFileForDomain(domain).c_str(), int(status));
}

// Without a dictionary only the Info pane writes: its output goes to the comment file and ticket.
void CCorvelOptions::SetCorvelPPDDict(CorvelOptions panes, PMPPDDict* dict) {
  auto write = [&](const PaneMembers& row) {
    if (dict || row.pane == Info_CorvelOptions) (this->*row.writeTicket)(dict);
  };
  if (panes == All_CorvelOptions) {
    for (const PaneMembers& row : kPanes) write(row);
  } else if (const PaneMembers* row = FindPane(panes)) {
    write(*row);
  }
}

void CCorvelOptions::LoadBiDiInfo() {
  mPrinterList = std::make_unique<KTVQuillonPrinterPList>();
  const std::optional<std::string> address =
      mPrinterList->Find(CModelInfo::GetCorvelRawPrinterName());
  if (address) StoreMacRoman(*address, mCorvelOptionsData.ipAddress, kMaxPStringLength);
}

// The constraint rules arrive with the panes.
