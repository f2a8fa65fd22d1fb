#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "duty_fixture.h"
#include "rules/duty_rule_checker.h"
#include "rules/duty_timeline.h"

namespace lumora::testing {
namespace {

bool Has(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

// July 2026, captains: day index d is the (d + 1)th, timeline k = 31 + d.
class DutyRuleCheckerTest : public DutyFixture {
 protected:
  void SetUp() override { SetUpJuly(CrewKind::Captains, 2); }
};

TEST_F(DutyRuleCheckerTest, SixtyHoursInSevenDaysThenTheSwitchToSeventySevenFails) {
  // Five duties from the 11th, 08:00 to 20:00; the last one minute longer for
  // crew member 1: 60:01 in seven days, and more than 12 hours for 70/7.
  for (int c = 0; c < 2; ++c)
    for (int d = 10; d <= 14; ++d) CarsDuty(c, d, 480, d == 14 ? 720 + c : 720);
  for (int c = 0; c < 2; ++c) Check(c);

  EXPECT_EQ(Item(0, " 60h"), "");
  EXPECT_TRUE(Has(pilot(0).RuleCheckLog, "Checking 15/07/2026 PASSED 2LNR 60/7 4SDFD+"));
  EXPECT_EQ(Item(1, " 60h"), " 60h/7d 2LNR Rules 15");
  EXPECT_EQ(pilot(1).ExceptionDays[14], 1);
  EXPECT_TRUE(Has(pilot(1).RuleCheckLog,
                  "Checking 15/07/2026 FAIL 60HR/7D+ATTEMPT LOGIC CHANGE to 70/7 on 10/7/2026.+"
                  "Checking 11/07/2026 PASSED 70/7.+"));
  EXPECT_TRUE(Has(pilot(1).RuleCheckLog,
                  "Checking 15/07/2026 FAIL 12HR DUTY FAILED 70/7.+ATTEMPT LOGIC CHANGE FAIL. +"));
}

TEST_F(DutyRuleCheckerTest, SeventySevenRefusesADutyBeforeSeven) {
  // Six duties of 10:01 from the 11th: 60:06 in seven days, so 70/7 decides.
  for (int c = 0; c < 2; ++c)
    for (int d = 10; d <= 15; ++d) CarsDuty(c, d, d == 15 ? 420 - c : 420, 601);
  for (int c = 0; c < 2; ++c) Check(c);
  EXPECT_EQ(Item(0, " 60h"), "");
  EXPECT_TRUE(Has(pilot(0).RuleCheckLog, "Checking 16/07/2026 PASSED 70/7.+"));
  EXPECT_EQ(Item(1, " 60h"), " 60h/7d 2LNR Rules 16");
  EXPECT_TRUE(Has(pilot(1).RuleCheckLog, "Checking 16/07/2026 FAIL EARLY/LATE DUTY FAILED 70/7.+"));
}

TEST(Over24In48Test, MoreThanTwentyFourHoursOfDutyInFortyEightReserveCountingAThird) {
  // 12:00 to 24:00, then 07:00 to 19:00 twice: the third day holds minutes
  // that end 48 hours with more than 24 hours of duty.
  const auto days = [](bool reserve, bool overlap) {
    DutyTimeline t{};
    t.DutyStart.fill(kNoTime);
    const int starts[] = {720, 420, 420};
    for (int i = 0; i < 3; ++i) {
      t.DutyStart[40 + i] = starts[i];
      t.DutyLength[40 + i] = 720;
      t.ReserveDay[40 + i] = reserve;
    }
    if (overlap) {  // a damaged timeline: the same duty twice, minute by minute
      t.DutyStart[39] = 1440 + 720;
      t.DutyLength[39] = 720;
    }
    std::vector<int> over;
    const auto marks = Over24In48Days(t);
    for (int k = 0; k < kRuleDays; ++k)
      if (marks[static_cast<std::size_t>(k)]) over.push_back(k);
    return over;
  };
  EXPECT_EQ(days(false, false), std::vector<int>{42});
  EXPECT_EQ(days(false, true), std::vector<int>{42});
  EXPECT_EQ(days(true, false), std::vector<int>{});
  EXPECT_EQ(days(true, true), std::vector<int>{});
}

// Duty every day of the previous month's last eleven days leaves no free day
// near the month's start; a pairing on the 1st from 16:00 (too late for 70/7)
// ends on the 2nd.
class SpillOverTest : public DutyFixture {
 protected:
  void Month(CivilDate first, CivilDate last, int tafb, bool baseKeepsDaylightSaving = true) {
    SetUpMonth(CrewKind::Captains, first, last, 1);
    build.descriptor("YUL320CA1");
    doc->AirportDetails =
        std::string("YUL,-0500,00030,") + (baseKeepsDaylightSaving ? "Y" : "N") + ",";
    for (int k = 20; k <= 30; ++k) PreviousDuty(0, k, 480, 480);
    Assign(0, 0, PairWithDays(960, tafb, {{960, tafb}, {-1, 0}}));
  }
};

TEST_F(SpillOverTest, ATripEndingByHalfPastMidnightMakesASpillOverDay) {
  struct Case {
    CivilDate first, last;
    int tafb;
    bool baseDst;
    const char* item;
  };
  const Case cases[] = {
      {{1, 7, 2026}, {31, 7, 2026}, 510, true, " 1"},    // 00:30: the 2nd is not tested
      {{1, 7, 2026}, {31, 7, 2026}, 511, true, " 1 2"},  // 00:31
      // The autumn change in the week before the release at a base that
      // keeps daylight saving: the spill-over day is tested after all.
      {{1, 11, 2026}, {30, 11, 2026}, 510, true, " 1 2"},
      {{1, 11, 2026}, {30, 11, 2026}, 510, false, " 1"},
      {{1, 3, 2026}, {31, 3, 2026}, 510, true, " 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.first.month) + " " + std::to_string(c.tafb));
    doc = std::make_unique<TDocument>();
    build = DocumentBuilder(*doc);
    Month(c.first, c.last, c.tafb, c.baseDst);
    Check(0);
    EXPECT_EQ(Item(0, " 60h"), std::string(" 60h/7d 2LNR Rules") + c.item);
    Check(0, true);  // the old rules know nothing of the change
    EXPECT_EQ(Item(0, " 60h"), c.tafb == 511 ? " 60h/7d 2LNR Rules 1 2" : " 60h/7d 2LNR Rules 1");
  }
}

}  // namespace
}  // namespace lumora::testing
