#include "reports/baw_lin_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "files/temp_folder.h"
#include "model/document.h"
#include "platform/unattended_ui.h"
#include "support/document_builder.h"

namespace lumora::testing {
namespace {

// A LIN line: what the test spells out, then blanks to 1320 characters.
std::string Lin(const std::string& text) {
  return text + std::string(1320 - text.size(), ' ') + "\n";
}

std::string Blanks(std::size_t n) {
  return std::string(n, ' ');
}

// "CA" and "01" over their 52 characters.
std::string Position(const char* code) {
  return std::string(code) + "01" + Blanks(48);
}

void Other(TDocument& doc, int crew, int day, const char* code, const char* extract, int start,
           int hours, bool reserve = false) {
  TPilot& p = doc.pilot(crew);
  const auto d = static_cast<std::size_t>(day);
  p.DayCell[d] = kOtherAssignmentCell;
  p.DayCode[d] = code;
  p.DayCrewTracCode[d] = extract;
  p.DayOther[d][kOtherStartTime] = start;
  p.DayOther[d][kOtherHoursAtWork] = hours;
  p.DayOther[d][kOtherReserve] = reserve ? 1 : 0;
}

// December 2026: the reserve B day on the 31st ends in the new year.
class YearEndMonth : public ::testing::Test {
 protected:
  YearEndMonth() {
    build.month({1, 12, 2026}, {31, 12, 2026}).extended();
    build.crew("A ALPHA", 11).crew("OPEN", 0).crew("PSEUDO", -1);
    build.crew("D DELTA", 7).crew("O'NEIL & <SONS> \"JR\", J\xC9R\xD4ME", 8);
    const int p = build.pairing(PairingValues(101).Prefix("V8").Length(2).Days({2})).lastPairing();
    doc.pair(p).DailyHardTime[0] = 300;
    doc.pair(p).DailyHardTime[1] = 200;
    build.place(0, p, 2);
    TPilot& a = doc.pilot(0);
    a.Activity[31][kActDailyHardTime] = 60;
    a.Activity[36][kActDailyHardTime] = 999;  // after the first five days: not counted
    a.BlockCreditHours = 10;
    a.BlockCreditMinutes = 5;
    Other(doc, 0, 30, "RB", "RB", 720, 840, true);

    for (int day : {28, 29, 30}) Other(doc, 1, day, "VAC", "VA", 0, 1440);

    TPilot& d = doc.pilot(3);
    d.DraftCredit = 120;
    Other(doc, 3, 5, "XX", "--", 600, 60);
    Other(doc, 3, 6, "TRN", "TR", -5, 60);

    TPilot& e = doc.pilot(4);
    e.DraftCredit = 60;
    e.CreditCarriedIn() = 100;
    e.LegalCheckIn() = 31 * kMinutesPerDay;  // busy past the month's end
    doc.FileName = (folder / "DEC.lm2").string();
    doc.Untitled = 0;
  }

  BawLinFields Fields() const { return {BawLinCrew::Captain, "DE26V8CA", "V", "8"}; }

