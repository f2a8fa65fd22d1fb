// The small helpers of the View and Help menus: the calculator, the shared
// notes, the keyboard shortcuts, the about box and the help page.

#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/event_log_startup.h"
#include "shell/frame_dialogs.h"

namespace lumora {

namespace {

void Calculator(LumoraApp& app) {
  const auto& calculator = app.environment().calculator;
  if (!calculator || !app.frontEnd().startProgram(*calculator)) app.ui().beep();
}

void SharedNotes(LumoraApp& app) {
  FileNotesDialog dialog(app.document());
  if (app.ui().run(dialog)) app.changed();
}

void Help(LumoraApp& app) {
  const auto& page = app.environment().helpPage;
  if (!page) return;
  app.frontEnd().openHelpPage(*page);
  app.markHelpUsed();
}

void Show(LumoraApp& app, FixedTextDialog dialog) {
  app.ui().run(dialog);
}

}  // namespace

void RegisterHelpCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kCalculator, Calculator);
  commands.add(kSharedNotes, SharedNotes);
  commands.add(kKeyboardShortcuts,
               [](LumoraApp& app) { Show(app, KeyboardShortcutsText(app.commandContext())); });
  commands.add(kAbout, [](LumoraApp& app) {
    Show(app, AboutText(app.environment().version, EventLogFile(LogFolderPath()).string()));
  });
  commands.add(kHelpIndex, Help);
  commands.add(kHelpOnHelp, Help);
  // Two ids that do nothing.
  commands.add(kNoAction1, [](LumoraApp&) {});
  commands.add(kNoAction2, [](LumoraApp&) {});
}

}  // namespace lumora
