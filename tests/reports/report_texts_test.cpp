#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "platform/unattended_ui.h"
#include "reports/block_texts.h"
#include "reports/web_files.h"
#include "shell/memory_settings.h"
#include "support/document_builder.h"

namespace lumora::testing {
namespace {

constexpr const char* kHostileName = "O'NEIL & <SONS> \"JR\", J\xC9R\xD4ME";

void Other(TDocument& doc, int crew, int day, const char* code, int start, int hours,
           bool duty = false) {
  TPilot& p = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  p.DayCell[d] = kOtherAssignmentCell;
  p.DayCode[d] = code;
  p.DayOther[d][kOtherStartTime] = start;
  p.DayOther[d][kOtherHoursAtWork] = hours;
  p.DayOther[d][kOtherContainsDuty] = duty ? 1 : 0;
}

std::string Read(const std::filesystem::path& path) {
  const std::vector<std::uint8_t> bytes = ReadBytes(path);
  return {bytes.begin(), bytes.end()};
}

// A flight-attendant month of the year's last seven days (Friday to
// Thursday): a purser pairing with two layovers, a spill-over pairing, a
// night reserve, a duty on the last day that ends in the new year, and
// names and month texts that HTML and CSV must not take as their own.
class AttendantMonth : public ::testing::Test {
 protected:
  AttendantMonth() {
    build.month({25, 12, 2026}, {31, 12, 2026}).extended().kind(CrewKind::FlightAttendants);
    build.descriptor("YUL320FAV");
    doc.cal.MonthText = "D<c>";
    doc.cal.YearText = "2026";
    build.crew(kHostileName, 8).crew("B, BRAVO", 1001).crew("C CHARLIE", 1002);
    const int purser = build
                           .pairing(PairingValues(123)
                                        .Prefix("V8")
                                        .CrewPosition("PU")
                                        .Length(3)
                                        .OnTime(450)
                                        .CreditPerDay(300)
                                        .Days({0}))
                           .lastPairing();
    doc.pair(purser).LayoverText = "YVRY&Z";
    doc.pair(purser).DisplayText = "V8123 line one\nline two";
    doc.pair(purser).DayPairingType[0] = 1;
    build.place(0, purser, 0);
    Other(doc, 0, 4, "RSV", 1320, 480);
    Other(doc, 0, 6, "TRN", 1380, 120, true);
    doc.pilot(0).DayRequest[3] = 10;
    doc.pilot(0).BlockCreditHours = 14;
    doc.pilot(0).BlockCreditMinutes = 5;

    const int late = build
                         .pairing(PairingValues(4567)
                                      .Prefix("Q")
                                      .CrewPosition("FA")
                                      .Length(2)
                                      .OnTime(1200)
                                      .CreditPerDay(200)
                                      .Overnight(true)
                                      .Days({5}))
                         .lastPairing();
    doc.pair(late).DayPairingType[5] = 2;
    build.place(1, late, 5);
    TPilot& b = doc.pilot(1);
    b.LegalCheckIn() = 720 + kMinutesPerDay + 60;
    b.CreditCarriedIn() = 30;
    b.DraftCredit = 90;
    b.DayRequest[2] = 99;  // a code without a label
    doc.FileName = (folder / "DEC.26.lm2").string();
    doc.Untitled = 0;
  }

