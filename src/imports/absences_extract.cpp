#include "imports/absences_extract.h"

#include <array>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <string>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "imports/fixed_lines.h"
#include "imports/import_folders.h"
#include "imports/import_warnings.h"
#include "imports/list_dialog_text.h"
#include "model/code_table.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// A valid line is 443 characters; longer ones are cut well past the last entry.
constexpr LineReader::Options kExtractLines{2048, true};
// A shorter line ends the extract.
constexpr std::size_t kShortestLine = 10;
constexpr int kLastLineNumber = 99999;

constexpr std::size_t kFirstEntry = 9;
constexpr std::size_t kEntryWidth = 14;
constexpr int kEntries = 31;

// "Cannot Assign Code %s in %d %s" and how the day is meant.
std::string CannotAssign(std::string_view code, int crew, const std::string& name,
                         std::string_view why) {
  std::string text = "Cannot Assign Code ";
  text += code;
  text += " in " + std::to_string(crew + 1) + " " + name;
  text += why;
  return text;
}

std::string OnDay(int day) {
  std::array<char, 48> text{};
  std::snprintf(text.data(), text.size(), " on day %02d Due Pairing Assigned", day);
  return text.data();
}

class AbsenceWriter {
 public:
  AbsenceWriter(TDocument& doc, bool nextMonth, EventLog& log, ImportWarnings& warnings)
      : doc_(doc),
        log_(log),
        warnings_(warnings),
        cabin_(doc.crewKind() == CrewKind::FlightAttendants),
        dayOffset_(nextMonth ? doc.monthDays() : 0) {
    const int crew = doc.rosterSize();
    crewByNumber_.reserve(static_cast<std::size_t>(crew));
    // Of two crew members with one number, the first in roster order.
    for (int c = 0; c < crew; ++c) crewByNumber_.emplace(doc.pilot(c).EmpNumber, c);
  }

  // False once a line ends the extract.
  bool feed(std::string_view line) {
    if (line.size() < kShortestLine || previousWasLast_) return false;
    Record r(line, log_);
    const int number = r.number(0, 9);
    previousWasLast_ = number == kLastLineNumber;
    const auto found = crewByNumber_.find(number);
    if (found == crewByNumber_.end()) return true;
    const int crew = found->second;
    TPilot& pilot = doc_.pilot(crew);
    if (log_.isOpen())
      log_.write("Loading Absenses for " + pilot.Name + " " + std::to_string(number) + "\n");

    for (int i = 0; i < kEntries; ++i) {
      const std::size_t at = kFirstEntry + kEntryWidth * static_cast<std::size_t>(i);
      // An entry whose code does not fit on the line ends the line.
      if (at + 2 > line.size()) break;
      const std::string_view code = line.substr(at, 2);
      if (code == "  ") break;
      const int first = r.number(at + 2, 2);
      const int last = r.number(at + 4, 2);
      const int start = r.number(at + 6, 4);
      const int end = r.number(at + 10, 4);
      write(crew, pilot, code, first, last, start, end);
    }
    return true;
  }

 private:
  void write(int crew, TPilot& pilot, std::string_view code, int first, int last, int start,
             int end) {
    if (first > last) return;
    const std::optional<AssignmentCode> known = LookupAssignmentCode(doc_, code, log_);
    bool outside = false;
    // Days count from 1 in the extract's own month; a day before its first
    // belongs to no month, not to the end of the one before.
    for (int monthDay = first - 1; monthDay <= last - 1; ++monthDay) {
      const int d = monthDay + dayOffset_;
      if (monthDay < 0 || d >= kBlockDays) {
        outside = true;
        continue;
      }
      const auto day = static_cast<std::size_t>(d);
      if (pilot.DayCell[day] >= 0) {
        warnings_.add(CannotAssign(code, crew, pilot.Name, OnDay(d + 1)));
        continue;
      }
      pilot.DayCell[day] = kOtherAssignmentCell;
      DayRecord& other = pilot.DayOther[day];
      other[kOtherStartTime] = start;
      other[kOtherHoursAtWork] = end - start + (end < start ? kMinutesPerDay : 0);
      if (known) {
        other[kOtherCredit] = known->credit;
        other[kOtherHardTime] = known->hardTime;
        other[kOtherReserve] = known->reserve;
        other[kOtherContainsDuty] = known->containsDuty;
        other[kOtherExcludeCredit] = known->excludeCredit;
        other[kOtherCarsDuty] = cabin_ ? 0 : known->carsDuty.value_or(0);
        pilot.DayCode[day] = known->code;
      } else {
        for (const DayOtherWord word : {kOtherCredit, kOtherHardTime, kOtherReserve,
                                        kOtherContainsDuty, kOtherExcludeCredit, kOtherCarsDuty})
          other[word] = 0;
        pilot.DayCode[day] = code;
        warnings_.add("No Matching Code for " + std::string(code) +
                      ". No Credit or Duty Info Recorded");
      }
      pilot.DayCrewTracCode[day] = code;
    }
    // Only a damaged line names such days; the scheduler hears of it once.
    if (outside)
      warnings_.add(CannotAssign(code, crew, pilot.Name, " on Days Outside the Schedule"));
  }

