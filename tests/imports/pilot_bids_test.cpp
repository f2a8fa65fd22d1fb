#include "imports/pilot_bids.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "bid_rows.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "support/document_builder.h"
#include "support/import_rig.h"

namespace lumora::testing {
namespace {

using Strings = std::vector<std::string>;

// February 2027 as scheduled (31 January to 1 March) with the days after it.
class PilotBidsTest : public ::testing::Test, protected ImportRig {
 protected:
  PilotBidsTest() {
    DocumentBuilder(*doc)
        .month({31, 1, 2027}, {1, 3, 2027})
        .extended()
        .crew("A ALPHA", 1001)
        .crew("B BRAVO", 1002)
        .crew("C CHARLIE", 1003);
  }
  std::string import(const std::string& text) { return ImportPilotBids(*doc, text, services); }
  TPilot& crew(int c) { return doc->pilot(c); }
  Strings warningLines() const {
    for (const Shown& s : ui.shown)
      if (s.kind == Shown::Kind::List && s.caption == kBidsWarningsCaption) return s.lines;
    return {};
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  TempFolder folder;
};

TEST_F(PilotBidsTest, EachCrewMemberGetsTheBidThatStartsWithHisNumber) {
  const std::string text = "\"EmpNo\",\"Last\",\"First\"\r\n" +
                           // A's bid quotes B's number in a comment: it names no bid.
                           BidRow(1001).set(31, "ask \"001002\", for a swap").text() +
                           // B's row is cut short: it cannot be read, and C's next line still is.
                           "\"001002\",\"Bravo\",\"B\",\"b@example.com\r\n" +
                           BidRow(1003).set(20, "reserve").text() +
                           // A resubmission later in the file: the first bid counts.
                           BidRow(1003).set(20, "Pairings").set(2, "Later").text();
  const std::string warnings = import(text);

  EXPECT_NE(crew(0).BidText.find("COMMENTS THIS: ASK \"001002\", FOR A SWAP"), std::string::npos);
  EXPECT_EQ(crew(0).BidText1, "514-555-0101");
  EXPECT_EQ(crew(1).BidText, "");
  EXPECT_EQ(crew(2).BidText.substr(0, 24), "JEAN TREMBLAY    001003\n");
  EXPECT_EQ(crew(2).BidReserve, 1);
  EXPECT_EQ(crew(0).BidReserve, 0);
  EXPECT_EQ(warningLines(), (Strings{"* Bid Found but Unable to Extract Bid Data for B BRAVO  Emp "
                                     "Number 1002",
                                     "C CHARLIE Flagged as Bidding Reserve", ""}));
  EXPECT_EQ(clipboard.texts.back(),
            "* Bid Found but Unable to Extract Bid Data for B BRAVO  Emp Number "
            "1002\nC CHARLIE Flagged as Bidding Reserve\n\n");
  EXPECT_EQ(doc->Modified, 1);

  // Bids written one after the other on one line are found as well; a crew
  // member without a bid keeps his old one.
  ui.shown.clear();
  crew(1).BidText = "OLD";
  const std::string first = BidRow(1001).set(2, "Next").text();
  import(first.substr(0, first.size() - 2) + "," + BidRow(1003).set(2, "Line").text());
  EXPECT_EQ(crew(0).BidText.substr(0, 4), "NEXT");
  EXPECT_EQ(crew(1).BidText, "OLD");
  EXPECT_EQ(crew(2).BidText.substr(0, 4), "LINE");
  EXPECT_EQ(warningLines().front(), "No Bid Found for B BRAVO  Emp Number 1002");
}

TEST_F(PilotBidsTest, TheBidTextFollowsTheFieldsInItsOwnOrder) {
  import(BidRow(1001)
             .set(12, "3,+2")
             .set(22, "off 5-7, 12")
             .set(24, "M7123\vM7124")
             .set(25, "line\v")
             .set(31, "Thanks")
             .text());
  EXPECT_EQ(crew(0).BidText,
            "JEAN TREMBLAY    001001\n"
            "MAX DAYS: 18MAX DAYS RES:     CREW REST: 12    PAIR/RES: PAIRINGS    LBW: \n"
            "GDO: 3,+2   \n"
            "\n"
            "(1). OFF 5-7, 12\n"
            "(3). M7123 M7124\n"
            "(4). LINE\v\n"
            "\nPREF PAIRS: \n\nCOMMENTS THIS: THANKS\nCOMMENTS LAST: \n\n"
            "EMAIL: JT@EXAMPLE.COM   PH1: 514-555-0101   PH2: 514-555-0102\n"
            "HIST PDO: SUBMITTED: 2027-01-12 14:32:07");
}

TEST_F(PilotBidsTest, DayOffListsMarkRequestsOrFailWithTheirErrorText) {
  struct Case {
    const char* list;
    bool personal;
    const char* error;  // "" when the list is read
    std::vector<int> marked;
  };
  const Case cases[] = {
      {"", false, "", {}},
      {"3,+2", false, "", {3, 30}},
      // The period's own month is February: "+1" is 1 March, inside it.
      {"+1", true, "", {29}},
      {"31, 28", false, "", {0, 28}},
      {"1,2,3,4,5,6,7,8,9", false, "", {1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {"1,2,3,4,5,6,7,8,9,10", false, " ERROR! TO MANY GDOs ", {}},
      {"1,2,3,4,5,6,7,8,9,10", true, " ERROR! TO MANY PDOs ", {}},
      {"4,0", false, " ERROR! ", {}},
      {"32", true, " ERROR! ", {}},
      // A day that holds a pairing is marked all the same, and reported.
      {"6,10", false, " ERROR! ", {6, 10}},
  };
  for (const Case& c : cases) {
    TPilot pilot;
    pilot.Clear();
    pilot.DayCell[10] = 0;
    const int request = c.personal ? kPersonalDayOffRequest : kGuaranteedDayOffRequest;
    const auto error = MarkDayOffList(pilot, doc->cal, c.list, request, c.personal);
    EXPECT_EQ(error.value_or(""), c.error) << c.list;
    std::vector<int> marked;
    for (int i = 0; i < kBlockDays; ++i)
      if (pilot.DayRequest[static_cast<std::size_t>(i)] == request) marked.push_back(i);
    EXPECT_EQ(marked, c.marked) << c.list;
  }

  // In a bid the failed list carries its error text and a warning.
  import(BidRow(1002).set(13, "1,2,3,4,5,6,7,8,9,10").text());
  EXPECT_NE(crew(1).BidText.find("PDO1: 1,2,3,4,5,6,7,8,9,10 ERROR! TO MANY PDOS "),
            std::string::npos);
  EXPECT_EQ(warningLines()[1], "* PDO1 Load Error for B BRAVO  Emp Number 1002");
}

TEST_F(PilotBidsTest, TheCommandAsksRefusesAndReportsAsItShould) {
  const std::string file = (folder.path() / "bids.csv").string();
  std::ofstream(file, std::ios::binary) << BidRow(1001).text();

  // Cancel in the file dialog.
  ui.openResults.push_back({});
  EXPECT_EQ(LoadPilotBids(*doc, services), PilotBidsResult::Cancelled);
  EXPECT_EQ(ui.fileDialogs.at(0).title, "Load Pilot Bids");
  EXPECT_EQ(ui.fileDialogs.at(0).filter, "Pilot Bid Files(*.csv)|*.csv|All Files (*.*)|*.*");

  // Current bids: Yes and Yes delete them all before the file is read.
  crew(1).BidText = "OLD";
  ui.openResults.push_back({file});
  ui.answers = {Answer::Yes, Answer::Yes};
  int closed = 0, shown = 0;
  const PilotBidsHooks hooks{[&closed] { ++closed; }, [&shown] { ++shown; }};
  EXPECT_EQ(LoadPilotBids(*doc, services, hooks), PilotBidsResult::Imported);
  EXPECT_EQ(crew(1).BidText, "");
  EXPECT_EQ(crew(0).BidText.substr(0, 4), "JEAN");
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(shown, 1);

  // No keeps them; a file that cannot be opened changes nothing more.
  ui.shown.clear();
  crew(1).BidText = "OLD";
  ui.openResults.push_back({(folder.path() / "missing.csv").string()});
  ui.answers = {Answer::No};
  EXPECT_EQ(LoadPilotBids(*doc, services), PilotBidsResult::Unreadable);
  EXPECT_EQ(crew(1).BidText, "OLD");
  EXPECT_EQ(ui.last().text, "Unable to Open File " + (folder.path() / "missing.csv").string());
  EXPECT_EQ(ui.last().caption, "Lumora");

  doc->CrewType = static_cast<std::uint8_t>(CrewKind::FlightAttendants);
  EXPECT_EQ(LoadPilotBids(*doc, services), PilotBidsResult::Refused);
  EXPECT_EQ(ui.last().text, "This Feature is for Pilot Use Only");
}

}  // namespace
}  // namespace lumora::testing
