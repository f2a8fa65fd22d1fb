#include "reports/web_files.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

#include "files/atomic_file.h"
#include "model/calendar.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr const char* kFileErrorCaption = "File Error";
constexpr const char* kCannotCreateCsv = "Cant create CSV file";
constexpr std::size_t kPageCells = 36;

void AppendFormatted(std::string& out, const char* format, long value) {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, format, value);
  if (n > 0)
    out.append(buffer, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
}

// "%Ns": blanks before a shorter text, a longer one whole.
std::string RightAligned(std::string_view text, std::size_t width) {
  std::string out;
  if (text.size() < width) out.append(width - text.size(), ' ');
  out += text;
  return out;
}

void AppendHtml(std::string& out, std::string_view text) {
  for (const char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

void AppendCsvField(std::string& out, std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    out += field;
    return;
  }
  out += '"';
  for (const char c : field) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

CivilDate DateOf(const TDocument& doc, int d) {
  const auto& entry = doc.cal.MonthDays[static_cast<std::size_t>(d)];
  return {entry[0], entry[1], entry[2]};
}

// "%04d-%02d-%02d" or, without dashes, "%04d%02d%02d".
void AppendDate(std::string& out, const CivilDate& date, bool dashes) {
  AppendFormatted(out, "%04ld", date.year);
  if (dashes) out += '-';
  AppendFormatted(out, "%02ld", date.month);
  if (dashes) out += '-';
  AppendFormatted(out, "%02ld", date.day);
}

std::string_view DayName(const TDocument& doc, int d) {
  const auto& name = doc.cal.DayNames[static_cast<std::size_t>(d)];
  return {name.data(),
          static_cast<std::size_t>(std::find(name.begin(), name.end(), '\0') - name.begin())};
}

// "%04s" of an "%02d%02d" time.
std::string Hhmm(std::int32_t minutes) {
  return RightAligned(HoursMinutes(minutes, {.hourWidth = 2, .colon = false}), 4);
}

char PairingLetter(const TPair& pair) {
  return pair.Prefix.empty() || pair.Prefix[0] == '\0' ? ' ' : pair.Prefix[0];
}

enum class WriteResult : std::uint8_t { Written, NotCreated, NotWritten, NotCommitted };

WriteResult WriteWhole(const std::filesystem::path& target, const std::string& text, EventLog* log,
                       std::string_view afterCreate = {}) {
  AtomicFile file(target);
  if (!file.create()) return WriteResult::NotCreated;
  if (log != nullptr && log->isOpen() && !afterCreate.empty()) log->write(afterCreate);
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (!file.write(std::span<const std::uint8_t>(bytes, text.size()))) {
    file.discard();
    return WriteResult::NotWritten;
  }
  return file.commit() ? WriteResult::Written : WriteResult::NotCommitted;
}

}  // namespace

std::string InternetPageText(const TDocument& doc) {
  const int days = doc.monthDays();
  std::string out = "<title>";
  AppendHtml(out, doc.cal.MonthText);
  out += ' ';
  AppendHtml(out, doc.cal.YearText);
  out += "</title>\n";
  out += "<BODY BGCOLOR=\"#ffcc00\" TEXT=\"#000000\" LINK=\"#008080\" VLINK=\"#00aa00\">\n";
  out += "<B><font face=\"Courier\" size=2>\n";
  out += "<center>Crew Blocks for ";
  AppendHtml(out, doc.cal.MonthText);
  out += ' ';
  AppendHtml(out, doc.cal.YearText);
  out += "\n<br><br></center>\n";
  out += "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=1>\n<TR>\n";
  out += "<TH>Name</TH><TH>Emp Num</TH><TH>Block</TH>";
  for (int d = 0; d < days; ++d) {
    out += "<TH>";
    AppendHtml(out, DayName(doc, d));
    AppendFormatted(out, " %02ld</TH>", DateOf(doc, d).day);
  }
  out += "\n<TR>\n";
  out += "<B><font face=\"Arial\" size=1>\n";

  std::array<std::string, kPageCells> cells;
  const auto setCell = [&cells](int index, std::string_view text) {
    if (index < 0 || static_cast<std::size_t>(index) >= kPageCells) return;
    std::string& cell = cells[static_cast<std::size_t>(index)];
    cell = "<TD>";
    AppendHtml(cell, text);
    cell += "</TD>";
  };
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    out += "<TR><TD>";
    AppendHtml(out, pilot.Name);
    out += "</TD>";
    AppendFormatted(out, "<TD>%ld</TD>", pilot.EmpNumber);
    AppendFormatted(out, "<TD>%02ld", pilot.BlockCreditHours);
    AppendFormatted(out, ":%02ld</TD>", pilot.BlockCreditMinutes);

    for (std::size_t i = 0; i < kPageCells; ++i)
      cells[i] = static_cast<int>(i) < days ? "<TD>X</TD>" : "";
    for (int d = 0; d < days; ++d) {
      const auto day = static_cast<std::size_t>(d);
      const std::int32_t cell = pilot.DayCell[day];
      if (doc.isPairIndex(cell)) {
        const TPair& pair = doc.pair(cell);
        setCell(d, std::to_string(pair.Number));
        if (pair.Overnight != 0) setCell(d + 1, "->");
        const std::string_view stations = pair.LayoverText;
        for (std::size_t k = 0; (k + 1) * 3 <= stations.size(); ++k)
          setCell(d + 1 + static_cast<int>(k), stations.substr(k * 3, 3));
      } else if (cell == kOtherAssignmentCell) {
        setCell(d, pilot.DayCode[day]);
        const DayRecord& other = pilot.DayOther[day];
        if (std::int64_t{other[kOtherStartTime]} + other[kOtherHoursAtWork] > kMinutesPerDay)
          setCell(d + 1, "->");
      }
    }
    for (const std::string& cell : cells) out += cell;
    out += "</TR>\n";
  }
  return out;
}

