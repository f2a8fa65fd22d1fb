#include "views/bids_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "doubles/memory_settings.h"
#include "model/document.h"
#include "platform/settings_catalogue.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

class BidsWindowTest : public ::testing::Test {
 protected:
  BidsWindowTest() {
    build.july2026()
        .extended()
        .crew("A ALPHA", 11)
        .crew("B BRAVO", 12)
        .crew("C CHARLIE", 13)
        .pairing(PairingValues(7123).Prefix("M"))
        .pairing(PairingValues(7124).Prefix("M"));
  }
  void period(CivilDate first, CivilDate last) { build.month(first, last).extended(); }
  // Crew member `crew` shown with `bid` as his bid text.
  void showBid(int crew, const std::string& bid) {
    doc->pilot(crew).BidText = bid;
    window.RebuildBidsTabs();
    window.SelectBidsTab(crew);
  }
  std::vector<int> requests(int crew, int from, int to) const {
    std::vector<int> values;
    for (int i = from; i <= to; ++i)
      values.push_back(doc->pilot(crew).DayRequest[static_cast<std::size_t>(i)]);
    return values;
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  DocumentBuilder build{*doc};
  ScriptedUi ui;
  TBidsWindow window{*doc, ui};
};

TEST(PairingFilterSummary, ShowsNumbersInclusionsAndExclusions) {
  struct Case {
    const char* filter;
    const char* summary;
  };
  const Case cases[] = {
      {"", "--- Pairing Filters: ---\nNo Filters. Click to Edit\n"},
      {"71237124", "--- Pairing Filters: ---\nNo Filters. Click to Edit\n"},
      {"71237124TEXT", "--- Pairing Filters: ---\nAlways Show:\n7123, 7124, \n"},
      {"7123TEXTYUL,!YYZ,BOS;ignored,!X",
       "--- Pairing Filters: ---\nAlways Show:\n7123, \nAlso Show Pairings Containing:\nYUL,BOS,\n"
       "But Not Containing:\nYYZ,"},
      {"TEXT!YHZ", "--- Pairing Filters: ---\nAlways Show:\n\nBut Not Containing:\nYHZ,"},
  };
  for (const Case& c : cases) EXPECT_EQ(PairingFilterSummary(c.filter), c.summary) << c.filter;
}

TEST_F(BidsWindowTest, TheGuessReadsDaysAndPairingsOfEachRequest) {
  showBid(1,
          "B BRAVO    000012\n"
          "(1). OFF 10, 11, 12\n"
          "(2). off 5-7, 12\n"
          "(3). m7123 M7124 M9999 please\n"
          "(4). OFF 20 21,15 16\n"
          "(5). X\n"
          "(6). OFF 31-29\n");
  EXPECT_EQ(window.selectedCrew(), 1);
  EXPECT_EQ(window.bidsPane(), doc->pilot(1).BidText);
  EXPECT_EQ(window.guessPane(),
            "--- Requested Days Off ---\n"
            "10, 11, 12, \n"
            "05, 06, 07, \n"
            "20, 21, 15, 16, \n"
            "31, 30, 29, \n"
            "\n--- Requested Pairings ---\n"
            "7123, 7124, \n");

  // SET FILTERS keeps the text filter behind the guessed pairings.
  doc->pilot(1).PairingFilterText = "9999TEXTYUL";
  window.SetFilters();
  EXPECT_EQ(doc->pilot(1).PairingFilterText, "71237124TEXTYUL");
  EXPECT_EQ(window.filtersPane(),
            "--- Pairing Filters: ---\nAlways Show:\n7123, 7124, \nAlso Show Pairings "
            "Containing:\nYUL,\n");

  // SET DAY OFF REQ: one number per ascending request, a new one where a
  // request that is not ascending jumps; older X requests go, a GDO stays.
  doc->pilot(1).DayRequest[0] = 25;
  doc->pilot(1).DayRequest[5] = 13;
  window.SetDayOffReq();
  EXPECT_EQ(requests(1, 0, 0), (std::vector<int>{0}));
  EXPECT_EQ(requests(1, 4, 6), (std::vector<int>{21, 13, 21}));
  EXPECT_EQ(requests(1, 9, 11), (std::vector<int>{20, 20, 20}));
  EXPECT_EQ(requests(1, 14, 15), (std::vector<int>{23, 23}));
  EXPECT_EQ(requests(1, 19, 20), (std::vector<int>{22, 22}));
  EXPECT_EQ(requests(1, 28, 30), (std::vector<int>{26, 25, 24}));
  EXPECT_EQ(doc->Modified, 1);
}

TEST_F(BidsWindowTest, DaysAreLookedUpInTheCalendarOfAnyPeriod) {
  // 15 June to 14 July: the 28th is 28 June, and 28-2 runs over the turn.
  period({15, 6, 2026}, {14, 7, 2026});
  showBid(0, "(1). OFF 28-2\n(2). OFF 28\n");
  EXPECT_EQ(window.guess(0).days[4], 2);
  window.SetDayOffReq();
  EXPECT_EQ(requests(0, 12, 18), (std::vector<int>{0, 20, 20, 20, 20, 20, 0}));

  // February's period: the 31st is 31 January, the 1st asks which.
  period({31, 1, 2027}, {1, 3, 2027});
  doc->cal.MonthNumber = 2;
  showBid(0, "(1). OFF 31, 1\n");
  ui.answers = {Answer::No};
  window.SetDayOffReq();
  EXPECT_EQ(ui.last().text, "Is this request Feb 1st Off");
  EXPECT_EQ(requests(0, 0, 1), (std::vector<int>{20, 0}));
  EXPECT_EQ(doc->pilot(0).DayRequest[29], 21);
}

TEST_F(BidsWindowTest, EditsAreKeptOnlyWhenTheUserSaysSo) {
  showBid(0, "OLD BID");
  window.setBidsPaneText("old bid, changed");
  ui.answers = {Answer::No};
  window.SelectBidsTab(2);
  EXPECT_EQ(ui.shown.size(), 1U);
  EXPECT_EQ(ui.last().text, "Save Changes to Bid for A ALPHA");
  EXPECT_EQ(doc->pilot(0).BidText, "OLD BID");

  // The grid's changes rebuild the tabs: his edit stays until he goes.
  window.SelectBidsTab(0);
  window.setBidsPaneText("edited");
  window.RebuildBidsTabs();
  EXPECT_EQ(window.bidsPane(), "edited");
  EXPECT_EQ(ui.shown.size(), 1U);
  ui.answers = {Answer::No};
  const std::vector<int> withoutHim{1, 2};
  window.RebuildBidsTabs(withoutHim);
  EXPECT_EQ(ui.shown.size(), 2U);
  EXPECT_EQ(doc->pilot(0).BidText, "OLD BID");

  window.RebuildBidsTabs();
  window.SelectBidsTab(0);
  window.setBidsPaneText("new bid");
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(window.StoreBidEdits());
  EXPECT_EQ(doc->pilot(0).BidText, "NEW BID");
  EXPECT_FALSE(window.StoreBidEdits());  // nothing left to ask about
  EXPECT_EQ(ui.shown.size(), 3U);
}

TEST_F(BidsWindowTest, TabsFollowTheDisplayOrderAndKeepTheirCrewMember) {
  bool filtersOn = true;
  std::vector<int> filtered;
  window.setHooks({[&filtersOn] { return filtersOn; },
                   [&filtered](int crew) { filtered.push_back(crew); },
                   {},
                   {},
                   {},
                   {},
                   {}});
  const std::vector<int> order{2, 0, 1};
  window.RebuildBidsTabs(order);
  EXPECT_EQ(window.tabLabel(0), "3. C CHARLIE");
  EXPECT_EQ(window.selectedCrew(), 2);
  window.SelectBidsTab(window.tabOfCrew(1));
  EXPECT_EQ(filtered, (std::vector<int>{1}));
  EXPECT_EQ(window.filtersToggleLabel(), "SET FILTERS OFF");

  const std::vector<int> fewer{0, 1};
  window.RebuildBidsTabs(fewer);
  EXPECT_EQ(window.selectedTab(), 1);
  const std::vector<int> none;
  window.RebuildBidsTabs(none);
  EXPECT_EQ(window.selectedCrew(), -1);
  window.SetDayOffReq();  // nothing to act on
  window.SetFilters();
  EXPECT_EQ(doc->Modified, 0);
}

TEST(BidsWindowPlacement, StaysOnTheScreen) {
  MemorySettings settings;
  EXPECT_EQ(BidsWindowPlacement(settings, 1920, 1080), (Rect{200, 300, 1160, 640}));
  StoreBidsWindowPlacement(settings, {1900, 1070, 2300, 1370});
  EXPECT_EQ(BidsWindowPlacement(settings, 1920, 1080), (Rect{200, 300, 600, 600}));
  EXPECT_EQ(BidsWindowPlacement(settings, 2560, 1440), (Rect{1900, 1070, 2300, 1370}));
}

}  // namespace
}  // namespace lumora::testing
