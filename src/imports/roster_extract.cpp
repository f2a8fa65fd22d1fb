#include "imports/roster_extract.h"

#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <string>
#include <system_error>
#include <vector>

#include "imports/fixed_lines.h"
#include "imports/import_folders.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

// A line of the extract is 102 or 147 characters; longer ones are cut well
// past every column the import reads.
constexpr LineReader::Options kExtractLines{2048, true};
// A shorter line ends the extract.
constexpr std::size_t kShortestLine = 50;

constexpr std::size_t kKeyPosition = 31;
constexpr std::size_t kQualificationPosition = 77;
constexpr std::size_t kQualificationWidth = 12;

void ToUpper(std::string& text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// The codes stand anywhere in the field, so a plain search finds them, also
// across two neighbouring codes.
bool Holds(std::string_view codes, std::string_view code) {
  return codes.find(code) != std::string_view::npos;
}

class RosterBuilder {
 public:
  RosterBuilder(TDocument& doc, std::string_view descriptor, EventLog& log)
      : doc_(doc), log_(log), cabin_(doc.crewKind() == CrewKind::FlightAttendants) {
    key_ = descriptor.substr(0, cabin_ ? 3 : 8);
  }

  // False once a line ends the extract.
  bool feed(std::string_view raw) {
    line_.assign(raw);
    ToUpper(line_);
    if (line_.size() < kShortestLine) return false;
    if (std::string_view(line_).substr(kKeyPosition, key_.size()) != key_) return true;
    if (doc_.PilotCount >= kMaxRosterPilots) {
      ++refused_;
      return true;
    }
    TPilot& pilot = doc_.pilot(doc_.PilotCount);
    // Nothing of the crew member who held the slot before may stay.
    pilot.Clear();
    fill(pilot);
    if (log_.isOpen()) log_.write(pilot.Name + " " + std::to_string(pilot.EmpNumber) + " Loaded\n");
    ++doc_.PilotCount;
    return true;
  }

  long long refused() const { return refused_; }

 private:
  void fill(TPilot& pilot) {
    Record r(line_, log_);
    pilot.EmpNumber = r.number(0, 9);
    pilot.Name.assign(1, r.at(29));
    pilot.Name += ' ';
    pilot.Name += TrimTrailingBlanks(r.text(9, 20));
    pilot.QualificationCodes = r.text(kQualificationPosition, kQualificationWidth);
    const std::string_view codes = pilot.QualificationCodes;

    if (cabin_) {
      pilot.AgeMedFlags() = Holds(codes, "FR") ? 1 : 0;
      pilot.SpecialQual() = Holds(codes, "IT") ? 2 : 0;
    } else {
      const bool la = Holds(codes, "LA");
      const bool lc = Holds(codes, "LC");
      if (la && lc)
        pilot.SpecialQual() = 4;
      else if (la)
        pilot.SpecialQual() = 3;
      else if (lc)
        pilot.SpecialQual() = 1;
      else if (Holds(codes, "LB"))
        pilot.SpecialQual() = 2;
      if (la) {
        pilot.MinBlockOverride() = 4800;
        pilot.MaxBlockOverride() = 5100;
      }
      pilot.TrainingFlag() = Holds(codes, "ZT") ? 1 : 0;
      pilot.AgeMedFlags() = (Holds(codes, "AR") ? 1 : 0) + (Holds(codes, "MR") ? 2 : 0);
      pilot.NoTimeZoneFlag() = Holds(codes, "PT") ? 1 : 0;
      pilot.NoYcgFlag() = Holds(codes, "PC") ? 1 : 0;
    }
    // Last: the reduced block overrides the check pilots' limits.
    if (Holds(codes, "RB")) {
      pilot.MinDaysOffOverride() = doc_.ReducedMinDaysOff;
      pilot.MinBlockOverride() = doc_.ReducedMinCredit;
      pilot.MaxBlockOverride() = doc_.ReducedMaxCredit;
    }
  }

  TDocument& doc_;
  EventLog& log_;
  bool cabin_;
  std::string_view key_;
  std::string line_;
  long long refused_ = 0;
};

bool ReadFailed(Ui& ui) {
  ui.setWaitCursor(false);
  ui.message("File Error - Unable to Load Roster from this file.", kAppCaption, Icon::Error);
  return false;
}

}  // namespace

bool LoadRosterExtractFrom(TDocument& doc, std::istream& in, std::string_view descriptor,
                           const ImportServices& services) {
  Ui& ui = services.ui;
  EventLog& log = services.log;
  if (descriptor.size() != 9) return false;

  log.write("BeginCreateNewRosterFromExtract\n");
  LineReader reader(in, kExtractLines);
  // The first two lines are kept to be read again once the extract is accepted.
  std::vector<std::string> head;
  std::string_view line;
  while (head.size() < 2 && reader.next(line)) head.emplace_back(line);
  const std::size_t length = head.size() == 2 ? head[1].size() : 0;
  if (length != kRosterLineLength && length != kRosterLongLineLength &&
      ui.ask(kRosterNotAnExtract, kAppCaption, Buttons::YesNo, Icon::Question) != Answer::Yes)
    return false;

  ui.setWaitCursor(true);
  // Only an accepted extract replaces the roster.
  doc.PilotCount = 0;
  doc.Modified = 1;
  RosterBuilder builder(doc, descriptor, log);
  try {
    bool more = true;
    for (const std::string& kept : head) more = more && builder.feed(kept);
    while (more && reader.next(line)) more = builder.feed(line);
  } catch (const std::exception&) {
    return ReadFailed(ui);
  }
  if (in.bad()) return ReadFailed(ui);

  ui.setWaitCursor(false);
  log.write("CreateNewRosterFromExtractComplete\n");
  if (builder.refused() > 0) {
    ui.message("The Roster is Full: " + std::to_string(builder.refused()) +
                   " more Matching Employees were not Loaded. A Roster holds at most " +
                   std::to_string(kMaxRosterPilots) + " Crew Members.",
               kAppCaption, Icon::Warning);
  }
  if (doc.PilotCount < 1) ui.message(kRosterNoMatch, kAppCaption, Icon::None);
  return true;
}

bool LoadRosterExtract(TDocument& doc, std::string_view descriptor,
                       const ImportServices& services) {
  // Every refusal before the extract is accepted leaves the roster as it was.
  if (descriptor.size() != 9) return false;
  const std::optional<std::string> file = ChooseImportFile(
      services.ui, services.settings, kRosterDialogTitle, kRosterFileFilter, kLastRosterPath);
  std::ifstream in;
  if (!file || !OpenImportFile(in, *file, services.ui)) return false;
  RememberImportFolder(services.settings, kLastRosterPath, *file);
  return LoadRosterExtractFrom(doc, in, descriptor, services);
}

}  // namespace lumora
