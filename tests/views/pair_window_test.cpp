#include "views/pair_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "building/assign.h"
#include "doubles/recording_canvas.h"
#include "pairing_fixture.h"

namespace lumora::testing {
namespace {

constexpr int kW = 30;
constexpr int kH = 20;

class PairWinTest : public PairingTest {
 protected:
  PairWinTest() {
    win.setGeometry(kW, kH);
    for (int i = 0; i < kColorCount; ++i)
      palette[static_cast<std::size_t>(i)] = {i, 10 + i, 20 + i};
    win.setColors(palette);
  }

  // A point inside cell (day, slot) at the current scroll position.
  Point At(int day, int slot) const {
    return {(day - win.firstColumn()) * kW + 10, (slot - win.firstSlot()) * kH + 5};
  }

  void Paint() {
    canvas.clear();
    win.paint(canvas, {0, 0, 33 * kW, 40 * kH}, {0, 0, 33 * kW, 40 * kH});
  }
  int LinesBetween(Point from, Point to, Rgb color) const {
    return static_cast<int>(std::ranges::count_if(
        canvas.linesOf(color), [&](const DrawOp& op) { return op.from == from && op.to == to; }));
  }
  TPair& Overnight(int p, int onTime) {
    Pair(p).Overnight = 1;
    Pair(p).Length = 2;
    Pair(p).OnTime = onTime;
    return Pair(p);
  }

