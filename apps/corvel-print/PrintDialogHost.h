#pragma once
// The Print dialog as the printing system runs it, in the widget toolkit model: a window with the
// printer chooser (a popup of the CUPS destinations), the pane the dialog extension fills, and
// Cancel and Print (the default button, so the extension's default-button handler sees the press
// first). Choosing a printer tears the extension's pane down and starts it again for the new
// queue: Prologue, Initialize, Open; then Close and Terminate when it goes. Print commits the pane
// into the print-settings ticket (Sync with reinitialize false). The GTK view and the headless
// driver both act on this one model.
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/PlistValue.h"
#include "platform/toolkit/Controls.h"
#include "printsys/PMSession.h"
#include "printsys/PMTicket.h"
#include "printsys/PlugInHost.h"

struct PrinterChoice {
  std::string queue;
  std::string displayName;  // the queue's description ("printer-info"), else its name
  bool isDefault = false;   // the user's or the server's default destination
};

class PrintDialogHost {
 public:
  // Control IDs of the host's own controls in the dialog window.
  static constexpr OSType kHostSignature = FourCC("host");
  static constexpr int32_t kPrinterPopup = 1;
  static constexpr int32_t kPaneNumber = 2;
  static constexpr int32_t kCancelButtonNumber = 3;  // a script cancels with --click host/3
  static constexpr int32_t kPrintButtonNumber = 4;
  static constexpr uint32_t kPrintCommand = FourCC("prnt");
  static constexpr uint32_t kCancelCommand = FourCC("not!");

  // The dialog window for the extension bundle at `bundle`, with the CUPS destinations in its
  // printer chooser; nothing is loaded until a printer is chosen.
  explicit PrintDialogHost(std::filesystem::path bundle);
  ~PrintDialogHost();
  PrintDialogHost(const PrintDialogHost&) = delete;
  PrintDialogHost& operator=(const PrintDialogHost&) = delete;

  // The CUPS destinations, in the order the chooser lists them.
  const std::vector<PrinterChoice>& Printers() const { return mPrinters; }
  // The default destination's queue; empty when there is none.
  std::string DefaultQueue() const;
  // Starts the extension's pane for `queue` (ending the pane of the previous printer). False with
  // the reason in `error` when the print server cannot be reached, the queue is unknown, the
  // bundle does not load or the extension refuses the printer (it logs why); the dialog then has
  // no pane.
  bool ChoosePrinter(const std::string& queue, std::string* error);
  const std::string& Queue() const { return mQueue; }
  // Hands a held job's standard attribute (IPP name and value) to the extension through the
  // print-settings ticket; an empty value hands nothing.
  void HandJobAttribute(const std::string& name, const std::string& value);
  // Names the document in the window's title: Print "NAME".
  void NameDocument(const std::string& name);
  // Disables the printer chooser: the document is bound to the queue chosen (a held job).
  void LockPrinter() { DisableControl(mChooser); }
  bool HasPane() const { return mExtension != nullptr; }
  // The title the extension gave its pane.
  const std::string& PaneTitle() const { return mPaneTitle; }

  WindowRef Window() const { return mWindow; }
  ControlRef Pane() const { return mPane; }
  ControlRef PrintButton() const { return mPrint; }
  ControlRef CancelButton() const { return mCancel; }

  // Presses Print as a user does. True when the press got through (a Secure Access model's
  // validation may swallow it); then the pane is committed into the ticket.
  bool PressPrint(std::string* error);
  // True once the user pressed Cancel.
  bool Cancelled() const { return mCancelled; }

  // What the dialog is for may go while it is shown (a held job cancelled elsewhere): `check`
  // answers false with the reason then. The on-screen view asks every few seconds.
  using StillWantedCheck = std::function<bool(std::string* reason)>;
  void SetStillWantedCheck(StillWantedCheck check) { mStillWanted = std::move(check); }
  // False once the check says the dialog must end; EndReason() then says why.
  bool StillWanted();
  const std::string& EndReason() const { return mEndReason; }
  PMTicketRef SettingsTicket() const { return mSettingsTicket; }

 private:
  static OSStatus CommandHandler(EventRef event, void* userData);
  void EndPane();
  void MakeWindow();
  void NewPane();

  std::filesystem::path mBundle;
  std::string mServerError;  // why the destinations could not be listed (before mPrinters)
  std::vector<PrinterChoice> mPrinters;
  PMPrintSession mSession = nullptr;
  PMTicketRef mInfoTicket = nullptr;
  PMTicketRef mSettingsTicket = nullptr;
  WindowRef mWindow = nullptr;
  ControlRef mChooser = nullptr;
  ControlRef mPane = nullptr;
  ControlRef mPrint = nullptr;
  ControlRef mCancel = nullptr;
  std::unique_ptr<DialogExtension> mExtension;
  std::string mQueue;
  std::string mPaneTitle;
  StillWantedCheck mStillWanted;
  std::string mEndReason;
  bool mPrintPressed = false;
  bool mCancelled = false;
};
