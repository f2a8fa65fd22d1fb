#include "rules/duty_limits.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>

#include "rules/duty_timeline.h"

namespace lumora {

namespace {

constexpr std::int32_t kHard28Limit = 6720;   // 112:00
constexpr std::int32_t kHard90Limit = 18000;  // 300:00
constexpr std::int32_t kDuty28Limit = 11520;  // 192:00
constexpr std::int32_t kLongDuty = 720;       // 12:00
constexpr std::int32_t kDayFree = 1439;       // more than this between duties is a day free
constexpr std::size_t kHistoryLength = 4 * kLast89Days;  // 356 characters
constexpr int kCarriedTailDays = 5;  // records 31 to 35: the tail of a trip from last month
constexpr int kThree12Days = 69;     // its own picture: k = 0 to 68
constexpr int kThree12PrevRecords = 44;
constexpr int kListLastDay = 36;

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

void AppendDayNumber(std::string& item, const TCalendar& cal, int d) {
  char buffer[16];
  const int n =
      std::snprintf(buffer, sizeof buffer, " %d", static_cast<int>(cal.MonthDays[U(d)][0]));
  item.append(buffer, static_cast<std::size_t>(n));
}

// The day list of the hard-time rules: days 0 to 36 in order, the first day
// after `lastListed` ending the list as `overflow`.
void AppendLimitDays(std::string& item, const TCalendar& cal, const DayFlags& flags, int lastListed,
                     const char* overflow) {
  for (int d = 0; d <= kListLastDay; ++d) {
    if (!flags[U(d)]) continue;
    if (d > lastListed) {
      item += overflow;
      return;
    }
    AppendDayNumber(item, cal, d);
  }
}

void Report(const RuleRun& run, const char* label, const DayFlags& flags, int lastListed,
            const char* overflow) {
  if (std::none_of(flags.begin(), flags.end(), [](bool f) { return f; })) return;
  TPilot& pilot = run.pilot();
  std::string item = label;
  AppendLimitDays(item, run.doc.cal, flags, lastListed, overflow);
  AppendItem(pilot.ExceptionsText, item);
  MarkDays(pilot.ExceptionDays, flags);
}

std::int32_t CarriedHardTime(const TPilot& pilot, int x) {
  return pilot.Activity[U(kTimelineMonthStart + x)][kActDailyHardTime];
}

}  // namespace

HardTimeDays ComputeHardTimeByDay(const TDocument& doc, int crew) {
  // Summed wide and held to the day's type: the times come from a file, and
  // a damaged one may hold any value.
  std::array<std::int64_t, kBlockDays> sum{};
  const TPilot& pilot = doc.pilot(crew);
  for (int d = 0; d < doc.monthDays(); ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Pairing) {
      for (int p = 0; p < b.pair->Length && p < kMonthDays && d + p < kBlockDays; ++p)
        sum[U(d + p)] += b.pair->DailyHardTime[U(p)];
    } else if (b.kind == BlockDay::Kind::Other) {
      sum[U(d)] += (*b.other)[kOtherHardTime];
    }
  }
  HardTimeDays hard{};
  for (std::size_t i = 0; i < hard.size(); ++i) {
    hard[i] = static_cast<std::int32_t>(
        std::clamp<std::int64_t>(sum[i], std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()));
  }
  return hard;
}

void PrepareHardTimeByDay(const RuleRun& run) {
  run.scratch.HardTimeByDay = ComputeHardTimeByDay(run.doc, run.crew);
}

