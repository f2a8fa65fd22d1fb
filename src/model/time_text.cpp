#include "model/time_text.h"

#include <array>
#include <climits>
#include <cstdio>

#include "platform/event_log.h"

namespace lumora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::string FormatTime(int minutes, bool padHours, bool withColon) {
  const int hours = minutes / 60;
  const int mins = minutes % 60;
  // Large enough for two full-range ints, a colon and the terminator.
  std::array<char, 32> buffer{};
  const char* format = !withColon ? "%02d%02d" : (padHours ? "%2d:%02d" : "%02d:%02d");
  const int n = std::snprintf(buffer.data(), buffer.size(), format, hours, mins);
  if (n <= 0) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

int LeadingInt(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  // Accumulate toward the sign so that INT_MIN itself is reachable; a longer
  // run of digits saturates instead of overflowing.
  int value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    const int digit = text[i] - '0';
    if (negative) {
      if (value < (INT_MIN + digit) / 10) return INT_MIN;
      value = value * 10 - digit;
    } else {
      if (value > (INT_MAX - digit) / 10) return INT_MAX;
      value = value * 10 + digit;
    }
  }
  return value;
}

int ParseTime(std::string_view text, bool limitTo23) {
  const int hours = LeadingInt(text);

  // The minutes follow the first character that is not a digit, whatever it
  // is: a leading blank or sign counts, so " 7:30" reads its minutes from "7:30".
  int minutes = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsDigit(text[i])) {
      minutes = LeadingInt(text.substr(i + 1));
      break;
    }
  }
  if (minutes < 0) minutes = 0;

  if (hours < 0 || minutes > 59) return -1;
  if (limitTo23 && hours > 23) return -1;
  // Hours whose minutes do not fit the time type are as unreadable as a negative hour.
  if (hours > (INT_MAX - minutes) / 60) return -1;
  return hours * 60 + minutes;
}

int GetInt(std::string_view line, std::size_t position, std::size_t width, EventLog& log) {
  // Compared without forming position + width, which outside data could overflow.
  if (position > line.size() || width > line.size() - position) {
    log.write("Cannot GetInt. String too Short\n");
    return 0;
  }
  return LeadingInt(line.substr(position, width));
}

std::string MonthAbbrev(int month) {
  static constexpr std::array<const char*, 12> kNames = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                         "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  if (month < 1 || month > 12) return {};
  return kNames[static_cast<std::size_t>(month - 1)];
}

}  // namespace lumora
