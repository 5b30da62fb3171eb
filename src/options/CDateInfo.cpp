#include "options/CDateInfo.h"

#include <algorithm>
#include <cstring>

#include "options/JobCommentFile.h"

namespace {

constexpr uint32_t kSecondsPerDay = 86400;

// Days per month, index 0 unused; February counts 28 here.
constexpr int16_t kMonthLengths[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool IsMonth(int16_t month) { return month >= 1 && month <= 12; }

}  // namespace

CDateInfo::CDateInfo() {
  GetDateTime(&mTheDate);
  BreakDown();
}

CDateInfo::CDateInfo(const DateTimeRec* date) {
  if (date)
    mDTRec = *date;
  else
    BreakDown();
  Recompute();
}

CDateInfo::CDateInfo(uint32_t seconds) : mTheDate(seconds) { BreakDown(); }

void CDateInfo::Recompute() { DateToSeconds(&mDTRec, &mTheDate); }

void CDateInfo::BreakDown() { SecondsToDate(mTheDate, &mDTRec); }

int16_t CDateInfo::GetFirstWeekdayOfMonth() {
  DateTimeRec first = mDTRec;
  first.day = 1;
  uint32_t seconds = 0;
  DateToSeconds(&first, &seconds);
  SecondsToDate(seconds, &first);
  return first.dayOfWeek;
}

int16_t CDateInfo::GetLengthOfMonth() {
  // A month set out of range has carried over: the length is the one of the month it reached.
  DateTimeRec date = mDTRec;
  if (!IsMonth(date.month)) SecondsToDate(mTheDate, &date);
  const bool leapFebruary = date.month == 2 && IsGregorianLeapYear(date.year);
  return int16_t(kMonthLengths[date.month] + (leapFebruary ? 1 : 0));
}

bool CDateInfo::IsLeapYear(int) { return IsGregorianLeapYear(mDTRec.year); }

std::string CDateInfo::GetMonthName() {
  DateTimeRec date = mDTRec;
  if (!IsMonth(date.month)) SecondsToDate(mTheDate, &date);
  return CopyMonthName(date.month);
}

void CDateInfo::GetMonthNameAsCStr(char* out, size_t size) {
  if (!out || size == 0) return;
  const std::string name = GetMonthName();
  const size_t length = std::min(name.size(), size - 1);
  std::memcpy(out, name.data(), length);
  out[length] = '\0';
}

void CDateInfo::SetField(int16_t DateTimeRec::*field, int16_t value) {
  mDTRec.*field = value;
  Recompute();
}

void CDateInfo::SetDay(int16_t day) { SetField(&DateTimeRec::day, day); }
void CDateInfo::SetMonth(int16_t month) { SetField(&DateTimeRec::month, month); }
void CDateInfo::SetYear(int16_t year) { SetField(&DateTimeRec::year, year); }
void CDateInfo::SetHour(int16_t hour) { SetField(&DateTimeRec::hour, hour); }
void CDateInfo::SetMinute(int16_t minute) { SetField(&DateTimeRec::minute, minute); }

void CDateInfo::StepMonth(int16_t months) {
  if (!IsMonth(mDTRec.month)) BreakDown();
  int month = mDTRec.month + months;
  int year = mDTRec.year;
  if (month > 12) month -= 12, ++year;
  if (month < 1) month += 12, --year;
  mDTRec.year = int16_t(year);
  mDTRec.month = int16_t(month);
  mDTRec.day = std::min(mDTRec.day, GetLengthOfMonth());
  Recompute();
  BreakDown();
}

void CDateInfo::PlusMonth() { StepMonth(1); }
void CDateInfo::MinusMonth() { StepMonth(-1); }

void CDateInfo::PlusDay() {
  mTheDate += kSecondsPerDay;
  BreakDown();
}

void CDateInfo::MinusDay() {
  mTheDate -= kSecondsPerDay;
  BreakDown();
}

uint32_t CDateInfo::SecondsSince1970() { return mTheDate - kSecondsFrom1904To1970; }

uint32_t CDateInfo::SecondsSince1970AsGMT() { return PrintTimeSince1970GMT(mTheDate); }
