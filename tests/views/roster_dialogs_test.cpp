#include "views/roster_dialogs.h"

#include "building/assign.h"
#include "building/building_fixture.h"
#include "building/roster_edit.h"

namespace lumora::testing {
namespace {

class RosterDialogTest : public BuildingTest {
 protected:
  RosterDialogTest() {
    AddCrew("ABLE", 11);
    AddCrew("BAKER", 22);
    AddCrew("CHARLIE", 33);
    AddCrew("CAPT PAIRINGS", -1);
    doc.History.add({TransactionRecord::kAssign, 0, 0, 0});
  }

  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < doc.PilotCount; ++i) names.push_back(doc.Pilots[i].Name);
    return names;
  }

  RosterDialog dialog{doc};
};

TEST_F(RosterDialogTest, InsertRefusalsNameTheirFieldAndChangeNothing) {
  struct Case {
    std::string index, name, emp, message, caption;
    RosterField focus;
  };
  const std::vector<Case> cases{
      {"", "NEW", "5", "Invalid Roster Number!", "Oops", RosterField::Index},
      {"5", "NEW", "5", "Invalid Roster Number!", "Oops", RosterField::Index},
      {"-99999999999", "NEW", "5", "Invalid Roster Number!", "Oops", RosterField::Index},
      {"1", "", "5", "Name must be 1 + letters!", "Oops", RosterField::Name},
      {"1", std::string(21, 'N'), "5", "Name too long!", "Oops", RosterField::Name},
      {"1", "NEW", "-3", "Invalid Employee Number!", "Oops", RosterField::EmpNumber},
      {"1", "NEW", "12345678901", "Invalid Employee Number!", "Oops", RosterField::EmpNumber},
      {"1", "NEW", "22", "Duplicate Employee Number with BAKER", "Oops", RosterField::EmpNumber},
  };
  for (const Case& c : cases) {
    dialog.indexText = c.index;
    dialog.nameText = c.name;
    dialog.empText = c.emp;
    EXPECT_FALSE(dialog.insert(ui)) << c.message;
    EXPECT_EQ(ui.last().text, c.message);
    EXPECT_EQ(ui.last().caption, c.caption);
    EXPECT_EQ(dialog.focus(), c.focus) << c.message;
  }
  EXPECT_EQ(doc.PilotCount, 4);
  EXPECT_FALSE(doc.History.empty());
  EXPECT_FALSE(dialog.changed());
}

TEST_F(RosterDialogTest, InsertFirstAndLastBeforeThePseudoLineEmptiesTheHistory) {
  Place(1, AddPairing(101, {3}), 3);
  dialog.indexText = "1";
  dialog.nameText = "FIRST";
  dialog.empText = "0";
  ASSERT_TRUE(dialog.insert(ui));
  EXPECT_TRUE(doc.History.empty());
  EXPECT_TRUE(dialog.indexText.empty() && dialog.nameText.empty() && dialog.empText.empty());
  EXPECT_EQ(dialog.focus(), RosterField::Index);
  // A second number 0 is allowed; the listed crew are now four, so 5 appends.
  dialog.indexText = "5";
  dialog.nameText = "LAST";
  dialog.empText = "";
  ASSERT_TRUE(dialog.insert(ui));
  EXPECT_EQ(Names(), (std::vector<std::string>{"FIRST", "ABLE", "BAKER", "CHARLIE", "LAST",
                                               "CAPT PAIRINGS"}));
  EXPECT_EQ(doc.Pilots[2].DayCell[3], 0);  // BAKER's block moved with him
  EXPECT_EQ(doc.Pilots[0].DayCell[3], kEmptyCell);
  EXPECT_EQ(dialog.lines().front(), "001   FIRST   0");
  EXPECT_EQ(dialog.lines().size(), 5u);
  EXPECT_TRUE(dialog.changed());
}

