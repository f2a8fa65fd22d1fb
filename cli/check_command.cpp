#include "check_command.h"

#include <CLI/CLI.hpp>
#include <memory>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "platform/unattended_ui.h"
#include "rules/check_block.h"
#include "rules/exceptions_report.h"
#include "shell/document_lifecycle.h"

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
  // One document per run, as in the desktop program; its arrays are large.
  const auto doc = std::make_unique<TDocument>();
  EventLog log;  // closed: the batch tool keeps no event log
  LumoraRules rules;
  if (!OpenDocument(*doc, file, ui, log, nullptr, &rules).loaded) return kExitCannotRun;
  // A file saved with the grid shown was built by the load already.
  if (!doc->BlocksShown) BuildBlocks(*doc, {}, ui, log, nullptr, &rules);
  for (const std::string& line : ExceptionsReportLines(*doc)) out << OneLine(line) << '\n';
  return kExitOk;
}

std::optional<int> RunChosenCheck(const CheckCommandLine& line, Ui& ui, std::ostream& out) {
  if (line.command == nullptr || !*line.command) return std::nullopt;
  return RunCheck(line.file, ui, out);
}

}  // namespace lumora::cli
