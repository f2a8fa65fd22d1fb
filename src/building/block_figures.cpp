#include "building/block_figures.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "building/block_edit.h"
#include "building/roster_bounds.h"
#include "shell/platform/ui.h"

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
  TPilot& pilot = doc.Pilots[static_cast<std::size_t>(crew)];
  std::int64_t total = std::int64_t{pilot.CreditCarriedIn()} + pilot.ExtraCredit +
                       pilot.DraftCredit + pilot.TimeBank;
  if (full || pilot.OutsideWFlag == 0) total += pilot.TrainingAtHome;
  std::int64_t leave = 0;
  std::int64_t tbb = 0;
  std::int64_t alb = 0;

  const int monthLength = MonthDaysOf(doc);
  for (int d = 0; d < monthLength; ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (cell >= 0) {
      if (cell >= kPairSlots) {
        ui.message("Pairing Number out of RANGE", "Internal Error", Icon::Error);
        break;
      }
      const TPair& pair = doc.Pairs[static_cast<std::size_t>(cell)];
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
  const int count = RosterSizeOf(doc);
  BlockViewSink quiet;
  for (int crew = 0; crew < count; ++crew) RecalcBlockCredit(doc, crew, full, ui, quiet);
  views.rowsChanged(BlockViewSink::kAllRows);
  views.timeBankChanged(TimeBankText(doc));
}

std::string TimeBankText(const TDocument& doc) {
  std::int64_t sum = 0;
  const int count = RosterSizeOf(doc);
  for (int crew = 0; crew < count; ++crew) {
    const TPilot& pilot = doc.Pilots[static_cast<std::size_t>(crew)];
    sum += std::int64_t{pilot.TimeBank} + pilot.TbbCredit;
  }
  char text[64];
  std::snprintf(text, sizeof text, " TB %lld:%02lld", static_cast<long long>(sum / kMinutesPerHour),
                static_cast<long long>(sum % kMinutesPerHour));
  return text;
}

OpenTime ComputeOpenTime(const TDocument& doc) {
  OpenTime time;
  const int monthLength = MonthDaysOf(doc);
  const int lastPair = LastPairOf(doc);
  for (int p = 0; p <= lastPair; ++p) {
    const TPair& pair = doc.Pairs[static_cast<std::size_t>(p)];
    for (int d = 0; d < monthLength; ++d) {
      const std::int32_t status = pair.DayStatus[static_cast<std::size_t>(d)];
      if (status == kNoInstance) continue;
      const std::int64_t credit = InstanceCreditInMonth(pair, d, monthLength);
      time.total += credit;
      if (status == kOpenInstance || status == -kOpenInstance) time.open += credit;
    }
  }
  return time;
}

std::string OpenTimeText(std::int64_t open) {
  char text[64];
  std::snprintf(text, sizeof text, "%04lld:%02lld", static_cast<long long>(open / kMinutesPerHour),
                static_cast<long long>(open % kMinutesPerHour));
  return text;
}

std::int64_t RefreshOpenTime(const TDocument& doc, BlockViewSink& views) {
  const OpenTime time = ComputeOpenTime(doc);
  views.openTimeChanged(ClampToInt32(time.open), ClampToInt32(time.total));
  return time.open;
}

int FindBlockHolderLine(TDocument& doc, std::int64_t open, BlockViewSink& views) {
  const int count = RosterSizeOf(doc);
  int reserveRun = 0;  // bidding-reserve crew members directly above the current one
  int line = -1;
  bool stopped = false;
  for (int crew = 0; crew < count && !stopped; ++crew) {
    const TPilot& pilot = doc.Pilots[static_cast<std::size_t>(crew)];
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
    TPilot& pilot = doc.Pilots[static_cast<std::size_t>(crew)];
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

void CountDayBalance(TDocument& doc, BlockViewSink& views) {
  const int monthLength = MonthDaysOf(doc);
  std::array<std::int32_t, kBlockDays> balance{};

  const int lastPair = LastPairOf(doc);
  for (int p = 0; p <= lastPair; ++p) {
    const TPair& pair = doc.Pairs[static_cast<std::size_t>(p)];
    for (int d = 0; d < monthLength; ++d) {
      const std::int32_t status = pair.DayStatus[static_cast<std::size_t>(d)];
      if (status != kOpenInstance && status != -kOpenInstance) continue;
      const int end = std::min(monthLength, d + SpanOf(pair));
      for (int k = d; k < end; ++k) --balance[static_cast<std::size_t>(k)];
    }
  }

  const int count = RosterSizeOf(doc);
  for (int crew = 0; crew < count; ++crew) {
    const TPilot& pilot = doc.Pilots[static_cast<std::size_t>(crew)];
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
        d += cell < kPairSlots ? SpanOf(doc.Pairs[static_cast<std::size_t>(cell)]) : 1;
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

}  // namespace lumora
