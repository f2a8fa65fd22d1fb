#include "reports/baw_lin_export.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <span>
#include <system_error>

#include "files/atomic_file.h"
#include "imports/import_folders.h"
#include "model/calendar.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::string_view kAirlineCode = "QK";
constexpr std::size_t kLinLineLength = 1320;
constexpr const char* kFileErrorCaption = "File Error";
constexpr const char* kExportErrorCaption = "Export Error";

// Codes whose run of equal days is one record.
constexpr std::array<std::string_view, 20> kLeaveRunCodes = {
    "VAC", "STT", "LOA", "UTF", "VAN", "VON", "VCR", "VTP", "BST", "STA",
    "STP", "MED", "PSD", "LTD", "WCB", "MOD", "PWC", "UTT", "DSC", "MAT"};

bool IsLeaveRunCode(std::string_view code) {
  return std::find(kLeaveRunCodes.begin(), kLeaveRunCodes.end(), code) != kLeaveRunCodes.end();
}

// --- fixed-width fields, as printf's would write them

// "%-Ns": never cut.
void AppendLeft(std::string& out, std::string_view text, std::size_t width) {
  out += text;
  if (text.size() < width) out.append(width - text.size(), ' ');
}

// "%Ns".
void AppendRight(std::string& out, std::string_view text, std::size_t width) {
  if (text.size() < width) out.append(width - text.size(), ' ');
  out += text;
}

// "%0Nd".
void AppendNumber(std::string& out, long value, int width) {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, "%0*ld", width, value);
  if (n > 0) out.append(buffer, static_cast<std::size_t>(n));
}

// "%c" of a character that may be missing: a blank, never a NUL byte.
void AppendChar(std::string& out, std::string_view text, std::size_t index) {
  out += index < text.size() && text[index] != '\0' ? text[index] : ' ';
}

// YYMMDD.
void AppendDate(std::string& out, const CivilDate& date) {
  AppendNumber(out, date.year % 100, 2);
  AppendNumber(out, date.month, 2);
  AppendNumber(out, date.day, 2);
}

std::string_view CrewCode(BawLinCrew crew) {
  switch (crew) {
    case BawLinCrew::Captain:
      return "CA";
    case BawLinCrew::FirstOfficer:
      return "FO";
    case BawLinCrew::FlightAttendant:
      return "PU";
  }
  return "CA";
}

char CrewLetter(BawLinCrew crew) {
  return crew == BawLinCrew::FlightAttendant ? 'F' : 'P';
}

std::string BlockPrefix(const BawLinFields& fields) {
  return fields.baseCode + fields.eqpCode;
}

bool FlightAttendantFile(const TDocument& doc) {
  return doc.crewKind() == CrewKind::FlightAttendants;
}

const TPair* FirstPairing(const TDocument& doc) {
  return doc.lastPairIndex() >= 0 ? &doc.pair(0) : nullptr;
}

bool HasReserveDay(const TDocument& doc, const TPilot& pilot) {
  for (int d = 0; d < doc.monthDays(); ++d) {
    const auto day = static_cast<std::size_t>(d);
    if (pilot.DayCell[day] == kOtherAssignmentCell && pilot.DayOther[day][kOtherReserve] != 0)
      return true;
  }
  return false;
}

// The calendar date of a day of the block; nothing when the calendar has no
// month for it.
std::optional<CivilDate> DateOf(const TDocument& doc, int day) {
  const auto& entry = doc.cal.MonthDays[static_cast<std::size_t>(day)];
  if (entry[1] < 1 || entry[1] > 12 || entry[0] < 1) return std::nullopt;
  return CivilDate{entry[0], entry[1], entry[2]};
}

CivilDate NextDate(const CivilDate& date) {
  return FromDayNumber(ToDayNumber(date) + 1);
}

// The month day that receives the draft-credit code "DC": the first empty
// day after the last pairing seen so far (or after the carried-in duty) that
// does not follow a reserve B day. -1 when there is none.
int DraftCreditDay(const TDocument& doc, const TPilot& pilot) {
  int kept = pilot.CreditCarriedIn() > 0 ? pilot.LegalCheckIn() / kMinutesPerDay + 1 : 0;
  for (int d = 0; d < doc.monthDays(); ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (doc.isPairIndex(cell)) {
      kept = d + std::max<int>(1, doc.pair(cell).Length);
      continue;
    }
    if (cell != kEmptyCell || d < kept) continue;
    if (d > 0 && pilot.DayCrewTracCode[day - 1] == "RB") continue;
    return d;
  }
  return -1;
}

struct OtherDay {
  std::int32_t start = 0;
  std::int32_t hoursAtWork = 0;
  std::string_view code;
  std::string_view extractCode;
};

