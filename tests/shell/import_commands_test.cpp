#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app_rig.h"
#include "files/schedule_file.h"
#include "imports/absences_extract.h"
#include "imports/lis_scan.h"
#include "imports/pairing_warnings.h"
#include "model/calendar.h"

namespace lumora {
namespace {

using testing::ReadText;

std::string Quoted(const std::filesystem::path& path) {
  return "'" + path.string() + "'";
}

class ImportCommands : public testing::AppRig {
 protected:
  ImportCommands() : AppRig({2027, 1, 20, 9, 0, 0}) {
    testing::BuildDespiteInvalidPairings(ui);
    // February 2027 for the captains of YUL on the CRJ, saved with the grid
    // and the pairing window shown; one captain flies table position 0 on
    // 5 February, which the sample's first pairing no longer operates.
    auto doc = std::make_unique<TDocument>();
    FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    doc->FileDescriptor = "YULCRJCAM";
    doc->PilotCount = 2;
    doc->Pilots[0].Name = "A CAPTAIN";
    doc->Pilots[0].DayCell[5] = 0;
    doc->Pilots[1].Name = "B CAPTAIN";
    doc->LastPair = doc->LastBasePair = 0;
    doc->Pairs[0].Number = 1;
    doc->Pairs[0].DayStatus[5] = 2;
    doc->BlocksShown = doc->PairWindowVisible = 1;
    schedule = Save(*doc, "FEB27.lm2");
    services.clipboard = &clipboard;
    Start(schedule.string());
    for (int week = 1; week <= 4; ++week)
      lisFiles.push_back((samples / ("YULCRJCA_FEB27_W" + std::to_string(week) + ".LIS")).string());
  }

  bool ListShown(std::string_view caption) const {
    return std::any_of(ui.shown.begin(), ui.shown.end(), [&](const testing::Shown& shown) {
      return shown.kind == testing::Shown::Kind::List && shown.caption == caption;
    });
  }
  bool Marked() const {
    return app->document().Pairs[0].DisplayText.find("*** CRA") != std::string::npos;
  }

  std::filesystem::path samples =
      std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "YUL-CRJ-CA-2027-02";
  std::filesystem::path prg = samples / "YULCRJCA.PRG";
  std::filesystem::path schedule;
  std::vector<std::string> lisFiles;
};

TEST_F(ImportCommands, ThisMonthsPairingsGivesTheBatchToolsDocument) {
  ASSERT_TRUE(std::filesystem::exists(prg)) << prg;
  ui.openResults.push_back({prg.string()});
  ui.openResults.push_back(lisFiles);
  ui.onDialog<LoadPrgDialog>([](LoadPrgDialog&) { return true; });
  ui.onDialog<PairingValidateDialog>([](PairingValidateDialog& warnings) {
    EXPECT_FALSE(warnings.lines().empty());
    return true;
  });
  ASSERT_TRUE(app->dispatch(command::kImportPairings));
  // The warnings come after the import and again when the blocks are built
  // (the sample keeps pairings that never operate), as they came when the
  // saved month, with its one bare pairing, was opened.
  const std::string warnings(PairingValidateDialog::kCaption);
  EXPECT_EQ(ui.dialogTitles(),
            (std::vector<std::string>{warnings, std::string(LoadPrgDialog::kCaption), warnings,
                                      warnings}));
  EXPECT_EQ(front.viewsClosed, 1);
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[0].title, LoadPrgDialog::kCaption);
  EXPECT_EQ(ui.fileDialogs[1].title, kLisDialogTitle);

  const TDocument& doc = app->document();
  // 143 pairings of the base and fleet, some of them with two captains.
  EXPECT_EQ(doc.LastPair, 149);
  EXPECT_EQ(doc.LastBasePair, 149);
  EXPECT_TRUE(doc.Modified);
  // Rebuilt with the windows the document had.
  EXPECT_TRUE(doc.BlocksShown && doc.PairWindowVisible);
  EXPECT_FALSE(doc.ToolboxWindowVisible);
  // The LIS scan that follows marked the pairings and put its lists on the
  // clipboard given to the frame.
  EXPECT_TRUE(Marked());
  EXPECT_TRUE(ListShown(kLisSummaryCaption));
  EXPECT_FALSE(clipboard.texts.empty());
  EXPECT_EQ(settings.readString("LM", "LastPRGPath", ""), prg.parent_path().string());
  EXPECT_EQ(app->caption(), "Lumora - " + schedule.string());

  const std::filesystem::path desktop = folder / "desktop.lm2";
  EventLog log;
  ASSERT_TRUE(SaveFile(app->document(), desktop, kScheduleFile, ui, log));

