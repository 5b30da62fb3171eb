#pragma once
// Choice look-ups by position and keyword, as the constraint answers need them.
#include "ppdx/controls/ControlTypes.h"

class PPDXControl;

// The control's kind; ctNone for null.
CNTL_TYPE ControlKind(const PPDXControl* control);
// Option keyword of choice `position` (1-based) of a popup; null when there is none.
const char* ChoiceKeyword(PPDXControl* popup, long position);
// 1-based position of the first choice with this option keyword; 0 when none.
long ChoicePosition(PPDXControl* popup, const char* option);
