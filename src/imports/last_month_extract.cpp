#include "imports/last_month_extract.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "imports/fixed_lines.h"
#include "imports/import_folders.h"
#include "imports/import_warnings.h"
#include "imports/list_dialog_text.h"
#include "model/airports.h"
#include "model/code_table.h"
#include "model/daylight_saving.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// A little above the longer of the two formats: a longer line is cut, which
// changes nothing the import reads.
constexpr LineReader::Options kLines{2048, true};

// Activity extract.
constexpr std::size_t kShortestActivityLine = 100;
constexpr std::size_t kEntryStart = 9;
constexpr std::size_t kEntryWidth = 40;
constexpr std::size_t kEntryReadable = 39;
constexpr int kEntries = 31;
constexpr std::size_t kHardTimeHistory = 1249;
constexpr std::size_t kHardTimeHistoryLength = 356;
constexpr std::size_t kLastMonthHardTime = 1481;

// Prior-period pairing extract.
constexpr std::size_t kPairingDate = 6;
constexpr std::size_t kPairingStartDate = 14;
constexpr std::size_t kReportTime = 22;
constexpr std::size_t kTotalCredit = 44;
constexpr std::size_t kTimeAwayFromBase = 50;
constexpr std::size_t kTotalDuty = 58;
constexpr std::size_t kRestValue = 66;
constexpr std::size_t kDutyPeriods = 70;
constexpr std::size_t kDutyPeriodWidth = 24;
constexpr std::size_t kPairingDays = 814;
constexpr std::size_t kPairingDayWidth = 11;
constexpr int kPairingTableEntries = 31;  // duty periods and days

constexpr int kTimelineDays = kActivityDays;
constexpr int kDaysBefore = kPrevDays;
constexpr std::int64_t kMonthStart = std::int64_t{kPrevDays} * kMinutesPerDay;
constexpr std::size_t kIdentifierLength = 5;
constexpr std::size_t kStationLength = 3;
constexpr int kLastDayBefore = kPrevDays - 1;
constexpr int kLastCodeDay = kTimelineDays - 2;  // assignments stop at index 60
constexpr int kLastTotalDutyDay = kTimelineDays - 3;

struct DateKey {
  int year = 0;
  int month = 0;
  int day = 0;
  friend bool operator==(const DateKey&, const DateKey&) = default;
};

// Year (4), month (2) and day (2) read as numbers.
DateKey ReadDate(Record& record, std::size_t at) {
  return {record.number(at, 4), record.number(at + 4, 2), record.number(at + 6, 2)};
}

