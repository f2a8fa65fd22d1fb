#include <gtest/gtest.h>

#include "rules/rest_rules.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class AssignmentRestTest : public RulesFixture {
 protected:
  // A pairing on day 3 released at 18:00 (reports 08:00, 10:00 away), and a
  // new one-day pairing that reports at `onTime` on day 4.
  AssignCheckResult AfterEvening(int onTime) {
    Assign(0, 3, AddPair(480, 600));
    return CheckAssignmentRest(*doc, 0, AddPair(onTime, 600), 4);
  }
};

TEST_F(AssignmentRestTest, RestBeforeBoundariesForPilotsAndFlightAttendants) {
  struct Case {
    CrewKind kind;
    int onTime;  // after a release at 18:00 the day before
    bool accepted;
    const char* restBefore;
  };
  const Case cases[] = {
      {CrewKind::Captains, 299, false, ""},
      {CrewKind::Captains, 300, true, " 11:00 Crew Rest Before "},
      {CrewKind::Captains, 359, true, " 11:59 Crew Rest Before "},
      {CrewKind::Captains, 360, true, ""},
      {CrewKind::FlightAttendants, 239, false, ""},
      {CrewKind::FlightAttendants, 240, true, " 10:00 Crew Rest Before "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.onTime);
    SetUpJuly(c.kind);
    const AssignCheckResult r = AfterEvening(c.onTime);
    EXPECT_EQ(r.accepted, c.accepted);
    EXPECT_EQ(r.restBefore, c.restBefore);
    EXPECT_EQ(r.restAfter, "");
  }
}

TEST_F(AssignmentRestTest, PilotRestAfterBoundaries) {
  SetUpJuly(CrewKind::FirstOfficers);
  Assign(0, 5, AddPair(300, 600));        // reports 05:00 on day 5
  const int evening = AddPair(480, 600);  // released 18:00 on day 4
  const AssignCheckResult r = CheckAssignmentRest(*doc, 0, evening, 4);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.restBefore, "");
  EXPECT_EQ(r.restAfter, " 11:00 Crew Rest After ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(481, 600), 4).accepted);
}

TEST_F(AssignmentRestTest, FirstDutyOfTheMonthMeetsTheLegalCheckIn) {
  SetUpJuly(CrewKind::Captains);
  pilot(0).LegalCheckIn() = 1440 + 600;  // day 1 at 10:00
  // The check-in time already holds the rest, so reporting at it shows 11:00.
  const AssignCheckResult atCheckIn = CheckAssignmentRest(*doc, 0, AddPair(600, 480), 1);
  EXPECT_TRUE(atCheckIn.accepted);
  EXPECT_EQ(atCheckIn.restBefore, " 11:00 Crew Rest Before ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(599, 480), 1).accepted);
  EXPECT_EQ(CheckAssignmentRest(*doc, 0, AddPair(660, 480), 1).restBefore, "");

  // Flight attendants: the allowance is 12:00 and the minimum 10:00, so two
  // hours before the check-in time still passes this test.
  doc->CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  const AssignCheckResult early = CheckAssignmentRest(*doc, 0, AddPair(480, 480), 1);
  EXPECT_TRUE(early.accepted);
  EXPECT_EQ(early.restBefore, " 10:00 Crew Rest Before ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(479, 480), 1).accepted);
}

TEST_F(AssignmentRestTest, OtherAssignmentsAroundTheNewPairing) {
  SetUpJuly(CrewKind::Captains);
  // A duty day before: its hours at work count like a pairing's time away.
  Other(0, 3, 480, 600, true, false, "SIM");
  EXPECT_EQ(CheckAssignmentRest(*doc, 0, AddPair(300, 480), 4).restBefore,
            " 11:00 Crew Rest Before ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(299, 480), 4).accepted);

  // A non-duty day before: the rest is counted from its start and is never mentioned.
  Other(0, 3, 1200, 240, false);  // starts 20:00
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(419, 480), 4).accepted);
  const AssignCheckResult afterDayOff = CheckAssignmentRest(*doc, 0, AddPair(420, 480), 4);
  EXPECT_TRUE(afterDayOff.accepted);
  EXPECT_EQ(afterDayOff.restBefore, "");

  // A non-duty day after: its test starts 11:00 after its own start, so a
  // release at 00:00 before a day off from 00:00 is 11:00 of rest.
  Other(0, 6, 0, 1440, false);
  const AssignCheckResult beforeDayOff = CheckAssignmentRest(*doc, 0, AddPair(840, 600), 5);
  EXPECT_TRUE(beforeDayOff.accepted);
  EXPECT_EQ(beforeDayOff.restAfter, " 11:00 Crew Rest After ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(840, 601), 5).accepted);
}

TEST_F(AssignmentRestTest, NextDutyIsSoughtUpToThirtyDaysAfterTheMonth) {
  SetUpMonth(CrewKind::Captains, {1, 6, 2026}, {30, 6, 2026});  // 30 days
  // A long pairing from day 29 released at 00:00 on day 60 (L + 30).
  const int longPair = AddPair(0, 31 * 1440);
  Assign(0, 60, AddPair(660, 480));
  EXPECT_EQ(CheckAssignmentRest(*doc, 0, longPair, 29).restAfter, " 11:00 Crew Rest After ");
  pilot(0).DayCell[60] = kEmptyCell;
  Assign(0, 61, AddPair(0, 480));  // past L + 30: not looked at
  const AssignCheckResult r = CheckAssignmentRest(*doc, 0, longPair, 29);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.restAfter, "");
}

TEST_F(AssignmentRestTest, BadIndexesAndBadCellsAreSafe) {
  SetUpJuly(CrewKind::Captains);
  const int p = AddPair(480, 600);
  EXPECT_FALSE(CheckAssignmentRest(*doc, -1, p, 3).accepted);
  EXPECT_FALSE(CheckAssignmentRest(*doc, kPilotSlots, p, 3).accepted);
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, p + 1, 3).accepted);
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, p, kBlockDays).accepted);
  // Cells that no repair has seen hold numbers that are no pairing: empty.
  pilot(0).DayCell[2] = 2999;
  pilot(0).DayCell[4] = -7;
  pilot(0).DayCell[5] = 1'000'000;
  EXPECT_TRUE(CheckAssignmentRest(*doc, 0, p, 3).accepted);
}

