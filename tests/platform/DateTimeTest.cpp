#include <gtest/gtest.h>

#include <array>
#include <ctime>

#include "platform/DateTime.h"
#include "platform/PlatformTestSupport.h"
#include "platform/TimeZone.h"

namespace {

using Fields = std::array<int, 6>;  // year, month, day, hour, minute, second

DateTimeRec Date(const Fields& f) {
  DateTimeRec date;
  date.year = int16_t(f[0]), date.month = int16_t(f[1]), date.day = int16_t(f[2]);
  date.hour = int16_t(f[3]), date.minute = int16_t(f[4]), date.second = int16_t(f[5]);
  return date;
}

Fields FieldsOf(const DateTimeRec& d) {
  return {d.year, d.month, d.day, d.hour, d.minute, d.second};
}

uint32_t Seconds(const Fields& fields) {
  const DateTimeRec date = Date(fields);
  uint32_t seconds = 0;
  DateToSeconds(&date, &seconds);
  return seconds;
}

CFAbsoluteTime AbsoluteTimeOfUTC(int year, int month, int day) {
  return double(Seconds({year, month, day, 0, 0, 0})) - kCFAbsoluteTimeIntervalSince1904;
}

}  // namespace

TEST(Dates, SecondsBreakDownIntoTheRecordAndOutOfRangeFieldsCarry) {
  const struct {
    uint32_t seconds;
    Fields date;
    int dayOfWeek;  // Sunday is 1
  } kBreakDowns[] = {{0, {1904, 1, 1, 0, 0, 0}, 6},
                     {kSecondsFrom1904To1970, {1970, 1, 1, 0, 0, 0}, 5},
                     {Seconds({2024, 1, 1, 23, 59, 58}), {2024, 1, 1, 23, 59, 58}, 2},
                     {0xFFFFFFFFu, {2040, 2, 6, 6, 28, 15}, 2}};
  for (const auto& c : kBreakDowns) {
    DateTimeRec date;
    SecondsToDate(c.seconds, &date);
    EXPECT_EQ(FieldsOf(date), c.date) << c.seconds;
    EXPECT_EQ(date.dayOfWeek, c.dayOfWeek) << c.seconds;
  }
  const std::pair<Fields, Fields> kCarries[] = {
      {{2023, 13, 1, 0, 0, 0}, {2024, 1, 1, 0, 0, 0}},
      {{2024, 0, 15, 0, 0, 0}, {2023, 12, 15, 0, 0, 0}},
      {{2024, 3, 0, 0, 0, 0}, {2024, 2, 29, 0, 0, 0}},
      {{2023, 1, 32, 0, 0, 0}, {2023, 2, 1, 0, 0, 0}},
      {{2023, 12, 31, 23, 60, 0}, {2024, 1, 1, 0, 0, 0}},
      {{2023, 6, 10, 25, 0, 3600}, {2023, 6, 11, 2, 0, 0}},
      {{2023, 6, 10, 0, -1, 0}, {2023, 6, 9, 23, 59, 0}},
      {{2023, 25, 1, 0, 0, 0}, {2025, 1, 1, 0, 0, 0}},
  };
  for (const auto& [given, normalised] : kCarries) {
    DateTimeRec date;
    SecondsToDate(Seconds(given), &date);
    EXPECT_EQ(FieldsOf(date), normalised) << given[0] << "-" << given[1] << "-" << given[2];
  }
}

TEST(Dates, NowIsLocalTimeSince1904) {
  ScopedEnvironment zone{"TZ", "Asia/Tokyo"};
  tzset();
  uint32_t now = 0;
  GetDateTime(&now);
  int64_t expected = int64_t(time(nullptr)) + 9 * 3600 + kSecondsFrom1904To1970;
  EXPECT_NEAR(double(now), double(expected), 2.0);
}

TEST(TimeZones, TheDefaultZoneIsTheProcessZoneAtTheInstant) {
  const struct {
    const char* zone;
    int month;
    double offset;
  } kOffsets[] = {{"Europe/Berlin", 1, 3600},
                  {"Europe/Berlin", 7, 7200},
                  {"America/New_York", 1, -5 * 3600},
                  {"Asia/Kolkata", 7, 5.5 * 3600}};
  for (const auto& c : kOffsets) {
    ScopedEnvironment zone{"TZ", c.zone};
    tzset();
    EXPECT_EQ(
        CFTimeZoneGetSecondsFromGMT(CFTimeZoneCopyDefault(), AbsoluteTimeOfUTC(2023, c.month, 15)),
        c.offset)
        << c.zone << " in month " << c.month;
  }
  tzset();
}

TEST(Dates, MonthNamesComeFromTheLocale) {
  ScopedEnvironment all{"LC_ALL", "C"};
  EXPECT_EQ(CopyMonthName(1), "January");
  EXPECT_EQ(CopyMonthName(12), "December");
  EXPECT_EQ(CopyMonthName(13), "");
}
