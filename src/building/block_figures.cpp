#include "building/block_figures.h"

#include <algorithm>
#include <limits>

#include "building/block_edit.h"
#include "building/roster_bounds.h"
#include "model/time_text.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr int kMinutesPerHour = 60;
// A crew member's first available day counts only when he may report before
// this time of day.
constexpr int kLateCheckInMinute = 840;
constexpr int kHighestRequestCode = 51;

std::int32_t ClampToInt32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// Days a pairing occupies from its start day; a damaged length still moves on.
int SpanOf(const TPair& pair) {
  return std::max<int>(1, pair.Length);
}

bool IsOpen(std::int32_t status) {
  return status == kOpenInstance || status == -kOpenInstance;
}

// One pass over every instance of the month gives what the open time and the
// day balance need, so a change of a block walks the pairings once.
struct InstanceScan {
  OpenTime time;
  // Per day: how many open instances cover it, as a negative count.
  std::array<std::int32_t, kBlockDays> openCover{};
  // Days spanned by each pairing in use, kept at hand for the walk over the
  // blocks, which meets the pairings in no useful order.
  std::array<std::uint8_t, kPairSlots> span{};
};

// The records are far apart and read in order: asking for the next ones
// early lets their loads overlap instead of waiting for each in turn.
constexpr int kPrefetchAhead = 6;

void Prefetch(const void* address) {
#if defined(__GNUC__)
  __builtin_prefetch(address);
#else
  (void)address;
#endif
}

void PrefetchPairing(const TPair& pair) {
  Prefetch(&pair.Length);
  Prefetch(pair.DayStatus.data());
  Prefetch(pair.DayStatus.data() + pair.DayStatus.size() - 1);
}

void PrefetchBlock(const TPilot& pilot) {
  constexpr std::size_t kIntsPerLine = 16;
  for (std::size_t d = 0; d < kMonthDays; d += kIntsPerLine) Prefetch(&pilot.DayCell[d]);
  Prefetch(&pilot.DayCell[kMonthDays - 1]);
  Prefetch(pilot.DayRequest.data());
  Prefetch(pilot.CarryIn.data());
  Prefetch(&pilot.BidReserve);
  Prefetch(&pilot.BlockCreditHours);
}

void ScanInstances(const TDocument& doc, InstanceScan& scan) {
  const int monthLength = doc.monthDays();
  const int lastPair = doc.lastPairIndex();
  // Open instances as starts and ends; summed into the cover at the end.
  std::array<std::int32_t, kBlockDays + 1> coverSteps{};
  for (int p = 0; p <= lastPair; ++p) {
    if (p + kPrefetchAhead <= lastPair) {
      PrefetchPairing(doc.pair(p + kPrefetchAhead));
    }
    const TPair& pair = doc.pair(p);
    const int span = SpanOf(pair);
    scan.span[static_cast<std::size_t>(p)] = static_cast<std::uint8_t>(span);

    // Instances that end inside the month bring the whole credit. The
    // statuses are in no predictable order, so they are counted without
    // branching on them.
    const int wholeDays = std::clamp(monthLength - pair.Length + 1, 0, monthLength);
    std::int32_t instances = 0;
    std::int32_t open = 0;
    for (int d = 0; d < wholeDays; ++d) {
      const std::int32_t status = pair.DayStatus[static_cast<std::size_t>(d)];
      const std::int32_t isOpen = IsOpen(status) ? 1 : 0;
      instances += status != kNoInstance ? 1 : 0;
      open += isOpen;
      coverSteps[static_cast<std::size_t>(d)] -= isOpen;
      coverSteps[static_cast<std::size_t>(d + span)] += isOpen;
    }
    scan.time.total += std::int64_t{instances} * pair.Credit;
    scan.time.open += std::int64_t{open} * pair.Credit;

    for (int d = wholeDays; d < monthLength; ++d) {
      const std::int32_t status = pair.DayStatus[static_cast<std::size_t>(d)];
      if (status == kNoInstance) continue;
      const std::int64_t credit = InstanceCreditInMonth(pair, d, monthLength);
      scan.time.total += credit;
      if (!IsOpen(status)) continue;
      scan.time.open += credit;
      --coverSteps[static_cast<std::size_t>(d)];
      ++coverSteps[static_cast<std::size_t>(std::min(monthLength, d + span))];
    }
  }
  std::int32_t cover = 0;
  for (int d = 0; d < monthLength; ++d) {
    cover += coverSteps[static_cast<std::size_t>(d)];
    scan.openCover[static_cast<std::size_t>(d)] = cover;
  }
}

void TellOpenTime(const OpenTime& time, BlockViewSink& views) {
  views.openTimeChanged(ClampToInt32(time.open), ClampToInt32(time.total));
}

}  // namespace

