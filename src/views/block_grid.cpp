#include "views/block_grid.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <numeric>
#include <string_view>

#include "model/time_text.h"
#include "rules/days_off.h"
#include "views/block_filters.h"

namespace lumora {

namespace {

constexpr Rgb kLightYellow{255, 255, 128};
constexpr Rgb kLightCyan{128, 255, 255};
constexpr Rgb kPink{255, 128, 192};
constexpr Rgb kLightGreen{128, 255, 128};
constexpr Rgb kLtcAndTp{0, 255, 171};
constexpr Rgb kOrange{255, 184, 113};
constexpr Rgb kLightBlue{102, 178, 255};
constexpr Rgb kPurple{153, 50, 204};
constexpr Rgb kDarkGreen{0, 100, 0};
constexpr Rgb kWatermarkGrey{160, 160, 160};
// Proposed assignments: a lavender no palette entry uses, so that they never
// pass for pairings already in a block.
constexpr Rgb kProposedGround{236, 228, 255};
constexpr Rgb kProposedHatch{150, 120, 215};
constexpr Rgb kProposedText{70, 20, 140};
constexpr int kHatchStep = 5;

constexpr int kLowMaxCredit = 4500;    // an own maximum below 75:00 is marked
constexpr int kFlagMarkWidth = 30;     // the marks at the end of the name area
constexpr int kCornerButtonStep = 40;  // icons at 4, 44 and 84
constexpr int kWatermarkLength = 176;
constexpr int kSummaryRowsHeight = 10;  // rows' height of the summary band
constexpr int kSummaryGap = 4;
constexpr int kLastMonthLabelColumn = 12;

const Pen kRedPen{colors::kRed, LineStyle::Solid, 1};

std::string Printf(const char* format, int value) {
  std::array<char, 32> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, value);
  return buffer.data();
}

std::string Last(std::string_view text, std::size_t count) {
  return std::string(text.size() > count ? text.substr(text.size() - count) : text);
}

// printf's "%0Ns" on a string: right-aligned in N characters.
std::string RightAligned(std::string_view text, std::size_t width) {
  std::string out(width > text.size() ? width - text.size() : 0, ' ');
  out += text;
  return out;
}

bool Contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

std::string TimeText(int minutes) {
  return FormatTime(minutes, false, true);
}

// An other assignment's time; a negative one shows empty.
std::string TimeOrEmpty(int minutes) {
  return minutes < 0 ? std::string() : TimeText(minutes);
}

std::string_view DayName(const TCalendar& cal, int day) {
  if (day < 0 || day >= kBlockDays) return {};
  const auto& name = cal.DayNames[static_cast<std::size_t>(day)];
  const auto end = std::find(name.begin(), name.end(), '\0');
  return std::string_view(name.data(), static_cast<std::size_t>(end - name.begin()));
}

const char* WeekdayNameOf(int weekday) {
  return WeekdayName(((weekday % 7) + 7) % 7);
}

Rgb PairingTypeColor(int type, const DisplayColors& colors) {
  return TrainingTypeBarColor(type).value_or(colors[kDutyTimeColor]);
}

int PaletteOf(TotalStatus status) {
  switch (status) {
    case TotalStatus::InRange:
      return kBlkTotalInRange;
    case TotalStatus::OutsideRange:
      return kBlkTotalOutsideRange;
    case TotalStatus::Reserve:
      return kReserveColor;
  }
  return kBlkTotalInRange;
}

// The text of a code cell: at most 3 characters, placed by its length.
int CodeOffset(std::size_t length) {
  return length <= 1 ? 8 : length == 2 ? 5 : 2;
}

int FloorDiv(long long a, long long b) {
  long long q = a / b;
  if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
  return static_cast<int>(q);
}

}  // namespace

const char* WorkedStateWord(int state) {
  switch (state) {
    case 1:
      return "Worked";
    case 2:
      return "Reserve";
    default:
      return "None";
  }
}

void PaintProposedMark(Canvas& c, const Rect& ground, const Rect& duty, Point textAt,
                       std::string_view number, bool framed) {
  c.fillRect(ground, kProposedGround);
  // Rising diagonals x + y = s through the duty's box, each cut to the box.
  const Pen hatch{kProposedHatch, LineStyle::Solid, 1};
  if (!duty.empty()) {
    const int right = duty.right - 1;
    const int bottom = duty.bottom - 1;
    const int first = duty.left + duty.top;
    for (int s = first + (kHatchStep - 1) / 2; s <= right + bottom; s += kHatchStep) {
      Point from{s - bottom, bottom};
      if (from.x < duty.left) from = {duty.left, s - duty.left};
      Point to{s - duty.top, duty.top};
      if (to.x > right) to = {right, s - right};
      c.line(from, to, hatch);
    }
  }
  c.text(textAt, number, {FontRole::GridItalic, kProposedText, true, kProposedGround});
  if (framed) {
    const Pen frame{kProposedText, LineStyle::Solid, 2};
    const int r = ground.right - 1;
    const int b = ground.bottom - 1;
    c.line({ground.left, ground.top}, {r, ground.top}, frame);
    c.line({r, ground.top}, {r, b}, frame);
    c.line({r, b}, {ground.left, b}, frame);
    c.line({ground.left, b}, {ground.left, ground.top}, frame);
  }
}

// What one paint call works with, worked out once.
struct BlockGridView::PaintContext {
  Rect area;  // what to repaint, within the viewport
  Rect viewport;
  Rect cells;  // the day area of the viewport (clip for cells)
  Rect names;  // the name column below the header
  int monthLength = 0;
  int lastColumn = 0;  // last day column at least partly in view
  int firstPaintRow = 0;
  int lastPaintRow = -1;
  bool cabin = false;
  bool searchOnly = false;
  FontMetrics font;
};

BlockGridView::BlockGridView(const TDocument& doc) : doc_(doc) {
  colors_.fill(colors::kWhite);
  showRosterOrder();
}

