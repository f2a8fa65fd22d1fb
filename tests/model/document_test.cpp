#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "files/temp_folder.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClearDocument(doc, log);
    // A 30-day month starting on the 1st.
    doc.cal.MonthLength = 30;
    for (int d = 0; d < 30; ++d) doc.cal.MonthDays[d] = {d + 1, 6, 2027};
  }

  std::string LogText() {
    log.close();
    const auto bytes = testing::ReadBytes(logPath);
    return std::string(bytes.begin(), bytes.end());
  }

  int AddPilot(const std::string& name) { return build.crew(name, 0).lastCrew(); }
  int AddPair(int number, int startDay) {
    return build.pairing(testing::PairingValues(number).Days({startDay})).lastPairing();
  }

  // Each test has its own; the program keeps one for the whole run, which
  // the tests of ClearDocument show by clearing it in place.
  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  testing::DocumentBuilder build{doc};
  testing::TempFolder folder;
  std::filesystem::path logPath = folder / "log.txt";
  EventLog log;
  testing::ScriptedUi ui;
};

TEST_F(DocumentTest, ClearDocumentResetsTheFileAndKeepsWhatItShould) {
  ASSERT_TRUE(log.open(logPath));
  const TPair* lastPair = &doc.Pairs[3000];
  AddPilot("A ONE");
  AddPair(1001, 2);
  doc.CrewType = 2;
  doc.SharedNotes = "notes of the last file";
  doc.AirportDetails = "YUL,-0500,00:30,Y,";
  doc.DaysOffReserve = 11;
  doc.MaxCredit = 1;
  doc.CheckPilotMaxCredit = 0;
  doc.FileName = "/tmp/june.lm2";
  doc.ToolboxCount = 12;
  doc.Modified = 1;
  doc.ShowAssignedPairs = 0;
  doc.cal.MonthText = "Jun";
  doc.cal.PrevMonthDays[30] = {31, 5, 2027};
  doc.PairFilters[19] = "1234";
  doc.view.selection = {4, 5, 6};
  doc.view.searchChecks.fill(0);
  doc.AutoSaveCountdown = 3;

  ClearDocument(doc, log);
  EXPECT_EQ(LogText(), "BeginDeleteAll\nZeroDataBegin\nZeroDataEnd\nEndDeleteAll\n");
  EXPECT_EQ(&doc.Pairs[3000], lastPair);  // the arrays never move
  EXPECT_EQ(doc.PilotCount, 0);
  EXPECT_EQ(doc.LastBasePair, -1);
  EXPECT_EQ(doc.ToolboxCount, 0);
  EXPECT_EQ(doc.cal.MonthLength, 0);
  EXPECT_EQ(doc.FileName, "");
  EXPECT_EQ(doc.MaxCredit, 4800);
  EXPECT_EQ(doc.CheckPilotMaxCredit, 5400);
  EXPECT_EQ(doc.Modified, 0);
  EXPECT_EQ(doc.ShowAssignedPairs, 1);
  EXPECT_EQ(doc.PairFilters[19], "");
  EXPECT_EQ(doc.cal.PrevMonthDays[30][0], 0);
  EXPECT_EQ(doc.view.selection.pair, -1);
  EXPECT_EQ(doc.view.searchChecks[3], 1);
  EXPECT_EQ(doc.AutoSaveCountdown, 20);
  EXPECT_EQ(doc.Pilots[0].Name, "");

  // What a new document inherits from the previous one.
  EXPECT_EQ(doc.CrewType, 2);
  EXPECT_EQ(doc.SharedNotes, "notes of the last file");
  EXPECT_EQ(doc.AirportDetails, "YUL,-0500,00:30,Y,");
  EXPECT_EQ(doc.DaysOffReserve, 11);
  EXPECT_EQ(doc.cal.MonthText, "Jun");
}

