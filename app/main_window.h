#pragma once
// The program's main window.

#include <QMainWindow>
#include <QSize>
#include <QString>

namespace lumora {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  enum class Geometry {
    Remembered,  // restored at start, stored on close
    Default,     // the default size, nothing read or stored (reproducible screenshots)
  };

  static constexpr QSize kDefaultSize{1280, 800};
  // A remembered size below this is taken as damaged.
  static constexpr QSize kSmallestRemembered{320, 240};

  explicit MainWindow(Geometry geometry = Geometry::Remembered, QWidget* parent = nullptr);

  // The file that keeps the window's geometry between runs.
  static QString geometryFile();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void restoreWindowGeometry();
  void storeWindowGeometry() const;

  Geometry geometryMode_;
};

}  // namespace lumora
