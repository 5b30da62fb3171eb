// The Print dialog on a display: the panes of the bundled queue mirrored into GTK, saved as
// screenshots under the build folder, and a choice made on a GTK widget reaching the model.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <glibmm/main.h>
#include <gtkmm/button.h>
#include <gdkmm/frameclock.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/label.h>
#include <gtkmm/listview.h>
#include <gtkmm/messagedialog.h>
#include <gtkmm/popover.h>
#include <gtkmm/widgetpaintable.h>
#include <gtkmm/window.h>

#include <memory>

#include "LayoutChecks.h"
#include "ModelMirror.h"
#include "PrintDialogHost.h"
#include "PrintView.h"
#include "TestSupport/PrivateCupsd.h"
#include "platform/PlatformTestSupport.h"
#include "platform/toolkit/StandardAlert.h"
#include "platform/toolkit/Toolkit.h"
#include "platform/toolkit/ToolkitOwners.h"

namespace {

constexpr OSType kPaneSignature = FourCC("crvl");
constexpr int32_t kTabControl = 128;
constexpr ControlID kPrinterChooser{PrintDialogHost::kHostSignature,
                                    PrintDialogHost::kPrinterPopup};
constexpr ControlID kStaple{FourCC("outp"), 11};
constexpr ControlID kSchedule{FourCC("file"), 17};
constexpr ControlID kFinishing{FourCC("outp"), 29};
constexpr ControlID kPunch{FourCC("outp"), 14};
constexpr ControlID kPunchEdge{FourCC("outp"), 15};
constexpr int32_t kPaneCount = 7;

// Lets GTK lay out and draw what is pending.
void LetGtkRun() {
  const gint64 end = g_get_monotonic_time() + 300 * 1000;
  while (g_get_monotonic_time() < end) {
    while (g_main_context_iteration(nullptr, false)) {}
    g_usleep(5 * 1000);
  }
}

struct NodeUnref {
  void operator()(GskRenderNode* node) const { gsk_render_node_unref(node); }
};
struct ObjectUnref {
  void operator()(gpointer object) const { g_object_unref(object); }
};

// Renders the window as it is shown into a PNG file; true when the file was written.
bool SaveScreenshot(Gtk::Window& window, const std::filesystem::path& file) {
  auto paintable = Gtk::WidgetPaintable::create(window);
  const int width = window.get_width();
  const int height = window.get_height();
  GtkSnapshot* snapshot = gtk_snapshot_new();
  gdk_paintable_snapshot(GDK_PAINTABLE(paintable->gobj()), snapshot, width, height);
  std::unique_ptr<GskRenderNode, NodeUnref> node(gtk_snapshot_free_to_node(snapshot));
  GskRenderer* renderer = gtk_native_get_renderer(GTK_NATIVE(window.gobj()));
  if (!node || !renderer) return false;
  const graphene_rect_t bounds = GRAPHENE_RECT_INIT(0, 0, float(width), float(height));
  std::unique_ptr<GdkTexture, ObjectUnref> texture(
      gsk_renderer_render_texture(renderer, node.get(), &bounds));
  return texture && gdk_texture_save_to_png(texture.get(), file.c_str());
}

Gtk::DropDown* DropDownIn(Gtk::Widget* widget) {
  for (Gtk::Widget* child = widget ? widget->get_first_child() : nullptr; child;
       child = child->get_next_sibling())
    if (auto* chooser = dynamic_cast<Gtk::DropDown*>(child)) return chooser;
  return nullptr;
}

// The labels of the rows of the first list found in the widget, in order.
void CollectRowLabels(Gtk::Widget& widget, std::vector<Gtk::Label*>& labels) {
  for (Gtk::Widget* child = widget.get_first_child(); child; child = child->get_next_sibling()) {
    if (dynamic_cast<Gtk::ListView*>(&widget)) {
      if (auto* label = dynamic_cast<Gtk::Label*>(child->get_first_child()))
        labels.push_back(label);
    } else if (labels.empty()) {
      CollectRowLabels(*child, labels);
    }
  }
}

// The items of a drop-down as its open list shows them.
std::vector<Gtk::Label*> ShownItems(Gtk::DropDown& chooser) {
  chooser.activate();  // opens the list
  LetGtkRun();
  std::vector<Gtk::Label*> labels;
  for (Gtk::Widget* child = chooser.get_first_child(); child; child = child->get_next_sibling())
    if (auto* list = dynamic_cast<Gtk::Popover*>(child)) {
      CollectRowLabels(*list, labels);
      list->popdown();
    }
  LetGtkRun();
  return labels;
}

// The button with that label in any shown window, searched depth first.
Gtk::Button* FindButton(Gtk::Widget& widget, const std::string& label) {
  if (auto* button = dynamic_cast<Gtk::Button*>(&widget);
      button && button->get_label().raw() == label)
    return button;
  for (Gtk::Widget* child = widget.get_first_child(); child; child = child->get_next_sibling())
    if (Gtk::Button* found = FindButton(*child, label)) return found;
  return nullptr;
}

Gtk::Button* FindShownButton(const std::string& label) {
  for (Gtk::Window* window : Gtk::Window::list_toplevels())
    if (Gtk::Button* found = window->get_visible() ? FindButton(*window, label) : nullptr)
      return found;
  return nullptr;
}

class GtkViewTest : public ::testing::Test {
 protected:
  // One cupsd for the suite: libcups keeps its connection to the first server it talked to.
  static void SetUpTestSuite() {
    sCupsd = new corveltest::PrivateCupsd;
    sQueueReady =
        sCupsd->Running() &&
        sCupsd->AddQueue("mtqix", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd", "Corvel MTQ-ix") &&
        sCupsd->SetQueueOption("mtqix", "KTFinisher", "Finisher6") &&
        sCupsd->AddQueue("mtqix2", CORVEL_SOURCE_DIR "/ppd/crvmtqix.ppd", "Corvel MTQ-ix 2");
  }
  static void TearDownTestSuite() { delete sCupsd; }

  void SetUp() override {
    if (!PrintViewAvailable())
      GTEST_SKIP() << "no display can be opened; this test runs under xvfb-run (package xvfb)";
    ASSERT_TRUE(sQueueReady) << "the private cupsd or its queue did not start";
    mHost = std::make_unique<PrintDialogHost>(CORVEL_BUNDLE_DIR);
    std::string error;
    ASSERT_TRUE(mHost->ChoosePrinter("mtqix", &error)) << error;
    mMirror = std::make_unique<ModelMirror>();
    mMirror->Show(mHost->Window());
    LetGtkRun();
  }
  void TearDown() override {
    mMirror.reset();
    mHost.reset();
  }

  ControlRef Control(ControlID id) {
    ControlRef control = nullptr;
    GetControlByID(mHost->Window(), &id, &control);
    return control;
  }
  // Picks the item on the control's drop-down and checks that the model took it.
  void ChooseOnDropDown(ControlID id, uint16_t item) {
    Gtk::DropDown* chooser = DropDownIn(mMirror->WidgetFor(Control(id)));
    ASSERT_NE(chooser, nullptr);
    chooser->set_selected(item - 1u);
    LetGtkRun();
    ASSERT_EQ(GetControl32BitValue(Control(id)), item);
  }
  WindowRef WindowNamed(const std::string& name) {
    for (WindowRef window : GetWindowList())
      if (GetWindowName(window) == name) return window;
    return nullptr;
  }
  ControlRef Pane(int32_t tab) { return Control({kPaneSignature, kTabControl + tab}); }
  // Shows the pane that holds the control.
  void ShowPaneOf(ControlRef control) {
    UserClickTab(Control({kPaneSignature, kTabControl}), TabOf(control));
    LetGtkRun();
  }
  // The tab whose pane holds the control.
  uint16_t TabOf(ControlRef control) {
    for (ControlRef parent = nullptr; GetSuperControl(control, &parent) == noErr && parent;
         control = parent)
      for (int32_t tab = 1; tab <= kPaneCount; ++tab)
        if (parent == Pane(tab)) return uint16_t(tab);
    return 0;
  }

  TemporaryHome mHome;
  static inline corveltest::PrivateCupsd* sCupsd = nullptr;
  static inline bool sQueueReady = false;
  std::unique_ptr<PrintDialogHost> mHost;
  std::unique_ptr<ModelMirror> mMirror;
};

// The faults of a window on screen, one per line, for a failure message.
std::string Joined(const std::vector<std::string>& faults) {
  std::string text;
  for (const std::string& fault : faults) text += "\n  " + fault;
  return text;
}

TEST_F(GtkViewTest, EachPaneIsShownAloneLaidOutAndSaved) {
  const std::filesystem::path folder = CORVEL_BINARY_DIR "/screenshots";
  std::filesystem::create_directories(folder);
  ControlRef tabs = Control({kPaneSignature, kTabControl});
  for (int32_t tab = 1; tab <= kPaneCount; ++tab) {
    UserClickTab(tabs, uint16_t(tab));
    ASSERT_EQ(GetControl32BitValue(tabs), tab);
    LetGtkRun();
    for (int32_t pane = 1; pane <= kPaneCount; ++pane) {
      Gtk::Widget* shown = mMirror->WidgetFor(Pane(pane));
      ASSERT_NE(shown, nullptr) << "pane " << pane;
      EXPECT_EQ(shown->get_mapped(), pane == tab) << "pane " << pane << " with tab " << tab;
    }
    EXPECT_EQ(Joined(layoutcheck::LayoutFaults(*mMirror, mHost->Window())), "") << "pane " << tab;
    EXPECT_EQ(Joined(layoutcheck::NamingFaults(*mMirror, mHost->Window())), "") << "pane " << tab;
    const std::filesystem::path file = folder / ("pane-" + std::to_string(tab) + ".png");
    ASSERT_TRUE(SaveScreenshot(*mMirror->WindowFor(mHost->Window()), file)) << file;
    EXPECT_GT(std::filesystem::file_size(file), 2000u) << file;
  }
}

TEST_F(GtkViewTest, StapleChosenOnTheDropDownReachesTheModel) {
  ControlRef staple = Control(kStaple);
  ControlRef tabs = Control({kPaneSignature, kTabControl});
  UserClickTab(tabs, TabOf(staple));
  ASSERT_EQ(GetControl32BitValue(tabs), TabOf(staple));
  LetGtkRun();
  ChooseOnDropDown(kFinishing, 2);  // staples come with stapling finishing
  Gtk::DropDown* chooser = DropDownIn(mMirror->WidgetFor(staple));
  ASSERT_NE(chooser, nullptr);
  MenuRef menu = GetControlPopupMenuHandle(staple);
  const int32_t before = GetControl32BitValue(staple);
  uint16_t item = 1;
  while (item <= CountMenuItems(menu) && (item == before || !IsMenuItemEnabled(menu, item))) ++item;
  ASSERT_LE(item, CountMenuItems(menu)) << "no other staple item can be chosen";

  chooser->set_selected(item - 1);
  LetGtkRun();
  EXPECT_EQ(GetControl32BitValue(staple), item);

  // An item the model disables cannot be picked: the model keeps its value, and so does the
  // widget.
  const uint16_t disabled = item == 1 ? 2 : 1;
  DisableMenuItem(menu, disabled);
  LetGtkRun();
  chooser->set_selected(disabled - 1);
  LetGtkRun();
  EXPECT_EQ(GetControl32BitValue(staple), item);
  EXPECT_EQ(chooser->get_selected(), guint(item - 1));
}

TEST_F(GtkViewTest, StapleItemsTheRulesDisableAreShownDisabled) {
  ControlRef staple = Control(kStaple);
  ShowPaneOf(staple);
  // Punching along the top edge leaves room for only some staples.
  for (const ControlID& id : {kFinishing, kPunch, kPunchEdge}) ChooseOnDropDown(id, 2);
  MenuRef menu = GetControlPopupMenuHandle(staple);
  Gtk::DropDown* chooser = DropDownIn(mMirror->WidgetFor(staple));
  ASSERT_NE(chooser, nullptr);
  const std::vector<Gtk::Label*> shown = ShownItems(*chooser);
  ASSERT_EQ(shown.size(), size_t(CountMenuItems(menu)));
  int disabled = 0;
  for (uint16_t item = 1; item <= CountMenuItems(menu); ++item) {
    disabled += !IsMenuItemEnabled(menu, item);
    EXPECT_EQ(shown[item - 1]->get_sensitive(), IsMenuItemEnabled(menu, item)) << "item " << item;
  }
  EXPECT_GT(disabled, 0) << "the rules disabled no staple";
}

TEST_F(GtkViewTest, ThePaneOfAPrinterChosenOnTheDropDownReplacesTheOldOne) {
  ControlRef oldStaple = Control(kStaple);
  Gtk::DropDown* chooser = DropDownIn(mMirror->WidgetFor(Control(kPrinterChooser)));
  ASSERT_NE(chooser, nullptr);
  const std::vector<PrinterChoice>& printers = mHost->Printers();
  const auto other = std::find_if(printers.begin(), printers.end(),
                                  [](const PrinterChoice& p) { return p.queue == "mtqix2"; });
  ASSERT_NE(other, printers.end());

  chooser->set_selected(guint(other - printers.begin()));
  LetGtkRun();
  EXPECT_EQ(mHost->Queue(), "mtqix2");
  ControlRef newStaple = Control(kStaple);
  ASSERT_NE(newStaple, nullptr);
  EXPECT_NE(newStaple, oldStaple);
  EXPECT_EQ(mMirror->WidgetFor(oldStaple), nullptr);
  Gtk::Widget* shown = mMirror->WidgetFor(newStaple);
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(shown->get_root() == mMirror->WindowFor(mHost->Window()));
}

// Before the dialog's thread waits for a server, the pane's status line is drawn: a frame is
// painted with the new text before the model goes on.
TEST_F(GtkViewTest, AFlushedChangeIsDrawnBeforeTheModelGoesOn) {
  ControlRef status = Control({FourCC("accs"), 7});
  ShowPaneOf(status);
  auto* label = dynamic_cast<Gtk::Label*>(mMirror->WidgetFor(status));
  ASSERT_NE(label, nullptr);
  struct Painted {
    Gtk::Label* label;
    std::string text;
  } painted{label, {}};
  auto record = +[](GdkFrameClock*, gpointer data) {
    auto* seen = static_cast<Painted*>(data);
    seen->text = seen->label->get_text();
  };
  GdkFrameClock* clock = mMirror->WindowFor(mHost->Window())->get_frame_clock()->gobj();
  const gulong handler = g_signal_connect(clock, "after-paint", G_CALLBACK(record), &painted);
  SetControlText(status, "Contacting the server at 127.0.0.1\u2026");
  HIWindowFlush(mHost->Window());
  g_signal_handler_disconnect(clock, handler);
  EXPECT_EQ(painted.text, "Contacting the server at 127.0.0.1\u2026");
}

TEST_F(GtkViewTest, TheScheduleDialogIsAModalWindowThatClosingCancels) {
  ControlRef schedule = Control(kSchedule);
  ShowPaneOf(schedule);
  auto* button = dynamic_cast<Gtk::Button*>(mMirror->WidgetFor(schedule));
  ASSERT_NE(button, nullptr);
  bool modal = false;
  bool endedByClosing = false;
  // Runs inside the nested loop that the click starts.
  Glib::signal_timeout().connect_once(
      [&] {
        const WindowRef dialog = WindowNamed("SchedulePrintDlg");
        Gtk::Window* shown = mMirror->WindowFor(dialog);
        if (!shown) return;
        modal = shown->get_visible() && shown->get_modal() &&
                shown->get_transient_for() == mMirror->WindowFor(mHost->Window());
        EXPECT_TRUE(SaveScreenshot(*shown, CORVEL_BINARY_DIR "/screenshots/schedule.png"));
        EXPECT_EQ(Joined(layoutcheck::LayoutFaults(*mMirror, dialog)), "");
        shown->close();
        endedByClosing = !IsModalLoopRunningForWindow(dialog);
      },
      500);
  button->activate();  // GTK shows the press, then clicks
  LetGtkRun();
  EXPECT_TRUE(modal);
  EXPECT_TRUE(endedByClosing);
  EXPECT_EQ(GetModalLoopDepth(), 0u);
}

TEST_F(GtkViewTest, RunPrintViewEndsPrintedOnPrintAndCancelledOnClosing) {
  mMirror.reset();  // the run shows the dialog itself
  Glib::signal_timeout().connect_once(
      [] {
        if (Gtk::Button* print = FindShownButton("Print")) print->activate();
      },
      300);
  EXPECT_EQ(RunPrintView(*mHost), PrintViewResult::Printed);
  EXPECT_FALSE(mHost->Cancelled());

  Glib::signal_timeout().connect_once(
      [] {
        for (Gtk::Window* window : Gtk::Window::list_toplevels())
          if (window->get_visible()) window->close();
      },
      300);
  EXPECT_EQ(RunPrintView(*mHost), PrintViewResult::Cancelled);
}

// What the dialog is for went (a held job cancelled elsewhere): an alert says why, and closing
// it ends the dialog unprinted.
TEST_F(GtkViewTest, ADialogWhoseJobWentSaysWhyAndEnds) {
  mMirror.reset();
  mHost->SetStillWantedCheck([](std::string* reason) {
    *reason = "job 7 no longer exists";
    return false;
  });
  std::string said;
  sigc::connection answer = Glib::signal_timeout().connect(
      [&said] {
        for (Gtk::Window* window : Gtk::Window::list_toplevels())
          if (auto* alert = dynamic_cast<Gtk::MessageDialog*>(window);
              alert && alert->get_visible()) {
            said = alert->property_secondary_text().get_value();
            alert->response(Gtk::ResponseType::OK);
            return false;
          }
        return true;
      },
      100);
  EXPECT_EQ(RunPrintView(*mHost), PrintViewResult::NotPrinted);
  answer.disconnect();
  EXPECT_EQ(said, "job 7 no longer exists");
  EXPECT_EQ(mHost->EndReason(), said);
}

// Every other window the dialog can open, as its interface file lays it out, and an alert: shown
// over the Print dialog, saved, and checked for overlaps and fields without names.
TEST_F(GtkViewTest, EachDialogIsLaidOutWithoutOverlaps) {
  struct Dialog {
    const char* file;
    const char* window;
  };
  constexpr Dialog kDialogs[] = {
      {"Corvel.xml", "SecurePrintWindow"},  {"Corvel.xml", "SecurePrintErrorWindow"},
      {"Corvel.xml", "SchedulePrintDlg"},   {"Corvel.xml", "RenderingTable"},
      {"Corvel.xml", "SecureAccessWindow"}, {"Corvel.xml", "SAErrMsgDlgSheet"},
      {"Corvel.xml", "SAErrMsgDlgModal"},   {"Corvel.xml", "SAValidationMsgDlg"},
      {"AlertUI.xml", "Two Line"},
  };
  const std::filesystem::path resources = CORVEL_BUNDLE_DIR "/Contents/Resources";
  auto check = [&](WindowRef window, const std::string& name) {
    ShowWindow(window);
    LetGtkRun();
    Gtk::Window* shown = mMirror->WindowFor(window);
    ASSERT_NE(shown, nullptr) << name;
    EXPECT_EQ(Joined(layoutcheck::LayoutFaults(*mMirror, window)), "") << name;
    EXPECT_EQ(Joined(layoutcheck::NamingFaults(*mMirror, window)), "") << name;
    std::string file = name;
    std::replace(file.begin(), file.end(), ' ', '-');
    EXPECT_TRUE(SaveScreenshot(*shown, CORVEL_BINARY_DIR "/screenshots/" + file + ".png"));
  };
  for (const Dialog& dialog : kDialogs) {
    IBNibRef nib = nullptr;
    ASSERT_EQ(CreateNibReferenceFromFile(resources / dialog.file, &nib), noErr) << dialog.file;
    NibOwner nibOwner(nib);
    WindowRef window = nullptr;
    ASSERT_EQ(CreateWindowFromNib(nib, dialog.window, &window), noErr) << dialog.window;
    WindowOwner owner(window);
    check(window, dialog.window);
  }
  WindowRef alert = nullptr;
  ASSERT_EQ(CreateStandardAlert(kAlertCautionAlert, "The print time has passed.",
                                "Print now, or choose another time.", nullptr, &alert),
            noErr);
  WindowOwner owner(alert);
  check(alert, "alert");
}

// The server-address dialog takes its texts from the string table when it opens, so it is opened
// as a user does, from the Accessories pane.
TEST_F(GtkViewTest, TheServerAddressDialogIsLaidOutWithoutOverlaps) {
  ControlRef opener = Control({FourCC("accs"), 5});
  ShowPaneOf(opener);
  auto* button = dynamic_cast<Gtk::Button*>(mMirror->WidgetFor(opener));
  ASSERT_NE(button, nullptr);
  bool seen = false;
  Glib::signal_timeout().connect_once(
      [&] {
        const WindowRef dialog = WindowNamed("Two Way Communcations");
        Gtk::Window* shown = mMirror->WindowFor(dialog);
        if (!shown) return;
        seen = true;
        EXPECT_EQ(Joined(layoutcheck::LayoutFaults(*mMirror, dialog)), "");
        EXPECT_EQ(Joined(layoutcheck::NamingFaults(*mMirror, dialog)), "");
        EXPECT_TRUE(SaveScreenshot(*shown, CORVEL_BINARY_DIR "/screenshots/server-address.png"));
        shown->close();
      },
      500);
  button->activate();
  LetGtkRun();
  EXPECT_TRUE(seen);
}

}  // namespace
