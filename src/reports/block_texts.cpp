#include "reports/block_texts.h"

#include <algorithm>
#include <cstdio>

#include "building/block_edit.h"
#include "building/block_figures.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/clipboard.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"
#include "rules/days_off.h"

namespace lumora {

namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::size_t kNameWidth = 11;
constexpr int kCrewPerTitle = 6;

// "%02d:%02d", "%2d:%02d".
std::string ZeroPadded(std::int64_t minutes) {
  return HoursMinutes(minutes, {.hourWidth = 2});
}
std::string BlankPadded(std::int64_t minutes) {
  return HoursMinutes(minutes, {.hourWidth = 2, .hourPad = ' '});
}

void AppendNumber(std::string& out, const char* format, long value) {
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, format, value);
  if (n > 0)
    out.append(buffer, std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
}

int CalendarDay(const TDocument& doc, int d) {
  return doc.cal.MonthDays[static_cast<std::size_t>(d)][0];
}

std::string_view DayName(const TDocument& doc, int d) {
  const auto& name = doc.cal.DayNames[static_cast<std::size_t>(d)];
  return {name.data(),
          static_cast<std::size_t>(std::find(name.begin(), name.end(), '\0') - name.begin())};
}

// Blanks and tabs at the line's end go.
void AppendTrimmed(std::string& out, std::string_view line) {
  const std::size_t end = line.find_last_not_of(" \t");
  out += line.substr(0, end == std::string_view::npos ? 0 : end + 1);
  out += kLineEnd;
}

char At(std::string_view text, std::size_t index) {
  return index < text.size() && text[index] != '\0' ? text[index] : ' ';
}

bool FlightAttendants(const TDocument& doc) {
  return doc.crewKind() == CrewKind::FlightAttendants;
}

// --- clipboard calendar

void AppendCalendar(std::string& out, const TDocument& doc, const TPilot& pilot,
                    const ClipboardBlockOptions& options) {
  const int days = doc.monthDays();
  std::string dates(static_cast<std::size_t>(std::clamp(doc.cal.FirstWeekday, 0, 6)), '\t');
  std::string assignments = dates;
  std::string requests = dates;
  for (int d = 0; d < days; ++d) {
    const auto day = static_cast<std::size_t>(d);
    AppendNumber(dates, "%02ld ", CalendarDay(doc, d));
    dates += '\t';
    const std::int32_t cell = pilot.DayCell[day];
    if (doc.isPairIndex(cell)) {
      AppendNumber(assignments, "P%04ld", doc.pair(cell).Number);
    } else if (cell == kOtherAssignmentCell) {
      assignments += pilot.DayCode[day];
      assignments += ' ';
    }
    assignments += '\t';
    if (pilot.DayRequest[day] != 0) {
      const std::string label = RequestLabel(pilot.DayRequest[day]);
      if (!label.empty()) requests += label + ' ';
    }
    requests += '\t';
    const bool saturday = (doc.cal.FirstWeekday + d) % 7 == 6;
    if (saturday || d == days - 1) {
      AppendTrimmed(out, dates);
      AppendTrimmed(out, assignments);
      if (options.includeXes) AppendTrimmed(out, requests);
      out += kLineEnd;
      dates.clear();
      assignments.clear();
      requests.clear();
    }
  }
  out += kLineEnd;
  out += kLineEnd;
}

void AppendFullPairings(std::string& out, const TDocument& doc, const TPilot& pilot) {
  for (int d = 0; d < doc.monthDays(); ++d) {
    const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
    if (!doc.isPairIndex(cell)) continue;
    for (const char c : doc.pair(cell).DisplayText) {
      if (c == '\n') out += '\r';
      out += c;
    }
    out += kLineEnd;
    out += kLineEnd;
  }
}

// --- crew lines

// The five lines of one crew member, built column by column.
struct FiveLines {
  std::array<std::string, 5> line;