void AppendPairingRecord(std::string& out, const TDocument& doc, const TPair& pair,
                         const CivilDate& date) {
  out += "10";
  out += kAirlineCode;
  out += FlightAttendantFile(doc) && pair.CrewPosition == "FA" ? "FA" : "  ";
  AppendChar(out, pair.Prefix, 0);
  AppendNumber(out, pair.Number, 4);
  out += ' ';
  AppendDate(out, date);
  out.append(20, ' ');
}

// One crew member's LIN line, without its line end.
void AppendCrewLine(std::string& out, const TDocument& doc, const BawLinFields& fields, int crew,
                    int lineNumber, std::vector<std::string>& summary) {
  const TPilot& pilot = doc.pilot(crew);
  const std::size_t lineStart = out.size();
  const bool openTime = pilot.EmpNumber == 0;

  out += '1';
  out += CrewLetter(fields.crew);
  AppendRight(out, BlockPrefix(fields), 2);
  if (openTime) {
    out += "000";
  } else {
    AppendNumber(out, lineNumber, 3);
  }
  out += openTime ? 'O' : (HasReserveDay(doc, pilot) ? 'P' : 'L');

  long blockTime = 0;
  for (std::size_t a = 31; a <= 35; ++a) blockTime += pilot.Activity[a][kActDailyHardTime];
  for (int d = 0; d < doc.monthDays(); ++d) {
    const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
    if (!doc.isPairIndex(cell)) continue;
    for (const std::int32_t hard : doc.pair(cell).DailyHardTime) blockTime += hard;
  }
  AppendNumber(out, blockTime, 4);
  AppendNumber(out, static_cast<long>(pilot.BlockCreditHours) * 60 + pilot.BlockCreditMinutes, 4);
  AppendRight(out, FlightAttendantFile(doc) ? "PU" : CrewCode(fields.crew), 2);
  AppendLeft(out, "01", 50);

  int draftDay = -1;
  if (!FlightAttendantFile(doc) && pilot.DraftCredit > 0) {
    draftDay = DraftCreditDay(doc, pilot);
    if (draftDay < 0) summary.push_back(pilot.Name + " No Draft Credit Code Inserted");
  }

  const int monthDays = doc.monthDays();
  for (int d = 0; d < monthDays; ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    OtherDay other;
    if (d == draftDay) {
      other = {720, 1, "DFC", "DC"};
    } else if (doc.isPairIndex(cell)) {
      const std::optional<CivilDate> date = DateOf(doc, d);
      if (!date) {
        summary.push_back("Date Error in Line " + std::to_string(crew + 1));
        continue;
      }
      AppendPairingRecord(out, doc, doc.pair(cell), *date);
      continue;
    } else if (cell == kOtherAssignmentCell && pilot.DayCrewTracCode[day] != "--") {
      other = {pilot.DayOther[day][kOtherStartTime], pilot.DayOther[day][kOtherHoursAtWork],
               pilot.DayCode[day], pilot.DayCrewTracCode[day]};
    } else {
      continue;
    }

    // A run of leave days is one record with the times of its first day.
    int last = d;
    if (IsLeaveRunCode(other.code)) {
      while (last + 1 < monthDays) {
        const auto next = static_cast<std::size_t>(last + 1);
        if (pilot.DayCell[next] != kOtherAssignmentCell || pilot.DayCode[next] != other.code) break;
        ++last;
      }
    }
    const int firstDay = d;
    d = last;

    const std::optional<CivilDate> startDate = DateOf(doc, firstDay);
    std::optional<CivilDate> endDate = DateOf(doc, last);
    if (!startDate || !endDate) {
      summary.push_back("Date Error in Line " + std::to_string(crew + 1));
      continue;
    }
    long start = other.start;
    long end = start + other.hoursAtWork;
    if (end > kMinutesPerDay) end -= kMinutesPerDay;
    if (start < 0) {
      start = 1;
      end = kMinutesPerDay;
    }

    std::string_view recordType = "99";
    std::string_view code = other.extractCode;
    if (other.extractCode == "RA") {
      recordType = "R1";
      code = kAirlineCode;
    } else if (other.extractCode == "RB") {
      recordType = "R2";
      code = kAirlineCode;
    } else if (other.extractCode == "RE") {
      recordType = "R3";
      code = kAirlineCode;
    }
    if (end < start) {
      if (recordType == "R2" && !FlightAttendantFile(doc)) {
        endDate = NextDate(*endDate);
      } else {
        end = kMinutesPerDay;
      }
    }

    out += recordType;
    AppendLeft(out, code, 2);
    out.append(2 + 12, ' ');
    AppendDate(out, *startDate);
    AppendNumber(out, start, 4);
    AppendDate(out, *endDate);
    AppendNumber(out, end, 4);
  }

  const std::size_t length = out.size() - lineStart;
  if (length < kLinLineLength) out.append(kLinLineLength - length, ' ');
}

