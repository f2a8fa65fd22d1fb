// The month's blocking rules and the read-only summaries of the month: the
// exceptions report, the global information and the pairing report.

#include "platform/ui.h"
#include "rules/exceptions_report.h"
#include "rules/global_info.h"
#include "rules/setup_month_dialog.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"

namespace lumora {

namespace {

void Month(LumoraApp& app) {
  SetupMonthDialog dialog(app.document());
  app.ui().run(dialog);
  app.changed();
}

void Warnings(LumoraApp& app) {
  ExceptionsReportDialog dialog(app.document());
  // The report checked every block again: the grid shows the findings anew.
  app.session().views().rowsChanged(BlockViewSink::kAllRows);
  app.ui().run(dialog);
}

void GlobalInfo(LumoraApp& app) {
  GlobalInfoDialog dialog(app.document());
  app.ui().run(dialog);
}

void PairingReport(LumoraApp& app) {
  CopyPairingReport(app.document(), app.session().clipboard(), app.ui());
}

}  // namespace

void RegisterRulesCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kMonth, Month);
  commands.add(kWarnings, Warnings);
  commands.add(kGlobalInfo, GlobalInfo);
  commands.add(kPairingReportToClipboard, PairingReport);
}

}  // namespace lumora
