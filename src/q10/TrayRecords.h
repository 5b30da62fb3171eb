#pragma once
// Tray records handed out by DEV_getTrayInfo: the pointer array, the records, their media arrays
// and every string in one block, so one quillon_free releases them.
#include <vector>

#include "q10/StandardFallbacks.h"
#include "q10/q10.h"

namespace q10 {

// Null when trays is empty or out of memory.
QuillonTrayInfo** NewTrayArray(const std::vector<TrayFacts>& trays);

}  // namespace q10
