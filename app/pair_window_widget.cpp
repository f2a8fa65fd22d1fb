#include "app/pair_window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "app/core_text.h"

namespace lumora {

namespace {

Point pointOf(const QMouseEvent& event) {
  const QPoint p = event.position().toPoint();
  return {p.x(), p.y()};
}

}  // namespace

PairWindowWidget::PairWindowWidget(TPairWin& model, const CanvasFonts& fonts, QWidget* parent)
    : QAbstractScrollArea(parent), model_(model), fonts_(fonts) {
  setWindowFlags(Qt::Tool);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setFrameShape(QFrame::NoFrame);
  // The model paints every pixel: no background fill before each paint.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  updateScrollRange();
  refreshCaption();
}

void PairWindowWidget::setFonts(const CanvasFonts& fonts) {
  fonts_ = fonts;
  viewport()->update();
}

void PairWindowWidget::relayout() {
  model_.LayoutPairWin();
  updateScrollRange();
  viewport()->update();
}

void PairWindowWidget::updateScrollRange() {
  QScrollBar* bar = verticalScrollBar();
  const int rows = std::max(1, viewport()->height() / std::max(1, model_.rowHeight()));
  bar->setPageStep(rows);
  bar->setSingleStep(1);
  // Setting the range may move the value, which reaches the model through
  // scrollContentsBy; a value already in range moves nothing, so the model is
  // told here as well.
  bar->setRange(0, std::max(0, model_.scrollSlots()));
  model_.setScroll(model_.firstColumn(), bar->value());
}

void PairWindowWidget::refreshCaption() {
  setWindowTitle(fromCoreText(model_.caption()));
}

void PairWindowWidget::followGrid(int firstColumn) {
  if (firstColumn == model_.firstColumn()) return;
  model_.setScroll(firstColumn, model_.firstSlot());
  viewport()->update();
}

void PairWindowWidget::setLastMonthShown(bool shown) {
  if (lastMonthShown_ == shown) return;
  lastMonthShown_ = shown;
  viewport()->update();
}

void PairWindowWidget::invalidate(const Rect& rect) {
  if (rect.empty()) return;
  viewport()->update(QRect(rect.left, rect.top, rect.width(), rect.height()));
}

void PairWindowWidget::place(const QRect& frame) {
  if (geometry() != frame) setGeometry(frame);
}

void PairWindowWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  if (lastMonthShown_) {
    painter.fillRect(event->rect(), palette().window());
    return;
  }
  QtCanvas canvas(painter, fonts_);
  const QRect dirty = event->rect();
  const QRect client = viewport()->rect();
  model_.paint(canvas, Rect{dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1},
               Rect{client.left(), client.top(), client.right() + 1, client.bottom() + 1});
}

void PairWindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mouseReleaseEvent(event);
    return;
  }
  const PairWinClick click = model_.leftButtonUp(pointOf(*event));
  refreshCaption();
  // A new selection is framed and the previous one cleared.
  if (click.kind == PairWinClick::Kind::Selected) viewport()->update();
  if (onLeftClick) onLeftClick(click, event->globalPosition().toPoint());
  event->accept();
}

void PairWindowWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const PairWinRightClick click = model_.rightButtonDown(pointOf(*event));
  if (onRightClick) onRightClick(click);
  event->accept();
}

void PairWindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  // A quick second press is a press like any other: a second right click
  // still reaches the filters or the who-is-legal list.
  mousePressEvent(event);
}

void PairWindowWidget::keyPressEvent(QKeyEvent* event) {
  if (onKeyPress) {
    onKeyPress(event);
  } else {
    QAbstractScrollArea::keyPressEvent(event);
  }
}

void PairWindowWidget::keyReleaseEvent(QKeyEvent* event) {
  if (onKeyRelease) {
    onKeyRelease(event);
  } else {
    QAbstractScrollArea::keyReleaseEvent(event);
  }
}

void PairWindowWidget::wheelEvent(QWheelEvent* event) {
  if (onWheel) {
    onWheel(event);
  } else {
    QAbstractScrollArea::wheelEvent(event);
  }
}

void PairWindowWidget::closeEvent(QCloseEvent* event) {
  QAbstractScrollArea::closeEvent(event);
  if (event->isAccepted() && onClosed) onClosed();
}

void PairWindowWidget::scrollContentsBy(int /*dx*/, int /*dy*/) {
  model_.setScroll(model_.firstColumn(), verticalScrollBar()->value());
  viewport()->update();
}

void PairWindowWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
  if (onGeometryChanged) onGeometryChanged();
}

void PairWindowWidget::moveEvent(QMoveEvent* event) {
  QAbstractScrollArea::moveEvent(event);
  if (onGeometryChanged) onGeometryChanged();
}

}  // namespace lumora
