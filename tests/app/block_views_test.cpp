// The blocks built by mouse in the main window: the demo month opened with
// two crew members cleared, a pairing picked in the pairing window and
// assigned with a click, dragged to another block, undone with F1, and a
// request placed from the toolbox.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/block_views.h"
#include "app/grid_widget.h"
#include "app/pair_text_window.h"
#include "app/pair_window_widget.h"
#include "app/rules_windows.h"
#include "app/screenshot.h"
#include "app/toolbox_window.h"
#include "doubles/memory_settings.h"
#include "files/schedule_file.h"
#include "frame_fixture.h"
#include "shell/document_lifecycle.h"

namespace lumora::testing {
namespace {

class BlockViewsTest : public FrameTest {
 protected:
  // The demo month with the blocks of crew members 0 and 1 emptied, saved
  // with the grid, the pairing window and the toolbox shown.
  std::filesystem::path preparedDemo() {
    auto doc = std::make_unique<TDocument>();
    ScriptedUi quiet;
    EventLog log;
    doc->FileName = kDemo.string();
    EXPECT_TRUE(LoadFile(*doc, quiet, log).loaded);
    for (TPilot* pilot : {&doc->Pilots[0], &doc->Pilots[1]}) {
      for (std::size_t d = 0; d < kBlockDays; ++d) {
        pilot->DayCell[d] = kEmptyCell;
        pilot->DayRequest[d] = 0;
        pilot->DayOther[d] = {};
        pilot->DayCode[d].clear();
        pilot->DayCrewTracCode[d].clear();
        pilot->DayLocked[d] = 0;
      }
      pilot->CarryIn = {};
      pilot->Activity = {};
    }
    // The pairings' assigned marks follow the cells when the blocks are built.
    doc->BlocksShown = doc->PairWindowVisible = doc->ToolboxWindowVisible = 1;
    doc->History.clear();
    const auto path = file("demo.lm2");
    EXPECT_TRUE(SaveFile(*doc, path, kScheduleFile, quiet, log));
    return path;
  }

  // An open one-day instance in the pairing window's first columns, on a
  // day both emptied blocks can take (nothing the day before or after).
  struct Instance {
    int pair = -1;
    int day = -1;
    int slot = -1;
  };
  static Instance findOpenInstance(const TDocument& doc, const TPairWin& pw) {
    for (int slot = pw.firstSlot(); slot < pw.firstSlot() + 8; ++slot) {
      for (int day = 3; day < 12; ++day) {
        const int p = pw.cell(day, slot);
        if (p < 0) continue;
        const TPair& pair = doc.Pairs[static_cast<std::size_t>(p)];
        if (pair.Length == 1 && pair.DayStatus[static_cast<std::size_t>(day)] == kOpenInstance &&
            pair.Valid)
          return {p, day, slot};
      }
    }
    return {};
  }
};

TEST_F(BlockViewsTest, PickAssignDragUndoAndPlaceByMouse) {
  const auto path = preparedDemo();
  const auto window = startWindow(path.string());
  // The floating windows wait for the main window to be on screen: placed
  // before, they would sit where it is not and under it once it appears.
  EXPECT_FALSE(window->views()->pairWindow().isVisible());
  window->show();
  QApplication::processEvents();
  TDocument& doc = window->app().document();
  ASSERT_TRUE(doc.BlocksShown);
  BlockViews& views = *window->views();
  PairWindowWidget& pairWindow = views.pairWindow();
  BlockGridWidget& grid = views.gridWidget();
  ASSERT_TRUE(pairWindow.isVisible());
  ASSERT_TRUE(views.toolboxWindow().isVisible());

  // Pick an open instance in the pairing window.
  const Instance found = findOpenInstance(doc, views.pairModel());
  ASSERT_GE(found.pair, 0) << "no open one-day instance in view";
  const TPair& pair = doc.Pairs[static_cast<std::size_t>(found.pair)];
  const auto day = static_cast<std::size_t>(found.day);
  QTest::mouseClick(pairWindow.viewport(), Qt::LeftButton, {},
                    centre(views.pairModel().instanceRect(found.day, found.slot, 1)));
  EXPECT_EQ(doc.view.selection.pair, found.pair);
  EXPECT_EQ(doc.view.selection.day, found.day);
  EXPECT_TRUE(pairWindow.windowTitle().startsWith(QStringLiteral("Pair %1").arg(pair.Number)))
      << pairWindow.windowTitle().toStdString();

  // A click on the first crew member's day assigns it.
  const BlockGridView& model = views.gridModel();
  const QPoint first = centre(model.cellsRect(0, found.day, 1));
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, first);
  EXPECT_EQ(doc.Pilots[0].DayCell[day], found.pair);
  EXPECT_EQ(std::abs(pair.DayStatus[day]), kAssignedInstance);
  EXPECT_TRUE(doc.Modified);
  EXPECT_EQ(doc.History.size(), 1u);

