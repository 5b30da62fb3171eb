#include "PrintDialogHost.h"

#include <cups/cups.h>

#include <cstdio>

#include "platform/toolkit/Toolkit.h"

namespace {

constexpr Rect kWindowBounds = {40, 40, 720, 680};  // 640 wide, 680 high
constexpr Rect kChooserBounds = {12, 20, 32, 420};
constexpr Rect kPaneBounds = {44, 20, 619, 620};  // the extension's pane: 600 x 575
constexpr Rect kCancelBounds = {640, 420, 660, 510};
constexpr Rect kPrintBounds = {640, 530, 660, 620};
constexpr const char* kHostClient = "com.corvel.print.host";  // the client of the host's entries

// The CUPS destinations; `serverError` says why there are none when the print server could not
// be asked.
std::vector<PrinterChoice> ListPrinters(std::string* serverError) {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests(&dests);
  if (count == 0 && cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
    *serverError = std::string("cannot reach the print server at ") + cupsServer() +
                   ": start CUPS, or point CUPS_SERVER at it, and try again";
  else if (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE)
    *serverError = std::string("the print server at ") + cupsServer() +
                   " does not list its printers: " + cupsLastErrorString();
  std::vector<PrinterChoice> printers;
  for (int i = 0; i < count; ++i) {
    const char* info = cupsGetOption("printer-info", dests[i].num_options, dests[i].options);
    printers.push_back(
        {dests[i].name, info && *info ? info : dests[i].name, dests[i].is_default != 0});
  }
  cupsFreeDests(count, dests);
  return printers;
}

}  // namespace

PrintDialogHost::PrintDialogHost(std::filesystem::path bundle)
    : mBundle(std::move(bundle)), mPrinters(ListPrinters(&mServerError)) {
  PMCreateSession(&mSession);
  for (auto [key, ticket] : {std::pair{kPMPrinterInfoTicketKey, &mInfoTicket},
                             std::pair{kPMPrintSettingsTicketKey, &mSettingsTicket}}) {
    PMTicketCreate(ticket);
    PMSessionSetDataInSession(mSession, key, PlistValue(PMTicketHandleNumber(*ticket)));
  }
  MakeWindow();
}

PrintDialogHost::~PrintDialogHost() {
  EndPane();
  DisposeWindow(mWindow);
  PMTicketRelease(mInfoTicket);
  PMTicketRelease(mSettingsTicket);
  PMRelease(mSession);
}

void PrintDialogHost::MakeWindow() {
  CreateNewWindow(kMovableModalWindowClass, kWindowBounds, &mWindow);
  SetWindowTitleWithCFString(mWindow, "Print");
  CreateControl(mWindow, ControlKind::PopupButton, kChooserBounds, &mChooser);
  const ControlID chooserID{kHostSignature, kPrinterPopup};
  SetControlID(mChooser, &chooserID);
  SetControlTitleWithCFString(mChooser, "Printer:");
  MenuRef menu = GetControlPopupMenuHandle(mChooser);
  for (const PrinterChoice& printer : mPrinters)
    AppendMenuItemTextWithCFString(menu, printer.displayName, 0, nullptr);
  SetControl32BitMaximum(mChooser, int32_t(mPrinters.size()));
  CreateControl(mWindow, ControlKind::PushButton, kCancelBounds, &mCancel);
  SetControlTitleWithCFString(mCancel, "Cancel");
  SetControlCommandID(mCancel, kCancelCommand);
  const ControlID cancelID{kHostSignature, kCancelButtonNumber};
  SetControlID(mCancel, &cancelID);
  SetWindowCancelButton(mWindow, mCancel);
  CreateControl(mWindow, ControlKind::PushButton, kPrintBounds, &mPrint);
  SetControlTitleWithCFString(mPrint, "Print");
  SetControlCommandID(mPrint, kPrintCommand);
  const ControlID printID{kHostSignature, kPrintButtonNumber};
  SetControlID(mPrint, &printID);
  SetWindowDefaultButton(mWindow, mPrint);
  const EventTypeSpec types[] = {{kEventClassCommand, kEventCommandProcess},
                                 {kEventClassControl, kEventControlHit}};
  InstallWindowEventHandler(mWindow, CommandHandler, 2, types, this, nullptr);
  NewPane();
  ShowWindow(mWindow);
}

void PrintDialogHost::NewPane() {
  CreateControl(mWindow, ControlKind::UserPane, kPaneBounds, &mPane);
  const ControlID paneID{kHostSignature, kPaneNumber};
  SetControlID(mPane, &paneID);
}

OSStatus PrintDialogHost::CommandHandler(EventRef event, void* userData) {
  auto* host = static_cast<PrintDialogHost*>(userData);
  if (GetEventClass(event) == kEventClassControl) {
    // A printer chosen in the chooser: its pane replaces the previous one.
    if (GetEventControl(event) != host->mChooser) return eventNotHandledErr;
    const int32_t item = GetControl32BitValue(host->mChooser);
    std::string error;
    if (item >= 1 && size_t(item) <= host->mPrinters.size() &&
        !host->ChoosePrinter(host->mPrinters[item - 1].queue, &error))
      std::fprintf(stderr, "corvel-print: %s\n", error.c_str());
    return noErr;
  }
  HICommand command;
  if (GetEventCommand(event, &command) != noErr) return eventNotHandledErr;
  if (command.commandID == kPrintCommand)
    host->mPrintPressed = true;
  else if (command.commandID == kCancelCommand)
    host->mCancelled = true;
  else
    return eventNotHandledErr;
  return noErr;
}

void PrintDialogHost::EndPane() {
  if (!mExtension) return;
  mExtension->Close();
  mExtension->Terminate(noErr);
  mExtension.reset();
  // What the extension built in its pane goes with it; the next printer gets a fresh pane.
  DisposeControl(mPane);
  NewPane();
}

void PrintDialogHost::NameDocument(const std::string& name) {
  SetWindowTitleWithCFString(mWindow, "Print \u201c" + name + "\u201d");
}

std::string PrintDialogHost::DefaultQueue() const {
  for (const PrinterChoice& printer : mPrinters)
    if (printer.isDefault) return printer.queue;
  return "";
}

bool PrintDialogHost::ChoosePrinter(const std::string& queue, std::string* error) {
  EndPane();
  mQueue.clear();
  size_t index = 0;
  while (index < mPrinters.size() && mPrinters[index].queue != queue) ++index;
  if (index == mPrinters.size()) {
    if (!mServerError.empty())
      *error = mServerError;
    else if (queue.empty())
      *error = "no printer: name a CUPS queue with -P QUEUE";
    else
      *error = "no printer queue named \"" + queue + "\"";
    return false;
  }
  SetControl32BitValue(mChooser, int32_t(index + 1));
  std::string loadError;
  std::unique_ptr<DialogExtension> extension = DialogExtension::Load(mBundle, &loadError);
  if (!extension) {
    *error = "cannot load the dialog extension: " + loadError;
    return false;
  }
  PDEPrologueAnswer answer;
  OSStatus status = extension->Prologue(&answer);
  PMSessionSetCurrentPrinter(mSession, mPrinters[index].displayName, queue);
  PMPDEFlags flags = 0;
  if (status == noErr) status = extension->Initialize(mPane, mSession, &flags);
  if (status != noErr) {
    extension->Terminate(status);
    *error = "the dialog extension cannot open printer \"" + queue + "\" (status " +
             std::to_string(status) + "); the reason is above";
    DisposeControl(mPane);
    NewPane();
    return false;
  }
  mPaneTitle = answer.title.value_or("");
  extension->Open();
  mExtension = std::move(extension);
  mQueue = queue;
  return true;
}

void PrintDialogHost::HandJobAttribute(const std::string& name, const std::string& value) {
  if (!value.empty())
    PMTicketSetCFString(mSettingsTicket, kHostClient, std::string(kPMJobAttributePrefix) + name,
                        value, false);
}

bool PrintDialogHost::PressPrint(std::string* error) {
  mPrintPressed = false;
  const OSStatus clicked = UserClickControl(mPrint);
  if (!mPrintPressed) {
    *error = clicked == errControlInactive || clicked == errWindowBlocked
                 ? "the Print button cannot be pressed now"
                 : "the dialog extension did not let the job print (Secure Access refused "
                   "it or is not available); see the system log";
    return false;
  }
  if (!mExtension) {
    *error = "no printer is chosen";
    return false;
  }
  const OSStatus status = mExtension->Sync(mSession, 0);
  if (status != noErr) {
    *error =
        "the dialog extension could not commit the options (status " + std::to_string(status) + ")";
    return false;
  }
  return true;
}

bool PrintDialogHost::StillWanted() {
  if (!mEndReason.empty()) return false;
  std::string reason;
  if (!mStillWanted || mStillWanted(&reason)) return true;
  mEndReason = reason.empty() ? "the dialog is no longer wanted" : reason;
  return false;
}
