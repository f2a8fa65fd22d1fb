#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "model/code_table.h"
#include "model/document.h"
#include "platform/event_log.h"

namespace lumora {
namespace {

std::unique_ptr<TDocument> MakeDocument(CrewKind kind, const std::vector<TAbsence>& entries = {}) {
  auto doc = std::make_unique<TDocument>();
  doc->CrewType = static_cast<std::uint8_t>(kind);
  for (std::size_t i = 0; i < entries.size(); ++i) doc->ToolboxItems[i] = entries[i];
  doc->ToolboxCount = static_cast<std::int32_t>(entries.size());
  return doc;
}

TAbsence Entry(std::string code, std::string extract) {
  TAbsence entry;
  entry.Code = std::move(code);
  entry.CrewTracCode = std::move(extract);
  entry.ButtonText = "Entry " + entry.Code;
  entry.StartTime = 480;
  entry.EndTime = 960;
  entry.Credit = 240;
  entry.HardTime = 30;
  return entry;
}

std::vector<std::string> Codes(const std::vector<ToolboxItem>& buttons, std::size_t from = 12) {
  std::vector<std::string> codes;
  for (std::size_t i = from; i < buttons.size(); ++i) codes.push_back(buttons[i].code);
  return codes;
}

// The look-up reads the rows by column: every row must have them in place.
TEST(BuiltInCodeRows, EveryRowHasTheFixedColumns) {
  const auto rows = BuiltInCodeRows();
  ASSERT_EQ(rows.size(), 117u);
  for (std::size_t r = 0; r < rows.size(); ++r) {
    SCOPED_TRACE(r);
    const std::string_view row = rows[r];
    EXPECT_GE(row.size(), 138u);
    EXPECT_LE(row.size(), 140u);
    EXPECT_TRUE(row[6] == 'P' || row[6] == 'C');
    EXPECT_TRUE(row[0] != ' ' && row[71] != ' ' && row[72] != ' ');
    EXPECT_TRUE(row[123] == ':' && row[129] == ':');
    EXPECT_TRUE(row[28] == ':' || row.substr(26, 5) == "     ");
    EXPECT_TRUE(row[42] == 'D' || row[42] == 'N');
  }
}

TEST(LookupAssignmentCode, BuiltInRowsOfTheDocumentsCrewKind) {
  EventLog log;
  auto cabin = MakeDocument(CrewKind::FlightAttendants);
  auto pilots = MakeDocument(CrewKind::FirstOfficers);
  const auto vac = LookupAssignmentCode(*cabin, "VC", log);
  ASSERT_TRUE(vac);
  EXPECT_EQ(vac->code, "VAC");
  EXPECT_EQ(vac->credit, 170);
  EXPECT_EQ(vac->containsDuty, 0);
  EXPECT_FALSE(vac->carsDuty.has_value());  // the caller's value stays
  // A pilots' row, with its CARS duty column given.
  const auto pilotVac = LookupAssignmentCode(*pilots, "VC", log);
  ASSERT_TRUE(pilotVac && pilotVac->carsDuty.has_value());
  EXPECT_EQ(*pilotVac->carsDuty, 0);
  // The first match, never the later row; column 23 is not read here.
  const auto sew = LookupAssignmentCode(*pilots, "SW", log);
  ASSERT_TRUE(sew);
  EXPECT_EQ(sew->credit, 240);
  EXPECT_EQ(sew->containsDuty, 1);
  EXPECT_EQ(*sew->carsDuty, 1);
  EXPECT_EQ(sew->excludeCredit, 0);
  // Two-letter codes keep their blank; blank credit reads 0.
  const auto reserveA = LookupAssignmentCode(*pilots, "RA", log);
  ASSERT_TRUE(reserveA);
  EXPECT_EQ(reserveA->code, "RA ");
  EXPECT_EQ(reserveA->credit, 0);
  EXPECT_FALSE(LookupAssignmentCode(*pilots, "ZZ", log));
  EXPECT_FALSE(LookupAssignmentCode(*pilots, "RT", log));  // a cabin-only code
  EXPECT_FALSE(LookupAssignmentCode(*cabin, "SM", log));   // a pilots-only code
  // Reserve: pilots by extract code, cabin by the 3-character code.
  EXPECT_EQ(LookupAssignmentCode(*pilots, "RK", log)->reserve, 1);
  EXPECT_EQ(LookupAssignmentCode(*pilots, "67", log)->reserve, 0);
  EXPECT_EQ(LookupAssignmentCode(*cabin, "RE", log)->reserve, 1);
  EXPECT_EQ(LookupAssignmentCode(*cabin, "67", log)->reserve, 0);
}

TEST(LookupAssignmentCode, ToolboxEntriesReplaceTheTable) {
  EventLog log;
  TAbsence excluded = Entry("TRX", "TX");
  excluded.CreditCounts = 0;
  excluded.ContainsDuty = 1;
  excluded.CarsDuty = 1;
  auto pilots = MakeDocument(
      CrewKind::Captains, {Entry("RTB", "RA"), excluded, Entry("AAA", "16"), Entry("BBB", "16")});
  const auto rtb = LookupAssignmentCode(*pilots, "RA", log);
  ASSERT_TRUE(rtb);
  EXPECT_EQ(rtb->code, "RTB");
  EXPECT_EQ(rtb->reserve, 0);  // "RTB" is never reserve, whatever its extract code
  const auto trx = LookupAssignmentCode(*pilots, "TX", log);
  ASSERT_TRUE(trx);
  EXPECT_EQ(trx->excludeCredit, 1);
  EXPECT_EQ(*trx->carsDuty, 1);
  EXPECT_EQ(trx->hardTime, 30);
  EXPECT_EQ(LookupAssignmentCode(*pilots, "16", log)->code, "AAA");
  EXPECT_EQ(LookupAssignmentCode(*pilots, "16", log)->reserve, 1);
  EXPECT_FALSE(LookupAssignmentCode(*pilots, "VC", log));
  // Flight attendants: only the four reserve codes.
  auto cabin = MakeDocument(CrewKind::FlightAttendants, {Entry("AAA", "16"), Entry("RC", "RC")});
  EXPECT_EQ(LookupAssignmentCode(*cabin, "16", log)->reserve, 0);
  EXPECT_EQ(LookupAssignmentCode(*cabin, "RC", log)->reserve, 1);
}

TEST(ToolboxButtons, RequestButtonsThenTheBuiltInRowsOfTheCrewKind) {
  auto pilots = MakeDocument(CrewKind::FirstOfficers);
  const auto buttons = ToolboxButtons(*pilots);
  ASSERT_GT(buttons.size(), 12u);
  EXPECT_EQ(Codes(buttons, 0).at(11), "XM");
  EXPECT_EQ(buttons[3].message, "X4 Forth Request");
  EXPECT_EQ(buttons[11].message, "XM Off in the Middle of Day");
  EXPECT_EQ(buttons[9].credit, -10);
  const std::vector<std::string> codes = Codes(buttons);
  EXPECT_EQ(codes.front(), "4HS");
  EXPECT_EQ(codes.back(), "PSD");
  // Rows after 88 serve the look-up only; cabin rows are not offered.
  for (const char* absent : {"IPW", "TVW", "SCK", "RTA", "5HS", "REC"})
    EXPECT_EQ(std::count(codes.begin(), codes.end(), absent), 0) << absent;
  const ToolboxItem rb = *FindToolboxButton(*pilots, "RB");
  EXPECT_EQ(rb.message, "Reserve B");
  EXPECT_EQ(rb.start, 720);
  EXPECT_EQ(rb.timeAtWork, 840);  // 12:00 to 02:00
  EXPECT_EQ(rb.reserve, 1);
  EXPECT_EQ(FindToolboxButton(*pilots, "SEW")->excludeCredit, 1);  // column 23 counts here

  auto cabin = MakeDocument(CrewKind::FlightAttendants);
  EXPECT_EQ(Codes(ToolboxButtons(*cabin)).front(), "5HS");
  EXPECT_EQ(FindToolboxButton(*cabin, "RE")->reserve, 1);
  EXPECT_EQ(FindToolboxButton(*cabin, "REC")->excludeCredit, 1);
  EXPECT_FALSE(FindToolboxButton(*cabin, "SIM"));
  EXPECT_EQ(ToolboxCaption(*cabin), "Default ToolBox");
}

TEST(ToolboxButtons, EntriesMarkedForTheToolbox) {
  TAbsence hidden = Entry("HID", "HD");
  hidden.InToolbox = 0;
  TAbsence overnight = Entry("NGT", "NG");
  overnight.StartTime = 1320;
  overnight.EndTime = 360;
  overnight.CreditCounts = 0;
  auto pilots = MakeDocument(CrewKind::Captains, {Entry("RSV", "AT"), hidden, Entry("RTB", "RA"),
                                                  overnight, Entry("AAA", "16")});
  pilots->ToolboxDate = "2026-07-01";
  const auto buttons = ToolboxButtons(*pilots);
  // Reserve extract codes name their buttons, "16" does not.
  EXPECT_EQ(Codes(buttons), (std::vector<std::string>{"AT", "RA", "NGT", "AAA"}));
  EXPECT_EQ(buttons[12].message, "Entry RSV");
  EXPECT_EQ(buttons[13].reserve, 0);  // "RTB"
  EXPECT_EQ(buttons[14].timeAtWork, 480);
  EXPECT_EQ(buttons[14].excludeCredit, 1);
  EXPECT_EQ(buttons[15].reserve, 1);
  EXPECT_EQ(ToolboxCaption(*pilots), "ToolBox Date 2026-07-01");
  // Cabin documents name only the four reserve codes after the extract code.
  auto cabin = MakeDocument(CrewKind::FlightAttendants, {Entry("RSV", "AT"), Entry("RSC", "RC")});
  EXPECT_EQ(Codes(ToolboxButtons(*cabin)), (std::vector<std::string>{"RSV", "RC"}));
}

TEST(ToolboxButtons, TheWindowHoldsAtMostThreeHundred) {
  std::vector<TAbsence> entries(300, Entry("TRN", "TN"));
  entries[299] = Entry("END", "EN");
  auto pilots = MakeDocument(CrewKind::Captains, entries);
  EXPECT_EQ(ToolboxButtons(*pilots).size(), 300u);
  EXPECT_EQ(ToolboxButtons(*pilots).back().code, "TRN");
  // Stored entries may hold any times; the time at work does not overflow.
  pilots->ToolboxItems[0].StartTime = INT32_MIN;
  pilots->ToolboxItems[0].EndTime = INT32_MAX;
  EXPECT_EQ(ToolboxButtons(*pilots)[12].timeAtWork, INT32_MAX);
  pilots->ToolboxCount = 5000;  // a count beyond the table is taken as the table
  EXPECT_EQ(ToolboxButtons(*pilots).size(), 300u);
}

TEST(DayRequestName, NamesOfTheRequestNumbers) {
  const std::vector<std::pair<int, std::string>> names = {
      {1, "X1"}, {10, "XA"}, {12, "XM"},  {13, "RGD"}, {14, "RPD"}, {15, ""},
      {19, ""},  {20, "X1"}, {51, "X32"}, {52, ""},    {0, ""},     {-3, ""}};
  for (const auto& [number, name] : names) EXPECT_EQ(DayRequestName(number), name) << number;
}

}  // namespace
}  // namespace lumora
