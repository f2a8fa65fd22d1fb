#include "files/schedule_file.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string_view>
#include <system_error>

#include "files/atomic_file.h"
#include "files/object_stream.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::array<std::string_view, 4> kKindTags = {"Lumora      ", "LMViewPrRost",
                                                       "LMViewPrSked", "LMView_Final"};
constexpr std::string_view kEndMark = "EndOfFile";

// MonthText, YearText and the two reserved short texts are 6-byte fields on
// file, interleaved byte by byte.
constexpr std::size_t kShortTextBytes = 6;
constexpr std::size_t kShortTextMaxLength = kShortTextBytes - 1;

constexpr std::string_view kCreateError =
    "Unable to create file. File may be Read Only or In use by Another Application. Use Save As "
    "to Save as a new name";
constexpr std::string_view kWriteError =
    "Error Saving File. Disk may be Full. Try Saving to Another Location ";
constexpr std::string_view kFileErrorCaption = "File Error";
constexpr std::string_view kCannotOpenCaption = "Lumora - Cannot Open File";
constexpr std::string_view kNotValidCaption = "This is Not a Valid Lumora 2 File.";
constexpr std::string_view kCorruptMessage =
    "This file may be currupt. No End Of File found. Consider loading Backup File";

std::optional<std::int32_t> KindOfTag(std::string_view tag) {
  for (std::size_t kind = 0; kind < kKindTags.size(); ++kind)
    if (kKindTags[kind] == tag) return static_cast<std::int32_t>(kind);
  return std::nullopt;
}

// The base pairings end at LastBasePair. A value that does not lie in
// -1..LastPair would send the extra-crew marking outside the pairings, so it
// is taken as "no copies", the same as in files too old to hold it.
std::int32_t BasePairsEnd(std::int32_t lastBasePair, std::int32_t lastPair) {
  return lastBasePair >= -1 && lastBasePair <= lastPair ? lastBasePair : lastPair;
}

// The sign of a day status is derived after loading; the file holds its size.
// Computed unsigned so that no value overflows.
std::uint32_t Magnitude(std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  return value < 0 ? 0u - bits : bits;
}

// ---------------------------------------------------------------- writing

void WritePair(StreamWriter& w, const TPair& p) {
  w.writeWord(p.OnTime);
  w.writeWord(p.OffTime);
  w.writeWord(p.Credit);
  w.writeByte(static_cast<std::uint8_t>(p.Length));
  w.writeWord(p.TAFB);
  w.writeWord(p.Number);
  w.writeFlag(p.Valid);
  for (const std::int32_t status : p.DayStatus) w.writeWord32(Magnitude(status));
  for (std::size_t i = 0; i < kMonthDays; ++i) {
    w.writeWord(p.DailyStartTime[i]);
    w.writeWord(p.DailyDutyTime[i]);
    w.writeWord(p.DailyCredit[i]);
    w.writeWord(p.DailyHardTime[i]);
  }
  w.writeString(p.DisplayText);
  w.writeString(p.LayoverText);
  w.writeWord(p.FatUnits);
  w.writeString(p.Prefix);
  w.writeBytes(p.ReservedDate);
  w.writeString(p.CrewPosition);
  for (const std::int32_t credit : p.DayExcludeCredit) w.writeWord(credit);
  w.writeWord(p.MinRestAfter);
  w.writeString(p.PairingText);
  for (const std::int32_t type : p.DayPairingType) w.writeWord(type);
}

void WritePilot(StreamWriter& w, const TPilot& c) {
  w.writeString(c.Name);
  w.writeString(c.BidText1);
  w.writeString(c.BidText2);
  w.writeString(c.Notes);
  w.writeBytes(c.EmpNumber);
  w.writeWord(c.ReservedWord);
  for (std::size_t i = 0; i < kBlockDays; ++i) {
    w.writeWord(c.DayCell[i]);
    w.writeByte(static_cast<std::uint8_t>(c.DayRequest[i]));
    w.writeByte(c.DayLocked[i]);
    w.writeString(c.DayCode[i]);
    w.writeString(c.DayCrewTracCode[i]);
    w.writeString(c.ActivityText[i]);
    for (std::size_t j = 0; j < kDayRecordWords; ++j) {
      w.writeWord(c.Activity[i][j]);
      w.writeWord(c.DayOther[i][j]);
    }
  }
  w.writeString(c.PairingFilterText);
  w.writeString(c.BidText);
  w.writeString(c.QualificationCodes);
  for (const std::int32_t word : c.CarryIn) w.writeWord(word);
  w.writeByte(c.BidReserve);
  // The file has one byte for the hours; a credit beyond 255 hours cannot be
  // held there and is written as the most it can hold.
  w.writeByte(static_cast<std::uint8_t>(std::clamp(c.BlockCreditHours, 0, 255)));
  w.writeByte(c.BlockCreditMinutes);
  w.writeWord(c.DraftCredit);
  w.writeWord(c.ReservedCredit);
  w.writeWord(c.ExtraCredit);
  w.writeWord(c.TimeBank);
  w.writeWord(c.TrainingAtHome);
  w.writeFlag(c.OutsideWFlag);
  w.writeString(c.Last89HardTimeText);
}

