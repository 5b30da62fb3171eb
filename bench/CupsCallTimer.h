#pragma once
// The time a measurement spends inside libcups. The benchmark program defines the libcups calls
// the plug-in frame makes (cupsGetDests, cupsGetPPD, ppdOpenFile, ppdMarkDefaults, …) itself and
// exports them, so that the bundle's shared object binds to these; each forwards to libcups
// (dlsym with RTLD_NEXT) and adds its duration to one running total. A call libcups makes to
// another of them from inside counts once, with the outer call.
#include <chrono>

namespace cupscalls {

// The time spent in the calls, and their number, since the last Reset.
std::chrono::nanoseconds Elapsed();
long Calls();
void Reset();

}  // namespace cupscalls
