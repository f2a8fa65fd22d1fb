#include <gtest/gtest.h>

#include "rules/check_block.h"
#include "rules/rest_rules.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

// July 2026: day index d is the (d + 1)th.
class PilotBlockRestTest : public RulesFixture {
 protected:
  void SetUp() override { SetUpJuly(CrewKind::Captains, 6); }

  // Crew member `crew`: a pairing released at 18:00 on day 3 (after a
  // required rest of `minRest`), then one that reports at `onTime` on day 4.
  void TwoPairings(int crew, int onTime, int minRest = 660) {
    Assign(crew, 3, AddPair(480, 600, 1, minRest));
    Assign(crew, 4, AddPair(onTime, 480));
  }

  void Check(int crew) { CheckBlock(*doc, crew); }
  const std::string& exceptions(int crew) { return pilot(crew).ExceptionsText; }
  const std::string& warnings(int crew) { return pilot(crew).WarningsText; }
};

TEST_F(PilotBlockRestTest, ElevenHoursOrThePairingsOwnRestWarnAndLessIsAnException) {
  struct Case {
    int onTime, minRest;
    const char* exceptions;
    const char* warnings;
  };
  const Case cases[] = {
      {299, 660, "Rest  5+", ""},  {300, 660, "", " Rest  5+"}, {359, 660, "", " Rest  5+"},
      {360, 660, "", ""},          {419, 780, "Rest  5+", ""},  // 12:59 where 13:00 is needed
      {420, 780, "", " Rest  5+"}, {480, 780, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.onTime);
    pilot(0).DayCell.fill(kEmptyCell);
    TwoPairings(0, c.onTime, c.minRest);
    Check(0);
    EXPECT_EQ(exceptions(0), c.exceptions);
    EXPECT_EQ(warnings(0), c.warnings);
    EXPECT_EQ(pilot(0).ExceptionDays[4], *c.exceptions != '\0');
    EXPECT_EQ(pilot(0).WarningDays[4], *c.warnings != '\0');
  }
}

TEST_F(PilotBlockRestTest, TheFirstDutyMeetsTheLegalCheckIn) {
  for (int c = 0; c < 3; ++c) pilot(c).LegalCheckIn() = 2 * 1440 + 600;  // day 2, 10:00
  Assign(0, 2, AddPair(659, 480));                                       // 59 minutes after
  Assign(1, 2, AddPair(660, 480));                                       // 60 minutes after
  Assign(2, 2, AddPair(599, 480));                                       // one minute before
  for (int c = 0; c < 3; ++c) Check(c);
  EXPECT_EQ(warnings(0), " Rest  3+");
  EXPECT_EQ(exceptions(0), "");
  EXPECT_EQ(warnings(1) + exceptions(1), "");
  EXPECT_EQ(exceptions(2), "Rest  3+");
}

TEST_F(PilotBlockRestTest, ReserveDutyMayStartTwoHoursOneMinuteEarly) {
  // E is 05:00 on day 4 after a release at 18:00 on day 3.
  Assign(0, 3, AddPair(480, 600));
  Other(0, 4, 179, 1320, true, true, "RSV");  // 02:59: 2:01 early, 22 hours
  Assign(1, 3, AddPair(480, 600));
  Other(1, 4, 178, 600, true, true, "RSV");  // 02:58: 2:02 early
  for (int c = 0; c < 2; ++c) Check(c);
  EXPECT_EQ(warnings(0) + exceptions(0), "");
  EXPECT_EQ(exceptions(1), "Rest  5+");
  EXPECT_EQ(warnings(1), "");

  // After reserve 8:59 of rest suffice: the reserve duty ends at 00:59.
  Assign(0, 5, AddPair(598, 480));  // 09:58
  Assign(2, 3, AddPair(480, 600));
  Other(2, 4, 179, 1320, true, true, "RSV");
  Assign(2, 5, AddPair(597, 480));  // 09:57
  Check(0);
  Check(2);
  EXPECT_EQ(exceptions(0), "");
  EXPECT_EQ(exceptions(2), "Rest  6+");
}