  TDocument& doc_;
  EventLog& log_;
  ImportWarnings& warnings_;
  bool cabin_;
  int dayOffset_;
  std::unordered_map<std::int32_t, int> crewByNumber_;
  bool previousWasLast_ = false;
};

bool ReadFailed(Ui& ui) {
  ui.setWaitCursor(false);
  ui.message("File Error - Unable to Load Crew Absences from this file.", kAppCaption, Icon::Error);
  return false;
}

}  // namespace

bool LoadAbsencesExtractFrom(TDocument& doc, std::istream& in, bool nextMonth,
                             const ImportServices& services,
                             const std::function<void()>& closeViews) {
  Ui& ui = services.ui;
  EventLog& log = services.log;
  LineReader reader(in, kExtractLines);
  std::string_view line;
  // The first line is kept to be read again once the extract is accepted.
  std::optional<std::string> first;
  if (reader.next(line)) first.emplace(line);
  if ((!first || first->size() != kAbsencesLineLength) &&
      ui.ask(kAbsencesNotAnExtract, kAppCaption, Buttons::YesNo, Icon::Question) != Answer::Yes)
    return false;

  doc.FreshDocument = 0;
  if (closeViews) closeViews();
  ui.setWaitCursor(true);
  log.write("LoadCrewAbsencesBegin\n");
  doc.Modified = 1;
  ImportWarnings warnings;
  AbsenceWriter writer(doc, nextMonth, log, warnings);
  try {
    bool more = !first || writer.feed(*first);
    while (more && first && reader.next(line)) more = writer.feed(line);
  } catch (const std::exception&) {
    return ReadFailed(ui);
  }
  if (in.bad()) return ReadFailed(ui);

  ui.setWaitCursor(false);
  if (!warnings.empty())
    ShowListDialog(ui, services.clipboard, kAbsencesWarningsCaption, warnings.text());

  if (!nextMonth) {
    const int days = doc.monthDays();
    for (int c = 0; c < doc.rosterSize(); ++c) {
      TPilot& pilot = doc.pilot(c);
      pilot.ComputeOnLeaveAllMonth(days);
      // A month without days has nobody on leave all of it.
      if (days == 0) pilot.OnLeaveAllMonth = 0;
      if (pilot.OnLeaveAllMonth) pilot.BidReserve = 1;
    }
  }
  log.write("LoadCrewAbsencesEnd\n");
  return true;
}

bool LoadAbsencesExtract(TDocument& doc, bool nextMonth, const ImportServices& services,
                         const std::function<void()>& closeViews) {
  Ui& ui = services.ui;
  if (!nextMonth && !doc.FreshDocument &&
      ui.ask(kAbsencesEraseQuestion, kAppCaption, Buttons::YesNo, Icon::Error) != Answer::Yes)
    return false;

  const std::optional<std::string> file = ChooseImportFile(
      ui, services.settings, kAbsencesDialogTitle, kAbsencesFileFilter, kLastCrewAbsPath);
  std::ifstream in;
  if (!file || !OpenImportFile(in, *file, ui)) return false;
  RememberImportFolder(services.settings, kLastCrewAbsPath, *file);
  return LoadAbsencesExtractFrom(doc, in, nextMonth, services, closeViews);
}

}  // namespace lumora
