#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report_lines.h"
#include "rules/check_block.h"
#include "rules/exceptions_report.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

struct Expected {
  std::string exceptions;
  std::string warnings;
};

class CompositionTest : public RulesFixture {
 protected:
  // One-day pairing 08:00 to 18:00 on each day.
  void Work(int crew, std::vector<int> days) {
    const int p = AddPair(480, 600);
    for (const int d : days) Assign(crew, d, p);
  }
  void Reserve(int crew, int from, int to, int start = 360, int hours = 720) {
    for (int d = from; d <= to; ++d) Other(crew, d, start, hours, true, true, "R1");
  }
  void Tracking(int crew, int day, const std::string& code) {
    Other(crew, day, 0, 0, false, false, "X1");
    pilot(crew).DayCrewTracCode[Day(day)] = code;
  }
  // Worked states of the previous month's records (k = 30 its last day).
  void WorkedBefore(int crew, std::vector<int> records, int state = 1) {
    for (const int k : records) pilot(crew).Activity[Day(k)][kActWorkedState] = state;
  }
  // The composition rules' findings; the duty rules see the same work.
  Expected Check(int crew) {
    CheckBlock(*doc, crew);
    return {Without(pilot(crew).ExceptionsText, {" 60h/7d"}),
            Without(pilot(crew).WarningsText, {" 60h/7d"})};
  }
};

TEST_F(CompositionTest, ConsecutiveDaysOnCountAcrossTheMonthStart) {
  SetUpJuly(CrewKind::Captains, 6);
  Work(0, {0, 1, 2, 3, 4, 5, 6});                           // the seventh day warns
  Work(1, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});  // the count restarts
  Work(2, {0, 1, 2, 3, 4, 5});
  WorkedBefore(3, {28, 29, 30});  // three days of June and four of July
  Work(3, {0, 1, 2, 3});
  WorkedBefore(4, {24, 25, 26, 27, 28, 29, 30});  // a whole week before the month
  Work(4, {0});
  Work(5, {26, 27, 28, 29});  // the seventh day is 2 August
  Assign(5, 30, AddPair(480, 2 * 1440 + 600));
  const std::vector<Expected> expected{
      {"", " Con Days On 7+"}, {"", " Con Days On 7 14+"},         {"", ""},
      {"", " Con Days On 4+"}, {"", " Con Days On <- 30 Jun  1+"}, {"", " Con Days On NextMonth.+"},
  };
  for (int crew = 0; crew < 6; ++crew) {
    const Expected got = Check(crew);
    EXPECT_EQ(got.exceptions, expected[Day(crew)].exceptions) << crew;
    EXPECT_EQ(got.warnings, expected[Day(crew)].warnings) << crew;
  }
  EXPECT_EQ(pilot(1).WarningDays[6], 1);
  EXPECT_EQ(pilot(1).WarningDays[13], 1);
  EXPECT_EQ(pilot(1).WarningDays[7], 0);
}

TEST_F(CompositionTest, ReserveBlocksNeedTwoDaysOffAroundThemAndStopAtSeven) {
  SetUpJuly(CrewKind::Captains, 5);
  Work(0, {8});
  Reserve(0, 10, 14);  // one day off before: warned on the day after
  Reserve(1, 10, 14);  // two days off on both sides
  Reserve(2, 10, 17);  // the eighth reserve day is an exception
  Reserve(3, 10, 15);
  Reserve(3, 16, 16, 1200, 361);  // ends past 26:00: the next day is reserve too
  Reserve(4, 10, 15);
  Reserve(4, 16, 16, 1200, 360);  // ends at 26:00 exactly
  const std::vector<Expected> expected{
      {"", " Con Days On 16+"},
      {"", ""},
      {" Con Days On 18+", " Con Days On 16 17+"},
      {" Con Days On 18+", " Con Days On 16 17+"},
      {"", " Con Days On 16 17+"},
  };
  for (int crew = 0; crew < 5; ++crew) {
    const Expected got = Check(crew);
    EXPECT_EQ(got.exceptions, expected[Day(crew)].exceptions) << crew;
    EXPECT_EQ(got.warnings, expected[Day(crew)].warnings) << crew;
  }
  EXPECT_EQ(pilot(0).WarningDays[15], 1);
  EXPECT_EQ(pilot(2).ExceptionDays[17], 1);
}