void BlockGridView::setOptions(const GridOptions& options) {
  options_ = options;
}

void BlockGridView::setColors(const DisplayColors& colors) {
  colors_ = colors;
}

void BlockGridView::computeGeometry(FontMetrics gridFont) {
  geometry_ = ComputeGridGeometry(gridFont, options_.xPadding, options_.yPadding);
}

void BlockGridView::showRosterOrder() {
  rosterOrder_ = true;
  order_.clear();
}

void BlockGridView::setDisplayOrder(std::span<const int> crew) {
  rosterOrder_ = false;
  order_.clear();
  for (int k : crew)
    if (k >= 0 && k < kMaxRosterPilots &&
        order_.size() < static_cast<std::size_t>(kMaxRosterPilots))
      order_.push_back(k);
}

int BlockGridView::rowCount() const {
  if (rosterOrder_) return doc_.rosterSize();
  return static_cast<int>(order_.size());
}

int BlockGridView::crewAt(int row) const {
  if (row < 0 || row >= rowCount()) return -1;
  return rosterOrder_ ? row : order_[static_cast<std::size_t>(row)];
}

int BlockGridView::rowOf(int crew) const {
  if (crew < 0) return -1;
  if (rosterOrder_) return crew < rowCount() ? crew : -1;
  const auto it = std::find(order_.begin(), order_.end(), crew);
  return it == order_.end() ? -1 : static_cast<int>(it - order_.begin());
}

int BlockGridView::scrollRows() const {
  return doc_.rosterSize() + kExtraScrollRows;
}

void BlockGridView::setScroll(int firstColumn, int firstRow) {
  firstColumn_ = std::clamp(firstColumn, 0, kColumns - 1);
  firstRow_ = std::clamp(firstRow, 0, std::max(0, scrollRows() - 1));
}

int BlockGridView::columnX(int day) const {
  return geometry_.nameWidth + (day - firstColumn_) * geometry_.cellWidth;
}

int BlockGridView::rowY(int row) const {
  return geometry_.headerHeight + (row - firstRow_) * geometry_.rowHeight;
}

GridPoint BlockGridView::hitTest(Point p) const {
  const GridGeometry& g = geometry_;
  const int y = p.y > 2 ? p.y - 2 : p.y;
  GridPoint hit;
  if (p.x < g.nameWidth && y < g.headerHeight) {
    hit.area = GridArea::Corner;
    return hit;
  }
  if (y < g.headerHeight) return hit;  // the header band over the days
  const int row = (y - g.headerHeight) / g.rowHeight + firstRow_;
  if (row < 0 || row >= rowCount()) return hit;
  if (p.x < g.nameWidth) {
    hit.area = GridArea::Name;
  } else {
    const int day = (p.x - g.nameWidth) / g.cellWidth + firstColumn_;
    if (day < 0 || day >= kColumns) return hit;
    hit.area = GridArea::Day;
    hit.day = day;
  }
  hit.row = row;
  hit.crew = crewAt(row);
  return hit;
}

GridHit BlockGridView::gestureHit(Point p) const {
  const GridPoint hit = hitTest(p);
  if (hit.area == GridArea::Day) return GridHit::Day(hit.crew, hit.day);
  if (hit.area == GridArea::Name) return GridHit::Name(hit.crew);
  return {};
}

CornerButton BlockGridView::cornerButton(Point p) const {
  if (hitTest(p).area != GridArea::Corner || p.x < 0) return CornerButton::None;
  if (p.x <= 43) return CornerButton::PairWindow;
  if (p.x <= 83) return CornerButton::Toolbox;
  if (p.x <= 123) return CornerButton::Third;
  return CornerButton::None;
}

void BlockGridView::setProposedCells(std::vector<ProposedCell> cells) {
  proposed_ = std::move(cells);
  std::sort(proposed_.begin(), proposed_.end(), [](const ProposedCell& a, const ProposedCell& b) {
    return a.crew != b.crew ? a.crew < b.crew : a.day < b.day;
  });
  proposedFocus_ = {};
}

void BlockGridView::setProposedFocus(int crew, int day) {
  proposedFocus_ = {crew, day, -1};
}

namespace {

// The proposed cells of one crew member, by day.
std::span<const ProposedCell> CellsOf(std::span<const ProposedCell> cells, int crew) {
  const auto first = std::lower_bound(cells.begin(), cells.end(), crew,
                                      [](const ProposedCell& c, int k) { return c.crew < k; });
  const auto last = std::upper_bound(first, cells.end(), crew,
                                     [](int k, const ProposedCell& c) { return k < c.crew; });
  return {first, last};
}

}  // namespace

Rect BlockGridView::proposedRect(int crew, int day) const {
  for (const ProposedCell& cell : CellsOf(proposed_, crew)) {
    if (cell.day != day || !doc_.isPairIndex(cell.pair)) continue;
    return cellsRect(crew, day, std::clamp<int>(doc_.pair(cell.pair).Length, 1, kMonthDays));
  }
  return {};
}

bool BlockGridView::searchHighlight(int crew) const {
  return doc_.isRosterIndex(crew) && SearchMatched(doc_.pilot(crew));
}

// --- repaint rectangles

namespace {
Rect Visible(const Rect& r, int minX, int minY) {
  Rect out{std::max(r.left, minX), std::max(r.top, minY), r.right, r.bottom};
  return out.empty() ? Rect{} : out;
}
}  // namespace

Rect BlockGridView::cellsRect(int crew, int firstDay, int dayCount) const {
  const int row = rowOf(crew);
  if (row < firstRow_ || dayCount <= 0) return {};
  const int first = std::clamp(firstDay, 0, kColumns);
  const int end = std::clamp(firstDay + dayCount, 0, kColumns);
  if (end <= first) return {};
  const int y = rowY(row);
  // A rest bar may run past the last day; the caller passes the span it wants.
  return Visible({columnX(first), y, columnX(end) + 1, y + geometry_.rowHeight + 1},
                 geometry_.nameWidth, geometry_.headerHeight);
}

