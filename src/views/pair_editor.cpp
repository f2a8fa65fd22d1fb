#include "views/pair_editor.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "model/document.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::string_view kPassword = "QUARTO";
constexpr std::string_view kPasswordLower = "quarto";
constexpr std::size_t kShortError = 71;

// An optional sign and digits after optional blanks, as "%d" reads them.
// Nothing is read from a text without digits or with a number beyond int.
bool ReadNumber(std::string_view text, std::size_t& at, int& value) {
  while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])) != 0) ++at;
  std::size_t start = at;
  if (start < text.size() && text[start] == '+') ++start;  // from_chars takes no '+'
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  const auto [end, error] = std::from_chars(first, last, value);
  if (error != std::errc{}) return false;
  at = static_cast<std::size_t>(end - text.data());
  return true;
}

std::string Clock(int minutes, int hourDigits) {
  char text[32];
  std::snprintf(text, sizeof text, "%0*d:%02d", hourDigits, minutes / 60, minutes % 60);
  return text;
}

// Minutes of a daily field; -1 when the field is not read.
int DailyMinutes(std::string_view text) {
  const EditorTime time = ReadEditorTime(text);
  if (!time.read) return -1;
  const long long minutes = static_cast<long long>(time.hours) * 60 + time.minutes;
  if (minutes < 0 || minutes > 1'000'000) return -1;
  return static_cast<int>(minutes);
}

}  // namespace

EditorTime ReadEditorTime(std::string_view text) {
  EditorTime time;
  if (text.size() <= 3) return time;
  std::size_t at = 0;
  int hours = 0;
  int minutes = 0;
  if (!ReadNumber(text, at, hours) || at >= text.size()) return time;
  ++at;  // the separator, whatever it is
  if (!ReadNumber(text, at, minutes)) return time;
  return EditorTime{hours, minutes, true};
}

// --- the password dialog

EditOrViewPairsDialog::EditOrViewPairsDialog(TDocument& doc) : doc_(doc) {
  doc_.view.pairEditing = 0;
}

bool EditOrViewPairsDialog::accept(Ui& ui) {
  doc_.view.pairEditing = 0;
  if (password.empty()) return true;
  if (password == kPassword || password == kPasswordLower) {
    doc_.view.pairEditing = 1;
    return true;
  }
  ui.message(kWrongPassword, kAppCaption, Icon::Warning);
  return false;
}

bool EditOrViewPairsDialog::editing() const {
  return doc_.view.pairEditing != 0;
}

// --- the editor

PairDialog::PairDialog(TDocument& doc) : PairDialog(doc, doc.view.pairEditorCurrent) {}

PairDialog::PairDialog(TDocument& doc, int pair) : doc_(doc), editing_(doc.view.pairEditing != 0) {
  show(std::clamp(pair, 0, std::max(0, lastPair())));
}

std::string_view PairDialog::title() const {
  return editing_ ? kEditCaption : kViewCaption;
}

int PairDialog::lastPair() const {
  return doc_.lastPairIndex();
}

int PairDialog::boxDay(int box) const {
  const int day = box - std::clamp<int>(doc_.cal.FirstWeekday, 0, 6);
  return box >= 0 && box < kBoxes && day >= 0 && day < doc_.monthDays() ? day : -1;
}

std::string PairDialog::boxLabel(int box) const {
  const int day = boxDay(box);
  if (day < 0) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%02d", doc_.cal.MonthDays[static_cast<std::size_t>(day)][0]);
  return text;
}

std::string PairDialog::positionText() const {
  return std::to_string(current_ + 1) + " of " + std::to_string(lastPair() + 1);
}

int PairDialog::dayMaximum() const {
  if (!doc_.isPairIndex(current_)) return 5;
  const int days = doc_.pair(current_).Length;
  return days < 1 ? 5 : std::min(days, kMonthDays) - 1;
}

std::string PairDialog::dayLabel() const {
  return "Day " + std::to_string(day_ + 1);
}

