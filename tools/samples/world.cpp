#include "samples/world.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <stdexcept>
#include <tuple>
#include <utility>

#include "samples/random.h"

namespace lumora::samples {

const char* CategoryCode(Category category) {
  switch (category) {
    case Category::Captain:
      return "CA";
    case Category::FirstOfficer:
      return "FO";
    case Category::FlightAttendant:
      return "FA";
  }
  return "CA";
}

Category CategoryFromCode(std::string_view code) {
  if (code == "CA") return Category::Captain;
  if (code == "FO") return Category::FirstOfficer;
  if (code == "FA") return Category::FlightAttendant;
  throw std::invalid_argument("crew category must be CA, FO or FA, not " + std::string(code));
}

int Duty::Block() const {
  int sum = 0;
  for (const Leg& l : legs) {
    if (l.kind == LegKind::Flight) sum += l.Minutes();
  }
  return sum;
}

int Duty::Deadhead() const {
  int sum = 0;
  for (const Leg& l : legs) {
    if (l.kind != LegKind::Flight) sum += l.Minutes();
  }
  return sum;
}

int Duty::Sit() const {
  int sum = 0;
  for (std::size_t i = 1; i < legs.size(); ++i) sum += legs[i].depart - legs[i - 1].arrive;
  return sum;
}

int Duty::BreakLength() const {
  if (breakAfter < 0) return 0;
  const auto i = static_cast<std::size_t>(breakAfter);
  return legs[i + 1].depart - legs[i].arrive;
}

std::string Pairing::Key() const {
  char text[16];
  std::snprintf(text, sizeof text, "%c%04d", letter, number);
  return text;
}

int Pairing::Block() const {
  int sum = 0;
  for (const Duty& d : duties) sum += d.Block();
  return sum;
}

int World::SelectedCopies() const {
  int sum = 0;
  for (const Pairing& p : pairings) {
    if (p.selected) sum += p.copies;
  }
  return sum;
}

namespace {

int FloorDiv(int a, int b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}
int FloorMod(int a, int b) {
  return a - FloorDiv(a, b) * b;
}
int RoundUp5(int minutes) {
  return (minutes + 4) / 5 * 5;
}

}  // namespace

LocalMoment ToLocal(const World& world, std::string_view station, int firstDay, int minutes) {
  const int baseDay = firstDay + FloorDiv(minutes, 1440);
  const int local = minutes + LocalShift(AirportByCode(station), world.BaseAirport(), baseDay);
  return {firstDay + FloorDiv(local, 1440), FloorMod(local, 1440)};
}

namespace {

// What a pairing must show. The first pairings of the document carry one
// case each so that every record form appears in a sample of any useful
// size; the rest draw their features.
struct Features {
  int days = 0;  // 0: drawn
  bool spill = false;
  bool midnight = false;
  bool midnightAsZero = false;
  bool monthEdge = false;
  bool longLayover = false;
  bool splitDuty = false;
  bool otherCarrier = false;
  bool ground = false;
  bool ownDeadhead = false;
  bool usLayover = false;
  bool extraCrew = false;
  bool lacksPosition = false;
  bool neverOperates = false;        // only after the month
  bool neverOperatesBefore = false;  // only before it, left over from the last period
  bool badDutyReport = false;
  bool fourExceptions = false;
  bool allWeek = false;
  bool threeWeekdays = false;
  bool startsBefore = false;
  bool endsAfter = false;
};

std::vector<Features> Scenarios() {
  std::vector<Features> s(19);
  s[0].days = 1;
  s[0].spill = true;
  s[1].days = 1;
  s[1].midnight = true;
  s[1].monthEdge = true;
  s[2].days = 2;
  s[2].midnight = true;
  s[2].midnightAsZero = true;
  s[3].days = 3;
  s[3].longLayover = true;
  s[4].days = 2;
  s[4].splitDuty = true;
  s[5].days = 2;
  s[5].otherCarrier = true;
  s[5].usLayover = true;
  s[6].days = 1;
  s[6].ground = true;
  s[7].days = 3;
  s[7].ownDeadhead = true;
  s[8].extraCrew = true;
  s[9].lacksPosition = true;
  s[10].neverOperates = true;
  s[11].days = 1;
  s[11].midnight = true;
  s[11].badDutyReport = true;
  s[12].fourExceptions = true;
  s[13].allWeek = true;
  s[14].threeWeekdays = true;
  s[15].startsBefore = true;
  s[16].days = 4;
  s[16].endsAfter = true;
  s[17].days = 4;
  s[17].usLayover = true;
  s[18].days = 2;
  s[18].neverOperatesBefore = true;
  return s;
}

Features RandomFeatures(Rng& rng) {
  Features f;
  f.days = 1 + static_cast<int>(rng.Weighted({30, 22, 28, 20}));
  if (f.days == 1) {
    f.spill = rng.Percent(8);
    f.midnight = !f.spill && rng.Percent(2);
    f.ground = rng.Percent(2);
  } else {
    f.longLayover = rng.Percent(6);
    f.otherCarrier = rng.Percent(5);
    f.usLayover = rng.Percent(30);
  }
  f.splitDuty = rng.Percent(5);
  f.ownDeadhead = rng.Percent(7);
  f.extraCrew = rng.Percent(2);
  f.lacksPosition = rng.Percent(1);
  return f;
}

// What one duty period must look like.
struct DutyPlan {
  std::string start;
  std::string end;
  int report = 0;
  bool ownDeadheadFirst = false;
  bool otherCarrierHome = false;
  bool groundHome = false;
  bool split = false;
};

class TripBuilder {
 public:
  TripBuilder(Rng& rng, const Base& base, const Fleet& fleet, int referenceDay)
      : rng_(rng), base_(base), fleet_(fleet), referenceDay_(referenceDay) {
    network_.emplace_back(base.code);
    for (const char* d : base.destinations) network_.emplace_back(d);
  }