TEST_F(RosterDialogTest, DeleteSendsThePairingsBackToOpenAndClosesTheGap) {
  const int p = AddPairing(101, {2, 9, 20});
  for (const int day : {2, 9, 20}) Place(1, p, day);
  doc.Pairs[p].DayStatus[20] = -kAssignedInstance;  // an extra-crew copy
  doc.Pilots[2].RuleCheckLog = "CHARLIE LOG+";

  EXPECT_FALSE(dialog.deleteSelected(ui));
  EXPECT_EQ(ui.last().text, "I Don't know who to Delete!");
  EXPECT_EQ(ui.last().caption, "Oops");
  dialog.select(3);
  EXPECT_FALSE(dialog.deleteSelected(ui));
  EXPECT_EQ(ui.last().text, "Cannot delete Capt Pairings Lines. Use Edit.. Setup Crew Types");
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_FALSE(doc.History.empty());

  dialog.select(1);
  ASSERT_TRUE(dialog.deleteSelected(ui));
  EXPECT_EQ(doc.Pairs[p].DayStatus[2], kOpenInstance);
  EXPECT_EQ(doc.Pairs[p].DayStatus[9], kOpenInstance);
  EXPECT_EQ(doc.Pairs[p].DayStatus[20], -kOpenInstance);
  EXPECT_EQ(Names(), (std::vector<std::string>{"ABLE", "CHARLIE", "CAPT PAIRINGS"}));
  EXPECT_EQ(doc.Pilots[1].RuleCheckLog, "CHARLIE LOG+");
  EXPECT_TRUE(doc.Pilots[3].Name.empty());
  EXPECT_EQ(doc.Pilots[3].DayCell[2], kEmptyCell);
  EXPECT_TRUE(doc.History.empty());
}

TEST_F(RosterDialogTest, DraggingShowsTheTargetAndDroppingMovesTheWholeRecord) {
  doc.Pilots[0].RuleCheckLog = "ABLE LOG+";
  doc.Pilots[0].Notes = "able";
  dialog.dragOver(0, 2);
  EXPECT_EQ(dialog.status(), "MOVE ABLE TO POSITION 003");
  dialog.dragOver(0, -1);
  EXPECT_EQ(dialog.status(), "");
  EXPECT_FALSE(dialog.drop(0, 0));
  EXPECT_FALSE(dialog.drop(0, 3));  // the pseudo line is not a place
  EXPECT_FALSE(doc.History.empty());
  ASSERT_TRUE(dialog.drop(0, 2));
  EXPECT_EQ(dialog.status(), "ABLE MOVED TO POSITION 003");
  EXPECT_EQ(Names(), (std::vector<std::string>{"BAKER", "CHARLIE", "ABLE", "CAPT PAIRINGS"}));
  EXPECT_EQ(doc.Pilots[2].RuleCheckLog, "ABLE LOG+");
  EXPECT_EQ(doc.Pilots[2].Notes, "able");
  EXPECT_TRUE(doc.Pilots[0].RuleCheckLog.empty());
  EXPECT_TRUE(doc.History.empty());
  ASSERT_TRUE(dialog.drop(2, 0));
  EXPECT_EQ(Names(), (std::vector<std::string>{"ABLE", "BAKER", "CHARLIE", "CAPT PAIRINGS"}));
}

TEST_F(RosterDialogTest, MoveDialogMovesTheCrewMemberAndTheBlockHolderLineFollows) {
  const int p = AddPairing(101, {4});
  Place(2, p, 4);
  MoveEmployeeDialog move(ctx, 2);
  EXPECT_EQ(move.title(), "Lumora Move Employee on Roster");
  EXPECT_EQ(move.prompt(), "Select Position to Move CHARLIE to.");
  EXPECT_EQ(move.lines(), (std::vector<std::string>{"001 ABLE", "002 BAKER", "003 CHARLIE"}));
  move.select(2);
  EXPECT_TRUE(move.accept(ui));
  EXPECT_FALSE(move.moved());
  EXPECT_FALSE(doc.History.empty());

  bool reapplied = false;
  ui.onDialog<MoveEmployeeDialog>([](MoveEmployeeDialog& m) {
    m.select(0);
    return true;
  });
  EXPECT_TRUE(ShowMoveOnRoster(ctx, 2, [&reapplied] { reapplied = true; }));
  EXPECT_TRUE(reapplied);
  EXPECT_EQ(Names(), (std::vector<std::string>{"CHARLIE", "ABLE", "BAKER", "CAPT PAIRINGS"}));
  EXPECT_EQ(doc.Pilots[0].DayCell[4], p);
  EXPECT_TRUE(doc.History.empty());
  EXPECT_EQ(views.rows.back(), BlockViewSink::kAllRows);
  // The pseudo line has no move dialog.
  EXPECT_FALSE(ShowMoveOnRoster(ctx, 3, {}));
}

TEST_F(RosterDialogTest, AFullRosterRefusesAnInsert) {
  doc.PilotCount = kMaxRosterPilots;
  dialog.indexText = "1";
  dialog.nameText = "ONE MORE";
  dialog.empText = "0";
  EXPECT_FALSE(dialog.insert(ui));
  EXPECT_EQ(ui.last().text, "The roster is full.");
  EXPECT_EQ(doc.PilotCount, kMaxRosterPilots);
}

}  // namespace
}  // namespace lumora::testing
