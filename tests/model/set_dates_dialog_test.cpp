#include "model/set_dates_dialog.h"

#include <gtest/gtest.h>

#include "doubles/fixed_clock.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using testing::FixedClock;
using testing::ScriptedUi;

DayNumber Day(int day, int month, int year) {
  return ToDayNumber({day, month, year});
}

FixedClock ClockAt(int year, int month, int day) {
  return FixedClock({year, month, day, 10, 0, 0});
}

TEST(SetDatesDialog, DecemberOpensOnJanuaryOfTheNextYear) {
  const FixedClock clock = ClockAt(2026, 12, 31);
  TCalendar cal;
  const SetDatesDialog dialog(clock, cal);
  EXPECT_EQ(dialog.lastDate(), Day(30, 1, 2027));
  EXPECT_EQ(dialog.text(SetDatesDialog::kFirstDateText), "Fri 01 Jan 2027");
  EXPECT_EQ(dialog.text(SetDatesDialog::kLastDateText), "Sat 30 Jan 2027");
  EXPECT_EQ(dialog.text(106), "");

  const SetDatesDialog july(ClockAt(2026, 6, 15), cal);
  EXPECT_EQ(july.lastDate(), Day(31, 7, 2026));
}

TEST(SetDatesDialog, MonthButtonsCrossTheYearEndAndResetThePeriod) {
  TCalendar cal;
  SetDatesDialog dialog(ClockAt(2026, 12, 1), cal);  // January 2027
  EXPECT_TRUE(dialog.press(SetDatesDialog::kFirstForward));
  EXPECT_TRUE(dialog.press(SetDatesDialog::kLastBack));
  EXPECT_EQ(dialog.firstDate(), Day(2, 1, 2027));
  EXPECT_EQ(dialog.lastDate(), Day(29, 1, 2027));

  EXPECT_TRUE(dialog.press(108));  // "<<"
  EXPECT_EQ(dialog.month(), 12);
  EXPECT_EQ(dialog.year(), 2026);
  EXPECT_EQ(dialog.firstDate(), Day(1, 12, 2026));
  EXPECT_EQ(dialog.lastDate(), Day(31, 12, 2026));

  EXPECT_TRUE(dialog.press(107));  // ">>"
  EXPECT_TRUE(dialog.press(107));
  EXPECT_EQ(dialog.firstDate(), Day(31, 1, 2027));
  EXPECT_EQ(dialog.lastDate(), Day(1, 3, 2027));
  EXPECT_TRUE(dialog.press(107));
  EXPECT_EQ(dialog.firstDate(), Day(2, 3, 2027));

  EXPECT_FALSE(dialog.press(104));
  EXPECT_EQ(dialog.firstDate(), Day(2, 3, 2027));
}

TEST(SetDatesDialog, LeapFebruaryAcceptedOneDayMoreRefused) {
  TCalendar before;
  FillCalendar(before, Day(1, 7, 2026), Day(31, 7, 2026));
  TCalendar cal = before;
  SetDatesDialog dialog(ClockAt(2028, 1, 10), cal);
  ASSERT_EQ(dialog.month(), 2);
  ScriptedUi ui;
  dialog.press(SetDatesDialog::kLastForward);
  EXPECT_FALSE(dialog.accept(ui));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text, "The new Month cannot contain more than 31 days.");
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_EQ(cal, before);

  // The dialog stays open: one day back and OK goes through.
  dialog.press(SetDatesDialog::kLastBack);
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(cal.MonthLength, 31);
  EXPECT_EQ(cal.MonthText, "Feb");
  EXPECT_EQ(cal.MonthDays[30], (std::array<std::int32_t, 3>{1, 3, 2028}));
}

TEST(SetDatesDialog, LastDateBeforeFirstIsRefused) {
  TCalendar cal;
  const TCalendar before = cal;
  SetDatesDialog dialog(ClockAt(2027, 3, 1), cal);  // April: 1 to 30 April
  ScriptedUi ui;
  for (int i = 0; i < 29; ++i) dialog.press(SetDatesDialog::kLastBack);
  EXPECT_EQ(dialog.lastDate(), dialog.firstDate());
  dialog.press(SetDatesDialog::kLastBack);  // length 0

  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_EQ(ui.last().text, "The last date of the month cannot be before its first date.");
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_EQ(cal, before);

  // A single day is a month the calendar can hold.
  dialog.press(SetDatesDialog::kLastForward);
  EXPECT_TRUE(dialog.accept(ui));
  EXPECT_EQ(cal.MonthLength, 1);
  EXPECT_EQ(ui.shown.size(), 1u);
}

}  // namespace
}  // namespace lumora
