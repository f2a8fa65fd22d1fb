// The text fields of the crew-member dialogs: employee info (every field,
// the previous-month day bar, OK) and the roster dialog (insert, delete,
// drag). Whatever is typed, the document stays within its capacities and
// no value overflows.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_rules.h"
#include "building/roster_edit.h"
#include "doubles/null_ui.h"
#include "platform/event_log.h"
#include "views/employee_info_dialog.h"
#include "views/roster_dialogs.h"

namespace {

class NoRules final : public lumora::BlockRules {
 public:
  lumora::AssignCheckResult CheckAssignmentRest(const lumora::TDocument&, int, int, int) override {
    return {true, "", ""};
  }
  void CheckBlock(lumora::TDocument&, int) override {}
};

std::vector<std::string> Fields(std::string_view text) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() < 24) {
    const std::size_t end = text.find('\n', start);
    fields.emplace_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  fields.resize(24);
  return fields;
}

lumora::TDocument& Document() {
  static const auto doc = std::make_unique<lumora::TDocument>();
  return *doc;
}

void Reset(lumora::TDocument& doc, std::uint8_t flags) {
  for (int i = 0; i < 6; ++i) doc.pilot(i).Clear();
  doc.PilotCount = 3;
  doc.pilot(0).Name = "ABLE";
  doc.pilot(0).EmpNumber = 11;
  doc.pilot(1).Name = "BAKER";
  doc.pilot(1).EmpNumber = 22;
  doc.pilot(2).Name = "CAPT PAIRINGS";
  doc.pilot(2).EmpNumber = -1;
  doc.CrewType = static_cast<std::uint8_t>(flags % 3);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace lumora;
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::vector<std::string> f =
      Fields(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
  TDocument& doc = Document();
  Reset(doc, flags);
  testing::NullUi ui;
  ui.agree = (flags & 8) != 0;
  EventLog log;
  NoRules rules;
  BlockViewSink views;
  const BlockEditContext ctx{doc, ui, log, rules, views};

  {
    EmployeeInfoDialog dialog(ctx, (flags >> 4) % 2);
    dialog.name = f[0];
    dialog.empNumber = f[1];
    dialog.legalCheckIn = f[2];
    for (std::size_t c = 0; c < dialog.credits.size(); ++c) dialog.credits[c] = f[3 + c];
    dialog.draftCredit = f[7];
    dialog.notes = f[8];
    for (std::size_t t = 0; t < dialog.dayTimes.size(); ++t) dialog.dayTimes[t] = f[9 + t];
    dialog.dayWorked = f[15].empty() ? 0 : f[15][0];
    dialog.chooseQualification(f[16].empty() ? 0 : f[16][0] - '0');
    dialog.setMaxBlock(f[16].size() > 1 ? f[16][1] * 60 : 0);
    dialog.selectDay(f[17].empty() ? 31 : f[17][0] - 100, ui);
    dialog.accept(ui);
    const TPilot& p = doc.pilot((flags >> 4) % 2);
    if (p.Name.size() > kMaxCrewNameLength || p.Notes.size() > EmployeeInfoDialog::kNotesLength)
      std::abort();
    if (p.EmpNumber < -1 || p.EmpNumber > kMaxEmpNumber) std::abort();
    if (p.LegalCheckIn() < 0 || p.LegalCheckIn() >= 5 * kMinutesPerDay) std::abort();
  }

  RosterDialog roster(doc);
  roster.indexText = f[18];
  roster.nameText = f[19];
  roster.empText = f[20];
  roster.insert(ui);
  const int a = f[21].empty() ? -1 : f[21][0] % 8 - 2;
  const int b = f[22].empty() ? -1 : f[22][0] % 8 - 2;
  roster.dragOver(a, b);
  roster.drop(a, b);
  roster.select(b);
  roster.deleteSelected(ui);
  (void)roster.lines();
  if (doc.PilotCount < 0 || doc.PilotCount > 4) std::abort();
  // The pseudo line stays last whatever the dialogs did.
  if (doc.PilotCount < 1 || doc.pilot(doc.PilotCount - 1).Name != "CAPT PAIRINGS") std::abort();
  for (int i = 0; i < doc.PilotCount; ++i) {
    if (doc.pilot(i).Name.size() > kMaxCrewNameLength) std::abort();
  }
  return 0;
}
