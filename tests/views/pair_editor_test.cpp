#include "views/pair_editor.h"

#include <gtest/gtest.h>

#include <memory>

#include "doubles/memory_settings.h"
#include "shell/document_session.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

// July 2026 starts on a Wednesday: day box 3 is the 1st.
class PairEditorTest : public ::testing::Test {
 protected:
  PairEditorTest() {
    build.july2026().extended().kind(CrewKind::Captains).crew("A ALPHA", 11);
    build.pairing(
        PairingValues(101).Days({4, 9}).Length(1).OnTime(480).TAFB(600).CreditPerDay(300));
    build.pairing(PairingValues(102).Days({6}).Length(1).OnTime(480).TAFB(600).CreditPerDay(300));
  }

  // The editor with the editing switch as the password left it.
  std::unique_ptr<PairDialog> Editor(bool editing, int pair = 0) {
    doc.view.pairEditing = editing ? 1 : 0;
    return std::make_unique<PairDialog>(doc, pair);
  }
  static int Box(int day) { return day + 3; }

  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  ScriptedUi ui;
};

TEST_F(PairEditorTest, PasswordInEitherCaseEditsEmptyViewsAnythingElseIsRefused) {
  struct Case {
    const char* password;
    bool closes, editing;
  };
  for (const Case c :
       {Case{"", true, false}, Case{"QUARTO", true, true}, Case{"quarto", true, true},
        Case{"Quarto", false, false}, Case{"QUARTOS", false, false}, Case{" ", false, false}}) {
    SCOPED_TRACE(c.password);
    doc.view.pairEditing = 1;
    EditOrViewPairsDialog dialog(doc);
    EXPECT_FALSE(dialog.editing());  // each opening asks again
    dialog.password = c.password;
    ui.shown.clear();
    EXPECT_EQ(dialog.accept(ui), c.closes);
    EXPECT_EQ(dialog.editing(), c.editing);
    EXPECT_EQ(ui.shown.size(), c.closes ? 0u : 1u);
    if (!c.closes) {
      EXPECT_EQ(ui.last().text, EditOrViewPairsDialog::kWrongPassword);
    }
  }
}

TEST_F(PairEditorTest, AWrongPasswordLeavesTheEditorReadOnly) {
  EditOrViewPairsDialog password(doc);
  password.password = "QuArTo";
  EXPECT_FALSE(password.accept(ui));
  password.cancel();
  PairDialog editor(doc);
  EXPECT_EQ(editor.title(), PairDialog::kViewCaption);
  editor.on = "09:00";
  editor.dayBox.fill(false);
  editor.startTime = "99:99";
  EXPECT_TRUE(editor.moveDay(0, ui));  // nothing checked, nothing written
  EXPECT_TRUE(editor.next(ui));
  EXPECT_TRUE(editor.accept(ui));
  EXPECT_EQ(doc.pair(0).OnTime, 480);
  EXPECT_EQ(doc.pair(0).DayStatus[4], kOpenInstance);
  EXPECT_EQ(doc.Modified, 0);
  EXPECT_EQ(doc.view.pairEditorCurrent, 1);  // it reopens where it was left
}

TEST_F(PairEditorTest, ShowsThePageAndTheMonthCalendar) {
  const auto editor = Editor(true);
  EXPECT_EQ(editor->title(), PairDialog::kEditCaption);
  EXPECT_EQ(editor->number, "0101");
  EXPECT_EQ(editor->on, "08:00");
  EXPECT_EQ(editor->off, "00:00");
  EXPECT_EQ(editor->credit, "05:00");
  EXPECT_EQ(editor->tafb, "010:00");
  EXPECT_EQ(editor->length, "1");
  EXPECT_EQ(editor->positionText(), "1 of 2");
  EXPECT_EQ(editor->dayLabel(), "Day 1");
  EXPECT_EQ(editor->dayMaximum(), 0);
  EXPECT_EQ(editor->boxDay(2), -1);
  EXPECT_EQ(editor->boxLabel(Box(0)), "01");
  EXPECT_EQ(editor->boxLabel(Box(30)), "31");
  EXPECT_EQ(editor->boxDay(Box(31)), -1);
  EXPECT_TRUE(editor->dayBox[Box(4)]);
  EXPECT_FALSE(editor->dayBox[Box(5)]);
  EXPECT_EQ(editor->dailyCredit, "05:00");
}

