#include "rules/days_on_rules.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>

#include "rules/days_off.h"

namespace lumora {

namespace {

enum DayState : std::uint8_t { kOff = 0, kWorked = 1, kReserve = 2 };

// Rule timeline index k: 0 to 30 the previous month (30 its last day), 31 + d
// day d of the block; wide enough for a pairing starting on the block's last
// day.
constexpr int kTimelineDays = kPrevDays + kBlockDays + kMonthDays;
using Timeline = std::array<std::uint8_t, kTimelineDays>;
using TimelineFlags = std::array<bool, kTimelineDays>;

constexpr int kFirstCarryIn = 24;     // a week and a day before the month
constexpr int kLastCarryIn = 37;      // the carry-over records of the month's first week
constexpr int kLastDaysOnDay = 69;    // the walk reaches into the next month
constexpr int kLastReserveDay = 61;   // last day a reserve block is looked at
constexpr int kFirstListed = 29;      // earlier marks are not listed
constexpr int kMaxDaysOn = 6;         // a seventh day on is a warning
constexpr int kMaxReserveDays = 7;    // an eighth reserve day is an exception
constexpr int kReserveSpill = 1560;   // 26:00: a reserve duty ending later takes the next day
constexpr int kSpillRemainder = 120;  // a pairing ending 02:00 or later takes that day
constexpr int kCabinMaxDaysOn = 6;
constexpr int kCabinCarryOverDays = 5;  // records 31 to 35
constexpr int kCabinLastDay = kBlockDays - 1;

void Set(Timeline& t, long long k, std::uint8_t state) {
  if (k >= 0 && k < kTimelineDays) t[static_cast<std::size_t>(k)] = state;
}

std::uint8_t At(const Timeline& t, int k) {
  return k >= 0 && k < kTimelineDays ? t[static_cast<std::size_t>(k)] : std::uint8_t{kOff};
}

std::string ShortMonthName(int month) {
  static constexpr std::array<const char*, 12> kNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  return month >= 1 && month <= 12 ? kNames[static_cast<std::size_t>(month - 1)] : "";
}

// The pilot day states from a week before the month to the block's end.
Timeline PilotDayStates(const TDocument& doc, const TPilot& pilot) {
  Timeline t{};
  for (int k = kFirstCarryIn; k <= kLastCarryIn; ++k) {
    const std::int32_t worked = pilot.Activity[static_cast<std::size_t>(k)][kActWorkedState];
    t[static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(std::clamp(worked, 0, 2));
  }
  for (int d = 0; d < doc.monthDays(); ++d) {
    const int k = kPrevDays + d;
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Other) {
      if (b.reserve()) {
        Set(t, k, kReserve);
        if (static_cast<long long>(b.startTime()) + b.hoursAtWork() > kReserveSpill)
          Set(t, k + 1, kReserve);
      } else if (b.containsDuty()) {
        Set(t, k, kWorked);
      }
    } else if (b.kind == BlockDay::Kind::Pairing) {
      const long long end = static_cast<long long>(b.pair->OnTime) + b.pair->TAFB;
      const long long days = end / kMinutesPerDay + (end % kMinutesPerDay >= kSpillRemainder);
      for (long long j = 0; j < days; ++j) Set(t, k + j, kWorked);
    }
  }
  return t;
}

// " <- 30 Jun ", " 29 Jun ", " 5", ..., " NextMonth."
void AppendTimelineDays(std::string& item, const TCalendar& cal, const TimelineFlags& marks) {
  const int lastListedInMonth = cal.MonthLength + kPrevDays;
  char buffer[48];
  for (int k = kFirstListed; k <= kLastDaysOnDay; ++k) {
    if (!marks[static_cast<std::size_t>(k)]) continue;
    if (k > lastListedInMonth) {
      item += " NextMonth.";
      return;
    }
    int n = 0;
    if (k < kPrevDays) {
      const auto& date = cal.PrevMonthDays[static_cast<std::size_t>(k)];
      n = std::snprintf(buffer, sizeof buffer, k == kPrevDays - 1 ? " <- %d %s " : " %d %s ",
                        static_cast<int>(date[0]), ShortMonthName(date[1]).c_str());
    } else {
      n = std::snprintf(
          buffer, sizeof buffer, " %d",
          static_cast<int>(cal.MonthDays[static_cast<std::size_t>(k - kPrevDays)][0]));
    }
    item.append(buffer, static_cast<std::size_t>(std::max(n, 0)));
  }
}

// The reserve block of five or six that ends on k needs two days off on
// both sides: the days after it and the days before its first day.
bool LacksDaysOffAround(const Timeline& t, int k, int before1, int before2) {
  return At(t, k + 1) != kOff || At(t, k + 2) != kOff || At(t, k - before1) != kOff ||
         At(t, k - before2) != kOff;
}

}  // namespace

void CheckConsecutiveDaysOn(const RuleRun& run) {
  TPilot& pilot = run.pilot();
  const Timeline t = PilotDayStates(run.doc, pilot);
  TimelineFlags warnings{};
  TimelineFlags exceptions{};
  bool anyWarning = false;
  bool anyException = false;
  auto warnOn = [&](int k) {
    warnings[static_cast<std::size_t>(k)] = true;
    anyWarning = true;
    if (k >= kPrevDays && k - kPrevDays < kBlockDays)
      pilot.WarningDays[static_cast<std::size_t>(k - kPrevDays)] = 1;
  };

  int count = 0;
  for (int k = kFirstCarryIn; k <= kLastDaysOnDay; ++k) {
    count = t[static_cast<std::size_t>(k)] != kOff ? count + 1 : 0;
    if (count <= kMaxDaysOn) continue;
    // In the previous month the count goes on, so every further day is marked.
    warnOn(k);
    if (k >= kPrevDays) count = 0;
  }

  count = 0;
  for (int k = kFirstCarryIn; k <= kLastReserveDay; ++k) {
    count = t[static_cast<std::size_t>(k)] == kReserve ? count + 1 : 0;
    if ((count == 5 && LacksDaysOffAround(t, k, 5, 6)) ||
        (count == 6 && LacksDaysOffAround(t, k, 6, 7)))
      warnOn(k + 1);
    if (count > kMaxReserveDays) {
      exceptions[static_cast<std::size_t>(k)] = true;
      anyException = true;
      if (run.wantsFigures() && k >= kPrevDays)
        run.noteFigure(" Con Days On", k - kPrevDays,
                       std::to_string(count) + " reserve days in a row ending " +
                           BlockDayText(run.doc.cal, k - kPrevDays) + ", limit " +
                           std::to_string(kMaxReserveDays));
      if (k >= kPrevDays) {
        pilot.ExceptionDays[static_cast<std::size_t>(k - kPrevDays)] = 1;
        count = 0;
      }
    }
  }

  if (anyWarning) {
    std::string item = " Con Days On";
    AppendTimelineDays(item, run.doc.cal, warnings);
    AppendItem(pilot.WarningsText, item);
  }
  if (anyException) {
    std::string item = " Con Days On";
    AppendTimelineDays(item, run.doc.cal, exceptions);
    AppendItem(pilot.ExceptionsText, item);
  }
}

void CheckCabinDaysOnOff(const RuleRun& run) {
  const TDocument& doc = run.doc;
  TPilot& pilot = run.pilot();
  const bool reserveLine = OnReserveLine(pilot);

  std::array<bool, kBlockDays> on{};
  auto setOn = [&](long long d) {
    if (d >= 0 && d < kBlockDays) on[static_cast<std::size_t>(d)] = true;
  };
  for (int d = 0; d < kBlockDays; ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Pairing) {
      const long long days =
          (static_cast<long long>(b.pair->OnTime) + b.pair->TAFB - 1) / kMinutesPerDay + 1;
      for (long long j = 0; j < days; ++j) setOn(d + j);
    } else if (b.kind == BlockDay::Kind::Other && b.containsDuty()) {
      setOn(d);
    }
  }
  auto workedBefore = [&](int k) {
    return pilot.Activity[static_cast<std::size_t>(k)][kActWorkedState] != 0;
  };
  for (int d = 0; d < kCabinCarryOverDays; ++d)
    if (workedBefore(kPrevDays + d)) setOn(d);

