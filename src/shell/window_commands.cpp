// Showing and hiding the floating windows.

#include <cstdint>

#include "model/document.h"
#include "platform/captions.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/shell_texts.h"

namespace lumora {

namespace {

void Toggle(LumoraApp& app, std::uint8_t TDocument::*visible) {
  TDocument& doc = app.document();
  doc.*visible = doc.*visible ? 0 : 1;
  app.changed();
}

void ShowOnlyOpenPairings(LumoraApp& app) {
  if (!app.document().PairWindowVisible) return;
  app.frontEnd().toggleShowOnlyOpenPairings();
  app.changed();
}

}  // namespace

void RegisterWindowCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kPairingsWindow, [](LumoraApp& app) { Toggle(app, &TDocument::PairWindowVisible); });
  commands.add(kToolbox, [](LumoraApp& app) { Toggle(app, &TDocument::ToolboxWindowVisible); });
  commands.add(kShowOnlyOpenPairings, ShowOnlyOpenPairings);
}

}  // namespace lumora
