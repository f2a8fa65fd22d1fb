#pragma once
// Minutes to text and back, and the fixed-column integer reader every import uses.

#include <cstddef>
#include <string>
#include <string_view>

namespace lumora {

class EventLog;

// "%02d%02d" without colon; "%2d:%02d" (padHours) or "%02d:%02d" with it.
// Hours and minutes truncate toward zero, so -90 gives "-1:-30".
std::string FormatTime(int minutes, bool padHours, bool withColon);

// Minutes, or -1 for a negative hour, minutes above 59, or (limitTo23) hours above 23.
int ParseTime(std::string_view text, bool limitTo23);

// The decimal integer of the `width` characters at `position`. A line too short
// for the field logs "Cannot GetInt. String too Short\n" and gives 0.
int GetInt(std::string_view line, std::size_t position, std::size_t width, EventLog& log);

// "JAN" to "DEC" for 1 to 12, empty otherwise.
std::string MonthAbbrev(int month);

// Reads optional leading blanks, an optional sign and digits up to the first
// non-digit; no digits give 0. The integer reading shared by the helpers above.
int LeadingInt(std::string_view text);

}  // namespace lumora
