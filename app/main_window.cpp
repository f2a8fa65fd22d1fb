#include "app/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMoveEvent>
#include <QProgressBar>
#include <QSettings>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

#include "app/accessible_names.h"
#include "app/block_views.h"
#include "app/command_actions.h"
#include "app/config_folder.h"
#include "app/core_text.h"
#include "app/dialog_windows.h"
#include "app/frame_windows.h"
#include "app/grid_widget.h"
#include "app/key_map.h"
#include "app/preferences_windows.h"
#include "app/qt_ui.h"
#include "app/running_copy.h"
#include "app/start_page.h"
#include "shell/command_table.h"
#include "shell/event_log_startup.h"
#include "shell/instance_lock.h"
#include "shell/preferences_dialog.h"
#include "shell/shell_texts.h"
#include "views/block_filters.h"

#ifndef LUMORA_VERSION
#define LUMORA_VERSION ""
#endif

// Resources of a static library are registered by hand, outside any namespace.
static void registerLumoraResources() {
  Q_INIT_RESOURCE(lumora);
}

namespace lumora {

namespace {

const QString kGeometryKey = QStringLiteral("MainWindow/Geometry");
const QString kStateKey = QStringLiteral("MainWindow/State");

QString iconFile(int id) {
  switch (id) {
    case command::kNew:
      return QStringLiteral(":/icons/new.svg");
    case command::kOpen:
      return QStringLiteral(":/icons/open.svg");
    case command::kSave:
      return QStringLiteral(":/icons/save.svg");
    case command::kSaveAs:
      return QStringLiteral(":/icons/save_as.svg");
    case command::kAbout:
      return QStringLiteral(":/icons/about.svg");
    default:
      return {};
  }
}

// The icon of a tool bar button, or none when this Qt cannot draw it (it
// draws SVG only with its SVG plugins installed); a button without an icon
// shows its text.
QIcon toolBarIcon(int id) {
  QIcon icon(iconFile(id));
  if (icon.pixmap(QSize(24, 24)).isNull()) return {};
  return icon;
}

// The block-filter buttons in the order of their menu items, with the short
// text a button shows.
struct FilterButton {
  int command;
  const char* text;
};
constexpr FilterButton kFilterButtons[] = {
    {command::kHideLeaveBlocks, "Leave"},    {command::kHideCompleted, "Done"},
    {command::kHideCheckPilots, "Check"},    {command::kHideBlockHolders, "Holders"},
    {command::kShowBlockHolders, "Only BH"}, {command::kShowCheckPilots, "Only CP"},
    {command::kShowLtc, "Only LTC"},         {command::kSearchFilter, "Search"},
};

// The search check boxes with their control ids.
struct SearchBox {
  int id;
  const char* text;
};
constexpr SearchBox kSearchBoxes[] = {
    {560, "Names"}, {561, "Emp Nums"}, {562, "Pairs + Abs"}, {563, "Bids"}};
constexpr int kSearchGroupId = 570;
constexpr int kSearchEditId = 595;
constexpr int kSearchLength = 100;

QString controlName(const char* kind, int id) {
  return QString::fromLatin1(kind) + QString::number(id);
}

}  // namespace

MainWindow::MainWindow(Geometry geometry, MainWindowServices services, QWidget* parent)
    : QMainWindow(parent),
      geometryMode_(geometry),
      ui_(services.ui),
      clock_(services.clock != nullptr ? services.clock : &systemClock_) {
  registerLumoraResources();
  if (ui_ == nullptr) {
    ownUi_ = std::make_unique<QtUi>(this);
    ui_ = ownUi_.get();
  }
  // The core's dialogs open in their windows; everything else it asks goes
  // to the Ui given.
  RegisterDialogWindows(dialogs_, *this);
  windowUi_ = std::make_unique<WindowUi>(*ui_, dialogs_, this);
  ui_ = windowUi_.get();
  InstanceLock* lock = services.instanceLock;
  RunningCopy* runningCopy = services.runningCopy;
  if (lock == nullptr) {
    ownLock_ = std::make_unique<FileInstanceLock>(DefaultInstanceLockPath());
    lock = ownLock_.get();
    if (runningCopy == nullptr) {
      ownRunningCopy_ =
          std::make_unique<LocalRunningCopy>(fromCorePath(DefaultInstanceSocketPath().string()));
      runningCopy = ownRunningCopy_.get();
    }
  }
  AppEnvironment environment;
  if (services.environment) {
    environment = *services.environment;
  } else {
    environment =
        DetectEnvironment(toCorePath(QCoreApplication::applicationDirPath()), LUMORA_VERSION);
    environment.mailAvailable = desktopMailer_.available();
  }
  Mailer* mailer = services.mailer != nullptr ? services.mailer : &desktopMailer_;
  AppServices appServices{*ui_, *clock_, settings_, frontEnd_, *lock, &clipboard_};
  appServices.mailer = mailer;
  Printer* printer = services.printer;
  if (printer == nullptr) {
    qtPrinter_ = std::make_unique<QtPrinter>(this);
    printer = qtPrinter_.get();
  }
  appServices.printer = printer;
  appServices.runningCopy = runningCopy;
  app_ = std::make_unique<LumoraApp>(appServices, std::move(environment));

  setWindowTitle(QString::fromLatin1(shell_text::kAppCaption));
  setWindowIcon(QIcon(QStringLiteral(":/icons/lumora.svg")));
  auto* blockArea = new QWidget(this);
  blockArea->setObjectName(QStringLiteral("blockArea"));
  blockArea->setFocusPolicy(Qt::StrongFocus);
  blockArea->setAutoFillBackground(true);
  setCentralWidget(blockArea);
  auto* blockLayout = new QVBoxLayout(blockArea);
  blockLayout->setContentsMargins(0, 0, 0, 0);
  startPage_ = new StartPage(blockArea);
  blockLayout->addWidget(startPage_);
  startPage_->onNew = [this] { runCommand(command::kNew); };
  startPage_->onOpen = [this] { runCommand(command::kOpen); };
  startPage_->onRecent = [this](std::size_t index) {
    app_->openRecent(index);
    showState();
  };
  useColors(app_->display().colors);

  auto* status = new QStatusBar(this);
  QFont statusFont = status->font();
  statusFont.setBold(true);
  status->setFont(statusFont);
  setStatusBar(status);

  actions_ = std::make_unique<CommandActions>(*app_, *menuBar(), this);
  buildToolBar();
  buildBlockControls();
  actions_->refresh();

  timer_.setTimerType(Qt::CoarseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (started_ && !shutDown_) app_->timerTick();
  });

