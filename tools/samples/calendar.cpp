#include "samples/calendar.h"

#include <cstdio>
#include <stdexcept>

namespace lumora::samples {

int DayNumber(int year, int month, int day) {
  // Fliegel and Van Flandern; the divisions truncate toward zero on purpose.
  const int a = (month - 14) / 12;
  return (1461 * (year + 4800 + a)) / 4 + (367 * (month - 2 - 12 * a)) / 12 -
         (3 * ((year + 4900 + a) / 100)) / 4 + day - 32075;
}

Date DateOf(int dayNumber) {
  int l = dayNumber + 68569;
  const int n = 4 * l / 146097;
  l = l - (146097 * n + 3) / 4;
  const int i = 4000 * (l + 1) / 1461001;
  l = l - 1461 * i / 4 + 31;
  const int j = 80 * l / 2447;
  Date d;
  d.day = l - 2447 * j / 80;
  l = j / 11;
  d.month = j + 2 - 12 * l;
  d.year = 100 * (n - 49) + i + l;
  return d;
}

int Weekday(int dayNumber) {
  return (dayNumber + 1) % 7;
}

int MondayFirstWeekday(int dayNumber) {
  return (Weekday(dayNumber) + 6) % 7;
}

int DaysInMonth(int year, int month) {
  if (month == 12) return 31;
  return DayNumber(year, month + 1, 1) - DayNumber(year, month, 1);
}

const char* MonthAbbrev(int month) {
  static const char* const kNames[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                       "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  if (month < 1 || month > 12) throw std::out_of_range("month");
  return kNames[month - 1];
}

std::string Yyyymmdd(int dayNumber) {
  const Date d = DateOf(dayNumber);
  char text[40];  // room for any int, so that no year can cut the text
  std::snprintf(text, sizeof text, "%04d%02d%02d", d.year, d.month, d.day);
  return text;
}

std::string Ddmonyy(int dayNumber) {
  const Date d = DateOf(dayNumber);
  char text[16];
  std::snprintf(text, sizeof text, "%02d%s%02d", d.day, MonthAbbrev(d.month), d.year % 100);
  return text;
}

const char* WeekdayName(int dayNumber) {
  static const char* const kNames[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};
  return kNames[Weekday(dayNumber)];
}

namespace {

// The n-th Sunday (1-based) of a month.
int NthSunday(int year, int month, int n) {
  const int first = DayNumber(year, month, 1);
  return first + (7 - Weekday(first)) % 7 + 7 * (n - 1);
}

}  // namespace

bool InDaylightSaving(int dayNumber) {
  const int year = DateOf(dayNumber).year;
  return dayNumber >= NthSunday(year, 3, 2) && dayNumber < NthSunday(year, 11, 1);
}

MonthPeriod DefaultPeriod(int year, int month) {
  if (month < 1 || month > 12) throw std::out_of_range("month");
  MonthPeriod p;
  p.year = year;
  p.month = month;
  switch (month) {
    case 1:
      p.first = DayNumber(year, 1, 1);
      p.last = DayNumber(year, 1, 30);
      break;
    case 2:
      p.first = DayNumber(year, 1, 31);
      p.last = DayNumber(year, 3, 1);
      break;
    case 3:
      p.first = DayNumber(year, 3, 2);
      p.last = DayNumber(year, 3, 31);
      break;
    default:
      p.first = DayNumber(year, month, 1);
      p.last = DayNumber(year, month, DaysInMonth(year, month));
      break;
  }
  return p;
}

}  // namespace lumora::samples