void CheckHard28(const RuleRun& run) {
  const TPilot& pilot = run.pilot();
  const int L = run.doc.monthDays();
  const auto& hard = run.scratch.HardTimeByDay;
  // Hard time of day x at index x + 27: the previous month's last 27 days
  // and the carried-over tail, then the block.
  constexpr int kBefore = 27;
  std::array<std::int64_t, kBefore + kMonthDays + 28> day{};
  for (int x = -kBefore; x <= L + 26; ++x) {
    std::int64_t minutes = x < kCarriedTailDays ? CarriedHardTime(pilot, x) : 0;
    if (x >= 0 && x < L + kCarriedTailDays) minutes += hard[U(x)];
    day[U(x + kBefore)] = minutes;
  }
  DayFlags flags{};
  // The largest total of any window over a flagged day, and its length.
  std::array<std::int64_t, kBlockDays> worst{};
  std::array<int, kBlockDays> worstDays{};
  for (int s = -kBefore; s <= L - 1; ++s) {
    std::int64_t total = 0;
    for (int x = s; x <= s + 27; ++x) {
      total += day[U(x + kBefore)];
      if (x >= 0 && x < L + kCarriedTailDays && total > kHard28Limit) {
        flags[U(x)] = true;
        if (total > worst[U(x)]) {
          worst[U(x)] = total;
          worstDays[U(x)] = x - s + 1;
        }
      }
    }
  }
  constexpr const char* kLabel = " 112+ Hours Hard in 28 on";
  if (run.wantsFigures())
    for (int x = 0; x < kBlockDays; ++x)
      if (flags[U(x)])
        run.noteFigure(kLabel, x,
                       WindowFigure(run.doc.cal, worst[U(x)], worstDays[U(x)], x, kHard28Limit));
  Report(run, kLabel, flags, L, " C/Out");
}

void CheckHard90(const RuleRun& run) {
  const TPilot& pilot = run.pilot();
  if (pilot.Last89HardTimeText.size() < kHistoryLength) return;
  const int L = run.doc.monthDays();
  const auto& hard = run.scratch.HardTimeByDay;
  // Hard time of day x at index x + 89: the history, the carried-over tail
  // and the block; each day's total is the sum of its 90-day window.
  std::array<std::int64_t, kLast89Days + kMonthDays + kCarriedTailDays + 1> day{};
  for (int x = -kLast89Days; x <= L + kCarriedTailDays; ++x) {
    std::int64_t minutes = 0;
    if (x < 0) minutes += pilot.Last89HardTime[U(kLast89Days + x)];
    if (x >= 0 && x <= kCarriedTailDays) minutes += CarriedHardTime(pilot, x);
    if (x >= 0) minutes += hard[U(x)];
    day[U(x + kLast89Days)] = minutes;
  }
  DayFlags flags{};
  std::int64_t total = 0;
  for (int x = -kLast89Days; x < 0; ++x) total += day[U(x + kLast89Days)];
  for (int i = 0; i <= L + kCarriedTailDays; ++i) {
    total += day[U(i + kLast89Days)];
    if (i > 0) total -= day[U(i - 1)];  // day i - 90 leaves the window
    if (total > kHard90Limit) {
      flags[U(i)] = true;
      if (run.wantsFigures())
        run.noteFigure(" 300+ Hours Hard in 90 on", i,
                       WindowFigure(run.doc.cal, total, 90, i, kHard90Limit));
    }
  }
  Report(run, " 300+ Hours Hard in 90 on", flags, L, " C/Out");
}

