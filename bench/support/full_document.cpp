#include "support/full_document.h"

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "building/assign.h"
#include "building/other_assignments.h"
#include "demo_month/demo_month.h"
#include "doubles/null_ui.h"
#include "model/code_table.h"
#include "samples/random.h"
#include "samples/sample_set.h"
#include "shell/document_session.h"
#include "shell/memory_settings.h"

namespace lumora::bench {
namespace {

namespace fs = std::filesystem;
using samples::Rng;
using testing::NullUi;

constexpr WindowSwitches kWindows{true, true, false};

std::size_t Index(int i) {
  return static_cast<std::size_t>(i);
}

// The toolbox buttons the blocks are filled with.
struct Codes {
  std::vector<ToolboxItem> off, training, leave, reserve;
  ToolboxItem dayOff, vacation;
};

ToolboxItem Button(const TDocument& doc, std::string_view code) {
  const auto item = FindToolboxButton(doc, code);
  if (!item) throw std::runtime_error("the toolbox has no " + std::string(code));
  return *item;
}

std::vector<ToolboxItem> Buttons(const TDocument& doc, std::initializer_list<const char*> codes) {
  std::vector<ToolboxItem> items;
  for (const char* code : codes) items.push_back(Button(doc, code));
  return items;
}

Codes CodesOf(const TDocument& doc) {
  Codes c;
  c.off = Buttons(doc, {"GO", "GO", "GO", "GO", "GO", "GO", "SDO", "DFD"});
  c.training = Buttons(doc, {"SIM", "GS", "CRM", "TRN", "CBT", "SEC", "OF", "LCK", "TVL", "COB"});
  c.leave = Buttons(doc, {"LOA", "MED", "MAT"});
  c.reserve = Buttons(doc, {"RA", "RB", "RK"});
  c.dayOff = Button(doc, "GO");
  c.vacation = Button(doc, "VAC");
  return c;
}

// Fills every day of the month of every crew member as a scheduler would:
// most hold a line of pairings with days off between them, some training and
// a week of vacation; a tenth hold reserve and a few are on leave the whole
// month. A holder's pairing on a day is one of the instances still open then
// that the assignment accepts with its rest checks. Codes and requests are
// written as placing them writes them, without the refresh of each click
// (which would make the build several times longer); the blocks are built
// again once at the end.
class BlockFiller {
 public:
  BlockFiller(BlockEditContext& ctx, std::uint32_t seed)
      : ctx_(ctx),
        doc_(ctx.doc),
        days_(ctx.doc.monthLength()),
        codes_(CodesOf(ctx.doc)),
        rng_(Rng::Stream(seed, "full-blocks")),
        starts_(Index(days_)) {
    for (int p = 0; p <= doc_.LastPair; ++p)
      for (int d = 0; d < days_; ++d)
        if (doc_.Pairs[Index(p)].DayStatus[Index(d)] == kOpenInstance)
          starts_[Index(d)].push_back(p);
    for (std::vector<int>& starting : starts_) rng_.Shuffle(starting);
  }

  void fill(int crew) {
    switch (rng_.Weighted({88, 10, 2})) {
      case 0:
        fillLine(crew);
        break;
      case 1:
        doc_.Pilots[Index(crew)].BidReserve = 1;
        for (int d = 0; d < days_;) {
          const ToolboxItem& reserve = rng_.Pick(codes_.reserve);
          for (int n = rng_.Uniform(3, 6); n > 0 && d < days_; --n) place(reserve, crew, d++);
          for (int n = rng_.Uniform(2, 3); n > 0 && d < days_; --n) place(codes_.dayOff, crew, d++);
        }
        break;
      default: {
        const ToolboxItem& leave = rng_.Pick(codes_.leave);
        for (int d = 0; d < days_; ++d) place(leave, crew, d);
        break;
      }
    }
  }

 private:
  void fillLine(int crew) {
    // The days off he asked for come first; they stay off.
    TPilot& pilot = doc_.Pilots[Index(crew)];
    for (int n = rng_.Uniform(0, 3); n > 0; --n) {
      const int day = rng_.Uniform(0, days_ - 1);
      pilot.DayRequest[Index(day)] = static_cast<std::int8_t>(rng_.Uniform(1, kRequestButtonCount));
    }
    int vacation = rng_.Percent(15) ? rng_.Uniform(0, days_ - 7) : -1;
    bool rest = rng_.Percent(40);
    for (int d = 0; d < days_;) {
      if (vacation >= 0 && d >= vacation) {
        for (int n = 0; n < 7 && d < days_; ++n) place(codes_.vacation, crew, d++);
        vacation = -1;
        rest = false;
      } else if (rest || pilot.DayRequest[Index(d)] != 0) {
        for (int n = rng_.Uniform(1, 3); n > 0 && d < days_; --n)
          place(rng_.Pick(codes_.off), crew, d++);
        rest = false;
      } else if (rng_.Percent(7)) {
        place(rng_.Pick(codes_.training), crew, d++);
        rest = rng_.Percent(40);
      } else if (const int length = assignPairing(crew, d); length > 0) {
        d += length;  // the pairing's days
        rest = true;
      } else {
        place(codes_.dayOff, crew, d++);
      }
    }
  }

