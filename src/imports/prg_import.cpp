#include "imports/prg_import.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <string_view>
#include <system_error>
#include <unordered_map>
#include <utility>
#include <vector>

#include "imports/fixed_lines.h"
#include "imports/import_folders.h"
#include "imports/import_warnings.h"
#include "imports/list_dialog_text.h"
#include "imports/usa_segments.h"
#include "model/daylight_saving.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// Record layouts: the columns a record needs to hold every field.
constexpr std::size_t kComplementWidth = 32;
constexpr std::size_t kDutyBlockFields = 6;  // block times of duty days 0 to 5 in the header
// Lines are cut to the longest a PRG record needs and end at a NUL byte.
constexpr LineReader::Options kPrgLines{kPrgMaxLineLength, true};
// The pairing numbers listed when reading fails; more would not fit a message box.
constexpr std::size_t kMaxNumbersListed = 5000;

std::string Format(const char* format, long long a) {
  std::array<char, 64> buffer{};
  const int n = std::snprintf(buffer.data(), buffer.size(), format, a);
  return n > 0 ? std::string(buffer.data(), std::min<std::size_t>(n, buffer.size() - 1))
               : std::string();
}

std::string PairLabel(int number) {
  return Format("Pairing %04lld", number);
}

void AppendNumber(std::string& text, long long value) {
  std::array<char, 24> digits{};
  const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  text.append(digits.data(), result.ptr);
}

// HH:MM and H:MM, as FormatTime writes them, appended: the import writes
// several for every record. Outside data may hold any value; it is kept to
// the range of the time type first, as the pairing fields are.
void AppendTime(std::string& text, long long minutes, bool padHours) {
  const auto value = static_cast<int>(std::clamp<long long>(minutes, INT_MIN / 2, INT_MAX / 2));
  AppendHoursMinutes(text, value, FormatTimeForm(padHours, true));
}
void AppendHhmm(std::string& text, long long minutes) {
  AppendTime(text, minutes, false);
}
void AppendHmm(std::string& text, long long minutes) {
  AppendTime(text, minutes, true);
}
std::string Hhmm(long long minutes) {
  std::string text;
  AppendHhmm(text, minutes);
  return text;
}
std::string Hmm(long long minutes) {
  std::string text;
  AppendHmm(text, minutes);
  return text;
}

void LastCharToLineFeed(std::string& text) {
  if (text.empty())
    text = "\n";
  else
    text.back() = '\n';
}

std::int8_t ToLength(long long days) {
  return static_cast<std::int8_t>(std::clamp<long long>(days, INT8_MIN, INT8_MAX));
}

// Day n of a leg or segment line: days from the pairing's first date (columns
// 7-14) to the record's own date, plus one; 0 when either is no date.
long long DayOfPairing(Record& r, std::size_t datePosition) {
  const std::optional<DayNumber> first = r.date(7);
  const std::optional<DayNumber> date = r.date(datePosition);
  if (!first || !date) return 0;
  return static_cast<long long>(*date) - *first + 1;
}

// Counts a kind of problem that can occur on every line, to be reported once.
struct Tally {
  long long count = 0;
  long long firstLine = 0;
  void note(long long line) {
    if (count++ == 0) firstLine = line;
  }
};

// The complement's count after `code`, 0 when the code is not there.
int ComplementCount(std::string_view complement, std::string_view code) {
  const std::size_t at = complement.find(code);
  if (at == std::string_view::npos) return 0;
  return LeadingInt(complement.substr(at + code.size(), 2));
}

// Whether a header's complement gives the document's crew category a copy.
bool ComplementHasCopy(CrewKind kind, std::string_view complement) {
  switch (kind) {
    case CrewKind::Captains:
      return ComplementCount(complement, "CA") > 0;
    case CrewKind::FirstOfficers:
      return ComplementCount(complement, "FO") > 0;
    case CrewKind::FlightAttendants:
      return ComplementCount(complement, "PU") > 0 || ComplementCount(complement, "FA") > 0;
  }
  return true;
}

class PrgImporter {
 public:
  PrgImporter(TDocument& doc, EventLog& log, const PrgSelectionKey& key, ImportWarnings& warnings)
      : doc_(doc), log_(log), key_(key), warnings_(warnings) {
    // The month's days as day numbers, to place operating dates.
    const int days = std::clamp(doc.cal.MonthLength, 0, kMonthDays);
    for (int d = 0; d < days; ++d) {
      const auto& entry = doc.cal.MonthDays[static_cast<std::size_t>(d)];
      if (const auto day = DateOf(entry[2], entry[1], entry[0])) monthDays_.emplace_back(*day, d);
    }
  }

