#include "views/pair_window.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "building/french_cabin.h"
#include "building/roster_bounds.h"
#include "model/time_text.h"

namespace lumora {

namespace {

constexpr Rgb kChangedComplementBar = colors::kWhite;
constexpr Rgb kFrameDark = colors::kBlack;
constexpr Rgb kFrameLight = colors::kWhite;
constexpr int kFlightAttendants = 2;
constexpr int kSaturday = 6;
constexpr int kMonday = 1;

// The days of the month the window can show: its 36 columns hold the month
// and the days its last pairings spill into.
int ShownDays(const TDocument& doc) {
  return std::min(doc.monthDays(), TPairWin::kLayoutDays);
}

// Duty days as the layout reserves them: at least the start day.
int DutyDaysOf(const TPair& p) {
  return std::clamp<int>(p.AdjLength, 1, kMonthDays);
}

bool IsOpen(std::int32_t status) {
  return status == kOpenInstance || status == -kOpenInstance;
}
bool IsAssigned(std::int32_t status) {
  return status == kAssignedInstance || status == -kAssignedInstance;
}

std::string Format04(int number) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d", number);
  return buffer;
}

int SumOfSix(const MonthDayArray& values) {
  int sum = 0;
  for (std::size_t i = 0; i < 6; ++i) sum += values[i];
  return sum;
}

// The 7-character text 4 characters after the first "***" of the display text.
std::string CraText(const std::string& text) {
  const std::size_t mark = text.find("***");
  if (mark == std::string::npos || text.size() - (mark + 3) < 11) return "CRA?";
  return text.substr(mark + 3 + 4, 7);
}

}  // namespace

const char* OrdinalSuffix(int day) {
  switch (day) {
    case 1:
    case 21:
    case 31:
      return "st";
    case 2:
    case 22:
      return "nd";
    case 3:
    case 23:
      return "rd";
    default:
      return "th";
  }
}

TPairWin::TPairWin(TDocument& doc)
    : doc_(doc),
      layout_(static_cast<std::size_t>(kLayoutDays) * kSlotRows, kFreeCell),
      bold_(layout_.size(), 0),
      heldByQualified_(static_cast<std::size_t>(kPairSlots) * kMonthDays, 0) {
  order_.reserve(kPairSlots);
  byNumber_.reserve(kPairSlots);
  caption_ = filterStateCaption();
}

void TPairWin::setGeometry(int cellWidth, int rowHeight) {
  cellWidth_ = std::max(1, cellWidth);
  rowHeight_ = std::max(1, rowHeight);
}

void TPairWin::setFilters(bool on, std::string name) {
  filtersOn_ = on;
  filterName_ = std::move(name);
  caption_ = filterStateCaption();
}

// Pairings of exactly 7 duty days and continuous duties of 7 or more would
// fit both group 6 and group 7; each goes to group 6, the first that names
// it, so that group 7 holds only the long pairings without the flag.
int TPairWin::GroupOf(const TPair& p) {
  const int duty = p.AdjLength;
  if (p.Overnight || duty == 7) return 6;
  if (duty > 7) return 7;
  if (duty <= 1) return 0;
  return duty - 1;
}

void TPairWin::SortPairings() {
  const int last = doc_.lastPairIndex();
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc_.pair(p);
    pair.CreditClass = CreditClassOf(pair);
  }
  order_.clear();
  for (int group = 0; group < kGroupCount; ++group) {
    const auto groupStart = order_.size();
    for (int p = 0; p <= last; ++p) {
      if (GroupOf(doc_.pair(p)) == group) order_.push_back(p);
    }
    std::stable_sort(order_.begin() + static_cast<std::ptrdiff_t>(groupStart), order_.end(),
                     [this](int a, int b) { return doc_.pair(a).OnTime < doc_.pair(b).OnTime; });
  }
}

int TPairWin::cell(int day, int slot) const {
  if (day < 0 || day >= kLayoutDays || slot < 0 || slot >= kSlotRows) return kFreeCell;
  return layout_[static_cast<std::size_t>(slot * kLayoutDays + day)];
}

bool TPairWin::usable(const TPair& p, int day, int slot) const {
  if (cell(day, slot) != kFreeCell) return false;
  const int duty = DutyDaysOf(p);
  for (int i = 1; i < duty && day + i < kLayoutDays; ++i) {
    if (cell(day + i, slot) != kFreeCell) return false;
  }
  return !(p.Overnight && day + 1 < kLayoutDays && cell(day + 1, slot) != kFreeCell);
}

