#pragma once
// The makers of the widgets of each control kind; MakeControlWidget picks one by kind.
#include <memory>

#include "ControlWidget.h"

std::unique_ptr<ControlWidget> MakeContainerWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeTabsWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakePushButtonWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeBevelButtonWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeCheckBoxWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeRadioButtonWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakePopupWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeEditTextWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeStaticTextWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeImageViewWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeListWidget(ControlRef control, MirrorInput& input);
std::unique_ptr<ControlWidget> MakeClockWidget(ControlRef control, MirrorInput& input);
