#include "rules/duty_timeline.h"

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "model/time_text.h"
#include "rules/rule_results.h"

namespace lumora {

namespace {

constexpr int kLastK = kRuleDays - 1;
constexpr int kLastPrevRecord = 59;                // records that may start a previous-month trip
constexpr int kLastPrevSpanDay = 60;               // a previous-month trip is followed up to here
constexpr std::int32_t kLnrLatestStart = 570;      // 09:30: a later start counts as 09:30
constexpr std::int32_t kLnrRest = 540;             // 9:00 from release to the capped start
constexpr std::int32_t kLnrEarliestStart = 450;    // 07:30
constexpr std::int32_t kLnrReleaseTolerance = 30;  // released by 00:30 of the day
constexpr std::int32_t kFreeDayTolerance = 1409;   // a free day with half an hour of slack
constexpr int kFiveLnrRun = 5;
constexpr std::size_t kOldRulesMinutesField = 343;  // four digits per pairing day
constexpr std::size_t kOldRulesFieldWidth = 4;
constexpr int kReserveShare = 3;  // a reserve duty counts a third of its minutes
constexpr Moment kMaxMinutesPerDuty = 100000;

std::size_t K(int k) {
  return static_cast<std::size_t>(k);
}

// Days a trip spans: an end at 24:00 stays on the first day, 24:01 spans two.
int SpannedDays(Moment endOfDay) {
  if (endOfDay <= kMinutesPerDay) return 1;
  return 1 + static_cast<int>((endOfDay - kMinutesPerDay + kMinutesPerDay - 1) / kMinutesPerDay);
}

class TimelineBuilder {
 public:
  TimelineBuilder(const TDocument& doc, DutyTimeline& t) : t_(t) {
    if (doc.cal.DstShift != 0) {
      change_ = Moment{doc.cal.DstMoment} + Moment{kTimelineMonthStart} * kMinutesPerDay;
      shift_ = doc.cal.DstShift;
    }
  }

  // The end time of day of a duty or trip starting at `start` on day k,
  // moved by the change when it crosses it.
  Moment CorrectedEnd(int k, Moment start, Moment length) const {
    const Moment absolute = MomentOf(k, start);
    Moment end = start + length;
    if (change_ > 0 && absolute < change_ && change_ <= absolute + length) end += shift_;
    return end;
  }

  void AddMinutes(int k, Moment minutes, bool reserve) {
    if (k > kLastK || minutes <= 0) return;
    // Figures read from a file may be anything; a few days' worth per duty
    // keeps the 28-day sums exact for any real block.
    minutes = std::min(minutes, kMaxMinutesPerDuty);
    t_.DutyMinutes[K(k)] += static_cast<std::int32_t>(reserve ? minutes / kReserveShare : minutes);
  }

  // A duty of `length` minutes from `start` on day k, split at midnight.
  void SplitMinutes(int k, Moment start, Moment length, Moment end, bool reserve) {
    if (length <= 0) return;
    if (end <= kMinutesPerDay) {
      AddMinutes(k, length, reserve);
    } else {
      AddMinutes(k, kMinutesPerDay - start, reserve);
      AddMinutes(k + 1, end - kMinutesPerDay, reserve);
    }
  }

