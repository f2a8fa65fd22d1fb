// Building the blocks and what follows their changes: undo and the history.

#include <string>
#include <vector>

#include "building/undo.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"

namespace lumora {

namespace {

void Undo(LumoraApp& app) {
  const std::string undoing = UndoDescription(app.document());
  BlockEditContext ctx = app.editContext();
  if (UndoLastTransaction(ctx) == UndoOutcome::Undone)
    app.frontEnd().showNote("Undone: " + undoing);
  app.changed();
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
}

}  // namespace lumora
