#include "platform/TimeZone.h"

#include <cmath>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <mutex>

namespace {

std::filesystem::path ZoneDatabase() {
  const char* folder = std::getenv("TZDIR");
  return folder && *folder ? folder : "/usr/share/zoneinfo";
}

long OffsetInLocalZone(time_t instant) {
  tm local{};
  localtime_r(&instant, &local);
  return local.tm_gmtoff;
}

// The C library knows one zone at a time (TZ); a named zone is looked at by switching TZ briefly.
long OffsetInNamedZone(const std::string& name, time_t instant) {
  static std::mutex zoneMutex;
  std::lock_guard lock(zoneMutex);
  const char* previous = std::getenv("TZ");
  std::string saved = previous ? previous : "";
  setenv("TZ", name.c_str(), 1);
  tzset();
  long offset = OffsetInLocalZone(instant);
  if (previous)
    setenv("TZ", saved.c_str(), 1);
  else
    unsetenv("TZ");
  tzset();
  return offset;
}

}  // namespace

CFAbsoluteTime CFAbsoluteTimeGetCurrent() {
  timespec now{};
  clock_gettime(CLOCK_REALTIME, &now);
  return double(now.tv_sec) + now.tv_nsec / 1e9 - kCFAbsoluteTimeIntervalSince1970;
}

CFTimeZoneRef CFTimeZoneCopyDefault() { return {}; }

std::optional<CFTimeZoneRef> CFTimeZoneCreateWithName(std::string_view name) {
  std::filesystem::path relative(name);
  if (name.empty() || relative.is_absolute()) return std::nullopt;
  for (const auto& part : relative)
    if (part == "..") return std::nullopt;
  std::error_code error;
  if (!std::filesystem::is_regular_file(ZoneDatabase() / relative, error)) return std::nullopt;
  return CFTimeZone{std::string(name)};
}

double CFTimeZoneGetSecondsFromGMT(const CFTimeZoneRef& zone, CFAbsoluteTime at) {
  time_t instant = time_t(std::floor(at + kCFAbsoluteTimeIntervalSince1970));
  return double(zone.name.empty() ? OffsetInLocalZone(instant)
                                  : OffsetInNamedZone(zone.name, instant));
}