std::int32_t Clamp32(std::int64_t value) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(
      value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

// The dates of the rule timeline's 62 days.
class Timeline {
 public:
  explicit Timeline(const TCalendar& calendar) {
    TCalendar cal = calendar;
    ExtendCalendar(cal);
    for (int i = 0; i < kTimelineDays; ++i) {
      const auto& entry = i < kDaysBefore
                              ? cal.PrevMonthDays[static_cast<std::size_t>(i)]
                              : cal.MonthDays[static_cast<std::size_t>(i - kDaysBefore)];
      DateKey& date = dates_[static_cast<std::size_t>(i)];
      date = {entry[2], entry[1], entry[0]};
      const auto number = DateOf(date.year, date.month, date.day);
      days_[static_cast<std::size_t>(i)] = number.value_or(0);
    }
    // The change dates of the calendar's own year, whether or not the blocks
    // were built since the document was opened.
    SetupDaylightSaving(cal);
    daylightSaving_ = {cal.DstStartDate, cal.DstEndDate};
  }

  // The first index in [0, limit) holding the date; -1 for none or a year of 0.
  int index(const DateKey& date, int limit = kTimelineDays) const {
    if (date.year == 0) return -1;
    for (int i = 0; i < limit; ++i)
      if (dates_[static_cast<std::size_t>(i)] == date) return i;
    return -1;
  }

  DayNumber day(int index) const { return days_[static_cast<std::size_t>(index)]; }
  const DaylightSavingPeriod& daylightSaving() const { return daylightSaving_; }

 private:
  std::array<DateKey, kTimelineDays> dates_{};
  std::array<DayNumber, kTimelineDays> days_{};
  DaylightSavingPeriod daylightSaving_;
};

// The counted lines of the pairing extract, indexed once by identifier and
// date so that each activity entry finds its line at once.
class PriorPairings {
 public:
  // Takes the lines from `first` on up to the first shorter than a full line.
  void read(LineReader& reader, std::string_view first, EventLog& log) {
    std::string_view line = first;
    bool more = true;
    while (more && line.size() >= kPriorPairingLineLength && count_ < kMaxPriorPairingLines) {
      const std::string_view kept = line.substr(0, kPriorPairingLineLength);
      Record record(kept, log);
      index_.try_emplace(KeyOf(kept.substr(0, kIdentifierLength), ReadDate(record, kPairingDate)),
                         count_);
      text_.append(kept);
      ++count_;
      more = reader.next(line);
    }
  }

  // The first counted line of the pairing on that date.
  std::optional<std::string_view> find(std::string_view identifier, const DateKey& date) const {
    const auto found = index_.find(KeyOf(identifier, date));
    if (found == index_.end()) return std::nullopt;
    return std::string_view(text_).substr(found->second * kPriorPairingLineLength,
                                          kPriorPairingLineLength);
  }

 private:
  struct Key {
    std::uint64_t identifier = 0;
    DateKey date;
    friend bool operator==(const Key&, const Key&) = default;
  };
  struct KeyHash {
    std::size_t operator()(const Key& key) const {
      std::uint64_t h = key.identifier * 0x9E3779B97F4A7C15ULL;
      for (const int part : {key.date.year, key.date.month, key.date.day})
        h = (h ^ static_cast<std::uint32_t>(part)) * 0x100000001B3ULL;
      return static_cast<std::size_t>(h ^ (h >> 29));
    }
  };

  static Key KeyOf(std::string_view identifier, const DateKey& date) {
    Key key{0, date};
    for (std::size_t i = 0; i < kIdentifierLength; ++i)
      key.identifier = (key.identifier << 8) |
                       static_cast<unsigned char>(i < identifier.size() ? identifier[i] : ' ');
    return key;
  }

  std::string text_;
  std::unordered_map<Key, std::size_t, KeyHash> index_;
  std::size_t count_ = 0;
};

std::string Format(const char* format, auto... values) {
  std::array<char, 512> buffer{};
  std::snprintf(buffer.data(), buffer.size(), format, values...);
  return buffer.data();
}

// The airport whose clock a pairing of another base's letter keeps.
std::string_view ReferenceAirport(char lineLetter, std::optional<char> documentLetter) {
  if (documentLetter && lineLetter == *documentLetter) return {};
  switch (lineLetter) {
    case 'V':
      return "YVR";
    case 'C':
      return "YYC";
    case 'Z':
      return "YYZ";
    case 'M':
      return "YUL";
    default:
      return {};
  }
}

class LastMonthLoader {
 public:
  LastMonthLoader(TDocument& doc, const PriorPairings& pairings, EventLog& log)
      : doc_(doc), pairings_(pairings), log_(log), timeline_(doc.cal) {
    if (doc.FileDescriptor.size() >= 9) letter_ = doc.FileDescriptor[8];
  }

  const ImportWarnings& warnings() const { return warnings_; }

  void load(std::string_view line, TPilot& pilot) {
    Record record(line, log_);
    for (int t = 0; t < kEntries; ++t) {
      const std::size_t at = kEntryStart + kEntryWidth * static_cast<std::size_t>(t);
      if (line.size() < at + kEntryReadable) {
        log_.write("Substring out of Range\n");
        break;
      }
      if (!record.blank(at, 2))
        assignment(record, at, pilot);
      else if (!record.blank(at + 2, kIdentifierLength))
        pairing(record, at, pilot);
    }
    for (int u = 0; u < kDaysBefore; ++u)
      pilot.Activity[static_cast<std::size_t>(u)][kActDailyHardTime] =
          record.number(kLastMonthHardTime + 4 * static_cast<std::size_t>(u), 4);
    if (line.size() == kActivityLineLength)
      pilot.Last89HardTimeText = std::string(line.substr(kHardTimeHistory, kHardTimeHistoryLength));
  }

 private:
  static DayRecord& Day(TPilot& pilot, int index) {
    return pilot.Activity[static_cast<std::size_t>(index)];
  }

  // TimeZoneDifference with the calendar's own change dates.
  int difference(int dayIndex, int time, std::string_view station,
                 std::string_view reference) const {
    return TimeZoneDifference(doc_.AirportDetails, doc_.FileDescriptor, timeline_.daylightSaving(),
                              timeline_.day(dayIndex), time, station, reference);
  }

  void pairing(Record& entry, std::size_t at, TPilot& pilot) {
    const std::string identifier = entry.text(at + 2, kIdentifierLength);
    const DateKey startDate = ReadDate(entry, at + 8);
    const auto found = pairings_.find(identifier, startDate);
    if (!found) {
      warnings_.add(Format("Could not find Pairing %s to Assign to %s.", identifier.c_str(),
                           pilot.Name.c_str()));
      return;
    }
    Record line(*found, log_);
    const std::string_view reference = ReferenceAirport(line.at(0), letter_);
    const std::int64_t report = line.number(kReportTime, 4);
    const std::int64_t timeAway = line.number(kTimeAwayFromBase, 8);

    const int start = timeline_.index(ReadDate(line, kPairingStartDate));
    if (start < 0) {
      warnings_.add(CouldNotAssign(identifier, pilot.Name, startDate, report + timeAway));
      return;
    }
    DayRecord& first = Day(pilot, start);
    first[kActPairingStart] = Clamp32(report);
    first[kActPairingTafb] = Clamp32(timeAway);
    pilot.ActivityText[static_cast<std::size_t>(start)] = identifier;

    // Legal to check in after the rest owed for the release.
    const std::int64_t release = report + std::int64_t{start} * kMinutesPerDay + timeAway;
    const std::int64_t rest = line.number(kRestValue, 4);
    std::int64_t legal = 0;
    if (doc_.crewKind() == CrewKind::FlightAttendants)
      legal = release + 720;
    else if (rest < 720)
      legal = release + 660;
    else
      legal = release + rest - 59;
    if (legal - kMonthStart > 0) pilot.LegalCheckIn() = Clamp32(legal - kMonthStart);

    // A release before 02:00 does not make its day a worked one.
    const std::int64_t length = report + timeAway;
    std::int64_t days = length / kMinutesPerDay;
    const std::int64_t releaseTime =
        length > kMinutesPerDay ? (length - 1) % kMinutesPerDay + 1 : length;
    if (releaseTime < 120 && days > 0) --days;
    for (std::int64_t d = start; d <= std::min<std::int64_t>(start + days, kTimelineDays - 1); ++d)
      Day(pilot, static_cast<int>(d))[kActWorkedState] = 1;
    days += 2;

    std::vector<std::string> stations;
    std::int64_t credited = 0;
    bool monthCredit = false;
    int d = start - 1;
    if (start == 0) {
      d = 0;
      --days;
    }
    for (int j = 0; d < kTimelineDays - 1 && days >= 0 && j < kPairingTableEntries;
         ++d, ++j, --days) {
      const std::size_t field = kPairingDays + kPairingDayWidth * static_cast<std::size_t>(j);
      DayRecord& day = Day(pilot, d);
      const int credit = line.number(field + 7, 4);
      day[kActDailyHardTime] =
          Clamp32(std::int64_t{day[kActDailyHardTime]} + line.number(field + 3, 4));
      day[kActCredit] = Clamp32(std::int64_t{day[kActCredit]} + credit);
      credited += credit;
      if (!line.blank(field, kStationLength)) stations.push_back(line.text(field, kStationLength));
      if (d >= kDaysBefore) {
        pilot.CreditCarriedIn() = Clamp32(std::int64_t{pilot.CreditCarriedIn()} + day[kActCredit]);
        monthCredit = true;
      }
    }
    const std::int64_t totalCredit = line.number(kTotalCredit, 6);
    if (monthCredit && totalCredit > credited && pilot.CreditCarriedIn() > 0)
      pilot.CreditCarriedIn() = Clamp32(pilot.CreditCarriedIn() + totalCredit - credited);

    dutyPeriods(line, pilot, stations, reference);
  }

  void dutyPeriods(Record& line, TPilot& pilot, const std::vector<std::string>& stations,
                   std::string_view reference) {
    std::int64_t dutyTotal = 0;
    int lastDay = -1;
    for (int q = 0; q < kPairingTableEntries; ++q) {
      const std::size_t field = kDutyPeriods + kDutyPeriodWidth * static_cast<std::size_t>(q);
      const int g = timeline_.index(ReadDate(line, field));
      if (g < 0) break;
      const int start = line.number(field + 8, 4);
      const int end = line.number(field + 20, 4);
      DayRecord& day = Day(pilot, g);
      day[kActDutyStart] = start;
      day[kActDutyStartHomeBase] = start;
      const auto index = static_cast<std::size_t>(q);
      // The duty is measured on the base's clock: from its start converted
      // at the start to its end converted at the end, so that a duty on the
      // day of the change is not an hour off.
      int startDifference = 0;
      if (q > 0 && stations.size() >= index) {
        const std::string& station = stations[index - 1];
        std::string& text = pilot.ActivityText[static_cast<std::size_t>(g)];
        if (text.empty()) text = station;
        const int shift = difference(g, start, station, reference);
        if (shift == kUnknownAirport) {
          missingAirport(station);
        } else {
          day[kActDutyStartHomeBase] = std::clamp(start + shift, 0, kMinutesPerDay);
          startDifference = shift;
        }
      }
      // The end is converted on the day it falls on.
      int endDifference = 0;
      if (stations.size() > index) {
        const int endDay = std::min(g + (end < start ? 1 : 0), kTimelineDays - 1);
        endDifference = difference(endDay, end, stations[index], reference);
        if (endDifference == kUnknownAirport) endDifference = 0;
      }
      int onDuty = end - start;
      if (onDuty < 0) onDuty += kMinutesPerDay;
      day[kActTimeOnDuty] = onDuty + endDifference - startDifference;
      dutyTotal += day[kActTimeOnDuty];
      lastDay = g;
    }
    const std::int64_t total = line.number(kTotalDuty, 8);
    if (total != dutyTotal && lastDay >= 0 && lastDay <= kLastTotalDutyDay) {
      DayRecord& day = Day(pilot, lastDay);
      day[kActTimeOnDuty] = Clamp32(day[kActTimeOnDuty] + total - dutyTotal);
    }
  }

  void missingAirport(const std::string& station) {
    if (!missingAirports_.insert(station).second) return;
    warnings_.add(Format(
        "Could not find Airport %s to Convert to Home Base time. Using same Time Zone as Home Base "
        "-> Update Airports in Toolbox.",
        station.c_str()));
  }

  // The pairing's span: from the entry's date over the days it lasts.
  static std::string CouldNotAssign(const std::string& identifier, const std::string& name,
                                    const DateKey& from, std::int64_t length) {
    DateKey to = from;
    if (const auto first = DateOf(from.year, from.month, from.day); first && length > 0) {
      const CivilDate last =
          FromDayNumber(*first + static_cast<DayNumber>(std::min<std::int64_t>(
                                     (length - 1) / kMinutesPerDay, kTimelineDays)));
      to = {last.year, last.month, last.day};
    }
    return Format(
        "Could not assign Pairing %s to %s from %02d %02d %04d to %02d %02d %04d Last Month.",
        identifier.c_str(), name.c_str(), from.day, from.month, from.year, to.day, to.month,
        to.year);
  }

  void assignment(Record& entry, std::size_t at, TPilot& pilot) {
    const std::string code = entry.text(at, 2);
    const DateKey from = ReadDate(entry, at + 16);
    const int start = entry.number(at + 24, 4);
    const DateKey to = ReadDate(entry, at + 28);
    const int end = entry.number(at + 36, 4);

    int first = timeline_.index(from, kDaysBefore);
    if (first < 0) {
      warnings_.add(
          Format("Could not assign %s code to %s from %02d %02d %04d to %02d %02d %04d "
                 "Last Month.",
                 code.c_str(), pilot.Name.c_str(), from.day, from.month, from.year, to.day,
                 to.month, to.year));
      first = kDaysBefore;
    }
    int atWork = end - start;
    if (atWork < 0) atWork += kMinutesPerDay;
    // Dates that are no calendar dates span no days.
    int days = 0;
    const auto fromDay = DateOf(from.year, from.month, from.day);
    const auto toDay = DateOf(to.year, to.month, to.day);
    if (fromDay && toDay) days = *toDay - *fromDay;
    // Over midnight into the next date: one day.
    if (days == 1 && end < start) days = 0;

    const auto found = LookupAssignmentCode(doc_, code, log_);
    const int last =
        static_cast<int>(std::min<std::int64_t>(std::int64_t{first} + days, kLastCodeDay));
    for (int u = first; u <= last; ++u) {
      DayRecord& day = Day(pilot, u);
      std::string& text = pilot.ActivityText[static_cast<std::size_t>(u)];
      if (found) {
        day[kActCredit] = found->credit;
        day[kActWorkedState] = found->containsDuty != 0 ? 1 : 0;
        if (found->reserve != 0) day[kActWorkedState] = 2;
        if (found->carsDuty) day[kActCarsDuty] = *found->carsDuty;
        text = found->code;
      } else {
        day[kActCredit] = 0;
        day[kActDailyHardTime] = 0;
        day[kActWorkedState] = 0;
        day[kActCarsDuty] = 0;
        text = code;
        warnings_.add(
            Format("No Matching Code for %s Last Month %s day %02d - No Duty Info loaded.",
                   code.c_str(), pilot.Name.c_str(), u + 1));
      }
      day[kActDutyStartHomeBase] = start;
      day[kActDutyStart] = start;
      if (u == kLastDayBefore) {
        if (day[kActWorkedState] == 2) {
          atWork = 840;
          pilot.LegalCheckIn() = std::max(0, start - 61);
        } else if (day[kActWorkedState] == 1) {
          const int rest = doc_.crewKind() == CrewKind::FlightAttendants ? 720 : 780;
          pilot.LegalCheckIn() = std::max(0, start + atWork - rest);
        }
      }
      day[kActTimeOnDuty] = atWork;
    }
  }

  TDocument& doc_;
  const PriorPairings& pairings_;
  EventLog& log_;
  Timeline timeline_;
  std::optional<char> letter_;
  ImportWarnings warnings_;
  std::set<std::string> missingAirports_;
};

// The first line of a file, and whether the user accepts a file whose first
// line does not have the format's length.
bool AcceptFirstLine(LineReader& reader, std::string& first, std::size_t length, Ui& ui) {
  first = std::string(reader.next());
  if (first.size() == length) return true;
  return ui.ask(kLastMonthQuestion, kAppCaption, Buttons::YesNo, Icon::Question) == Answer::Yes;
}

void Load(TDocument& doc, LineReader& activity, std::string_view firstLine,
          const PriorPairings& pairings, const ImportServices& services,
          const std::function<void()>& closeViews) {
  Ui& ui = services.ui;
  EventLog& log = services.log;
  ui.setWaitCursor(true);
  log.write("LoadLastMonthsDataFromExtractBegin\n");
  doc.FreshDocument = 0;
  if (closeViews) closeViews();

  const int roster = doc.rosterSize();
  std::unordered_map<std::int32_t, int> crewByNumber;
  crewByNumber.reserve(static_cast<std::size_t>(roster));
  for (int c = 0; c < roster; ++c) {
    TPilot& pilot = doc.pilot(c);
    pilot.Activity = {};
    std::fill_n(pilot.CarryIn.begin(), kFatUnitsCarriedIn + 2, 0);
    // A negative number marks a line holding another category's pairings.
    if (pilot.EmpNumber >= 0) crewByNumber.try_emplace(pilot.EmpNumber, c);
  }
  std::unique_ptr<Progress> progress =
      ui.progress("Loading Last Month's Data", "Completed %d of %d");
  log.write("Progress Dialog Created\n");
  if (progress) progress->setRange(roster);

  LastMonthLoader loader(doc, pairings, log);
  int loaded = 0;
  std::string_view line = firstLine;
  bool more = true;
  while (more && line.size() >= kShortestActivityLine) {
    if (line.size() != kActivityLineLength)
      log.write("Crew Activity Record Line Not Correct Length\n");
    const auto crew = crewByNumber.find(GetInt(line, 0, 9, log));
    if (crew != crewByNumber.end()) {
      TPilot& pilot = doc.pilot(crew->second);
      if (progress) progress->setPosition(std::min(++loaded, roster));
      log.write(Format("LoadingLastMonthsDataFor %s %d\n", pilot.Name.c_str(), pilot.EmpNumber));
      loader.load(line, pilot);
    }
    more = activity.next(line);
  }

  log.write("LoadLastMonthsData Finished...\n");
  progress.reset();
  ui.setWaitCursor(false);
  doc.Modified = 1;
  if (!loader.warnings().empty())
    ShowListDialog(ui, services.clipboard, kLastMonthWarningsCaption, loader.warnings().text());
}

std::optional<std::string> ChooseExtract(const ImportServices& services, std::string_view title,
                                         std::string_view filter) {
  return ChooseImportFile(services.ui, services.settings, title, filter, kLastOverlapDataPath);
}

bool RosterEmpty(const TDocument& doc, Ui& ui) {
  if (doc.rosterSize() > 0) return false;
  ui.message("No Employees to Load Last Month Data for", kAppCaption, Icon::Information);
  return true;
}

}  // namespace

