#pragma once
// `lumora-cli report blocks` and `report crew-lines`: the clipboard texts of
// the month's blocks, printed exactly as the clipboard would get them. They
// are registered under the `report` subcommand of rules_commands.cpp.

#include <iosfwd>
#include <string>
#include <vector>

namespace lumora {
class Ui;
}

namespace lumora::cli {

struct ReportBlocksArguments {
  std::vector<int> crew;  // roster indexes, from 0
  bool all = false;
  bool xes = false;    // "Include X's"
  bool pairs = false;  // "Include Full Pairings"
};

// "Copy Blocks to Clipboard" for the chosen crew members. Nothing chosen:
// nothing printed, kExitOk; an index outside the roster: kExitCannotRun.
int RunReportBlocks(const std::string& file, const ReportBlocksArguments& args, Ui& ui,
                    std::ostream& out, std::ostream& err);

// "Print Blocks to Clipboard": the crew lines report, titled with FILE's stem.
int RunReportCrewLines(const std::string& file, Ui& ui, std::ostream& out);

}  // namespace lumora::cli
