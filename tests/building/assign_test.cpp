#include "building/assign.h"

#include "building/block_figures.h"
#include "building/french_cabin.h"
#include "building/undo.h"
#include "building_fixture.h"
#include "files/temp_folder.h"

namespace lumora::testing {
namespace {

class AssignTest : public BuildingTest {
 protected:
  AssignTest() {
    a = AddCrew("A ALPHA");
    b = AddCrew("B BRAVO");
    p = AddPairing(101, {2, 9}, 2);
  }

  // Nothing a refusal could have touched has moved.
  void ExpectUntouched() {
    EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
    EXPECT_EQ(doc.Pairs[p].DayStatus[2], kOpenInstance);
    EXPECT_TRUE(doc.History.empty());
    EXPECT_EQ(doc.Modified, 0);
    EXPECT_TRUE(rules.checkedBlocks.empty());
  }

  int a = 0, b = 0, p = 0;
};

TEST_F(AssignTest, RefusalsComeInTheOrderOfTheirCodes) {
  EXPECT_EQ(AssignPair(ctx, -1, 99, 2, false), kCrewOutOfRange);
  EXPECT_EQ(AssignPair(ctx, 2, p, 2, false), kCrewOutOfRange);  // past the roster
  EXPECT_EQ(AssignPair(ctx, a, 99, 2, false), kPairingOutOfRange);
  EXPECT_EQ(AssignPair(ctx, a, -1, 2, false), kPairingOutOfRange);
  for (const int day : {3, 31, -4, 62})  // 31 is after the month
    EXPECT_EQ(AssignPair(ctx, a, p, day, false), kPairingNotOnDay) << day;
  ExpectUntouched();

  // An occupied day refuses before the pairing's days are looked at.
  doc.Pilots[a].DayCell[3] = kOtherAssignmentCell;
  EXPECT_EQ(AssignPair(ctx, a, p, 3, false), kAssignRefused);
  Place(b, p, 9);
  EXPECT_EQ(AssignPair(ctx, a, p, 9, false), kInstanceAssigned);
  EXPECT_TRUE(doc.History.empty());
}

TEST_F(AssignTest, AssigningFillsTheCellRecordsAndRefreshes) {
  doc.view.selection = {p, 2, 7};
  doc.Pairs[p].DayStatus[9] = -kOpenInstance;  // an extra-crew instance keeps its sign
  FindBlockHolderLine(doc, views);

  ASSERT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);
  ASSERT_EQ(AssignPair(ctx, b, p, 9, false), kAssigned);

  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  EXPECT_EQ(doc.Pairs[p].DayStatus[2], kAssignedInstance);
  EXPECT_EQ(doc.Pairs[p].DayStatus[9], -kAssignedInstance);
  ASSERT_EQ(doc.History.size(), 2u);
  EXPECT_EQ(doc.History[0], (TransactionRecord{TransactionRecord::kAssign, 9, b, p}));
  EXPECT_EQ(doc.History[1], (TransactionRecord{TransactionRecord::kAssign, 2, a, p}));
  EXPECT_EQ(doc.Modified, 1);
  EXPECT_EQ(rules.checkedBlocks, (std::vector<int>{a, b}));
  // The selected instance was taken: it becomes the previous selection.
  EXPECT_EQ(doc.view.selection.pair, -1);
  EXPECT_EQ(doc.view.previousSelection.slot, 7);
  EXPECT_EQ(std::get<2>(views.cells.front()), 2);  // both days of the pairing repaint
  EXPECT_EQ(doc.Pilots[a].BlockCreditHours * 60 + doc.Pilots[a].BlockCreditMinutes, 600);
  EXPECT_EQ(views.open, 0);
  EXPECT_EQ(views.total, 1200);
  // ShowAssignedPairs is on after a clear: the window repaints as it is.
  EXPECT_EQ(views.layouts, (std::vector<bool>{false, false}));
}

TEST_F(AssignTest, BiddingReserveIsAskedEvenWhenRestChecksAreSkipped) {
  doc.Pilots[a].BidReserve = 1;
  ui.answers = {Answer::No};
  EXPECT_EQ(AssignPair(ctx, a, p, 2, true), kReserveDeclined);
  ExpectUntouched();
  EXPECT_TRUE(rules.restChecks.empty());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Employee Bidding Reserve. Do you want to assign this pairing anyways");
  EXPECT_EQ(ui.shown[0].caption, "");

  ui.answers = {Answer::Yes};
  EXPECT_EQ(AssignPair(ctx, a, p, 2, true), kAssigned);
  EXPECT_TRUE(rules.restChecks.empty());
}

TEST_F(AssignTest, RestTooShortRefusesSilentlyShortRestAsksOnlyNumberedEmployees) {
  rules.rest[{a, p, 2}] = AssignCheckResult{false, "", ""};
  EXPECT_EQ(AssignPair(ctx, a, p, 2, false), kAssignRefused);
  ExpectUntouched();
  EXPECT_TRUE(ui.shown.empty());

  rules.rest[{a, p, 2}] =
      AssignCheckResult{true, " 11:00 Crew Rest Before ", " 11:30 Crew Rest After "};
  ui.answers = {Answer::No};
  EXPECT_EQ(AssignPair(ctx, a, p, 2, false), kAssignRefused);
  ExpectUntouched();
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "This Assignment Provides Only  11:00 Crew Rest Before  11:30 Crew Rest After .  Do "
            "You want to Assign It Anyway");
  EXPECT_EQ(ui.shown[0].caption, "Lumora");
  EXPECT_EQ(ui.shown[0].icon, Icon::Question);

