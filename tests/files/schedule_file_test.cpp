#include "files/schedule_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "files/atomic_file.h"
#include "files/object_stream.h"
#include "platform/event_log.h"
#include "support/random_document.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace lumora {
namespace {

using testing::ReadBytes;
using testing::ScriptedUi;
using testing::TempFolder;
using testing::WriteBytes;
using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kNotValid = "This is Not a Valid Lumora 2 File.";
constexpr std::string_view kCorrupt =
    "This file may be currupt. No End Of File found. Consider loading Backup File";
constexpr std::string_view kCannotCreate =
    "Unable to create file. File may be Read Only or In use by Another Application. Use Save As "
    "to Save as a new name";
constexpr std::string_view kDiskFull =
    "Error Saving File. Disk may be Full. Try Saving to Another Location ";

// ------------------------------------------------------------ hand-built files

// A small file written item by item, the way each format version and class
// version laid it out: one crew member, two pairings, one toolbox entry.
struct HandBuilt {
  std::string tag = "Lumora      ";
  std::string version = "29";
  std::uint32_t pairVersion = 5;
  std::uint32_t pilotVersion = 3;
  std::int32_t monthLength = 2;
  std::int32_t pilotCount = 1;
  std::int32_t lastPair = 1;
  std::int32_t lastBasePair = 0;
  std::int32_t toolboxCount = 1;
  std::int32_t checkPilotMaxCredit = 5000;
  std::uint8_t pairLength = 1;
  std::uint8_t blockSearchOn = 0;
  std::map<int, std::int32_t> cells{{0, 0}};  // crew member's day cells; others -1
  std::optional<std::string> endMark;         // default: what the version has
};

void WriteHandBuiltPair(StreamWriter& w, const HandBuilt& f, int i) {
  for (const std::int32_t word : {480 + i, 1020, 300}) w.writeWord(word);
  w.writeByte(f.pairLength);
  w.writeWord(540);
  w.writeWord(1234 + i);
  w.writeFlag(1);
  for (int d = 0; d < 31; ++d) w.writeWord(d == 0 ? 2 : d == 1 ? 1 : 0);
  for (int j = 0; j < 31; ++j)
    for (const std::int32_t word : {480, 600, 300, 200}) w.writeWord(j == 0 ? word : 0);
  w.writeString("DISPLAY");
  w.writeString("YYZ");
  w.writeWord(15);
  w.writeString("A3");
  w.writeBytes(2461223);
  w.writeString("CA");
  if (f.pairVersion >= 2)
    for (int d = 0; d < 31; ++d) w.writeWord(d == 0 ? 30 : 0);
  if (f.pairVersion >= 3) w.writeWord(600);
  if (f.pairVersion >= 4) w.writeString("PRG LINES\n");
  if (f.pairVersion >= 5)
    for (int d = 0; d < 31; ++d) w.writeWord(d == 0 ? 2 : 0);
}

void WriteHandBuiltPilot(StreamWriter& w, const HandBuilt& f) {
  for (const char* text : {"J SMITH", "B1", "B2", "NOTES"}) w.writeString(text);
  w.writeBytes(12345);
  w.writeWord(7);
  for (int i = 0; i < 62; ++i) {
    const auto cell = f.cells.find(i);
    w.writeWord(cell != f.cells.end() ? cell->second : -1);
    w.writeByte(i == 1 ? 13 : 0);
    w.writeByte(i == 0 ? 1 : 0);
    w.writeString(i == 1 ? "GDO" : "");
    w.writeString(i == 1 ? "GD" : "");
    w.writeString(i == 30 ? "SIM" : "");
    for (int j = 0; j < 10; ++j) {
      w.writeWord(i * 10 + j);
      w.writeWord(-(i * 10 + j));
    }
  }
  for (const char* text : {"PF", "BID", "QUAL12345678"}) w.writeString(text);
  const int carryIn = f.pilotVersion >= 2 ? 20 : 10;
  for (int k = 0; k < carryIn; ++k) w.writeWord(100 + k);
  for (const std::uint8_t byte : {1, 77, 30}) w.writeByte(byte);
  for (const std::int32_t word : {60, 61, 62}) w.writeWord(word);
  if (f.pilotVersion >= 2) {
    w.writeWord(120);
    w.writeWord(240);
    w.writeFlag(1);
  }
  if (f.pilotVersion >= 3) w.writeString(std::string(356, '0'));
}

Bytes Build(const HandBuilt& f) {
  StreamWriter w;
  const std::string header = f.tag + f.version;
  const std::string& v = f.version;
  w.writeString(header);
  w.writeString("YUL320CAA");
  for (const std::int32_t word : {1, 3, f.monthLength, 4650, 4800, 4500, 10, 12}) w.writeWord(word);
  for (int d = 0; d < std::clamp(f.monthLength, 0, 31); ++d) {
    for (const std::int32_t part : {d + 1, 7, 2026}) w.writeWord(part);
    w.writeByte(d % 2 == 0 ? 'W' : 'T');
    w.writeByte(d % 2 == 0 ? 'E' : 'H');
    w.writeByte(0);
    w.writeFlag(0);
  }
  w.writeWord(f.pilotCount);
  w.writeWord(f.lastPair);
  for (int p = 0; p <= std::min(f.lastPair, 1); ++p)
    w.writeObject("TPair", f.pairVersion, [&](StreamWriter& s) { WriteHandBuiltPair(s, f, p); });
  if (f.pilotCount >= 1)
    w.writeObject("TPilot", f.pilotVersion, [&](StreamWriter& s) { WriteHandBuiltPilot(s, f); });
  // MonthText "Jul", YearText "2026", the reserved short texts "ABCDEF" and "".
  const std::string shortTexts[4] = {"Jul", "2026", "ABCDEF", ""};
  for (std::size_t j = 0; j < 6; ++j)
    for (const std::string& text : shortTexts)
      w.writeByte(j < text.size() ? static_cast<std::uint8_t>(text[j]) : 0);
  for (int k = 0; k < 31; ++k)
    for (const std::int32_t part : {k, 6, 2026}) w.writeWord(part);
  // MonthNumber, BlocksShown, ShowAssignedPairs, reserved, pairing and toolbox windows.
  for (const std::int32_t word : {7, 1}) w.writeWord(word);
  w.writeFlag(0);
  w.writeWord(0);
  w.writeFlag(1);
  w.writeFlag(0);
  w.writeByte(1);  // CrewType
  w.writeString(
      "0001"
      "01000000000000");
  if (v > "2") w.writeWord(f.lastBasePair);
  if (v > "21") {
    for (int k = 0; k < 10; ++k) w.writeFlag(k == 3 ? 1 : 0);
    for (const char* text : {"R1", "", "R3"}) w.writeString(text);
    w.writeFlag(f.blockSearchOn);
  }
  if (v > "22")
    for (int k = 0; k < 20; ++k) w.writeString(k == 0 ? "F1;" : "");
  if (v > "23") w.writeFlag(1);
  if (v > "25") {
    w.writeWord(f.toolboxCount);
    for (int t = 0; t < std::min(f.toolboxCount, 1); ++t) {
      for (const char* text : {"LOA", "LOA", "Leave"}) w.writeString(text);
      for (const std::int32_t word : {0, 1440, 240, 0}) w.writeWord(word);
      for (const std::uint8_t flag : {0, 0, 1, 1}) w.writeFlag(flag);
    }
  }
  if (v > "26") w.writeString("TOOLBOX DATE");
  if (v > "27") {
    for (const std::int32_t word : {3000, 2500, 11, f.checkPilotMaxCredit, 0, 0, 0, 9})
      w.writeWord(word);
    w.writeString("SEGMENTS");
  }
  if (v > "28") {
    w.writeString("SHARED");
    for (int k = 0; k < 20; ++k) w.writeString(k == 0 ? "YUL-05:00 0:30 1," : k == 19 ? "P19" : "");
  }
  if (f.endMark) {
    w.writeString(*f.endMark);
  } else if (v == "25") {
    w.writeString(header);
  } else if (v > "25") {
    w.writeString("EndOfFile");
  }
  return w.takeData();
}

// ------------------------------------------------------------ fixture

class ScheduleFileTest : public ::testing::Test {
 protected:
  ScheduleFileTest() { log.open(folder / "log.txt"); }

