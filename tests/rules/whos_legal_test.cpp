#include "rules/whos_legal.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "building/block_edit.h"
#include "doubles/null_ui.h"
#include "platform/event_log.h"
#include "rules/check_block.h"
#include "rules_fixture.h"

namespace lumora::testing {
namespace {

class WhosLegalTest : public RulesFixture {
 protected:
  void SetUp() override {
    SetUpJuly(CrewKind::Captains, 6);
    wanted = AddPair(480, 600);
    TPair& p = doc->Pairs[Day(wanted)];
    p.Number = 4711;
    p.DisplayText = "4711 YUL-YTZ";
    p.DayStatus[10] = kOpenInstance;
    Assign(0, 10, AddPair(480, 600));           // A: the day is taken
    pilot(1).BidReserve = 1;                    // B: bids reserve
    pilot(2).LegalCheckIn() = 10 * 1440 + 481;  // C: not rested by the report time
    pilot(3).NoTimeZoneFlag() = 1;              // D: would gain an exception day
    pilot(4).BelowBlockHolderLine = 1;          // E: on a reserve line
    for (const int crew : {1, 2, 3, 4, 5}) pilot(crew).PairingFilterText = "08154711TEXT";
    CheckAllBlocks(*doc);
  }

  int wanted = -1;
};

TEST_F(WhosLegalTest, ListsTheLegalMarksNewExceptionsAndBidders) {
  const std::vector<int> expected{kNotLegal,           kNotLegal, kNotLegal,
                                  kLegalWithException, kLegal,    kLegal};
  for (int crew = 0; crew < 6; ++crew)
    EXPECT_EQ(TestLegalFor(*doc, crew, wanted, 10), expected[Day(crew)]) << crew;
  pilot(2).LegalCheckIn() = 10 * 1440 + 480;  // rested exactly at the report time
  EXPECT_EQ(TestLegalFor(*doc, 2, wanted, 10), kLegal);
  pilot(2).LegalCheckIn() = 10 * 1440 + 481;

  const WhosLegalLists lists = WhosLegalFor(*doc, wanted, 10);
  EXPECT_EQ(lists.caption, "Lumora - 4711 on 11 Jul");
  EXPECT_EQ(lists.legal, (std::vector<std::string>{"004 Exception-> P Dname", "006 P Fname"}));
  EXPECT_EQ(lists.bidders,
            (std::vector<std::string>{"002 P Bname", "003 P Cname", "004 <<< P Dname",
                                      "005 P Ename", "006 <<< P Fname"}));
  // Nothing real changed and the scratch slot is empty again.
  EXPECT_EQ(pilot(3).ExceptionsText, "");
  EXPECT_EQ(pilot(5).DayCell[10], kEmptyCell);
  EXPECT_EQ(doc->Pairs[Day(wanted)].DayStatus[10], kOpenInstance);
  EXPECT_EQ(pilot(kScratchPilot).Name, "");
  EXPECT_EQ(pilot(kScratchPilot).DayCell[10], 0);
}

TEST_F(WhosLegalTest, AssignNeedsASelectionAndReportsRefusals) {
  NullUi ui;
  EventLog log;
  LumoraRules rules;
  BlockViewSink views;
  BlockEditContext ctx{*doc, ui, log, rules, views};
  WhosLegalDialog dialog(ctx, wanted, 10);
  EXPECT_EQ(dialog.title(), "Lumora - 4711 on 11 Jul");
  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_EQ(ui.lastMessage, "Lumora: You have not Selected an Employee");
  // Any crew member may be asked about, listed or not.
  EXPECT_EQ(dialog.crewChoices().size(), 6u);
  dialog.whyNot(ui, 1);
  EXPECT_EQ(ui.lastMessage,
            "Lumora - Why Not?: 4711 on 11 Jul for 002 P Bname: not legal\n"
            "Bidding reserve: he bids reserve this month");

  dialog.select(1);  // F
  ASSERT_TRUE(dialog.accept(ui));
  EXPECT_EQ(pilot(5).DayCell[10], wanted);
  // The lists are not refreshed: assigning again is refused and said so.
  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_EQ(ui.lastMessage, "Lumora: Can't Assign. Previous Assignment that day");
}

}  // namespace
}  // namespace lumora::testing