Rect BlockGridView::rowRect(int crew) const {
  const int row = rowOf(crew);
  if (row < firstRow_) return {};
  const int y = rowY(row);
  return Visible({0, y, columnX(kColumns) + 1, y + geometry_.rowHeight + 1}, 0,
                 geometry_.headerHeight);
}

Rect BlockGridView::nameRect(int crew) const {
  const int row = rowOf(crew);
  if (row < firstRow_) return {};
  const int y = rowY(row);
  return Visible({0, y, geometry_.nameWidth, y + geometry_.rowHeight + 1}, 0,
                 geometry_.headerHeight);
}

Rect BlockGridView::headerDayRect(int day) const {
  if (day < 0 || day >= kColumns) return {};
  const int x = columnX(day);
  return Visible({x, 0, x + geometry_.cellWidth + 1, geometry_.headerHeight}, geometry_.nameWidth,
                 0);
}

Rect BlockGridView::headerBalanceRect(int day) const {
  Rect r = headerDayRect(day);
  if (!r.empty()) r.top = 2 * (geometry_.headerHeight / 3);
  return r;
}

Rect BlockGridView::cornerRect() const {
  return {0, 0, geometry_.nameWidth, geometry_.headerHeight};
}

Rect BlockGridView::summaryRect() const {
  const int top = rowY(rowCount()) + kSummaryGap;
  return Visible({0, top, columnX(kColumns) + 1, top + kSummaryRowsHeight * geometry_.rowHeight}, 0,
                 geometry_.headerHeight);
}

// --- painting

void BlockGridView::paint(Canvas& canvas, const Rect& area, const Rect& viewport,
                          const CornerState& corner) const {
  const GridGeometry& g = geometry_;
  PaintContext pc;
  pc.viewport = viewport;
  pc.area = area.intersected(viewport);
  if (pc.area.empty()) return;
  pc.cells = Rect{g.nameWidth, g.headerHeight, viewport.right, viewport.bottom};
  pc.names = Rect{0, g.headerHeight, g.nameWidth, viewport.bottom};
  pc.monthLength = doc_.monthDays();
  pc.lastColumn = std::min(
      kColumns - 1, firstColumn_ + std::max(0, viewport.right - g.nameWidth - 1) / g.cellWidth);
  pc.cabin = doc_.crewKind() == CrewKind::FlightAttendants;
  pc.searchOnly = doc_.BlockSearchOn != 0;
  pc.font = canvas.metrics(FontRole::Grid);

  // Rows whose band (with the line under it) meets the area.
  const int top = std::max(pc.area.top, g.headerHeight);
  if (pc.area.bottom > g.headerHeight) {
    pc.firstPaintRow = std::max(firstRow_, firstRow_ + (top - g.headerHeight - 1) / g.rowHeight);
    pc.lastPaintRow =
        std::min(rowCount() - 1, firstRow_ + (pc.area.bottom - 1 - g.headerHeight) / g.rowHeight);
  }

  canvas.setClip(pc.area);
  canvas.fillRect(pc.area, colors_[kBlockWindowBackground]);
  // Until the blocks are built (and after the views close) the window is empty.
  if (!doc_.BlocksShown) {
    canvas.resetClip();
    return;
  }
  paintVerticalLines(canvas, pc);
  if (pc.area.top < g.headerHeight) {
    if (lastMonthOverlay_)
      paintLastMonthHeader(canvas, pc);
    else
      paintHeader(canvas, pc);
    if (pc.area.left < g.nameWidth) {
      canvas.setClip(pc.area);
      paintCorner(canvas, corner);
    }
  }
  for (int row = pc.firstPaintRow; row <= pc.lastPaintRow; ++row) {
    if (lastMonthOverlay_)
      paintLastMonthRow(canvas, pc, row);
    else
      paintRow(canvas, pc, row);
  }
  if (!lastMonthOverlay_ && summaryRect().intersects(pc.area)) paintSummary(canvas, pc);
  canvas.resetClip();
}

void BlockGridView::paintVerticalLines(Canvas& c, const PaintContext& pc) const {
  const GridGeometry& g = geometry_;
  const int bottom = std::min(pc.viewport.bottom - 1, rowY(rowCount()));
  c.setClip(pc.area.intersected({g.nameWidth, 0, pc.viewport.right, pc.viewport.bottom}));
  const Pen weekend{pc.searchOnly ? colors::kBlue : colors::kYellow, LineStyle::Dotted, 1};
  const Pen grid{colors::kGrey, LineStyle::Dotted, 1};
  const int last = std::min(pc.monthLength + 31, pc.lastColumn + 1);
  for (int d = firstColumn_; d <= last; ++d) {
    const int x = columnX(d);
    if (x < pc.area.left - 1 || x > pc.area.right) continue;
    std::string_view name;
    if (lastMonthOverlay_) {
      name = WeekdayNameOf(doc_.cal.FirstWeekday + d - kPrevDays);
    } else {
      name = DayName(doc_.cal, d);
    }
    const bool weekendLine = name == "SA" || name == "MO";
    if (weekendLine && !(lastMonthOverlay_ && pc.searchOnly))
      c.line({x, 0}, {x, bottom}, weekend);
    else if (options_.grid)
      c.line({x, 0}, {x, bottom}, grid);
    const int redColumn = lastMonthOverlay_ ? kPrevDays : pc.monthLength;
    if (d == redColumn) {
      c.line({x - 1, 0}, {x - 1, bottom}, kRedPen);
      c.line({x + 1, 0}, {x + 1, bottom}, kRedPen);
    }
  }
  if (!lastMonthOverlay_ && doc_.cal.DstShift != 0 && doc_.cal.DstMoment > 0) {
    const long long x = g.nameWidth +
                        static_cast<long long>(doc_.cal.DstMoment) * g.cellWidth / kMinutesPerDay -
                        static_cast<long long>(firstColumn_) * g.cellWidth;
    if (x >= g.nameWidth && x <= pc.viewport.right) {
      const int xi = static_cast<int>(x);
      c.line({xi, 0}, {xi, bottom}, {colors::kYellow, LineStyle::Dotted, 1});
    }
  }
}

