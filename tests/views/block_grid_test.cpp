#include "views/block_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "doubles/recording_canvas.h"
#include "model/calendar.h"
#include "model/document.h"
#include "support/document_builder.h"

namespace lumora::testing {
namespace {

constexpr Rect kViewport{0, 0, 1400, 900};

// Palette entries told apart by their red value.
Rgb Palette(int index) {
  return {index, 7, 7};
}

template <typename Pred>
bool Any(const std::vector<DrawOp>& ops, Pred pred) {
  return std::ranges::any_of(ops, pred);
}

class BlockGridTest : public ::testing::Test {
 protected:
  BlockGridTest() {
    SetMonth({1, 7, 2026}, {31, 7, 2026});
    for (int i = 0; i < 4; ++i) build.crew("CREW" + std::to_string(i), 0);
    DisplayColors colors{};
    for (int i = 0; i < kColorCount; ++i) colors[static_cast<std::size_t>(i)] = Palette(i);
    grid.setColors(colors);
    doc->BlocksShown = 1;
  }

  void SetMonth(CivilDate first, CivilDate last) { build.month(first, last).extended(); }
  TPilot& pilot(int crew) { return doc->Pilots[static_cast<std::size_t>(crew)]; }
  TPair& pairing(int p) { return doc->Pairs[static_cast<std::size_t>(p)]; }
  int AddPairing(int number, int length, int onTime, int offTime) {
    return build
        .pairing(
            PairingValues(number).Length(length).OnTime(onTime).OffTime(offTime).CrewPosition("CA"))
        .lastPairing();
  }
  void Put(int crew, int day, int p) { build.cell(crew, day, p); }

