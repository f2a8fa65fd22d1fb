#include "demo_month/demo_month.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <utility>

#include "building/assign.h"
#include "building/block_edit.h"
#include "building/other_assignments.h"
#include "doubles/memory_settings.h"
#include "doubles/recording_clipboard.h"
#include "imports/import_services.h"
#include "imports/lis_scan.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_import.h"
#include "imports/toolbox_file.h"
#include "model/calendar.h"
#include "model/code_table.h"
#include "model/document.h"
#include "platform/unattended_ui.h"
#include "samples/random.h"
#include "samples/world.h"
#include "shell/document_session.h"

namespace lumora::demo {

namespace {

using samples::Rng;

constexpr int kYear = 2027;
constexpr int kMonth = 2;
constexpr const char* kDescriptor = "YULCRJCAM";  // base, equipment, category, pairing letter
// A block holder's month is about 40 % pairings.
constexpr int kPairingDaysPercent = 40;
// Tries per crew member; the instances left late in the month rarely fit.
constexpr int kMaxTries = 400;
constexpr int kForcedShortRests = 2;

std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::size_t Index(int i) {
  return static_cast<std::size_t>(i);
}

// Days of the block a crew member's pairings and other assignments occupy.
std::array<bool, kBlockDays> BusyDays(const TDocument& doc, int crew) {
  std::array<bool, kBlockDays> busy{};
  const TPilot& pilot = doc.Pilots[Index(crew)];
  for (int d = 0; d < kBlockDays; ++d) {
    const std::int32_t cell = pilot.DayCell[Index(d)];
    if (cell == kOtherAssignmentCell) busy[Index(d)] = true;
    if (!doc.isPairIndex(cell)) continue;
    const int length = std::max<int>(1, doc.Pairs[Index(cell)].Length);
    for (int k = d; k < std::min(kBlockDays, d + length); ++k) busy[Index(k)] = true;
  }
  return busy;
}

int BusyMonthDays(const TDocument& doc, int crew) {
  const auto busy = BusyDays(doc, crew);
  return static_cast<int>(std::count(busy.begin(), busy.begin() + doc.monthLength(), true));
}

// Whether the pairing's instance on `day` finds every day it spans free and
// no day-off request in the way.
bool Fits(const TDocument& doc, int crew, int pair, int day) {
  const auto busy = BusyDays(doc, crew);
  const TPilot& pilot = doc.Pilots[Index(crew)];
  const int length = std::max<int>(1, doc.Pairs[Index(pair)].Length);
  if (day + length > kBlockDays) return false;
  for (int k = day; k < day + length; ++k) {
    if (busy[Index(k)]) return false;
    if (k < doc.monthLength() && pilot.DayRequest[Index(k)] != 0) return false;
  }
  return true;
}

std::string Field4(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%4d", std::clamp(value, 0, 9999));
  return text;
}

// The crew list grows with the month's demand; a bigger month draws the same
// first crew members and more after them.
std::vector<samples::CrewMember> DemoCrew(const DemoMonthOptions& options) {
  samples::WorldOptions world;
  world.base = "YUL";
  world.equipment = "CRJ";
  world.category = samples::Category::Captain;
  world.year = kYear;
  world.month = kMonth;
  world.seed = options.seed;
  std::vector<samples::CrewMember> crew;
  for (int pairings = 150; pairings <= samples::kMaxPairings; pairings *= 2) {
    world.pairings = pairings;
    crew = samples::BuildWorld(world).crew;
    if (static_cast<int>(crew.size()) >= options.crewCount) break;
  }
  return crew;
}

void ImportPairings(TDocument& doc, const DemoMonthOptions& options, const ImportServices& services,
                    DemoMonthSummary& summary) {
  const std::filesystem::path dir = options.samples;
  std::vector<samples::OutputFile> files;
  files.push_back({"YULPILOT.box", ReadWhole(dir / "YULPILOT.box")});
  files.push_back({"YULCRJCA.PRG",
                   WithoutPairingsOutsideMonth(ReadWhole(dir / "YULCRJCA.PRG"), kYear, kMonth)});
  for (int week = 1; week <= 4; ++week) {
    const std::string name = "YULCRJCA_FEB27_W" + std::to_string(week) + ".LIS";
    files.push_back({name, ReadWhole(dir / name)});
  }
  ImportSampleSet(doc, files, services);
  summary.pairings = doc.LastPair + 1;
}

PlaceResult Place(BlockEditContext& ctx, const ToolboxItem& item, int crew, int day,
                  DemoMonthSummary& summary) {
  const PlaceResult result = PlaceToolboxItem(ctx, item, crew, day);
  if (result == PlaceResult::Placed) ++summary.otherAssignments;
  if (result == PlaceResult::RequestSet) ++summary.requests;
  return result;
}

ToolboxItem Button(const TDocument& doc, std::string_view code) {
  const auto item = FindToolboxButton(doc, code);
  if (!item) throw std::runtime_error("the toolbox has no " + std::string(code));
  return *item;
}

// Leave, vacation, reserve, training and day-off requests, placed as the
// toolbox does. Returns the crew members who hold no line of pairings.
std::vector<bool> PlaceOtherAssignments(BlockEditContext& ctx, Rng& rng,
                                        DemoMonthSummary& summary) {
  TDocument& doc = ctx.doc;
  const int days = doc.monthLength();
  std::vector<int> order(Index(doc.PilotCount));
  for (int c = 0; c < doc.PilotCount; ++c) order[Index(c)] = c;
  rng.Shuffle(order);
  std::vector<bool> noPairings(Index(doc.PilotCount), false);
  std::size_t next = 0;
  const auto take = [&] { return next < order.size() ? order[next++] : -1; };

  // One crew member on leave the whole month.
  if (const int c = take(); c >= 0) {
    const ToolboxItem loa = Button(doc, "LOA");
    for (int d = 0; d < days; ++d) Place(ctx, loa, c, d, summary);
    noPairings[Index(c)] = true;
  }
  // A week of vacation.
  const ToolboxItem vac = Button(doc, "VAC");
  for (int i = 0; i < 5; ++i) {
    const int c = take();
    if (c < 0) break;
    const int first = rng.Uniform(0, days - 7);
    for (int d = first; d < first + 7; ++d) Place(ctx, vac, c, d, summary);
  }
  // Reserve bidders: runs of reserve days, no pairings.
  const ToolboxItem ra = Button(doc, "RA");
  const ToolboxItem rb = Button(doc, "RB");
  for (int i = 0; i < 6; ++i) {
    const int c = take();
    if (c < 0) break;
    doc.Pilots[Index(c)].BidReserve = 1;
    noPairings[Index(c)] = true;
    const ToolboxItem& code = i % 2 == 0 ? ra : rb;
    for (int d = rng.Uniform(0, 2); d < days;) {
      const int run = rng.Uniform(3, 5);
      for (int k = d; k < std::min(days, d + run); ++k) Place(ctx, code, c, k, summary);
      d += run + rng.Uniform(2, 3);
    }
  }
  // Simulator and ground school.
  const ToolboxItem sim = Button(doc, "SIM");
  const ToolboxItem gs = Button(doc, "GS");
  for (int i = 0; i < 4; ++i) {
    const int c = take();
    if (c < 0) break;
    const int first = rng.Uniform(1, days - 4);
    Place(ctx, gs, c, first, summary);
    Place(ctx, sim, c, first + 1, summary);
    Place(ctx, sim, c, first + 2, summary);
  }
  // Day-off requests of the block holders.
  for (int c = 0; c < doc.PilotCount; ++c) {
    if (noPairings[Index(c)] || !rng.Percent(30)) continue;
    const int requests = rng.Uniform(1, 3);
    for (int r = 0; r < requests; ++r) {
      const ToolboxItem request = RequestButton(r == 2 ? 2 : 1);
      const int d = rng.Uniform(0, days - 1);
      if (doc.Pilots[Index(c)].DayCell[Index(d)] == kEmptyCell &&
          doc.Pilots[Index(c)].DayRequest[Index(d)] == 0)
        Place(ctx, request, c, d, summary);
    }
  }
  return noPairings;
}

struct Instance {
  int pair = 0;
  int day = 0;
};

std::vector<Instance> OpenInstances(const TDocument& doc) {
  std::vector<Instance> open;
  for (int p = 0; p <= doc.LastPair; ++p)
    for (int d = 0; d < doc.monthLength(); ++d)
      if (doc.Pairs[Index(p)].DayStatus[Index(d)] == kOpenInstance) open.push_back({p, d});
  return open;
}

// Each block holder in turn takes pairings from the open instances, in an
// order drawn once, until about 40 % of his days are pairing days. The core
// refuses what breaks the rest rules; the question of a short but legal rest
// is answered No.
void AssignPairings(BlockEditContext& ctx, Rng& rng, const std::vector<bool>& noPairings,
                    DemoMonthSummary& summary) {
  TDocument& doc = ctx.doc;
  std::vector<Instance> open = OpenInstances(doc);
  rng.Shuffle(open);
  const int target = (doc.monthLength() * kPairingDaysPercent + 99) / 100;
  for (int c = 0; c < doc.PilotCount; ++c) {
    if (noPairings[Index(c)]) continue;
    int tries = 0;
    for (auto it = open.begin(); it != open.end() && tries < kMaxTries;) {
      if (BusyMonthDays(doc, c) >= target) break;
      if (!Fits(doc, c, it->pair, it->day)) {
        ++it;
        continue;
      }
      ++tries;
      if (AssignPair(ctx, c, it->pair, it->day, false) == kAssigned) {
        ++summary.assigned;
        it = open.erase(it);
      } else {
        ++summary.refused;
        ++it;
      }
    }
  }
}

// A Shift-click assigns past the rest checks: the scheduler's way of
// recording what operations already did. The demo forces a pairing that
// reports too soon after another one's release for a few crew members, so
// that the block checks have findings to show.
void ForceShortRests(BlockEditContext& ctx, Rng& rng, const std::vector<bool>& noPairings,
                     DemoMonthSummary& summary) {
  TDocument& doc = ctx.doc;
  std::vector<int> order;
  for (int c = 0; c < doc.PilotCount; ++c)
    if (!noPairings[Index(c)]) order.push_back(c);
  rng.Shuffle(order);
  std::vector<Instance> open = OpenInstances(doc);
  // Early reports first: they make the shortest rests.
  std::stable_sort(open.begin(), open.end(), [&](const Instance& a, const Instance& b) {
    return doc.Pairs[Index(a.pair)].OnTime < doc.Pairs[Index(b.pair)].OnTime;
  });
  for (const int c : order) {
    if (summary.forced >= kForcedShortRests) return;
    const TPilot& pilot = doc.Pilots[Index(c)];
    bool done = false;
    for (int d = 0; d < doc.monthLength() && !done; ++d) {
      const std::int32_t cell = pilot.DayCell[Index(d)];
      if (!doc.isPairIndex(cell)) continue;
      const int next = d + std::max<int>(1, doc.Pairs[Index(cell)].Length);
      for (const Instance& i : open) {
        if (i.day != next || doc.Pairs[Index(i.pair)].DayStatus[Index(i.day)] != kOpenInstance)
          continue;
        if (!Fits(doc, c, i.pair, i.day)) continue;
        if (ctx.rules.CheckAssignmentRest(doc, c, i.pair, i.day).accepted) continue;
        if (AssignPair(ctx, c, i.pair, i.day, true) == kAssigned) {
          ++summary.forced;
          done = true;
          break;
        }
      }
    }
  }
}

}  // namespace

void AddRoster(TDocument& doc, const std::vector<samples::CrewMember>& crew, int count,
               std::uint32_t seed) {
  count = std::min({static_cast<int>(crew.size()), count, kMaxRosterPilots});
  Rng rng = Rng::Stream(seed, "demo-roster");
  for (int c = 0; c < count; ++c) {
    const samples::CrewMember& member = crew[Index(c)];
    TPilot& pilot = doc.Pilots[Index(c)];
    pilot.Clear();
    pilot.Name = std::string(1, member.initial) + " " + member.surname;
    pilot.EmpNumber = member.employeeNumber;
    pilot.QualificationCodes = member.qualifications;

    // The last 89 days' hard time, one four-character field a day, newest last.
    std::string last89;
    for (int d = 0; d < kLast89Days; ++d)
      last89 += Field4(rng.Percent(55) ? rng.Step(150, 420, 5) : 0);
    pilot.Last89HardTimeText = last89;

    // Most of them flew a trip in the last week of the previous month.
    if (rng.Percent(65)) {
      const int lastDay = rng.Uniform(kPrevDays - 5, kPrevDays - 1);  // rule-timeline day
      const int days = rng.Uniform(1, 3);
      const int report = rng.Step(330, 900, 5);
      const int number = 7000 + rng.Uniform(100, 899);
      int dutyEnd = 0;
      for (int d = lastDay - days + 1; d <= lastDay; ++d) {
        DayRecord& a = pilot.Activity[Index(d)];
        const int start = d == lastDay - days + 1 ? report : rng.Step(360, 780, 5);
        const int onDuty = rng.Step(420, 720, 5);
        a[kActPairingStart] = report;
        a[kActPairingTafb] = days * 1440 - report - (1440 - start - onDuty);
        a[kActDutyStart] = start;
        a[kActTimeOnDuty] = onDuty;
        a[kActCredit] = rng.Step(240, 450, 5);
        a[kActDailyHardTime] = rng.Step(180, 400, 5);
        a[kActWorkedState] = 1;
        pilot.ActivityText[Index(d)] = "M" + std::to_string(number);
        dutyEnd = start + onDuty;
      }
      // Released on the month's eve: the 11-hour rest runs into day 1.
      if (lastDay == kPrevDays - 1) pilot.LegalCheckIn() = std::max(0, dutyEnd + 660 - 1440);
      if (rng.Percent(15)) pilot.CreditCarriedIn() = rng.Step(60, 300, 5);
    }
  }
  doc.PilotCount = count;
}

std::string WithoutPairingsOutsideMonth(const std::string& prg, int year, int month) {
  static constexpr std::array<int, 12> kDays{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const int length = kDays[static_cast<std::size_t>(month - 1)] + (month == 2 && leap ? 1 : 0);
  // The eve is the day before the month: a pairing that ends on it can still
  // reach into the month's first day.
  const std::string eve = std::to_string(month == 1 ? (year - 1) * 10000 + 1231
                                                    : year * 10000 + (month - 1) * 100 + 31);
  const std::string monthEnd = std::to_string(year * 10000 + month * 100 + length);
  std::set<std::string> outside;
  std::istringstream in(prg);
  for (std::string line; std::getline(in, line);) {
    if (line.size() < 31 || line[0] != '1') continue;
    const std::string first = line.substr(15, 8);
    const std::string last = line.substr(23, 8);
    if (last < eve || first > monthEnd) outside.insert(line.substr(1, 5));
  }
  std::string kept;
  std::istringstream again(prg);
  for (std::string line; std::getline(again, line);) {
    if (line.size() >= 6 && outside.contains(line.substr(1, 5))) continue;
    kept += line;
    kept += '\n';
  }
  return kept;
}

void ImportSampleSet(TDocument& doc, const std::vector<samples::OutputFile>& files,
                     const ImportServices& services) {
  std::string lis;
  for (const samples::OutputFile& file : files) {
    if (file.name.ends_with(".box")) {
      if (ReadToolBoxText(doc, file.bytes, services.ui) != ToolBoxOutcome::Loaded)
        throw std::runtime_error("the toolbox file did not load");
    } else if (file.name.ends_with(".PRG")) {
      std::istringstream prg(file.bytes);
      PrgImportHooks hooks;
      hooks.showPairingWarnings = [&] { ShowPairingWarnings(doc, services.ui); };
      if (!LoadPrgPairingsFrom(doc, prg, "", false, services, hooks) || doc.LastPair < 0)
        throw std::runtime_error("the PRG file gave no pairings");
    } else if (file.name.ends_with(".LIS")) {
      lis += LisFileText(file.bytes);
    }
  }
  if (!lis.empty()) ScanLisText(doc, lis, services);
}

std::unique_ptr<Ui> MakeStreamUi(std::ostream& out) {
  return std::make_unique<UnattendedUi>(out, UnattendedAnswers::No);
}

DemoMonthSummary BuildDemoMonth(DocumentSession& session, const DemoMonthOptions& options) {
  DemoMonthSummary summary;
  TDocument& doc = session.document();
  ClearDocument(doc, session.log());
  const Period period = DefaultPeriod(kMonth, kYear);
  FillCalendar(doc.cal, period.first, period.last);
  doc.FileDescriptor = kDescriptor;
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  doc.DaysOffBlockHolder = 10;
  doc.DaysOffReserve = 12;

  AddRoster(doc, DemoCrew(options), options.crewCount, options.seed);
  summary.crew = doc.PilotCount;
  ImportPairings(doc, options, session.importServices(), summary);

  session.buildBlocks(WindowSwitches{true, true, false});

  BlockEditContext ctx = session.editContext();
  Rng rng = Rng::Stream(options.seed, "demo-blocks");
  const std::vector<bool> noPairings = PlaceOtherAssignments(ctx, rng, summary);
  AssignPairings(ctx, rng, noPairings, summary);
  ForceShortRests(ctx, rng, noPairings, summary);
  return summary;
}

}  // namespace lumora::demo
