#include "backup_command.h"

#include <gtest/gtest.h>

#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/fixed_clock.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

TEST(BackupCommand, WritesTheUndatedOrDatedCopyIntoAFolderItMakes) {
  testing::TempFolder folder;
  const auto file = folder / "April DH8.lm2";
  SaveSchedule(*TwoCrewMonth({1, 7, 2026}, {31, 7, 2026}), file);
  std::ostringstream messages, out, err;
  BatchUi ui{messages, false};
  const testing::FixedClock clock{{2026, 12, 8, 9, 45, 0}};

  BackupCommandLine line;
  line.file = file.string();
  line.folder = (folder / "stick" / "backups").string();
  ASSERT_EQ(RunBackup(line, ui, clock, out, err), kExitOk) << messages.str() << err.str();
  line.dated = true;
  ASSERT_EQ(RunBackup(line, ui, clock, out, err), kExitOk);
  const auto undated = folder / "stick" / "backups" / "April DH8.LM2";
  const auto dated = folder / "stick" / "backups" / "April DH8 8 12 2026 at 0945 .LM2";
  EXPECT_EQ(out.str(), undated.string() + "\n" + dated.string() + "\n");
  EXPECT_EQ(Reopen(dated)->PilotCount, 2);

  line.file = (folder / "missing.lm2").string();
  EXPECT_EQ(RunBackup(line, ui, clock, out, err), kExitCannotRun);
}

}  // namespace
}  // namespace lumora::cli
