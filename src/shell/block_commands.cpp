// Building the blocks and what follows their changes: undo, the history and
// the exceptions report.

#include <string>
#include <vector>

#include "building/undo.h"
#include "platform/ui.h"
#include "rules/exceptions_report.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"

namespace lumora {

namespace {

void Undo(LumoraApp& app) {
  BlockEditContext ctx = app.editContext();
  if (UndoLastTransaction(ctx) == UndoOutcome::NothingToUndo) app.ui().beep();
  app.changed();
}

void Warnings(LumoraApp& app) {
  const std::vector<std::string> lines = ExceptionsReportLines(app.document());
  // The report checked every block again: the grid shows the findings anew.
  app.session().views().rowsChanged(BlockViewSink::kAllRows);
  app.ui().showList(kExceptionsReportCaption, lines);
}

}  // namespace

void RegisterBlockCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kBuildBlocks, [](LumoraApp& app) {
    app.BuildBlocks({true, true, app.document().BidsWindowVisible != 0});
  });
  commands.add(kUndo, Undo);
  commands.add(kHistory, [](LumoraApp& app) {
    app.ui().showList(kHistoryDialogCaption, HistoryLines(app.document()));
  });
  commands.add(kWarnings, Warnings);
}

}  // namespace lumora
