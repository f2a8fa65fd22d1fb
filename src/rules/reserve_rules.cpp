#include "rules/reserve_rules.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lumora {

namespace {

enum class ReserveType { None, A, B, E };

bool OneOf(std::string_view code, std::initializer_list<std::string_view> codes) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The type of a day of the month by its crew-tracking code.
ReserveType MonthReserveType(std::string_view code) {
  if (OneOf(code, {"RA", "AR"})) return ReserveType::A;
  if (OneOf(code, {"RB", "BR"})) return ReserveType::B;
  if (OneOf(code, {"RE", "ER"})) return ReserveType::E;
  return ReserveType::None;
}

// The type of one of the previous month's last days by its code text; the
// codes that count differ by how far back the day lies ("BR " counts on the
// second-last day but not on the last).
ReserveType CarriedReserveType(std::string_view code, int daysBack) {
  const bool a = daysBack < 2 && OneOf(code, {"RA ", "RSA", "AR ", "LRA"});
  const bool b = OneOf(code, {"RB ", "RSB"}) || (daysBack > 0 && OneOf(code, {"BR ", "LRB"}));
  const bool e = daysBack < 2 && OneOf(code, {"RE ", "RSE", "ER ", "LRE"});
  if (a) return ReserveType::A;
  if (b) return ReserveType::B;
  if (e) return ReserveType::E;
  return ReserveType::None;
}

// Whether a reserve day of type `now` may follow one of type `last` with
// `gap` other days between them.
bool MixBreached(ReserveType now, ReserveType last, int gap) {
  switch (now) {
    case ReserveType::A:
      return last == ReserveType::B && gap < 2;
    case ReserveType::B:
      return (last == ReserveType::A || last == ReserveType::E) && gap < 2;
    case ReserveType::E:
      return (last == ReserveType::A && gap < 1) || (last == ReserveType::B && gap < 2);
    case ReserveType::None:
      break;
  }
  return false;
}

constexpr std::int32_t kReducedBlockMax = 4200;  // 70:00
constexpr int kReserveSpill = 1560;              // 26:00
constexpr int kLastRbRecord = kPrevDays - 1;     // previous-month RB codes: records 0 to 30
constexpr int kLastWorkedRecord = 35;            // worked marks: records 0 to 35
constexpr int kFirstGroupedDay = 20;
constexpr int kFirstSingleDay = 15;
constexpr int kTimelineDays = kPrevDays + kBlockDays + kMonthDays;
using TimelineFlags = std::array<bool, kTimelineDays>;

void SetMark(TimelineFlags& flags, long long k) {
  if (k >= 0 && k < kTimelineDays) flags[static_cast<std::size_t>(k)] = true;
}
bool Marked(const TimelineFlags& flags, int k) {
  return k >= 0 && k < kTimelineDays && flags[static_cast<std::size_t>(k)];
}

// Walks from `from` by `step` up to `stop` (included), counting days without
// work; meeting work after exactly one such day is a breach. The walk ends at
// the second day off.
bool SingleDayOffBeside(const TimelineFlags& worked, int from, int step, int stop) {
  int daysOff = 0;
  for (int k = from; step < 0 ? k >= stop : k <= stop; k += step) {
    if (!Marked(worked, k)) {
      if (++daysOff == 2) return false;
    } else if (daysOff == 1) {
      return true;
    }
  }
  return false;
}

}  // namespace

void CheckReserveMix(const RuleRun& run) {
  const TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();

  ReserveType last = ReserveType::None;
  int gap = 0;
  for (int back = 0; back < 3 && last == ReserveType::None; ++back) {
    last = CarriedReserveType(pilot.ActivityText[static_cast<std::size_t>(kPrevDays - 1 - back)],
                              back);
    gap = back;
  }

  DayFlags marked{};
  bool any = false;
  for (int d = 0; d < doc.monthDays(); ++d) {
    const ReserveType now = MonthReserveType(pilot.DayCrewTracCode[static_cast<std::size_t>(d)]);
    if (now == ReserveType::None) {
      ++gap;
      continue;
    }
    if (MixBreached(now, last, gap)) {
      marked[static_cast<std::size_t>(d)] = true;
      any = true;
    }
    last = now;
    gap = 0;
  }
  if (!any) return;
  std::string item = " RA RB RE Mix On";
  AppendDayList(item, doc.cal, marked, 0, doc.monthDays() - 1, false);
  AppendItem(pilot.ExceptionsText, item);
  MarkDays(pilot.ExceptionDays, marked);
}

