// "Propose Blocks..." in the main window: the demo month with a few blocks
// emptied, Cancel, the preview in the grid and its list, a line that finds
// its cell, Accept All, and F1 that puts the month back byte for byte.
// Discard has its test with the preview model; the grid clearing shows here after Accept All.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <filesystem>

#include "app/block_views.h"
#include "app/grid_widget.h"
#include "app/proposal_window.h"
#include "files/schedule_file.h"
#include "frame_fixture.h"
#include "views/proposal_preview.h"

namespace lumora::testing {
namespace {

class ProposalWindowTest : public FrameTest {
 protected:
  // The demo month cut to its first crew members, with the pairings of the
  // first blocks taken out: open time to propose, and a model small enough
  // to be solved at once.
  std::filesystem::path openedDemo() {
    auto doc = std::make_unique<TDocument>();
    ScriptedUi quiet;
    EventLog log;
    doc->FileName = kDemo.string();
    EXPECT_TRUE(LoadFile(*doc, quiet, log).loaded);
    doc->PilotCount = 12;
    for (int crew = 0; crew < 4; ++crew)
      for (std::int32_t& cell : doc->Pilots[static_cast<std::size_t>(crew)].DayCell)
        if (cell >= 0) cell = kEmptyCell;
    doc->BlocksShown = 1;
    doc->History.clear();
    const auto path = file("demo.lm2");
    EXPECT_TRUE(SaveFile(*doc, path, kScheduleFile, quiet, log));
    return path;
  }
};

// The main window with the preview where it stands over it.
QImage Composite(QWidget& window, QWidget& dialog) {
  QImage image = window.grab().toImage();
  QPainter painter(&image);
  painter.drawPixmap(dialog.frameGeometry().topLeft() - window.frameGeometry().topLeft(),
                     dialog.grab());
  return image;
}

TEST_F(ProposalWindowTest, CancelChangesNothingAcceptAllIsOneStepForF1) {
  const auto window = startWindow(openedDemo().string());
  window->show();
  QApplication::processEvents();
  TDocument& doc = window->app().document();
  BlockViews& views = *window->views();
  const std::vector<std::uint8_t> before = EncodeScheduleFile(doc, kScheduleFile);

  // Cancel in the progress window: no preview, nothing changed.
  ui.cancelAtPosition = 0;
  QTimer::singleShot(0, [] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* preview = qobject_cast<ProposalWindow*>(widget);
      if (preview == nullptr || !preview->isVisible()) continue;
      ADD_FAILURE() << "a cancelled proposal was previewed";
      preview->reject();
    }
  });
  ASSERT_TRUE(window->app().dispatch(command::kProposeBlocks));
  QApplication::processEvents();
  ui.cancelAtPosition = -1;
  EXPECT_EQ(EncodeScheduleFile(doc, kScheduleFile), before);
  EXPECT_TRUE(window->statusBar()->currentMessage().startsWith(
      QStringLiteral("Proposing blocks cancelled")));
  window->statusBar()->clearMessage();

  // What the preview shows; an assertion leaves only this, and the dialog
  // still closes.
  const auto inspect = [&](ProposalWindow& dialog) {
    QTreeWidget& list = dialog.list();
    ASSERT_GT(list.topLevelItemCount(), 0);
    // The grid shows every proposed assignment, and nothing of it is in a block.
    const auto cells = views.gridModel().proposedCells();
    ASSERT_FALSE(cells.empty());
    for (const ProposedCell& cell : cells)
      EXPECT_EQ(doc.pilot(cell.crew).DayCell[static_cast<std::size_t>(cell.day)], kEmptyCell);
    EXPECT_EQ(EncodeScheduleFile(doc, kScheduleFile), before);

    // The last crew member's last line: his cell comes into view, framed.
    QTreeWidgetItem* heading = list.topLevelItem(list.topLevelItemCount() - 1);
    QTreeWidgetItem* last = heading->child(heading->childCount() - 1);
    list.setCurrentItem(last);
    const ProposedCell& target = cells.back();
    const Rect cell = views.gridModel().proposedRect(target.crew, target.day);
    ASSERT_FALSE(cell.empty());
    // Beside the list, not under it, where the screen leaves the grid a few
    // columns beside the list (the test screen is small).
    const QPoint origin = views.gridWidget().viewport()->mapToGlobal(QPoint(0, 0));
    const QPoint topLeft = origin + QPoint(cell.left, cell.top);
    const int roomLeft =
        dialog.frameGeometry().left() - origin.x() - views.gridModel().geometry().nameWidth;
    if (roomLeft >= 3 * cell.width()) {
      EXPECT_FALSE(
          dialog.frameGeometry().intersects(QRect(topLeft, QSize(cell.width(), cell.height()))));
    }

    const QString png = QStringLiteral(LUMORA_TEST_ARTIFACTS "/proposed_blocks.png");
    QFile::remove(png);
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(LUMORA_TEST_ARTIFACTS)));
    EXPECT_TRUE(Composite(*window, dialog).save(png, "PNG"));
  };
  bool shown = false;
  whenShown<ProposalWindow>([&](ProposalWindow& dialog) {
    shown = true;
    inspect(dialog);
    QTest::mouseClick(&dialog.acceptAllButton(), Qt::LeftButton);
  });
  ASSERT_TRUE(window->app().dispatch(command::kProposeBlocks));
  ASSERT_TRUE(shown);
  EXPECT_TRUE(views.gridModel().proposedCells().empty());
  EXPECT_NE(EncodeScheduleFile(doc, kScheduleFile), before);
  EXPECT_EQ(doc.History.size(), 1u);

  QTest::keyClick(&views.gridWidget(), Qt::Key_F1);
  EXPECT_EQ(EncodeScheduleFile(doc, kScheduleFile), before);
  window->shutdown();
}

}  // namespace
}  // namespace lumora::testing
