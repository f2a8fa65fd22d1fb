#include "rules_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

class RulesCommandsTest : public ::testing::Test {
 protected:
  // Two captains in July; pairing 0 is open on day 3, taken by B on day 4.
  std::string WriteMonth() {
    doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder build(*doc);
    build.pairing(testing::PairingValues(4711).Days({3, 4}).OnTime(480).TAFB(600).Length(1));
    build.place(1, 0, 4);
    doc->Pilots[1].PairingFilterText = "4711TEXT";
    doc->MinCredit = 0;  // nobody below the block-holder line
    SaveSchedule(*doc, folder / "month.lm2");
    return (folder / "month.lm2").string();
  }

  std::unique_ptr<TDocument> doc;
  testing::TempFolder folder;
  BatchUi ui{false};
  std::ostringstream out;
  std::ostringstream err;
};

TEST_F(RulesCommandsTest, WhosLegalPrintsCaptionListsAndTheEmptyLineBetween) {
  const std::string file = WriteMonth();
  EXPECT_EQ(RunWhosLegal(file, 0, 3, ui, out, err), kExitOk);
  EXPECT_EQ(out.str(), "Lumora - 4711 on 04 Jul\n001 A ALPHA\n002 B BRAVO\n\n002 <<< B BRAVO\n");

  // Not an open instance, or an index out of range: nothing on stdout.
  for (const auto& [pairing, day] : {std::pair{0, 4}, {0, 5}, {1, 3}, {-1, 3}, {0, 31}, {0, -1}}) {
    std::ostringstream none;
    EXPECT_EQ(RunWhosLegal(file, pairing, day, ui, none, err), kExitCannotRun) << pairing << day;
    EXPECT_EQ(none.str(), "");
  }
  EXPECT_NE(err.str(), "");
}

}  // namespace
}  // namespace lumora::cli
