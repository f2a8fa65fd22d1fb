#pragma once
// Hand-made lines of the crew activity extract and of the prior-period
// pairing extract, each field at its column of a line of blanks.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "model/calendar.h"

namespace lumora::testing {

// "%04d%02d%02d".
inline std::string Ymd(const CivilDate& date) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  return buffer;
}

inline std::string Digits(int width, long long value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%0*lld", width, value);
  return buffer;
}

inline void Put(std::string& line, std::size_t at, std::string_view field) {
  if (line.size() < at + field.size()) line.resize(at + field.size(), ' ');
  line.replace(at, field.size(), field);
}

// An activity entry (40 characters).
inline std::string PairingEntry(std::string_view identifier, const CivilDate& start) {
  std::string entry(40, ' ');
  Put(entry, 2, identifier);
  Put(entry, 8, Ymd(start));
  return entry;
}
inline std::string CodeEntry(std::string_view code, const CivilDate& from, int start,
                             const CivilDate& to, int end) {
  std::string entry(40, ' ');
  Put(entry, 0, code);
  Put(entry, 16, Ymd(from));
  Put(entry, 24, Digits(4, start));
  Put(entry, 28, Ymd(to));
  Put(entry, 36, Digits(4, end));
  return entry;
}

// A whole activity line: the entries in order, then 89 days of hard time
// (field 88 the day before the month), `history(i)` minutes for day i.
template <class History>
std::string ActivityLine(int employee, const std::vector<std::string>& entries, History history) {
  std::string line(1605, ' ');
  Put(line, 0, Digits(9, employee));
  for (std::size_t t = 0; t < entries.size() && t < 31; ++t) Put(line, 9 + 40 * t, entries[t]);
  for (int i = 0; i < 89; ++i)
    Put(line, 1249 + 4 * static_cast<std::size_t>(i), Digits(4, history(i)));
  return line;
}
inline std::string ActivityLine(int employee, const std::vector<std::string>& entries) {
  return ActivityLine(employee, entries, [](int) { return 0; });
}

struct DutyPeriod {
  CivilDate date;
  int start = 0;  // local time of the start station
  int end = 0;    // local time of the end station
};
struct PairingDay {
  std::string station;  // where the day ends; blank for none
  int hardTime = 0;
  int credit = 0;
};
struct PriorPairing {
  std::string identifier;
  CivilDate date;
  int report = 0;
  int credit = 0;
  int timeAway = 0;
  int dutyTotal = 0;
  int rest = 0;
  std::vector<DutyPeriod> duties;
  std::vector<PairingDay> days;
};

inline std::string PairingLine(const PriorPairing& p) {
  std::string line(1178, ' ');
  Put(line, 0, p.identifier);
  Put(line, 6, Ymd(p.date));
  Put(line, 14, Ymd(p.date));
  Put(line, 22, Digits(4, p.report));
  Put(line, 44, Digits(6, p.credit));
  Put(line, 50, Digits(8, p.timeAway));
  Put(line, 58, Digits(8, p.dutyTotal));
  Put(line, 66, Digits(4, p.rest));
  for (std::size_t q = 0; q < p.duties.size(); ++q) {
    Put(line, 70 + 24 * q, Ymd(p.duties[q].date));
    Put(line, 78 + 24 * q, Digits(4, p.duties[q].start));
    Put(line, 90 + 24 * q, Digits(4, p.duties[q].end));
  }
  for (std::size_t j = 0; j < p.days.size(); ++j) {
    Put(line, 814 + 11 * j, p.days[j].station);
    Put(line, 817 + 11 * j, Digits(4, p.days[j].hardTime));
    Put(line, 821 + 11 * j, Digits(4, p.days[j].credit));
  }
  return line;
}

inline std::string Lines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\n";
  return text;
}

}  // namespace lumora::testing