  DisplayColors palette{};
  TPairWin win{doc};
  RecordingCanvas canvas;
};

TEST_F(PairWinTest, SortPairingsGroupsByDutyDaysAndReportTime) {
  const int twoDay = AddPairing(1, {0}, 2, 430);
  const int late = AddPairing(2, {0}, 1, 350);
  const int early = AddPairing(3, {0}, 1, 299);
  const int continuous = AddPairing(4, {0}, 1, 400);
  const int sevenDay = AddPairing(5, {0}, 7);
  const int eightDay = AddPairing(6, {0}, 8);
  const int earlyToo = AddPairing(7, {0});
  const int sixDay = AddPairing(8, {0}, 6);
  Pair(late).OnTime = 900;
  Pair(early).OnTime = 300;
  Pair(earlyToo).OnTime = 300;
  Overnight(continuous, 100);
  Pair(twoDay).OnTime = 600;
  for (int p = 0; p <= doc.LastPair; ++p) Pair(p).CreditClass = 9;

  win.SortPairings();

  const std::vector<int> order(win.order().begin(), win.order().end());
  EXPECT_EQ(order, (std::vector<int>{early, earlyToo, late, twoDay, sixDay, continuous, sevenDay,
                                     eightDay}));
  // 860 over two duty days is class 3; a continuous duty counts its whole credit.
  EXPECT_EQ((std::vector<int>{Pair(early).CreditClass, Pair(late).CreditClass,
                              Pair(twoDay).CreditClass, Pair(continuous).CreditClass}),
            (std::vector<int>{0, 1, 3, 2}));
}

TEST_F(PairWinTest, LayoutSharesRowsWithinALengthAndStartsABandForTheNext) {
  const int a = AddPairing(101, {0, 2});
  const int b = AddPairing(102, {1});
  const int c = AddPairing(103, {0});  // meets a on day 0
  const int d = AddPairing(201, {0, 5}, 2);
  // Reports 23:00 and is released 01:30 on its fourth day: three duty days.
  const int e = AddPairing(301, {10}, 3);
  Pair(e).Length = 4;
  Pair(e).OnTime = 1380;
  Pair(e).OffTime = 90;

  // A continuous duty covers its spill day; one of its group starting there goes below.
  const int night = AddPairing(401, {20});
  const int day = AddPairing(402, {21});
  Overnight(night, 1200);
  Overnight(day, 1300);

  win.LayoutPairWin();

  const int covered = TPairWin::kCoveredCell;
  const int free = TPairWin::kFreeCell;
  const std::vector<std::vector<int>> cells{
      {win.cell(0, 0), win.cell(1, 0), win.cell(2, 0), win.cell(0, 1)},
      {win.cell(0, 2), win.cell(1, 2), win.cell(5, 2)},
      {win.cell(10, 3), win.cell(12, 3), win.cell(13, 3)},
      {win.cell(20, 4), win.cell(21, 4), win.cell(21, 5)},
      {win.cell(-1, 0), win.cell(0, TPairWin::kSlotRows)}};
  EXPECT_EQ(
      cells,
      (std::vector<std::vector<int>>{
          {a, b, a, c}, {d, covered, d}, {e, covered, free}, {night, covered, day}, {free, free}}));
  EXPECT_EQ(win.highestSlot(), 5);
  EXPECT_EQ(win.scrollSlots(), 5);
}

TEST_F(PairWinTest, LayoutLeavesOutWhatIsNotShown) {
  const int crew = AddCrew("A ALPHA");
  const int hidden = AddPairing(101, {3});
  Place(crew, hidden, 3);
  const int twoDay = AddPairing(201, {3}, 2);
  const int unmarked = AddPairing(301, {3}, 3);
  Pair(twoDay).FilterState = 1;
  doc.ShowAssignedPairs = 0;

  win.LayoutPairWin();
  // Nothing of the first length was placed, so no band was started for it.
  EXPECT_EQ(win.cell(3, 0), twoDay);
  EXPECT_EQ(win.cell(3, 1), unmarked);

  win.setFilters(true, "LONG");
  win.LayoutPairWin();
  EXPECT_EQ(win.cell(3, 0), twoDay);
  EXPECT_EQ(win.cell(3, 1), TPairWin::kFreeCell);

  win.setFilters(false, "");
  doc.ShowAssignedPairs = 1;
  win.LayoutPairWin();
  EXPECT_EQ(win.cell(3, 0), hidden);

  // The selected instance is found again wherever it now lies.
  doc.view.selection = {unmarked, 3, 7};
  win.LayoutPairWin();
  EXPECT_EQ(doc.view.selection.slot, 2);
  Pair(hidden).DayStatus[3] = kNoInstance;
  win.LayoutPairWin();
  EXPECT_EQ(doc.view.selection.slot, 1);
  EXPECT_EQ(doc.view.selection.pair, unmarked);
}

TEST_F(PairWinTest, ClickSelectsAnOpenInstanceAndASecondClickOpensItsText) {
  const int other = AddPairing(100, {4});
  const int p = AddPairing(1234, {4, 9});
  TPair& pair = Pair(p);
  pair.DailyHardTime[0] = 150;
  pair.DailyHardTime[5] = 50;
  pair.DailyHardTime[6] = 999;  // only six duty days count
  pair.DailyDutyTime[0] = 540;
  pair.DisplayText = "1234 HEADER\nTOTALS ***ABCDCRA1234 REST\n";
  win.LayoutPairWin();
  ASSERT_EQ(win.cell(4, 1), p);

  // Off the laid-out pairings nothing happens.
  EXPECT_EQ(win.leftButtonUp(At(5, 0)).kind, PairWinClick::Kind::Nothing);  // free cell
  EXPECT_EQ(win.leftButtonUp(At(4, 2)).kind, PairWinClick::Kind::Nothing);  // below the rows
  EXPECT_EQ(win.leftButtonUp({-3, 5}).kind, PairWinClick::Kind::Nothing);
  EXPECT_FALSE(win.rightButtonDown(At(5, 0)).onPairing);
  EXPECT_EQ(doc.view.selection.pair, -1);
  EXPECT_EQ(win.caption(), "Filters Off");
  const PairWinRightClick right = win.rightButtonDown(At(4, 0));
  EXPECT_TRUE(right.onPairing);
  EXPECT_EQ(right.day, 4);

  doc.view.selection = {other, 4, 0};
  doc.view.toolboxPlacing = 1;

  const PairWinClick first = win.leftButtonUp({4 * kW + 3, kH - 5});  // the row below's pixels
  EXPECT_EQ(first.kind, PairWinClick::Kind::Selected);
  EXPECT_EQ(first.day, 4);
  EXPECT_EQ(doc.view.selection.pair, p);
  EXPECT_EQ(doc.view.selection.slot, 1);
  EXPECT_EQ(doc.view.previousSelection.pair, other);
  EXPECT_EQ(doc.view.toolboxPlacing, 0);
  EXPECT_EQ(win.caption(),
            "Pair 1234   On 08:00   Off 17:00   Credit 5:00  Hard 03:20  Duty 09:00  Legal 4:00  "
            "CRA1234  - Filters Off");

  const PairWinClick second = win.leftButtonUp(At(4, 1));
  EXPECT_EQ(second.kind, PairWinClick::Kind::OpenText);
  EXPECT_EQ(second.pair, p);

  // The other instance of the same pairing is a new selection, not the text.
  EXPECT_EQ(win.leftButtonUp(At(9, 0)).kind, PairWinClick::Kind::Selected);
}

TEST_F(PairWinTest, AssignedInstanceNamesItsOwnerAndHidesWithShowOnlyOpen) {
  AddCrew("A ALPHA");
  const int holder = AddCrew("B BRAVO");
  const int p = AddPairing(101, {21});
  const int q = AddPairing(102, {21});
  Place(holder, p, 21);  // the 22nd of July
  win.LayoutPairWin();

  const PairWinClick click = win.leftButtonUp(At(21, 0));
  EXPECT_EQ(click.kind, PairWinClick::Kind::ShownOwner);
  EXPECT_EQ(win.caption(), "Pair 101 on the 22nd assigned to B BRAVO (2) - Filters Off");
  EXPECT_EQ(doc.view.lastShownDay, 21);
  EXPECT_EQ(doc.view.selection.pair, -1);

  EXPECT_EQ(win.leftButtonUp(At(21, 0)).kind, PairWinClick::Kind::OpenText);

  // Once removed the instance is open again: the click selects it.
  doc.Pilots[static_cast<std::size_t>(holder)].DayCell[21] = kEmptyCell;
  Pair(p).DayStatus[21] = kOpenInstance;
  win.leftButtonUp(At(21, 1));
  EXPECT_EQ(win.leftButtonUp(At(21, 0)).kind, PairWinClick::Kind::Selected);
  ASSERT_EQ(doc.view.previousSelection.pair, q);

  // Showing open instances only lays out again and drops the selections.
  Place(holder, p, 21);
  win.toggleShowOnlyOpen();
  EXPECT_EQ(doc.ShowAssignedPairs, 0);
  EXPECT_EQ(win.cell(21, 0), q);
  EXPECT_EQ(doc.view.selection.pair, -1);
  EXPECT_EQ(doc.view.previousSelection.pair, -1);
  EXPECT_EQ(win.caption(), "Filters Off");
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  win.toggleShowOnlyOpen();
  EXPECT_EQ(win.caption(), "Filters Off");  // back to every instance
  win.toggleShowOnlyOpen();
  EXPECT_EQ(win.caption(), "");  // open instances only

  std::string ordinals;
  for (const int day : {1, 2, 3, 4, 11, 12, 13, 21, 22, 23, 31}) ordinals += OrdinalSuffix(day);
  EXPECT_EQ(ordinals, "stndrdththththstndrdst");
}

TEST_F(PairWinTest, CaptionsFollowTheCrewKindAndTheFilters) {
  const int p = AddPairing(777, {0});
  Pair(p).OffTime = 1380;
  Pair(p).MinRestAfter = 1520;            // wraps twice
  Pair(p).DisplayText = "***ABCD123456";  // ten characters after the mark
  win.setFilters(true, "NIGHTS");
  EXPECT_EQ(win.caption(), "Filters On For NIGHTS");
  Pair(p).FilterState = 1;
  win.LayoutPairWin();

  win.leftButtonUp(At(0, 0));
  EXPECT_EQ(win.caption(),
            "Pair 777   On 08:00   Off 23:00   Credit 5:00  Hard 00:00  Duty 00:00  Legal 0:20  "
            "CRA?  - Filters On for NIGHTS");

  doc.CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  win.clearSelection();
  win.leftButtonUp(At(0, 0));
  EXPECT_EQ(win.caption(),
            "Pair 777   On 08:00   Off 23:00   Credit 5:00  Hard 00:00  Duty 00:00  Legal 11:00  "
            "CRA?  Filters On");
}

TEST_F(PairWinTest, PaintDrawsBarsNumbersAndTheSelection) {
  const int crew = AddCrew("A ALPHA");
  const int p = AddPairing(1234, {2, 5});  // class 1: 5:00 a day
  Place(crew, p, 5);
  win.LayoutPairWin();
  win.leftButtonUp(At(2, 0));
  Paint();

  // Report 08:00 to release 17:00 on day 2, to scale.
  const std::vector<DrawOp> bars = canvas.fillsOf(palette[1]);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].rect, (Rect{72, 14, 83, 16}));
  const std::vector<DrawOp> assignedBars = canvas.fillsOf(colors::kGrey);
  ASSERT_EQ(assignedBars.size(), 1u);
  EXPECT_EQ(assignedBars[0].rect, (Rect{162, 14, 173, 16}));
  EXPECT_EQ(LinesBetween({150, 12}, {179, 12}, colors::kGrey), 1);  // the assigned frame