void TPairWin::place(const TPair& p, int pair, int day, int slot) {
  at(day, slot) = pair;
  layoutRows_ = std::max(layoutRows_, slot + 1);
  const int duty = DutyDaysOf(p);
  for (int i = 1; i < duty && day + i < kLayoutDays; ++i) at(day + i, slot) = kCoveredCell;
  if (p.Overnight && day + 1 < kLayoutDays) at(day + 1, slot) = kCoveredCell;
}

void TPairWin::LayoutPairWin() {
  SortPairings();
  // Only the rows the last layout wrote hold anything: a month fills a few
  // hundred of the six thousand.
  std::fill_n(layout_.begin(), static_cast<std::ptrdiff_t>(layoutRows_) * kLayoutDays, kFreeCell);
  layoutRows_ = 0;
  int highest = 0;
  int band = 0;
  bool placedInBand = false;
  const int days = ShownDays(doc_);
  for (std::size_t n = 0; n < order_.size(); ++n) {
    const int pair = order_[n];
    const TPair& p = doc_.pair(pair);
    for (int d = 0; d < days; ++d) {
      const std::int32_t status = p.DayStatus[static_cast<std::size_t>(d)];
      if (status == kNoInstance) continue;
      if (IsAssigned(status) && !doc_.ShowAssignedPairs) continue;
      if (filtersOn_ && p.FilterState == 0) continue;
      // A full column leaves the instance out of the window.
      for (int k = band; k < kSlotRows; ++k) {
        if (usable(p, d, k)) {
          place(p, pair, d, k);
          placedInBand = true;
          break;
        }
        highest = std::max(highest, k + 1);
      }
    }
    if (n + 1 < order_.size() && placedInBand &&
        doc_.pair(order_[n + 1]).AdjLength != p.AdjLength) {
      band = highest + 1;
      highest = band;
      placedInBand = false;
    }
  }
  highestSlot_ = std::min(highest, kSlotRows - 1);

  PairSelection& sel = doc_.view.selection;
  if (doc_.isPairIndex(sel.pair) && sel.day >= 0 && sel.day < kLayoutDays) {
    sel.slot = -1;
    for (int k = 0; k <= highestSlot_; ++k) {
      if (cell(sel.day, k) == sel.pair) {
        sel.slot = k;
        break;
      }
    }
  }
  const PairSelection& prev = doc_.view.previousSelection;
  outlineVanished_ = sel.pair < 0 && doc_.isPairIndex(prev.pair) && prev.slot >= 0 &&
                     cell(prev.day, prev.slot) != prev.pair;
  firstSlot_ = std::clamp(firstSlot_, 0, highestSlot_);
  MarkFrenchPairings();
}

// A French pairing's number is bold while the trip still needs a French
// cabin member: no other position of the trip (same number) is open on the
// day while this one is, and no French-qualified member holds one there.
void TPairWin::MarkFrenchPairings() {
  std::fill_n(bold_.begin(), static_cast<std::ptrdiff_t>(boldRows_) * kLayoutDays, std::uint8_t{0});
  boldRows_ = 0;
  if (doc_.CrewType != kFlightAttendants) return;
  const int days = std::min(ShownDays(doc_), kMonthDays);
  const int rows = std::min(highestSlot_ + 1, kSlotRows);
  const auto french = [&](int pair) {
    return doc_.isPairIndex(pair) && doc_.pair(pair).FrenchPairing;
  };
  bool any = false;
  for (int s = 0; s < rows && !any; ++s) {
    for (int d = 0; d < days && !any; ++d) any = french(cell(d, s));
  }
  if (!any) return;

  const int last = doc_.lastPairIndex();
  const auto numberOf = [this](int pair) { return doc_.pair(pair).Number; };
  byNumber_.clear();
  for (int q = 0; q <= last; ++q) byNumber_.push_back(q);
  std::stable_sort(byNumber_.begin(), byNumber_.end(),
                   [&](int a, int b) { return numberOf(a) < numberOf(b); });

  std::fill(heldByQualified_.begin(), heldByQualified_.end(), std::uint8_t{0});
  const int roster = doc_.rosterSize();
  for (int k = 0; k < roster; ++k) {
    const TPilot& crew = doc_.pilot(k);
    if (!IsFrenchQualified(crew)) continue;
    for (int d = 0; d < days; ++d) {
      const int held = crew.DayCell[static_cast<std::size_t>(d)];
      if (doc_.isPairIndex(held))
        heldByQualified_[static_cast<std::size_t>(held * kMonthDays + d)] = 1;
    }
  }

  boldRows_ = rows;
  for (int s = 0; s < rows; ++s) {
    for (int d = 0; d < days; ++d) {
      const int pair = cell(d, s);
      if (!french(pair)) continue;
      const auto day = static_cast<std::size_t>(d);
      const bool open = IsOpen(doc_.pair(pair).DayStatus[day]);
      const auto [first, end] =
          std::equal_range(byNumber_.begin(), byNumber_.end(), pair,
                           [&](int a, int b) { return numberOf(a) < numberOf(b); });
      bool needed = true;
      for (auto q = first; q != end && needed; ++q) {
        if (*q == pair) continue;
        const TPair& other = doc_.Pairs[static_cast<std::size_t>(*q)];
        if (open && IsOpen(other.DayStatus[day])) needed = false;
        if (heldByQualified_[static_cast<std::size_t>(*q * kMonthDays + d)]) needed = false;
      }
      bold_[static_cast<std::size_t>(s * kLayoutDays + d)] = needed ? 1 : 0;
    }
  }
}