  // False when the pairing table filled up: nothing more can be stored.
  bool feed(std::string_view line, long long lineNumber, bool cut) {
    if (cut) longLines_.note(lineNumber);
    const char type = line.empty() ? '\0' : line[0];
    if (type < '1' || type > '5' || !key_.matches(line)) return true;
    Record r(line, log_);
    bool room = true;
    switch (type) {
      case '1':
        room = header(r, lineNumber);
        break;
      case '2':
        if (building_) leg(r, lineNumber);
        break;
      case '3':
        if (building_) duty(r, lineNumber);
        break;
      case '4':
        if (building_) deadhead(r, lineNumber);
        break;
      default:
        if (building_) otherSegment(r, lineNumber);
        break;
    }
    if (r.isShort()) shortRecords_.note(lineNumber);
    return room;
  }

  // Completes the last pairing; false when the table filled up.
  bool finish() {
    if (!havePairing_) return true;
    havePairing_ = false;
    return complete();
  }

  int stored() const { return stored_; }
  const std::string& numbersRead() const { return numbersRead_; }

  // The problems counted line by line, as one message each.
  void reportTallies() {
    if (longLines_.count > 0)
      warnings_.add(Format("%lld ", longLines_.count) +
                    (longLines_.count == 1 ? "line was" : "lines were") +
                    " longer than 999 characters and cut there, the first on line " +
                    std::to_string(longLines_.firstLine));
    if (shortRecords_.count > 0)
      warnings_.add(Format("%lld ", shortRecords_.count) +
                    (shortRecords_.count == 1 ? "record was" : "records were") +
                    " too short for all their fields and read the missing ones as 0, the first "
                    "on line " +
                    std::to_string(shortRecords_.firstLine));
  }

 private:
  bool header(Record& r, long long lineNumber) {
    const int number = r.number(2, 4);
    const bool newPairing = !lastNumber_ || *lastNumber_ != number;
    if (!newPairing) {
      // Another operating date of the same pairing: its legs repeat those
      // already read.
      building_ = false;
    } else {
      if (havePairing_ && !complete()) return false;
      if (log_.isOpen())
        log_.write(Format("Loading Pair %lld  Index is ", number) + std::to_string(stored_ - 1) +
                   "\n");
      startPairing(r, number);
    }
    lastNumber_ = number;

    std::optional<DayNumber> day = DateOf(r.number(70, 4), r.number(74, 2), r.number(76, 2));
    if (!day) {
      warnings_.add(PairLabel(work_.Number) + ": the operating date on line " +
                    std::to_string(lineNumber) + " is not a date and was ignored");
      return true;
    }
    // A report at midnight belongs to the day after the date written. Day
    // numbers carry the month and year over.
    if (work_.OnTime == 0) ++*day;
    if (newPairing) firstDate_ = *day;
    for (const auto& [monthDay, d] : monthDays_)
      if (monthDay == *day) work_.DayStatus[static_cast<std::size_t>(d)] = kOpenInstance;
    return true;
  }

  void startPairing(Record& r, int number) {
    work_.Clear();
    havePairing_ = true;
    building_ = true;
    textCapped_ = false;
    previousDutyDay_ = 0;
    firstDate_.reset();
    if (numbersRead_.size() < kMaxNumbersListed * 6) numbersRead_ += std::to_string(number) + " ";

    work_.Number = number;
    work_.Prefix = r.text(1, 2);
    int report = r.number(78, 4);
    if (report == 1440) report = 0;
    work_.OnTime = report;
    work_.TAFB = r.number(107, 5);
    const long long end = static_cast<long long>(report) + work_.TAFB;
    work_.Length = ToLength(end / 1440 + 1);
    long long release = end;
    if (release > 1440) release -= ((release - 1441) / 1440 + 1) * 1440;
    work_.OffTime = static_cast<std::int32_t>(release);
    work_.MinRestAfter = r.number(145, 4);
    work_.Credit = r.number(299, 4);
    if (r.at(112) == 'Y') work_.Overnight = 1;
    for (std::size_t k = 0; k < kDutyBlockFields; ++k)
      work_.DailyHardTime[k] = r.number(150 + 4 * k, 4);
    complement_ = r.text(113, kComplementWidth);

    work_.PairingText.append(r.line()).push_back('\n');
    work_.DisplayText = HeaderText(r, report, complement_);
  }