  void column(const std::array<std::string_view, 5>& cells) {
    for (std::size_t i = 0; i < 5; ++i) line[i] += cells[i];
  }
  void blank() { column({"    ", "    ", "    ", "    ", "    "}); }
  // " %c  " downward for three characters, then two blank cells.
  void downward(std::string_view text) {
    for (std::size_t i = 0; i < 3; ++i) {
      line[i] += ' ';
      line[i] += At(text, i);
      line[i] += "  ";
    }
    line[3] += "    ";
    line[4] += "    ";
  }
  // " %c|%c" pairs downward; `first` replaces line 1's leading blank.
  void barred(std::string_view left, std::string_view right, char first = ' ') {
    for (std::size_t i = 0; i < 5; ++i) {
      line[i] += i == 0 ? first : ' ';
      line[i] += At(left, i);
      line[i] += '|';
      line[i] += At(right, i);
    }
  }
};

std::string CrewLinesTitle(const TDocument& doc, std::string_view fileStem) {
  std::string title = "Crew Lines for " + doc.cal.MonthText + " " + doc.cal.YearText + "  ";
  title += fileStem;
  title += "\n";
  title += kLineEnd;
  return title;
}

void AppendCrewMember(std::string& out, TDocument& doc, int crew, const std::string& dayNumbers,
                      const std::string& dayNames, Ui& ui) {
  const std::int32_t credit = ReportBlockCredit(doc, crew, ui);
  const TPilot& pilot = doc.pilot(crew);
  const int days = doc.monthDays();
  const bool attendants = FlightAttendants(doc);

  std::string name = pilot.Name.substr(0, kNameWidth);
  name.resize(kNameWidth, ' ');
  out += name + ' ' + dayNumbers + std::string(kLineEnd);
  out += std::string(12, ' ') + dayNames + std::string(kLineEnd);

  FiveLines five;
  five.line[0] = "IN  " + ZeroPadded(credit) + "  ";
  five.line[1] = "OUT " + BlankPadded(credit) + "  ";
  five.line[2] = "OFF ";
  AppendNumber(five.line[2], "%02ld     ", CountDaysOff(doc, crew));
  five.line[3] = "C/I " + ZeroPadded(pilot.CreditCarriedIn()) + "  ";
  five.line[4] = "DC  " + ZeroPadded(pilot.DraftCredit) + "  ";

  int d = 0;
  std::int64_t carry = std::int64_t{pilot.LegalCheckIn()} - (attendants ? 720 : 660);
  const auto empty = [&](int day) {
    return day < days && pilot.DayCell[static_cast<std::size_t>(day)] == kEmptyCell;
  };
  while (carry > 0 && empty(d)) {
    five.column({" C  ", " /  ", " I  ", "->  ", "->  "});
    carry -= kMinutesPerDay;
    ++d;
  }

  for (; d < days; ++d) {
    const auto day = static_cast<std::size_t>(d);
    const std::int32_t cell = pilot.DayCell[day];
    if (doc.isPairIndex(cell)) {
      const TPair& pair = doc.pair(cell);
      std::string number(1, At(pair.Prefix, 0));
      AppendNumber(number, "%04ld", pair.Number);
      const char mark = attendants && pair.CrewPosition == "PU" ? '*' : ' ';
      five.barred(number, ZeroPadded(pair.OnTime), mark);
      if (pair.Overnight == 0) {
        const std::string_view stations = pair.LayoverText;
        for (std::size_t k = 0; k + 3 <= stations.size() && empty(d + 1); k += 3) {
          five.downward(stations.substr(k, 3));
          ++d;
        }
      } else if (empty(d + 1)) {
        five.column({" -> ", " -> ", " -> ", " -> ", " -> "});
        ++d;
      }
    } else if (cell == kOtherAssignmentCell) {
      const std::string_view code = pilot.DayCode[day];
      if (pilot.DayOther[day][kOtherContainsDuty] != 0) {
        five.barred(code, ZeroPadded(pilot.DayOther[day][kOtherStartTime]));
      } else {
        five.downward(code);
      }
    } else {
      five.blank();
    }
  }
  for (const std::string& line : five.line) {
    out += line;
    out += kLineEnd;
  }
  out += kLineEnd;
}

}  // namespace

std::int32_t ReportBlockCredit(TDocument& doc, int crew, Ui& ui) {
  TPilot& pilot = doc.pilot(crew);
  const std::int32_t hours = pilot.BlockCreditHours;
  const std::uint8_t minutes = pilot.BlockCreditMinutes;
  const std::int32_t tbb = pilot.TbbCredit;
  const std::int32_t alb = pilot.AlbCredit;
  BlockViewSink quiet;
  const std::int32_t credit = RecalcBlockCredit(doc, crew, false, ui, quiet);
  pilot.BlockCreditHours = hours;
  pilot.BlockCreditMinutes = minutes;
  pilot.TbbCredit = tbb;
  pilot.AlbCredit = alb;
  return credit;
}