TEST_F(PilotBlockRestTest, ReserveOnTheFirstDayAfterAReserveDay) {
  for (int c = 0; c < 2; ++c) {
    pilot(c).LegalCheckIn() = 600;
    Other(c, 0, 540, 480, true, true, "RSV");  // an hour before the check-in time
  }
  pilot(0).Activity[30][kActWorkedState] = 2;
  Check(0);
  Check(1);
  EXPECT_EQ(exceptions(0), "Rest  1+");
  EXPECT_EQ(pilot(0).ExceptionDays[0], 1);
  EXPECT_EQ(exceptions(1), "");
}

TEST_F(PilotBlockRestTest, DaysOffNeedTheDutyEndedInTime) {
  // "VAC": the previous duty must have ended by 02:00 of that day.
  Assign(0, 3, AddPair(960, 600));  // ends 02:00 on day 4
  Other(0, 4, 0, 1440, false, false, "VAC");
  Assign(1, 3, AddPair(960, 601));
  Other(1, 4, 0, 1440, false, false, "VAC");
  // "X1" from 00:00: by 00:00.
  Assign(2, 3, AddPair(840, 600));  // ends 00:00 on day 4
  Other(2, 4, 0, 1440, false, false, "X1");
  Assign(3, 3, AddPair(840, 601));
  Other(3, 4, 0, 1440, false, false, "X1");
  // A reserve-flagged day off is never an exception.
  Assign(4, 3, AddPair(840, 900));
  Other(4, 4, 0, 1440, false, true, "X1");
  for (int c = 0; c < 5; ++c) Check(c);
  EXPECT_EQ(exceptions(0), "");
  EXPECT_EQ(exceptions(1), "Rest  5+");
  EXPECT_EQ(exceptions(2), "");
  EXPECT_EQ(exceptions(3), "Rest  5+");
  EXPECT_EQ(exceptions(4), "");

  // A day off adds no rest of its own: its end is the earliest start.
  Other(5, 4, 0, 1440, false, false, "X1");
  Assign(5, 5, AddPair(0, 480));
  Check(5);
  EXPECT_EQ(exceptions(5), "");
  EXPECT_EQ(warnings(5), " Rest  6+");
}

TEST_F(PilotBlockRestTest, DaysAfterTheMonthAreMarked) {
  Assign(0, 20, AddPair(480, 600));  // within the month
  Assign(0, 21, AddPair(300, 480));  // 11:00: warning on the 22nd
  Assign(0, 32, AddPair(480, 600));  // 2 August
  Assign(0, 33, AddPair(240, 480));  // 3 August, 10:00: exception
  Check(0);
  EXPECT_EQ(exceptions(0), "Rest  3>+");
  EXPECT_EQ(warnings(0), " Rest  22+");
  EXPECT_EQ(pilot(0).ExceptionDays[33], 1);
}

TEST_F(PilotBlockRestTest, CheckBlockStartsAfreshAndLeavesPseudoLinesAlone) {
  TwoPairings(0, 299);
  pilot(0).ExceptionsText = "stale+";
  pilot(0).WarningsText = "stale+";
  pilot(0).RuleCheckLog = "stale+";
  pilot(0).WarningDays[9] = 1;
  Check(0);
  EXPECT_EQ(exceptions(0), "Rest  5+");
  EXPECT_EQ(warnings(0), "");
  EXPECT_EQ(pilot(0).RuleCheckLog.find("stale"), std::string::npos);
  EXPECT_EQ(pilot(0).WarningDays[9], 0);

  pilot(0).EmpNumber = -1;
  pilot(0).DayCell.fill(kEmptyCell);
  Check(0);
  EXPECT_EQ(exceptions(0), "Rest  5+");

  CheckBlock(*doc, -1);
  CheckBlock(*doc, kPilotSlots);  // no slot: nothing happens
}