void BlockGridView::paintHeader(Canvas& c, const PaintContext& pc) const {
  const GridGeometry& g = geometry_;
  const int band = g.headerHeight / 3;
  c.setClip(pc.area.intersected({g.nameWidth, 0, pc.viewport.right, g.headerHeight}));
  const int last = std::min({pc.monthLength + 30, pc.lastColumn, kColumns - 1});
  for (int d = firstColumn_; d <= last; ++d) {
    const int x = columnX(d);
    if (x + g.cellWidth < pc.area.left || x > pc.area.right) continue;
    const std::size_t day = static_cast<std::size_t>(d);
    const std::string_view name = DayName(doc_.cal, d);
    const bool weekend = name == "SA" || name == "SU";
    c.textInRect({x, 0, x + g.cellWidth, band}, name,
                 {FontRole::Grid, weekend ? colors::kBlue : colors::kBlack}, HAlign::Center);
    c.textInRect({x, band, x + g.cellWidth, 2 * band}, Printf("%02d", doc_.cal.MonthDays[day][0]),
                 {FontRole::Grid, colors::kBlack}, HAlign::Center);
    if (d < pc.monthLength) {
      const int balance = doc_.view.dayBalance[day];
      const bool short_ = balance <= 0;
      c.textInRect({x, 2 * band, x + g.cellWidth, 3 * band},
                   Printf("%02d", short_ ? -balance : balance),
                   {FontRole::Grid, short_ ? colors::kRed : colors::kGrey}, HAlign::Center);
    }
  }
}

void BlockGridView::paintCorner(Canvas& c, const CornerState& corner) const {
  const bool cabin = doc_.crewKind() == CrewKind::FlightAttendants;
  c.icon({4, 4}, corner.pairWindowOpen ? CanvasIcon::PairWindowOpen : CanvasIcon::PairWindow);
  c.icon({4 + kCornerButtonStep, 4},
         corner.toolboxOpen ? CanvasIcon::ToolboxOpen : CanvasIcon::Toolbox);
  CanvasIcon third;
  if (cabin)
    third = corner.thirdOpen ? CanvasIcon::FilterWindowOpen : CanvasIcon::FilterWindow;
  else
    third = corner.thirdOpen ? CanvasIcon::BidsWindowOpen : CanvasIcon::BidsWindow;
  c.icon({4 + 2 * kCornerButtonStep, 4}, third);
}

namespace {

struct NameLook {
  Rgb background;
  bool filled = false;
  std::string prefix;
};

NameLook NameLookOf(const TPilot& pilot, bool cabin) {
  NameLook look;
  const int age = pilot.AgeMedFlags();
  if (age == 1 || age == 3) {
    look.background = kLightYellow;
    look.filled = true;
  }
  switch (pilot.SpecialQual()) {
    case 1:
      look = {kLightCyan, true, "# "};
      break;
    case 2:
      look = {kPink, true, cabin ? ":" : "+ "};
      break;
    case 3:
      look = {kLightGreen, true, "@ "};
      break;
    case 4:
      look = {kLtcAndTp, true, "@ "};
      break;
    default:
      break;
  }
  return look;
}

bool MedFlag(const TPilot& pilot) {
  const int flags = pilot.AgeMedFlags();
  return flags == 2 || flags == 3;
}

}  // namespace

void BlockGridView::paintRow(Canvas& c, const PaintContext& pc, int row) const {
  const GridGeometry& g = geometry_;
  const int crew = crewAt(row);
  if (crew < 0) return;
  const TPilot& pilot = doc_.pilot(crew);
  const int y = rowY(row);
  const int textY = y + std::max(1, (g.rowHeight - pc.font.height) / 2 + 1);
  const int gridRight = columnX(kColumns);
  const Rect rowClip =
      pc.area.intersected({0, g.headerHeight, pc.viewport.right, pc.viewport.bottom});
  c.setClip(rowClip);

  if (searchHighlight(crew) && !pc.searchOnly)
    c.fillRect({0, y + 1, columnX(pc.monthLength), y + g.rowHeight}, colors::kWhite);

  auto rowLine = [&](int r, int lineY) {
    const Rgb color = r % 2 == 0 ? colors::kLightGrey : colors::kGrey;
    c.line({0, lineY}, {gridRight, lineY}, {color, LineStyle::Solid, 1});
  };
  rowLine(row, y + g.rowHeight);
  if (row == firstRow_) rowLine(row - 1, y);

  // The name column: skipped when only cells are repainted.
  if (pc.area.left < g.nameWidth) {
    c.setClip(pc.area.intersected(pc.names));
    const int nameEnd = g.daysOffX - 3;
    const NameLook look = NameLookOf(pilot, pc.cabin);
    if (look.filled) c.fillRect({0, y + 1, nameEnd, y + g.rowHeight}, look.background);
    if (pilot.TrainingFlag() != 0 || pilot.NoTimeZoneFlag() != 0 || pilot.NoYcgFlag() != 0)
      c.fillRect({nameEnd - kFlagMarkWidth, y + 1, nameEnd, y + g.rowHeight}, kOrange);
    if (pilot.MaxBlockOverride() > 0 && pilot.MaxBlockOverride() < kLowMaxCredit)
      c.fillRect({nameEnd - 2 * kFlagMarkWidth, y + 1, nameEnd - kFlagMarkWidth, y + g.rowHeight},
                 kLightBlue);

    Rgb nameColor;
    if (!pilot.ExceptionsText.empty()) {
      nameColor = colors_[kBlkTotalOutsideRange];
    } else {
      const bool sim = Contains(pilot.BidText, "SIM:");
      const bool bank =
          Contains(pilot.BidText, "TBANK: 00.0") || Contains(pilot.BidText, "TBANK:   ");
      if (sim)
        nameColor = bank ? colors_[kReserveColor] : kPurple;
      else
        nameColor = bank ? colors_[kBlkTotalInRange] : kDarkGreen;
    }
    const std::string name = std::to_string(crew + 1) + " " + look.prefix + pilot.Name;
    c.text({2, textY}, name, {FontRole::Grid, nameColor});
    if (MedFlag(pilot)) {
      const int midY = y + g.rowHeight / 2;
      c.line({2, midY}, {2 + c.textWidth(name, FontRole::Grid), midY},
             {colors::kGrey, LineStyle::Solid, 1});
    }

    c.text({g.daysOffX, textY}, Printf("%02d", CountDaysOff(doc_, crew)),
           {FontRole::Grid, colors_[PaletteOf(DaysOffStatus(doc_, crew))]});
    const Rgb creditColor =
        fullCredits_ ? colors::kYellow : colors_[PaletteOf(CreditStatus(doc_, crew))];
    c.text({g.creditX, textY},
           Printf("%02d", pilot.BlockCreditHours) + ":" + Printf("%02d", pilot.BlockCreditMinutes),
           {FontRole::Grid, creditColor});
  }

  paintRowCells(c, pc, row, crew);
}

