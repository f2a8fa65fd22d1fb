#include "new_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "batch_ui.h"
#include "commands.h"
#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

const std::filesystem::path kSamples =
    std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "YUL-CRJ-CA-2027-02";

class NewCommandTest : public ::testing::Test {
 protected:
  NewCommandTest() {
    line.month = 2;
    line.year = "2027";
    line.output = output.string();
  }

  int Run() { return RunNew(line, ui, settings, out); }

  testing::TempFolder folder;
  std::filesystem::path output = folder / "new.lm2";
  std::ostringstream out;
  BatchUi ui{out, false};
  testing::MemorySettings settings;
  NewCommandLine line;
};

TEST_F(NewCommandTest, MakesTheMonthFromTheSampleFiles) {
  line.base = "YUL";
  line.equipment = "CRJ";
  line.status = "CA";
  line.toolbox = (kSamples / "YULPILOT.box").string();
  line.roster = (kSamples / "YULCRJperp.ext").string();
  line.absences = (kSamples / "YULCRJabsp.ext").string();
  line.absencesNext = (kSamples / "YULCRJabsp-next.ext").string();
  line.activity = (kSamples / "YULCRJactp.ext").string();
  line.priorPairings = (kSamples / "YULCRJprgp.ext").string();
  line.prg = (kSamples / "YULCRJCA.PRG").string();
  for (int week = 1; week <= 4; ++week)
    line.lis.push_back((kSamples / ("YULCRJCA_FEB27_W" + std::to_string(week) + ".LIS")).string());
  ASSERT_EQ(Run(), kExitOk) << out.str();
  EXPECT_NE(out.str().find("Lumora: Confirm You Would Like to Create a New File for YUL CRJ CA "
                           "[Yes]\nLumora: Do you want to load the Second Month's Absences [Yes]"),
            std::string::npos)
      << out.str();

  const auto doc = Reopen(output);
  EXPECT_EQ(doc->FileDescriptor, "YULCRJCAM");
  EXPECT_EQ(doc->cal.MonthNumber, 2);
  EXPECT_EQ(doc->cal.MonthLength, 30);  // 31 January to 1 March
  EXPECT_GT(doc->LastPair, 100);
  EXPECT_GT(doc->ToolboxCount, 0);
  EXPECT_EQ(doc->PilotCount, 128);  // every step loaded its file
  const auto anyPilot = [&](auto has) {
    return std::any_of(doc->Pilots.begin(), doc->Pilots.begin() + doc->PilotCount, has);
  };
  EXPECT_TRUE(anyPilot([](const TPilot& p) { return p.DayCode[40] == "VAC"; }));  // next month
  EXPECT_TRUE(anyPilot([](const TPilot& p) { return p.CreditCarriedIn() > 0; }));
  EXPECT_EQ(doc->DaysOffBlockHolder, 12);
  EXPECT_EQ(settings.values.at("lm/buildingbase"), "6");
}

TEST_F(NewCommandTest, RefusesBadArgumentsAndStaysOnAnInvalidDescriptor) {
  using Change = std::function<void(NewCommandLine&)>;
  const std::pair<const char*, Change> bad[] = {
      {"month", [](NewCommandLine& l) { l.month = 13; }},
      {"year", [](NewCommandLine& l) { l.year = "27"; }},
      {"base", [](NewCommandLine& l) { l.base = "YXX"; }},
      {"eqp", [](NewCommandLine& l) { l.equipment = "A32"; }},
      {"status", [](NewCommandLine& l) { l.status = "PU"; }},
      {"alternate with base",
       [](NewCommandLine& l) {
         l.alternate = {"YVR", "DH8", "CA", "V"};
         l.base = "YVR";
       }},
      {"alternate status",
       [](NewCommandLine& l) {
         l.alternate = {"YVR", "DH8", "XX", "V"};
       }},
      {"next month alone", [](NewCommandLine& l) { l.absencesNext = "x"; }},
      {"prior pairings alone", [](NewCommandLine& l) { l.priorPairings = "x"; }},
      {"unreadable", [](NewCommandLine& l) { l.roster = "/no/such/perp.ext"; }},
  };
  const NewCommandLine good = line;
  for (const auto& [name, change] : bad) {
    line = good;
    change(line);
    EXPECT_EQ(Run(), kExitCannotRun) << name;
  }
  EXPECT_FALSE(std::filesystem::exists(output));

  line = good;
  line.alternate = {"YVR", "DH8", "CA", ""};
  EXPECT_EQ(Run(), kExitRefused);
  EXPECT_NE(out.str().find("YVRDH8CA Is Not a Valid Base/Eqp/Status/Pairing Combination [Cancel]"),
            std::string::npos)
      << out.str();
  EXPECT_FALSE(std::filesystem::exists(output));
}

}  // namespace
}  // namespace lumora::cli
