#include "shell/event_log_startup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <sstream>

#include "files/temp_folder.h"
#include "shell/platform/event_log.h"
#include "support/memory_settings.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using testing::FixedClock;
using testing::MemorySettings;
using testing::RunningAsRoot;
using testing::ScriptedUi;
using testing::TempFolder;

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class EventLogStartupTest : public ::testing::Test {
 protected:
  EventLogStartupTest() { settings.writeString("LM", "DebugFile", "1"); }

  // A previous log with `content`, then the start.
  bool StartAfter(const std::string& content) {
    std::filesystem::create_directories(root.path() / "LMDebug");
    WriteText(logFile(), content);
    return OpenEventLogAtStart(log, settings, clock, ui, root.path());
  }
  std::filesystem::path logFile() const { return root.path() / "LMDebug" / "LMDebug.txt"; }
  std::vector<std::string> logFolderEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(root.path() / "LMDebug"))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder root;
  MemorySettings settings;
  FixedClock clock{LocalDateTime{2027, 3, 7, 9, 5, 0}};
  ScriptedUi ui;
  EventLog log;
};

TEST_F(EventLogStartupTest, WithoutTheSwitchNothingIsOpenedOrCreated) {
  for (const char* value : {"0", "2", "yes"}) {
    settings.writeString("LM", "DebugFile", value);
    EXPECT_FALSE(OpenEventLogAtStart(log, settings, clock, ui, root.path() / "logs"));
    EXPECT_FALSE(log.isOpen());
    EXPECT_FALSE(std::filesystem::exists(root.path() / "logs"));
  }
  settings.values.clear();
  EXPECT_FALSE(OpenEventLogAtStart(log, settings, clock, ui, root.path() / "logs"));
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(EventLogStartupTest, ANormalEndIsOverwrittenAndThisRunEndsNormallyToo) {
  // The folders are made on the first start.
  ASSERT_TRUE(OpenEventLogAtStart(log, settings, clock, ui, root.path() / "new"));
  log.write("LoadBlksBegin\n");
  CloseEventLogAtShutdown(log);
  EXPECT_FALSE(log.isOpen());
  EXPECT_EQ(ReadText(root.path() / "new" / "LMDebug" / "LMDebug.txt"),
            "LoadBlksBegin\nLumora Termination Normal\n");
  CloseEventLogAtShutdown(log);  // closed already: nothing more

  for (const std::string& previous :
       {std::string("LoadBlksBegin\nLumora Termination Normal\n"),
        std::string("Employee Termination Smith Loaded\nAssignPair 3 to X on 2\n"), std::string(),
        std::string("x")}) {
    ui.shown.clear();
    ASSERT_TRUE(StartAfter(previous));
    EXPECT_TRUE(log.isOpen());
    EXPECT_TRUE(ui.shown.empty()) << previous;
    EXPECT_EQ(ReadText(logFile()), "");
    EXPECT_EQ(logFolderEntries(), std::vector<std::string>{"LMDebug.txt"});
    log.close();
  }
}

TEST_F(EventLogStartupTest, TheMarkIsFoundWhereverItLiesInALongLog) {
  // Across the boundary of the pieces it is read in, and far beyond it.
  for (const std::size_t before :
       {std::size_t{65536 - 5}, std::size_t{65536}, std::size_t{300000}}) {
    EXPECT_FALSE(PreviousRunEndedAbnormally([&] {
      WriteText(root.path() / "log.txt", std::string(before, 'x') + "Termination");
      return root.path() / "log.txt";
    }()));
  }
  WriteText(root.path() / "log.txt", std::string(200000, 'x') + "Terminatio");
  EXPECT_TRUE(PreviousRunEndedAbnormally(root.path() / "log.txt"));
  EXPECT_FALSE(PreviousRunEndedAbnormally(root.path() / "missing.txt"));
}

TEST_F(EventLogStartupTest, AnAbnormalEndIsKeptUnderADatedNameAndReported) {
  ASSERT_TRUE(StartAfter("LoadBlksBegin\nAssignPair 1 to X on 2\n"));
  const auto dated = root.path() / "LMDebug" / "LMDebug 7 MAR 2027 at 0905.txt";
  EXPECT_EQ(ReadText(dated), "LoadBlksBegin\nAssignPair 1 to X on 2\n");
  EXPECT_EQ(ReadText(logFile()), "");
  EXPECT_TRUE(log.isOpen());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text,
            "Lumora did not shut down normally. A file named " + dated.string() +
                " contains a log of the last program run. Lumora will now continue");
  EXPECT_EQ(ui.last().caption, "Lumora");
  EXPECT_EQ(ui.last().icon, Icon::Error);
  log.close();

  // A second crash in the same minute does not replace the first one's log.
  ui.shown.clear();
  ASSERT_TRUE(StartAfter("BuildBlocksBegin\n"));
  const auto second = root.path() / "LMDebug" / "LMDebug 7 MAR 2027 at 0905 (2).txt";
  EXPECT_EQ(ReadText(dated), "LoadBlksBegin\nAssignPair 1 to X on 2\n");
  EXPECT_EQ(ReadText(second), "BuildBlocksBegin\n");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_NE(ui.last().text.find(second.string()), std::string::npos);
}

TEST_F(EventLogStartupTest, ALogThatCannotBeRenamedIsKeptAndNotOverwritten) {
  if (RunningAsRoot()) GTEST_SKIP() << "root renames in a read-only folder";
  std::filesystem::create_directories(root.path() / "LMDebug");
  WriteText(logFile(), "LoadBlksBegin\n");
  ::chmod((root.path() / "LMDebug").c_str(), 0500);
  const bool opened = OpenEventLogAtStart(log, settings, clock, ui, root.path());
  ::chmod((root.path() / "LMDebug").c_str(), 0700);
  EXPECT_FALSE(opened);
  EXPECT_EQ(ReadText(logFile()), "LoadBlksBegin\n");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.last().text,
            "Lumora did not shut down normally. A file named " + logFile().string() +
                " contains a log of the last program run. Lumora will now continue");
}

TEST_F(EventLogStartupTest, ALogWithoutAFreeDatedNameStaysWhereItIs) {
  std::filesystem::create_directories(root.path() / "LMDebug");
  WriteText(root.path() / "LMDebug" / "LMDebug 7 MAR 2027 at 0905.txt", "first");
  for (int n = 2; n <= 1000; ++n) {
    WriteText(
        root.path() / "LMDebug" / ("LMDebug 7 MAR 2027 at 0905 (" + std::to_string(n) + ").txt"),
        "older");
  }
  EXPECT_FALSE(StartAfter("LoadBlksBegin\n"));
  EXPECT_FALSE(log.isOpen());
  EXPECT_EQ(ReadText(logFile()), "LoadBlksBegin\n");
  EXPECT_EQ(ReadText(root.path() / "LMDebug" / "LMDebug 7 MAR 2027 at 0905.txt"), "first");
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_NE(ui.last().text.find(logFile().string() + " contains"), std::string::npos);
}

TEST_F(EventLogStartupTest, ALogThatCannotBeCreatedIsSimplyAbsent) {
  WriteText(root.path() / "plain", "not a folder");
  EXPECT_FALSE(OpenEventLogAtStart(log, settings, clock, ui, root.path() / "plain"));
  EXPECT_FALSE(log.isOpen());
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(DatedEventLogName({2026, 12, 31, 23, 59, 0}), "LMDebug 31 DEC 2026 at 2359.txt");
}

}  // namespace
}  // namespace lumora