  RecordingCanvas Paint(const Rect& area = kViewport, CornerState corner = {}) {
    RecordingCanvas canvas;
    grid.paint(canvas, area, kViewport, corner);
    return canvas;
  }
  // Default geometry: W = H = 20, X0 = 120, Y0 = 40.
  static int ColumnX(int day) { return 120 + 20 * day; }
  static int RowY(int row) { return 40 + 20 * row; }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  DocumentBuilder build{*doc};
  BlockGridView grid{*doc};
};

std::vector<DrawOp> FillsIn(const RecordingCanvas& c, Rgb color, int top) {
  std::vector<DrawOp> found;
  for (const DrawOp& op : c.fillsOf(color))
    if (op.rect.top == top) found.push_back(op);
  return found;
}

TEST_F(BlockGridTest, GeometryFollowsTheFontWithItsMinimums) {
  EXPECT_EQ(grid.geometry(), (GridGeometry{20, 20, 120, 40, 90, 75}));
  grid.computeGeometry({7, 16});  // paddings 9 and 5
  EXPECT_EQ(grid.geometry(), (GridGeometry{34, 23, 204, 49, 160, 132}));
  // Small fonts keep the name column and header at their minimums.
  grid.setOptions({.xPadding = 0, .yPadding = 0});
  grid.computeGeometry({5, 10});
  EXPECT_EQ(grid.geometry(), (GridGeometry{19, 12, 120, 40, 90, 75}));
  // A font reporting nothing still gives cells to divide by.
  grid.setOptions({.xPadding = -20, .yPadding = -20});
  grid.computeGeometry({0, 0});
  EXPECT_GE(grid.geometry().cellWidth, 1);
  EXPECT_GE(grid.geometry().rowHeight, 1);
}

TEST_F(BlockGridTest, HitTestMapsCellEdgesWithTheTwoPixelShift) {
  // y is lowered by 2 above 2: the first row starts at window y 42.
  EXPECT_EQ(grid.hitTest({120, 41}).area, GridArea::None);  // header over the days
  EXPECT_EQ(grid.hitTest({120, 42}), (GridPoint{GridArea::Day, 0, 0, 0}));
  EXPECT_EQ(grid.hitTest({139, 61}), (GridPoint{GridArea::Day, 0, 0, 0}));
  EXPECT_EQ(grid.hitTest({140, 62}), (GridPoint{GridArea::Day, 1, 1, 1}));
  EXPECT_EQ(grid.hitTest({119, 42}), (GridPoint{GridArea::Name, 0, 0, -1}));
  EXPECT_EQ(grid.hitTest({119, 41}).area, GridArea::Corner);
  EXPECT_EQ(grid.hitTest({0, 2}).area, GridArea::Corner);
  // Below the last crew member and right of column 61: nothing.
  EXPECT_EQ(grid.hitTest({130, RowY(4) + 2}).area, GridArea::None);
  EXPECT_EQ(grid.hitTest({ColumnX(61), 42}).day, 61);
  EXPECT_EQ(grid.hitTest({ColumnX(62), 42}).area, GridArea::None);

  // Scrolled, through a display order.
  const std::vector<int> order{3, 1};
  grid.setDisplayOrder(order);
  grid.setScroll(10, 1);
  EXPECT_EQ(grid.hitTest({125, 45}), (GridPoint{GridArea::Day, 1, 1, 10}));
  EXPECT_EQ(grid.hitTest({125, 65}).area, GridArea::None);  // row 2 of 2
  EXPECT_EQ(grid.gestureHit({125, 45}).day, 10);
  EXPECT_EQ(grid.gestureHit({5, 45}).area, GridHit::Area::Name);
  EXPECT_EQ(grid.gestureHit({5, 5}).area, GridHit::Area::None);
  grid.setScroll(61, 0);
  EXPECT_EQ(grid.hitTest({ColumnX(1), 45}).area, GridArea::None);

  // Corner buttons by x.
  EXPECT_EQ(grid.cornerButton({43, 10}), CornerButton::PairWindow);
  EXPECT_EQ(grid.cornerButton({44, 10}), CornerButton::Toolbox);
  EXPECT_EQ(grid.cornerButton({84, 10}), CornerButton::Third);
  EXPECT_EQ(grid.cornerButton({84, 50}), CornerButton::None);
  grid.computeGeometry({7, 16});  // X0 204: the corner reaches past 123
  EXPECT_EQ(grid.cornerButton({123, 10}), CornerButton::Third);
  EXPECT_EQ(grid.cornerButton({124, 10}), CornerButton::None);
}

TEST_F(BlockGridTest, PairingBarIsToScaleWithItsRestBar) {
  Put(0, 2, AddPairing(1234, 3, 1080, 360));
  RecordingCanvas c = Paint();
  const int top = RowY(0) + 4;
  const int x = ColumnX(2);
  auto bars = FillsIn(c, Palette(kDutyTimeColor), top);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].rect, (Rect{x + 15, top, x + 45, RowY(1) - 2}));
  auto rest = FillsIn(c, Palette(kRestTimeColor), top);
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0].rect, (Rect{x + 45, top, x + 45 + 9, RowY(1) - 2}));  // 660 minutes
  ASSERT_EQ(c.textsEqual("234").size(), 1u);
  EXPECT_EQ(c.textsEqual("234")[0].from.x, x + 2);

  grid.setOptions({.showFullPair = true});
  doc->CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  c = Paint();
  ASSERT_EQ(c.textsEqual("1234").size(), 1u);
  EXPECT_EQ(c.textsEqual("1234")[0].style.font, FontRole::Grid);
  // The LIS scan marks a French pairing at the end of its display text.
  pairing(0).DisplayText = "M1234 ... FRENCH PAIRING";
  NoteDisplayText(pairing(0));
  EXPECT_EQ(Paint().textsEqual("1234")[0].style.font, FontRole::GridBold);
  rest = FillsIn(c, Palette(kRestTimeColor), top);
  ASSERT_EQ(rest.size(), 1u);
  EXPECT_EQ(rest[0].rect.right, x + 45 + 10);  // 720 minutes

  // A pairing starting left of the view is drawn, clipped to the day area.
  Put(1, 0, AddPairing(777, 4, 600, 600));
  grid.setScroll(2, 0);
  bars = FillsIn(Paint(), Palette(kDutyTimeColor), RowY(1) + 4);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_LT(bars[0].rect.left, 120);
  ASSERT_TRUE(bars[0].clip.has_value());
  EXPECT_GE(bars[0].clip->left, 120);
}

