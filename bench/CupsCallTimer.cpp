#include "CupsCallTimer.h"

#include <cups/cups.h>
#include <cups/ppd.h>
#include <dlfcn.h>

namespace {

using Clock = std::chrono::steady_clock;

Clock::duration gElapsed{};
long gCalls = 0;
thread_local int tDepth = 0;

// Times the outermost interposed call of a thread.
class CallScope {
 public:
  CallScope() {
    if (tDepth++ == 0) mStart = Clock::now();
  }
  ~CallScope() {
    if (--tDepth != 0) return;
    gElapsed += Clock::now() - mStart;
    ++gCalls;
  }
  CallScope(const CallScope&) = delete;
  CallScope& operator=(const CallScope&) = delete;

 private:
  Clock::time_point mStart{};
};

// libcups' own definition of `name`. The linker may leave libcups out of the program (it defines
// every libcups function it calls itself), so libcups is then opened by name.
template <typename Function>
Function* Next(const char* name) {
  void* next = dlsym(RTLD_NEXT, name);
  if (next == nullptr) {
    static void* const libcups = dlopen("libcups.so.2", RTLD_NOW | RTLD_GLOBAL);
    next = libcups ? dlsym(libcups, name) : nullptr;
  }
  return reinterpret_cast<Function*>(next);
}

template <typename Call>
auto Timed(Call call) {
  CallScope scope;
  return call();
}

}  // namespace

namespace cupscalls {

std::chrono::nanoseconds Elapsed() {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(gElapsed);
}
long Calls() { return gCalls; }
void Reset() {
  gElapsed = {};
  gCalls = 0;
}

}  // namespace cupscalls

extern "C" {

int cupsGetDests(cups_dest_t** dests) {
  static auto* next = Next<decltype(cupsGetDests)>("cupsGetDests");
  return Timed([&] { return next(dests); });
}

cups_dest_t* cupsGetDest(const char* name, const char* instance, int count, cups_dest_t* dests) {
  static auto* next = Next<decltype(cupsGetDest)>("cupsGetDest");
  return Timed([&] { return next(name, instance, count, dests); });
}

void cupsFreeDests(int count, cups_dest_t* dests) {
  static auto* next = Next<decltype(cupsFreeDests)>("cupsFreeDests");
  Timed([&] { next(count, dests); });
}

const char* cupsGetPPD(const char* name) {
  static auto* next = Next<decltype(cupsGetPPD)>("cupsGetPPD");
  return Timed([&] { return next(name); });
}

ppd_file_t* ppdOpenFile(const char* filename) {
  static auto* next = Next<decltype(ppdOpenFile)>("ppdOpenFile");
  return Timed([&] { return next(filename); });
}

void ppdMarkDefaults(ppd_file_t* ppd) {
  static auto* next = Next<decltype(ppdMarkDefaults)>("ppdMarkDefaults");
  Timed([&] { next(ppd); });
}

int ppdMarkOption(ppd_file_t* ppd, const char* keyword, const char* choice) {
  static auto* next = Next<decltype(ppdMarkOption)>("ppdMarkOption");
  return Timed([&] { return next(ppd, keyword, choice); });
}

void ppdClose(ppd_file_t* ppd) {
  static auto* next = Next<decltype(ppdClose)>("ppdClose");
  Timed([&] { next(ppd); });
}

}  // extern "C"
