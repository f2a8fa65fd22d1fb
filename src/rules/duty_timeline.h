#pragma once
// The duty picture of one crew member on the rule timeline: 93 days, the
// previous month's last 31 (k = 0 to 30) and the block's 62 (k = 31 + d).
// The duty limits, the fatigue rules and the duty-rule checker read it.

#include <array>
#include <cstdint>
#include <string>

#include "model/capacity.h"
#include "model/document.h"

namespace lumora {

inline constexpr int kTimelineMonthStart = kPrevDays;  // k of day index 0
inline constexpr std::int32_t kNoTime = -1;

template <typename T>
using TimelineArray = std::array<T, kRuleDays>;

struct DutyTimeline {
  // The trip (a pairing or a single qualifying duty) that begins on day k.
  TimelineArray<std::int32_t> TripStart;
  TimelineArray<std::int32_t> TripLength;
  // The duty period that begins on day k.
  TimelineArray<std::int32_t> DutyStart;
  TimelineArray<std::int32_t> DutyLength;
  // Qualifying duty minutes falling on day k (split at midnight).
  TimelineArray<std::int32_t> DutyMinutes;
  TimelineArray<bool> DutyDay;
  TimelineArray<bool> ReserveDay;
  TimelineArray<bool> KeyInHandOver3;
  TimelineArray<bool> LnrDay;      // the night before day k was a local night's rest
  TimelineArray<bool> SdfdDay;     // a single day free of duty with a rest night on each side
  TimelineArray<bool> FiveLnrDay;  // ends a run of five or more such days
};

// Per timeline day: 0 none, 1 early duty after a late or night duty without
// a rest night, 2 the reverse, 3 too little time off after a run of WOCL
// intrusions, 4 key in hand too short or too many intrusions.
enum TransitionKind : std::int8_t {
  kNoTransition = 0,
  kEarlyAfterLate = 1,
  kLateAfterEarly = 2,
  kShortRestAfterWocl = 3,
  kWoclKeyInHand = 4,
};
using TransitionCodes = TimelineArray<std::int8_t>;

// Day, month and year of timeline day k.
struct TimelineDate {
  int day = 0;
  int month = 0;
  int year = 0;
};
TimelineDate DateOfTimelineDay(const TCalendar& cal, int k);

// Appends the date as "%02d/%02d/%04d" (the rule log writes one per day).
void AppendDate(std::string& text, const TimelineDate& date);

// Builds the timeline of crew member `crew` and his DutyTotals. With
// `oldRules` a pairing day's duty starts at its local report time and a
// pairing day's minutes come whole from the pairing file's text.
void BuildDutyTimeline(TDocument& doc, int crew, bool oldRules, DutyTimeline& out);

}  // namespace lumora
