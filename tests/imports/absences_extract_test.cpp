#include "imports/absences_extract.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "extract_lines.h"
#include "files/schedule_file.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "support/import_rig.h"
#include "support/scripted_ui.h"

namespace lumora::testing {
namespace {

using Strings = std::vector<std::string>;

class AbsencesExtractTest : public ::testing::Test, protected lumora::testing::ImportRig {
 protected:
  AbsencesExtractTest() {
    // February 2027 as scheduled: 31 January to 1 March, 30 days.
    FillCalendar(doc->cal, ToDayNumber({31, 1, 2027}), ToDayNumber({1, 3, 2027}));
    doc->PilotCount = 3;
    const char* names[] = {"A ALPHA", "B BRAVO", "C CHARLIE"};
    for (int c = 0; c < 3; ++c) {
      doc->Pilots[c].Name = names[c];
      doc->Pilots[c].EmpNumber = 100 + c;
    }
    doc->Pilots[2].EmpNumber = 101;  // a second line with B's number
    doc->LastPair = 0;
    doc->Pilots[1].DayCell[4] = 0;  // a pairing on day index 4
    doc->Pilots[0].DayCell[9] = kOtherAssignmentCell;
    doc->Pilots[0].DayCode[9] = "OLD";
  }
  bool load(const std::string& text, bool nextMonth = false) {
    std::istringstream in(text);
    return LoadAbsencesExtractFrom(*doc, in, nextMonth, services, [this] { ++closed; });
  }
  std::string write(const std::string& stem, const std::string& text) {
    const auto path = folder.path() / (stem + "absp.ext");
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }
  Strings warnings() const {
    for (const Shown& s : ui.shown)
      if (s.kind == Shown::Kind::List && s.caption == kAbsencesWarningsCaption) return s.lines;
    return {};
  }
  void addToolboxEntry(const std::string& code, const std::string& extract, bool cars) {
    TAbsence& entry = doc->ToolboxItems[doc->ToolboxCount++];
    entry.Code = code;
    entry.CrewTracCode = extract;
    entry.Credit = 240;
    entry.HardTime = 30;
    entry.ContainsDuty = 1;
    entry.CarsDuty = cars ? 1 : 0;
    entry.CreditCounts = 0;
  }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  TempFolder folder;
  int closed = 0;
};

TEST_F(AbsencesExtractTest, WritesTheDaysOfEachEntry) {
  const std::string text = Lines({
      AbsenceLine(100, {{"VC", 2, 3, 720, 960}, {"ZZ", 10, 10, 1320, 360}, {"  ", 20, 20}}),
      AbsenceLine(101, {{"VC", 4, 6}}),   // day index 4 holds a pairing
      AbsenceLine(555, {{"VC", 1, 30}}),  // not on the roster
  });
  ASSERT_TRUE(load(text));
  const TPilot& a = doc->Pilots[0];
  EXPECT_EQ(a.DayCell[0], kEmptyCell);
  for (const std::size_t d : {1u, 2u}) {
    EXPECT_EQ(a.DayCell[d], kOtherAssignmentCell);
    EXPECT_EQ(a.DayCode[d], "VAC");
    EXPECT_EQ(a.DayCrewTracCode[d], "VC");
    EXPECT_EQ(a.DayOther[d][kOtherStartTime], 720);
    EXPECT_EQ(a.DayOther[d][kOtherHoursAtWork], 240);
    EXPECT_EQ(a.DayOther[d][kOtherCredit], 170);
  }
  // Unknown code over another assignment: written bare, through midnight.
  EXPECT_EQ(a.DayCode[9], "ZZ");
  EXPECT_EQ(a.DayOther[9][kOtherHoursAtWork], 480);
  EXPECT_EQ(a.DayOther[9][kOtherCredit], 0);
  EXPECT_EQ(a.DayCell[19], kEmptyCell);  // after the blank code
  // The first crew member with the number takes the line; the pairing stays.
  EXPECT_EQ(doc->Pilots[1].DayCell[4], 0);
  EXPECT_EQ(doc->Pilots[1].DayCode[5], "VAC");
  EXPECT_EQ(doc->Pilots[2].DayCell[5], kEmptyCell);
  EXPECT_EQ(warnings(), (Strings{"No Matching Code for ZZ", " No Credit or Duty Info Recorded",
                                 "Cannot Assign Code VC in 2 B BRAVO on day 05 Due Pairing "
                                 "Assigned",
                                 ""}));
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(doc->FreshDocument, 0);
}

TEST_F(AbsencesExtractTest, BoundsOfLinesAndDays) {
  struct Case {
    const char* what;
    std::string text;
    bool nextMonth;
    std::vector<int> days;  // day indexes of A written
    Strings warnings;
  };
  const Strings outside{"Cannot Assign Code VC in 1 A ALPHA on Days Outside the Schedule", ""};
  std::string cut = AbsenceLine(100, {{"VC", 1, 1}, {"VC", 2, 2}}).substr(0, 9 + 14 + 1);
  const Case cases[] = {
      {"next month lands after the month's 30 days",
       Lines({AbsenceLine(100, {{"VC", 1, 3}})}),
       true,
       {30, 31, 32},
       {}},
      {"days past the last cell are dropped",
       Lines({AbsenceLine(100, {{"VC", 30, 33}})}),
       true,
       {59, 60, 61},
       outside},
      {"day 0 has no cell", Lines({AbsenceLine(100, {{"VC", 0, 1}})}), false, {0}, outside},
      {"nor in the next month", Lines({AbsenceLine(100, {{"VC", 0, 1}})}), true, {30}, outside},
      {"a code that does not fit ends the line", cut + "\n", false, {0}, {}},
      {"the line after 99999 is not read",
       Lines({AbsenceLine(99999, {}), AbsenceLine(100, {{"VC", 1, 1}})}),
       false,
       {},
       {}},
      {"a short line ends the file",
       Lines({"123456789", AbsenceLine(100, {{"VC", 1, 1}})}),
       false,
       {},
       {}},
      {"CR LF and a last line without a line end",
       AbsenceLine(100, {{"VC", 1, 1}}) + "\r\n" + AbsenceLine(100, {{"VC", 2, 2}}),
       false,
       {0, 1},
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    doc->Pilots[0].Clear();
    doc->Pilots[0].EmpNumber = 100;
    doc->Pilots[0].Name = "A ALPHA";
    ui.shown.clear();
    ui.answers = {Answer::Yes};  // the first line's length, where it is odd
    ASSERT_TRUE(load(c.text, c.nextMonth));
    ui.answers.clear();
    std::vector<int> written;
    for (int d = 0; d < kBlockDays; ++d)
      if (doc->Pilots[0].DayCell[d] == kOtherAssignmentCell) written.push_back(d);
    EXPECT_EQ(written, c.days);
    EXPECT_EQ(warnings(), c.warnings);
  }
}

TEST_F(AbsencesExtractTest, CabinCarsDutyAndLeaveAllMonth) {
  doc->CrewType = 2;
  addToolboxEntry("LOA", "LA", true);
  addToolboxEntry("TRN", "TN", true);
  ASSERT_TRUE(load(Lines({AbsenceLine(100, {{"LA", 1, 30}}), AbsenceLine(101, {{"TN", 1, 1}})})));
  const TPilot& a = doc->Pilots[0];
  EXPECT_EQ(a.DayCode[0], "LOA");
  EXPECT_EQ(a.DayOther[0][kOtherCarsDuty], 0);  // never for flight attendants
  EXPECT_EQ(a.DayOther[0][kOtherHardTime], 30);
  EXPECT_EQ(a.DayOther[0][kOtherContainsDuty], 1);
  EXPECT_EQ(a.DayOther[0][kOtherExcludeCredit], 1);
  EXPECT_EQ(a.OnLeaveAllMonth, 1);
  EXPECT_EQ(a.BidReserve, 1);
  EXPECT_EQ(doc->Pilots[1].OnLeaveAllMonth, 0);

  // Pilots keep the entry's CARS duty. Next month's load leaves the marks.
  doc->CrewType = 0;
  doc->Pilots[0].OnLeaveAllMonth = 0;
  ASSERT_TRUE(load(Lines({AbsenceLine(101, {{"TN", 2, 2}})}), true));
  EXPECT_EQ(doc->Pilots[1].DayOther[31][kOtherCarsDuty], 1);
  EXPECT_EQ(doc->Pilots[0].OnLeaveAllMonth, 0);
  // This month's load recomputes everybody: A's leave is cut by a training day.
  ASSERT_TRUE(load(Lines({AbsenceLine(100, {{"TN", 5, 5}})})));
  EXPECT_EQ(doc->Pilots[0].OnLeaveAllMonth, 0);
  EXPECT_EQ(doc->Pilots[0].BidReserve, 1);  // never cleared here
}

TEST_F(AbsencesExtractTest, QuestionsDialogAndRefusals) {
  const std::string good = write("good", Lines({AbsenceLine(100, {{"VC", 1, 1}})}));
  const std::string odd = write("odd", Lines({AbsenceLine(100, {{"VC", 1, 1}}, 200)}));
  const auto loadFile = [&](bool nextMonth) {
    return LoadAbsencesExtract(*doc, nextMonth, services, [this] { ++closed; });
  };
  // A document that is not fresh asks first; No ends everything.
  doc->FreshDocument = 0;
  ui.answers = {Answer::No};
  EXPECT_FALSE(loadFile(false));
  EXPECT_TRUE(ui.fileDialogs.empty());
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, kAbsencesEraseQuestion);
  EXPECT_EQ(ui.shown[0].icon, Icon::Error);

  // Next month never asks it; the dialog cancelled; the odd first line refused.
  doc->FreshDocument = 1;
  ui.shown.clear();
  ui.openResults = {{}, {odd}};
  ui.answers = {Answer::No};
  EXPECT_FALSE(loadFile(true));
  EXPECT_FALSE(loadFile(false));
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, kAbsencesNotAnExtract);
  EXPECT_EQ(doc->FreshDocument, 1);
  EXPECT_EQ(closed, 0);
  EXPECT_EQ(doc->Pilots[0].DayCell[0], kEmptyCell);
  EXPECT_EQ(ui.fileDialogs.at(0).title, kAbsencesDialogTitle);
  EXPECT_EQ(ui.fileDialogs.at(0).filter, kAbsencesFileFilter);

  // A fresh document goes straight to the file; the folder is remembered.
  ui.openResults = {{good}};
  EXPECT_TRUE(loadFile(false));
  EXPECT_EQ(doc->Pilots[0].DayCode[0], "VAC");
  EXPECT_EQ(ReadSetting(settings, kLastCrewAbsPath), folder.path().string());
  EXPECT_EQ(closed, 1);
}

TEST_F(AbsencesExtractTest, ADocumentReadFromAFileIsNotFresh) {
  doc->FileName = (folder.path() / "month.lm2").string();
  ASSERT_TRUE(SaveFile(*doc, doc->FileName, kScheduleFile, ui, log));
  auto opened = std::make_unique<TDocument>();
  opened->FileName = doc->FileName;
  ClearDocument(*opened, log);
  opened->FileName = doc->FileName;
  EXPECT_EQ(opened->FreshDocument, 1);
  ASSERT_TRUE(LoadFile(*opened, ui, log).loaded);
  EXPECT_EQ(opened->FreshDocument, 0);
}

}  // namespace
}  // namespace lumora::testing
