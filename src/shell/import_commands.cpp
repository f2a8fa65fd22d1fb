// The imports the File menu offers on an open document: this month's
// pairings (with their LIS scan), the LIS files alone, the toolbox items,
// the absences of this month and of the next, last month's activity.

#include <string_view>

#include "imports/lis_scan.h"
#include "imports/prg_dialog.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/pairing_edit_commands.h"

namespace lumora {

namespace {

void ImportLis(LumoraApp& app) {
  app.session().scanLis(LisScanHooks{[&app] { app.changed(); }});
  app.changed();
}

void ImportPairings(LumoraApp& app) {
  // The blocks come back with the floating windows shown before the import.
  const WindowSwitches windows = app.session().shownWindows();
  PrgCommandHooks hooks;
  hooks.closeViews = [&app] { app.CloseViews(); };
  hooks.buildBlocks = [&app, windows] { app.BuildBlocks(windows); };
  hooks.scanLisFiles = [&app] { ImportLis(app); };
  hooks.import.showPairingWarnings = [&app] { RunPairingWarnings(app); };
  hooks.import.refreshCaption = [&app] {
    app.UpdateFileCaption();
    app.changed();
  };
  hooks.import.setGaugeCaption = [&app](std::string_view caption) {
    app.frontEnd().setGaugeCaption(caption);
  };
  app.session().importPairings([&app](LoadPrgDialog& dialog) { app.ui().run(dialog); },
                               std::move(hooks));
  app.changed();
}

void ImportAbsences(LumoraApp& app, bool nextMonth) {
  app.session().importAbsences(nextMonth, [&app] { app.CloseViews(); });
  app.changed();
}

}  // namespace

void RegisterImportCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kImportPairings, ImportPairings);
  commands.add(kImportLis, ImportLis);
  commands.add(kImportToolbox, [](LumoraApp& app) {
    app.session().loadToolbox();
    app.changed();
  });
  commands.add(kImportAbsences, [](LumoraApp& app) { ImportAbsences(app, false); });
  commands.add(kImportNextMonthAbsences, [](LumoraApp& app) { ImportAbsences(app, true); });
  commands.add(kImportLastMonth, [](LumoraApp& app) {
    app.session().importLastMonth([&app] { app.CloseViews(); });
    app.changed();
  });
}

}  // namespace lumora
