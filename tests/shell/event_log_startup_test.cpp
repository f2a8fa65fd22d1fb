#include "shell/event_log_startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "doubles/fixed_clock.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "platform/event_log.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using testing::ReadText;
using testing::WriteText;

std::string Report(const std::filesystem::path& path) {
  return "Lumora did not shut down normally. A file named " + path.string() +
         " contains a log of the last program run. Lumora will now continue";
}

class EventLogStartupTest : public ::testing::Test {
 protected:
  EventLogStartupTest() { settings.writeString("LM", "DebugFile", "1"); }

  // A previous log with `content`, then the start.
  bool StartAfter(const std::string& content) {
    std::filesystem::create_directories(logFolder);
    WriteText(logFile, content);
    return OpenEventLogAtStart(log, settings, clock, ui, root.path());
  }

  testing::TempFolder root;
  std::filesystem::path logFolder = root / "LMDebug";
  std::filesystem::path logFile = logFolder / "LMDebug.txt";
  testing::MemorySettings settings;
  testing::FixedClock clock{LocalDateTime{2027, 3, 7, 9, 5, 0}};
  testing::ScriptedUi ui;
  EventLog log;
};

TEST_F(EventLogStartupTest, WithoutTheSwitchOrAPlaceForItThereIsNoLogAndNoMessage) {
  for (const char* value : {"0", "2", "yes", ""}) {
    settings.writeString("LM", "DebugFile", value);
    EXPECT_FALSE(OpenEventLogAtStart(log, settings, clock, ui, root / "logs")) << value;
    EXPECT_FALSE(std::filesystem::exists(root / "logs"));
  }
  settings.writeString("LM", "DebugFile", "1");
  WriteText(root / "plain", "not a folder");
  EXPECT_FALSE(OpenEventLogAtStart(log, settings, clock, ui, root / "plain"));
  EXPECT_FALSE(log.isOpen());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(EventLogStartupTest, ANormalEndIsOverwrittenAndThisRunEndsNormallyToo) {
  // The folders are made on the first start.
  ASSERT_TRUE(OpenEventLogAtStart(log, settings, clock, ui, root / "new"));
  log.write("LoadBlksBegin\n");
  CloseEventLogAtShutdown(log);
  CloseEventLogAtShutdown(log);  // closed already: nothing more
  EXPECT_EQ(ReadText(root / "new" / "LMDebug" / "LMDebug.txt"),
            "LoadBlksBegin\nLumora Termination Normal\n");

  // The mark anywhere counts, even inside another line; an empty log is no crash.
  for (const std::string previous :
       {"LoadBlksBegin\nLumora Termination Normal\n", "Employee Termination Smith Loaded\n", ""}) {
    ASSERT_TRUE(StartAfter(previous));
    EXPECT_TRUE(ui.shown.empty()) << previous;
    EXPECT_EQ(ReadText(logFile), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(logFolder), {}), 1);
    log.close();
  }
}

TEST_F(EventLogStartupTest, TheMarkIsFoundWhereverItLiesInALongLog) {
  // Across the boundary of the pieces it is read in, and far beyond it.
  const auto file = root / "log.txt";
  for (const std::size_t before :
       {std::size_t{65536 - 5}, std::size_t{65536}, std::size_t{300000}}) {
    WriteText(file, std::string(before, 'x') + "Termination");
    EXPECT_FALSE(PreviousRunEndedAbnormally(file)) << before;
  }
  WriteText(file, std::string(200000, 'x') + "Terminatio");
  EXPECT_TRUE(PreviousRunEndedAbnormally(file));
  EXPECT_FALSE(PreviousRunEndedAbnormally(root / "missing.txt"));
}

TEST_F(EventLogStartupTest, AnAbnormalEndIsKeptUnderADatedNameAndReported) {
  ASSERT_TRUE(StartAfter("LoadBlksBegin\n"));
  const auto dated = logFolder / "LMDebug 7 MAR 2027 at 0905.txt";
  EXPECT_EQ(ReadText(dated), "LoadBlksBegin\n");
  EXPECT_EQ(ReadText(logFile), "");
  EXPECT_TRUE(log.isOpen());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text, Report(dated));
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_EQ(ui.last().icon, Icon::Error);
  log.close();

  // A second crash in the same minute does not replace the first one's log.
  ASSERT_TRUE(StartAfter("BuildBlocksBegin\n"));
  const auto second = logFolder / "LMDebug 7 MAR 2027 at 0905 (2).txt";
  EXPECT_EQ(ReadText(dated), "LoadBlksBegin\n");
  EXPECT_EQ(ReadText(second), "BuildBlocksBegin\n");
  EXPECT_EQ(ui.last().text, Report(second));
  EXPECT_EQ(DatedEventLogName({2026, 12, 31, 23, 59, 0}), "LMDebug 31 DEC 2026 at 2359.txt");
}

TEST_F(EventLogStartupTest, ALogThatCannotBeMovedAsideIsKeptAndNotOverwritten) {
  // Every dated name taken.
  std::filesystem::create_directories(logFolder);
  WriteText(logFolder / "LMDebug 7 MAR 2027 at 0905.txt", "first");
  for (int n = 2; n <= 1000; ++n)
    WriteText(logFolder / ("LMDebug 7 MAR 2027 at 0905 (" + std::to_string(n) + ").txt"), "");
  EXPECT_FALSE(StartAfter("LoadBlksBegin\n"));
  EXPECT_FALSE(log.isOpen());
  EXPECT_EQ(ReadText(logFile), "LoadBlksBegin\n");
  EXPECT_EQ(ReadText(logFolder / "LMDebug 7 MAR 2027 at 0905.txt"), "first");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text, Report(logFile));

  // A read-only folder.
  if (testing::RunningAsRoot()) GTEST_SKIP() << "root renames in a read-only folder";
  std::filesystem::remove_all(logFolder);
  std::filesystem::create_directories(logFolder);
  WriteText(logFile, "LoadBlksBegin\n");
  ::chmod(logFolder.c_str(), 0500);
  const bool opened = OpenEventLogAtStart(log, settings, clock, ui, root.path());
  ::chmod(logFolder.c_str(), 0700);
  EXPECT_FALSE(opened);
  EXPECT_EQ(ReadText(logFile), "LoadBlksBegin\n");
  EXPECT_EQ(ui.last().text, Report(logFile));
}

}  // namespace
}  // namespace lumora