  static std::string HeaderText(Record& r, int report, const std::string& complement) {
    static constexpr std::array<const char*, 7> kDayNames = {"MON ", "TUE ", "WED ", "THU ",
                                                             "FRI ", "SAT ", "SUN "};
    std::string text = "    " + r.text(1, 5) + "   BSE REPT:" + Hhmm(report) + "L   OPERATES - ";
    text += MonthAbbrev(r.number(19, 2)) + Format(".%lld-", r.number(21, 2));
    text += MonthAbbrev(r.number(27, 2)) + Format(".%lld ", r.number(29, 2));
    int count = 0;
    for (std::size_t i = 0; i < 7; ++i) count += r.at(31 + i) == 'Y' ? 1 : -1;
    if (count > 0) text += "EXCEPT ";
    for (std::size_t i = 0; i < 7; ++i)
      if ((r.at(31 + i) == 'Y') != (count > 0)) text += kDayNames[i];
    LastCharToLineFeed(text);

    text += "    " + complement;
    bool first = true;
    for (std::size_t position : {38u, 42u, 46u, 50u}) {
      const int month = r.number(position, 2);
      const int day = r.number(position + 2, 2);
      if (day <= 0) continue;
      if (first) text += "EXCEPT ";
      first = false;
      text += MonthAbbrev(month) + Format(".%02lld ", day);
    }
    text += "  ";
    LastCharToLineFeed(text);
    text += "  ";
    LastCharToLineFeed(text);
    return text;
  }

  // Appends the record to the pairing's source text; false (and the record
  // is skipped) once the pairing holds as much text as a pairing may.
  bool appendSource(Record& r, long long lineNumber) {
    if (textCapped_) return false;
    if (work_.PairingText.size() + r.line().size() + 1 > kPrgMaxPairingText) {
      textCapped_ = true;
      warnings_.add(PairLabel(work_.Number) +
                    " holds more lines than one pairing can keep, its lines from line " +
                    std::to_string(lineNumber) + " on were ignored");
      return false;
    }
    work_.PairingText.append(r.line()).push_back('\n');
    return true;
  }

  void leg(Record& r, long long lineNumber) {
    if (!appendSource(r, lineNumber)) return;
    std::string& text = work_.DisplayText;
    text += "  ";
    AppendNumber(text, DayOfPairing(r, 31));
    text += r.at(61) == 'D' ? "  DH" : "    ";
    const std::size_t flight = text.size();
    r.appendText(text, 15, 4);
    if (text[flight] == '0') text[flight] = ' ';
    text += "   ";
    r.appendText(text, 28, 3);
    text += '-';
    r.appendText(text, 43, 3);
    text += "   ";
    AppendHhmm(text, r.number(39, 4));
    text += ' ';
    AppendHhmm(text, r.number(54, 4));
    text += "  ";
    AppendHmm(text, r.number(64, 4));
    text += '\n';
    work_.FatUnits += 60;
  }

  void deadhead(Record& r, long long lineNumber) {
    if (!appendSource(r, lineNumber)) return;
    std::string& text = work_.DisplayText;
    text += "  ";
    AppendNumber(text, DayOfPairing(r, 26));
    text += " DH";
    const std::size_t flight = text.size();
    r.appendText(text, 18, 7);
    if (text[flight + 2] == '0') text[flight + 2] = ' ';
    text += ' ';
    r.appendText(text, 34, 3);
    text += '-';
    r.appendText(text, 49, 3);
    text += "   ";
    AppendHhmm(text, r.number(45, 4));
    text += ' ';
    AppendHhmm(text, r.number(60, 4));
    text += "         ";
    r.appendText(text, 83, 3);
    text += '\n';
    work_.FatUnits += 60;
  }

  void otherSegment(Record& r, long long lineNumber) {
    if (!appendSource(r, lineNumber)) return;
    std::string& text = work_.DisplayText;
    text += "  ";
    AppendNumber(text, DayOfPairing(r, 32));
    text += "     ";
    r.appendText(text, 18, 3);
    text += "   ";
    r.appendText(text, 29, 3);
    text += '-';
    r.appendText(text, 44, 3);
    text += "   ";
    AppendHhmm(text, r.number(40, 4));
    text += ' ';
    AppendHhmm(text, r.number(55, 4));
    text += "            \n";
  }

