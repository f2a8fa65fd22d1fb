// The File menu's own commands: the document lifecycle, the preferences and
// Exit.

#include "platform/event_log.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/event_log_startup.h"
#include "shell/preferences_dialog.h"

namespace lumora {

namespace {

void Preferences(LumoraApp& app) {
  app.frontEnd().storeBidEdits();
  PreferencesDialog dialog(app.settings(), app.display(), app.eventLog().isOpen());
  dialog.logFile = EventLogFile(LogFolderPath()).string();
  app.ui().run(dialog);
  // With OK or Cancel: the font and colour dialogs inside it act at once.
  app.frontEnd().displayChanged();
  app.changed();
}

}  // namespace

void RegisterFileCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kNew, [](LumoraApp& app) { app.NewFile(); });
  commands.add(kOpen, [](LumoraApp& app) { app.Open(); });
  commands.add(kSave, [](LumoraApp& app) { app.Save(); });
  commands.add(kSaveAs, [](LumoraApp& app) { app.SaveAs(); });
  commands.add(kBackup, [](LumoraApp& app) { app.Backup(); });
  commands.add(kPreferences, Preferences);
  commands.add(kExit, [](LumoraApp& app) { app.frontEnd().closeMainWindow(); });
}

}  // namespace lumora
