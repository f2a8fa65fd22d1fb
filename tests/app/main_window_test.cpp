#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <iterator>

#include "app/config_folder.h"
#include "app/frame_windows.h"
#include "app/key_map.h"
#include "app/screenshot.h"
#include "frame_fixture.h"
#include "shell/command_table.h"

namespace lumora {
namespace {

using testing::EnvGuard;
using testing::FrameTest;

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

// Walks a Qt menu against its layout: texts with their mnemonics as the
// command table has them, separators, sub-menus, enabled and checked states.
// The recent files stand above Exit, followed by a separator.
void expectMenu(const MainWindow& window, const QMenu& menu, const std::vector<MenuItem>& items,
                bool reduced, const std::string& where) {
  const QList<QAction*> actions = menu.actions();
  qsizetype a = 0;
  const auto next = [&]() -> QAction* { return a < actions.size() ? actions[a++] : nullptr; };
  for (const MenuItem& item : items) {
    if (item.kind == MenuItem::Kind::Command && item.command == command::kExit) {
      const auto& recent = window.app().recentFiles().entries();
      for (std::size_t i = 0; i < recent.size(); ++i) {
        QAction* entry = next();
        ASSERT_NE(entry, nullptr) << where;
        EXPECT_EQ(entry->text(), QStringLiteral("&%1 %2").arg(i + 1).arg(fromCorePath(recent[i])));
      }
      if (!recent.empty()) {
        QAction* separator = next();
        ASSERT_TRUE(separator != nullptr && separator->isSeparator()) << where;
      }
    }
    QAction* action = next();
    ASSERT_NE(action, nullptr) << where << ": fewer items than the layout";
    if (item.kind == MenuItem::Kind::Separator) {
      EXPECT_TRUE(action->isSeparator()) << where << " before " << a;
    } else if (item.kind == MenuItem::Kind::Popup) {
      ASSERT_NE(action->menu(), nullptr) << where << " " << item.text;
      EXPECT_EQ(action->text(), QString::fromLatin1(item.text));
      expectMenu(window, *action->menu(), item.items, reduced, where + " > " + item.text);
    } else {
      const CommandInfo* info = FindCommand(item.command);
      ASSERT_NE(info, nullptr);
      EXPECT_EQ(action->text(), QString::fromLatin1(reduced ? info->reducedText : info->text))
          << where;
      EXPECT_EQ(action->data().toInt(), item.command);
      const CommandContext context = window.app().commandContext();
      EXPECT_EQ(action->isEnabled(), IsCommandEnabled(*info, context)) << where << info->text;
      EXPECT_EQ(action->isChecked(), IsCommandChecked(*info, context)) << info->text;
      EXPECT_EQ(action->isCheckable(), info->checked != nullptr) << info->text;
    }
  }
  EXPECT_EQ(a, actions.size()) << where << ": more items than the layout";
}

void expectMenuBar(const MainWindow& window, const char* menuName) {
  const std::vector<MenuItem> layout = MenuLayout(menuName);
  const QList<QAction*> menus = window.menuBar()->actions();
  ASSERT_EQ(static_cast<std::size_t>(menus.size()), layout.size()) << menuName;
  for (std::size_t i = 0; i < layout.size(); ++i) {
    const QAction* action = menus[static_cast<qsizetype>(i)];
    ASSERT_NE(action->menu(), nullptr);
    EXPECT_EQ(action->text(), QString::fromLatin1(layout[i].text));
    expectMenu(window, *action->menu(), layout[i].items, std::string(menuName) == "MENU_3",
               std::string(menuName) + " " + layout[i].text);
  }
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
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumora - untitled.blk"));
  expectMenuBar(*window, "MENU_3");
  window->shutdown();
}

TEST_F(FrameTest, OpenThenSaveAsRoundTripsTheFileAndListsBothAsRecent) {
  const auto in = file("July.lm2");
  testing::writeScheduleFile(in, 7);
  const auto window = startWindow();
  const auto title = [&](const std::filesystem::path& p) {
    return QStringLiteral("Lumora - ") + fromCorePath(p.string());
  };

  ui.openResults.push_back({in.string()});
  menuAction(*window, command::kOpen)->trigger();
  EXPECT_EQ(window->windowTitle(), title(in));
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Open");

  // A name typed without its extension gets the schedule file's.
  ui.saveResults.push_back(file("July copy").string());
  window->toolBarAction(command::kSaveAs)->trigger();
  const auto out = file("July copy.lm2");
  EXPECT_EQ(window->windowTitle(), title(out));
  const auto bytes = [](const std::filesystem::path& p) {
    std::ifstream stream(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(stream), {});
  };
  EXPECT_EQ(bytes(out), bytes(in));
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
}

TEST_F(FrameTest, ToolBarGaugeTimeBankAndTheHiddenBlockControls) {
  const auto window = startWindow();
  EXPECT_EQ(window->timeBankField().text(), QStringLiteral(" TB 000:00"));
  window->showOpenTime(4500, 12000, "0075:00");
  EXPECT_EQ(window->openTimeGauge().maximum(), 12);
  EXPECT_EQ(window->openTimeGauge().value(), 4);
  EXPECT_EQ(window->openTimeGauge().format(), QStringLiteral("0075:00"));
  // Less than a thousand minutes in the month: an empty bar, not a busy one.
  window->showOpenTime(0, 400, "0000:00");
  EXPECT_GT(window->openTimeGauge().maximum(), 0);

  // The eight block filters and the search are there, hidden and disabled.
  window->show();
  QApplication::processEvents();
  QToolBar& bar = window->toolBar();
  for (const int command : {550, 551, 552, 553, 554, 555, 556, 557}) {
    auto* button = bar.findChild<QToolButton*>(QStringLiteral("blockFilter%1").arg(command));
    ASSERT_NE(button, nullptr) << command;
    EXPECT_FALSE(button->isEnabled() || button->isVisible()) << command;
  }
  auto* search = bar.findChild<QGroupBox*>(QStringLiteral("searchGroup570"));
  ASSERT_NE(search, nullptr);
  EXPECT_FALSE(search->isEnabled() || search->isVisible());
  EXPECT_EQ(search->findChild<QLineEdit*>(QStringLiteral("searchEdit595"))->maxLength(), 100);
  QStringList boxes;
  for (const QCheckBox* box : search->findChildren<QCheckBox*>()) boxes << box->text();
  EXPECT_EQ(boxes, (QStringList{QStringLiteral("Names"), QStringLiteral("Emp Nums"),
                                QStringLiteral("Pairs + Abs"), QStringLiteral("Bids")}));
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

TEST_F(FrameTest, ScreenshotOfTheWindowAndAFolderThatCannotBeMade) {
  const auto path = file("August.lm2");
  testing::writeScheduleFile(path, 21);
  const auto window = startWindow(path.string());
  window->show();
  QApplication::processEvents();
  // Kept as a build artifact for a look at the window.
  const QString png = QStringLiteral(LUMORA_TEST_ARTIFACTS "/main_window_document.png");
  QFile::remove(png);
  ASSERT_TRUE(saveScreenshot(*window, png));
  EXPECT_EQ(QImage(png, "PNG").size(), window->size() * window->devicePixelRatio());
  std::ofstream(file("blocker")).put('x');
  EXPECT_FALSE(
      saveScreenshot(*window, fromCorePath(file("blocker").string()) + QStringLiteral("/x.png")));
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
