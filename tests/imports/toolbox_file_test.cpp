#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "doubles/memory_settings.h"
#include "files/temp_folder.h"
#include "imports/toolbox_file.h"
#include "model/airports.h"
#include "model/code_table.h"
#include "model/document.h"
#include "support/scripted_ui.h"

namespace lumora {
namespace {

using testing::MemorySettings;
using testing::ScriptedUi;
using testing::TempFolder;

constexpr std::string_view kCorrupt = "Error Loading Absences. File may be Currupt";

struct BoxEntry {
  std::string code;
  std::string crew = "Pilot";
  std::string extract;
  std::string description = "Some Day";
  std::string start = "8:00";
  std::string end = "16:00";
  std::string credit = "4:30";
  std::string hard = "0:00";
  std::string duty = "Y";
  std::string cars = "N";
  std::string counts = "Y";
  std::string inToolbox = "Y";
};

struct BoxAirport {
  std::string code;
  std::string offset = "08:00";
  std::string transport = "00:30";
  std::string daylight = "Y";
};

// A definition file's text; `eol` ends every line.
std::string BoxText(const std::vector<BoxEntry>& entries, const std::vector<BoxAirport>& airports,
                    const std::string& eol = "\n", const std::string& date = "2026-07-01") {
  std::string text = "LMToolBox" + eol + "made by hand" + eol + date + eol + "entries" + eol;
  text += std::to_string(entries.size()) + eol;
  for (const BoxEntry& e : entries) {
    for (const std::string* line :
         {&e.code, &e.crew, &e.extract, &e.description, &e.start, &e.end, &e.credit, &e.hard,
          &e.duty, &e.cars, &e.counts, &e.inToolbox}) {
      text += *line + eol;
    }
    text += "----" + eol;
  }
  text += "airports" + eol + std::to_string(airports.size()) + eol;
  for (const BoxAirport& a : airports) {
    text += a.code + eol + a.offset + eol + a.transport + eol + a.daylight + eol;
    text += "x" + eol + "x" + eol + "x" + eol + "x" + eol;
  }
  return text;
}

std::unique_ptr<TDocument> MakeDocument(CrewKind kind) {
  auto doc = std::make_unique<TDocument>();
  doc->CrewType = static_cast<std::uint8_t>(kind);
  doc->AirportDetails = "OLD,01:00,00:30,Y,";
  doc->ToolboxDate = "old date";
  return doc;
}

std::vector<BoxEntry> MixedEntries() {
  return {{.code = "RSV",
           .extract = "RA",
           .description = "Reserve A",
           .start = "3:00",
           .end = "17:00",
           .credit = "",
           .cars = "Y"},
          {.code = "CAB", .crew = "Cabin", .extract = "CB"},
          {.code = "VAC",
           .extract = "VC",
           .start = "12:00",
           .credit = "2:50",
           .duty = "N",
           .counts = "N",
           .inToolbox = "N"},
          {.code = "LOW", .crew = "pilot", .extract = "LW"},
          {.code = "SIM", .extract = "SM", .credit = "30:00", .hard = "1:15"}};
}

TEST(ToolBoxText, KeepsTheEntriesOfTheDocumentsCrewKindInOrder) {
  for (const std::string eol : {"\n", "\r\n"}) {
    SCOPED_TRACE(eol.size());
    auto doc = MakeDocument(CrewKind::Captains);
    ScriptedUi ui;
    const std::string text =
        BoxText(MixedEntries(),
                {{.code = "YVR"},
                 {.code = "YRT", .offset = "06:00", .transport = "00:20", .daylight = "N"}},
                eol);
    EXPECT_EQ(ReadToolBoxText(*doc, text, ui), ToolBoxOutcome::Loaded);
    EXPECT_TRUE(ui.shown.empty());
    EXPECT_EQ(doc->ToolboxDate, "2026-07-01");
    // "Cabin" and the wrongly written "pilot" are dropped; the next entry moves up.
    ASSERT_EQ(doc->ToolboxCount, 3);
    const TAbsence& reserve = doc->ToolboxItems[0];
    EXPECT_EQ(reserve.CrewTracCode, "RA");
    EXPECT_EQ(reserve.ButtonText, "Reserve A");
    EXPECT_EQ(reserve.StartTime, 180);
    EXPECT_EQ(reserve.EndTime, 1020);
    EXPECT_EQ(reserve.Credit, 0);
    EXPECT_EQ(reserve.CarsDuty, 1);
    const TAbsence& vacation = doc->ToolboxItems[1];
    EXPECT_EQ(vacation.Code, "VAC");
    EXPECT_EQ(vacation.Credit, 170);
    EXPECT_EQ(vacation.ContainsDuty, 0);
    EXPECT_EQ(vacation.CreditCounts, 0);
    EXPECT_EQ(vacation.InToolbox, 0);
    EXPECT_EQ(doc->ToolboxItems[2].Credit, 1800);  // any number of hours
    EXPECT_EQ(doc->ToolboxItems[2].HardTime, 75);
    EXPECT_EQ(doc->AirportDetails, "YVR,08:00,00:30,Y,YRT,06:00,00:20,N,");
    EXPECT_EQ(doc->ToolboxItems[3].Code, "");  // unused slots are cleared
  }

  auto cabin = MakeDocument(CrewKind::FlightAttendants);
  ScriptedUi ui;
  EXPECT_EQ(ReadToolBoxText(*cabin, BoxText(MixedEntries(), {{.code = "YVR"}}), ui),
            ToolBoxOutcome::Loaded);
  ASSERT_EQ(cabin->ToolboxCount, 1);
  EXPECT_EQ(cabin->ToolboxItems[0].Code, "CAB");
  // The pilots' own file in a cabin document leaves the built-in table.
  EXPECT_EQ(
      ReadToolBoxText(*cabin, BoxText({{.code = "SIM", .extract = "SM"}}, {{.code = "YUL"}}), ui),
      ToolBoxOutcome::Loaded);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(cabin->ToolboxCount, 0);
  EXPECT_EQ(ToolboxCaption(*cabin), "Default ToolBox");
  EXPECT_EQ(cabin->AirportDetails, "YUL,08:00,00:30,Y,");
}

TEST(ToolBoxText, RefusalsAndTheirMessages) {
  const std::string good = BoxText({{.code = "SIM", .extract = "SM"}}, {{.code = "YVR"}});
  // The month below has a toolbox of two codes: a file that is not one keeps them.
  const std::string notABox = "Not a Valid ToolBox. The current ToolBox is kept.";
  const std::pair<std::string, std::string> damaged[] = {
      {"cut in an entry", good.substr(0, good.find("4:30"))},
      {"cut after the entries", good.substr(0, good.find("airports"))},
      // The airport table is rebuilt only from a whole file.
      {"cut in an airport", good.substr(0, good.rfind("x\n"))},
      {"no count", "LMToolBox\n\n2026\n"},
      {"absurd count", "LMToolBox\n\n2026\n\n2147483647\n" + good.substr(good.find("SIM"))}};
  struct Case {
    std::string name, text;
    ToolBoxOutcome outcome;
    std::string message;
    int count;
    std::string date;
  };
  std::vector<Case> cases = {
      {"first line", "LMToolbox\n" + good.substr(10), ToolBoxOutcome::NotAToolBox, notABox, 2,
       "old date"},
      {"empty file", "", ToolBoxOutcome::NotAToolBox, notABox, 2, "old date"},
      {"no entries", BoxText({}, {{.code = "YVR"}}), ToolBoxOutcome::NoEntries,
       "No Absences to Load from File", 0, "2026-07-01"},
      {"no airports", BoxText({{.code = "SIM", .extract = "SM"}}, {}), ToolBoxOutcome::NoAirports,
       "No Airport Details to Load from File", 1, "2026-07-01"}};
  for (const auto& [name, text] : damaged)
    cases.push_back({name, text, ToolBoxOutcome::Damaged, std::string(kCorrupt), 2, "old date"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto doc = MakeDocument(CrewKind::Captains);
    doc->ToolboxCount = 2;
    ScriptedUi ui;
    EXPECT_EQ(ReadToolBoxText(*doc, c.text, ui), c.outcome);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.shown[0].text, c.message);
    EXPECT_EQ(ui.shown[0].caption, "Lumora");
    EXPECT_EQ(doc->ToolboxCount, c.count);
    EXPECT_EQ(doc->ToolboxDate, c.date);
    EXPECT_EQ(doc->AirportDetails, "OLD,01:00,00:30,Y,");
  }

  // A month without a toolbox of its own goes on with the built-in table.
  auto doc = MakeDocument(CrewKind::Captains);
  ScriptedUi ui;
  EXPECT_EQ(ReadToolBoxText(*doc, "", ui), ToolBoxOutcome::NotAToolBox);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text,
            "Not a Valid ToolBox. Using default ToolBox. Import new ToolBox File.");
}

TEST(ToolBoxText, AirportFieldsAreBroughtToTheirWidths) {
  auto doc = MakeDocument(CrewKind::Captains);
  doc->FileDescriptor = "YYC320CAC";
  ScriptedUi ui;
  const std::string text =
      BoxText({{.code = "SIM", .extract = "SM"}},
              {{.code = " YYC", .offset = "7:00", .transport = "0:45", .daylight = "N "},
               {.code = "YVRX"},
               {.code = "YYZ", .offset = "-5:00"},
               {.code = "YUL", .transport = "1:75"},
               {.code = "Y,Z"},
               {.code = "0:4"},
               {.code = "YOW", .offset = "05:00", .transport = "00:40", .daylight = ""}});
  EXPECT_EQ(ReadToolBoxText(*doc, text, ui), ToolBoxOutcome::Loaded);
  EXPECT_EQ(doc->AirportDetails, "YYC,07:00,00:45,N,YOW,05:00,00:40,Y,");
  // The look-ups find every field of the rebuilt table.
  EXPECT_EQ(AirportTransportTime(doc->AirportDetails, "YOW"), 40);
  EXPECT_FALSE(BaseObservesDaylightSaving(doc->FileDescriptor, doc->AirportDetails));
  EXPECT_EQ(TimeZoneDifference(doc->AirportDetails, doc->FileDescriptor, {}, 0, 0, "YOW", ""),
            -120);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(
      ui.shown[0].text,
      "Airport Details not Loaded for \"YVRX\", \"YYZ\", \"YUL\", \"Y,Z\", \"0:4\". An Airport "
      "needs a 3 letter Code, its Offset and Transport Time as HH:MM and a Daylight Saving Flag.");
}

TEST(ToolBoxText, CountsBeyondTheTablesAreCapped) {
  std::vector<BoxEntry> entries(301, BoxEntry{.code = "TRN", .extract = "TN"});
  entries[0].code = "FST";
  entries.push_back(BoxEntry{.code = "CAB", .crew = "Cabin", .extract = "CB"});
  std::vector<BoxAirport> airports(kMaxAirports + 3, BoxAirport{.code = "AAA"});
  auto doc = MakeDocument(CrewKind::FirstOfficers);
  ScriptedUi ui;
  EXPECT_EQ(ReadToolBoxText(*doc, BoxText(entries, airports), ui), ToolBoxOutcome::Loaded);
  EXPECT_EQ(doc->ToolboxCount, 300);
  EXPECT_EQ(doc->ToolboxItems[0].Code, "FST");
  EXPECT_EQ(doc->AirportDetails.size(), kMaxAirports * kAirportEntryLength);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Only the first 2000 Airports were Loaded.");
}

TEST(ToolBoxText, TimesThatDoNotReadAreNone) {
  auto doc = MakeDocument(CrewKind::Captains);
  ScriptedUi ui;
  ReadToolBoxText(*doc,
                  BoxText({{.code = "BAD",
                            .extract = "BD",
                            .start = "25:00",
                            .end = "8:75",
                            .credit = "-4:00",
                            .hard = "x"}},
                          {{.code = "YVR"}}),
                  ui);
  ASSERT_EQ(doc->ToolboxCount, 1);
  const TAbsence& bad = doc->ToolboxItems[0];
  EXPECT_EQ(std::tie(bad.StartTime, bad.EndTime, bad.HardTime), std::make_tuple(0, 0, 0));
  // A negative credit would make the code's button a day-off request.
  EXPECT_EQ(bad.Credit, 0);
  EXPECT_FALSE(FindToolboxButton(*doc, "BAD")->isRequest());
}

class LoadToolBoxFileTest : public ::testing::Test {
 protected:
  std::string WriteBox(const std::string& name, const std::string& text) {
    const std::filesystem::path path = folder / name;
    std::ofstream(path, std::ios::binary) << text;
    return path.string();
  }

