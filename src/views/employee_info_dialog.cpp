#include "views/employee_info_dialog.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>

#include "building/block_figures.h"
#include "building/block_rules.h"
#include "building/roster_bounds.h"
#include "building/roster_edit.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/ui.h"
#include "rules/check_block.h"
#include "rules/rule_results.h"

namespace lumora {

namespace {

// Whole hours beyond which minutes would not fit the record's words.
constexpr long long kMaxCreditHours = (INT_MAX - 59) / 60;
// The legal check-in lies in the first days of the month.
constexpr long long kMaxCheckInDay = 5;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsBlank(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

// Reads "%d" and "%c" the way the C library's scanner does, saturating long
// numbers instead of overflowing.
class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  std::optional<long long> number() {
    while (i_ < text_.size() && IsBlank(text_[i_])) ++i_;
    bool negative = false;
    if (i_ < text_.size() && (text_[i_] == '+' || text_[i_] == '-')) negative = text_[i_++] == '-';
    const std::size_t start = i_;
    long long value = 0;
    for (; i_ < text_.size() && IsDigit(text_[i_]); ++i_) {
      value = std::min<long long>(value * 10 + (text_[i_] - '0'), 1'000'000'000'000LL);
    }
    if (i_ == start) return std::nullopt;
    return negative ? -value : value;
  }
  std::optional<char> character() {
    if (i_ >= text_.size()) return std::nullopt;
    return text_[i_++];
  }

 private:
  std::string_view text_;
  std::size_t i_ = 0;
};

// A credit "hours, one character, minutes"; a text of 3 characters or fewer
// is 0.
std::optional<std::int32_t> ReadCredit(std::string_view text) {
  if (text.size() <= 3) return 0;
  Scanner scan(text);
  const auto hours = scan.number();
  if (!hours || !scan.character()) return std::nullopt;
  const auto minutes = scan.number();
  if (!minutes || *hours < 0 || *hours > kMaxCreditHours || *minutes < 0 || *minutes > 59) {
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*hours * 60 + *minutes);
}

// The legal check-in "day, character, hours, character, minutes".
std::optional<std::int32_t> ReadLegalCheckIn(std::string_view text) {
  if (text.size() <= 3) return 0;
  Scanner scan(text);
  const auto day = scan.number();
  if (!day || !scan.character()) return std::nullopt;
  const auto hours = scan.number();
  if (!hours || !scan.character()) return std::nullopt;
  const auto minutes = scan.number();
  if (!minutes || *hours < 0 || *hours > 23 || *minutes < 0 || *minutes > 59 ||
      *day > kMaxCheckInDay) {
    return std::nullopt;
  }
  const long long d = std::max<long long>(*day, 1);
  return static_cast<std::int32_t>(*hours * 60 + *minutes + (d - 1) * kMinutesPerDay);
}

std::string Clock(std::int32_t minutes) {
  return FormatTime(minutes, false, true);
}

std::string LegalCheckInText(std::int32_t minutes) {
  char text[48];
  std::snprintf(text, sizeof text, "%01d:%02d:%02d", minutes / kMinutesPerDay + 1,
                minutes % kMinutesPerDay / 60, minutes % 60);
  return text;
}

std::vector<std::string> Lines(std::string_view text) {
  std::vector<std::string> out;
  for (const std::string_view item : SplitItems(text)) out.emplace_back(item);
  return out;
}

// The words of an activity record behind each time field, and the message
// each adds when it does not read.
struct DayTimeControl {
  ActivityWord word;
  int maxHours;
  std::string_view error;
  EmployeeField field;
};
constexpr std::array<DayTimeControl, kDayTimeFieldCount> kDayTimeControls{{
    {kActDailyHardTime, 23, "Hard Time Error", EmployeeField::HardTime},
    {kActDutyStart, 23, " ,Duty Start Time Error", EmployeeField::DutyStart},
    {kActDutyStartHomeBase, 23, " ,Duty Start Home Base Time Error",
     EmployeeField::DutyStartHomeBase},
    {kActTimeOnDuty, 999, " ,Duty Length Time Error", EmployeeField::TimeOnDuty},
    {kActPairingStart, 23, " ,Pair/Ass Start Time Error", EmployeeField::PairingStart},
    {kActPairingTafb, 999, " ,Pair/Ass TAFB Time Error", EmployeeField::PairingTafb},
}};

constexpr std::array<EmployeeField, kCreditFieldCount> kCreditFocus{
    EmployeeField::CreditIn, EmployeeField::ExtraCredit, EmployeeField::TimeBank,
    EmployeeField::TrainingAtHome};

std::int32_t& CreditWord(TPilot& pilot, CreditField field) {
  switch (field) {
    case CreditField::CreditIn:
      return pilot.CreditCarriedIn();
    case CreditField::ExtraCredit:
      return pilot.ExtraCredit;
    case CreditField::TimeBank:
      return pilot.TimeBank;
    case CreditField::TrainingAtHome:
      break;
  }
  return pilot.TrainingAtHome;
}

}  // namespace

std::optional<int> ReadDayTime(std::string_view text, int maxHours) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  long long hours = 0;
  const std::size_t hourStart = i;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    hours = std::min<long long>(hours * 10 + (text[i] - '0'), INT_MAX);
  }
  if (i == hourStart || i >= text.size()) return std::nullopt;
  ++i;  // the separator, whatever it is
  int minutes = 0;
  const std::size_t minuteStart = i;
  for (; i < text.size() && IsDigit(text[i]) && i - minuteStart < 2; ++i) {
    minutes = minutes * 10 + (text[i] - '0');
  }
  if (i == minuteStart) return std::nullopt;
  while (i < text.size() && IsBlank(text[i])) ++i;
  if (i != text.size() || minutes > 59 || hours > maxHours) return std::nullopt;
  return static_cast<int>(hours * 60 + minutes);
}