  // The batch tool next to this test program, when it was built.
  const auto tool = std::filesystem::read_symlink("/proc/self/exe").parent_path() / "lumora-cli";
  if (!std::filesystem::exists(tool)) GTEST_SKIP() << "the batch tool is not built";
  const std::filesystem::path batch = folder / "batch.lm2";
  std::string line = "LUMORA_CONFIG_DIR=" + Quoted(folder / "config") + " " + Quoted(tool) +
                     " import-prg " + Quoted(schedule) + " " + Quoted(prg) + " --lis";
  for (const std::string& lis : lisFiles) line += " " + Quoted(lis);
  line += " -o " + Quoted(batch) + " > " + Quoted(folder / "batch.txt") + " 2>&1";
  ASSERT_EQ(std::system(line.c_str()), 0) << ReadText(folder / "batch.txt");
  EXPECT_TRUE(ReadText(desktop) == ReadText(batch));
}

TEST_F(ImportCommands, ACancelledDialogLoadsNothingAndTheLisScanRunsOnItsOwn) {
  ui.onDialog<LoadPrgDialog>([](LoadPrgDialog&) { return false; });
  ASSERT_TRUE(app->dispatch(command::kImportPairings));
  EXPECT_EQ(app->document().LastPair, 0);
  EXPECT_EQ(app->document().Pairs[0].Number, 1);
  EXPECT_TRUE(app->document().BlocksShown);
  ASSERT_EQ(ui.fileDialogs.size(), 1u);  // the LIS scan is still offered
  EXPECT_EQ(ui.fileDialogs[0].title, kLisDialogTitle);

  ui.onDialog<LoadPrgDialog>([](LoadPrgDialog&) { return true; });
  ui.onDialog<PairingValidateDialog>([](PairingValidateDialog&) { return true; });
  ui.openResults.push_back({prg.string()});
  ASSERT_TRUE(app->dispatch(command::kImportPairings));  // LIS scan cancelled
  EXPECT_FALSE(Marked());
  ui.openResults.push_back(lisFiles);
  ASSERT_TRUE(app->dispatch(command::kImportLis));
  EXPECT_TRUE(Marked());
  EXPECT_TRUE(ListShown(kLisSummaryCaption));
}

TEST_F(ImportCommands, ManualSettingsChooseAnotherFleet) {
  // The base's DH8 pairings (M8xxx) instead of the document's CRJ.
  ui.onDialog<LoadPrgDialog>([](LoadPrgDialog& dialog) {
    dialog.setUseManualSettings(true);
    dialog.setBaseCode("m");
    dialog.setEqpCode("8");
    return true;
  });
  ui.onDialog<PairingValidateDialog>([](PairingValidateDialog&) { return true; });
  ui.openResults.push_back({prg.string()});
  ASSERT_TRUE(app->dispatch(command::kImportPairings));
  const TDocument& doc = app->document();
  ASSERT_GE(doc.LastPair, 0);
  for (int i = 0; i <= doc.LastPair; ++i) ASSERT_EQ(doc.Pairs[i].Prefix, "M8") << i;
  EXPECT_EQ(doc.FileDescriptor, "YULCRJCAM");
}

TEST_F(ImportCommands, ToolBoxItemsLoadTheDefinitionFile) {
  ui.openResults.push_back({(samples / "YULPILOT.box").string()});
  ASSERT_TRUE(app->dispatch(command::kImportToolbox));
  EXPECT_GT(app->document().ToolboxCount, 0);
  EXPECT_FALSE(app->document().AirportDetails.empty());
  EXPECT_EQ(settings.readString("LM", "LastBoxPath", ""), samples.string());
}

TEST_F(ImportCommands, LastMonthsDataClosesTheViewsAndLoadsTheSampleExtracts) {
  app->document().pilot(0).EmpNumber = 585802;  // the first line of the sample
  ui.openResults.push_back({(samples / "YULPILOT.box").string()});
  ASSERT_TRUE(app->dispatch(command::kImportToolbox));
  ui.openResults.push_back({(samples / "YULCRJactp.ext").string()});
  ui.openResults.push_back({(samples / "YULCRJprgp.ext").string()});
  ASSERT_TRUE(app->dispatch(command::kImportLastMonth));
  ASSERT_EQ(ui.fileDialogs.size(), 3u);
  EXPECT_EQ(ui.fileDialogs[1].title, "Load Overlap Information from Extract");
  EXPECT_EQ(ui.fileDialogs[2].title, "Open Updated Pairing Data from Extract");
  const TDocument& doc = app->document();
  EXPECT_EQ(doc.BlocksShown, 0);
  EXPECT_EQ(doc.pilot(0).ActivityText[3], "RA");  // reserve on 3 January
  EXPECT_EQ(settings.readString("LM", "LastOverlapDataPath", ""), samples.string());
  EXPECT_FALSE(ListShown("Errors from Overlap Info Extract Load"));
}

TEST_F(ImportCommands, CrewAbsencesAskFirstInAFileAndCloseTheViews) {
  // Captain A (employee number 0): vacation on days 5 to 7, day 6 flies.
  std::string line = "        0VC050707201000";
  line.resize(443, ' ');
  const std::filesystem::path extract = folder / "YULCRJabsp.ext";
  std::ofstream(extract, std::ios::binary) << line << "\r\n";

  ui.answers.push_back(Answer::No);
  ASSERT_TRUE(app->dispatch(command::kImportAbsences));
  EXPECT_TRUE(ui.fileDialogs.empty());
  EXPECT_TRUE(app->document().BlocksShown);

  ui.answers.push_back(Answer::Yes);
  ui.openResults.push_back({extract.string()});
  ASSERT_TRUE(app->dispatch(command::kImportAbsences));
  const TPilot& captain = app->document().Pilots[0];
  EXPECT_EQ(captain.DayCode[4], "VAC");
  EXPECT_EQ(captain.DayCell[5], 0);
  EXPECT_TRUE(ListShown(kAbsencesWarningsCaption));
  EXPECT_EQ(front.viewsClosed, 1);
  EXPECT_FALSE(app->document().BlocksShown);

  // The next month's absences ask nothing and land after the 30 days.
  ui.openResults.push_back({extract.string()});
  ASSERT_TRUE(app->dispatch(command::kImportNextMonthAbsences));
  EXPECT_EQ(captain.DayCode[34], "VAC");
  EXPECT_EQ(settings.readString("LM", "LastCrewAbsPath", ""), folder.path().string());
}

}  // namespace
}  // namespace lumora
