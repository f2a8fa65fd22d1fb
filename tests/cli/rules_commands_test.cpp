#include "rules_commands.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

class RulesCommandsTest : public ::testing::Test {
 protected:
  // Two captains in July; pairing 0 is open on day 3, taken by B on day 4.
  std::string WriteMonth() {
    doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder build(*doc);
    build.pairing(testing::PairingValues(4711).Days({3, 4}).OnTime(480).TAFB(600).Length(1));
    build.place(1, 0, 4);
    doc->Pilots[1].PairingFilterText = "4711TEXT";
    doc->MinCredit = 0;  // nobody below the block-holder line
    SaveSchedule(*doc, folder / "month.lm2");
    return (folder / "month.lm2").string();
  }

  std::unique_ptr<TDocument> doc;
  testing::TempFolder folder;
  BatchUi ui{false};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(RulesCommandsTest, WhosLegalPrintsCaptionListsAndTheEmptyLineBetween) {
  const std::string file = WriteMonth();
  EXPECT_EQ(RunWhosLegal(file, 0, 3, ui, out, err), kExitOk);
  EXPECT_EQ(out.str(), "Lumora - 4711 on 04 Jul\n001 A ALPHA\n002 B BRAVO\n\n002 <<< B BRAVO\n");

  // Not an open instance, or an index out of range: nothing on stdout.
  for (const auto& [pairing, day] : {std::pair{0, 4}, {0, 5}, {1, 3}, {-1, 3}, {0, 31}, {0, -1}}) {
    std::ostringstream none;
    EXPECT_EQ(RunWhosLegal(file, pairing, day, ui, none, err), kExitCannotRun) << pairing << day;
    EXPECT_EQ(none.str(), "");
  }
  EXPECT_NE(err.str(), "");
}

TEST_F(RulesCommandsTest, WhyNamesTheRefusalAndExitsByTheVerdict) {
  const std::string file = WriteMonth();
  struct Case {
    int crew, pairing, day;
    std::optional<int> number;
    int exit;
    const char* out;
  };
  const Case cases[] = {
      {0, 0, 3, std::nullopt, kExitOk, "4711 on 4 Jul for 001 A ALPHA: legal\n"},
      {0, 0, 4, 4711, kExitRefused,
       "4711 on 5 Jul for 001 A ALPHA: not legal\nAssigned: 4711 on 5 Jul is assigned to 002 B "
       "BRAVO\n"},
      {0, 0, 5, std::nullopt, kExitRefused,
       "not legal\nNo instance: pairing 4711 does not start on 6 Jul\n"},
      {2, 0, 3, std::nullopt, kExitCannotRun, ""},
      {0, 0, 31, std::nullopt, kExitCannotRun, ""},
      {0, 0, 3, 815, kExitCannotRun, ""},
  };
  for (const Case& c : cases) {
    std::ostringstream text;
    EXPECT_EQ(RunWhyNot(file, c.crew, c.pairing, c.day, c.number, ui, text, err), c.exit) << c.day;
    EXPECT_TRUE(text.str().ends_with(c.out)) << text.str();
  }
}

TEST_F(RulesCommandsTest, SetupMonthWritesOnlyValuesTheBarsReach) {
  const std::string file = WriteMonth();
  const std::string written = (folder / "out.lm2").string();
  MonthRuleValues tooHigh;
  tooHigh.max = "120:01";
  MonthRuleValues notATime;
  notATime.avg = "77.30";
  MonthRuleValues tooFewDays;
  tooFewDays.daysOffReserve = 7;
  for (const MonthRuleValues& values : {tooHigh, notATime, tooFewDays}) {
    EXPECT_EQ(RunSetupMonth(file, written, values, ui, err), kExitCannotRun);
    EXPECT_FALSE(std::filesystem::exists(written));
  }

  MonthRuleValues values;
  values.avg = "78:15";
  values.checkPilotMax = "30:00";
  values.daysOffHolder = 14;
  values.reducedMinDaysOff = 30;
  ASSERT_EQ(RunSetupMonth(file, written, values, ui, err), kExitOk);
  const auto saved = Reopen(written);
  EXPECT_EQ(saved->AvgCredit, 4695);
  EXPECT_EQ(saved->CheckPilotMaxCredit, 1800);
  EXPECT_EQ(saved->DaysOffBlockHolder, 14);
  EXPECT_EQ(saved->ReducedMinDaysOff, 30);
  EXPECT_EQ(saved->MaxCredit, 4800);  // not given: unchanged
}

TEST_F(RulesCommandsTest, ReportsPrintTheListAndTheClipboardText) {
  const std::string file = WriteMonth();
  ASSERT_EQ(RunGlobalReport(file, ui, out), kExitOk);
  EXPECT_EQ(out.str().substr(0, 44), "    0:00  Pairing Credit for Current Month\n\n");
  EXPECT_NE(out.str().find("\nAverage Pairing Credit per day is 0:00\n"), std::string::npos);

  std::ostringstream pairings;
  ASSERT_EQ(RunPairingsReport(file, ui, pairings), kExitOk);
  const std::string text = pairings.str();
  EXPECT_NE(text.find("Pair 4711  Credit 00:00  Hard 00:00  OP 02  RT 0:00\r\n"),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 5), "\r\n\n\n\n");  // an empty segment summary
}

