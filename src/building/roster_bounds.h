#pragma once
// The ranges block building walks, held inside the record arrays whatever
// counts a damaged file put into the document.

#include <algorithm>
#include <string>

#include "model/document.h"

namespace lumora {

// Crew members 0 to RosterSizeOf - 1 are the roster.
inline int RosterSizeOf(const TDocument& doc) {
  return std::clamp<int>(doc.PilotCount, 0, kMaxRosterPilots);
}

// Pairings 0 to LastPairOf are in use (-1: none).
inline int LastPairOf(const TDocument& doc) {
  return std::clamp<int>(doc.LastPair, -1, kPairSlots - 1);
}

// The days of the month, 0 to MonthDaysOf - 1.
inline int MonthDaysOf(const TDocument& doc) {
  return std::clamp<int>(doc.cal.MonthLength, 0, kMonthDays);
}

inline bool IsRosterIndex(const TDocument& doc, int crew) {
  return crew >= 0 && crew < RosterSizeOf(doc);
}

inline bool IsPairingIndex(const TDocument& doc, int pair) {
  return pair >= 0 && pair <= LastPairOf(doc);
}

// The calendar day number of a block day (0 to 61), 0 for any other index.
inline int CalendarDayOf(const TDocument& doc, int day) {
  if (day < 0 || day >= kBlockDays) return 0;
  return doc.cal.MonthDays[static_cast<std::size_t>(day)][0];
}

// A name as the messages and the log show it: up to its first NUL, as a file
// may hold one.
inline std::string ShownName(const TPilot& pilot) {
  return pilot.Name.c_str();
}

}  // namespace lumora
