#pragma once
// The program's core on doubles, as the shell tests start it: a scratch folder
// that holds the instance lock and the schedule files, a scripted user, a
// fixed clock, settings in memory and a front end that records. A fixture
// wires the clipboard, the mailer or a printer of its own into `services`
// before Start.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "doubles/fixed_clock.h"
#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_mailer.h"
#include "fake_front_end.h"
#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "shell/app_state.h"
#include "shell/instance_lock.h"
#include "support/scripted_ui.h"

namespace lumora::testing {

class AppRig : public ::testing::Test {
 protected:
  explicit AppRig(LocalDateTime now = {2026, 6, 15, 9, 30, 0}) : clock{now} {}

  // Writes `doc` into the scratch folder as a schedule file named `name`.
  std::filesystem::path Save(TDocument& doc, const std::string& name) {
    ScriptedUi quiet;
    EventLog log;
    EXPECT_TRUE(SaveFile(doc, folder / name, kScheduleFile, quiet, log));
    return folder / name;
  }

  void Start(std::string_view commandLine = "", AppEnvironment environment = {}) {
    app = std::make_unique<LumoraApp>(services, std::move(environment));
    ASSERT_TRUE(app->start(commandLine).run);
  }

  TempFolder folder;
  ScriptedUi ui;
  FixedClock clock;
  MemorySettings settings;
  FakeFrontEnd front;
  RecordingClipboard clipboard;
  RecordingMailer mailer;
  FileInstanceLock lock{folder / "lumora.lock"};
  AppServices services{ui, clock, settings, front, lock};
  // Last, so that it goes first: its destructor releases the lock.
  std::unique_ptr<LumoraApp> app;
};

}  // namespace lumora::testing
