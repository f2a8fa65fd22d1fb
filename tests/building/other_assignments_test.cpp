#include "building/other_assignments.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "building/block_figures.h"
#include "building_fixture.h"

namespace lumora::testing {
namespace {

ToolboxItem Code(std::string code, std::int32_t credit, std::uint8_t reserve = 0) {
  return {std::move(code), "message", "CT", credit, 720, 240, 15, reserve, 1, 0, 1};
}

ToolboxItem Request(int number) {
  ToolboxItem item;
  item.code = "X" + std::to_string(number);
  item.credit = -number;
  return item;
}

class OtherAssignmentsTest : public BuildingTest {
 protected:
  OtherAssignmentsTest() {
    doc.CrewType = static_cast<std::uint8_t>(CrewKind::FirstOfficers);
    crew = AddCrew("J SMITH");
    doc.cal.MonthText = "Jul";
  }

  TPilot& pilot() { return doc.Pilots[crew]; }

  int crew = 0;
};

TEST_F(OtherAssignmentsTest, PlacingACodeFillsTheDayAndRefreshesTheBlock) {
  const ToolboxItem vac = Code("VAC", 170);
  EXPECT_EQ(PlaceToolboxItem(ctx, vac, crew, 4), PlaceResult::Placed);

  EXPECT_EQ(pilot().DayCell[4], kOtherAssignmentCell);
  EXPECT_EQ(pilot().DayOther[4], (DayRecord{720, 240, 170, 15, 0, 1, 0, 1, 0, 0}));
  EXPECT_EQ(pilot().DayCode[4], "VAC");
  EXPECT_EQ(pilot().DayCrewTracCode[4], "CT");
  EXPECT_EQ(BlockCreditOf(pilot()), 170);
  EXPECT_EQ(rules.checkedBlocks, std::vector<int>{crew});
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_EQ(views.cells.front(), std::make_tuple(crew, 4, 2));
  // No reserve: the summary rows stay as they are.
  EXPECT_EQ(std::count(views.rows.begin(), views.rows.end(), BlockViewSink::kAllRows), 0);

  // A reserve code also repaints the summary rows.
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("RA", 0, 1), crew, 5), PlaceResult::Placed);
  EXPECT_EQ(pilot().DayOther[5][kOtherReserve], 1);
  EXPECT_GT(std::count(views.rows.begin(), views.rows.end(), BlockViewSink::kAllRows), 0);
  EXPECT_EQ(views.rows.back(), crew);

  // Captain files repaint every row for the two-captain rule.
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  PlaceToolboxItem(ctx, Code("SIM", 240), crew, 2);
  EXPECT_EQ(views.rows.back(), BlockViewSink::kAllRows);
}

TEST_F(OtherAssignmentsTest, RequestItemsToggleTheDaysRequestNumber) {
  EXPECT_EQ(PlaceToolboxItem(ctx, Request(10), crew, 7), PlaceResult::RequestSet);
  EXPECT_EQ(pilot().DayRequest[7], 10);
  EXPECT_EQ(pilot().DayCell[7], kEmptyCell);
  // A request is a change of the block that must be saved.
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_TRUE(rules.checkedBlocks.empty());

  EXPECT_EQ(PlaceToolboxItem(ctx, Request(10), crew, 7), PlaceResult::RequestCleared);
  EXPECT_EQ(pilot().DayRequest[7], 0);

  // Another request on a day that has one clears it.
  pilot().DayRequest[8] = 13;
  EXPECT_EQ(PlaceToolboxItem(ctx, Request(1), crew, 8), PlaceResult::RequestCleared);
  EXPECT_EQ(pilot().DayRequest[8], 0);

  // A stored entry's credit can be any negative value; only 1 to 51 are requests.
  ToolboxItem huge = Request(1);
  huge.credit = INT32_MIN;
  EXPECT_EQ(PlaceToolboxItem(ctx, huge, crew, 9), PlaceResult::BadRequest);
  huge.credit = -51;
  EXPECT_EQ(PlaceToolboxItem(ctx, huge, crew, 9), PlaceResult::RequestSet);
  EXPECT_EQ(pilot().DayRequest[9], 51);
}

