#include "imports/toolbox_file.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <optional>
#include <utility>

#include "imports/fixed_lines.h"
#include "imports/import_folders.h"
#include "model/airports.h"
#include "model/capacity.h"
#include "model/code_table.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::size_t kListedSkippedAirports = 10;

// A time that does not parse is taken as none at all: a negative credit
// would turn the entry into a day-off request.
std::int32_t Minutes(std::string_view text, bool limitTo23) {
  const int minutes = ParseTime(text, limitTo23);
  return minutes < 0 ? 0 : minutes;
}

std::uint8_t Yes(std::string_view text) {
  return text == "Y" ? 1 : 0;
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

// "HH:MM", always 5 characters, or nothing when the time does not parse with
// hours 0 to 23 (as the look-ups read it).
std::optional<std::string> ClockField(std::string_view text) {
  const int minutes = ParseTime(TrimBlanks(text), true);
  if (minutes < 0) return std::nullopt;
  return FormatTime(minutes, false, true);
}

// One airport of the rebuilt table: the readers find its fields by their
// place after the code, so every field must have its exact width and no
// field may hold the separator.
std::optional<std::string> AirportEntry(std::string_view code, std::string_view offset,
                                        std::string_view transport, std::string_view daylight) {
  code = TrimBlanks(code);
  // The look-ups take the first place a code stands anywhere in the table: a
  // code of digits or a colon, as "0:4", would be found inside an earlier
  // airport's time and read that airport's fields.
  const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
  if (code.size() != 3 || !std::all_of(code.begin(), code.end(), letter)) return std::nullopt;
  const auto offsetField = ClockField(offset);
  const auto transportField = ClockField(transport);
  if (!offsetField || !transportField) return std::nullopt;
  daylight = TrimBlanks(daylight);
  const char flag = daylight.empty() || daylight[0] == ',' ? 'Y' : daylight[0];
  std::string entry;
  entry.reserve(kAirportEntryLength);
  entry.append(code).append(",");
  entry.append(*offsetField).append(",");
  entry.append(*transportField).append(",");
  entry.push_back(flag);
  entry.append(",");
  return entry;
}

TAbsence ReadEntry(LineReader& lines, bool cabin, bool& matches) {
  TAbsence entry;
  entry.Code = std::string(lines.next());
  const std::string_view crewKind = lines.next();
  matches = cabin ? crewKind == "Cabin" : crewKind == "Pilot";
  entry.CrewTracCode = std::string(lines.next());
  entry.ButtonText = std::string(lines.next());
  entry.StartTime = Minutes(lines.next(), true);
  entry.EndTime = Minutes(lines.next(), true);
  entry.Credit = Minutes(lines.next(), false);
  entry.HardTime = Minutes(lines.next(), false);
  entry.ContainsDuty = Yes(lines.next());
  entry.CarsDuty = Yes(lines.next());
  entry.CreditCounts = Yes(lines.next());
  entry.InToolbox = Yes(lines.next());
  lines.next();
  return entry;
}

void ParseLines(LineReader& lines, bool cabin, ParsedToolBox& parsed) {
  // An empty file is no toolbox either.
  if (lines.next() != kToolBoxFirstLine) {
    parsed.outcome = ToolBoxOutcome::NotAToolBox;
    return;
  }
  lines.next();
  parsed.date = std::string(lines.next());
  lines.next();
  // Counts are only trusted as far as the file has lines for them.
  const int entryCount = LeadingInt(lines.next());
  if (lines.pastEnd()) return;
  if (entryCount <= 0) {
    parsed.outcome = ToolBoxOutcome::NoEntries;
    return;
  }
  for (int e = 0; e < entryCount && !lines.pastEnd(); ++e) {
    bool matches = false;
    TAbsence entry = ReadEntry(lines, cabin, matches);
    if (lines.pastEnd()) return;
    if (matches && parsed.entries.size() < static_cast<std::size_t>(kToolboxSlots)) {
      parsed.entries.push_back(std::move(entry));
    }
  }

  lines.next();
  const int airportCount = LeadingInt(lines.next());
  if (lines.pastEnd()) return;
  if (airportCount < 1) {
    parsed.outcome = ToolBoxOutcome::NoAirports;
    return;
  }
  std::size_t kept = 0;
  for (int a = 0; a < airportCount && !lines.pastEnd(); ++a) {
    const std::string_view code = lines.next();
    const std::string_view offset = lines.next();
    const std::string_view transport = lines.next();
    const std::string_view daylight = lines.next();
    for (std::size_t unread = 4; unread < kToolBoxAirportLines; ++unread) lines.next();
    if (lines.pastEnd()) return;
    if (kept == kMaxAirports) {
      ++parsed.airportsBeyondLimit;
      continue;
    }
    if (auto entry = AirportEntry(code, offset, transport, daylight)) {
      parsed.airportDetails += *entry;
      ++kept;
    } else if (parsed.skippedAirports.size() <= kListedSkippedAirports) {
      parsed.skippedAirports.emplace_back(TrimBlanks(code.substr(0, 16)));
    }
  }
  if (!lines.pastEnd()) parsed.outcome = ToolBoxOutcome::Loaded;
}

void UseEntries(TDocument& doc, const std::vector<TAbsence>& entries) {
  const std::size_t count = std::min(entries.size(), static_cast<std::size_t>(kToolboxSlots));
  for (std::size_t t = 0; t < static_cast<std::size_t>(kToolboxSlots); ++t) {
    if (t < count) {
      doc.ToolboxItems[t] = entries[t];
    } else {
      doc.ToolboxItems[t].Clear();
    }
  }
  doc.ToolboxCount = static_cast<std::int32_t>(count);
}

void ReportSkippedAirports(const ParsedToolBox& parsed, Ui& ui) {
  if (parsed.skippedAirports.empty() && parsed.airportsBeyondLimit == 0) return;
  std::string text;
  if (!parsed.skippedAirports.empty()) {
    text = "Airport Details not Loaded for";
    for (std::size_t i = 0; i < parsed.skippedAirports.size(); ++i) {
      if (i == kListedSkippedAirports) {
        text += " and others";
        break;
      }
      text += (i == 0 ? " \"" : ", \"") + parsed.skippedAirports[i] + "\"";
    }
    text +=
        ". An Airport needs a 3 letter Code, its Offset and Transport Time as HH:MM and a "
        "Daylight Saving Flag.";
  }
  if (parsed.airportsBeyondLimit > 0) {
    if (!text.empty()) text += " ";
    text += "Only the first " + std::to_string(kMaxAirports) + " Airports were Loaded.";
  }
  ui.message(text, kAppCaption, Icon::None);
}

// A file that is not a toolbox, or breaks off, changes nothing: the toolbox
// the scheduler has been placing codes from stays in use. Only a month that
// had none falls back on the built-in table, as the message says.
ToolBoxOutcome Damaged(Ui& ui) {
  ui.message("Error Loading Absences. File may be Currupt", kAppCaption, Icon::None);
  return ToolBoxOutcome::Damaged;
}

}  // namespace