TEST_F(CompositionTest, ReserveTypesKeepTheirDistanceIntoTheMonth) {
  struct Case {
    std::vector<std::pair<int, std::string>> carried;  // record, code text
    std::vector<std::pair<int, std::string>> days;     // day, tracking code
    std::string exceptions;
  };
  const std::vector<Case> cases{
      {{}, {{3, "RA"}, {4, "RB"}}, " RA RB RE Mix On 5+"},
      {{}, {{3, "RA"}, {6, "RB"}}, ""},
      {{}, {{3, "RB"}, {5, "AR"}}, " RA RB RE Mix On 6+"},
      {{}, {{3, "RA"}, {4, "RE"}}, " RA RB RE Mix On 5+"},
      {{}, {{3, "RA"}, {5, "ER"}}, ""},
      {{}, {{3, "RE"}, {4, "RA"}}, ""},
      {{{30, "RA "}}, {{0, "RB"}}, " RA RB RE Mix On 1+"},
      {{{30, "BR "}}, {{0, "RA"}}, ""},  // not type B on the last day
      {{{29, "BR "}}, {{0, "RA"}}, " RA RB RE Mix On 1+"},
      {{{28, "LRB"}}, {{0, "RE"}}, ""},  // two days between
      {{{28, "RA "}}, {{0, "RB"}}, ""},  // A is not looked for that far back
  };
  for (const Case& c : cases) {
    SetUpJuly(CrewKind::FirstOfficers, 1);
    pilot(0) = TPilot{};
    pilot(0).Name = "P";
    for (const auto& [k, code] : c.carried) pilot(0).ActivityText[Day(k)] = code;
    for (const auto& [d, code] : c.days) Tracking(0, d, code);
    EXPECT_EQ(Check(0).exceptions, c.exceptions) << c.days.back().second;
  }
}

TEST_F(CompositionTest, QualificationsListTheirDays) {
  SetUpJuly(CrewKind::Captains, 4);
  doc->CheckPilotMaxCredit = 5400;
  const int ytz = AddPair(480, 600);
  doc->Pairs[Day(ytz)].DisplayText = "0101 YUL-YTZ   USA SEGMENT ";
  doc->Pairs[Day(ytz)].Credit = 1;
  pilot(0).SpecialQual() = 3;  // Checker with 90:00 carried in
  pilot(0).CreditCarriedIn() = 5400;
  pilot(1).NoTimeZoneFlag() = 1;
  pilot(1).NoYcgFlag() = 1;
  pilot(2).AgeMedFlags() = 3;
  pilot(3).AgeMedFlags() = 2;  // Med alone: no USA rule
  for (int crew = 0; crew < 4; ++crew) {
    Assign(crew, 2, ytz);
    Assign(crew, 9, ytz);
  }
  EXPECT_EQ(Check(0).exceptions, "Check Pilot Pair Credit > 90:00+");
  EXPECT_EQ(Check(1).exceptions, " Not Qualified for YTZ on 3 10+");
  EXPECT_EQ(pilot(1).ExceptionDays[9], 1);
  EXPECT_EQ(Check(2).exceptions, " USA Pairing on 3 10+");
  EXPECT_EQ(Check(3).exceptions, "");
  pilot(0).CreditCarriedIn() = 5398;  // 5398 + 2: exactly the maximum
  EXPECT_EQ(Check(0).exceptions, "");
}

TEST_F(CompositionTest, TwoCaptainsOfOnePairingMayNotShareARestriction) {
  SetUpJuly(CrewKind::Captains, 3);
  const int own = AddPair(480, 600);
  const int copy = AddPair(480, 600);
  doc->Pairs[Day(copy)].Number = doc->Pairs[Day(own)].Number;
  doc->LastBasePair = own;
  Assign(0, 4, own);
  Assign(1, 4, copy);
  struct Case {
    int ownFlags, copyFlags;
    std::string item;
  };
  for (const Case& c : std::vector<Case>{{1, 1, " Both 60 on 2 Capt Pair+"},
                                         {2, 3, " Both MED on 2 Capt Pair+"},
                                         {3, 3, " Both MED on 2 Capt Pair+"},
                                         {1, 2, ""},
                                         {0, 3, ""}}) {
    pilot(0).AgeMedFlags() = c.ownFlags;
    pilot(1).AgeMedFlags() = c.copyFlags;
    CheckAllBlocks(*doc);
    RunTwoCaptainRule(*doc);  // a second run replaces the item
    EXPECT_EQ(pilot(1).ExceptionsText, c.item) << c.ownFlags << c.copyFlags;
    EXPECT_EQ(pilot(0).ExceptionsText, "");
  }
  pilot(0).AgeMedFlags() = 1;
  pilot(1).AgeMedFlags() = 1;
  EXPECT_EQ(ExceptionsReportLines(*doc), ReportLines({"2  P Bname:  Both 60 on 2 Capt Pair"}, {}));
}

