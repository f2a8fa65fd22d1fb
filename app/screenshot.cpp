#include "app/screenshot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QWidget>

namespace lumora {

bool saveScreenshot(QWidget& widget, const QString& path) {
  // Pending layout requests first, so the picture shows the final layout.
  QCoreApplication::sendPostedEvents();
  const QPixmap picture = widget.grab();
  if (picture.isNull()) return false;
  QDir().mkpath(QFileInfo(path).absolutePath());
  return picture.save(path, "PNG");
}

}  // namespace lumora
