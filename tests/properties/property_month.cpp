#include "properties/property_month.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "building/assign.h"
#include "building/other_assignments.h"
#include "demo_month/demo_month.h"
#include "files/schedule_file.h"
#include "imports/absences_extract.h"
#include "imports/last_month_extract.h"
#include "imports/pilot_bids.h"
#include "imports/roster_extract.h"
#include "imports/toolbox_file.h"
#include "model/calendar.h"
#include "model/code_table.h"
#include "model/document.h"

namespace lumora::testing {

namespace {

std::optional<long> EnvNumber(const char* name) {
  const char* text = std::getenv(name);
  if (text == nullptr || *text == '\0') return std::nullopt;
  char* end = nullptr;
  const long value = std::strtol(text, &end, 10);
  if (*end != '\0' || value < 0) throw std::invalid_argument(std::string(name) + " is no number");
  return value;
}

std::size_t Index(int i) {
  return static_cast<std::size_t>(i);
}

}  // namespace

std::vector<std::uint32_t> PropertySeeds(int defaultRounds,
                                         std::initializer_list<std::uint32_t> found) {
#ifdef LUMORA_PROPERTY_FEWER_ROUNDS
  defaultRounds = std::max(1, defaultRounds / 2);
#endif
  const long rounds = EnvNumber("LUMORA_PROPERTY_ROUNDS").value_or(defaultRounds);
  const auto first = static_cast<std::uint32_t>(EnvNumber("LUMORA_PROPERTY_SEED").value_or(1));
  std::vector<std::uint32_t> seeds;
  for (long r = 0; r < rounds; ++r) seeds.push_back(first + static_cast<std::uint32_t>(r));
  if (!EnvNumber("LUMORA_PROPERTY_SEED"))
    for (const std::uint32_t seed : found)
      if (std::find(seeds.begin(), seeds.end(), seed) == seeds.end()) seeds.push_back(seed);
  return seeds;
}

std::string ReplayNote(std::uint32_t seed, std::size_t round) {
  return "seed " + std::to_string(seed) + " (round " + std::to_string(round) +
         "): replay with LUMORA_PROPERTY_SEED=" + std::to_string(seed) +
         " LUMORA_PROPERTY_ROUNDS=1";
}

std::string ByteDifference(const Bytes& expected, const Bytes& actual) {
  const auto [e, a] = std::mismatch(expected.begin(), expected.end(), actual.begin(), actual.end());
  if (e == expected.end() && a == actual.end()) return {};
  return std::to_string(expected.size()) + " bytes against " + std::to_string(actual.size()) +
         ", first difference at byte " + std::to_string(e - expected.begin());
}

std::string MonthShape::describe() const {
  std::ostringstream out;
  out << samples::CategoryCode(category) << ' ' << year << '-' << month << ", " << pairings
      << " pairings" << (roster ? "" : ", no roster") << (toolbox ? "" : ", no toolbox")
      << (lastMonth ? "" : ", no last month") << (absences ? "" : ", no absences") << ", " << edits
      << " edits";
  return out.str();
}

MonthShape ShapeFor(std::uint32_t seed) {
  samples::Rng rng = samples::Rng::Stream(seed, "property-shape");
  MonthShape shape;
  constexpr samples::Category kCategories[] = {samples::Category::Captain,
                                               samples::Category::FirstOfficer,
                                               samples::Category::FlightAttendant};
  shape.category = kCategories[seed % 3];
  // 28, 29, 30 and 31 days.
  constexpr int kMonths[][2] = {{2027, 2}, {2028, 2}, {2027, 4}, {2027, 7}};
  shape.year = kMonths[(seed / 3) % 4][0];
  shape.month = kMonths[(seed / 3) % 4][1];
  switch (rng.Weighted({1, 8, 1})) {
    case 0:
      shape.pairings = 0;
      break;
    case 1:
      shape.pairings = rng.Uniform(20, 160);
      break;
    default:
      shape.pairings = rng.Uniform(300, 700);
      break;
  }
  shape.roster = !rng.Percent(10);
  shape.toolbox = !rng.Percent(15);
  shape.lastMonth = !rng.Percent(25);
  shape.absences = !rng.Percent(25);
  shape.edits = rng.Uniform(0, 400);
  return shape;
}

std::vector<std::string> PropertyUi::openFiles(const FileDialogOptions&) {
  if (!chosen_) return {};
  std::vector<std::string> files{*chosen_};
  chosen_.reset();
  return files;
}

PropertyMonth::PropertyMonth(std::filesystem::path folder)
    : folder_(std::move(folder)),
      session_(ui_, settings_, nullptr, std::make_unique<TDocument>()) {}

const samples::OutputFile* PropertyMonth::file(std::string_view suffix) const {
  for (const samples::OutputFile& f : files_)
    if (f.name.ends_with(suffix)) return &f;
  return nullptr;
}

std::filesystem::path PropertyMonth::onDisk(const samples::OutputFile& file) const {
  const std::filesystem::path path = folder_ / file.name;
  std::ofstream(path, std::ios::binary) << file.bytes;
  return path;
}

Bytes PropertyMonth::bytes() {
  return EncodeScheduleFile(doc(), kScheduleFile);
}

void PropertyMonth::build(std::uint32_t seed, bool pastRestChecks) {
  shape_ = ShapeFor(seed);
  pastRestChecks_ = pastRestChecks;
  rng_ = samples::Rng::Stream(seed, "property-blocks");
  samples::WorldOptions world;
  world.category = shape_.category;
  world.year = shape_.year;
  world.month = shape_.month;
  world.seed = seed;
  // The generator needs some pairings to make a crew of; an empty pairing
  // table is one the month never imports.
  world.pairings = std::max(shape_.pairings, 40);
  const samples::World built = samples::BuildWorld(world);
  files_ = samples::WriteSampleSet(built);

  TDocument& d = doc();
  ClearDocument(d, session_.log());
  const Period period = DefaultPeriod(shape_.month, shape_.year);
  FillCalendar(d.cal, period.first, period.last);
  d.FileDescriptor = std::string(built.base->code) + built.options.equipment +
                     samples::CategoryCode(shape_.category) + built.Letter();
  d.CrewType = static_cast<std::uint8_t>(shape_.category);
  d.DaysOffBlockHolder = 10;
  d.DaysOffReserve = 12;
  importFiles();
  fillBlocks();
}

void PropertyMonth::importFiles() {
  TDocument& d = doc();
  const ImportServices services = session_.importServices();
  std::vector<samples::OutputFile> pairingFiles;
  for (const samples::OutputFile& f : files_) {
    const bool box = f.name.ends_with(".box");
    if ((box && shape_.toolbox) ||
        (shape_.pairings > 0 && (f.name.ends_with(".PRG") || f.name.ends_with(".LIS"))))
      pairingFiles.push_back(f);
  }
  if (shape_.roster) {
    std::istringstream roster(file("perp.ext") ? file("perp.ext")->bytes : file("perc.ext")->bytes);
    LoadRosterExtractFrom(d, roster, d.FileDescriptor, services);
  }
  if (!pairingFiles.empty()) demo::ImportSampleSet(d, pairingFiles, services);
  if (shape_.roster && shape_.lastMonth) {
    const samples::OutputFile* activity =
        file(d.crewKind() == CrewKind::FlightAttendants ? "actc.ext" : "actp.ext");
    const samples::OutputFile* prior =
        file(d.crewKind() == CrewKind::FlightAttendants ? "prgc.ext" : "prgp.ext");
    LoadLastMonthActivityText(d, activity->bytes, prior->bytes, services, {});
  }
  if (shape_.roster && shape_.absences) {
    for (const bool next : {false, true}) {
      const samples::OutputFile* absences = nullptr;
      for (const samples::OutputFile& f : files_)
        if (f.name.find("abs") != std::string::npos && f.name.ends_with("-next.ext") == next)
          absences = &f;
      std::istringstream in(absences->bytes);
      LoadAbsencesExtractFrom(d, in, next, services, {});
    }
  }
  if (const samples::OutputFile* bids = file("bids.csv"); bids != nullptr && shape_.roster)
    ImportPilotBids(d, bids->bytes, services);
}

void PropertyMonth::fillBlocks() {
  TDocument& d = doc();
  // Locks and the personal overrides of the blocking rules, as the grid and
  // the employee-info dialog leave them; the build derives the rest.
  for (int c = 0; c < d.PilotCount; ++c) {
    TPilot& pilot = d.pilot(c);
    if (rng_.Percent(10)) pilot.MinBlockOverride() = rng_.Step(3000, 5000, 5);
    if (rng_.Percent(10)) pilot.MaxBlockOverride() = rng_.Step(4500, 6000, 5);
    if (rng_.Percent(10)) pilot.MinDaysOffOverride() = rng_.Uniform(8, 14);
    if (rng_.Percent(5)) pilot.BidReserve = 1;
  }
  session_.buildBlocks(WindowSwitches{true, true, false});
  // Without assignments past the rest checks, no code is placed after a
  // pairing either: a code placed beside a pairing later is never weighed
  // against its rest, which would make that pairing one undo cannot bring
  // back.
  for (int i = 0; i < shape_.edits; ++i) randomEdit(!pastRestChecks_);
  for (int c = 0; c < d.PilotCount; ++c)
    for (int day = 0; day < d.monthDays(); ++day)
      if (d.pilot(c).DayCell[Index(day)] >= 0 && rng_.Percent(15))
        d.pilot(c).DayLocked[Index(day)] = 1;
}

bool PropertyMonth::randomEdit(bool pairingsOnly) {
  TDocument& d = doc();
  if (d.PilotCount == 0) return false;
  BlockEditContext ctx = edit();
  const int crew = rng_.Uniform(0, d.PilotCount - 1);
  const TPilot& pilot = d.pilot(crew);
  const int days = d.monthDays();
  const auto daysHolding = [&](auto holds) {
    std::vector<int> found;
    for (int day = 0; day < days; ++day)
      if (holds(pilot.DayCell[Index(day)]) && pilot.DayLocked[Index(day)] == 0)
        found.push_back(day);
    return found;
  };
  switch (pairingsOnly ? rng_.Weighted({3, 2}) : rng_.Weighted({45, 20, 25, 10})) {
    case 0: {  // assign an open instance
      if (d.LastPair < 0) return false;
      for (int tries = 0; tries < 10; ++tries) {
        const int pair = rng_.Uniform(0, d.LastPair);
        std::vector<int> open;
        for (int day = 0; day < days; ++day)
          if (d.pair(pair).DayStatus[Index(day)] == kOpenInstance) open.push_back(day);
        if (open.empty()) continue;
        const bool pastChecks = rng_.Percent(10) && pastRestChecks_ && !pairingsOnly;
        return AssignPair(ctx, crew, pair, rng_.Pick(open), pastChecks) == kAssigned;
      }
      return false;
    }
    case 1: {  // the right button on a pairing
      const std::vector<int> held = daysHolding([&](std::int32_t cell) { return cell >= 0; });
      return !held.empty() && RemovePairByRightClick(ctx, crew, rng_.Pick(held));
    }
    case 2: {  // a toolbox code or request on a day
      const std::vector<ToolboxItem> buttons = ToolboxButtons(d);
      if (buttons.empty() || days == 0) return false;
      const PlaceResult result =
          PlaceToolboxItem(ctx, rng_.Pick(buttons), crew, rng_.Uniform(0, days - 1));
      return result == PlaceResult::Placed || result == PlaceResult::RequestSet ||
             result == PlaceResult::RequestCleared;
    }
    default: {  // the right button on an other assignment, Shift held
      const std::vector<int> held =
          daysHolding([](std::int32_t cell) { return cell == kOtherAssignmentCell; });
      if (held.empty() || !RemoveOtherAssignment(ctx, crew, rng_.Pick(held), true)) return false;
      RightClickFollowUps(ctx, crew);
      return true;
    }
  }
}

}  // namespace lumora::testing
