#include "ppdx/model/DisplayOptions.h"

namespace {
_DISPLAY_OPTIONS_ sDisplayOptions = SO_DEFAULT;
}

_DISPLAY_OPTIONS_ CurrentDisplayOptions() { return sDisplayOptions; }

void SetDisplayOptions(_DISPLAY_OPTIONS_ filter) { sDisplayOptions = filter; }
