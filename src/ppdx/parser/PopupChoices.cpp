#include "ppdx/parser/PopupChoices.h"

#include "ppdx/controls/PPDXPopupControl.h"

CNTL_TYPE ControlKind(const PPDXControl* control) { return control ? control->Type() : ctNone; }

const char* ChoiceKeyword(PPDXControl* control, long position) {
  auto* popup = dynamic_cast<PPDXPopupControl*>(control);
  if (popup == nullptr || position < 1 || position > popup->ItemCount()) return nullptr;
  _PopupItem* item = popup->FirstItem();
  for (long i = 1; item != nullptr && i < position; ++i) item = popup->NextItem();
  return item ? static_cast<const char*>(item->keyword) : nullptr;
}

long ChoicePosition(PPDXControl* control, const char* option) {
  auto* popup = dynamic_cast<PPDXPopupControl*>(control);
  if (popup == nullptr || option == nullptr) return 0;
  long position = 1;
  for (_PopupItem* item = popup->FirstItem(); item != nullptr; item = popup->NextItem(), ++position)
    if (item->keyword == option) return position;
  return 0;
}
