#include "samples/prg_writer.h"

#include <cstdio>

#include "samples/fixed_line.h"

namespace lumora::samples {

namespace {

// Record lengths; the columns past the last field the import reads carry
// what the crew-tracking system prints there and keep the segment summary's
// 80-character minimum for flight legs.
constexpr std::size_t kHeaderLength = 303;
constexpr std::size_t kLegLength = 88;
constexpr std::size_t kDutyLength = 140;
constexpr std::size_t kOtherCarrierLength = 88;
constexpr std::size_t kSegmentLength = 72;

std::string Mmdd(int dayNumber) {
  const Date d = DateOf(dayNumber);
  char text[8];
  std::snprintf(text, sizeof text, "%02d%02d", d.month, d.day);
  return text;
}

// Opens a record of any type: type, pairing key, and for the trip records the
// first date of the pairing.
FixedLine Record(std::size_t length, char type, const Pairing& p) {
  FixedLine line(length);
  line.Text(0, 1, std::string(1, type)).Text(1, 5, p.Key()).Blank(6, 1);
  return line;
}

std::string Header(const Pairing& p, int headerDate) {
  int block[6] = {};
  int duty[6] = {};
  int credit[6] = {};
  int totalDuty = 0;
  for (const Duty& d : p.duties) {
    const auto k = static_cast<std::size_t>(d.Day());
    block[k] += d.Block();
    duty[k] += d.Length();
    credit[k] += d.credit;
    totalDuty += d.Length();
  }
  const int firstDay = p.FirstDay(headerDate);
  // A release at midnight reads 1440 on the day before.
  const int release = p.Release();
  const int releaseTime = release % 1440 == 0 ? 1440 : release % 1440;
  const int releaseDay = firstDay + (release % 1440 == 0 ? release / 1440 - 1 : release / 1440);
  int report = p.Report();
  if (p.midnight) report = p.midnightAsZero ? 0 : 1440;

  FixedLine line = Record(kHeaderLength, '1', p);
  line.Text(7, 3, p.base).Blank(10, 1).Text(11, 3, p.equipment).Blank(14, 1);
  line.Text(15, 8, Yyyymmdd(p.headerDates.front())).Text(23, 8, Yyyymmdd(p.headerDates.back()));
  line.Text(31, 7, p.weekdays);
  for (std::size_t k = 0; k < 4; ++k) {
    line.Text(38 + 4 * k, 4, k < p.exceptions.size() ? Mmdd(p.exceptions[k]) : "0000");
  }
  line.Number(54, 3, static_cast<long long>(p.headerDates.size())).Blank(57, 1);
  line.Number(58, 2, static_cast<long long>(p.duties.size())).Blank(60, 1);
  line.Number(61, 2, p.Days()).Blank(63, 7);
  line.Text(70, 8, Yyyymmdd(headerDate)).Number(78, 4, report);
  line.Number(82, 4, releaseTime).Text(86, 8, Yyyymmdd(releaseDay));
  line.Number(94, 5, totalDuty).Number(99, 5, p.Block()).Blank(104, 3);
  line.Number(107, 5, p.Tafb()).Text(112, 1, p.spillOver ? "Y" : "N");
  line.Text(113, 32, p.complement).Number(145, 4, p.requiredRest).Blank(149, 1);
  for (std::size_t k = 0; k < 6; ++k) {
    line.Number(150 + 4 * k, 4, block[k]);
    line.Number(174 + 4 * k, 4, duty[k]);
    line.Number(198 + 4 * k, 4, credit[k]);
  }
  line.Blank(222, 77).Number(299, 4, p.credit);
  return line.str();
}

std::string FlightLeg(const World& w, const Pairing& p, int firstDay, std::size_t dutyIndex,
                      const Leg& leg, int sitAfter) {
  const LocalMoment dep = ToLocal(w, leg.from, firstDay, leg.depart);
  const LocalMoment arr = ToLocal(w, leg.to, firstDay, leg.arrive);
  FixedLine line = Record(kLegLength, '2', p);
  line.Text(7, 8, Yyyymmdd(firstDay)).Number(15, 4, leg.flight).Blank(19, 1);
  line.Number(20, 2, static_cast<long long>(dutyIndex + 1)).Blank(22, 1);
  line.Text(23, 3, leg.aircraft).Blank(26, 2);
  line.Text(28, 3, leg.from).Text(31, 8, Yyyymmdd(dep.date)).Number(39, 4, dep.time);
  line.Text(43, 3, leg.to).Text(46, 8, Yyyymmdd(arr.date)).Number(54, 4, arr.time).Blank(58, 3);
  line.Text(61, 1, leg.kind == LegKind::Deadhead ? "D" : "").Blank(62, 2);
  line.Number(64, 4, leg.Minutes()).Number(68, 4, sitAfter).Number(72, 3, leg.seats);
  line.Blank(75, 13);
  return line.str();
}

std::string OtherCarrierLeg(const World& w, const Pairing& p, int firstDay, const Leg& leg) {
  const LocalMoment dep = ToLocal(w, leg.from, firstDay, leg.depart);
  const LocalMoment arr = ToLocal(w, leg.to, firstDay, leg.arrive);
  char flight[16];
  std::snprintf(flight, sizeof flight, "%-2s%05d", leg.carrier.c_str(), leg.flight);
  FixedLine line = Record(kOtherCarrierLength, '4', p);
  line.Text(7, 8, Yyyymmdd(firstDay)).Blank(15, 3).Text(18, 7, flight).Blank(25, 1);
  line.Text(26, 8, Yyyymmdd(dep.date)).Text(34, 3, leg.from).Blank(37, 8).Number(45, 4, dep.time);
  line.Text(49, 3, leg.to).Text(52, 8, Yyyymmdd(arr.date)).Number(60, 4, arr.time);
  line.Number(64, 4, leg.Minutes()).Blank(68, 15).Text(83, 3, leg.code).Blank(86, 2);
  return line.str();
}

std::string GroundSegment(const World& w, const Pairing& p, int firstDay, const Leg& leg) {
  const LocalMoment dep = ToLocal(w, leg.from, firstDay, leg.depart);
  const LocalMoment arr = ToLocal(w, leg.to, firstDay, leg.arrive);
  FixedLine line = Record(kSegmentLength, '5', p);
  line.Text(7, 8, Yyyymmdd(firstDay)).Blank(15, 3).Text(18, 3, leg.code).Blank(21, 8);
  line.Text(29, 3, leg.from).Text(32, 8, Yyyymmdd(dep.date)).Number(40, 4, dep.time);
  line.Text(44, 3, leg.to).Text(47, 8, Yyyymmdd(arr.date)).Number(55, 4, arr.time);
  line.Number(59, 4, leg.Minutes()).Blank(63, 9);
  return line.str();
}

// The duty-record columns up to the date: type, key, first date, duty number.
FixedLine DutyRecord(const Pairing& p, int firstDay, int dutyNumber, int date) {
  FixedLine line = Record(kDutyLength, '3', p);
  line.Text(7, 8, Yyyymmdd(firstDay));
  if (dutyNumber > 0) {
    line.Number(15, 2, dutyNumber);
  } else {
    line.Blank(15, 2);
  }
  line.Blank(17, 5).Text(22, 8, Yyyymmdd(date));
  return line;
}

std::string EndOfDuty(const World& w, const Pairing& p, int firstDay, std::size_t index) {
  const Duty& d = p.duties[index];
  const bool last = index + 1 == p.duties.size();
  const std::string& start = d.legs.front().from;
  const std::string& end = d.legs.back().to;
  const LocalMoment report = ToLocal(w, start, firstDay, d.report);
  const LocalMoment release = ToLocal(w, end, firstDay, d.release);
  const int rest = last ? 0 : p.duties[index + 1].report - d.release;
  const bool badReport = p.badDutyReport && index == 0;
  FixedLine line = DutyRecord(p, firstDay, static_cast<int>(index) + 1, report.date);
  line.Number(30, 4, badReport ? 1440 : report.time).Text(34, 3, start).Blank(37, 5);
  line.Number(42, 4, release.time).Blank(46, 1).Number(47, 4, d.Length()).Number(51, 5, rest);
  // The last duty period has no layover: its remark stays blank.
  line.Text(56, 3, end).Text(59, 40, last ? "" : d.hotel);
  line.Text(99, 8, Yyyymmdd(release.date)).Blank(107, 7);
  line.Number(114, 4, d.Block()).Blank(118, 4).Number(122, 4, d.Sit());
  line.Number(126, 4, d.credit).Number(130, 4, d.Deadhead()).Blank(134, 6);
  return line.str();
}

// A wait on duty within a duty period: duty length 0, the wait as the rest.
std::string CrewOnDuty(const World& w, const Pairing& p, int firstDay, std::size_t index) {
  const Duty& d = p.duties[index];
  const Leg& before = d.legs[static_cast<std::size_t>(d.breakAfter)];
  const LocalMoment report = ToLocal(w, d.legs.front().from, firstDay, d.report);
  const LocalMoment arrived = ToLocal(w, before.to, firstDay, before.arrive);
  FixedLine line = DutyRecord(p, firstDay, static_cast<int>(index) + 1, report.date);
  line.Number(30, 4, report.time).Text(34, 3, d.legs.front().from).Blank(37, 5);
  line.Number(42, 4, arrived.time).Blank(46, 1).Number(47, 4, 0).Number(51, 5, d.BreakLength());
  line.Text(56, 3, before.to).Text(59, 40, d.breakHotel);
  line.Text(99, 8, Yyyymmdd(arrived.date)).Blank(107, 7);
  line.Number(114, 4, 0).Blank(118, 4).Number(122, 4, 0).Number(126, 4, 0).Number(130, 4, 0);
  line.Blank(134, 6);
  return line.str();
}

// A day at a layover without duty: the record carries no duty data.
std::string DayWithoutDuty(const Pairing& p, int firstDay, int day, const Duty& before) {
  FixedLine line = DutyRecord(p, firstDay, 0, firstDay + day);
  line.Blank(30, 26).Text(56, 3, before.legs.back().to).Text(59, 40, before.hotel);
  line.Blank(99, 41);
  return line.str();
}

void AppendPairingDate(const World& w, const Pairing& p, int headerDate, std::string& out) {
  const int firstDay = p.FirstDay(headerDate);
  auto add = [&out](const std::string& line) {
    out += line;
    out += '\n';
  };
  add(Header(p, headerDate));
  for (std::size_t i = 0; i < p.duties.size(); ++i) {
    const Duty& d = p.duties[i];
    for (std::size_t j = 0; j < d.legs.size(); ++j) {
      const Leg& leg = d.legs[j];
      const int sitAfter = j + 1 < d.legs.size() ? d.legs[j + 1].depart - leg.arrive : 0;
      switch (leg.kind) {
        case LegKind::Flight:
        case LegKind::Deadhead:
          add(FlightLeg(w, p, firstDay, i, leg, sitAfter));
          break;
        case LegKind::OtherCarrier:
          add(OtherCarrierLeg(w, p, firstDay, leg));
          break;
        case LegKind::Ground:
          add(GroundSegment(w, p, firstDay, leg));
          break;
      }
      if (static_cast<int>(j) == d.breakAfter) add(CrewOnDuty(w, p, firstDay, i));
    }
    add(EndOfDuty(w, p, firstDay, i));
    if (i + 1 < p.duties.size()) {
      for (int day = d.Day() + 1; day < p.duties[i + 1].Day(); ++day) {
        add(DayWithoutDuty(p, firstDay, day, d));
      }
    }
  }
}

}  // namespace

std::string PrgFileName(const World& world) {
  return world.options.base + world.options.equipment + CategoryCode(world.options.category) +
         ".PRG";
}

std::string WritePrg(const World& world) {
  std::string out;
  for (const Pairing& p : world.pairings) {
    for (const int date : p.headerDates) AppendPairingDate(world, p, date, out);
  }
  return out;
}

}  // namespace lumora::samples
