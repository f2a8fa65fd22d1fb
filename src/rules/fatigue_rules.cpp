#include "rules/fatigue_rules.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "model/time_text.h"

namespace lumora {

namespace {

constexpr std::int32_t kFatigueLimit = 6000;      // 100:00
constexpr std::int32_t kCoversLastDayFrom = 120;  // a release before 02:00 leaves the day free
constexpr std::int32_t kWoclStart = 120;          // 02:00
constexpr std::int32_t kWoclEnd = 360;            // 06:00
constexpr std::int32_t kEarlyEnd = 420;           // 07:00
constexpr std::int32_t kNightStartAfter = 779;    // 12:59
constexpr std::int32_t kLateFinishEnd = 1560;     // 02:00 of the next day
constexpr std::int32_t kRestAfterWoclRun = 3360;  // 56 hours
constexpr int kTransitionFirstDay = 15;

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

void AppendFormatted(std::string& text, const char* format, int a, int b = 0, int c = 0) {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, format, a, b, c);
  if (n > 0) text.append(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
}

const char* TransitionLabel(std::int8_t code) {
  switch (code) {
    case kEarlyAfterLate:
      return " Early Duty preceded by Late or Night Duty to without LNR";
    case kLateAfterEarly:
      return " Late or Night Duty preceded by Early Duty without LNR";
    case kShortRestAfterWocl:
      return " Need 56 Hr Off after more than 3 to 5 WOCL Intrusions";
    default:
      return " Key In Hand < 3 Hrs for 3-5 or > 5 WOCL Intrusions";
  }
}

}  // namespace

void CheckFatigueUnits(const RuleRun& run) {
  const TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();
  const int L = doc.monthDays();
  std::int64_t total = pilot.FatUnitsCarriedIn();
  DayFlags covered{};
  DayFlags flagged{};
  bool any = false;
  for (int d = 0; d < L; ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Empty) {
      if (!covered[U(d)]) total = 0;
      continue;
    }
    if (b.kind == BlockDay::Kind::Pairing) {
      const Moment end = Moment{b.pair->OnTime} + b.pair->TAFB;
      const Moment days =
          end / kMinutesPerDay + (end % kMinutesPerDay >= kCoversLastDayFrom ? 1 : 0);
      for (Moment p = 0; p < days && d + p < kBlockDays; ++p)
        covered[U(d + static_cast<int>(p))] = true;
      total += b.pair->FatUnits;
    } else if (b.containsDuty()) {
      total += b.hoursAtWork();
    } else {
      total = 0;
    }
    if (total > kFatigueLimit) {
      flagged[U(d)] = true;
      any = true;
      if (run.wantsFigures())
        run.noteFigure(" 100 Plus Fatigue Units on", d,
                       HoursMinutes(total) + " fatigue units without a day free by " +
                           BlockDayText(doc.cal, d) + ", limit " + HoursMinutes(kFatigueLimit));
      total = 0;
    }
  }
  if (!any) return;
  std::string item = " 100 Plus Fatigue Units on";
  for (int d = 0; d < L; ++d) {
    if (!flagged[U(d)]) continue;
    AppendFormatted(item, " %d", doc.cal.MonthDays[U(d)][0]);
  }
  AppendItem(pilot.ExceptionsText, item);
  MarkDays(pilot.ExceptionDays, flagged);
}

