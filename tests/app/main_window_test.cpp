#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>

#include "app/block_views.h"
#include "app/config_folder.h"
#include "app/frame_windows.h"
#include "app/grid_widget.h"
#include "app/key_map.h"
#include "app/start_page.h"
#include "building/undo.h"
#include "files/temp_folder.h"
#include "frame_fixture.h"
#include "shell/command_table.h"
#include "shell/dialog_catalogue.h"

namespace lumora {
namespace {

using testing::EnvGuard;
using testing::FrameTest;
using testing::ReadText;

template <class Model>
void ExpectWindow(const DialogRegistry& dialogs) {
  EXPECT_TRUE(dialogs.has<Model>()) << typeid(Model).name();
}

template <class... Models>
void ExpectWindows(const DialogRegistry& dialogs, DialogModelList<Models...>) {
  (ExpectWindow<Models>(dialogs), ...);
}

TEST_F(FrameTest, EveryDialogTheCoreRunsHasAWindow) {
  const auto window = startWindow();
  ExpectWindows(window->dialogs(), CoreDialogModels{});
  window->shutdown();
}

TEST(ConfigFolderTest, OwnVariableThenXdgThenHome) {
  EnvGuard home("HOME", QByteArray("/home/pat"));
  struct Case {
    const char* own;
    const char* xdg;
    const char* want;
  } const cases[] = {{"/tmp/lm-conf/", "/xdg", "/tmp/lm-conf"},
                     {"", "/xdg", "/xdg/lumora"},
                     // A relative XDG_CONFIG_HOME is to be ignored.
                     {"", "relative", "/home/pat/.config/lumora"},
                     {"", nullptr, "/home/pat/.config/lumora"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.want);
    EnvGuard own("LUMORA_CONFIG_DIR", QByteArray(c.own));
    EnvGuard xdg("XDG_CONFIG_HOME",
                 c.xdg != nullptr ? std::optional<QByteArray>(c.xdg) : std::nullopt);
    EXPECT_EQ(configFolder(), QString::fromLatin1(c.want));
  }
}

class GeometryTest : public ::testing::Test {
 protected:
  QString configFile(const char* name) const { return config_.filePath(QString::fromLatin1(name)); }
  void closeAt(QRect geometry, MainWindow::Geometry start = MainWindow::Geometry::Remembered) {
    MainWindow window(start);
    window.setWindowState(Qt::WindowNoState);
    window.show();
    window.setGeometry(geometry);
    QApplication::processEvents();
    window.close();
  }
  static void expectDefault(const MainWindow& window) {
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.size(), MainWindow::kDefaultSize);  // once un-maximized
  }

