#include "samples/absences_writer.h"

#include <algorithm>
#include <stdexcept>
#include <vector>

#include "samples/calendar.h"
#include "samples/codes.h"
#include "samples/fixed_line.h"
#include "samples/random.h"
#include "samples/roster_writer.h"

namespace lumora::samples {

namespace {

constexpr std::size_t kLineLength = 443;
constexpr int kEntries = 31;
// Crew members' days: the month and the days after it.
constexpr int kBlockDays = 62;
// This month's absences leave the first days free for the trips that run
// over from the month before.
constexpr int kFirstFreeDay = 4;

struct Entry {
  std::string code;
  int first = 0;  // days of its month, from 1
  int last = 0;
  int start = 0;
  int end = 0;
};

struct Plan {
  std::vector<std::vector<Entry>> months[2];  // per employee: this month, next month
};

bool IsCabin(const World& world) {
  return world.options.category == Category::FlightAttendant;
}

const AssignmentCode& CodeOf(const World& world, const std::string& extract) {
  static std::vector<AssignmentCode> pilot = AssignmentCodes('P');
  static std::vector<AssignmentCode> cabin = AssignmentCodes('C');
  for (const AssignmentCode& c : IsCabin(world) ? cabin : pilot)
    if (extract == c.extract) return c;
  throw std::logic_error("no assignment code " + extract);
}

int NextMonthLength(const World& world) {
  const int year = world.options.year + (world.options.month == 12 ? 1 : 0);
  const int month = world.options.month % 12 + 1;
  return DefaultPeriod(year, month).Length();
}

class Month {
 public:
  explicit Month(int days) : busy_(static_cast<std::size_t>(days) + 1, false) {}
  int days() const { return static_cast<int>(busy_.size()) - 1; }
  bool free(int first, int last) const {
    if (first < 1 || last > days()) return false;
    for (int d = first; d <= last; ++d)
      if (busy_[static_cast<std::size_t>(d)]) return false;
    return true;
  }
  void take(int first, int last) {
    for (int d = first; d <= last; ++d) busy_[static_cast<std::size_t>(d)] = true;
  }

 private:
  std::vector<bool> busy_;
};

void Add(const World& world, std::vector<Entry>& entries, Month& month, const std::string& code,
         int first, int last) {
  const AssignmentCode& c = CodeOf(world, code);
  month.take(first, last);
  entries.push_back({code, first, last, c.start, c.end});
}

// Tries a few places for an absence of `length` days in this month.
bool Place(const World& world, Rng& rng, std::vector<Entry>& entries, Month& month,
           const std::string& code, int length) {
  for (int attempt = 0; attempt < 6; ++attempt) {
    const int first = rng.Uniform(kFirstFreeDay, month.days() - length + 1);
    if (!month.free(first, first + length - 1)) continue;
    Add(world, entries, month, code, first, first + length - 1);
    return true;
  }
  return false;
}

Plan MakePlan(const World& world, const std::vector<Employee>& employees) {
  const bool cabin = IsCabin(world);
  Rng rng = Rng::Stream(world.options.seed, "absences");
  const int thisLength = world.period.Length();
  // Next month's days beyond the crew member's last day cell do not exist.
  const int nextLength = std::min(NextMonthLength(world), kBlockDays - thisLength);
  const std::vector<std::string> training = cabin ? std::vector<std::string>{"RT", "FN", "FT"}
                                                  : std::vector<std::string>{"SM", "GS", "CT"};
  const std::vector<std::string> leave = {"LA", "MD"};

  // One crew member on leave all month, two in a larger crew.
  std::vector<std::size_t> crew;
  for (std::size_t e = 0; e < employees.size(); ++e)
    if (employees[e].inDocument) crew.push_back(e);
  rng.Shuffle(crew);
  crew.resize(std::min<std::size_t>(crew.size(), world.crew.size() >= 20 ? 2 : 1));

  Plan plan;
  for (std::size_t e = 0; e < employees.size(); ++e) {
    std::vector<Entry> now, next;
    Month thisMonth(thisLength), nextMonth(nextLength);
    const auto onLeave = std::find(crew.begin(), crew.end(), e);
    if (onLeave != crew.end()) {
      const std::string& code = leave[static_cast<std::size_t>(onLeave - crew.begin())];
      Add(world, now, thisMonth, code, 1, thisLength);
      Add(world, next, nextMonth, code, 1, rng.Uniform(5, nextLength));
    } else {
      if (rng.Percent(25)) {
        const int length = rng.Uniform(5, 10);
        const int first = rng.Uniform(kFirstFreeDay, thisLength);
        const int last = std::min(first + length - 1, thisLength);
        Add(world, now, thisMonth, "VC", first, last);
        if (first + length - 1 > thisLength)
          Add(world, next, nextMonth, "VC", 1, first + length - 1 - thisLength);
      }
      if (rng.Percent(15)) Place(world, rng, now, thisMonth, rng.Pick(training), rng.Uniform(1, 3));
      if (rng.Percent(10)) Place(world, rng, now, thisMonth, "OC", 1);
      if (rng.Percent(5)) Place(world, rng, now, thisMonth, "SA", 1);
      if (rng.Percent(20)) Place(world, rng, next, nextMonth, "VC", rng.Uniform(4, 8));
      if (rng.Percent(10)) Place(world, rng, next, nextMonth, rng.Pick(training), 1);
    }
    const auto byDay = [](const Entry& a, const Entry& b) { return a.first < b.first; };
    std::sort(now.begin(), now.end(), byDay);
    std::sort(next.begin(), next.end(), byDay);
    plan.months[0].push_back(std::move(now));
    plan.months[1].push_back(std::move(next));
  }
  return plan;
}

}  // namespace

std::string AbsencesFileName(const World& world, bool nextMonth) {
  return world.options.base + world.options.equipment + (IsCabin(world) ? "absc" : "absp") +
         (nextMonth ? "-next" : "") + ".ext";
}

std::string WriteAbsencesExtract(const World& world, bool nextMonth) {
  const std::vector<Employee> employees = ExtractEmployees(world);
  const Plan plan = MakePlan(world, employees);
  const auto& month = plan.months[nextMonth ? 1 : 0];
  std::string out;
  for (std::size_t e = 0; e < employees.size(); ++e) {
    const std::vector<Entry>& entries = month[e];
    if (entries.size() > static_cast<std::size_t>(kEntries))
      throw std::logic_error("more absences than a line holds");
    FixedLine line(kLineLength);
    line.Number(0, 9, employees[e].number);
    std::size_t at = 9;
    for (const Entry& entry : entries) {
      line.Text(at, 2, entry.code)
          .Number(at + 2, 2, entry.first)
          .Number(at + 4, 2, entry.last)
          .Number(at + 6, 4, entry.start)
          .Number(at + 10, 4, entry.end);
      at += 14;
    }
    line.Blank(at, kLineLength - at);
    out += line.str();
    out += "\r\n";
  }
  FixedLine last(kLineLength);
  last.Number(0, 9, 99999).Blank(9, kLineLength - 9);
  out += last.str();
  out += "\r\n";
  return out;
}

}  // namespace lumora::samples
