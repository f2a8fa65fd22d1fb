#pragma once
// One fixed-column line. Every field claims its columns; a field that does not
// fit its width or lands on another field's columns is a fault of the writer
// and throws, so a layout slip shows up the first time the writer runs.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::samples {

class FixedLine {
 public:
  explicit FixedLine(std::size_t length) : text_(length, ' '), used_(length, false) {}

  // Left-aligned, padded with blanks.
  FixedLine& Text(std::size_t pos, std::size_t width, std::string_view value);
  // Right-aligned, padded with blanks.
  FixedLine& Right(std::size_t pos, std::size_t width, std::string_view value);
  // Decimal, padded with zeros; not negative.
  FixedLine& Number(std::size_t pos, std::size_t width, long long value);
  // Columns left blank on purpose still belong to a field.
  FixedLine& Blank(std::size_t pos, std::size_t width);

  const std::string& str() const { return text_; }

 private:
  void Claim(std::size_t pos, std::size_t width);

  std::string text_;
  std::vector<bool> used_;
};

// Hours and minutes: "%d:%02d", "%2d:%02d" (padded) and "%02d%02d" (compact).
std::string HoursMinutes(int minutes);
std::string PaddedHoursMinutes(int minutes);
std::string Hhmm(int minutes);
// Cents as "%*d.%02d" right-aligned in width.
std::string Money(int cents, int width);

}  // namespace lumora::samples