CreditLimits CreditLimitsOf(const TDocument& doc, const TPilot& pilot) {
  CreditLimits limits;
  limits.minimum = TPilot::Effective(pilot.MinBlockOverride(), doc.MinCredit);
  limits.maximum = TPilot::Effective(pilot.MaxBlockOverride(), doc.MaxCredit);
  const bool ownLimits = pilot.MinBlockOverride() > 0 || pilot.MaxBlockOverride() > 0;
  limits.target =
      ownLimits ? ClampToInt32((std::int64_t{limits.minimum} + limits.maximum) / 2) : doc.AvgCredit;
  return limits;
}

std::int32_t BlockCreditOf(const TPilot& pilot) {
  return ClampToInt32(std::int64_t{pilot.BlockCreditHours} * kMinutesPerHour +
                      pilot.BlockCreditMinutes);
}

std::int64_t InstanceCreditInMonth(const TPair& pair, int day, int monthLength) {
  if (day + pair.Length <= monthLength) return pair.Credit;
  std::int64_t credit = 0;
  const int inMonth = std::clamp(monthLength - day, 0, kMonthDays);
  for (int j = 0; j < inMonth; ++j) credit += pair.DailyCredit[static_cast<std::size_t>(j)];
  return credit;
}

std::int32_t RecalcBlockCredit(TDocument& doc, int crew, bool full, Ui& ui, BlockViewSink& views) {
  if (crew < 0 || crew >= kPilotSlots) return 0;
  TPilot& pilot = doc.pilot(crew);
  std::int64_t total = std::int64_t{pilot.CreditCarriedIn()} + pilot.ExtraCredit +
                       pilot.DraftCredit + pilot.TimeBank;
  if (full || pilot.OutsideWFlag == 0) total += pilot.TrainingAtHome;
  std::int64_t leave = 0;
  std::int64_t tbb = 0;
  std::int64_t alb = 0;

  const int monthLength = doc.monthDays();
  for (int d = 0; d < monthLength; ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (cell >= 0) {
      if (cell >= kPairSlots) {
        ui.message("Pairing Number out of RANGE", "Internal Error", Icon::Error);
        break;
      }
      const TPair& pair = doc.pair(cell);
      total += InstanceCreditInMonth(pair, d, monthLength);
      if (!full) total -= pair.DayExcludeCredit[day];
    } else if (cell == kOtherAssignmentCell) {
      const DayRecord& other = pilot.DayOther[day];
      const std::int32_t credit = other[kOtherCredit];
      const std::string& code = pilot.DayCode[day];
      // Leave credit is taken back out of what the block checks see, so it
      // counts only when it was counted in the first place.
      if (full || other[kOtherExcludeCredit] == 0) {
        total += credit;
        if (code == "LOA" || code == "MED" || code == "MAT") leave += credit;
      }
      if (code == "TBB") tbb += credit;
      if (code == "ALB") alb += credit;
    }
  }

  const std::int32_t stored = ClampToInt32(total);
  // Whole hours rounded down, so that hours * 60 + minutes is the credit
  // even when it is negative.
  const std::int64_t hours = FloorDiv(stored, kMinutesPerHour);
  pilot.BlockCreditHours = static_cast<std::int32_t>(hours);
  pilot.BlockCreditMinutes = static_cast<std::uint8_t>(stored - hours * kMinutesPerHour);
  pilot.TbbCredit = ClampToInt32(tbb);
  pilot.AlbCredit = ClampToInt32(alb);
  views.rowsChanged(crew);
  views.timeBankChanged(TimeBankText(doc));
  return ClampToInt32(total - leave);
}

void RecalcAllBlockCredits(TDocument& doc, bool full, Ui& ui, BlockViewSink& views) {
  const int count = doc.rosterSize();
  BlockViewSink quiet;
  for (int crew = 0; crew < count; ++crew) RecalcBlockCredit(doc, crew, full, ui, quiet);
  views.rowsChanged(BlockViewSink::kAllRows);
  views.timeBankChanged(TimeBankText(doc));
}

std::string TimeBankText(const TDocument& doc) {
  std::int64_t sum = 0;
  const int count = doc.rosterSize();
  for (int crew = 0; crew < count; ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    sum += std::int64_t{pilot.TimeBank} + pilot.TbbCredit;
  }
  // The roster's balance: one sign in front rather than a negative hour and
  // a negative minute.
  return " TB " + SignedHoursMinutes(sum);
}

OpenTime ComputeOpenTime(const TDocument& doc) {
  InstanceScan scan;
  ScanInstances(doc, scan);
  return scan.time;
}

