#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "duty_fixture.h"
#include "rules/duty_timeline.h"
#include "rules/exceptions_report.h"

namespace lumora::testing {
namespace {

// July 2026, captains: day index d is the (d + 1)th; timeline k = 31 + d.
class DutyLimitsTest : public DutyFixture {
 protected:
  void SetUp() override { SetUpJuly(CrewKind::Captains, 3); }
};

TEST_F(DutyLimitsTest, HardTimeOfThePreviousMonthCountsTowardsTheTwentyEightDays) {
  const int extra[] = {0, 1};  // 112:00 and 112:01 in the window ending on the 1st
  for (int c = 0; c < 2; ++c) {
    for (int k = 4; k <= 30; ++k) pilot(c).Activity[Day(k)][kActDailyHardTime] = 240;
    Assign(c, 0, PairWithDays(480, 600, {{480, 600, 240 + extra[c]}}));
    Check(c);
  }
  EXPECT_EQ(Item(0, " 112+"), "");
  EXPECT_EQ(Item(1, " 112+"), " 112+ Hours Hard in 28 on 1");
  EXPECT_EQ(pilot(1).ExceptionDays[0], 1);
  // The "+" of the label does not split the report line.
  const auto lines = ExceptionsReportLines(*doc);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "2  P Bname:  112+ Hours Hard in 28 on 1"),
            lines.end());
}

TEST_F(DutyLimitsTest, NinetyDaysNeedAWholeHistory) {
  // 290:00 in the 89 days before the month, most of it on the oldest day.
  std::string history = "9000";
  for (int i = 1; i < 89; ++i) history += i <= 84 ? "0100" : "0000";
  struct Case {
    int hardOnFirst;
    std::size_t length;
    const char* item;
  };
  const Case cases[] = {{600, 356, ""},
                        {601, 356, " 300+ Hours Hard in 90 on 1"},
                        {601, 355, ""}};  // one character short: no history
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hardOnFirst + static_cast<int>(c.length));
    pilot(0).Clear();
    pilot(0).EmpNumber = 7;
    pilot(0).Last89HardTimeText = history.substr(0, c.length);
    pilot(0).ParseLast89HardTime();
    Assign(0, 0, PairWithDays(480, 700, {{480, 700, c.hardOnFirst}}));
    Check(0);
    EXPECT_EQ(Item(0, " 300+"), c.item);
  }
}

TEST_F(DutyLimitsTest, TheDutyAfterThreeTwelveHourDutiesUnlessADayFreeComesFirst) {
  for (int c = 0; c < 2; ++c)
    for (int d = 1; d <= 3; ++d) Assign(c, d, PairWithDays(360, 720, {{360, 720, 300}}));
  Assign(0, 4, PairWithDays(360, 60, {{360, 60, 30}}));
  Assign(1, 5, PairWithDays(360, 60, {{360, 60, 30}}));  // 36 hours free before it
  for (int c = 0; c < 2; ++c) Check(c);
  EXPECT_EQ(Item(0, " 3+"), " 3+ 12 Hr Duty on 5");
  EXPECT_EQ(pilot(0).ExceptionDays[4], 1);
  EXPECT_EQ(Item(1, " 3+"), "");
}

TEST_F(DutyLimitsTest, TimelineSplitsAtMidnightAndCountsReserveAsAThird) {
  CarsDuty(0, 2, 1320, 480);                             // 22:00 to 06:00
  CarsDuty(1, 2, 1320, 480, true);                       // the same on reserve
  Assign(0, 5, PairWithDays(1000, 440, {{1000, 440}}));  // ends at 24:00
  Assign(1, 5, PairWithDays(1000, 441, {{1000, 441}}));  // 24:01
  DutyTimeline t{};
  const int k = 31 + 2;
  BuildDutyTimeline(*doc, 0, false, t);
  EXPECT_EQ(pilot(0).DutyTotals[k][0], 120);
  EXPECT_EQ(pilot(0).DutyTotals[k + 1][0], 360);
  EXPECT_EQ(pilot(0).DutyTotals[k + 1][1], 480);
  EXPECT_FALSE(t.DutyDay[31 + 6]);
  BuildDutyTimeline(*doc, 1, false, t);
  EXPECT_EQ(pilot(1).DutyTotals[k][0], 40);
  EXPECT_EQ(pilot(1).DutyTotals[k + 1][0], 120);
  EXPECT_TRUE(t.ReserveDay[k]);
  EXPECT_TRUE(t.DutyDay[31 + 6]);
}

TEST_F(DutyLimitsTest, OldRulesTakeAPairingDaysMinutesFromThePairingText) {
  const int p = PairWithDays(1200, 480, {{1200, 480}});  // 20:00 to 04:00
  doc->Pairs[static_cast<std::size_t>(p)].PairingText = std::string(343, ' ') + "0500" + "0100";
  Assign(0, 3, p);
  DutyTimeline t{};
  BuildDutyTimeline(*doc, 0, false, t);
  EXPECT_EQ(pilot(0).DutyTotals[34][0], 240);
  EXPECT_EQ(pilot(0).DutyTotals[35][0], 240);
  BuildDutyTimeline(*doc, 0, true, t);
  EXPECT_EQ(pilot(0).DutyTotals[34][0], 500);
  EXPECT_EQ(pilot(0).DutyTotals[35][0], 100);  // its last day, after midnight
}

TEST_F(DutyLimitsTest, OneHundredNinetyTwoHoursOfDutyInTwentyEightDays) {
  for (int c = 0; c < 2; ++c)
    for (int d = 0; d < 16; ++d) CarsDuty(c, d, 480, d == 15 ? 720 + c : 720);
  for (int c = 0; c < 2; ++c) Check(c);
  EXPECT_EQ(pilot(0).DutyTotals[31 + 15][2], 11520);
  EXPECT_EQ(Item(0, " 192h+"), "");
  std::string expected = " 192h+/28d On";
  for (int day = 16; day <= 28; ++day) expected += " " + std::to_string(day);
  EXPECT_EQ(Item(1, " 192h+"), expected);
}

}  // namespace
}  // namespace lumora::testing
