#pragma once
// A log of the client library calls whose timing the tests pin: the test program defines these
// calls itself, notes each one and passes it on to the library unchanged.
#include <string>
#include <vector>

#include "q10/q10.h"

namespace libraryCallLog {

struct Call {
  std::string name;
  QuillonServerHandle* handle = nullptr;
  int32_t seconds = 0;     // INIT_setTimeout only
  bool connected = false;  // INIT_setTimeout only: the handle was live at the call
};

// The calls since the last Clear, in order.
const std::vector<Call>& Calls();
void Clear();
// The names of the calls, in order.
std::vector<std::string> Names();

}  // namespace libraryCallLog