  // A cleared document named after the file, as Open hands it to LoadFile.
  LoadResult Load(const std::filesystem::path& path, TDocument& into) {
    ClearDocument(into, quietLog);
    into.FileName = path.string();
    return LoadFile(into, ui, log);
  }
  LoadResult LoadBytes(const Bytes& bytes, TDocument& into, const std::string& name = "in.lm2") {
    WriteBytes(folder / name, bytes);
    return Load(folder / name, into);
  }
  std::string LogText() const {
    const Bytes bytes = ReadBytes(folder / "log.txt");
    return std::string(bytes.begin(), bytes.end());
  }
  // One message was shown, with this text and caption.
  void ExpectShown(std::string_view text, std::string_view caption) {
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(ui.last().text, text);
    EXPECT_EQ(ui.last().caption, caption);
    ui.shown.clear();
  }

  TempFolder folder;
  ScriptedUi ui;
  EventLog log;
  EventLog quietLog;
  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  std::unique_ptr<TDocument> other = std::make_unique<TDocument>();
};

// What the caller does with the load result before the document is whole:
// BuildBlocks shows the grid and the windows as they were saved.
void ApplyCallerFlags(TDocument& doc, const LoadResult& result) {
  doc.BlocksShown = result.blocksShown;
  doc.PairWindowVisible = result.pairWindowVisible;
  doc.ToolboxWindowVisible = result.toolboxWindowVisible;
  doc.BidsWindowVisible = result.bidsWindowVisible;
}

Bytes Slice(const Bytes& bytes, std::size_t from, std::size_t count) {
  return Bytes(bytes.begin() + static_cast<std::ptrdiff_t>(from),
               bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
}

// ------------------------------------------------------------ layout

TEST_F(ScheduleFileTest, FileStartsWithStreamHeaderKindTagVersionAndDescriptor) {
  doc->FileDescriptor = "YUL320CAA";
  const auto path = folder / "a.lm2";
  ASSERT_TRUE(SaveFile(*doc, path, kScheduleFile, ui, log));
  const std::string head = "Lumora      29";
  Bytes expected{0x3A, 0x01, 0x01, 0x00, 0x00, 0x0E, 0x00, 0x00, 0x00};
  expected.insert(expected.end(), head.begin(), head.end());
  expected.insert(expected.end(), {0x09, 0x00, 0x00, 0x00});
  expected.insert(expected.end(), doc->FileDescriptor.begin(), doc->FileDescriptor.end());
  EXPECT_EQ(Slice(ReadBytes(path), 0, expected.size()), expected);

  const std::pair<std::int32_t, std::string> kinds[] = {{kRosterViewerFile, "LMViewPrRost"},
                                                        {kScheduleViewerFile, "LMViewPrSked"},
                                                        {kCompanyFile, "LMView_Final"}};
  for (const auto& [kind, tag] : kinds) {
    ASSERT_TRUE(SaveFile(*doc, path, kind, ui, log));
    const Bytes viewer = ReadBytes(path);
    EXPECT_EQ(std::string(viewer.begin() + 9, viewer.begin() + 23), tag + "29");
    const LoadResult result = Load(path, *other);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(result.header, tag + "29");
    EXPECT_EQ(other->FileKind, kind);
  }
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ScheduleFileTest, ShortTextsAreInterleavedSixByteFields) {
  // With no month days, pairings or crew the short texts follow the counts.
  doc->cal.MonthText = "Jul";
  doc->cal.YearText = "2026";
  doc->ReservedShortTexts = {"ABCDE", "Z"};
  const Bytes bytes = EncodeScheduleFile(*doc, kScheduleFile);
  const std::size_t at = 5 + 4 + 14 + 4 + 0 + 8 * 4 + 2 * 4;
  EXPECT_EQ(Slice(bytes, at, 24), (Bytes{'J', '2', 'A', 'Z', 'u', '0', 'B', 0, 'l', '2', 'C', 0,
                                         0,   '6', 'D', 0,   0,   0,   'E', 0, 0,   0,   0,   0}));
}

TEST_F(ScheduleFileTest, HandBuiltCurrentFileLoadsAndSavesToTheSameBytes) {
  const Bytes file = Build({});
  const LoadResult result = LoadBytes(file, *doc);
  ASSERT_TRUE(result.loaded);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_EQ(result.version, "29");
  EXPECT_EQ(LogText(),
            "LoadBlksBegin\nLoadBlksLoadPairs\nPairing 1234 Loaded\nPairing 1235 Loaded\n"
            "LoadBlksLoadEmployees\nEmployee J SMITH Loaded\nLoadMonthDataBegin\n"
            "LoadUndoRedoString\nLoadBlksEnd\n");

  // A field or two from each section, to catch sections read in the wrong order.
  EXPECT_EQ(doc->DaysOffReserve, 12);
  EXPECT_EQ(doc->cal.MonthDays[1], (std::array<std::int32_t, 3>{2, 7, 2026}));
  EXPECT_STREQ(doc->cal.DayNames[1].data(), "TH");
  EXPECT_EQ(doc->Pairs[1].Number, 1235);
  EXPECT_EQ(doc->Pairs[0].PairingText, "PRG LINES\n");
  EXPECT_EQ(doc->Pairs[0].DayPairingType[0], 2);
  const TPilot& pilot = doc->Pilots[0];
  EXPECT_EQ(pilot.DayRequest[1], 13);
  EXPECT_EQ(pilot.DayOther[61][9], -619);
  EXPECT_EQ(pilot.CarryIn[19], 119);
  EXPECT_EQ(pilot.OutsideWFlag, 1);
  EXPECT_EQ(pilot.Last89HardTimeText.size(), 356u);
  EXPECT_EQ(doc->ReservedShortTexts[0], "ABCDE");  // the sixth byte is dropped
  EXPECT_EQ(doc->cal.PrevMonthDays[30], (std::array<std::int32_t, 3>{30, 6, 2026}));
  EXPECT_EQ(doc->CrewType, 1);
  ASSERT_EQ(doc->History.size(), 1u);
  EXPECT_EQ(doc->History[0], (TransactionRecord{1, 0, 0, 0}));
  EXPECT_EQ(doc->ReservedTexts[2], "R3");
  EXPECT_EQ(doc->ToolboxItems[0].ButtonText, "Leave");
  EXPECT_EQ(doc->ToolboxDate, "TOOLBOX DATE");
  EXPECT_EQ(doc->ReservedReducedWords[3], 9);
  EXPECT_EQ(doc->AirportPages[19], "P19");

  // The grid and window flags go to the caller, not into the document.
  EXPECT_TRUE(result.blocksShown);
  EXPECT_TRUE(result.pairWindowVisible);
  EXPECT_FALSE(result.toolboxWindowVisible);
  EXPECT_TRUE(result.bidsWindowVisible);
  EXPECT_EQ(doc->BlocksShown, 0);

  // Saved again, the sixth byte of the short text is the only difference.
  ApplyCallerFlags(*doc, result);
  doc->ReservedShortTexts[0] = "ABCDEF";
  EXPECT_EQ(EncodeScheduleFile(*doc, kScheduleFile), file);
}

TEST_F(ScheduleFileTest, OlderFormatVersionsLackTheirLaterSectionsAndKeepTheDefaults) {
  // How many of the version-dependent sections each version has, in file order.
  const std::pair<std::string, int> cases[] = {{"19", 0}, {"20", 1}, {"22", 2}, {"25", 4},
                                               {"26", 5}, {"27", 6}, {"28", 7}};
  for (const auto& [version, sections] : cases) {
    SCOPED_TRACE(version);
    // What a cleared document still holds from the file before.
    doc->SharedNotes = "earlier notes";
    doc->AirportDetails = "earlier airports";
    doc->ToolboxDate = "earlier date";
    doc->ReservedFlags.fill(1);
    doc->ReducedMaxCredit = 1;  // reset by the clear

    HandBuilt file;
    file.version = version;
    file.checkPilotMaxCredit = 0;
    const LoadResult result = LoadBytes(Build(file), *doc);
    ASSERT_TRUE(result.loaded);
    EXPECT_TRUE(ui.shown.empty()) << ui.last().text;
    EXPECT_EQ(doc->LastBasePair, sections >= 1 ? 0 : 1);
    EXPECT_EQ(doc->ReservedFlags[0], 0);
    EXPECT_EQ(doc->ReservedTexts[0], sections >= 2 ? "R1" : "");
    EXPECT_EQ(doc->PairFilters[0], sections >= 3 ? "F1;" : "");
    EXPECT_EQ(result.bidsWindowVisible, sections >= 4);
    EXPECT_EQ(doc->ToolboxCount, sections >= 5 ? 1 : 0);
    EXPECT_EQ(doc->ToolboxDate, sections >= 6 ? "TOOLBOX DATE" : "earlier date");
    EXPECT_EQ(doc->ReducedMaxCredit, sections >= 7 ? 3000 : 3420);
    EXPECT_EQ(doc->SegmentSummary, sections >= 7 ? "SEGMENTS" : "");
    EXPECT_EQ(doc->SharedNotes + doc->AirportDetails, "earlier notesearlier airports");
    EXPECT_EQ(doc->CheckPilotMaxCredit, 5400);
    EXPECT_EQ(doc->History.size(), 1u);
  }
}

TEST_F(ScheduleFileTest, AWrongEndMarkSaysTheFileMayBeCorruptButKeepsWhatWasRead) {
  const std::pair<std::string, std::string> cases[] = {
      {"25", "EndOfFile"}, {"26", "Lumora      26"}, {"29", "EndOfFilE"}};
  for (const auto& [version, mark] : cases) {
    HandBuilt file;
    file.version = version;
    file.endMark = mark;
    EXPECT_TRUE(LoadBytes(Build(file), *doc).loaded);
  }
  EXPECT_EQ(doc->SharedNotes, "SHARED");
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>(3, std::string(kCorrupt)));
  EXPECT_EQ(ui.last().caption, "Lumora");
}

TEST_F(ScheduleFileTest, OlderClassVersionsLeaveTheirMissingFieldsCleared) {
  HandBuilt file;
  file.pairVersion = 2;
  file.pilotVersion = 1;
  ASSERT_TRUE(LoadBytes(Build(file), *doc).loaded);
  const TPair& pair = doc->Pairs[0];
  EXPECT_EQ(pair.DayExcludeCredit[0], 30);
  EXPECT_EQ(pair.MinRestAfter, 660);
  EXPECT_EQ(pair.DayPairingType, MonthDayArray{});
  EXPECT_EQ(doc->Pairs[1].Number, 1235);
  const TPilot& pilot = doc->Pilots[0];
  EXPECT_EQ(pilot.CarryIn[9], 109);
  EXPECT_EQ(pilot.CarryIn[10], 0);
  EXPECT_EQ(pilot.ExtraCredit, 62);
  EXPECT_EQ(pilot.TimeBank, 0);
  EXPECT_EQ(doc->SharedNotes, "SHARED");

  // Pairing class version 3 has the rest but not the source lines.
  file.pairVersion = 3;
  file.pilotVersion = 2;
  ASSERT_TRUE(LoadBytes(Build(file), *doc).loaded);
  EXPECT_EQ(doc->Pairs[0].MinRestAfter, 600);
  EXPECT_EQ(doc->Pairs[0].PairingText, "");
  EXPECT_EQ(doc->Pilots[0].TimeBank, 120);
  EXPECT_EQ(doc->Pilots[0].Last89HardTimeText, "");
  EXPECT_TRUE(ui.shown.empty()) << ui.last().text;
}

// ------------------------------------------------------------ save

TEST_F(ScheduleFileTest, SaveWritesWhatTheFileCanHoldAndClearsModified) {
  testing::FillRandomDocument(*doc, 7, {.maxPilots = 2, .maxPairs = 3});
  doc->LastPair = 1;
  doc->PilotCount = 1;
  doc->Pairs[0].DayStatus[0] = -2;
  doc->Pairs[0].Credit = 400;
  doc->Pairs[0].AdjLength = 1;
  doc->Pairs[0].Overnight = 0;
  doc->Pairs[0].CreditClass = 0;
  doc->Pairs[0].DisplayText = "4711 YUL CDG FRENCH PAIRING";  // marked by the load, not the file
  doc->Pilots[0].BlockCreditHours = 300;
  doc->BlockSearchOn = 1;
  doc->BlocksShown = 1;
  doc->AirportDetails = "YYZ-05:00 0:45 1,";
  doc->Modified = 1;
  const auto path = folder / "a.lm2";
  ASSERT_TRUE(SaveFile(*doc, path, kScheduleFile, ui, log));
  EXPECT_EQ(doc->Modified, 0);
  EXPECT_EQ(doc->Pairs[0].CreditClass, 2);
  EXPECT_EQ(doc->AirportPages[0], doc->AirportDetails);
  EXPECT_EQ(LogText(), "SaveBlksBegin\nSaveBlksEnd\n");
  EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.lm2", "log.txt"}));

  const LoadResult result = Load(path, *other);
  ASSERT_TRUE(result.loaded);
  EXPECT_EQ(other->Pairs[0].DayStatus[0], 2);
  EXPECT_EQ(other->Pairs[0].FrenchPairing, 1);
  EXPECT_EQ(other->Pilots[0].BlockCreditHours, 255);
  EXPECT_EQ(other->BlockSearchOn, 0);
  EXPECT_TRUE(result.blocksShown);
  EXPECT_EQ(other->BlocksShown, 0);
  EXPECT_EQ(other->AirportDetails, "YYZ-05:00 0:45 1,");
  EXPECT_EQ(std::make_tuple(other->Modified, other->Untitled), std::make_tuple(0, 0));
  EXPECT_EQ(other->DocState, 1);
}

TEST_F(ScheduleFileTest, SaveFailuresLeaveTheOldFileAndTheModifiedFlag) {
  const auto path = folder / "a.lm2";
  testing::FillRandomDocument(*doc, 11);
  ASSERT_TRUE(SaveFile(*doc, path, kScheduleFile, ui, log));
  const Bytes old = ReadBytes(path);
  const std::size_t size = old.size();
  doc->SharedNotes += " changed";

  const std::pair<SimulatedDiskFaults, std::string_view> cases[] = {
      {{.failCreate = true}, kCannotCreate}, {{.byteLimit = 0}, kDiskFull},
      {{.byteLimit = size / 2}, kDiskFull},  {{.byteLimit = size - 1}, kDiskFull},
      {{.failRename = true}, kDiskFull},
  };
  for (const auto& [faults, message] : cases) {
    SCOPED_TRACE(message);
    doc->Modified = 1;
    ScopedDiskFaults scoped(faults);
    EXPECT_FALSE(SaveFile(*doc, path, kScheduleFile, ui, log));
    EXPECT_EQ(ui.last().icon, Icon::Error);
    ExpectShown(message, "File Error");
    EXPECT_EQ(doc->Modified, 1);
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"a.lm2", "log.txt"}));
  }

  // A folder that does not exist cannot take the file, for root too.
  EXPECT_FALSE(SaveFile(*doc, folder / "missing" / "a.lm2", kScheduleFile, ui, log));
  ExpectShown(kCannotCreate, "File Error");
}

