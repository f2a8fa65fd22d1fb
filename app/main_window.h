#pragma once
// The program's main window: the frame of the one document. It owns the
// application state of the core, shows its caption, menus and tool bar, and
// runs the dialogs the core asks for. Every command, key and timer tick goes
// to the core.

#include <QMainWindow>
#include <QSize>
#include <QString>
#include <QTimer>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/desktop_mailer.h"
#include "app/dialog_registry.h"
#include "app/import_windows.h"
#include "app/qt_printer.h"
#include "app/window_front_end.h"
#include "platform/clock.h"
#include "shell/app_state.h"
#include "shell/ini_settings.h"
#include "shell/startup_settings.h"

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QToolBar;

namespace lumora {

class BlockViews;
class CommandActions;
class FileInstanceLock;
class InstanceLock;
class PreferencesDialog;
class QtUi;
class RunningCopy;
class RunningCopyListener;
class StartPage;

// What the main window uses besides its own dialogs; each one left empty is
// the real thing: message boxes and file dialogs on the window, the system
// clock, the lock file in the runtime folder, what is installed here.
struct MainWindowServices {
  Ui* ui = nullptr;
  const Clock* clock = nullptr;
  InstanceLock* instanceLock = nullptr;
  std::optional<AppEnvironment> environment;
  // The mail program; the desktop's (xdg-email) when none is given.
  Mailer* mailer = nullptr;
  // The printer; Qt's print support on this window when none is given.
  Printer* printer = nullptr;
  // The copy already running, reached through the socket beside the lock
  // file when none is given and the lock is the real one.
  RunningCopy* runningCopy = nullptr;
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  enum class Geometry {
    Remembered,  // restored at start (maximized when nothing is), stored on close
    Default,     // the default size, nothing read or stored (reproducible screenshots)
  };

  static constexpr QSize kDefaultSize{1280, 800};
  // How often a request from another copy looks whether the dialog it waits
  // for has closed.
  static constexpr int kPendingRequestRetryMs = 200;
  // A remembered size below this is taken as damaged.
  static constexpr QSize kSmallestRemembered{320, 240};

  explicit MainWindow(Geometry geometry = Geometry::Remembered, MainWindowServices services = {},
                      QWidget* parent = nullptr);
  ~MainWindow() override;

  // The start-up sequence of the core (one running copy, the document, the
  // event log when `openEventLog` and the settings ask for it, the file of the
  // command line) after the timer. When the result says not to run, the
  // process ends with its exit code.
  StartResult start(std::string_view commandLine, bool openEventLog = true);
  // After the window has closed: the event log's last line and the lock.
  void shutdown();
  // A later copy of the program was started with `file` (empty: none): this
  // window comes to the front and opens it as File > Open does, once no
  // dialog is open.
  void takeRequestFromOtherCopy(const std::string& file);
  // Whether later copies reach this one.
  bool listensForOtherCopies() const;

  LumoraApp& app() { return *app_; }
  const LumoraApp& app() const { return *app_; }
  SettingsStore& settings() { return settings_; }
  // Switches, paddings, grid font and colours in use.
  const StartupSettings& display() const { return app_->display(); }
  // The windows of the core's dialogs.
  const DialogRegistry& dialogs() const { return dialogs_; }

  QToolBar& toolBar() const { return *toolBar_; }
  QProgressBar& openTimeGauge() const { return *gauge_; }
  QLabel& timeBankField() const { return *timeBank_; }
  // Shown instead of the grid while no schedule is open.
  StartPage& startPage() const { return *startPage_; }
  // The tool bar's action of a command, or nothing.
  QAction* toolBarAction(int command) const;
  // The open-time gauge: its range is the credit of every pairing instance,
  // its value that of the open ones, both in thousands of minutes; `text` is
  // the open time as hours and minutes.
  void showOpenTime(std::int64_t open, std::int64_t total, std::string_view text);

  // The file that keeps the window's geometry between runs.
  static QString geometryFile();

  // The caption, the menus, the commands' states, the figures and the
  // floating windows as the core says they are now.
  void showState();
  // The document exists: the views that show it.
  void createViews();
  // The display settings changed: the views take them and repaint.
  void applyDisplay();

  // The views of the blocks; null until the document exists.
  BlockViews* views() const { return views_.get(); }
  // The search box's text, as the core reads texts.
  std::string searchText() const;
  // A command chosen outside the menus (the grid's corner icons).
  void runCommand(int command);
  // After a change made with the mouse: the commands' states and figures.
  void refreshAfterChange();
  // Keys of this window and of the windows that pass theirs on.
  void handleKeyPress(QKeyEvent* event);
  void handleKeyRelease(QKeyEvent* event);

  // --- the two dialogs the preferences open
  void chooseGridFont(const PreferencesDialog& preferences);
  void runColorsDialog();
  // The main window's background is colour 12.
  void useColors(const DisplayColors& colors);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void changeEvent(QEvent* event) override;
  // The floating windows the document shows appear once this window has.
  void showEvent(QShowEvent* event) override;
  // Tab is a command of this window, not a move between its controls.
  bool focusNextPrevChild(bool next) override;
  // No menu to hide the tool bar: it holds the search controls.
  QMenu* createPopupMenu() override { return nullptr; }

 private:
  void buildToolBar();
  void buildBlockControls();
  void refreshCommands();
  void refreshBlockControls();
  void refreshFigures();
  void refreshStartPage();
  void restoreWindowGeometry();
  void retryPendingRequest();
  void storeWindowGeometry() const;

  Geometry geometryMode_;
  std::unique_ptr<QtUi> ownUi_;
  Ui* ui_;  // the dialogs' Ui once the constructor has run
  DialogRegistry dialogs_;
  std::unique_ptr<WindowUi> windowUi_;
  WindowFrontEnd frontEnd_{*this};
  SystemClock systemClock_;
  DesktopMailer desktopMailer_;
  std::unique_ptr<QtPrinter> qtPrinter_;
  const Clock* clock_;
  std::unique_ptr<FileInstanceLock> ownLock_;
  std::unique_ptr<RunningCopy> ownRunningCopy_;
  RunningCopyListener* listener_ = nullptr;
  // A request from another copy that waits for the open dialog to close.
  std::optional<std::string> pendingRequest_;
  IniSettingsStore settings_;
  QtClipboard clipboard_;
  QTimer timer_;

  QToolBar* toolBar_ = nullptr;
  QProgressBar* gauge_ = nullptr;
  QLabel* timeBank_ = nullptr;
  StartPage* startPage_ = nullptr;
  // The block-filter buttons (with their commands) and the search group,
  // on a tool bar of their own.
  QToolBar* filterBar_ = nullptr;
  std::vector<std::pair<int, QAction*>> filterButtons_;
  QAction* searchGroup_ = nullptr;
  QLineEdit* searchEdit_ = nullptr;
  std::vector<QCheckBox*> searchChecks_;
  bool started_ = false;
  bool shutDown_ = false;

  // Last: it refers to everything above.
  std::unique_ptr<LumoraApp> app_;
  std::unique_ptr<CommandActions> actions_;
  // After the application, which its views refer to and which ends after them.
  std::unique_ptr<BlockViews> views_;
};

}  // namespace lumora
