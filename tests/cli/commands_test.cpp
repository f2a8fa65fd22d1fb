#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <memory>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "document_json.h"
#include "files/temp_folder.h"
#include "schedule_files.h"
#include "support/random_document.h"

namespace lumora::cli {
namespace {

using testing::ReadText;

class CommandsTest : public ::testing::Test {
 protected:
  // Writes a random document as a schedule file and keeps it for comparison.
  std::filesystem::path WriteRandomFile(std::uint32_t seed) {
    testing::FillRandomDocument(*doc, seed);
    doc->BlocksShown = 0;
    SaveSchedule(*doc, folder / "month.lm2");
    return folder / "month.lm2";
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  testing::TempFolder folder;
  std::ostringstream out, err;
  BatchUi ui{err, false};
};

TEST_F(CommandsTest, InfoSummarisesTheFileAndDumpShowsEveryArrayAtFullLength) {
  const auto path = WriteRandomFile(7);
  ASSERT_EQ(RunInfo(path.string(), ui, out), kExitOk) << err.str();
  const auto info = nlohmann::json::parse(out.str());
  EXPECT_EQ(info["Header"], "Lumora      29");
  EXPECT_EQ(info["Version"], "29");
  EXPECT_EQ(info["PilotCount"], doc->PilotCount);
  EXPECT_EQ(info["LastBasePair"], doc->LastBasePair);
  std::vector<std::string> keys;
  for (const auto& item : info.items()) keys.push_back(item.key());
  EXPECT_EQ(keys,
            (std::vector<std::string>{"CrewType", "FileDescriptor", "FileKind", "Header",
                                      "LastBasePair", "LastPair", "MonthLength", "MonthNumber",
                                      "PilotCount", "ToolboxCount", "Version", "YearText"}));

  std::ostringstream dumped;
  ASSERT_EQ(RunDump(path.string(), ui, dumped), kExitOk) << err.str();
  const auto dump = nlohmann::json::parse(dumped.str());
  EXPECT_EQ(dump["MonthDays"].size(), 62u);
  EXPECT_EQ(dump["PrevMonthDays"].size(), 31u);
  EXPECT_EQ(dump["Pairs"].size(), static_cast<std::size_t>(doc->LastPair + 1));
  EXPECT_EQ(dump["ToolboxItems"].size(), static_cast<std::size_t>(doc->ToolboxCount));
  ASSERT_EQ(dump["Pilots"].size(), static_cast<std::size_t>(doc->PilotCount));
  ASSERT_GT(doc->PilotCount, 0);
  for (const auto& pair : dump["Pairs"]) EXPECT_EQ(pair["DayStatus"].size(), 31u);
  const auto& pilot = dump["Pilots"][0];
  const std::pair<const char*, std::size_t> sizes[] = {{"DayCell", 62},      {"DayOther", 62},
                                                       {"DutyTotals", 93},   {"Last89HardTime", 89},
                                                       {"SearchMarks", 100}, {"CarryIn", 20}};
  for (const auto& [key, size] : sizes) EXPECT_EQ(pilot[key].size(), size) << key;
  EXPECT_EQ(pilot["DayOther"][0].size(), 10u);
  EXPECT_EQ(pilot["DutyTotals"][0].size(), 3u);
  EXPECT_EQ(pilot["Name"], Latin1ToUtf8(doc->Pilots[0].Name));
}

TEST_F(CommandsTest, SaveWritesWhatWasLoadedAndTheRepairsOfAFileSavedWithTheGridShown) {
  const auto Dump = [&](const std::filesystem::path& path) {
    std::ostringstream json;
    EXPECT_EQ(RunDump(path.string(), ui, json), kExitOk);
    return json.str();
  };
  const auto copy = folder / "copy.lm2";
  const auto path = WriteRandomFile(23);
  ASSERT_EQ(RunSave(path.string(), copy.string(), ui), kExitOk) << err.str();
  EXPECT_EQ(ReadText(copy), ReadText(path));

  // Random day cells break the assignment invariants; the load rebuilds the
  // blocks, which repairs them, and the copy holds the repaired document.
  testing::FillRandomDocument(*doc, 29, {.maxPilots = 12, .maxPairs = 20});
  doc->PilotCount = std::max(doc->PilotCount, 2);
  doc->cal.MonthLength = std::max(doc->cal.MonthLength, 1);
  ASSERT_GE(doc->LastPair, 0);
  doc->CrewType = 0;
  doc->BlocksShown = doc->PairWindowVisible = doc->BidsWindowVisible = 1;
  doc->Pilots[0].DayCell[0] = doc->Pilots[1].DayCell[0] = doc->LastPair;
  SaveSchedule(*doc, path);
  ASSERT_EQ(RunSave(path.string(), copy.string(), ui), kExitOk);
  EXPECT_NE(err.str().find(" Errors Corrected OK to proceed"), std::string::npos) << err.str();
  const std::string repaired = Dump(copy);
  EXPECT_EQ(Dump(path), repaired);
  EXPECT_EQ(nlohmann::json::parse(repaired)["BlocksShown"], 1);
}

TEST_F(CommandsTest, FilesThatDoNotLoadCannotRun) {
  const auto missing = (folder / "missing.lm2").string();
  EXPECT_EQ(RunInfo(missing, ui, out), kExitCannotRun);
  EXPECT_EQ(err.str(), "Lumora - Cannot Open File: " + missing + "\n");

  const auto foreign = folder / "notes.lm2";
  std::ofstream(foreign) << "not a schedule";
  err.str("");
  const auto copy = folder / "copy.lm2";
  EXPECT_EQ(RunSave(foreign.string(), copy.string(), ui), kExitCannotRun);
  EXPECT_EQ(err.str(), "This is Not a Valid Lumora 2 File.: " + foreign.string() + "\n");
  EXPECT_FALSE(std::filesystem::exists(copy));
  EXPECT_TRUE(out.str().empty());
}

TEST(Latin1ToUtf8, EveryByteBecomesItsCodePoint) {
  EXPECT_EQ(Latin1ToUtf8(std::string("\x00\x7F\x80\xFF", 4)),
            std::string("\x00\x7F\xC2\x80\xC3\xBF", 6));
}

}  // namespace
}  // namespace lumora::cli
