#include "WindowMirror.h"

#include <gdk/gdkkeysyms.h>
#include <glibmm/main.h>

#include <utility>
#include <gtkmm/eventcontrollerkey.h>
#include <gtkmm/eventcontrollerlegacy.h>

#include "platform/toolkit/Controls.h"
#include "platform/toolkit/ModalLoop.h"
#include "platform/toolkit/Windows.h"

namespace {

// The changes after which the content no longer matches the control tree.
bool ChangesTree(ControlChange change) {
  return change == ControlChange::Created || change == ControlChange::Disposed ||
         change == ControlChange::Embedding || change == ControlChange::Bounds;
}

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
  mWindow->set_title(CopyWindowTitleAsCFString(window).value_or(""));
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

WindowMirror::~WindowMirror() {
  mPendingBuild.disconnect();
  mPendingChanges.disconnect();
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
  ArrangeForms();
  FollowFocus();
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
      mWindow->set_title(CopyWindowTitleAsCFString(mModelWindow).value_or(""));
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
