#include "shell/pairing_edit_commands.h"

#include "building/crew_complement.h"
#include "imports/pairing_warnings.h"
#include "platform/ui.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/document_lifecycle.h"
#include "views/pair_editor.h"

namespace lumora {

namespace {

void EditPairings(LumoraApp& app) {
  TDocument& doc = app.document();
  if (doc.lastPairIndex() < 0) {
    app.ui().message(kNoPairingsText, kNoPairingsCaption, Icon::Error);
    return;
  }
  EditOrViewPairsDialog password(doc);
  if (!app.ui().run(password)) return;
  const bool editing = password.editing();
  // The views show the pairing table; they are built again by Build Blocks
  // once the pairings are what the scheduler wants.
  if (editing) app.CloseViews();
  PairDialog editor(doc);
  app.ui().run(editor);
  if (editing) RunPairingWarnings(app);
  app.changed();
}

void ChangeCrewComplement(LumoraApp& app) {
  const WindowSwitches windows = app.session().shownWindows();
  app.CloseViews();
  {
    CrewComplementDialog dialog(app.editContext());
    // Whichever way the dialog closes, the selection is applied.
    if (!app.ui().run(dialog)) dialog.cancel();
  }
  if (app.document().DocState != kNoDocument) app.BuildBlocks(windows);
  app.changed();
}

}  // namespace

void AttachPairingEditor(PairingValidateDialog& warnings, LumoraApp& app) {
  warnings.setEditor([&app](int pair) {
    PairDialog editor(app.document(), pair);
    app.ui().run(editor);
    app.changed();
  });
}

void RunPairingWarnings(LumoraApp& app) {
  PairingValidateDialog warnings(app.document());
  AttachPairingEditor(warnings, app);
  app.ui().run(warnings);
}

void RegisterPairingEditCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kPairingEditor, EditPairings);
  commands.add(kCrewComplement, ChangeCrewComplement);
}

}  // namespace lumora
