#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <fstream>
#include <iterator>

#include "app/config_folder.h"
#include "app/core_text.h"
#include "app/frame_windows.h"
#include "app/key_map.h"
#include "app/screenshot.h"
#include "app_test_support.h"
#include "frame_fixture.h"
#include "shell/command_table.h"
#include "shell/shell_texts.h"

namespace lumora {
namespace {

using testing::EnvGuard;
using testing::FrameTest;

TEST(ConfigFolderTest, OwnVariableThenXdgThenHome) {
  EnvGuard home("HOME", QByteArray("/home/pat"));
  {
    EnvGuard own("LUMORA_CONFIG_DIR", QByteArray("/tmp/lm-conf/"));
    EnvGuard xdg("XDG_CONFIG_HOME", QByteArray("/xdg"));
    EXPECT_EQ(configFolder(), QStringLiteral("/tmp/lm-conf"));
  }
  EnvGuard own("LUMORA_CONFIG_DIR", QByteArray(""));
  {
    EnvGuard xdg("XDG_CONFIG_HOME", QByteArray("/xdg"));
    EXPECT_EQ(configFolder(), QStringLiteral("/xdg/lumora"));
  }
  {
    // A relative XDG_CONFIG_HOME is to be ignored.
    EnvGuard xdg("XDG_CONFIG_HOME", QByteArray("relative"));
    EXPECT_EQ(configFolder(), QStringLiteral("/home/pat/.config/lumora"));
  }
  EnvGuard xdg("XDG_CONFIG_HOME", std::nullopt);
  EXPECT_EQ(configFolder(), QStringLiteral("/home/pat/.config/lumora"));
}

class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(config_.isValid()); }
  QString configFile(const char* name) const { return config_.filePath(QString::fromLatin1(name)); }

  QTemporaryDir config_;
  EnvGuard env_{"LUMORA_CONFIG_DIR", QFile::encodeName(config_.path())};
};

TEST_F(GeometryTest, StartsTitledLumoraAndMaximizedWhenNothingIsRemembered) {
  MainWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumora"));
  EXPECT_NE(window.centralWidget(), nullptr);
  EXPECT_NE(window.findChild<QStatusBar*>(), nullptr);
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  // Un-maximized, it has the default size.
  EXPECT_EQ(window.size(), MainWindow::kDefaultSize);

  // Screenshots are of the default size, never maximized.
  MainWindow picture(MainWindow::Geometry::Default);
  EXPECT_FALSE(picture.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(picture.size(), MainWindow::kDefaultSize);
}

TEST_F(GeometryTest, GeometryIsRememberedInItsOwnFileOnly) {
  {
    MainWindow first;
    first.setWindowState(Qt::WindowNoState);
    first.show();
    first.setGeometry(40, 50, 640, 480);
    QApplication::processEvents();
    first.close();
  }
  EXPECT_TRUE(QFile::exists(configFile("lumora-window.ini")));
  EXPECT_FALSE(QFile::exists(configFile("lumora.ini")));

  MainWindow second;
  EXPECT_FALSE(second.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(second.size(), QSize(640, 480));
  EXPECT_EQ(second.pos(), QPoint(40, 50));

  // A window kept at its default size stores nothing.
  QFile::remove(configFile("lumora-window.ini"));
  {
    MainWindow screenshot(MainWindow::Geometry::Default);
    screenshot.show();
    screenshot.close();
  }
  EXPECT_FALSE(QFile::exists(configFile("lumora-window.ini")));
}

TEST_F(GeometryTest, DamagedGeometryStartsMaximized) {
  QFile file(configFile("lumora-window.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "[MainWindow]\nGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0\\xff\\xff)\n"
      "State=garbage\n");
  file.close();
  MainWindow window;
  EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(window.size(), MainWindow::kDefaultSize);

  // Well-formed, but a window nobody could use.
  {
    MainWindow tiny;
    tiny.setWindowState(Qt::WindowNoState);
    tiny.show();
    tiny.setGeometry(10, 10, 40, 30);
    ASSERT_LT(tiny.width(), MainWindow::kSmallestRemembered.width());
    tiny.close();
  }
  MainWindow again;
  EXPECT_TRUE(again.windowState() & Qt::WindowMaximized);
  EXPECT_EQ(again.size(), MainWindow::kDefaultSize);
}

// --- menus

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
        EXPECT_EQ(entry->property("recentIndex").toULongLong(), i);
      }
      if (!recent.empty()) {
        QAction* separator = next();
        ASSERT_NE(separator, nullptr) << where;
        EXPECT_TRUE(separator->isSeparator()) << where;
      }
    }
    QAction* action = next();
    ASSERT_NE(action, nullptr) << where << ": fewer items than the layout";
    switch (item.kind) {
      case MenuItem::Kind::Separator:
        EXPECT_TRUE(action->isSeparator()) << where << " before " << a;
        break;
      case MenuItem::Kind::Popup:
        ASSERT_NE(action->menu(), nullptr) << where << " " << item.text;
        EXPECT_EQ(action->text(), QString::fromLatin1(item.text));
        expectMenu(window, *action->menu(), item.items, reduced, where + " > " + item.text);
        break;
      case MenuItem::Kind::Command: {
        const CommandInfo* info = FindCommand(item.command);
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(action->text(), QString::fromLatin1(reduced ? info->reducedText : info->text))
            << where;
        EXPECT_EQ(action->data().toInt(), item.command);
        const CommandContext context = window.app().commandContext();
        EXPECT_EQ(action->isEnabled(), IsCommandEnabled(*info, context))
            << where << " " << info->text;
        EXPECT_EQ(action->isChecked(), IsCommandChecked(*info, context)) << info->text;
        EXPECT_EQ(action->isCheckable(), info->checked != nullptr) << info->text;
        break;
      }
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
  EXPECT_TRUE(menuAction(*window, command::kPreferences)->isEnabled());
  EXPECT_FALSE(menuAction(*window, command::kImportRoster)->isEnabled());
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

  ui.openResults.push_back({in.string()});
  menuAction(*window, command::kOpen)->trigger();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumora - ") + fromCorePath(in.string()));
  ASSERT_EQ(ui.fileDialogs.size(), 1u);
  EXPECT_EQ(ui.fileDialogs[0].title, "Open");

  // A name typed without its extension gets the schedule file's.
  ui.saveResults.push_back(file("July copy").string());
  window->toolBarAction(command::kSaveAs)->trigger();
  const auto out = file("July copy.lm2");
  ASSERT_TRUE(std::filesystem::exists(out));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumora - ") + fromCorePath(out.string()));
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
  QAction* second = nullptr;
  for (QAction* action : window->menuBar()->actions().front()->menu()->actions()) {
    if (action->property("recentIndex").toInt() == 1 && !action->property("recentIndex").isNull())
      second = action;
  }
  ASSERT_NE(second, nullptr);
  second->trigger();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Lumora - ") + fromCorePath(in.string()));
  window->shutdown();
}

