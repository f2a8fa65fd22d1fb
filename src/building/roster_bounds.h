#pragma once
// Small readings of the document that block building and the views share.

#include <string>

#include "model/document.h"

namespace lumora {

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