TEST_F(BlockGridTest, PairingColoursAndMarks) {
  const int p = AddPairing(501, 2, 720, 720);
  pairing(p).DayPairingType[3] = 2;
  pairing(p).LayoverText = "YVRSEA";
  Put(0, 3, p);
  pilot(0).DayRequest[4] = 5;  // under the pairing's second day
  pilot(0).DayLocked[3] = 1;
  RecordingCanvas c = Paint();
  const int top = RowY(0) + 4;
  ASSERT_EQ(FillsIn(c, {255, 51, 153}, top).size(), 1u);
  const auto requested = FillsIn(c, Palette(kPairOverRequestedDayOff), top);
  ASSERT_EQ(requested.size(), 1u);
  EXPECT_EQ(requested[0].rect.left, ColumnX(4));
  EXPECT_EQ(requested[0].rect.right, ColumnX(4) + 10);
  // Two lock lines at the cell's bottom.
  const auto lock = [](const DrawOp& op) {
    return op.from.x == ColumnX(3) + 2 && op.to.x == ColumnX(4) - 4;
  };
  EXPECT_EQ(std::ranges::count_if(c.linesOf(colors::kBlack), lock), 2);
  // Only the stations of the following days, as two letters.
  EXPECT_EQ(c.textsEqual("VR").size(), 1u);
  EXPECT_EQ(c.textsEqual("EA").size(), 1u);

  // Changed crew complement: white bar with the type colour along its bottom.
  pairing(p).DayStatus[3] = -kAssignedInstance;
  c = Paint();
  EXPECT_EQ(FillsIn(c, colors::kWhite, top).size(), 1u);
  EXPECT_EQ(FillsIn(c, {255, 51, 153}, RowY(1) - 4).size(), 1u);

  // A purser pairing takes the rest colour and its rest bar the duty colour.
  pairing(p).DayStatus[3] = kAssignedInstance;
  pairing(p).CrewPosition = "PU";
  grid.setOptions({.layovers = false});
  c = Paint();
  EXPECT_EQ(FillsIn(c, Palette(kRestTimeColor), top).size(), 1u);
  EXPECT_EQ(FillsIn(c, Palette(kDutyTimeColor), top).size(), 1u);
  EXPECT_TRUE(c.textsEqual("VR").empty());
}

TEST_F(BlockGridTest, MonthEndDaylightSavingAndHeaderOfAThirtyDayMonth) {
  SetMonth({1, 6, 2026}, {30, 6, 2026});
  doc->view.dayBalance[0] = 3;
  doc->view.dayBalance[1] = -2;
  doc->cal.DstMoment = 7 * kMinutesPerDay + 120;
  doc->cal.DstShift = 60;
  const RecordingCanvas c = Paint();
  std::vector<int> xs;
  for (const DrawOp& op : c.linesOf(colors::kRed))
    if (op.from.x == op.to.x) xs.push_back(op.from.x);
  EXPECT_EQ(xs, (std::vector<int>{ColumnX(30) - 1, ColumnX(30) + 1}));
  EXPECT_TRUE(Any(c.linesOf(colors::kYellow), [](const DrawOp& op) {
    return op.from.x == ColumnX(7) + 120 * 20 / kMinutesPerDay && op.pen.style == LineStyle::Dotted;
  }));

  // Column 30 is 1 July; the balance is grey above 0 and red as its absolute value else.
  EXPECT_TRUE(Any(c.textsEqual("01"), [](const DrawOp& op) {
    return op.rect.left == ColumnX(30) && op.rect.top == 13;
  }));
  EXPECT_TRUE(Any(c.textsEqual("03"), [](const DrawOp& op) {
    return op.rect.left == ColumnX(0) && op.rect.top == 26 && op.style.color == colors::kGrey;
  }));
  EXPECT_TRUE(Any(c.textsEqual("02"), [](const DrawOp& op) {
    return op.rect.left == ColumnX(1) && op.rect.top == 26 && op.style.color == colors::kRed;
  }));
}

