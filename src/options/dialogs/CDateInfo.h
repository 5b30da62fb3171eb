#pragma once
// A local calendar date: the seconds since 1904-01-01 00:00 local time together with their
// broken-down record, the two always describing the same instant. A setter changes one field of
// the record and recomputes the seconds from the whole record, so a field out of range carries
// over into the next one (day 32 of January is 1 February) while the record keeps what was set.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/DateTime.h"

class CDateInfo {
 public:
  // Now, in local time.
  CDateInfo();
  // The record as given (null: 1904-01-01 00:00) and its seconds.
  explicit CDateInfo(const DateTimeRec* date);
  explicit CDateInfo(uint32_t seconds);
  virtual ~CDateInfo() = default;

  virtual uint32_t DateAsSeconds() { return mTheDate; }
  // Day of week of the month's first day, 1 Sunday to 7 Saturday.
  virtual int16_t GetFirstWeekdayOfMonth();
  // Days in the date's month, 29 for February of a leap year.
  virtual int16_t GetLengthOfMonth();
  // The month's name in the user's locale, copied with its terminator into `out` (cut to `size`).
  virtual void GetMonthNameAsCStr(char* out, size_t size);
  virtual std::string GetMonthName();
  virtual int16_t Day() { return mDTRec.day; }
  virtual int16_t Month() { return mDTRec.month; }
  virtual int16_t Year() { return mDTRec.year; }
  virtual int16_t Hour() { return mDTRec.hour; }
  virtual int16_t Minute() { return mDTRec.minute; }
  virtual void SetDay(int16_t day);
  virtual void SetMonth(int16_t month);
  virtual void SetYear(int16_t year);
  virtual void SetHour(int16_t hour);
  virtual void SetMinute(int16_t minute);
  // The next or previous month (across the year's end), the day cut to that month's length.
  virtual void PlusMonth();
  virtual void MinusMonth();
  virtual void PlusDay();
  virtual void MinusDay();
  // A local-time count since 1970-01-01 00:00.
  virtual uint32_t SecondsSince1970();
  // The same instant counted in GMT, through the default time zone.
  virtual uint32_t SecondsSince1970AsGMT();

  // Whether the date's own year is a leap year; the argument is not read.
  bool IsLeapYear(int year);

 protected:
  // Sets one field of the record and recomputes the seconds.
  void SetField(int16_t DateTimeRec::*field, int16_t value);
  // Recomputes the seconds from the record, as it stands.
  void Recompute();
  // Breaks the seconds down into the record.
  void BreakDown();
  // Moves to another month of the record's year (out-of-range months carry over into the year),
  // cuts the day to its length, and normalises.
  void StepMonth(int16_t months);

  uint32_t mTheDate = 0;
  DateTimeRec mDTRec;
};