TEST_F(ScheduleFileTest, SavingOverAReadOnlyFileOrIntoAReadOnlyFolderIsRefused) {
  if (testing::RunningAsRoot()) GTEST_SKIP() << "root may write read-only files and folders";
  const auto path = folder / "a.lm2";
  ASSERT_TRUE(SaveFile(*doc, path, kScheduleFile, ui, log));
  const Bytes old = ReadBytes(path);
  doc->Modified = 1;
  std::filesystem::permissions(path, std::filesystem::perms(0444));
  EXPECT_FALSE(SaveFile(*doc, path, kScheduleFile, ui, log));
  ExpectShown(kCannotCreate, "File Error");
  std::filesystem::permissions(path, std::filesystem::perms(0644));
  std::filesystem::permissions(folder.path(), std::filesystem::perms(0555));
  EXPECT_FALSE(SaveFile(*doc, path, kScheduleFile, ui, log));
  ExpectShown(kCannotCreate, "File Error");
  EXPECT_EQ(doc->Modified, 1);
  EXPECT_EQ(ReadBytes(path), old);
}

// ------------------------------------------------------------ round trip

TEST_F(ScheduleFileTest, RandomDocumentsSaveLoadAndSaveToTheSameBytes) {
  const auto path = folder / "round.lm2";
  for (std::uint32_t seed = 1; seed <= 40; ++seed) {
    SCOPED_TRACE(seed);
    const bool big = seed % 5 == 0;
    testing::FillRandomDocument(
        *doc, seed,
        {.maxPilots = big ? 60 : 8, .maxPairs = big ? 120 : 15, .maxToolbox = big ? 300 : 8});
    doc->FileKind = static_cast<std::int32_t>(seed % 4);
    ASSERT_TRUE(SaveFile(*doc, path, doc->FileKind, ui, log));
    const Bytes first = ReadBytes(path);

    const LoadResult result = Load(path, *other);
    ASSERT_TRUE(result.loaded);
    ASSERT_TRUE(ui.shown.empty()) << ui.last().text;
    EXPECT_EQ(other->FileKind, doc->FileKind);
    ApplyCallerFlags(*other, result);
    ASSERT_TRUE(SaveFile(*other, path, other->FileKind, ui, log));
    ASSERT_EQ(ReadBytes(path), first);
  }
}