void BlockGridView::paintRowCells(Canvas& c, const PaintContext& pc, int row, int crew) const {
  const GridGeometry& g = geometry_;
  const TPilot& pilot = doc_.pilot(crew);
  const int y = rowY(row);
  const int W = g.cellWidth;
  const int textY = y + std::max(1, (g.rowHeight - pc.font.height) / 2 + 1);
  const Rect rowClip =
      pc.area.intersected({0, g.headerHeight, pc.viewport.right, pc.viewport.bottom});
  const Rect cellClip = pc.area.intersected(pc.cells);
  const int scrollX = firstColumn_ * W;  // grid x to window x
  c.setClip(cellClip);

  // Columns that meet the area.
  const int firstDay =
      std::max(firstColumn_, firstColumn_ + FloorDiv(pc.area.left - g.nameWidth, W));
  const int lastDay =
      std::min(pc.lastColumn, firstColumn_ + FloorDiv(pc.area.right - g.nameWidth, W));

  // A viewer file says what it is behind every row; a schedule file shows
  // nothing there.
  static const char* const kWatermarks[] = {"", "P  R  E  B  U  I  L  D  ",
                                            "P  R  E  S  K  E  D   ", "F  I  N  A  L   "};
  if (doc_.FileKind >= kRosterViewerFile && doc_.FileKind <= kCompanyFile) {
    std::string mark;
    const std::string_view unit = kWatermarks[doc_.FileKind];
    while (mark.size() < kWatermarkLength) mark += unit;
    mark.resize(kWatermarkLength);
    c.text({g.nameWidth + 2 - scrollX, textY}, mark, {FontRole::Grid, kWatermarkGrey});
  }

  const int barTop = y + 4;
  const int barBottom = y + g.rowHeight - 2;
  if (pilot.LegalCheckIn() != 0) {
    const long long end = g.nameWidth + 1 +
                          static_cast<long long>(pilot.LegalCheckIn()) * W / kMinutesPerDay -
                          scrollX;
    const int left = g.nameWidth + 1 - scrollX;
    const int right = static_cast<int>(std::clamp<long long>(end, -1, pc.viewport.right + 1));
    c.fillRect({std::min(left, right), barTop, std::max(left, right), barBottom},
               colors_[kRestTimeColor]);
  }

  // Carry-over marks sit at the right end of the name column.
  const bool carryException = Contains(pilot.ExceptionsText, "<-");
  if (carryException || Contains(pilot.WarningsText, "<-")) {
    c.setClip(rowClip);
    const Pen pen{carryException ? colors::kRed : colors::kBlue, LineStyle::Solid, 1};
    c.line({g.nameWidth - W + 3, y + 2}, {g.nameWidth - 3, y + 2}, pen);
    c.line({g.nameWidth - W + 3, y + 3}, {g.nameWidth - 3, y + 3}, pen);
    c.setClip(cellClip);
  }

  const int markLast = std::min(lastDay, pc.monthLength + 29);
  for (int d = firstDay; d <= markLast; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    const bool exception = pilot.ExceptionDays[day] != 0;
    if (!exception && pilot.WarningDays[day] == 0) continue;
    const Pen pen{exception ? colors::kRed : colors::kBlue, LineStyle::Solid, 1};
    const int x = columnX(d);
    c.line({x + 3, y + 2}, {x + W, y + 2}, pen);
    c.line({x + 3, y + 3}, {x + W, y + 3}, pen);
  }

  for (int d = firstDay; d <= lastDay; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    if (pilot.DayCell[day] != kEmptyCell || pilot.DayRequest[day] <= 0) continue;
    const std::string label = RequestLabel(pilot.DayRequest[day]);
    if (label.empty()) continue;
    c.text({columnX(d) + (label.size() < 3 ? 6 : 3), textY}, label,
           {FontRole::Grid, colors::kBlue});
  }

  for (int d = firstDay; d <= lastDay; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    if (pilot.DayCell[day] != kOtherAssignmentCell) continue;
    const int x = columnX(d);
    const std::string& code = pilot.DayCode[day];
    if (pc.cabin && code == "RB")
      c.fillRect({x + 1, y + 1, x + W, y + g.rowHeight}, colors::kLightGrey);
    const std::string shown = code.substr(0, 3);
    if (shown.empty()) continue;
    c.text({x + CodeOffset(shown.size()), textY}, shown,
           {FontRole::Grid, pilot.DayRequest[day] > 0 ? colors::kRed : colors::kBlack});
  }

  // Pairings that start left of the view still reach into it.
  for (int d = std::max(0, firstDay - kMonthDays); d <= lastDay; ++d) {
    const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
    if (cell >= 0 && doc_.isPairIndex(cell)) paintPairing(c, pc, y, pilot, d, cell);
  }
  if (!proposed_.empty()) paintProposed(c, pc, y, crew, lastDay);
}

