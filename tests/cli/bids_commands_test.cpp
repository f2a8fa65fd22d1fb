#include "bids_commands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "batch_ui.h"
#include "commands.h"
#include "files/temp_folder.h"
#include "schedule_files.h"

namespace lumora::cli {
namespace {

// A bid of crew member 11 with three requests, as the bidding form writes it.
constexpr const char* kBidFile =
    "\"000011\",\"Alpha\",\"A\",\"a@example.com\",\"514-555-0101\",\"\",\"\",\"\",\"\",\"\",\"\","
    "\"4,+2\",\"\",\"\",\"\",\"\",\"\",\"17\",\"12\",\"Pairings\",\"\",\"OFF 10-12\","
    "\"M0101 M0102 M0555\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"2027-01-12\","
    "\"14:32:07\",\"end_x_bid\"\r\n";

class BidsCommandsTest : public ::testing::Test {
 protected:
  BidsCommandsTest() {
    auto doc = TwoCrewMonth({1, 7, 2026}, {31, 7, 2026});
    testing::DocumentBuilder(*doc)
        .pairing(testing::PairingValues(101).Prefix("M"))
        .pairing(testing::PairingValues(102).Prefix("M"));
    doc->pilot(1).BidText = "OLD BID";
    SaveSchedule(*doc, input);
    doc->CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
    SaveSchedule(*doc, cabin);
    std::ofstream(bidsFile, std::ios::binary) << kBidFile;
  }

  testing::TempFolder folder;
  std::string input = (folder / "in.lm2").string();
  std::string cabin = (folder / "cabin.lm2").string();
  std::string output = (folder / "out.lm2").string();
  std::string bidsFile = (folder / "bids.csv").string();
  std::ostringstream out, err;
};

TEST_F(BidsCommandsTest, ImportBidsAnswersItsQuestionsAndReportsOnStderr) {
  struct Case {
    std::string file;
    std::string bids;
    bool yes;
    int status;
    std::string oldBid;  // crew member 1's bid afterwards
    std::string stderrStart;
  };
  const std::string missing = (folder / "none.csv").string();
  const Case cases[] = {
      {input, bidsFile, false, kExitOk, "OLD BID",
       "Current Bids will be replaced on an individual basis"},
      {input, bidsFile, true, kExitOk, "", "Current Bids will be replaced on an individual basis"},
      {input, missing, true, kExitRefused, "", "Current Bids"},
      {cabin, bidsFile, false, kExitRefused, "OLD BID", "This Feature is for Pilot Use Only"},
  };
  for (const Case& c : cases) {
    err.str("");
    BatchUi ui{err, c.yes};
    EXPECT_EQ(RunImportBids(c.file, c.bids, output, ui), c.status) << c.bids;
    EXPECT_NE(err.str().find(c.stderrStart), std::string::npos) << err.str();
    const auto written = Reopen(output);
    EXPECT_EQ(written->pilot(1).BidText, c.oldBid) << c.bids;
    if (c.bids == missing) {
      EXPECT_NE(err.str().find("Unable to Open File " + missing), std::string::npos);
    }
    if (c.status != kExitOk) continue;
    EXPECT_EQ(written->pilot(0).BidText.substr(0, 20), "ALPHA A    000011\nMA");
    EXPECT_EQ(written->pilot(0).DayRequest[3], 13);
    EXPECT_EQ(written->pilot(0).DayRequest[32], 13);
    EXPECT_NE(err.str().find("Missing Bids / Warnings.  List Copied to Windows Clipboard\n"
                             "No Bid Found for B BRAVO  Emp Number 12\n"),
              std::string::npos);
  }
}

TEST_F(BidsCommandsTest, BidsPrintsThePanesAndPressesTheButtons) {
  BatchUi importUi{err, false};
  ASSERT_EQ(RunImportBids(input, bidsFile, input, importUi), kExitOk);

  struct Case {
    BidsOptions options;
    std::string file;
    int status;
    std::string stdoutText;
  };
  const std::string guess =
      "--- Requested Days Off ---\n10, 11, 12, \n\n--- Requested Pairings ---\n0101, 0102, \n";
  const std::string noFilters = "--- Pairing Filters: ---\nNo Filters. Click to Edit\n";
  const Case cases[] = {
      {{0, false, false, ""}, input, kExitOk, "1. A ALPHA\n" + noFilters + guess},
      {{},
       input,
       kExitOk,
       "1. A ALPHA\n" + noFilters + guess + "2. B BRAVO\n" + noFilters +
           "--- Requested Days Off ---\n\n--- Requested Pairings ---\n"},
      {{0, true, true, output},
       input,
       kExitOk,
       "1. A ALPHA\n--- Pairing Filters: ---\nAlways Show:\n0101, 0102, \n" + guess},
      {{std::nullopt, true, false, ""}, input, kExitCannotRun, ""},
      {{2, false, false, ""}, input, kExitCannotRun, ""},
      {{0, false, false, ""}, cabin, kExitRefused, ""},
  };
  for (const Case& c : cases) {
    out.str("");
    BatchUi ui{err, false};
    EXPECT_EQ(RunBids(c.file, c.options, ui, out), c.status);
    EXPECT_EQ(out.str(), c.stdoutText);
  }
  const auto written = Reopen(output);
  EXPECT_EQ(written->pilot(0).PairingFilterText, "01010102TEXT");
  EXPECT_EQ(written->pilot(0).DayRequest[9], 20);
  EXPECT_EQ(written->pilot(0).DayRequest[11], 20);
  EXPECT_EQ(written->pilot(0).DayRequest[3], 13);
  EXPECT_NE(err.str().find("This Feauture is for Pilot use only."), std::string::npos);
}

}  // namespace
}  // namespace lumora::cli