TEST_F(ScheduleFileTest, WildValuesSettleAfterOneSaveAndLoad) {
  for (std::uint32_t seed = 100; seed < 115; ++seed) {
    SCOPED_TRACE(seed);
    testing::FillRandomDocument(*doc, seed, {.wild = true});
    const LoadResult first = LoadBytes(EncodeScheduleFile(*doc, kScheduleFile), *other);
    ASSERT_TRUE(first.loaded);
    ApplyCallerFlags(*other, first);
    const Bytes settled = EncodeScheduleFile(*other, kScheduleFile);
    const LoadResult second = LoadBytes(settled, *doc);
    ASSERT_TRUE(second.loaded);
    ApplyCallerFlags(*doc, second);
    EXPECT_EQ(EncodeScheduleFile(*doc, kScheduleFile), settled);

    // Every cell is empty, another assignment or one of the file's pairings.
    for (int c = 0; c < doc->PilotCount; ++c)
      for (const std::int32_t cell : doc->Pilots[static_cast<std::size_t>(c)].DayCell)
        EXPECT_TRUE(cell >= -2 && cell <= doc->LastPair) << cell;
    EXPECT_TRUE(doc->LastBasePair >= -1 && doc->LastBasePair <= doc->LastPair);
    for (int p = 0; p <= doc->LastPair; ++p) {
      const int length = doc->Pairs[static_cast<std::size_t>(p)].Length;
      EXPECT_TRUE(length >= 0 && length <= 31) << length;
    }
  }
  EXPECT_TRUE(ui.shown.empty());
}

