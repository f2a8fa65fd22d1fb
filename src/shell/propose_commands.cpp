// Proposed blocks: the month's open time filled legally by the engine, shown
// in the grid and a list for the scheduler to accept or discard.

#include <memory>
#include <string>

#include "platform/captions.h"
#include "platform/ui.h"
#include "proposing/propose.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "views/proposal_preview.h"

namespace lumora {

namespace {

constexpr const char* kNothingToPropose =
    "There is nothing to propose: no open pairing instance, or no crew member to fill.";
constexpr const char* kNothingLegal = "No open pairing instance can go into a block legally.";

Proposal Compute(LumoraApp& app) {
  std::unique_ptr<Progress> progress = app.ui().progress("Propose Blocks", "Completed %d of %d");
  if (progress) {
    progress->setRange(100);
    progress->allowCancel();
  }
  ProposalOptions options;
  options.progress = [&progress](int percent, std::string_view stage) {
    if (!progress) return true;
    progress->setStage(stage);
    progress->setPosition(percent);
    return !progress->cancelled();
  };
  // The wait cursor goes whatever way the computation ends.
  struct WaitCursor {
    Ui& ui;
    explicit WaitCursor(Ui& u) : ui(u) { ui.setWaitCursor(true); }
    ~WaitCursor() { ui.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
  } wait(app.ui());
  return ProposeBlocks(app.document(), app.rules(), options);
}

void ProposeBlocksCommand(LumoraApp& app) {
  Proposal proposal = Compute(app);
  if (proposal.status == ProposalStatus::Cancelled) {
    app.frontEnd().showNote("Proposing blocks cancelled: nothing changed.");
    return;
  }
  if (proposal.status == ProposalStatus::NothingOpen || proposal.assignments.empty()) {
    app.ui().message(
        proposal.status == ProposalStatus::NothingOpen ? kNothingToPropose : kNothingLegal,
        kAppCaption, Icon::Information);
    return;
  }

  AppFrontEnd& frontEnd = app.frontEnd();
  ProposalPreview preview(app.editContext(), std::move(proposal),
                          [&frontEnd](int crew, int day) { frontEnd.showProposedCell(crew, day); });
  const std::vector<ProposedCell> cells = preview.cells();
  frontEnd.showProposedCells(cells);
  const bool accepted = app.ui().run(preview);
  frontEnd.showProposedCells({});
  if (accepted)
    frontEnd.showNote(std::to_string(preview.applied()) +
                      " proposed assignments made: F1 takes them all out again.");
  app.changed();
}

}  // namespace

void RegisterProposeCommands(CommandRegistry& commands) {
  commands.add(command::kProposeBlocks, ProposeBlocksCommand);
}

}  // namespace lumora
