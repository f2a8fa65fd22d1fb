#include "views/grid_gestures.h"

#include "building/assign.h"
#include "building/building_fixture.h"
#include "building/undo.h"
#include "doubles/memory_settings.h"

namespace lumora::testing {
namespace {

class RecordingActions : public GridGestureActions {
 public:
  bool toolboxPlacing() const override { return placing; }
  void placeToolboxCode(int crew, int day) override { calls.push_back(Call("place", crew, day)); }
  void openOtherAssignment(int crew, int day) override {
    calls.push_back(Call("other", crew, day));
  }
  void openPairingText(int pair, int day) override { calls.push_back(Call("text", pair, day)); }
  bool removeOtherAssignment(int crew, int day, bool shift) override {
    calls.push_back(Call(shift ? "remove other shift" : "remove other", crew, day));
    return true;
  }
  void openEmployeeInfo(int crew) override { calls.push_back(Call("employee", crew, -1)); }
  void openQuickEmployeeInfo(int crew) override { calls.push_back(Call("info", crew, -1)); }
  void openMoveOnRoster(int crew) override { calls.push_back(Call("move", crew, -1)); }

  static std::string Call(const std::string& what, int a, int b) {
    return what + " " + std::to_string(a) + " " + std::to_string(b);
  }
  bool placing = false;
  std::vector<std::string> calls;
};

class GesturesTest : public BuildingTest {
 protected:
  GesturesTest() {
    a = AddCrew("A ALPHA");
    b = AddCrew("B BRAVO");
    pseudo = AddCrew("CAPT PAIRINGS", -1);
    p = AddPairing(101, {2, 9});
    doc.Pairs[p].Prefix = "K2";
  }

  void Click(MouseButton button, const GridHit& hit, KeyState keys = {}) {
    grid.mouseDown(button, hit, keys);
    grid.mouseUp(button, hit, keys);
  }
  void Drag(int fromCrew, int day, int toCrew, int toDay) {
    grid.mouseDown(MouseButton::Left, GridHit::Day(fromCrew, day), {});
    EXPECT_EQ(grid.mouseMove(GridHit::Day(toCrew, toDay)), GridCursor::UpArrow);
    grid.mouseUp(MouseButton::Left, GridHit::Day(toCrew, toDay), {});
  }

  MemorySettings settings;
  RecordingActions actions;
  GridGestures grid{ctx, settings, actions};
  int a = 0, b = 0, pseudo = 0, p = 0;
};

TEST_F(GesturesTest, DragMovesAPairingTwoUndosRestoreItARefusedDropPutsItBack) {
  Place(a, p, 2);
  Drag(a, 2, b, 20);  // the pointer's day does not matter
  EXPECT_FALSE(grid.dragging());
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
  EXPECT_EQ(doc.Pilots[b].DayCell[2], p);
  ASSERT_EQ(doc.History.size(), 2u);
  EXPECT_EQ(doc.History[0].kind, TransactionRecord::kAssign);
  EXPECT_EQ(doc.History[1].kind, TransactionRecord::kRemove);

  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);
  EXPECT_EQ(UndoLastTransaction(ctx), UndoOutcome::Undone);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  EXPECT_EQ(doc.Pilots[b].DayCell[2], kEmptyCell);
  EXPECT_TRUE(doc.History.empty());

  // A block that cannot take it: the pairing goes back where it was.
  rules.rest[{b, p, 2}] = AssignCheckResult{false, "", ""};
  Drag(a, 2, b, 2);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  EXPECT_EQ(doc.Pilots[b].DayCell[2], kEmptyCell);
  EXPECT_EQ(ui.beeps, 1);
  ASSERT_EQ(doc.History.size(), 2u);  // the removal and the reassignment
  EXPECT_EQ(doc.History[0], (TransactionRecord{TransactionRecord::kAssign, 2, a, p}));
}

TEST_F(GesturesTest, LockedPairingsStayWhereTheyAre) {
  Place(a, p, 2);
  Click(MouseButton::Middle, GridHit::Day(a, 2));
  EXPECT_EQ(doc.Pilots[a].DayLocked[2], 1);
  EXPECT_EQ(doc.Modified, 1);
  Drag(a, 2, b, 2);
  EXPECT_EQ(ui.messageTexts(), (std::vector<std::string>{"Can't Drag a Locked in Pairing"}));
  EXPECT_EQ(ui.shown[0].icon, Icon::Error);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  EXPECT_TRUE(doc.History.empty());
  // Ctrl-click unlocks; a plain click opens the pairing text.
  Click(MouseButton::Left, GridHit::Day(a, 2), {true, false});
  EXPECT_EQ(doc.Pilots[a].DayLocked[2], 0);
  Click(MouseButton::Left, GridHit::Day(a, 2));
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"text 0 2"}));
}

TEST_F(GesturesTest, ClickAssignsTheSelectedPairing) {
  doc.view.selection = {p, 9, 0};
  rules.rest[{a, p, 2}] = AssignCheckResult{false, "", ""};
  Click(MouseButton::Left, GridHit::Day(a, 2));
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);  // refused, and nothing said
  EXPECT_TRUE(ui.shown.empty());
  Click(MouseButton::Left, GridHit::Day(a, 2), {false, true});  // Shift forces it
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  Click(MouseButton::Left, GridHit::Day(pseudo, 9));  // pseudo lines take nothing by hand
  EXPECT_EQ(doc.Pilots[pseudo].DayCell[9], kEmptyCell);
  EXPECT_EQ(doc.AssignsSinceBackup, 2);
  Click(MouseButton::Left, GridHit::Day(b, 20));
  EXPECT_EQ(views.balanceDays.empty(), false);  // the header follows every click

  actions.placing = true;
  Click(MouseButton::Left, GridHit::Day(b, 9));
  EXPECT_EQ(doc.Pilots[b].DayCell[9], kEmptyCell);
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"place 1 9"}));
}

