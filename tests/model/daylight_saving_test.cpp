#include <gtest/gtest.h>

#include <utility>

#include "model/calendar.h"
#include "model/daylight_saving.h"

namespace lumora {
namespace {

struct DstSetup {
  bool ok;
  TCalendar cal;
};

DstSetup SetUpPeriod(CivilDate first, CivilDate last) {
  DstSetup s{false, {}};
  FillCalendar(s.cal, ToDayNumber(first), ToDayNumber(last));
  s.ok = SetupDaylightSaving(s.cal);
  return s;
}

TEST(DaylightSavingTest, SpringChangeInMarchAutumnChangeInNovember) {
  // 1 March 2026 is a Sunday, the day before the default period: the change
  // is on the 8th, day index 6.
  const DstSetup march = SetUpPeriod({2, 3, 2026}, {31, 3, 2026});
  EXPECT_TRUE(march.ok);
  EXPECT_EQ(march.cal.DstMoment, 6 * 1440 + 120);
  EXPECT_EQ(march.cal.DstShift, 60);
  EXPECT_EQ(march.cal.DstStartDate, ToDayNumber({8, 3, 2026}));
  EXPECT_EQ(march.cal.DstEndDate, ToDayNumber({1, 11, 2026}));

  const DstSetup march2027 = SetUpPeriod({2, 3, 2027}, {31, 3, 2027});
  EXPECT_EQ(march2027.cal.DstMoment, 12 * 1440 + 120);  // Sunday 14 March

  const DstSetup november = SetUpPeriod({1, 11, 2026}, {30, 11, 2026});
  EXPECT_TRUE(november.ok);
  EXPECT_EQ(november.cal.DstMoment, 120);
  EXPECT_EQ(november.cal.DstShift, -60);
}

TEST(DaylightSavingTest, OtherMonthsHaveNoChangeButKeepTheYearsDates) {
  const DstSetup july = SetUpPeriod({1, 7, 2026}, {31, 7, 2026});
  EXPECT_TRUE(july.ok);
  EXPECT_EQ(std::make_pair(july.cal.DstMoment, july.cal.DstShift), std::make_pair(0, 0));
  EXPECT_EQ(july.cal.DstStartDate, ToDayNumber({8, 3, 2026}));

  // The year is that of day index 14.
  const DstSetup newYear = SetUpPeriod({20, 12, 2026}, {19, 1, 2027});
  EXPECT_EQ(newYear.cal.DstStartDate, ToDayNumber({14, 3, 2027}));
  EXPECT_EQ(newYear.cal.DstEndDate, ToDayNumber({7, 11, 2027}));

  // A period that reaches into March but is named February gets no change.
  const DstSetup february = SetUpPeriod({14, 2, 2026}, {16, 3, 2026});
  EXPECT_TRUE(february.ok);
  EXPECT_EQ(february.cal.DstShift, 0);
}

TEST(DaylightSavingTest, ChangeDayComesFromItsDateWhateverThePeriodsStart) {
  // Counting the Sundays the period shows would give the 15th here.
  const DstSetup late = SetUpPeriod({3, 3, 2026}, {1, 4, 2026});
  EXPECT_EQ(late.cal.DstMoment, 5 * 1440 + 120);

  // A March period that starts after the change: no moment, and a failure.
  const DstSetup after = SetUpPeriod({10, 3, 2026}, {8, 4, 2026});
  EXPECT_FALSE(after.ok);
  EXPECT_EQ(std::make_pair(after.cal.DstMoment, after.cal.DstShift), std::make_pair(0, 0));
}

TEST(DaylightSavingTest, AnEarlierMonthsChangeDoesNotStay) {
  DstSetup s = SetUpPeriod({2, 3, 2026}, {31, 3, 2026});
  FillCalendar(s.cal, ToDayNumber({1, 4, 2026}), ToDayNumber({30, 4, 2026}));
  EXPECT_TRUE(SetupDaylightSaving(s.cal));
  EXPECT_EQ(std::make_pair(s.cal.DstMoment, s.cal.DstShift), std::make_pair(0, 0));

  TCalendar empty;
  empty.DstShift = 60;
  EXPECT_TRUE(SetupDaylightSaving(empty));
  EXPECT_EQ(empty.DstShift, 0);
}

}  // namespace
}  // namespace lumora
