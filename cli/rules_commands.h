#pragma once
// The batch tool's queries and settings of the month's rules: who is legal
// for a pairing instance, the month's blocking rules, and the two read-only
// summaries of the month.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

#include "report_commands.h"

namespace CLI {
class App;
}

namespace lumora {
class Ui;
}

namespace lumora::cli {

// The dialog's caption, the legal list, an empty line and the bid list. A
// pairing or day index out of range, or a day without an open instance of
// the pairing: a message on `err`, kExitCannotRun.
int RunWhosLegal(const std::string& file, int pairing, int day, Ui& ui, std::ostream& out,
                 std::ostream& err);

// The explanation of whether pairing `pairing` (or the open one numbered
// `number`) starting on day index `day` could go into crew member `crew`'s
// block: kExitOk when it could, kExitRefused when not. Indexes outside the
// month, or no pairing of that number on the day: a message on `err`,
// kExitCannotRun.
int RunWhyNot(const std::string& file, int crew, int pairing, int day, std::optional<int> number,
              Ui& ui, std::ostream& out, std::ostream& err);

// The "Global Information" lines, one per line.
int RunGlobalReport(const std::string& file, Ui& ui, std::ostream& out);
// The pairing report as the clipboard gets it (CR LF line ends kept), two
// line feeds, the segment summary and a final line feed.
int RunPairingsReport(const std::string& file, Ui& ui, std::ostream& out);

// The blocking rules to set; a value the dialog's bars cannot reach, or a
// time not written HH:MM, is refused before anything is read or written.
struct MonthRuleValues {
  std::optional<std::string> avg, max, min, checkPilotMax, reducedMax, reducedMin;
  std::optional<int> daysOffHolder, daysOffReserve, reducedMinDaysOff;
};
int RunSetupMonth(const std::string& file, const std::string& output, const MonthRuleValues& values,
                  Ui& ui, std::ostream& err);

struct RulesCommandLine {
  CLI::App* whosLegal = nullptr;
  CLI::App* why = nullptr;
  CLI::App* reportGlobal = nullptr;
  CLI::App* reportPairings = nullptr;
  CLI::App* reportBlocks = nullptr;
  CLI::App* reportCrewLines = nullptr;
  CLI::App* setupMonth = nullptr;
  std::string file;
  std::string output;
  int crew = 0;
  int pairing = 0;
  int day = 0;
  std::optional<int> number;
  MonthRuleValues month;
  ReportBlocksArguments blocks;
};

std::unique_ptr<RulesCommandLine> AddRulesCommands(CLI::App& app);

std::optional<int> RunChosenRulesCommand(const RulesCommandLine& line, Ui& ui, std::ostream& out,
                                         std::ostream& err);

}  // namespace lumora::cli