TEST_F(AssignmentRestTest, SpringChangeShortensTheRestAcrossIt) {
  // March 2026: the change is at 02:00 on Sunday 8 March, day index 6.
  SetUpMonth(CrewKind::Captains, {2, 3, 2026}, {31, 3, 2026});
  ASSERT_EQ(doc->cal.DstMoment, 6 * 1440 + 120);
  Assign(0, 5, AddPair(480, 720));  // released 20:00 on day 5
  // 12:00 on the clock is 11:00 of rest.
  const AssignCheckResult r = CheckAssignmentRest(*doc, 0, AddPair(480, 480), 6);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.restBefore, " 11:00 Crew Rest Before ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(479, 480), 6).accepted);

  // The change between the new pairing's report and the next duty: the rest after.
  Assign(1, 6, AddPair(480, 480));  // reports 08:00 on day 6
  const AssignCheckResult after = CheckAssignmentRest(*doc, 1, AddPair(480, 720), 5);
  EXPECT_TRUE(after.accepted);
  EXPECT_EQ(after.restAfter, " 11:00 Crew Rest After ");
}

TEST_F(AssignmentRestTest, AutumnChangeLengthensTheRestAcrossIt) {
  // November 2026: the change is at 02:00 on Sunday 1 November, day index 0.
  SetUpMonth(CrewKind::Captains, {1, 11, 2026}, {30, 11, 2026});
  ASSERT_EQ(doc->cal.DstMoment, 120);
  ASSERT_EQ(doc->cal.DstShift, -60);
  Assign(0, 0, AddPair(60, 1380));  // 01:00 to 24:00, across the change
  // 10:00 on the clock is 11:00 of rest.
  const AssignCheckResult r = CheckAssignmentRest(*doc, 0, AddPair(600, 480), 1);
  EXPECT_TRUE(r.accepted);
  EXPECT_EQ(r.restBefore, " 11:00 Crew Rest Before ");
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(599, 480), 1).accepted);

  // Without a change in the month the same clock times are too short.
  SetUpJuly(CrewKind::Captains);
  EXPECT_FALSE(CheckAssignmentRest(*doc, 0, AddPair(600, 480), 1).accepted);
}

}  // namespace
}  // namespace lumora::testing
