#pragma once
// Length and character limits of the text fields: key filters and the validation procedure that
// keep a field's text within the field's maximum value.
#include <cstdint>

#include "platform/toolkit/TextFields.h"

ControlKeyFilterResult EditControlMaxLengthKeyFilter(ControlRef, int16_t*, int16_t*,
                                                     EventModifiers*);
ControlKeyFilterResult EditControlAlphaNumericMaxLengthKeyFilter(ControlRef, int16_t*, int16_t*,
                                                                 EventModifiers*);
void EditControlMaxLengthValidationProc(ControlRef);
