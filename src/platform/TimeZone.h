#pragma once
// Time zones from the system time-zone database, and absolute time.
#include <optional>
#include <string>
#include <string_view>

// Seconds since 2001-01-01 00:00 GMT.
using CFAbsoluteTime = double;
inline constexpr double kCFAbsoluteTimeIntervalSince1970 = 978307200.0;
inline constexpr double kCFAbsoluteTimeIntervalSince1904 = 3061152000.0;

CFAbsoluteTime CFAbsoluteTimeGetCurrent();

// A time zone, named as in the time-zone database ("Europe/Berlin"). An empty name stands for the
// process's local zone (TZ, else /etc/localtime), which is what the default zone is.
struct CFTimeZone {
  std::string name;
};
using CFTimeZoneRef = CFTimeZone;

CFTimeZoneRef CFTimeZoneCopyDefault();
// nullopt when the database has no such zone.
std::optional<CFTimeZoneRef> CFTimeZoneCreateWithName(std::string_view name);

// The zone's offset from GMT, in seconds east, at the instant `at` (daylight saving included).
double CFTimeZoneGetSecondsFromGMT(const CFTimeZoneRef& zone, CFAbsoluteTime at);
