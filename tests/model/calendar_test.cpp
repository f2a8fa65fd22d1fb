#include "model/calendar.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

namespace lumora {
namespace {

using Date = std::array<std::int32_t, 3>;

DayNumber Day(int day, int month, int year) {
  return ToDayNumber({day, month, year});
}

std::string Name(const TCalendar& cal, int d) {
  return cal.DayNames[static_cast<std::size_t>(d)].data();
}

TEST(DayNumbers, AnchorsAndGregorianLeapYears) {
  EXPECT_EQ(Day(1, 1, 2000), 2451545);
  EXPECT_EQ(Day(1, 1, 1970), 2440588);
  EXPECT_EQ(FromDayNumber(2451545), (CivilDate{1, 1, 2000}));
  EXPECT_EQ(WeekdayOf(2451545), 6);                  // a Saturday
  EXPECT_EQ(Day(1, 3, 1900) - Day(28, 2, 1900), 1);  // century: no 29 February
  EXPECT_EQ(Day(1, 3, 2000) - Day(28, 2, 2000), 2);  // divisible by 400
  EXPECT_EQ(DaysInMonth(2, 2028), 29);
  EXPECT_EQ(std::make_pair(DaysInMonth(0, 2027), DaysInMonth(13, 2027)), std::make_pair(0, 0));

  // Consecutive day numbers walk the civil calendar and the weekdays without a gap.
  CivilDate expected{1, 1, 1896};
  int weekday = WeekdayOf(Day(1, 1, 1896));
  for (DayNumber n = Day(1, 1, 1896); n <= Day(31, 12, 2104); ++n) {
    ASSERT_EQ(FromDayNumber(n), expected) << n;
    ASSERT_EQ(ToDayNumber(expected), n);
    ASSERT_EQ(WeekdayOf(n), weekday);
    weekday = (weekday + 1) % 7;
    if (++expected.day > DaysInMonth(expected.month, expected.year)) {
      expected.day = 1;
      if (++expected.month > 12) {
        expected.month = 1;
        ++expected.year;
      }
    }
  }
}

TEST(DefaultPeriod, ThirtyDayStartOfTheYear) {
  struct Case {
    int month, year;
    DayNumber first, last;
  };
  for (const Case& c : {Case{1, 2027, Day(1, 1, 2027), Day(30, 1, 2027)},
                        Case{2, 2027, Day(31, 1, 2027), Day(1, 3, 2027)},
                        Case{2, 2028, Day(31, 1, 2028), Day(1, 3, 2028)},
                        Case{3, 2027, Day(2, 3, 2027), Day(31, 3, 2027)},
                        Case{4, 2027, Day(1, 4, 2027), Day(30, 4, 2027)},
                        Case{12, 2027, Day(1, 12, 2027), Day(31, 12, 2027)}}) {
    SCOPED_TRACE(c.month);
    EXPECT_EQ(DefaultPeriod(c.month, c.year).first, c.first);
    EXPECT_EQ(DefaultPeriod(c.month, c.year).last, c.last);
  }
}

TEST(FillCalendar, PeriodAcrossTheYearEndIsNamedAfterTheNewYear) {
  TCalendar cal;
  FillCalendar(cal, Day(31, 12, 2026), Day(29, 1, 2027));
  EXPECT_EQ(cal.MonthLength, 30);
  EXPECT_EQ(cal.FirstWeekday, 4);  // Thursday
  EXPECT_EQ(cal.MonthNumber, 1);
  EXPECT_EQ(cal.YearNumber, 2027);
  EXPECT_EQ(cal.MonthText, "Jan");
  EXPECT_EQ(cal.YearText, "2027");

  EXPECT_EQ(cal.MonthDays[1], (Date{1, 1, 2027}));
  EXPECT_EQ(cal.PrevMonthDays[30], (Date{30, 12, 2026}));
  EXPECT_EQ(cal.PrevMonthDays[0], (Date{30, 11, 2026}));
  EXPECT_EQ(Name(cal, 0), "TH");
  EXPECT_EQ(Name(cal, 2), "SA");
  EXPECT_EQ(std::make_tuple(cal.WeekendDay[1], cal.WeekendDay[2], cal.WeekendDay[4]),
            std::make_tuple(0, 1, 0));

  // The previous days cross the year end.
  FillCalendar(cal, Day(1, 1, 2027), Day(30, 1, 2027));
  EXPECT_EQ(cal.PrevMonthDays[30], (Date{31, 12, 2026}));
  EXPECT_EQ(cal.PrevMonthDays[0], (Date{1, 12, 2026}));
  // February of a leap year: the previous days run through all of January.
  FillCalendar(cal, Day(31, 1, 2028), Day(1, 3, 2028));
  EXPECT_EQ(cal.MonthLength, 31);
  EXPECT_EQ(cal.MonthText, "Feb");
  EXPECT_EQ(cal.PrevMonthDays[30], (Date{30, 1, 2028}));
  EXPECT_EQ(cal.PrevMonthDays[0], (Date{31, 12, 2027}));
  EXPECT_EQ(cal.MonthDays[29], (Date{29, 2, 2028}));
  EXPECT_EQ(cal.MonthDays[30], (Date{1, 3, 2028}));
}

TEST(FillCalendar, RefusedPeriodLeavesTheCalendarAndNewMonthLeavesNoTail) {
  TCalendar cal;
  FillCalendar(cal, Day(31, 1, 2028), Day(1, 3, 2028));
  ExtendCalendar(cal);
  const TCalendar before = cal;
  FillCalendar(cal, Day(1, 3, 2028), Day(1, 4, 2028));  // 32 days
  FillCalendar(cal, Day(2, 3, 2028), Day(1, 3, 2028));  // ends before it starts
  EXPECT_EQ(cal, before);

  // A shorter month does not keep the old month's days past its end.
  FillCalendar(cal, Day(1, 1, 2027), Day(30, 1, 2027));
  EXPECT_EQ(cal.MonthDays[30], (Date{0, 0, 0}));
  EXPECT_EQ(cal.DayNames[30][0], '\0');
}

TEST(ExtendCalendar, ContinuesDatesAndWeekdaysPastMonthEnds) {
  TCalendar cal;
  FillCalendar(cal, Day(1, 1, 2027), Day(30, 1, 2027));
  ExtendCalendar(cal);
  EXPECT_EQ(cal.MonthLength, 30);
  EXPECT_EQ(Name(cal, 61), "WE");
  for (int d = 0; d < kBlockDays; ++d) {
    SCOPED_TRACE(d);
    const DayNumber n = Day(1, 1, 2027) + d;
    const CivilDate c = FromDayNumber(n);
    const auto i = static_cast<std::size_t>(d);
    EXPECT_EQ(cal.MonthDays[i], (Date{c.day, c.month, c.year}));
    EXPECT_EQ(Name(cal, d), WeekdayName(WeekdayOf(n)));
    EXPECT_EQ(cal.WeekendDay[i], WeekdayOf(n) % 6 == 0 ? 1 : 0);
  }

  // December: the days after run into the next year.
  FillCalendar(cal, Day(1, 12, 2027), Day(31, 12, 2027));
  ExtendCalendar(cal);
  EXPECT_EQ(cal.MonthDays[31], (Date{1, 1, 2028}));
  EXPECT_EQ(Name(cal, 61), "MO");
}

TEST(ExtendCalendar, WithoutAUsableMonthDoesNothing) {
  TCalendar cal;
  const TCalendar empty = cal;
  ExtendCalendar(cal);
  EXPECT_EQ(cal, empty);

  // A month length read from a damaged file must not index past the arrays.
  cal.MonthLength = 99;
  const TCalendar damaged = cal;
  ExtendCalendar(cal);
  EXPECT_EQ(cal, damaged);
  cal.MonthLength = -5;
  ExtendCalendar(cal);
  EXPECT_EQ(cal.MonthDays[0], (Date{0, 0, 0}));
}

}  // namespace
}  // namespace lumora