  if (geometryMode_ == Geometry::Remembered) {
    restoreWindowGeometry();
  } else {
    resize(kDefaultSize);
  }
}

MainWindow::~MainWindow() {
  // The views go before the application whose document they show.
  views_.reset();
}

StartResult MainWindow::start(std::string_view commandLine, bool openEventLog) {
  timer_.start(shell_text::kTimerPeriodMs);
  if (!timer_.isActive()) {
    ui_->message(shell_text::kNoTimer, shell_text::kAppCaption, Icon::Error);
    return {false, shell_text::kExitNoTimer};
  }
  std::function<void(EventLog&)> opener;
  if (openEventLog) {
    opener = [this](EventLog& log) { OpenEventLogAtStart(log, settings_, *clock_, *ui_); };
  }
  const StartResult result = app_->start(commandLine, opener);
  if (!result.run) {
    timer_.stop();
    return result;
  }
  started_ = true;
  // Later copies hand their files to this one; only the holder of the real
  // lock listens, so a test's window or a screenshot run never answers them.
  if (ownLock_ != nullptr && ownLock_->held()) {
    listener_ = new RunningCopyListener(
        fromCorePath(DefaultInstanceSocketPath().string()),
        [this](const std::string& file) { takeRequestFromOtherCopy(file); }, this);
    listener_->listen();
  }
  showState();
  return result;
}

bool MainWindow::listensForOtherCopies() const {
  return listener_ != nullptr && listener_->listening();
}

void MainWindow::takeRequestFromOtherCopy(const std::string& file) {
  if (!started_ || shutDown_) return;
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
  // A file opened under an open dialog would pull the document from under
  // it: the request waits until the dialog has closed (the last one wins).
  if (QApplication::activeModalWidget() != nullptr) {
    const bool waiting = pendingRequest_.has_value();
    pendingRequest_ = file;
    if (!waiting) retryPendingRequest();
    return;
  }
  if (file.empty()) return;
  app_->OpenFile(file);
  refreshAfterChange();
}

void MainWindow::retryPendingRequest() {
  QTimer::singleShot(kPendingRequestRetryMs, this, [this] {
    if (!pendingRequest_) return;
    if (QApplication::activeModalWidget() != nullptr) {
      retryPendingRequest();
      return;
    }
    const std::string file = std::move(*pendingRequest_);
    pendingRequest_.reset();
    takeRequestFromOtherCopy(file);
  });
}

void MainWindow::shutdown() {
  if (!started_ || shutDown_) return;
  shutDown_ = true;
  timer_.stop();
  if (listener_ != nullptr) listener_->close();
  app_->shutdown();
}

