#include "files/backup.h"

#include <gtest/gtest.h>

#include "doubles/fixed_clock.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "platform/event_log.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

const LocalDateTime kMorning{2026, 12, 8, 9, 45, 0};

TEST(BackupNames, DatedUndatedAndTheAutomaticCopy) {
  struct Case {
    const char* file;
    const char* undated;
    const char* dated;
    const char* automatic;  // nullptr: none
  };
  const Case cases[] = {
      {"/data/April DH8.lm2", "April DH8.LM2", "April DH8 8 12 2026 at 0945 .LM2",
       "/data/April DH8.BAK"},
      {"/data/june.final.lm2", "june.final.LM2", "june.final 8 12 2026 at 0945 .LM2",
       "/data/june.final.BAK"},
      // A dot in a folder is no extension.
      {"/stick.2/june", "june.LM2", "june 8 12 2026 at 0945 .LM2", nullptr},
      {"june.lm2", "june.LM2", "june 8 12 2026 at 0945 .LM2", "june.BAK"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(BackupFileName(c.file, false, kMorning), c.undated);
    EXPECT_EQ(BackupFileName(c.file, true, kMorning), c.dated);
    const auto automatic = AutoBackupPath(c.file);
    EXPECT_EQ(automatic.has_value(), c.automatic != nullptr) << c.file;
    if (automatic && c.automatic) {
      EXPECT_EQ(automatic->string(), c.automatic);
    }
  }
}

class BackupTest : public ::testing::Test {
 protected:
  BackupTest() {
    doc->FileName = (folder / "April DH8.lm2").string();
    doc->Untitled = 0;
    doc->DocState = 1;
  }

  std::unique_ptr<TDocument> doc = testing::DocumentBuilder().july2026().crew("A ALPHA", 11).take();
  testing::TempFolder folder;
  testing::ScriptedUi ui;
  testing::MemorySettings settings;
  testing::FixedClock clock{kMorning};
  EventLog log;
};

TEST_F(BackupTest, AutomaticCopyEveryTwentyTicksOfAModifiedBuiltNamedDocument) {
  const auto bak = folder / "April DH8.BAK";
  const auto tickTwenty = [&](bool autoSave) {
    bool written = false;
    for (int i = 0; i < 20; ++i) written |= AutoBackupTick(*doc, autoSave, ui, log);
    return written;
  };
  doc->Modified = 1;
  doc->BlocksShown = 0;
  EXPECT_FALSE(tickTwenty(true));  // the grid not built
  doc->BlocksShown = 1;
  EXPECT_FALSE(tickTwenty(false));  // switched off: not even counted
  EXPECT_FALSE(AutoBackupTick(*doc, true, ui, log));
  EXPECT_EQ(doc->AutoSaveCountdown, 19);
  EXPECT_TRUE(tickTwenty(true));
  EXPECT_TRUE(std::filesystem::exists(bak));
  EXPECT_EQ(doc->Modified, 1);  // its own file is still out of date
  EXPECT_EQ(doc->FileName, (folder / "April DH8.lm2").string());

  std::filesystem::remove(bak);
  doc->Modified = 0;
  EXPECT_FALSE(tickTwenty(true));
  doc->Modified = 1;
  doc->Untitled = 1;
  EXPECT_FALSE(tickTwenty(true));
  EXPECT_FALSE(std::filesystem::exists(bak));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(BackupTest, DialogNeedsALocationAndWritesTheNamedCopyAndItsSettings) {
  settings.values["lm/lastbackuppath"] = "C:\\";  // a drive that is not there
  BackupDialog dialog(*doc, settings, clock, log);
  EXPECT_EQ(dialog.location, "");
  EXPECT_TRUE(dialog.dated);
  EXPECT_FALSE(dialog.accept(ui));
  EXPECT_EQ(ui.messageTexts().back(), "You must select a location to backup the file or Cancel");

  const auto stick = folder / "stick";
  std::filesystem::create_directory(stick);
  ui.saveResults.push_back((stick / "ignored name.lm2").string());
  dialog.chooseLocation(ui);
  EXPECT_EQ(ui.fileDialogs.back().defaultName, "Select a Directory for Backup Files.lm2");
  EXPECT_EQ(dialog.location, stick.string());
  ASSERT_TRUE(dialog.accept(ui));
  EXPECT_TRUE(std::filesystem::exists(stick / "April DH8 8 12 2026 at 0945 .LM2"));
  EXPECT_EQ(doc->Modified, 1);
  EXPECT_EQ(settings.values.at("lm/lastbackuppath"), stick.string());

  dialog.dated = false;
  ASSERT_TRUE(dialog.accept(ui));
  EXPECT_TRUE(std::filesystem::exists(stick / "April DH8.LM2"));
  EXPECT_EQ(settings.values.at("lm/lastbackupdatetimeopt"), "0");
  // The next dialog opens where this one left.
  const BackupDialog next(*doc, settings, clock, log);
  EXPECT_EQ(next.location, stick.string());
  EXPECT_FALSE(next.dated);
}

}  // namespace
}  // namespace lumora
