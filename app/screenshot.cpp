#include "app/screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace lumora {

namespace {

constexpr int kTitleHeight = 20;

// Floating windows are separate top-level windows that a grab of the main
// window leaves out; the picture shows them where they stand over it, each
// under a plain title bar (an offscreen platform draws no frames).
void paintFloatingWindows(QWidget& widget, QPixmap& picture) {
  QPainter painter(&picture);
  const QPoint origin = widget.mapToGlobal(QPoint(0, 0));
  for (QWidget* child : widget.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isWindow() || !child->isVisible()) continue;
    const QPoint at = child->mapToGlobal(QPoint(0, 0)) - origin;
    const QRect title(at.x(), at.y() - kTitleHeight, child->width(), kTitleHeight);
    painter.fillRect(title, QColor(40, 70, 120));
    painter.setPen(Qt::white);
    painter.drawText(title.adjusted(6, 0, -6, 0), Qt::AlignVCenter | Qt::AlignLeft,
                     child->windowTitle());
    painter.drawPixmap(at, child->grab());
    painter.setPen(QColor(40, 70, 120));
    painter.drawRect(QRect(at, child->size()).adjusted(0, 0, -1, -1));
  }
}

}  // namespace

bool saveScreenshot(QWidget& widget, const QString& path) {
  // Pending layout requests first, so the picture shows the final layout.
  QCoreApplication::sendPostedEvents();
  QPixmap picture = widget.grab();
  if (picture.isNull()) return false;
  paintFloatingWindows(widget, picture);
  QDir().mkpath(QFileInfo(path).absolutePath());
  return picture.save(path, "PNG");
}

}  // namespace lumora
