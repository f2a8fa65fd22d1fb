#include "app/pair_text_window.h"

#include <QCloseEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <algorithm>

#include "app/core_text.h"

namespace lumora {

PairTextWindow::PairTextWindow(PairTextContent content, const CanvasFonts& fonts, QWidget* parent)
    : QWidget(parent), fonts_(fonts) {
  setWindowFlags(Qt::Tool);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setContent(std::move(content));
}

void PairTextWindow::setContent(PairTextContent content) {
  content_ = std::move(content);
  setWindowTitle(fromCoreText(content_.caption));
  update();
}

QRect PairTextWindow::placement(QPoint pointer, int lineCount, int captionHeight,
                                const QRect& mainWindow) {
  const Rect placed = PlacePairTextWindow(
      {pointer.x(), pointer.y()}, lineCount, captionHeight,
      Rect{mainWindow.left(), mainWindow.top(), mainWindow.right() + 1, mainWindow.bottom() + 1});
  return {placed.left, placed.top, placed.width(), placed.height()};
}

void PairTextWindow::placeAt(QPoint pointer, const QRect& mainWindow) {
  const int captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  const QRect frame =
      placement(pointer, static_cast<int>(content_.lines.size()), captionHeight, mainWindow);
  // The rectangle includes the title bar; Qt sizes the client area and
  // places the frame.
  move(frame.topLeft());
  resize(frame.width(), std::max(1, frame.height() - captionHeight));
}

void PairTextWindow::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  QtCanvas canvas(painter, fonts_);
  PaintPairText(canvas, content_, Rect{0, 0, width(), height()});
}

void PairTextWindow::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) {
    QWidget::mousePressEvent(event);
    return;
  }
  event->accept();
  if (onRightClick) onRightClick();
}

void PairTextWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted() || !onClosed) return;
  // Queued on this window: when the owner destroys it first, nothing runs.
  // The callback is copied: the owner may destroy this window, and with it
  // the member, while it runs.
  QMetaObject::invokeMethod(
      this, [callback = onClosed] { callback(); }, Qt::QueuedConnection);
}

}  // namespace lumora
