#include "options/dialogs/CDateInfo.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include "options/store/JobCommentFile.h"

namespace {

constexpr uint32_t kSecondsPerDay = 86400;

namespace cal = std::chrono;

// The record's year and month, a month out of range carried over into the years.
cal::year_month YearMonth(const DateTimeRec& date) {
  return cal::year_month{cal::year{date.year}, cal::January} + cal::months{date.month - 1};
}

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
  const cal::weekday first{cal::sys_days{YearMonth(mDTRec) / 1}};
  return int16_t(first.c_encoding() + 1);  // Sunday is 0
}

int16_t CDateInfo::GetLengthOfMonth() {
  // A month set out of range has carried over: the length is the one of the month it reached.
  DateTimeRec date = mDTRec;
  if (!IsMonth(date.month)) SecondsToDate(mTheDate, &date);
  const cal::year_month_day_last last{cal::year{date.year},
                                      cal::month_day_last{cal::month(unsigned(date.month))}};
  return int16_t(unsigned(last.day()));
}

bool CDateInfo::IsLeapYear(int) { return cal::year{mDTRec.year}.is_leap(); }

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
  const cal::year_month reached = YearMonth(mDTRec) + cal::months{months};
  mDTRec.year = int16_t(int(reached.year()));
  mDTRec.month = int16_t(unsigned(reached.month()));
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
