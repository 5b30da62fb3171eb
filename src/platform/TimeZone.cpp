#include "platform/TimeZone.h"

#include <cmath>
#include <ctime>

CFTimeZoneRef CFTimeZoneCopyDefault() { return {}; }

double CFTimeZoneGetSecondsFromGMT(const CFTimeZoneRef&, CFAbsoluteTime at) {
  const time_t instant = time_t(std::floor(at + kCFAbsoluteTimeIntervalSince1970));
  tm local{};
  localtime_r(&instant, &local);
  return double(local.tm_gmtoff);
}
