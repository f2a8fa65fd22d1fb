#include "app/other_assignment_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app_test_support.h"
#include "building/block_edit.h"
#include "building/block_rules.h"
#include "building/other_assignments.h"
#include "model/calendar.h"

namespace lumora::testing {
namespace {

// July 2026 with one first officer holding "SIM" on the 5th, placed from the
// toolbox as the scheduler would.
class OtherAssignmentWindowTest : public ::testing::Test {
 protected:
  static constexpr int kDay = 4;

  OtherAssignmentWindowTest() {
    FillCalendar(doc->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    ExtendCalendar(doc->cal);
    doc->cal.MonthText = "Jul";
    doc->CrewType = static_cast<std::uint8_t>(CrewKind::FirstOfficers);
    crew = doc->PilotCount++;
    doc->Pilots[static_cast<std::size_t>(crew)].Name = "J SMITH";
    doc->Pilots[static_cast<std::size_t>(crew)].EmpNumber = 1000;

    ToolboxItem sim;
    sim.code = "SIM";
    sim.message = "Simulator";
    sim.crewTracCode = "SIMT";
    sim.credit = 240;
    sim.start = 720;
    sim.timeAtWork = 300;
    sim.hardTime = 15;
    sim.containsDuty = sim.carsDuty = 1;
    EventLog log;
    NoRules rules;
    BlockViewSink views;
    BlockEditContext ctx{*doc, ui, log, rules, views};
    EXPECT_EQ(PlaceToolboxItem(ctx, sim, crew, kDay), PlaceResult::Placed);
  }

  DayRecord& record() const {
    return doc->Pilots[static_cast<std::size_t>(crew)].DayOther[static_cast<std::size_t>(kDay)];
  }

  // Opens the dialog on the day, runs `act` on it once shown; true when it
  // closed with OK.
  bool run(std::function<void(OtherAssignmentWindow&)> act) {
    std::optional<OtherAssDialog> model = OtherAssDialog::Open(*doc, crew, kDay);
    EXPECT_TRUE(model.has_value());
    if (!model) return false;
    whenShown<OtherAssignmentWindow>(std::move(act));
    return RunOtherAssignmentDialog(nullptr, *model, *doc);
  }

  static void retype(QLineEdit& edit, const char* keys) {
    edit.selectAll();
    QTest::keyClick(&edit, Qt::Key_Backspace);
    QTest::keyClicks(&edit, QString::fromLatin1(keys));
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  ScriptedUi ui;
  int crew = 0;
};

TEST_F(OtherAssignmentWindowTest, ShowsTheDayAndOkStoresTheControls) {
  const bool stored = run([](OtherAssignmentWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("J SMITH Assignment Details"));
    EXPECT_EQ(dialog.dateLine().text(), QStringLiteral("Jul 5"));
    EXPECT_EQ(dialog.codeText().text(), QStringLiteral("SIM"));
    EXPECT_TRUE(dialog.codeText().isReadOnly() && dialog.crewTracCodeText().isReadOnly());
    EXPECT_EQ(dialog.crewTracCodeText().text(), QStringLiteral("SIMT"));
    EXPECT_EQ(QStringList({dialog.startEdit().text(), dialog.atWorkEdit().text(),
                           dialog.creditEdit().text(), dialog.hardTimeEdit().text()}),
              QStringList({QStringLiteral("12:00"), QStringLiteral("05:00"),
                           QStringLiteral("04:00"), QStringLiteral("00:15")}));
    EXPECT_FALSE(dialog.reserveBox().isChecked() || dialog.excludeCreditBox().isChecked());
    EXPECT_TRUE(dialog.containsDutyBox().isChecked() && dialog.carsDutyBox().isChecked());
    EXPECT_EQ(dialog.excludeCreditBox().text(), QStringLiteral("Exlcude Credit from Block"));
    EXPECT_EQ(dialog.dayOffBox().text(), QStringLiteral("Count as a Day Off"));
    EXPECT_FALSE(dialog.dayOffBox().isEnabled());

    // A credit past 23:59 is taken; a hard time past it reads as nothing.
    retype(dialog.creditEdit(), "30:00");
    retype(dialog.hardTimeEdit(), "25:00");
    // Hours end at two digits: the picture wants the colon before minutes.
    retype(dialog.atWorkEdit(), "0630");
    EXPECT_EQ(dialog.atWorkEdit().text(), QStringLiteral("06"));
    QTest::keyClicks(&dialog.atWorkEdit(), QStringLiteral(":30"));
    dialog.reserveBox().click();
    dialog.carsDutyBox().click();
    dialog.excludeCreditBox().click();
    dialog.okButton().click();
  });
  EXPECT_TRUE(stored);
  EXPECT_EQ(record(), (DayRecord{720, 390, 1800, 0, 1, 1, 1, 0, 0, 0}));
}

TEST_F(OtherAssignmentWindowTest, CancelLeavesTheRecordLongCreditsSurviveAndAnEmptyStartClears) {
  const DayRecord before = record();
  const bool stored = run([](OtherAssignmentWindow& dialog) {
    retype(dialog.creditEdit(), "30:00");
    retype(dialog.startEdit(), "");
    dialog.reserveBox().click();
    dialog.cancelButton().click();
  });
  EXPECT_FALSE(stored);
  EXPECT_EQ(record(), before);

  // A credit of more than 99 hours shows whole and comes back unchanged.
  record()[kOtherCredit] = 100 * 60 + 30;
  EXPECT_TRUE(run([](OtherAssignmentWindow& dialog) {
    EXPECT_EQ(dialog.creditEdit().text(), QStringLiteral("100:30"));
    dialog.okButton().click();
  }));
  EXPECT_EQ(record()[kOtherCredit], 6030);
  EXPECT_EQ(record()[kOtherStartTime], 720);

  // An empty start clears the time at work too.
  EXPECT_TRUE(run([](OtherAssignmentWindow& dialog) {
    dialog.startEdit().selectAll();
    QTest::keyClick(&dialog.startEdit(), Qt::Key_Delete);
    EXPECT_EQ(dialog.atWorkEdit().text(), QStringLiteral("05:00"));
    dialog.okButton().click();
  }));
  EXPECT_EQ(record()[kOtherStartTime], 0);
  EXPECT_EQ(record()[kOtherHoursAtWork], 0);
  EXPECT_EQ(record()[kOtherCredit], 6030);
}

}  // namespace
}  // namespace lumora::testing