  int n = 0;
  for (int k = kPrevDays - 1; k >= kPrevDays - kCabinMaxDaysOn && workedBefore(k); --k) ++n;
  int f = -1;
  for (int k = kPrevDays - 1; k >= 0 && !workedBefore(k); --k) ++f;

  DayFlags marked{};
  auto dayOn = [&](int d) { return d < kBlockDays && on[static_cast<std::size_t>(d)]; };
  for (int d = 0; d <= kCabinLastDay; ++d) {
    if (!on[static_cast<std::size_t>(d)]) {
      n = 0;
      ++f;
      continue;
    }
    // A reserve line needs two days off between its stretches of work.
    if (reserveLine && f == 0) {
      marked[static_cast<std::size_t>(d)] = true;
      n = 0;
    }
    ++n;
    if (reserveLine && n == kCabinMaxDaysOn) {
      marked[static_cast<std::size_t>(d)] = true;
      n = 0;
    } else if (!reserveLine && n > kCabinMaxDaysOn) {
      marked[static_cast<std::size_t>(d)] = true;
      n = 0;
      // A single day off after seven days on is marked too.
      for (int e = d + 1; e <= kCabinLastDay; ++e) {
        if (on[static_cast<std::size_t>(e)]) continue;
        if (dayOn(e + 1)) marked[static_cast<std::size_t>(e)] = true;
        break;
      }
    }
    f = -1;
  }

  if (std::none_of(marked.begin(), marked.end(), [](bool m) { return m; })) return;
  std::string item = "Con Days On/Off";
  char buffer[16];
  for (int d = 0; d <= kCabinLastDay; ++d) {
    if (!marked[static_cast<std::size_t>(d)]) continue;
    if (d > doc.cal.MonthLength) {
      item += " C/Out.";
      break;
    }
    const int n2 =
        std::snprintf(buffer, sizeof buffer, " %d",
                      static_cast<int>(doc.cal.MonthDays[static_cast<std::size_t>(d)][0]));
    item.append(buffer, static_cast<std::size_t>(std::max(n2, 0)));
  }
  AppendItem(pilot.WarningsText, item);
  MarkDays(pilot.WarningDays, marked);
}

}  // namespace lumora
