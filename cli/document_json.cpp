#include "document_json.h"

#include <array>
#include <cstring>
#include <string>

#include "model/transaction_history.h"
#include "rules/duty_limits.h"

namespace lumora::cli {

std::string Latin1ToUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      out += ch;
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

namespace {

Json Text(std::string_view text) {
  return Latin1ToUtf8(text);
}

template <typename Array>
Json Numbers(const Array& values) {
  Json out = Json::array();
  for (const auto& v : values) out.push_back(static_cast<long long>(v));
  return out;
}

template <typename Array>
Json Rows(const Array& rows) {
  Json out = Json::array();
  for (const auto& row : rows) out.push_back(Numbers(row));
  return out;
}

template <typename Array>
Json Texts(const Array& texts) {
  Json out = Json::array();
  for (const auto& t : texts) out.push_back(Text(t));
  return out;
}

}  // namespace

Json PairToJson(const TPair& p) {
  Json j;
  j["OnTime"] = p.OnTime;
  j["OffTime"] = p.OffTime;
  j["Credit"] = p.Credit;
  j["Length"] = p.Length;
  j["AdjLength"] = p.AdjLength;
  j["TAFB"] = p.TAFB;
  j["Number"] = p.Number;
  j["CrewPosition"] = Text(p.CrewPosition);
  j["DayStatus"] = Numbers(p.DayStatus);
  j["DayExcludeCredit"] = Numbers(p.DayExcludeCredit);
  j["DayPairingType"] = Numbers(p.DayPairingType);
  j["DailyStartTime"] = Numbers(p.DailyStartTime);
  j["DailyStartTimeAtBase"] = Numbers(p.DailyStartTimeAtBase);
  j["DailyOnDutyBreak"] = Numbers(p.DailyOnDutyBreak);
  j["DailyDutyTime"] = Numbers(p.DailyDutyTime);
  j["DailyHardTime"] = Numbers(p.DailyHardTime);
  j["DailyCredit"] = Numbers(p.DailyCredit);
  j["FatUnits"] = p.FatUnits;
  j["MinRestAfter"] = p.MinRestAfter;
  j["Overnight"] = p.Overnight;
  j["UsaSegments"] = p.UsaSegments;
  j["FilterState"] = p.FilterState;
  j["Valid"] = p.Valid;
  j["CreditClass"] = p.CreditClass;
  j["ValidationText"] = Text(p.ValidationText);
  j["DisplayText"] = Text(p.DisplayText);
  j["PairingText"] = Text(p.PairingText);
  j["LayoverText"] = Text(p.LayoverText);
  j["Prefix"] = Text(p.Prefix);
  j["ReservedDate"] = p.ReservedDate;
  return j;
}

Json PilotToJson(const TPilot& c) {
  Json j;
  j["Name"] = Text(c.Name);
  j["BidText1"] = Text(c.BidText1);
  j["BidText2"] = Text(c.BidText2);
  j["Notes"] = Text(c.Notes);
  j["ExceptionsText"] = Text(c.ExceptionsText);
  j["WarningsText"] = Text(c.WarningsText);
  j["RuleCheckLog"] = Text(c.RuleCheckLog);
  j["DayCode"] = Texts(c.DayCode);
  j["DayCrewTracCode"] = Texts(c.DayCrewTracCode);
  j["PairingFilterText"] = Text(c.PairingFilterText);
  j["BidText"] = Text(c.BidText);
  j["QualificationCodes"] = Text(c.QualificationCodes);
  j["Last89HardTimeText"] = Text(c.Last89HardTimeText);
  j["ActivityText"] = Texts(c.ActivityText);
  j["EmpNumber"] = c.EmpNumber;
  j["ReservedWord"] = c.ReservedWord;
  j["OnLeaveAllMonth"] = c.OnLeaveAllMonth;
  j["DayCell"] = Numbers(c.DayCell);
  j["DayRequest"] = Numbers(c.DayRequest);
  j["DayOther"] = Rows(c.DayOther);
  j["Activity"] = Rows(c.Activity);
  j["DutyTotals"] = Rows(c.DutyTotals);
  j["DraftCredit"] = c.DraftCredit;
  j["ExtraCredit"] = c.ExtraCredit;
  j["ReservedCredit"] = c.ReservedCredit;
  j["TimeBank"] = c.TimeBank;
  j["TbbCredit"] = c.TbbCredit;
  j["AlbCredit"] = c.AlbCredit;
  j["TrainingAtHome"] = c.TrainingAtHome;
  j["OutsideWFlag"] = c.OutsideWFlag;
  j["CarryIn"] = Numbers(c.CarryIn);
  j["Last89HardTime"] = Numbers(c.Last89HardTime);
  j["BidReserve"] = c.BidReserve;
  j["BelowBlockHolderLine"] = c.BelowBlockHolderLine;
  j["DayLocked"] = Numbers(c.DayLocked);
  j["ExceptionDays"] = Numbers(c.ExceptionDays);
  j["WarningDays"] = Numbers(c.WarningDays);
  j["SearchMarks"] = Numbers(c.SearchMarks);
  j["BlockCreditHours"] = c.BlockCreditHours;
  j["BlockCreditMinutes"] = c.BlockCreditMinutes;
  j["ClipSelected"] = c.ClipSelected;
  j["FaChecked"] = c.FaChecked;
  j["ExportSelected"] = c.ExportSelected;
  return j;
}

Json ToolboxItemToJson(const TAbsence& t) {
  Json j;
  j["Code"] = Text(t.Code);
  j["CrewTracCode"] = Text(t.CrewTracCode);
  j["ButtonText"] = Text(t.ButtonText);
  j["StartTime"] = t.StartTime;
  j["EndTime"] = t.EndTime;
  j["Credit"] = t.Credit;
  j["HardTime"] = t.HardTime;
  j["ContainsDuty"] = t.ContainsDuty;
  j["CarsDuty"] = t.CarsDuty;
  j["CreditCounts"] = t.CreditCounts;
  j["InToolbox"] = t.InToolbox;
  return j;
}

Json DocumentInfo(const TDocument& doc, const LoadResult& load) {
  Json j;
  j["Header"] = Text(load.header);
  j["Version"] = Text(load.version);
  j["FileKind"] = doc.FileKind;
  j["FileDescriptor"] = Text(doc.FileDescriptor);
  j["CrewType"] = doc.CrewType;
  j["MonthLength"] = doc.cal.MonthLength;
  j["MonthNumber"] = doc.cal.MonthNumber;
  j["YearText"] = Text(doc.cal.YearText);
  j["PilotCount"] = doc.PilotCount;
  j["LastPair"] = doc.LastPair;
  j["LastBasePair"] = doc.LastBasePair;
  j["ToolboxCount"] = doc.ToolboxCount;
  return j;
}

Json DocumentToJson(const TDocument& doc, const LoadResult& load) {
  const TCalendar& cal = doc.cal;
  Json j;
  j["Header"] = Text(load.header);
  j["Version"] = Text(load.version);
  j["FileKind"] = doc.FileKind;
  j["FileDescriptor"] = Text(doc.FileDescriptor);
  j["CrewType"] = doc.CrewType;
  j["MonthLength"] = cal.MonthLength;
  j["FirstWeekday"] = cal.FirstWeekday;
  j["MonthDays"] = Rows(cal.MonthDays);
  j["PrevMonthDays"] = Rows(cal.PrevMonthDays);
  Json names = Json::array();
  for (const auto& name : cal.DayNames)
    names.push_back(Text(std::string_view(name.data(), strnlen(name.data(), name.size()))));
  j["DayNames"] = names;
  j["WeekendDay"] = Numbers(cal.WeekendDay);
  j["MonthNumber"] = cal.MonthNumber;
  j["YearNumber"] = cal.YearNumber;
  j["MonthText"] = Text(cal.MonthText);
  j["YearText"] = Text(cal.YearText);
  j["AvgCredit"] = doc.AvgCredit;
  j["MaxCredit"] = doc.MaxCredit;
  j["MinCredit"] = doc.MinCredit;
  j["DaysOffBlockHolder"] = doc.DaysOffBlockHolder;
  j["DaysOffReserve"] = doc.DaysOffReserve;
  j["ReducedMaxCredit"] = doc.ReducedMaxCredit;
  j["ReducedMinCredit"] = doc.ReducedMinCredit;
  j["ReducedMinDaysOff"] = doc.ReducedMinDaysOff;
  j["CheckPilotMaxCredit"] = doc.CheckPilotMaxCredit;
  j["ShowAssignedPairs"] = doc.ShowAssignedPairs;
  j["BlocksShown"] = load.blocksShown ? 1 : 0;
  j["PairWindowVisible"] = load.pairWindowVisible ? 1 : 0;
  j["ToolboxWindowVisible"] = load.toolboxWindowVisible ? 1 : 0;
  j["BidsWindowVisible"] = load.bidsWindowVisible ? 1 : 0;
  j["BlockSearchOn"] = doc.BlockSearchOn;
  j["PairFilters"] = Texts(doc.PairFilters);
  j["ToolboxDate"] = Text(doc.ToolboxDate);
  j["SegmentSummary"] = Text(doc.SegmentSummary);
  j["SharedNotes"] = Text(doc.SharedNotes);
  j["AirportDetails"] = Text(doc.AirportDetails);
  j["AirportPages"] = Texts(doc.AirportPages);
  j["HistoryText"] = ToHistoryText(doc.History);
  j["ReservedFlags"] = Numbers(doc.ReservedFlags);
  j["ReservedTexts"] = Texts(doc.ReservedTexts);
  j["ReservedMonthWord"] = doc.ReservedMonthWord;
  j["ReservedReducedWords"] = Numbers(doc.ReservedReducedWords);
  j["ReservedPrevMonthWord"] = doc.ReservedPrevMonthWord;
  j["ReservedShortTexts"] = Texts(doc.ReservedShortTexts);
  j["PilotCount"] = doc.PilotCount;
  j["LastPair"] = doc.LastPair;
  j["LastBasePair"] = doc.LastBasePair;
  j["ToolboxCount"] = doc.ToolboxCount;

  Json pairs = Json::array();
  for (int p = 0; p <= doc.LastPair; ++p) pairs.push_back(PairToJson(doc.Pairs[p]));
  j["Pairs"] = std::move(pairs);
  Json pilots = Json::array();
  for (int c = 0; c < doc.PilotCount; ++c) {
    Json pilot = PilotToJson(doc.Pilots[c]);
    // The daily hard time is scratch of the block checks: what they computed
    // for the crew member when the blocks were built, nothing otherwise.
    HardTimeDays hard{};
    if (doc.BlocksShown != 0 && doc.Pilots[c].EmpNumber != -1) hard = ComputeHardTimeByDay(doc, c);
    pilot["HardTimeByDay"] = Numbers(hard);
    pilots.push_back(std::move(pilot));
  }
  j["Pilots"] = std::move(pilots);
  Json items = Json::array();
  for (int t = 0; t < doc.ToolboxCount; ++t)
    items.push_back(ToolboxItemToJson(doc.ToolboxItems[t]));
  j["ToolboxItems"] = std::move(items);
  return j;
}

}  // namespace lumora::cli