bool IsLetterOrDigit(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 && static_cast<unsigned char>(c) < 0x80;
}

enum class WriteStep : std::uint8_t { Created, NotCreated, WriteFailed, CommitFailed, Written };

struct FileTexts {
  const char* cannotCreate;
  const char* cannotWrite;
  const char* diskFull;
};

constexpr FileTexts kBawTexts{"Cant create BAW file for Exporting Blocks", "Can't Save BAW File!",
                              "Cannot Save BAW File to specified disk. Disk may be full"};
constexpr FileTexts kLinTexts{"Cant create LIN file for Exporting Blocks", "Cant Save LIN File!",
                              "Cannot Save LIN file to specified disk. Disk may be full"};

bool Finish(AtomicFile& file, const std::string& text, const FileTexts& texts, Ui& ui) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (!file.write(std::span<const std::uint8_t>(bytes, text.size()))) {
    file.discard();
    ui.message(texts.cannotWrite, kFileErrorCaption, Icon::Error);
    return false;
  }
  if (!file.commit()) {
    ui.message(texts.diskFull, kFileErrorCaption, Icon::Error);
    return false;
  }
  return true;
}

}  // namespace

BawLinFields DefaultBawLinFields(const TDocument& doc) {
  BawLinFields fields;
  const bool attendants = FlightAttendantFile(doc);
  fields.crew = doc.crewKind() == CrewKind::FirstOfficers ? BawLinCrew::FirstOfficer
                : attendants                              ? BawLinCrew::FlightAttendant
                                                          : BawLinCrew::Captain;

  std::string prefix;
  if (const TPair* first = FirstPairing(doc)) prefix = first->Prefix;
  // The equipment digit 2 is exported as 7.
  if (prefix.size() >= 2 && prefix[1] == '2') prefix[1] = '7';
  if (prefix.size() < 2) {
    fields.baseCode = "?";
    fields.eqpCode = attendants ? "8" : "?";
  } else {
    fields.baseCode = prefix.substr(0, 1);
    fields.eqpCode = attendants ? "8" : prefix.substr(1, 1);
  }

  std::string name;
  const std::string& month = doc.cal.MonthText;
  for (std::size_t i = 0; i < 2 && i < month.size(); ++i)
    name += static_cast<char>(std::toupper(static_cast<unsigned char>(month[i])));
  const std::string& year = doc.cal.YearText;
  name += year.size() >= 2 ? year.substr(year.size() - 2) : year;
  if (attendants) {
    if (!prefix.empty()) prefix.pop_back();
    name += prefix + "8FA";
  } else {
    name += prefix + (doc.crewKind() == CrewKind::FirstOfficers ? "FO" : "CA");
  }
  fields.fileName = name;
  return fields;
}

std::string BawLinFieldErrors(const BawLinFields& fields) {
  std::string errors;
  const bool nameOk = !fields.fileName.empty() && fields.fileName.size() <= 8 &&
                      std::all_of(fields.fileName.begin(), fields.fileName.end(), IsLetterOrDigit);
  if (!nameOk) errors += "FileName needs to be 1-8 char long. ";
  if (fields.baseCode.empty()) errors += "Base Code needs to be 1 char long. ";
  if (fields.eqpCode.empty()) errors += "Eqp Code needs to be 1 char long. ";
  return errors;
}

void SelectForExport(TDocument& doc, bool reserveAndPartialOnly) {
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    TPilot& pilot = doc.pilot(crew);
    pilot.ExportSelected = 0;
    if (pilot.EmpNumber < 0) continue;
    if (reserveAndPartialOnly && !HasReserveDay(doc, pilot) && pilot.BidReserve == 0 &&
        pilot.BelowBlockHolderLine == 0 && pilot.QualificationCodes.find("RB") == std::string::npos)
      continue;
    pilot.ExportSelected = 1;
  }
}

std::string BawText(const TDocument& doc, const BawLinFields& fields) {
  std::string out;
  const std::string prefix = BlockPrefix(fields);
  int lineNumber = 0;
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    if (pilot.ExportSelected == 0) continue;
    AppendNumber(out, pilot.EmpNumber, 9);
    out += ' ';
    out += CrewLetter(fields.crew);
    AppendRight(out, prefix, 2);
    AppendNumber(out, ++lineNumber, 3);
    AppendRight(out, CrewCode(fields.crew), 2);
    out += '\n';
  }
  return out;
}