void BlockGridView::paintProposed(Canvas& c, const PaintContext& pc, int rowTop, int crew,
                                  int lastDay) const {
  const GridGeometry& g = geometry_;
  const int W = g.cellWidth;
  const int textY = rowTop + std::max(1, (g.rowHeight - pc.font.height) / 2 + 1);
  for (const ProposedCell& cell : CellsOf(proposed_, crew)) {
    if (cell.day > lastDay || !doc_.isPairIndex(cell.pair) || cell.day < 0) continue;
    const TPair& pair = doc_.pair(cell.pair);
    const int length = std::clamp<int>(pair.Length, 1, kMonthDays);
    const int x = columnX(cell.day);
    if (x + length * W < pc.area.left || x > pc.area.right) continue;
    const int onTime = std::clamp(pair.OnTime, 0, kMinutesPerDay);
    const int offTime = pair.OffTime <= 0 ? kMinutesPerDay : std::min(pair.OffTime, kMinutesPerDay);
    const Rect ground{x + 1, rowTop + 1, x + length * W, rowTop + g.rowHeight};
    const Rect duty{x + onTime * W / kMinutesPerDay, rowTop + 4,
                    x + (length - 1) * W + offTime * W / kMinutesPerDay, rowTop + g.rowHeight - 2};
    const std::string number = Printf("%04d", pair.Number);
    PaintProposedMark(c, ground, duty, {x + 2, textY},
                      options_.showFullPair ? number : Last(number, 3),
                      proposedFocus_.crew == crew && proposedFocus_.day == cell.day);
  }
}

void BlockGridView::paintPairing(Canvas& c, const PaintContext& pc, int rowTop, const TPilot& pilot,
                                 int day, int pairIndex) const {
  const GridGeometry& g = geometry_;
  const int W = g.cellWidth;
  const TPair& pair = doc_.pair(pairIndex);
  const int x = columnX(day);
  const int length = std::clamp<int>(pair.Length, 1, kMonthDays);
  const int onTime = std::clamp(pair.OnTime, 0, kMinutesPerDay);
  const int offTime = pair.OffTime <= 0 ? kMinutesPerDay : std::min(pair.OffTime, kMinutesPerDay);
  const int barLeft = x + onTime * W / kMinutesPerDay;
  const int barRight = x + (length - 1) * W + offTime * W / kMinutesPerDay;
  const int barTop = rowTop + 4;
  const int barBottom = rowTop + g.rowHeight - 2;
  const int textY = rowTop + std::max(1, (g.rowHeight - pc.font.height) / 2 + 1);
  const bool purser = pair.CrewPosition == "PU";
  const bool inMonth = day < pc.monthLength && day < kMonthDays;
  const int type = inMonth ? pair.DayPairingType[static_cast<std::size_t>(day)] : 0;

  if (barRight >= pc.area.left && x <= pc.area.right) {
    const Rgb typeColor = PairingTypeColor(type, colors_);
    const bool changedComplement = inMonth && pair.DayStatus[static_cast<std::size_t>(day)] < 0;
    if (purser) {
      c.fillRect({barLeft, barTop, barRight, barBottom}, colors_[kRestTimeColor]);
    } else if (changedComplement) {
      c.fillRect({barLeft, barTop, barRight, barBottom}, colors::kWhite);
      if (type == 1 || type == 2)
        c.fillRect({barLeft, barBottom - 2, barRight, barBottom}, typeColor);
    } else {
      c.fillRect({barLeft, barTop, barRight, barBottom},
                 inMonth ? typeColor : colors_[kDutyTimeColor]);
    }

    for (int e = day; e < day + length && e < kBlockDays; ++e) {
      if (pilot.DayRequest[static_cast<std::size_t>(e)] <= 0) continue;
      const int left = std::max(barLeft, columnX(e));
      const int right = std::min(barRight, columnX(e + 1));
      if (left < right)
        c.fillRect({left, barTop, right, barBottom}, colors_[kPairOverRequestedDayOff]);
    }
  }

  const int rest = (pc.cabin ? 720 : 660) * W / kMinutesPerDay;
  if (barRight + rest >= pc.area.left && barRight <= pc.area.right)
    c.fillRect({barRight, barTop, barRight + rest, barBottom},
               purser ? colors_[kDutyTimeColor] : colors_[kRestTimeColor]);

  const std::string number = Printf("%04d", pair.Number);
  const FontRole font = pc.cabin && pair.FrenchPairing ? FontRole::GridBold : FontRole::Grid;
  c.text({x + 2, textY}, options_.showFullPair ? number : Last(number, 3), {font, colors::kBlack});
  const Pen black{colors::kBlack, LineStyle::Solid, 1};
  if (pc.cabin && purser) c.line({x + 2, rowTop + 1}, {x + W - 4, rowTop + 1}, black);
  if (pilot.DayLocked[static_cast<std::size_t>(day)] != 0) {
    c.line({x + 2, rowTop + g.rowHeight - 2}, {x + W - 4, rowTop + g.rowHeight - 2}, black);
    c.line({x + 2, rowTop + g.rowHeight - 1}, {x + W - 4, rowTop + g.rowHeight - 1}, black);
  }

  if (options_.layovers && length > 1) {
    const std::string& stations = pair.LayoverText;
    for (std::size_t i = 0; (i + 1) * 3 <= stations.size(); ++i) {
      const int column = day + 1 + static_cast<int>(i);
      if (column >= kColumns) break;
      const std::string_view station = std::string_view(stations).substr(i * 3, 3);
      const std::string shown = options_.showFullLayOver ? std::string(station) : Last(station, 2);
      c.text({columnX(column) + CodeOffset(shown.size()), textY}, shown,
             {FontRole::Grid, colors::kBlack});
    }
  }
}

