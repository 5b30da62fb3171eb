// The life-cycle calls other than Initialize: the pane's title and size, commits and refills,
// placeholder summaries, showing and hiding, and the end of the dialog.
#include <memory>

#include "pde/CorvelPDE.h"
#include "pde/ScopedResFile.h"
#include "platform/ResourceMap.h"
#include "platform/TextEncoding.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/Windows.h"
#include "ui/PDEBundle.h"

namespace {

constexpr int16_t kPaneTitleStringList = 231;
// The window of a print dialog that is not a sheet slides up until its top is at most this.
constexpr int16_t kOpenWindowTop = 60;

CorvelOptionsContext* ContextOf(PMPDEContext context) {
  return static_cast<CorvelOptionsContext*>(context);
}

// Title: string 1 of list 231, else the localized "PDE Panel Title".
std::optional<std::string> PaneTitle(CFBundleRef bundle) {
  unsigned char title[256] = {0};
  GetIndString(title, kPaneTitleStringList, 1);
  if (title[0] == 0) return PDEBundle::GetLocalizedCFString("PDE Panel Title", bundle);
  return ToUTF8({reinterpret_cast<const char*>(title + 1), title[0]}, kTextEncodingMacRoman);
}

std::string Localized(const char* key) {
  return PDEBundle::GetLocalizedCFString(key, GetBundleRef()).value_or(key);
}

}  // namespace

OSStatus Prologue(PMPDEContext* context, OSType* creator,
                  std::optional<std::string>* userOptionKind, std::optional<std::string>* title,
                  uint32_t* maxH, uint32_t* maxV) {
  CorvelOptionsContext* created = nullptr;
  if (!context || InitContext(&created) == errStartupCheckFailed) return errStartupCheckFailed;
  ScopedResFile resources(created->theResFile);
  *context = created;
  if (maxH) *maxH = kCorvelPaneMaxH;
  if (maxV) *maxV = kCorvelPaneMaxV;
  if (title)
    if (std::optional<std::string> text = PaneTitle(created->theBundleRef))
      *title = std::move(text);
  if (userOptionKind) *userOptionKind = kCorvelUserOptionKind;
  if (creator) *creator = kCorvelCreator;
  return noErr;
}

OSStatus Sync(PMPDEContext contextRef, PMPrintSession session, uint8_t reinitialize) {
  CorvelOptionsContext* context = ContextOf(contextRef);
  if (!context || !session) return kPMKeyNotFound;
  ScopedResFile resources(context->theResFile);
  PMTicketRef ticket = nullptr;
  OSStatus status = GetTicketRef(session, kPMPrintSettingsTicketKey, &ticket);
  if (status != noErr) return status;
  CCorvelOptions* options = context->corvelOptions.get();
  if (options) options->SetPrintSettingsTicket(ticket);
  if (reinitialize > 1) return status;
  PMPPDDict* dict = nullptr;
  status = PMTicketGetPPDDict(ticket, 0, 0, &dict);
  if (!options) return status;
  if (reinitialize == 0) {
    // A job whose comments (its owner, passwords, account) could not be written must not print.
    const OSStatus committed =
        options->GetCorvelOptionsFromUI(All_CorvelOptions, status == noErr ? dict : nullptr);
    if (committed != noErr) return committed;
  } else {
    options->SetCorvelOptionsInUI(All_CorvelOptions, PreferencesOptions);
  }
  return status;
}

OSStatus GetSummaryText(PMPDEContext contextRef, PMStringArray* titles, PMStringArray* values) {
  if (titles) titles->reset();
  if (values) values->reset();
  CorvelOptionsContext* context = ContextOf(contextRef);
  if (!context) return errStartupCheckFailed;
  if (!titles || !values) return memFullErr;
  ScopedResFile resources(context->theResFile);
  *titles = std::vector<std::string>{Localized(" Print Selected Text Only"), Localized(" Title 2"),
                                     Localized(" Title 3")};
  *values = std::vector<std::string>{Localized(" Nope, Print All Text"), Localized("Line 2"),
                                     Localized("Line 3")};
  return noErr;
}

OSStatus Open(PMPDEContext contextRef) {
  CorvelOptionsContext* context = ContextOf(contextRef);
  if (!context) return errStartupCheckFailed;
  ScopedResFile resources(context->theResFile);
  WindowRef window = context->thePrintDlgWindow;
  WindowRef parent = nullptr;
  const OSStatus sheetStatus = GetSheetWindowParent(window, &parent);
  if (sheetStatus != noErr) {
    Rect bounds;
    if (GetWindowBounds(window, &bounds) == noErr)
      for (int top = bounds.top - 1; top > kOpenWindowTop; top -= 4)
        MoveWindow(window, bounds.left, int16_t(top), false);
  }
  if (context->corvelOptions)
    context->corvelOptions->SetCorvelOptionsInUI(All_CorvelOptions, PreferencesOptions);
  return sheetStatus;
}

OSStatus Close(PMPDEContext contextRef) {
  return ContextOf(contextRef) ? noErr : errStartupCheckFailed;
}

OSStatus Terminate(PMPDEContext contextRef, OSStatus) {
  std::unique_ptr<CorvelOptionsContext> context(ContextOf(contextRef));
  if (!context) return errStartupCheckFailed;
  ScopedResFile resources(context->theResFile);
  if (context->theResFile != kResFileNotOpened) {
    CModelInfo modelInfo;
    CFBundleCloseBundleResourceMap(CFBundleGetBundleWithIdentifier(modelInfo.GetCorvelBundleID()),
                                   context->theResFile);
    context->theResFile = kResFileNotOpened;
  }
  if (context->corvelOptions) {
    context->corvelOptions->RemoveDefaultButtonHandler();
    context->corvelOptions.reset();
  }
  if (gContext == context.get()) gContext = nullptr;
  return noErr;
}
