#include "toolbox_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "rules/check_block.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

constexpr const char* kBox =
    "LMToolBox\r\nmade by hand\r\nJUL 2026\r\n\r\n2\r\n"
    "TRX\r\nPilot\r\nTX\r\nTraining X\r\n9:00\r\n17:00\r\n5:00\r\n0:00\r\nY\r\nY\r\nY\r\nY\r\n\r\n"
    "CAB\r\nCabin\r\nCB\r\nCabin Day\r\n9:00\r\n17:00\r\n4:00\r\n0:00\r\nY\r\nN\r\nY\r\nY\r\n\r\n"
    "\r\n1\r\nYYC\r\n07:00\r\n00:30\r\nY\r\n\r\n\r\n\r\n\r\n";

// A first officers' July: pairing 101 flown on the 4th.
class ToolboxCommandsTest : public ::testing::Test {
 protected:
  ToolboxCommandsTest() {
    auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder(*doc)
        .kind(CrewKind::FirstOfficers)
        .descriptor("YYC320FOC")
        .pairing(testing::PairingValues(101).Length(1))
        .place(0, 0, 3);
    SaveSchedule(*doc, input);
    std::ofstream(box, std::ios::binary) << kBox;
  }

  int Place(int day, const std::string& code) {
    return RunPlace(input, output, 0, day, code, ui, rules, out);
  }

  testing::TempFolder folder;
  std::string input = (folder / "in.lm2").string();
  std::string output = (folder / "out.lm2").string();
  std::string box = (folder / "july.box").string();
  std::ostringstream out, err;
  BatchUi ui{err, false};
  LumoraRules rules;
};

TEST_F(ToolboxCommandsTest, PlacePressesTheButtonAndClicksTheDay) {
  EXPECT_EQ(Place(5, "VAC"), kExitOk);
  EXPECT_EQ(out.str(), "placed\n");
  auto written = Reopen(output);
  EXPECT_EQ(written->Pilots[0].DayCell[5], kOtherAssignmentCell);
  EXPECT_EQ(written->Pilots[0].DayCode[5], "VAC");
  EXPECT_EQ(written->Pilots[0].DayCrewTracCode[5], "VC");
  EXPECT_EQ(written->Pilots[0].DayOther[5][kOtherCredit], 170);

  // The request buttons are buttons too.
  out.str("");
  EXPECT_EQ(Place(6, "XA"), kExitOk);
  EXPECT_EQ(out.str(), "request set\n");
  EXPECT_EQ(Reopen(output)->Pilots[0].DayRequest[6], 10);
}

TEST_F(ToolboxCommandsTest, ADayThatTakesNothingIsARefusalAndAMissingButtonCannotRun) {
  EXPECT_EQ(Place(3, "VAC"), kExitRefused);
  EXPECT_EQ(out.str(), "not placed: the day is not empty\n");
  EXPECT_EQ(Reopen(output)->Pilots[0].DayCell[3], 0);

  out.str("");
  EXPECT_EQ(Place(31, "VAC"), kExitRefused);
  EXPECT_EQ(out.str(), "not placed: no such crew member or day of the month\n");

  // No such button, or no such file: not run.
  EXPECT_EQ(Place(5, "5HS"), kExitCannotRun);  // a cabin code in a pilots' file
  EXPECT_NE(err.str().find("lumora-cli: The toolbox has no button \"5HS\""), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(output));
  EXPECT_EQ(Reopen(output)->Pilots[0].DayCell[5], kEmptyCell);

  input = (folder / "none.lm2").string();
  output = (folder / "x.lm2").string();
  EXPECT_EQ(Place(5, "VAC"), kExitCannotRun);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST_F(ToolboxCommandsTest, ToolboxLoadsTheFileAndItsButtonsApply) {
  EXPECT_EQ(RunToolbox(input, box, output, ui), kExitOk);
  auto written = Reopen(output);
  EXPECT_EQ(written->ToolboxCount, 1);
  EXPECT_EQ(written->ToolboxItems[0].Code, "TRX");
  EXPECT_EQ(written->ToolboxDate, "JUL 2026");
  EXPECT_EQ(written->AirportDetails, "YYC,07:00,00:30,Y,");

  // The loaded toolbox replaces the built-in one.
  std::filesystem::copy_file(output, input, std::filesystem::copy_options::overwrite_existing);
  EXPECT_EQ(Place(5, "TRX"), kExitOk);
  EXPECT_EQ(Reopen(output)->Pilots[0].DayOther[5][kOtherCredit], 300);
  EXPECT_EQ(Place(7, "VAC"), kExitCannotRun);
}

TEST_F(ToolboxCommandsTest, ToolboxRefusalsAndUnreadableFiles) {
  std::ofstream(box, std::ios::binary | std::ios::trunc) << "not a toolbox\n";
  EXPECT_EQ(RunToolbox(input, box, output, ui), kExitRefused);
  EXPECT_NE(err.str().find("Lumora: Not a Valid ToolBox. Using default ToolBox. Import new "
                           "ToolBox File."),
            std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(output));

  const std::string missing = (folder / "missing.box").string();
  EXPECT_EQ(RunToolbox(input, missing, output, ui), kExitCannotRun);
  EXPECT_NE(err.str().find("Lumora: Unable to Open File " + missing), std::string::npos);
}

}  // namespace
}  // namespace lumora::cli