bool TPairWin::boldNumber(int day, int slot) const {
  if (day < 0 || day >= kLayoutDays || slot < 0 || slot >= kSlotRows) return false;
  return bold_[static_cast<std::size_t>(slot * kLayoutDays + day)] != 0;
}

void TPairWin::setScroll(int firstColumn, int firstSlot) {
  firstColumn_ = std::clamp(firstColumn, 0, kLayoutDays - 1);
  firstSlot_ = std::clamp(firstSlot, 0, highestSlot_);
}

int TPairWin::scrollSlots() const {
  return highestSlot_;
}

Rect TPairWin::instanceRect(int day, int slot, int days) const {
  const int left = (day - firstColumn_) * cellWidth_;
  const int top = (slot - firstSlot_) * rowHeight_;
  const Rect r{left, top, left + std::max(1, days) * cellWidth_, top + rowHeight_};
  if (r.right <= 0 || r.bottom <= 0) return {};
  return r;
}

std::string TPairWin::filterStateCaption() const {
  return filtersOn_ ? "Filters On For " + filterName_ : std::string("Filters Off");
}

std::string TPairWin::filterSuffix() const {
  if (!filtersOn_) return " - Filters Off";
  if (doc_.CrewType == kFlightAttendants) return " Filters On";
  return " - Filters On for " + filterName_;
}

std::string TPairWin::selectedCaption(const TPair& p) const {
  int legal = p.OffTime + (doc_.CrewType == kFlightAttendants ? 720 : p.MinRestAfter);
  while (legal > 1439) legal -= 1440;
  // Clock times take two-digit hours, the durations as many as they need.
  return "Pair " + std::to_string(p.Number) + "   On " + FormatTime(p.OnTime, false, true) +
         "   Off " + FormatTime(p.OffTime, false, true) + "   Credit " + HoursMinutes(p.Credit) +
         "  Hard " + FormatTime(SumOfSix(p.DailyHardTime), false, true) + "  Duty " +
         FormatTime(SumOfSix(p.DailyDutyTime), false, true) + "  Legal " + HoursMinutes(legal) +
         "  " + CraText(p.DisplayText) + " ";
}

TPairWin::Hit TPairWin::hitTest(Point p) const {
  if (p.x < 0 || p.y < 0) return {};
  const int d = p.x / cellWidth_ + firstColumn_;
  const int s = (p.y + 5) / rowHeight_ + firstSlot_;
  if (d < 0 || d > 30 || s > highestSlot_ + 1) return {};
  const int pair = cell(d, s);
  if (!doc_.isPairIndex(pair)) return {};
  return {d, s, pair};
}

