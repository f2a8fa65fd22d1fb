#include "app/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStatusBar>
#include <QTemporaryDir>

#include "app/config_folder.h"
#include "app/screenshot.h"
#include "app_test_support.h"

namespace lumora {
namespace {

using testing::EnvGuard;

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

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(config_.isValid()); }
  QString configFile(const char* name) const { return config_.filePath(QString::fromLatin1(name)); }

  QTemporaryDir config_;
  EnvGuard env_{"LUMORA_CONFIG_DIR", QFile::encodeName(config_.path())};
};

TEST_F(MainWindowTest, StartsTitledLumoraAtTheDefaultSize) {
  MainWindow window;
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Lumora"));
  EXPECT_NE(window.centralWidget(), nullptr);
  EXPECT_NE(window.findChild<QStatusBar*>(), nullptr);
  EXPECT_EQ(window.size(), MainWindow::kDefaultSize);
}

TEST_F(MainWindowTest, GeometryIsRememberedInItsOwnFileOnly) {
  {
    MainWindow first;
    first.show();
    first.setGeometry(40, 50, 640, 480);
    QApplication::processEvents();
    first.close();
  }
  EXPECT_TRUE(QFile::exists(configFile("lumora-window.ini")));
  EXPECT_FALSE(QFile::exists(configFile("lumora.ini")));

  MainWindow second;
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

TEST_F(MainWindowTest, DamagedGeometryFallsBackToTheDefault) {
  QFile file(configFile("lumora-window.ini"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      "[MainWindow]\nGeometry=@ByteArray(\\x1\\xd9\\xd0\\xcb\\0\\x3\\0\\0\\xff\\xff)\n"
      "State=garbage\n");
  file.close();
  MainWindow window;
  EXPECT_EQ(window.size(), MainWindow::kDefaultSize);

  // Well-formed, but a window nobody could use.
  {
    MainWindow tiny;
    tiny.show();
    tiny.setGeometry(10, 10, 40, 30);
    ASSERT_LT(tiny.width(), MainWindow::kSmallestRemembered.width());
    tiny.close();
  }
  MainWindow again;
  EXPECT_EQ(again.size(), MainWindow::kDefaultSize);
}

TEST_F(MainWindowTest, ScreenshotWritesThePngOfTheShownWindow) {
  MainWindow window(MainWindow::Geometry::Default);
  window.show();
  QApplication::processEvents();
  // Kept as a build artifact for a look at the window.
  const QString path = QStringLiteral(LUMORA_TEST_ARTIFACTS "/main_window.png");
  QFile::remove(path);
  ASSERT_TRUE(saveScreenshot(window, path));
  const QImage image(path, "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), window.size() * window.devicePixelRatio());

  // A folder that cannot be made: a file stands in its way.
  QFile blocker(configFile("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  EXPECT_FALSE(saveScreenshot(window, configFile("blocker/x.png")));
}

// The program itself, as scripts/demo runs it.
TEST_F(MainWindowTest, ProgramRendersScreenshotAndRejectsBadArguments) {
  const QString png = config_.filePath(QStringLiteral("demo/shot.png"));
  QProcess program;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  program.setProcessEnvironment(env);
  program.start(QStringLiteral(LUMORA_APP_EXE), {QStringLiteral("--screenshot"), png});
  ASSERT_TRUE(program.waitForFinished(120000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
  const QImage image(png, "PNG");
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.size(), MainWindow::kDefaultSize);
  // The screenshot run leaves the user's remembered geometry alone.
  EXPECT_FALSE(QFile::exists(configFile("lumora-window.ini")));

  program.start(QStringLiteral(LUMORA_APP_EXE), {QStringLiteral("--no-such-option")});
  ASSERT_TRUE(program.waitForFinished(120000));
  EXPECT_EQ(program.exitCode(), 2);
}

}  // namespace
}  // namespace lumora
