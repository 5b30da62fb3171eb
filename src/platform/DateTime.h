#pragma once
// Local dates and times: seconds since 1904-01-01 00:00 local time and their broken-down form.
//
// A local-time seconds count is a wall-clock count: it has no time zone and no daylight-saving
// jumps, so converting between it and the broken-down record is pure calendar arithmetic
// (proleptic Gregorian calendar). Counts are unsigned 32-bit and cover 1904 to early 2040; dates
// outside wrap modulo 2^32, as on the platform that defined the format.
#include <cstdint>
#include <string>

struct DateTimeRec {
  int16_t year = 0;
  int16_t month = 0;      // 1 to 12
  int16_t day = 0;        // 1 to 31
  int16_t hour = 0;       // 0 to 23
  int16_t minute = 0;     // 0 to 59
  int16_t second = 0;     // 0 to 59
  int16_t dayOfWeek = 0;  // 1 Sunday to 7 Saturday
};

// Seconds from 1904-01-01 to 1970-01-01.
inline constexpr uint32_t kSecondsFrom1904To1970 = 2082844800u;

// Now, in local time.
void GetDateTime(uint32_t* secs);

// Breaks a count down (day of week included).
void SecondsToDate(uint32_t secs, DateTimeRec* date);

// The count of a broken-down date. Out-of-range fields carry over into the next larger one
// (month 13 is January of the next year, day 0 the last day of the month before, minute 60
// the next hour, negative values borrow); the day of week is not read.
void DateToSeconds(const DateTimeRec* date, uint32_t* secs);

// The name of a month (1 to 12) in the user's locale (LC_ALL / LC_TIME / LANG; English when that
// locale is not installed). Empty for other numbers.
std::string CopyMonthName(int month);
