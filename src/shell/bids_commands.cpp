// The pilots' bids: the import of the bids file and the bids window beside
// the grid. Flight-attendant files have neither.

#include "imports/pilot_bids.h"
#include "model/document.h"
#include "platform/captions.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/shell_texts.h"

namespace lumora {

namespace {

void ImportBids(LumoraApp& app) {
  PilotBidsHooks hooks;
  hooks.closeBidsWindow = [&app] { app.frontEnd().hideBidsWindow(); };
  // The window follows the document's flag again, with the new bids.
  hooks.showBidsWindow = [&app] { app.changed(); };
  LoadPilotBids(app.document(), app.session().importServices(), hooks);
  app.changed();
}

void BidsWindow(LumoraApp& app) {
  TDocument& doc = app.document();
  if (doc.crewKind() == CrewKind::FlightAttendants) {
    app.ui().message(shell_text::kPilotOnlyFeature, kAppCaption, Icon::Information);
    return;
  }
  // Hiding it stores its pending edits first (the front end does that).
  doc.BidsWindowVisible = doc.BidsWindowVisible ? 0 : 1;
  app.changed();
}

}  // namespace

void RegisterBidsCommands(CommandRegistry& commands) {
  commands.add(command::kImportBids, ImportBids);
  commands.add(command::kBidsWindow, BidsWindow);
}

}  // namespace lumora
