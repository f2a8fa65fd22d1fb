#pragma once
// The preview of proposed blocks: a list per crew member of the assignments
// a proposal would make, with why each was chosen, the proposal's figures
// against the greedy baseline and the solver's status. Nothing enters the
// blocks until the scheduler accepts all or a selection of them, which is
// then one step of the history; Discard leaves the document as it was.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"
#include "platform/dialog_model.h"
#include "proposing/propose.h"
#include "views/block_grid.h"

namespace lumora {

class ProposalPreview final : public DialogModel {
 public:
  static constexpr std::string_view kTitle = "Proposed Blocks";
  static constexpr std::string_view kAcceptAllText = "Accept All";
  static constexpr std::string_view kAcceptSelectedText = "Accept Selected";
  static constexpr std::string_view kDiscardText = "Discard";
  static constexpr std::string_view kNothingSelected = "No proposed assignment is selected.";
  static constexpr std::string_view kLegendText =
      "Proposed, not yet in the blocks: click a line to find it in the grid";

  struct Line {
    std::string text;
    int crew = -1;
    int day = -1;         // a heading: his first proposed day
    int assignment = -1;  // index into assignments(); -1 on a crew member's heading
  };

  // `showCell` brings a crew member's day into the grid's view; every
  // assignment starts selected.
  ProposalPreview(BlockEditContext ctx, Proposal proposal,
                  std::function<void(int crew, int day)> showCell = {});

  std::string_view title() const override { return kTitle; }
  std::span<const ProposedAssignment> assignments() const { return proposal_.assignments; }
  // A heading per crew member ("%03d %s" with his credit before and after),
  // then one line per assignment: date, pairing number, credit and why.
  std::span<const Line> lines() const { return lines_; }
  // Credit covered, bids met and credit off target, each against the greedy
  // baseline on the same month.
  std::span<const std::string> figures() const { return figures_; }
  // The solver's status and the time the proposal took.
  const std::string& status() const { return status_; }
  // The grid's picture of the proposal.
  std::vector<ProposedCell> cells() const;

  bool selected(int assignment) const;
  void select(int assignment, bool on);
  // Every assignment of crew member `crew`.
  void selectCrew(int crew, bool on);
  void selectAll(bool on);
  int selectedCount() const;
  // Whether none, some or all of a crew member's assignments are selected:
  // 0, 1 or 2.
  int crewSelection(int crew) const;

  // A click on line `line`: the grid shows its crew member and day.
  void show(int line);

  // "Accept Selected": makes the selected assignments as one step of the
  // history. Refuses without a selection; tells the user when the rules
  // refused some of them now.
  bool accept(Ui& ui) override;
  // "Accept All".
  bool acceptAll(Ui& ui);
  // "Discard" and the close box: the blocks stay as they are.
  void cancel() override {}
  // How many assignments the accepting step made.
  int applied() const { return applied_; }

 private:
  void buildLines();

  BlockEditContext ctx_;
  Proposal proposal_;
  std::function<void(int, int)> showCell_;
  std::vector<Line> lines_;
  std::vector<std::string> figures_;
  std::string status_;
  std::vector<char> selected_;
  int applied_ = 0;
};

}  // namespace lumora