  // Fills the duty periods, credits, required rest, spill-over flag, meals
  // and the French mark.
  void Build(const Features& features, bool altSeries, Pairing& p);

 private:
  bool CanFly(const std::string& a, const std::string& b) const;
  std::vector<std::string> Path(const std::string& start, const std::string& end, int legs);
  std::string PickLayover(const std::string& at, bool wantUs);
  bool TryDuty(const DutyPlan& plan, Duty& duty);
  bool TryTrip(const Features& f, int days, std::vector<Duty>& duties);
  void TimeLegs(Duty& duty, int report);
  int NewFlightNumber();
  void SetAircraft(Leg& leg);

  Rng& rng_;
  const Base& base_;
  const Fleet& fleet_;
  int referenceDay_;
  std::vector<std::string> network_;
  bool allowUs_ = true;       // the current pairing may visit the United States
  std::vector<int> flights_;  // numbers used in the current pairing
  int aircraftMode_ = 0;      // 0 first type, 1 second type, 2 mixed
};

bool TripBuilder::CanFly(const std::string& a, const std::string& b) const {
  if (a == b) return false;
  const Airport& x = AirportByCode(a);
  const Airport& y = AirportByCode(b);
  if (!allowUs_ && (IsUs(x) || IsUs(y))) return false;
  if (a == base_.code || b == base_.code) return !(IsUs(x) && IsUs(y));
  // Away from the base only short domestic hops (no flights within the
  // United States).
  return !IsUs(x) && !IsUs(y) && DistanceKm(x, y) <= 500;
}

std::vector<std::string> TripBuilder::Path(const std::string& start, const std::string& end,
                                           int legs) {
  for (int attempt = 0; attempt < 20; ++attempt) {
    std::vector<std::string> path{start};
    std::string at = start;
    bool ok = true;
    for (int j = 0; j < legs - 1; ++j) {
      const bool nextIsLast = j == legs - 2;
      std::vector<std::string> candidates;
      for (const std::string& s : network_) {
        if (CanFly(at, s) && (!nextIsLast || CanFly(s, end))) candidates.push_back(s);
      }
      if (candidates.empty()) {
        ok = false;
        break;
      }
      // The base is the hub: away from it, most legs go back to it.
      const bool viaBase =
          at != base_.code &&
          std::find(candidates.begin(), candidates.end(), base_.code) != candidates.end() &&
          rng_.Percent(50);
      at = viaBase ? std::string(base_.code) : rng_.Pick(candidates);
      path.push_back(at);
    }
    if (ok && CanFly(at, end)) {
      path.push_back(end);
      return path;
    }
  }
  return {};
}

std::string TripBuilder::PickLayover(const std::string& at, bool wantUs) {
  std::vector<std::string> candidates;
  for (const char* d : base_.destinations) {
    if (wantUs && !IsUs(AirportByCode(d))) continue;
    if (CanFly(at, d) || at == d) candidates.emplace_back(d);
  }
  if (candidates.empty()) {
    for (const char* d : base_.destinations) {
      if (allowUs_ || !IsUs(AirportByCode(d))) candidates.emplace_back(d);
    }
  }
  return rng_.Pick(candidates);
}

int TripBuilder::NewFlightNumber() {
  for (;;) {
    const int n = rng_.Percent(15) ? rng_.Uniform(100, 999) : rng_.Uniform(7100, 8999);
    if (std::find(flights_.begin(), flights_.end(), n) == flights_.end()) {
      flights_.push_back(n);
      return n;
    }
  }
}

void TripBuilder::SetAircraft(Leg& leg) {
  std::size_t type = 0;
  if (fleet_.types.size() > 1) {
    type = aircraftMode_ == 2 ? static_cast<std::size_t>(rng_.Uniform(0, 1))
                              : static_cast<std::size_t>(aircraftMode_);
  }
  leg.aircraft = fleet_.types[type].code;
  leg.seats = fleet_.types[type].seats;
  leg.flight = NewFlightNumber();
}

void TripBuilder::TimeLegs(Duty& duty, int report) {
  duty.report = report;
  const bool ownFirst =
      duty.legs.front().kind == LegKind::Flight || duty.legs.front().kind == LegKind::Deadhead;
  int t = report + (ownFirst ? 45 : 30);
  for (std::size_t i = 0; i < duty.legs.size(); ++i) {
    Leg& leg = duty.legs[i];
    const Airport& from = AirportByCode(leg.from);
    const Airport& to = AirportByCode(leg.to);
    int minutes = 0;
    switch (leg.kind) {
      case LegKind::Flight:
      case LegKind::Deadhead:
        minutes = BlockMinutes(from, to, fleet_.speedKmh);
        break;
      case LegKind::OtherCarrier:
        minutes = BlockMinutes(from, to, 760) + 10;
        break;
      case LegKind::Ground:
        minutes = RoundUp5(30 + DistanceKm(from, to) * 60 / 80);
        break;
    }
    leg.depart = t;
    leg.arrive = t + minutes;
    if (i + 1 < duty.legs.size()) {
      int gap = rng_.Step(25, 55, 5);
      if (static_cast<int>(i) == duty.breakAfter) {
        gap = rng_.Step(240, 330, 5);
      } else if (leg.kind != LegKind::Flight || duty.legs[i + 1].kind != LegKind::Flight) {
        gap = rng_.Step(40, 75, 5);
      }
      t = leg.arrive + gap;
    }
  }
  duty.release = duty.legs.back().arrive + 15;
}

bool TripBuilder::TryDuty(const DutyPlan& plan, Duty& duty) {
  duty = Duty{};
  if (plan.otherCarrierHome) {
    Leg leg;
    leg.kind = LegKind::OtherCarrier;
    leg.from = plan.start;
    leg.to = plan.end;
    static const std::vector<std::string> kCarriers = {"XA", "XB", "XC"};
    leg.carrier = rng_.Pick(kCarriers);
    leg.flight = rng_.Uniform(100, 4999);
    leg.code = rng_.Percent(75) ? "CNF" : "POS";
    duty.legs.push_back(leg);
  } else {
    std::string via = plan.end;
    if (plan.groundHome) {
      std::vector<std::string> close;
      for (const char* d : base_.destinations) {
        const Airport& a = AirportByCode(d);
        if (!IsUs(a) && plan.start != d && DistanceKm(a, AirportByCode(base_.code)) <= 200) {
          close.emplace_back(d);
        }
      }
      if (close.empty()) return false;
      via = rng_.Pick(close);
    }
    const int legs = plan.start == via ? 2 + static_cast<int>(rng_.Weighted({25, 15, 40, 15, 5}))
                                       : 1 + static_cast<int>(rng_.Weighted({10, 25, 35, 25, 5}));
    const std::vector<std::string> path = Path(plan.start, via, legs);
    if (path.empty()) return false;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
      Leg leg;
      leg.from = path[i];
      leg.to = path[i + 1];
      SetAircraft(leg);
      duty.legs.push_back(leg);
    }
    if (plan.ownDeadheadFirst) duty.legs.front().kind = LegKind::Deadhead;
    if (plan.groundHome) {
      Leg leg;
      leg.kind = LegKind::Ground;
      leg.from = via;
      leg.to = plan.end;
      leg.code = rng_.Percent(80) ? "LMO" : "TXI";
      duty.legs.push_back(leg);
    }
  }
  if (plan.split && duty.legs.size() >= 2) {
    std::vector<int> away;
    for (std::size_t i = 0; i + 1 < duty.legs.size(); ++i) {
      if (duty.legs[i].to != base_.code && duty.legs[i].kind == LegKind::Flight) {
        away.push_back(static_cast<int>(i));
      }
    }
    if (away.empty()) return false;
    duty.breakAfter = rng_.Pick(away);
  }
  TimeLegs(duty, plan.report);
  const int maxDuty = duty.breakAfter >= 0 ? 840 : 780;
  // A working duty period flies at least two and a half hours.
  const int minBlock = plan.otherCarrierHome ? 0 : 150;
  return duty.Length() <= maxDuty && duty.Block() <= 540 && duty.Block() >= minBlock;
}

bool TripBuilder::TryTrip(const Features& f, int days, std::vector<Duty>& duties) {
  duties.clear();
  flights_.clear();
  aircraftMode_ = static_cast<int>(rng_.Weighted({50, 20, 30}));
  int report = 0;
  if (f.midnight) {
    report = 0;
  } else if (f.spill) {
    report = rng_.Step(1080, 1230, 5);
  } else {
    report = days == 1 ? rng_.Step(300, 1000, 5) : rng_.Step(300, 900, 5);
  }
  const Airport& base = AirportByCode(base_.code);
  std::string at = base_.code;
  for (int i = 0; i < days; ++i) {
    const bool last = i == days - 1;
    DutyPlan plan;
    plan.start = at;
    plan.end = last ? std::string(base_.code) : PickLayover(at, f.usLayover && i == days - 2);
    plan.report = report;
    plan.ownDeadheadFirst = f.ownDeadhead && i == 0;
    plan.otherCarrierHome = f.otherCarrier && last && at != base_.code;
    plan.groundHome = f.ground && last && !plan.otherCarrierHome;
    plan.split = f.splitDuty && i == 0;
    Duty duty;
    if (!TryDuty(plan, duty)) return false;
    if (f.spill) {
      // The duty must carry past midnight into a day of its own.
      if (duty.release < 1455) {
        const int delta = RoundUp5(1455 - duty.release) + rng_.Step(0, 60, 5);
        if (duty.report + delta > 1290) return false;
        duty.report += delta;
        duty.release += delta;
        for (Leg& leg : duty.legs) {
          leg.depart += delta;
          leg.arrive += delta;
        }
      }
    } else if (duty.release > duty.Day() * 1440 + 1410) {
      return false;
    }
    // A duty's date is its report date at the station; keep it the base date.
    const int shift = LocalShift(AirportByCode(at), base, referenceDay_);
    if (FloorDiv(duty.report + shift, 1440) != duty.Day()) return false;
    duties.push_back(duty);
    if (!last) {
      // Layovers of 10 to 16 hours; a long one spends a whole day there.
      const bool longLayover = f.longLayover && i == 0;
      int next = duty.release + (longLayover ? rng_.Step(1500, 2100, 5) : rng_.Step(600, 960, 5));
      if (next % 1440 < 300) next += 300 - next % 1440;
      if (next % 1440 > 1260) return false;
      if (next / 1440 - duty.Day() != (longLayover ? 2 : 1)) return false;
      report = next;
      at = plan.end;
    }
  }
  // The header holds the block time of six days.
  return (duties.back().release - 1) / 1440 + 1 <= 6;
}

std::string HotelRemark(const std::string& station, bool dayRoom) {
  static const char* const kKinds[] = {"AIRPORT INN", "GRAND HOTEL", "PLAZA HOTEL", "HARBOUR HOTEL",
                                       "SUITES"};
  const Airport& a = AirportByCode(station);
  const int hash = (station[0] * 31 + station[1] * 7 + station[2]) % 97;
  std::string name = std::string(a.city) + " " + kKinds[hash % 5];
  if (dayRoom) name = std::string("DAYROOM ") + a.city;
  if (name.size() > 25) name = a.city;
  char phone[16];
  std::snprintf(phone, sizeof phone, "TEL 555 01%02d", hash);
  // 39 characters: the display text turns the remark's 40th into a line end.
  return name + std::string(27 - name.size(), ' ') + phone;
}

void TripBuilder::Build(const Features& features, bool altSeries, Pairing& p) {
  int days = features.days;
  if (days == 0) days = 1 + static_cast<int>(rng_.Weighted({30, 22, 28, 20}));
  if (features.otherCarrier && days < 2) days = 2;
  // About a third of the trips cross the border.
  allowUs_ = features.usLayover || features.otherCarrier || rng_.Percent(30);
  std::vector<Duty> duties;
  bool built = false;
  for (int attempt = 0; attempt < 400 && !built; ++attempt) {
    built = TryTrip(features, days, duties);
    if (built && altSeries && fleet_.types.size() > 1) {
      // The second number series flies the second type only.
      for (Duty& d : duties) {
        for (Leg& l : d.legs) {
          if (l.kind == LegKind::Flight || l.kind == LegKind::Deadhead) {
            l.aircraft = fleet_.types[1].code;
            l.seats = fleet_.types[1].seats;
          }
        }
      }
    }
  }
  allowUs_ = true;
  for (int attempt = 0; attempt < 400 && !built; ++attempt) {
    built = TryTrip(Features{}, 1, duties);
  }
  if (!built) throw std::logic_error("no trip could be built from " + std::string(base_.code));
  p.duties = std::move(duties);
  p.midnight = features.midnight;
  p.midnightAsZero = features.midnight && features.midnightAsZero;
  p.badDutyReport = features.midnight && features.badDutyReport;

  int sum = 0;
  for (std::size_t i = 0; i < p.duties.size(); ++i) {
    Duty& d = p.duties[i];
    d.credit = std::max({d.Block() + d.Deadhead() / 2, d.Length() / 2, 240});
    sum += d.credit;
    if (i + 1 < p.duties.size()) d.hotel = HotelRemark(d.legs.back().to, false);
    if (d.breakAfter >= 0) {
      d.breakHotel = HotelRemark(d.legs[static_cast<std::size_t>(d.breakAfter)].to, true);
    }
  }
  // Trip rig: a pairing with long layovers pays for its time away; the total
  // then exceeds the sum of the duty credits.
  p.credit = p.duties.size() > 1 ? std::max(sum, p.Tafb() * 2 / 7) : sum;
  p.spillOver = p.duties.size() == 1 && p.Release() > 1440 && p.Tafb() < 900;

  // A last duty period whose local clock times disagree with its length by
  // three hours or more (a time-zone crossing) asks for the longer rest.
  const Duty& last = p.duties.back();
  const Airport& base = AirportByCode(base_.code);
  const int startShift = LocalShift(AirportByCode(last.legs.front().from), base, referenceDay_);
  const int reportLocal = FloorMod(last.report + startShift, 1440);
  const int endLocal = FloorMod(last.release, 1440);
  const int elapsed =
      reportLocal < endLocal ? endLocal - reportLocal : 1440 - reportLocal + endLocal;
  p.requiredRest = std::abs(elapsed - last.Length()) >= 180 ? 780 : 660;

  for (std::size_t i = 0; i + 1 < p.duties.size(); ++i) {
    const Duty& d = p.duties[i];
    if (IsUs(AirportByCode(d.legs.back().to))) {
      p.mealsUsCents += 5240;
    } else {
      p.mealsCadCents += 6175;
    }
  }
  for (const Duty& d : p.duties) {
    if (d.Length() >= 480 && d.report % 1440 < 660) p.mealsCadCents += 1735;
  }
  p.mealsCadCents = std::min(p.mealsCadCents, 99999);

  bool quebec = false;
  for (const Duty& d : p.duties) {
    for (const Leg& l : d.legs) {
      for (const std::string* s : {&l.from, &l.to}) {
        if (*s != base_.code && std::string_view(AirportByCode(*s).region) == "QC") quebec = true;
      }
    }
  }
  const bool frenchBase = std::string_view(base.region) == "QC";
  p.french = rng_.Percent(quebec ? 80 : frenchBase ? 30 : 5);
}

void MakePattern(Rng& rng, const MonthPeriod& period, const Features& f, Pairing& p) {
  static const std::vector<std::string> kMasks = {"YYYYYNN", "YYYYYYY", "NNNNNYY", "YYYYYYN",
                                                  "NYYYYYN", "YNYNYNN", "NYNYNNN", "YYYYNNY"};
  const int shift = p.midnight ? -1 : 0;
  for (;;) {
    int first = 0;
    int last = 0;
    std::string mask;
    std::size_t exceptionCount = 0;
    bool single = false;
    if (f.neverOperates) {
      first = period.last + 2;
      last = first + rng.Uniform(0, 2);
      mask = "YYYYYYY";
    } else if (f.neverOperatesBefore) {
      last = period.first - 2 - rng.Uniform(0, 2);
      first = last - rng.Uniform(0, 2);
      mask = "YYYYYYY";
    } else if (f.monthEdge) {
      first = period.first;
      last = first + rng.Uniform(10, 20);
      mask = "YYYYYYY";
    } else if (f.allWeek) {
      first = period.first + rng.Uniform(0, 4);
      last = period.last - rng.Uniform(0, 4);
      mask = "YYYYYYY";
      exceptionCount = rng.Weighted({50, 30, 20});
    } else if (f.threeWeekdays) {
      first = period.first;
      last = period.last;
      mask = "YNYNYNN";
    } else if (f.fourExceptions) {
      first = period.first + rng.Uniform(0, 3);
      last = period.last - rng.Uniform(0, 3);
      mask = rng.Percent(50) ? "YYYYYNN" : "YYYYYYY";
      exceptionCount = 4;
    } else if (f.startsBefore) {
      first = period.first - rng.Uniform(3, 6);
      last = first + rng.Uniform(12, 20);
      mask = rng.Pick(kMasks);
      exceptionCount = rng.Weighted({60, 25, 15});
    } else if (f.endsAfter) {
      last = period.last + rng.Uniform(1, 3);
      first = last - rng.Uniform(10, 18);
      mask = rng.Pick(kMasks);
    } else {
      switch (rng.Weighted({45, 30, 25})) {
        case 0:
          first = last = rng.Uniform(period.first, period.last);
          single = true;
          break;
        case 1: {
          first = period.first;
          last = period.last;
          mask = "NNNNNNN";
          const int count = rng.Uniform(1, 2);
          for (int i = 0; i < count; ++i) mask[static_cast<std::size_t>(rng.Uniform(0, 6))] = 'Y';
          exceptionCount = rng.Weighted({70, 30});
          break;
        }
        default:
          first = period.first + rng.Uniform(0, 12);
          last = std::min(period.last, first + rng.Uniform(6, 16));
          mask = rng.Pick(kMasks);
          exceptionCount = rng.Weighted({60, 25, 15});
          break;
      }
    }
    first += shift;
    last += shift;
    if (single) {
      mask = "NNNNNNN";
      mask[static_cast<std::size_t>(MondayFirstWeekday(first))] = 'Y';
    }
    std::vector<int> candidates;
    for (int d = first; d <= last; ++d) {
      if (mask[static_cast<std::size_t>(MondayFirstWeekday(d))] == 'Y') candidates.push_back(d);
    }
    if (candidates.size() < exceptionCount + 2 && exceptionCount > 0) continue;
    if (candidates.empty()) continue;
    std::vector<int> interior;
    if (candidates.size() > 2) interior.assign(candidates.begin() + 1, candidates.end() - 1);
    rng.Shuffle(interior);
    interior.resize(std::min(interior.size(), exceptionCount));
    std::sort(interior.begin(), interior.end());
    p.weekdays = mask;
    p.exceptions = interior;
    p.headerDates.clear();
    for (const int d : candidates) {
      if (!std::binary_search(interior.begin(), interior.end(), d)) p.headerDates.push_back(d);
    }
    return;
  }
}

int Count(const std::string& complement, std::string_view position) {
  const auto at = complement.find(position);
  if (at == std::string::npos || at + 4 > complement.size()) return 0;
  return std::atoi(complement.substr(at + 2, 2).c_str());
}

int Copies(const std::string& complement, Category category) {
  switch (category) {
    case Category::Captain:
      return Count(complement, "CA");
    case Category::FirstOfficer:
      return Count(complement, "FO");
    case Category::FlightAttendant:
      return Count(complement, "PU") + Count(complement, "FA");
  }
  return 0;
}

std::string SingleCopyComplement(Category category) {
  return category == Category::FlightAttendant ? "FA01" : "CA01FO01";
}

std::string ChooseComplement(Rng& rng, Category category, const Pairing& p, const Features& f) {
  int seats = 0;
  for (const Duty& d : p.duties) {
    for (const Leg& l : d.legs) seats = std::max(seats, l.seats);
  }
  if (category == Category::FlightAttendant) {
    if (f.lacksPosition) return "FA00";  // a ferry without cabin crew
    if (f.extraCrew || seats > 90) return "FA02PU01";
    return seats <= 50 ? "FA01" : "FA01PU01";
  }
  if (f.lacksPosition) return category == Category::Captain ? "FO01" : "CA01";
  if (f.extraCrew) return category == Category::Captain ? "CA02FO01" : "CA01FO02";
  switch (rng.Weighted({97, 2, 1})) {
    case 1:
      return "CA02FO01";
    case 2:
      return "CA01FO02";
    default:
      return "CA01FO01";
  }
}

const char* const kSurnames[] = {
    "TREMBLAY", "GAGNON",     "ROY",       "COTE",      "BOUCHARD",  "GAUTHIER",  "MORIN",
    "LAVOIE",   "FORTIN",     "GAGNE",     "OUELLET",   "PELLETIER", "BELANGER",  "LEVESQUE",
    "BERGERON", "LEBLANC",    "PAQUETTE",  "GIRARD",    "SIMARD",    "BOUCHER",   "CARON",
    "BEAULIEU", "CLOUTIER",   "DUBE",      "POIRIER",   "FOURNIER",  "LAPOINTE",  "LECLERC",
    "LEFEBVRE", "POULIN",     "THIBAULT",  "ST PIERRE", "NADEAU",    "MARTIN",    "LANDRY",
    "MARTEL",   "BEDARD",     "GRENIER",   "LESSARD",   "BERNIER",   "RICHARD",   "MICHAUD",
    "HEBERT",   "DESJARDINS", "SMITH",     "BROWN",     "WILSON",    "MACDONALD", "TAYLOR",
    "CAMPBELL", "ANDERSON",   "JONES",     "LEE",       "WHITE",     "THOMPSON",  "MURPHY",
    "YOUNG",    "CLARK",      "ROBERTSON", "WRIGHT",    "WALKER",    "MACLEAN",   "FRASER"};

std::vector<CrewMember> BuildCrew(Rng& rng, const World& w) {
  long long demand = 0;
  for (const Pairing& p : w.pairings) {
    if (!p.selected) continue;
    for (const int d : p.headerDates) {
      if (w.period.Contains(p.FirstDay(d))) demand += static_cast<long long>(p.credit) * p.copies;
    }
  }
  // About 75 credit hours a block, and a reserve of a seventh.
  const long long blocks = (demand * 8 / 7 + 4499) / 4500;
  const int count = static_cast<int>(std::clamp<long long>(blocks, 8, 999));
  const bool cabin = w.options.category == Category::FlightAttendant;
  std::vector<CrewMember> crew;
  std::vector<int> numbers;
  for (int i = 0; i < count; ++i) {
    CrewMember c;
    do {
      c.employeeNumber = rng.Uniform(100000, 999999);
    } while (std::find(numbers.begin(), numbers.end(), c.employeeNumber) != numbers.end());
    numbers.push_back(c.employeeNumber);
    c.surname = kSurnames[rng.Uniform(0, static_cast<int>(std::size(kSurnames)) - 1)];
    c.initial = static_cast<char>('A' + rng.Uniform(0, 25));
    struct Qualification {
      const char* code;
      int percent;
    };
    static const Qualification kPilot[] = {{"LA", 5}, {"LC", 10}, {"LB", 5}, {"ZT", 8}, {"AR", 4},
                                           {"MR", 3}, {"PT", 3},  {"PC", 3}, {"RB", 4}};
    static const Qualification kCabin[] = {{"FR", 60}, {"IT", 5}, {"RB", 4}};
    const std::vector<Qualification> kinds =
        cabin ? std::vector<Qualification>(std::begin(kCabin), std::end(kCabin))
              : std::vector<Qualification>(std::begin(kPilot), std::end(kPilot));
    std::string q;
    for (const Qualification& x : kinds) {
      // Codes stand apart so that no two of them read as a third ("LA" "RB").
      if (rng.Percent(x.percent) && q.size() + 3 <= 12) q += std::string(x.code) + " ";
    }
    q.resize(12, ' ');
    c.qualifications = q;
    crew.push_back(c);
  }
  return crew;
}

}  // namespace

