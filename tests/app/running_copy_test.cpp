#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTest>
#include <cstring>
#include <functional>

#include "frame_fixture.h"

namespace lumora {
namespace {

using testing::FrameTest;

// What a copy that crashed leaves: a socket file nobody listens on.
void LeaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(path);
  ASSERT_LT(static_cast<std::size_t>(name.size()), sizeof address.sun_path);
  std::memcpy(address.sun_path, name.constData(), static_cast<std::size_t>(name.size()));
  ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
}

bool Eventually(const std::function<bool()>& done, int ms = 60000) {
  const QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(50);
  }
  return true;
}

// Two copies of the program itself: the second hands its file to the first
// and ends, and a crashed copy's socket does not stop the first from listening.
TEST_F(FrameTest, ASecondCopyHandsItsFileToTheRunningOne) {
  const QString socket = temp_.filePath(QStringLiteral("lumora.socket"));
  LeaveStaleSocket(socket);
  const auto schedule = file("March blocks.lm2");
  testing::writeScheduleFile(schedule, 4);

  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("LUMORA_CONFIG_DIR"), temp_.filePath(QStringLiteral("config")));
  env.insert(QStringLiteral("LUMORA_LOG_DIR"), temp_.filePath(QStringLiteral("log")));
  env.insert(QStringLiteral("XDG_RUNTIME_DIR"), temp_.path());
  QProcess first;
  first.setProcessEnvironment(env);
  first.start(QStringLiteral(LUMORA_APP_EXE), QStringList{});
  ASSERT_TRUE(first.waitForStarted());
  ASSERT_TRUE(Eventually([&] {
    QLocalSocket probe;
    probe.connectToServer(socket);
    return probe.waitForConnected(100);
  })) << "the first copy never listened";

  const auto second = [&](const QStringList& arguments) {
    QProcess program;
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(temp_.path());
    program.start(QStringLiteral(LUMORA_APP_EXE), arguments);
    EXPECT_TRUE(program.waitForFinished(60000));
    return program.exitCode();
  };
  EXPECT_EQ(second({}), 0);
  // A name relative to where the second copy started reaches the first whole.
  EXPECT_EQ(second({QStringLiteral("March blocks.lm2")}), 0);
  // The first copy opened it: it is on its recent-files list.
  EXPECT_TRUE(Eventually([&] {
    return settingsText().contains(QStringLiteral("March blocks.lm2"));
  })) << settingsText().toStdString();
  EXPECT_EQ(first.state(), QProcess::Running);
  first.terminate();
  first.waitForFinished();
}

TEST_F(FrameTest, ARequestFromAnotherCopyOpensAsFileOpenDoes) {
  const auto july = file("July.lm2");
  const auto august = file("August.lm2");
  testing::writeScheduleFile(july, 7);
  testing::writeScheduleFile(august, 8);
  const auto window = startWindow(july.string());
  window->app().document().Modified = 1;
  const QString julyTitle = QStringLiteral("Lumora - ") + fromCorePath(july.string());

  // Unsaved changes: asked first, and No keeps the month open.
  ui.answers.push_back(Answer::No);
  window->takeRequestFromOtherCopy(august.string());
  EXPECT_TRUE(window->windowTitle().startsWith(julyTitle));
  ASSERT_FALSE(ui.shown.empty());
  EXPECT_EQ(ui.shown.back().caption, "Caution!");

  ui.answers.push_back(Answer::Yes);
  window->takeRequestFromOtherCopy(august.string());
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("August.lm2")));
  // Nothing named: the window only comes to the front.
  window->takeRequestFromOtherCopy("");
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("August.lm2")));
  window->shutdown();
}

}  // namespace
}  // namespace lumora
