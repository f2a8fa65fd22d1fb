// The printouts: the block sheet, the visual pairings and the printer's
// set-up. The pages are laid out by the views' printouts; the printer of the
// front end runs its dialogs, the preview and the print job.

#include <numeric>
#include <vector>

#include "platform/printer.h"
#include "platform/settings_catalogue.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "views/block_printout.h"
#include "views/pairs_printout.h"

namespace lumora {

namespace {

void PrintBlocks(LumoraApp& app) {
  Printer* printer = app.printer();
  if (printer == nullptr) return;
  TDocument& doc = app.document();
  const bool cabin = doc.crewKind() == CrewKind::FlightAttendants;
  const Answer draft =
      cabin ? app.ui().ask("Is this a DRAFT Printout of the Currently Displayed Blocks",
                           "Print ONLY Displayed Blocks", Buttons::YesNo, Icon::Question)
            : app.ui().ask("Is this a DRAFT Printout", "Lumora - Print Blocks", Buttons::YesNo,
                           Icon::Question);
  BlockPrintOptions options;
  options.draft = draft == Answer::Yes;
  options.requests = ReadSettingFlag(app.settings(), kPrintXesWhenPrinting);
  // The grid shows the roster in its order; the block filters, once they
  // sort it, hand their order to the sheet here.
  std::vector<int> order(static_cast<std::size_t>(doc.rosterSize()));
  std::iota(order.begin(), order.end(), 0);
  TBlocksOut printout(doc, order, options, app.ui(), app.session().views());
  printer->print(printout);
  app.changed();
}

void PrintPairings(LumoraApp& app) {
  Printer* printer = app.printer();
  const TPairWin* layout = app.frontEnd().pairingLayout();
  if (printer == nullptr || layout == nullptr) return;
  TPairsOut printout(app.document(), *layout);
  printer->print(printout);
}

void PrintSetup(LumoraApp& app) {
  if (Printer* printer = app.printer()) printer->setup();
}

}  // namespace

void RegisterPrintCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kPrintBlocks, PrintBlocks);
  commands.add(kPrintPairings, PrintPairings);
  commands.add(kPrintSetup, PrintSetup);
}

}  // namespace lumora
