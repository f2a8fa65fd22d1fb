#include "check_command.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "platform/unattended_ui.h"
#include "rules/exceptions_report.h"

namespace lumora::cli {

std::unique_ptr<CheckCommandLine> AddCheckCommand(CLI::App& app) {
  auto line = std::make_unique<CheckCommandLine>();
  CLI::App* command = app.add_subcommand(
      "check", "Build the blocks of a schedule file and print the exceptions and warnings report");
  command->add_option("FILE", line->file, "Schedule file")->required();
  line->command = command;
  return line;
}

int RunCheck(const std::string& file, Ui& ui, std::ostream& out) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  // A file saved with the grid shown was built by the load already.
  run.session.buildBlocks({});
  for (const std::string& line : ExceptionsReportLines(run.session.document()))
    out << OneLine(line) << '\n';
  return kExitOk;
}

std::optional<int> RunChosenCheck(const CheckCommandLine& line, Ui& ui, std::ostream& out) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  return RunCheck(line.file, ui, out);
}

}  // namespace lumora::cli