// ------------------------------------------------------------ load

TEST_F(ScheduleFileTest, UnreadableAndForeignFilesAreRefusedNamingTheFile) {
  for (const auto& path : {folder / "missing.lm2", folder.path()}) {
    EXPECT_FALSE(Load(path, *doc).loaded);
    ExpectShown(path.string(), "Lumora - Cannot Open File");
    EXPECT_EQ(doc->DocState, 0);
  }

  HandBuilt wrongTag;
  wrongTag.tag = "Lumora2     ";
  HandBuilt shortTag;
  shortTag.tag = "Lumora";
  shortTag.version = "";
  Bytes oldStream = Build({});
  oldStream.erase(oldStream.begin(), oldStream.begin() + 5);  // no stream header: 2-byte words
  for (const Bytes& input : {Build(wrongTag), Build(shortTag), oldStream, Bytes{}, Bytes{0x3A}}) {
    EXPECT_FALSE(LoadBytes(input, *doc, "x.lm2").loaded);
    ExpectShown((folder / "x.lm2").string(), kNotValid);
    EXPECT_EQ(doc->LastPair, -1);
    EXPECT_EQ(doc->DocState, 0);
  }

  const auto huge = folder / "huge.lm2";
  WriteBytes(huge, Build({}));
  std::filesystem::resize_file(huge, kMaxScheduleFileBytes + 1);  // sparse
  EXPECT_FALSE(Load(huge, *doc).loaded);
  ExpectShown(huge.string(), kNotValid);
  EXPECT_EQ(doc->PilotCount, 0);
}