PairWinClick TPairWin::leftButtonUp(Point point) {
  const Hit hit = hitTest(point);
  if (hit.pair < 0) return {};
  const std::int32_t status = doc_.pair(hit.pair).DayStatus[static_cast<std::size_t>(hit.day)];
  PairSelection& sel = doc_.view.selection;
  if (sel.pair >= 0 && sel.day == hit.day && sel.slot == hit.slot) {
    return {PairWinClick::Kind::OpenText, hit.pair, hit.day};
  }
  if (doc_.view.lastShownDay == hit.day && doc_.view.lastShownSlot == hit.slot &&
      IsAssigned(status)) {
    return {PairWinClick::Kind::OpenText, hit.pair, hit.day};
  }
  const TPair& p = doc_.pair(hit.pair);
  if (IsOpen(status)) {
    doc_.view.previousSelection = sel;
    sel = PairSelection{hit.pair, hit.day, hit.slot};
    doc_.view.toolboxPlacing = 0;
    caption_ = selectedCaption(p) + filterSuffix();
    return {PairWinClick::Kind::Selected, hit.pair, hit.day};
  }
  if (!IsAssigned(status)) return {};
  const int roster = doc_.rosterSize();
  for (int k = 0; k < roster; ++k) {
    const TPilot& crew = doc_.pilot(k);
    if (crew.DayCell[static_cast<std::size_t>(hit.day)] != hit.pair) continue;
    const int calendarDay = CalendarDayOf(doc_, hit.day);
    char head[64];
    std::snprintf(head, sizeof head, "Pair %d on the %d%s assigned to ", p.Number, calendarDay,
                  OrdinalSuffix(calendarDay));
    caption_ = head + crew.Name + " (" + std::to_string(k + 1) + ")" + filterSuffix();
    doc_.view.lastShownDay = hit.day;
    doc_.view.lastShownSlot = hit.slot;
    return {PairWinClick::Kind::ShownOwner, hit.pair, hit.day};
  }
  // An assigned mark nobody holds: nothing to name.
  return {};
}

PairWinRightClick TPairWin::rightButtonDown(Point point) const {
  const Hit hit = hitTest(point);
  if (hit.pair < 0) return {};
  return {true, hit.pair, hit.day};
}

void TPairWin::toggleShowOnlyOpen() {
  doc_.ShowAssignedPairs = doc_.ShowAssignedPairs ? 0 : 1;
  LayoutPairWin();
  clearSelection();
  if (doc_.CrewType == kFlightAttendants) {
    if (filtersOn_)
      caption_ = "Filters On";
    else
      caption_ = doc_.ShowAssignedPairs ? "Filters Off" : "";
  } else {
    caption_ = filterStateCaption();
  }
}

void TPairWin::clearSelection() {
  doc_.view.selection = PairSelection{};
  doc_.view.previousSelection = PairSelection{};
  outlineVanished_ = false;
}

void TPairWin::paintInstance(Canvas& canvas, int pair, int day, int slot) const {
  const TPair& p = doc_.pair(pair);
  const auto d = static_cast<std::size_t>(day);
  const int w = cellWidth_;
  const int x = (day - firstColumn_) * w;
  const int top = (slot - firstSlot_) * rowHeight_;
  const int bottom = top + rowHeight_;
  const Rgb classColor = colors_[std::min<std::size_t>(p.CreditClass, kVeryHighCreditPairings)];
  const std::int32_t status = p.DayStatus[d];
  const int type = p.DayPairingType[d];
  const int duty = DutyDaysOf(p);
  const int length = std::clamp<int>(p.Length, 1, kMonthDays);

  Rgb barColor = classColor;
  if (status < 0)
    barColor = kChangedComplementBar;
  else if (const std::optional<Rgb> training = TrainingTypeBarColor(type))
    barColor = *training;
  else if (IsAssigned(status))
    barColor = colors::kGrey;
  const int release = p.OffTime == 0 ? kMinutesPerDay : p.OffTime;
  canvas.fillRect({2 + x + p.OnTime * w / kMinutesPerDay, bottom - 6,
                   2 + x + (length - 1) * w + release * w / kMinutesPerDay, bottom - 4},
                  barColor);

  if (IsAssigned(status) && doc_.ShowAssignedPairs) {
    const Pen grey{colors::kGrey};
    const int right = x + duty * w - 1;
    canvas.line({x, top + 2}, {right, top + 2}, grey);
    canvas.line({x, bottom - 8}, {right, bottom - 8}, grey);
    canvas.line({x, top + 2}, {x, bottom - 8}, grey);
    canvas.line({right, top + 2}, {right, bottom - 8}, grey);
  }

  const std::string number = Format04(p.Number);
  const TextStyle style{boldNumber(day, slot) ? FontRole::GridBold : FontRole::Grid, classColor};
  if (options_.showFullPair)
    canvas.textInRect({x, top, x + w, bottom}, number, style, HAlign::Left);
  else
    canvas.textInRect({x, top, x + w, bottom}, number.substr(number.size() - 3), style,
                      HAlign::Center);

  if (p.CrewPosition == "PU") {
    canvas.line({x + 3, top}, {x + w - 6, top}, Pen{classColor});
    canvas.line({x + 3, top + 1}, {x + w - 6, top + 1}, Pen{classColor});
  }

  if (duty <= 1) return;
  if (!options_.layovers) {
    const int y = top + 7;
    const int end = x + length * w - 5;
    const Pen pen{classColor};
    canvas.line({x + 3, y}, {end, y}, pen);
    canvas.line({end - 3, y - 3}, {end, y}, pen);
    canvas.line({end - 3, y + 3}, {end, y}, pen);
    return;
  }
  const TextStyle stationStyle{FontRole::Grid, classColor};
  for (int i = 0; i + 1 < duty && static_cast<std::size_t>(3 * i + 3) <= p.LayoverText.size();
       ++i) {
    const std::string station = p.LayoverText.substr(static_cast<std::size_t>(3 * i), 3);
    const int cx = x + (i + 1) * w;
    canvas.textInRect({cx, top, cx + w, bottom},
                      options_.showFullLayOver ? station : station.substr(1), stationStyle,
                      HAlign::Center);
  }
}

