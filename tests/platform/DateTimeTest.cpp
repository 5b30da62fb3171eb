#include <gtest/gtest.h>

#include <ctime>

#include "platform/DateTime.h"
#include "platform/PlatformTestSupport.h"
#include "platform/TimeZone.h"

namespace {

DateTimeRec Date(int year, int month, int day, int hour = 0, int minute = 0, int second = 0) {
  DateTimeRec date;
  date.year = int16_t(year), date.month = int16_t(month), date.day = int16_t(day);
  date.hour = int16_t(hour), date.minute = int16_t(minute), date.second = int16_t(second);
  return date;
}

uint32_t Seconds(const DateTimeRec& date) {
  uint32_t seconds = 0;
  DateToSeconds(&date, &seconds);
  return seconds;
}

DateTimeRec Normalised(const DateTimeRec& date) {
  DateTimeRec result;
  SecondsToDate(Seconds(date), &result);
  return result;
}

void ExpectDate(const DateTimeRec& date, int year, int month, int day, int hour, int minute,
                int second) {
  EXPECT_EQ(date.year, year);
  EXPECT_EQ(date.month, month);
  EXPECT_EQ(date.day, day);
  EXPECT_EQ(date.hour, hour);
  EXPECT_EQ(date.minute, minute);
  EXPECT_EQ(date.second, second);
}

CFAbsoluteTime AbsoluteTimeOfUTC(int year, int month, int day) {
  return double(Seconds(Date(year, month, day))) - kCFAbsoluteTimeIntervalSince1904;
}

}  // namespace

TEST(Dates, SecondsBreakDownIntoTheRecord) {
  DateTimeRec date;
  SecondsToDate(0, &date);
  ExpectDate(date, 1904, 1, 1, 0, 0, 0);
  EXPECT_EQ(date.dayOfWeek, 6) << "1904-01-01 was a Friday";
  SecondsToDate(kSecondsFrom1904To1970, &date);
  ExpectDate(date, 1970, 1, 1, 0, 0, 0);
  SecondsToDate(Seconds(Date(2024, 1, 1, 23, 59, 58)), &date);
  ExpectDate(date, 2024, 1, 1, 23, 59, 58);
  EXPECT_EQ(date.dayOfWeek, 2) << "Monday";
  SecondsToDate(0xFFFFFFFFu, &date);
  ExpectDate(date, 2040, 2, 6, 6, 28, 15);
}

TEST(Dates, OutOfRangeFieldsCarryIntoTheNextOne) {
  ExpectDate(Normalised(Date(2023, 13, 1)), 2024, 1, 1, 0, 0, 0);
  ExpectDate(Normalised(Date(2024, 0, 15)), 2023, 12, 15, 0, 0, 0);
  ExpectDate(Normalised(Date(2024, 3, 0)), 2024, 2, 29, 0, 0, 0);
  ExpectDate(Normalised(Date(2023, 1, 32)), 2023, 2, 1, 0, 0, 0);
  ExpectDate(Normalised(Date(2023, 12, 31, 23, 60, 0)), 2024, 1, 1, 0, 0, 0);
  ExpectDate(Normalised(Date(2023, 6, 10, 25, 0, 3600)), 2023, 6, 11, 2, 0, 0);
  ExpectDate(Normalised(Date(2023, 6, 10, 0, -1, 0)), 2023, 6, 9, 23, 59, 0);
  ExpectDate(Normalised(Date(2023, 25, 1)), 2025, 1, 1, 0, 0, 0);
}

TEST(Dates, NowIsLocalTimeSince1904) {
  ScopedEnvironment zone{"TZ", "Asia/Tokyo"};
  tzset();
  uint32_t now = 0;
  GetDateTime(&now);
  int64_t expected = int64_t(time(nullptr)) + 9 * 3600 + kSecondsFrom1904To1970;
  EXPECT_NEAR(double(now), double(expected), 2.0);
  EXPECT_NEAR(CFAbsoluteTimeGetCurrent() + kCFAbsoluteTimeIntervalSince1970, double(time(nullptr)),
              2.0);
}

TEST(TimeZones, OffsetsComeFromTheZoneDatabaseAtTheInstant) {
  auto berlin = CFTimeZoneCreateWithName("Europe/Berlin");
  ASSERT_TRUE(berlin);
  EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(*berlin, AbsoluteTimeOfUTC(2023, 1, 15)), 3600);
  EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(*berlin, AbsoluteTimeOfUTC(2023, 7, 15)), 7200);
  auto newYork = CFTimeZoneCreateWithName("America/New_York");
  ASSERT_TRUE(newYork);
  EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(*newYork, AbsoluteTimeOfUTC(2023, 1, 15)), -5 * 3600);

  ScopedEnvironment zone{"TZ", "Asia/Kolkata"};
  tzset();
  EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(CFTimeZoneCopyDefault(), AbsoluteTimeOfUTC(2023, 7, 15)),
            5.5 * 3600);
  EXPECT_EQ(CFTimeZoneGetSecondsFromGMT(*berlin, AbsoluteTimeOfUTC(2023, 7, 15)), 7200);
  EXPECT_STREQ(getenv("TZ"), "Asia/Kolkata") << "the default zone is restored";

  EXPECT_FALSE(CFTimeZoneCreateWithName("Mars/Olympus"));
  EXPECT_FALSE(CFTimeZoneCreateWithName("../../etc/passwd"));
  EXPECT_FALSE(CFTimeZoneCreateWithName(""));
}

TEST(Dates, MonthNamesComeFromTheLocale) {
  ScopedEnvironment all{"LC_ALL", "C"};
  EXPECT_EQ(CopyMonthName(1), "January");
  EXPECT_EQ(CopyMonthName(12), "December");
  EXPECT_EQ(CopyMonthName(13), "");
}