void WriteToolboxItem(StreamWriter& w, const TAbsence& item) {
  w.writeString(item.Code);
  w.writeString(item.CrewTracCode);
  w.writeString(item.ButtonText);
  w.writeWord(item.StartTime);
  w.writeWord(item.EndTime);
  w.writeWord(item.Credit);
  w.writeWord(item.HardTime);
  w.writeFlag(item.ContainsDuty);
  w.writeFlag(item.CarsDuty);
  w.writeFlag(item.CreditCounts);
  w.writeFlag(item.InToolbox);
}

std::uint8_t ShortTextByte(const std::string& text, std::size_t j) {
  return j < text.size() ? static_cast<std::uint8_t>(text[j]) : 0;
}

// ---------------------------------------------------------------- reading

// A pairing length outside 0..31 would carry later code past the month's
// arrays; it is read as 0, the length of an empty slot, which the validation
// reports as an invalid pairing.
std::int8_t LoadedLength(std::uint8_t stored) {
  const auto length = static_cast<std::int8_t>(stored);
  return length >= 0 && length <= kMonthDays ? length : std::int8_t{0};
}

void ReadPair(StreamReader& r, TPair& p, std::uint32_t version) {
  p.OnTime = r.readWord();
  p.OffTime = r.readWord();
  p.Credit = r.readWord();
  p.Length = LoadedLength(r.readByte());
  p.TAFB = r.readWord();
  p.Number = r.readWord();
  p.Valid = r.readFlag() ? 1 : 0;
  for (std::int32_t& status : p.DayStatus) status = r.readWord();
  for (std::size_t i = 0; i < kMonthDays; ++i) {
    p.DailyStartTime[i] = r.readWord();
    p.DailyDutyTime[i] = r.readWord();
    p.DailyCredit[i] = r.readWord();
    p.DailyHardTime[i] = r.readWord();
  }
  p.DisplayText = r.readString();
  NoteDisplayText(p);
  p.LayoverText = r.readString();
  p.FatUnits = r.readWord();
  p.Prefix = r.readString();
  p.ReservedDate = r.readBytes();
  p.CrewPosition = r.readString();
  if (version >= 2)
    for (std::int32_t& credit : p.DayExcludeCredit) credit = r.readWord();
  if (version >= 3) p.MinRestAfter = r.readWord();
  if (version >= 4) p.PairingText = r.readString();
  if (version >= 5)
    for (std::int32_t& type : p.DayPairingType) type = r.readWord();
}

void ReadPilot(StreamReader& r, TPilot& c, std::uint32_t version, std::int32_t lastPair) {
  c.Name = r.readString();
  c.BidText1 = r.readString();
  c.BidText2 = r.readString();
  c.Notes = r.readString();
  c.EmpNumber = r.readBytes();
  c.ReservedWord = r.readWord();
  for (std::size_t i = 0; i < kBlockDays; ++i) {
    const std::int32_t cell = r.readWord();
    // Every later reader of a cell takes a value of 0 or more as a pairing index.
    c.DayCell[i] = cell >= kOtherAssignmentCell && cell <= lastPair ? cell : kEmptyCell;
    c.DayRequest[i] = static_cast<std::int8_t>(r.readByte());
    c.DayLocked[i] = r.readByte();
    c.DayCode[i] = r.readString();
    c.DayCrewTracCode[i] = r.readString();
    c.ActivityText[i] = r.readString();
    for (std::size_t j = 0; j < kDayRecordWords; ++j) {
      c.Activity[i][j] = r.readWord();
      c.DayOther[i][j] = r.readWord();
    }
  }
  c.PairingFilterText = r.readString();
  c.BidText = r.readString();
  c.QualificationCodes = r.readString();
  const std::size_t carryInWords = version >= 2 ? kCarryInWords : kCarryInWords / 2;
  for (std::size_t k = 0; k < carryInWords; ++k) c.CarryIn[k] = r.readWord();
  c.BidReserve = r.readByte();
  c.BlockCreditHours = r.readByte();
  c.BlockCreditMinutes = r.readByte();
  c.DraftCredit = r.readWord();
  c.ReservedCredit = r.readWord();
  c.ExtraCredit = r.readWord();
  if (version >= 2) {
    c.TimeBank = r.readWord();
    c.TrainingAtHome = r.readWord();
    c.OutsideWFlag = r.readFlag() ? 1 : 0;
  }
  if (version >= 3) c.Last89HardTimeText = r.readString();
}

