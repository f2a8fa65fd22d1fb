#include "rules/global_info.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "building/block_figures.h"
#include "platform/captions.h"
#include "platform/clipboard.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::int32_t kReducedBelow = 3900;     // 65:00: an own minimum below is a reduced block
constexpr std::int32_t kCheckPilotAbove = 4440;  // 74:00
constexpr std::int32_t kQualChecker = 3;
constexpr std::size_t kMaxCodes = 300;
constexpr int kLengthColumns = 8;
constexpr int kSpillOverColumn = 6;  // "C/D"
constexpr int kLongColumn = 7;       // "Seven+"

std::string Format(const char* format, auto... values) {
  char buffer[256];
  const int n = std::snprintf(buffer, sizeof buffer, format, values...);
  return std::string(buffer, static_cast<std::size_t>(std::clamp(n, 0, 255)));
}

// "%5ld:%02d" and the label.
std::string Amount(std::int64_t minutes, const char* label) {
  return Format("%5ld:%02d%s", static_cast<long>(minutes / 60),
                static_cast<int>(std::llabs(minutes % 60)), label);
}

// "%d:%02d" of hours and minutes.
std::string Hm(std::int64_t minutes) {
  return Format("%d:%02d", static_cast<int>(minutes / 60),
                static_cast<int>(std::llabs(minutes % 60)));
}

// "%02d:%02d" of hours and minutes.
std::string Hm02(std::int64_t minutes) {
  return Format("%02d:%02d", static_cast<int>(minutes / 60),
                static_cast<int>(std::llabs(minutes % 60)));
}

bool RunsPastMonth(const TPair& pair, int day, int monthLength) {
  return day + pair.Length > monthLength;
}

std::int64_t HardTimeOf(const TPair& pair, int days) {
  std::int64_t hard = 0;
  for (int j = 0; j < std::clamp(days, 0, kMonthDays); ++j)
    hard += pair.DailyHardTime[static_cast<std::size_t>(j)];
  return hard;
}

// Credit of every start day of the month, and the days of those pairings.
struct StartTotals {
  std::int64_t credit = 0;
  std::int64_t days = 0;
};
StartTotals StartDayTotals(const TDocument& doc) {
  StartTotals totals;
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const TPair& pair = doc.pair(p);
    for (int d = 0; d < doc.monthDays(); ++d) {
      if (pair.DayStatus[static_cast<std::size_t>(d)] == kNoInstance) continue;
      totals.credit += pair.Credit;
      totals.days += pair.Length;
    }
  }
  return totals;
}

std::string AverageCreditPerDay(const TDocument& doc) {
  const StartTotals totals = StartDayTotals(doc);
  return totals.days > 0 ? Hm(totals.credit / totals.days) : "0:00";
}

}  // namespace

std::vector<std::string> GlobalInfoLines(const TDocument& doc) {
  const int monthLength = doc.monthDays();
  std::int64_t current = 0;
  std::int64_t reservedTwoCaptains = 0;
  std::int64_t withOverlap = 0;
  std::int64_t hard = 0;
  const bool firstOfficers = doc.crewKind() == CrewKind::FirstOfficers;
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const TPair& pair = doc.pair(p);
    for (int d = 0; d < monthLength; ++d) {
      const std::int32_t status = pair.DayStatus[static_cast<std::size_t>(d)];
      if (status == kNoInstance) continue;
      const std::int64_t inMonth = InstanceCreditInMonth(pair, d, monthLength);
      if (firstOfficers && status < 0) {
        reservedTwoCaptains += inMonth;
        continue;
      }
      withOverlap += pair.Credit;
      current += inMonth;
      hard += HardTimeOf(pair, RunsPastMonth(pair, d, monthLength) ? monthLength - d : pair.Length);
    }
  }
  const std::int64_t open = ComputeOpenTime(doc).open;

  std::vector<std::string> lines;
  auto amount = [&lines](std::int64_t minutes, const char* label) {
    lines.push_back(Amount(minutes, label));
    lines.emplace_back();
  };
  amount(current, "  Pairing Credit for Current Month");
  if (firstOfficers) amount(reservedTwoCaptains, "  Pairing Credit Reserved for Two Capt Pairings");
  amount(withOverlap, "  Pairing Credit for Month with Overlap");
  amount(open, "  Hours currently in Open");

  // How far the open time reaches down the roster.
  std::int64_t reach = open;
  int lastHolder = -1;
  for (int i = 0; i < doc.rosterSize(); ++i) {
    const TPilot& pilot = doc.pilot(i);
    if (pilot.BidReserve != 0) continue;
    const CreditLimits limits = CreditLimitsOf(doc, pilot);
    const std::int64_t credit = BlockCreditOf(pilot);
    if (credit > limits.maximum) {
      reach += credit - limits.target;
    } else if (credit < limits.minimum) {
      if (reach < limits.minimum - credit) {
        reach = std::max<std::int64_t>(reach, 0);
        break;
      }
      reach -= limits.target - credit;
    }
    lastHolder = i;
  }
  lines.push_back(lastHolder < 0 ? std::string("No Blocks")
                                 : "Last Blockholder is " + doc.pilot(lastHolder).Name + " with " +
                                       Hm02(reach) + " in open");
  lines.emplace_back();

  struct Group {
    std::int64_t sum = 0;
    std::int64_t count = 0;
  };
  Group regular, reduced, checkPilots;
  std::int64_t carryIn = 0, draft = 0, misc = 0;
  for (int i = 0; i < doc.rosterSize(); ++i) {
    const TPilot& pilot = doc.pilot(i);
    carryIn += pilot.CreditCarriedIn();
    draft += pilot.DraftCredit;
    misc += pilot.ExtraCredit;
    const CreditLimits limits = CreditLimitsOf(doc, pilot);
    const std::int64_t credit = BlockCreditOf(pilot);
    if (credit < limits.minimum || credit > limits.maximum) continue;
    Group& group =
        pilot.MinBlockOverride() > 0 && pilot.MinBlockOverride() < kReducedBelow ? reduced
        : pilot.MaxBlockOverride() > kCheckPilotAbove && pilot.SpecialQual() == kQualChecker
            ? checkPilots
            : regular;
    group.sum += credit;
    ++group.count;
  }
  if (regular.count > 0) amount(regular.sum / regular.count, "  Avg for Completed Regular Blocks");
  if (reduced.count > 0) amount(reduced.sum / reduced.count, "  Avg for Completed Reduced Blocks");
  if (checkPilots.count > 0)
    amount(checkPilots.sum / checkPilots.count, "  Avg for Non-Reduced Completed CCP Blocks");
  amount(carryIn, "  Carry In");
  amount(draft, "  Draft Credits");
  amount(misc, "  Misc Hours");

  struct CodeTotal {
    std::string code;
    std::int64_t credit = 0;
    int count = 0;
  };
  std::vector<CodeTotal> codes;
  std::int64_t otherCredit = 0;
  for (int i = 0; i < doc.rosterSize(); ++i) {
    const TPilot& pilot = doc.pilot(i);
    for (int d = 0; d < monthLength; ++d) {
      const std::size_t day = static_cast<std::size_t>(d);
      if (pilot.DayCell[day] != kOtherAssignmentCell) continue;
      const std::string& code = pilot.DayCode[day];
      auto found = std::find_if(codes.begin(), codes.end(),
                                [&code](const CodeTotal& t) { return t.code == code; });
      if (found == codes.end()) {
        if (codes.size() == kMaxCodes) continue;  // the list holds the first 300 codes
        codes.push_back({code});
        found = codes.end() - 1;
      }
      found->credit += pilot.DayOther[day][kOtherCredit];
      ++found->count;
      otherCredit += pilot.DayOther[day][kOtherCredit];
    }
  }
  for (const CodeTotal& t : codes)
    lines.push_back(Format("%5ld:%02d in %03d Occurrences of %s", static_cast<long>(t.credit / 60),
                           static_cast<int>(std::llabs(t.credit % 60)), t.count, t.code.c_str()));

  lines.emplace_back("--------");
  lines.push_back(
      Amount(current + carryIn + draft + misc + otherCredit, "  Total Credits for Month"));
  amount(hard, "  Total Hard Time");
  lines.push_back("Average Pairing Credit per day is " + AverageCreditPerDay(doc));
  return lines;
}