ParsedToolBox ParseToolBoxText(std::string_view text, bool cabin) {
  ParsedToolBox parsed;
  // Toolbox lines have no length limit of their own: the file size bounds them.
  LineReader lines(text, {LineReader::kUnlimited, false});
  ParseLines(lines, cabin, parsed);
  if (parsed.outcome == ToolBoxOutcome::Damaged) {
    // Nothing of a damaged file is used.
    parsed = ParsedToolBox{};
  }
  return parsed;
}

ToolBoxOutcome ReadToolBoxText(TDocument& doc, std::string_view text, Ui& ui) {
  const ParsedToolBox parsed = ParseToolBoxText(text, IsCabinDocument(doc));
  switch (parsed.outcome) {
    case ToolBoxOutcome::NotAToolBox:
      ui.message(doc.ToolboxCount > 0
                     ? "Not a Valid ToolBox. The current ToolBox is kept."
                     : "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.",
                 kAppCaption, Icon::None);
      break;
    case ToolBoxOutcome::NoEntries:
      doc.ToolboxDate = parsed.date;
      doc.ToolboxCount = 0;
      ui.message("No Absences to Load from File", kAppCaption, Icon::None);
      break;
    case ToolBoxOutcome::NoAirports:
      doc.ToolboxDate = parsed.date;
      UseEntries(doc, parsed.entries);
      ui.message("No Airport Details to Load from File", kAppCaption, Icon::None);
      break;
    case ToolBoxOutcome::Loaded:
      doc.ToolboxDate = parsed.date;
      UseEntries(doc, parsed.entries);
      doc.AirportDetails = parsed.airportDetails;
      ReportSkippedAirports(parsed, ui);
      break;
    default:
      return Damaged(ui);
  }
  return parsed.outcome;
}

ToolBoxOutcome ReadToolBoxFile(TDocument& doc, const std::string& fileName, Ui& ui) {
  std::ifstream in(fileName, std::ios::binary);
  if (!in) {
    ui.message("Unable to Open File " + fileName, kAppCaption, Icon::None);
    return ToolBoxOutcome::CannotOpen;
  }
  // Read in pieces and stop one piece past the limit, so that a huge file
  // is known without being read whole.
  std::string text;
  std::array<char, 1u << 16> piece{};
  while (in && text.size() <= kMaxToolBoxFileBytes) {
    in.read(piece.data(), static_cast<std::streamsize>(piece.size()));
    text.append(piece.data(), static_cast<std::size_t>(in.gcount()));
  }
  if (in.bad() || text.size() > kMaxToolBoxFileBytes) return Damaged(ui);
  const ToolBoxOutcome outcome = ReadToolBoxText(doc, text, ui);
  if (outcome != ToolBoxOutcome::NotAToolBox && outcome != ToolBoxOutcome::Damaged)
    doc.Modified = 1;
  return outcome;
}

ToolBoxOutcome LoadToolBoxFile(TDocument& doc, Ui& ui, SettingsStore& settings) {
  FileDialogOptions options;
  options.title = std::string(kToolBoxDialogTitle);
  options.filter = "ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*";
  options.startFolder = ImportStartFolder(settings, kLastBoxPath);
  const std::vector<std::string> chosen = ui.openFiles(options);
  if (chosen.empty() || chosen.front().empty()) return ToolBoxOutcome::Cancelled;

  const std::string& fileName = chosen.front();
  const ToolBoxOutcome outcome = ReadToolBoxFile(doc, fileName, ui);
  if (outcome != ToolBoxOutcome::CannotOpen) RememberImportFolder(settings, kLastBoxPath, fileName);
  return outcome;
}

}  // namespace lumora