  ui.answers = {Answer::Yes};
  EXPECT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);

  // Employee number 0 is never asked; Shift skips even a refusal.
  rules.rest[{b, p, 9}] = AssignCheckResult{true, "", " 11:00 Crew Rest After "};
  doc.Pilots[b].EmpNumber = 0;
  EXPECT_EQ(AssignPair(ctx, b, p, 9, false), kAssigned);
  EXPECT_EQ(ui.shown.size(), 2u);
  ASSERT_EQ(RemovePair(ctx, b, p, 9), kRemoved);
  rules.rest[{b, p, 9}] = AssignCheckResult{false, "", ""};
  EXPECT_EQ(AssignPair(ctx, b, p, 9, true), kAssigned);
}

TEST_F(AssignTest, RemovingReversesTheAssignment) {
  EXPECT_EQ(RemovePair(ctx, 5, p, 2), kCrewOutOfRange);
  EXPECT_EQ(RemovePair(ctx, a, 7, 2), kPairingOutOfRange);
  EXPECT_EQ(RemovePair(ctx, a, p, 2), kCellHoldsNoPairing);
  EXPECT_EQ(RemovePair(ctx, a, p, 70), kPairingNotOnDay);
  doc.Pilots[a].DayCell[2] = p;  // a cell claiming an open instance
  EXPECT_EQ(RemovePair(ctx, a, p, 2), kInstanceOpen);
  doc.Pilots[a].DayCell[2] = kEmptyCell;
  EXPECT_TRUE(doc.History.empty());

  doc.Pairs[p].DayStatus[2] = -kOpenInstance;
  ASSERT_EQ(AssignPair(ctx, a, p, 2, false), kAssigned);
  doc.view.selection = {p, 9, 4};
  ASSERT_EQ(RemovePair(ctx, a, p, 2), kRemoved);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
  EXPECT_EQ(doc.Pairs[p].DayStatus[2], -kOpenInstance);
  EXPECT_EQ(doc.History[0], (TransactionRecord{TransactionRecord::kRemove, 2, a, p}));
  // Every removal clears the selection; the removed instance becomes the previous one.
  EXPECT_EQ(doc.view.selection.pair, -1);
  EXPECT_EQ(doc.view.previousSelection.pair, p);
  EXPECT_EQ(doc.view.previousSelection.day, 2);

  // Undo of a stale record: crew a is said to hold p on day 2, but holds q.
  const int q = AddPairing(202, {2});
  Place(a, q, 2);
  Place(b, p, 2);
  EXPECT_EQ(RemovePair(ctx, a, p, 2), kCellHoldsNoPairing);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], q);
  EXPECT_EQ(doc.Pairs[p].DayStatus[2], -kAssignedInstance);
}

