#include "samples/last_month_writer.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "samples/calendar.h"
#include "samples/codes.h"
#include "samples/fixed_line.h"
#include "samples/random.h"

namespace lumora::samples {

namespace {

constexpr int kDaysBefore = 31;
constexpr int kHistoryDays = 89;
constexpr std::size_t kActivityLength = 1605;
constexpr std::size_t kPairingLength = 1178;
constexpr std::size_t kMostDuties = 31;

bool Cabin(const World& world) {
  return world.options.category == Category::FlightAttendant;
}

std::string Suffix(const World& world) {
  return Cabin(world) ? "c.ext" : "p.ext";
}

std::string Prefix(const World& world) {
  return world.base->code + world.fleet.code;
}

// One operation of a prior pairing: the pairing and its first day.
struct Instance {
  const Pairing* pairing = nullptr;
  int first = 0;  // day number
  int seats = 0;  // crew of the category still to place on it
};

// The month before, on the same network.
World PriorWorld(const World& world) {
  WorldOptions options = world.options;
  options.month = world.options.month == 1 ? 12 : world.options.month - 1;
  options.year = world.options.month == 1 ? world.options.year - 1 : world.options.year;
  return BuildWorld(options);
}

// The operations starting in the 31 days before the month, latest first, as
// many as the world has pairing records.
std::vector<Instance> Instances(const World& prior, int monthFirst, int budget) {
  std::vector<Instance> all;
  for (const Pairing& p : prior.pairings)
    for (const int date : p.headerDates) {
      const int first = p.FirstDay(date);
      if (first >= monthFirst - kDaysBefore && first < monthFirst)
        all.push_back({&p, first, p.selected ? p.copies : 0});
    }
  std::stable_sort(all.begin(), all.end(),
                   [](const Instance& a, const Instance& b) { return a.first > b.first; });
  if (all.size() > static_cast<std::size_t>(budget)) all.resize(static_cast<std::size_t>(budget));
  return all;
}

// The station where each calendar day of the pairing ends, its block and its credit.
struct PairingDay {
  std::string station;
  int block = 0;
  int credit = 0;
};
std::vector<PairingDay> DaysOf(const Pairing& p) {
  std::vector<PairingDay> days(static_cast<std::size_t>(std::max(1, p.Days())));
  std::string station = p.base;
  std::size_t next = 0;
  for (std::size_t j = 0; j < days.size(); ++j) {
    for (; next < p.duties.size() && p.duties[next].Day() <= static_cast<int>(j); ++next) {
      const Duty& d = p.duties[next];
      if (!d.legs.empty()) station = d.legs.back().to;
      days[std::min(j, days.size() - 1)].block += d.Block();
      days[std::min(j, days.size() - 1)].credit += d.credit;
    }
    days[j].station = station;
  }
  return days;
}

std::string PairingLine(const World& prior, const Pairing& p, int first) {
  FixedLine line(kPairingLength);
  line.Text(0, 5, p.Key());
  line.Text(6, 8, Yyyymmdd(first));
  line.Text(14, 8, Yyyymmdd(first));
  line.Number(22, 4, p.Report());
  line.Number(44, 6, p.credit);
  line.Number(50, 8, p.Tafb());
  int onDuty = 0;
  for (const Duty& d : p.duties) onDuty += d.Length();
  line.Number(58, 8, onDuty);
  line.Number(66, 4, p.requiredRest);
  std::size_t q = 0;
  for (const Duty& d : p.duties) {
    if (d.legs.empty() || q >= kMostDuties) continue;
    const LocalMoment start = ToLocal(prior, d.legs.front().from, first, d.report);
    const LocalMoment end = ToLocal(prior, d.legs.back().to, first, d.release);
    const std::size_t at = 70 + 24 * q++;
    line.Text(at, 8, Yyyymmdd(start.date));
    line.Number(at + 8, 4, start.time);
    line.Text(at + 12, 8, Yyyymmdd(end.date));
    line.Number(at + 20, 4, end.time);
  }
  const std::vector<PairingDay> days = DaysOf(p);
  for (std::size_t j = 0; j < days.size() && j < kMostDuties; ++j) {
    const std::size_t at = 814 + 11 * j;
    line.Text(at, 3, days[j].station);
    line.Number(at + 3, 4, days[j].block);
    line.Number(at + 7, 4, days[j].credit);
  }
  return line.str();
}

// The assignment codes a crew member holds on the days without a pairing.
struct CodeChoice {
  std::vector<AssignmentCode> reserve;
  std::vector<AssignmentCode> duty;
  std::optional<AssignmentCode> vacation;
};
CodeChoice Codes(const std::vector<AssignmentCode>& codes) {
  CodeChoice choice;
  for (const AssignmentCode& c : codes) {
    const std::string code = c.code;
    if (code == "RA" || code == "RB" || code == "RE")
      choice.reserve.push_back(c);
    else if (code == "SIM" || code == "GS" || code == "CBT" || code == "TRN" || code == "FAT" ||
             code == "REC" || code == "FRN")
      choice.duty.push_back(c);
    else if (code == "VAC")
      choice.vacation = c;
  }
  return choice;
}

void CodeEntry(FixedLine& line, std::size_t at, const AssignmentCode& code, int from, int to) {
  line.Text(at, 2, code.extract);
  line.Blank(at + 2, 14);
  line.Text(at + 16, 8, Yyyymmdd(from));
  line.Number(at + 24, 4, code.start % 1440);
  // A code that ends after midnight ends on the next date.
  line.Text(at + 28, 8, Yyyymmdd(to + (code.end < code.start ? 1 : 0)));
  line.Number(at + 36, 4, code.end % 1440);
}

std::string ActivityLine(const CrewMember& member, Rng& rng, std::vector<Instance>& instances,
                         const CodeChoice& codes, int monthFirst) {
  FixedLine line(kActivityLength);
  line.Number(0, 9, member.employeeNumber);
  std::vector<int> block(kDaysBefore + 10, 0);  // by day index from the first day before
  const int firstBefore = monthFirst - kDaysBefore;
  std::size_t entry = 0;
  const auto next = [&] { return 9 + 40 * entry++; };

  // Vacation at the start of the window now and then; otherwise a few days off.
  int d = rng.Uniform(0, 3);
  if (codes.vacation && rng.Percent(8)) {
    const int days = rng.Uniform(3, 9);
    CodeEntry(line, next(), *codes.vacation, firstBefore + d, firstBefore + d + days - 1);
    d += days;
  }
  // Some end the month on reserve.
  const bool reserveLast = !codes.reserve.empty() && rng.Percent(12);
  const int lastDay = reserveLast ? kDaysBefore - 1 : kDaysBefore;
  // Crew get three days off in a row at least every few days of work, so that
  // each week holds a day free of duty between two local nights' rest, as the
  // duty rules ask of a real roster: `sinceBreak` counts the days since the
  // last such break.
  int sinceBreak = 0;
  const auto worked = [&](int days) {
    d += days;
    sinceBreak += days;
    if (sinceBreak >= 3) {
      d += 3;
      sinceBreak = 0;
    } else {
      d += 1;
      ++sinceBreak;
    }
  };
  while (d < lastDay && entry < static_cast<std::size_t>(kDaysBefore)) {
    const int roll = rng.Uniform(0, 99);
    if (roll < 50) {
      const auto found = std::find_if(instances.begin(), instances.end(), [&](const Instance& i) {
        return i.seats > 0 && i.first == firstBefore + d &&
               (!reserveLast || i.first + i.pairing->Days() <= monthFirst - 1);
      });
      if (found != instances.end()) {
        --found->seats;
        const Pairing& p = *found->pairing;
        const std::size_t at = next();
        line.Blank(at, 2);
        line.Text(at + 2, 5, p.Key());
        line.Text(at + 8, 8, Yyyymmdd(found->first));
        line.Blank(at + 16, 24);
        for (const Duty& duty : p.duties) {
          const std::size_t day = static_cast<std::size_t>(d + duty.Day());
          if (day < block.size()) block[day] += duty.Block();
        }
        worked(p.Days());
        continue;
      }
    }
    if (roll >= 50 && roll < 62 && !codes.reserve.empty()) {
      CodeEntry(line, next(), rng.Pick(codes.reserve), firstBefore + d, firstBefore + d);
      worked(1);
    } else if (roll >= 62 && roll < 68 && !codes.duty.empty()) {
      CodeEntry(line, next(), rng.Pick(codes.duty), firstBefore + d, firstBefore + d);
      worked(1);
    } else {
      const int off = rng.Uniform(1, 3);
      d += off;
      sinceBreak = off >= 3 ? 0 : sinceBreak + off;
    }
  }
  if (reserveLast && entry < static_cast<std::size_t>(kDaysBefore))
    CodeEntry(line, next(), rng.Pick(codes.reserve), monthFirst - 1, monthFirst - 1);
  while (entry < static_cast<std::size_t>(kDaysBefore)) line.Blank(next(), 40);

  // Hard time: drawn for the older days, flown for the last 31.
  for (int i = 0; i < kHistoryDays; ++i) {
    const int day = i - (kHistoryDays - kDaysBefore);
    int minutes = 0;
    if (day < 0)
      minutes = rng.Percent(50) ? rng.Step(150, 420, 5) : 0;
    else
      minutes = block[static_cast<std::size_t>(day)];
    line.Number(1249 + 4 * static_cast<std::size_t>(i), 4, std::min(minutes, 9999));
  }
  return line.str();
}

}  // namespace

std::string ActivityFileName(const World& world) {
  return Prefix(world) + "act" + Suffix(world);
}

std::string PriorPairingsFileName(const World& world) {
  return Prefix(world) + "prg" + Suffix(world);
}

std::vector<OutputFile> WriteLastMonthFiles(const World& world) {
  const World prior = PriorWorld(world);
  const int monthFirst = world.period.first;
  std::vector<Instance> instances = Instances(prior, monthFirst, world.options.pairings);

  const CodeChoice codes = Codes(AssignmentCodes(Cabin(world) ? 'C' : 'P'));
  Rng rng = Rng::Stream(world.options.seed, "last-month");
  std::string activity;
  for (const CrewMember& member : world.crew)
    activity += ActivityLine(member, rng, instances, codes, monthFirst) + "\r\n";

  // The extract lists the operations by pairing and date.
  std::vector<const Instance*> order;
  for (const Instance& i : instances) order.push_back(&i);
  std::sort(order.begin(), order.end(), [](const Instance* a, const Instance* b) {
    return std::make_tuple(a->pairing->Key(), a->first) <
           std::make_tuple(b->pairing->Key(), b->first);
  });
  std::string pairings;
  for (const Instance* i : order) pairings += PairingLine(prior, *i->pairing, i->first) + "\r\n";
  return {{ActivityFileName(world), std::move(activity)},
          {PriorPairingsFileName(world), std::move(pairings)}};
}

}  // namespace lumora::samples