  void duty(Record& r, long long lineNumber) {
    if (!appendSource(r, lineNumber)) return;
    if (r.at(30) == ' ' && r.at(31) == ' ') return;  // no duty data
    // Without a first date the header already reported the pairing.
    if (!firstDate_) return;
    const std::optional<DayNumber> date = r.date(22);
    if (!date) {
      warnings_.add(PairLabel(work_.Number) + ": the duty period on line " +
                    std::to_string(lineNumber) + " has no valid date and was ignored");
      return;
    }
    const long long d = static_cast<long long>(*date) - *firstDate_;
    if (d < 0 || d >= kMonthDays) {
      warnings_.add(PairLabel(work_.Number) + ": the duty period on line " +
                    std::to_string(lineNumber) +
                    " is dated outside the pairing's days and was ignored");
      return;
    }
    const auto day = static_cast<std::size_t>(d);
    // A duty that reports at 24:00 reports at 00:00 of the pairing's day, as
    // the header's report does; 1440 is no start time of a day.
    int report = r.number(30, 4);
    if (report == 1440) report = 0;
    const int dutyEnd = r.number(42, 4);
    const int dutyLength = r.number(47, 4);
    work_.DailyCredit[day] += r.number(126, 4);
    work_.DailyStartTime[day] = report;
    work_.DailyDutyTime[day] = dutyLength;
    addLayover(r.text(56, 3), static_cast<int>(d));
    work_.FatUnits += dutyLength;
    appendDutyText(r, report, dutyEnd, dutyLength);

    if (doc_.crewKind() == CrewKind::Captains || doc_.crewKind() == CrewKind::FirstOfficers) {
      // A duty period whose clock time and duty length disagree by three hours
      // or more crossed time zones; the longer rest applies. The last duty
      // period decides.
      const int elapsed = report < dutyEnd ? dutyEnd - report : 1440 - report + dutyEnd;
      work_.MinRestAfter = std::abs(elapsed - dutyLength) >= 180 ? 780 : 660;
    }
  }

  void addLayover(const std::string& station, int d) {
    std::string& stations = work_.LayoverText;
    if (d == previousDutyDay_ && stations.size() >= 2)
      stations.erase(stations.size() >= 3 ? stations.size() - 3 : 0);
    if (d - previousDutyDay_ > 1) {
      if (stations.size() >= 3)
        stations += stations.substr(stations.size() - 3);
      else
        stations += station;
    }
    stations += station;
    previousDutyDay_ = d;
  }

  void appendDutyText(Record& r, int report, int dutyEnd, int dutyLength) {
    std::string& text = work_.DisplayText;
    if (!text.empty() && text.back() == '\n') text.back() = ' ';
    for (std::size_t position : {114u, 130u, 122u, 47u}) {
      AppendHmm(text, r.number(position, 4));
      text += "  ";
    }
    if (!r.blank(59, 15)) {
      if (dutyLength != 0) {
        text += r.text(56, 3) + " " + Hmm(r.number(51, 5)) + " ";
        LastCharToLineFeed(text);
        text += "    REPT: " + Hhmm(report) + " D-END: " + Hhmm(dutyEnd) + " " + r.text(59, 40);
      } else {
        LastCharToLineFeed(text);
        text += "     CREW ON DUTY " + r.text(59, 40);
      }
    } else {
      LastCharToLineFeed(text);
      text += "    REPT: " + Hhmm(report) + " D-END: " + Hhmm(dutyEnd) + " ";
      LastCharToLineFeed(text);
      long long block = 0;
      long long dutyTotal = 0;
      for (std::size_t k = 0; k < kDutyBlockFields; ++k) {
        block += work_.DailyHardTime[k];
        dutyTotal += work_.DailyDutyTime[k];
      }
      text += "   TOTALS  TAFB " + Hhmm(work_.TAFB) + "   BLOCK " + Hmm(block) + "   CREDIT " +
              Hmm(work_.Credit) + "   FAT UNITS: " + Hmm(work_.FatUnits) +
              "   DUTY: " + Hmm(dutyTotal) + "  ";
    }
    LastCharToLineFeed(text);
  }

  int copiesFor(std::string_view code) const { return ComplementCount(complement_, code); }

  // Stores one copy of the working pairing per crew position of the
  // document's category; false when the table is full.
  bool complete() {
    std::string& stations = work_.LayoverText;
    if (stations.size() >= 3) stations.erase(stations.size() - 3);  // the final arrival
    NoteDisplayText(work_);

    const auto store = [this](std::string_view position, int copies) {
      for (int i = 0; i < copies; ++i) {
        if (stored_ >= kMaxImportedPairs) return false;
        TPair& slot = doc_.pair(stored_);
        slot = work_;
        slot.CrewPosition = position;
        ++stored_;
      }
      return true;
    };
    switch (doc_.crewKind()) {
      case CrewKind::Captains:
        return store("CA", copiesFor("CA"));
      case CrewKind::FirstOfficers:
        return store("FO", copiesFor("FO"));
      case CrewKind::FlightAttendants:
        return store("PU", copiesFor("PU")) && store("FA", copiesFor("FA"));
    }
    return store(work_.CrewPosition, 1);
  }

  TDocument& doc_;
  EventLog& log_;
  PrgSelectionKey key_;
  ImportWarnings& warnings_;
  std::vector<std::pair<DayNumber, int>> monthDays_;

