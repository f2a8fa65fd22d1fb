#include "imports/roster_extract.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "extract_lines.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "support/import_rig.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

class RosterExtractTest : public ::testing::Test, protected lumora::testing::ImportRig {
 protected:
  RosterExtractTest() {
    doc->FileDescriptor = "YULCRJCAM";
    // Two crew members of an earlier roster, one with a day assigned.
    doc->PilotCount = 2;
    doc->Pilots[0].Name = "Z OLD";
    doc->Pilots[0].Notes = "old notes";
    doc->Pilots[0].DayCell[3] = kOtherAssignmentCell;
    doc->Pilots[0].DayCode[3] = "VAC";
    doc->Pilots[0].BidReserve = 1;
  }
  bool load(const std::string& text, std::string_view descriptor = "YULCRJCAM") {
    std::istringstream in(text);
    return LoadRosterExtractFrom(*doc, in, descriptor, services);
  }
  std::string write(const std::string& stem, const std::string& text) {
    const auto path = folder.path() / (stem + "perp.ext");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  TempFolder folder;
};

TEST_F(RosterExtractTest, QualificationCodesGiveFlagsAndLimits) {
  struct Case {
    std::uint8_t crewType;
    std::string codes;
    int special, minBlock, maxBlock, minDaysOff, training, ageMed, noTz, noYcg;
  };
  // Reduced block (document defaults): 2820 / 3420 minutes, 12 days off.
  const Case cases[] = {
      {0, "LA LC", 4, 4800, 5100, 0, 0, 0, 0, 0},  {0, "LA", 3, 4800, 5100, 0, 0, 0, 0, 0},
      {1, "LC", 1, 0, 0, 0, 0, 0, 0, 0},           {0, "LB", 2, 0, 0, 0, 0, 0, 0, 0},
      {0, "LB LC", 1, 0, 0, 0, 0, 0, 0, 0},        {0, "LB LA", 3, 4800, 5100, 0, 0, 0, 0, 0},
      {0, "LA RB", 3, 2820, 3420, 12, 0, 0, 0, 0}, {0, "ZT AR MR PT", 0, 0, 0, 0, 1, 3, 1, 0},
      {0, "pc ar", 0, 0, 0, 0, 0, 1, 0, 1},        // upper-cased first
      {0, "MRBX", 0, 2820, 3420, 12, 0, 2, 0, 0},  // codes found across neighbours
      {2, "FR IT", 2, 0, 0, 0, 0, 1, 0, 0},        {2, "LA ZT RB", 0, 2820, 3420, 12, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.codes);
    doc->CrewType = c.crewType;
    const std::string key = c.crewType == 2 ? "YULCRJFA" : "YULCRJCA";
    const std::string line = RosterLine(123456, "TREMBLAY", 'J', key, c.codes);
    ASSERT_TRUE(load(Lines({line, line})));
    ASSERT_EQ(doc->PilotCount, 2);
    const TPilot& p = doc->Pilots[0];
    EXPECT_EQ(p.SpecialQual(), c.special);
    EXPECT_EQ(p.MinBlockOverride(), c.minBlock);
    EXPECT_EQ(p.MaxBlockOverride(), c.maxBlock);
    EXPECT_EQ(p.MinDaysOffOverride(), c.minDaysOff);
    EXPECT_EQ(p.TrainingFlag(), c.training);
    EXPECT_EQ(p.AgeMedFlags(), c.ageMed);
    EXPECT_EQ(p.NoTimeZoneFlag(), c.noTz);
    EXPECT_EQ(p.NoYcgFlag(), c.noYcg);
  }
}

TEST_F(RosterExtractTest, ReplacesTheRosterWithTheMatchingLinesInFileOrder) {
  const std::string text =
      Lines({RosterLine(111, "TREMBLAY", 'J', "YULCRJCA", "LC"),
             RosterLine(222, "GAGNON", 'A', "YULCRJFO", ""),  // other category
             RosterLine(333, "st pierre", 'm', "YULCRJCA", "", 147),
             RosterLine(444, "ROY", 'B', "YYZCRJCA", "")},
            "\r\n") +
      RosterLine(555, "COTE", 'C', "YULCRJCA", "").substr(0, 60);  // short, no line end
  ASSERT_TRUE(load(text));
  ASSERT_EQ(doc->PilotCount, 3);
  EXPECT_EQ(doc->Pilots[0].Name, "J TREMBLAY");
  EXPECT_EQ(doc->Pilots[0].EmpNumber, 111);
  EXPECT_EQ(doc->Pilots[0].QualificationCodes, "LC          ");
  EXPECT_EQ(doc->Pilots[1].Name, "M ST PIERRE");
  EXPECT_EQ(doc->Pilots[2].EmpNumber, 555);
  // Nothing of the crew member who held the first slot stays.
  const TPilot& first = doc->Pilots[0];
  EXPECT_EQ(first.Notes, "");
  EXPECT_EQ(first.DayCell[3], kEmptyCell);
  EXPECT_EQ(first.DayCode[3], "");
  EXPECT_EQ(first.BidReserve, 0);
  EXPECT_TRUE(ui.shown.empty());

  // Flight attendants match on the base alone; a short line ends the file.
  doc->CrewType = 2;
  ASSERT_TRUE(
      load(Lines({RosterLine(1, "A", 'A', "YULDH8FA", ""), RosterLine(2, "B", 'B', "YULE75PU", ""),
                  std::string(49, 'X'), RosterLine(3, "C", 'C', "YULCRJFA", "")})));
  EXPECT_EQ(doc->PilotCount, 2);

  // Nobody matches: a message, and still a file read.
  ASSERT_TRUE(load(
      Lines({RosterLine(1, "A", 'A', "YYZDH8FA", ""), RosterLine(2, "B", 'B', "YYZE75PU", "")})));
  EXPECT_EQ(doc->PilotCount, 0);
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string(kRosterNoMatch)});
}

