#include "filter_commands.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

// The same July twice, for captains and for flight attendants: A ALPHA (LTC,
// stored filter 0104), B BRAVO (block complete), C CHARLIE; pairings 101,
// 102 (two positions) and 104.
class FilterCommandsTest : public ::testing::Test {
 protected:
  FilterCommandsTest() {
    for (const bool cabin : {false, true}) {
      auto doc = testing::DocumentBuilder().july2026().take();
      testing::DocumentBuilder b(*doc);
      b.kind(cabin ? CrewKind::FlightAttendants : CrewKind::Captains).descriptor("YULA32CAK");
      b.crew("A ALPHA").crew("B BRAVO").crew("C CHARLIE");
      doc->Pilots[0].SpecialQual() = 1;
      doc->Pilots[0].PairingFilterText = "0104TEXT";
      doc->Pilots[1].BlockComplete() = 1;
      doc->Pilots[1].PairingFilterText = "0102TEXTYQB;";
      const char* texts[] = {"YUL-YTZ", "YUL-YYZ", "YUL-YYZ", "YUL-YQB"};
      const int numbers[] = {101, 102, 102, 104};
      for (int i = 0; i < 4; ++i) {
        b.pairing(testing::PairingValues(numbers[i]).Days({2 + i}).Length(1).CreditPerDay(300));
        doc->Pairs[static_cast<std::size_t>(i)].DisplayText = texts[i];
      }
      SaveSchedule(*doc, cabin ? cabinFile : pilotFile);
    }
  }

  testing::TempFolder folder;
  std::string pilotFile = (folder / "captains.lm2").string();
  std::string cabinFile = (folder / "cabin.lm2").string();
  std::string output = (folder / "out.lm2").string();
};

TEST_F(FilterCommandsTest, FilterPairings) {
  const struct {
    bool cabin;
    PairingFilterRequest request;
    bool yes;
    int status;
    const char* printed;
  } cases[] = {
      {false, {1, {}, false, {}, {}}, false, kExitOk, "1 1 0102\n2 1 0102\n3 2 0104\n"},
      {false, {{}, {}, false, {}, {}}, false, kExitCannotRun, ""},
      {false, {1, {}, true, {}, {}}, false, kExitCannotRun, ""},
      {false, {3, {}, false, {}, {}}, false, kExitCannotRun, ""},
      {true, {{}, {101}, false, "YQB", {}}, false, kExitRefused, ""},
      {true, {{}, {101}, false, "YQB", {}}, true, kExitOk, "0 1 0101\n3 2 0104\n"},
      {true, {{}, {999}, false, {}, {}}, true, kExitCannotRun, ""},
      {true, {0, {}, true, "Z;", 2}, false, kExitOk, "0 1 0101\n1 1 0102\n2 1 0102\n"},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    BatchUi ui{err, c.yes};
    const int status =
        RunFilterPairings(c.cabin ? cabinFile : pilotFile, output, c.request, ui, out);
    EXPECT_EQ(status, c.status) << c.printed << err.str();
    EXPECT_EQ(out.str(), c.printed);
  }
  // The last case saved its filter to C CHARLIE and made its text the most
  // recent one; the marks are not kept.
  const auto written = Reopen(output);
  EXPECT_EQ(written->Pilots[2].PairingFilterText, "010101020102TEXTZ;");
  EXPECT_EQ(written->PairFilters[0], "Z;");
  EXPECT_EQ(written->Pairs[0].FilterState, 0);
}

TEST_F(FilterCommandsTest, Order) {
  const struct {
    bool cabin;
    std::optional<std::string> search;
    std::string in;
    std::vector<std::string> filters;
    int status;
    const char* printed;
  } cases[] = {
      {false, {}, "", {}, kExitOk, "0 A ALPHA\n1 B BRAVO\n2 C CHARLIE\n"},
      {false, {}, "", {"hidecompleted"}, kExitOk, "0 A ALPHA\n2 C CHARLIE\n"},
      {false, {}, "", {"HideCompleted", "ShowLTC"}, kExitOk, "0 A ALPHA\n"},
      {false, "charlie", "", {"FilterSearch"}, kExitOk, "2 C CHARLIE\n"},
      {false, "charlie", "empnums,pairs", {"FilterSearch"}, kExitOk, ""},
      {false, {}, "", {"FilterSearch"}, kExitOk, "0 A ALPHA\n1 B BRAVO\n2 C CHARLIE\n"},
      {false, {}, "", {"HideEverything"}, kExitCannotRun, ""},
      {false, {}, "names,crew", {}, kExitCannotRun, ""},
      {true, {}, "", {"HideCheckPilots"}, kExitCannotRun, ""},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    BatchUi ui{err, false};
    EXPECT_EQ(RunOrder(c.cabin ? cabinFile : pilotFile, c.search, c.in, c.filters, ui, out),
              c.status)
        << c.printed;
    EXPECT_EQ(out.str(), c.printed);
  }
}

TEST_F(FilterCommandsTest, Search) {
  std::string many;
  for (int i = 0; i < 21; ++i) many += "Q ";
  const struct {
    std::string text;
    std::string in;
    const char* printed;
    bool refused;
  } cases[] = {
      {"bravo, 1000", "", "0 empnums\n1 names\n", false},
      {"bravo 1000", "names", "1 names\n", false},
      {"  ", "", "0 empty\n1 empty\n2 empty\n", false},
      {many + "ALPHA", "", "", true},
  };
  for (const auto& c : cases) {
    std::ostringstream out, err;
    BatchUi ui{err, false};
    EXPECT_EQ(RunSearch(pilotFile, c.text, c.in, ui, out), kExitOk);
    EXPECT_EQ(out.str(), c.printed) << c.text;
    EXPECT_EQ(err.str().find("Maximun of 20 Search Strings allowed") != std::string::npos,
              c.refused)
        << err.str();
  }
}

}  // namespace
}  // namespace lumora::cli
