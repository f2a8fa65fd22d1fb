#include "app/employee_windows.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>

#include "app/block_views.h"
#include "app/grid_widget.h"
#include "app/screenshot.h"
#include "frame_fixture.h"
#include "shell/command_table.h"

namespace lumora::testing {
namespace {

QString artifact(const char* name) {
  return QStringLiteral(LUMORA_TEST_ARTIFACTS "/") + QLatin1String(name);
}

class EmployeeWindowsTest : public FrameTest {
 protected:
  std::unique_ptr<MainWindow> demo() {
    auto window = startWindow(kDemo.string());
    window->show();
    QApplication::processEvents();
    EXPECT_TRUE(window->app().document().BlocksShown);
    return window;
  }
  static void click(MainWindow& window, Qt::MouseButton button, const Rect& where) {
    QTest::mouseClick(window.views()->gridWidget().viewport(), button, {}, centre(where));
  }
};

TEST_F(EmployeeWindowsTest, ANameClickOpensEmployeeInfoWhichRefusesABadTimeOnItsField) {
  auto window = demo();
  TDocument& doc = window->app().document();
  BlockGridView& grid = window->views()->gridModel();
  const std::string name = doc.Pilots[0].Name;
  bool shown = false;
  whenShown<EmployeeInfoWindow>([&](EmployeeInfoWindow& dialog) {
    shown = true;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Employee Info"));
    EXPECT_EQ(dialog.nameEdit().text().toStdString(), name);
    EXPECT_EQ(dialog.dayBar().value(), 31);
    EXPECT_GT(dialog.ruleLog().count(), 10);
    EXPECT_TRUE(saveScreenshot(dialog, artifact("employee_info.png")));
    dialog.creditEdit(2).setText(QStringLiteral("25:61"));
    dialog.accept();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), &dialog.creditEdit(2));
    dialog.creditEdit(2).setText(QStringLiteral("12:30"));
    dialog.qualifications().button(3)->click();
    EXPECT_EQ(dialog.maxBlockText().text(), QStringLiteral("85:00"));
    dialog.accept();
  });
  click(*window, Qt::LeftButton, grid.nameRect(0));
  EXPECT_TRUE(shown);
  EXPECT_EQ(ui.messageTexts().back(), "C/I Days > 5 or Hr:Min not correct on one field");
  EXPECT_EQ(doc.Pilots[0].TimeBank, 750);
  EXPECT_EQ(doc.Pilots[0].MaxBlockOverride(), 5100);
  EXPECT_EQ(doc.Modified, 1);
  window->shutdown();
}

TEST_F(EmployeeWindowsTest, TheRightButtonMovesANameOrSetsTheQuickFlags) {
  auto window = demo();
  TDocument& doc = window->app().document();
  BlockGridView& grid = window->views()->gridModel();
  const std::string second = doc.Pilots[1].Name;
  whenShown<MoveEmployeeWindow>([&](MoveEmployeeWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Lumora Move Employee on Roster"));
    dialog.list().setCurrentRow(0);
    EXPECT_TRUE(saveScreenshot(dialog, artifact("move_employee.png")));
    dialog.accept();
  });
  click(*window, Qt::RightButton, grid.nameRect(1));
  EXPECT_EQ(doc.Pilots[0].Name, second);

  int empty = -1;
  for (int d = 0; d < doc.monthLength() && empty < 0; ++d) {
    if (doc.Pilots[0].DayCell[static_cast<std::size_t>(d)] == kEmptyCell) empty = d;
  }
  ASSERT_GE(empty, 0);
  whenShown<QuickEmpInfoWindow>([&](QuickEmpInfoWindow& dialog) {
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
    dialog.blockComplete().setChecked(true);
    EXPECT_TRUE(saveScreenshot(dialog, artifact("quick_employee_info.png")));
    dialog.accept();
  });
  click(*window, Qt::RightButton, grid.cellsRect(0, empty, 1));
  EXPECT_EQ(doc.Pilots[0].BlockComplete(), 1);
  window->shutdown();
}

TEST_F(EmployeeWindowsTest, TheRosterDialogInsertsDragsAndBuildsTheBlocksAgain) {
  auto window = demo();
  TDocument& doc = window->app().document();
  const int count = doc.PilotCount;
  const std::string first = doc.Pilots[0].Name;
  whenShown<RosterWindow>([&](RosterWindow& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("EDIT ROSTER"));
    EXPECT_FALSE(dialog.addFromFileButton().isEnabled());
    dialog.indexEdit().setText(QStringLiteral("1"));
    dialog.insertButton().click();
    EXPECT_EQ(dialog.focusWidget(), &dialog.nameEdit());
    dialog.nameEdit().setText(QStringLiteral("NEW HIRE"));
    dialog.insertButton().click();
    EXPECT_EQ(dialog.list().item(0)->text(), QStringLiteral("001   NEW HIRE   0"));
    EXPECT_EQ(dialog.focusWidget(), &dialog.indexEdit());
    // Drag the new line to the third place.
    QWidget* viewport = dialog.list().viewport();
    const QPoint from = dialog.list().visualItemRect(dialog.list().item(0)).center();
    const QPoint to = dialog.list().visualItemRect(dialog.list().item(2)).center();
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(viewport, &move);
    EXPECT_EQ(dialog.status().text(), QStringLiteral("MOVE NEW HIRE TO POSITION 003"));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    EXPECT_EQ(dialog.status().text(), QStringLiteral("NEW HIRE MOVED TO POSITION 003"));
    EXPECT_TRUE(saveScreenshot(dialog, artifact("edit_roster.png")));
    dialog.accept();
  });
  menuAction(*window, command::kRoster)->trigger();
  EXPECT_EQ(ui.messageTexts().back(), "Name must be 1 + letters!");
  EXPECT_EQ(doc.PilotCount, count + 1);
  EXPECT_EQ(doc.Pilots[2].Name, "NEW HIRE");
  EXPECT_EQ(doc.Pilots[0].Name, first);
  EXPECT_TRUE(doc.History.empty());
  EXPECT_TRUE(doc.BlocksShown);
  window->shutdown();
}

}  // namespace
}  // namespace lumora::testing
