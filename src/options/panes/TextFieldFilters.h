#pragma once
// Length limits of the text fields: the field's maximum value is its longest text (below 1 no
// limit). The key filters refuse a key that would make the text too long, with a beep; the
// validation procedure cuts a text that got too long another way (pasting).
#include "platform/toolkit/TextFields.h"

ControlKeyFilterResult EditControlMaxLengthKeyFilter(ControlRef control, int16_t* keyCode,
                                                     int16_t* charCode, EventModifiers* modifiers);
// The same for letters and digits only (passwords).
ControlKeyFilterResult EditControlAlphaNumericMaxLengthKeyFilter(ControlRef control,
                                                                 int16_t* keyCode,
                                                                 int16_t* charCode,
                                                                 EventModifiers* modifiers);
void EditControlMaxLengthValidationProc(ControlRef control);