TEST_F(OtherAssignmentsTest, TheLastDayOfAPairingTakesACodeTheDaysBeforeDoNot) {
  const int trip = AddPairing(101, {10}, 3);
  Place(crew, trip, 10);
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), crew, 10), PlaceResult::NotEmpty);
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), crew, 11), PlaceResult::InsidePairing);
  EXPECT_EQ(PlaceToolboxItem(ctx, Request(1), crew, 11), PlaceResult::InsidePairing);
  EXPECT_EQ(pilot().DayCell[11], kEmptyCell);
  EXPECT_EQ(pilot().DayRequest[11], 0);
  EXPECT_EQ(doc.Modified, 0);
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), crew, 12), PlaceResult::Placed);

  // An other assignment between the pairing and the day does not hide it.
  const int longTrip = AddPairing(102, {20}, 4);
  Place(crew, longTrip, 20);
  pilot().DayCell[21] = kOtherAssignmentCell;
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), crew, 22), PlaceResult::InsidePairing);
}

TEST_F(OtherAssignmentsTest, OccupiedDaysPseudoLinesAndStrayIndexesPlaceNothing) {
  ASSERT_EQ(PlaceToolboxItem(ctx, Code("VAC", 170), crew, 3), PlaceResult::Placed);
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), crew, 3), PlaceResult::NotEmpty);
  EXPECT_EQ(pilot().DayCode[3], "VAC");

  const int pseudo = AddCrew("CAPT PAIRINGS", -1);
  doc.Modified = 0;
  EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), pseudo, 3), PlaceResult::PseudoLine);
  EXPECT_EQ(PlaceToolboxItem(ctx, Request(2), pseudo, 3), PlaceResult::PseudoLine);
  EXPECT_EQ(doc.Pilots[pseudo].DayCell[3], kEmptyCell);
  EXPECT_EQ(doc.Pilots[pseudo].DayRequest[3], 0);
  EXPECT_EQ(doc.Modified, 0);

  for (const auto& [c, d] : std::vector<std::pair<int, int>>{
           {-1, 0}, {doc.PilotCount, 0}, {crew, -1}, {crew, 31}, {crew, 61}}) {
    EXPECT_EQ(PlaceToolboxItem(ctx, Code("SIM", 240), c, d), PlaceResult::OutOfRange);
  }
}

TEST_F(OtherAssignmentsTest, TheLeaveBlockMarkNeedsEveryDayOfTheMonth) {
  for (int d = 0; d < 30; ++d) {
    ASSERT_EQ(PlaceToolboxItem(ctx, Code(d % 2 ? "LOA" : "MED", 170), crew, d),
              PlaceResult::Placed);
  }
  EXPECT_EQ(pilot().OnLeaveAllMonth, 0);
  PlaceToolboxItem(ctx, Code("PWC", 0), crew, 30);
  EXPECT_EQ(pilot().OnLeaveAllMonth, 1);

  // Taking one day out ends it.
  EXPECT_TRUE(RemoveOtherAssignment(ctx, crew, 30, true));
  EXPECT_EQ(pilot().OnLeaveAllMonth, 0);
}

TEST_F(OtherAssignmentsTest, RemovalAsksUnlessShiftIsHeld) {
  PlaceToolboxItem(ctx, Code("RA", 0, 1), crew, 6);
  doc.Modified = 0;
  views.rows.clear();

  ui.answers.push_back(Answer::No);
  EXPECT_FALSE(RemoveOtherAssignment(ctx, crew, 6, false));
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0],
            "Confirm remove RA from J SMITH. Hold Shift Key down while Right Clicking to avoid "
            "this message");
  EXPECT_EQ(ui.shown[0].caption, "Lumora");
  EXPECT_EQ(ui.shown[0].buttons, Buttons::YesNo);
  EXPECT_EQ(pilot().DayCell[6], kOtherAssignmentCell);
  EXPECT_EQ(doc.Modified, 0);

  ui.answers.push_back(Answer::Yes);
  EXPECT_TRUE(RemoveOtherAssignment(ctx, crew, 6, false));
  EXPECT_EQ(pilot().DayCell[6], kEmptyCell);
  EXPECT_EQ(pilot().DayOther[6], DayRecord{});
  EXPECT_EQ(pilot().DayCode[6], "");
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_EQ(views.rows, std::vector<int>{BlockViewSink::kAllRows});  // it was reserve
  // Other assignments make no history entries.
  EXPECT_EQ(doc.History.size(), 0u);

  PlaceToolboxItem(ctx, Code("SIM", 240), crew, 6);
  EXPECT_TRUE(RemoveOtherAssignment(ctx, crew, 6, true));
  EXPECT_EQ(Questions().size(), 2u);

  // Nothing to remove: no question.
  EXPECT_FALSE(RemoveOtherAssignment(ctx, crew, 6, false));
  EXPECT_FALSE(RemoveOtherAssignment(ctx, crew, 62, false));
  EXPECT_FALSE(RemoveOtherAssignment(ctx, 7, 6, false));
  EXPECT_EQ(Questions().size(), 2u);
}