namespace {

constexpr std::array<const char*, 4> kSummaryLabels{"E RESERVE DAYS", "A RESERVE DAYS",
                                                    "B RESERVE DAYS", "RK RESERVE DAY"};

// The summary row a CrewTrac code counts in; -1 for none.
int SummaryRowOf(const std::string& code) {
  if (code.size() != 2) return -1;
  if (code == "RE" || code == "ER") return 0;
  if (code == "RA" || code == "AR") return 1;
  if (code == "RB" || code == "BR") return 2;
  if (code == "RK") return 3;
  return -1;
}

}  // namespace

void BlockGridView::paintSummary(Canvas& c, const PaintContext& pc) const {
  const GridGeometry& g = geometry_;
  const int top = rowY(rowCount()) + kSummaryGap;
  const Rect clip = pc.area.intersected({0, g.headerHeight, pc.viewport.right, pc.viewport.bottom});
  c.setClip(clip);
  c.fillRect({0, top, columnX(kColumns), top + kSummaryRowsHeight * g.rowHeight},
             colors_[kBlockWindowBackground]);

  // One walk over the roster for the days in view.
  const int firstDay = firstColumn_;
  const int lastDay = std::min(pc.lastColumn, pc.monthLength - 1);
  std::array<std::array<int, kMonthDays>, kSummaryLabels.size()> counts{};
  const int crewCount = doc_.rosterSize();
  for (int k = 0; k < crewCount; ++k) {
    const TPilot& pilot = doc_.pilot(k);
    for (int d = firstDay; d <= lastDay; ++d) {
      const int row = SummaryRowOf(pilot.DayCrewTracCode[static_cast<std::size_t>(d)]);
      if (row >= 0) ++counts[static_cast<std::size_t>(row)][static_cast<std::size_t>(d)];
    }
  }

  const int textDy = std::max(1, (g.rowHeight - pc.font.height) / 2 + 1);
  const TextStyle blue{FontRole::Grid, colors::kBlue};
  for (std::size_t i = 0; i < kSummaryLabels.size(); ++i) {
    const int y = top + static_cast<int>(i) * g.rowHeight;
    if (y > clip.bottom || y + g.rowHeight < clip.top) continue;
    c.setClip(clip);
    c.text({2, y + textDy}, kSummaryLabels[i], blue);
    c.setClip(clip.intersected(pc.cells));
    for (int d = firstDay; d <= lastDay; ++d) {
      const std::string text = std::to_string(counts[i][static_cast<std::size_t>(d)]);
      c.text({columnX(d) + (text.size() == 1 ? 9 : 5), y + textDy}, text, blue);
    }
  }
}

// --- the previous month instead of this one

void BlockGridView::paintLastMonthHeader(Canvas& c, const PaintContext& pc) const {
  const GridGeometry& g = geometry_;
  const int band = g.headerHeight / 3;
  c.setClip(pc.area.intersected({g.nameWidth, 0, pc.viewport.right, g.headerHeight}));
  for (int d = firstColumn_; d <= pc.lastColumn; ++d) {
    const int x = columnX(d);
    const std::string_view name = WeekdayNameOf(doc_.cal.FirstWeekday + d - kPrevDays);
    const bool weekend = name == "SA" || name == "SU";
    const int dayOfMonth = d < kPrevDays
                               ? doc_.cal.PrevMonthDays[static_cast<std::size_t>(d)][0]
                               : doc_.cal.MonthDays[static_cast<std::size_t>(d - kPrevDays)][0];
    c.textInRect({x, 0, x + g.cellWidth, band}, name,
                 {FontRole::Grid, weekend ? colors::kBlue : colors::kBlack}, HAlign::Center);
    c.textInRect({x, band, x + g.cellWidth, 2 * band}, Printf("%02d", dayOfMonth),
                 {FontRole::Grid, colors::kBlack}, HAlign::Center);
  }
  const std::string_view caption = "L  A  S  T   M  O  N  T  H";
  const int x = columnX(kLastMonthLabelColumn);
  const TextStyle yellow{FontRole::Grid, colors::kYellow};
  // Only in the third band: in the first it would be written over the
  // weekday names.
  c.text({x, 2 * band + std::max(0, (band - pc.font.height) / 2)}, caption, yellow);
}

