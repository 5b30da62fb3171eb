#pragma once
// The one owner of a PPD opened by the CUPS library: closes it exactly once.
#include <cups/ppd.h>

#include <memory>

#include "support/COwner.h"

inline void ClosePPD(ppd_file_t* ppd) {
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  ppdClose(ppd);
#pragma GCC diagnostic pop
}
using CupsPPDPtr = COwner<ppd_file_t, ClosePPD>;
