#include "model/time_text.h"

#include <array>
#include <charconv>
#include <climits>

#include "platform/event_log.h"

namespace lumora {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A signed number as printf writes it with a width: "%0*d" for pad '0',
// "%*d" for pad ' '. Written without printf: imports write several for every
// record.
void AppendPadded(std::string& out, bool negative, std::uint64_t magnitude, int width, char pad) {
  std::array<char, 24> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), magnitude);
  const auto length = static_cast<std::size_t>(result.ptr - digits.data()) + (negative ? 1 : 0);
  const std::size_t fill = width > 0 && static_cast<std::size_t>(width) > length
                               ? static_cast<std::size_t>(width) - length
                               : 0;
  if (pad != '0') out.append(fill, pad);
  if (negative) out.push_back('-');
  if (pad == '0') out.append(fill, '0');
  out.append(digits.data(), result.ptr);
}

std::uint64_t Magnitude(std::int64_t value) {
  // Through unsigned arithmetic, so that the smallest value has one too.
  return value < 0 ? std::uint64_t{0} - static_cast<std::uint64_t>(value)
                   : static_cast<std::uint64_t>(value);
}

}  // namespace

void AppendHoursMinutes(std::string& out, std::int64_t minutes, const TimeForm& form) {
  if (form.negative == NegativeTime::Leading && minutes < 0) {
    out.push_back('-');
    const std::uint64_t magnitude = Magnitude(minutes);
    AppendPadded(out, false, magnitude / 60, form.hourWidth, form.hourPad);
    if (form.colon) out.push_back(':');
    AppendPadded(out, false, magnitude % 60, 2, '0');
    return;
  }
  const std::int64_t hours = minutes / 60;
  const std::int64_t mins = minutes % 60;
  AppendPadded(out, hours < 0, Magnitude(hours), form.hourWidth, form.hourPad);
  if (form.colon) out.push_back(':');
  AppendPadded(out, mins < 0, Magnitude(mins), 2, '0');
}

std::string HoursMinutes(std::int64_t minutes, const TimeForm& form) {
  std::string text;
  AppendHoursMinutes(text, minutes, form);
  return text;
}

std::string SignedHoursMinutes(std::int64_t minutes) {
  return HoursMinutes(minutes, {.negative = NegativeTime::Leading});
}

TimeForm FormatTimeForm(bool padHours, bool withColon) {
  return {.hourWidth = 2, .hourPad = padHours && withColon ? ' ' : '0', .colon = withColon};
}

std::string FormatTime(int minutes, bool padHours, bool withColon) {
  return HoursMinutes(minutes, FormatTimeForm(padHours, withColon));
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