  // The length of the pairing assigned on the day, 0 when none was.
  int assignPairing(int crew, int day) {
    std::vector<int>& starting = starts_[Index(day)];
    for (int tries = 0; tries < 8 && !starting.empty(); ++tries) {
      const std::size_t at = Index(rng_.Uniform(0, static_cast<int>(starting.size()) - 1));
      const int pair = starting[at];
      const int length = std::max<int>(1, doc_.Pairs[Index(pair)].Length);
      if (requested(crew, day, length)) continue;
      if (AssignPair(ctx_, crew, pair, day, false) == kAssigned) {
        starting[at] = starting.back();
        starting.pop_back();
        return length;
      }
    }
    return 0;
  }

  bool requested(int crew, int first, int length) const {
    const TPilot& pilot = doc_.Pilots[Index(crew)];
    for (int d = first; d < std::min(days_, first + length); ++d)
      if (pilot.DayRequest[Index(d)] != 0) return true;
    return false;
  }

  void place(const ToolboxItem& item, int crew, int day) {
    TPilot& pilot = doc_.Pilots[Index(crew)];
    if (pilot.DayCell[Index(day)] != kEmptyCell)
      throw std::logic_error("day " + std::to_string(day) + " is not empty");
    WriteOtherAssignment(pilot, day, item);
  }

  BlockEditContext& ctx_;
  TDocument& doc_;
  int days_;
  Codes codes_;
  Rng rng_;
  std::vector<std::vector<int>> starts_;  // open instances by their first day
};

// The month of the seed built through the core from the sample generator's
// files: the roster, the toolbox and PRG imports, the blocks built, filled
// and built again.
void BuildFullMonth(DocumentSession& session, std::uint32_t seed) {
  TDocument& doc = session.document();
  ClearDocument(doc, session.log());
  const Period period = DefaultPeriod(kFullMonth, kFullYear);
  FillCalendar(doc.cal, period.first, period.last);
  doc.FileDescriptor = "YULCRJCAM";
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  doc.DaysOffBlockHolder = 10;
  doc.DaysOffReserve = 12;

  samples::WorldOptions options;
  options.year = kFullYear;
  options.month = kFullMonth;
  options.seed = seed;
  options.pairings = kFullPairings;
  const samples::World world = samples::BuildWorld(options);
  demo::AddRoster(doc, world.crew, kFullCrew, seed);
  // Without the LIS listings: their scan looks every pairing up in the whole
  // text, which at this size takes many times longer than all the rest.
  std::vector<samples::OutputFile> files = samples::WriteSampleSet(world);
  std::erase_if(files, [](const samples::OutputFile& f) { return f.name.ends_with(".LIS"); });
  for (samples::OutputFile& file : files)
    if (file.name.ends_with(".PRG"))
      file.bytes = demo::WithoutPairingsOutsideMonth(file.bytes, kFullYear, kFullMonth);
  demo::ImportSampleSet(doc, files, session.importServices());
  doc.ShowAssignedPairs = 1;
  session.buildBlocks(kWindows);

  BlockEditContext ctx = session.editContext();
  BlockFiller filler(ctx, seed);
  for (int c = 0; c < doc.PilotCount; ++c) filler.fill(c);
  session.closeViews();
  session.buildBlocks(kWindows);
}

// The built months, saved once per seed in a folder of the run's own.
class SavedMonths {
 public:
  static SavedMonths& get() {
    static SavedMonths months;
    return months;
  }

  const fs::path& pathFor(std::uint32_t seed) {
    auto found = paths_.find(seed);
    if (found != paths_.end()) return found->second;
    const fs::path path = folder_ / ("full-" + std::to_string(seed) + ".lm2");
    NullUi ui;
    ui.agree = false;  // no pairing past a short rest
    MemorySettingsStore settings;
    DocumentSession session(ui, settings);
    BuildFullMonth(session, seed);
    if (!session.save(path))
      throw std::runtime_error("the full month cannot be saved: " + ui.lastMessage);
    return paths_.emplace(seed, path).first->second;
  }

  ~SavedMonths() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }

