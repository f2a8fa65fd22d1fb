#include "rules/duty_rule_checker.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string>

#include "model/airports.h"
#include "model/time_text.h"
#include "rules/duty_timeline.h"
#include "rules/fatigue_rules.h"

namespace lumora {

namespace {

constexpr int kFirstEvaluated = 27;
constexpr int kSpillSearchFloor = 11;
constexpr std::int32_t kSpillTolerance = 30;  // a trip ending by 00:30 spills over
constexpr std::int32_t kSixtyHours = 3600;
constexpr std::int32_t kTwelveHours = 720;
constexpr std::int32_t kEarliestDutyStart = 420;  // 07:00
constexpr std::int32_t kWeekMinutes = 10080;
constexpr int kMinSdfdIn28 = 4;
constexpr int kSeventyWindow = 21;
constexpr int kFiveInARow = 5;
constexpr int kFirstListed = 17;
constexpr int kLastListed = 68;

// The minute map of the 24-in-48 test: 75 days from timeline day 0.
constexpr int kMapMinutes = 108000;
constexpr int kMapDutyDays = 70;
constexpr int kWindow = 2880;
constexpr int kScanEnd = 100800;
constexpr int kMaxDutyIn48 = 1440;

constexpr const char* kLabel = " 60h/7d 2LNR Rules";
constexpr const char* kRuleLine =
    "--------------------------------------------------------------------------------+";

std::size_t U(int i) {
  return static_cast<std::size_t>(i);
}

// The duty minutes of the 75 days from timeline day 0, each a run of
// minutes (every third one on a reserve day).
struct DutySpan {
  Moment from = 0;
  Moment to = 0;  // past the last minute
  Moment step = 1;

  Moment MarksIn(Moment lo, Moment hi) const {
    const Moment a = std::max(lo, from);
    const Moment b = std::min(hi, to - 1);
    if (a > b) return 0;
    const Moment first = from + (a - from + step - 1) / step * step;
    return first > b ? 0 : (b - first) / step + 1;
  }
};

// The same on a map of the minutes, for duties that overlap.
void MinuteMapOver24In48(const DutyTimeline& t, TimelineArray<bool>& over) {
  // One map for every check, allocated once: the program has one thread,
  // and each use starts from a cleared map.
  static std::array<std::uint8_t, kMapMinutes> map{};
  map.fill(0);
  for (int x = 0; x < kMapDutyDays; ++x) {
    if (t.DutyStart[U(x)] < 0) continue;
    const Moment from = MomentOf(x, t.DutyStart[U(x)]);
    const Moment to = std::min<Moment>(from + std::max(t.DutyLength[U(x)], 0), kMapMinutes);
    const Moment step = t.ReserveDay[U(x)] ? 3 : 1;
    for (Moment m = from; m < to; m += step) map[static_cast<std::size_t>(m)] = 1;
  }
  int count = 0;
  for (int y = 0; y < kScanEnd; ++y) {
    count += map[U(y)];
    if (y >= kWindow) count -= map[U(y - kWindow)];
    if (y >= kWindow && map[U(y)] != 0 && count > kMaxDutyIn48) over[U(y / kMinutesPerDay)] = true;
  }
}

enum class Logic { SixtySeven, SeventySeven };

class Checker {
 public:
  Checker(const RuleRun& run, const DutyTimeline& t, const TransitionCodes& codes)
      : run_(run),
        doc_(run.doc),
        pilot_(run.pilot()),
        t_(t),
        codes_(codes),
        L_(run.doc.monthDays()),
        log_(run.pilot().RuleCheckLog) {}

  void Evaluate() {
    const int last = std::min(L_ + 37, kRuleDays - 1);
    int k = kFirstEvaluated;
    // Each switch raises the search bound, each failure moves past its day:
    // the walk ends within a few passes over the timeline.
    for (int guard = 0; k <= last && guard < 8 * kRuleDays * kRuleDays; ++guard) {
      if (!t_.DutyDay[U(k)]) {
        ++k;
        continue;
      }
      const bool passed = EvaluateDay(k);
      if (passed) {
        canSwitch_ = true;
        ++k;
        continue;
      }
      if (canSwitch_) {
        searchTrigger_ = k;
        int x = k;
        while (x > searchFloor_ && !t_.FiveLnrDay[U(x)]) --x;
        if (x > searchFloor_) {
          logicBeforeSwitch_ = logic_;
          switched_ = true;
          logic_ = logic_ == Logic::SixtySeven ? Logic::SeventySeven : Logic::SixtySeven;
          searchFloor_ = x + 1;
          log_ += "ATTEMPT LOGIC CHANGE to";
          log_ += logic_ == Logic::SeventySeven ? " 70/7 " : " 60/7 ";
          if (x > L_ + kTimelineMonthStart - 1) {
            log_ += "Next Month.+";
          } else {
            const TimelineDate date = DateOfTimelineDay(doc_.cal, x);
            Append("on %d/%d/%d", date.day, date.month, date.year);
            log_ += ".+";
          }
          switchAttempted_ = true;
          canSwitch_ = false;
          k = x + 1;
          continue;
        }
      }
      const int failedDay = std::max(k, searchTrigger_);
      failed_[U(failedDay)] = true;
      if (run_.wantsFigures() && failedDay >= kTimelineMonthStart) {
        const std::string& why =
            failure_[U(failedDay)].empty() ? failure_[U(k)] : failure_[U(failedDay)];
        run_.noteFigure(kLabel, failedDay - kTimelineMonthStart, why);
      }
      if (switched_) logic_ = logicBeforeSwitch_;
      if (switchAttempted_) {
        log_ += "ATTEMPT LOGIC CHANGE FAIL. +";
        switchAttempted_ = false;
      }
      canSwitch_ = true;
      k = failedDay + 1;
    }
  }

