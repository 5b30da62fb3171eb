// The Print dialog on screen: the dialog's model window mirrored with GTK. Print and Cancel are
// pressed through the host, so that a press that gets through commits the pane; a refused Print
// is explained in an alert and the dialog stays open. What the dialog is for is checked every few
// seconds (a held job may be cancelled elsewhere): once it is gone an alert says so and the
// dialog ends.
#include <gtk/gtk.h>
#include <gtkmm/init.h>
#include <gtkmm/messagedialog.h>

#include <functional>
#include <memory>

#include "ModelMirror.h"
#include "PrintApplication.h"
#include "PrintView.h"
#include "platform/NetServices.h"
#include "platform/toolkit/UserActions.h"

namespace {

// How often the servers announced on the network get their turn while the dialog is shown.
constexpr unsigned kNetServicesPeriodMilliseconds = 100;
// How often the host is asked whether the dialog is still wanted (one small request to CUPS).
constexpr unsigned kStillWantedPeriodSeconds = 2;

class PrintViewRun {
 public:
  explicit PrintViewRun(PrintDialogHost& host) : mHost(host) {}

  PrintViewResult Run() {
    MirrorInput& input = mMirror.Input();
    input.SetPressHandler(mHost.PrintButton(), [this] { Print(); });
    input.SetPressHandler(mHost.CancelButton(), [this] { Cancel(); });
    mMirror.Show(mHost.Window());
    // The browsers' news reach the panes here, on this thread, also while a modal loop runs.
    // Not while the view only draws for a model that waits: the panes are busy.
    sigc::connection netServices = Glib::signal_timeout().connect(
        [&input] {
          if (!input.Holding()) RunNetServicesPending(0);
          return true;
        },
        kNetServicesPeriodMilliseconds);
    sigc::connection stillWanted = Glib::signal_timeout().connect_seconds(
        [this, &input] {
          if (input.Holding() || mHost.StillWanted()) return true;
          ShowAlert("The document cannot be printed.", mHost.EndReason(),
                    [this] { Finish(PrintViewResult::NotPrinted); });
          return false;
        },
        kStillWantedPeriodSeconds);
    mLoop->run();
    stillWanted.disconnect();
    netServices.disconnect();
    input.SetPressHandler(mHost.PrintButton(), nullptr);
    input.SetPressHandler(mHost.CancelButton(), nullptr);
    return mResult;
  }

 private:
  void Print() {
    std::string error;
    if (mHost.PressPrint(&error)) return Finish(PrintViewResult::Printed);
    ShowAlert("The document was not printed.", error, nullptr);
  }

  void Cancel() {
    UserClickControl(mHost.CancelButton());
    if (mHost.Cancelled()) Finish(PrintViewResult::Cancelled);
  }

  void Finish(PrintViewResult result) {
    mResult = result;
    mLoop->quit();
  }

  // A warning over the dialog; `dismissed` (may be empty) runs once the user closed it.
  void ShowAlert(const std::string& message, const std::string& detail,
                 std::function<void()> dismissed) {
    Gtk::Window* dialog = mMirror.WindowFor(mHost.Window());
    mAlert = std::make_unique<Gtk::MessageDialog>(message, false, Gtk::MessageType::WARNING,
                                                  Gtk::ButtonsType::OK, true);
    mAlert->set_secondary_text(detail);
    mAlert->set_title(kPrintApplicationName);
    if (dialog) mAlert->set_transient_for(*dialog);
    mAlert->signal_response().connect([this, dismissed = std::move(dismissed)](int) {
      mAlert->set_visible(false);
      if (dismissed) dismissed();
    });
    mAlert->present();
  }

  PrintDialogHost& mHost;
  ModelMirror mMirror;
  Glib::RefPtr<Glib::MainLoop> mLoop = Glib::MainLoop::create();
  std::unique_ptr<Gtk::MessageDialog> mAlert;
  PrintViewResult mResult = PrintViewResult::NotPrinted;
};

}  // namespace

bool PrintViewAvailable() {
  // gtk_init_check opens the display named by $WAYLAND_DISPLAY or $DISPLAY, once.
  static const bool available = [] {
    if (!gtk_init_check()) return false;
    Gtk::init_gtkmm_internals();
    PrintApplication();
    return true;
  }();
  return available;
}

PrintViewResult RunPrintView(PrintDialogHost& host) {
  if (!PrintViewAvailable()) return PrintViewResult::NotPrinted;
  try {
    PrintViewRun run(host);
    return run.Run();
  } catch (const Glib::Error& error) {
    g_warning("corvel-print: the dialog could not be shown: %s", error.what());
  } catch (const std::exception& error) {
    g_warning("corvel-print: the dialog could not be shown: %s", error.what());
  }
  return PrintViewResult::NotPrinted;
}

void ShowPrintFailure(const std::string& message) {
  if (!PrintViewAvailable()) return;
  try {
    Gtk::MessageDialog alert("The document was not printed.", false, Gtk::MessageType::ERROR,
                             Gtk::ButtonsType::OK, true);
    alert.set_title(kPrintApplicationName);
    alert.set_secondary_text(message);
    if (Glib::RefPtr<Gtk::Application> application = PrintApplication())
      alert.set_application(application);
    // Closing the alert or pressing Escape answers it too.
    Glib::RefPtr<Glib::MainLoop> loop = Glib::MainLoop::create();
    alert.signal_response().connect([&loop](int) { loop->quit(); });
    alert.present();
    loop->run();
  } catch (const Glib::Error& error) {
    g_warning("corvel-print: the failure could not be shown: %s", error.what());
  }
}
