#include "rules/rest_rules.h"

#include <array>
#include <string_view>

#include "model/daylight_saving.h"
#include "model/time_text.h"

namespace lumora {

namespace {

constexpr std::int32_t kPilotRest = 660;          // 11:00
constexpr std::int32_t kCabinRest = 720;          // 12:00
constexpr std::int32_t kCabinShortRest = 600;     // what the assignment test accepts
constexpr std::int32_t kSpillOverRelief = 120;    // between two spill-over pairings
constexpr std::int32_t kShortRestNotice = 720;    // below this the rest is mentioned
constexpr std::int32_t kWarningMargin = 60;       // a start this close to E is a warning
constexpr std::int32_t kReserveEarlyStart = 121;  // a reserve duty may start 2:01 early
constexpr std::int32_t kRestAfterReserve = 539;   // 8:59
constexpr std::int32_t kDayOffLatestEnd = 120;    // a day off needs the duty ended by 02:00
constexpr std::size_t kPreviousMonthLastDay = kPrevDays - 1;
constexpr std::size_t kThisMonthFirstDay = kPrevDays;

// Non-duty codes whose test start is the end of the rest owed by 02:00 of
// the day, rather than 11:00 after the code's own start.
bool EndsRestByTwo(std::string_view code) {
  return code == "STT" || code == "VAC" || code == "GO" || code == "STA";
}

// A short rest is never negative; should a damaged block make it so, the
// text shows the sign on both parts as it always has (-1:-30).
std::string RestText(Moment rest, std::string_view label) {
  std::string text = " ";
  text += HoursMinutes(rest);
  text += label;
  return text;
}

// "rest 9:30 before 12 Feb, minimum 11:00": the rest that produced the
// earliest legal start is what the duty starting at `start` cut short.
std::string RestFigure(const TCalendar& cal, Moment start, Moment earliest, Moment rest, int day) {
  if (rest <= 0)
    return "the duty on " + BlockDayText(cal, day) + " starts " + HoursMinutes(earliest - start) +
           " before its earliest legal start";
  const Moment had = start - (earliest - rest);
  if (had < 0)
    return "overlaps the duty before " + BlockDayText(cal, day) + " by " + HoursMinutes(-had);
  return "rest " + HoursMinutes(had) + " before " + BlockDayText(cal, day) + ", minimum " +
         HoursMinutes(rest);
}

}  // namespace

RestMinimums RestMinimumsOf(CrewKind kind) {
  if (kind == CrewKind::FlightAttendants) return {kCabinShortRest, kCabinRest};
  return {kPilotRest, kPilotRest};
}

AssignCheckResult CheckAssignmentRest(const TDocument& doc, int crew, int pair, int day) {
  AssignCheckResult result;
  if (crew < 0 || crew >= kPilotSlots || !doc.isPairIndex(pair) || day < 0 || day >= kBlockDays)
    return result;
  const TPilot& pilot = doc.pilot(crew);
  const TPair& newPair = doc.pair(pair);
  const auto [minimum, allowance] = RestMinimumsOf(doc.crewKind());

  Moment previousStart = 0;
  Moment previousEnd = Moment{pilot.LegalCheckIn()} - allowance;
  bool restBeforeText = true;
  for (int d = day - 1; d >= 0; --d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Empty) continue;
    if (b.kind == BlockDay::Kind::Pairing) {
      previousStart = MomentOf(d, b.pair->OnTime);
      previousEnd = previousStart + b.pair->TAFB;
    } else if (b.containsDuty()) {
      previousStart = MomentOf(d, b.startTime());
      previousEnd = previousStart + b.hoursAtWork();
    } else {
      previousStart = previousEnd = MomentOf(d, b.startTime());
      restBeforeText = false;
    }
    break;
  }

  Moment nextStart = kBlockEndMoment;
  for (int d = day + 1; d <= LastRestDay(doc); ++d) {
    const BlockDay b = DayOf(doc, pilot, d);
    if (b.kind == BlockDay::Kind::Empty) continue;
    if (b.kind == BlockDay::Kind::Pairing)
      nextStart = MomentOf(d, b.pair->OnTime);
    else
      nextStart = MomentOf(d, b.startTime()) + (b.containsDuty() ? 0 : allowance);
    break;
  }