std::string InternetCsvText(const TDocument& doc) {
  std::string out;
  AppendCsvField(out, doc.cal.MonthText);
  out += ',';
  AppendCsvField(out, doc.cal.YearText);
  out += '\n';
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    AppendCsvField(out, pilot.Name);
    AppendFormatted(out, ",%ld", pilot.EmpNumber);
    for (int d = 0; d < doc.monthDays(); ++d) {
      const auto day = static_cast<std::size_t>(d);
      const std::int32_t cell = pilot.DayCell[day];
      if (doc.isPairIndex(cell)) {
        AppendFormatted(out, ",%04ld,", doc.pair(cell).Number);
      } else if (cell == kOtherAssignmentCell) {
        out += ',';
        AppendCsvField(out, RightAligned(pilot.DayCode[day], 3));
        out += ',';
      } else {
        continue;
      }
      AppendDate(out, DateOf(doc, d), true);
    }
    out += '\n';
  }
  return out;
}

std::string MonthLayoutText(const TDocument& doc) {
  const int days = doc.monthDays();
  std::string out = "Name,Emp Num,";
  for (int d = 0; d < days; ++d) {
    if (d > 0) out += ',';
    AppendDate(out, DateOf(doc, d), true);
  }
  out += '\n';
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    AppendCsvField(out, pilot.Name);
    AppendFormatted(out, ",%ld,", pilot.EmpNumber);
    for (int d = 0; d < days; ++d) {
      const auto day = static_cast<std::size_t>(d);
      if (d > 0) out += ',';
      const std::int32_t cell = pilot.DayCell[day];
      if (doc.isPairIndex(cell)) {
        const TPair& pair = doc.pair(cell);
        std::string field(1, PairingLetter(pair));
        AppendFormatted(field, "%04ld", pair.Number);
        AppendCsvField(out, field);
      } else if (cell == kOtherAssignmentCell) {
        AppendCsvField(out, RightAligned(pilot.DayCode[day], 3));
      }
    }
    out += '\n';
  }
  out += '\n';
  return out;
}

std::string PlannedAbsencesText(const TDocument& doc) {
  const int days = doc.monthDays();
  std::string out = "CNTL,";
  if (days > 0) {
    AppendDate(out, DateOf(doc, 0), false);
    out += ',';
    AppendDate(out, DateOf(doc, days - 1), false);
  } else {
    out += ',';
  }
  out += ",PILOT,\n";
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    for (int d = 0; d < days; ++d) {
      const auto day = static_cast<std::size_t>(d);
      if (pilot.DayCell[day] != kOtherAssignmentCell) continue;
      const DayRecord& other = pilot.DayOther[day];
      const CivilDate date = DateOf(doc, d);
      AppendFormatted(out, "%ld,", pilot.EmpNumber);
      AppendCsvField(out, pilot.DayCode[day]);
      out += ',';
      AppendDate(out, date, false);
      out += ',' + Hhmm(other[kOtherStartTime]) + ',';
      std::int64_t end = std::int64_t{other[kOtherStartTime]} + other[kOtherHoursAtWork];
      CivilDate endDate = date;
      if (end > kMinutesPerDay) {
        end -= kMinutesPerDay;
        endDate = FromDayNumber(ToDayNumber(date) + 1);
      }
      AppendDate(out, endDate, false);
      out += ',' + Hhmm(static_cast<std::int32_t>(end)) + '\n';
    }
  }
  return out;
}