  TPair work_;
  std::string complement_;
  bool havePairing_ = false;
  bool building_ = false;
  bool textCapped_ = false;
  std::optional<int> lastNumber_;
  std::optional<DayNumber> firstDate_;
  int previousDutyDay_ = 0;
  int stored_ = 0;
  std::string numbersRead_;
  Tally longLines_;
  Tally shortRecords_;
};

// Per-day credits that don't add up to the total are corrected on the last
// day (or the day before, when the last day has none); then the length and
// the spill-over flag are derived from the times.
void CompleteStoredPairings(TDocument& doc, int stored) {
  for (int p = 0; p < stored; ++p) {
    TPair& pair = doc.pair(p);
    const int days = std::clamp<int>(pair.Length, 0, kMonthDays);
    if (days > 0) {
      long long sum = 0;
      for (int j = 0; j < days; ++j) sum += pair.DailyCredit[static_cast<std::size_t>(j)];
      if (sum != pair.Credit) {
        auto last = static_cast<std::size_t>(days - 1);
        if (pair.DailyCredit[last] == 0 && last > 0) --last;
        pair.DailyCredit[last] =
            static_cast<std::int32_t>(pair.DailyCredit[last] + (pair.Credit - sum));
      }
    }
    pair.Length = ToLength((static_cast<long long>(pair.OnTime) + pair.TAFB - 1) / 1440 + 1);
    if (pair.TAFB < 900 && pair.OffTime < pair.OnTime && pair.OffTime < 120) pair.Overnight = 1;
  }
}

// An instance a crew member held before the pairings were replaced: what
// finds it again among the new ones, whatever their order in the file.
struct HeldInstance {
  int crew = 0;
  int day = 0;
  std::int32_t number = 0;
  std::string prefix;
  std::string position;
  bool extraCrew = false;
};

void ShowLostAssignments(Ui& ui, Clipboard& clipboard, const std::string& lost) {
  if (!lost.empty()) ShowListDialog(ui, clipboard, kLostAssignmentsCaption, lost);
}

std::vector<HeldInstance> HeldInstances(const TDocument& doc) {
  std::vector<HeldInstance> held;
  const int days = std::clamp(doc.cal.MonthLength, 0, kMonthDays);
  for (int c = 0; c < doc.rosterSize(); ++c) {
    const TPilot& pilot = doc.pilot(c);
    for (int d = 0; d < days; ++d) {
      const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
      if (cell < 0 || cell > doc.LastPair) continue;
      const TPair& pair = doc.pair(cell);
      held.push_back({c, d, pair.Number, pair.Prefix, pair.CrewPosition,
                      pair.DayStatus[static_cast<std::size_t>(d)] < 0});
    }
  }
  return held;
}

std::string InstanceKey(std::int32_t number, const std::string& prefix,
                        const std::string& position) {
  return prefix + '/' + position + '/' + std::to_string(number);
}

// The open copy of the held instance's pairing (same number, prefix and crew
// position) that starts on its day, the copy with the same extra-crew mark
// first; -1 when the new pairings have none. `copies` holds the table
// positions of each pairing's copies.
int OpenCopyFor(const TDocument& doc, const HeldInstance& held,
                const std::unordered_map<std::string, std::vector<int>>& copies) {
  const auto found = copies.find(InstanceKey(held.number, held.prefix, held.position));
  if (found == copies.end()) return -1;
  int other = -1;
  for (const int p : found->second) {
    const std::int32_t status = doc.pair(p).DayStatus[static_cast<std::size_t>(held.day)];
    if (status != kOpenInstance && status != -kOpenInstance) continue;
    if ((status < 0) == held.extraCrew) return p;
    if (other < 0) other = p;
  }
  return other;
}

