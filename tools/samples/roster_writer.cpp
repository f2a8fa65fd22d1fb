#include "samples/roster_writer.h"

#include <algorithm>
#include <stdexcept>

#include "samples/calendar.h"
#include "samples/fixed_line.h"
#include "samples/random.h"

namespace lumora::samples {

namespace {

bool IsCabin(const World& world) {
  return world.options.category == Category::FlightAttendant;
}

const char* const kOtherSurnames[] = {"AUDET",  "BARIL",    "CHABOT",  "DION",   "ELLIS",
                                      "FAFARD", "GOSSELIN", "HUARD",   "IRWIN",  "JOLY",
                                      "KELLY",  "LAROSE",   "MORENCY", "NOEL",   "OGILVIE",
                                      "PARENT", "QUINN",    "RIOUX",   "SAVARD", "TURCOTTE"};

// Employees the document does not take: for pilots the base's other
// category and fleets and other bases; for cabin crew other bases only (a
// cabin document takes the whole base).
std::vector<Employee> OtherEmployees(const World& world, Rng& rng, std::vector<int>& numbers) {
  const bool cabin = IsCabin(world);
  const int count = std::max(6, static_cast<int>(world.crew.size()) / 2);
  std::vector<Employee> others;
  for (int i = 0; i < count; ++i) {
    Employee e;
    do {
      e.number = rng.Uniform(100000, 999999);
    } while (std::find(numbers.begin(), numbers.end(), e.number) != numbers.end());
    numbers.push_back(e.number);
    e.surname = kOtherSurnames[rng.Uniform(0, static_cast<int>(std::size(kOtherSurnames)) - 1)];
    e.initial = static_cast<char>('A' + rng.Uniform(0, 25));
    const Base* base = world.base;
    if (cabin || rng.Percent(40)) {
      do {
        base = &Bases()[static_cast<std::size_t>(
            rng.Uniform(0, static_cast<int>(Bases().size()) - 1))];
      } while (base == world.base);
    }
    std::string equipment = base->fleets[static_cast<std::size_t>(
        rng.Uniform(0, static_cast<int>(base->fleets.size()) - 1))];
    const char* category = nullptr;
    if (cabin) {
      category = rng.Percent(20) ? "PU" : "FA";
    } else if (base == world.base && equipment == world.fleet.code) {
      category = world.options.category == Category::Captain ? "FO" : "CA";
    } else {
      category = rng.Percent(50) ? "CA" : "FO";
    }
    e.key = std::string(base->code) + equipment + category;
    e.qualifications = cabin ? (rng.Percent(50) ? "FR" : "") : (rng.Percent(10) ? "LC" : "");
    e.qualifications.resize(12, ' ');
    others.push_back(e);
  }
  return others;
}

}  // namespace

std::vector<Employee> ExtractEmployees(const World& world) {
  const bool cabin = IsCabin(world);
  Rng rng = Rng::Stream(world.options.seed, "roster extract");
  std::vector<int> numbers;
  std::vector<Employee> all;
  for (const CrewMember& c : world.crew) {
    Employee e;
    e.number = c.employeeNumber;
    e.surname = c.surname;
    e.initial = c.initial;
    e.qualifications = c.qualifications;
    e.inDocument = true;
    std::string equipment = world.fleet.code;
    std::string category = CategoryCode(world.options.category);
    if (cabin) {
      // Cabin crew fly every fleet of the base; some are pursers.
      equipment = world.base->fleets[static_cast<std::size_t>(
          rng.Uniform(0, static_cast<int>(world.base->fleets.size()) - 1))];
      if (rng.Percent(20)) category = "PU";
    }
    e.key = world.options.base + equipment + category;
    numbers.push_back(e.number);
    all.push_back(e);
  }
  for (Employee& e : OtherEmployees(world, rng, numbers)) all.push_back(std::move(e));

  // Seniority: a shuffled order, hire dates rising with it.
  std::vector<std::size_t> order(all.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  rng.Shuffle(order);
  int hired = DayNumber(1988, 3, 14);
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    Employee& e = all[order[rank]];
    e.seniority = static_cast<int>(rank) + 1;
    hired += rng.Uniform(3, 90);
    e.hireDate = hired;
  }
  // The crew-tracking system lists by seniority.
  std::sort(all.begin(), all.end(),
            [](const Employee& a, const Employee& b) { return a.seniority < b.seniority; });
  return all;
}

std::string RosterFileName(const World& world) {
  return world.options.base + world.options.equipment + (IsCabin(world) ? "perc.ext" : "perp.ext");
}

std::string WriteRosterExtract(const World& world) {
  const bool cabin = IsCabin(world);
  const std::size_t length = cabin ? 147 : 102;
  std::string out;
  for (const Employee& e : ExtractEmployees(world)) {
    FixedLine line(length);
    line.Number(0, 9, e.number)
        .Text(9, 20, e.surname)
        .Text(29, 1, std::string(1, e.initial))
        .Blank(30, 1)
        .Text(31, 8, e.key)
        .Blank(39, 1)
        .Number(40, 5, e.seniority)
        .Blank(45, 1)
        .Text(46, 8, Yyyymmdd(e.hireDate))
        .Blank(54, 1)
        .Text(55, 1, "A")  // active
        .Blank(56, 21)
        .Text(77, 12, e.qualifications)
        .Blank(89, length - 89);
    out += line.str();
    out += "\r\n";
  }
  if (out.empty()) throw std::logic_error("an extract without employees");
  return out;
}

}  // namespace lumora::samples
