#include "model/daylight_saving.h"

#include "model/capacity.h"

namespace lumora {

namespace {

constexpr int kSunday = 0;
constexpr std::int32_t kChangeTime = 120;  // 02:00
constexpr std::int32_t kSpringShift = 60;
constexpr std::int32_t kAutumnShift = -60;

bool IsValidDate(const CivilDate& date) {
  return date.year >= 1 && date.year <= 9999 && date.day >= 1 &&
         date.day <= DaysInMonth(date.month, date.year);
}

// The n-th Sunday (1-based) of a month.
DayNumber NthSunday(int month, int year, int n) {
  const DayNumber first = ToDayNumber({1, month, year});
  const int toSunday = (7 + kSunday - WeekdayOf(first)) % 7;
  return first + toSunday + 7 * (n - 1);
}

}  // namespace

bool SetupDaylightSaving(TCalendar& cal) {
  cal.DstMoment = 0;
  cal.DstShift = 0;
  const CivilDate first{cal.MonthDays[0][0], cal.MonthDays[0][1], cal.MonthDays[0][2]};
  if (cal.MonthLength < 1 || cal.MonthLength > kMonthDays || !IsValidDate(first)) {
    // No month (or no readable one): nothing to correct.
    cal.DstStartDate = 0;
    cal.DstEndDate = 0;
    return true;
  }

  // Day index 14 rather than the stored entry, which the days after a short
  // month only get from ExtendCalendar.
  const DayNumber firstDay = ToDayNumber(first);
  const CivilDate middle = FromDayNumber(firstDay + 14);
  cal.DstStartDate = NthSunday(3, middle.year, 2);
  cal.DstEndDate = NthSunday(11, middle.year, 1);

  // The change day is found from its date, not by counting the Sundays the
  // month shows: a period that starts after the first Sunday of March would
  // otherwise put the change a week late.
  DayNumber changeDate = 0;
  std::int32_t shift = 0;
  if (middle.month == 3) {
    changeDate = cal.DstStartDate;
    shift = kSpringShift;
  } else if (middle.month == 11) {
    changeDate = cal.DstEndDate;
    shift = kAutumnShift;
  } else {
    return true;
  }
  const std::int32_t day = changeDate - firstDay;
  if (day < 0 || day >= cal.MonthLength) return false;
  cal.DstMoment = day * kMinutesPerDay + kChangeTime;
  cal.DstShift = shift;
  return true;
}

}  // namespace lumora