// Every crew member keeps each instance he held wherever the new pairings
// still have it on that day, found by pairing number and crew position (the
// table order of a new file may differ). What the new pairings lack goes back
// to empty and is named in the returned text, one "." per line.
std::string RelinkAssignments(TDocument& doc, const std::vector<HeldInstance>& held) {
  const int days = std::clamp(doc.cal.MonthLength, 0, kMonthDays);
  for (int c = 0; c < doc.rosterSize(); ++c)
    for (int d = 0; d < days; ++d) {
      std::int32_t& cell = doc.pilot(c).DayCell[static_cast<std::size_t>(d)];
      if (cell >= 0) cell = kEmptyCell;
    }
  std::unordered_map<std::string, std::vector<int>> copies;
  if (!held.empty())
    for (int p = 0; p <= doc.LastPair; ++p) {
      const TPair& pair = doc.pair(p);
      copies[InstanceKey(pair.Number, pair.Prefix, pair.CrewPosition)].push_back(p);
    }
  std::string lost;
  for (const HeldInstance& h : held) {
    const int copy = OpenCopyFor(doc, h, copies);
    if (copy >= 0) {
      doc.pilot(h.crew).DayCell[static_cast<std::size_t>(h.day)] = copy;
      doc.pair(copy).DayStatus[static_cast<std::size_t>(h.day)] *= 2;
      continue;
    }
    const auto& date = doc.cal.MonthDays[static_cast<std::size_t>(h.day)];
    char line[160];
    std::snprintf(line, sizeof line,
                  "%d %s: pairing %.1s%04d %s of %02d/%02d/%04d is not in this file and was "
                  "taken off the block.",
                  h.crew + 1, doc.pilot(h.crew).Name.c_str(), h.prefix.c_str(), h.number,
                  h.position.c_str(), date[0], date[1], date[2]);
    lost += line;
  }
  return lost;
}

// Pairings that report before the month's daylight-saving change and are
// released after it are released an hour earlier or later by the clock.
void ApplyDaylightSaving(TDocument& doc) {
  const int shift = doc.cal.DstShift;
  if (shift == 0) return;
  const long long moment = doc.cal.DstMoment;
  const int days = std::clamp(doc.cal.MonthLength, 0, kMonthDays);
  for (int p = 0; p <= doc.LastPair; ++p) {
    TPair& pair = doc.pair(p);
    int first = 0;
    while (first < days && pair.DayStatus[static_cast<std::size_t>(first)] == 0) ++first;
    if (first == days) continue;
    const long long report = pair.OnTime + static_cast<long long>(first) * 1440;
    if (report < moment && report + pair.TAFB >= moment) {
      int release = pair.OffTime + shift;
      if (release > 1440)
        release -= 1440;
      else if (release < 1)
        release += 1440;
      pair.OffTime = release;
      pair.Length = ToLength((static_cast<long long>(pair.OnTime) + pair.TAFB + shift) / 1440 + 1);
    }
  }
}

// The minutes flown and deadheads per route (legs and deadhead segments)
// and pairing prefix, gathered line by line.
class SegmentSummaryBuilder {
 public:
  // False once the table is full and the line's route or prefix has no room:
  // the summary ends there.
  bool add(std::string_view line) {
    if (stopped_) return false;
    if (line.size() < 80 || (line[0] != '2' && line[0] != '4')) return true;
    const bool leg = line[0] == '2';
    const std::size_t from = leg ? 28 : 34;
    const std::size_t to = leg ? 43 : 49;
    const std::uint64_t route = Pack(line, from, 0) | Pack(line, to, 24);
    const std::uint16_t key = static_cast<std::uint16_t>(static_cast<unsigned char>(line[1]) |
                                                         static_cast<unsigned char>(line[2]) << 8);
    const auto keyAt = std::find(keys_.begin(), keys_.end(), key);
    auto routeAt = routeIndex_.find(route);
    if ((keyAt == keys_.end() && keys_.size() == kMaxKeys) ||
        (routeAt == routeIndex_.end() && routes_.size() == kMaxRoutes)) {
      stopped_ = true;
      return false;
    }
    const auto k = static_cast<std::size_t>(keyAt - keys_.begin());
    if (keyAt == keys_.end()) keys_.push_back(key);
    if (routeAt == routeIndex_.end()) {
      routeAt = routeIndex_.emplace(route, routes_.size()).first;
      std::string text;
      text.append(line.substr(from, 3)).push_back('-');
      text.append(line.substr(to, 3));
      routes_.push_back(std::move(text));
      cells_.emplace_back();
    }
    Cell& cell = cells_[routeAt->second][k];
    if (leg)
      cell.minutes += LeadingInt(line.substr(64, 4));
    else
      ++cell.deadheads;
    return true;
  }

  std::string text() const {
    std::string text(8, ' ');
    std::array<char, 64> buffer{};
    for (const std::uint16_t key : keys_) {
      const std::array<char, 3> name{static_cast<char>(key & 0xFF), static_cast<char>(key >> 8),
                                     '\0'};
      std::snprintf(buffer.data(), buffer.size(), " ----- %2s ----- ", name.data());
      text += buffer.data();
    }
    text += '\n';
    for (std::size_t r = 0; r < routes_.size(); ++r) {
      text += routes_[r];
      for (std::size_t k = 0; k < keys_.size(); ++k) {
        const Cell& cell = cells_[r][k];
        if (cell.minutes == 0 && cell.deadheads == 0) {
          text.append(16, ' ');
          continue;
        }
        std::snprintf(buffer.data(), buffer.size(), " %8s  DH%3d", Hhmm(cell.minutes).c_str(),
                      static_cast<int>(std::min<long long>(cell.deadheads, INT_MAX)));
        text += buffer.data();
      }
      text += '\n';
    }
    return text;
  }