void PairDialog::show(int pair) {
  current_ = pair;
  day_ = 0;
  dayBox.fill(false);
  if (!doc_.isPairIndex(pair)) {
    number.clear();
    clearPage();
    return;
  }
  const TPair& p = doc_.pair(pair);
  char text[32];
  std::snprintf(text, sizeof text, "%04d", static_cast<int>(p.Number));
  number = p.Number == 0 ? std::string("0") : std::string(text);
  if (p.Credit < 1) {
    clearPage();
    return;
  }
  on = Clock(p.OnTime, 2);
  off = Clock(p.OffTime, 2);
  credit = Clock(p.Credit, 2);
  tafb = Clock(p.TAFB, 3);
  length = std::to_string(p.Length);
  for (int box = 0; box < kBoxes; ++box) {
    const int day = boxDay(box);
    if (day >= 0)
      dayBox[static_cast<std::size_t>(box)] = p.DayStatus[static_cast<std::size_t>(day)] != 0;
  }
  showDay();
}

void PairDialog::clearPage() {
  for (std::string* field :
       {&on, &off, &credit, &tafb, &length, &startTime, &dutyTime, &hardTime, &dailyCredit})
    field->clear();
}

void PairDialog::showDay() {
  if (!doc_.isPairIndex(current_)) return;
  const TPair& p = doc_.pair(current_);
  const auto d = static_cast<std::size_t>(day_);
  startTime = Clock(p.DailyStartTime[d], 2);
  dutyTime = Clock(p.DailyDutyTime[d], 2);
  hardTime = Clock(p.DailyHardTime[d], 2);
  dailyCredit = Clock(p.DailyCredit[d], 2);
}

bool PairDialog::storeDaily(Field* field) {
  const int start = DailyMinutes(startTime);
  const int duty = DailyMinutes(dutyTime);
  const int hard = DailyMinutes(hardTime);
  const int dayCredit = DailyMinutes(dailyCredit);
  Field bad = Field::None;
  if (start < 0 || start > 1439)
    bad = Field::StartTime;
  else if (duty < 0 || duty > 1080)
    bad = Field::DutyTime;
  else if (hard < 0)
    bad = Field::HardTime;
  else if (dayCredit < 0)
    bad = Field::DailyCredit;
  if (field != nullptr) *field = bad;
  if (bad != Field::None || !doc_.isPairIndex(current_)) return bad == Field::None;
  TPair& p = doc_.pair(current_);
  const auto d = static_cast<std::size_t>(day_);
  p.DailyStartTime[d] = start;
  p.DailyDutyTime[d] = duty;
  p.DailyHardTime[d] = hard;
  p.DailyCredit[d] = dayCredit;
  doc_.Modified = 1;
  return true;
}

bool PairDialog::moveDay(int day, Ui& ui) {
  focus_ = Field::None;
  if (day < 0 || day > dayMaximum()) return false;
  if (editing_) {
    Field bad = Field::None;
    if (!storeDaily(&bad)) {
      focus_ = bad;
      ui.message(kDailyInvalid, kAppCaption, Icon::Warning);
      return false;
    }
  }
  day_ = day;
  showDay();
  return true;
}

bool PairDialog::goTo(int pair, Ui& ui) {
  focus_ = Field::None;
  if (pair < 0 || pair > lastPair() || pair == current_) return false;
  if (!storePairInfo(ui)) return false;
  show(pair);
  return true;
}