  void Report() {
    if (std::none_of(failed_.begin(), failed_.end(), [](bool f) { return f; })) return;
    std::string item = kLabel;
    const int lastMonthK = L_ + kTimelineMonthStart - 1;
    for (int k = kFirstListed; k <= kLastListed; ++k) {
      if (!failed_[U(k)]) continue;
      const TimelineDate date = DateOfTimelineDay(doc_.cal, k);
      if (k < kTimelineMonthStart) {
        AppendTo(item, "%02d/%02d/%04d.", date.day, date.month, date.year);
        continue;
      }
      pilot_.ExceptionDays[U(k - kTimelineMonthStart)] = 1;
      if (k > lastMonthK) {
        item += " C/Out";
        break;
      }
      AppendTo(item, " %d", date.day);
    }
    AppendItem(pilot_.ExceptionsText, item);
  }

  void WriteArrays() {
    log_ += kRuleLine;
    log_ += "RULE CHECKING DATA ARRAYS+";
    log_ += kRuleLine;
    log_ += "DUTY IS ANY QUALIFING DUTY THAT DAY+";
    log_ +=
        "LNR IS LOCAL NIGHT REST PROCEEDING NIGHT+2LNR&SDFD IS A SDFFD WITH A LNR ON EACH SIDE+";
    log_ += "5LNR IS 5 LNR AND 5 DAYS OFF TO SWAP 70/7 OR 60/6+";
    log_ += "BELOW POPULATED IF 70/7 AND DUTY <= 12 PASS+>2448 IS OVER 24 HR DUTY IN 48.+";
    log_ += "ELN IS EARLY LATE OT NIGHT DUTY+";
    log_ += kRuleLine;
    for (int k = 0; k < kRuleDays; ++k) {
      const TimelineDate date = DateOfTimelineDay(doc_.cal, k);
      AppendDate(log_, date);
      log_ += "  ";
      if (t_.DutyDay[U(k)]) log_ += "DUTY   ";
      if (t_.LnrDay[U(k)]) log_ += "LNR   ";
      if (t_.SdfdDay[U(k)]) log_ += "2LNSDFD  ";
      if (t_.FiveLnrDay[U(k)]) log_ += "5LNR   ";
      if (over24_[U(k)]) log_ += ">2448  ";
      if (codes_[U(k)] == kEarlyAfterLate) log_ += "ELN   ";
      log_ += '+';
    }
  }

