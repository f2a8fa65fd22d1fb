#include "building_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "building/assign.h"
#include "building/undo.h"
#include "commands.h"
#include "files/schedule_file.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "rules/check_block.h"
#include "shell/document_lifecycle.h"

namespace lumora::cli {

namespace {

// One document per run, its views absent and its event log closed.
struct EditSession {
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  EventLog log;
  BlockViewSink views;

  bool open(const std::string& file, Ui& ui, BlockRules& rules) {
    return OpenDocument(*doc, file, ui, log, nullptr, &rules).loaded;
  }
  BlockEditContext context(Ui& ui, BlockRules& rules) { return {*doc, ui, log, rules, views}; }
  // The result is written whatever the operation did, refusals included.
  int finish(const std::string& output, Ui& ui, bool done) {
    if (!SaveFile(*doc, output, kScheduleFile, ui, log)) return kExitCannotRun;
    return done ? kExitOk : kExitRefused;
  }
};

}  // namespace

int RunAssign(const std::string& file, const std::string& output, int crew, int pairing, int day,
              bool skipRestChecks, Ui& ui, BlockRules& rules, std::ostream& out) {
  EditSession s;
  if (!s.open(file, ui, rules)) return kExitCannotRun;
  BlockEditContext ctx = s.context(ui, rules);
  const int result = AssignPair(ctx, crew, pairing, day, skipRestChecks);
  out << result << '\n';
  return s.finish(output, ui, result == kAssigned);
}

int RunRemove(const std::string& file, const std::string& output, int crew, int pairing, int day,
              Ui& ui, BlockRules& rules, std::ostream& out) {
  EditSession s;
  if (!s.open(file, ui, rules)) return kExitCannotRun;
  BlockEditContext ctx = s.context(ui, rules);
  const int result = RemovePair(ctx, crew, pairing, day);
  out << result << '\n';
  return s.finish(output, ui, result == kRemoved);
}

int RunUndo(const std::string& file, const std::string& output, Ui& ui, BlockRules& rules) {
  EditSession s;
  if (!s.open(file, ui, rules)) return kExitCannotRun;
  BlockEditContext ctx = s.context(ui, rules);
  const UndoOutcome outcome = UndoLastTransaction(ctx);
  return s.finish(output, ui, outcome == UndoOutcome::Undone);
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