TEST_F(FrameTest, ToolBarHoldsButtonsGaugeTimeBankAndTheHiddenBlockControls) {
  const auto window = startWindow();
  QToolBar& bar = window->toolBar();
  for (const int command : {201, 202, 203, 204, 205})
    ASSERT_NE(window->toolBarAction(command), nullptr) << command;
  EXPECT_EQ(window->openTimeGauge().size(), QSize(200, 20));
  EXPECT_EQ(window->timeBankField().size(), QSize(100, 15));
  EXPECT_EQ(window->timeBankField().text(), QStringLiteral(" TB 000:00"));

  window->showOpenTime(4500, 12000, "0075:00");
  EXPECT_EQ(window->openTimeGauge().maximum(), 12);
  EXPECT_EQ(window->openTimeGauge().value(), 4);
  EXPECT_EQ(window->openTimeGauge().format(), QStringLiteral("0075:00"));
  // Less than a thousand minutes in the month: an empty bar, not a busy one.
  window->showOpenTime(0, 400, "0000:00");
  EXPECT_EQ(window->openTimeGauge().minimum(), 0);
  EXPECT_GT(window->openTimeGauge().maximum(), 0);

  // The eight block filters and the search are there, hidden and disabled.
  for (const int command : {550, 551, 552, 553, 554, 555, 556, 557}) {
    auto* button = bar.findChild<QToolButton*>(QStringLiteral("blockFilter%1").arg(command));
    ASSERT_NE(button, nullptr) << command;
    EXPECT_FALSE(button->isEnabled());
  }
  auto* search = bar.findChild<QGroupBox*>(QStringLiteral("searchGroup570"));
  ASSERT_NE(search, nullptr);
  EXPECT_FALSE(search->isEnabled());
  EXPECT_EQ(search->findChild<QLineEdit*>(QStringLiteral("searchEdit595"))->maxLength(), 100);
  QStringList boxes;
  for (const QCheckBox* box : search->findChildren<QCheckBox*>()) boxes << box->text();
  EXPECT_EQ(boxes, (QStringList{QStringLiteral("Names"), QStringLiteral("Emp Nums"),
                                QStringLiteral("Pairs + Abs"), QStringLiteral("Bids")}));
  window->show();
  QApplication::processEvents();
  EXPECT_TRUE(window->toolBarAction(command::kNew)->isVisible());
  EXPECT_FALSE(search->isVisible());
  for (const QToolButton* button :
       bar.findChildren<QToolButton*>(QRegularExpression(QStringLiteral("^blockFilter")))) {
    EXPECT_FALSE(button->isVisible());
  }
  window->shutdown();
}

// --- keys, closing, the timer's owner

