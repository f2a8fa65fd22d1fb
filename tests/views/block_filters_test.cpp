#include "views/block_filters.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using testing::DocumentBuilder;
using testing::PairingValues;
using testing::ScriptedUi;

std::vector<int> Order(const BlockFilterState& state) {
  return {state.displayOrder().begin(), state.displayOrder().end()};
}

// Six crew members, each the one case of a filter: 0 above the block-holder
// line, 1 on leave all month, 2 complete, 3 a checker, 4 LTC, 5 bidding
// reserve. Everyone after 0 is below the line, since 1 has no credit.
class BlockFiltersTest : public ::testing::Test {
 protected:
  BlockFiltersTest() {
    build.july2026().extended();
    for (const char* name : {"A ALPHA", "B LEAVE", "C DONE", "D CHECK", "E LTC", "F RESERVE"})
      build.crew(name);
    doc.pilot(0).BlockCreditHours = 76;  // within 75:00 to 80:00
    for (int d = 0; d < 31; ++d) {
      doc.pilot(1).DayCode[static_cast<std::size_t>(d)] = "LOA";
      doc.pilot(1).DayCell[static_cast<std::size_t>(d)] = kOtherAssignmentCell;
    }
    doc.pilot(2).BlockComplete() = 1;
    doc.pilot(3).SpecialQual() = 3;
    doc.pilot(4).SpecialQual() = 1;
    doc.pilot(5).BidReserve = 1;
    doc.view.searchChecks.fill(1);
  }

  void Toggle(std::string_view key) {
    ASSERT_TRUE(ToggleBlockFilter(doc, FindBlockFilterByKey(key)->command)) << key;
  }

  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  BlockFilterState state;
  ScriptedUi ui;
};

TEST_F(BlockFiltersTest, EachFilterShowsItsCrewMembers) {
  const struct {
    const char* key;
    std::vector<int> shown;
  } cases[] = {
      {"HideLeaveBlocks", {0, 2, 3, 4, 5}},
      {"HIDECOMPLETED", {0, 1, 3, 4, 5}},
      {"hidecheckpilots", {0, 1, 2, 4, 5}},
      {"HideBlockHolders", {1, 2, 3, 4, 5}},
      {"ShowBlockHolders", {0}},
      {"ShowCCP", {3}},
      {"ShowLTC", {4}},
  };
  for (const auto& c : cases) {
    Toggle(c.key);
    const BlockFilterOutcome outcome = ApplyBlockFilters(doc, state);
    EXPECT_EQ(Order(state), c.shown) << c.key;
    EXPECT_TRUE(outcome.repaint) << c.key;
    Toggle(c.key);
    ApplyBlockFilters(doc, state);
    EXPECT_EQ(Order(state), (std::vector<int>{0, 1, 2, 3, 4, 5})) << c.key << " off";
  }
  EXPECT_EQ(FindBlockFilterByKey("HideEverything"), nullptr);

  // A check pilot filter kept from a pilot file hides nobody in a cabin file,
  // where it cannot be released.
  Toggle("HideCheckPilots");
  build.kind(CrewKind::FlightAttendants);
  ApplyBlockFilters(doc, state);
  EXPECT_EQ(state.displayOrder().size(), 6u);
}

TEST_F(BlockFiltersTest, AGroupReleasesTheOtherAndSearchCombines) {
  Toggle("HideCompleted");
  Toggle("FilterSearch");
  Toggle("ShowLTC");
  EXPECT_FALSE(IsBlockFilterOn(doc, 552));
  EXPECT_TRUE(IsBlockFilterOn(doc, 556));
  EXPECT_TRUE(IsBlockFilterOn(doc, 550));
  RunBlockSearch(doc, "LTC", state, ui);
  EXPECT_EQ(Order(state), std::vector<int>{4});
  Toggle("HideLeaveBlocks");
  EXPECT_FALSE(IsBlockFilterOn(doc, 556));
  EXPECT_TRUE(IsBlockFilterOn(doc, 550));
  // An empty search with search-only on shows everyone the hide filter keeps.
  RunBlockSearch(doc, "  ", state, ui);
  EXPECT_EQ(Order(state), (std::vector<int>{0, 2, 3, 4, 5}));
}

TEST_F(BlockFiltersTest, ALeaveBlockReappearsOnceADayChanges) {
  Toggle("HideLeaveBlocks");
  ApplyBlockFilters(doc, state);
  EXPECT_EQ(state.displayOrder().size(), 5u);
  doc.pilot(1).DayCode[10] = "VAC";
  const BlockFilterOutcome outcome = ApplyBlockFilters(doc, state);
  EXPECT_TRUE(outcome.orderChanged);
  EXPECT_EQ(state.displayOrder().size(), 6u);
}

TEST_F(BlockFiltersTest, SearchMatchesEachCategory) {
  doc.pilot(0).Name = "J SMITH";
  doc.pilot(1).EmpNumber = 1234;  // "001234"
  doc.pilot(2).BidText = "(1). OFF 12 SIM:";
  doc.pilot(3).DayCode[40] = "RB ";  // a day after the month, stored with a blank
  build.pairing(PairingValues(501).Days({3}).Length(1));
  doc.pair(doc.LastPair).DisplayText = "M0501 YUL-YQB";
  build.place(4, doc.LastPair, 3);
  const struct {
    const char* text;
    int check;  // the only box checked, -1 all
    std::vector<int> matched;
  } cases[] = {
      {"smith, 1234", -1, {0, 1}}, {"0012", kSearchEmpNums, {1}}, {"0012", kSearchNames, {}},
      {"sim:", kSearchBids, {2}},  {"rb", kSearchPairs, {3}},     {"yqb", kSearchPairs, {4}},
      {"yqb", kSearchNames, {}},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < kSearchCheckBoxes; ++i)
      doc.view.searchChecks[static_cast<std::size_t>(i)] = c.check < 0 || c.check == i ? 1 : 0;
    const BlockSearchOutcome outcome = RunBlockSearch(doc, c.text, state, ui);
    EXPECT_GT(outcome.strings, 0) << c.text;
    std::vector<int> matched;
    for (int k = 0; k < doc.PilotCount; ++k)
      if (SearchMatched(doc.pilot(k))) matched.push_back(k);
    EXPECT_EQ(matched, c.matched) << c.text << " in box " << c.check;
  }
  EXPECT_EQ(doc.pilot(3).SearchMarks[kMarkAbsences], 0);  // cleared by the last search
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(BlockFiltersTest, EmptySearchMatchesEveryoneWithoutHighlight) {
  const BlockSearchOutcome outcome = RunBlockSearch(doc, " , ", state, ui);
  EXPECT_EQ(outcome.strings, 0);
  EXPECT_TRUE(outcome.filters.repaint);
  for (int k = 0; k < doc.PilotCount; ++k) {
    EXPECT_EQ(doc.pilot(k).SearchMarks[kMarkMatched], 1);
    EXPECT_FALSE(SearchMatched(doc.pilot(k)));
  }
}

TEST_F(BlockFiltersTest, TwentySearchStringsAtMost) {
  std::string text;
  for (int i = 1; i <= 22; ++i) text += "X" + std::to_string(i) + (i % 2 ? "," : " ");
  text += "ALPHA";
  const BlockSearchOutcome outcome = RunBlockSearch(doc, text, state, ui);
  EXPECT_EQ(outcome.strings, 20);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{kTooManySearchStrings});
  // What came after the twentieth string was not searched.
  EXPECT_FALSE(SearchMatched(doc.pilot(0)));
}

}  // namespace
}  // namespace lumora