void ReadToolboxItem(StreamReader& r, TAbsence& item) {
  item.Code = r.readString();
  item.CrewTracCode = r.readString();
  item.ButtonText = r.readString();
  item.StartTime = r.readWord();
  item.EndTime = r.readWord();
  item.Credit = r.readWord();
  item.HardTime = r.readWord();
  item.ContainsDuty = r.readFlag() ? 1 : 0;
  item.CarsDuty = r.readFlag() ? 1 : 0;
  item.CreditCounts = r.readFlag() ? 1 : 0;
  item.InToolbox = r.readFlag() ? 1 : 0;
}

// A short text ends at its first zero and never holds more than 5 characters.
std::string ShortText(const std::array<std::uint8_t, kShortTextBytes>& bytes) {
  std::string text;
  for (std::size_t j = 0; j < kShortTextMaxLength && bytes[j] != 0; ++j)
    text += static_cast<char>(bytes[j]);
  return text;
}

// What a refused load read before it stopped: the crew and pairing records
// written, and whether anything was read at all.
struct ReadSoFar {
  bool anything = false;
  std::int32_t pilots = 0;
  std::int32_t pairs = 0;
};

// Not a schedule file, or one whose counts the document cannot hold.
LoadResult Refuse(TDocument& doc, Ui& ui, EventLog& log, LoadResult result, ReadSoFar read) {
  ui.message(doc.FileName, kNotValidCaption, Icon::Error);
  if (read.anything) {
    // Whatever was read so far goes; the caller still knows the file by name.
    // The document was empty before the load, so the records read are the
    // only ones to clear: a whole clear cost more than most loads.
    log.write("BeginDeleteAll\n");
    for (std::int32_t c = 0; c < read.pilots; ++c) doc.pilot(c).Clear();
    for (std::int32_t p = 0; p < std::min(read.pairs, kMaxImportedPairs); ++p) doc.pair(p).Clear();
    doc.PilotCount = 0;
    doc.LastPair = -1;
    doc.LastBasePair = -1;
    const std::string fileName = doc.FileName;
    ClearDocumentFields(doc);
    doc.FileName = fileName;
    log.write("EndDeleteAll\n");
  }
  result.loaded = false;
  return result;
}

}  // namespace

std::string FileKindTag(std::int32_t kind) {
  const bool known = kind >= 0 && kind < static_cast<std::int32_t>(kKindTags.size());
  return std::string(kKindTags[known ? static_cast<std::size_t>(kind) : 0]);
}