bool LoadLastMonthActivity(TDocument& doc, const ImportServices& services,
                           const std::function<void()>& closeViews) {
  Ui& ui = services.ui;
  if (RosterEmpty(doc, ui)) return false;

  const auto activityName = ChooseExtract(services, kActivityDialogTitle, kActivityFileFilter);
  if (!activityName) return false;
  std::ifstream activityFile;
  if (!OpenImportFile(activityFile, *activityName, ui)) return false;
  RememberImportFolder(services.settings, kLastOverlapDataPath, *activityName);
  LineReader activity(activityFile, kLines);
  std::string firstActivity;
  if (!AcceptFirstLine(activity, firstActivity, kActivityLineLength, ui)) return false;

  const auto pairingsName =
      ChooseExtract(services, kPriorPairingsDialogTitle, kPriorPairingsFileFilter);
  if (!pairingsName) return false;
  std::ifstream pairingsFile;
  if (!OpenImportFile(pairingsFile, *pairingsName, ui)) return false;
  LineReader pairingLines(pairingsFile, kLines);
  std::string firstPairing;
  if (!AcceptFirstLine(pairingLines, firstPairing, kPriorPairingLineLength, ui)) return false;

  PriorPairings pairings;
  pairings.read(pairingLines, firstPairing, services.log);
  Load(doc, activity, firstActivity, pairings, services, closeViews);
  return true;
}