void TPairWin::frame(Canvas& canvas, const PairSelection& sel) const {
  const int days = DutyDaysOf(doc_.pair(sel.pair));
  const int left = (sel.day - firstColumn_) * cellWidth_;
  const int top = (sel.slot - firstSlot_) * rowHeight_;
  const int right = left + days * cellWidth_ - 1;
  const int bottom = top + rowHeight_ - 1;
  canvas.line({left, bottom}, {left, top}, Pen{kFrameDark});
  canvas.line({left, top}, {right, top}, Pen{kFrameDark});
  canvas.line({right, top}, {right, bottom}, Pen{kFrameLight});
  canvas.line({right, bottom}, {left, bottom}, Pen{kFrameLight});
}

void TPairWin::paint(Canvas& canvas, const Rect& area, const Rect& viewport) const {
  const Rect clip = area.intersected(viewport);
  if (clip.empty()) return;
  canvas.setClip(clip);
  const Rgb background = colors_[kPairingWindowBackground];
  canvas.fillRect(clip, background);
  const PairSelection& prev = doc_.view.previousSelection;
  if (doc_.isPairIndex(prev.pair) && prev.slot >= 0) {
    const Rect old = instanceRect(prev.day, prev.slot, DutyDaysOf(doc_.pair(prev.pair)));
    if (old.intersects(clip)) canvas.fillRect(old.intersected(clip), background);
  }

  const int days = ShownDays(doc_);
  const Rgb weekLines = filtersOn_ ? colors::kYellow : colors::kBlue;
  for (int d = 0; d <= days; ++d) {
    const int x = (d - firstColumn_) * cellWidth_;
    if (x < clip.left || x >= clip.right) continue;
    const int weekday = (doc_.cal.FirstWeekday + d) % 7;
    const bool marked = weekday == kSaturday || weekday == kMonday;
    canvas.line({x, clip.top}, {x, clip.bottom - 1},
                Pen{marked ? weekLines : colors::kGrey, LineStyle::Dotted});
  }

  const int firstRow = firstSlot_ + std::max(0, clip.top) / rowHeight_;
  const int lastRow =
      std::min(highestSlot_, firstSlot_ + std::max(0, clip.bottom - 1) / rowHeight_);
  for (int s = firstRow; s <= lastRow; ++s) {
    for (int d = 0; d < days; ++d) {
      const int pair = cell(d, s);
      if (doc_.isPairIndex(pair)) paintInstance(canvas, pair, d, s);
    }
  }

  const PairSelection& sel = doc_.view.selection;
  if (doc_.isPairIndex(sel.pair) && cell(sel.day, sel.slot) == sel.pair) frame(canvas, sel);
  if (outlineVanished_) {
    frame(canvas, prev);
    outlineVanished_ = false;
  }
  canvas.resetClip();
}

}  // namespace lumora
