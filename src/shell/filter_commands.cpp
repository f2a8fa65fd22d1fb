// The pairing filter window and the eight block filters.

#include "shell/filter_commands.h"

#include "model/document.h"
#include "platform/captions.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/shell_texts.h"
#include "views/block_filters.h"
#include "views/pair_window.h"
#include "views/pairing_filters.h"

namespace lumora {

namespace {

// Flight-attendant files edit the filters in their own window; pilot files
// reach them through the bids window.
void PairingFiltersWindow(LumoraApp& app) {
  TDocument& doc = app.document();
  if (doc.crewKind() != CrewKind::FlightAttendants) {
    app.ui().message(shell_text::kFilterWindowFromBids, kAppCaption, Icon::Information);
    return;
  }
  TPairWin* window = app.frontEnd().pairWindowModel();
  if (window == nullptr) return;
  FilterWindowDialog dialog(doc, *window);
  app.ui().run(dialog);
  app.frontEnd().pairingFiltersChanged();
  app.changed();
}

void ToggleFilter(LumoraApp& app, int command) {
  if (!ToggleBlockFilter(app.document(), command)) return;
  app.frontEnd().applyBlockFilters(command == command::kSearchFilter);
  app.changed();
}

}  // namespace

bool PairingFiltersOn(LumoraApp& app) {
  const TPairWin* window = app.frontEnd().pairWindowModel();
  return window != nullptr && window->filtersOn();
}

void SetCrewFilterOf(LumoraApp& app, int crew) {
  TPairWin* window = app.frontEnd().pairWindowModel();
  if (window == nullptr) return;
  SetCrewFilter(app.document(), *window, crew, app.ui());
  app.frontEnd().pairingFiltersChanged();
}

void ClearPairingFiltersOf(LumoraApp& app) {
  TPairWin* window = app.frontEnd().pairWindowModel();
  if (window == nullptr) return;
  ClearPairingFilters(app.document(), *window);
  app.frontEnd().pairingFiltersChanged();
}

bool EditBidFilterOf(LumoraApp& app, int crew) {
  const bool stored = EditBidFilter(app.document(), crew, app.ui());
  if (stored) app.changed();
  return stored;
}

void ReapplyBlockFilters(LumoraApp& app) {
  app.frontEnd().applyBlockFilters(false);
}

void RegisterFilterCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kPairingFiltersWindow, PairingFiltersWindow);
  for (const BlockFilterInfo& filter : BlockFilterTable()) {
    const int id = filter.command;
    commands.add(id, [id](LumoraApp& app) { ToggleFilter(app, id); });
  }
}

}  // namespace lumora
