// lumora: the desktop program.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>

#include "app/core_text.h"
#include "app/main_window.h"
#include "app/screenshot.h"
#include "app/unattended.h"
#include "platform/captions.h"
#include "shell/app_state.h"
#include "shell/shell_texts.h"

namespace {

// The schedule file of the command line as the core reads it, made absolute so
// that the caption and the recent-files list name it wherever Lumora starts.
std::string commandLineFor(const QStringList& positional) {
  if (positional.isEmpty()) return {};
  const std::string given = lumora::toCorePath(positional.front());
  const std::optional<std::string> file = lumora::CommandLineFile(given);
  if (!file) return given;
  return lumora::toCorePath(QFileInfo(lumora::fromCorePath(*file)).absoluteFilePath());
}

int runInteractive(const std::string& commandLine) {
  lumora::MainWindow window;
  const lumora::StartResult start = window.start(commandLine);
  if (!start.run) return start.exitCode;
  window.show();
  const int code = QApplication::exec();
  window.shutdown();
  return code;
}

// A picture of the window as it first appears, whatever this user's
// remembered geometry is; nobody is there to answer a question.
int runScreenshot(const std::string& commandLine, const QString& path) {
  lumora::UnattendedUi ui = lumora::ScreenshotUi();
  lumora::NoInstanceLock lock;
  lumora::MainWindowServices services;
  services.ui = &ui;
  services.instanceLock = &lock;
  lumora::MainWindow window(lumora::MainWindow::Geometry::Default, services);
  // The user's event log belongs to the user's runs.
  const lumora::StartResult start = window.start(commandLine, false);
  if (!start.run) return start.exitCode;
  window.show();
  // Queued behind the layout requests that show() posted.
  QTimer::singleShot(0, &window, [&window, path] {
    if (lumora::saveScreenshot(window, path)) {
      QApplication::exit(0);
    } else {
      std::fprintf(stderr, "lumora: cannot write %s\n", qPrintable(path));
      QApplication::exit(1);
    }
  });
  const int code = QApplication::exec();
  window.shutdown();
  return code;
}

// Whatever escaped the run ends it.
int endWithException(const char* what, bool screenshot) {
  std::fprintf(stderr, "lumora: %s\n", what);
  // Without a display nobody could close the box.
  if (!screenshot) {
    QMessageBox::critical(nullptr, QString::fromLatin1(lumora::shell_text::kExceptionCaption),
                          QString::fromLatin1(lumora::shell_text::kExceptionText));
  }
  return lumora::shell_text::kExitException;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QString::fromLatin1(lumora::kAppCaption));
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
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Schedule file to open."),
                               QStringLiteral("[file]"));
  if (!parser.parse(QApplication::arguments())) {
    std::fprintf(stderr, "lumora: %s\n", qPrintable(parser.errorText()));
    return 2;
  }
  if (parser.isSet(helpOption)) parser.showHelp(0);
  if (parser.isSet(versionOption)) parser.showVersion();

  const bool screenshot = parser.isSet(screenshotOption);
  try {
    const std::string commandLine = commandLineFor(parser.positionalArguments());
    if (screenshot) return runScreenshot(commandLine, parser.value(screenshotOption));
    return runInteractive(commandLine);
  } catch (const std::exception& e) {
    return endWithException(e.what(), screenshot);
  } catch (...) {
    return endWithException("unknown exception", screenshot);
  }
}