  const std::vector<DrawOp> numbers = canvas.textsEqual("234");
  ASSERT_EQ(numbers.size(), 2u);
  EXPECT_EQ(numbers[0].rect, (Rect{60, 0, 90, 20}));
  EXPECT_EQ(numbers[0].align, HAlign::Center);

  // The selection: dark up the left and along the top, light on the other two.
  EXPECT_EQ(LinesBetween({60, 19}, {60, 0}, colors::kBlack), 1);
  EXPECT_EQ(LinesBetween({60, 0}, {89, 0}, colors::kBlack), 1);
  EXPECT_EQ(LinesBetween({89, 0}, {89, 19}, colors::kWhite), 1);

  // Saturday (day 3) and Monday (day 5) lines are blue, yellow under filters.
  const std::vector<DrawOp> blue = canvas.linesOf(colors::kBlue);
  ASSERT_EQ(blue.size(), 9u);  // through the line after the month's last day
  EXPECT_EQ(blue[0].from.x, 3 * kW);
  EXPECT_EQ(blue[1].from.x, 5 * kW);
  win.setFilters(true, "F");
  Paint();
  EXPECT_TRUE(canvas.linesOf(colors::kBlue).empty());
  EXPECT_EQ(canvas.linesOf(colors::kYellow).size(), 9u);

