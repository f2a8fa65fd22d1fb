#include "building_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "building/assign.h"
#include "building/undo.h"
#include "commands.h"
#include "rules/check_block.h"

namespace lumora::cli {

int RunAssign(const std::string& file, const std::string& output, int crew, int pairing, int day,
              bool skipRestChecks, Ui& ui, BlockRules& rules, std::ostream& out) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  BlockEditContext ctx = run.session.editContext();
  const int result = AssignPair(ctx, crew, pairing, day, skipRestChecks);
  out << result << '\n';
  return run.finish(output, result == kAssigned ? kExitOk : kExitRefused);
}

int RunRemove(const std::string& file, const std::string& output, int crew, int pairing, int day,
              Ui& ui, BlockRules& rules, std::ostream& out) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  BlockEditContext ctx = run.session.editContext();
  const int result = RemovePair(ctx, crew, pairing, day);
  out << result << '\n';
  return run.finish(output, result == kRemoved ? kExitOk : kExitRefused);
}

int RunUndo(const std::string& file, const std::string& output, Ui& ui, BlockRules& rules) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  BlockEditContext ctx = run.session.editContext();
  const UndoOutcome outcome = UndoLastTransaction(ctx);
  return run.finish(output, outcome == UndoOutcome::Undone ? kExitOk : kExitRefused);
}

std::unique_ptr<BuildingCommandLine> AddBuildingCommands(CLI::App& app) {
  auto line = std::make_unique<BuildingCommandLine>();
  const auto common = [&line](CLI::App* sub) {
    sub->add_option("FILE", line->file, "Schedule file")->required();
    sub->add_option("-o,--output", line->output, "Schedule file to write")->required();
  };
  const auto instance = [&line](CLI::App* sub) {
    sub->add_option("--crew", line->crew, "Roster index of the crew member, from 0")->required();
    sub->add_option("--pairing", line->pairing, "Pairing index, from 0")->required();
    sub->add_option("--day", line->day, "Day index of the month, from 0")->required();
  };

  line->assign = app.add_subcommand(
      "assign", "Assign a pairing instance to a crew member; prints the result code");
  common(line->assign);
  instance(line->assign);
  line->assign->add_flag("--shift", line->shift, "Skip the rest checks, as a Shift-click does");
  line->assign->add_flag("--yes", line->yes, "Answer Yes to every question");

  line->remove = app.add_subcommand(
      "remove", "Send a crew member's pairing instance back to open; prints the result code");
  common(line->remove);
  instance(line->remove);

  line->undo = app.add_subcommand("undo", "Undo the newest pairing transaction");
  common(line->undo);
  line->undo->add_flag("--yes", line->yes, "Answer Yes to every question");
  return line;
}

std::optional<int> RunChosenBuildingCommand(const BuildingCommandLine& line, std::ostream& out) {
  BatchUi ui(line.yes);
  LumoraRules rules;
  if (*line.assign) {
    return RunAssign(line.file, line.output, line.crew, line.pairing, line.day, line.shift, ui,
                     rules, out);
  }
  if (*line.remove) {
    return RunRemove(line.file, line.output, line.crew, line.pairing, line.day, ui, rules, out);
  }
  if (*line.undo) return RunUndo(line.file, line.output, ui, rules);
  return std::nullopt;
}

}  // namespace lumora::cli
