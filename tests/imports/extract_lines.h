#pragma once
// Lines of the crew-tracking system's roster and absence extracts for tests.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::testing {

inline void Put(std::string& line, std::size_t position, std::string_view value) {
  if (line.size() < position + value.size()) line.resize(position + value.size(), ' ');
  line.replace(position, value.size(), value);
}

// An employee record line, 102 characters unless `length` says otherwise.
inline std::string RosterLine(int number, std::string_view surname, char initial,
                              std::string_view key, std::string_view codes,
                              std::size_t length = 102) {
  std::string line(length, ' ');
  char digits[16];
  std::snprintf(digits, sizeof digits, "%09d", number);
  Put(line, 0, digits);
  Put(line, 9, surname);
  line[29] = initial;
  Put(line, 31, key);
  Put(line, 77, codes);
  line.resize(length, ' ');
  return line;
}

struct AbsenceEntry {
  std::string code;
  int first = 1;
  int last = 1;
  int start = 720;
  int end = 960;
};

// An absence line padded to 443 characters (unless `length` says otherwise).
inline std::string AbsenceLine(int number, const std::vector<AbsenceEntry>& entries,
                               std::size_t length = 443) {
  std::string line(length, ' ');
  char field[16];
  std::snprintf(field, sizeof field, "%9d", number);
  Put(line, 0, field);
  std::size_t at = 9;
  for (const AbsenceEntry& e : entries) {
    std::snprintf(field, sizeof field, "%02d%02d%04d%04d", e.first, e.last, e.start, e.end);
    Put(line, at, e.code);
    Put(line, at + 2, field);
    at += 14;
  }
  line.resize(length, ' ');
  return line;
}

inline std::string Lines(const std::vector<std::string>& lines, std::string_view eol = "\n") {
  std::string text;
  for (const std::string& line : lines) text.append(line).append(eol);
  return text;
}

}  // namespace lumora::testing
