#pragma once
// Dates as astronomical Julian day numbers (1 January 2000 is 2451545), the
// month periods the scheduler works in, and the date texts the files carry.

#include <string>

namespace lumora::samples {

struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
};

int DayNumber(int year, int month, int day);
Date DateOf(int dayNumber);
// 0 Sunday ... 6 Saturday.
int Weekday(int dayNumber);
// 0 Monday ... 6 Sunday, the order of the weekday columns in pairing headers.
int MondayFirstWeekday(int dayNumber);
int DaysInMonth(int year, int month);
// "JAN" ... "DEC".
const char* MonthAbbrev(int month);

std::string Yyyymmdd(int dayNumber);
// "31JAN27".
std::string Ddmonyy(int dayNumber);
// "MON", "TUE", ...
const char* WeekdayName(int dayNumber);

// North American daylight-saving time: from the second Sunday of March to the
// first Sunday of November (whole days; the 02:00 change does not matter for
// the times generated here).
bool InDaylightSaving(int dayNumber);

// A scheduling month: the default period the month dialog proposes, which
// gives the first months of the year 30 days (January ends on the 30th,
// February runs from 31 January to 1 March, March starts on the 2nd).
struct MonthPeriod {
  int year = 0;
  int month = 0;
  int first = 0;  // day numbers, both included
  int last = 0;
  int Length() const { return last - first + 1; }
  bool Contains(int dayNumber) const { return dayNumber >= first && dayNumber <= last; }
};

MonthPeriod DefaultPeriod(int year, int month);

}  // namespace lumora::samples