void CheckWoclRules(TDocument& doc, int crew, const DutyTimeline& t, TransitionCodes& codes) {
  TPilot& pilot = doc.pilot(crew);
  const int L = doc.monthDays();
  const int lastK = kRuleDays - 1;
  const int lastMonthK = L + kTimelineMonthStart - 1;  // L + 30
  const int lastRunK = std::min(L + 40, lastK);
  codes.fill(kNoTransition);
  TimelineArray<bool> early{}, late{}, night{}, wocl{};

  for (int k = 0; k <= std::min(L + 36, lastK); ++k) {
    const std::int32_t start = t.DutyStart[U(k)];
    if (start == kNoTime) continue;
    const Moment end = Moment{start} + t.DutyLength[U(k)];
    early[U(k)] = start >= kWoclStart && start < kEarlyEnd;
    late[U(k)] = end >= kMinutesPerDay && end < kLateFinishEnd;
    night[U(k)] = (start > kNightStartAfter && end >= kLateFinishEnd) || start < kWoclStart;
  }

  for (int k = 0; k <= lastRunK; ++k) {
    const std::int32_t start = t.DutyStart[U(k)];
    if (start < 0 || t.ReserveDay[U(k)]) continue;
    if (start >= kWoclStart && start < kWoclEnd) wocl[U(k)] = true;
    if (Moment{start} + t.DutyLength[U(k)] >= kLateFinishEnd && k + 1 <= lastK)
      wocl[U(k + 1)] = true;
  }

  for (int k = kTransitionFirstDay; k <= lastRunK; ++k) {
    if (t.TripStart[U(k)] < 0) continue;
    if (early[U(k)]) {
      const int before = t.DutyStart[U(k - 1)] < 0 ? k - 2 : k - 1;
      if ((late[U(before)] || night[U(before)]) && !t.LnrDay[U(k)]) codes[U(k)] = kEarlyAfterLate;
    }
    if ((late[U(k)] || night[U(k)]) && early[U(k - 1)] && !t.LnrDay[U(k)])
      codes[U(k)] = kLateAfterEarly;
  }

  int run = 0;
  int keyInHand = 0;
  bool pending = false;
  int runLastDay = 0;
  Moment runEnd = 0;
  for (int k = 1; k <= lastRunK; ++k) {
    if (wocl[U(k)]) {
      ++run;
      keyInHand = t.KeyInHandOver3[U(k - 1)] ? keyInHand + 1 : 0;
    } else {
      run = 0;
      if (pending) {
        Moment next = MomentOf(runLastDay + 4, 0);
        for (int x = runLastDay + 1; x <= runLastDay + 3 && x <= lastK; ++x) {
          if (t.DutyStart[U(x)] >= 1) {
            next = MomentOf(x, t.DutyStart[U(x)]);
            break;
          }
        }
        if (next < runEnd + kRestAfterWoclRun) codes[U(k)] = kShortRestAfterWocl;
        pending = false;
      }
    }
    if (run >= 6 || (run >= 4 && keyInHand < run)) {
      codes[U(k)] = kWoclKeyInHand;
    } else if (run >= 4) {
      pending = true;
      runLastDay = k - 1;
      runEnd = MomentOf(k - 1, t.DutyStart[U(k - 1)]) + t.DutyLength[U(k - 1)];
      if (k >= kTimelineMonthStart) {
        std::string item = " 3 Plus WOCL Intrusions. Check for Key In Hand > 3 Hours";
        if (k > lastMonthK)
          item += " C/Out+";
        else
          AppendFormatted(item, " %02d+", doc.cal.MonthDays[U(k - kTimelineMonthStart)][0]);
        pilot.WarningsText += item;  // the day text carries the item's "+"
        pilot.WarningDays[U(k - kTimelineMonthStart)] = 1;
      }
    }
  }

  for (int k = 0; k <= lastRunK; ++k) {
    const std::int8_t code = codes[U(k)];
    if (code == kNoTransition) continue;
    std::string item = TransitionLabel(code);
    if (k < kTimelineMonthStart) {
      const TimelineDate date = DateOfTimelineDay(doc.cal, k);
      AppendFormatted(item, " %02d/%02d/%04d.", date.day, date.month, date.year);
      AppendItem(pilot.ExceptionsText, item);
      continue;
    }
    pilot.ExceptionDays[U(k - kTimelineMonthStart)] = 1;
    if (k > lastMonthK) {
      AppendItem(pilot.ExceptionsText, item + " C/Out");
      break;
    }
    AppendFormatted(item, " %02d", doc.cal.MonthDays[U(k - kTimelineMonthStart)][0]);
    AppendItem(pilot.ExceptionsText, item);
  }
}

}  // namespace lumora