namespace {

bool LoadFromReaders(TDocument& doc, LineReader& activity, LineReader& pairingLines,
                     const ImportServices& services, const std::function<void()>& closeViews) {
  Ui& ui = services.ui;
  if (RosterEmpty(doc, ui)) return false;
  std::string firstActivity;
  if (!AcceptFirstLine(activity, firstActivity, kActivityLineLength, ui)) return false;
  std::string firstPairing;
  if (!AcceptFirstLine(pairingLines, firstPairing, kPriorPairingLineLength, ui)) return false;

  PriorPairings pairings;
  pairings.read(pairingLines, firstPairing, services.log);
  Load(doc, activity, firstActivity, pairings, services, closeViews);
  return true;
}

}  // namespace

bool LoadLastMonthActivityFrom(TDocument& doc, std::istream& activityIn, std::istream& pairingsIn,
                               const ImportServices& services,
                               const std::function<void()>& closeViews) {
  LineReader activity(activityIn, kLines);
  LineReader pairingLines(pairingsIn, kLines);
  return LoadFromReaders(doc, activity, pairingLines, services, closeViews);
}

bool LoadLastMonthActivityText(TDocument& doc, std::string_view activityText,
                               std::string_view pairingsText, const ImportServices& services,
                               const std::function<void()>& closeViews) {
  LineReader activity(activityText, kLines);
  LineReader pairingLines(pairingsText, kLines);
  return LoadFromReaders(doc, activity, pairingLines, services, closeViews);
}

}  // namespace lumora
