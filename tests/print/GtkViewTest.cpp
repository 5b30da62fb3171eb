// The Print dialog on a display: the panes of the bundled queue mirrored into GTK, saved as
// screenshots under the build folder, and a choice made on a GTK widget reaching the model.
#include <gtest/gtest.h>
#include <gtk/gtk.h>
#include <glibmm/main.h>
#include <gtkmm/application.h>
#include <gtkmm/button.h>
#include <gdkmm/frameclock.h>
#include <gtkmm/dropdown.h>
#include <gtkmm/label.h>
#include <gtkmm/listview.h>
#include <gtkmm/messagedialog.h>
#include <gtkmm/popover.h>
#include <gtkmm/settings.h>
#include <gtkmm/spinbutton.h>
#include <gtkmm/text.h>
#include <gtkmm/widgetpaintable.h>
#include <gtkmm/window.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "LayoutChecks.h"
#include "ModelMirror.h"
#include "PrintDialogHost.h"
#include "PrintView.h"
#include "TestSupport/PrivateCupsd.h"
#include "TestSupport/ToolkitTestSupport.h"
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
constexpr int32_t kScheduleClock = 300;

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

// Renders the window as it is shown, at the display's scale, into a PNG file under
// build/screenshots ("-2x" before ".png" at scale 2); true when the file was written.
bool SaveScreenshot(Gtk::Window& window, const std::string& name) {
  const int scale = window.get_scale_factor();
  const std::filesystem::path folder = CORVEL_BINARY_DIR "/screenshots";
  std::filesystem::create_directories(folder);
  const std::filesystem::path file =
      folder / (name + (scale > 1 ? "-" + std::to_string(scale) + "x" : "") + ".png");
  auto paintable = Gtk::WidgetPaintable::create(window);
  const int width = window.get_width() * scale;
  const int height = window.get_height() * scale;
  GtkSnapshot* snapshot = gtk_snapshot_new();
  gtk_snapshot_scale(snapshot, float(scale), float(scale));
  gdk_paintable_snapshot(GDK_PAINTABLE(paintable->gobj()), snapshot, width / scale, height / scale);
  std::unique_ptr<GskRenderNode, NodeUnref> node(gtk_snapshot_free_to_node(snapshot));
  GskRenderer* renderer = gtk_native_get_renderer(GTK_NATIVE(window.gobj()));
  if (!node || !renderer) return false;
  const graphene_rect_t bounds = GRAPHENE_RECT_INIT(0, 0, float(width), float(height));
  std::unique_ptr<GdkTexture, ObjectUnref> texture(
      gsk_renderer_render_texture(renderer, node.get(), &bounds));
  return texture && gdk_texture_save_to_png(texture.get(), file.c_str()) &&
         std::filesystem::file_size(file) > 1000;  // more than a blank window
}