 private:
  template <typename... Args>
  static void AppendTo(std::string& text, const char* format, Args... args) {
    char buffer[48];
    const int n = std::snprintf(buffer, sizeof buffer, format, args...);
    if (n > 0) text.append(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
  }
  template <typename... Args>
  void Append(const char* format, Args... args) {
    AppendTo(log_, format, args...);
  }

  bool Sdfd(int k) const { return k >= 0 && t_.SdfdDay[U(k)]; }

  // Whether the days from `first` down to `last` (all existing) hold no
  // free day with a rest night on each side.
  bool NoSdfd(int first, int last) const {
    if (last < 0) return false;
    for (int x = first; x >= last; --x)
      if (Sdfd(x)) return false;
    return true;
  }

  bool EvaluateDay(int k) {
    bool spill = false;
    Moment spillEnd = 0;
    if (t_.DutyStart[U(k)] < 1 && t_.DutyLength[U(k)] < 1) {
      int trip = k - 1;
      while (trip >= kSpillSearchFloor && t_.TripStart[U(trip)] < 0) --trip;
      if (trip >= kSpillSearchFloor) {
        const Moment end = MomentOf(trip, t_.TripStart[U(trip)]) + t_.TripLength[U(trip)];
        if (MomentOf(k, 0) <= end && end <= MomentOf(k, kSpillTolerance)) {
          spill = true;
          spillEnd = end;
        }
      }
    }
    const TimelineDate date = DateOfTimelineDay(doc_.cal, k);
    log_ += "Checking ";
    AppendDate(log_, date);
    failure_[U(k)].clear();
    return logic_ == Logic::SixtySeven ? SixtySeven(k, spill, spillEnd) : SeventySeven(k);
  }

  // What failed on day k, in figures, for the explanations of a refusal.
  void Explain(int k, const std::string& text) {
    if (!run_.wantsFigures()) return;
    std::string& failure = failure_[U(k)];
    if (!failure.empty()) failure += "; ";
    failure += text;
  }
  std::string Ending(int days, int k) const {
    return " in the " + std::to_string(days) + " days ending " + TimelineDayText(doc_.cal, k);
  }

  bool SixtySeven(int k, bool spill, Moment spillEnd) {
    bool passed = true;
    auto fail = [&](const char* text) {
      log_ += text;
      passed = false;
    };
    constexpr const char* kNoFreeDay = "no day free with a local night rest on each side";
    if (const std::int32_t week = pilot_.DutyTotals[U(k)][1]; week > kSixtyHours) {
      fail(" FAIL 60HR/7D");
      if (run_.wantsFigures())
        Explain(k, WindowFigure(doc_.cal, week, 7, k - kTimelineMonthStart, kSixtyHours));
    }
    if (!spill && NoSdfd(k, k - 6)) {
      fail(" FAIL 2LNR");
      if (run_.wantsFigures()) Explain(k, kNoFreeDay + Ending(7, k));
    }
    if (spill && !run_.oldRules && AutumnChangeBefore(spillEnd) && NoSdfd(k - 1, k - 6)) {
      fail(" FAIL 2LNR");
      if (run_.wantsFigures()) Explain(k, kNoFreeDay + Ending(7, k - 1));
    }
    if (!spill) {
      int count = 0;
      for (int x = k; x >= std::max(k - 27, 0); --x) count += Sdfd(x) ? 1 : 0;
      if (count < kMinSdfdIn28) {
        fail(" FAIL 4SDFD");
        if (run_.wantsFigures())
          Explain(k, std::to_string(count) + " days free with a local night rest on each side" +
                         Ending(28, k) + ", at least 4");
      }
    }
    if (passed && k < L_ + 38) log_ += " PASSED 2LNR 60/7 4SDFD";
    log_ += '+';
    return passed;
  }

  // The autumn change within the week before a spill-over release, at a
  // base that keeps daylight saving: the hour gained may hide a short night.
  bool AutumnChangeBefore(Moment end) const {
    if (doc_.cal.DstShift != -60) return false;
    if (!BaseObservesDaylightSaving(doc_.FileDescriptor, doc_.AirportDetails)) return false;
    const Moment change = Moment{doc_.cal.DstMoment} + Moment{kTimelineMonthStart} * kMinutesPerDay;
    return std::max<Moment>(0, end - kWeekMinutes) <= change && change <= end;
  }

  bool SeventySeven(int k) {
    bool passed = true;
    int since = 0;
    int run = 0;
    bool found = false;
    for (int x = k; x >= std::max(k - (kSeventyWindow - 1), 0); --x) {
      run = Sdfd(x) ? run + 1 : 0;
      if (run == kFiveInARow) {
        since = x + 4;
        found = true;
        break;
      }
    }
    if (!found) {
      log_ += " FAIL 5LNR/21";
      passed = false;
      if (run_.wantsFigures()) Explain(k, "no 5 days free in a row" + Ending(kSeventyWindow, k));
    }
    const int floor = std::max(since, 0);
    if (passed) {
      for (int x = k; x >= floor; --x) {
        if (pilot_.DutyTotals[U(x)][0] > kTwelveHours) {
          log_ += " FAIL 12HR DUTY";
          passed = false;
          if (run_.wantsFigures())
            Explain(k, "duty " + HoursMinutes(pilot_.DutyTotals[U(x)][0]) + " on " +
                           TimelineDayText(doc_.cal, x) + ", limit 12:00 under 70 hours in 7 days");
          break;
        }
      }
    }
    if (passed) {
      for (int x = k; x >= floor; --x) {
        const std::int32_t start = t_.DutyStart[U(x)];
        if (start != kNoTime &&
            (start < kEarliestDutyStart || Moment{start} + t_.DutyLength[U(x)] > kMinutesPerDay)) {
          log_ += " FAIL EARLY/LATE DUTY";
          passed = false;
          if (run_.wantsFigures())
            Explain(k, "duty on " + TimelineDayText(doc_.cal, x) +
                           " starts before 07:00 or ends after midnight under 70 hours in 7 days");
          break;
        }
      }
    }
    if (passed) {
      if (!over24Done_) {
        over24_ = Over24In48Days(t_);
        over24Done_ = true;
      }
      for (int x = k; x >= floor; --x) {
        if (over24_[U(x)]) {
          log_ += " FAIL 24DUTY in 48HR";
          passed = false;
          if (run_.wantsFigures())
            Explain(k, "more than 24:00 of duty in 48 hours on " + TimelineDayText(doc_.cal, x));
          break;
        }
      }
    }
    log_ += passed ? " PASSED 70/7.+" : " FAILED 70/7.+";
    return passed;
  }

  const RuleRun& run_;
  const TDocument& doc_;
  TPilot& pilot_;
  const DutyTimeline& t_;
  const TransitionCodes& codes_;
  const int L_;
  std::string& log_;

  Logic logic_ = Logic::SixtySeven;
  Logic logicBeforeSwitch_ = Logic::SixtySeven;
  bool switched_ = false;
  bool canSwitch_ = true;
  bool switchAttempted_ = false;
  int searchFloor_ = 0;
  int searchTrigger_ = -1;
  bool over24Done_ = false;
  TimelineArray<bool> over24_{};
  TimelineArray<bool> failed_{};
  TimelineArray<std::string> failure_{};
};

}  // namespace

TimelineArray<bool> Over24In48Days(const DutyTimeline& t) {
  TimelineArray<bool> over{};
  std::array<DutySpan, kMapDutyDays> spans{};
  std::size_t count = 0;
  for (int x = 0; x < kMapDutyDays; ++x) {
    if (t.DutyStart[U(x)] < 0) continue;
    const Moment from = MomentOf(x, t.DutyStart[U(x)]);
    const Moment to = std::min<Moment>(from + std::max(t.DutyLength[U(x)], 0), kMapMinutes);
    if (from >= to) continue;
    spans[count++] = {from, to, t.ReserveDay[U(x)] ? Moment{3} : Moment{1}};
  }
  std::sort(spans.begin(), spans.begin() + static_cast<std::ptrdiff_t>(count),
            [](const DutySpan& a, const DutySpan& b) { return a.from < b.from; });
  for (std::size_t i = 1; i < count; ++i) {
    if (spans[i].from < spans[i - 1].to) {
      MinuteMapOver24In48(t, over);  // overlapping duties: minute by minute
      return over;
    }
  }
  const std::span<const DutySpan> used(spans.data(), count);
  // Disjoint and in order: the spans that reach into a window are a few
  // neighbours.
  auto marksBetween = [&](Moment lo, Moment hi) {
    auto it = std::partition_point(used.begin(), used.end(),
                                   [lo](const DutySpan& s) { return s.to <= lo; });
    Moment marked = 0;
    for (; it != used.end() && it->from <= hi; ++it) marked += it->MarksIn(lo, hi);
    return marked;
  };
  auto tooMuch = [&](Moment y) { return marksBetween(y - kWindow + 1, y) > kMaxDutyIn48; };
  for (const DutySpan& s : used) {
    const Moment first = std::max<Moment>(s.from, kWindow);
    const Moment last = std::min<Moment>(s.to, kScanEnd) - 1;
    if (s.step == 1) {
      // Along a run of marked minutes the 48-hour count never falls, so
      // each day's part of the run is decided by its last minute.
      for (Moment u = first; u <= last;) {
        const Moment dayEnd = (u / kMinutesPerDay + 1) * kMinutesPerDay - 1;
        const Moment v = std::min(last, dayEnd);
        if (tooMuch(v)) over[static_cast<std::size_t>(v / kMinutesPerDay)] = true;
        u = v + 1;
      }
    } else {
      // A reserve duty's count may fall between its minutes: each minute is
      // tried, unless the whole day's part cannot reach the limit.
      for (Moment u = first; u <= last;) {
        const Moment v = std::min(last, (u / kMinutesPerDay + 1) * kMinutesPerDay - 1);
        if (marksBetween(u - kWindow + 1, v) > kMaxDutyIn48) {
          for (Moment y = s.from + (u - s.from + s.step - 1) / s.step * s.step; y <= v; y += s.step)
            if (tooMuch(y)) over[static_cast<std::size_t>(y / kMinutesPerDay)] = true;
        }
        u = v + 1;
      }
    }
  }
  return over;
}

void CheckDutyRules(const RuleRun& run) {
  DutyTimeline& timeline = run.scratch.Timeline;
  TransitionCodes& codes = run.scratch.Transitions;
  BuildDutyTimeline(run.doc, run.crew, run.oldRules, timeline);
  codes.fill(kNoTransition);
  if (!run.oldRules) CheckWoclRules(run.doc, run.crew, timeline, codes);
  Checker checker(run, timeline, codes);
  checker.Evaluate();
  checker.Report();
  checker.WriteArrays();
}

}  // namespace lumora
