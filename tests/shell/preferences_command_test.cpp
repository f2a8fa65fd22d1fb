// Setup Preferences: the command belongs to the full menu and hands the whole
// dialog to the front end, which owns the switches, fonts and colours.

#include <gtest/gtest.h>

#include <memory>

#include "files/temp_folder.h"
#include "shell/app_state.h"
#include "shell/instance_lock.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

class PreferencesFrontEnd : public AppFrontEnd {
 public:
  bool runMonthDialog(SetDatesDialog&, TCalendar&) override { return false; }
  bool runFileNotesDialog(FileNotesDialog&) override { return false; }
  void showKeyboardShortcuts(const FrameDialogText&) override {}
  void showAbout(const FrameDialogText&) override {}
  bool startProgram(const std::filesystem::path&) override { return false; }
  void openHelpPage(const std::filesystem::path&) override {}
  void closeMainWindow() override {}
  void runPreferencesDialog() override {
    ++dialogs;
    changesWhenRun = changes;
  }
  void stateChanged() override { ++changes; }

  int dialogs = 0;
  int changes = 0;
  int changesWhenRun = -1;
};

TEST(PreferencesCommand, RunsTheFrontEndsDialogOnlyWithADocumentAndRefreshesAfterIt) {
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  testing::FixedClock clock{{2026, 6, 15, 9, 30, 0}};
  testing::MemorySettings settings;
  PreferencesFrontEnd front;
  FileInstanceLock lock{folder / "lumora.lock"};
  LumoraApp app(AppServices{ui, clock, settings, front, lock}, AppEnvironment{});
  ASSERT_TRUE(app.start("").run);

  // The reduced menu has no Setup Preferences.
  EXPECT_FALSE(app.isEnabled(command::kPreferences));
  EXPECT_FALSE(app.dispatch(command::kPreferences));
  EXPECT_EQ(front.dialogs, 0);

  app.document().DocState = kDocumentLoaded;
  EXPECT_TRUE(app.isEnabled(command::kPreferences));
  const int before = front.changes;
  EXPECT_TRUE(app.dispatch(command::kPreferences));
  EXPECT_EQ(front.dialogs, 1);
  // The window shows the new switches once the dialog is over.
  EXPECT_EQ(front.changesWhenRun, before);
  EXPECT_EQ(front.changes, before + 1);
  // Nothing about the document changes.
  EXPECT_EQ(app.document().Modified, 0);
  EXPECT_TRUE(ui.shown.empty());

  // Whatever the file and the grid, the command stays available.
  app.document().BlocksShown = 1;
  app.document().CrewType = 2;
  EXPECT_TRUE(app.dispatch(command::kPreferences));
  EXPECT_EQ(front.dialogs, 2);
  app.shutdown();
}

}  // namespace
}  // namespace lumora