  QTemporaryDir config_;
  EnvGuard env_{"LUMORA_CONFIG_DIR", QFile::encodeName(config_.path())};
};

TEST_F(GeometryTest, RememberedInItsOwnFileAndScreenshotsKeepTheDefault) {
  expectDefault(MainWindow());
  EXPECT_EQ(MainWindow().windowTitle(), QStringLiteral("Lumora"));
  closeAt({40, 50, 640, 480});
  EXPECT_TRUE(QFile::exists(configFile("lumora-window.ini")));
  EXPECT_FALSE(QFile::exists(configFile("lumora.ini")));
  MainWindow second;
  EXPECT_FALSE(second.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(second.pos(), QPoint(40, 50));
  EXPECT_EQ(second.size(), QSize(640, 480));

  // Screenshots are of the default size, never maximized, and store nothing.
  QFile::remove(configFile("lumora-window.ini"));
  MainWindow picture(MainWindow::Geometry::Default);
  EXPECT_FALSE(picture.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(picture.size(), MainWindow::kDefaultSize);
  picture.show();
  picture.close();
  EXPECT_FALSE(QFile::exists(configFile("lumora-window.ini")));
}

TEST_F(GeometryTest, DamagedOrUnusableGeometryStartsMaximized) {
  QFile file(configFile("lumora-window.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "[MainWindow]\nGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0\\xff\\xff)\n"
      "State=garbage\n");
  file.close();
  expectDefault(MainWindow());
  // Well-formed, but a window nobody could use.
  closeAt({10, 10, 40, 30});
  expectDefault(MainWindow());
}

// One line per menu entry, from the command table's layout and from the
// window's menus: texts with their mnemonics, separators, sub-menus, enabled,
// checked and checkable states. The recent files stand above Exit, followed
// by a separator.
using Lines = std::vector<std::string>;
std::string state(bool enabled, bool checked, bool checkable) {
  return std::string(" ") + (enabled ? "E" : "-") + (checked ? "C" : "-") + (checkable ? "c" : "-");
}
void describe(const MainWindow& window, const std::vector<MenuItem>& items, bool reduced,
              const std::string& where, Lines& out) {
  const CommandContext context = window.app().commandContext();
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command && item.command == command::kExit) {
      const auto& recent = window.app().recentFiles().entries();
      for (std::size_t i = 0; i < recent.size(); ++i)
        out.push_back(where + "&" + std::to_string(i + 1) + " " + recent[i]);
      if (!recent.empty()) out.push_back(where + "-");
    }
    if (item.kind == MenuItem::Kind::Separator) {
      out.push_back(where + "-");
    } else if (item.kind == MenuItem::Kind::Popup) {
      out.push_back(where + item.text + " >");
      describe(window, item.items, reduced, where + item.text + " > ", out);
    } else {
      const CommandInfo* info = FindCommand(item.command);
      // Undo names what it would undo (checked on its own).
      std::string text = reduced ? info->reducedText : info->text;
      if (item.command == command::kUndo && context.doc != nullptr && !context.doc->History.empty())
        text = "&Undo: " + UndoDescription(*context.doc);
      out.push_back(where + text +
                    state(IsCommandEnabled(*info, context), IsCommandChecked(*info, context),
                          info->checked != nullptr));
    }
  }
}
void describe(const QList<QAction*>& actions, const std::string& where, Lines& out) {
  for (const QAction* action : actions) {
    // The key a menu names after a tab is checked on its own.
    const std::string text = action->text().section(QLatin1Char('\t'), 0, 0).toStdString();
    if (action->isSeparator()) {
      out.push_back(where + "-");
    } else if (action->menu() != nullptr) {
      out.push_back(where + text + " >");
      describe(action->menu()->actions(), where + text + " > ", out);
    } else if (!action->property("recentIndex").isNull()) {
      out.push_back(where + text);
    } else {
      out.push_back(where + text +
                    state(action->isEnabled(), action->isChecked(), action->isCheckable()));
    }
  }
}
void expectMenuBar(const MainWindow& window, const char* menuName) {
  Lines want;
  Lines got;
  describe(window, MenuLayout(menuName), std::string(menuName) == "MENU_3", "", want);
  describe(window.menuBar()->actions(), "", got);
  EXPECT_EQ(got, want) << menuName;
}

TEST_F(FrameTest, MenusFollowTheCommandTableInBothStates) {
  const auto window = startWindow();
  ASSERT_STREQ(window->app().menuName(), "MENU_3");
  expectMenuBar(*window, "MENU_3");
  // The tool bar's Save and Save As belong to the full menu only.
  EXPECT_TRUE(window->toolBarAction(command::kNew)->isEnabled());
  EXPECT_FALSE(window->toolBarAction(command::kSave)->isEnabled());
  EXPECT_FALSE(window->toolBarAction(command::kSaveAs)->isEnabled());

  const auto path = file("June.lm2");
  testing::writeScheduleFile(path, 11);
  ui.openResults.push_back({path.string()});
  menuAction(*window, command::kOpen)->trigger();
  ASSERT_STREQ(window->app().menuName(), "MENU_1");
  expectMenuBar(*window, "MENU_1");
  EXPECT_TRUE(window->toolBarAction(command::kSave)->isEnabled());
  EXPECT_TRUE(ui.shown.empty());

  // Back to the reduced menu: a new file whose month dialog is cancelled.
  ui.answers.push_back(Answer::Yes);
  testing::whenShown<MonthDialog>([](MonthDialog& dialog) { dialog.cancelButton().click(); });
  menuAction(*window, command::kNew)->trigger();
  EXPECT_STREQ(window->app().menuName(), "MENU_3");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumora - untitled.blk[*]"));
  expectMenuBar(*window, "MENU_3");
  window->shutdown();
}

TEST_F(FrameTest, MenusNameTheProgramsKeysAndCarryTheDesktopsFileShortcuts) {
  const auto path = file("June.lm2");
  testing::writeScheduleFile(path, 11);
  const auto window = startWindow(path.string());
  const auto text = [&](int command) { return menuAction(*window, command)->text(); };
  EXPECT_EQ(text(command::kBackup), QStringLiteral("&Backup...\tF8"));
  EXPECT_EQ(text(command::kShowOnlyOpenPairings), QStringLiteral("Show &Only Open Pairings\tF3"));
  // Undo names its key already, and what it would undo once there is something.
  window->app().document().History.clear();
  window->refreshAfterChange();
  EXPECT_EQ(text(command::kUndo), QStringLiteral("&Undo F1"));
  window->app().document().History.add(TransactionRecord{TransactionRecord::kAssign, 3, 0, 0});
  window->refreshAfterChange();
  EXPECT_TRUE(text(command::kUndo).startsWith(QStringLiteral("&Undo: assign ")));
  EXPECT_TRUE(text(command::kUndo).endsWith(QStringLiteral("\tF1")));
  EXPECT_FALSE(text(command::kOpen).contains(QLatin1Char('\t')));
  const std::pair<int, QKeySequence> standard[] = {
      // The keys the manual names, whatever the desktop's theme says.
      {command::kNew, QKeySequence(Qt::CTRL | Qt::Key_N)},
      {command::kOpen, QKeySequence(Qt::CTRL | Qt::Key_O)},
      {command::kSave, QKeySequence(Qt::CTRL | Qt::Key_S)},
      {command::kSaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
      {command::kExit, QKeySequence(Qt::CTRL | Qt::Key_Q)},
      // F1 is Undo, with Shift too: the manual takes Ctrl+F1.
      {command::kHelpIndex, QKeySequence(Qt::CTRL | Qt::Key_F1)},
  };
  for (const auto& [command, keys] : standard)
    EXPECT_EQ(menuAction(*window, command)->shortcut(), keys) << command;
  // Only the menus carry them: a second action with the same keys would
  // leave both dead.
  EXPECT_TRUE(window->toolBarAction(command::kSave)->shortcut().isEmpty());
  window->shutdown();
}

TEST_F(FrameTest, OpenThenSaveAsRoundTripsTheFileAndListsBothAsRecent) {
  const auto in = file("July.lm2");
  testing::writeScheduleFile(in, 7);
  const auto window = startWindow();
  const auto title = [&](const std::filesystem::path& p) {
    return QStringLiteral("Lumora - ") + fromCorePath(p.string()) + QStringLiteral("[*]");
  };
  // Nothing open: the start page stands in for the grid.
  EXPECT_FALSE(window->startPage().isHidden());
  EXPECT_TRUE(window->views()->gridWidget().isHidden());

  ui.openResults.push_back({in.string()});
  window->startPage().openButton().click();
  EXPECT_EQ(window->windowTitle(), title(in));
  EXPECT_TRUE(window->startPage().isHidden());
  EXPECT_FALSE(window->views()->gridWidget().isHidden());
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Open");

  // A name typed without its extension gets the schedule file's.
  ui.saveResults.push_back(file("July copy").string());
  window->toolBarAction(command::kSaveAs)->trigger();
  const auto out = file("July copy.lm2");
  EXPECT_EQ(window->windowTitle(), title(out));
  // Saved: no unsaved-changes mark, and the status bar says so.
  EXPECT_FALSE(window->isWindowModified());
  EXPECT_EQ(window->statusBar()->currentMessage(),
            QStringLiteral("Saved ") + fromCorePath(out.string()));
  // Save As offered the file's own folder.
  EXPECT_EQ(ui.fileDialogs.back().startFolder, in.parent_path().string());
  EXPECT_EQ(ReadText(out), ReadText(in));
  EXPECT_TRUE(ui.shown.empty());

  // Both are on the File menu, most recent first; the second opens the first file.
  expectMenuBar(*window, "MENU_1");
  ASSERT_EQ(window->app().recentFiles().entries(),
            (std::vector<std::string>{out.string(), in.string()}));
  for (QAction* action : window->menuBar()->actions().front()->menu()->actions()) {
    if (!action->property("recentIndex").isNull() && action->property("recentIndex").toInt() == 1)
      action->trigger();
  }
  EXPECT_EQ(window->windowTitle(), title(in));
  window->shutdown();

  // The next start lists them on its start page; a click opens one.
  const auto next = startWindow();
  next->show();
  QApplication::processEvents();
  QListWidget& recent = next->startPage().recentList();
  ASSERT_EQ(recent.count(), 2);
  EXPECT_EQ(recent.item(0)->toolTip(), fromCorePath(in.string()));
  QTest::mouseClick(recent.viewport(), Qt::LeftButton, {},
                    recent.visualItemRect(recent.item(1)).center());
  EXPECT_EQ(next->windowTitle(), title(out));
  EXPECT_TRUE(next->startPage().isHidden());
  next->shutdown();
}

TEST_F(FrameTest, ToolBarShowsOpenTimeAndTheTimeBank) {
  const auto window = startWindow();
  EXPECT_EQ(window->timeBankField().text(), QStringLiteral(" TB 000:00"));
  window->showOpenTime(4500, 12000, "0075:00");
  EXPECT_EQ(window->openTimeGauge().maximum(), 12);
  EXPECT_EQ(window->openTimeGauge().value(), 4);
  EXPECT_EQ(window->openTimeGauge().format(), QStringLiteral("0075:00"));
  // Less than a thousand minutes in the month: an empty bar, not a busy one.
  window->showOpenTime(0, 400, "0000:00");
  EXPECT_GT(window->openTimeGauge().maximum(), 0);

  window->shutdown();
}

TEST(KeyMapTest, TheMainWindowsKeysAndNoOthers) {
  struct Case {
    int key;
    Qt::KeyboardModifiers modifiers;
    std::optional<ShellKey> want;
  } const cases[] = {
      {Qt::Key_Tab, Qt::NoModifier, ShellKey::Tab},
      {Qt::Key_Backtab, Qt::ShiftModifier, ShellKey::Tab},
      {Qt::Key_F1, Qt::NoModifier, ShellKey::F1},
      {Qt::Key_F9, Qt::NoModifier, ShellKey::F9},
      {Qt::Key_F10, Qt::NoModifier, std::nullopt},
      // The plus/equals key, shifted or not, but not the keypad's plus.
      {Qt::Key_Equal, Qt::NoModifier, ShellKey::Equals},
      {Qt::Key_Plus, Qt::ShiftModifier, ShellKey::Equals},
      {Qt::Key_Plus, Qt::KeypadModifier, std::nullopt},
      {Qt::Key_Up, Qt::KeypadModifier, ShellKey::Up},
      {Qt::Key_Escape, Qt::NoModifier, ShellKey::Escape},
      // Ctrl and Alt combinations are the menus' and the desktop's.
      {Qt::Key_F4, Qt::AltModifier, std::nullopt},
      {Qt::Key_Tab, Qt::ControlModifier, std::nullopt},
      {Qt::Key_A, Qt::NoModifier, std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(shellKeyFor(c.key, c.modifiers), c.want) << c.key;
}

TEST_F(FrameTest, KeysReachTheCoreFromTheBlockArea) {
  const auto path = file("pilots.lm2");
  testing::writeScheduleFile(path, 3, 0);
  const auto window = startWindow(path.string());
  QWidget* area = window->centralWidget();
  const auto press = [area](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent down(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(area, &down);
    QKeyEvent up(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(area, &up);
  };
  // F6 in a pilot file is the filter-window command, which answers.
  press(Qt::Key_F6);
  ASSERT_EQ(ui.messageTexts(),
            std::vector<std::string>{"Please Select the Filter Window from the Bids Window"});
  EXPECT_EQ(ui.shown.back().caption, "Lumora");
  // With Ctrl it is no key of the window; Tab does not move the focus away.
  press(Qt::Key_F6, Qt::ControlModifier);
  area->setFocus();
  press(Qt::Key_Tab);
  EXPECT_EQ(ui.shown.size(), 1u);
  window->shutdown();
}

TEST_F(FrameTest, ClosingAsksAboutChangesAndASecondCopyDoesNotRun) {
  const auto path = file("changed.lm2");
  testing::writeScheduleFile(path, 5);
  const auto window = startWindow(path.string());
  window->show();
  window->app().document().Modified = 1;

  FileInstanceLock otherCopy(file("lumora.lock"));
  const StartResult second = makeWindow(&otherCopy)->start("");
  EXPECT_FALSE(second.run);
  EXPECT_EQ(second.exitCode, 0);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown.back().text, "Lumora is Currently Running");
  EXPECT_EQ(ui.shown.back().caption, "Lumora");

  ui.answers.push_back(Answer::Cancel);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(ui.shown.back().text, "File has been modified. DO YOU WANT TO SAVE IT?");
  EXPECT_EQ(ui.shown.back().caption, "Quitting Lumora!");
  ui.answers.push_back(Answer::No);
  menuAction(*window, command::kExit)->trigger();
  EXPECT_FALSE(window->isVisible());
  window->shutdown();
}

// The program itself, as scripts/demo runs it.
TEST_F(FrameTest, ProgramRendersScreenshotsUnattendedAndRejectsBadArguments) {
  QString errors;
  const auto run = [this, &errors](const QStringList& arguments) {
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LUMORA_CONFIG_DIR"), temp_.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("LUMORA_LOG_DIR"), temp_.filePath(QStringLiteral("log")));
    // A copy holding the usual lock does not stop a picture.
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), temp_.path());
    program.setProcessEnvironment(env);
    program.start(QStringLiteral(LUMORA_APP_EXE), arguments);
    EXPECT_TRUE(program.waitForFinished(120000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    errors = QString::fromLocal8Bit(program.readAllStandardError());
    return program.exitCode();
  };
  FileInstanceLock running(file("lumora.lock"));
  ASSERT_EQ(running.acquire(), LockResult::Acquired);

  const QString png = temp_.filePath(QStringLiteral("demo/shot.png"));
  EXPECT_EQ(run({QStringLiteral("--screenshot"), png}), 0);
  EXPECT_EQ(QImage(png, "PNG").size(), MainWindow::kDefaultSize);
  // The screenshot run leaves the user's remembered geometry alone.
  EXPECT_FALSE(QFile::exists(temp_.filePath(QStringLiteral("config/lumora-window.ini"))));

  // A file that does not open: the message goes to the error output and the
  // picture is taken all the same.
  EXPECT_EQ(run({QStringLiteral("--screenshot"), png, temp_.filePath(QStringLiteral("none.lm2"))}),
            0);
  EXPECT_TRUE(errors.contains(QStringLiteral("none.lm2"))) << errors.toStdString();
  EXPECT_EQ(run({QStringLiteral("--no-such-option")}), 2);
}

}  // namespace
}  // namespace lumora
