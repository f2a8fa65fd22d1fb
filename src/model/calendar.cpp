#include "model/calendar.h"

#include <chrono>
#include <string>

namespace lumora {

namespace {

namespace chr = std::chrono;

// Day 0 of the system clock (1 January 1970) as a Julian day number.
constexpr std::int64_t kUnixEpochDayNumber = 2440588;

chr::sys_days ToSysDays(DayNumber day) {
  return chr::sys_days{chr::days{static_cast<std::int64_t>(day) - kUnixEpochDayNumber}};
}

void StoreDate(std::array<std::int32_t, 3>& entry, DayNumber day) {
  const CivilDate date = FromDayNumber(day);
  entry = {date.day, date.month, date.year};
}

// `weekday` counts on from the month's first weekday and may exceed 6.
void StoreWeekday(TCalendar& cal, std::size_t d, int weekday) {
  weekday %= 7;
  const char* name = WeekdayName(weekday);
  cal.DayNames[d] = {name[0], name[1], '\0'};
  cal.WeekendDay[d] = (weekday == 0 || weekday == 6) ? 1 : 0;
}

}  // namespace

DayNumber ToDayNumber(const CivilDate& date) {
  const chr::year_month_day ymd{chr::year{date.year}, chr::month{static_cast<unsigned>(date.month)},
                                chr::day{static_cast<unsigned>(date.day)}};
  const auto count = chr::sys_days{ymd}.time_since_epoch().count();
  return static_cast<DayNumber>(count + kUnixEpochDayNumber);
}

CivilDate FromDayNumber(DayNumber day) {
  const chr::year_month_day ymd{ToSysDays(day)};
  return {static_cast<int>(static_cast<unsigned>(ymd.day())),
          static_cast<int>(static_cast<unsigned>(ymd.month())), static_cast<int>(ymd.year())};
}

int WeekdayOf(DayNumber day) {
  return static_cast<int>(chr::weekday{ToSysDays(day)}.c_encoding());
}

int DaysInMonth(int month, int year) {
  if (month < 1 || month > 12) return 0;
  const chr::year_month_day_last last{
      chr::year{year}, chr::month_day_last{chr::month{static_cast<unsigned>(month)}}};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

const char* WeekdayName(int weekday) {
  static constexpr std::array<const char*, 7> kNames = {"SU", "MO", "TU", "WE", "TH", "FR", "SA"};
  const int w = ((weekday % 7) + 7) % 7;
  return kNames[static_cast<std::size_t>(w)];
}

const char* MonthTextOf(int month) {
  static constexpr std::array<const char*, 12> kMonthTexts = {
      "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return month >= 1 && month <= 12 ? kMonthTexts[static_cast<std::size_t>(month - 1)] : "";
}

void FillCalendar(TCalendar& cal, DayNumber first, DayNumber last) {
  const std::int64_t length = static_cast<std::int64_t>(last) - first + 1;
  // A period the month arrays cannot hold leaves the calendar as it was.
  if (length < 1 || length > kMonthDays) return;

  cal.MonthLength = static_cast<std::int32_t>(length);
  cal.FirstWeekday = WeekdayOf(first);

  // The month is named after the one most of the period lies in.
  const CivilDate reference = FromDayNumber(first + 15);
  cal.MonthNumber = reference.month;
  cal.YearNumber = reference.year;
  cal.MonthText = MonthTextOf(reference.month);
  cal.YearText = std::to_string(reference.year);

  for (std::size_t d = 0; d < kBlockDays; ++d) {
    if (d < static_cast<std::size_t>(length)) {
      StoreDate(cal.MonthDays[d], first + static_cast<DayNumber>(d));
      StoreWeekday(cal, d, cal.FirstWeekday + static_cast<int>(d));
    } else {
      // Nothing of a previous month may linger past the end; ExtendCalendar fills these.
      cal.MonthDays[d] = {};
      cal.DayNames[d] = {};
      cal.WeekendDay[d] = 0;
    }
  }
  for (std::size_t k = 0; k < kPrevDays; ++k)
    StoreDate(cal.PrevMonthDays[k], first - static_cast<DayNumber>(kPrevDays - k));
}

void ExtendCalendar(TCalendar& cal) {
  // The length may come from a file: anything the month arrays cannot hold is left alone.
  if (cal.MonthLength < 1 || cal.MonthLength > kMonthDays) return;
  const auto length = static_cast<std::size_t>(cal.MonthLength);
  const auto& lastDay = cal.MonthDays[length - 1];
  DayNumber date = ToDayNumber({lastDay[0], lastDay[1], lastDay[2]}) + 1;
  int weekday = ((cal.FirstWeekday % 7) + cal.MonthLength % 7 + 7) % 7;
  for (std::size_t d = length; d < kBlockDays; ++d) {
    StoreDate(cal.MonthDays[d], date);
    StoreWeekday(cal, d, weekday);
    ++date;
    weekday = (weekday + 1) % 7;
  }
}

Period DefaultPeriod(int month, int year) {
  if (month < 1 || month > 12) return {};
  // The first months of the year are cut to 30 days so that February gets
  // a full-length period: 1-30 Jan, 31 Jan - 1 Mar, 2-31 Mar.
  switch (month) {
    case 1:
      return {ToDayNumber({1, 1, year}), ToDayNumber({30, 1, year})};
    case 2:
      return {ToDayNumber({31, 1, year}), ToDayNumber({1, 3, year})};
    case 3:
      return {ToDayNumber({2, 3, year}), ToDayNumber({31, 3, year})};
    default:
      return {ToDayNumber({1, month, year}), ToDayNumber({DaysInMonth(month, year), month, year})};
  }
}

}  // namespace lumora
