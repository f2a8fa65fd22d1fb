#include "imports/pilot_bids.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "imports/list_dialog_text.h"
#include "model/calendar.h"
#include "model/document.h"
#include "model/time_text.h"
#include "platform/captions.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr std::string_view kBidEnd = "end_x_bid";
constexpr std::string_view kSeparator = "\",\"";
constexpr std::size_t kStampLength = 8;
constexpr int kMaxDayOffItems = 9;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsLineBreak(char c) {
  return c == '\n' || c == '\r';
}

// `"dddddd",` at `at`: the opening of a bid.
bool BidOpensAt(std::string_view text, std::size_t at) {
  if (at + 9 > text.size() || text[at] != '"' || text[at + 7] != '"' || text[at + 8] != ',')
    return false;
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(at + 1),
                     text.begin() + static_cast<std::ptrdiff_t>(at + 7), IsDigit);
}

int BidNumber(std::string_view text, std::size_t at) {
  return LeadingInt(text.substr(at + 1, 6));
}

// The first line at or after `from` (from itself counts when a line starts
// there) that opens a bid, or npos.
std::size_t NextBidLine(std::string_view text, std::size_t from) {
  std::size_t line = from;
  while (line < text.size()) {
    const bool lineStart = line == 0 || IsLineBreak(text[line - 1]);
    if (lineStart && BidOpensAt(text, line)) return line;
    line = text.find_first_of("\r\n", line);
    if (line == std::string_view::npos) return line;
    ++line;
  }
  return std::string_view::npos;
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// A request field with its line breaks (vertical tabs) made blanks, all but
// a last one.
std::string RequestText(std::string text) {
  if (text.size() > 1) std::replace(text.begin(), text.end() - 1, '\v', ' ');
  return text;
}

// The day index of a plain day: the first month day with that day of the month.
std::optional<int> PlainDay(const TCalendar& cal, int day) {
  const int length = std::clamp<int>(cal.MonthLength, 0, kBlockDays);
  for (int i = 0; i < length; ++i)
    if (cal.MonthDays[static_cast<std::size_t>(i)][0] == day) return i;
  return std::nullopt;
}

// A "+" day belongs to the month after the period's own month. Looking only
// past the period's end would put "+1" of a period that ends on 1 March at 1
// April.
std::optional<int> NextMonthDay(const TCalendar& cal, int day) {
  // The calendar's 62 days hold that month once; the file keeps no year of
  // the month to compare.
  const int month = cal.MonthNumber % 12 + 1;
  for (int i = 0; i < kBlockDays; ++i) {
    const auto& date = cal.MonthDays[static_cast<std::size_t>(i)];
    if (date[0] == day && date[1] == month) return i;
  }
  return std::nullopt;
}

std::string WithNumber(std::string_view format, const std::string& name, int number) {
  std::string text(format);
  text += name;
  text += "  Emp Number ";
  text += std::to_string(number);
  text += '.';
  return text;
}

}  // namespace

BidFileIndex::BidFileIndex(std::string_view text) {
  std::size_t pos = 0;
  bool afterBid = false;
  while (pos < text.size()) {
    std::size_t start = std::string_view::npos;
    if (afterBid) {
      // Bids written one after the other on a line: only quotes, commas and
      // blanks between the last bid's end and the next one's number.
      std::size_t s = pos;
      while (s < text.size() && (text[s] == '"' || text[s] == ',' || text[s] == ' ' ||
                                 text[s] == '\t' || IsLineBreak(text[s])))
        ++s;
      if (s > pos && text[s - 1] == '"' && BidOpensAt(text, s - 1)) start = s - 1;
    }
    if (start == std::string_view::npos) start = NextBidLine(text, pos);
    if (start == std::string_view::npos) break;

    const std::size_t nextLine = NextBidLine(text, start + 1);
    const std::size_t limit = nextLine == std::string_view::npos ? text.size() : nextLine;
    const std::size_t end = text.substr(0, limit).find(kBidEnd, start);
    const std::size_t stop = end == std::string_view::npos ? limit : end;
    bids_.try_emplace(BidNumber(text, start), text.substr(start, stop - start));
    if (end == std::string_view::npos) {
      pos = limit;
      afterBid = false;
    } else {
      pos = end + kBidEnd.size();
      afterBid = true;
    }
  }
}

