#include "check_command.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>
#include <string>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

class CheckCommandTest : public ::testing::Test {
 protected:
  // A captains' month from `first` to `last`: the second crew member has
  // 10:59 of rest before the 5th and 11:00 before the 12th.
  std::string WriteMonth(CivilDate first, CivilDate last, bool blocksShown) {
    doc = TwoCrewMonth(first, last);
    Assign(3, 480, 600);
    Assign(4, 299, 480);
    Assign(10, 480, 600);
    Assign(11, 300, 480);
    doc->BlocksShown = blocksShown ? 1 : 0;
    SaveSchedule(*doc, folder / "month.lm2");
    return (folder / "month.lm2").string();
  }

  // A one-day pairing flown by the second crew member.
  void Assign(int day, int onTime, int tafb) {
    testing::DocumentBuilder build(*doc);
    build.pairing(testing::PairingValues(100 + doc->LastPair + 1)
                      .Prefix("M1")
                      .CrewPosition("CA")
                      .OnTime(onTime)
                      .TAFB(tafb)
                      .OffTime((onTime + tafb) % 1440)
                      .Length(1));
    build.place(1, build.lastPairing(), day);
  }

  static std::string ExpectedReport(const std::string& day5, const std::string& day12) {
    const auto part = [&](const std::string& rule) {
      return "------- EXCEPTIONS" + rule + " -------\n\n2  B BRAVO: Rest  " + day5 +
             "\n\n------ WARNINGS" + (rule.empty() ? std::string("  ") : rule + " ") +
             "------\n\n2  B BRAVO:  Rest  " + day12 + "\n";
    };
    return part("") + "\n==================================================\n\n" +
           part(" USING OLD RULE CHECKING");
  }

  std::unique_ptr<TDocument> doc;
  testing::TempFolder folder;
  std::ostringstream out, err;
  BatchUi ui{err, false};
};

TEST_F(CheckCommandTest, PrintsTheReportWhetherOrNotTheFileWasSavedWithTheGridShown) {
  for (const bool shown : {false, true}) {
    SCOPED_TRACE(shown);
    const auto path = WriteMonth({1, 7, 2026}, {31, 7, 2026}, shown);
    out.str("");
    ASSERT_EQ(RunCheck(path, ui, out), kExitOk) << err.str();
    EXPECT_EQ(out.str(), ExpectedReport("5", "12"));
    EXPECT_EQ(err.str(), "");
  }
  out.str("");
  EXPECT_EQ(RunCheck((folder / "missing.lm2").string(), ui, out), kExitCannotRun);
  EXPECT_EQ(out.str(), "");
}

TEST_F(CheckCommandTest, AMarchPeriodAfterTheChangeIsReportedAndTheCheckGoesOn) {
  const auto path = WriteMonth({10, 3, 2026}, {8, 4, 2026}, false);
  ASSERT_EQ(RunCheck(path, ui, out), kExitOk);
  EXPECT_EQ(out.str(), ExpectedReport("14", "21"));
  EXPECT_EQ(err.str(),
            "Lumora: Problem occured in Setting up Daylight Savings Time Data. Please contact "
            "support. You may continue to Build Blocks\n");
}

TEST_F(CheckCommandTest, ALabelWithAPlusIsOneLineAndDumpShowsTheFiguresBehindIt) {
  // 27 previous-month days of 4:00 hard time and 4:01 on the 1st: 112:01.
  doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
  doc->CrewType = 0;
  for (int k = 4; k <= 30; ++k) doc->Pilots[1].Activity[k][kActDailyHardTime] = 240;
  Assign(0, 480, 600);
  doc->Pairs[0].DailyHardTime[0] = 241;
  doc->Pairs[0].DailyDutyTime[0] = 600;
  doc->BlocksShown = 1;
  const auto path = (folder / "hard.lm2").string();
  SaveSchedule(*doc, path);

  ASSERT_EQ(RunCheck(path, ui, out), kExitOk) << err.str();
  const std::string item = "2  B BRAVO:  112+ Hours Hard in 28 on 1\n";
  EXPECT_EQ(out.str(), "------- EXCEPTIONS -------\n\n" + item +
                           "\n------ WARNINGS  ------\n\n"
                           "\n==================================================\n\n"
                           "------- EXCEPTIONS USING OLD RULE CHECKING -------\n\n" +
                           item + "\n------ WARNINGS USING OLD RULE CHECKING ------\n\n");

  std::ostringstream json;
  ASSERT_EQ(RunDump(path, ui, json), kExitOk);
  const auto bravo = nlohmann::json::parse(json.str())["Pilots"][1];
  EXPECT_EQ(bravo["ExceptionsText"], " 112+ Hours Hard in 28 on 1+");
  EXPECT_EQ(bravo["ExceptionDays"][0], 1);
  EXPECT_EQ(bravo["HardTimeByDay"].size(), 62u);
  EXPECT_EQ(bravo["HardTimeByDay"][0], 241);
  EXPECT_EQ(bravo["DutyTotals"].size(), 93u);
  EXPECT_EQ(bravo["DutyTotals"][31], nlohmann::json::parse("[600, 600, 600]"));
  EXPECT_EQ(bravo["RuleCheckLog"].get<std::string>().rfind("Checking 01/07/2026 PASSED", 0), 0u);
}

}  // namespace
}  // namespace lumora::cli
