#include "support/random_document.h"

#include <algorithm>
#include <limits>
#include <random>
#include <string>

#include "platform/event_log.h"

namespace lumora::testing {

namespace {

class Draw {
 public:
  Draw(std::uint32_t seed, const RandomDocumentOptions& options)
      : engine_(seed), options_(options) {}

  bool wild() const { return options_.wild; }

  std::int32_t range(std::int32_t low, std::int32_t high) {
    return std::uniform_int_distribution<std::int32_t>(low, high)(engine_);
  }
  std::int32_t word() {
    // Mostly small values, with the extremes now and then.
    switch (range(0, 9)) {
      case 0:
        return std::numeric_limits<std::int32_t>::min();
      case 1:
        return std::numeric_limits<std::int32_t>::max();
      case 2:
      case 3:
        return range(std::numeric_limits<std::int32_t>::min(),
                     std::numeric_limits<std::int32_t>::max());
      default:
        return range(-3000, 100000);
    }
  }
  std::uint8_t byte() { return static_cast<std::uint8_t>(range(0, 255)); }
  std::int8_t signedByte() { return static_cast<std::int8_t>(range(-128, 127)); }
  // A stored flag: 0 or 1, or any byte value when wild.
  std::uint8_t flag() { return wild() ? byte() : static_cast<std::uint8_t>(range(0, 1)); }

  std::string text() { return bytes(range(0, options_.maxText), 0); }
  // Texts kept in 6-byte fields: up to 5 characters, none of them zero.
  std::string shortText() { return wild() ? bytes(range(0, 9), 0) : bytes(range(0, 5), 1); }

 private:
  std::string bytes(std::int32_t length, int lowest) {
    std::string s;
    for (std::int32_t i = 0; i < length; ++i) s += static_cast<char>(range(lowest, 255));
    return s;
  }