TEST_F(PilotBlockRestTest, ADaylightSavingChangeCountsTheRestAnHourShorterOrLonger) {
  struct Case {
    CivilDate first, last;
    int day, report, tafb, onTime;  // a pairing, then the next at `onTime` the day after
    const char* withChange;
    const char* without;
  };
  // Spring on day 6: 12:00 on the clock is 11:00. Autumn on day 0: 10:00 is 11:00.
  const Case cases[] = {{{2, 3, 2026}, {31, 3, 2026}, 5, 480, 720, 480, " Rest  8+", ""},
                        {{1, 11, 2026}, {30, 11, 2026}, 0, 60, 1380, 600, " Rest  2+", "Rest  2+"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.withChange);
    SetUpMonth(CrewKind::Captains, c.first, c.last, 2);
    for (int crew = 0; crew < 2; ++crew) {
      pilot(crew).DayCell.fill(kEmptyCell);
      Assign(crew, c.day, AddPair(c.report, c.tafb));
      Assign(crew, c.day + 1, AddPair(c.onTime, 480));
    }
    Check(0);
    EXPECT_EQ(warnings(0) + exceptions(0), c.withChange);
    doc->cal.DstShift = 0;  // the same block without the change
    Check(1);
    EXPECT_EQ(warnings(1) + exceptions(1), c.without);
  }
}

class CabinBlockRestTest : public RulesFixture {
 protected:
  void SetUp() override { SetUpJuly(CrewKind::FlightAttendants, 4); }
};

TEST_F(CabinBlockRestTest, TenHoursPassTheAssignmentTestButOnlySpillOversMayHaveThem) {
  const bool spill[4][2] = {{false, false}, {true, true}, {false, true}, {true, false}};
  for (int c = 0; c < 4; ++c) {
    Assign(c, 3, AddPair(480, 600, 1, 660, spill[c][0]));     // released 18:00
    const int next = AddPair(240, 480, 1, 660, spill[c][1]);  // 04:00: 10:00 of rest
    EXPECT_TRUE(CheckAssignmentRest(*doc, c, next, 4).accepted);
    Assign(c, 4, next);
    CheckBlock(*doc, c);
  }
  EXPECT_EQ(pilot(0).ExceptionsText, " Rest  5+");
  EXPECT_EQ(pilot(0).ExceptionDays[4], 1);
  EXPECT_EQ(pilot(1).ExceptionsText, "");
  EXPECT_EQ(pilot(2).ExceptionsText, " Rest  5+");
  EXPECT_EQ(pilot(3).ExceptionsText, " Rest  5+");
  for (int c = 0; c < 4; ++c) EXPECT_EQ(pilot(c).WarningsText, "");
}

TEST_F(CabinBlockRestTest, TwelveHoursAfterEveryDuty) {
  Assign(0, 3, AddPair(480, 600));
  Assign(0, 4, AddPair(360, 480));  // 12:00
  Other(1, 3, 480, 600, true, false, "SIM");
  Assign(1, 4, AddPair(359, 480));
  CheckBlock(*doc, 0);
  CheckBlock(*doc, 1);
  EXPECT_EQ(pilot(0).ExceptionsText, "");
  EXPECT_EQ(pilot(1).ExceptionsText, " Rest  5+");
}

TEST_F(CabinBlockRestTest, SpillOverFromThePreviousMonth) {
  for (int c = 0; c < 3; ++c) {
    pilot(c).LegalCheckIn() = 600;
    DayRecord& lastDay = pilot(c).Activity[30];
    lastDay[kActPairingStart] = 1081;
    lastDay[kActPairingTafb] = 481;
  }
  pilot(2).Activity[31][kActCredit] = 30;          // the tail is credited this month
  Assign(0, 0, AddPair(480, 600, 1, 660, true));   // spill-over: two hours early is fine
  Assign(1, 0, AddPair(480, 600, 1, 660, false));  // not a spill-over
  Assign(2, 0, AddPair(480, 600, 1, 660, true));
  for (int c = 0; c < 3; ++c) CheckBlock(*doc, c);
  EXPECT_EQ(pilot(0).ExceptionsText, "");
  EXPECT_EQ(pilot(1).ExceptionsText, " Rest  1+");
  EXPECT_EQ(pilot(2).ExceptionsText, " Rest  1+");
}

TEST_F(CabinBlockRestTest, DaysAfterTheMonthAreFlaggedButNotListed) {
  Assign(0, 32, AddPair(480, 600));
  Assign(0, 33, AddPair(240, 480));
  CheckBlock(*doc, 0);
  EXPECT_EQ(pilot(0).ExceptionDays[33], 1);
  EXPECT_EQ(pilot(0).ExceptionsText, " Rest +");
}

}  // namespace
}  // namespace lumora::testing
