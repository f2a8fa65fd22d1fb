#include "views/block_printout.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "building/block_figures.h"
#include "model/time_text.h"
#include "views/block_grid.h"

namespace lumora {

namespace {

constexpr int kUnit = 30;  // a day column and a crew row
constexpr int kLine = 10;  // a text line
constexpr int kGap = 5;    // lines stand this far above the rows
constexpr int kNameColumns = 3;

const TextStyle kText{FontRole::PrintBlocks, colors::kBlack};
const TextStyle kRequestText{FontRole::PrintBlocks, colors::kGrey};
const Pen kThin{colors::kBlack, LineStyle::Solid, 1};
const Pen kThick{colors::kBlack, LineStyle::Solid, 2};

// Leave that flight-attendant sheets show as one word.
bool PrintedAsLoa(const std::string& code) {
  static constexpr std::array<std::string_view, 7> kCodes = {"PSD", "MED", "WCB", "LTD",
                                                             "MOD", "PWC", "SCK"};
  return std::find(kCodes.begin(), kCodes.end(), code) != kCodes.end();
}

bool OnLeaveAllMonth(const TPilot& pilot, int days) {
  for (int d = 0; d < days; ++d)
    if (!IsLeaveCode(pilot.DayCode[static_cast<std::size_t>(d)])) return false;
  return true;
}

bool OpenInstance(const TPair& pair, int day) {
  const auto status = pair.DayStatus[static_cast<std::size_t>(day)];
  return status == 1 || status == -1;
}

Rect Cell(int day, int top) {
  const int x = (day + kNameColumns) * kUnit;
  return {x, top, x + kUnit, top + kLine};
}

template <typename... Args>
std::string Format(const char* format, Args... args) {
  std::array<char, 512> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, args...);
  return buffer.data();
}

}  // namespace

std::string PrintedFileName(const TDocument& doc) {
  return std::filesystem::path(doc.FileName).filename().string();
}

TBlocksOut::TBlocksOut(TDocument& doc, std::span<const int> displayOrder, BlockPrintOptions options,
                       Ui& ui, BlockViewSink& views)
    : doc_(doc),
      order_(displayOrder.begin(), displayOrder.end()),
      options_(options),
      ui_(ui),
      views_(views) {}

std::string TBlocksOut::title() const {
  return PrintedFileName(doc_);
}

int TBlocksOut::pageCount() {
  const int days = doc_.monthDays();
  int mostOpen = 0;
  for (int d = 0; d < days; ++d) {
    int open = 0;
    for (int p = 0; p <= doc_.lastPairIndex(); ++p)
      if (OpenInstance(doc_.pair(p), d)) ++open;
    mostOpen = std::max(mostOpen, open);
  }
  crew_.clear();
  if (doc_.crewKind() == CrewKind::FlightAttendants) {
    for (int crew : order_)
      if (doc_.isRosterIndex(crew)) crew_.push_back(crew);
  } else {
    for (int crew = 0; crew < doc_.rosterSize(); ++crew)
      if (!OnLeaveAllMonth(doc_.pilot(crew), days)) crew_.push_back(crew);
  }
  const int count = static_cast<int>(crew_.size());
  pages_ = (mostOpen / 3 + count + 1) / kRowsPerPage + 1;
  cursor_ = 0;
  printed_ = 0;
  lastPage_ = 0;
  return pages_;
}

void TBlocksOut::printPage(int page, Canvas& canvas) {
  const int count = static_cast<int>(crew_.size());
  if (page != lastPage_ + 1) {
    // A range that does not start where the last page ended: the rows of the
    // pages before it are passed over, and the running count follows them.
    printed_ = std::min(count, (page - 1) * kRowsPerPage);
    cursor_ = static_cast<std::size_t>(printed_);
  }
  const int rows = std::clamp(count - printed_, 0, kRowsPerPage);
  printHeads(page, rows, canvas);
  for (int r = 0; r < rows; ++r) {
    const int crew = crew_[cursor_++];
    ++printed_;
    const int number = doc_.crewKind() == CrewKind::FlightAttendants ? crew + 1 : printed_;
    printCrewRow(crew, number, (r + 2) * kUnit + 1, canvas);
  }
  if (page == pages_) printOpenFlying((rows + 2) * kUnit + 1, canvas);
  lastPage_ = page;
}

void TBlocksOut::printHeads(int page, int rows, Canvas& canvas) const {
  const TCalendar& cal = doc_.cal;
  const std::string file = PrintedFileName(doc_);
  const std::string title =
      options_.draft ? Format("*** %s %s DRAFT COPY *** Page %d %s", cal.MonthText.c_str(),
                              cal.YearText.c_str(), page, file.c_str())
                     : Format("Lumora %s %s FINAL. Page %d %s", cal.MonthText.c_str(),
                              cal.YearText.c_str(), page, file.c_str());
  canvas.text({0, 0}, title, kText);
  canvas.text({0, kUnit}, "EMP NAME", kText);
  canvas.text({0, kUnit + kLine}, "BLK HRS", kText);

  const int days = doc_.monthDays();
  const int bottom = (rows + 2) * kUnit - kGap;
  for (int d = 0; d < days; ++d) {
    const auto day = static_cast<std::size_t>(d);
    canvas.textInRect(Cell(d, kUnit - 1), Format("%02d", cal.MonthDays[day][0]), kText,
                      HAlign::Center);
    const std::string name(cal.DayNames[day].data(),
                           strnlen(cal.DayNames[day].data(), cal.DayNames[day].size()));
    canvas.textInRect(Cell(d, kUnit - 1 + kLine), name, kText, HAlign::Center);
    const int weekday = (cal.FirstWeekday + d) % 7;
    if (weekday == 0) continue;  // Sundays stand inside the weekend's box
    const int x = (d + kNameColumns) * kUnit;
    canvas.line({x, kUnit - kGap}, {x, bottom}, weekday == 6 || weekday == 1 ? kThick : kThin);
  }
  const int right = (days + kNameColumns) * kUnit;
  canvas.line({0, 2 * kUnit - kGap}, {right, 2 * kUnit - kGap}, kThick);
  canvas.line({right, kUnit - kGap}, {right, bottom}, kThin);
}

