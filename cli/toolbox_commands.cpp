#include "toolbox_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "building/block_edit.h"
#include "building/other_assignments.h"
#include "commands.h"
#include "imports/toolbox_file.h"
#include "model/code_table.h"
#include "platform/ui.h"
#include "rules/check_block.h"

namespace lumora::cli {

namespace {

const char* Described(PlaceResult result) {
  switch (result) {
    case PlaceResult::Placed:
      return "placed";
    case PlaceResult::RequestSet:
      return "request set";
    case PlaceResult::RequestCleared:
      return "request cleared";
    case PlaceResult::NotEmpty:
      return "not placed: the day is not empty";
    case PlaceResult::InsidePairing:
      return "not placed: the day lies inside a pairing";
    case PlaceResult::PseudoLine:
      return "not placed: the line holds another crew category's pairings";
    case PlaceResult::OutOfRange:
      return "not placed: no such crew member or day of the month";
    case PlaceResult::BadRequest:
      return "not placed: the request number names no request";
  }
  return "";
}

}  // namespace

int RunPlace(const std::string& file, const std::string& output, int crew, int day,
             const std::string& code, Ui& ui, BlockRules& rules, std::ostream& out) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  // The grid takes clicks only once the blocks are built.
  run.session.buildBlocks({});

  const std::optional<ToolboxItem> button = FindToolboxButton(run.session.document(), code);
  if (!button) {
    ui.message("The toolbox has no button \"" + code + "\"", "lumora-cli", Icon::Error);
    return run.finish(output, kExitCannotRun);
  }
  BlockEditContext ctx = run.session.editContext();
  const PlaceResult result = PlaceToolboxItem(ctx, *button, crew, day);
  out << Described(result) << '\n';
  const bool done = result == PlaceResult::Placed || result == PlaceResult::RequestSet ||
                    result == PlaceResult::RequestCleared;
  return run.finish(output, done ? kExitOk : kExitRefused);
}

int RunToolbox(const std::string& file, const std::string& boxFile, const std::string& output,
               Ui& ui) {
  BatchRun run(ui);
  if (!run.open(file)) return kExitCannotRun;
  int status = kExitRefused;
  switch (ReadToolBoxFile(run.session.document(), boxFile, ui)) {
    case ToolBoxOutcome::Loaded:
    case ToolBoxOutcome::NoAirports:
      status = kExitOk;
      break;
    case ToolBoxOutcome::Cancelled:
    case ToolBoxOutcome::CannotOpen:
      status = kExitCannotRun;
      break;
    case ToolBoxOutcome::NotAToolBox:
    case ToolBoxOutcome::NoEntries:
    case ToolBoxOutcome::Damaged:
      status = kExitRefused;
      break;
  }
  return run.finish(output, status);
}

std::unique_ptr<ToolboxCommandLine> AddToolboxCommands(CLI::App& app) {
  auto line = std::make_unique<ToolboxCommandLine>();

  line->place = app.add_subcommand(
      "place", "Press a toolbox button and click an empty day of a block; prints what it did");
  line->place->add_option("FILE", line->file, "Schedule file")->required();
  line->place->add_option("--crew", line->crew, "Roster index of the crew member, from 0")
      ->required();
  line->place->add_option("--day", line->day, "Day index of the month, from 0")->required();
  line->place
      ->add_option("--code", line->code,
                   "Code text of the toolbox button, the request buttons X1 to XM included")
      ->required();
  line->place->add_flag("--yes", line->yes, "Answer Yes to every question");
  line->place->add_option("-o,--output", line->output, "Schedule file to write")->required();

  line->toolbox =
      app.add_subcommand("toolbox", "Load a toolbox definition file (.box) into a schedule file");
  line->toolbox->add_option("FILE", line->file, "Schedule file")->required();
  line->toolbox->add_option("BOXFILE", line->boxFile, "Toolbox definition file")->required();
  line->toolbox->add_flag("--yes", line->yes, "Answer Yes to every question");
  line->toolbox->add_option("-o,--output", line->output, "Schedule file to write")->required();
  return line;
}

std::optional<int> RunChosenToolboxCommand(const ToolboxCommandLine& line, std::ostream& out) {
  BatchUi ui(line.yes);
  if (*line.place) {
    LumoraRules rules;
    return RunPlace(line.file, line.output, line.crew, line.day, line.code, ui, rules, out);
  }
  if (*line.toolbox) return RunToolbox(line.file, line.boxFile, line.output, ui);
  return std::nullopt;
}

}  // namespace lumora::cli
