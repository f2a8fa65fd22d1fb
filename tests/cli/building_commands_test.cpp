#include "building_commands.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <sstream>

#include "batch_ui.h"
#include "building/block_rules.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

class ShortRestRules final : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument&, int, int, int) override {
    return {true, " 11:00 Crew Rest Before ", ""};
  }
  void CheckBlock(TDocument&, int) override {}
};

// Pairing 101 open on the 4th of July; the rules always find the rest short.
class BuildingCommandsTest : public ::testing::Test {
 protected:
  BuildingCommandsTest() {
    auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder(*doc).pairing(testing::PairingValues(101).Length(1).Days({3}));
    SaveSchedule(*doc, input);
  }

  testing::TempFolder folder;
  std::string input = (folder / "in.lm2").string();
  std::string output = (folder / "out.lm2").string();
  std::ostringstream out, err;
  ShortRestRules rules;
  BatchUi no{err, false};
};

TEST_F(BuildingCommandsTest, AssignAnswersNoUnlessToldAndWritesTheFileEitherWay) {
  EXPECT_EQ(RunAssign(input, output, 0, 0, 3, false, no, rules, out), kExitRefused);
  EXPECT_EQ(out.str(), "1\n");
  EXPECT_NE(err.str().find("This Assignment Provides Only  11:00 Crew Rest Before .  Do You want "
                           "to Assign It Anyway [No]"),
            std::string::npos);
  EXPECT_EQ(Reopen(output)->Pilots[0].DayCell[3], kEmptyCell);

  BatchUi yes(err, true);
  out.str("");
  EXPECT_EQ(RunAssign(input, output, 0, 0, 3, false, yes, rules, out), kExitOk);
  EXPECT_EQ(out.str(), "0\n");
  const auto written = Reopen(output);
  EXPECT_EQ(written->Pilots[0].DayCell[3], 0);
  ASSERT_EQ(written->History.size(), 1u);
  EXPECT_EQ(written->History[0], (TransactionRecord{TransactionRecord::kAssign, 3, 0, 0}));

  // --shift asks nothing.
  err.str("");
  EXPECT_EQ(RunAssign(input, output, 1, 0, 3, true, no, rules, out), kExitOk);
  EXPECT_EQ(err.str(), "");
}

TEST_F(BuildingCommandsTest, RemoveAndUndo) {
  const std::string assigned = (folder / "assigned.lm2").string();
  ASSERT_EQ(RunAssign(input, assigned, 0, 0, 3, true, no, rules, out), kExitOk);
  out.str("");
  EXPECT_EQ(RunRemove(assigned, output, 1, 0, 3, no, rules, out), kExitRefused);
  EXPECT_EQ(out.str(), "1\n");
  out.str("");
  EXPECT_EQ(RunRemove(assigned, output, 0, 0, 3, no, rules, out), kExitOk);
  EXPECT_EQ(out.str(), "0\n");
  EXPECT_EQ(Reopen(output)->History.size(), 2u);

  // Undoing the assignment leaves nothing in the history.
  EXPECT_EQ(RunUndo(assigned, output, no, rules), kExitOk);
  const auto written = Reopen(output);
  EXPECT_EQ(written->Pilots[0].DayCell[3], kEmptyCell);
  EXPECT_EQ(written->Pairs[0].DayStatus[3], kOpenInstance);
  EXPECT_TRUE(written->History.empty());

  // With nothing to undo the beep is silent, and the file is still written.
  std::filesystem::remove(output);
  EXPECT_EQ(RunUndo(input, output, no, rules), kExitRefused);
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_EQ(err.str(), "");
  EXPECT_EQ(RunUndo((folder / "none.lm2").string(), output, no, rules), kExitCannotRun);
}

TEST_F(BuildingCommandsTest, CommandLine) {
  CLI::App app;
  const auto line = AddBuildingCommands(app);
  // A negative index is the operation's refusal, not a bad argument.
  app.parse("assign " + input + " --crew -1 --pairing 0 --day 3 -o " + output, false);
  EXPECT_EQ(RunChosenBuildingCommand(*line, out), kExitRefused);
  EXPECT_EQ(out.str(), "4\n");

  // A pairing by its number: the open copy to assign, the crew member's to remove.
  const std::string assigned = (folder / "assigned.lm2").string();
  struct Case {
    std::string args;
    int exit;
    std::string printed;
  };
  const Case cases[] = {
      {"assign " + input + " --crew 1 --number 101 --day 3 -o " + assigned, kExitOk, "0\n"},
      {"remove " + assigned + " --crew 0 --number 101 --day 3 -o " + output, kExitCannotRun, ""},
      {"remove " + assigned + " --crew 1 --number 101 --day 3 -o " + output, kExitOk, "0\n"},
      {"assign " + input + " --crew 1 --number 102 --day 3 -o " + output, kExitCannotRun, ""}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args);
    CLI::App numbered;
    const auto parsed = AddBuildingCommands(numbered);
    numbered.parse(c.args, false);
    out.str("");
    EXPECT_EQ(RunChosenBuildingCommand(*parsed, out), c.exit);
    EXPECT_EQ(out.str(), c.printed);
  }
  CLI::App both;
  const auto bothLine = AddBuildingCommands(both);
  EXPECT_THROW(
      both.parse("assign " + input + " --crew 1 --pairing 0 --number 101 --day 3 -o x", false),
      CLI::ExcludesError);
  CLI::App neither;
  const auto neitherLine = AddBuildingCommands(neither);
  EXPECT_THROW(neither.parse("assign " + input + " --crew 1 --day 3 -o x", false),
               CLI::RequiredError);

  CLI::App other;
  const auto none = AddBuildingCommands(other);
  other.add_subcommand("info");
  other.parse("info", false);
  EXPECT_FALSE(RunChosenBuildingCommand(*none, out).has_value());
}

}  // namespace
}  // namespace lumora::cli