TEST_F(DocumentTest, ZeroDataLeavesTheLastPairingSlotAlone) {
  doc.Pairs[3000].Number = 42;
  doc.Pairs[2999].Number = 41;
  AddPilot("B TWO");
  ZeroData(doc, false, true, log);
  EXPECT_EQ(doc.Pairs[3000].Number, 42);
  EXPECT_EQ(doc.Pairs[2999].Number, 0);
  EXPECT_EQ(doc.PilotCount, 1);  // crew untouched
  ZeroData(doc, true, false, log);
  EXPECT_EQ(doc.PilotCount, 0);
  EXPECT_EQ(doc.Pilots[0].Name, "");
  doc.Pairs[3000].Clear();
}

TEST_F(DocumentTest, RepairAssignmentsRederivesMarksAndReportsBadCells) {
  const int a = AddPilot("A ONE");
  const int b = AddPilot("B TWO");
  const int p0 = AddPair(1001, 4);
  const int p1 = AddPair(1002, 6);
  doc.Pairs[p1].DayStatus[6] = -kAssignedInstance;  // stale extra-crew mark, no holder
  doc.Pairs[p0].DayStatus[4] = kAssignedInstance;

  doc.Pilots[a].DayCell[4] = p0;
  doc.Pilots[b].DayCell[4] = p0;      // the same instance twice: the second loses it
  doc.Pilots[a].DayCell[7] = p1;      // p1 does not start on day 7
  doc.Pilots[a].DayCell[9] = p1 + 1;  // an unused slot
  doc.Pilots[b].DayCell[10] = -3;
  doc.Pilots[b].DayCell[11] = kOtherAssignmentCell;
  doc.Pilots[b].DayCell[40] = 999;  // after the month: not examined

  RepairAssignments(doc, ui);

  EXPECT_EQ(doc.Pilots[a].DayCell[4], p0);
  EXPECT_EQ(doc.Pairs[p0].DayStatus[4], kAssignedInstance);
  EXPECT_EQ(doc.Pilots[b].DayCell[4], kEmptyCell);
  EXPECT_EQ(doc.Pilots[a].DayCell[7], kEmptyCell);
  EXPECT_EQ(doc.Pilots[a].DayCell[9], kEmptyCell);
  EXPECT_EQ(doc.Pilots[b].DayCell[10], kEmptyCell);
  EXPECT_EQ(doc.Pilots[b].DayCell[11], kOtherAssignmentCell);
  EXPECT_EQ(doc.Pilots[b].DayCell[40], 999);
  EXPECT_EQ(doc.Pairs[p1].DayStatus[6], -kOpenInstance);

  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Error 101 Emp A ONE Day 8"
            "Error 100 Emp A ONE "
            "Error 101 Emp B TWO Day 5"
            "Error 100 Emp B TWO "
            " Errors Corrected OK to proceed");
  EXPECT_EQ(ui.shown[0].caption, "Lumora");
  EXPECT_EQ(ui.shown[0].icon, Icon::Information);

  // Once repaired there is nothing more to say.
  RepairAssignments(doc, ui);
  EXPECT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(doc.Pairs[p0].DayStatus[4], kAssignedInstance);
}

TEST_F(DocumentTest, ExtraCrewMarksForFirstOfficersNotFlightAttendants) {
  ASSERT_TRUE(log.open(logPath));
  doc.CrewType = 1;
  const int pseudo = AddPilot("CAPT PAIRINGS");
  doc.Pilots[pseudo].EmpNumber = -1;
  const int normal = AddPilot("C THREE");
  const int p0 = AddPair(2001, 3);
  const int p1 = AddPair(2002, 5);
  doc.Pairs[p0].DayStatus[3] = kAssignedInstance;
  doc.Pairs[p1].DayStatus[5] = kAssignedInstance;
  doc.Pilots[pseudo].DayCell[3] = p0;
  doc.Pilots[normal].DayCell[5] = p1;

  FlagExtraCrewPairs(doc, log);
  EXPECT_EQ(doc.Pairs[p0].DayStatus[3], -kAssignedInstance);
  EXPECT_EQ(doc.Pairs[p1].DayStatus[5], kAssignedInstance);
  EXPECT_EQ(LogText(), "FlagTwoCaptPairsBegin\nFlagTwoCaptPairsEnd\n");

  // Flight attendants have no extra-crew pairings.
  doc.CrewType = 2;
  doc.Pairs[p0].DayStatus[3] = kAssignedInstance;
  FlagExtraCrewPairs(doc, log);
  EXPECT_EQ(doc.Pairs[p0].DayStatus[3], kAssignedInstance);
  doc.CrewType = 0;
}

