#pragma once
// The time base every rule shares and the way rules leave their findings on
// a crew member: items ended by "+" in ExceptionsText and WarningsText, and
// the days concerned in ExceptionDays and WarningDays.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/calendar.h"
#include "model/capacity.h"
#include "model/document.h"
#include "model/pilot.h"
#include "rules/duty_timeline.h"

namespace lumora {

// An instant in minutes from 00:00 of the month's first day. Held wider than
// the stored words so that sums of times read from a file cannot overflow.
using Moment = std::int64_t;

// The block's 62 days end here: "no next duty" in the rest test.
inline constexpr Moment kBlockEndMoment = Moment{kBlockDays} * kMinutesPerDay;  // 89280

// Moment of a time of day (or any minute count) on day index d.
constexpr Moment MomentOf(int day, Moment minutes) {
  return Moment{day} * kMinutesPerDay + minutes;
}

// The last day index the rest rules walk: L + 30, the end of the block at most.
int LastRestDay(const TDocument& doc);

// What a day cell holds, for the rules. A cell that holds no usable pairing
// index (one past the last pairing, or a value below -2) counts as empty, so
// an unrepaired cell never reaches outside the pairing table.
struct BlockDay {
  enum class Kind { Empty, Pairing, Other } kind = Kind::Empty;
  const TPair* pair = nullptr;       // Kind::Pairing
  const DayRecord* other = nullptr;  // Kind::Other
  std::int32_t pairIndex = -1;

  bool containsDuty() const { return (*other)[kOtherContainsDuty] != 0; }
  bool reserve() const { return (*other)[kOtherReserve] != 0; }
  std::int32_t startTime() const { return (*other)[kOtherStartTime]; }
  std::int32_t hoursAtWork() const { return (*other)[kOtherHoursAtWork]; }
};
BlockDay DayOf(const TDocument& doc, const TPilot& pilot, int day);

using DayFlags = std::array<bool, kBlockDays>;

// Appends the item and its "+" terminator.
void AppendItem(std::string& text, std::string_view item);

// Appends " %d" with the calendar day number of every flagged day from
// `first` to `last`; with `markAfterMonth`, days after the month get ">"
// right after their number.
void AppendDayList(std::string& item, const TCalendar& cal, const DayFlags& flags, int first,
                   int last, bool markAfterMonth);

// Sets the crew member's per-day flags from a rule's own flags.
void MarkDays(std::array<std::uint8_t, kBlockDays>& target, const DayFlags& flags);

// Empties the three result texts and the two day-flag arrays.
void ClearRuleResults(TPilot& pilot);

// The items of a result text, in order, without their "+". A "+" inside a
// rule's label (" 112+ Hours Hard in 28 on") is part of the item.
std::vector<std::string_view> SplitItems(std::string_view text);

// What a rule measured where it flagged a day ("60:40 in 7 days ending
// 12 Feb, limit 60:00"). Item texts are read back by files, reports and the
// two-captain rule, so they keep their form; figures are gathered beside
// them, and only when a caller asks, so that a plain check formats nothing.
struct RuleFigure {
  std::string label;  // the start of the item it belongs to
  int day = -1;       // the block day index flagged; -1 for the whole block
  std::string text;
};
using RuleFigures = std::vector<RuleFigure>;

// "12 Feb" for timeline day k (the previous month's days first), and for a
// block day index.
std::string TimelineDayText(const TCalendar& cal, int k);
std::string BlockDayText(const TCalendar& cal, int day);

// "<total> in <days> days ending <day>, limit <limit>", times as H:MM.
std::string WindowFigure(const TCalendar& cal, std::int64_t total, int days, int lastDay,
                         std::int64_t limit);

// Scratch that one check of a block fills for the rules after it.
struct RuleScratch {
  std::array<std::int32_t, kBlockDays> HardTimeByDay{};
  DutyTimeline Timeline{};
  TransitionCodes Transitions{};
};

// One run of the rule set over one crew member's block.
struct RuleRun {
  TDocument& doc;
  int crew;
  bool oldRules;  // the duty-rule checker without the fatigue rules
  RuleScratch& scratch;
  RuleFigures* figures = nullptr;  // null: nobody asked for the figures

  TPilot& pilot() const { return doc.pilot(crew); }
  bool wantsFigures() const { return figures != nullptr; }
  void noteFigure(std::string_view label, int day, std::string text) const {
    if (figures != nullptr) figures->push_back({std::string(label), day, std::move(text)});
  }
};

}  // namespace lumora
