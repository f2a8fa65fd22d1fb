#include "building_commands.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <memory>
#include <sstream>

#include "batch_ui.h"
#include "building/block_rules.h"
#include "commands.h"
#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "model/calendar.h"
#include "shell/platform/event_log.h"
#include "support/scripted_ui.h"

namespace lumora::cli {
namespace {

class ShortRestRules final : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument&, int, int, int) override {
    return {true, " 11:00 Crew Rest Before ", ""};
  }
  void CheckBlock(TDocument&, int) override {}
};

class BuildingCommandsTest : public ::testing::Test {
 protected:
  BuildingCommandsTest() {
    FillCalendar(doc->cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    doc->PilotCount = 2;
    doc->Pilots[0].Name = "A ALPHA";
    doc->Pilots[0].EmpNumber = 11;
    doc->Pilots[1].Name = "B BRAVO";
    doc->Pilots[1].EmpNumber = 12;
    doc->LastPair = doc->LastBasePair = 0;
    doc->Pairs[0].Number = 101;
    doc->Pairs[0].Length = 1;
    doc->Pairs[0].DayStatus[3] = kOpenInstance;
    testing::ScriptedUi saveUi;
    EXPECT_TRUE(SaveFile(*doc, input, kScheduleFile, saveUi, log));
  }

  // The written file, loaded.
  std::unique_ptr<TDocument> Written() {
    auto written = std::make_unique<TDocument>();
    written->FileName = output;
    testing::ScriptedUi loadUi;
    EXPECT_TRUE(LoadFile(*written, loadUi, log).loaded);
    return written;
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  EventLog log;
  testing::TempFolder folder;
  std::string input = (folder.path() / "in.lm2").string();
  std::string output = (folder.path() / "out.lm2").string();
  std::ostringstream out, err;
  ShortRestRules rules;
};

TEST_F(BuildingCommandsTest, AssignAnswersNoUnlessTold) {
  BatchUi no(err, false);
  EXPECT_EQ(RunAssign(input, output, 0, 0, 3, false, no, rules, out), kExitRefused);
  EXPECT_EQ(out.str(), "1\n");
  EXPECT_NE(err.str().find("This Assignment Provides Only  11:00 Crew Rest Before .  Do You want "
                           "to Assign It Anyway [No]"),
            std::string::npos);
  EXPECT_EQ(Written()->Pilots[0].DayCell[3], kEmptyCell);  // written after the refusal too

  BatchUi yes(err, true);
  out.str("");
  EXPECT_EQ(RunAssign(input, output, 0, 0, 3, false, yes, rules, out), kExitOk);
  EXPECT_EQ(out.str(), "0\n");
  const auto written = Written();
  EXPECT_EQ(written->Pilots[0].DayCell[3], 0);
  ASSERT_EQ(written->History.size(), 1u);
  EXPECT_EQ(written->History[0], (TransactionRecord{TransactionRecord::kAssign, 3, 0, 0}));

  // --shift asks nothing.
  err.str("");
  out.str("");
  EXPECT_EQ(RunAssign(input, output, 1, 0, 3, true, no, rules, out), kExitOk);
  EXPECT_EQ(err.str(), "");
}

TEST_F(BuildingCommandsTest, RemoveAndUndo) {
  BatchUi ui(err, false);
  ASSERT_EQ(RunAssign(input, output, 0, 0, 3, true, ui, rules, out), kExitOk);
  const std::string assigned = (folder.path() / "assigned.lm2").string();
  std::filesystem::rename(output, assigned);

  out.str("");
  EXPECT_EQ(RunRemove(assigned, output, 1, 0, 3, ui, rules, out), kExitRefused);
  EXPECT_EQ(out.str(), "1\n");
  out.str("");
  EXPECT_EQ(RunRemove(assigned, output, 0, 0, 3, ui, rules, out), kExitOk);
  EXPECT_EQ(out.str(), "0\n");
  EXPECT_EQ(Written()->History.size(), 2u);

  // Undoing the assignment leaves nothing in the history.
  EXPECT_EQ(RunUndo(assigned, output, ui, rules), kExitOk);
  const auto written = Written();
  EXPECT_EQ(written->Pilots[0].DayCell[3], kEmptyCell);
  EXPECT_EQ(written->Pairs[0].DayStatus[3], kOpenInstance);
  EXPECT_TRUE(written->History.empty());

  // With nothing to undo the beep is silent, and the file is still written.
  std::filesystem::remove(output);
  EXPECT_EQ(RunUndo(input, output, ui, rules), kExitRefused);
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_EQ(err.str(), "");
}

TEST_F(BuildingCommandsTest, CommandLine) {
  CLI::App app;
  const auto line = AddBuildingCommands(app);
  // A negative index is the operation's refusal, not a bad argument.
  app.parse("assign " + input + " --crew -1 --pairing 0 --day 3 -o " + output, false);
  EXPECT_EQ(RunChosenBuildingCommand(*line, out), kExitRefused);
  EXPECT_EQ(out.str(), "4\n");

  CLI::App other;
  const auto none = AddBuildingCommands(other);
  other.add_subcommand("info");
  other.parse("info", false);
  EXPECT_FALSE(RunChosenBuildingCommand(*none, out).has_value());

  const std::string missing = (folder.path() / "none.lm2").string();
  BatchUi ui(err, false);
  EXPECT_EQ(RunUndo(missing, output, ui, rules), kExitCannotRun);
}

}  // namespace
}  // namespace lumora::cli
