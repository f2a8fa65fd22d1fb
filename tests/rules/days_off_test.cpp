#include "rules/days_off.h"

#include <gtest/gtest.h>

#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class DaysOffTest : public RulesFixture {
 protected:
  void SetUp() override {
    SetUpJuly(CrewKind::Captains);
    doc->DaysOffBlockHolder = 10;
    doc->DaysOffReserve = 12;
  }
  void Leave(int crew, int day, const std::string& code, int credit = 0) {
    Other(crew, day, 0, 0, false, false, code);
    pilot(crew).DayOther[Day(day)][kOtherCredit] = credit;
  }
  // Works exactly `count` days from day 0 with one-day pairings.
  void WorkDays(int crew, int count) {
    pilot(crew).DayCell.fill(kEmptyCell);
    const int p = AddPair(600, 480);
    for (int d = 0; d < count; ++d) Assign(crew, d, p);
  }
};

TEST_F(DaysOffTest, WorkedDaysAreCountedOnceAtTheirBoundaries) {
  EXPECT_EQ(CountDaysOff(*doc, 0), 31);

  // Report + time away - 120 reaching a whole day covers a second day.
  Assign(0, 0, AddPair(1080, 479));  // 1559 - 120 < 1440: one day
  Assign(0, 5, AddPair(1080, 480));  // exactly 1440: two days
  EXPECT_EQ(CountDaysOff(*doc, 0), 31 - 1 - 2);

  // Duty of an other assignment: start + hours - 121 decides the extra day.
  Other(1, 3, 1000, 560, true);  // 1439: one day
  Other(1, 8, 1000, 561, true);  // 1440: two days
  Other(1, 12, 0, 600, false);   // no duty: a day off
  // A carried-over worked day on the same day as the first duty counts once.
  pilot(1).Activity[Day(31 + 3)][kActWorkedState] = 2;
  pilot(1).Activity[Day(31 + 20)][kActWorkedState] = 1;
  EXPECT_EQ(CountDaysOff(*doc, 1), 31 - 1 - 2 - 1);
}

TEST_F(DaysOffTest, WorkAfterTheMonthIsNotADayLess) {
  Assign(0, 30, AddPair(600, 3 * 1440));  // 31 July to 3 August
  Other(0, 35, 600, 600, true);
  EXPECT_EQ(CountDaysOff(*doc, 0), 30);
}

TEST_F(DaysOffTest, LeaveUnitsAreTakenOffInPilotFilesOnly) {
  Leave(0, 1, "VAC");
  Leave(0, 2, "VCI", 479);  // one whole unit of 240
  Leave(0, 3, "VTP", 636);  // two units of 318
  Leave(0, 4, "LOA");       // not a leave unit
  EXPECT_EQ(CountDaysOff(*doc, 0), 31 - 1 - 1 - 2);

  doc->CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  EXPECT_EQ(CountDaysOff(*doc, 0), 31);
}

TEST_F(DaysOffTest, BlockHolderNeedsTheMonthsDaysOffPlusTbbDays) {
  WorkDays(0, 21);  // 10 days off
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::InRange);
  pilot(0).TbbCredit = 269;
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::InRange);
  pilot(0).TbbCredit = 270;
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::OutsideRange);
  pilot(0).TbbCredit = 0;

  // Two deferred days lower both what he has and what he needs by one and two.
  Leave(0, 25, "DFD");
  Leave(0, 26, "DFD");
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::OutsideRange);  // have 8, need 9
  Leave(0, 27, "GRW");
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::InRange);  // need 8
  // An own minimum replaces the month's.
  pilot(0).MinDaysOffOverride() = 9;
  Leave(0, 27, "MOV");  // have 7, need 9 - 1
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::OutsideRange);
}

TEST_F(DaysOffTest, LeaveScalesTheRequirementRoundingUp) {
  // June: 30 days, 3 leave days: 27/30 of 10 is exactly 9, so 3 + 9 = 12.
  SetUpMonth(CrewKind::Captains, {1, 6, 2026}, {30, 6, 2026});
  doc->DaysOffBlockHolder = 10;
  for (int d = 0; d < 3; ++d) Leave(0, d, "LOA");
  const int p = AddPair(600, 480);
  for (int d = 3; d < 19; ++d) Assign(0, d, p);  // 30 - 16 = 14 days off, LOA days included
  EXPECT_EQ(CountDaysOff(*doc, 0), 14);
  Assign(0, 19, p);
  Assign(0, 20, p);  // 12 days off: just enough
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::InRange);
  Assign(0, 21, p);
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::OutsideRange);

  // One leave day in July: 30/31 of 10 is 9.68, rounded up to 10, so 11.
  SetUpJuly(CrewKind::Captains);
  doc->DaysOffBlockHolder = 10;
  Leave(1, 0, "BST");
  for (int d = 1; d < 21; ++d) Assign(1, d, p);  // 11 off
  EXPECT_EQ(DaysOffStatus(*doc, 1), TotalStatus::InRange);
  Assign(1, 21, p);
  EXPECT_EQ(DaysOffStatus(*doc, 1), TotalStatus::OutsideRange);
}

TEST_F(DaysOffTest, ReserveLineMustMatchExactly) {
  pilot(0).BidReserve = 1;
  WorkDays(0, 19);  // 12 days off = the reserve requirement
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::Reserve);
  WorkDays(0, 18);  // one more day off than needed
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::OutsideRange);
  // A draft credit of 271 minutes is two 270-minute steps.
  pilot(0).DraftCredit = 271;
  WorkDays(0, 17);  // 14 off
  EXPECT_EQ(DaysOffStatus(*doc, 0), TotalStatus::Reserve);

  // In a 31-day month an own minimum on a reserve line reads as 22.
  pilot(1).BelowBlockHolderLine = 1;
  pilot(1).MinDaysOffOverride() = 5;
  WorkDays(1, 9);
  EXPECT_EQ(DaysOffStatus(*doc, 1), TotalStatus::Reserve);
}

TEST_F(DaysOffTest, CreditStatusUsesOwnLimitsInclusive) {
  doc->MinCredit = 4500;
  doc->MaxCredit = 4800;
  pilot(0).BlockCreditHours = 80;  // 4800
  EXPECT_EQ(CreditStatus(*doc, 0), TotalStatus::InRange);
  pilot(0).BlockCreditMinutes = 1;
  EXPECT_EQ(CreditStatus(*doc, 0), TotalStatus::OutsideRange);
  pilot(0).MaxBlockOverride() = 4900;
  EXPECT_EQ(CreditStatus(*doc, 0), TotalStatus::InRange);
  pilot(0).MinBlockOverride() = 4802;
  EXPECT_EQ(CreditStatus(*doc, 0), TotalStatus::OutsideRange);
  pilot(0).BidReserve = 1;
  EXPECT_EQ(CreditStatus(*doc, 0), TotalStatus::Reserve);
}

}  // namespace
}  // namespace lumora::testing