World BuildWorld(const WorldOptions& options) {
  World w;
  w.options = options;
  w.base = FindBase(options.base);
  if (w.base == nullptr) {
    std::string known;
    for (const Base& b : Bases()) known += std::string(" ") + b.code;
    throw std::invalid_argument("unknown base " + options.base + "; known:" + known);
  }
  w.fleet = FleetFor(options.equipment);
  if (options.year < 1901 || options.year > 9998 || options.month < 1 || options.month > 12) {
    throw std::invalid_argument("month out of range");
  }
  if (options.pairings < 1 || options.pairings > kMaxPairings) {
    throw std::invalid_argument("pairings must be 1 to " + std::to_string(kMaxPairings));
  }
  w.period = DefaultPeriod(options.year, options.month);
  const Category category = options.category;
  const bool cabin = category == Category::FlightAttendant;

  Rng trips = Rng::Stream(options.seed, "trips");
  Rng choices = Rng::Stream(options.seed, "choices");

  // The base's other fleets: cabin documents take every fleet of the base,
  // pilot documents skip them.
  std::vector<Fleet> otherFleets;
  for (const char* code : w.base->fleets) {
    Fleet f = FleetFor(code);
    if (f.code == w.fleet.code || f.digit == w.fleet.digit || f.digit == w.fleet.altDigit) continue;
    otherFleets.push_back(f);
  }

  std::vector<Pairing> all;
  const std::vector<Features> scenarios = Scenarios();
  std::size_t scenario = 0;
  int copies = 0;
  while (copies < options.pairings) {
    const Features f = scenario < scenarios.size() ? scenarios[scenario++] : RandomFeatures(trips);
    Fleet fleet = w.fleet;
    if (cabin && !otherFleets.empty() && choices.Percent(25)) fleet = choices.Pick(otherFleets);
    const bool alt = fleet.altDigit != 'X' && choices.Percent(20);
    Pairing p;
    p.letter = w.Letter();
    p.digit = alt ? fleet.altDigit : fleet.digit;
    p.base = w.base->code;
    p.equipment = fleet.code;
    TripBuilder(trips, *w.base, fleet, w.period.first).Build(f, alt, p);
    MakePattern(choices, w.period, f, p);
    p.complement = ChooseComplement(choices, category, p, f);
    p.copies = Copies(p.complement, category);
    if (copies + p.copies > options.pairings) {
      p.complement = SingleCopyComplement(category);
      p.copies = 1;
    }
    p.selected = true;
    copies += p.copies;
    all.push_back(std::move(p));
  }

  // Pairings the document's import must skip: other bases, and for pilots the
  // base's other fleets.
  const int noise = std::max(4, options.pairings / 8);
  for (int i = 0; i < noise; ++i) {
    const Base* base = w.base;
    Fleet fleet;
    if (!cabin && !otherFleets.empty() && choices.Percent(35)) {
      fleet = choices.Pick(otherFleets);
    } else {
      do {
        base = &Bases()[static_cast<std::size_t>(
            choices.Uniform(0, static_cast<int>(Bases().size()) - 1))];
      } while (base == w.base);
      fleet = FleetFor(base->fleets[static_cast<std::size_t>(
          choices.Uniform(0, static_cast<int>(base->fleets.size()) - 1))]);
    }
    Features f = RandomFeatures(trips);
    f.lacksPosition = false;
    Pairing p;
    p.letter = base->letter;
    p.digit = fleet.digit;
    p.base = base->code;
    p.equipment = fleet.code;
    TripBuilder(trips, *base, fleet, w.period.first).Build(f, false, p);
    MakePattern(choices, w.period, f, p);
    p.complement = ChooseComplement(choices, category, p, f);
    all.push_back(std::move(p));
  }

  // Numbers: per letter and digit, in a random order with small gaps. Beyond
  // 999 pairings of one series the numbers start again in a second run of the
  // file, so that equal numbers never follow each other.
  Rng numbering = Rng::Stream(options.seed, "numbers");
  std::map<std::pair<char, char>, std::vector<std::size_t>> groups;
  for (std::size_t i = 0; i < all.size(); ++i) groups[{all[i].letter, all[i].digit}].push_back(i);
  std::vector<int> run(all.size(), 0);
  for (auto& [key, members] : groups) {
    numbering.Shuffle(members);
    const int first = (key.second - '0') * 1000;
    const int count = static_cast<int>(members.size());
    if (count <= 999) {
      const int maxGap = std::min(4, (999 - count) / count);
      int n = first;
      for (const std::size_t m : members) {
        n += 1 + numbering.Uniform(0, maxGap);
        all[m].number = n;
      }
    } else {
      for (int i = 0; i < count; ++i) {
        all[members[static_cast<std::size_t>(i)]].number = first + 1 + i % 999;
        run[members[static_cast<std::size_t>(i)]] = i / 999;
      }
    }
  }
  std::vector<std::size_t> order(all.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    return std::make_tuple(run[a], all[a].letter, all[a].number) <
           std::make_tuple(run[b], all[b].letter, all[b].number);
  });
  for (const std::size_t i : order) w.pairings.push_back(std::move(all[i]));

  Rng crew = Rng::Stream(options.seed, "crew");
  w.crew = BuildCrew(crew, w);
  return w;
}

}  // namespace lumora::samples