TEST_F(BlockGridTest, CellTextsRequestsAndOtherAssignments) {
  pilot(0).DayRequest[1] = 13;
  pilot(0).DayRequest[2] = 25;
  pilot(0).DayRequest[3] = 15;  // no label
  pilot(0).DayCell[4] = kOtherAssignmentCell;
  pilot(0).DayCode[4] = "VACX";
  pilot(0).DayRequest[4] = 1;
  pilot(0).DayCell[5] = kOtherAssignmentCell;
  pilot(0).DayCode[5] = "RB";
  RecordingCanvas c = Paint();
  ASSERT_EQ(c.textsEqual("RGD").size(), 1u);
  EXPECT_EQ(c.textsEqual("RGD")[0].from.x, ColumnX(1) + 3);
  EXPECT_EQ(c.textsEqual("RGD")[0].style.color, colors::kBlue);
  ASSERT_EQ(c.textsEqual("X6").size(), 1u);
  EXPECT_EQ(c.textsEqual("X6")[0].from.x, ColumnX(2) + 6);
  ASSERT_EQ(c.textsEqual("VAC").size(), 1u);
  EXPECT_EQ(c.textsEqual("VAC")[0].from.x, ColumnX(4) + 2);
  EXPECT_EQ(c.textsEqual("VAC")[0].style.color, colors::kRed);
  EXPECT_EQ(c.textsEqual("RB")[0].from.x, ColumnX(5) + 5);  // two letters centred
  EXPECT_TRUE(FillsIn(c, colors::kLightGrey, RowY(0) + 1).empty());
  const std::vector<std::string> labels{RequestLabel(10), RequestLabel(19), RequestLabel(51),
                                        RequestLabel(52)};
  EXPECT_EQ(labels, (std::vector<std::string>{"XA", "", "X32", ""}));

  doc->CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  EXPECT_EQ(FillsIn(Paint(), colors::kLightGrey, RowY(0) + 1).size(), 1u);
}

TEST_F(BlockGridTest, NameColumnColoursAndFigures) {
  pilot(0).BidText = "SIM: 3 TBANK: 00.0";
  pilot(0).ExceptionsText = " Too much";
  pilot(1).BidText = "SIM: 3";
  pilot(2).BidText = "TBANK:   ";
  pilot(2).SpecialQual() = 3;
  pilot(3).AgeMedFlags() = 3;
  pilot(3).BidText = "SIM: TBANK:   ";
  RecordingCanvas c = Paint();
  const std::vector<std::pair<std::string, Rgb>> names{{"1 CREW0", Palette(kBlkTotalOutsideRange)},
                                                       {"2 CREW1", {153, 50, 204}},
                                                       {"3 @ CREW2", Palette(kBlkTotalInRange)},
                                                       {"4 CREW3", Palette(kReserveColor)}};
  for (const auto& [name, color] : names) {
    SCOPED_TRACE(name);
    ASSERT_EQ(c.textsEqual(name).size(), 1u);
    EXPECT_EQ(c.textsEqual(name)[0].style.color, color);
  }
  EXPECT_EQ(FillsIn(c, {128, 255, 128}, RowY(2) + 1).size(), 1u);
  EXPECT_EQ(FillsIn(c, {255, 255, 128}, RowY(3) + 1).size(), 1u);
  // "Med" strikes the name through.
  EXPECT_TRUE(Any(c.linesOf(colors::kGrey), [](const DrawOp& op) {
    return op.from.y == RowY(3) + 10 && op.to.x == 2 + 7 * 7;
  }));

  // Credit 80:00 above the month's 80:00 maximum - 1; Esc turns every credit yellow.
  doc->MaxCredit = 4799;
  pilot(0).BlockCreditHours = 80;
  c = Paint();
  ASSERT_EQ(c.textsEqual("80:00").size(), 1u);
  EXPECT_EQ(c.textsEqual("80:00")[0].from.x, 90);
  EXPECT_EQ(c.textsEqual("80:00")[0].style.color, Palette(kBlkTotalOutsideRange));
  grid.setFullCredits(true);
  for (const DrawOp& op : Paint().textsEqual("80:00")) EXPECT_EQ(op.style.color, colors::kYellow);
}

