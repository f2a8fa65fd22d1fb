#include "building/undo.h"

#include "building/assign.h"
#include "building_fixture.h"

namespace lumora::testing {
namespace {

class UndoTest : public BuildingTest {
 protected:
  UndoTest() {
    a = AddCrew("A ALPHA");
    b = AddCrew("B BRAVO");
    p = AddPairing(101, {2, 9});
  }
  int a = 0, b = 0, p = 0;
};

TEST_F(UndoTest, UndoReversesAndDropsBothRecords) {
  ASSERT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);
  ASSERT_EQ(AssignPair(ctx, b, p, 9, false), kAssigned);
  ASSERT_EQ(RemovePair(ctx, a, p, 2), kRemoved);

  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);  // the removal
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  ASSERT_EQ(doc.History.size(), 2u);
  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);  // b's assignment
  EXPECT_EQ(doc.Pilots[b].DayCell[9], kEmptyCell);
  EXPECT_EQ(doc.Pairs[p].DayStatus[9], kOpenInstance);
  ASSERT_EQ(doc.History.size(), 1u);
  EXPECT_EQ(doc.History[0], (TransactionRecord{TransactionRecord::kAssign, 2, a, p}));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(UndoTest, DeclinedQuestionDropsTheRecordWithAMessage) {
  ASSERT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);
  ASSERT_EQ(RemovePair(ctx, a, p, 2), kRemoved);
  // Reassigning asks about the short rest again, and the user declines.
  rules.rest[{a, p, 2}] = AssignCheckResult{true, " 11:00 Crew Rest Before ", ""};
  ui.answers = {Answer::No};

  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Refused);
  ASSERT_EQ(ui.messageTexts(), (std::vector<std::string>{"Unable to UNDO that Transaction"}));
  EXPECT_EQ(ui.shown.back().caption, "Lumora");
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
  ASSERT_EQ(doc.History.size(), 1u);
  EXPECT_EQ(doc.History[0].kind, TransactionRecord::kAssign);
}

TEST_F(UndoTest, AnEmptyHistoryBeepsRecordsThatNoLongerFitAreDropped) {
  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::NothingToUndo);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_TRUE(ui.shown.empty());
  // From a file: an unknown kind, a crew member and a pairing that do not exist.
  for (const TransactionRecord& r : {TransactionRecord{1, 2, a, 40}, TransactionRecord{0, 2, 50, p},
                                     TransactionRecord{7, 2, a, p}}) {
    doc.History.add(r);
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Refused);
  EXPECT_TRUE(doc.History.empty());
  EXPECT_EQ(ui.messageTexts().size(), 3u);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
  EXPECT_EQ(doc.Modified, 0);
}

TEST_F(UndoTest, HistoryLinesNewestFirstAndWhatUndoWouldUndo) {
  EXPECT_EQ(UndoDescription(doc), "");
  ASSERT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);
  EXPECT_EQ(UndoDescription(doc), "assign 0101 to A ALPHA on 3 Jul");
  ASSERT_EQ(RemovePair(ctx, a, p, 2), kRemoved);
  EXPECT_EQ(UndoDescription(doc), "remove 0101 from A ALPHA on 3 Jul");
  doc.History.add(TransactionRecord{1, 80, 2000, -3});  // nothing of it exists
  EXPECT_EQ(HistoryLines(doc),
            (std::vector<std::string>{"Assign\t0\t00/00/0000\t", "Remove\t101\t03/07/2026\tA ALPHA",
                                      "Assign\t101\t03/07/2026\tA ALPHA"}));
  doc.History.clear();
  EXPECT_TRUE(HistoryLines(doc).empty());
}

// A proposal's marker stands for its group while the group is in memory; the
// same marker read back from the file's text has none and is refused.
TEST_F(UndoTest, AProposalMarkerUndoesItsGroupOnlyWhileTheGroupIsKnown) {
  ASSERT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);
  ASSERT_EQ(AssignPair(ctx, b, p, 9, false), kAssigned);
  const std::vector<TransactionRecord> group = {{TransactionRecord::kAssign, 2, a, p},
                                                {TransactionRecord::kAssign, 9, b, p}};
  doc.History.clear();
  const TransactionRecord marker = ProposalMarker(doc.AcceptedProposals.push(group), group.size());
  doc.History.add(marker);
  EXPECT_EQ("accept proposal of 2 assignments", UndoDescription(doc));
  const std::string text = ToHistoryText(doc.History);

  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
  EXPECT_EQ(doc.Pilots[b].DayCell[9], kEmptyCell);
  EXPECT_TRUE(doc.History.empty());

  FromHistoryText(text, doc.History);
  ASSERT_EQ(doc.History.size(), 1u);
  EXPECT_EQ(doc.History[0], marker);
  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Refused);
  EXPECT_TRUE(doc.History.empty());
  EXPECT_EQ(ui.messageTexts().size(), 1u);
}

}  // namespace
}  // namespace lumora::testing
