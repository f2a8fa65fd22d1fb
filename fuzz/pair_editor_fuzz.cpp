// The pairing editor's text fields and day boxes, as a user may fill them:
// no input may crash it or leave the pairing table and the blocks out of
// step. Input: lines for the number, On, Credit, TAFB, the four daily
// fields and the password, then one byte per day box.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "doubles/null_ui.h"
#include "model/calendar.h"
#include "model/document.h"
#include "views/pair_editor.h"

namespace {

std::vector<std::string> Lines(std::string_view text, std::size_t count, std::string_view& rest) {
  std::vector<std::string> lines;
  while (lines.size() < count) {
    const auto end = text.find('\n');
    lines.emplace_back(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  rest = text;
  return lines;
}

void CheckDocument(const lumora::TDocument& doc) {
  for (int p = 0; p <= doc.lastPairIndex(); ++p) {
    const lumora::TPair& pair = doc.pair(p);
    if (pair.Length < 0 || pair.OffTime < 0 || pair.OffTime > 1440 || pair.OnTime < 0) std::abort();
    for (const std::int32_t status : pair.DayStatus)
      if (status < -2 || status > 2) std::abort();
  }
  for (int c = 0; c < doc.rosterSize(); ++c) {
    for (int d = 0; d < doc.monthDays(); ++d) {
      const std::int32_t cell = doc.pilot(c).DayCell[static_cast<std::size_t>(d)];
      if (cell < 0) continue;
      if (!doc.isPairIndex(cell)) std::abort();
      if (std::abs(doc.pair(cell).DayStatus[static_cast<std::size_t>(d)]) != 2) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const auto doc = [] {
    auto made = std::make_unique<lumora::TDocument>();
    lumora::FillCalendar(made->cal, lumora::ToDayNumber({1, 7, 2026}),
                         lumora::ToDayNumber({31, 7, 2026}));
    return made;
  }();
  lumora::TDocument& d = *doc;
  // Two pairings and a crew member holding one instance, afresh each run.
  d.PilotCount = 1;
  d.LastPair = d.LastBasePair = 1;
  for (int p = 0; p < 2; ++p) {
    lumora::TPair& pair = d.pair(p);
    pair.Clear();
    pair.Number = 101 + p;
    pair.OnTime = 480;
    pair.TAFB = 600;
    pair.Credit = 300;
    pair.Length = 1;
    pair.DayStatus[4] = lumora::kOpenInstance;
  }
  d.pilot(0).Clear();
  d.pilot(0).Name = "A ALPHA";
  d.pilot(0).DayCell[4] = 0;
  d.pair(0).DayStatus[4] = lumora::kAssignedInstance;

  std::string_view rest;
  const auto fields = Lines(std::string_view(reinterpret_cast<const char*>(data), size), 9, rest);
  lumora::testing::NullUi ui;
  lumora::EditOrViewPairsDialog password(d);
  password.password = fields[8];
  (void)password.accept(ui);
  d.view.pairEditing = 1;  // the editor is fuzzed editing whatever the password said

  lumora::PairDialog editor(d, size % 2 == 0 ? 0 : 1);
  editor.number = fields[0];
  editor.on = fields[1];
  editor.credit = fields[2];
  editor.tafb = fields[3];
  editor.startTime = fields[4];
  editor.dutyTime = fields[5];
  editor.hardTime = fields[6];
  editor.dailyCredit = fields[7];
  for (std::size_t box = 0; box < editor.dayBox.size() && box < rest.size(); ++box)
    editor.dayBox[box] = (static_cast<unsigned char>(rest[box]) & 1) != 0;
  (void)editor.moveDay(size % 3 == 0 ? 0 : 1, ui);
  (void)editor.next(ui);
  (void)editor.previous(ui);
  (void)editor.accept(ui);
  CheckDocument(d);
  return 0;
}