TEST_F(ScheduleFileTest, CountsBeyondTheDocumentsCapacityAreRefusedAndLeaveItCleared) {
  std::vector<HandBuilt> files(8);
  files[0].pilotCount = 1000;
  files[1].pilotCount = -1;
  files[2].lastPair = 3001;
  files[3].lastPair = -2;
  files[4].toolboxCount = 301;
  files[5].toolboxCount = -1;
  files[6].monthLength = 32;
  files[7].monthLength = -1;
  for (const HandBuilt& file : files) {
    SCOPED_TRACE(::testing::PrintToString(
        std::vector<int>{file.pilotCount, file.lastPair, file.toolboxCount, file.monthLength}));
    EXPECT_FALSE(LoadBytes(Build(file), *doc, "big.lm2").loaded);
    ExpectShown((folder / "big.lm2").string(), kNotValid);
    EXPECT_EQ(doc->FileName, (folder / "big.lm2").string());
    EXPECT_EQ(
        std::make_tuple(doc->PilotCount, doc->ToolboxCount, doc->cal.MonthLength, doc->DocState),
        std::make_tuple(0, 0, 0, 0));
    EXPECT_EQ(doc->LastPair, -1);
    EXPECT_EQ(doc->Pilots[0].Name, "");
    EXPECT_TRUE(doc->History.empty());
  }

  // The largest counts the document holds are accepted.
  HandBuilt most;
  most.lastPair = 3000;
  most.lastBasePair = 3000;
  most.pilotCount = 999;
  most.monthLength = 31;
  EXPECT_TRUE(LoadBytes(Build(most), *doc).loaded);
  EXPECT_EQ(doc->LastPair, 3000);
  EXPECT_EQ(doc->PilotCount, 999);
  // Only two pairings and one crew member are in the file: the rest is a short read.
  EXPECT_EQ(ui.messageTexts(), std::vector<std::string>{std::string(kCorrupt)});
}