TEST_F(BlockGridTest, OnlyWhatLiesInTheAreaIsPainted) {
  RecordingCanvas c = Paint({0, RowY(1) + 1, 400, RowY(2)});  // inside row 1
  EXPECT_TRUE(c.textsEqual("1 CREW0").empty());
  EXPECT_EQ(c.textsEqual("2 CREW1").size(), 1u);
  EXPECT_TRUE(c.textsEqual("E RESERVE DAYS").empty());
  EXPECT_FALSE(Any(c.ops(), [](const DrawOp& op) {
    return op.kind == DrawOp::Kind::Icon || op.kind == DrawOp::Kind::TextInRect;  // no header
  }));

  // The corner alone: its three buttons in their states.
  c = Paint({0, 0, 100, 40}, {true, false, true});
  std::vector<CanvasIcon> icons;
  for (const DrawOp& op : c.ops())
    if (op.kind == DrawOp::Kind::Icon) icons.push_back(op.icon);
  EXPECT_EQ(icons, (std::vector<CanvasIcon>{CanvasIcon::PairWindowOpen, CanvasIcon::Toolbox,
                                            CanvasIcon::BidsWindowOpen}));

  // Blocks not built (or their views closed): the background only.
  doc->BlocksShown = 0;
  c = Paint({0, 0, 400, 200});
  ASSERT_EQ(c.ops().size(), 1u);
  EXPECT_EQ(c.ops()[0].kind, DrawOp::Kind::Fill);
}

TEST_F(BlockGridTest, SummaryRowsCountReserveCodes) {
  pilot(0).DayCrewTracCode[2] = "RE";
  pilot(1).DayCrewTracCode[2] = "ER";
  pilot(2).DayCrewTracCode[2] = "RK";
  const RecordingCanvas c = Paint();
  const int top = RowY(4) + 4;
  EXPECT_EQ(c.textsEqual("E RESERVE DAYS").size(), 1u);
  EXPECT_EQ(c.textsEqual("RK RESERVE DAY").size(), 1u);
  EXPECT_TRUE(Any(c.textsEqual("2"), [&](const DrawOp& op) {
    return op.from.x == ColumnX(2) + 9 && op.from.y > top && op.from.y < top + 20;
  }));
  EXPECT_EQ(grid.summaryRect().top, top);
}

TEST_F(BlockGridTest, RepaintRectanglesFollowTheDisplayOrder) {
  const std::vector<int> order{3, 1};
  grid.setDisplayOrder(order);
  EXPECT_EQ(grid.rowRect(1), (Rect{0, RowY(1), ColumnX(62) + 1, RowY(2) + 1}));
  EXPECT_EQ(grid.cellsRect(3, 2, 3), (Rect{ColumnX(2), RowY(0), ColumnX(5) + 1, RowY(1) + 1}));
  EXPECT_TRUE(grid.rowRect(0).empty());

  grid.setScroll(3, 1);
  EXPECT_TRUE(grid.rowRect(3).empty());  // scrolled above the view
  EXPECT_EQ(grid.cellsRect(1, 2, 3), (Rect{120, 40, 160 + 1, 61}));
  EXPECT_EQ(grid.headerBalanceRect(4), (Rect{140, 26, 161, 40}));

  grid.showRosterOrder();
  EXPECT_EQ(grid.crewAt(2), 2);
  EXPECT_EQ(grid.scrollRows(), 14);
}

TEST_F(BlockGridTest, HoverStatusTexts) {
  const int p = AddPairing(42, 2, 450, 1020);
  pairing(p).Credit = 600;
  pairing(p).CrewPosition = "FO";
  Put(0, 1, p);
  pilot(0).DutyTotals[31 + 1] = {600, 1800, 4000};
  pilot(0).DayCell[5] = kOtherAssignmentCell;
  pilot(0).DayCode[5] = "SIM";
  pilot(0).DayOther[5][kOtherStartTime] = 480;
  pilot(0).DayOther[5][kOtherHoursAtWork] = 240;
  pilot(0).DayOther[5][kOtherCredit] = 300;
  pilot(0).DayOther[5][kOtherHardTime] = -1;
  pilot(0).DutyTotals[31 + 40] = {0, 0, 60};
  pilot(0).Name = "ANN";
  pilot(0).ExceptionsText = " Rest 3+ 60h/7d+";
  pilot(0).WarningsText = " Con 4+";

  const auto at = [&](int day) { return Point{ColumnX(day) + 3, RowY(0) + 5}; };
  EXPECT_EQ(grid.hoverStatus(at(1)),
            "Pair 0042  On 07:30  Off 17:00  Credit 10:00  Type FO  Duty 10:00 30:00 66:40");
  EXPECT_EQ(grid.hoverStatus(at(1)), std::nullopt);  // same cell
  EXPECT_EQ(grid.hoverStatus(at(5)),
            "SIM  On 08:00  TAFB 04:00  Credit 05:00  Hard   Duty 00:00 00:00 00:00");
  EXPECT_EQ(grid.hoverStatus(at(6)), "");
  EXPECT_EQ(grid.hoverStatus(at(40)), " Duty 00:00 00:00 01:00");
  EXPECT_EQ(grid.hoverStatus(at(41)), "");
  // The stored findings' "+" ends are shown as separators.
  EXPECT_EQ(grid.hoverStatus({5, RowY(0) + 5}), "ANN  Rest 3; 60h/7d  WARN Con 4");
  EXPECT_EQ(grid.hoverStatus({50, RowY(0) + 8}), std::nullopt);  // same name row

  grid.setLastMonthOverlay(true);
  pilot(0).ActivityText[3] = "M1234";
  pilot(0).Activity[3][kActPairingStart] = 600;
  pilot(0).Activity[3][kActPairingTafb] = 3000;
  pilot(0).Activity[3][kActWorkedState] = 2;
  EXPECT_EQ(grid.hoverStatus(at(3)), "M1234  On 10:00  TAFB 50:00  Duty Reserve");
}

