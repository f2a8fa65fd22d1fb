#include "app/grid_widget.h"

#include <QFontMetrics>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRect>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace lumora {

namespace {

Rect toRect(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

KeyState keysOf(const QMouseEvent& event) {
  return {event.modifiers().testFlag(Qt::ControlModifier),
          event.modifiers().testFlag(Qt::ShiftModifier)};
}

Point pointOf(const QMouseEvent& event) {
  const QPoint p = event.position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

BlockGridWidget::BlockGridWidget(BlockGridView& view, QWidget* parent)
    : QAbstractScrollArea(parent), view_(view) {
  setFocusPolicy(Qt::StrongFocus);
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  // The grid paints every pixel of what it is asked to repaint.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setCursor(Qt::ArrowCursor);
  horizontalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setSingleStep(1);
  syncScrollBars();
}

void BlockGridWidget::setCornerState(const CornerState& corner) {
  corner_ = corner;
  invalidate(view_.cornerRect());
}

void BlockGridWidget::setFonts(const CanvasFonts& fonts) {
  fonts_ = fonts;
  const QFontMetrics metrics(fonts_.grid);
  view_.computeGeometry({metrics.averageCharWidth(), metrics.ascent() + metrics.descent()});
  syncScrollBars();
  invalidateAll();
  if (onGeometryChanged) onGeometryChanged();
}

int BlockGridWidget::visibleColumns() const {
  const GridGeometry& g = view_.geometry();
  if (g.cellWidth <= 0) return 1;
  return std::max(1, (viewport()->width() - g.nameWidth) / g.cellWidth);
}

int BlockGridWidget::visibleRows() const {
  const GridGeometry& g = view_.geometry();
  if (g.rowHeight <= 0) return 1;
  return std::max(1, (viewport()->height() - g.headerHeight) / g.rowHeight);
}

void BlockGridWidget::syncScrollBars() {
  // Setting a range may move a bar; the move arrives in scrollContentsBy().
  horizontalScrollBar()->setRange(0, BlockGridView::kColumns - 1);
  horizontalScrollBar()->setPageStep(visibleColumns());
  // The last page is a full one: the rows past the roster (the summary's
  // room) end at the bottom edge instead of scrolling on to an empty window.
  verticalScrollBar()->setRange(0, std::max(0, view_.scrollRows() - visibleRows()));
  verticalScrollBar()->setPageStep(visibleRows());
  // The view may hold a position the bars did not set (a new row count).
  if (view_.firstColumn() != horizontalScrollBar()->value() ||
      view_.firstRow() != verticalScrollBar()->value()) {
    scrollContentsBy(0, 0);
  }
}

void BlockGridWidget::scrollTo(int firstColumn, int firstRow) {
  // Each bar reports its own change; the view follows both.
  horizontalScrollBar()->setValue(firstColumn);
  verticalScrollBar()->setValue(firstRow);
}

void BlockGridWidget::scrollRows(int delta) {
  verticalScrollBar()->setValue(verticalScrollBar()->value() + delta);
}

void BlockGridWidget::scrollContentsBy(int /*dx*/, int /*dy*/) {
  view_.setScroll(horizontalScrollBar()->value(), verticalScrollBar()->value());
  // The header and the name column stay while the cells move: no pixels to
  // shift, the whole window is drawn again.
  viewport()->update();
  if (onScrolled) onScrolled(view_.firstColumn(), view_.firstRow());
}

void BlockGridWidget::invalidate(const Rect& rect) {
  if (rect.empty()) return;
  viewport()->update(QRect(rect.left, rect.top, rect.width(), rect.height()));
}

void BlockGridWidget::invalidateAll() {
  viewport()->update();
}

void BlockGridWidget::setGridCursor(GridCursor cursor) {
  viewport()->setCursor(cursor == GridCursor::UpArrow ? Qt::UpArrowCursor : Qt::ArrowCursor);
}

void BlockGridWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  QtCanvas canvas(painter, fonts_);
  view_.paint(canvas, toRect(event->rect()), toRect(viewport()->rect()), corner_);
}

bool BlockGridWidget::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::ToolTip && toolTipAt) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = toolTipAt({help->pos().x(), help->pos().y()});
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, viewport());
    }
    return true;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void BlockGridWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  syncScrollBars();
  if (onResized) onResized();
}

void BlockGridWidget::buttonEvent(QMouseEvent* event, bool down) {
  MouseButton button;
  switch (event->button()) {
    case Qt::LeftButton:
      button = MouseButton::Left;
      break;
    case Qt::RightButton:
      button = MouseButton::Right;
      break;
    case Qt::MiddleButton:
      button = MouseButton::Middle;
      break;
    default:
      event->ignore();
      return;
  }
  event->accept();
  const auto& handler = down ? onMouseDown : onMouseUp;
  if (handler) handler(button, pointOf(*event), keysOf(*event));
}

void BlockGridWidget::mousePressEvent(QMouseEvent* event) {
  buttonEvent(event, true);
}

// The second press of a double click is a press like the first: the grid
// has no gesture of its own for it.
void BlockGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  buttonEvent(event, true);
}

void BlockGridWidget::mouseReleaseEvent(QMouseEvent* event) {
  buttonEvent(event, false);
}

void BlockGridWidget::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (onMouseMove) onMouseMove(pointOf(*event), event->buttons() != Qt::NoButton);
}

void BlockGridWidget::keyPressEvent(QKeyEvent* event) {
  event->ignore();
  if (onKeyPress) onKeyPress(event);
  const bool handled = event->isAccepted();
  // The handler has had its say: were the key left to go up to the parents,
  // the main window would see it a second time.
  if (onKeyPress) event->accept();
  if (handled) return;
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
    scrollRows(event->key() == Qt::Key_Up ? -1 : 1);
    event->accept();
  }
}

void BlockGridWidget::keyReleaseEvent(QKeyEvent* event) {
  event->ignore();
  if (onKeyRelease) {
    onKeyRelease(event);
    event->accept();
  }
}

// Tab is one of the grid's keys, not a move to the next widget.
bool BlockGridWidget::focusNextPrevChild(bool /*next*/) {
  return false;
}

}  // namespace lumora
