#include "roster_commands.h"

#include <CLI/CLI.hpp>
#include <ostream>

#include "batch_ui.h"
#include "commands.h"
#include "rules/check_block.h"
#include "views/roster_dialogs.h"

namespace lumora::cli {

int RunRoster(const std::string& file, const std::string& output, const RosterEdit& edit, Ui& ui,
              BlockRules& rules, std::ostream& out) {
  BatchRun run(ui, nullptr, &rules);
  if (!run.open(file)) return kExitCannotRun;
  DocumentSession& session = run.session;
  // The desktop closes the grid while the roster changes under it and
  // builds the blocks afterwards; so does the batch run.
  const WindowSwitches windows = session.shownWindows();
  session.closeViews();

  RosterDialog dialog(session.document());
  bool changed = false;
  switch (edit.kind) {
    case RosterEdit::Kind::Insert:
      dialog.indexText = edit.insertAt;
      dialog.nameText = edit.name;
      dialog.empText = edit.empNumber;
      changed = dialog.insert(ui);
      break;
    case RosterEdit::Kind::Delete:
      dialog.select(edit.position - 1);
      changed = dialog.deleteSelected(ui);
      break;
    case RosterEdit::Kind::Move:
      changed = dialog.drop(edit.position - 1, edit.to - 1);
      if (changed) out << dialog.status() << '\n';
      break;
  }
  session.buildBlocks(windows);
  return run.finish(output, changed ? kExitOk : kExitRefused);
}

std::unique_ptr<RosterCommandLine> AddRosterCommands(CLI::App& app) {
  auto line = std::make_unique<RosterCommandLine>();
  CLI::App* sub = app.add_subcommand(
      "roster", "Insert, delete or move a crew member as the roster dialog does");
  line->roster = sub;
  sub->add_option("FILE", line->file, "Schedule file")->required();
  sub->add_option("-o,--output", line->output, "Schedule file to write")->required();
  // Exactly one operation.
  CLI::Option_group* operation = sub->add_option_group("operation");
  CLI::Option* insert =
      operation->add_option("--insert", line->insertAt, "Insert at this roster position (from 1)");
  CLI::Option* name = sub->add_option("--name", line->name, "Name of the inserted crew member");
  CLI::Option* emp =
      sub->add_option("--emp", line->empNumber, "Employee number of the inserted crew member");
  operation->add_option("--delete", line->deletePosition,
                        "Delete the crew member at this position");
  CLI::Option* from =
      operation->add_option("--move", line->moveFrom, "Move the crew member at this position");
  CLI::Option* to = sub->add_option("--to", line->moveTo, "Position to move him to");
  sub->add_flag("--yes", line->yes, "Answer Yes to every question");
  operation->require_option(1);
  insert->needs(name)->needs(emp);
  name->needs(insert);
  emp->needs(insert);
  from->needs(to);
  to->needs(from);
  return line;
}

std::optional<int> RunChosenRosterCommand(const RosterCommandLine& line, std::ostream& out) {
  if (!*line.roster) return std::nullopt;
  RosterEdit edit;
  if (line.insertAt) {
    edit.kind = RosterEdit::Kind::Insert;
    edit.insertAt = *line.insertAt;
    edit.name = line.name;
    edit.empNumber = line.empNumber;
  } else if (line.deletePosition) {
    edit.kind = RosterEdit::Kind::Delete;
    edit.position = *line.deletePosition;
  } else {
    edit.kind = RosterEdit::Kind::Move;
    edit.position = line.moveFrom.value_or(0);
    edit.to = line.moveTo.value_or(0);
  }
  BatchUi ui(line.yes);
  LumoraRules rules;
  return RunRoster(line.file, line.output, edit, ui, rules, out);
}

}  // namespace lumora::cli