std::vector<std::uint8_t> EncodeScheduleFile(TDocument& doc, std::int32_t kind) {
  // Counts the arrays cannot hold are never written, so the file always
  // describes what follows in it.
  const std::int32_t monthLength = doc.monthDays();
  const std::int32_t pilotCount = doc.rosterSize();
  const std::int32_t lastPair = doc.lastPairIndex();
  const std::int32_t toolboxCount = doc.toolboxSize();
  const TCalendar& cal = doc.cal;

  StreamWriter w;
  // A crew member takes about 6 KiB on file and a pairing with its source
  // lines about 2.5 KiB.
  w.reserve(64 * 1024 + static_cast<std::size_t>(pilotCount) * 8 * 1024 +
            static_cast<std::size_t>(lastPair + 1) * 4 * 1024);
  w.writeString(FileKindTag(kind) + kFileFormatVersion);
  w.writeString(doc.FileDescriptor);

  for (const std::int32_t word :
       {doc.ReservedMonthWord, cal.FirstWeekday, monthLength, doc.AvgCredit, doc.MaxCredit,
        doc.MinCredit, doc.DaysOffBlockHolder, doc.DaysOffReserve})
    w.writeWord(word);
  for (std::size_t d = 0; d < static_cast<std::size_t>(monthLength); ++d) {
    for (const std::int32_t part : cal.MonthDays[d]) w.writeWord(part);
    for (const char letter : cal.DayNames[d]) w.writeByte(static_cast<std::uint8_t>(letter));
    w.writeFlag(cal.WeekendDay[d]);
  }

  w.writeWord(pilotCount);
  w.writeWord(lastPair);
  for (std::int32_t p = 0; p <= lastPair; ++p)
    w.writeObject(kPairStreamClass, [&](StreamWriter& s) { WritePair(s, doc.pair(p)); });
  for (std::int32_t c = 0; c < pilotCount; ++c)
    w.writeObject(kPilotStreamClass, [&](StreamWriter& s) { WritePilot(s, doc.pilot(c)); });

  for (std::size_t j = 0; j < kShortTextBytes; ++j) {
    w.writeByte(ShortTextByte(cal.MonthText, j));
    w.writeByte(ShortTextByte(cal.YearText, j));
    w.writeByte(ShortTextByte(doc.ReservedShortTexts[0], j));
    w.writeByte(ShortTextByte(doc.ReservedShortTexts[1], j));
  }
  for (const auto& day : cal.PrevMonthDays)
    for (const std::int32_t part : day) w.writeWord(part);
  w.writeWord(cal.MonthNumber);
  w.writeWord(doc.BlocksShown);
  w.writeFlag(doc.ShowAssignedPairs);
  w.writeWord(doc.ReservedPrevMonthWord);
  w.writeFlag(doc.PairWindowVisible);
  w.writeFlag(doc.ToolboxWindowVisible);
  w.writeByte(doc.CrewType);
  w.writeString(ToHistoryText(doc.History));

  w.writeWord(BasePairsEnd(doc.LastBasePair, lastPair));
  for (const std::uint8_t flag : doc.ReservedFlags) w.writeFlag(flag);
  for (const std::string& text : doc.ReservedTexts) w.writeString(text);
  w.writeFlag(doc.BlockSearchOn);
  for (const std::string& filter : doc.PairFilters) w.writeString(filter);
  w.writeFlag(doc.BidsWindowVisible);
  w.writeWord(toolboxCount);
  for (std::int32_t t = 0; t < toolboxCount; ++t) WriteToolboxItem(w, doc.toolboxItem(t));
  w.writeString(doc.ToolboxDate);
  for (const std::int32_t word :
       {doc.ReducedMaxCredit, doc.ReducedMinCredit, doc.ReducedMinDaysOff, doc.CheckPilotMaxCredit})
    w.writeWord(word);
  for (const std::int32_t word : doc.ReservedReducedWords) w.writeWord(word);
  w.writeString(doc.SegmentSummary);
  w.writeString(doc.SharedNotes);
  doc.AirportPages[0] = doc.AirportDetails;
  for (const std::string& page : doc.AirportPages) w.writeString(page);
  w.writeString(kEndMark);
  w.flush();

  // A text too long for its length prefix is the only way the writer fails;
  // such a file is not written at all.
  if (w.failed()) return {};
  return w.takeData();
}

bool SaveFile(TDocument& doc, const std::filesystem::path& path, std::int32_t kind, Ui& ui,
              EventLog& log) {
  const std::int32_t lastPair = doc.lastPairIndex();
  for (std::int32_t p = 0; p <= lastPair; ++p) doc.pair(p).CreditClass = CreditClassOf(doc.pair(p));

  AtomicFile file(path);
  if (!file.create()) {
    ui.message(kCreateError, kFileErrorCaption, Icon::Error);
    return false;
  }

  log.write("SaveBlksBegin\n");
  ui.setWaitCursor(true);
  const std::vector<std::uint8_t> bytes = EncodeScheduleFile(doc, kind);
  const bool saved = !bytes.empty() && file.write(bytes) && file.commit();
  ui.setWaitCursor(false);
  if (!saved) {
    file.discard();
    ui.message(kWriteError, kFileErrorCaption, Icon::Error);
    return false;
  }

  doc.Modified = 0;
  log.write("SaveBlksEnd\n");
  return true;
}