TEST_F(ScheduleFileTest, ValuesThatWouldLeadOutsideTheArraysAreMadeSafe) {
  HandBuilt file;
  file.cells = {{0, 1}, {1, -2}, {2, 2}, {3, -3}, {40, 5}, {61, 1}, {50, 2147483647}};
  file.blockSearchOn = 1;  // never on after loading
  struct Case {
    std::int32_t lastBasePair;
    std::uint8_t length;
    std::int32_t loadedBasePair, loadedLength;
  };
  // 0xFD is -3 as a signed byte.
  for (const Case c : {Case{7, 40, 1, 0}, Case{-5, 0xFD, 1, 0}, Case{-1, 31, -1, 31}}) {
    SCOPED_TRACE(c.lastBasePair);
    file.lastBasePair = c.lastBasePair;
    file.pairLength = c.length;
    ASSERT_TRUE(LoadBytes(Build(file), *doc).loaded);
    EXPECT_EQ(doc->LastBasePair, c.loadedBasePair);
    EXPECT_EQ(doc->Pairs[0].Length, c.loadedLength);
    EXPECT_EQ(doc->BlockSearchOn, 0);
  }
  const std::array<std::int32_t, 62>& cells = doc->Pilots[0].DayCell;
  const std::pair<std::size_t, std::int32_t> expected[] = {{0, 1},   {1, -2},  {2, -1}, {3, -1},
                                                           {40, -1}, {50, -1}, {61, 1}};
  for (const auto& [day, cell] : expected) EXPECT_EQ(cells[day], cell) << day;
  EXPECT_TRUE(ui.shown.empty());
}

