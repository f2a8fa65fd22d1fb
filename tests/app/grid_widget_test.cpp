#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>
#include <memory>
#include <vector>

#include "app/grid_widget.h"
#include "app/qt_canvas.h"
#include "support/random_document.h"
#include "views/grid_geometry.h"

namespace lumora {
namespace {

struct Button {
  MouseButton button;
  Point at;
  KeyState keys;
  bool down;
};

// A random month of at least 20 crew members in a grid of 800 x 600.
class GridWidgetTest : public ::testing::Test {
 protected:
  GridWidgetTest() {
    testing::RandomDocumentOptions options;
    options.maxPilots = 60;
    for (std::uint32_t seed = 1; doc_->PilotCount < 20; ++seed)
      testing::FillRandomDocument(*doc_, seed, options);
    doc_->BlocksShown = 1;
    view_ = std::make_unique<BlockGridView>(*doc_);
    widget_ = std::make_unique<BlockGridWidget>(*view_);
    widget_->setFonts(DefaultCanvasFonts(GridFontChoice()));
    widget_->resize(800, 600);
    widget_->show();
    QApplication::processEvents();
    widget_->onMouseDown = [this](MouseButton b, Point p, KeyState k) {
      buttons_.push_back({b, p, k, true});
    };
    widget_->onMouseUp = [this](MouseButton b, Point p, KeyState k) {
      buttons_.push_back({b, p, k, false});
    };
    widget_->onScrolled = [this](int column, int row) { scrolls_.push_back({column, row}); };
  }

  void mouse(QEvent::Type type, Point at, Qt::MouseButton button,
             Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF local(at.x, at.y);
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, local, widget_->viewport()->mapToGlobal(local), button, held,
                      modifiers);
    QApplication::sendEvent(widget_->viewport(), &event);
  }

  bool key(QEvent::Type type, int key, bool autoRepeat = false) {
    QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(widget_.get(), &event);
    return event.isAccepted();
  }

