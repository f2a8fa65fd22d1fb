#include "scan_lis_command.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "import_prg_command.h"
#include "imports/lis_scan.h"
#include "platform/settings_catalogue.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

const std::filesystem::path kSamples =
    std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "YUL-CRJ-CA-2027-02";

int Count(const std::string& text, std::string_view what) {
  int n = 0;
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// The demo month: Montreal CRJ captains, February 2027, its pairings
// imported from the sample PRG file and, for scan-lis, saved to a file.
class ScanLisCommandTest : public ::testing::Test {
 protected:
  ScanLisCommandTest() {
    auto doc = std::make_unique<TDocument>();
    FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    doc->CrewType = 0;
    doc->FileDescriptor = "YULCRJCAM";
    SaveSchedule(*doc, empty);

    importLine.file = empty.string();
    importLine.prg = (kSamples / "YULCRJCA.PRG").string();
    importLine.output = imported.string();
    for (int week = 1; week <= 4; ++week)
      lisFiles.push_back(
          (kSamples / ("YULCRJCA_FEB27_W" + std::to_string(week) + ".LIS")).string());
  }

  int RunScan(bool yes) {
    BatchUi ui{messages, yes};
    return RunScanLis(scanLine, ui, settings, err);
  }

  testing::TempFolder folder;
  std::filesystem::path empty = folder / "month.lm2";
  std::filesystem::path imported = folder / "imported.lm2";
  std::filesystem::path output = folder / "out.lm2";
  std::vector<std::string> lisFiles;
  std::ostringstream messages, err;
  testing::MemorySettings settings;
  ImportPrgCommandLine importLine;
  ScanLisCommandLine scanLine;
};

TEST_F(ScanLisCommandTest, ImportWithLisFilesMarksTheSamplePairings) {
  importLine.lisFiles = lisFiles;
  BatchUi ui{messages, false};
  ASSERT_EQ(RunImportPrg(importLine, ui, settings, err), kExitOk) << err.str();
  EXPECT_EQ(err.str(), "");
  const auto doc = Reopen(imported);
  ASSERT_EQ(doc->LastPair, 149);

  int summaries = 0, withMeals = 0, withCra = 0;
  for (int p = 0; p <= doc->LastPair; ++p) {
    const std::string& text = doc->Pairs[static_cast<std::size_t>(p)].DisplayText;
    summaries += Count(text, " *** CRA") == 1 ? 1 : 0;
    withMeals += Count(text, "\n   MEALS US:") == 1 ? 1 : 0;
    withCra += text.find("  CRA\n") != std::string::npos ? 1 : 0;
    EXPECT_EQ(text.find("FRENCH PAIRING"), std::string::npos);  // a captains file
  }
  // The last week's report breaks off inside its last listing.
  EXPECT_GE(summaries, 140);
  EXPECT_EQ(summaries, withMeals);
  EXPECT_GT(withCra, 0);
  const std::string out = messages.str();
  EXPECT_NE(out.find("Flag French Pairings from LIS Summary"), std::string::npos);
  EXPECT_NE(out.find("Total Pairings 150"), std::string::npos);
  // The import's pairing warnings dialog comes before the scan's lists.
  EXPECT_LT(out.find("Pairing Warnings and Report\nNumber of Pairings 150  Average Pairing "
                     "Credit per day is "),
            out.find("Flag French Pairings from LIS Summary"));
  EXPECT_EQ(ReadSetting(settings, kLastFrenchPath), kSamples.string());
}

TEST_F(ScanLisCommandTest, ScanLisAnswersTheMonthQuestionByTheFlag) {
  {
    BatchUi ui{messages, false};
    ASSERT_EQ(RunImportPrg(importLine, ui, settings, err), kExitOk) << err.str();
  }
  // A copy of the first week under a name without the month.
  const std::filesystem::path renamed = folder / "week1.LIS";
  std::filesystem::copy_file(lisFiles[0], renamed);
  scanLine.file = imported.string();
  scanLine.lisFiles = {renamed.string(), lisFiles[1]};
  scanLine.output = output.string();

  messages.str("");
  ASSERT_EQ(RunScan(false), kExitOk) << err.str();
  EXPECT_NE(messages.str().find("week1.LIS does not contain FEB in the File Name. Are you sure "
                                "this is the correct LIS File [No]"),
            std::string::npos);
  const auto without = Reopen(output);

  messages.str("");
  ASSERT_EQ(RunScan(true), kExitOk) << err.str();
  EXPECT_NE(messages.str().find("[Yes]"), std::string::npos);
  const auto with = Reopen(output);

  // The first week's pairings are marked only when its file was used.
  int onlyWith = 0;
  for (int p = 0; p <= with->LastPair; ++p) {
    const auto i = static_cast<std::size_t>(p);
    const bool a = with->Pairs[i].DisplayText.find(" *** CRA") != std::string::npos;
    const bool b = without->Pairs[i].DisplayText.find(" *** CRA") != std::string::npos;
    EXPECT_TRUE(a || !b);
    onlyWith += a && !b ? 1 : 0;
  }
  EXPECT_GT(onlyWith, 10);
}

TEST_F(ScanLisCommandTest, RefusesWhatItCannotRun) {
  scanLine.file = empty.string();
  scanLine.lisFiles = {(folder / "missing.LIS").string()};
  scanLine.output = output.string();
  EXPECT_EQ(RunScan(false), kExitCannotRun);
  EXPECT_NE(err.str().find("cannot read the LIS file"), std::string::npos);
  scanLine.lisFiles = lisFiles;
  scanLine.file = (folder / "missing.lm2").string();
  EXPECT_EQ(RunScan(false), kExitCannotRun);
  EXPECT_FALSE(std::filesystem::exists(output));

  // No pairings: every file is read, nothing is marked, the file is saved.
  scanLine.file = empty.string();
  EXPECT_EQ(RunScan(false), kExitOk);
  EXPECT_TRUE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace lumora::cli