bool PairDialog::storePairInfo(Ui& ui) {
  if (!editing_ || !doc_.isPairIndex(current_)) return true;
  const EditorTime report = ReadEditorTime(on);
  const EditorTime pay = ReadEditorTime(credit);
  const EditorTime away = ReadEditorTime(tafb);
  std::size_t at = 0;
  int pairNumber = 0;
  if (!ReadNumber(number, at, pairNumber)) pairNumber = 0;
  bool operates = false;
  for (int box = 0; box < kBoxes; ++box)
    operates = operates || (boxDay(box) >= 0 && dayBox[static_cast<std::size_t>(box)]);

  const long long reportMinutes = static_cast<long long>(report.hours) * 60 + report.minutes;
  const long long tafbMinutes = static_cast<long long>(away.hours) * 60 + away.minutes;
  const long long span = reportMinutes + tafbMinutes - 1;
  // Division truncating toward zero, as the length always was computed.
  const long long calculated = span / kMinutesPerDay + 1;

  std::string errors;
  Field first = Field::None;
  const auto fault = [&errors, &first](std::string_view text, Field field) {
    errors += text;
    if (first == Field::None) first = field;
  };
  if (report.hours < 0 || report.hours > 23 || report.minutes < 0 || report.minutes > 59)
    fault("Time On ? ", Field::On);
  // Negative hours of credit or time away would be written as typed and
  // leave a pairing that ends before it starts; they are errors too.
  if (pay.hours < 0 || pay.minutes < 0 || pay.minutes > 59 || pay.hours > 85)
    fault("Credit ? ", Field::Credit);
  if (away.hours < 0 || away.minutes < 0 || away.minutes > 59 || away.hours > 144)
    fault("TAFB?  ", Field::Tafb);
  if (!operates) fault("Never Operates? ", Field::DayBoxes);
  if (pairNumber < 1 || pairNumber > 9999) fault("Pair Number Not Valid 1-9999", Field::Number);
  if (calculated < 1 || calculated > 6) fault("Calculated Length?", Field::Tafb);

  if (!errors.empty()) {
    if (errors.size() >= kShortError) return true;
    char caption[64];
    std::snprintf(caption, sizeof caption, "Errors in this Pairing at Index %03d!", current_);
    if (ui.ask(errors + "- Fix Now?", caption, Buttons::YesNo, Icon::Warning) == Answer::Yes) {
      focus_ = first;
      return false;
    }
    return true;
  }

  TDocument& doc = doc_;
  TPair& p = doc.pair(current_);
  doc.Modified = 1;
  const int reportTime = static_cast<int>(reportMinutes);
  const int awayTime = static_cast<int>(tafbMinutes);
  int offTime = reportTime + awayTime;
  while (offTime > kMinutesPerDay) offTime -= kMinutesPerDay;
  p.OnTime = reportTime;
  p.OffTime = offTime;
  p.Credit = pay.hours * 60 + pay.minutes;
  p.Valid = 1;
  p.Number = pairNumber;
  p.TAFB = awayTime;
  p.Length = static_cast<std::int8_t>(calculated);

  for (int box = 0; box < kBoxes; ++box) {
    const int day = boxDay(box);
    if (day < 0) continue;
    const auto d = static_cast<std::size_t>(day);
    std::int32_t& status = p.DayStatus[d];
    if (dayBox[static_cast<std::size_t>(box)]) {
      if (status == kNoInstance) status = kOpenInstance;
      continue;
    }
    const bool assigned = std::abs(status) == kAssignedInstance;
    status = kNoInstance;
    if (!assigned) continue;
    bool found = false;
    for (int c = 0; c < doc.rosterSize() && !found; ++c) {
      TPilot& pilot = doc.pilot(c);
      if (pilot.DayCell[d] != current_) continue;
      char text[96];
      std::snprintf(text, sizeof text, "Removing Pairing %04d from ", static_cast<int>(p.Number));
      ui.message(std::string(text) + pilot.Name.c_str(), kRemovedCaption, Icon::Information);
      pilot.DayCell[d] = kEmptyCell;
      found = true;
    }
    if (!found) ui.message(kMismatchText, kMismatchCaption, Icon::Error);
  }
  return true;
}

bool PairDialog::accept(Ui& ui) {
  focus_ = Field::None;
  if (!editing_) {
    doc_.view.pairEditorCurrent = current_;
    return true;
  }
  storeDaily(nullptr);
  if (!storePairInfo(ui)) return false;
  doc_.view.pairEditorCurrent = current_;
  return true;
}

void PairDialog::cancel() {
  // The pages accepted so far stay written; the editor reopens here.
  doc_.view.pairEditorCurrent = current_;
}

}  // namespace lumora
