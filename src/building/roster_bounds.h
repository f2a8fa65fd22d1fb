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

// The month a day of the period falls in, as "Jan": 31 January in a
// February period is not "Feb 31". The period's own month past the calendar.
inline std::string CalendarMonthOf(const TDocument& doc, int day) {
  const std::string own = doc.cal.MonthText.substr(0, 10);
  if (day < 0 || day >= kBlockDays) return own;
  const std::string text = MonthTextOf(doc.cal.MonthDays[static_cast<std::size_t>(day)][1]);
  return text.empty() ? own : text;
}

// A name as the messages and the log show it: up to its first NUL, as a file
// may hold one.
inline std::string ShownName(const TPilot& pilot) {
  return pilot.Name.c_str();
}

}  // namespace lumora
