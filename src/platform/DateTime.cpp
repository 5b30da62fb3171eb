#include "platform/DateTime.h"

#include <langinfo.h>
#include <locale.h>

#include <ctime>

namespace {

constexpr int64_t kSecondsPerDay = 86400;

int64_t FloorDivide(int64_t value, int64_t divisor) {
  int64_t quotient = value / divisor;
  return (value % divisor != 0 && (value < 0) != (divisor < 0)) ? quotient - 1 : quotient;
}

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar (month 1 to 12).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day) {
  year -= month <= 2;
  int64_t era = FloorDivide(year, 400);
  int64_t yearOfEra = year - era * 400;
  int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

struct CivilDate {
  int64_t year, month, day;
};

CivilDate CivilFromDays(int64_t days) {
  days += 719468;
  int64_t era = FloorDivide(days, 146097);
  int64_t dayOfEra = days - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  int64_t day = dayOfYear - (153 * monthIndex + 2) / 5 + 1;
  int64_t month = monthIndex < 10 ? monthIndex + 3 : monthIndex - 9;
  return {yearOfEra + era * 400 + (month <= 2), month, day};
}

const int64_t kDaysFrom1970To1904 = DaysFromCivil(1904, 1, 1);  // negative

}  // namespace

void GetDateTime(uint32_t* secs) {
  if (!secs) return;
  time_t now = time(nullptr);
  tm local{};
  localtime_r(&now, &local);
  *secs = uint32_t(int64_t(now) + local.tm_gmtoff + kSecondsFrom1904To1970);
}

void SecondsToDate(uint32_t secs, DateTimeRec* date) {
  if (!date) return;
  int64_t days = secs / kSecondsPerDay;
  int64_t inDay = secs % kSecondsPerDay;
  CivilDate civil = CivilFromDays(days + kDaysFrom1970To1904);
  date->year = int16_t(civil.year);
  date->month = int16_t(civil.month);
  date->day = int16_t(civil.day);
  date->hour = int16_t(inDay / 3600);
  date->minute = int16_t(inDay / 60 % 60);
  date->second = int16_t(inDay % 60);
  date->dayOfWeek = int16_t((days + 5) % 7 + 1);  // 1904-01-01 was a Friday
}

void DateToSeconds(const DateTimeRec* date, uint32_t* secs) {
  if (!date || !secs) return;
  int64_t monthIndex = int64_t(date->month) - 1;
  int64_t year = date->year + FloorDivide(monthIndex, 12);
  int64_t month = monthIndex - FloorDivide(monthIndex, 12) * 12 + 1;
  int64_t days = DaysFromCivil(year, month, 1) - kDaysFrom1970To1904 + (date->day - 1);
  int64_t total = days * kSecondsPerDay + int64_t(date->hour) * 3600 + int64_t(date->minute) * 60 +
                  date->second;
  *secs = uint32_t(total);
}

std::string CopyMonthName(int month) {
  if (month < 1 || month > 12) return {};
  locale_t locale = newlocale(LC_TIME_MASK, "", locale_t(nullptr));
  if (!locale) locale = newlocale(LC_TIME_MASK, "C", locale_t(nullptr));
  if (!locale) return {};
  std::string name = nl_langinfo_l(nl_item(MON_1 + month - 1), locale);
  freelocale(locale);
  return name;
}