 private:
  SavedMonths()
      : folder_(fs::temp_directory_path() / ("lumora-full-" + std::to_string(::getpid()))) {
    fs::create_directories(folder_);
  }

  fs::path folder_;
  std::map<std::uint32_t, fs::path> paths_;
};

}  // namespace

void FillFullCapacityDocument(TDocument& doc, std::uint32_t seed) {
  const fs::path& path = SavedMonths::get().pathFor(seed);
  NullUi ui;
  MemorySettingsStore settings;
  DocumentSession session(ui, settings, doc);
  if (!session.open(path).loaded || ui.messages != 0)
    throw std::runtime_error("the full month does not open cleanly: " + ui.lastMessage);
}

std::vector<std::string> CheckFullCapacityDocument(const TDocument& doc) {
  std::vector<std::string> problems;
  char line[256];
  const auto problem = [&](const char* format, auto... values) {
    if (problems.size() >= 50) return;  // enough to see the pattern
    std::snprintf(line, sizeof line, format, values...);
    problems.emplace_back(line);
  };

  if (doc.PilotCount != kFullCrew) problem("PilotCount %d", doc.PilotCount);
  if (doc.LastPair != kFullPairings - 1) problem("LastPair %d", doc.LastPair);
  if (doc.ToolboxCount != kFullToolboxItems) problem("ToolboxCount %d", doc.ToolboxCount);
  if (doc.cal.MonthLength != kMonthDays) problem("MonthLength %d", doc.cal.MonthLength);
  if (doc.History.size() != TransactionHistory::kCapacity)
    problem("history holds %d records", static_cast<int>(doc.History.size()));
  if (doc.AirportDetails.empty()) problem("no airport table");
  if (problems.size() > 0) return problems;  // the loops below rely on the counts
  const int days = doc.cal.MonthLength;

  // Every day of the month filled; day cells against instance marks, both ways.
  std::map<std::pair<int, int>, int> holder;  // (pairing, day) -> crew
  for (int c = 0; c < doc.PilotCount; ++c) {
    const TPilot& pilot = doc.Pilots[Index(c)];
    int covered = 0;  // days up to which a pairing holds the block
    for (int d = 0; d < kBlockDays; ++d) {
      const std::int32_t cell = pilot.DayCell[Index(d)];
      if (cell == kOtherAssignmentCell) {
        if (d >= days || d < covered || pilot.DayCode[Index(d)].empty())
          problem("crew %d day %d: other assignment misplaced or without code", c, d);
      } else if (cell == kEmptyCell) {
        if (d < days && d >= covered) problem("crew %d day %d left empty", c, d);
      } else if (doc.isPairIndex(cell) && d < days && d >= covered) {
        const TPair& pair = doc.Pairs[Index(cell)];
        if (std::abs(pair.DayStatus[Index(d)]) != kAssignedInstance)
          problem("crew %d day %d holds pairing %d whose status is %d", c, d, cell,
                  pair.DayStatus[Index(d)]);
        if (!holder.emplace(std::make_pair(cell, d), c).second)
          problem("pairing %d day %d held twice", cell, d);
        covered = d + std::max<int>(1, pair.Length);
      } else {
        problem("crew %d day %d cell %d", c, d, cell);
      }
    }
  }
  for (int p = 0; p <= doc.LastPair; ++p) {
    for (int d = 0; d < days; ++d) {
      if (std::abs(doc.Pairs[Index(p)].DayStatus[Index(d)]) == kAssignedInstance &&
          !holder.count({p, d}))
        problem("pairing %d day %d assigned to nobody", p, d);
    }
  }

  for (std::size_t h = 0; h < doc.History.size(); ++h) {
    const TransactionRecord& record = doc.History[h];
    if (record.kind != TransactionRecord::kAssign || !doc.isRosterIndex(record.crew) ||
        record.day < 0 || record.day >= days ||
        doc.Pilots[Index(record.crew)].DayCell[Index(record.day)] != record.pairing)
      problem("history record %d does not match the blocks", static_cast<int>(h));
  }
  return problems;
}

void RequireFullCapacityDocument(const TDocument& doc, const char* what) {
  const std::vector<std::string> problems = CheckFullCapacityDocument(doc);
  if (problems.empty()) return;
  std::fprintf(stderr, "%s is not a sound full-capacity document:\n", what);
  for (const std::string& p : problems) std::fprintf(stderr, "  %s\n", p.c_str());
  std::abort();
}

TDocument& SharedFullDocument() {
  static const std::unique_ptr<TDocument> shared = [] {
    auto doc = std::make_unique<TDocument>();
    FillFullCapacityDocument(*doc, 1);
    RequireFullCapacityDocument(*doc, "the shared document");
    return doc;
  }();
  return *shared;
}

}  // namespace lumora::bench