  TempFolder folder;
  std::unique_ptr<TDocument> doc = MakeDocument(CrewKind::Captains);
  ScriptedUi ui;
  MemorySettings settings;
};

TEST_F(LoadToolBoxFileTest, DialogStartsInTheStoredFolderAndRemembersTheNewOne) {
  // A missing stored folder starts at home; cancel changes nothing.
  settings.writeString("LM", "LastBoxPath", (folder / "gone").string());
  EXPECT_EQ(LoadToolBoxFile(*doc, ui, settings), ToolBoxOutcome::Cancelled);
  const char* home = std::getenv("HOME");
  EXPECT_EQ(ui.fileDialogs.at(0).startFolder, home != nullptr ? home : "");
  EXPECT_EQ(doc->Modified, 0);
  EXPECT_EQ(doc->ToolboxDate, "old date");

  const std::string file = WriteBox("july.box", BoxText(MixedEntries(), {{.code = "YVR"}}));
  ui.openResults.push_back({file});
  settings.writeString("LM", "LastBoxPath", folder.path().string());
  EXPECT_EQ(LoadToolBoxFile(*doc, ui, settings), ToolBoxOutcome::Loaded);
  ASSERT_EQ(ui.fileDialogs.size(), 2u);
  EXPECT_EQ(ui.fileDialogs[1].title, "Load ToolBox Absences");
  EXPECT_EQ(ui.fileDialogs[1].filter, "ToolBox Definition Files(*.box)|*.box|All Files (*.*)|*.*");
  EXPECT_EQ(ui.fileDialogs[1].startFolder, folder.path().string());
  EXPECT_EQ(doc->ToolboxCount, 3);
  EXPECT_EQ(doc->Modified, 1);
  EXPECT_EQ(settings.readString("LM", "lastboxpath", ""), folder.path().string());
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(LoadToolBoxFileTest, MissingRefusedAndHugeFiles) {
  // A file that cannot be opened changes nothing.
  const std::string missing = (folder / "missing.box").string();
  ui.openResults.push_back({missing});
  doc->ToolboxCount = 2;
  EXPECT_EQ(LoadToolBoxFile(*doc, ui, settings), ToolBoxOutcome::CannotOpen);
  ASSERT_EQ(ui.shown.size(), 1u);
  EXPECT_EQ(ui.shown[0].text, "Unable to Open File " + missing);
  EXPECT_EQ(ui.shown[0].caption, "Lumora");
  EXPECT_EQ(doc->ToolboxCount, 2);
  EXPECT_EQ(doc->Modified, 0);
  EXPECT_EQ(settings.readString("LM", "LastBoxPath", "unset"), "unset");

  // Neither does a file that is not a toolbox, nor one far too large to read.
  ui.openResults.push_back({WriteBox("other.box", "LMToolBoxes\n")});
  EXPECT_EQ(LoadToolBoxFile(*doc, ui, settings), ToolBoxOutcome::NotAToolBox);
  EXPECT_EQ(doc->ToolboxCount, 2);
  EXPECT_EQ(doc->Modified, 0);
  EXPECT_EQ(settings.readString("LM", "LastBoxPath", ""), folder.path().string());

  std::string huge = BoxText(MixedEntries(), {{.code = "YVR"}});
  huge.resize(kMaxToolBoxFileBytes + 1, '\n');
  EXPECT_EQ(ReadToolBoxFile(*doc, WriteBox("huge.box", huge), ui), ToolBoxOutcome::Damaged);
  EXPECT_EQ(ui.last().text, kCorrupt);
  EXPECT_EQ(doc->ToolboxCount, 2);
  EXPECT_EQ(doc->Modified, 0);
}

}  // namespace
}  // namespace lumora
