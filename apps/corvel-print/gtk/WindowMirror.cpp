#include "WindowMirror.h"

#include <gdk/gdkkeysyms.h>
#include <glibmm/main.h>

#include <utility>
#include <gtkmm/eventcontrollerkey.h>
#include <gtkmm/eventcontrollerlegacy.h>

#include "FocusOrder.h"
#include "PrintApplication.h"
#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/Windows.h"

namespace {

// The changes after which the content no longer matches the control tree.
bool ChangesTree(ControlChange change) {
  return change == ControlChange::Created || change == ControlChange::Disposed ||
         change == ControlChange::Embedding || change == ControlChange::Bounds;
}

// What a dialog whose interface file gives it no title is for; an untitled window not listed
// here (an alert) carries the program's name.
struct PurposeTitle {
  const char* windowName;
  const char* title;
};
constexpr PurposeTitle kPurposeTitles[] = {
    {"Two Way Communcations", "Server Address"},
    {"SecurePrintErrorWindow", "Secure Print"},
    {"SAErrMsgDlgSheet", "Secure Access"},
    {"SAValidationMsgDlg", "Secure Access"},
};

std::string ShownTitle(WindowRef window) {
  const std::string title = CopyWindowTitleAsCFString(window).value_or("");
  if (!title.empty()) return title;
  const std::string name = GetWindowName(window);
  for (const PurposeTitle& purpose : kPurposeTitles)
    if (name == purpose.windowName) return purpose.title;
  return kPrintApplicationName;
}

constexpr const char* kDefaultButtonStyle = "suggested-action";

// Bounds made relative to the origin of their container.
Rect Within(const Rect& bounds, const Rect& origin) {
  return {int16_t(bounds.top - origin.top), int16_t(bounds.left - origin.left),
          int16_t(bounds.bottom - origin.top), int16_t(bounds.right - origin.left)};
}

}  // namespace

WindowMirror::WindowMirror(WindowRef window, MirrorInput& input)
    : mModelWindow(window), mInput(input), mWindow(std::make_unique<Gtk::Window>()) {
  Rect bounds;
  GetWindowBounds(window, &bounds);
  mWindow->set_default_size(RectWidth(bounds), RectHeight(bounds));
  mWindow->set_resizable(false);
  mWindow->set_title(ShownTitle(window));
  if (Glib::RefPtr<Gtk::Application> application = PrintApplication())
    mWindow->set_application(application);
  // Closing the window is Escape: the model's cancel button, when it has one.
  mWindow->signal_close_request().connect(
      [this] {
        if (mInput.Holding()) return true;
        mInput.TypeKey(mModelWindow, kEscapeCharCode, 0);
        // A dialog without a cancel button is dismissed unanswered.
        if (IsModalLoopRunningForWindow(mModelWindow)) mInput.AbandonModalLoop(mModelWindow);
        return true;  // the model hides or disposes of its window itself
      },
      false);
  ListenForButtonKeys();
  HoldInput();
  ListenForTabKeys();
  Build();
}

// Input held by the mirror never reaches a widget, so none changes under the model.
void WindowMirror::HoldInput() {
  auto holder = Gtk::EventControllerLegacy::create();
  holder->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
  holder->signal_event().connect(
      [this](const Glib::RefPtr<const Gdk::Event>&) { return mInput.Holding(); }, false);
  mWindow->add_controller(holder);
}

// Return, Enter and Escape that no field took press the model's default and cancel buttons.
void WindowMirror::ListenForButtonKeys() {
  static constexpr std::pair<guint, int16_t> kButtonKeys[] = {{GDK_KEY_Return, kReturnCharCode},
                                                              {GDK_KEY_KP_Enter, kEnterCharCode},
                                                              {GDK_KEY_Escape, kEscapeCharCode}};
  auto keys = Gtk::EventControllerKey::create();
  keys->signal_key_pressed().connect(
      [this](guint keyval, guint, Gdk::ModifierType) {
        for (const auto& [key, charCode] : kButtonKeys)
          if (key == keyval) {
            mInput.TypeKey(mModelWindow, charCode, 0);
            return true;
          }
        return false;
      },
      false);
  mWindow->add_controller(keys);
}

// Tab and Shift-Tab go through the controls in the model's order, before a field sees them. In
// a list that pops up over the window (a drop-down's) GTK moves the focus as usual.
void WindowMirror::ListenForTabKeys() {
  auto keys = Gtk::EventControllerKey::create();
  keys->set_propagation_phase(Gtk::PropagationPhase::CAPTURE);
  keys->signal_key_pressed().connect(
      [this](guint keyval, guint, Gdk::ModifierType state) {
        const bool tab = keyval == GDK_KEY_Tab || keyval == GDK_KEY_ISO_Left_Tab;
        const auto command = Gdk::ModifierType::CONTROL_MASK | Gdk::ModifierType::ALT_MASK;
        if (!tab || (state & command) != Gdk::ModifierType{} || mInput.Holding()) return false;
        Gtk::Widget* focus = mWindow->get_focus();
        if (focus && focus->get_native() != mWindow.get()) return false;
        const bool backwards = keyval == GDK_KEY_ISO_Left_Tab ||
                               (state & Gdk::ModifierType::SHIFT_MASK) != Gdk::ModifierType{};
        return MoveFocusInControlOrder(*mWindow, !backwards);
      },
      false);
  mWindow->add_controller(keys);
}