  Moment newStart = MomentOf(day, newPair.OnTime);
  Moment newEnd = newStart + newPair.TAFB;
  const TCalendar& cal = doc.cal;
  if (cal.DstShift != 0) {
    if (previousStart < cal.DstMoment && cal.DstMoment <= newStart)
      newStart -= cal.DstShift;
    else if (newStart < cal.DstMoment && cal.DstMoment <= nextStart)
      newEnd += cal.DstShift;
  }

  result.minutesBefore = newStart - previousEnd;
  result.minutesAfter = nextStart - newEnd;
  result.minimumRest = minimum;
  if (newStart < previousEnd + minimum || nextStart < newEnd + minimum) return result;
  result.accepted = true;
  if (restBeforeText && newStart < previousEnd + kShortRestNotice)
    result.restBefore = RestText(newStart - previousEnd, " Crew Rest Before ");
  if (nextStart < newEnd + kShortRestNotice)
    result.restAfter = RestText(nextStart - newEnd, " Crew Rest After ");
  return result;
}

void CheckPilotRest(const RuleRun& run) {
  TPilot& pilot = run.pilot();
  const TCalendar& cal = run.doc.cal;
  Moment earliest = pilot.LegalCheckIn();  // E: the earliest legal start of the next duty
  Moment rest = kPilotRest;                // Q: the rest that produced E
  Moment previousStart = 0;                // before any change moment of the month
  DayFlags exceptions{};
  DayFlags warnings{};
  bool anyException = false;
  bool anyWarning = false;
  auto flag = [](DayFlags& flags, bool& any, int d) {
    flags[static_cast<std::size_t>(d)] = true;
    any = true;
  };
  auto testDuty = [&](Moment start, int d) {
    if (start < earliest) {
      flag(exceptions, anyException, d);
      if (run.wantsFigures()) run.noteFigure("Rest ", d, RestFigure(cal, start, earliest, rest, d));
    } else if (start < earliest + kWarningMargin)
      flag(warnings, anyWarning, d);
  };

  const int last = LastRestDay(run.doc);
  for (int d = 0; d <= last; ++d) {
    const BlockDay b = DayOf(run.doc, pilot, d);
    if (b.kind == BlockDay::Kind::Empty) continue;
    if (b.kind == BlockDay::Kind::Pairing) {
      const Moment required = b.pair->MinRestAfter > kPilotRest ? b.pair->MinRestAfter : kPilotRest;
      const Moment clock = MomentOf(d, b.pair->OnTime);
      const Moment start = DstCorrectedStart(cal, previousStart, clock);
      testDuty(start, d);
      earliest = clock + b.pair->TAFB + required;
      rest = required;
      previousStart = start;
    } else if (b.containsDuty()) {
      const Moment clock = MomentOf(d, b.startTime());
      const Moment start = DstCorrectedStart(cal, previousStart, clock);
      if (!b.reserve()) {
        testDuty(start, d);
        earliest = clock + b.hoursAtWork() + kPilotRest;
        rest = kPilotRest;
      } else {
        if (start < earliest) {
          if (d == 0 && pilot.Activity[kPreviousMonthLastDay][kActWorkedState] == 2)
            flag(exceptions, anyException, 0);
          if (start < earliest - kReserveEarlyStart) {
            flag(exceptions, anyException, d);
            if (run.wantsFigures())
              run.noteFigure("Rest ", d,
                             RestFigure(cal, start, earliest - kReserveEarlyStart,
                                        rest - kReserveEarlyStart, d));
          }
        }
        earliest = clock + b.hoursAtWork() + kRestAfterReserve;
        rest = kRestAfterReserve;
      }
      previousStart = start;
    } else {
      const Moment start = EndsRestByTwo(pilot.DayCode[static_cast<std::size_t>(d)])
                               ? MomentOf(d, rest + kDayOffLatestEnd)
                               : MomentOf(d, Moment{b.startTime()} + kPilotRest);
      if (start < earliest && !b.reserve()) {
        flag(exceptions, anyException, d);
        if (run.wantsFigures())
          run.noteFigure("Rest ", d,
                         "the duty before " + BlockDayText(cal, d) + " ends " +
                             HoursMinutes(earliest - start) + " too late for its " +
                             pilot.DayCode[static_cast<std::size_t>(d)]);
      }
      earliest = MomentOf(d, Moment{b.startTime()} + b.hoursAtWork());
      rest = 0;
      previousStart = start;
    }
  }

  if (anyException) {
    std::string item = "Rest ";
    AppendDayList(item, cal, exceptions, 0, last, true);
    AppendItem(pilot.ExceptionsText, item);
    MarkDays(pilot.ExceptionDays, exceptions);
  }
  if (anyWarning) {
    std::string item = " Rest ";
    AppendDayList(item, cal, warnings, 0, last, true);
    AppendItem(pilot.WarningsText, item);
    MarkDays(pilot.WarningDays, warnings);
  }
}