  TempFolder folder;
  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  std::ostringstream said;
  UnattendedUi ui{said, UnattendedAnswers::No};
};

TEST_F(YearEndMonth, BawAndLinBytesAgreeOnLineNumbersAndUseTrueDates) {
  EXPECT_EQ(DefaultBawLinFields(doc).fileName, "DE26V8CA");
  const BawLinOutcome outcome = ExportBawLin(doc, Fields(), folder / "Export", ui);
  ASSERT_EQ(outcome.status, BawLinStatus::Completed) << said.str();

  EXPECT_EQ(ReadBytes(folder / "Export" / "DE26V8CA.BAW"),
            std::vector<std::uint8_t>(std::string_view("000000011 PV8001CA\n"
                                                       "000000000 PV8002CA\n"
                                                       "000000007 PV8003CA\n"
                                                       "000000008 PV8004CA\n")
                                          .begin(),
                                      std::string_view("000000011 PV8001CA\n"
                                                       "000000000 PV8002CA\n"
                                                       "000000007 PV8003CA\n"
                                                       "000000008 PV8004CA\n")
                                          .end()));

  const std::string expected =
      Lin("0QK 2612PV8") +
      Lin("1PV8001P05600605" + Position("CA") + "10QK  V0101 261203" + Blanks(20) + "R2QK  " +
          Blanks(12) + "2612310720" + "2701010120") +
      Lin("1PV8000O00000000" + Position("CA") + "99VA  " + Blanks(12) + "2612290000" +
          "2612311440") +
      Lin("1PV8003L00000000" + Position("CA") + "99DC  " + Blanks(12) + "2612010720" +
          "2612010721" + "99TR  " + Blanks(12) + "2612070001" + "2612071440") +
      Lin("1PV8004L00000000" + Position("CA"));
  const std::vector<std::uint8_t> lin = ReadBytes(folder / "Export" / "DE26V8CA.LIN");
  EXPECT_EQ(std::string(lin.begin(), lin.end()), expected);

  EXPECT_EQ(outcome.summary,
            (std::vector<std::string>{
                "Blk 2 is Exported as OpenTime. Emp Num is 0",
                "Blk 3 Capt Pairings-LineIndoc. Not Exported",
                "O'NEIL & <SONS> \"JR\", J\xC9R\xD4ME No Draft Credit Code Inserted",
                "Export Completed"}));
  EXPECT_EQ(said.str(), "Lumora: Finished Exporting to CrewTrac format\n");
  // The draft credit went into the file only.
  EXPECT_EQ(doc.pilot(3).DayCell[0], kEmptyCell);
}

TEST_F(YearEndMonth, EveryFailureStopsWithItsMessageAndNothingHalfWritten) {
  const std::filesystem::path out = folder / "Export";
  const auto files = [&out] {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(out, error))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  };
  struct Case {
    const char* what;
    BawLinFields fields;
    SimulatedDiskFaults faults;
    BawLinStatus status;
    std::string message;
    std::vector<std::string> left;
  };
  const Case cases[] = {
      {"empty fields",
       {BawLinCrew::Captain, "", "", ""},
       {},
       BawLinStatus::FieldError,
       "Export Error: FileName needs to be 1-8 char long. Base Code needs to be 1 char long. Eqp "
       "Code needs to be 1 char long. \n",
       {}},
      {"a name that leaves the folder",
       {BawLinCrew::Captain, "../X", "V", "8"},
       {},
       BawLinStatus::FieldError,
       "Export Error: FileName needs to be 1-8 char long. \n",
       {}},
      {"read-only folder",
       Fields(),
       {.failCreate = true},
       BawLinStatus::BawFailed,
       "File Error: Cant create BAW file for Exporting Blocks\n",
       {}},
      {"disk full in the LIN file",
       Fields(),
       {.byteLimit = 200},
       BawLinStatus::LinFailed,
       "File Error: Cant Save LIN File!\n",
       {"DE26V8CA.BAW"}},
  };
  for (const Case& c : cases) {
    std::filesystem::remove_all(out);
    said.str("");
    BawLinOutcome outcome;
    {
      const ScopedDiskFaults faults(c.faults);
      outcome = ExportBawLin(doc, c.fields, out, ui);
    }
    EXPECT_EQ(outcome.status, c.status) << c.what;
    EXPECT_EQ(said.str(), c.message) << c.what;
    EXPECT_EQ(files(), c.left) << c.what;
  }

