#include <gtest/gtest.h>

#include <string>

#include "model/pilot.h"

namespace lumora {
namespace {

TEST(TPilot, ClearResetsTheBlockButKeepsTheSlotsOwnWords) {
  TPilot pilot;
  pilot.Name = "J SMITH";
  pilot.RuleCheckLog = "01 ok+";
  pilot.ReservedWord = 77;
  pilot.BelowBlockHolderLine = 1;
  pilot.DayCell[5] = 12;
  pilot.DayCode[5] = "LOA";
  pilot.DayOther[5][kOtherCredit] = 240;
  pilot.CarryIn[kLegalCheckIn] = -300;
  pilot.FaChecked = 0;
  pilot.ExportSelected = 0;
  pilot.BlockCreditHours = 300;

  pilot.Clear();
  EXPECT_EQ(pilot.DayCell[61], kEmptyCell);
  EXPECT_EQ(pilot.DayOther[5][kOtherCredit], 0);
  EXPECT_EQ(pilot.LegalCheckIn(), 0);
  EXPECT_EQ(pilot.FaChecked, 1);
  EXPECT_EQ(pilot.ExportSelected, 1);
  EXPECT_EQ(pilot.BlockCreditHours, 0);
  // Left to the next user of the slot; the block checks rewrite the log.
  EXPECT_EQ(pilot.RuleCheckLog, "01 ok+");
  EXPECT_EQ(pilot.ReservedWord, 77);
  EXPECT_EQ(pilot.BelowBlockHolderLine, 1);
}

TEST(TPilot, CopyTakesEverythingButTheRuleCheckLog) {
  TPilot source;
  source.Clear();
  source.Name = "A BROWN";
  source.RuleCheckLog = "source log+";
  source.DayCell[0] = 3;
  source.DutyTotals[92][2] = 5;
  source.BlockCreditHours = 1000;  // wider than a byte

  TPilot scratch;
  scratch.RuleCheckLog = "scratch log+";
  scratch = source;
  EXPECT_EQ(scratch.Name, "A BROWN");
  EXPECT_EQ(scratch.DayCell[0], 3);
  EXPECT_EQ(scratch.DutyTotals[92][2], 5);
  EXPECT_EQ(scratch.BlockCreditHours, 1000);
  EXPECT_EQ(scratch.RuleCheckLog, "scratch log+");
}

TEST(TPilot, Last89HardTimeNeedsAllFields) {
  TPilot pilot;
  pilot.Clear();
  std::string text;
  for (int i = 0; i < 89; ++i) {
    char field[5];
    std::snprintf(field, sizeof field, "%4d", i * 10);
    text += field;
  }
  ASSERT_EQ(text.size(), 356u);

  pilot.Last89HardTimeText = text.substr(0, 355);
  pilot.ParseLast89HardTime();
  EXPECT_EQ(pilot.Last89HardTime[88], 0);

  pilot.Last89HardTimeText = text;
  pilot.ParseLast89HardTime();
  EXPECT_EQ(pilot.Last89HardTime[0], 0);
  EXPECT_EQ(pilot.Last89HardTime[1], 10);
  EXPECT_EQ(pilot.Last89HardTime[88], 880);

  // A shorter text afterwards keeps what was parsed.
  pilot.Last89HardTimeText = "0100";
  pilot.ParseLast89HardTime();
  EXPECT_EQ(pilot.Last89HardTime[88], 880);
}

TEST(TPilot, OnLeaveAllMonthCountsLeaveCodesOnly) {
  TPilot pilot;
  pilot.Clear();
  pilot.ComputeOnLeaveAllMonth(0);
  EXPECT_EQ(pilot.OnLeaveAllMonth, 1);

  for (int d = 0; d < 30; ++d) pilot.DayCode[d] = d % 2 ? "LOA" : "MED";
  pilot.ComputeOnLeaveAllMonth(31);
  EXPECT_EQ(pilot.OnLeaveAllMonth, 0);
  pilot.DayCode[30] = "MOD";
  pilot.ComputeOnLeaveAllMonth(31);
  EXPECT_EQ(pilot.OnLeaveAllMonth, 1);

  pilot.DayCode[30] = "VAC";  // not a leave code
  pilot.ComputeOnLeaveAllMonth(31);
  EXPECT_EQ(pilot.OnLeaveAllMonth, 0);
  EXPECT_FALSE(IsLeaveCode("loa"));
}

TEST(TPilot, OverridesOfZeroOrLessMeanTheDocumentRule) {
  EXPECT_EQ(TPilot::Effective(-5, 4500), 4500);
  EXPECT_EQ(TPilot::Effective(4200, 4500), 4200);
}

}  // namespace
}  // namespace lumora
