// Initialize: the start-up of a dialog. The order of the checks matters: the printer and its
// queue, the PPD and its model, the supported files, the parsed PPD, then the controller, which
// takes over the PPD handles, the pictures and the media list, and the first refill.
#include <cups/cups.h>
#include <cups/ppd.h>
#include <unistd.h>

#include <memory>

#include "support/COwner.h"
#include "options/CModelInfo.h"
#include "options/store/HeldJobChoices.h"
#include "options/store/SupportedPrinter.h"
#include "pde/CorvelPDE.h"
#include "pde/ImageTables.h"
#include "pde/PrinterMatch.h"
#include "pde/ScopedResFile.h"
#include "platform/PropertyList.h"
#include "platform/ResourceMap.h"
#include "platform/toolkit/Controls.h"
#include "ppdx/parser/KTVPPD.h"
#include "support/Logging.h"
#include "ui/PDEBundle.h"

namespace {

// The file cupsGetPPD fetched: the caller's to remove once it is read.
struct FetchedPPDFile {
  std::string path;
  ~FetchedPPDFile() {
    if (!path.empty()) unlink(path.c_str());
  }
};

// The queue the session names, or else the one whose description names the printer; nullopt
// (with the reason logged) when there is none.
std::optional<std::string> QueueOfPrinter(const std::string& printerName,
                                          const std::string& namedQueue) {
  // A named queue is asked for alone; only a description needs the whole list.
  cups_dest_t* dests = nullptr;
  const int count =
      namedQueue.empty()
          ? cupsGetDests(&dests)
          : ((dests = cupsGetNamedDest(CUPS_HTTP_DEFAULT, namedQueue.c_str(), nullptr)) != nullptr);
  CountedCOwner<cups_dest_t, cupsFreeDests> owner(dests, {count});
  // A queue the server does not have is not a server that cannot answer.
  if (count == 0 && cupsLastError() > IPP_STATUS_OK_EVENTS_COMPLETE &&
      cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND) {
    trace_log(
        0, "Corvel: the print server at %s gives no printer list (%s); start CUPS and try again\n",
        cupsServer(), ippErrorString(cupsLastError()));
    return std::nullopt;
  }
  std::optional<std::string> queue = FindQueueForPrinter(printerName, dests, count, namedQueue);
  if (queue) return queue;
  if (!namedQueue.empty())
    trace_log(0, "Corvel: the print server has no queue named \"%s\"\n", namedQueue.c_str());
  else
    trace_log(0, "Corvel: no CUPS queue is described as \"%s\"\n", printerName.c_str());
  return std::nullopt;
}

// The queue's PPD opened and marked with its defaults; null when it cannot be fetched or read.
CupsPPDPtr OpenQueuePPD(const std::string& queue, FetchedPPDFile& file) {
  const char* fetched = cupsGetPPD(queue.c_str());
  if (!fetched) {
    // An internal error is this side's: the copy goes to the temporary folder.
    const bool local = cupsLastError() == IPP_STATUS_ERROR_INTERNAL;
    trace_log(0, "Corvel: cannot fetch the PPD of queue \"%s\": %s; %s\n", queue.c_str(),
              cupsLastErrorString(),
              local ? "check that the temporary folder (TMPDIR, else /tmp) can be written"
                    : "check the queue with lpstat -p");
    return nullptr;
  }
  file.path = fetched;
  CupsPPDPtr ppd(ppdOpenFile(fetched));
  if (!ppd) {
    trace_log(0, "Corvel: cannot read the PPD of queue %s\n", queue.c_str());
    return nullptr;
  }
  ppdMarkDefaults(ppd.get());
  return ppd;
}

// The checks on the PPD itself: the model, and a file the bundle serves.
bool IsSupportedPPD(const ppd_file_t& ppd, CFBundleRef bundle) {
  const std::vector<std::string> supported =
      bundle ? SupportedPCFileNames(bundle->ContentsFolder()) : std::vector<std::string>{};
  std::string reason;
  if (AcceptsPrinterDescription(ppd.shortnickname, ppd.pcfilename, supported, &reason)) return true;
  trace_log(0, "Corvel: %s\n", reason.c_str());
  return false;
}

void LoadMediaTypes(CCorvelOptions& options) {
  const std::optional<std::vector<uint8_t>> bytes = GetNamedResource("plist", "MediaTypes");
  if (!bytes) return;
  options.mMediaDict =
      PropertyListFromData({reinterpret_cast<const char*>(bytes->data()), bytes->size()});
}

// Steps of the controller's making: the handles, the pictures, the media list, the panes, the
// ticket. noErr also when no controller could be made; the panes' failure when they cannot be
// installed, and then no controller stays, so nothing can commit a record the panes never filled.
OSStatus MakeController(CorvelOptionsContext& context, ControlRef parentUserPane,
                        PMPrintSession session, bool secureAccess, CupsPPDPtr ppd,
                        std::unique_ptr<KTVPPD> parsed) {
  std::unique_ptr<CCorvelOptions> options(
      CCorvelOptions::CreateInstance(parentUserPane, secureAccess));
  if (!options) return noErr;
  // The controller names the queue's preference domain; its panes have not read it yet.
  PMTicketRef settings = nullptr;
  if (GetTicketFromSession(session, kPMPrintSettingsTicketKey, &settings) == noErr)
    PreferHeldJobAttributes(settings);
  options->mCupsPPD = std::move(ppd);
  options->mKTVPPD = std::move(parsed);
  FillImageURLs(context.theBundleRef, *options);
  LoadMediaTypes(*options);
  context.corvelOptions = std::move(options);
  CCorvelOptions& controller = *context.corvelOptions;
  const OSStatus installed = controller.InstallCorvelControlsInUI();
  if (installed != noErr) {
    trace_log(0,
              "Corvel: the panes cannot be made from the extension's interface file "
              "(status %d); reinstall the extension\n",
              int(installed));
    controller.RemoveDefaultButtonHandler();
    context.corvelOptions.reset();
    return installed;
  }
  PMTicketRef ticket = nullptr;
  PMPPDDict* dict = nullptr;
  if (GetTicketRef(session, kPMPrintSettingsTicketKey, &ticket) == noErr &&
      PMTicketGetPPDDict(ticket, 0, 0, &dict) == noErr) {
    controller.SetPPDDict(dict);
    controller.SetPrintSettingsTicket(ticket);
    controller.SetCorvelResourceRefNum(context.theResFile);
  }
  return noErr;
}

// Steps 1 to 17 of the start-up; noErr once the controller (if any) is made with its panes.
OSStatus StartUp(CorvelOptionsContext& context, ControlRef parentUserPane, PMPrintSession session) {
  PMTicketRef printerInfo = nullptr;
  if (GetTicketFromSession(session, kPMPrinterInfoTicketKey, &printerInfo) != noErr)
    return errStartupCheckFailed;
  PMPrinter printer = nullptr;
  const OSStatus printerStatus = PMSessionGetCurrentPrinter(session, &printer);
  const std::string printerName =
      PrinterNameForComparison(PMPrinterGetName(printer).substr(0, 255), QuerySystemVersion());

  const std::optional<std::string> queue = QueueOfPrinter(printerName, PMPrinterGetID(printer));
  FetchedPPDFile fetched;
  CupsPPDPtr ppd = queue ? OpenQueuePPD(*queue, fetched) : nullptr;
  if (printerStatus != noErr || !ppd) return errStartupCheckFailed;
  if (!IsSupportedPPD(*ppd, context.theBundleRef)) return errStartupCheckFailed;
  const bool secureAccess = IsSecureAccessModel(ppd->shortnickname);

  auto parsed = std::make_unique<KTVPPD>(std::filesystem::path(fetched.path), PO_PARSE_ALL);
  PDEBundle::InitBundle(context.theBundleRef);
  context.thePrintDlgWindow = GetControlOwner(parentUserPane);
  CModelInfo::SetCorvelPrinterName(session, *queue);
  return MakeController(context, parentUserPane, session, secureAccess, std::move(ppd),
                        std::move(parsed));
}

}  // namespace

OSStatus Initialize(PMPDEContext contextRef, PMPDEFlags* flags, PMPDERef, ControlRef parentUserPane,
                    PMPrintSession session) {
  auto* context = static_cast<CorvelOptionsContext*>(contextRef);
  gContext = context;
  if (!context || !session) return errStartupCheckFailed;
  ScopedResFile resources(context->theResFile);
  OSStatus result = StartUp(*context, parentUserPane, session);
  if (result == noErr) {
    if (flags) *flags = kPMPDENoSummary;
    result = Sync(context, session, 1);
    if (result == errUserCanceled) result = noErr;
  }
  // A failed start-up keeps no parsed PPD (the context stays, for Terminate).
  if (result != noErr && context->corvelOptions) context->corvelOptions->mKTVPPD.reset();
  return result;
}
