#include "pde/PrinterMatch.h"

#include <algorithm>

#include "platform/SystemVersion.h"

SystemVersion QuerySystemVersion() {
  SystemVersion version;
  if (Gestalt(FourCC("sys1"), &version.major) == noErr &&
      Gestalt(FourCC("sys2"), &version.minor) == noErr)
    return version;
  int32_t digits = 0;
  Gestalt(FourCC("sysv"), &digits);
  auto digit = [digits](int n) { return (digits >> (4 * n)) & 0xF; };
  return {10 * digit(3) + digit(2), digit(1)};
}

std::string PrinterNameForComparison(std::string name, SystemVersion version) {
  if (version.major != 10 || version.minor > 3) return name;
  std::replace(name.begin(), name.end(), ' ', '_');
  if (version.minor == 2) std::replace(name.begin(), name.end(), '.', '_');
  return name;
}

std::optional<std::string> FindQueueForPrinter(const std::string& printerName,
                                               const cups_dest_t* dests, int count,
                                               const std::string& namedQueue) {
  // Descriptions need not be unique: a named queue is never traded for another of the same one.
  if (!namedQueue.empty()) {
    const cups_dest_t* named =
        dests ? cupsGetDest(namedQueue.c_str(), nullptr, count, const_cast<cups_dest_t*>(dests))
              : nullptr;
    return named ? std::optional<std::string>(named->name) : std::nullopt;
  }
  for (int i = 0; dests && i < count; ++i) {
    const char* info = cupsGetOption("printer-info", dests[i].num_options, dests[i].options);
    const char* compared = info ? info : dests[i].name;
    if (compared && printerName == compared) return std::string(dests[i].name);
  }
  return std::nullopt;
}