TEST_F(BlockGridTest, LastMonthOverlay) {
  pilot(0).ActivityText[3] = "M1234";
  pilot(0).Activity[3][kActPairingStart] = 720;
  pilot(0).Activity[3][kActPairingTafb] = 1440;
  pilot(0).ActivityText[4] = "X";
  pilot(0).ExceptionsText = "x";
  grid.setLastMonthOverlay(true);
  const RecordingCanvas c = Paint();
  const auto caption = c.textsEqual("L  A  S  T   M  O  N  T  H");
  ASSERT_EQ(caption.size(), 1u);  // not over the weekday names
  EXPECT_EQ(caption[0].from.x, ColumnX(12));
  EXPECT_EQ(caption[0].style.color, colors::kYellow);
  EXPECT_EQ(c.textsEqual("234").size(), 1u);
  EXPECT_EQ(c.textsEqual(" X").size(), 1u);
  const auto bars = FillsIn(c, Palette(kDutyTimeColor), RowY(0) + 4);
  ASSERT_EQ(bars.size(), 1u);
  EXPECT_EQ(bars[0].rect.left, ColumnX(3) + 10);
  EXPECT_EQ(bars[0].rect.right, ColumnX(4) + 10);
  EXPECT_EQ(c.textsEqual("1 CREW0")[0].style.color, Palette(kBlkTotalOutsideRange));
  // Red lines between column 30 and 31; no summary.
  std::vector<int> xs;
  for (const DrawOp& op : c.linesOf(colors::kRed)) xs.push_back(op.from.x);
  EXPECT_EQ(xs, (std::vector<int>{ColumnX(31) - 1, ColumnX(31) + 1}));
  EXPECT_TRUE(c.textsEqual("E RESERVE DAYS").empty());
}

TEST_F(BlockGridTest, WatermarkFollowsTheFileKindNotTheDocumentState) {
  const auto marks = [this] {
    std::vector<std::string> found;
    const RecordingCanvas canvas = Paint();
    for (const DrawOp& op : canvas.ops())
      if (op.kind == DrawOp::Kind::Text && op.style.color == Rgb{160, 160, 160})
        found.push_back(op.text);
    return found;
  };
  doc->DocState = 1;  // every loaded document
  doc->FileKind = kScheduleFile;
  EXPECT_TRUE(marks().empty());
  const struct {
    std::int32_t kind;
    std::string_view start;
  } cases[] = {{kRosterViewerFile, "P  R  E  B  U  I  L  D  P  R  E  B"},
               {kScheduleViewerFile, "P  R  E  S  K  E  D   P  R  E  S"},
               {kCompanyFile, "F  I  N  A  L   F  I  N  A  L   F"}};
  for (const auto& c : cases) {
    doc->FileKind = c.kind;
    const std::vector<std::string> found = marks();
    ASSERT_EQ(found.size(), 4u) << c.kind;  // one per row
    EXPECT_EQ(found[0].size(), 176u);
    EXPECT_TRUE(found[0].starts_with(c.start)) << found[0];
  }
}

}  // namespace
}  // namespace lumora::testing