std::string ClipboardBlocksText(TDocument& doc, const ClipboardBlockOptions& options, Ui& ui,
                                EventLog* log) {
  std::string out = "Selected Blocks for " + doc.cal.MonthText + " " + doc.cal.YearText + ".";
  out += kLineEnd;
  out += kLineEnd;
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    if (doc.pilot(crew).ClipSelected == 0) continue;
    const std::int32_t credit = ReportBlockCredit(doc, crew, ui);
    const TPilot& pilot = doc.pilot(crew);
    if (log != nullptr && log->isOpen())
      log->write("Adding Employee " + pilot.Name + " to Clipboard\n");
    out += "Name: " + pilot.Name + "  Emp: ";
    AppendNumber(out, "%09ld", pilot.EmpNumber);
    out += "  Credit " + ZeroPadded(credit) + " ";
    out += kLineEnd;
    out += kLineEnd;
    out += "\t\t     " + doc.cal.MonthText + "   " + doc.cal.YearText;
    out += kLineEnd;
    out += kLineEnd;
    out += "SUN\tMON\tTUE\tWED\tTHU\tFRI\tSAT";
    out += kLineEnd;
    out += kLineEnd;
    AppendCalendar(out, doc, pilot, options);
    if (options.includePairs) AppendFullPairings(out, doc, pilot);
    out += kLineEnd;
  }
  return out;
}

std::string CrewLinesText(TDocument& doc, std::string_view fileStem, Ui& ui) {
  const std::string title = CrewLinesTitle(doc, fileStem);
  std::string dayNumbers;
  std::string dayNames;
  for (int d = 0; d < doc.monthDays(); ++d) {
    AppendNumber(dayNumbers, "%02ld  ", CalendarDay(doc, d));
    const std::string_view name = DayName(doc, d);
    if (name.size() < 2) dayNames.append(2 - name.size(), ' ');
    dayNames += name;
    dayNames += "  ";
  }

  std::string out = title;
  if (FlightAttendants(doc)) {
    out += "Crew Lines for " + doc.cal.MonthText + " " + doc.cal.YearText +
           ". Pairings Preceded by an * are Purser Pairings";
    out += kLineEnd;
  }
  for (int crew = 0; crew < doc.rosterSize(); ++crew) {
    if (crew > 0 && crew % kCrewPerTitle == 0) out += title;
    AppendCrewMember(out, doc, crew, dayNumbers, dayNames, ui);
  }
  return out;
}

void CopyCrewLines(TDocument& doc, std::string_view fileStem, Clipboard& clipboard, Ui& ui) {
  if (!clipboard.setText(CrewLinesText(doc, fileStem, ui))) {
    ui.message("Error Copying to Windows Clipboard.", kAppCaption, Icon::Warning);
    return;
  }
  ui.message(
      "Blocks copied to Windows Clipboard. To view select Edit, Paste from your Word Processing "
      "program.",
      kAppCaption, Icon::Information);
}

CopyBlocksDialog::CopyBlocksDialog(TDocument& doc, SettingsStore& settings)
    : doc_(doc), settings_(settings) {
  const int count = doc.rosterSize();
  names_.reserve(static_cast<std::size_t>(count));
  for (int crew = 0; crew < count; ++crew) names_.push_back(doc.pilot(crew).Name);
  selected.assign(names_.size(), false);
  options.includeXes = ReadSettingFlag(settings, kClipXes);
  options.includePairs = ReadSettingFlag(settings, kClipPairs);
}

bool CopyBlocksDialog::accept(Ui&) {
  copyRequested_ = std::find(selected.begin(), selected.end(), true) != selected.end();
  if (!copyRequested_) return true;
  for (int crew = 0; crew < doc_.rosterSize(); ++crew) {
    const auto index = static_cast<std::size_t>(crew);
    doc_.pilot(crew).ClipSelected = index < selected.size() && selected[index] ? 1 : 0;
  }
  WriteSettingFlag(settings_, kClipXes, options.includeXes);
  WriteSettingFlag(settings_, kClipPairs, options.includePairs);
  return true;
}

void CopyBlocksToClipboard(TDocument& doc, const ClipboardBlockOptions& options,
                           Clipboard& clipboard, Ui& ui, EventLog* log) {
  if (log != nullptr && log->isOpen()) log->write("Copying Blocks To Clipboard\n");
  clipboard.setText(ClipboardBlocksText(doc, options, ui, log));
}

}  // namespace lumora