  // Hovering over it names the pairing in the status bar.
  QTest::mouseMove(grid.viewport(), first);
  QApplication::processEvents();
  EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
      QStringLiteral("Pair %1").arg(pair.Number, 4, 10, QLatin1Char('0'))))
      << window->statusBar()->currentMessage().toStdString();

  // Dragged onto the second crew member's row: removed from one, assigned to
  // the other, two history records.
  const QPoint second = centre(model.cellsRect(1, found.day, 1));
  QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, first);
  QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, second);
  EXPECT_EQ(doc.Pilots[0].DayCell[day], kEmptyCell);
  EXPECT_EQ(doc.Pilots[1].DayCell[day], found.pair);
  EXPECT_EQ(doc.History.size(), 3u);

  // F1 undoes the drop, then the removal: back with the first crew member.
  QTest::keyClick(&grid, Qt::Key_F1);
  EXPECT_EQ(doc.Pilots[1].DayCell[day], kEmptyCell);
  QTest::keyClick(&grid, Qt::Key_F1);
  EXPECT_EQ(doc.Pilots[0].DayCell[day], found.pair);

  // A click on an assigned day opens the pairing's text next to it.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, first);
  ASSERT_NE(views.pairTextWindow(), nullptr);
  EXPECT_TRUE(views.pairTextWindow()->windowTitle().startsWith(QStringLiteral("ON ")));

  // The toolbox's "XA" and a click on an empty day: request number 10.
  ToolboxWindow& toolbox = views.toolboxWindow();
  QPushButton* xa = toolbox.buttonWidget(9);
  ASSERT_NE(xa, nullptr);
  ASSERT_EQ(xa->text(), QStringLiteral("XA"));
  QTest::mouseClick(xa, Qt::LeftButton);
  EXPECT_TRUE(doc.view.toolboxPlacing);
  const int requestDay = found.day + 5;
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centre(model.cellsRect(1, requestDay, 1)));
  EXPECT_EQ(doc.Pilots[1].DayRequest[static_cast<std::size_t>(requestDay)], 10);

  // Selecting an open pairing ends placing and empties the toolbox's caption.
  const Instance other = findOpenInstance(doc, views.pairModel());
  ASSERT_GE(other.pair, 0);
  ASSERT_FALSE(other.pair == found.pair && other.day == found.day);
  QTest::mouseClick(pairWindow.viewport(), Qt::LeftButton, {},
                    centre(views.pairModel().instanceRect(other.day, other.slot, 1)));
  EXPECT_FALSE(doc.view.toolboxPlacing);
  EXPECT_TRUE(toolbox.windowTitle().isEmpty());

  // The corner icon closes the pairing window, F4 brings it back.
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_FALSE(pairWindow.isVisible());
  EXPECT_FALSE(doc.PairWindowVisible);
  QTest::keyClick(&grid, Qt::Key_F4);
  EXPECT_TRUE(pairWindow.isVisible());

  ui.answers.push_back(Answer::No);  // "save it?" on closing
  window->close();
  window->shutdown();
}

TEST_F(BlockViewsTest, ThePairingWindowKeepsToTheGridsDayColumns) {
  const auto window = startWindow(preparedDemo().string());
  window->resize(1100, 700);
  window->show();
  QApplication::processEvents();
  BlockViews& views = *window->views();
  PairWindowWidget& pairs = views.pairWindow();
  ToolboxWindow& toolbox = views.toolboxWindow();
  ASSERT_TRUE(pairs.isVisible());
  const auto columnsLineUp = [&](const char* after) {
    SCOPED_TRACE(after);
    QApplication::processEvents();
    const QWidget& grid = *views.gridWidget().viewport();
    const int firstDay = grid.mapToGlobal(QPoint(views.gridModel().geometry().nameWidth, 0)).x();
    EXPECT_EQ(pairs.viewport()->mapToGlobal(QPoint(0, 0)).x(), firstDay);
    EXPECT_EQ(pairs.geometry().right(),
              views.gridWidget().mapToGlobal(QPoint(0, 0)).x() + views.gridWidget().width() - 1);
    EXPECT_EQ(pairs.model().firstColumn(), views.gridModel().firstColumn());
    // The toolbox above the pairing window leaves its client area alone.
    EXPECT_FALSE(toolbox.geometry().intersects(pairs.geometry()));
  };
  columnsLineUp("opening");
  window->move(window->pos() + QPoint(40, 30));
  columnsLineUp("a move");
  window->resize(900, 600);
  columnsLineUp("a resize");
  views.gridWidget().horizontalScrollBar()->setValue(4);
  columnsLineUp("scrolling");
  // A font with wider names moves the first day column.
  FontDescription larger = window->display().font.font();
  larger.height = -19;
  MemorySettings scratch;
  window->app().display().font.ok(larger, false, scratch);
  window->applyDisplay();
  columnsLineUp("a font change");

  // Moved by the user: its height and its distance from the grid's top stay;
  // sideways it goes back under the columns once the move settles.
  const QRect moved = pairs.geometry().translated(-60, -80).adjusted(0, 0, 0, -20);
  pairs.setGeometry(moved);
  QTest::qWait(400);
  EXPECT_EQ(pairs.geometry().top(), moved.top());
  EXPECT_EQ(pairs.geometry().height(), moved.height());
  window->move(window->pos() + QPoint(0, 10));
  columnsLineUp("a move after the user's");
  EXPECT_EQ(pairs.geometry().top(), moved.top() + 10);
  window->shutdown();
}