// Shows the window with the theme's dark variant while `look` runs.
void InDarkTheme(const std::function<void()>& look) {
  auto dark = Gtk::Settings::get_default()->property_gtk_application_prefer_dark_theme();
  dark = true;
  LetGtkRun();
  look();
  dark = false;
  LetGtkRun();
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

// The first widget of that kind that is shown (and is `wanted`), searched depth first.
template <typename Widget>
Widget* FirstShown(Gtk::Widget& widget, const std::function<bool(Widget&)>& wanted = nullptr) {
  if (!widget.is_drawable()) return nullptr;
  if (auto* found = dynamic_cast<Widget*>(&widget); found && (!wanted || wanted(*found)))
    return found;
  for (Gtk::Widget* child = widget.get_first_child(); child; child = child->get_next_sibling())
    if (Widget* found = FirstShown<Widget>(*child, wanted)) return found;
  return nullptr;
}

// The same in any window.
template <typename Widget>
Widget* FirstShownAnywhere(const std::function<bool(Widget&)>& wanted = nullptr) {
  for (Gtk::Window* window : Gtk::Window::list_toplevels())
    if (Widget* found = FirstShown<Widget>(*window, wanted)) return found;
  return nullptr;
}

Gtk::Button* FindShownButton(const std::string& label) {
  return FirstShownAnywhere<Gtk::Button>(
      [&label](Gtk::Button& button) { return button.get_label().raw() == label; });
}

// Answers the first alert shown from now on with OK and keeps what its detail said.
sigc::connection AnswerAlert(std::string& said) {
  return Glib::signal_timeout().connect(
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
  // Chooses the tab whose pane holds the control and lets GTK show it.
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

  // Clicks `opener` on its pane and, once the dialog `windowName` it opens is shown and laid out
  // (a loaded machine may take a while), runs `look` inside the dialog's modal loop; `look` ends
  // it (closing the window cancels).
  void WhileDialogShows(ControlRef opener, const char* windowName,
                        const std::function<void(WindowRef, Gtk::Window&)>& look) {
    ShowPaneOf(opener);
    auto* button = dynamic_cast<Gtk::Button*>(mMirror->WidgetFor(opener));
    ASSERT_NE(button, nullptr);
    bool looked = false;
    int readyTicks = 0;
    Glib::signal_timeout().connect(
        [&] {
          const WindowRef dialog = WindowNamed(windowName);
          Gtk::Window* shown = dialog ? mMirror->WindowFor(dialog) : nullptr;
          const bool ready = shown && shown->get_mapped() && shown->get_width() > 1;
          readyTicks = ready ? readyTicks + 1 : 0;
          if (readyTicks < 3) return true;
          look(dialog, *shown);
          looked = true;
          return false;
        },
        50);
    button->activate();  // GTK shows the press, then clicks
    LetGtkRun();
    EXPECT_TRUE(looked);
  }
  void WhileScheduleDialogShows(const std::function<void(WindowRef, Gtk::Window&)>& look) {
    WhileDialogShows(Control(kSchedule), "SchedulePrintDlg", look);
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
    Gtk::Window& window = *mMirror->WindowFor(mHost->Window());
    const std::string name = "pane-" + std::to_string(tab);
    EXPECT_TRUE(SaveScreenshot(window, name)) << name;
    if (tab == TabOf(Control(kFinishing)))  // the finishing pictures
      InDarkTheme([&] { EXPECT_TRUE(SaveScreenshot(window, name + "-dark")) << name; });
  }
}

TEST_F(GtkViewTest, StapleChosenOnTheDropDownReachesTheModel) {
  ControlRef staple = Control(kStaple);
  ShowPaneOf(staple);
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
  bool modal = false;
  bool endedByClosing = false;
  WhileScheduleDialogShows([&](WindowRef dialog, Gtk::Window& shown) {
    modal = shown.get_visible() && shown.get_modal() &&
            shown.get_transient_for() == mMirror->WindowFor(mHost->Window());
    EXPECT_TRUE(SaveScreenshot(shown, "schedule"));
    InDarkTheme([&] { EXPECT_TRUE(SaveScreenshot(shown, "schedule-dark")); });
    shown.close();
    endedByClosing = !IsModalLoopRunningForWindow(dialog);
  });
  EXPECT_TRUE(modal);
  EXPECT_TRUE(endedByClosing);
  EXPECT_EQ(GetModalLoopDepth(), 0u);
}

// The schedule dialog's controls lie in its window clear of each other and on their labels' rows;
// the clock's hour and minute fields carry their labels and set the model's clock.
TEST_F(GtkViewTest, TheScheduleDialogsCalendarIsClearAndItsTimeFieldsAreLabelled) {
  std::string faults;
  std::vector<std::string> labels;
  LongDateRec time{};
  WhileScheduleDialogShows([&](WindowRef dialog, Gtk::Window& shown) {
    faults = Joined(layoutcheck::LayoutFaults(*mMirror, dialog));
    ControlRef clock = FindControl(dialog, "sked", kScheduleClock);
    const int values[] = {14, 35};  // hour, minute
    for (Gtk::Widget* child = mMirror->WidgetFor(clock)->get_first_child(); child;
         child = child->get_next_sibling()) {
      auto* label = dynamic_cast<Gtk::Label*>(child);
      auto* field = label ? dynamic_cast<Gtk::SpinButton*>(label->get_mnemonic_widget()) : nullptr;
      if (!field || labels.size() >= std::size(values)) continue;
      field->set_value(values[labels.size()]);
      labels.push_back(label->get_text());
    }
    LetGtkRun();
    GetClockDateTime(clock, &time);
    shown.close();
  });
  EXPECT_EQ(faults, "");
  EXPECT_EQ(labels, (std::vector<std::string>{"Hour", "Minute"}));
  EXPECT_EQ(time.hour, 14);
  EXPECT_EQ(time.minute, 35);
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
  sigc::connection answer = AnswerAlert(said);
  EXPECT_EQ(RunPrintView(*mHost), PrintViewResult::NotPrinted);
  answer.disconnect();
  EXPECT_EQ(said, "job 7 no longer exists");
  EXPECT_EQ(mHost->EndReason(), said);

  // A failure after the dialog closed (the job refused, left held) is said the same way.
  answer = AnswerAlert(said);
  ShowPrintFailure("job 7 could not be released");
  answer.disconnect();
  EXPECT_EQ(said, "job 7 could not be released");
}

// ---- Keys, titles and names --------------------------------------------------------------------

// A key press delivered as GTK delivers it to `target`: its window's and ancestors' key
// controllers in the capture phase, then bubbling up to the window; a Tab nobody took moves the
// focus as the window's own binding does. The target's own typing is not driven.
bool SendKey(Gtk::Widget& target, guint keyval, GdkModifierType state = GdkModifierType(0)) {
  std::vector<GtkWidget*> path;  // from the window down to the target
  for (GtkWidget* w = target.gobj(); w; w = gtk_widget_get_parent(w)) path.insert(path.begin(), w);
  auto deliver = [&](GtkWidget* widget, GtkPropagationPhase phase) {
    std::unique_ptr<GListModel, ObjectUnref> controllers(gtk_widget_observe_controllers(widget));
    gboolean handled = false;
    for (guint i = 0; i < g_list_model_get_n_items(controllers.get()) && !handled; ++i) {
      std::unique_ptr<GObject, ObjectUnref> c(
          G_OBJECT(g_list_model_get_item(controllers.get(), i)));
      if (GTK_IS_EVENT_CONTROLLER_KEY(c.get()) &&
          gtk_event_controller_get_propagation_phase(GTK_EVENT_CONTROLLER(c.get())) == phase)
        g_signal_emit_by_name(c.get(), "key-pressed", keyval, 0u, state, &handled);
    }
    return handled != FALSE;
  };
  for (GtkWidget* widget : path)
    if (deliver(widget, GTK_PHASE_CAPTURE)) return true;
  for (auto widget = path.rbegin() + 1; widget != path.rend(); ++widget)
    if (deliver(*widget, GTK_PHASE_BUBBLE)) return true;
  if (keyval != GDK_KEY_Tab && keyval != GDK_KEY_ISO_Left_Tab) return false;
  const bool back = keyval == GDK_KEY_ISO_Left_Tab;
  g_signal_emit_by_name(path.front(), "move-focus",
                        back ? GTK_DIR_TAB_BACKWARD : GTK_DIR_TAB_FORWARD);
  return true;
}

// Print, and Return or Enter in a field, end the run printed; Escape and closing the window end it
// cancelled.
TEST_F(GtkViewTest, PrintIsTheDefaultThatReturnPressesFromAFieldAndEscapeCancels) {
  Gtk::Button* print = FindShownButton("Print");
  ASSERT_NE(print, nullptr);
  EXPECT_TRUE(print->has_css_class("suggested-action"));
  EXPECT_EQ(mMirror->WindowFor(mHost->Window())->get_default_widget(), print);
  ShowPaneOf(Control({FourCC("info"), 10}));
  mMirror.reset();  // the run shows the dialog itself
  const auto closeWindows = [] {
    for (Gtk::Window* window : Gtk::Window::list_toplevels())
      if (window->get_visible()) window->close();
  };
  const auto pressInAField = [closeWindows](guint key) {
    return [key, closeWindows] {
      if (Gtk::Text* field = FirstShownAnywhere<Gtk::Text>(); field && field->grab_focus())
        return (void)SendKey(*field, key);
      ADD_FAILURE() << "no text field is shown";
      closeWindows();
    };
  };
  const struct {
    const char* name;
    std::function<void()> act;
    PrintViewResult result;
  } kWays[] = {
      {"Print clicked",
       [] {
         if (Gtk::Button* button = FindShownButton("Print")) button->activate();
       },
       PrintViewResult::Printed},
      {"Return", pressInAField(GDK_KEY_Return), PrintViewResult::Printed},
      {"Enter", pressInAField(GDK_KEY_KP_Enter), PrintViewResult::Printed},
      {"Escape", pressInAField(GDK_KEY_Escape), PrintViewResult::Cancelled},
      {"window closed", closeWindows, PrintViewResult::Cancelled},
  };
  for (const auto& way : kWays) {
    Glib::signal_timeout().connect_once(way.act, 300);
    EXPECT_EQ(RunPrintView(*mHost), way.result) << way.name;
    if (way.result == PrintViewResult::Printed) {
      EXPECT_FALSE(mHost->Cancelled()) << way.name;
    }
  }
}

// The Page pane lists its left column before its right one: Tab goes down the first column.
TEST_F(GtkViewTest, TabAndShiftTabFollowThePanesControlOrder) {
  constexpr ControlKind kStops[] = {ControlKind::PopupButton, ControlKind::CheckBox,
                                    ControlKind::PushButton, ControlKind::EditText};
  const ControlRef pane = Pane(2);
  UserClickTab(Control({kPaneSignature, kTabControl}), 2);
  LetGtkRun();
  std::vector<Gtk::Widget*> stops;
  uint16_t count = 0;
  CountSubControls(pane, &count);
  for (uint16_t i = 1; i <= count; ++i) {
    ControlRef control = nullptr;
    GetIndexedSubControl(pane, i, &control);
    Gtk::Widget* shown = mMirror->WidgetFor(control);
    if (shown && shown->is_drawable() && shown->is_sensitive() &&
        std::ranges::find(kStops, GetControlKind(control)) != std::end(kStops))
      stops.push_back(shown);
  }
  ASSERT_GT(stops.size(), 4u);
  Gtk::Window& window = *mMirror->WindowFor(mHost->Window());
  auto focusIn = [&window](Gtk::Widget* stop) {
    Gtk::Widget* focus = window.get_focus();
    return focus && (focus == stop || focus->is_ancestor(*stop));
  };
  ASSERT_TRUE(stops.front()->child_focus(Gtk::DirectionType::TAB_FORWARD));
  for (size_t i = 1; i < stops.size(); ++i) {
    SendKey(*window.get_focus(), GDK_KEY_Tab);
    ASSERT_TRUE(focusIn(stops[i])) << "Tab " << i;
  }
  SendKey(*window.get_focus(), GDK_KEY_ISO_Left_Tab, GDK_SHIFT_MASK);
  EXPECT_TRUE(focusIn(stops[stops.size() - 2]));
}

TEST_F(GtkViewTest, WindowsAndTheProgramAreNamed) {
  mHost->NameDocument("report.pdf");
  Gtk::Window& main = *mMirror->WindowFor(mHost->Window());
  EXPECT_EQ(main.get_title(), "Print \u201creport.pdf\u201d");
  EXPECT_STREQ(g_get_application_name(), "Corvel Print");
  ASSERT_TRUE(main.get_application());
  EXPECT_EQ(main.get_application()->get_id(), "com.corvel.PrintDialog");
  // The server-address dialog's title from its interface file (the other dialogs' titles are
  // checked where they are laid out).
  IBNibRef nib = nullptr;
  ASSERT_EQ(CreateNibReferenceFromFile(CORVEL_BUNDLE_DIR "/Contents/Resources/BidiUI.xml", &nib),
            noErr);
  NibOwner nibOwner(nib);
  WindowRef window = nullptr;
  ASSERT_EQ(CreateWindowFromNib(nib, "Two Way Communcations", &window), noErr);
  WindowOwner owner(window);
  EXPECT_EQ(mMirror->Show(window).get_title(), "Server Address");
}

TEST_F(GtkViewTest, TheFoundServersListHasColumnTitles) {
  const ControlRef list = Control({FourCC("accs"), 3});
  ShowPaneOf(list);
  Gtk::Widget* shown = mMirror->WidgetFor(list);
  ASSERT_NE(shown, nullptr);
  std::vector<std::string> titles;
  for (Gtk::Widget* title = FirstShown<Gtk::Label>(*shown); title;
       title = title->get_next_sibling())
    if (auto* label = dynamic_cast<Gtk::Label*>(title)) titles.push_back(label->get_text());
  EXPECT_EQ(titles, (std::vector<std::string>{"Name", "Address"}));
}

// Every other window the dialog can open, as its interface file lays it out, and an alert: shown
// over the Print dialog with its title, saved, and checked for overlaps and fields without names.
TEST_F(GtkViewTest, EachDialogIsLaidOutWithoutOverlaps) {
  struct Dialog {
    const char* file;
    const char* window;
    const char* title = nullptr;  // null: not checked
  };
  constexpr Dialog kDialogs[] = {
      {"Corvel.xml", "SecurePrintWindow"},
      {"Corvel.xml", "SecurePrintErrorWindow"},
      {"Corvel.xml", "SchedulePrintDlg", "Schedule Print"},
      {"Corvel.xml", "RenderingTable"},
      {"Corvel.xml", "SecureAccessWindow"},
      {"Corvel.xml", "SAErrMsgDlgSheet"},
      {"Corvel.xml", "SAErrMsgDlgModal"},
      {"Corvel.xml", "SAValidationMsgDlg"},
      {"AlertUI.xml", "Two Line"},
      {"AlertUI.xml", "One Line", "Corvel Print"},
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
    EXPECT_TRUE(SaveScreenshot(*shown, file)) << file;
  };
  for (const Dialog& dialog : kDialogs) {
    IBNibRef nib = nullptr;
    ASSERT_EQ(CreateNibReferenceFromFile(resources / dialog.file, &nib), noErr) << dialog.file;
    NibOwner nibOwner(nib);
    WindowRef window = nullptr;
    ASSERT_EQ(CreateWindowFromNib(nib, dialog.window, &window), noErr) << dialog.window;
    WindowOwner owner(window);
    check(window, dialog.window);
    if (dialog.title) {
      EXPECT_EQ(mMirror->WindowFor(window)->get_title(), dialog.title) << dialog.window;
    }
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
  WhileDialogShows(Control({FourCC("accs"), 5}), "Two Way Communcations",
                   [&](WindowRef dialog, Gtk::Window& shown) {
                     EXPECT_EQ(Joined(layoutcheck::LayoutFaults(*mMirror, dialog)), "");
                     EXPECT_EQ(Joined(layoutcheck::NamingFaults(*mMirror, dialog)), "");
                     EXPECT_TRUE(SaveScreenshot(shown, "server-address"));
                     shown.close();
                   });
}

}  // namespace
