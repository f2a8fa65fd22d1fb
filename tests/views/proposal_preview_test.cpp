#include "views/proposal_preview.h"

#include "building/building_fixture.h"
#include "building/undo.h"

namespace lumora::testing {
namespace {

class ProposalPreviewTest : public BuildingTest {
 protected:
  ProposalPreviewTest() {
    AddCrew("ABLE");
    AddCrew("BAKER");
    p101 = AddPairing(101, {2, 9}, 2, 330);
    p202 = AddPairing(202, {4});
  }

  using Preview = std::unique_ptr<ProposalPreview>;

  // Two for BAKER, one for ABLE, given out of order.
  Preview Make() {
    Proposal proposal;
    proposal.assignments = {
        {1, p101, 9, 660, ProposalReason::Balance, ""},
        {0, p101, 2, 660, ProposalReason::CreditGap, "credit gap 11:00 filled"},
        {1, p202, 4, 300, ProposalReason::BidMet, "bid met (1st choice)"},
    };
    proposal.figures = {1620, 1, 95};
    proposal.greedyFigures = {1320, 0, 130};
    proposal.status = ProposalStatus::Optimal;
    proposal.solverStatus = "optimal";
    proposal.seconds = 0.42;
    return std::make_unique<ProposalPreview>(ctx, std::move(proposal), [this](int crew, int day) {
      shownCells.emplace_back(crew, day);
    });
  }

  int p101 = 0;
  int p202 = 0;
  std::vector<std::pair<int, int>> shownCells;
};

TEST_F(ProposalPreviewTest, ListsEachCrewMembersAssignmentsWithWhyAndTheFigures) {
  const Preview preview = Make();
  std::vector<std::string> texts;
  for (const auto& line : preview->lines()) texts.push_back(line.text);
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "001 ABLE, credit 0:00 -> 11:00",
                       "    03 Jul  0101  11:00  credit gap 11:00 filled",
                       "002 BAKER, credit 0:00 -> 16:00",
                       "    05 Jul  0202  5:00  bid met (1st choice)",
                       "    10 Jul  0101  11:00  balance",
                   }));
  EXPECT_EQ(
      std::vector<std::string>(preview->figures().begin(), preview->figures().end()),
      (std::vector<std::string>{"Credit covered: 27:00 (greedy 22:00)", "Bids met: 1 (greedy 0)",
                                "Credit off target: 1:35 (greedy 2:10)"}));
  EXPECT_EQ(preview->status(), "Solver: optimal, 0.4 s");
  EXPECT_EQ(preview->cells(),
            (std::vector<ProposedCell>{{0, 2, p101}, {1, 4, p202}, {1, 9, p101}}));

  // A heading shows its crew member's first day, a line its own.
  preview->show(2);
  preview->show(4);
  EXPECT_EQ(shownCells, (std::vector<std::pair<int, int>>{{1, 4}, {1, 9}}));
}

TEST_F(ProposalPreviewTest, AcceptsAllOrTheSelectionAsOneUndoableStepAndDiscardsNothing) {
  struct Case {
    const char* name;
    std::function<bool(ProposalPreview&, Ui&)> act;
    std::vector<std::pair<int, int>> made;  // crew, day
    std::string message;
  };
  const std::vector<Case> cases{
      {"accept all after deselecting all",
       [](ProposalPreview& p, Ui& u) {
         p.selectAll(false);
         return p.acceptAll(u);
       },
       {{0, 2}, {1, 4}, {1, 9}},
       ""},
      {"one crew member deselected",
       [](ProposalPreview& p, Ui& u) {
         p.selectCrew(1, false);
         return p.accept(u);
       },
       {{0, 2}},
       ""},
      {"one assignment deselected",
       [](ProposalPreview& p, Ui& u) {
         p.select(2, false);
         return p.crewSelection(1) == 1 && p.accept(u);
       },
       {{0, 2}, {1, 4}},
       ""},
      {"nothing selected",
       [](ProposalPreview& p, Ui& u) {
         p.selectAll(false);
         return !p.accept(u);
       },
       {},
       std::string(ProposalPreview::kNothingSelected)},
      {"discard",
       [](ProposalPreview& p, Ui&) {
         p.cancel();
         return true;
       },
       {},
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ui.shown.clear();
    const Preview preview = Make();
    EXPECT_TRUE(c.act(*preview, ui));
    std::vector<std::pair<int, int>> made;
    for (int crew = 0; crew < 2; ++crew)
      for (int day = 0; day < 31; ++day)
        if (doc.pilot(crew).DayCell[static_cast<std::size_t>(day)] >= 0)
          made.emplace_back(crew, day);
    EXPECT_EQ(made, c.made);
    EXPECT_EQ(preview->applied(), static_cast<int>(c.made.size()));
    EXPECT_EQ(ui.messageTexts(),
              c.message.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.message});
    if (made.empty()) continue;
    // One undo takes the whole step out again.
    EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);
    for (int crew = 0; crew < 2; ++crew)
      for (int day = 0; day < 31; ++day)
        EXPECT_EQ(doc.pilot(crew).DayCell[static_cast<std::size_t>(day)], kEmptyCell);
    EXPECT_TRUE(doc.History.empty());
  }
}

TEST_F(ProposalPreviewTest, SaysHowManyTheRulesRefuseWhenTheMonthChangedMeanwhile) {
  const Preview preview = Make();
  Place(0, p202, 4);  // BAKER's bid instance went to ABLE after the proposal
  EXPECT_TRUE(preview->acceptAll(ui));
  EXPECT_EQ(preview->applied(), 2);
  EXPECT_EQ(ui.messageTexts(),
            std::vector<std::string>{
                "2 of the 3 selected assignments were made; the rules refuse the others now."});
}

}  // namespace
}  // namespace lumora::testing