  std::unique_ptr<TDocument> doc_ = std::make_unique<TDocument>();
  std::unique_ptr<BlockGridView> view_;
  std::unique_ptr<BlockGridWidget> widget_;
  std::vector<Button> buttons_;
  std::vector<Point> scrolls_;
};

TEST_F(GridWidgetTest, ButtonsAndMovesArriveAtTheCellUnderThePointer) {
  const GridGeometry& g = view_->geometry();
  const Point centre{g.nameWidth + 3 * g.cellWidth + g.cellWidth / 2,
                     g.headerHeight + 2 * g.rowHeight + g.rowHeight / 2};
  mouse(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::ControlModifier);
  mouse(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::ShiftModifier);
  // The second press of a double click is one more press.
  mouse(QEvent::MouseButtonDblClick, {5, 50}, Qt::MiddleButton);
  mouse(QEvent::MouseButtonPress, centre, Qt::BackButton);  // no grid button: dropped

  ASSERT_EQ(buttons_.size(), 3u);
  EXPECT_TRUE(buttons_[0].button == MouseButton::Left && buttons_[0].down);
  EXPECT_TRUE(buttons_[0].keys.ctrl && !buttons_[0].keys.shift);
  EXPECT_TRUE(!buttons_[1].down && buttons_[1].keys.shift && !buttons_[1].keys.ctrl);
  EXPECT_TRUE(buttons_[2].button == MouseButton::Middle && buttons_[2].down);
  EXPECT_EQ(buttons_[2].at, (Point{5, 50}));
  // The point the widget hands over is the one the view maps to that cell.
  const GridHit hit = view_->gestureHit(buttons_[0].at);
  EXPECT_EQ(hit.area, GridHit::Area::Day);
  EXPECT_EQ(hit.day, 3);
  EXPECT_EQ(hit.crew, view_->crewAt(2));

  std::vector<std::pair<Point, bool>> moves;
  widget_->onMouseMove = [&](Point p, bool down) { moves.push_back({p, down}); };
  mouse(QEvent::MouseMove, {200, 100}, Qt::NoButton);
  mouse(QEvent::MouseMove, {210, 100}, Qt::LeftButton);
  EXPECT_EQ(moves, (std::vector<std::pair<Point, bool>>{{{200, 100}, false}, {{210, 100}, true}}));
}

TEST_F(GridWidgetTest, ScrollRangesAreTheDaysAndTheRosterWithRoomBelow) {
  const QScrollBar& columns = *widget_->horizontalScrollBar();
  const QScrollBar& rows = *widget_->verticalScrollBar();
  EXPECT_EQ(columns.maximum(), 61);
  const GridGeometry& g = view_->geometry();
  const int page = (widget_->viewport()->height() - g.headerHeight) / g.rowHeight;
  EXPECT_EQ(rows.pageStep(), page);
  // The last page is full: the room below the roster ends at the bottom edge.
  EXPECT_EQ(rows.maximum(), std::max(0, doc_->PilotCount + 10 - page));

  widget_->horizontalScrollBar()->setValue(5);
  EXPECT_EQ(view_->firstColumn(), 5);
  EXPECT_EQ(scrolls_.back(), (Point{5, 0}));
  widget_->scrollTo(500, 100000);
  EXPECT_EQ(view_->firstColumn(), 61);
  EXPECT_EQ(view_->firstRow(), rows.maximum());
  widget_->scrollTo(-4, -4);
  EXPECT_EQ(scrolls_.back(), (Point{0, 0}));

  // The wheel scrolls rows.
  QWheelEvent wheel(QPointF(300, 300), QPointF(300, 300), QPoint(), QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget_->viewport(), &wheel);
  EXPECT_GT(view_->firstRow(), 0);
  EXPECT_EQ(view_->firstColumn(), 0);

  // Fewer rows: the range shrinks and a position beyond it comes back.
  widget_->scrollTo(0, doc_->PilotCount + 5);
  std::vector<int> firstFive{0, 1, 2, 3, 4};
  view_->setDisplayOrder(firstFive);
  widget_->syncScrollBars();
  EXPECT_EQ(rows.maximum(), std::max(0, view_->scrollRows() - page));
  EXPECT_EQ(view_->firstRow(), rows.value());
  EXPECT_LE(view_->firstRow(), rows.maximum());
  EXPECT_EQ(scrolls_.back().y, view_->firstRow());
}

TEST_F(GridWidgetTest, KeysGoToTheHandlerAndUnhandledUpDownScroll) {
  // Without a handler Up and Down still scroll a row.
  EXPECT_TRUE(key(QEvent::KeyPress, Qt::Key_Down));
  EXPECT_TRUE(key(QEvent::KeyPress, Qt::Key_Down));
  EXPECT_TRUE(key(QEvent::KeyPress, Qt::Key_Up));
  EXPECT_EQ(view_->firstRow(), 1);
  EXPECT_FALSE(key(QEvent::KeyPress, Qt::Key_F7));  // free to go up to the parents

  std::vector<std::pair<int, bool>> seen;
  widget_->onKeyPress = [&](QKeyEvent* event) {
    seen.push_back({event->key(), event->isAutoRepeat()});
    if (event->key() != Qt::Key_Down) event->accept();
  };
  widget_->onKeyRelease = [&](QKeyEvent* event) {
    seen.push_back({-event->key(), event->isAutoRepeat()});
  };
  // Tab is the grid's key, not a move to another widget.
  key(QEvent::KeyPress, Qt::Key_Tab);
  key(QEvent::KeyPress, Qt::Key_Up);    // handled: no scroll
  key(QEvent::KeyPress, Qt::Key_Down);  // left to the grid: scrolls
  // Seen by the handler: the parents (the main window) must not see it again.
  EXPECT_TRUE(key(QEvent::KeyPress, Qt::Key_Left, true));
  key(QEvent::KeyRelease, Qt::Key_Left, true);
  EXPECT_EQ(view_->firstRow(), 2);
  const std::vector<std::pair<int, bool>> want{{Qt::Key_Tab, false},
                                               {Qt::Key_Up, false},
                                               {Qt::Key_Down, false},
                                               {Qt::Key_Left, true},
                                               {-Qt::Key_Left, true}};
  EXPECT_EQ(seen, want);
}

TEST_F(GridWidgetTest, NewFontsRecomputeTheGeometryAndCornerStateReachesThePaint) {
  int changes = 0;
  widget_->onGeometryChanged = [&] { ++changes; };
  FontDescription large;
  large.family = "Arial";
  large.height = -28;
  CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice());
  fonts.grid = FontFromDescription(large);
  widget_->setFonts(fonts);
  EXPECT_EQ(changes, 1);
  const QFontMetrics metrics(fonts.grid);
  EXPECT_EQ(view_->geometry(),
            ComputeGridGeometry({metrics.averageCharWidth(), metrics.ascent() + metrics.descent()},
                                view_->options().xPadding, view_->options().yPadding));
  EXPECT_EQ(widget_->verticalScrollBar()->pageStep(),
            (widget_->viewport()->height() - view_->geometry().headerHeight) /
                view_->geometry().rowHeight);

  // The corner buttons show the windows' states.
  const auto iconPixel = [](CanvasIcon icon) {
    return CanvasIconPixmap(icon).toImage().pixel(3, 3);
  };
  ASSERT_NE(iconPixel(CanvasIcon::PairWindow), iconPixel(CanvasIcon::PairWindowOpen));
  EXPECT_EQ(widget_->viewport()->grab().toImage().pixel(7, 7), iconPixel(CanvasIcon::PairWindow));
  widget_->setCornerState({true, false, false});
  const QImage open = widget_->viewport()->grab().toImage();
  EXPECT_EQ(open.pixel(7, 7), iconPixel(CanvasIcon::PairWindowOpen));
  EXPECT_EQ(open.pixel(47, 7), iconPixel(CanvasIcon::Toolbox));
}

}  // namespace
}  // namespace lumora