TEST_F(RosterExtractTest, RefusalsBeforeTheExtractIsAcceptedKeepTheRoster) {
  const std::string good = write("good", Lines({RosterLine(1, "A", 'A', "YULCRJCA", ""),
                                                RosterLine(2, "B", 'B', "YULCRJCA", "")}));
  const std::string odd = write("odd", Lines({RosterLine(1, "A", 'A', "YULCRJCA", "", 90),
                                              RosterLine(2, "B", 'B', "YULCRJCA", "", 90)}));
  // A descriptor that is not 9 characters: no dialog at all.
  EXPECT_FALSE(LoadRosterExtract(*doc, "YULCRJCA", services));
  EXPECT_TRUE(ui.fileDialogs.empty());
  // Cancelled dialog; file that cannot be opened; No to the question.
  ui.openResults = {{}, {(folder.path() / "gone.ext").string()}, {odd}};
  ui.answers = {Answer::No};
  EXPECT_FALSE(LoadRosterExtract(*doc, "YULCRJCAM", services));
  EXPECT_FALSE(LoadRosterExtract(*doc, "YULCRJCAM", services));
  EXPECT_FALSE(LoadRosterExtract(*doc, "YULCRJCAM", services));
  EXPECT_EQ(doc->PilotCount, 2);
  EXPECT_EQ(doc->Pilots[0].Name, "Z OLD");
  ASSERT_EQ(ui.shown.size(), 2u);
  EXPECT_EQ(ui.shown[0].caption, "Unable to Open File");
  EXPECT_EQ(ui.shown[1].text, kRosterNotAnExtract);
  EXPECT_EQ(ui.shown[1].buttons, Buttons::YesNo);
  EXPECT_EQ(ui.fileDialogs.at(0).title, kRosterDialogTitle);
  EXPECT_EQ(ui.fileDialogs.at(0).filter, kRosterFileFilter);

  // Yes loads the odd file; a good file asks nothing. Both remember the folder.
  ui.openResults = {{odd}, {good}};
  ui.answers = {Answer::Yes};
  EXPECT_TRUE(LoadRosterExtract(*doc, "YULCRJCAM", services));
  EXPECT_TRUE(LoadRosterExtract(*doc, "YULCRJCAM", services));
  EXPECT_EQ(doc->PilotCount, 2);
  EXPECT_EQ(doc->Pilots[0].Name, "A A");
  EXPECT_EQ(ReadSetting(settings, kLastRosterPath), folder.path().string());
  EXPECT_EQ(ui.shown.size(), 3u);
}

TEST_F(RosterExtractTest, KeepsTheScratchSlotFreeBeyondNineHundredNinetyNine) {
  std::vector<std::string> lines;
  for (int i = 0; i < kMaxRosterPilots + 3; ++i)
    lines.push_back(RosterLine(1000 + i, "CREW", 'X', "YULCRJCA", ""));
  doc->Pilots[kScratchPilot].Name = "scratch";
  ASSERT_TRUE(load(Lines(lines)));
  EXPECT_EQ(doc->PilotCount, kMaxRosterPilots);
  EXPECT_EQ(doc->Pilots[kMaxRosterPilots - 1].EmpNumber, 1000 + kMaxRosterPilots - 1);
  EXPECT_EQ(doc->Pilots[kScratchPilot].Name, "scratch");
  ASSERT_EQ(ui.messageTexts().size(), 1u);
  EXPECT_NE(ui.messageTexts()[0].find("3 more Matching Employees were not Loaded"),
            std::string::npos);
}

}  // namespace
}  // namespace lumora::testing
