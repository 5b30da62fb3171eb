#include <gtest/gtest.h>

#include "options/dialogs/CDateInfo.h"

namespace {

CDateInfo DateOf(int year, int month, int day, int hour = 0, int minute = 0) {
  DateTimeRec record;
  record.year = int16_t(year), record.month = int16_t(month), record.day = int16_t(day);
  record.hour = int16_t(hour), record.minute = int16_t(minute);
  return CDateInfo(&record);
}

TEST(CDateInfo, MonthSteppingCutsTheDayAndCrossesYears) {
  constexpr struct {
    int year, month, day, step, toYear, toMonth, toDay;
  } kCases[] = {
      {2023, 1, 31, +1, 2023, 2, 28},  {2024, 1, 31, +1, 2024, 2, 29},
      {2023, 3, 31, -1, 2023, 2, 28},  {2024, 3, 31, -1, 2024, 2, 29},
      {2023, 12, 15, +1, 2024, 1, 15}, {2024, 1, 15, -1, 2023, 12, 15},
  };
  for (const auto& c : kCases) {
    CDateInfo date = DateOf(c.year, c.month, c.day, 17, 45);
    c.step > 0 ? date.PlusMonth() : date.MinusMonth();
    EXPECT_EQ(date.DateAsSeconds(), DateOf(c.toYear, c.toMonth, c.toDay, 17, 45).DateAsSeconds())
        << c.year << "-" << c.month << "-" << c.day << " by " << c.step;
    EXPECT_EQ(date.Day(), c.toDay) << "the record is broken down again";
  }
}

// The date's own month lengths and the platform's seconds count keep one calendar.
TEST(CDateInfo, FebruaryHas29DaysInGregorianLeapYears) {
  constexpr struct {
    int year;
    int16_t february;
  } kCases[] = {{1900, 28}, {1904, 29}, {2000, 29}, {2001, 28}, {2023, 28}, {2024, 29}};
  for (const auto& c : kCases) {
    CDateInfo date = DateOf(c.year, 2, 10);
    EXPECT_EQ(date.GetLengthOfMonth(), c.february) << c.year;
    EXPECT_EQ(date.IsLeapYear(0), c.february == 29) << c.year;
    EXPECT_EQ(DateOf(c.year, 3, 1).DateAsSeconds() - DateOf(c.year, 2, 1).DateAsSeconds(),
              uint32_t(c.february) * 86400)
        << c.year << " counted in seconds";
  }
}

TEST(CDateInfo, SettersCarryOverWhileTheRecordKeepsTheField) {
  CDateInfo date = DateOf(2024, 1, 20);
  date.SetDay(32);
  EXPECT_EQ(date.Day(), 32);
  EXPECT_EQ(date.DateAsSeconds(), DateOf(2024, 2, 1).DateAsSeconds());
  date.SetMonth(13);
  EXPECT_EQ(date.DateAsSeconds(), DateOf(2025, 2, 1).DateAsSeconds());
  EXPECT_EQ(date.GetLengthOfMonth(), 28) << "February 2025, the month reached by carrying over";
  char name[4];
  date.GetMonthNameAsCStr(name, sizeof name);  // cut to the buffer
  EXPECT_EQ(std::string(name), date.GetMonthName().substr(0, 3));
}

}  // namespace