void TBlocksOut::printCrewRow(int crew, int number, int y, Canvas& canvas) {
  TPilot& pilot = doc_.pilot(crew);
  const bool cabin = doc_.crewKind() == CrewKind::FlightAttendants;
  const int days = doc_.monthDays();
  const int lower = y + kLine + 2;

  canvas.text({0, y}, Format("%d %-9s", number, pilot.Name.substr(0, 9).c_str()), kText);
  std::int64_t credit = RecalcBlockCredit(doc_, crew, false, ui_, views_);
  const int vauCut = cabin ? 170 : 240;
  for (int d = 0; d < days; ++d)
    if (pilot.DayCell[static_cast<std::size_t>(d)] == kOtherAssignmentCell &&
        pilot.DayCode[static_cast<std::size_t>(d)] == "VAU")
      credit -= vauCut;
  credit = std::max<std::int64_t>(credit, 0);
  const std::int64_t carried =
      std::int64_t{pilot.CreditCarriedIn()} + pilot.ExtraCredit + pilot.DraftCredit;
  canvas.text({0, lower}, HoursMinutes(credit) + " " + HoursMinutes(carried), kText);

  const std::int64_t carryIn = (std::int64_t{pilot.LegalCheckIn()} - 660) * kUnit / 1440;
  if (carryIn > 0) {
    // A rest that runs into the month: the box covers the days it blocks.
    const int left = kNameColumns * kUnit;
    const int right = left + static_cast<int>(std::min<std::int64_t>(carryIn, 62 * kUnit));
    const int top = y - 4;
    const int bottom = lower + kLine;
    canvas.line({left, top}, {right, top}, kThin);
    canvas.line({left, bottom}, {right, bottom}, kThin);
    canvas.line({left, top}, {left, bottom}, kThin);
    canvas.line({right, top}, {right, bottom}, kThin);
    canvas.text({left + 2, y}, "CARRYIN", {FontRole::PrintBlocks, colors::kBlack, true});
  }

  for (int d = 0; d < days; ++d) {
    const auto day = static_cast<std::size_t>(d);
    const int cell = pilot.DayCell[day];
    const int x = (d + kNameColumns) * kUnit;
    if (doc_.isPairIndex(cell)) {
      const TPair& pair = doc_.pair(cell);
      canvas.textInRect(Cell(d, lower), Format("%04d", pair.Number), kText, HAlign::Center);
      if (cabin && pair.CrewPosition == "PU")
        canvas.line({x, lower - 4}, {x + kUnit, lower - 4}, kThick);
      if (pair.Length >= 2 && !pair.Overnight) {
        const std::string& stations = pair.LayoverText;
        for (std::size_t i = 0; 3 * i + 3 <= stations.size(); ++i) {
          const int at = d + 1 + static_cast<int>(i);
          if (at >= days) break;
          canvas.textInRect(Cell(at, lower), stations.substr(3 * i + 1, 2), kText, HAlign::Center);
        }
      } else if (pair.Overnight && d + 1 < days && pilot.DayCell[day + 1] == -1) {
        canvas.line({x + kUnit + 1, lower + 7}, {x + kUnit + 10, lower + 7}, kThin);
      }
    } else if (cell == kOtherAssignmentCell) {
      const std::string& code = pilot.DayCode[day];
      canvas.textInRect(Cell(d, lower), cabin && PrintedAsLoa(code) ? "LOA" : code, kText,
                        HAlign::Center);
    }
    if (options_.requests && pilot.DayRequest[day] > 0)
      canvas.textInRect(Cell(d, y), RequestLabel(pilot.DayRequest[day]), kRequestText,
                        HAlign::Center);
  }
  const int under = y - 1 + kUnit - kGap;
  canvas.line({0, under}, {(days + kNameColumns) * kUnit, under}, kThin);
}

void TBlocksOut::printOpenFlying(int y, Canvas& canvas) const {
  const int days = doc_.monthDays();
  const int lower = y + kLine + 2;
  canvas.text({0, y}, "RESERVES", kText);
  canvas.text({0, lower}, "OPEN", kText);
  for (int d = 0; d < days; ++d) {
    const auto day = static_cast<std::size_t>(d);
    int reserves = 0;
    for (int crew = 0; crew < doc_.rosterSize(); ++crew) {
      const TPilot& pilot = doc_.pilot(crew);
      if (pilot.DayCell[day] == kOtherAssignmentCell && pilot.DayOther[day][kOtherReserve] != 0)
        ++reserves;
    }
    canvas.textInRect(Cell(d, y), Format("%d", reserves), kText, HAlign::Center);
    int listed = 0;
    for (int p = 0; p <= doc_.lastPairIndex(); ++p) {
      if (!OpenInstance(doc_.pair(p), d)) continue;
      canvas.textInRect(Cell(d, lower + listed * kLine), Format("%04d", doc_.pair(p).Number), kText,
                        HAlign::Center);
      ++listed;
    }
  }
}

}  // namespace lumora
