// lumora: the desktop program.

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

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

// --help and --version only print: they need no display, so that they work
// over a remote shell and when the build writes the manual pages.
bool onlyPrints(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--") break;
    if (argument == "-h" || argument == "-?" || argument == "--help" || argument == "--help-all" ||
        argument == "-v" || argument == "--version")
      return true;
  }
  return false;
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
  const std::unique_ptr<QCoreApplication> app = onlyPrints(argc, argv)
                                                    ? std::make_unique<QCoreApplication>(argc, argv)
                                                    : std::make_unique<QApplication>(argc, argv);
  QCoreApplication::setApplicationName(QString::fromLatin1(lumora::kAppCaption));
  QCoreApplication::setApplicationVersion(QStringLiteral(LUMORA_VERSION));
  // The desktop matches the window to its menu entry and icon by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(LUMORA_APP_ID));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Lumora builds a month's airline crew schedules for one crew base and "
                     "category.\nA file given while Lumora runs opens in the running copy."));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"),
      QStringLiteral("Render the main window to the PNG file <path> and exit."),
      QStringLiteral("path"));
  parser.addOption(screenshotOption);
  parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("Schedule file to open."),
                               QStringLiteral("[file]"));
  if (!parser.parse(QCoreApplication::arguments())) {
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