 private:
  static constexpr std::size_t kMaxRoutes = 500;
  static constexpr std::size_t kMaxKeys = 20;
  struct Cell {
    long long minutes = 0;
    long long deadheads = 0;
  };

  static std::uint64_t Pack(std::string_view line, std::size_t at, unsigned shift) {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < 3; ++i)
      value |= static_cast<std::uint64_t>(static_cast<unsigned char>(line[at + i])) << (8 * i);
    return value << shift;
  }

  std::vector<std::uint16_t> keys_;
  std::vector<std::string> routes_;
  std::vector<std::array<Cell, kMaxKeys>> cells_;
  std::unordered_map<std::uint64_t, std::size_t> routeIndex_;
  bool stopped_ = false;
};

long long StreamSize(std::istream& in) {
  const std::streampos start = in.tellg();
  if (start < 0) return 0;
  in.seekg(0, std::ios::end);
  const std::streampos end = in.tellg();
  in.clear();
  in.seekg(start);
  return end < start ? 0 : static_cast<long long>(end - start);
}

// Whether the file would store any pairing for the document: a header the
// selection key takes whose complement names the document's crew position.
// Read before anything is cleared, so that a file without one leaves the
// month's pairings, and the assignments that point at them, as they were.
bool StoresAnyPairing(std::istream& in, const PrgSelectionKey& key, CrewKind kind) {
  const std::streampos start = in.tellg();
  LineReader reader(in, kPrgLines);
  std::string_view line;
  bool found = false;
  while (!found && reader.next(line))
    found = !line.empty() && line[0] == '1' && key.matches(line) &&
            ComplementHasCopy(
                kind, line.size() > 112 ? line.substr(112, kComplementWidth) : std::string_view());
  in.clear();
  in.seekg(start);
  return found;
}

}  // namespace

bool PrgSelectionKey::matches(std::string_view line) const {
  if (letter == '\0' || line.size() < 2 || line[1] != letter) return false;
  if (allEquipment) return true;
  if (line.size() < 3) return false;
  const char equipment = line[2];
  return (digit != '\0' && equipment == digit) ||
         (alternativeDigit != 'X' && alternativeDigit != '\0' && equipment == alternativeDigit);
}

PrgSelectionKey PrgKeyFor(std::string_view prefix, bool allEquipment,
                          std::string_view fileDescriptor) {
  PrgSelectionKey key;
  key.allEquipment = allEquipment;
  if (!prefix.empty()) {
    key.letter = prefix[0];
    if (prefix.size() > 1) key.digit = prefix[1];
    return key;
  }
  static constexpr std::array<std::pair<std::string_view, char>, 9> kBases = {{{"YYJ", 'J'},
                                                                               {"YVR", 'V'},
                                                                               {"YYC", 'C'},
                                                                               {"YXE", 'S'},
                                                                               {"YYZ", 'Z'},
                                                                               {"YXU", 'U'},
                                                                               {"YUL", 'M'},
                                                                               {"YQB", 'Q'},
                                                                               {"YHZ", 'H'}}};
  static constexpr std::array<std::pair<std::string_view, char>, 4> kEquipment = {
      {{"DH8", '8'}, {"E75", '5'}, {"DH4", '4'}, {"CRJ", '7'}}};
  if (fileDescriptor.size() >= 9) {
    key.letter = fileDescriptor[8];
  } else {
    for (const auto& [base, letter] : kBases) {
      if (fileDescriptor.find(base) != std::string_view::npos) {
        key.letter = letter;
        break;
      }
    }
  }
  for (const auto& [code, digit] : kEquipment) {
    if (fileDescriptor.find(code) != std::string_view::npos) {
      key.digit = digit;
      if (code == "CRJ") key.alternativeDigit = '2';
      break;
    }
  }
  return key;
}

std::string BuildSegmentSummary(std::istream& in) {
  SegmentSummaryBuilder summary;
  LineReader reader(in, kPrgLines);
  std::string_view line;
  while (reader.next(line) && summary.add(line)) {
  }
  return summary.text();
}

