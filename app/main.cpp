// lumora: the desktop program.

#include <QApplication>
#include <QCommandLineParser>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <optional>

#include "app/main_window.h"
#include "app/screenshot.h"

namespace {

int run(const std::optional<QString>& screenshotPath) {
  if (!screenshotPath) {
    lumora::MainWindow window;
    window.show();
    return QApplication::exec();
  }
  // A picture of the window as it first appears, whatever this user's
  // remembered geometry is.
  lumora::MainWindow window(lumora::MainWindow::Geometry::Default);
  window.show();
  // Queued behind the layout requests that show() posted.
  QTimer::singleShot(0, &window, [&window, path = *screenshotPath] {
    if (lumora::saveScreenshot(window, path)) {
      QApplication::exit(0);
    } else {
      std::fprintf(stderr, "lumora: cannot write %s\n", qPrintable(path));
      QApplication::exit(1);
    }
  });
  return QApplication::exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumora"));
  QApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));

  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Lumora: monthly crew block building"));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"),
      QStringLiteral("Render the main window to the PNG file <path> and exit."),
      QStringLiteral("path"));
  parser.addOption(screenshotOption);
  if (!parser.parse(QApplication::arguments())) {
    std::fprintf(stderr, "lumora: %s\n", qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(helpOption)) parser.showHelp(0);
  if (parser.isSet(versionOption)) parser.showVersion();

  std::optional<QString> screenshotPath;
  if (parser.isSet(screenshotOption)) screenshotPath = parser.value(screenshotOption);
  try {
    return run(screenshotPath);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lumora: %s\n", e.what());
    // Without a display nobody could close the box.
    if (!screenshotPath) {
      QMessageBox::critical(nullptr, QStringLiteral("Exception"), QStringLiteral("Lumora"));
    }
    return -1;
  }
}