std::optional<std::string_view> BidFileIndex::bidFor(int empNumber) const {
  if (empNumber < 0 || empNumber > 999999) return std::nullopt;
  const auto found = bids_.find(empNumber);
  if (found == bids_.end()) return std::nullopt;
  return found->second;
}

std::optional<BidFields> CutBidFields(std::string_view bid) {
  if (bid.empty() || bid.front() != '"') return std::nullopt;
  BidFields fields;
  std::size_t at = 1;
  for (int k = 1; k <= kBidFields; ++k) {
    const std::size_t separator = bid.find(kSeparator, at);
    if (separator == std::string_view::npos) return std::nullopt;
    fields.field[static_cast<std::size_t>(k)] = std::string(bid.substr(at, separator - at));
    at = separator + kSeparator.size();
  }
  fields.stamp = std::string(bid.substr(at, kStampLength));
  return fields;
}

std::optional<std::string> MarkDayOffList(TPilot& pilot, const TCalendar& cal,
                                          std::string_view list, int request, bool personal) {
  if (list.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
  struct Item {
    int day;
    bool nextMonth;
  };
  std::vector<Item> items;
  std::size_t at = 0;
  while (true) {
    const std::size_t comma = list.find(',', at);
    std::string_view item =
        list.substr(at, comma == std::string_view::npos ? list.npos : comma - at);
    if (static_cast<int>(items.size()) == kMaxDayOffItems)
      return std::string(personal ? " ERROR! TO MANY PDOs " : " ERROR! TO MANY GDOs ");
    const std::size_t plus = item.find('+');
    const bool nextMonth = plus != std::string_view::npos;
    if (nextMonth) item.remove_prefix(plus + 1);
    const int day = LeadingInt(item);
    if (day < 1 || day > 31) return std::string(" ERROR! ");
    items.push_back({day, nextMonth});
    if (comma == std::string_view::npos) break;
    at = comma + 1;
  }

  bool failed = false;
  for (const Item& item : items) {
    const std::optional<int> index =
        item.nextMonth ? NextMonthDay(cal, item.day) : PlainDay(cal, item.day);
    if (!index) {
      failed = true;
      continue;
    }
    const auto i = static_cast<std::size_t>(*index);
    // Marked even on a day that holds something: the scheduler sees both.
    pilot.DayRequest[i] = static_cast<std::int8_t>(request);
    if (pilot.DayCell[i] != kEmptyCell) failed = true;
  }
  if (failed) return std::string(" ERROR! ");
  return std::nullopt;
}

std::string ComposeBidText(const BidFields& bid) {
  const auto f = [&bid](int k) -> const std::string& {
    return bid.field[static_cast<std::size_t>(k)];
  };
  std::string text;
  text += f(2) + " " + f(3) + "    " + f(1) + "\n";
  text += "MAX DAYS: " + f(18) + "MAX DAYS RES: " + f(21) + "    CREW REST: " + f(19) +
          "    PAIR/RES: " + f(20) + "    LBW: " + f(9) + "\n";
  static constexpr std::array<const char*, 8> kLabels{
      "VAC: ", "STAT: ", "GDO: ", "PDO1: ", "PDO2: ", "PDO NEXT: ", "USED PDO: ", "SIM: "};
  bool wrote = false;
  for (int k = 10; k <= 17; ++k) {
    if (f(k).empty()) continue;
    text += kLabels[static_cast<std::size_t>(k - 10)];
    text += f(k) + "   ";
    wrote = true;
  }
  if (wrote) text += "\n";
  text += "\n";
  for (int k = 22; k <= 29; ++k) {
    if (f(k).empty()) continue;
    text += "(" + std::to_string(k - 21) + "). " + RequestText(f(k)) + "\n";
  }
  text += "\nPref Pairs: " + f(30) + "\n\nComments This: " + f(31) + "\nComments Last: " + f(32) +
          "\n\n";
  text += "eMail: " + f(4) + "   Ph1: " + f(5) + "   Ph2: " + f(6) + "\n";
  text += "HIST PDO: " + f(33) + "SUBMITTED: " + f(34) + " " + bid.stamp;
  return text;
}

std::string ImportPilotBids(TDocument& doc, std::string_view text, const ImportServices& services,
                            const PilotBidsHooks& hooks) {
  if (hooks.closeBidsWindow) hooks.closeBidsWindow();
  const BidFileIndex index(text);
  const int crewCount = doc.rosterSize();
  std::string warnings;
  {
    const std::unique_ptr<Progress> progress =
        services.ui.progress(kBidsProgressTitle, kBidsProgressLine);
    if (progress) progress->setRange(crewCount);
    for (int c = 0; c < crewCount; ++c) {
      if (progress) progress->setPosition(c + 1);
      TPilot& pilot = doc.pilot(c);
      const std::optional<std::string_view> bid = index.bidFor(pilot.EmpNumber);
      if (!bid) {
        warnings += WithNumber("No Bid Found for ", pilot.Name, pilot.EmpNumber);
        continue;
      }
      std::optional<BidFields> fields = CutBidFields(*bid);
      if (!fields) {
        warnings += WithNumber("* Bid Found but Unable to Extract Bid Data for ", pilot.Name,
                               pilot.EmpNumber);
        continue;
      }
      struct DayOffField {
        int field;
        int request;
        bool personal;
        const char* warning;
      };
      static constexpr std::array<DayOffField, 3> kDayOffFields{{
          {12, kGuaranteedDayOffRequest, false, "* GDO Load Error for "},
          {13, kPersonalDayOffRequest, true, "* PDO1 Load Error for "},
          {14, kPersonalDayOffRequest, true, "* PDO2 Load Error for "},
      }};
      for (const DayOffField& d : kDayOffFields) {
        std::string& list = fields->field[static_cast<std::size_t>(d.field)];
        if (std::optional<std::string> error =
                MarkDayOffList(pilot, doc.cal, list, d.request, d.personal)) {
          warnings += WithNumber(d.warning, pilot.Name, pilot.EmpNumber);
          list += *error;
        }
      }
      pilot.BidText = Upper(ComposeBidText(*fields));
      pilot.BidText1 = fields->field[5];
      pilot.BidText2 = fields->field[6];
      if (Upper(fields->field[20]).starts_with('R')) {
        pilot.BidReserve = 1;
        warnings += pilot.Name + " Flagged as Bidding Reserve.";
      }
    }
  }
  if (hooks.showBidsWindow) hooks.showBidsWindow();
  if (!warnings.empty())
    ShowListDialog(services.ui, services.clipboard, kBidsWarningsCaption, warnings);
  doc.Modified = 1;
  return warnings;
}

PilotBidsResult LoadPilotBids(TDocument& doc, const ImportServices& services,
                              const PilotBidsHooks& hooks) {
  Ui& ui = services.ui;
  if (doc.crewKind() == CrewKind::FlightAttendants) {
    ui.message(kBidsPilotOnly, kAppCaption, Icon::Information);
    return PilotBidsResult::Refused;
  }
  FileDialogOptions options;
  options.title = std::string(kBidsDialogTitle);
  options.filter = std::string(kBidsFileFilter);
  const std::vector<std::string> chosen = ui.openFiles(options);
  if (chosen.empty()) return PilotBidsResult::Cancelled;
  const std::string& fileName = chosen.front();

  const int crewCount = doc.rosterSize();
  const bool anyBid = std::any_of(doc.Pilots.begin(), doc.Pilots.begin() + crewCount,
                                  [](const TPilot& p) { return !p.BidText.empty(); });
  if (anyBid) {
    const Answer answer =
        ui.ask(kBidsDeleteQuestion, kAppCaption, Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) return PilotBidsResult::Cancelled;
    if (answer == Answer::Yes &&
        ui.ask(kBidsDeleteConfirm, kAppCaption, Buttons::YesNo, Icon::Question) == Answer::Yes) {
      for (int c = 0; c < crewCount; ++c) doc.pilot(c).BidText.clear();
      doc.Modified = 1;
    }
  }

  std::ifstream in;
  std::error_code error;
  if (!std::filesystem::is_directory(std::filesystem::path(fileName), error))
    in.open(fileName, std::ios::binary);
  if (!in.is_open()) {
    ui.message("Unable to Open File " + fileName, kAppCaption, Icon::Error);
    return PilotBidsResult::Unreadable;
  }
  std::string text;
  std::array<char, 65536> chunk{};
  while (text.size() < kMaxBidFileBytes && in) {
    const std::size_t want = std::min(chunk.size(), kMaxBidFileBytes - text.size());
    in.read(chunk.data(), static_cast<std::streamsize>(want));
    text.append(chunk.data(), static_cast<std::size_t>(in.gcount()));
  }

  ImportPilotBids(doc, text, services, hooks);
  return PilotBidsResult::Imported;
}

}  // namespace lumora