void CheckThree12HourDuties(const RuleRun& run) {
  TPilot& pilot = run.pilot();
  const TDocument& doc = run.doc;
  std::array<std::int32_t, kThree12Days> dutyStart{};
  std::array<std::int32_t, kThree12Days> dutyLength{};
  std::array<bool, kThree12Days> newTrip{};
  Moment tripEnd = 0;
  auto trip = [&](int k, Moment start, Moment length) {
    if (start > tripEnd + kDayFree) newTrip[U(k)] = true;
    tripEnd = start + length;
  };

  for (int k = 0; k <= kThree12PrevRecords; ++k) {
    const DayRecord& rec = pilot.Activity[U(k)];
    if (rec[kActPairingStart] <= 0) continue;
    const Moment span = (Moment{rec[kActPairingStart]} + rec[kActPairingTafb]) / kMinutesPerDay + 1;
    trip(k, MomentOf(k, rec[kActPairingStart]), rec[kActPairingTafb]);
    for (int p = 0; p < span && k + p < kActivityDays; ++p) {
      const DayRecord& day = pilot.Activity[U(k + p)];
      if (day[kActWorkedState] != 1) continue;
      dutyStart[U(k + p)] = day[kActDutyStart];
      dutyLength[U(k + p)] = day[kActTimeOnDuty];
    }
  }
  for (int d = 0; d < doc.monthDays(); ++d) {
    const int k = kTimelineMonthStart + d;
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Pairing) {
      trip(k, MomentOf(k, b.pair->OnTime), b.pair->TAFB);
      for (int p = 0; p < b.pair->Length && p < kMonthDays && k + p < kThree12Days; ++p) {
        if (b.pair->DailyHardTime[U(p)] <= 0) continue;
        dutyStart[U(k + p)] = b.pair->DailyStartTime[U(p)];
        dutyLength[U(k + p)] = b.pair->DailyDutyTime[U(p)];
      }
    } else if (b.kind == BlockDay::Kind::Other && (*b.other)[kOtherHardTime] > 0) {
      dutyStart[U(k)] = b.startTime();
      dutyLength[U(k)] = b.hoursAtWork();
    }
  }

  std::array<bool, kThree12Days> flagged{};
  int count = 0;
  Moment lastEnd = -kMinutesPerDay;
  for (int k = 0; k < kThree12Days; ++k) {
    if (newTrip[U(k)]) count = 0;
    if (dutyLength[U(k)] <= 0) continue;
    const Moment start = MomentOf(k, dutyStart[U(k)]);
    if (dutyLength[U(k)] >= kLongDuty) {
      lastEnd = start + dutyLength[U(k)];
      ++count;
    } else {
      if (start - lastEnd > kDayFree) count = 0;
      lastEnd = start + dutyLength[U(k)];
      count = count >= 3 ? count + 1 : 0;
    }
    if (count > 3) {
      flagged[U(k)] = true;
      if (run.wantsFigures() && k >= kTimelineMonthStart)
        run.noteFigure(" 3+ 12 Hr Duty on", k - kTimelineMonthStart,
                       std::to_string(count) + " duties of 12:00 or more in a row, the last on " +
                           TimelineDayText(doc.cal, k) + ", limit 3");
      count = 0;
    }
  }

  std::string item = " 3+ 12 Hr Duty on";
  bool any = false;
  const int lastMonthDay = doc.monthDays() + kTimelineMonthStart - 1;
  for (int k = 0; k < kThree12Days; ++k) {
    if (!flagged[U(k)]) continue;
    any = true;
    if (k < kTimelineMonthStart) {
      item += " Last Month";
      k = kTimelineMonthStart - 1;
    } else if (k <= lastMonthDay) {
      AppendDayNumber(item, doc.cal, k - kTimelineMonthStart);
      pilot.ExceptionDays[U(k - kTimelineMonthStart)] = 1;
    } else {
      item += " C/O";
      pilot.ExceptionDays[U(k - kTimelineMonthStart)] = 1;
      break;
    }
  }
  if (any) AppendItem(pilot.ExceptionsText, item);
}

void CheckDuty28(const RuleRun& run) {
  const int L = run.doc.monthDays();
  const TPilot& pilot = run.pilot();
  DayFlags flags{};
  for (int d = 0; d <= L + kCarriedTailDays; ++d) {
    const std::int32_t total = pilot.DutyTotals[U(kTimelineMonthStart + d)][2];
    if (total <= kDuty28Limit) continue;
    flags[U(d)] = true;
    if (run.wantsFigures())
      run.noteFigure(" 192h+/28d On", d, WindowFigure(run.doc.cal, total, 28, d, kDuty28Limit));
  }
  Report(run, " 192h+/28d On", flags, L - 1, " C/O.");
}

}  // namespace lumora
