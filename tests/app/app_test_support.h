#pragma once
// Helpers shared by the widget tests.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>

#include "building/block_rules.h"
#include "files/schedule_file.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/random_document.h"
#include "support/scripted_ui.h"

// Readable QStrings in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
  *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QSize& s, std::ostream* os) {
  *os << s.width() << 'x' << s.height();
}
inline void PrintTo(const QPoint& p, std::ostream* os) {
  *os << p.x() << ',' << p.y();
}

namespace lumora::testing {

// The demo month the widget tests open.
inline const std::filesystem::path kDemo =
    std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "demo" / "demo-month.lm2";

// Rules that allow everything, for windows that only edit what they show.
class NoRules final : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument&, int, int, int) override { return {}; }
  void CheckBlock(TDocument&, int) override {}
};

// Sets an environment variable for one test and puts the old value back.
class EnvGuard {
 public:
  EnvGuard(const char* name, std::optional<QByteArray> value) : name_(name) {
    if (qEnvironmentVariableIsSet(name)) old_ = qgetenv(name);
    set(value);
  }
  ~EnvGuard() { set(old_); }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

 private:
  void set(const std::optional<QByteArray>& value) {
    if (value) qputenv(name_, *value);
    if (!value) qunsetenv(name_);
  }
  const char* name_;
  std::optional<QByteArray> old_;
};

// A schedule file of a small random month, saved with the grid and the
// floating windows hidden, as opening leaves them: opening it asks nothing and
// saving it again gives the same bytes. `crewType` 2 makes a flight-attendant
// file.
inline void writeScheduleFile(const std::filesystem::path& path, std::uint32_t seed,
                              std::uint8_t crewType = 0) {
  auto doc = std::make_unique<TDocument>();
  FillRandomDocument(*doc, seed);
  doc->BlocksShown = 0;
  doc->PairWindowVisible = doc->ToolboxWindowVisible = doc->BidsWindowVisible = 0;
  doc->CrewType = crewType;
  ScriptedUi ui;
  EventLog log;
  ASSERT_TRUE(SaveFile(*doc, path, kScheduleFile, ui, log));
}

// Runs `act` on the first visible top-level widget of type T once the modal
// loop about to start is running. Without one the test fails and every
// window is closed, so that nothing waits for ever.
template <typename T>
void whenShown(std::function<void(T&)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      auto* shown = qobject_cast<T*>(widget);
      if (shown == nullptr || !shown->isVisible()) continue;
      act(*shown);
      return;
    }
    ADD_FAILURE() << "no " << T::staticMetaObject.className() << " shown";
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* dialog = qobject_cast<QDialog*>(widget)) dialog->reject();
    }
  });
}

}  // namespace lumora::testing
