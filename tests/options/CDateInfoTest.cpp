#include <gtest/gtest.h>

#include "options/CDateInfo.h"
#include "platform/PlatformTestSupport.h"

namespace {

CDateInfo DateOf(int year, int month, int day, int hour = 0, int minute = 0) {
  DateTimeRec record;
  record.year = int16_t(year), record.month = int16_t(month), record.day = int16_t(day);
  record.hour = int16_t(hour), record.minute = int16_t(minute);
  return CDateInfo(&record);
}

struct Ymd {
  int year, month, day;
};

}  // namespace

TEST(CDateInfo, MonthSteppingCutsTheDayAndCrossesYears) {
  struct Case {
    Ymd from;
    int step;
    Ymd expected;
  };
  constexpr Case kCases[] = {
      {{2023, 1, 31}, +1, {2023, 2, 28}},  {{2024, 1, 31}, +1, {2024, 2, 29}},
      {{2023, 3, 31}, -1, {2023, 2, 28}},  {{2024, 3, 31}, -1, {2024, 2, 29}},
      {{2023, 12, 15}, +1, {2024, 1, 15}}, {{2024, 1, 15}, -1, {2023, 12, 15}},
      {{2023, 5, 31}, +1, {2023, 6, 30}},
  };
  for (const Case& c : kCases) {
    CDateInfo date = DateOf(c.from.year, c.from.month, c.from.day, 17, 45);
    c.step > 0 ? date.PlusMonth() : date.MinusMonth();
    SCOPED_TRACE(std::to_string(c.from.year) + "-" + std::to_string(c.from.month) + "-" +
                 std::to_string(c.from.day) + (c.step > 0 ? " +1" : " -1"));
    EXPECT_EQ(date.Year(), c.expected.year);
    EXPECT_EQ(date.Month(), c.expected.month);
    EXPECT_EQ(date.Day(), c.expected.day);
    EXPECT_EQ(date.Hour() * 60 + date.Minute(), 17 * 60 + 45);
    EXPECT_EQ(date.DateAsSeconds(),
              DateOf(c.expected.year, c.expected.month, c.expected.day, 17, 45).DateAsSeconds());
  }
}

TEST(CDateInfo, FebruaryLengthFollowsTheGregorianLeapYears) {
  constexpr struct {
    int year;
    int16_t february;
  } kCases[] = {{1900, 28}, {2000, 29}, {2023, 28}, {2024, 29}, {2100, 28}};
  for (const auto& c : kCases) {
    CDateInfo date = DateOf(c.year, 2, 10);
    EXPECT_EQ(date.GetLengthOfMonth(), c.february) << c.year;
    EXPECT_EQ(date.IsLeapYear(0), c.february == 29) << c.year;
  }
}

TEST(CDateInfo, FirstWeekdayOfTheMonth) {
  constexpr struct {
    Ymd date;
    int16_t firstWeekday;
  } kCases[] = {{{2023, 7, 19}, 7}, {{2024, 9, 30}, 1}, {{2024, 2, 29}, 5}};
  for (const auto& c : kCases)
    EXPECT_EQ(DateOf(c.date.year, c.date.month, c.date.day).GetFirstWeekdayOfMonth(),
              c.firstWeekday)
        << c.date.year << "-" << c.date.month;
}

TEST(CDateInfo, SettersCarryOverWhileTheRecordKeepsTheField) {
  CDateInfo date = DateOf(2024, 1, 20);
  date.SetDay(32);
  EXPECT_EQ(date.Day(), 32);
  EXPECT_EQ(date.DateAsSeconds(), DateOf(2024, 2, 1).DateAsSeconds());
  date.SetMonth(13);
  EXPECT_EQ(date.DateAsSeconds(), DateOf(2025, 2, 1).DateAsSeconds());
  EXPECT_EQ(date.GetLengthOfMonth(), 28) << "February 2025, the month reached by carrying over";
  date.SetMinute(-1);
  EXPECT_EQ(date.DateAsSeconds(), DateOf(2025, 1, 31, 23, 59).DateAsSeconds());
}

TEST(CDateInfo, DaysStepAcrossMonthEnds) {
  CDateInfo date = DateOf(2024, 2, 28, 9, 30);
  date.PlusDay();
  EXPECT_EQ(date.Day(), 29);
  date.PlusDay();
  EXPECT_EQ(date.Month() * 100 + date.Day(), 301);
  date.MinusDay();
  date.MinusDay();
  EXPECT_EQ(date.DateAsSeconds(), DateOf(2024, 2, 28, 9, 30).DateAsSeconds());
}

TEST(CDateInfo, UnixCountsAndMonthNames) {
  ScopedEnvironment all{"LC_ALL", "C"};
  ScopedEnvironment zone{"TZ", "Asia/Tokyo"};
  tzset();
  CDateInfo date = DateOf(1970, 1, 2, 9, 0);
  EXPECT_EQ(date.SecondsSince1970(), 86400u + 9 * 3600);
  EXPECT_EQ(date.SecondsSince1970AsGMT(), 86400u);
  EXPECT_EQ(date.GetMonthName(), "January");
  char shortName[4];
  date.GetMonthNameAsCStr(shortName, sizeof shortName);
  EXPECT_STREQ(shortName, "Jan");
  date.GetMonthNameAsCStr(nullptr, 10);  // no buffer, no crash
}