WindowMirror::~WindowMirror() {
  mPendingBuild.disconnect();
  mPendingChanges.disconnect();
  // GTK would clear its default widget on closing, after the widget itself is gone.
  mWindow->unset_default_widget();
  mWindow->unset_child();
}

ControlWidget* WindowMirror::WidgetFor(ControlRef control) {
  const auto found = mWidgets.find(control);
  return found == mWidgets.end() ? nullptr : found->second.get();
}

void WindowMirror::RebuildSoon() {
  if (mPendingBuild.connected()) return;
  mPendingBuild = Glib::signal_idle().connect([this] {
    Build();
    return false;
  });
}

void WindowMirror::Settle() {
  if (mPendingBuild.connected()) Build();
  if (mPendingChanges.connected()) ShowChanges();
}

void WindowMirror::Build() {
  mPendingBuild.disconnect();
  mPendingChanges.disconnect();
  mChanged.clear();
  mRedrawn = false;
  mWindow->unset_default_widget();
  mWindow->unset_child();
  mForms.clear();
  mWidgets.clear();
  mRoot.reset();
  ControlRef root = nullptr;
  if (GetRootControl(mModelWindow, &root) != noErr) return;
  mRoot = MakeControlWidget(root, mInput);
  if (!mRoot) return;
  Rect bounds;
  GetWindowBounds(mModelWindow, &bounds);
  mRoot->Outer().set_size_request(RectWidth(bounds), RectHeight(bounds));
  BuildTree(root, *mRoot->Contents(), Rect{});
  mWindow->set_child(mRoot->Outer());
  MarkDefaultButton();
  ArrangeForms();
  FollowFocus();
}

// The button that Return presses looks it, and is the window's default widget.
void WindowMirror::MarkDefaultButton() {
  if (ControlWidget* previous = WidgetFor(mMarkedDefault))
    previous->Outer().remove_css_class(kDefaultButtonStyle);
  mMarkedDefault = nullptr;
  GetWindowDefaultButton(mModelWindow, &mMarkedDefault);
  ControlWidget* button = WidgetFor(mMarkedDefault);
  if (!button) return mWindow->unset_default_widget();
  button->Outer().add_css_class(kDefaultButtonStyle);
  mWindow->set_default_widget(button->Outer());
}

void WindowMirror::BuildTree(ControlRef control, Gtk::Fixed& layout, const Rect& origin) {
  uint16_t count = 0;
  CountSubControls(control, &count);
  std::vector<FormMember> members;
  for (uint16_t i = 1; i <= count; ++i) {
    ControlRef child = nullptr;
    if (GetIndexedSubControl(control, i, &child) != noErr) continue;
    std::unique_ptr<ControlWidget> widget = MakeControlWidget(child, mInput);
    if (!widget) continue;
    Rect bounds;
    GetControlBounds(child, &bounds);
    layout.put(widget->Outer(), bounds.left - origin.left, bounds.top - origin.top);
    if (Gtk::Fixed* contents = widget->Contents()) BuildTree(child, *contents, bounds);
    members.push_back({widget.get(), Within(bounds, origin)});
    mWidgets[child] = std::move(widget);
  }
  if (!members.empty()) mForms.emplace_back(layout, std::move(members));
}

void WindowMirror::ArrangeForms() {
  for (FormArrangement& form : mForms) form.Arrange();
}

void WindowMirror::ControlChanged(ControlRef control, ControlChange change) {
  if (ChangesTree(change)) return RebuildSoon();
  if (mPendingBuild.connected()) return;  // the build reads everything anew
  if (change == ControlChange::Redrawn)
    mRedrawn = true;
  else
    mChanged.insert(control);
  if (!mPendingChanges.connected())
    mPendingChanges = Glib::signal_idle().connect([this] {
      ShowChanges();
      return false;
    });
}

void WindowMirror::WindowChanged(WindowChange change) {
  switch (change) {
    case WindowChange::Shown:
    case WindowChange::SheetShown:
      mWindow->present();
      break;
    case WindowChange::Hidden:
    case WindowChange::SheetHidden:
      mWindow->set_visible(false);
      break;
    case WindowChange::Retitled:
      mWindow->set_title(ShownTitle(mModelWindow));
      break;
    case WindowChange::DefaultButtonsChanged:
      MarkDefaultButton();
      break;
    case WindowChange::FocusChanged:
      FollowFocus();
      break;
    default:
      break;
  }
}

void WindowMirror::FollowFocus() {
  ControlRef focus = nullptr;
  if (GetKeyboardFocus(mModelWindow, &focus) != noErr || !focus) return;
  if (ControlWidget* widget = WidgetFor(focus))
    mInput.WriteQuietly([widget] { widget->Outer().grab_focus(); });
}

void WindowMirror::ShowChanges() {
  mPendingChanges.disconnect();
  for (ControlRef control : std::exchange(mChanged, {}))
    if (ControlWidget* widget = WidgetFor(control)) widget->Sync();
  ArrangeForms();  // new titles and texts may need other widths
  if (!std::exchange(mRedrawn, false)) return;
  // A redraw request reaches the control and everything shown in it; drawing is cheap.
  if (mRoot) mRoot->Redraw();
  for (auto& [control, widget] : mWidgets) widget->Redraw();
}