  win.setOptions({.showFullPair = true});
  Paint();
  ASSERT_EQ(canvas.textsEqual("1234").size(), 2u);
  EXPECT_EQ(canvas.textsEqual("1234")[0].align, HAlign::Left);

  // Scrolled: cells, clicks and the numbers move with the view.
  win.setScroll(2, 5);  // past the rows in use
  EXPECT_EQ(win.firstSlot(), win.highestSlot());
  win.setScroll(2, 0);
  EXPECT_EQ(win.instanceRect(5, 0, 1), (Rect{90, 0, 120, 20}));
  EXPECT_TRUE(win.instanceRect(1, 0, 1).empty());  // scrolled off to the left
  EXPECT_EQ(win.leftButtonUp(At(5, 0)).day, 5);
  Paint();
  ASSERT_EQ(canvas.textsEqual("1234").size(), 2u);
  EXPECT_EQ(canvas.textsEqual("1234")[1].rect, (Rect{90, 0, 120, 20}));
}

TEST_F(PairWinTest, BarColourTellsComplementAndTrainingType) {
  const int p = AddPairing(101, {1, 2, 3, 4});
  Pair(p).DayStatus[1] = -kOpenInstance;
  Pair(p).DayPairingType[1] = 2;  // the changed complement comes first
  Pair(p).DayPairingType[2] = 1;
  Pair(p).DayPairingType[3] = 2;
  Pair(p).DayPairingType[4] = 3;
  Pair(p).CrewPosition = "PU";
  win.LayoutPairWin();
  Paint();

  EXPECT_EQ(canvas.fillsOf(colors::kWhite).size(), 1u);
  EXPECT_EQ(canvas.fillsOf(Rgb{102, 178, 255}).size(), 1u);
  EXPECT_EQ(canvas.fillsOf(Rgb{255, 51, 153}).size(), 1u);
  EXPECT_EQ(canvas.fillsOf(Rgb{196, 255, 128}).size(), 1u);
  // Purser pairings: two lines along the top of the cell.
  EXPECT_EQ(LinesBetween({33, 0}, {54, 0}, palette[1]), 1);
  EXPECT_EQ(LinesBetween({33, 1}, {54, 1}, palette[1]), 1);
}