std::string LinText(const TDocument& doc, const BawLinFields& fields,
                    std::vector<std::string>& summary) {
  std::string out;
  out.reserve(static_cast<std::size_t>(doc.rosterSize() + 1) * (kLinLineLength + 1));
  const std::size_t headerStart = out.size();
  out += '0';
  out += kAirlineCode;
  out += ' ';
  const std::string& year = doc.cal.YearText;
  AppendChar(out, year, year.size() >= 2 ? year.size() - 2 : year.size());
  AppendChar(out, year, year.size() >= 1 ? year.size() - 1 : year.size());
  AppendNumber(out, doc.cal.MonthNumber, 2);
  out += CrewLetter(fields.crew);
  out += BlockPrefix(fields);
  out.append(kLinLineLength - std::min(kLinLineLength, out.size() - headerStart), ' ');
  out += '\n';

  int lineNumber = 0;
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    const std::string position = std::to_string(crew + 1);
    if (pilot.EmpNumber == -1) {
      summary.push_back("Blk " + position + " Capt Pairings-LineIndoc. Not Exported");
      continue;
    }
    if (pilot.ExportSelected == 0) {
      summary.push_back(pilot.Name + ". Not Exported");
      continue;
    }
    ++lineNumber;
    if (pilot.EmpNumber == 0)
      summary.push_back("Blk " + position + " is Exported as OpenTime. Emp Num is 0");
    AppendCrewLine(out, doc, fields, crew, lineNumber, summary);
    out += '\n';
  }
  return out;
}

std::filesystem::path DefaultExportFolder(const TDocument& doc) {
  return std::filesystem::path(doc.FileName).parent_path() / "Export";
}

BawLinOutcome ExportBawLin(TDocument& doc, const BawLinFields& fields,
                           const std::filesystem::path& folder, Ui& ui) {
  BawLinOutcome outcome;
  const std::string errors = BawLinFieldErrors(fields);
  if (!errors.empty()) {
    ui.message(errors, kExportErrorCaption, Icon::Error);
    outcome.summary.push_back(errors);
    outcome.status = BawLinStatus::FieldError;
    return outcome;
  }
  if (doc.Untitled || doc.FileName.empty()) {
    ui.message("File Must be Named First, Select Save As", kFileErrorCaption, Icon::Information);
    outcome.status = BawLinStatus::NotNamed;
    return outcome;
  }
  std::error_code error;
  std::filesystem::create_directories(folder, error);

  AtomicFile baw(folder / (fields.fileName + ".BAW"));
  if (!baw.create()) {
    ui.message(kBawTexts.cannotCreate, kFileErrorCaption, Icon::Error);
    outcome.status = BawLinStatus::BawFailed;
    return outcome;
  }
  const bool reserveOnly = FlightAttendantFile(doc) &&
                           ui.ask("Do you want to Export ONLY Reserve and Partial Blocks",
                                  kAppCaption, Buttons::YesNo, Icon::Question) == Answer::Yes;
  SelectForExport(doc, reserveOnly);
  if (!Finish(baw, BawText(doc, fields), kBawTexts, ui)) {
    outcome.status = BawLinStatus::BawFailed;
    return outcome;
  }

  AtomicFile lin(folder / (fields.fileName + ".LIN"));
  if (!lin.create()) {
    ui.message(kLinTexts.cannotCreate, kFileErrorCaption, Icon::Error);
    outcome.status = BawLinStatus::LinFailed;
    return outcome;
  }
  const std::string linText = LinText(doc, fields, outcome.summary);
  if (!Finish(lin, linText, kLinTexts, ui)) {
    outcome.status = BawLinStatus::LinFailed;
    return outcome;
  }
  ui.message("Finished Exporting to CrewTrac format", kAppCaption, Icon::Information);
  outcome.summary.push_back("Export Completed");
  return outcome;
}

BawLinExportDialog::BawLinExportDialog(TDocument& doc)
    : fields(DefaultBawLinFields(doc)), doc_(doc) {}

BawLinStatus BawLinExportDialog::exportNow(Ui& ui) {
  summary.clear();
  BawLinOutcome outcome = ExportBawLin(doc_, fields, DefaultExportFolder(doc_), ui);
  summary = std::move(outcome.summary);
  return outcome.status;
}

BawLinImportDialog::BawLinImportDialog(const SettingsStore& settings)
    : startFolder_(ImportStartFolder(settings, kLastBawPath)) {}

void BawLinImportDialog::chooseFile(Ui& ui) const {
  FileDialogOptions options;
  options.title = std::string(kFileTitle);
  options.filter = std::string(kFilter);
  options.startFolder = startFolder_;
  ui.openFiles(options);
  // The choice is all this dialog does; the arrow cursor comes back.
  ui.setWaitCursor(false);
}

}  // namespace lumora