TEST_F(OtherAssignmentsTest, DetailsDialogShowsTheRecord) {
  EXPECT_FALSE(OtherAssDialog::Open(doc, crew, 13));
  ToolboxItem lcp = Code("LCP", 300, 1);
  lcp.start = 450;
  lcp.timeAtWork = 1439;
  lcp.excludeCredit = 1;
  lcp.carsDuty = 0;
  PlaceToolboxItem(ctx, lcp, crew, 13);

  const auto dialog = OtherAssDialog::Open(doc, crew, 13);
  ASSERT_TRUE(dialog);
  EXPECT_EQ(dialog->caption(), "J SMITH Assignment Details");
  EXPECT_EQ(dialog->dateLine(), "Jul 14");
  EXPECT_EQ(dialog->code() + "/" + dialog->crewTracCode(), "LCP/CT");
  EXPECT_EQ((std::vector<std::string>{dialog->startText, dialog->atWorkText, dialog->creditText,
                                      dialog->hardTimeText}),
            (std::vector<std::string>{"07:30", "23:59", "05:00", "00:15"}));
  EXPECT_TRUE(dialog->reserve && dialog->containsDuty && !dialog->carsDuty &&
              dialog->excludeCredit);
}

TEST_F(OtherAssignmentsTest, DetailsDialogReadsItsFieldsBack) {
  PlaceToolboxItem(ctx, Code("SIM", 240), crew, 2);
  struct Case {
    std::string start, atWork, credit, hard;
    DayRecord expected;
  };
  const std::vector<Case> cases = {
      {"06:15", "10:00", "30:00", "02:30", {375, 600, 1800, 150, 1, 0, 1, 0, 0, 0}},
      // An empty start clears the time at work too, whatever it holds.
      {"", "10:00", "4:00", "0:00", {0, 0, 240, 0, 1, 0, 1, 0, 0, 0}},
      {"  :  ", "10:00", "4:00", "0:00", {0, 0, 240, 0, 1, 0, 1, 0, 0, 0}},
      // What does not read is 0: hours above 23 where limited, minutes above 59.
      {"24:00", "25:00", "12:60", "25:00", {0, 0, 0, 0, 1, 0, 1, 0, 0, 0}},
      {"-1:00", "08:00", "-3:00", "1:00", {0, 480, 0, 60, 1, 0, 1, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start + "/" + c.atWork + "/" + c.credit + "/" + c.hard);
    auto dialog = OtherAssDialog::Open(doc, crew, 2);
    ASSERT_TRUE(dialog);
    dialog->startText = c.start;
    dialog->atWorkText = c.atWork;
    dialog->creditText = c.credit;
    dialog->hardTimeText = c.hard;
    dialog->reserve = true;
    dialog->containsDuty = false;
    dialog->excludeCredit = true;
    dialog->carsDuty = false;
    dialog->ok(doc);
    EXPECT_EQ(pilot().DayOther[2], c.expected);
    EXPECT_TRUE(ui.shown.empty());
  }
}

TEST_F(OtherAssignmentsTest, ClosingTheDialogRefreshesTheBlockEvenWithoutOk) {
  PlaceToolboxItem(ctx, Code("SIM", 240), crew, 2);
  rules.checkedBlocks.clear();
  doc.Modified = 0;
  auto dialog = OtherAssDialog::Open(doc, crew, 2);
  dialog->creditText = "6:00";
  dialog->ok(doc);
  OtherAssDialogClosed(ctx, crew, 2);
  EXPECT_EQ(BlockCreditOf(pilot()), 360);
  EXPECT_EQ(rules.checkedBlocks, std::vector<int>{crew});
  EXPECT_EQ(doc.Modified, 1);

  // Cancel: nothing written, the refresh runs all the same.
  doc.Modified = 0;
  OtherAssDialog::Open(doc, crew, 2)->creditText = "9:00";
  OtherAssDialogClosed(ctx, crew, 2);
  EXPECT_EQ(BlockCreditOf(pilot()), 360);
  EXPECT_EQ(doc.Modified, 1);
}

}  // namespace
}  // namespace lumora::testing
