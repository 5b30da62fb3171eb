#pragma once
// The process's time zone, and absolute time.

// Seconds since 2001-01-01 00:00 GMT.
using CFAbsoluteTime = double;
inline constexpr double kCFAbsoluteTimeIntervalSince1970 = 978307200.0;
inline constexpr double kCFAbsoluteTimeIntervalSince1904 = 3061152000.0;

// The default zone: the process's local zone (TZ, else /etc/localtime), the only one asked about.
struct CFTimeZone {};
using CFTimeZoneRef = CFTimeZone;

CFTimeZoneRef CFTimeZoneCopyDefault();

// The zone's offset from GMT, in seconds east, at the instant `at` (daylight saving included).
double CFTimeZoneGetSecondsFromGMT(const CFTimeZoneRef& zone, CFAbsoluteTime at);