TEST_F(CompositionTest, CabinDaysOnAndOffOnAndOffAReserveLine) {
  SetUpJuly(CrewKind::FlightAttendants, 5);
  Work(0, {0, 1, 2, 3, 4, 5, 6, 8});  // seven on, a single day off
  Work(1, {0, 1, 2, 3, 4, 5, 6, 9});  // two days off after them
  pilot(2).BidReserve = 1;
  Work(2, {0, 1, 2, 3, 4, 5});  // six on a reserve line
  pilot(3).BelowBlockHolderLine = 1;
  Work(3, {10, 12});  // a single day off before a day on
  WorkedBefore(4, {29, 30});
  pilot(4).Activity[Day(31)][kActWorkedState] = 1;
  Work(4, {1, 2, 3, 4});  // June's last two days count
  const std::vector<std::string> expected{"Con Days On/Off 7 8+", "Con Days On/Off 7+",
                                          "Con Days On/Off 6+", "Con Days On/Off 13+",
                                          "Con Days On/Off 5+"};
  for (int crew = 0; crew < 5; ++crew) EXPECT_EQ(Check(crew).warnings, expected[Day(crew)]) << crew;
  EXPECT_EQ(pilot(0).WarningDays[7], 1);
}

TEST_F(CompositionTest, RbPeriodsOnAndOffAReducedBlock) {
  SetUpJuly(CrewKind::FlightAttendants, 5);
  for (const int crew : {0, 1}) pilot(crew).MaxBlockOverride() = 3900;
  Tracking(0, 10, "RB");  // alone on a reduced block
  Tracking(1, 10, "RB");
  Tracking(1, 11, "RB");
  Tracking(2, 10, "RB");  // one day off, then work
  Work(2, {8});
  Tracking(3, 10, "RB");  // two days off on both sides
  Work(3, {7, 13});
  pilot(4).ActivityText[29] = "RSB";  // June's second-last day, work on its last
  WorkedBefore(4, {27});
  const std::vector<std::string> expected{
      " RB Days Must be Grouped in 2s for Reduced Block on  12+", "",
      " Must Have 2 Days Off before and after RB periods on 11+", "",
      " Must Have 2 Days Off before and after RB periods on Last Month+"};
  for (int crew = 0; crew < 5; ++crew)
    EXPECT_EQ(Check(crew).exceptions, expected[Day(crew)]) << crew;
}

TEST_F(CompositionTest, FamiliarizationPairingsWarnWithoutFams) {
  SetUpJuly(CrewKind::FlightAttendants, 1);
  const int fam = AddPair(480, 600);
  doc->Pairs[Day(fam)].DisplayText = "0101 EXTRA FA ON 5";
  Assign(0, 4, fam);
  EXPECT_EQ(Check(0).warnings, "");
  pilot(0).SpecialQual() = 2;
  EXPECT_EQ(Check(0).warnings, "Fam Pairing in Block on 5+");
}

TEST(ResultItems, LabelsHoldingAPlusStayWhole) {
  const std::vector<std::pair<std::string, std::vector<std::string_view>>> cases{
      {" 3+ 12 Hr Duty on 4 5+ Con Days On 7+", {" 3+ 12 Hr Duty on 4 5", " Con Days On 7"}},
      {" 112+ Hours Hard in 28 on 9+ 192h+/28d On 3+",
       {" 112+ Hours Hard in 28 on 9", " 192h+/28d On 3"}},
      {" Both 60 on 2 Capt Pair+", {" Both 60 on 2 Capt Pair"}},
      {" 3+ 12 Hr Duty on", {" 3+ 12 Hr Duty on"}},  // no terminator: the rest
  };
  for (const auto& [text, items] : cases) EXPECT_EQ(SplitItems(text), items) << text;
}

}  // namespace
}  // namespace lumora::testing