TEST_F(PairWinTest, MultiDayPairingsShowLayoversOrAnArrow) {
  const int p = AddPairing(101, {2}, 3);
  Pair(p).LayoverText = "YYZYVRYUL";
  win.LayoutPairWin();
  Paint();
  ASSERT_EQ(canvas.textsEqual("YZ").size(), 1u);
  EXPECT_EQ(canvas.textsEqual("YZ")[0].rect, (Rect{90, 0, 120, 20}));
  EXPECT_EQ(canvas.textsEqual("VR").size(), 1u);
  EXPECT_TRUE(canvas.textsEqual("UL").empty());  // no column past the duty days

  win.setOptions({true, false, true});  // full stations
  Paint();
  EXPECT_EQ(canvas.textsEqual("YYZ").size(), 1u);

  win.setOptions({false, false, false});
  Paint();
  EXPECT_EQ(LinesBetween({63, 7}, {145, 7}, palette[1]), 1);
  EXPECT_EQ(LinesBetween({142, 4}, {145, 7}, palette[1]), 1);
  EXPECT_EQ(LinesBetween({142, 10}, {145, 7}, palette[1]), 1);
}

TEST_F(PairWinTest, FrenchPairingIsBoldWhileItStillNeedsAFrenchMember) {
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  const int crew = AddCrew("A ALPHA");
  const int first = AddPairing(555, {6});
  const int second = AddPairing(555, {6});
  Pair(first).DisplayText = "555 FRENCH PAIRING\n";
  NoteDisplayText(Pair(first));
  Place(crew, second, 6);
  doc.ShowAssignedPairs = 0;
  win.LayoutPairWin();

  Paint();
  ASSERT_EQ(canvas.textsEqual("555").size(), 1u);
  EXPECT_EQ(canvas.textsEqual("555")[0].style.font, FontRole::GridBold);

  doc.Pilots[static_cast<std::size_t>(crew)].AgeMedFlags() = 1;  // French-qualified
  win.MarkFrenchPairings();
  Paint();
  EXPECT_EQ(canvas.textsEqual("555")[0].style.font, FontRole::Grid);

  // Two open positions of the same trip: either may still go to a French member.
  doc.Pilots[static_cast<std::size_t>(crew)].AgeMedFlags() = 0;
  doc.Pilots[static_cast<std::size_t>(crew)].DayCell[6] = kEmptyCell;
  Pair(second).DayStatus[6] = kOpenInstance;
  win.LayoutPairWin();
  Paint();
  EXPECT_EQ(canvas.textsEqual("555")[0].style.font, FontRole::Grid);
}

TEST_F(PairWinTest, AssignedSelectionIsOutlinedAtItsOldPlaceUntilTheNextRepaint) {
  const int crew = AddCrew("A ALPHA");
  AddPairing(100, {4});
  const int p = AddPairing(101, {4});
  doc.ShowAssignedPairs = 0;
  win.LayoutPairWin();
  win.leftButtonUp(At(4, 1));
  ASSERT_EQ(doc.view.selection.pair, p);

  ASSERT_EQ(AssignPair(ctx, crew, p, 4, true), 0);
  win.LayoutPairWin();
  EXPECT_EQ(win.cell(4, 1), TPairWin::kFreeCell);
  EXPECT_EQ(doc.view.selection.pair, -1);

  Paint();
  EXPECT_EQ(canvas.fillsOf(palette[kPairingWindowBackground]).size(), 2u);
  EXPECT_EQ(canvas.fillsOf(palette[kPairingWindowBackground])[1].rect, (Rect{120, 20, 150, 40}));
  EXPECT_EQ(LinesBetween({120, 39}, {120, 20}, colors::kBlack), 1);
  EXPECT_EQ(LinesBetween({120, 20}, {149, 20}, colors::kBlack), 1);
  Paint();
  EXPECT_TRUE(canvas.linesOf(colors::kBlack).empty());
}

}  // namespace
}  // namespace lumora::testing
