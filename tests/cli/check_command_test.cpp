#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "batch_ui.h"
#include "check_command.h"
#include "commands.h"
#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "model/calendar.h"
#include "shell/platform/event_log.h"
#include "support/scripted_ui.h"

namespace lumora::cli {
namespace {

class CheckCommandTest : public ::testing::Test {
 protected:
  // A captains' month from `first` to `last` with two crew members: the
  // second has 10:59 of rest before the 5th and 11:00 before the 12th.
  std::filesystem::path WriteMonth(CivilDate first, CivilDate last, bool blocksShown) {
    doc->CrewType = 0;
    FillCalendar(doc->cal, ToDayNumber(first), ToDayNumber(last));
    doc->PilotCount = 2;
    for (int i = 0; i < 2; ++i) {
      doc->Pilots[static_cast<std::size_t>(i)].Name = i == 0 ? "A Able" : "B Baker";
      doc->Pilots[static_cast<std::size_t>(i)].EmpNumber = 500 + i;
    }
    Assign(1, 3, 480, 600);
    Assign(1, 4, 299, 480);
    Assign(1, 10, 480, 600);
    Assign(1, 11, 300, 480);
    doc->BlocksShown = blocksShown ? 1 : 0;
    const auto path = folder.path() / "month.lm2";
    testing::ScriptedUi saveUi;
    EXPECT_TRUE(SaveFile(*doc, path, kScheduleFile, saveUi, log));
    return path;
  }

  void Assign(int crew, int day, int onTime, int tafb) {
    const int p = ++doc->LastPair;
    doc->LastBasePair = p;
    TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    pair.Number = 100 + p;
    pair.Prefix = "M1";
    pair.CrewPosition = "CA";
    pair.OnTime = onTime;
    pair.TAFB = tafb;
    pair.OffTime = (onTime + tafb) % 1440;
    pair.Length = 1;
    pair.DayStatus[static_cast<std::size_t>(day)] = kAssignedInstance;
    doc->Pilots[static_cast<std::size_t>(crew)].DayCell[static_cast<std::size_t>(day)] = p;
  }

  static std::string ExpectedReport(const std::string& day5, const std::string& day12) {
    const std::string items = "------- EXCEPTIONS -------\n\n2  B Baker: Rest  " + day5 +
                              "\n\n------ WARNINGS  ------\n\n2  B Baker:  Rest  " + day12 + "\n";
    const std::string oldItems =
        "------- EXCEPTIONS USING OLD RULE CHECKING -------\n\n"
        "2  B Baker: Rest  " +
        day5 +
        "\n\n------ WARNINGS USING OLD RULE CHECKING ------\n\n"
        "2  B Baker:  Rest  " +
        day12 + "\n";
    return items + "\n==================================================\n\n" + oldItems;
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  EventLog log;
  testing::TempFolder folder;
  std::ostringstream out, err;
  BatchUi ui{err, false};
};

TEST_F(CheckCommandTest, PrintsTheReportWhetherOrNotTheFileWasSavedWithTheGridShown) {
  for (const bool shown : {false, true}) {
    const auto path = WriteMonth({1, 7, 2026}, {31, 7, 2026}, shown);
    out.str("");
    ASSERT_EQ(RunCheck(path.string(), ui, out), kExitOk) << err.str();
    EXPECT_EQ(out.str(), ExpectedReport("5", "12")) << shown;
    EXPECT_EQ(err.str(), "");
  }
}

TEST_F(CheckCommandTest, AMarchPeriodAfterTheChangeIsReportedAndTheCheckGoesOn) {
  const auto path = WriteMonth({10, 3, 2026}, {8, 4, 2026}, false);
  ASSERT_EQ(RunCheck(path.string(), ui, out), kExitOk);
  EXPECT_EQ(out.str(), ExpectedReport("14", "21"));
  EXPECT_EQ(err.str(),
            "Lumora: Problem occured in Setting up Daylight Savings Time Data. Please contact "
            "support. You may continue to Build Blocks\n");
}

TEST_F(CheckCommandTest, AFileThatDoesNotLoadCannotBeChecked) {
  EXPECT_EQ(RunCheck((folder.path() / "missing.lm2").string(), ui, out), kExitCannotRun);
  EXPECT_EQ(out.str(), "");
}

}  // namespace
}  // namespace lumora::cli