void CheckRbPeriods(const RuleRun& run) {
  const TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();
  const int lastDay = doc.monthDays() + kPrevDays - 1;  // L + 30

  TimelineFlags rb{};
  TimelineFlags worked{};
  bool anyRb = false;
  for (int k = 0; k <= kLastRbRecord; ++k) {
    const std::string& code = pilot.ActivityText[static_cast<std::size_t>(k)];
    if (code == "RB " || code == "RSB") {
      SetMark(rb, k);
      SetMark(worked, k + 1);
      anyRb = true;
    }
  }
  for (int k = 0; k <= kLastWorkedRecord; ++k)
    if (pilot.Activity[static_cast<std::size_t>(k)][kActWorkedState] != 0) SetMark(worked, k);
  for (int d = 0; d < kBlockDays; ++d) {
    const int k = kPrevDays + d;
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Pairing) {
      const long long days =
          (static_cast<long long>(b.pair->OnTime) + b.pair->TAFB - 1) / kMinutesPerDay + 1;
      for (long long j = 0; j < days; ++j) SetMark(worked, k + j);
    } else if (b.kind == BlockDay::Kind::Other) {
      if (d < doc.monthDays() && pilot.DayCrewTracCode[static_cast<std::size_t>(d)] == "RB") {
        SetMark(rb, k);
        anyRb = true;
      }
      if (b.containsDuty()) {
        SetMark(worked, k);
        if (static_cast<long long>(b.startTime()) + b.hoursAtWork() > kReserveSpill)
          SetMark(worked, k + 1);
      }
    }
  }
  if (!anyRb) return;

  const std::int32_t ownMax = pilot.MaxBlockOverride();
  DayFlags marked{};
  bool any = false;
  auto mark = [&](int k) {
    marked[static_cast<std::size_t>(k - kPrevDays)] = true;
    any = true;
  };

  if (ownMax >= 1 && ownMax <= kReducedBlockMax) {
    int runLength = 0;
    for (int k = kFirstGroupedDay; k <= lastDay; ++k) {
      if (Marked(rb, k)) {
        ++runLength;
        continue;
      }
      if (runLength == 1 && k >= kPrevDays) mark(k);
      runLength = 0;
    }
    if (!any) return;
    std::string item = " RB Days Must be Grouped in 2s for Reduced Block on ";
    AppendDayList(item, doc.cal, marked, 0, kBlockDays - 1, false);
    AppendItem(pilot.ExceptionsText, item);
    MarkDays(pilot.ExceptionDays, marked);
    return;
  }

  bool lastMonth = false;
  for (int k = kFirstSingleDay; k <= lastDay; ++k) {
    if (!Marked(rb, k) || Marked(rb, k - 1) || Marked(rb, k + 1)) continue;
    if (!SingleDayOffBeside(worked, k - 1, -1, 1) && !SingleDayOffBeside(worked, k + 1, 1, lastDay))
      continue;
    if (k >= kPrevDays)
      mark(k);
    else
      lastMonth = true;
  }
  if (!any && !lastMonth) return;
  std::string item = " Must Have 2 Days Off before and after RB periods on";
  if (lastMonth) item += " Last Month";
  AppendDayList(item, doc.cal, marked, 0, kBlockDays - 1, false);
  AppendItem(pilot.ExceptionsText, item);
  MarkDays(pilot.ExceptionDays, marked);
}

}  // namespace lumora