LoadResult DecodeScheduleFile(TDocument& doc, std::span<const std::uint8_t> bytes, Ui& ui,
                              EventLog& log) {
  LoadResult result;
  log.write("LoadBlksBegin\n");
  StreamReader r(bytes);

  result.header = r.readString();
  const std::string_view header = result.header;
  const std::string_view tag = header.substr(0, std::min(header.size(), kFileTagLength));
  result.version = std::string(header.substr(tag.size()));
  const std::optional<std::int32_t> kind = KindOfTag(tag);
  if (!kind) return Refuse(doc, ui, log, result, {});
  doc.FileKind = *kind;
  const std::string& version = result.version;

  TCalendar& cal = doc.cal;
  doc.FileDescriptor = r.readString();
  doc.ReservedMonthWord = r.readWord();
  cal.FirstWeekday = r.readWord();
  const std::int32_t monthLength = r.readWord();
  doc.AvgCredit = r.readWord();
  doc.MaxCredit = r.readWord();
  doc.MinCredit = r.readWord();
  doc.DaysOffBlockHolder = r.readWord();
  doc.DaysOffReserve = r.readWord();
  if (monthLength < 0 || monthLength > kMonthDays) return Refuse(doc, ui, log, result, {true});
  cal.MonthLength = monthLength;
  for (std::size_t d = 0; d < static_cast<std::size_t>(monthLength); ++d) {
    for (std::int32_t& part : cal.MonthDays[d]) part = r.readWord();
    for (char& letter : cal.DayNames[d]) letter = static_cast<char>(r.readByte());
    // The name is used as a zero-terminated text.
    cal.DayNames[d][2] = '\0';
    cal.WeekendDay[d] = r.readFlag() ? 1 : 0;
  }

  const std::int32_t pilotCount = r.readWord();
  const std::int32_t lastPair = r.readWord();
  if (pilotCount < 0 || pilotCount > kMaxRosterPilots || lastPair < -1 || lastPair > kPairSlots - 1)
    return Refuse(doc, ui, log, result, {true});
  doc.PilotCount = pilotCount;
  doc.LastPair = lastPair;

  log.write("LoadBlksLoadPairs\n");
  char line[64];
  for (std::int32_t p = 0; p <= lastPair; ++p) {
    TPair& pair = doc.pair(p);
    r.readObject(kPairStreamClass.name, [&](StreamReader& s, std::uint32_t objectVersion) {
      ReadPair(s, pair, objectVersion);
    });
    if (log.isOpen()) {
      std::snprintf(line, sizeof line, "Pairing %d Loaded\n", static_cast<int>(pair.Number));
      log.write(line);
    }
  }

  log.write("LoadBlksLoadEmployees\n");
  for (std::int32_t c = 0; c < pilotCount; ++c) {
    TPilot& pilot = doc.pilot(c);
    r.readObject(kPilotStreamClass.name, [&](StreamReader& s, std::uint32_t objectVersion) {
      ReadPilot(s, pilot, objectVersion, lastPair);
    });
    // As a zero-terminated text, like every name the log shows.
    if (log.isOpen()) log.write("Employee " + std::string(pilot.Name.c_str()) + " Loaded\n");
  }

  log.write("LoadMonthDataBegin\n");
  std::array<std::array<std::uint8_t, kShortTextBytes>, 4> shortTexts{};
  for (std::size_t j = 0; j < kShortTextBytes; ++j)
    for (auto& text : shortTexts) text[j] = r.readByte();
  cal.MonthText = ShortText(shortTexts[0]);
  cal.YearText = ShortText(shortTexts[1]);
  doc.ReservedShortTexts[0] = ShortText(shortTexts[2]);
  doc.ReservedShortTexts[1] = ShortText(shortTexts[3]);
  for (auto& day : cal.PrevMonthDays)
    for (std::int32_t& part : day) part = r.readWord();
  cal.MonthNumber = r.readWord();
  result.blocksShown = r.readWord() != 0;
  doc.ShowAssignedPairs = r.readFlag() ? 1 : 0;
  doc.ReservedPrevMonthWord = r.readWord();
  result.pairWindowVisible = r.readFlag();
  result.toolboxWindowVisible = r.readFlag();
  doc.CrewType = r.readByte();

  log.write("LoadUndoRedoString\n");
  const std::string historyText = r.readString();
  if (historyText.size() > 1) FromHistoryText(historyText, doc.History);

  doc.LastBasePair = version > "2" ? BasePairsEnd(r.readWord(), lastPair) : lastPair;

  if (version > "21") {
    for (std::uint8_t& flag : doc.ReservedFlags) flag = r.readFlag() ? 1 : 0;
    for (std::string& text : doc.ReservedTexts) text = r.readString();
    r.readFlag();  // BlockSearchOn: a search never survives a reload
  } else {
    doc.ReservedFlags.fill(0);
    for (std::string& text : doc.ReservedTexts) text.clear();
  }
  doc.BlockSearchOn = 0;

  if (version > "22") {
    for (std::string& filter : doc.PairFilters) filter = r.readString();
  } else {
    for (std::string& filter : doc.PairFilters) filter.clear();
  }

  result.bidsWindowVisible = version > "23" ? r.readFlag() : false;

  doc.ToolboxCount = 0;
  if (version > "25") {
    const std::int32_t toolboxCount = r.readWord();
    if (toolboxCount < 0 || toolboxCount > kToolboxSlots)
      return Refuse(doc, ui, log, result, {true, pilotCount, lastPair + 1});
    for (std::int32_t t = 0; t < toolboxCount; ++t) ReadToolboxItem(r, doc.toolboxItem(t));
    doc.ToolboxCount = toolboxCount;
  }

  if (version > "26") doc.ToolboxDate = r.readString();
  if (version > "27") {
    doc.ReducedMaxCredit = r.readWord();
    doc.ReducedMinCredit = r.readWord();
    doc.ReducedMinDaysOff = r.readWord();
    doc.CheckPilotMaxCredit = r.readWord();
    for (std::int32_t& word : doc.ReservedReducedWords) word = r.readWord();
    doc.SegmentSummary = r.readString();
  }
  if (version > "28") {
    doc.SharedNotes = r.readString();
    for (std::string& page : doc.AirportPages) page = r.readString();
    doc.AirportDetails = doc.AirportPages[0];
  }

  if (doc.CheckPilotMaxCredit == 0) doc.CheckPilotMaxCredit = 5400;

  // Files of versions before "25" have no end mark; a read that ran past the
  // end of one of them is reported all the same rather than passed off as a
  // good load.
  bool complete = !r.failed();
  if (version == "25") {
    complete = r.readString() == result.header && !r.failed();
  } else if (version > "25") {
    complete = r.readString() == kEndMark && !r.failed();
  }
  if (!complete) ui.message(kCorruptMessage, kAppCaption, Icon::Warning);

  doc.Modified = 0;
  doc.Untitled = 0;
  // A month read from a file may hold assignments worth protecting: the
  // absence import asks before it overwrites them.
  doc.FreshDocument = 0;
  doc.DocState = 1;
  result.loaded = true;
  log.write("LoadBlksEnd\n");
  return result;
}

