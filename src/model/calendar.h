#pragma once
// Day numbers and the month calendar of a document.

#include <array>
#include <cstdint>
#include <string>

#include "model/capacity.h"

namespace lumora {

// Astronomical Julian day number: 1 January 2000 is 2451545.
using DayNumber = std::int32_t;

struct CivilDate {
  int day = 0;
  int month = 0;  // 1 to 12
  int year = 0;   // four digits
  friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

DayNumber ToDayNumber(const CivilDate& date);
CivilDate FromDayNumber(DayNumber day);
int WeekdayOf(DayNumber day);  // 0 Sunday to 6 Saturday
int DaysInMonth(int month, int year);

// Two-letter upper-case weekday name: "SU" for 0 to "SA" for 6.
const char* WeekdayName(int weekday);
// "Jan" to "Dec" for 1 to 12, empty otherwise: the month as `MonthText` names it.
const char* MonthTextOf(int month);

struct TCalendar {
  std::int32_t MonthLength = 0;   // 1 to 31; 0 while no month is set
  std::int32_t FirstWeekday = 0;  // weekday of day index 0, Sunday 0
  // Per month day index: day of month, month, year.
  std::array<std::array<std::int32_t, 3>, kBlockDays> MonthDays{};
  // The 31 days before the month; entry 30 is the day before day index 0.
  std::array<std::array<std::int32_t, 3>, kPrevDays> PrevMonthDays{};
  std::array<std::array<char, 3>, kBlockDays> DayNames{};
  std::array<std::uint8_t, kBlockDays> WeekendDay{};
  std::int32_t MonthNumber = 0;  // month of the date 15 days after day index 0
  std::int32_t YearNumber = 0;
  std::string MonthText;  // "Jul"
  std::string YearText;   // "2026"

  // Daylight saving of the month, filled by the rest checks' set-up.
  std::int32_t DstMoment = 0;
  std::int32_t DstShift = 0;
  DayNumber DstStartDate = 0;
  DayNumber DstEndDate = 0;

  friend bool operator==(const TCalendar&, const TCalendar&) = default;
};

// Fills the calendar for the period first..last: every field but the
// daylight-saving data. The entries past the month's end are cleared (see
// ExtendCalendar). A period of fewer than 1 or more than 31 days leaves the
// calendar unchanged.
void FillCalendar(TCalendar& cal, DayNumber first, DayNumber last);

// Fills MonthDays, DayNames and WeekendDay for the days after the month.
void ExtendCalendar(TCalendar& cal);

// The default period of a month: the whole month, except that January ends on
// the 30th, February runs from 31 January to 1 March and March starts on the 2nd.
struct Period {
  DayNumber first = 0;
  DayNumber last = 0;
};
Period DefaultPeriod(int month, int year);

}  // namespace lumora