std::int32_t ReadDraftCredit(std::string_view text) {
  constexpr long long kLimit = INT_MAX;
  long long minutes = 0;
  if (text.find('.') != std::string_view::npos) {
    // Hours with decimals, whole minutes: "7.5" is 450.
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long hours = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      hours = std::min<long long>(hours * 10 + (text[i] - '0'), kLimit);
    }
    long long fraction = 0;  // sixtieths of an hour, from the decimals
    if (i < text.size() && text[i] == '.') {
      long long scale = 1;
      long long numerator = 0;
      for (++i; i < text.size() && IsDigit(text[i]) && scale < 1'000'000'000; ++i) {
        numerator = numerator * 10 + (text[i] - '0');
        scale *= 10;
      }
      fraction = numerator * 60 / scale;
    }
    minutes = std::min(hours * 60 + fraction, kLimit);
    if (negative) minutes = -minutes;
  } else if (const std::size_t colon = text.find(':'); colon == std::string_view::npos) {
    minutes = static_cast<long long>(LeadingInt(text)) * 60;
  } else {
    minutes = static_cast<long long>(LeadingInt(text.substr(0, colon))) * 60 +
              LeadingInt(text.substr(colon + 1));
  }
  return static_cast<std::int32_t>(std::clamp<long long>(minutes, -kLimit, kLimit));
}

// --- Employee Info

EmployeeInfoDialog::EmployeeInfoDialog(BlockEditContext ctx, int crew) : ctx_(ctx), crew_(crew) {
  const TDocument& doc = ctx_.doc;
  const TPilot& p = pilot();
  name = ShownName(p);
  empNumber = std::to_string(p.EmpNumber);
  legalCheckIn = openedLegalCheckIn_ = LegalCheckInText(p.LegalCheckIn());
  credit(CreditField::CreditIn) = Clock(p.CreditCarriedIn());
  credit(CreditField::ExtraCredit) = Clock(p.ExtraCredit);
  credit(CreditField::TimeBank) = Clock(p.TimeBank);
  credit(CreditField::TrainingAtHome) = Clock(p.TrainingAtHome);
  openedCredits_ = credits;
  draftCredit = openedDraftCredit_ = Clock(p.DraftCredit);
  notes = p.Notes;
  outsideW = p.OutsideWFlag != 0;
  bidReserve = p.BidReserve != 0;
  age65 = (p.AgeMedFlags() & 1) != 0;
  med = (p.AgeMedFlags() & 2) != 0;
  training = p.TrainingFlag() == 1;
  noTimeZone = p.NoTimeZoneFlag() == 1;
  noYcg = p.NoYcgFlag() == 1;
  blockComplete = p.BlockComplete() != 0;
  specialQual_ = std::clamp(p.SpecialQual(), kQualNone, kQualLtcAndTp);
  // The month's own values stay exact even outside the bars' ranges, so that
  // OK without touching a bar keeps following the month.
  minDaysOff_ = TPilot::Effective(p.MinDaysOffOverride(), doc.DaysOffBlockHolder);
  minBlock_ = TPilot::Effective(p.MinBlockOverride(), doc.MinCredit);
  maxBlock_ = TPilot::Effective(p.MaxBlockOverride(), doc.MaxCredit);
  showDay(kOpeningDayIndex);
}

