#include "demo_month/demo_month.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "model/document.h"
#include "platform/ui.h"
#include "sample_reading.h"
#include "shell/document_session.h"
#include "shell/memory_settings.h"

namespace lumora::demo {
namespace {

using samples::testing::ReadFile;

const std::filesystem::path kRoot(LUMORA_SOURCE_DIR);

std::string Option(const std::vector<std::string>& args, std::string_view name) {
  for (std::size_t i = 0; i + 1 < args.size(); ++i)
    if (args[i] == name) return args[i + 1];
  return {};
}

// The committed demo month is what the command in samples/README.md writes,
// and the build's only messages are those of the sample files.
TEST(DemoMonth, TheCommittedFileIsReproducible) {
  const auto commands = samples::testing::ReadmeCommands("lumora-demo-month");
  ASSERT_FALSE(commands.empty()) << "no lumora-demo-month command in samples/README.md";
  const std::vector<std::string>& args = commands.front();
  DemoMonthOptions options;
  options.samples = kRoot / Option(args, "--samples");
  const std::string seed = Option(args, "--seed");
  if (!seed.empty()) options.seed = static_cast<std::uint32_t>(std::stoul(seed));
  const std::filesystem::path committed = kRoot / Option(args, "--out");
  ASSERT_EQ(committed, kRoot / "samples" / "demo" / "demo-month.lm2");

  std::ostringstream messages;
  const std::unique_ptr<Ui> ui = MakeStreamUi(messages);
  MemorySettingsStore settings;
  DocumentSession session(*ui, settings);
  const DemoMonthSummary s = BuildDemoMonth(session, options);
  EXPECT_EQ(s.crew, 80);
  EXPECT_GT(s.assigned, 300);
  EXPECT_EQ(s.forced, 2);
  EXPECT_EQ(messages.str().find("Unable"), std::string::npos) << messages.str();

  const std::filesystem::path written =
      std::filesystem::path(::testing::TempDir()) /
      ("demo-month-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".lm2");
  ASSERT_TRUE(session.save(written));
  const bool same = ReadFile(written) == ReadFile(committed);
  std::filesystem::remove(written);
  EXPECT_TRUE(same) << "regenerate with the command in samples/README.md";
}

TEST(DemoMonth, OpensWithoutMessagesWithItsBlocksAndFindings) {
  std::ostringstream messages;
  const std::unique_ptr<Ui> ui = MakeStreamUi(messages);
  MemorySettingsStore settings;
  DocumentSession session(*ui, settings);
  const LoadResult loaded = session.open(kRoot / "samples" / "demo" / "demo-month.lm2");
  const TDocument* doc = &session.document();
  ASSERT_TRUE(loaded.loaded);
  EXPECT_EQ(messages.str(), "");
  EXPECT_TRUE(loaded.blocksShown && loaded.pairWindowVisible && loaded.toolboxWindowVisible);
  EXPECT_EQ(doc->PilotCount, 80);
  EXPECT_EQ(doc->FileDescriptor, "YULCRJCAM");
  EXPECT_EQ(doc->cal.MonthLength, 30);
  EXPECT_GE(doc->LastPair,
            140);  // the pairings operating in the month (the silence above: all valid)

  int assignedCells = 0;
  int otherCells = 0;
  int withExceptions = 0;
  int onLeave = 0;
  for (int c = 0; c < doc->PilotCount; ++c) {
    const TPilot& pilot = doc->Pilots[static_cast<std::size_t>(c)];
    EXPECT_FALSE(pilot.Name.empty());
    for (int d = 0; d < doc->cal.MonthLength; ++d) {
      const std::int32_t cell = pilot.DayCell[static_cast<std::size_t>(d)];
      assignedCells += doc->isPairIndex(cell);
      otherCells += cell == kOtherAssignmentCell;
    }
    withExceptions += pilot.ExceptionsText.find("Rest") != std::string::npos;
    onLeave += pilot.OnLeaveAllMonth != 0;
  }
  EXPECT_GT(assignedCells, 300);
  EXPECT_GT(otherCells, 100);
  // The two short rests forced past the rest checks are found again.
  EXPECT_GE(withExceptions, 2);
  EXPECT_EQ(onLeave, 1);
}

}  // namespace
}  // namespace lumora::demo
