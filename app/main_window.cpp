#include "app/main_window.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStatusBar>

#include "app/config_folder.h"

namespace lumora {

namespace {
const QString kGeometryKey = QStringLiteral("MainWindow/Geometry");
const QString kStateKey = QStringLiteral("MainWindow/State");
}  // namespace

MainWindow::MainWindow(Geometry geometry, QWidget* parent)
    : QMainWindow(parent), geometryMode_(geometry) {
  setWindowTitle(QStringLiteral("Lumora"));
  setCentralWidget(new QWidget(this));
  setStatusBar(new QStatusBar(this));
  if (geometryMode_ == Geometry::Remembered) {
    restoreWindowGeometry();
  } else {
    resize(kDefaultSize);
  }
}

QString MainWindow::geometryFile() {
  return QDir(configFolder()).filePath(QStringLiteral("lumora-window.ini"));
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (geometryMode_ == Geometry::Remembered) storeWindowGeometry();
  QMainWindow::closeEvent(event);
}

void MainWindow::restoreWindowGeometry() {
  const QSettings settings(geometryFile(), QSettings::IniFormat);
  // restoreGeometry refuses a wrong header but takes a truncated rest as a
  // window of next to no size, which nobody could use.
  const bool restored = restoreGeometry(settings.value(kGeometryKey).toByteArray());
  if (!restored || width() < kSmallestRemembered.width() ||
      height() < kSmallestRemembered.height()) {
    setWindowState(Qt::WindowNoState);
    resize(kDefaultSize);
  }
  restoreState(settings.value(kStateKey).toByteArray());
}

void MainWindow::storeWindowGeometry() const {
  const QString file = geometryFile();
  // Not being able to remember the geometry is no reason to bother the user.
  QDir().mkpath(QFileInfo(file).absolutePath());
  QSettings settings(file, QSettings::IniFormat);
  settings.setValue(kGeometryKey, saveGeometry());
  settings.setValue(kStateKey, saveState());
}

}  // namespace lumora
