#pragma once
// The document's fixed capacities. Arrays of these sizes are allocated once
// and reset in place; nothing grows.

namespace lumora {

inline constexpr int kPilotSlots = 1000;      // slot 999 is the who-is-legal scratch slot
inline constexpr int kMaxRosterPilots = 999;  // the roster never reaches the scratch slot
inline constexpr int kScratchPilot = 999;
inline constexpr int kPairSlots = 3001;
inline constexpr int kMaxImportedPairs = 3000;
inline constexpr int kToolboxSlots = 300;
inline constexpr int kMonthDays = 31;     // per-month arrays of a pairing
inline constexpr int kBlockDays = 62;     // a crew member's block: the month and the days after it
inline constexpr int kPrevDays = 31;      // days before the month kept in the calendar
inline constexpr int kRuleDays = 93;      // rule timeline: 31 days before, 62 from the month start
inline constexpr int kActivityDays = 62;  // carry-in activity: rule timeline 0 to 61
inline constexpr int kLast89Days = 89;
inline constexpr int kCarryInWords = 20;
inline constexpr int kDayRecordWords = 10;  // DayOther and Activity records
inline constexpr int kMinutesPerDay = 1440;

}  // namespace lumora