// Each refusal names its faults in order; Yes keeps the editor on the
// pairing with the focus on the first field at fault, No moves on and
// writes nothing.
TEST_F(PairEditorTest, EachFaultOfThePageIsNamedAndTheFirstFieldGetsTheFocus) {
  struct Case {
    const char *on, *credit, *tafb, *number;
    bool operates;
    const char* errors;
    PairDialog::Field focus;
  };
  using F = PairDialog::Field;
  const Case cases[] = {
      {"", "05:00", "010:00", "0101", true, "Time On ? ", F::On},
      {"25:61", "05:00", "010:00", "0101", true, "Time On ? ", F::On},
      {"08:00", "86:00", "010:00", "0101", true, "Credit ? ", F::Credit},
      {"08:00", "-1:00", "010:00", "0101", true, "Credit ? ", F::Credit},
      {"08:00", "05:00", "145:00", "0101", true, "TAFB?  Calculated Length?", F::Tafb},
      {"08:00", "05:00", "010:00", "0101", false, "Never Operates? ", F::DayBoxes},
      {"08:00", "05:00", "010:00", "0", true, "Pair Number Not Valid 1-9999", F::Number},
      {"08:00", "05:00", "010:00", "", true, "Pair Number Not Valid 1-9999", F::Number},
      {"22:00", "05:00", "140:00", "0101", true, "Calculated Length?", F::Tafb},
      {"08:00", "05:99999999999", "010:00", "0101", true, "Credit ? ", F::Credit},
  };
  for (const Case& c : cases) {
    for (const Answer answer : {Answer::Yes, Answer::No}) {
      SCOPED_TRACE(std::string(c.errors) + (answer == Answer::Yes ? " yes" : " no"));
      const auto editor = Editor(true);
      editor->on = c.on;
      editor->credit = c.credit;
      editor->tafb = c.tafb;
      editor->number = c.number;
      if (!c.operates) editor->dayBox.fill(false);
      ui.shown.clear();
      ui.answers.push_back(answer);
      EXPECT_EQ(editor->next(ui), answer == Answer::No);
      ASSERT_EQ(ui.shown.size(), 1u);
      EXPECT_EQ(ui.last().text, std::string(c.errors) + "- Fix Now?");
      EXPECT_EQ(ui.last().caption, "Errors in this Pairing at Index 000!");
      EXPECT_EQ(editor->focus(), answer == Answer::Yes ? c.focus : F::None);
      EXPECT_EQ(doc.pair(0).OnTime, 480);
      EXPECT_EQ(doc.Modified, 0);
    }
  }
  // Faults of 71 characters or more pass without a question and unwritten.
  const auto editor = Editor(true);
  editor->on = "23:99";
  editor->tafb = "200:00";
  editor->credit = editor->number = "";
  editor->dayBox.fill(false);
  ui.shown.clear();
  EXPECT_TRUE(editor->accept(ui));
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(doc.pair(0).Number, 101);
}

TEST_F(PairEditorTest, StoringDerivesReleaseAndLengthAndAddsOrDropsDays) {
  struct Case {
    const char *on, *tafb;
    int length, offTime;
  };
  for (const Case& c : {Case{"22:00", "030:00", 3, 240}, Case{"08:00", "016:00", 1, 1440},
                        Case{"00:00", "000:00", 1, 0}}) {
    SCOPED_TRACE(c.on);
    const auto editor = Editor(true);
    editor->on = c.on;
    editor->tafb = c.tafb;
    editor->number = "777";
    editor->dayBox[Box(9)] = false;
    editor->dayBox[Box(20)] = true;
    EXPECT_TRUE(editor->next(ui));
    const TPair& p = doc.pair(0);
    EXPECT_EQ(p.Length, c.length);
    EXPECT_EQ(p.OffTime, c.offTime);
    EXPECT_EQ(p.Number, 777);
    EXPECT_EQ(p.Valid, 1);
    EXPECT_EQ(p.DayStatus[9], kNoInstance);
    EXPECT_EQ(p.DayStatus[20], kOpenInstance);
    EXPECT_EQ(p.DayStatus[4], kOpenInstance);
    EXPECT_EQ(doc.Modified, 1);
    doc.pair(0).DayStatus[9] = kOpenInstance;
    doc.pair(0).DayStatus[20] = kNoInstance;
  }
}

