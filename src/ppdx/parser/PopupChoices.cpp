#include "ppdx/parser/PopupChoices.h"

#include "ppdx/controls/PPDXPopupControl.h"

CNTL_TYPE ControlKind(const PPDXControl* control) { return control ? control->Type() : ctNone; }

const char* ChoiceKeyword(PPDXControl* control, long position) {
  auto* popup = dynamic_cast<PPDXPopupControl*>(control);
  _PopupItem* item = popup ? popup->ItemAt(position) : nullptr;
  return item ? item->keyword.c_str() : nullptr;
}

long ChoicePosition(PPDXControl* control, const char* option) {
  auto* popup = dynamic_cast<PPDXPopupControl*>(control);
  return popup ? popup->PositionOf(option) : 0;
}