TEST(KeyMapTest, TheMainWindowsKeysAndNoOthers) {
  EXPECT_EQ(shellKeyFor(Qt::Key_Tab, Qt::NoModifier), ShellKey::Tab);
  EXPECT_EQ(shellKeyFor(Qt::Key_Backtab, Qt::ShiftModifier), ShellKey::Tab);
  EXPECT_EQ(shellKeyFor(Qt::Key_F1, Qt::NoModifier), ShellKey::F1);
  EXPECT_EQ(shellKeyFor(Qt::Key_F9, Qt::NoModifier), ShellKey::F9);
  EXPECT_EQ(shellKeyFor(Qt::Key_F10, Qt::NoModifier), std::nullopt);
  // The plus/equals key, shifted or not, but not the keypad's plus.
  EXPECT_EQ(shellKeyFor(Qt::Key_Equal, Qt::NoModifier), ShellKey::Equals);
  EXPECT_EQ(shellKeyFor(Qt::Key_Plus, Qt::ShiftModifier), ShellKey::Equals);
  EXPECT_EQ(shellKeyFor(Qt::Key_Plus, Qt::KeypadModifier), std::nullopt);
  EXPECT_EQ(shellKeyFor(Qt::Key_Up, Qt::KeypadModifier), ShellKey::Up);
  EXPECT_EQ(shellKeyFor(Qt::Key_Escape, Qt::NoModifier), ShellKey::Escape);
  EXPECT_EQ(shellKeyFor(Qt::Key_Insert, Qt::NoModifier), ShellKey::Insert);
  EXPECT_EQ(shellKeyFor(Qt::Key_Left, Qt::NoModifier), ShellKey::Left);
  EXPECT_EQ(shellKeyFor(Qt::Key_Right, Qt::NoModifier), ShellKey::Right);
  // Ctrl and Alt combinations are the menus' and the desktop's.
  EXPECT_EQ(shellKeyFor(Qt::Key_F4, Qt::AltModifier), std::nullopt);
  EXPECT_EQ(shellKeyFor(Qt::Key_Tab, Qt::ControlModifier), std::nullopt);
  EXPECT_EQ(shellKeyFor(Qt::Key_A, Qt::NoModifier), std::nullopt);
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

TEST_F(FrameTest, ClosingAsksAboutChangesAndExitClosesTheWindow) {
  const auto path = file("changed.lm2");
  testing::writeScheduleFile(path, 5);
  const auto window = startWindow(path.string());
  window->show();
  window->app().document().Modified = 1;

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

TEST_F(FrameTest, ASecondWindowOnTheSameLockDoesNotRun) {
  const auto first = startWindow();
  FileInstanceLock otherCopy(file("lumora.lock"));
  auto second = makeWindow(&otherCopy);
  const StartResult result = second->start("");
  EXPECT_FALSE(result.run);
  EXPECT_EQ(result.exitCode, 0);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown.back().text, "Lumora is Currently Running");
  EXPECT_EQ(ui.shown.back().caption, "Lumora");
  first->shutdown();
}

// --- pictures

TEST_F(FrameTest, ScreenshotOfTheWindowWithADocumentOpen) {
  const auto path = file("August.lm2");
  testing::writeScheduleFile(path, 21);
  const auto window = startWindow(path.string());
  window->show();
  QApplication::processEvents();
  // Kept as a build artifact for a look at the window.
  const QString png = QStringLiteral(LUMORA_TEST_ARTIFACTS "/main_window_document.png");
  QFile::remove(png);
  ASSERT_TRUE(saveScreenshot(*window, png));
  const QImage image(png, "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), window->size() * window->devicePixelRatio());
  EXPECT_EQ(window->menuBar()->actions().size(), 5);

  // A folder that cannot be made: a file stands in its way.
  std::ofstream(file("blocker")).put('x');
  EXPECT_FALSE(
      saveScreenshot(*window, fromCorePath(file("blocker").string()) + QStringLiteral("/x.png")));
  window->shutdown();
}

// The program itself, as scripts/demo runs it.
TEST_F(FrameTest, ProgramRendersScreenshotsUnattendedAndRejectsBadArguments) {
  const auto run = [this](const QStringList& arguments, QString* errors = nullptr) {
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
    if (errors != nullptr) *errors = QString::fromLocal8Bit(program.readAllStandardError());
    return program.exitCode();
  };
  FileInstanceLock running(std::filesystem::path(toCorePath(temp_.path())) / "lumora.lock");
  ASSERT_EQ(running.acquire(), LockResult::Acquired);

  const QString png = temp_.filePath(QStringLiteral("demo/shot.png"));
  EXPECT_EQ(run({QStringLiteral("--screenshot"), png}), 0);
  const QImage image(png, "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), MainWindow::kDefaultSize);
  // The screenshot run leaves the user's remembered geometry alone.
  EXPECT_FALSE(QFile::exists(temp_.filePath(QStringLiteral("config/lumora-window.ini"))));

  // A file that does not open: the message goes to the error output and the
  // picture is taken all the same.
  QString errors;
  EXPECT_EQ(run({QStringLiteral("--screenshot"), png, temp_.filePath(QStringLiteral("none.lm2"))},
                &errors),
            0);
  EXPECT_TRUE(errors.contains(QStringLiteral("none.lm2"))) << errors.toStdString();

  EXPECT_EQ(run({QStringLiteral("--no-such-option")}), 2);
}

}  // namespace
}  // namespace lumora