QAction* MainWindow::toolBarAction(int command) const {
  return actions_->toolBarAction(command);
}

QString MainWindow::geometryFile() {
  return QDir(configFolder()).filePath(QStringLiteral("lumora-window.ini"));
}

// --- tool bar

void MainWindow::buildToolBar() {
  toolBar_ = addToolBar(QStringLiteral("Tool Bar"));
  toolBar_->setObjectName(QStringLiteral("toolBar"));
  toolBar_->setMovable(false);
  toolBar_->setFloatable(false);
  QFont gadgetFont = toolBar_->font();
  gadgetFont.setPixelSize(10);

  for (const ToolBarItem& item : ToolBarLayout()) {
    switch (item.kind) {
      case ToolBarItem::Kind::Button: {
        // Without an icon (no SVG support installed) the button shows its hint.
        QAction* action =
            actions_->addToolBarButton(*toolBar_, item.command, QString::fromLatin1(item.hint));
        action->setIcon(toolBarIcon(item.command));
        action->setToolTip(QString::fromLatin1(item.hint));
        break;
      }
      case ToolBarItem::Kind::Separator:
        toolBar_->addSeparator();
        break;
      case ToolBarItem::Kind::OpenTimeGauge:
        gauge_ = new QProgressBar(toolBar_);
        gauge_->setObjectName(QStringLiteral("openTimeGauge"));
        gauge_->setFixedSize(item.width, item.height);
        gauge_->setFont(gadgetFont);
        gauge_->setRange(0, 1);
        gauge_->setValue(0);
        gauge_->setFormat(QString());
        gauge_->setAlignment(Qt::AlignCenter);
        gauge_->setAccessibleName(QStringLiteral("Open time"));
        gauge_->setToolTip(
            QStringLiteral("Open time: the credit of the pairing instances no "
                           "crew member holds yet"));
        toolBar_->addWidget(gauge_);
        break;
      case ToolBarItem::Kind::TimeBankText:
        timeBank_ = new QLabel(QString::fromLatin1(shell_text::kTimeBankInitial), toolBar_);
        timeBank_->setObjectName(QStringLiteral("timeBankText"));
        timeBank_->setFixedSize(item.width, item.height);
        timeBank_->setFont(gadgetFont);
        timeBank_->setAccessibleName(QStringLiteral("Time bank"));
        timeBank_->setToolTip(
            QStringLiteral("Time bank: the sum of the crew members' time banks "
                           "and TBB credit"));
        toolBar_->addWidget(timeBank_);
        break;
    }
  }
}

void MainWindow::buildBlockControls() {
  // The block filters and the search work on the grid: they are enabled
  // while the blocks are shown (refreshBlockControls). They have a row of
  // their own, so that the search box is never pushed off the window.
  addToolBarBreak();
  filterBar_ = addToolBar(QStringLiteral("Block Filters"));
  filterBar_->setObjectName(QStringLiteral("filterBar"));
  filterBar_->setMovable(false);
  filterBar_->setFloatable(false);
  for (const FilterButton& filter : kFilterButtons) {
    auto* button = new QToolButton(filterBar_);
    button->setObjectName(controlName("blockFilter", filter.command));
    button->setText(QString::fromLatin1(filter.text));
    QString hint = QString::fromLatin1(FindCommand(filter.command)->text);
    hint.remove(QLatin1Char('&'));
    button->setToolTip(hint);
    button->setCheckable(true);
    button->setEnabled(false);
    const int command = filter.command;
    connect(button, &QToolButton::clicked, this, [this, command] { runCommand(command); });
    filterButtons_.emplace_back(command, filterBar_->addWidget(button));
  }

  auto* group = new QGroupBox(filterBar_);
  group->setObjectName(controlName("searchGroup", kSearchGroupId));
  group->setFlat(true);
  auto* row = new QHBoxLayout(group);
  row->setContentsMargins(2, 0, 2, 0);
  searchEdit_ = new QLineEdit(group);
  searchEdit_->setObjectName(controlName("searchEdit", kSearchEditId));
  searchEdit_->setMaxLength(kSearchLength);
  searchEdit_->setAccessibleName(QStringLiteral("Search text"));
  searchEdit_->setToolTip(
      QStringLiteral("The text to look for in the places ticked beside it; Enter searches"));
  row->addWidget(searchEdit_);
  // Enter searches; so does leaving a box whose text changed.
  const auto search = [this] {
    if (views_) views_->applyBlockFilters(true);
    refreshCommands();
  };
  connect(searchEdit_, &QLineEdit::returnPressed, this, search);
  connect(searchEdit_, &QLineEdit::editingFinished, this, [this, search] {
    if (searchEdit_->isModified()) {
      searchEdit_->setModified(false);
      search();
    }
  });
  for (std::size_t i = 0; i < std::size(kSearchBoxes); ++i) {
    auto* check = new QCheckBox(QString::fromLatin1(kSearchBoxes[i].text), group);
    check->setObjectName(controlName("searchCheck", kSearchBoxes[i].id));
    connect(check, &QCheckBox::toggled, this, [this, i](bool on) {
      if (app_ && app_->hasDocument()) app_->document().view.searchChecks[i] = on ? 1 : 0;
    });
    row->addWidget(check);
    searchChecks_.push_back(check);
  }
  group->setEnabled(false);
  searchGroup_ = filterBar_->addWidget(group);
  searchGroup_->setVisible(false);
}

