#include "rules/why_not.h"

#include <gtest/gtest.h>

#include <string>

#include "files/schedule_file.h"
#include "rules/check_block.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class WhyNotTest : public RulesFixture {
 protected:
  void SetUp() override {
    SetUpJuly(CrewKind::Captains, 5);
    wanted = AddPair(480, 600);
    TPair& p = doc->Pairs[Day(wanted)];
    p.Number = 815;
    p.DayStatus[10] = kOpenInstance;
    p.DailyHardTime[0] = 180;
    Assign(1, 10, AddPair(480, 600));           // B: the day is taken
    pilot(2).BidReserve = 1;                    // C: bids reserve
    pilot(3).LegalCheckIn() = 10 * 1440 + 481;  // D: a minute short of his rest
    // E: 110 hours hard in the last 11 days of June; the pairing's three
    // take his 28 days ending on the 11th past 112.
    for (int k = kPrevDays - 11; k < kPrevDays; ++k)
      pilot(4).Activity[Day(k)][kActDailyHardTime] = 600;
    CheckAllBlocks(*doc);
  }

  int wanted = -1;
};

TEST_F(WhyNotTest, NamesTheRefusingRuleWithItsFiguresAndChangesNothing) {
  const std::vector<std::uint8_t> bytes = EncodeScheduleFile(*doc, kScheduleFile);
  struct Case {
    int crew;
    int day;
    const char* rule;  // nullptr: legal
    const char* figures;
  };
  const Case cases[] = {
      {0, 10, nullptr, ""},
      {1, 10, "Day taken", "11 Jul holds pairing 0101"},
      {2, 10, "Bidding reserve", "he bids reserve this month"},
      {3, 10, "Rest", "rest 10:59 before 11 Jul, minimum 11:00"},
      {4, 10, "112+ Hours Hard in 28 on 11 12 13 14 15 16 17",
       "113:00 in 28 days ending 11 Jul, limit 112:00"},
      {0, 11, "No instance", "pairing 0815 does not start on 12 Jul"},
  };
  for (const Case& c : cases) {
    const WhyNot why = ExplainWhyNot(*doc, c.crew, wanted, c.day);
    EXPECT_EQ(why.legal, c.rule == nullptr) << c.crew;
    if (c.rule == nullptr) continue;
    ASSERT_NE(why.main(), nullptr) << c.crew;
    EXPECT_EQ(why.main()->rule, c.rule) << c.crew;
    EXPECT_EQ(why.main()->figures, c.figures) << c.crew;
  }
  EXPECT_EQ(ExplainWhyNotText(*doc, 3, wanted, 10),
            "0815 on 11 Jul for 004 P Dname: not legal\n"
            "Rest: rest 10:59 before 11 Jul, minimum 11:00");
  EXPECT_EQ(EncodeScheduleFile(*doc, kScheduleFile), bytes);
  EXPECT_EQ(pilot(kScratchPilot).Name, "");
  EXPECT_EQ(pilot(kScratchPilot).DayCell[10], 0);
}

}  // namespace
}  // namespace lumora::testing