void EmployeeInfoDialog::chooseQualification(int qual) {
  specialQual_ = std::clamp(qual, kQualNone, kQualLtcAndTp);
  if (cabinFile() || specialQual_ == kQualLtcAndTp) return;
  if (specialQual_ == kQualChecker) {
    maxBlock_ = kCheckerMax;
    minBlock_ = kCheckerMin;
  } else {
    maxBlock_ = ctx_.doc.MaxCredit;
    minBlock_ = ctx_.doc.MinCredit;
  }
}

void EmployeeInfoDialog::setMinDaysOff(int days) {
  minDaysOff_ = std::clamp(days, kMinDaysOffLow, kMinDaysOffHigh);
}
void EmployeeInfoDialog::setMinBlock(int minutes) {
  minBlock_ = std::clamp(minutes, kBlockLow, kBlockHigh);
}
void EmployeeInfoDialog::setMaxBlock(int minutes) {
  maxBlock_ = std::clamp(minutes, kBlockLow, kBlockHigh);
}
std::string EmployeeInfoDialog::minBlockText() const {
  return Clock(minBlock_);
}
std::string EmployeeInfoDialog::maxBlockText() const {
  return Clock(maxBlock_);
}

void EmployeeInfoDialog::resetToDefault() {
  const TDocument& doc = ctx_.doc;
  if (specialQual_ == kQualChecker) {
    maxBlock_ = kCheckerMax;
    minBlock_ = kCheckerMin;
  } else {
    maxBlock_ = doc.MaxCredit;
    minBlock_ = doc.MinCredit;
  }
  minDaysOff_ = doc.DaysOffBlockHolder;
}

void EmployeeInfoDialog::reducedBlock() {
  const TDocument& doc = ctx_.doc;
  maxBlock_ = doc.ReducedMaxCredit;
  minBlock_ = doc.ReducedMinCredit;
  minDaysOff_ = doc.ReducedMinDaysOff;
}

void EmployeeInfoDialog::showDay(int index) {
  dayIndex_ = std::clamp(index, kFirstDayIndex, kLastDayIndex);
  const DayRecord& rec = pilot().Activity[static_cast<std::size_t>(dayIndex_)];
  for (std::size_t f = 0; f < kDayTimeFieldCount; ++f) {
    dayTimes[f] = Clock(rec[kDayTimeControls[f].word]);
  }
  openedDayTimes_ = dayTimes;
  dayWorked = std::clamp(rec[kActWorkedState], 0, 2);
  dayCarsDuty = rec[kActCarsDuty] != 0;
}

std::string EmployeeInfoDialog::dayDate() const {
  const TCalendar& cal = ctx_.doc.cal;
  const auto& date = dayIndex_ < kPrevDays
                         ? cal.PrevMonthDays[static_cast<std::size_t>(dayIndex_)]
                         : cal.MonthDays[static_cast<std::size_t>(dayIndex_ - kPrevDays)];
  char text[48];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", date[0], date[1], date[2]);
  return text;
}

std::string EmployeeInfoDialog::dayCode() const {
  return pilot().ActivityText[static_cast<std::size_t>(dayIndex_)].c_str();
}

bool EmployeeInfoDialog::refuse(Ui& ui, std::string_view text, Icon icon, EmployeeField field) {
  ui.message(text, kAppCaption, icon);
  focus_ = field;
  return false;
}

