#pragma once
// One (control, choice) pair that a constraint or requirement line ties to a queried choice.
// Packed, so that the records of a result array follow each other without padding.
#include <cstdint>

class PPDXControl;

inline constexpr uint16_t kNoConstraintItem = 65535;  // no choice applies

struct __attribute__((packed)) SharedConstraintRec {
  PPDXControl* ppdControl;  // null when the keyword names no control
  uint16_t itemNum;         // 1-based choice of a popup, or kNoConstraintItem
};
