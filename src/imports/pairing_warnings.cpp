#include "imports/pairing_warnings.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "model/document.h"
#include "model/time_text.h"
#include "platform/ui.h"

namespace lumora {

namespace {

std::string PairNumber(std::int32_t number) {
  char text[32];
  std::snprintf(text, sizeof text, "Pair %04d", static_cast<int>(number));
  return text;
}

int DaysOf(const TPair& pair) {
  return std::clamp<int>(pair.Length, 0, kMonthDays);
}

}  // namespace

std::vector<std::string> PairingWarningsLines(TDocument& doc) {
  const int last = std::clamp(doc.LastPair, -1, kPairSlots - 1);
  const int monthLength = std::clamp(doc.cal.MonthLength, 0, kMonthDays);

  std::int64_t startCredit = 0;
  std::int64_t startLength = 0;
  for (int p = 0; p <= last; ++p) {
    const TPair& pair = doc.pair(p);
    for (int d = 0; d < monthLength; ++d) {
      if (pair.DayStatus[static_cast<std::size_t>(d)] == 0) continue;
      startCredit += pair.Credit;
      startLength += pair.Length;
    }
  }
  const std::int64_t average = startLength > 0 ? startCredit / startLength : 0;

  // Totals here may exceed what one pairing holds and are read as balances:
  // one sign in front of a negative one.
  std::vector<std::string> lines;
  lines.push_back("Number of Pairings " + std::to_string(last + 1) +
                  "  Average Pairing Credit per day is " + SignedHoursMinutes(average));
  lines.emplace_back();
  lines.emplace_back("====== Pairing Warnings Report ======");
  lines.emplace_back();
  for (int p = 0; p <= last; ++p) {
    TPair& pair = doc.pair(p);
    ValidatePairing(pair, doc.cal.MonthLength, doc.AirportDetails);
    if (pair.Valid == 0) lines.push_back(PairNumber(pair.Number) + "  " + pair.ValidationText);
  }
  lines.emplace_back();
  lines.emplace_back("====== End of Pairing Warnings ======");
  lines.emplace_back();
  lines.emplace_back("====== Begin Pairing Report ======");
  lines.push_back("Pairing Report for " + doc.cal.MonthText + " " + doc.cal.YearText +
                  " Carry Over Removed from Running Total");

  std::int64_t running = 0;
  std::int64_t withCarryOver = 0;
  for (int p = 0; p <= last; ++p) {
    const TPair& pair = doc.pair(p);
    const int days = DaysOf(pair);
    // Summed wide: a damaged pairing's daily values must not overflow; the
    // line shows the sum as a 32-bit time, as a sound pairing's always fits.
    std::int64_t hardSum = 0;
    for (int i = 0; i < days; ++i) hardSum += pair.DailyHardTime[static_cast<std::size_t>(i)];
    const auto hard = static_cast<std::int32_t>(hardSum);
    int operating = 0;
    for (int d = 0; d < monthLength; ++d) {
      if (pair.DayStatus[static_cast<std::size_t>(d)] == 0) continue;
      ++operating;
      withCarryOver += pair.Credit;
      if (d + pair.Length > monthLength) {
        // Only the pairing days inside the month count.
        for (int i = 0; i < std::min(monthLength - d, kMonthDays); ++i)
          running += pair.DailyCredit[static_cast<std::size_t>(i)];
      } else {
        running += pair.Credit;
      }
    }
    char counts[16];
    std::snprintf(counts, sizeof counts, "%02d", operating);
    lines.push_back(PairNumber(pair.Number) + "  Credit " + FormatTime(pair.Credit, false, true) +
                    "  Hard " + FormatTime(hard, false, true) + "  OPER " + counts +
                    "  Running Total " + SignedHoursMinutes(running));
  }
  lines.push_back("Total Hours including Carry Over " + SignedHoursMinutes(withCarryOver));
  return lines;
}

int PairingOfLine(const TDocument& doc, std::string_view line) {
  if (line.size() <= 5) return -1;
  const std::string_view rest = line.substr(5);
  // A line without a number there names no pairing, whatever number 0 is.
  std::size_t i = 0;
  while (i < rest.size() && rest[i] == ' ') ++i;
  if (i < rest.size() && (rest[i] == '-' || rest[i] == '+')) ++i;
  if (i >= rest.size() || !std::isdigit(static_cast<unsigned char>(rest[i]))) return -1;
  const int number = LeadingInt(rest);
  const int last = std::clamp(doc.LastPair, -1, kPairSlots - 1);
  for (int p = 0; p <= last; ++p)
    if (doc.pair(p).Number == number) return p;
  return -1;
}

PairingValidateDialog::DoubleClick PairingValidateDialog::doubleClick(std::size_t index, Ui& ui,
                                                                      const EditPairing& edit) {
  const int pair = index < lines_.size() ? PairingOfLine(doc_, lines_[index]) : -1;
  if (pair < 0 || !edit) {
    ui.beep();
    return DoubleClick::Beep;
  }
  edit(pair);
  refresh();
  return DoubleClick::Edited;
}

void ShowPairingWarnings(TDocument& doc, Ui& ui) {
  const PairingValidateDialog dialog(doc);
  ui.showList(PairingValidateDialog::kCaption, dialog.lines());
}

}  // namespace lumora