bool EmployeeInfoDialog::storeDay(Ui& ui) {
  std::array<int, kDayTimeFieldCount> values{};
  DayRecord& rec = pilot().Activity[static_cast<std::size_t>(dayIndex_)];
  std::string errors;
  EmployeeField first = EmployeeField::None;
  for (std::size_t f = 0; f < kDayTimeFieldCount; ++f) {
    const DayTimeControl& control = kDayTimeControls[f];
    if (dayTimes[f] == openedDayTimes_[f]) {
      values[f] = rec[control.word];
      continue;
    }
    const std::optional<int> value = ReadDayTime(dayTimes[f], control.maxHours);
    if (value) {
      values[f] = *value;
      continue;
    }
    errors += control.error;
    if (first == EmployeeField::None) first = control.field;
  }
  if (!errors.empty()) return refuse(ui, errors, Icon::Error, first);
  for (std::size_t f = 0; f < kDayTimeFieldCount; ++f) rec[kDayTimeControls[f].word] = values[f];
  rec[kActWorkedState] = std::clamp(dayWorked, 0, 2);
  rec[kActCarsDuty] = dayCarsDuty ? 1 : 0;
  openedDayTimes_ = dayTimes;
  return true;
}

bool EmployeeInfoDialog::selectDay(int index, Ui& ui) {
  if (!storeDay(ui)) return false;
  showDay(index);
  return true;
}

bool EmployeeInfoDialog::accept(Ui& ui) {
  TDocument& doc = ctx_.doc;
  TPilot& p = pilot();
  focus_ = EmployeeField::None;
  // 1-2: the document is modified from here on, whatever a later step says.
  doc.Modified = 1;
  if (name.empty()) return refuse(ui, "Pilot Name Error", Icon::Error, EmployeeField::Name);
  p.Name = name.substr(0, kMaxCrewNameLength);

  // 3: the shown previous-month record.
  if (!storeDay(ui)) return false;

  // 4: draft credits, stored at once.
  if (draftCredit != openedDraftCredit_) {
    p.DraftCredit = ReadDraftCredit(draftCredit);
    openedDraftCredit_ = draftCredit;
  }

  // 5: the other credits and the legal check-in.
  std::array<std::int32_t, kCreditFieldCount> creditValues{};
  EmployeeField bad = EmployeeField::None;
  for (std::size_t f = 0; f < kCreditFieldCount; ++f) {
    const auto field = static_cast<CreditField>(f);
    if (credits[f] == openedCredits_[f]) {
      creditValues[f] = CreditWord(p, field);
      continue;
    }
    const std::optional<std::int32_t> value = ReadCredit(credits[f]);
    if (value) {
      creditValues[f] = *value;
    } else if (bad == EmployeeField::None) {
      bad = kCreditFocus[f];
    }
  }
  std::int32_t checkIn = p.LegalCheckIn();
  if (legalCheckIn != openedLegalCheckIn_) {
    const std::optional<std::int32_t> value = ReadLegalCheckIn(legalCheckIn);
    if (value) {
      checkIn = *value;
    } else {
      bad = EmployeeField::LegalCheckIn;
    }
  }
  if (bad != EmployeeField::None) {
    return refuse(ui, "C/I Days > 5 or Hr:Min not correct on one field", Icon::Error, bad);
  }

  // 6: the employee number.
  const int emp = LeadingInt(empNumber);
  if (emp < -1 || emp > kMaxEmpNumber) {
    return refuse(ui, "Invalid Employee Number. -1 - 999999999 only", Icon::Warning,
                  EmployeeField::EmpNumber);
  }
  if (emp != p.EmpNumber) {
    const Answer answer = ui.ask(
        "You have entered a different Employee Number. Do you want to change the Employee Number",
        kAppCaption, Buttons::YesNo, Icon::Warning);
    if (answer == Answer::Yes) {
      if (const int other = CrewWithEmpNumber(doc, emp, crew_); other >= 0) {
        return refuse(ui,
                      "You Have Entered an Employee Number that is being used by " +
                          ShownName(doc.pilot(other)) + ". Enter a Valid Number",
                      Icon::Warning, EmployeeField::EmpNumber);
      }
      p.EmpNumber = emp;
    }
  }

  // 7: credits, check-in, flags.
  for (std::size_t f = 0; f < kCreditFieldCount; ++f) {
    CreditWord(p, static_cast<CreditField>(f)) = creditValues[f];
  }
  openedCredits_ = credits;
  p.LegalCheckIn() = checkIn;
  openedLegalCheckIn_ = legalCheckIn;
  p.OutsideWFlag = outsideW ? 1 : 0;
  p.BidReserve = bidReserve ? 1 : 0;
  p.SpecialQual() = specialQual_;
  p.AgeMedFlags() = (age65 ? 1 : 0) | (med ? 2 : 0);
  p.TrainingFlag() = training ? 1 : 0;
  p.NoTimeZoneFlag() = noTimeZone ? 1 : 0;
  p.NoYcgFlag() = noYcg ? 1 : 0;
  p.BlockComplete() = blockComplete ? 1 : 0;

  // 8: an override equal to the month's value is none, so that it follows
  // later changes of the month.
  p.MinDaysOffOverride() = minDaysOff_ == doc.DaysOffBlockHolder ? 0 : minDaysOff_;
  p.MaxBlockOverride() = maxBlock_ == doc.MaxCredit ? 0 : maxBlock_;
  p.MinBlockOverride() = minBlock_ == doc.MinCredit ? 0 : minBlock_;

  // 9: a check pilot's own limits.
  if (specialQual_ == kQualChecker) {
    const std::int32_t ownMin = p.MinBlockOverride();
    const std::int32_t ownMax = p.MaxBlockOverride();
    const bool defaults =
        (ownMin == 0 || ownMin == kCheckerMin) && (ownMax == 0 || ownMax == kCheckerMax);
    if (defaults ||
        ui.ask("Do you want to Override the Default Min and Max Block Time for this Check Pilot.",
               kAppCaption, Buttons::YesNo, Icon::Warning) != Answer::Yes) {
      p.MinBlockOverride() = kCheckerMin;
      p.MaxBlockOverride() = kCheckerMax;
    }
  }

  // 10.
  p.Notes = notes.substr(0, kNotesLength);
  FindBlockHolderLine(doc, ctx_.views);
  ctx_.views.timeBankChanged(TimeBankText(doc));
  if (doc.crewKind() == CrewKind::Captains) RunTwoCaptainRule(doc);
  return true;
}

