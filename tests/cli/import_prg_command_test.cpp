#include "import_prg_command.h"

#include <gtest/gtest.h>

#include <CLI/CLI.hpp>
#include <fstream>
#include <memory>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "imports/prg_lines.h"
#include "scan_lis_command.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

using lumora::testing::Duty;
using lumora::testing::Header;

// July 2026, captains of YYJ on the DH8; one crew member flies J8123 on
// 6 July. The PRG file holds one J8 and one V5 pairing.
class ImportPrgCommandTest : public ::testing::Test {
 protected:
  ImportPrgCommandTest() {
    auto doc = testing::DocumentBuilder()
                   .july2026()
                   .descriptor("YYJDH8CAJ")
                   .crew("A ALPHA", 11)
                   .pairing(testing::PairingValues(8123).Prefix("J8").CrewPosition("CA"))
                   .place(0, 0, 5)
                   .take();
    SaveSchedule(*doc, schedule);

    Header j;
    j.key = "J8123";
    Header v;
    v.key = "V5123";
    Duty last;
    last.remark = "";
    std::ofstream(prg) << j.str() << "\n" << last.str() << "\n" << v.str() << "\n";
    line.file = schedule.string();
    line.prg = prg.string();
    line.output = output.string();
  }

  int Run() { return RunImportPrg(line, ui, settings, err); }

  testing::TempFolder folder;
  std::filesystem::path schedule = folder / "month.lm2";
  std::filesystem::path prg = folder / "JUL.PRG";
  std::filesystem::path output = folder / "out.lm2";
  std::ostringstream messages, err;
  BatchUi ui{messages, false};
  testing::MemorySettings settings;
  ImportPrgCommandLine line;
};

TEST_F(ImportPrgCommandTest, ImportsTheDocumentsOwnPairingsOrThoseOfAPrefixAndSaves) {
  ASSERT_EQ(Run(), kExitOk) << messages.str() << err.str();
  EXPECT_EQ(err.str(), "");
  auto doc = Reopen(output);
  ASSERT_EQ(doc->LastPair, 0);
  EXPECT_EQ(doc->Pairs[0].Number, 8123);
  EXPECT_EQ(doc->Pairs[0].CrewPosition, "CA");
  // The crew member keeps J8123, which still operates on 6 July.
  EXPECT_EQ(doc->Pilots[0].DayCell[5], 0);
  EXPECT_EQ(messages.str().find("Taken Off"), std::string::npos);
  EXPECT_EQ(settings.readString("LM", "LastPRGPath", ""), folder.path().string());

  // By hand: base and equipment, or every equipment of a base.
  for (const char* prefix : {"V5", "V"}) {
    line.prefix = prefix;
    ASSERT_EQ(Run(), kExitOk) << prefix << messages.str();
    doc = Reopen(output);
    ASSERT_EQ(doc->LastPair, 0);
    EXPECT_EQ(doc->Pairs[0].Number, 5123);
    EXPECT_EQ(doc->FileDescriptor, "YYJDH8CAJ");
    // Another base's pairings take J8123 off the block, and say so.
    EXPECT_EQ(doc->Pilots[0].DayCell[5], -1);
    EXPECT_NE(messages.str().find("Assignments Taken Off by the Pairing Import\n1 A ALPHA: pairing "
                                  "J8123 CA of 06/07/2026 is not in this file"),
              std::string::npos)
        << messages.str();
  }
}

TEST_F(ImportPrgCommandTest, AFileThatStoresNoPairingIsRefusedAndChangesNothing) {
  std::ofstream(prg) << "2J8123\n";
  ASSERT_EQ(Run(), kExitRefused);
  EXPECT_NE(messages.str().find(
                "Lumora: This does not appear to be a valid PRG file. The first char should be 1"),
            std::string::npos);
  EXPECT_EQ(Reopen(output)->Pairs[0].Number, 8123);  // saved unchanged

  std::ofstream(prg) << Header{}.str().replace(1, 1, "Q") << "\n";
  ASSERT_EQ(Run(), kExitRefused);
  EXPECT_NE(messages.str().find("Lumora: Unable to load pairings from this file"),
            std::string::npos);
  const auto doc = Reopen(output);
  EXPECT_EQ(doc->Pairs[0].Number, 8123);
  EXPECT_EQ(doc->Pilots[0].DayCell[5], 0);
}

TEST_F(ImportPrgCommandTest, RefusesWhatItCannotRun) {
  for (const char* prefix : {"j", "J88", "8", "JX", ""}) {
    line.prefix = prefix;
    EXPECT_EQ(Run(), kExitCannotRun) << prefix;
  }
  line.prefix.reset();
  line.lisFiles = {"JUL.LIS"};
  EXPECT_EQ(Run(), kExitCannotRun);
  EXPECT_NE(err.str().find("cannot read the LIS file JUL.LIS"), std::string::npos);
  line.lisFiles.clear();
  line.prg = (folder / "missing.PRG").string();
  EXPECT_EQ(Run(), kExitCannotRun);
  line.prg = prg.string();
  line.file = (folder / "missing.lm2").string();
  EXPECT_EQ(Run(), kExitCannotRun);
  EXPECT_FALSE(std::filesystem::exists(output));
}

TEST(CommandLines, ImportPrgAndScanLisParseEveryOption) {
  CLI::App app;
  const auto line = AddImportPrgCommand(app);
  app.parse("import-prg month.lm2 JUL.PRG --prefix J8 --lis a.LIS b.LIS -o out.lm2", false);
  EXPECT_TRUE(*line->command);
  EXPECT_EQ(std::tie(line->file, line->prg, line->output),
            std::make_tuple("month.lm2", "JUL.PRG", "out.lm2"));
  EXPECT_EQ(line->prefix, std::optional<std::string>("J8"));
  EXPECT_EQ(line->lisFiles, (std::vector<std::string>{"a.LIS", "b.LIS"}));

  CLI::App other;
  const auto scan = AddScanLisCommand(other);
  other.parse("scan-lis month.lm2 a.LIS b.LIS -o out.lm2 --yes", false);
  EXPECT_EQ(std::tie(scan->file, scan->output), std::make_tuple("month.lm2", "out.lm2"));
  EXPECT_EQ(scan->lisFiles, (std::vector<std::string>{"a.LIS", "b.LIS"}));
  EXPECT_TRUE(scan->yes);
}

}  // namespace
}  // namespace lumora::cli
