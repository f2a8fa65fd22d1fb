#pragma once
// Minutes to text and back, and the fixed-column integer reader every import uses.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumora {

class EventLog;

// How a negative number of minutes is written.
enum class NegativeTime : std::uint8_t {
  // Hours and minutes each carry the sign that truncating division gives
  // them, as the crew-tracking system's own texts do: -90 is "-1:-30".
  EachPart,
  // One sign before the magnitude, for totals a scheduler reads as a
  // balance: -90 is "-1:30".
  Leading,
};

// The form of an hours-and-minutes text. Minutes always take two digits.
struct TimeForm {
  // The least number of characters of the hours, as printf's width: with '0'
  // the zeros go after a sign ("%03d"), with ' ' blanks before it ("%3d").
  // A leading sign stands before the padded hours.
  int hourWidth = 1;
  char hourPad = '0';
  bool colon = true;
  NegativeTime negative = NegativeTime::EachPart;
};

// Hours and minutes of `minutes`; the default form is "%d:%02d".
void AppendHoursMinutes(std::string& out, std::int64_t minutes, const TimeForm& form = {});
std::string HoursMinutes(std::int64_t minutes, const TimeForm& form = {});

// "-1:30" for -90: one sign in front.
std::string SignedHoursMinutes(std::int64_t minutes);

// "%02d%02d" without colon; "%2d:%02d" (padHours) or "%02d:%02d" with it.
// Hours and minutes truncate toward zero, so -90 gives "-1:-30".
std::string FormatTime(int minutes, bool padHours, bool withColon);
TimeForm FormatTimeForm(bool padHours, bool withColon);

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