TEST_F(ScheduleFileTest, TruncatedFilesLoadWhatTheyHoldAndSayTheyMayBeCorrupt) {
  testing::FillRandomDocument(*doc, 5, {.maxPilots = 3, .maxPairs = 4, .maxToolbox = 3});
  doc->PilotCount = 3;
  doc->LastPair = 3;
  const Bytes full = EncodeScheduleFile(*doc, kScheduleFile);
  // The header's text ends at byte 23: cuts before it are not Lumora files.
  std::vector<std::size_t> cuts;
  for (std::size_t cut = 0; cut < 40; ++cut) cuts.push_back(cut);
  for (std::size_t cut = 40; cut < full.size(); cut += 97) cuts.push_back(cut);
  for (std::size_t cut = full.size() - 30; cut < full.size(); ++cut) cuts.push_back(cut);
  // Not cleared between loads: a document that already holds data is a
  // harder case for a reader that must stay inside its arrays.
  for (const std::size_t cut : cuts) {
    SCOPED_TRACE(cut);
    ui.shown.clear();
    const LoadResult result = DecodeScheduleFile(*other, Slice(full, 0, cut), ui, quietLog);
    ASSERT_EQ(ui.shown.size(), 1u);
    EXPECT_EQ(result.loaded, cut >= 23);
    EXPECT_EQ(ui.last().text, cut >= 23 ? kCorrupt : std::string_view(other->FileName));
  }

  // A length running past the end: the descriptor claims almost 4 GiB.
  Bytes file = Build({});
  for (std::size_t i = 23; i < 27; ++i) file[i] = i == 23 ? 0xFE : 0xFF;
  ui.shown.clear();
  EXPECT_TRUE(LoadBytes(file, *doc).loaded);
  EXPECT_EQ(doc->FileDescriptor, "");
  EXPECT_EQ(doc->LastPair, 0);  // zeros from here on
  ExpectShown(kCorrupt, "Lumora");

  // An old file has no end mark, but a cut is still noticed.
  HandBuilt old;
  old.version = "20";
  const Bytes oldFull = Build(old);
  EXPECT_TRUE(LoadBytes(oldFull, *doc).loaded);
  EXPECT_TRUE(ui.shown.empty());
  EXPECT_TRUE(LoadBytes(Slice(oldFull, 0, oldFull.size() - 2), *doc).loaded);
  ExpectShown(kCorrupt, "Lumora");
}

}  // namespace
}  // namespace lumora
