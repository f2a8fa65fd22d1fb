#include "building_commands.h"

#include <CLI/CLI.hpp>
#include <iostream>
#include <ostream>

#include "batch_ui.h"
#include "building/assign.h"
#include "building/undo.h"
#include "commands.h"
#include "model/document.h"
#include "rules/check_block.h"

namespace lumora::cli {
namespace {

// The result code stays alone on stdout for scripts; its meaning goes to stderr.
const char* AssignMeaning(int result) {
  switch (result) {
    case kAssigned:
      return "assigned";
    case kAssignRefused:
      return "refused: the day is taken, the rest is too short, or a question was answered No";
    case kPairingNotOnDay:
      return "refused: the pairing does not start on that day";
    case kInstanceAssigned:
      return "refused: that instance is already assigned";
    case kCrewOutOfRange:
      return "refused: no crew member has that index";
    case kPairingOutOfRange:
      return "refused: no pairing has that index";
    case kReserveDeclined:
      return "refused: the bidding-reserve question was answered No";
    default:
      return "refused";
  }
}

const char* RemoveMeaning(int result) {
  switch (result) {
    case kRemoved:
      return "removed";
    case kCellHoldsNoPairing:
      return "refused: the crew member's day does not hold that pairing";
    case kInstanceOpen:
      return "refused: that instance is open";
    default:
      return AssignMeaning(result);
  }
}

// The table position of pairing `number` for the instance on `day`: for an
// assignment its open copy, for a removal the copy in the crew member's day;
// -1 when there is none.
int PairingOfNumber(const TDocument& doc, int number, int crew, int day, bool removing) {
  if (day < 0 || day >= kMonthDays) return -1;
  const auto d = static_cast<std::size_t>(day);
  if (removing) {
    if (crew < 0 || crew >= doc.PilotCount) return -1;
    const int held = doc.Pilots[static_cast<std::size_t>(crew)].DayCell[d];
    return held >= 0 && held <= doc.LastPair && doc.pair(held).Number == number ? held : -1;
  }
  int any = -1;
  for (int p = 0; p <= doc.LastPair; ++p) {
    const TPair& pair = doc.pair(p);
    if (pair.Number != number || pair.DayStatus[d] == 0) continue;
    if (pair.DayStatus[d] == kOpenInstance) return p;
    if (any < 0) any = p;
  }
  return any;
}

}  // namespace

bool ResolvePairingNumber(const TDocument& doc, const std::optional<int>& number, int crew, int day,
                          bool removing, int& pairing) {
  if (!number) return true;
  pairing = PairingOfNumber(doc, *number, crew, day, removing);
  if (pairing >= 0) return true;
  std::cerr << "lumora-cli: no pairing numbered " << *number
            << (removing ? " in that crew member's day " : " operates on day ") << day << '\n';
  return false;
}

int RunAssign(const std::string& file, const std::string& output, int crew, int pairing, int day,
              bool skipRestChecks, Ui& ui, BlockRules& rules, std::ostream& out,
              std::optional<int> number) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  if (!ResolvePairingNumber(run.session.document(), number, crew, day, false, pairing))
    return kExitCannotRun;
  BlockEditContext ctx = run.session.editContext();
  const int result = AssignPair(ctx, crew, pairing, day, skipRestChecks);
  out << result << '\n';
  std::cerr << "lumora-cli: " << result << " " << AssignMeaning(result) << '\n';
  return run.finish(output, result == kAssigned ? kExitOk : kExitRefused);
}

int RunRemove(const std::string& file, const std::string& output, int crew, int pairing, int day,
              Ui& ui, BlockRules& rules, std::ostream& out, std::optional<int> number) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  if (!ResolvePairingNumber(run.session.document(), number, crew, day, true, pairing))
    return kExitCannotRun;
  BlockEditContext ctx = run.session.editContext();
  const int result = RemovePair(ctx, crew, pairing, day);
  out << result << '\n';
  std::cerr << "lumora-cli: " << result << " " << RemoveMeaning(result) << '\n';
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
    auto* index = sub->add_option("--pairing", line->pairing, "Pairing index, from 0");
    auto* number = sub->add_option("--number", line->number,
                                   "Pairing number (4 digits), instead of --pairing");
    index->excludes(number);
    number->excludes(index);
    sub->callback([index, number] {
      if (index->count() + number->count() == 0) throw CLI::RequiredError("--pairing or --number");
    });
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
                     rules, out, line.number);
  }
  if (*line.remove) {
    return RunRemove(line.file, line.output, line.crew, line.pairing, line.day, ui, rules, out,
                     line.number);
  }
  if (*line.undo) return RunUndo(line.file, line.output, ui, rules);
  return std::nullopt;
}

}  // namespace lumora::cli