std::string MainWindow::searchText() const {
  return searchEdit_ == nullptr ? std::string() : toCoreText(searchEdit_->text());
}

void MainWindow::refreshBlockControls() {
  if (!app_ || !app_->hasDocument()) return;
  for (const auto& [command, action] : filterButtons_) {
    auto* button = qobject_cast<QToolButton*>(filterBar_->widgetForAction(action));
    if (button == nullptr) continue;
    button->setEnabled(app_->isEnabled(command));
    button->setChecked(app_->isChecked(command));
  }
  const TDocument& doc = app_->document();
  const bool shown = doc.view.searchGroupVisible != 0;
  searchGroup_->setVisible(shown);
  if (QWidget* group = filterBar_->widgetForAction(searchGroup_)) group->setEnabled(shown);
  const bool cabin = doc.crewKind() == CrewKind::FlightAttendants;
  for (std::size_t i = 0; i < searchChecks_.size(); ++i) {
    QCheckBox* check = searchChecks_[i];
    const QSignalBlocker quiet(check);
    check->setChecked(doc.view.searchChecks[i] != 0);
    // Flight-attendant files have no bids to search.
    check->setEnabled(!(cabin && i == kSearchBids));
  }
}

void MainWindow::refreshCommands() {
  actions_->refresh();
  refreshBlockControls();
  refreshStartPage();
}

void MainWindow::refreshStartPage() {
  // A document with a name or blocks is open; the start-up document is not.
  const bool open = app_->hasDocument() &&
                    (app_->document().BlocksShown != 0 || !app_->document().FileName.empty());
  startPage_->setRecentFiles(app_->recentFiles().entries());
  startPage_->setVisible(!open);
  if (views_ && views_->gridWidget().isHidden() == open) {
    views_->gridWidget().setVisible(open);
    // The grid's keys work at once.
    if (open) views_->gridWidget().setFocus();
  }
}

void MainWindow::refreshFigures() {
  // The time bank is refreshed with the block credits, which building the
  // blocks recomputes.
  if (!app_->hasDocument() || !app_->document().BlocksShown) return;
  timeBank_->setText(fromCoreText(TimeBankText(app_->document())));
}

void MainWindow::showOpenTime(std::int64_t open, std::int64_t total, std::string_view text) {
  const auto thousands = [](std::int64_t minutes) {
    return static_cast<int>(
        std::clamp<std::int64_t>(minutes / 1000, 0, std::numeric_limits<int>::max()));
  };
  // A month of less than 1000 minutes of credit still shows an empty bar,
  // not the bar's busy animation of an empty range.
  gauge_->setRange(0, std::max(1, thousands(total)));
  gauge_->setValue(std::min(thousands(open), gauge_->maximum()));
  gauge_->setFormat(fromCoreText(text));
  gauge_->setToolTip(
      QStringLiteral("Open time %1 of %2 (hours:minutes): the credit of the pairing "
                     "instances no crew member holds yet")
          .arg(fromCoreText(text).trimmed(), fromCoreText(OpenTimeText(total)).trimmed()));
}

void MainWindow::showState() {
  // "[*]" is where the title shows unsaved changes; the bare "Lumora" has none.
  const QString caption = fromCorePath(app_->caption());
  setWindowTitle(app_->caption() == shell_text::kAppCaption ? caption
                                                            : caption + QStringLiteral("[*]"));
  setWindowModified(app_->hasDocument() && app_->document().Modified != 0);
  refreshCommands();
  refreshFigures();
  if (views_) views_->syncWindows();
}

void MainWindow::createViews() {
  views_ = std::make_unique<BlockViews>(*this, *app_, *centralWidget());
  views_->useDisplay(display());
}

void MainWindow::applyDisplay() {
  if (views_) views_->useDisplay(display());
  centralWidget()->update();
}

