#include "samples/lis_writer.h"

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstdio>

#include "samples/fixed_line.h"

namespace lumora::samples {

namespace {

constexpr const char* kEol = "\r\n";
constexpr int kLinesPerPage = 60;

// Filler of the word processor's own records: fixed by the file name so that
// the same world gives the same bytes; about every fourth byte is NUL.
std::string BinaryBlock(const std::string& name, std::size_t size, std::uint32_t salt) {
  std::uint32_t x = 2166136261u ^ salt;
  for (const char c : name) x = (x ^ static_cast<unsigned char>(c)) * 16777619u;
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) {
    x = x * 1664525u + 1013904223u;
    const auto b = static_cast<char>((x >> 24) & 0xFF);
    bytes[i] = (x >> 8) % 4 == 0 ? '\0' : b;
  }
  return bytes;
}

std::string Header(const std::string& name) {
  std::string bytes = BinaryBlock(name, kLisHeaderBytes, 1);
  const std::string magic = "\xD3LISRPT\x1A";
  bytes.replace(0, magic.size(), magic);
  bytes.back() = '\0';  // the text starts after a NUL
  return bytes;
}

std::string Trailer(const std::string& name) {
  std::string bytes = BinaryBlock(name, 256, 2);
  bytes.front() = '\0';
  return bytes;
}

struct Week {
  int first = 0;  // day numbers
  int last = 0;
};

std::vector<Week> Weeks(const MonthPeriod& period) {
  std::vector<Week> weeks;
  for (int d = period.first; d <= period.last; d += 7) {
    weeks.push_back({d, std::min(d + 6, period.last)});
  }
  if (weeks.size() > 1 && weeks.back().last - weeks.back().first < 3) {
    weeks[weeks.size() - 2].last = weeks.back().last;
    weeks.pop_back();
  }
  return weeks;
}

class Listing {
 public:
  Listing(const World& w, bool cabin) : w_(w), cabin_(cabin) {}

  // The listing of one pairing, dated for its first start day in the week.
  std::vector<std::string> Lines(const Pairing& p, int firstDay) const;