std::string OpenTimeText(std::int64_t open) {
  // Four-digit hours keep the gauge's text one width through the month; the
  // per-part sign of a negative figure is what the toolbar has always shown.
  return HoursMinutes(open, {.hourWidth = 4});
}

std::int64_t RefreshOpenTime(const TDocument& doc, BlockViewSink& views) {
  const OpenTime time = ComputeOpenTime(doc);
  TellOpenTime(time, views);
  return time.open;
}

int FindBlockHolderLine(TDocument& doc, std::int64_t open, BlockViewSink& views) {
  const int count = doc.rosterSize();
  int reserveRun = 0;  // bidding-reserve crew members directly above the current one
  int line = -1;
  bool stopped = false;
  for (int crew = 0; crew < count && !stopped; ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    if (pilot.BidReserve != 0) {
      ++reserveRun;
      continue;
    }
    const int runAbove = reserveRun;
    reserveRun = 0;
    const CreditLimits limits = CreditLimitsOf(doc, pilot);
    const std::int64_t credit = BlockCreditOf(pilot);
    if (credit > limits.maximum) {
      open += credit - limits.target;
    } else if (credit < limits.minimum) {
      if (open < limits.minimum - credit) {
        // This crew member and the reserve run directly above him are below.
        line = crew - 1 - runAbove;
        stopped = true;
      } else {
        open -= limits.target - credit;
      }
    }
  }
  if (!stopped) line = count - 1 - reserveRun;

  // The marks, not a remembered index, say where the line was: a document
  // just loaded carries no marks of its own and gets them here.
  bool moved = false;
  for (int crew = 0; crew < count; ++crew) {
    TPilot& pilot = doc.pilot(crew);
    const std::uint8_t below = crew > line ? 1 : 0;
    if (pilot.BelowBlockHolderLine != below) {
      pilot.BelowBlockHolderLine = below;
      moved = true;
    }
  }
  if (moved) views.blockFiltersChanged();
  return line;
}

int FindBlockHolderLine(TDocument& doc, BlockViewSink& views) {
  return FindBlockHolderLine(doc, RefreshOpenTime(doc, views), views);
}

namespace {

void CountDayBalance(TDocument& doc, const InstanceScan& scan, BlockViewSink& views) {
  const int monthLength = doc.monthDays();
  const int lastPair = doc.lastPairIndex();
  std::array<std::int32_t, kBlockDays> balance = scan.openCover;

  const int count = doc.rosterSize();
  for (int crew = 0; crew < count; ++crew) {
    if (crew + kPrefetchAhead < count) {
      PrefetchBlock(doc.pilot(crew + kPrefetchAhead));
    }
    const TPilot& pilot = doc.pilot(crew);
    if (pilot.BidReserve != 0 || pilot.BelowBlockHolderLine != 0) continue;
    const CreditLimits limits = CreditLimitsOf(doc, pilot);
    const std::int32_t credit = BlockCreditOf(pilot);
    if (credit > limits.minimum && credit < limits.maximum) continue;

    const std::int64_t checkIn = pilot.LegalCheckIn();
    std::int64_t first = FloorDiv(checkIn, kMinutesPerDay);
    if (checkIn - first * kMinutesPerDay > kLateCheckInMinute) ++first;
    int d = static_cast<int>(std::clamp<std::int64_t>(first, 0, monthLength));
    while (d < monthLength) {
      const auto day = static_cast<std::size_t>(d);
      const std::int32_t cell = pilot.DayCell[day];
      if (cell >= 0) {
        if (cell <= lastPair) {
          d += scan.span[static_cast<std::size_t>(cell)];
        } else {
          d += cell < kPairSlots ? SpanOf(doc.pair(cell)) : 1;
        }
        continue;
      }
      const int request = pilot.DayRequest[day];
      if (cell == kEmptyCell && (request < 1 || request > kHighestRequestCode)) ++balance[day];
      ++d;
    }
  }

  for (int d = 0; d < kBlockDays; ++d) {
    const auto day = static_cast<std::size_t>(d);
    if (doc.view.dayBalance[day] == balance[day]) continue;
    doc.view.dayBalance[day] = balance[day];
    if (d < monthLength) views.dayBalanceChanged(d);
  }
}

}  // namespace

void CountDayBalance(TDocument& doc, BlockViewSink& views) {
  InstanceScan scan;
  ScanInstances(doc, scan);
  CountDayBalance(doc, scan, views);
}

void RefreshDocumentFigures(TDocument& doc, BlockViewSink& views) {
  InstanceScan scan;
  ScanInstances(doc, scan);
  TellOpenTime(scan.time, views);
  FindBlockHolderLine(doc, scan.time.open, views);
  CountDayBalance(doc, scan, views);
}

}  // namespace lumora
