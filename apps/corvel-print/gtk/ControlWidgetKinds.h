#pragma once
// The makers of the widgets of each control kind; MakeControlWidget picks one by kind.
#include <memory>

#include "ControlWidget.h"

using ControlWidgetMaker = std::unique_ptr<ControlWidget>(ControlRef control, MirrorInput& input);

ControlWidgetMaker MakeContainerWidget, MakeTabsWidget;
ControlWidgetMaker MakePushButtonWidget, MakeBevelButtonWidget, MakeCheckBoxWidget,
    MakeRadioButtonWidget;
ControlWidgetMaker MakePopupWidget;
ControlWidgetMaker MakeEditTextWidget, MakeStaticTextWidget;
ControlWidgetMaker MakeImageViewWidget, MakeListWidget, MakeClockWidget;