void CheckCabinRest(const RuleRun& run) {
  TPilot& pilot = run.pilot();
  const TCalendar& cal = run.doc.cal;
  const DayRecord& lastDay = pilot.Activity[kPreviousMonthLastDay];
  Moment earliest = pilot.LegalCheckIn();
  // N: the last duty was a spill-over pairing; the month may open with one
  // that started late on the previous month's last day.
  bool spillOver = lastDay[kActPairingStart] > 1080 && lastDay[kActPairingTafb] > 480 &&
                   pilot.Activity[kThisMonthFirstDay][kActCredit] == 0;
  Moment previousStart = 0;
  DayFlags exceptions{};
  bool anyException = false;

  const int last = LastRestDay(run.doc);
  for (int d = 0; d <= last; ++d) {
    const BlockDay b = DayOf(run.doc, pilot, d);
    if (b.kind == BlockDay::Kind::Empty) continue;
    bool breach = false;
    Moment breachBy = 0;
    if (b.kind == BlockDay::Kind::Pairing) {
      const Moment clock = MomentOf(d, b.pair->OnTime);
      const Moment start = DstCorrectedStart(cal, previousStart, clock);
      if (b.pair->Overnight) {
        if (spillOver) earliest -= kSpillOverRelief;
        spillOver = true;
      } else {
        spillOver = false;
      }
      breach = start < earliest;
      breachBy = earliest - start;
      earliest = clock + b.pair->TAFB + kCabinRest;
      previousStart = start;
    } else if (b.containsDuty()) {
      const Moment clock = MomentOf(d, b.startTime());
      const Moment start = DstCorrectedStart(cal, previousStart, clock);
      spillOver = false;
      breach = start < earliest && !b.reserve();
      breachBy = earliest - start;
      earliest = clock + b.hoursAtWork() + kCabinRest;
      previousStart = start;
    } else {
      const Moment start = MomentOf(d, Moment{b.startTime()} + kCabinRest);
      spillOver = false;
      breach = start < earliest && !b.reserve();
      breachBy = earliest - start;
      earliest = MomentOf(d, Moment{b.startTime()} + b.hoursAtWork());
      previousStart = start;
    }
    if (breach) {
      exceptions[static_cast<std::size_t>(d)] = true;
      anyException = true;
      if (run.wantsFigures())
        run.noteFigure(" Rest ", d,
                       "the duty on " + BlockDayText(cal, d) + " starts " + HoursMinutes(breachBy) +
                           " before the end of the 12:00 rest it needs");
    }
  }

  if (anyException) {
    // The item names the month's days only; the grid shows the rest.
    std::string item = " Rest ";
    AppendDayList(item, cal, exceptions, 0, cal.MonthLength - 1, false);
    AppendItem(pilot.ExceptionsText, item);
    MarkDays(pilot.ExceptionDays, exceptions);
  }
}

}  // namespace lumora