TEST_F(PairEditorTest, UncheckingAnAssignedDayTakesItFromItsHolder) {
  build.place(0, 0, 4);
  doc.pair(0).DayStatus[9] = kAssignedInstance;  // assigned to nobody
  const auto editor = Editor(true);
  editor->dayBox[Box(4)] = false;
  editor->dayBox[Box(9)] = false;
  editor->dayBox[Box(20)] = true;
  ASSERT_TRUE(editor->next(ui));
  EXPECT_EQ(doc.pilot(0).DayCell[4], kEmptyCell);
  EXPECT_EQ(doc.pair(0).DayStatus[4], kNoInstance);
  EXPECT_EQ(doc.pair(0).DayStatus[9], kNoInstance);
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].text, "Removing Pairing 0101 from A ALPHA");
  EXPECT_EQ(ui.shown[0].caption, PairDialog::kRemovedCaption);
  EXPECT_EQ(ui.shown[1].text, PairDialog::kMismatchText);
  EXPECT_EQ(ui.shown[1].caption, PairDialog::kMismatchCaption);
}

TEST_F(PairEditorTest, InvalidDailyDataKeepTheDayAndFocusTheField) {
  doc.pair(0).Length = 3;
  using F = PairDialog::Field;
  struct Case {
    const char *start, *duty, *hard, *credit;
    F focus;
  };
  for (const Case& c : {Case{"24:00", "10:00", "05:00", "05:00", F::StartTime},
                        Case{"", "10:00", "05:00", "05:00", F::StartTime},
                        Case{"08:00", "18:01", "05:00", "05:00", F::DutyTime},
                        Case{"08:00", "10:00", "-1:00", "05:00", F::HardTime},
                        Case{"08:00", "10:00", "05:00", "x", F::DailyCredit}}) {
    SCOPED_TRACE(c.start);
    const auto editor = Editor(true);
    editor->startTime = c.start;
    editor->dutyTime = c.duty;
    editor->hardTime = c.hard;
    editor->dailyCredit = c.credit;
    ui.shown.clear();
    EXPECT_FALSE(editor->moveDay(1, ui));
    EXPECT_EQ(editor->day(), 0);
    EXPECT_EQ(editor->focus(), c.focus);
    EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string(PairDialog::kDailyInvalid)});
  }
  const auto editor = Editor(true);
  editor->startTime = "23:59";
  editor->dutyTime = "18:00";
  EXPECT_TRUE(editor->moveDay(2, ui));
  EXPECT_EQ(editor->dayLabel(), "Day 3");
  EXPECT_EQ(doc.pair(0).DailyStartTime[0], 1439);
  EXPECT_EQ(doc.pair(0).DailyDutyTime[0], 1080);
}

// A pairing lengthened in the editor runs into the crew member's next
// assignment; the views are built again and the rules find it.
TEST_F(PairEditorTest, AnEditedPairingThatOverlapsTheNextAssignmentIsCaughtAtBuildBlocks) {
  build.daylightSaving();
  build.place(0, 0, 4);
  build.place(0, 1, 6);
  MemorySettings settings;
  DocumentSession session(ui, settings, doc);
  session.buildBlocks({});
  EXPECT_EQ(doc.pilot(0).ExceptionsText, "");
  session.closeViews();

  const auto editor = Editor(true);
  editor->tafb = "050:00";  // 08:00 on the 5th to 10:00 on the 7th
  ASSERT_TRUE(editor->accept(ui));
  ASSERT_EQ(doc.pair(0).Length, 3);
  session.buildBlocks({});
  EXPECT_NE(doc.pilot(0).ExceptionsText, "");
  EXPECT_EQ(doc.pilot(0).ExceptionDays[6], 1);
}

TEST_F(PairEditorTest, TimeFieldsReadANumberASeparatorAndANumber) {
  struct Case {
    const char* text;
    int hours, minutes;
    bool read;
  };
  for (const Case& c :
       {Case{"08:30", 8, 30, true}, Case{"8:3", -1, -1, false}, Case{"145:00", 145, 0, true},
        Case{"12.15", 12, 15, true}, Case{"  7: 05", 7, 5, true}, Case{"ab:cd", -1, -1, false},
        Case{"99999999999:00", -1, -1, false}, Case{"12:", -1, -1, false},
        Case{"-1:-1", -1, -1, true}}) {
    SCOPED_TRACE(c.text);
    const EditorTime time = ReadEditorTime(c.text);
    EXPECT_EQ(time.read, c.read);
    EXPECT_EQ(time.hours, c.hours);
    EXPECT_EQ(time.minutes, c.minutes);
  }
}

}  // namespace
}  // namespace lumora::testing
