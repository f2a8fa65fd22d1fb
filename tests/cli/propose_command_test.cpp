#include "propose_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <sstream>

#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

// Two day trips open on the 4th and the 11th of July for two crew members.
class ProposeCommandTest : public ::testing::Test {
 protected:
  ProposeCommandTest() {
    auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder(*doc)
        .pairing(
            testing::PairingValues(101).Length(1).OnTime(480).TAFB(480).CreditPerDay(300).Days({3}))
        .pairing(testing::PairingValues(102).Length(1).OnTime(480).TAFB(480).CreditPerDay(300).Days(
            {10}));
    SaveSchedule(*doc, input);
  }

  int run(std::vector<std::string> args) {
    CLI::App app;
    const auto line = AddProposeCommand(app);
    args.insert(args.begin(), {"propose", input, "-o", output});
    std::reverse(args.begin(), args.end());
    app.parse(args);
    return RunChosenPropose(*line, out, err).value_or(-1);
  }

  testing::TempFolder folder;
  std::string input = (folder / "in.lm2").string();
  std::string output = (folder / "out.lm2").string();
  std::ostringstream out, err;
};

TEST_F(ProposeCommandTest, WritesTheAcceptedProposalAsOneHistoryRecord) {
  ASSERT_EQ(kExitOk, run({"--greedy"}));
  const auto written = Reopen(output);
  std::istringstream lines(out.str());
  int crew = 0, number = 0, day = 0, count = 0;
  for (; lines >> crew >> number >> day; ++count) {
    const int pair = number == 101 ? 0 : 1;
    EXPECT_EQ(
        pair,
        written->Pilots[static_cast<std::size_t>(crew)].DayCell[static_cast<std::size_t>(day)]);
  }
  EXPECT_EQ(2, count) << out.str();
  ASSERT_EQ(1u, written->History.size());
  EXPECT_EQ(TransactionRecord::kProposal, written->History[0].kind);
}

TEST_F(ProposeCommandTest, JsonCarriesTheFiguresOfTheEngineAndOfTheBaseline) {
  ASSERT_EQ(kExitOk, run({"--json", "--crew", "1", "--time-limit", "1"}));
  const auto result = nlohmann::json::parse(out.str());
  ASSERT_EQ(2u, result["assignments"].size());
  EXPECT_EQ(1, result["assignments"][0]["crew"]);
  EXPECT_EQ(600, result["figures"]["creditCovered"]);
  EXPECT_EQ(600, result["greedyFigures"]["creditCovered"]);
  EXPECT_EQ("credit gap", result["assignments"][0]["reason"]);
  EXPECT_EQ(2, result["applied"]);
}

}  // namespace
}  // namespace lumora::cli