std::string TrainingReportText(const TDocument& doc) {
  const int days = doc.monthDays();
  std::string out = "Lumora Training Report\n";
  AppendCsvField(out, RightAligned(doc.FileDescriptor, 9));
  out += ',';
  if (days > 0) {
    AppendDate(out, DateOf(doc, 0), false);
    out += ',';
    AppendDate(out, DateOf(doc, days - 1), false);
  } else {
    out += ',';
  }
  out += '\n';

  const char letter =
      doc.FileDescriptor.size() > 8 && doc.FileDescriptor[8] != '\0' ? doc.FileDescriptor[8] : ' ';
  std::int64_t indoc = 0;
  std::int64_t check = 0;
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    const TPilot& pilot = doc.pilot(crew);
    for (int d = 0; d < days; ++d) {
      const auto day = static_cast<std::size_t>(d);
      const std::int32_t cell = pilot.DayCell[day];
      if (!doc.isPairIndex(cell)) continue;
      const TPair& pair = doc.pair(cell);
      const std::int32_t type = pair.DayPairingType[day];
      if (type != 1 && type != 2) continue;
      out += type == 1 ? "INDOC," : "CHECK,";
      AppendFormatted(out, "%09ld,", pilot.EmpNumber);
      std::string field(1, letter);
      AppendFormatted(field, "%4ld", pair.Number);
      AppendCsvField(out, field);
      out += ',';
      AppendFormatted(out, "%4ld", DateOf(doc, d).year);
      AppendFormatted(out, "%02ld", DateOf(doc, d).month);
      AppendFormatted(out, "%02ld\n", DateOf(doc, d).day);
      (type == 1 ? indoc : check) += pair.Credit;
    }
  }
  out += "TOTAL CREDIT MINS,INDOC,";
  AppendFormatted(out, "%08ld", static_cast<long>(indoc));
  out += ",CHECK,";
  AppendFormatted(out, "%08ld\n", static_cast<long>(check));
  return out;
}

WebFileNames WebFilesIn(const std::filesystem::path& folder, std::string_view stem) {
  const std::string name(stem);
  return {folder / (name + ".htm"), folder / (name + ".csv"), folder / (name + "_Month_Layout.csv"),
          folder / (name + " CT Planned Absences.csv")};
}

std::filesystem::path DefaultWebFolder(const TDocument& doc) {
  return std::filesystem::path(doc.FileName).parent_path();
}

bool SaveForInternet(const TDocument& doc, const std::filesystem::path& folder,
                     std::string_view stem, Ui& ui, EventLog* log) {
  const WebFileNames names = WebFilesIn(folder, stem);
  const auto failed = [&ui](const char* text) {
    ui.message(text, kFileErrorCaption, Icon::Error);
    return false;
  };
  const bool logging = log != nullptr && log->isOpen();
  // Any failure of a file is reported as its own: nothing of it was written.
  if (WriteWhole(names.page, InternetPageText(doc), log, "SaveForNetBegin\n") !=
      WriteResult::Written)
    return failed("Cant create file for Internet Publishing");
  if (logging) log->write("SaveForNetEnd\n");
  if (logging) log->write("Save CSV begin\n");
  if (WriteWhole(names.csv, InternetCsvText(doc), log) != WriteResult::Written)
    return failed(kCannotCreateCsv);
  if (WriteWhole(names.layout, MonthLayoutText(doc), log) != WriteResult::Written)
    return failed(kCannotCreateCsv);
  if (logging) log->write("Save CSV begin\n");
  if (WriteWhole(names.absences, PlannedAbsencesText(doc), log) != WriteResult::Written)
    return failed(kCannotCreateCsv);

  std::string shown = folder.string();
  while (shown.size() > 1 && shown.back() == '/') shown.pop_back();
  ui.message("HTML and Various CVS Files Saved to folder " + shown, kAppCaption, Icon::Information);
  return true;
}

bool WriteTrainingReport(const TDocument& doc, const std::filesystem::path& target, Ui& ui) {
  switch (WriteWhole(target, TrainingReportText(doc), nullptr)) {
    case WriteResult::Written:
      return true;
    case WriteResult::NotCreated:
      ui.message("Cant create file for Exporting Data", kFileErrorCaption, Icon::Error);
      return false;
    case WriteResult::NotWritten:
      ui.message("Can't Save CSV File!", kFileErrorCaption, Icon::Error);
      return false;
    case WriteResult::NotCommitted:
      ui.message("Cannot Save CSV File to specified disk. Disk may be full", kFileErrorCaption,
                 Icon::Error);
      return false;
  }
  return false;
}

std::optional<std::string> ChooseTrainingReportFile(Ui& ui) {
  FileDialogOptions options;
  options.title = "Export Training and Line Check Data";
  options.filter = "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*";
  return ui.saveFile(options);
}

}  // namespace lumora
