#pragma once
// A main window on its own folders: the settings of a temporary
// configuration folder, a scripted user, a fixed clock and a private lock.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <string>

#include "app/core_text.h"
#include "app/import_windows.h"
#include "app/main_window.h"
#include "app_test_support.h"
#include "doubles/fixed_clock.h"
#include "platform/canvas.h"
#include "shell/instance_lock.h"
#include "shell/shell_texts.h"

namespace lumora::testing {

inline QPoint centre(const Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(temp_.isValid()); }

  std::filesystem::path file(const std::string& name) const {
    return std::filesystem::path(toCorePath(temp_.path())) / name;
  }
  QString settingsText() const {
    QFile settings(temp_.filePath(QStringLiteral("config/lumora.ini")));
    if (!settings.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(settings.readAll());
  }

  // `otherLock`: another copy's lock on the same file.
  std::unique_ptr<MainWindow> makeWindow(InstanceLock* otherLock = nullptr) {
    MainWindowServices services;
    services.ui = &ui;
    services.clock = &clock;
    services.instanceLock = otherLock != nullptr ? otherLock : &lock;
    AppEnvironment environment;
    environment.version = "9.9.9";
    services.environment = environment;
    return std::make_unique<MainWindow>(MainWindow::Geometry::Default, services);
  }

  // A started window; `commandLine` names the file to open.
  std::unique_ptr<MainWindow> startWindow(const std::string& commandLine = "") {
    auto window = makeWindow();
    EXPECT_TRUE(window->start(commandLine).run);
    return window;
  }

  // The sample's pairing file keeps pairings that never operate: building the
  // blocks shows the pairing warnings and asks whether to edit them. Every
  // warnings window after the first `skip` ones is closed and the blocks are
  // built anyway.
  void buildDespiteInvalidPairings(int skip = 0) {
    ui.standingAnswers.emplace(shell_text::kInvalidPairingsQuestion, Answer::No);
    warningsCloser_ = std::make_unique<WarningsCloser>(skip);
    QApplication::instance()->installEventFilter(warningsCloser_.get());
  }

  // The action of a command on the window's menus, or nothing.
  static QAction* menuAction(const MainWindow& window, int command) {
    return findAction(window.menuBar()->actions(), command);
  }
  static QAction* findAction(const QList<QAction*>& actions, int command) {
    for (QAction* action : actions) {
      if (QMenu* menu = action->menu()) {
        if (QAction* found = findAction(menu->actions(), command)) return found;
      } else if (!action->isSeparator() && action->property("recentIndex").isNull() &&
                 action->data().toInt() == command) {
        return action;
      }
    }
    return nullptr;
  }

  class WarningsCloser final : public QObject {
   public:
    explicit WarningsCloser(int skip) : skip_(skip) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
      auto* warnings = qobject_cast<PairingWarningsWindow*>(watched);
      if (warnings != nullptr && event->type() == QEvent::Show && skip_-- <= 0)
        QTimer::singleShot(0, warnings, [warnings] { warnings->accept(); });
      return false;
    }

   private:
    int skip_;
  };

  QTemporaryDir temp_;
  EnvGuard config_{"LUMORA_CONFIG_DIR",
                   QFile::encodeName(temp_.path() + QStringLiteral("/config"))};
  ScriptedUi ui;
  FixedClock clock{{2026, 6, 15, 9, 30, 0}};
  FileInstanceLock lock{file("lumora.lock")};
  std::unique_ptr<WarningsCloser> warningsCloser_;
};

}  // namespace lumora::testing