void MainWindow::runCommand(int command) {
  app_->dispatch(command);
  refreshCommands();
}

void MainWindow::refreshAfterChange() {
  setWindowModified(app_->hasDocument() && app_->document().Modified != 0);
  refreshCommands();
  refreshFigures();
}

// --- the dialogs the preferences open

void MainWindow::chooseGridFont(const PreferencesDialog& preferences) {
  // The chooser works in points; the grid font is kept in pixels.
  StartupSettings& display = app_->display();
  QFont initial = qtFontFor(display.font.font());
  initial.setPointSizeF(initial.pixelSize() * 72.0 / logicalDpiY());
  GridFontDialog dialog(initial, this);
  if (dialog.exec() != QDialog::Accepted) return;
  const QFont chosen = GridFontDialog::withinSizeLimit(dialog.selectedFont());
  const bool cabinFile =
      app_->hasDocument() && app_->document().crewKind() == CrewKind::FlightAttendants;
  display.paddings = preferences.fontChosen(display.font, fontDescriptionFor(chosen, logicalDpiY()),
                                            cabinFile, settings_);
  applyDisplay();
}

void MainWindow::runColorsDialog() {
  ColorDialog model(app_->display().colors);
  ColorsWindow window(
      model, settings_, [this](const DisplayColors& colors) { useColors(colors); }, {}, this);
  window.exec();
}

void MainWindow::useColors(const DisplayColors& colors) {
  app_->display().colors = colors;
  const Rgb& background = colors[kBlockWindowBackground];
  QPalette palette = centralWidget()->palette();
  palette.setColor(QPalette::Window, QColor(background.red, background.green, background.blue));
  centralWidget()->setPalette(palette);
  applyDisplay();
}

// --- window events

void MainWindow::closeEvent(QCloseEvent* event) {
  if (started_ && !shutDown_ && !app_->CanClose()) {
    event->ignore();
    return;
  }
  if (geometryMode_ == Geometry::Remembered) storeWindowGeometry();
  QMainWindow::closeEvent(event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  handleKeyPress(event);
}

void MainWindow::keyReleaseEvent(QKeyEvent* event) {
  handleKeyRelease(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (views_) views_->followMainWindow();
}

void MainWindow::moveEvent(QMoveEvent* event) {
  QMainWindow::moveEvent(event);
  if (views_) views_->followMainWindow();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // Maximizing and restoring end with a resize, but the window manager may
  // move the window without one.
  if (event->type() == QEvent::WindowStateChange && views_) views_->followMainWindow();
}

void MainWindow::showEvent(QShowEvent* event) {
  nameControls(*this);
  QMainWindow::showEvent(event);
  // After the window manager has placed this window.
  QTimer::singleShot(0, this, [this] {
    if (views_) views_->syncWindows();
  });
}

void MainWindow::handleKeyPress(QKeyEvent* event) {
  if (started_ && views_ && views_->keyPress(event)) {
    event->accept();
    return;
  }
  const std::optional<ShellKey> key = shellKeyFor(event->key(), event->modifiers());
  if (!key || !started_) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  // Held keys repeat their key-down, as the grid's scrolling wants.
  app_->keyDown(*key);
  refreshCommands();
  event->accept();
}

void MainWindow::handleKeyRelease(QKeyEvent* event) {
  if (started_ && views_ && views_->keyRelease(event)) {
    event->accept();
    refreshAfterChange();
    return;
  }
  const std::optional<ShellKey> key = shellKeyFor(event->key(), event->modifiers());
  if (!key || !started_) {
    QMainWindow::keyReleaseEvent(event);
    return;
  }
  // A held key is released once, when it is let go.
  if (!event->isAutoRepeat()) app_->keyUp(*key);
  event->accept();
}

bool MainWindow::focusNextPrevChild(bool) {
  return false;
}

// --- geometry

void MainWindow::restoreWindowGeometry() {
  const QSettings settings(geometryFile(), QSettings::IniFormat);
  const QByteArray stored = settings.value(kGeometryKey).toByteArray();
  // restoreGeometry refuses a wrong header but takes a truncated rest as a
  // window of next to no size, which nobody could use.
  const bool restored = !stored.isEmpty() && restoreGeometry(stored);
  if (!restored || width() < kSmallestRemembered.width() ||
      height() < kSmallestRemembered.height()) {
    // Nothing usable remembered: the window starts maximized, and un-maximizes
    // to the default size.
    setWindowState(Qt::WindowNoState);
    resize(kDefaultSize);
    setWindowState(Qt::WindowMaximized);
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
