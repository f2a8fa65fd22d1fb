// The bids window of the demo month: shown by its menu command, one tab per
// crew member, a click on a name in the grid selecting his tab, the guess of
// his bid turned into day requests, and hidden again by the command.

#include "app/bids_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

#include "app/block_views.h"
#include "app/grid_widget.h"
#include "app/screenshot.h"
#include "frame_fixture.h"
#include "shell/command_table.h"

namespace lumora::testing {
namespace {

class BidsWindowTest : public FrameTest {};

TEST_F(BidsWindowTest, ShownByItsCommandFollowsTheGridAndSetsDayRequests) {
  const auto window = startWindow(kDemo.string());
  window->show();
  QApplication::processEvents();
  TDocument& doc = window->app().document();
  ASSERT_TRUE(doc.BlocksShown);
  ASSERT_NE(doc.crewKind(), CrewKind::FlightAttendants);
  doc.pilot(2).BidText =
      "C PILOT    000003\nMAX DAYS: 18\n\n(1). OFF 20-22\n(2). PLEASE NO EARLY STARTS\n";
  for (std::size_t d = 0; d < kBlockDays; ++d) doc.pilot(2).DayRequest[d] = 0;

  window->runCommand(command::kBidsWindow);
  QApplication::processEvents();
  BlockViews& views = *window->views();
  BidsWindow& bids = views.bidsWindow();
  ASSERT_TRUE(bids.isVisible());
  EXPECT_EQ(doc.BidsWindowVisible, 1);
  EXPECT_EQ(bids.windowTitle(), QStringLiteral("Bids"));
  EXPECT_EQ(bids.tabBar().count(), doc.rosterSize());
  EXPECT_EQ(bids.tabBar().tabText(0),
            QStringLiteral("1. ") + QString::fromLatin1(doc.pilot(0).Name.c_str()));
  ASSERT_TRUE(bids.filtersToggle().isEnabled());
  EXPECT_TRUE(bids.selectFiltersButton().isEnabled());
  // At its first size every button's label shows whole.
  for (const QPushButton* button : bids.findChildren<QPushButton*>()) {
    const int text = button->fontMetrics().horizontalAdvance(button->text());
    EXPECT_LE(text, button->width() - 4) << button->text().toStdString();
  }

  // A left click on crew member 2's name selects his tab.
  BlockGridWidget& grid = views.gridWidget();
  const Rect name = views.gridModel().nameRect(2);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::NoModifier,
                    QPoint((name.left + name.right) / 2, (name.top + name.bottom) / 2));
  QApplication::processEvents();
  EXPECT_EQ(bids.tabBar().currentIndex(), 2);

  // The toggle applies his pairing filter to the pairing window, and clears it.
  const TPairWin& pairs = *window->app().frontEnd().pairWindowModel();
  bids.filtersToggle().click();
  EXPECT_TRUE(pairs.filtersOn());
  EXPECT_EQ(pairs.filterName(), doc.pilot(2).Name);
  bids.filtersToggle().click();
  EXPECT_FALSE(pairs.filtersOn());
  EXPECT_TRUE(bids.bidsPane().toPlainText().startsWith(QStringLiteral("C PILOT")));
  EXPECT_TRUE(bids.guessPane().toPlainText().startsWith(
      QStringLiteral("--- Requested Days Off ---\n20, 21, 22, \n")));

  // The settings' default size is small; a scheduler widens it.
  bids.resize(760, 420);
  QApplication::processEvents();
  EXPECT_EQ(bids.guessPane().geometry().right() + 1, 760 - 10);
  const QString png = QStringLiteral(LUMORA_TEST_ARTIFACTS "/bids_window.png");
  QFile::remove(png);
  EXPECT_TRUE(saveScreenshot(bids, png));

  QTest::mouseClick(&bids.setDayOffReqButton(), Qt::LeftButton);
  int marked = 0;
  for (int d = 0; d < doc.monthDays(); ++d)
    marked += doc.pilot(2).DayRequest[static_cast<std::size_t>(d)] == 20 ? 1 : 0;
  EXPECT_EQ(marked, 3);

  window->runCommand(command::kBidsWindow);
  QApplication::processEvents();
  EXPECT_FALSE(bids.isVisible());
  EXPECT_EQ(doc.BidsWindowVisible, 0);
  window->shutdown();
}

}  // namespace
}  // namespace lumora::testing