bool LoadPrgPairingsFrom(TDocument& doc, std::istream& in, std::string_view prefix,
                         bool allEquipment, const ImportServices& services,
                         const PrgImportHooks& hooks) {
  Ui& ui = services.ui;
  EventLog& log = services.log;
  const std::streampos start = in.tellg();
  const long long size = StreamSize(in);

  std::string_view line;
  if (LineReader first(in, kPrgLines); !first.next(line) || line.empty() || line[0] != '1') {
    ui.message("This does not appear to be a valid PRG file. The first char should be 1",
               kAppCaption, Icon::Warning);
    return false;
  }

  const PrgSelectionKey key = PrgKeyFor(prefix, allEquipment, doc.FileDescriptor);
  if (in.clear(), in.seekg(start); !StoresAnyPairing(in, key, doc.crewKind())) {
    ui.message("Unable to load pairings from this file", kAppCaption, Icon::Error);
    return false;
  }
  LineReader reader(in, kPrgLines);
  reader.next(line);

  log.write("BeginLoadPRGPairs\n");
  const std::vector<HeldInstance> held = HeldInstances(doc);
  ZeroData(doc, false, true, log);
  doc.SegmentSummary.clear();
  std::unique_ptr<Progress> progress = ui.progress("Loading PRG Pairings", "Completed %d of %d");
  if (progress) progress->setRange(100);
  if (hooks.setGaugeCaption) hooks.setGaugeCaption("Loading Pairs");
  ui.setWaitCursor(true);

  ImportWarnings warnings;
  PrgImporter importer(doc, log, key, warnings);
  // The segment summary covers the whole file, also past a full table: it
  // is gathered in the same reading.
  SegmentSummaryBuilder summary;
  bool summing = true;
  bool tableFull = false;
  bool failed = false;
  try {
    int percent = 0;
    do {
      if (summing) summing = summary.add(line);
      if (!importer.feed(line, reader.lineNumber(), reader.lastLineCut())) {
        tableFull = true;
        break;
      }
      if (progress && size > 0) {
        const int now = static_cast<int>(std::min<long long>(100, reader.consumed() * 100 / size));
        if (now != percent) progress->setPosition(percent = now);
      }
    } while (reader.next(line));
    if (!tableFull && !importer.finish()) tableFull = true;
    while (tableFull && summing && reader.next(line)) summing = summary.add(line);
  } catch (const std::exception&) {
    failed = true;
  }

  if (failed) {
    progress.reset();
    if (hooks.setGaugeCaption) hooks.setGaugeCaption("");
    ui.setWaitCursor(false);
    ui.message(
        "File Error - Unable to Load Pairings from this file. See Next Message Box for Progress",
        kAppCaption, Icon::Error);
    ui.message(importer.numbersRead(), "Pair Loading Progress", Icon::Information);
    // Nothing read from a file that failed half-way is trusted: no pairings,
    // and no crew member keeps a cell that points at one.
    ZeroData(doc, false, true, log);
    ShowLostAssignments(ui, services.clipboard, RelinkAssignments(doc, held));
    return false;
  }

  if (tableFull)
    ui.message("Maximum Number of Pairings Reached. Not all Pairings Loaded", kAppCaption,
               Icon::Error);
  const int stored = importer.stored();
  std::string lost;
  doc.LastPair = stored - 1;
  doc.LastBasePair = stored - 1;
  if (stored == 0) {
    ui.message("Unable to load pairings from this file", kAppCaption, Icon::Error);
    lost = RelinkAssignments(doc, held);  // the old pairings are gone
  } else {
    CompleteStoredPairings(doc, stored);
    lost = RelinkAssignments(doc, held);
    if (hooks.showPairingWarnings)
      hooks.showPairingWarnings();
    else
      ValidateAllPairings(doc);
  }

  if (hooks.refreshCaption) hooks.refreshCaption();
  progress.reset();
  if (hooks.setGaugeCaption) hooks.setGaugeCaption("");
  ScanUsaSegments(doc, ui);
  // The month's change moves the releases of the pairings that span it.
  SetupDaylightSaving(doc.cal);
  ApplyDaylightSaving(doc);
  doc.Modified = 1;

  in.clear();
  in.seekg(start);
  if (in) doc.SegmentSummary = summary.text();
  ui.setWaitCursor(false);

  importer.reportTallies();
  if (!warnings.empty())
    ShowListDialog(ui, services.clipboard, kPrgWarningsCaption, warnings.text());
  ShowLostAssignments(ui, services.clipboard, lost);
  return true;
}

bool LoadPrgPairings(TDocument& doc, const std::string& fileName, std::string_view prefix,
                     bool allEquipment, const ImportServices& services,
                     const PrgImportHooks& hooks) {
  RememberImportFolder(services.settings, kLastPrgPathWhenStoring, fileName);
  std::ifstream in;
  if (!OpenImportFile(in, fileName, services.ui)) return false;
  return LoadPrgPairingsFrom(doc, in, prefix, allEquipment, services, hooks);
}

}  // namespace lumora