  std::mt19937 engine_;
  const RandomDocumentOptions& options_;
};

void FillPair(TPair& p, Draw& draw) {
  p.OnTime = draw.word();
  p.OffTime = draw.word();
  p.Credit = draw.word();
  p.Length = draw.wild() ? draw.signedByte() : static_cast<std::int8_t>(draw.range(0, kMonthDays));
  p.TAFB = draw.word();
  p.Number = draw.word();
  p.Valid = draw.flag();
  for (std::int32_t& status : p.DayStatus) status = draw.wild() ? draw.word() : draw.range(-2, 2);
  for (MonthDayArray* daily : {&p.DailyStartTime, &p.DailyDutyTime, &p.DailyCredit,
                               &p.DailyHardTime, &p.DayExcludeCredit, &p.DayPairingType})
    for (std::int32_t& value : *daily) value = draw.word();
  p.DisplayText = draw.text();
  p.LayoverText = draw.text();
  p.FatUnits = draw.word();
  p.Prefix = draw.text();
  p.ReservedDate = draw.word();
  p.CrewPosition = draw.text();
  p.MinRestAfter = draw.word();
  p.PairingText = draw.text();
}

void FillPilot(TPilot& c, Draw& draw, std::int32_t lastPair) {
  c.Name = draw.text();
  c.BidText1 = draw.text();
  c.BidText2 = draw.text();
  c.Notes = draw.text();
  c.EmpNumber = draw.word();
  c.ReservedWord = draw.word();
  for (std::size_t i = 0; i < kBlockDays; ++i) {
    c.DayCell[i] = draw.wild() ? draw.word() : draw.range(kOtherAssignmentCell, lastPair);
    c.DayRequest[i] = draw.signedByte();
    c.DayLocked[i] = draw.byte();
    c.DayCode[i] = draw.text();
    c.DayCrewTracCode[i] = draw.text();
    c.ActivityText[i] = draw.text();
    for (std::size_t j = 0; j < kDayRecordWords; ++j) {
      c.Activity[i][j] = draw.word();
      c.DayOther[i][j] = draw.word();
    }
  }
  c.PairingFilterText = draw.text();
  c.BidText = draw.text();
  c.QualificationCodes = draw.text();
  for (std::int32_t& word : c.CarryIn) word = draw.word();
  c.BidReserve = draw.wild() ? draw.byte() : draw.flag();
  c.BlockCreditHours = draw.wild() ? draw.word() : draw.range(0, 255);
  c.BlockCreditMinutes = draw.byte();
  c.DraftCredit = draw.word();
  c.ReservedCredit = draw.word();
  c.ExtraCredit = draw.word();
  c.TimeBank = draw.word();
  c.TrainingAtHome = draw.word();
  c.OutsideWFlag = draw.flag();
  c.Last89HardTimeText = draw.text();
}

void FillToolboxItem(TAbsence& item, Draw& draw) {
  item.Code = draw.text();
  item.CrewTracCode = draw.text();
  item.ButtonText = draw.text();
  item.StartTime = draw.word();
  item.EndTime = draw.word();
  item.Credit = draw.word();
  item.HardTime = draw.word();
  item.ContainsDuty = draw.flag();
  item.CarsDuty = draw.flag();
  item.CreditCounts = draw.flag();
  item.InToolbox = draw.flag();
}

void FillHistory(TransactionHistory& history, Draw& draw) {
  const std::int32_t count =
      draw.range(0, static_cast<std::int32_t>(TransactionHistory::kCapacity));
  for (std::int32_t i = 0; i < count; ++i) {
    TransactionRecord record;
    if (draw.wild()) {
      record = {draw.word(), draw.word(), draw.word(), draw.word()};
    } else {
      // What the fixed-width text form holds.
      record = {draw.range(0, 1), draw.range(0, 61), draw.range(0, 9999), draw.range(0, 9999)};
    }
    history.add(record);
  }
}

}  // namespace

void FillRandomDocument(TDocument& doc, std::uint32_t seed, const RandomDocumentOptions& options) {
  EventLog closedLog;
  ClearDocument(doc, closedLog);
  Draw draw(seed, options);

  doc.FileDescriptor = draw.text();
  doc.CrewType = draw.wild() ? draw.byte() : static_cast<std::uint8_t>(draw.range(0, 2));

  TCalendar& cal = doc.cal;
  cal.MonthLength = draw.range(0, kMonthDays);
  cal.FirstWeekday = draw.word();
  for (std::size_t d = 0; d < kBlockDays; ++d) {
    for (std::int32_t& part : cal.MonthDays[d]) part = draw.word();
    cal.DayNames[d] = {static_cast<char>(draw.range(1, 255)), static_cast<char>(draw.range(1, 255)),
                       draw.wild() ? static_cast<char>(draw.byte()) : '\0'};
    cal.WeekendDay[d] = draw.flag();
  }
  for (auto& day : cal.PrevMonthDays)
    for (std::int32_t& part : day) part = draw.word();
  cal.MonthNumber = draw.word();
  cal.MonthText = draw.shortText();
  cal.YearText = draw.shortText();

  for (std::int32_t* rule :
       {&doc.AvgCredit, &doc.MaxCredit, &doc.MinCredit, &doc.DaysOffBlockHolder,
        &doc.DaysOffReserve, &doc.ReducedMaxCredit, &doc.ReducedMinCredit, &doc.ReducedMinDaysOff,
        &doc.CheckPilotMaxCredit})
    *rule = draw.word();
  // A stored 0 loads as the default maximum.
  if (!draw.wild() && doc.CheckPilotMaxCredit == 0) doc.CheckPilotMaxCredit = 1;

  doc.ShowAssignedPairs = draw.flag();
  doc.BlocksShown = draw.flag();
  doc.PairWindowVisible = draw.flag();
  doc.ToolboxWindowVisible = draw.flag();
  doc.BidsWindowVisible = draw.flag();
  doc.BlockSearchOn = draw.wild() ? draw.flag() : 0;
  for (std::string& filter : doc.PairFilters) filter = draw.text();
  doc.ToolboxDate = draw.text();
  doc.SegmentSummary = draw.text();
  doc.SharedNotes = draw.text();
  doc.AirportDetails = draw.text();
  for (std::string& page : doc.AirportPages) page = draw.text();
  FillHistory(doc.History, draw);

  for (std::uint8_t& flag : doc.ReservedFlags) flag = draw.flag();
  for (std::string& text : doc.ReservedTexts) text = draw.text();
  doc.ReservedMonthWord = draw.word();
  for (std::int32_t& word : doc.ReservedReducedWords) word = draw.word();
  doc.ReservedPrevMonthWord = draw.word();
  for (std::string& text : doc.ReservedShortTexts) text = draw.shortText();

  const auto count = [&](int low, int high) {
    return options.fullTables ? high : draw.range(low, high);
  };
  doc.PilotCount = count(0, std::clamp(options.maxPilots, 0, kMaxRosterPilots));
  doc.LastPair = count(-1, std::clamp(options.maxPairs, 0, kPairSlots) - 1);
  doc.LastBasePair = draw.wild() ? draw.word() : draw.range(-1, doc.LastPair);
  doc.ToolboxCount = count(0, std::clamp(options.maxToolbox, 0, kToolboxSlots));

  for (std::int32_t p = 0; p <= doc.LastPair; ++p) FillPair(doc.Pairs[p], draw);
  for (std::int32_t c = 0; c < doc.PilotCount; ++c) FillPilot(doc.Pilots[c], draw, doc.LastPair);
  for (std::int32_t t = 0; t < doc.ToolboxCount; ++t) FillToolboxItem(doc.ToolboxItems[t], draw);
}

}  // namespace lumora::testing