TEST_F(DocumentTest, ExtraCrewMarksForCaptainCopies) {
  doc.CrewType = 0;
  const int base = AddPair(3001, 2);
  doc.Pairs[base].DayStatus[9] = kOpenInstance;
  const int other = AddPair(3002, 2);
  const int sameNumber = AddPair(3001, 9);  // a later base pairing with the same number
  // Without copies nothing is marked.
  FlagExtraCrewPairs(doc, log);
  for (int p : {base, other, sameNumber})
    for (int d = 0; d < 31; ++d) EXPECT_GE(doc.Pairs[p].DayStatus[d], 0);

  const int copy = ++doc.LastPair;  // copy for a second captain
  doc.Pairs[copy].Number = 3001;
  doc.Pairs[copy].DayStatus[9] = kAssignedInstance;
  const int idle = ++doc.LastPair;  // a copy with no operating day
  doc.Pairs[idle].Number = 3002;

  FlagExtraCrewPairs(doc, log);
  EXPECT_EQ(doc.Pairs[copy].DayStatus[9], -kAssignedInstance);
  EXPECT_EQ(doc.Pairs[base].DayStatus[9], -kOpenInstance);  // the first with that number
  EXPECT_EQ(doc.Pairs[base].DayStatus[2], kOpenInstance);
  EXPECT_EQ(doc.Pairs[sameNumber].DayStatus[9], kOpenInstance);
  EXPECT_EQ(doc.Pairs[other].DayStatus[2], kOpenInstance);
}

TEST_F(DocumentTest, TheRangesInUseStayInsideTheRecordArraysWhateverTheCounts) {
  struct Case {
    std::int32_t count;  // PilotCount, LastPair + 1, ToolboxCount and MonthLength alike
    int roster, lastPair, toolbox, days;
  };
  // Negative and oversized counts are what a damaged file can bring.
  for (const Case& c :
       {Case{-5, 0, -1, 0, 0}, Case{0, 0, -1, 0, 0}, Case{30, 30, 29, 30, 30},
        Case{40, 40, 39, 40, 31}, Case{999, 999, 998, 300, 31}, Case{5000, 999, 3000, 300, 31}}) {
    doc.PilotCount = c.count;
    doc.LastPair = c.count - 1;
    doc.ToolboxCount = c.count;
    doc.cal.MonthLength = c.count;
    EXPECT_EQ(doc.rosterSize(), c.roster) << c.count;
    EXPECT_EQ(doc.lastPairIndex(), c.lastPair) << c.count;
    EXPECT_EQ(doc.toolboxSize(), c.toolbox) << c.count;
    EXPECT_EQ(doc.monthDays(), c.days) << c.count;
    EXPECT_FALSE(doc.isRosterIndex(-1));
    EXPECT_EQ(doc.isRosterIndex(c.roster - 1), c.roster > 0) << c.count;
    EXPECT_FALSE(doc.isRosterIndex(c.roster)) << c.count;
    EXPECT_FALSE(doc.isPairIndex(-1));
    EXPECT_EQ(doc.isPairIndex(c.lastPair), c.lastPair >= 0) << c.count;
    EXPECT_FALSE(doc.isPairIndex(c.lastPair + 1)) << c.count;
  }
  // The accessors name every slot, the scratch crew slot and the last pairing slot included.
  EXPECT_EQ(&doc.pilot(kPilotSlots - 1), &doc.Pilots[kPilotSlots - 1]);
  EXPECT_EQ(&doc.pair(kPairSlots - 1), &doc.Pairs[kPairSlots - 1]);
  EXPECT_EQ(&std::as_const(doc).toolboxItem(0), &doc.ToolboxItems[0]);
  ClearDocument(doc, log);
}

}  // namespace
}  // namespace lumora