void BlockGridView::paintLastMonthRow(Canvas& c, const PaintContext& pc, int row) const {
  const GridGeometry& g = geometry_;
  const int crew = crewAt(row);
  if (crew < 0) return;
  const TPilot& pilot = doc_.pilot(crew);
  const int y = rowY(row);
  const int W = g.cellWidth;
  const int textY = y + std::max(1, (g.rowHeight - pc.font.height) / 2 + 1);
  const Rect rowClip =
      pc.area.intersected({0, g.headerHeight, pc.viewport.right, pc.viewport.bottom});
  c.setClip(rowClip);

  auto rowLine = [&](int r, int lineY) {
    const Rgb color = r % 2 == 0 ? colors::kLightGrey : colors::kGrey;
    c.line({0, lineY}, {columnX(kColumns), lineY}, {color, LineStyle::Solid, 1});
  };
  rowLine(row, y + g.rowHeight);
  if (row == firstRow_) rowLine(row - 1, y);

  static const char* const kPrefixes[] = {"", "# ", "+ ", "@ "};
  const int qual = pilot.SpecialQual();
  const std::string name =
      std::to_string(crew + 1) + " " + (qual >= 1 && qual <= 3 ? kPrefixes[qual] : "") + pilot.Name;
  const Rgb nameColor =
      pilot.ExceptionsText.empty() ? colors_[kBlkTotalInRange] : colors_[kBlkTotalOutsideRange];
  c.text({2, textY}, name, {FontRole::Grid, nameColor});
  if (MedFlag(pilot)) {
    const int midY = y + g.rowHeight / 2;
    c.line({2, midY}, {2 + c.textWidth(name, FontRole::Grid), midY},
           {colors::kGrey, LineStyle::Solid, 1});
  }

  c.setClip(pc.area.intersected(pc.cells));
  const int barTop = y + 4;
  const int barBottom = y + g.rowHeight - 2;
  const int rest = (pc.cabin ? 720 : 660) * W / kMinutesPerDay;
  for (int d = 0; d < kPrevDays; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    const std::string& code = pilot.ActivityText[day];
    if (code.empty()) continue;
    const int x = columnX(d);
    if (x > pc.area.right) break;
    std::string shown;
    if (code.size() > 4) {
      const long long start = std::clamp(pilot.Activity[day][kActPairingStart], 0, kMinutesPerDay);
      const long long tafb =
          std::clamp(pilot.Activity[day][kActPairingTafb], 0, kBlockDays * kMinutesPerDay);
      const int left = x + static_cast<int>(start * W / kMinutesPerDay);
      const int right = x + static_cast<int>((start + tafb) * W / kMinutesPerDay);
      if (right + rest >= pc.area.left) {
        c.fillRect({left, barTop, right, barBottom}, colors_[kDutyTimeColor]);
        c.fillRect({right, barTop, right + rest, barBottom}, colors_[kRestTimeColor]);
      }
      shown = Last(RightAligned(code, 5), options_.showFullPair ? 4 : 3);
    } else {
      shown = Last(RightAligned(code, 3), options_.showFullLayOver ? 3 : 2);
    }
    if (x + W < pc.area.left) continue;
    c.text({x + 2, textY}, shown, {FontRole::Grid, colors::kBlack});
  }
}

// --- status text

std::string BlockGridView::dayStatus(int crew, int day) const {
  const TPilot& pilot = doc_.pilot(crew);
  const std::size_t d = static_cast<std::size_t>(day);
  const int monthLength = doc_.monthDays();

  if (lastMonthOverlay_) {
    if (day >= kPrevDays) return {};
    const DayRecord& act = pilot.Activity[d];
    return pilot.ActivityText[d] + "  On " + TimeText(act[kActPairingStart]) + "  TAFB " +
           TimeText(act[kActPairingTafb]) + "  Duty " + WorkedStateWord(act[kActWorkedState]);
  }

  const std::size_t k = static_cast<std::size_t>(kPrevDays + day);
  const auto& totals = pilot.DutyTotals[k];
  const bool hasDuty = totals[0] != 0 || totals[1] != 0 || totals[2] != 0;
  const std::string duty =
      " Duty " + TimeText(totals[0]) + " " + TimeText(totals[1]) + " " + TimeText(totals[2]);
  if (day < monthLength) {
    const std::int32_t cell = pilot.DayCell[d];
    if (cell >= 0 && doc_.isPairIndex(cell)) {
      const TPair& pair = doc_.pair(cell);
      return "Pair " + Printf("%04d", pair.Number) + "  On " + TimeText(pair.OnTime) + "  Off " +
             TimeText(pair.OffTime) + "  Credit " + TimeText(pair.Credit) + "  Type " +
             pair.CrewPosition + " " + duty;
    }
    if (cell == kOtherAssignmentCell) {
      const DayRecord& other = pilot.DayOther[d];
      return pilot.DayCode[d] + "  On " + TimeOrEmpty(other[kOtherStartTime]) + "  TAFB " +
             TimeOrEmpty(other[kOtherHoursAtWork]) + "  Credit " +
             TimeOrEmpty(other[kOtherCredit]) + "  Hard " + TimeOrEmpty(other[kOtherHardTime]) +
             " " + duty;
    }
    return hasDuty ? duty : std::string();
  }
  if (day <= monthLength + 29 && hasDuty) return duty;
  return {};
}

std::optional<std::string> BlockGridView::hoverStatus(Point p) {
  const GridPoint hit = hitTest(p);
  if (hit.area == GridArea::Day) {
    if (hit.day == hoverDay_ && hit.row == hoverRow_) return std::nullopt;
    hoverDay_ = hit.day;
    hoverRow_ = hit.row;
    hoverNameRow_ = -1;
    return dayStatus(hit.crew, hit.day);
  }
  if (hit.area == GridArea::Name) {
    if (hit.row == hoverNameRow_) return std::nullopt;
    hoverNameRow_ = hit.row;
    hoverDay_ = -1;
    hoverRow_ = -1;
    const TPilot& pilot = doc_.pilot(hit.crew);
    // The findings are stored as items each ended by "+": the status bar
    // sets them apart from the name and from each other instead.
    const auto items = [](const std::string& stored) {
      std::string shown;
      std::size_t start = 0;
      while (start < stored.size()) {
        std::size_t end = stored.find('+', start);
        if (end == std::string::npos) end = stored.size();
        const std::size_t first = stored.find_first_not_of(' ', start);
        if (first != std::string::npos && first < end) {
          if (!shown.empty()) shown += "; ";
          shown += stored.substr(first, end - first);
        }
        start = end + 1;
      }
      return shown;
    };
    std::string text = pilot.Name;
    if (const std::string exceptions = items(pilot.ExceptionsText); !exceptions.empty())
      text += "  " + exceptions;
    if (!pilot.WarningsText.empty()) text += "  WARN " + items(pilot.WarningsText);
    return text;
  }
  return std::nullopt;
}

void BlockGridView::resetHover() {
  hoverDay_ = -1;
  hoverRow_ = -1;
  hoverNameRow_ = -1;
}

}  // namespace lumora