std::vector<std::string> EmployeeInfoDialog::ruleCheckLines() const {
  return Lines(pilot().RuleCheckLog);
}
std::vector<std::string> EmployeeInfoDialog::illegalityLines() const {
  return Lines(pilot().ExceptionsText);
}
std::vector<std::string> EmployeeInfoDialog::warningLines() const {
  return Lines(pilot().WarningsText);
}

// --- the quick dialog

QuickEmpInfoDialog::QuickEmpInfoDialog(TDocument& doc, int crew, Point pointer)
    : doc_(doc), crew_(crew), position_{pointer.x, pointer.y + kBelowPointer} {
  const TPilot& p = doc_.pilot(crew_);
  name_ = ShownName(p);
  bidReserve = p.BidReserve != 0;
  blockComplete = p.BlockComplete() != 0;
}

bool QuickEmpInfoDialog::accept(Ui&) {
  TPilot& p = doc_.pilot(crew_);
  const std::uint8_t reserve = bidReserve ? 1 : 0;
  const std::int32_t complete = blockComplete ? 1 : 0;
  if (p.BidReserve != reserve || p.BlockComplete() != complete) doc_.Modified = 1;
  p.BidReserve = reserve;
  p.BlockComplete() = complete;
  return true;
}

// --- entry points

bool ShowEmployeeInfo(BlockEditContext ctx, int crew,
                      const std::function<void()>& reapplyBlockFilters) {
  TDocument& doc = ctx.doc;
  if (!doc.isRosterIndex(crew)) return false;
  EmployeeInfoDialog dialog(ctx, crew);
  if (!ctx.ui.run(dialog)) {
    // A refused OK may have stored its first steps (the name among them).
    ctx.views.rowsChanged(crew);
    return false;
  }
  RecalcBlockCredit(doc, crew, false, ctx.ui, ctx.views);
  ctx.rules.CheckBlock(doc, crew);
  ctx.views.rowsChanged(doc.crewKind() == CrewKind::Captains ? BlockViewSink::kAllRows : crew);
  if (reapplyBlockFilters) reapplyBlockFilters();
  doc.Modified = 1;
  return true;
}

bool ShowQuickEmployeeInfo(BlockEditContext ctx, int crew, Point pointer,
                           const std::function<void()>& reapplyBlockFilters) {
  if (!ctx.doc.isRosterIndex(crew)) return false;
  QuickEmpInfoDialog dialog(ctx.doc, crew, pointer);
  if (!ctx.ui.run(dialog)) return false;
  ctx.views.rowsChanged(crew);
  if (reapplyBlockFilters) reapplyBlockFilters();
  return true;
}

}  // namespace lumora
