// "&Roster...": the roster dialog. The grid and its windows close while the
// roster changes under them, and the blocks are built again afterwards.

#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "views/roster_dialogs.h"

namespace lumora {

namespace {

void EditRoster(LumoraApp& app) {
  const WindowSwitches windows = app.session().shownWindows();
  // Closing the views stores the block filter states with the settings.
  app.CloseViews();
  RosterDialog dialog(app.document());
  app.ui().run(dialog);
  if (app.document().DocState != kNoDocument) app.BuildBlocks(windows);
  app.changed();
}

}  // namespace

void RegisterRosterCommands(CommandRegistry& commands) {
  commands.add(command::kRoster, EditRoster);
}

}  // namespace lumora
