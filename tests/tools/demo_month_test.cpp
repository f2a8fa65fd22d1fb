#include "demo_month/demo_month.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include "files/schedule_file.h"
#include "model/document.h"
#include "rules/check_block.h"
#include "shell/document_lifecycle.h"
#include "shell/platform/event_log.h"
#include "shell/platform/ui.h"

namespace lumora::demo {
namespace {

const std::filesystem::path kRoot(LUMORA_SOURCE_DIR);

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The command line of the demo month in samples/README.md, as words.
std::vector<std::string> ReadmeCommand() {
  std::istringstream readme(ReadFile(kRoot / "samples" / "README.md"));
  for (std::string line; std::getline(readme, line);) {
    std::istringstream words(line);
    std::vector<std::string> args;
    bool program = false;
    for (std::string word; words >> word;) {
      if (program) args.push_back(word);
      if (word.ends_with("lumora-demo-month")) program = true;
    }
    if (!args.empty()) return args;
  }
  return {};
}

std::string Option(const std::vector<std::string>& args, std::string_view name) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == name) return args[i + 1];
  return {};
}

class TempFolder {
 public:
  TempFolder() {
    path_ =
        std::filesystem::temp_directory_path() /
        ("lumora-demo-month-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The committed demo month is what the command in samples/README.md writes,
// and the messages of the build are those of the sample files, none of the
// build's own placements.
TEST(DemoMonth, TheCommittedFileIsReproducible) {
  const std::vector<std::string> args = ReadmeCommand();
  ASSERT_FALSE(args.empty()) << "no lumora-demo-month command in samples/README.md";
  DemoMonthOptions options;
  options.samples = kRoot / Option(args, "--samples");
  const std::string seed = Option(args, "--seed");
  if (!seed.empty()) options.seed = static_cast<std::uint32_t>(std::stoul(seed));
  const std::filesystem::path committed = kRoot / Option(args, "--out");
  ASSERT_EQ(committed, kRoot / "samples" / "demo" / "demo-month.lm2");

  TempFolder temp;
  auto doc = std::make_unique<TDocument>();
  std::ostringstream messages;
  const std::unique_ptr<Ui> ui = MakeStreamUi(messages);
  EventLog log;
  const DemoMonthSummary s = BuildDemoMonth(*doc, options, *ui, log);
  EXPECT_EQ(s.crew, 80);
  EXPECT_GT(s.assigned, 300);
  EXPECT_EQ(s.forced, 2);
  EXPECT_GT(s.otherAssignments, 0);
  EXPECT_GT(s.requests, 0);
  EXPECT_EQ(messages.str().find("Unable"), std::string::npos) << messages.str();

  const std::filesystem::path written = temp.path() / "demo-month.lm2";
  ASSERT_TRUE(SaveFile(*doc, written, kScheduleFile, *ui, log));
  EXPECT_TRUE(ReadFile(written) == ReadFile(committed))
      << "regenerate with the command in samples/README.md";
}

TEST(DemoMonth, OpensWithoutMessagesWithItsBlocksAndFindings) {
  auto doc = std::make_unique<TDocument>();
  std::ostringstream messages;
  const std::unique_ptr<Ui> ui = MakeStreamUi(messages);
  EventLog log;
  LumoraRules rules;
  const LoadResult loaded =
      OpenDocument(*doc, kRoot / "samples" / "demo" / "demo-month.lm2", *ui, log, nullptr, &rules);
  ASSERT_TRUE(loaded.loaded);
  EXPECT_EQ(messages.str(), "");
  EXPECT_TRUE(loaded.blocksShown);
  EXPECT_TRUE(loaded.pairWindowVisible);
  EXPECT_TRUE(loaded.toolboxWindowVisible);
  EXPECT_EQ(doc->BlocksShown, 1);
  EXPECT_EQ(doc->PilotCount, 80);
  EXPECT_EQ(doc->FileDescriptor, "YULCRJCAM");
  EXPECT_EQ(doc->CrewType, 0);
  EXPECT_EQ(doc->cal.MonthLength, 30);
  EXPECT_EQ(doc->cal.MonthText, "Feb");
  EXPECT_GE(doc->LastPair, 149);

  int assignedCells = 0;
  int otherCells = 0;
  int withExceptions = 0;
  int onLeave = 0;
  for (int c = 0; c < doc->PilotCount; ++c) {
    const TPilot& pilot = doc->Pilots[static_cast<std::size_t>(c)];
    EXPECT_FALSE(pilot.Name.empty());
    EXPECT_GT(pilot.EmpNumber, 0);
    EXPECT_EQ(pilot.Last89HardTimeText.size(), 356u);
    for (int d = 0; d < doc->cal.MonthLength; ++d) {
      const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
      if (doc->isPairIndex(cell)) ++assignedCells;
      if (cell == kOtherAssignmentCell) ++otherCells;
    }
    if (pilot.ExceptionsText.find("Rest") != std::string::npos) ++withExceptions;
    if (pilot.OnLeaveAllMonth) ++onLeave;
  }
  EXPECT_GT(assignedCells, 300);
  EXPECT_GT(otherCells, 100);
  // The two short rests forced past the rest checks are found again.
  EXPECT_GE(withExceptions, 2);
  EXPECT_EQ(onLeave, 1);
}

}  // namespace
}  // namespace lumora::demo