 private:
  std::string LegLine(int firstDay, const Leg& leg, int sitAfter) const;
  const World& w_;
  bool cabin_;
};

std::string Format(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string Format(const char* format, ...) {
  char text[512];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

std::string Listing::LegLine(int firstDay, const Leg& leg, int sitAfter) const {
  const std::size_t marker =
      kLisFlightColumn + (cabin_ ? kLisCabinMarkerOffset : kLisPilotMarkerOffset);
  FixedLine line(marker + 9);
  const LocalMoment dep = ToLocal(w_, leg.from, firstDay, leg.depart);
  const LocalMoment arr = ToLocal(w_, leg.to, firstDay, leg.arrive);
  const Date date = DateOf(dep.date);
  const bool own = leg.kind == LegKind::Flight || leg.kind == LegKind::Deadhead;
  line.Blank(0, 1).Right(1, 2, std::to_string(dep.date - firstDay + 1)).Blank(3, 1);
  line.Text(4, 5, Format("%02d%s", date.day, MonthAbbrev(date.month))).Blank(9, 1);
  if (leg.kind == LegKind::Ground) {
    line.Blank(kLisFlightColumn, 4);
  } else {
    line.Right(kLisFlightColumn, 4, std::to_string(leg.flight));
  }
  const char* kind = leg.kind == LegKind::Flight ? "" : leg.kind == LegKind::Ground ? "GT" : "DH";
  line.Blank(14, 1).Text(15, 2, kind).Blank(17, 1).Text(18, 2, leg.carrier).Blank(20, 1);
  line.Text(21, 3, leg.from).Blank(24, 1).Text(25, 4, Hhmm(dep.time)).Blank(29, 1);
  line.Text(30, 3, leg.to).Blank(33, 1).Text(34, 4, Hhmm(arr.time)).Blank(38, 1);
  line.Text(39, 5, PaddedHoursMinutes(leg.Minutes())).Blank(44, 1);
  line.Text(45, 5, sitAfter > 0 ? PaddedHoursMinutes(sitAfter) : "").Blank(50, 1);
  if (cabin_) {
    const char* service = !own || leg.kind == LegKind::Deadhead ? ""
                          : leg.Minutes() >= 90                 ? "SNK"
                                                                : "BEV";
    line.Text(51, 3, service).Blank(54, marker - 54);
  } else {
    const int credit = leg.kind == LegKind::Flight ? leg.Minutes() : leg.Minutes() / 2;
    line.Text(51, 5, PaddedHoursMinutes(credit)).Blank(56, marker - 56);
  }
  if (own) {
    line.Text(marker, 9, leg.aircraft + " [" + std::to_string(leg.seats) + "]");
  } else {
    line.Text(marker, 9, leg.kind == LegKind::Ground ? leg.code : "OAL");
  }
  std::string text = line.str();
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::vector<std::string> Listing::Lines(const Pairing& p, int firstDay) const {
  std::vector<std::string> lines;
  lines.push_back(std::string(100, '-'));
  std::string days;
  for (std::size_t i = 0; i < 7; ++i) {
    static const char* const kDays[] = {"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};
    if (p.weekdays[i] == 'Y') days += std::string(" ") + kDays[i];
  }
  lines.push_back(Format("PAIRING %s   %s %s  %-16s DAYS %d   OPERATES %s TO %s  %s",
                         p.Key().c_str(), p.base.c_str(), p.equipment.c_str(), p.complement.c_str(),
                         p.Days(), Ddmonyy(p.FirstDay(p.headerDates.front())).c_str(),
                         Ddmonyy(p.FirstDay(p.headerDates.back())).c_str(), days.c_str()));
  if (!p.exceptions.empty()) {
    std::string except = "        EXCEPT";
    for (const int d : p.exceptions) except += " " + Ddmonyy(p.FirstDay(d));
    lines.push_back(except);
  }
  if (cabin_) lines.push_back(p.french ? "        LANGUAGE  FRENCH" : "        LANGUAGE  ENGLISH");
  lines.push_back(cabin_ ? " DY DATE  FLT  DH CX DEP TIME ARR TIME BLOCK  GRND SVC"
                         : " DY DATE  FLT  DH CX DEP TIME ARR TIME BLOCK  GRND  CRED");
  for (std::size_t i = 0; i < p.duties.size(); ++i) {
    const Duty& d = p.duties[i];
    for (std::size_t j = 0; j < d.legs.size(); ++j) {
      const int sit = j + 1 < d.legs.size() ? d.legs[j + 1].depart - d.legs[j].arrive : 0;
      lines.push_back(LegLine(firstDay, d.legs[j], sit));
      if (static_cast<int>(j) == d.breakAfter) {
        lines.push_back(Format("        CREW ON DUTY  %s  %s  %s", d.legs[j].to.c_str(),
                               PaddedHoursMinutes(d.BreakLength()).c_str(), d.breakHotel.c_str()));
      }
    }
    const LocalMoment report = ToLocal(w_, d.legs.front().from, firstDay, d.report);
    const LocalMoment release = ToLocal(w_, d.legs.back().to, firstDay, d.release);
    lines.push_back(Format(
        "        DUTY %zu  REPORT %s %s  RELEASE %s %s  ON DUTY %s  BLOCK %s  "
        "CREDIT %s",
        i + 1, Hhmm(report.time).c_str(), d.legs.front().from.c_str(), Hhmm(release.time).c_str(),
        d.legs.back().to.c_str(), PaddedHoursMinutes(d.Length()).c_str(),
        PaddedHoursMinutes(d.Block()).c_str(), PaddedHoursMinutes(d.credit).c_str()));
    if (i + 1 < p.duties.size()) {
      const Duty& next = p.duties[i + 1];
      lines.push_back(Format("        LAYOVER %s  REST %s  %s", d.legs.back().to.c_str(),
                             PaddedHoursMinutes(next.report - d.release).c_str(), d.hotel.c_str()));
      for (int day = d.Day() + 1; day < next.Day(); ++day) {
        lines.push_back(Format("        DAY %d AT LAYOVER %s", day + 1, d.legs.back().to.c_str()));
      }
    }
  }
  int deadhead = 0;
  for (const Duty& d : p.duties) deadhead += d.Deadhead();
  lines.push_back(Format(" TOTALS  BLOCK %s  DEADHEAD %s  CREDIT %s  TAFB %s",
                         PaddedHoursMinutes(p.Block()).c_str(),
                         PaddedHoursMinutes(deadhead).c_str(), PaddedHoursMinutes(p.credit).c_str(),
                         PaddedHoursMinutes(p.Tafb()).c_str()));
  lines.push_back("MEALS US:" + Money(p.mealsUsCents, 7) +
                  "  MEALS CAD:" + Money(p.mealsCadCents, 6));
  return lines;
}

}  // namespace

std::vector<LisFile> WriteLisFiles(const World& world) {
  const bool cabin = world.options.category == Category::FlightAttendant;
  const Listing listing(world, cabin);
  const std::vector<Week> weeks = Weeks(world.period);
  const std::string stem =
      world.options.base + world.options.equipment + CategoryCode(world.options.category) + "_" +
      MonthAbbrev(world.period.month) + Format("%02d", world.period.year % 100) + "_W";
  std::vector<LisFile> files;
  for (std::size_t wk = 0; wk < weeks.size(); ++wk) {
    const Week& week = weeks[wk];
    const bool lastWeek = wk + 1 == weeks.size();
    LisFile file;
    file.name = stem + std::to_string(wk + 1) + ".LIS";

    std::vector<std::string> lines;
    int page = 0;
    auto pageHeader = [&]() {
      ++page;
      lines.push_back(
          Format("PAIRING LISTING   BASE %s  EQP %s  CREW %s   PERIOD %s TO %s   "
                 "WEEK %zu  %s TO %s   PAGE %3d",
                 world.options.base.c_str(), world.options.equipment.c_str(),
                 CategoryCode(world.options.category), Ddmonyy(world.period.first).c_str(),
                 Ddmonyy(world.period.last).c_str(), wk + 1, Ddmonyy(week.first).c_str(),
                 Ddmonyy(week.last).c_str(), page));
      lines.emplace_back();
    };
    lines.push_back("LIS  CREW PAIRING LISTING REPORT");
    lines.push_back(Format("RUN %s 0314  SELECTION  BASE %s  EQUIPMENT %s  CREW %s",
                           Ddmonyy(world.period.first - 19).c_str(), world.options.base.c_str(),
                           world.options.equipment.c_str(), CategoryCode(world.options.category)));
    lines.push_back(std::string(100, '='));
    lines.emplace_back();
    pageHeader();
    std::size_t pageStart = lines.size();

    std::vector<std::vector<std::string>> listings;
    for (const Pairing& p : world.pairings) {
      if (!p.selected) continue;
      for (const int d : p.headerDates) {
        const int start = p.FirstDay(d);
        if (start >= week.first && start <= week.last && world.period.Contains(start)) {
          listings.push_back(listing.Lines(p, start));
          break;
        }
      }
    }
    for (std::size_t i = 0; i < listings.size(); ++i) {
      std::vector<std::string> body = listings[i];
      if (lastWeek && i + 1 == listings.size()) {
        // Cut after the first duty period's legs.
        std::size_t keep = 0;
        while (keep < body.size() && body[keep].rfind("        DUTY ", 0) != 0) ++keep;
        body.resize(keep);
      }
      if (lines.size() - pageStart + body.size() > kLinesPerPage) {
        lines.emplace_back("\f");
        pageHeader();
        pageStart = lines.size();
      }
      lines.insert(lines.end(), body.begin(), body.end());
    }
    if (!lastWeek || listings.empty()) {
      lines.emplace_back();
      lines.push_back(Format("END OF REPORT  %zu PAIRINGS", listings.size()));
    }

    std::string text;
    for (const std::string& l : lines) text += l + kEol;
    file.bytes = Header(file.name) + text + Trailer(file.name);
    files.push_back(std::move(file));
  }
  return files;
}

}  // namespace lumora::samples