TEST_F(AssignTest, EventLogLines) {
  TempFolder folder;
  const auto path = folder.path() / "log.txt";
  ASSERT_TRUE(log.open(path));
  ASSERT_EQ(AssignPair(ctx, a, p, 9, false), kAssigned);
  ASSERT_EQ(RemovePair(ctx, a, p, 9), kRemoved);
  ASSERT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);
  ASSERT_TRUE(RemovePairByRightClick(ctx, a, 9));
  log.close();
  EXPECT_EQ(ReadText(path),
            "AssignPair 101 to A ALPHA on 10\nRemove Pair 101 from A ALPHA on 10\nUndo\n"
            "AssignPair 101 to A ALPHA on 10\nRemovePair 101 A ALPHA 10 RC\n");
}

class FrenchCabinTest : public BuildingTest {
 protected:
  FrenchCabinTest() {
    doc.CrewType = 2;
    holderEarly = AddCrew("E EARLY");
    crew = AddCrew("M MIDDLE");
    holderLate = AddCrew("L LATE");
    purser = AddPairing(300, {4});
    attendant = AddPairing(300, {4});
    other = AddPairing(300, {4});
    doc.Pairs[other].Prefix = "K3";  // another trip with the same number
    for (const int q : {purser, attendant, other}) doc.Pairs[q].DisplayText = "x FRENCH PAIRING x";
  }

  int holderEarly = 0, crew = 0, holderLate = 0;
  int purser = 0, attendant = 0, other = 0;
};

TEST_F(FrenchCabinTest, JuniorNonFrenchMemberIsAsked) {
  Place(holderEarly, purser, 4);
  ui.answers = {Answer::No};
  EXPECT_EQ(AssignPair(ctx, crew, attendant, 4, false), kAssignRefused);
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0],
            "Employee M MIDDLE is not French Qualified and is the Junior Cabin Member. One Cabin "
            "Member must be French for this pairing. Do you want to assign it anyway");
  EXPECT_EQ(doc.Pilots[crew].DayCell[4], kEmptyCell);
  EXPECT_EQ(doc.Pilots[holderEarly].FaChecked, 1);  // the refused try leaves no mark
}

TEST_F(FrenchCabinTest, SeniorNonFrenchMemberNamesTheOtherAndRechecksHim) {
  Place(holderLate, purser, 4);
  FindBlockHolderLine(doc, views);
  ui.answers = {Answer::Yes};
  EXPECT_EQ(AssignPair(ctx, crew, attendant, 4, false), kAssigned);
  ASSERT_EQ(Questions().size(), 1u);
  EXPECT_EQ(Questions()[0],
            "Employee M MIDDLE is not French Qualified and is Senior to L LATE. One Cabin Member "
            "must be French for this pairing. Do you want to assign it anyway");
  EXPECT_EQ(rules.checkedBlocks, (std::vector<int>{crew, holderLate}));
  EXPECT_EQ(doc.Pilots[holderLate].FaChecked, 1);
}

TEST_F(FrenchCabinTest, PassesWithAFrenchMemberOrAnOpenPosition) {
  // The purser's position is still open.
  EXPECT_TRUE(CheckFrenchCabin(doc, crew, attendant, 4).passed);
  Place(holderLate, purser, 4);
  doc.Pilots[holderLate].AgeMedFlags() = 2;  // "Med" counts as well as "FR"
  EXPECT_TRUE(CheckFrenchCabin(doc, crew, attendant, 4).passed);
  doc.Pilots[holderLate].AgeMedFlags() = 0;
  doc.Pilots[crew].AgeMedFlags() = 1;
  EXPECT_TRUE(CheckFrenchCabin(doc, crew, attendant, 4).passed);
  doc.Pilots[crew].AgeMedFlags() = 0;
  doc.Pairs[attendant].DisplayText = "plain";
  EXPECT_TRUE(CheckFrenchCabin(doc, crew, attendant, 4).passed);
  // Shift skips the French question along with the rest checks.
  doc.Pairs[attendant].DisplayText = "FRENCH PAIRING";
  EXPECT_EQ(AssignPair(ctx, crew, attendant, 4, true), kAssigned);
  EXPECT_TRUE(ui.shown.empty());
}

}  // namespace
}  // namespace lumora::testing