  doc.Untitled = 1;
  said.str("");
  EXPECT_EQ(ExportBawLin(doc, Fields(), out, ui).status, BawLinStatus::NotNamed);
  EXPECT_EQ(said.str(), "File Error: File Must be Named First, Select Save As\n");
}

TEST(BawLinExport, FlightAttendantMonthAsksAndMarksPurserPairings) {
  TempFolder folder;
  auto owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build(doc);
  build.month({1, 7, 2026}, {31, 7, 2026}).extended().kind(CrewKind::FlightAttendants);
  build.crew("F ONE", 21).crew("P TWO", 22);
  const int fa = build.pairing(PairingValues(7).Prefix("Y2").CrewPosition("FA").Length(1).Days({0}))
                     .lastPairing();
  const int pu =
      build.pairing(PairingValues(8).CrewPosition("PU").Length(1).Days({1})).lastPairing();
  build.place(0, fa, 0).place(1, pu, 1);
  Other(doc, 1, 3, "RB", "RB", 1200, 600, true);
  doc.FileName = (folder / "JUL.lm2").string();
  doc.Untitled = 0;

  const BawLinFields defaults = DefaultBawLinFields(doc);
  EXPECT_EQ(defaults.crew, BawLinCrew::FlightAttendant);
  EXPECT_EQ(defaults.fileName, "JU26Y8FA");
  EXPECT_EQ(defaults.baseCode + defaults.eqpCode, "Y8");

  const std::string faLine =
      "1FY8001L00000000" + Position("PU") + "10QKFAY0007 260701" + Blanks(20);
  // A reserve B day ending after midnight in a cabin file ends at 1440 that day;
  // a pairing without prefix writes a blank letter.
  const std::string puLine = "1FY8002P00000000" + Position("PU") + "10QK   0008 260702" +
                             Blanks(20) + "R2QK  " + Blanks(12) + "2607041200" + "2607041440";
  for (const bool yes : {false, true}) {
    std::ostringstream said;
    UnattendedUi ui(said, yes ? UnattendedAnswers::Yes : UnattendedAnswers::No);
    const BawLinOutcome outcome = ExportBawLin(doc, defaults, folder / "Export", ui);
    ASSERT_EQ(outcome.status, BawLinStatus::Completed);
    EXPECT_EQ(said.str(), std::string("Lumora: Do you want to Export ONLY Reserve and Partial "
                                      "Blocks [") +
                              (yes ? "Yes" : "No") +
                              "]\nLumora: Finished Exporting to CrewTrac format\n");
    const std::vector<std::uint8_t> lin = ReadBytes(folder / "Export" / "JU26Y8FA.LIN");
    const std::string header = Lin("0QK 2607FY8");
    std::string only = puLine;
    only[6] = '1';  // the only one exported is line 1
    EXPECT_EQ(std::string(lin.begin(), lin.end()),
              yes ? header + Lin(only) : header + Lin(faLine) + Lin(puLine));
    EXPECT_EQ(outcome.summary.front(), yes ? "F ONE. Not Exported" : "Export Completed");
  }
}

TEST(BawLinExport, DefaultsFromTheFirstPairing) {
  struct Case {
    CrewKind kind;
    const char* prefix;
    const char* name;
    const char* base;
    const char* eqp;
  } const cases[] = {
      {CrewKind::Captains, "V2", "JU26V7CA", "V", "7"},
      {CrewKind::FirstOfficers, "V8", "JU26V8FO", "V", "8"},
      {CrewKind::Captains, "V", "JU26VCA", "?", "?"},
      {CrewKind::FlightAttendants, "", "JU268FA", "?", "8"},
  };
  for (const Case& c : cases) {
    auto doc =
        DocumentBuilder().july2026().kind(c.kind).pairing(PairingValues(1).Prefix(c.prefix)).take();
    const BawLinFields f = DefaultBawLinFields(*doc);
    EXPECT_EQ(f.fileName, c.name) << c.prefix;
    EXPECT_EQ(f.baseCode, c.base) << c.prefix;
    EXPECT_EQ(f.eqpCode, c.eqp) << c.prefix;
  }
}

}  // namespace
}  // namespace lumora::testing