TEST_F(BlockViewsTest, HeldKeysShowLastMonthAndFullCredits) {
  const auto window = startWindow(preparedDemo().string());
  window->show();
  QApplication::processEvents();
  TDocument& doc = window->app().document();
  BlockViews& views = *window->views();
  BlockGridWidget& grid = views.gridWidget();

  QTest::keyPress(&grid, Qt::Key_Left);
  EXPECT_TRUE(views.gridModel().lastMonthOverlay());
  EXPECT_TRUE(doc.view.lastMonthView);
  QTest::keyRelease(&grid, Qt::Key_Left);
  EXPECT_FALSE(views.gridModel().lastMonthOverlay());

  QTest::keyPress(&grid, Qt::Key_Escape);
  EXPECT_TRUE(views.gridModel().fullCredits());
  QTest::keyRelease(&grid, Qt::Key_Escape);
  EXPECT_FALSE(views.gridModel().fullCredits());

  QTest::keyClick(&grid, Qt::Key_Down);
  EXPECT_EQ(views.gridModel().firstRow(), 1);
  QTest::keyClick(&grid, Qt::Key_Up);
  EXPECT_EQ(views.gridModel().firstRow(), 0);
  window->shutdown();
}

TEST_F(BlockViewsTest, ScreenshotOfTheDemoMonthAndAFolderThatCannotBeMade) {
  const auto window = startWindow(kDemo.string());
  window->show();
  QApplication::processEvents();
  ASSERT_TRUE(window->app().document().BlocksShown);
  // Kept as a build artifact for a look at the demo month.
  const QString png = QStringLiteral(LUMORA_TEST_ARTIFACTS "/demo_month.png");
  QFile::remove(png);
  ASSERT_TRUE(saveScreenshot(*window, png));
  EXPECT_EQ(QImage(png, "PNG").size(), window->size() * window->devicePixelRatio());
  // A folder that cannot be made: a file stands in its way.
  std::ofstream(file("blocker")).put('x');
  EXPECT_FALSE(
      saveScreenshot(*window, fromCorePath(file("blocker").string()) + QStringLiteral("/x.png")));
  window->shutdown();
}

TEST_F(BlockViewsTest, ARightClickOnAnInstanceAsksWhoIsLegal) {
  const auto window = startWindow(preparedDemo().string());
  window->show();
  QApplication::processEvents();
  TDocument& doc = window->app().document();
  BlockViews& views = *window->views();
  const Instance found = findOpenInstance(doc, views.pairModel());
  ASSERT_GE(found.pair, 0);
  QString caption;
  whenShown<WhosLegalWindow>([&](WhosLegalWindow& dialog) {
    caption = dialog.windowTitle();
    // Any crew member may be asked about, not only the listed ones.
    EXPECT_EQ(dialog.crewChoice().count(), doc.PilotCount);
    dialog.crewChoice().setCurrentIndex(doc.PilotCount - 1);
    dialog.whyNotButton().click();
    dialog.reject();
  });
  QTest::mouseClick(views.pairWindow().viewport(), Qt::RightButton, {},
                    centre(views.pairModel().instanceRect(found.day, found.slot, 1)));
  EXPECT_TRUE(caption.startsWith(
      QStringLiteral("Lumora - %1 on ")
          .arg(doc.Pairs[static_cast<std::size_t>(found.pair)].Number, 4, 10, QLatin1Char('0'))))
      << caption.toStdString();
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().caption, "Lumora - Why Not?");
}

}  // namespace
}  // namespace lumora::testing
