#include "ControlWidget.h"

#include <glibmm/main.h>

#include "ControlWidgetKinds.h"
#include "platform/toolkit/Controls.h"

namespace {

using Maker = ControlWidgetMaker*;

struct KindMaker {
  ControlKind kind;
  Maker make;
};

constexpr KindMaker kMakers[] = {
    {ControlKind::RootControl, MakeContainerWidget},
    {ControlKind::UserPane, MakeContainerWidget},
    {ControlKind::TabControl, MakeTabsWidget},
    {ControlKind::PushButton, MakePushButtonWidget},
    {ControlKind::BevelButton, MakeBevelButtonWidget},
    {ControlKind::CheckBox, MakeCheckBoxWidget},
    {ControlKind::RadioButton, MakeRadioButtonWidget},
    {ControlKind::PopupButton, MakePopupWidget},
    {ControlKind::EditText, MakeEditTextWidget},
    {ControlKind::PasswordText, MakeEditTextWidget},
    {ControlKind::StaticText, MakeStaticTextWidget},
    {ControlKind::ImageView, MakeImageViewWidget},
    {ControlKind::DataBrowser, MakeListWidget},
    {ControlKind::Clock, MakeClockWidget},
};

}  // namespace

void ControlWidget::Sync() {
  if (!IsValidControlHandle(mControl)) return;
  mInput.WriteQuietly([this] {
    Outer().set_visible(IsControlVisible(mControl));
    Outer().set_sensitive(IsControlEnabled(mControl));
    Refresh();
  });
}

void ControlWidget::Act(const std::function<void()>& action) {
  if (!mInput.Act(action) || mPendingSync.connected()) return;
  mPendingSync = Glib::signal_idle().connect([this] {
    Sync();
    return false;
  });
}

std::unique_ptr<ControlWidget> MakeControlWidget(ControlRef control, MirrorInput& input) {
  const ControlKind kind = GetControlKind(control);
  for (const KindMaker& maker : kMakers) {
    if (maker.kind != kind) continue;
    std::unique_ptr<ControlWidget> widget = maker.make(control, input);
    Rect bounds;
    GetControlBounds(control, &bounds);
    widget->Outer().set_size_request(RectWidth(bounds), RectHeight(bounds));
    widget->Sync();
    return widget;
  }
  return nullptr;
}