LoadResult LoadFile(TDocument& doc, Ui& ui, EventLog& log) {
  std::error_code error;
  const std::filesystem::path path(doc.FileName);
  std::ifstream in;
  if (!std::filesystem::is_directory(path, error)) in.open(path, std::ios::binary);
  if (!in.is_open()) {
    ui.message(doc.FileName, kCannotOpenCaption, Icon::Error);
    return {};
  }

  // Read in one go, but never more than a schedule file can be, whatever the
  // file claims to be (a device or a growing file has no trustworthy size).
  // The reads go straight into the buffer: the first asks for the whole
  // file as its size tells (and one byte more, to see one that grew), the
  // others for a chunk each.
  constexpr std::size_t kChunkBytes = 64 * 1024;
  std::vector<std::uint8_t> bytes;
  const auto tooLarge = [&] {
    log.write("LoadBlksBegin\n");
    ui.message(doc.FileName, kNotValidCaption, Icon::Error);
    return LoadResult{};
  };
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  // A regular file's size is known before reading: one too large for a
  // schedule file is refused without reading it.
  std::error_code kindError;
  if (!error && size > kMaxScheduleFileBytes && std::filesystem::is_regular_file(path, kindError))
    return tooLarge();
  std::size_t next = kChunkBytes;
  if (!error)
    next = std::max(kChunkBytes, static_cast<std::size_t>(std::min<std::uintmax_t>(
                                     size + 1, kMaxScheduleFileBytes + 1)));
  while (in && bytes.size() <= kMaxScheduleFileBytes) {
    const std::size_t had = bytes.size();
    bytes.resize(had + next);
    in.read(reinterpret_cast<char*>(bytes.data() + had), static_cast<std::streamsize>(next));
    bytes.resize(had + static_cast<std::size_t>(in.gcount()));
    next = kChunkBytes;
  }
  if (in.bad()) {
    ui.message(doc.FileName, kCannotOpenCaption, Icon::Error);
    return {};
  }
  if (bytes.size() > kMaxScheduleFileBytes) return tooLarge();
  return DecodeScheduleFile(doc, bytes, ui, log);
}

}  // namespace lumora