 private:
  DutyTimeline& t_;
  Moment change_ = 0;
  Moment shift_ = 0;
};

int OldRulesMinutes(std::string_view text, std::size_t position) {
  if (position + kOldRulesFieldWidth > text.size()) return 0;
  return LeadingInt(text.substr(position, kOldRulesFieldWidth));
}

void PreviousMonth(const TPilot& pilot, bool oldRules, TimelineBuilder& b, DutyTimeline& t) {
  for (int k = 0; k <= kLastPrevRecord; ++k) {
    const DayRecord& rec = pilot.Activity[K(k)];
    if (rec[kActPairingTafb] > 0) {
      t.TripStart[K(k)] = rec[kActPairingStart];
      t.TripLength[K(k)] = rec[kActPairingTafb];
      const int n = SpannedDays(b.CorrectedEnd(k, rec[kActPairingStart], rec[kActPairingTafb]));
      for (int p = 0; p < n && k + p <= kLastPrevSpanDay; ++p) {
        const DayRecord& day = pilot.Activity[K(k + p)];
        const std::int32_t start = oldRules ? day[kActDutyStart] : day[kActDutyStartHomeBase];
        t.DutyDay[K(k + p)] = true;
        t.DutyStart[K(k + p)] = start;
        t.DutyLength[K(k + p)] = day[kActTimeOnDuty];
        if (p > 0 && day[kActPairingTafb] > 0) break;  // that record adds its own minutes
        b.SplitMinutes(k + p, start, day[kActTimeOnDuty], Moment{start} + day[kActTimeOnDuty],
                       false);
      }
    } else if (rec[kActWorkedState] != 0 && rec[kActCarsDuty] != 0 &&
               !pilot.ActivityText[K(k)].empty()) {
      const std::int32_t start = rec[kActDutyStart];
      const std::int32_t length = rec[kActTimeOnDuty];
      const bool reserve = rec[kActWorkedState] == 2;
      t.TripStart[K(k)] = start;
      t.TripLength[K(k)] = length;
      t.ReserveDay[K(k)] = reserve;
      const Moment end = b.CorrectedEnd(k, start, length);
      b.SplitMinutes(k, start, length, end, reserve);
      const int n = SpannedDays(end);
      for (int p = 0; p < n && k + p <= kLastK; ++p) {
        t.DutyDay[K(k + p)] = true;
        t.DutyStart[K(k + p)] = start;
        t.DutyLength[K(k + p)] = length;
      }
    }
  }
}

void ThisMonth(const TDocument& doc, const TPilot& pilot, bool oldRules, TimelineBuilder& b,
               DutyTimeline& t) {
  for (int d = 0; d < doc.monthDays(); ++d) {
    const int k = kTimelineMonthStart + d;
    const BlockDay day = DayOf(doc, pilot, d);
    if (day.kind == BlockDay::Kind::Pairing) {
      const TPair& pair = *day.pair;
      t.TripStart[K(k)] = pair.OnTime;
      t.TripLength[K(k)] = pair.TAFB;
      const int n = SpannedDays(b.CorrectedEnd(k, pair.OnTime, pair.TAFB));
      for (int p = 0; p < n && p < kMonthDays && k + p <= kLastK; ++p) {
        const std::size_t pd = static_cast<std::size_t>(p);
        const std::int32_t start =
            oldRules ? pair.DailyStartTime[pd] : pair.DailyStartTimeAtBase[pd];
        const std::int32_t length = pair.DailyDutyTime[pd];
        t.DutyDay[K(k + p)] = true;
        t.DutyStart[K(k + p)] = start;
        t.DutyLength[K(k + p)] = length;
        if (pair.DailyOnDutyBreak[pd] >= 180) t.KeyInHandOver3[K(k + p)] = true;
        if (oldRules) {
          const std::size_t field = kOldRulesMinutesField + kOldRulesFieldWidth * pd;
          int minutes = OldRulesMinutes(pair.PairingText, field);
          if (p == n - 1) {
            const int last = OldRulesMinutes(pair.PairingText, field + kOldRulesFieldWidth);
            if (last > 0) minutes += last;
          }
          b.AddMinutes(k + p, minutes, false);
        } else {
          b.SplitMinutes(k + p, start, length, Moment{start} + length, false);
        }
      }
    } else if (day.kind == BlockDay::Kind::Other && day.containsDuty() &&
               (*day.other)[kOtherCarsDuty] != 0) {
      const std::int32_t start = day.startTime();
      const std::int32_t length = day.hoursAtWork();
      const bool reserve = day.reserve();
      t.TripStart[K(k)] = t.DutyStart[K(k)] = start;
      t.TripLength[K(k)] = t.DutyLength[K(k)] = length;
      t.ReserveDay[K(k)] = reserve;
      const Moment end = b.CorrectedEnd(k, start, length);
      b.SplitMinutes(k, start, length, end, reserve);
      const int n = SpannedDays(end);
      for (int p = 0; p < n && k + p <= kLastK; ++p) t.DutyDay[K(k + p)] = true;
    }
  }
}

void Totals(const DutyTimeline& t, TPilot& pilot) {
  for (int k = 0; k <= kLastK; ++k) {
    auto sum = [&](int days) {
      std::int32_t total = 0;
      for (int x = k - days + 1; x <= k; ++x) total += t.DutyMinutes[K(x)];
      return total;
    };
    pilot.DutyTotals[K(k)] = {t.DutyMinutes[K(k)], k >= 7 ? sum(7) : 0, k >= 29 ? sum(28) : 0};
  }
}

Moment TripEnd(const DutyTimeline& t, int k) {
  return MomentOf(k, t.TripStart[K(k)]) + t.TripLength[K(k)];
}

void RestMarks(const TDocument& doc, DutyTimeline& t) {
  Moment previousEnd = 0;
  for (int k = 0; k <= kLastK; ++k) {
    if (t.TripStart[K(k)] < 0) continue;
    const Moment start = std::min(t.TripStart[K(k)], kLnrLatestStart);
    if (MomentOf(k, start) >= previousEnd + kLnrRest && t.TripStart[K(k)] >= kLnrEarliestStart)
      t.LnrDay[K(k)] = true;
    for (int j = k - 1; j >= 0 && previousEnd <= MomentOf(j, kLnrReleaseTolerance); --j)
      t.LnrDay[K(j)] = true;
    previousEnd = TripEnd(t, k);
  }

  previousEnd = 0;
  for (int k = 0; k <= kLastK; ++k) {
    if (t.TripStart[K(k)] < 0) continue;
    int freeDays = 0;
    for (Moment gap = MomentOf(k, 0) - previousEnd; gap - kMinutesPerDay > kFreeDayTolerance;
         gap -= kMinutesPerDay)
      ++freeDays;
    for (int j = k, i = 0; i < freeDays && j - 1 >= 0; ++i, --j)
      if (t.LnrDay[K(j)] && t.LnrDay[K(j - 1)]) t.SdfdDay[K(j - 1)] = true;
    previousEnd = TripEnd(t, k);
  }

  int run = 0;
  const int last = std::min(doc.monthDays() + 36, kLastK);
  for (int k = 0; k <= last; ++k) {
    run = t.SdfdDay[K(k)] ? run + 1 : 0;
    if (run >= kFiveLnrRun) t.FiveLnrDay[K(k)] = true;
  }
}

}  // namespace

TimelineDate DateOfTimelineDay(const TCalendar& cal, int k) {
  const auto& date = k < kTimelineMonthStart
                         ? cal.PrevMonthDays[K(std::max(k, 0))]
                         : cal.MonthDays[K(std::min(k - kTimelineMonthStart, kBlockDays - 1))];
  return {date[0], date[1], date[2]};
}

void AppendDate(std::string& text, const TimelineDate& date) {
  if (date.day < 0 || date.day > 99 || date.month < 0 || date.month > 99 || date.year < 0 ||
      date.year > 9999) {
    char buffer[48];
    const int n =
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", date.day, date.month, date.year);
    if (n > 0) text.append(buffer, std::min(static_cast<std::size_t>(n), sizeof buffer - 1));
    return;
  }
  // The log writes a date for every timeline day of every check.
  char buffer[10];
  const auto digits = [&buffer](std::size_t at, int value, int width) {
    for (int i = width - 1; i >= 0; --i, value /= 10)
      buffer[at + static_cast<std::size_t>(i)] = static_cast<char>('0' + value % 10);
  };
  digits(0, date.day, 2);
  buffer[2] = '/';
  digits(3, date.month, 2);
  buffer[5] = '/';
  digits(6, date.year, 4);
  text.append(buffer, sizeof buffer);
}

void BuildDutyTimeline(TDocument& doc, int crew, bool oldRules, DutyTimeline& out) {
  out.TripStart.fill(kNoTime);
  out.TripLength.fill(kNoTime);
  out.DutyStart.fill(kNoTime);
  out.DutyLength.fill(kNoTime);
  out.DutyMinutes.fill(0);
  for (auto* marks : {&out.DutyDay, &out.ReserveDay, &out.KeyInHandOver3, &out.LnrDay, &out.SdfdDay,
                      &out.FiveLnrDay})
    marks->fill(false);

  TPilot& pilot = doc.pilot(crew);
  TimelineBuilder builder(doc, out);
  PreviousMonth(pilot, oldRules, builder, out);
  ThisMonth(doc, pilot, oldRules, builder, out);
  Totals(out, pilot);
  RestMarks(doc, out);
}

}  // namespace lumora