  TempFolder folder;
  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  std::ostringstream said;
  UnattendedUi ui{said, UnattendedAnswers::No};
};

// Every line of a text, as the test spells them out.
std::string Lines(std::initializer_list<std::string_view> lines, std::string_view end) {
  std::string out;
  for (const std::string_view line : lines) {
    out += line;
    out += end;
  }
  return out;
}

TEST_F(AttendantMonth, ClipboardCalendarsOfTheChosenCrewMembers) {
  doc.pilot(0).ClipSelected = 1;
  doc.pilot(1).ClipSelected = 1;
  const std::string name = kHostileName;
  const std::string expected =
      Lines({"Selected Blocks for D<c> 2026.", "",
             // The purser: requests and the pairing's full text.
             "Name: " + name + "  Emp: 000000008  Credit 15:00 ", "", "\t\t     D<c>   2026", "",
             "SUN\tMON\tTUE\tWED\tTHU\tFRI\tSAT", "", "\t\t\t\t\t25 \t26", "\t\t\t\t\tP0123", "",
             "", "27 \t28 \t29 \t30 \t31", "\t\tRSV \t\tTRN", "\tXA", "", "", "", "V8123 line one",
             "line two", "", "",
             // A request code without a label adds only its tab.
             "Name: B, BRAVO  Emp: 000001001  Credit 08:40 ", "", "\t\t     D<c>   2026", "",
             "SUN\tMON\tTUE\tWED\tTHU\tFRI\tSAT", "", "\t\t\t\t\t25 \t26", "", "", "",
             "27 \t28 \t29 \t30 \t31", "\t\t\tP4567", "", "", "", "", "", "", ""},
            "\r\n");
  EXPECT_EQ(ClipboardBlocksText(doc, {.includeXes = true, .includePairs = true}, ui), expected);
  // The stored credit the grid shows is left as it was.
  EXPECT_EQ(doc.pilot(0).BlockCreditHours, 14);
  EXPECT_EQ(doc.pilot(0).BlockCreditMinutes, 5);
}

TEST_F(AttendantMonth, CrewLinesWriteEachDayDownward) {
  const std::string expected =
      "Crew Lines for D<c> 2026  DEC.26\n\r\n" +
      Lines({"Crew Lines for D<c> 2026. Pairings Preceded by an * are Purser Pairings",
             "O'NEIL & <S 25  26  27  28  29  30  31  ",
             "            FR  SA  SU  MO  TU  WE  TH  ",
             "IN  15:00  *V|0 Y   Y       R       T|2",
             "OUT 15:00   0|7 V   &       S       R|3",
             "OFF 05      1|: R   Z       V       N|:",
             "C/I 00:00   2|3                      |0",
             "DC  00:00   3|0                      |0",
             "",
             "B, BRAVO    25  26  27  28  29  30  31  ",
             "            FR  SA  SU  MO  TU  WE  TH  ",
             "IN  08:40   C   C               Q|2 -> ",
             "OUT  8:40   /   /               4|0 -> ",
             "OFF 06      I   I               5|: -> ",
             "C/I 00:30  ->  ->               6|0 -> ",
             "DC  01:30  ->  ->               7|0 -> ",
             "",
             "C CHARLIE   25  26  27  28  29  30  31  ",
             "            FR  SA  SU  MO  TU  WE  TH  ",
             "IN  00:00                              ",
             "OUT  0:00                              ",
             "OFF 07                                 ",
             "C/I 00:00                              ",
             "DC  00:00                              ",
             ""},
            "\r\n");
  EXPECT_EQ(CrewLinesText(doc, "DEC.26", ui), expected);

  // Seven crew members: the title again before the seventh.
  for (int i = 0; i < 4; ++i) build.crew("MORE");
  const std::string text = CrewLinesText(doc, "DEC.26", ui);
  std::size_t titles = 0;
  for (std::size_t at = text.find(" 2026  DEC.26\n"); at != std::string::npos;
       at = text.find(" 2026  DEC.26\n", at + 1))
    ++titles;
  EXPECT_EQ(titles, 2u);
}

TEST_F(AttendantMonth, PublishingFilesEscapeTheDocumentsTexts) {
  ASSERT_TRUE(SaveForInternet(doc, folder.path(), "DEC.26", ui)) << said.str();
  EXPECT_EQ(said.str(),
            "Lumora: HTML and Various CVS Files Saved to folder " + folder.path().string() + "\n");
  const WebFileNames names = WebFilesIn(folder.path(), "DEC.26");
  EXPECT_EQ(names.absences, folder / "DEC.26 CT Planned Absences.csv");

  EXPECT_EQ(Read(names.page),
            Lines({"<title>D&lt;c&gt; 2026</title>",
                   "<BODY BGCOLOR=\"#ffcc00\" TEXT=\"#000000\" LINK=\"#008080\" VLINK=\"#00aa00\">",
                   "<B><font face=\"Courier\" size=2>", "<center>Crew Blocks for D&lt;c&gt; 2026",
                   "<br><br></center>", "<TABLE BORDER=1 CELLPADDING=2 CELLSPACING=1>", "<TR>",
                   "<TH>Name</TH><TH>Emp Num</TH><TH>Block</TH><TH>FR 25</TH><TH>SA 26</TH><TH>SU "
                   "27</TH><TH>MO 28</TH><TH>TU 29</TH><TH>WE 30</TH><TH>TH 31</TH>",
                   "<TR>", "<B><font face=\"Arial\" size=1>",
                   // The night duty on the last day runs into a cell after the month.
                   "<TR><TD>O'NEIL &amp; &lt;SONS&gt; &quot;JR&quot;, J\xC9R\xD4ME</TD><TD>8</TD>"
                   "<TD>14:05</TD><TD>123</TD><TD>YVR</TD><TD>Y&amp;Z</TD><TD>X</TD><TD>RSV</TD>"
                   "<TD>-&gt;</TD><TD>TRN</TD><TD>-&gt;</TD></TR>",
                   "<TR><TD>B, BRAVO</TD><TD>1001</TD><TD>00:00</TD><TD>X</TD><TD>X</TD><TD>X</TD>"
                   "<TD>X</TD><TD>X</TD><TD>4567</TD><TD>-&gt;</TD></TR>",
                   "<TR><TD>C CHARLIE</TD><TD>1002</TD><TD>00:00</TD><TD>X</TD><TD>X</TD><TD>X</TD>"
                   "<TD>X</TD><TD>X</TD><TD>X</TD><TD>X</TD></TR>"},
                  "\n"));
  const std::string quoted = "\"O'NEIL & <SONS> \"\"JR\"\", J\xC9R\xD4ME\"";
  EXPECT_EQ(Read(names.csv),
            Lines({"D<c>,2026", quoted + ",8,0123,2026-12-25,RSV,2026-12-29,TRN,2026-12-31",
                   "\"B, BRAVO\",1001,4567,2026-12-30", "C CHARLIE,1002"},
                  "\n"));
  EXPECT_EQ(Read(names.layout),
            Lines({"Name,Emp Num,2026-12-25,2026-12-26,2026-12-27,2026-12-28,2026-12-29,"
                   "2026-12-30,2026-12-31",
                   quoted + ",8,V0123,,,,RSV,,TRN", "\"B, BRAVO\",1001,,,,,,Q4567,",
                   "C CHARLIE,1002,,,,,,,", ""},
                  "\n"));
  // The duty on the year's last day ends in the new year.
  EXPECT_EQ(Read(names.absences),
            Lines({"CNTL,20261225,20261231,PILOT,", "8,RSV,20261229,2200,20261230,0600",
                   "8,TRN,20261231,2300,20270101,0100"},
                  "\n"));
}

TEST_F(AttendantMonth, TrainingReportListsIndocAndCheckDays) {
  doc.pair(0).DayPairingType[1] = 3;  // no instance on that day: nothing
  const std::filesystem::path target = folder / "training.csv";
  ASSERT_TRUE(WriteTrainingReport(doc, target, ui)) << said.str();
  EXPECT_EQ(Read(target), Lines({"Lumora Training Report", "YUL320FAV,20261225,20261231",
                                 "INDOC,000000008,V 123,20261225", "CHECK,000001001,V4567,20261230",
                                 "TOTAL CREDIT MINS,INDOC,00000900,CHECK,00000400"},
                                "\n"));
  // A recurrent line check neither lists nor counts.
  doc.pair(1).DayPairingType[5] = 3;
  EXPECT_EQ(TrainingReportText(doc).substr(TrainingReportText(doc).rfind("TOTAL")),
            "TOTAL CREDIT MINS,INDOC,00000900,CHECK,00000000\n");
}

std::vector<std::string> FilesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST_F(AttendantMonth, EachFileFailureStopsWithItsMessageAndNothingHalfWritten) {
  const struct {
    const char* what;
    SimulatedDiskFaults faults;
    const char* message;
    std::vector<std::string> left;  // the training report's failure leaves nothing
  } cases[] = {
      {"no page", {.failCreate = true}, "Cant create file for Internet Publishing", {}},
      {"full disk", {.byteLimit = 10}, "Cant create file for Internet Publishing", {}},
      {"no rename", {.failRename = true}, "Cant create file for Internet Publishing", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder out;
    said.str("");
    {
      const ScopedDiskFaults faults(c.faults);
      EXPECT_FALSE(SaveForInternet(doc, out.path(), "DEC", ui));
    }
    EXPECT_EQ(said.str(), std::string("File Error: ") + c.message + "\n");
    EXPECT_EQ(FilesIn(out.path()), c.left);
  }

  // A later file that cannot be created: the earlier ones stay whole.
  const TempFolder out;
  std::filesystem::create_directory(out / "DEC_Month_Layout.csv");
  said.str("");
  EXPECT_FALSE(SaveForInternet(doc, out.path(), "DEC", ui));
  EXPECT_EQ(said.str(), "File Error: Cant create CSV file\n");
  EXPECT_EQ(FilesIn(out.path()),
            (std::vector<std::string>{"DEC.csv", "DEC.htm", "DEC_Month_Layout.csv"}));
  EXPECT_EQ(Read(out / "DEC.csv"), InternetCsvText(doc));

  const struct {
    SimulatedDiskFaults faults;
    const char* message;
  } training[] = {
      {{.failCreate = true}, "Cant create file for Exporting Data"},
      {{.byteLimit = 10}, "Can't Save CSV File!"},
      {{.failRename = true}, "Cannot Save CSV File to specified disk. Disk may be full"},
  };
  for (const auto& c : training) {
    SCOPED_TRACE(c.message);
    const TempFolder report;
    said.str("");
    {
      const ScopedDiskFaults faults(c.faults);
      EXPECT_FALSE(WriteTrainingReport(doc, report / "t.csv", ui));
    }
    EXPECT_EQ(said.str(), std::string("File Error: ") + c.message + "\n");
    EXPECT_TRUE(FilesIn(report.path()).empty());
  }
}

TEST_F(AttendantMonth, CopyBlocksDialogFlagsOnlyWhenSomeoneIsChosen) {
  MemorySettingsStore settings;
  settings.writeString("CLIPBOARD", "ClipXes", "1");
  doc.pilot(2).ClipSelected = 1;

  CopyBlocksDialog none(doc, settings);
  EXPECT_EQ(none.names().size(), 3u);
  EXPECT_TRUE(none.options.includeXes);
  EXPECT_FALSE(none.options.includePairs);
  none.options.includePairs = true;
  EXPECT_TRUE(none.accept(ui));
  EXPECT_FALSE(none.copyRequested());
  EXPECT_EQ(settings.readString("CLIPBOARD", "ClipPairs", "0"), "0");
  EXPECT_EQ(doc.pilot(2).ClipSelected, 1);

  CopyBlocksDialog one(doc, settings);
  one.selected[1] = true;
  one.options = {.includeXes = false, .includePairs = true};
  EXPECT_TRUE(one.accept(ui));
  EXPECT_TRUE(one.copyRequested());
  EXPECT_EQ(settings.readString("CLIPBOARD", "ClipXes", ""), "0");
  EXPECT_EQ(settings.readString("CLIPBOARD", "ClipPairs", ""), "1");
  EXPECT_EQ(doc.pilot(0).ClipSelected + doc.pilot(1).ClipSelected + doc.pilot(2).ClipSelected, 1);
  EXPECT_EQ(doc.pilot(1).ClipSelected, 1);
}

}  // namespace
}  // namespace lumora::testing