TEST_F(GesturesTest, BackupReminderAfterMoreThan80ClickAssignments) {
  doc.view.selection = {p, 2, 0};
  doc.AssignsSinceBackup = 80;
  Click(MouseButton::Left, GridHit::Day(a, 5));  // not assignable, but still an attempt
  EXPECT_EQ(doc.AssignsSinceBackup, 0);
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_EQ(ui.messageTexts()[0],
            "You have assigned a lot of pairings without backing up your work. You should select "
            "Backup from the File menu to Backup the Current file to an external device such as a "
            "USB memory stick. This message may be disabled in Setup Preferences.");
  EXPECT_EQ(ui.shown[0].icon, Icon::Information);

  settings.writeString("LM", "RemindBackup", "0");
  doc.AssignsSinceBackup = 80;
  Click(MouseButton::Left, GridHit::Day(a, 5));
  EXPECT_EQ(doc.AssignsSinceBackup, 0);
  EXPECT_EQ(ui.messageTexts().size(), 1u);
}

TEST_F(GesturesTest, RightClickRemovalAsksUnlessCtrlIsHeld) {
  Place(a, p, 2);
  ui.answers = {Answer::No};
  Click(MouseButton::Right, GridHit::Day(a, 2), {false, true});  // Shift does not skip it
  ASSERT_EQ(Questions(),
            (std::vector<std::string>{"Confirm remove K101 from A ALPHA. Hold Ctrl Key down while "
                                      "Right Clicking to avoid this message"}));
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);

  Click(MouseButton::Right, GridHit::Day(a, 2), {true, false});
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
  EXPECT_EQ(doc.History[0], (TransactionRecord{TransactionRecord::kRemove, 2, a, p}));

  // With the preference off nobody is asked.
  settings.writeString("LM", "HoldCtrlKey", "0");
  Place(b, p, 9);
  Click(MouseButton::Right, GridHit::Day(b, 9));
  EXPECT_EQ(doc.Pilots[b].DayCell[9], kEmptyCell);
  EXPECT_EQ(Questions().size(), 1u);

  // A locked pairing asks to be unlocked first, Ctrl or not.
  Place(a, p, 2);
  doc.Pilots[a].DayLocked[2] = 1;
  ui.answers = {Answer::No, Answer::Yes};
  Click(MouseButton::Right, GridHit::Day(a, 2), {true, false});
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  EXPECT_EQ(ui.shown.back().caption, "This Pairing is Locked In");
  Click(MouseButton::Right, GridHit::Day(a, 2), {true, false});
  EXPECT_EQ(doc.Pilots[a].DayLocked[2], 0);
  EXPECT_EQ(doc.Pilots[a].DayCell[2], kEmptyCell);
}

TEST_F(GesturesTest, RightClickElsewhereHandsOver) {
  doc.MinCredit = 0;  // nobody short of credit: the block-holder line stays put
  doc.Pilots[b].DayCell[4] = kOtherAssignmentCell;
  Click(MouseButton::Right, GridHit::Day(a, 40));
  Click(MouseButton::Right, GridHit::Day(b, 4), {false, true});
  Click(MouseButton::Right, GridHit::Name(b));
  Click(MouseButton::Right, GridHit::Name(pseudo));
  Click(MouseButton::Left, GridHit::Name(a));
  Click(MouseButton::Left, GridHit::Name(pseudo));
  // With a pairing chosen, Shift asks why it would not go into the empty day.
  doc.view.selection.pair = p;
  Click(MouseButton::Right, GridHit::Day(a, 2), {false, true});
  EXPECT_EQ(ui.shown.back().caption, "Lumora - Why Not?");
  EXPECT_TRUE(ui.shown.back().text.starts_with("0101 on ")) << ui.shown.back().text;
  EXPECT_EQ(actions.calls, (std::vector<std::string>{"info 0 -1", "remove other shift 1 4",
                                                     "move 1 -1", "employee 0 -1"}));
  EXPECT_EQ(views.filterChanges, 1);  // the follow-ups of a right-button change ran
}

TEST_F(GesturesTest, NothingHappensWhileTheLastMonthIsShown) {
  Place(a, p, 2);
  grid.setLastMonthOverlay(true);
  grid.mouseDown(MouseButton::Left, GridHit::Day(a, 2), {});
  EXPECT_FALSE(grid.dragging());
  grid.mouseUp(MouseButton::Left, GridHit::Day(b, 2), {});
  Click(MouseButton::Middle, GridHit::Day(a, 2));
  Click(MouseButton::Right, GridHit::Day(a, 2), {true, false});
  EXPECT_EQ(doc.Pilots[a].DayCell[2], p);
  EXPECT_EQ(doc.Pilots[a].DayLocked[2], 0);
  EXPECT_TRUE(doc.History.empty());
}

}  // namespace
}  // namespace lumora::testing