TEST_F(RulesCommandsTest, ReportBlocksAndCrewLinesPrintTheClipboardTexts) {
  const std::string file = WriteMonth();
  const auto run = [&](std::vector<std::string> args) {
    CLI::App app;
    const auto line = AddRulesCommands(app);
    std::vector<const char*> argv{"lumora-cli", "report"};
    for (const std::string& a : args) argv.push_back(a.c_str());
    std::ostringstream printed, said;
    try {
      app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError&) {
      return std::pair{kExitCannotRun, std::string()};
    }
    return std::pair{RunChosenRulesCommand(*line, ui, printed, said).value_or(-1), printed.str()};
  };
  const std::string title = "Selected Blocks for Jul 2026.\r\n\r\n";
  const std::string b = "Name: B BRAVO  Emp: 000000012  Credit 00:00 \r\n";
  const struct {
    std::vector<std::string> args;
    int status;
    std::string starts;  // the text's beginning; "" for nothing printed
    std::size_t names;   // "Name: " lines
  } cases[] = {
      {{"blocks", file, "--crew", "1"}, kExitOk, title + b, 1},
      {{"blocks", file, "--crew", "1", "--crew", "0", "--xes", "--pairs"}, kExitOk, title, 2},
      {{"blocks", file, "--all"}, kExitOk, title, 2},
      {{"blocks", file}, kExitOk, "", 0},
      {{"blocks", file, "--crew", "2"}, kExitCannotRun, "", 0},
      {{"blocks", file, "--crew", "-1"}, kExitCannotRun, "", 0},
      {{"blocks", file, "--crew", "x"}, kExitCannotRun, "", 0},
      {{"crew-lines", file}, kExitOk, "Crew Lines for Jul 2026  month\n\r\nA ALPHA     01  02", 0},
      {{"crew-lines", (folder / "missing.lm2").string()}, kExitCannotRun, "", 0},
  };
  for (const auto& c : cases) {
    const auto [status, text] = run(c.args);
    EXPECT_EQ(status, c.status) << c.args[2 % c.args.size()];
    EXPECT_EQ(text.substr(0, c.starts.size()), c.starts);
    if (c.starts.empty()) {
      EXPECT_EQ(text, "");
    }
    std::size_t names = 0;
    for (std::size_t at = text.find("\r\nName: "); at != std::string::npos;
         at = text.find("\r\nName: ", at + 1))
      ++names;
    EXPECT_EQ(names, c.names);
  }
}

}  // namespace
}  // namespace lumora::cli
