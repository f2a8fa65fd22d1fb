#include "samples/fixed_line.h"

#include <cstdio>
#include <stdexcept>

#include "model/time_text.h"

namespace lumora::samples {

void FixedLine::Claim(std::size_t pos, std::size_t width) {
  if (pos + width > text_.size()) {
    throw std::logic_error("field at " + std::to_string(pos) + " runs past column " +
                           std::to_string(text_.size()));
  }
  for (std::size_t i = pos; i < pos + width; ++i) {
    if (used_[i]) throw std::logic_error("column " + std::to_string(i) + " written twice");
    used_[i] = true;
  }
}

FixedLine& FixedLine::Text(std::size_t pos, std::size_t width, std::string_view value) {
  if (value.size() > width) {
    throw std::logic_error("'" + std::string(value) + "' is wider than " + std::to_string(width));
  }
  Claim(pos, width);
  text_.replace(pos, value.size(), value);
  return *this;
}

FixedLine& FixedLine::Right(std::size_t pos, std::size_t width, std::string_view value) {
  if (value.size() > width) {
    throw std::logic_error("'" + std::string(value) + "' is wider than " + std::to_string(width));
  }
  Claim(pos, width);
  text_.replace(pos + width - value.size(), value.size(), value);
  return *this;
}

FixedLine& FixedLine::Number(std::size_t pos, std::size_t width, long long value) {
  if (value < 0) throw std::logic_error("negative number " + std::to_string(value));
  std::string digits = std::to_string(value);
  if (digits.size() > width)
    throw std::logic_error(digits + " is wider than " + std::to_string(width));
  digits.insert(0, width - digits.size(), '0');
  return Text(pos, width, digits);
}

FixedLine& FixedLine::Blank(std::size_t pos, std::size_t width) {
  Claim(pos, width);
  return *this;
}

std::string HoursMinutes(int minutes) {
  return lumora::HoursMinutes(minutes);
}

std::string PaddedHoursMinutes(int minutes) {
  return FormatTime(minutes, true, true);
}

std::string Hhmm(int minutes) {
  return FormatTime(minutes, false, false);
}

std::string Money(int cents, int width) {
  char text[32];
  std::snprintf(text, sizeof text, "%*d.%02d", width - 3, cents / 100, cents % 100);
  return text;
}

}  // namespace lumora::samples