std::string PairingReportText(const TDocument& doc) {
  const int monthLength = doc.monthDays();
  std::vector<std::string> lines;
  lines.push_back("Pairing Report for " + doc.cal.MonthText + " " + doc.cal.YearText +
                  " Carry Over Removed from Running Total");
  lines.emplace_back();

  std::int64_t running = 0;
  std::int64_t withCarryOver = 0;
  std::array<std::array<int, kLengthColumns>, kMonthDays> occurrences{};
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const TPair& pair = doc.pair(p);
    int starts = 0;
    for (int d = 0; d < monthLength; ++d) {
      if (pair.DayStatus[static_cast<std::size_t>(d)] == kNoInstance) continue;
      ++starts;
      running += InstanceCreditInMonth(pair, d, monthLength);
      withCarryOver += pair.Credit;
    }
    lines.push_back(Format("Pair %04d  Credit %s  Hard %s  OP %02d  RT %s", pair.Number,
                           Hm02(pair.Credit).c_str(), Hm02(HardTimeOf(pair, pair.Length)).c_str(),
                           starts, Hm(running).c_str()));

    int column = pair.AdjLength - 1;
    if (pair.AdjLength == 2 && pair.Overnight != 0) column = kSpillOverColumn;
    if (pair.AdjLength > 6) column = kLongColumn;
    if (column < 0) continue;  // no counted day: in no column
    for (int d = 0; d < monthLength; ++d)
      if (pair.DayStatus[static_cast<std::size_t>(d)] > 0)
        ++occurrences[static_cast<std::size_t>(d)][static_cast<std::size_t>(column)];
  }
  lines.emplace_back();
  lines.push_back("Total Hours including Carry Over " + Hm(withCarryOver));
  lines.insert(lines.end(), {"", "", "Pairing Occurances Report", "", "",
                             "        One    Two    Three  Four   Five   Six    C/D    Seven+"});
  for (int d = 0; d < monthLength; ++d) {
    const std::size_t day = static_cast<std::size_t>(d);
    std::string line =
        Format(" %02d %2s  ", static_cast<int>(doc.cal.MonthDays[day][0]),
               std::string(doc.cal.DayNames[day].data(), strnlen(doc.cal.DayNames[day].data(), 3))
                   .c_str());
    for (const int count : occurrences[day]) line += Format("%3d    ", count);
    lines.push_back(std::move(line));
  }
  lines.emplace_back();
  return CrLfText(lines);
}

std::string PairingReportClipboardText(const TDocument& doc) {
  return PairingReportText(doc) + "\n\n" + doc.SegmentSummary;
}

void CopyPairingReport(const TDocument& doc, Clipboard& clipboard, Ui& ui) {
  if (!clipboard.setText(PairingReportClipboardText(doc))) {
    ui.message(ReportListDialog::kCopyFailed, kAppCaption, Icon::Warning);
    return;
  }
  ui.message(
      "Pairing Report Copied to Windows Clipboard. To view select Edit, Paste from your Word "
      "Processing program.",
      kAppCaption, Icon::Information);
}

}  // namespace lumora
