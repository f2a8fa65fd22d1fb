#include "support/full_document.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

#include "model/time_text.h"
#include "platform/event_log.h"
#include "support/bench_random.h"

namespace lumora::bench {
namespace {

// A captains' month of a Montreal base. The pairing numbers spread over
// every equipment digit so that 3000 distinct numbers fit; an import would
// take only one equipment's, but nothing here is imported again.
constexpr std::string_view kBase = "YUL";
constexpr char kPairingLetter = 'M';
constexpr std::string_view kFileDescriptor = "YULCRJCAM";
constexpr std::string_view kComplement = "CA01FO01";
constexpr int kMonthDaysFilled = 31;

struct Airport {
  const char* code;
  const char* offset;     // from universal time, H:MM
  const char* transport;  // hotel transport, H:MM
  char dst;
  bool usa;
};

constexpr Airport kAirports[] = {
    {"YUL", "05:00", "00:30", 'Y', false}, {"YYZ", "05:00", "00:45", 'Y', false},
    {"YOW", "05:00", "00:25", 'Y', false}, {"YQB", "05:00", "00:20", 'Y', false},
    {"YHZ", "04:00", "00:35", 'Y', false}, {"YYT", "03:30", "00:20", 'Y', false},
    {"YVR", "08:00", "00:40", 'Y', false}, {"YYC", "07:00", "00:35", 'Y', false},
    {"YEG", "07:00", "00:45", 'Y', false}, {"YWG", "06:00", "00:25", 'Y', false},
    {"YQR", "06:00", "00:20", 'N', false}, {"YXE", "06:00", "00:20", 'N', false},
    {"YQM", "04:00", "00:20", 'Y', false}, {"YSJ", "04:00", "00:25", 'Y', false},
    {"YFC", "04:00", "00:20", 'Y', false}, {"YYG", "04:00", "00:15", 'Y', false},
    {"YDF", "03:30", "00:20", 'Y', false}, {"YQX", "03:30", "00:15", 'Y', false},
    {"YZV", "05:00", "00:15", 'Y', false}, {"YBG", "05:00", "00:20", 'Y', false},
    {"YGP", "05:00", "00:15", 'Y', false}, {"YQY", "04:00", "00:20", 'Y', false},
    {"YXU", "05:00", "00:20", 'Y', false}, {"YKF", "05:00", "00:25", 'Y', false},
    {"YTS", "05:00", "00:15", 'Y', false}, {"YAM", "05:00", "00:15", 'Y', false},
    {"YQT", "05:00", "00:20", 'Y', false}, {"YSB", "05:00", "00:20", 'Y', false},
    {"YGK", "05:00", "00:20", 'Y', false}, {"YQG", "05:00", "00:25", 'Y', false},
    {"YXY", "08:00", "00:15", 'Y', false}, {"YZF", "07:00", "00:15", 'Y', false},
    {"BOS", "05:00", "00:40", 'Y', true},  {"LGA", "05:00", "00:50", 'Y', true},
    {"EWR", "05:00", "00:50", 'Y', true},  {"JFK", "05:00", "01:00", 'Y', true},
    {"PHL", "05:00", "00:35", 'Y', true},  {"IAD", "05:00", "00:45", 'Y', true},
    {"DCA", "05:00", "00:30", 'Y', true},  {"BWI", "05:00", "00:35", 'Y', true},
    {"ORD", "06:00", "00:45", 'Y', true},  {"DTW", "05:00", "00:35", 'Y', true},
    {"CLE", "05:00", "00:30", 'Y', true},  {"PIT", "05:00", "00:30", 'Y', true},
    {"MSP", "06:00", "00:35", 'Y', true},  {"FLL", "05:00", "00:30", 'Y', true},
    {"MCO", "05:00", "00:35", 'Y', true},  {"TPA", "05:00", "00:30", 'Y', true},
    {"RDU", "05:00", "00:30", 'Y', true},  {"CLT", "05:00", "00:35", 'Y', true},
    {"ATL", "05:00", "00:40", 'Y', true},  {"PHX", "07:00", "00:30", 'N', true},
};

constexpr int Hm(int hours, int minutes) {
  return hours * 60 + minutes;
}

// The pilots' assignment codes with their usual values, and the two day
// request items (negative credit: the request code).
struct ToolboxRow {
  const char* code;
  const char* extract;
  const char* text;
  int credit;
  int start;
  int end;
  bool duty;
  bool cars;
  bool excluded;
  bool reserve;
};

constexpr ToolboxRow kToolbox[] = {
    {"4HS", "4H", "HEALTH AND SAFETY", Hm(4, 30), Hm(8, 0), Hm(16, 0), true, false, false, false},
    {"LM", "LM", "Lumora Day", Hm(4, 30), Hm(9, 0), Hm(17, 0), true, false, false, false},
    {"COB", "CB", "Company Business", Hm(4, 30), Hm(8, 0), Hm(16, 0), true, false, false, false},
    {"CPT", "CP", "Cockpit Pro. Trn", Hm(4, 0), Hm(8, 0), Hm(12, 0), true, true, false, false},
    {"CBT", "CT", "Computer Based Train", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, false, false},
    {"CIR", "CR", "Circuits Company Use", Hm(4, 0), Hm(9, 0), Hm(17, 0), true, true, false, false},
    {"CRI", "CI", "CRM Instructor", Hm(5, 18), Hm(8, 0), Hm(18, 0), true, true, false, false},
    {"CRM", "CM", "Crew Resource Mgmt", Hm(4, 0), Hm(10, 0), Hm(18, 0), true, true, false, false},
    {"DFD", "DD", "Duty Free Day", Hm(2, 0), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"FLS", "FS", "Flight Safety", Hm(5, 0), Hm(9, 0), Hm(17, 0), true, true, false, false},
    {"GO", "GO", "Guaranteed Day Off", 0, Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"GS", "GS", "Ground School", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, false, false},
    {"GSI", "GI", "GRS Instructor", Hm(5, 18), Hm(8, 0), Hm(18, 0), true, true, false, false},
    {"IDO", "I8", "CRM Inst on Day Off", Hm(5, 0), Hm(9, 0), Hm(17, 0), true, false, false, false},
    {"IPT", "IP", "Inst Procedures Trn", Hm(4, 0), Hm(8, 0), Hm(12, 0), true, true, false, false},
    {"ITR", "IT", "Initial Training", Hm(4, 0), Hm(9, 0), Hm(17, 0), true, true, false, false},
    {"LOA", "LA", "Leave of Absence", Hm(2, 50), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"MAT", "MT", "Maternity Leave", Hm(2, 50), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"MED", "MD", "Medical Leave", Hm(2, 50), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"MOV", "MV", "Moving Days", Hm(2, 50), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"OF", "OC", "Office Day", Hm(4, 30), Hm(8, 0), Hm(17, 0), true, true, false, false},
    {"RA", "RA", "Reserve A", 0, Hm(3, 0), Hm(17, 0), true, true, false, true},
    {"RB", "RB", "Reserve B", 0, Hm(12, 0), Hm(2, 0), true, true, false, true},
    {"RCK", "RK", "Check Pilot Reserve", 0, Hm(7, 0), Hm(19, 0), true, true, false, true},
    {"SDO", "SO", "DAY OFF IN STAT WK", 0, Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"SEC", "SC", "Security Train I/W", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, false, false},
    {"SEW", "SW", "Secur Train OutWin", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, true, false},
    {"SIM", "SM", "Simulator Day", Hm(4, 0), Hm(9, 0), Hm(15, 0), true, true, false, false},
    {"STA", "SA", "STAT", Hm(4, 0), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"STT", "ST", "STAT", Hm(4, 0), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"TRN", "TN", "TRAINING", Hm(4, 0), Hm(9, 0), Hm(17, 0), true, true, false, false},
    {"TVL", "TL", "Travel Day", Hm(4, 30), Hm(9, 0), Hm(17, 0), true, true, false, false},
    {"TVU", "TU", "Travel Day Unpaid", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"TVS", "TS", "Travel and Sim Day", Hm(4, 0), Hm(8, 0), Hm(16, 0), true, true, false, false},
    {"UTF", "UF", "Unable to Fly", 0, Hm(8, 0), Hm(16, 0), false, false, false, false},
    {"VAC", "VC", "Vacation", Hm(2, 50), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"VAU", "VU", "Vacation Unpaid", Hm(2, 50), Hm(12, 0), Hm(16, 0), false, false, false, false},
    {"SIW", "74", "Simulator Day OutWin", Hm(4, 0), Hm(9, 0), Hm(15, 0), true, true, true, false},
    {"CRW", "CW", "Crew Rsc Mgmt OutWin", Hm(4, 0), Hm(10, 0), Hm(18, 0), true, true, true, false},
    {"GRW", "GW", "Ground School OutWin", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, true, false},
    {"LCK", "LC", "Line Check Day", Hm(5, 18), Hm(7, 0), Hm(19, 0), false, false, false, false},
    {"SMI", "SI", "Simulator Inst Day", Hm(5, 18), Hm(9, 0), Hm(15, 0), true, true, false, false},
    {"VTP", "VT", "Check Pilot Vac Day", Hm(5, 18), Hm(12, 0), Hm(16, 0), false, false, false,
     false},
    {"WCB", "64", "WORKERS COMPENSATION", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"LTD", "LD", "Long Term Disability", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"PSD", "PD", "Preplanned STD", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"IPW", "IW", "Inst ProcTrng OutWin", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, true, false},
    {"CPW", "68", "Ckpit ProcTrn OutWin", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, true, false},
    {"CBW", "BW", "Comp BsdTrn OutWin", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, true, false},
    {"TVW", "TW", "Travl Sim Day OutWin", Hm(4, 0), Hm(8, 0), Hm(17, 0), true, true, true, false},
    {"SCK", "54", "SICK", Hm(4, 0), 0, 0, false, false, false, false},
    {"LCP", "59", "Line Check Pending", 0, Hm(1, 0), Hm(2, 0), false, false, false, false},
    {"LPC", "LC", "CONDUCTING LINE CK", 0, 0, 0, true, true, false, false},
    {"GDV", "GV", "G-Day w/Vacation", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"DDT", "49", "Double Training Duty", Hm(4, 30), 0, 0, false, false, false, false},
    {"RSF", "67", "Reserve Call First", 0, Hm(12, 0), Hm(12, 1), true, true, false, true},
    {"OWP", "52", "OFF WITH PAY", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"ONP", "OP", "OFF NO PAY", 0, Hm(12, 0), Hm(12, 1), false, false, false, false},
    {"GDO", "--", "Guaranteed Day Off Request", -13, 0, 0, false, false, false, false},
    {"PDO", "--", "Preferred Day Off Request", -14, 0, 0, false, false, false, false},
};
static_assert(std::size(kToolbox) == kFullToolboxItems);

const ToolboxRow& Row(std::string_view code) {
  for (const ToolboxRow& row : kToolbox)
    if (code == row.code) return row;
  std::fprintf(stderr, "full document: no toolbox row %.*s\n", static_cast<int>(code.size()),
               code.data());
  std::abort();
}

constexpr const char* kSurnames[] = {
    "SMITH",    "TREMBLAY", "GAGNON",     "ROY",      "COTE",      "BOUCHARD",  "GAUTHIER",
    "MORIN",    "LAVOIE",   "FORTIN",     "GAGNE",    "OUELLET",   "PELLETIER", "BELANGER",
    "LEVESQUE", "BERGERON", "LEBLANC",    "PAQUETTE", "GIRARD",    "SIMARD",    "BOUCHER",
    "CARON",    "BEAULIEU", "CLOUTIER",   "DUBE",     "POIRIER",   "FOURNIER",  "LAPOINTE",
    "LECLERC",  "LEFEBVRE", "POULIN",     "THIBAULT", "ST PIERRE", "NADEAU",    "MARTIN",
    "LANDRY",   "MARTEL",   "BEDARD",     "GRENIER",  "LESSARD",   "BERNIER",   "RICHARD",
    "MICHAUD",  "HEBERT",   "DESJARDINS", "COUTURE",  "TURCOTTE",  "LACHANCE",  "PARENT",
    "BLAIS",    "GOSSELIN", "SAVARD",     "PROULX",   "BEAUDOIN",  "DEMERS",    "PERREAULT",
    "BROWN",    "WILSON",   "MACDONALD",  "TAYLOR",   "CAMPBELL",  "ANDERSON",  "JONES",
    "LEE",      "WHITE",    "THOMPSON",   "WALKER",   "ROBINSON",  "MURPHY",    "SCOTT",
    "CLARK",    "YOUNG",    "KING",       "WRIGHT",   "MITCHELL",  "STEWART",   "ROSS",
    "HILL",     "MORRISON", "REID",       "FRASER",   "GRAHAM",    "HAMILTON",  "JOHNSTON",
    "MACLEOD",  "KELLY",    "WOOD",       "BAKER",    "EVANS",     "HALL",      "COLLINS",
    "BELL",     "PATEL",    "SINGH",      "NGUYEN",   "CHEN",      "WONG",      "OCONNOR",
};

constexpr const char* kHotels[] = {
    "HTL DELTA HOTELS DOWNTOWN", "HTL MARRIOTT AIRPORT",    "HTL HILTON GARDEN INN",
    "HTL SHERATON CENTRE",       "HTL HOLIDAY INN EXPRESS", "HTL FAIRMONT",
    "HTL ALT HOTEL AIRPORT",     "HTL COURTYARD AIRPORT",   "HTL HAMPTON INN",
    "HTL BEST WESTERN PLUS",
};

constexpr const char* kWeekdayNames[] = {"MON ", "TUE ", "WED ", "THU ", "FRI ", "SAT ", "SUN "};

std::string Printf(const char* format, int value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

std::string Hhmm(int minutes) {
  return FormatTime(minutes, false, true);
}  // "07:30"
std::string HMm(int minutes) {
  return FormatTime(minutes, true, true);
}  // " 7:30"

// A fixed-column record line, blank where nothing is written.
class ColumnLine {
 public:
  explicit ColumnLine(std::size_t width) : text_(width, ' ') {}
  void put(std::size_t position, std::string_view value) {
    if (position + value.size() > text_.size()) {
      std::fprintf(stderr, "full document: field at %zu does not fit the line\n", position);
      std::abort();
    }
    text_.replace(position, value.size(), value);
  }
  void number(std::size_t position, int width, int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    put(position, buffer);
  }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

std::string DateText(DayNumber day) {  // YYYYMMDD
  const CivilDate date = FromDayNumber(day);
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%04d%02d%02d", date.year, date.month, date.day);
  return buffer;
}

DayNumber DateOfMonthDay(const TCalendar& cal, int d) {
  const auto& entry = cal.MonthDays[static_cast<std::size_t>(d)];
  return ToDayNumber({entry[0], entry[1], entry[2]});
}

std::string_view RandomStation(BenchRandom& rng, std::string_view except, bool allowBase) {
  for (;;) {
    const std::string_view code = rng.pick(kAirports).code;
    if (code != except && (allowBase || code != kBase)) return code;
  }
}

bool IsUsaStation(std::string_view code) {
  for (const Airport& airport : kAirports)
    if (code == airport.code) return airport.usa;
  return false;
}

// --- pairings

struct LegPlan {
  int flight = 0;
  std::string from;
  std::string to;
  int departure = 0;
  int arrival = 0;
  int block = 0;
  bool deadhead = false;
  bool cra = false;  // flown with the other aircraft type
};

struct DutyPlan {
  int report = 0;
  int end = 0;
  int hard = 0;
  int credit = 0;
  int rest = 0;  // until the next day's report; 0 after the last
  std::vector<LegPlan> legs;
  std::string remark;  // 40 characters; blank after the last duty
  int duty() const { return end - report; }
};

struct TripPlan {
  int number = 0;
  std::vector<DutyPlan> days;
  std::vector<int> startDays;  // month day indexes, ascending
};

DutyPlan PlanDuty(BenchRandom& rng, std::string_view from, int day, int length, int previousEnd) {
  const bool lastDay = day == length - 1;
  // The legs run through the base: out to a station and back. A day that
  // ends at a layover needs an odd count from the base, the last day an even
  // one (and the other way round from a layover station).
  const bool fromBase = from == kBase;
  const auto endsAtBase = [&](int legs) { return fromBase == (legs % 2 == 0); };
  int legCount = static_cast<int>(rng.weighted({20, 45, 28, 7})) + 1;
  if (endsAtBase(legCount) != lastDay) legCount += legCount < 4 ? 1 : -1;

  std::vector<int> blocks;
  std::vector<int> grounds;
  int report = 0;
  for (;;) {
    blocks.clear();
    grounds.clear();
    int duty = 60 + 15;
    for (int k = 0; k < legCount; ++k) {
      blocks.push_back(rng.between(40, 130));
      duty += blocks.back();
      if (k + 1 < legCount) {
        grounds.push_back(rng.between(35, 75));
        duty += grounds.back();
      }
    }
    // At least ten hours of rest since the previous release, a report after
    // 05:00 and a release before 23:45 keep every duty inside its day.
    const int lowest = day == 0 ? 300 : std::max(300, previousEnd - 840);
    const int highest = 1425 - duty;
    if (lowest <= highest) {
      report = rng.between(lowest, highest);
      break;
    }
    // Two legs fewer keep where the day ends; two always fit.
    legCount -= 2;
  }

  DutyPlan plan;
  plan.report = report;
  std::string at(from);
  int t = report + 60;
  int deadheadBlock = 0;
  for (int k = 0; k < legCount; ++k) {
    LegPlan leg;
    leg.flight = rng.between(300, 8999);
    leg.from = at;
    const bool lastLeg = k == legCount - 1;
    leg.to = at == kBase ? std::string(RandomStation(rng, kBase, false)) : std::string(kBase);
    leg.block = blocks[static_cast<std::size_t>(k)];
    leg.departure = t;
    leg.arrival = t + leg.block;
    leg.deadhead = rng.percent(5);
    leg.cra = rng.percent(30);
    if (leg.deadhead)
      deadheadBlock += leg.block;
    else
      plan.hard += leg.block;
    if (!lastLeg) t = leg.arrival + grounds[static_cast<std::size_t>(k)];
    at = leg.to;
    plan.legs.push_back(std::move(leg));
  }
  plan.end = plan.legs.back().arrival + 15;
  plan.credit = std::max(plan.hard + deadheadBlock / 2, 240);
  if (!lastDay) {
    char remark[48];
    std::snprintf(remark, sizeof remark, "%-26s 514-555-%04d", rng.pick(kHotels),
                  rng.between(0, 9999));
    plan.remark = remark;
    plan.remark.resize(40, ' ');
  } else {
    plan.remark.assign(40, ' ');
  }
  return plan;
}

TripPlan PlanTrip(BenchRandom& rng, int number, std::vector<int>& dayPool) {
  TripPlan trip;
  trip.number = number;
  const int length = static_cast<int>(rng.weighted({30, 30, 25, 15})) + 1;
  std::string at(kBase);
  int previousEnd = 0;
  for (int j = 0; j < length; ++j) {
    trip.days.push_back(PlanDuty(rng, at, j, length, previousEnd));
    previousEnd = trip.days.back().end;
    at = trip.days.back().legs.back().to;
  }
  for (std::size_t j = 0; j + 1 < trip.days.size(); ++j)
    trip.days[j].rest = trip.days[j + 1].report + kMinutesPerDay - trip.days[j].end;

  // Distinct start days: the head of a partial shuffle of the month's days.
  const int starts = static_cast<int>(rng.weighted({6, 8, 10, 12, 12, 12, 10, 9, 8, 6, 4, 3})) + 1;
  for (int i = 0; i < starts; ++i) {
    const auto j =
        static_cast<std::size_t>(i) +
        rng.below(static_cast<std::uint32_t>(dayPool.size() - static_cast<std::size_t>(i)));
    std::swap(dayPool[static_cast<std::size_t>(i)], dayPool[j]);
    trip.startDays.push_back(dayPool[static_cast<std::size_t>(i)]);
  }
  std::sort(trip.startDays.begin(), trip.startDays.end());
  return trip;
}

struct TripTexts {
  std::string pairingText;
  std::string displayText;
  std::string layoverText;
};

// The pairing's PRG lines and the texts the import and the scans build from them.
TripTexts WriteTrip(BenchRandom& rng, const TDocument& doc, const TPair& pair,
                    const TripPlan& trip) {
  const TCalendar& cal = doc.cal;
  const int length = static_cast<int>(trip.days.size());
  const DayNumber firstDate = DateOfMonthDay(cal, trip.startDays.front());
  const DayNumber lastDate = DateOfMonthDay(cal, trip.startDays.back());
  const std::string firstDateText = DateText(firstDate);
  const std::string key = std::string(1, kPairingLetter) + Printf("%04d", trip.number);

  // Weekdays Monday to Sunday on which it starts, and the dates in the
  // operating period on such a weekday on which it does not.
  std::array<bool, 7> operates{};
  std::set<DayNumber> startDates;
  for (int d : trip.startDays) {
    const DayNumber date = DateOfMonthDay(cal, d);
    startDates.insert(date);
    operates[static_cast<std::size_t>((WeekdayOf(date) + 6) % 7)] = true;
  }
  std::vector<CivilDate> exceptions;
  for (DayNumber date = firstDate; date <= lastDate && exceptions.size() < 4; ++date) {
    if (operates[static_cast<std::size_t>((WeekdayOf(date) + 6) % 7)] && !startDates.count(date))
      exceptions.push_back(FromDayNumber(date));
  }
  const CivilDate first = FromDayNumber(firstDate);
  const CivilDate last = FromDayNumber(lastDate);

  TripTexts texts;
  std::string& source = texts.pairingText;
  std::string& display = texts.displayText;

  // Header record.
  ColumnLine header(303);
  header.put(0, "1");
  header.put(1, key);
  header.put(7, "CRJ");
  header.number(19, 2, first.month);
  header.number(21, 2, first.day);
  header.number(27, 2, last.month);
  header.number(29, 2, last.day);
  for (std::size_t w = 0; w < 7; ++w) header.put(31 + w, operates[w] ? "Y" : "N");
  for (std::size_t e = 0; e < 4; ++e) {
    const int value = e < exceptions.size() ? exceptions[e].month * 100 + exceptions[e].day : 0;
    header.number(38 + 4 * e, 4, value);
  }
  header.number(70, 4, first.year);
  header.number(74, 2, first.month);
  header.number(76, 2, first.day);
  header.number(78, 4, pair.OnTime);
  header.number(107, 5, pair.TAFB);
  header.put(112, "N");
  header.put(113, kComplement);
  header.number(145, 4, pair.MinRestAfter);
  for (std::size_t k = 0; k < 6; ++k) header.number(150 + 4 * k, 4, pair.DailyHardTime[k]);
  header.number(299, 4, pair.Credit);
  source += header.text();
  source += '\n';

  display += "    " + key + "   BSE REPT:" + Hhmm(pair.OnTime) + "L   OPERATES - " +
             MonthAbbrev(first.month) + "." + std::to_string(first.day) + "-" +
             MonthAbbrev(last.month) + "." + std::to_string(last.day) + " ";
  int balance = 0;
  for (bool on : operates) balance += on ? 1 : -1;
  if (balance > 0) display += "EXCEPT ";
  for (std::size_t w = 0; w < 7; ++w)
    if (operates[w] == (balance <= 0)) display += kWeekdayNames[w];
  display.back() = '\n';
  display += "    ";
  display += std::string(kComplement) + std::string(32 - kComplement.size(), ' ');
  for (std::size_t e = 0; e < exceptions.size(); ++e) {
    if (e == 0) display += "EXCEPT ";
    display += MonthAbbrev(exceptions[e].month) + "." + Printf("%02d", exceptions[e].day) + " ";
  }
  display += " \n \n";

  int blockTotal = 0;
  int dutyTotal = 0;
  int legCount = 0;
  int craLegs = 0;
  bool usa = false;
  for (int j = 0; j < length; ++j) {
    const DutyPlan& duty = trip.days[static_cast<std::size_t>(j)];
    const std::string dateText = DateText(firstDate + j);
    const std::string dayLabel = "  " + std::to_string(j + 1);
    for (const LegPlan& leg : duty.legs) {
      ColumnLine line(96);
      line.put(0, "2");
      line.put(1, key);
      line.put(7, firstDateText);
      line.number(15, 4, leg.flight);
      line.put(20, "CR9");
      line.put(28, leg.from);
      line.put(31, dateText);
      line.number(39, 4, leg.departure);
      line.put(43, leg.to);
      line.put(46, dateText);
      line.number(54, 4, leg.arrival);
      if (leg.deadhead) line.put(61, "D");
      line.number(64, 4, leg.block);
      line.put(70, "C-G");
      for (std::size_t c = 0; c < 3; ++c)
        line.put(73 + c, std::string(1, static_cast<char>('A' + rng.below(26))));
      line.put(78, leg.cra ? "CRA" : "CRJ");
      line.number(82, 3, leg.cra ? 50 : 76);
      line.put(86, rng.percent(50) ? "Y" : "N");
      line.number(88, 8, rng.between(0, 99999999));
      source += line.text();
      source += '\n';

      std::string flight = Printf("%04d", leg.flight);
      if (flight[0] == '0') flight[0] = ' ';
      display += dayLabel + (leg.deadhead ? "  DH" : "    ") + flight + "   " + leg.from + "-" +
                 leg.to + "   " + Hhmm(leg.departure) + " " + Hhmm(leg.arrival) + "  " +
                 HMm(leg.block) + (leg.cra ? "  CRA" : "  CRJ") + "\n";
      ++legCount;
      if (leg.cra) ++craLegs;
      if (IsUsaStation(leg.from)) usa = true;
    }
    blockTotal += duty.hard;
    dutyTotal += duty.duty();

    const bool layover = j + 1 < length;
    const std::string& station = duty.legs.back().to;
    ColumnLine line(134);
    line.put(0, "3");
    line.put(1, key);
    line.put(7, firstDateText);
    line.put(22, dateText);
    line.number(30, 4, duty.report);
    line.put(34, duty.legs.front().from);
    line.number(38, 4, duty.legs.front().departure);
    line.number(42, 4, duty.end);
    line.number(47, 4, duty.duty());
    line.number(51, 5, duty.rest);
    line.put(56, station);
    line.put(59, duty.remark);
    line.number(100, 2, static_cast<int>(duty.legs.size()));
    line.number(114, 4, duty.hard);
    line.number(118, 4, duty.legs.back().arrival - duty.legs.front().departure);
    line.number(122, 4, duty.duty() - 15);
    line.number(126, 4, duty.credit);
    line.number(130, 4, duty.hard + 30);
    source += line.text();
    source += '\n';

    display.back() = ' ';
    display += HMm(duty.hard) + "  " + HMm(duty.hard + 30) + "  " + HMm(duty.duty() - 15) + "  " +
               HMm(duty.duty()) + "  ";
    if (layover) {
      display += station + " " + HMm(duty.rest) + " ";
      display.back() = '\n';
      display += "    REPT: " + Hhmm(duty.report) + " D-END: " + Hhmm(duty.end) + " " + duty.remark;
      texts.layoverText += station;
    } else {
      display.back() = '\n';
      display += "    REPT: " + Hhmm(duty.report) + " D-END: " + Hhmm(duty.end) + " ";
      display.back() = '\n';
      display += "   TOTALS  TAFB " + Hhmm(pair.TAFB) + "   BLOCK " + HMm(blockTotal) +
                 "   CREDIT " + HMm(pair.Credit) + "   FAT UNITS: " + HMm(pair.FatUnits) +
                 "   DUTY: " + HMm(dutyTotal) + "  ";
    }
    display.back() = '\n';
  }

  if (usa) display += "   USA SEGMENT ";
  const int share = legCount == 0 ? 0 : craLegs * 100 / legCount;
  if (share > 99)
    display += " *** CRA100% CRA>74% CRA>49% CRA>24% CRA>0% *** ";
  else if (share > 74)
    display += " *** CRA>74% CRA>49% CRA>24% CRA>0% *** ";
  else if (share > 49)
    display += " *** CRA>49% CRA>24% CRA>0% *** ";
  else if (share > 24)
    display += " *** CRA>24% CRA>0% *** ";
  else if (share > 0)
    display += " *** CRA>0% *** ";
  else
    display += " *** CRA=0% *** ";
  if (rng.percent(40)) {
    display += "\n   MEALS US: " + std::to_string(rng.between(1, 3)) + " SNACK " +
               std::to_string(rng.between(0, 2)) + " HOT MEAL PURCHASE ON BOARD";
  }
  return texts;
}

void FillPairing(TPair& pair, const TripPlan& trip, BenchRandom& rng) {
  pair.Clear();
  const int length = static_cast<int>(trip.days.size());
  pair.Number = trip.number;
  pair.Prefix = std::string(1, kPairingLetter) + std::to_string(trip.number / 1000);
  pair.CrewPosition = "CA";
  pair.Length = static_cast<std::int8_t>(length);
  pair.OnTime = trip.days.front().report;
  pair.OffTime = trip.days.back().end;
  pair.TAFB = (length - 1) * kMinutesPerDay + pair.OffTime - pair.OnTime;
  pair.MinRestAfter = rng.percent(85) ? 660 : 780;
  int legs = 0;
  for (int j = 0; j < length; ++j) {
    const DutyPlan& duty = trip.days[static_cast<std::size_t>(j)];
    const auto i = static_cast<std::size_t>(j);
    pair.DailyStartTime[i] = duty.report;
    pair.DailyDutyTime[i] = duty.duty();
    pair.DailyHardTime[i] = duty.hard;
    pair.DailyCredit[i] = duty.credit;
    pair.Credit += duty.credit;
    pair.FatUnits += duty.duty();
    legs += static_cast<int>(duty.legs.size());
  }
  pair.FatUnits += 60 * legs;
  for (int d : trip.startDays) {
    const auto i = static_cast<std::size_t>(d);
    pair.DayStatus[i] = kOpenInstance;
    if (rng.percent(3)) pair.DayExcludeCredit[i] = std::min(pair.Credit, rng.between(60, 180));
    if (rng.percent(3)) pair.DayPairingType[i] = rng.between(1, 3);
  }
  pair.ReservedDate = ToDayNumber({12, 6, kFullYear});
}

// The route summary of the import's second pass: every leg of every
// operating date, by route and pairing prefix.
std::string SegmentSummaryOf(const std::vector<TripPlan>& trips) {
  constexpr std::size_t kMaxRoutes = 500;
  constexpr std::size_t kMaxKeys = 20;
  std::vector<std::string> routes;
  std::vector<std::string> keys;
  std::map<std::string, std::size_t> routeIndex;
  std::map<std::pair<std::size_t, std::size_t>, int> minutes;
  // False at the leg that would need a route or a key beyond the limits: the
  // pass stops there.
  const auto add = [&](const std::string& key, const LegPlan& leg, int dates) {
    auto keyAt = std::find(keys.begin(), keys.end(), key);
    if (keyAt == keys.end()) {
      if (keys.size() == kMaxKeys) return false;
      keyAt = keys.insert(keys.end(), key);
    }
    const std::string route = leg.from + "-" + leg.to;
    auto found = routeIndex.find(route);
    if (found == routeIndex.end()) {
      if (routes.size() == kMaxRoutes) return false;
      found = routeIndex.emplace(route, routes.size()).first;
      routes.push_back(route);
    }
    minutes[{found->second, static_cast<std::size_t>(keyAt - keys.begin())}] += leg.block * dates;
    return true;
  };
  bool going = true;
  for (auto trip = trips.begin(); going && trip != trips.end(); ++trip) {
    const std::string key = std::string(1, kPairingLetter) + std::to_string(trip->number / 1000);
    const int dates = static_cast<int>(trip->startDays.size());
    for (auto duty = trip->days.begin(); going && duty != trip->days.end(); ++duty)
      for (auto leg = duty->legs.begin(); going && leg != duty->legs.end(); ++leg)
        going = add(key, *leg, dates);
  }
  std::string text(8, ' ');
  char cell[64];
  for (const std::string& key : keys) {
    std::snprintf(cell, sizeof cell, " ----- %2s ----- ", key.c_str());
    text += cell;
  }
  text += '\n';
  for (std::size_t r = 0; r < routes.size(); ++r) {
    text += routes[r];
    for (std::size_t k = 0; k < keys.size(); ++k) {
      const auto found = minutes.find({r, k});
      if (found == minutes.end() || found->second == 0) {
        text += std::string(16, ' ');
      } else {
        std::snprintf(cell, sizeof cell, " %8s  DH%3d", Hhmm(found->second).c_str(), 0);
        text += cell;
      }
    }
    text += '\n';
  }
  return text;
}

// --- crew members

void PlaceCode(TPilot& pilot, int d, const ToolboxRow& row) {
  const auto i = static_cast<std::size_t>(d);
  pilot.DayCell[i] = kOtherAssignmentCell;
  pilot.DayCode[i] = row.code;
  pilot.DayCrewTracCode[i] = row.extract;
  int atWork = row.end - row.start;
  if (atWork < 0) atWork += kMinutesPerDay;
  DayRecord& other = pilot.DayOther[i];
  other = {};
  other[kOtherStartTime] = row.start;
  other[kOtherHoursAtWork] = atWork;
  other[kOtherCredit] = std::max(row.credit, 0);
  other[kOtherReserve] = row.reserve ? 1 : 0;
  other[kOtherContainsDuty] = row.duty ? 1 : 0;
  other[kOtherExcludeCredit] = row.excluded ? 1 : 0;
  other[kOtherCarsDuty] = row.cars ? 1 : 0;
}

enum class Line { Holder, Reserve, Leave };

std::string BidTextFor(BenchRandom& rng, const TDocument& doc) {
  std::string text;
  int item = 1;
  const auto next = [&](const std::string& line) {
    text += std::to_string(item++) + ". " + line + "\n";
  };
  const auto pairings = [&](std::string line, int count) {
    for (; count > 0; --count)
      line += " " + Printf("%04d", doc.Pairs[rng.below(kFullPairings)].Number);
    next(line);
  };
  pairings("PAIRINGS", rng.between(4, 12));
  pairings("ALTERNATES", rng.between(2, 8));
  std::string off = "DAYS OFF";
  for (int i = rng.between(4, 10); i > 0; --i) off += " " + Printf("%02d", rng.between(1, 31));
  next(off);
  next("AVOID " + std::string(RandomStation(rng, kBase, false)) + " " +
       std::string(RandomStation(rng, kBase, false)) + " LAYOVERS");
  if (rng.percent(60)) next("NO REPORT BEFORE " + Hhmm(rng.between(300, 480)));
  if (rng.percent(50)) next("MAX " + std::to_string(rng.between(3, 4)) + " DAY PAIRINGS");
  if (rng.percent(40)) next("WEEKENDS OFF IF POSSIBLE");
  if (rng.percent(30))
    next("PREFER " + std::string(RandomStation(rng, kBase, false)) + " OVERNIGHTS");
  text += "HISTORY: JUN " + HMm(rng.between(4200, 5000)) + " MAY " + HMm(rng.between(4200, 5000)) +
          " APR " + HMm(rng.between(4200, 5000)) + "\n";
  char submitted[64];
  std::snprintf(submitted, sizeof submitted, "SUBMITTED 2026-06-%02d %02d:%02d:%02d",
                rng.between(1, 14), rng.between(0, 23), rng.between(0, 59), rng.between(0, 59));
  text += submitted;
  return text;
}

std::string NotesFor(BenchRandom& rng) {
  static constexpr const char* kPieces[] = {
      "Called re vacation swap, wants to trade the 14th.",
      "Medical renewal due end of month.",
      "Sim booked, confirm with training.",
      "Prefers not to fly with the same FO twice in a row.",
      "Check pilot for line indoc this month.",
      "Asked for YVR overnights if any are open.",
      "Union business pending approval.",
      "Moving house mid month, keep the 20th free if possible.",
  };
  std::string notes;
  for (int i = rng.between(1, 4); i > 0; --i) {
    if (!notes.empty()) notes += ' ';
    notes += rng.pick(kPieces);
  }
  return notes;
}

// The 31 days before the month: pairings, days off, reserve and training,
// with the legal check-in time and the hard-time history they give.
void FillLastMonth(TPilot& pilot, Line line, const TDocument& doc, BenchRandom& rng) {
  const auto code = [&](int k, const ToolboxRow& row) {
    const auto i = static_cast<std::size_t>(k);
    DayRecord& day = pilot.Activity[i];
    int atWork = row.end - row.start;
    if (atWork < 0) atWork += kMinutesPerDay;
    day[kActDutyStart] = row.start;
    day[kActDutyStartHomeBase] = row.start;
    day[kActTimeOnDuty] = atWork;
    day[kActCredit] = std::max(row.credit, 0);
    day[kActWorkedState] = row.reserve ? 2 : (row.duty ? 1 : 0);
    day[kActCarsDuty] = row.cars ? 1 : 0;
    pilot.ActivityText[i] = row.code;
  };

  int legal = 0;
  int k = 0;
  while (k < kPrevDays) {
    if (line == Line::Leave) {
      code(k++, Row("LOA"));
      continue;
    }
    if (line == Line::Reserve) {
      const ToolboxRow& reserve = Row(rng.percent(50) ? "RA" : "RB");
      for (int n = rng.between(3, 5); n > 0 && k < kPrevDays; --n) code(k++, reserve);
      for (int n = rng.between(2, 3); n > 0 && k < kPrevDays; --n) code(k++, Row("GO"));
      continue;
    }
    const std::size_t roll = rng.weighted({50, 35, 10});
    if (roll == 0) {
      const TPair& pair = doc.Pairs[rng.below(kFullPairings)];
      const int length = pair.Length;
      if (k + length - 1 < kPrevDays - 1) {
        pilot.ActivityText[static_cast<std::size_t>(k)] =
            std::string(1, kPairingLetter) + Printf("%04d", pair.Number);
        pilot.Activity[static_cast<std::size_t>(k)][kActPairingStart] = pair.OnTime;
        pilot.Activity[static_cast<std::size_t>(k)][kActPairingTafb] = pair.TAFB;
        for (int j = 0; j < length; ++j) {
          const auto i = static_cast<std::size_t>(k + j);
          const auto p = static_cast<std::size_t>(j);
          DayRecord& day = pilot.Activity[i];
          day[kActDutyStart] = pair.DailyStartTime[p];
          day[kActDutyStartHomeBase] = pair.DailyStartTime[p];
          day[kActTimeOnDuty] = pair.DailyDutyTime[p];
          day[kActCredit] = pair.DailyCredit[p];
          day[kActDailyHardTime] = pair.DailyHardTime[p];
          day[kActWorkedState] = 1;
          day[kActCarsDuty] = 1;
          if (j > 0) pilot.ActivityText[i] = pair.LayoverText.substr(3 * (p - 1), 3);
        }
        // Release plus the rest owed, in minutes from the month's start.
        const int release = (k - kPrevDays) * kMinutesPerDay + pair.OnTime + pair.TAFB;
        legal = std::max(legal, release + pair.MinRestAfter);
        k += length;
      }
      code(k++, Row(rng.percent(85) ? "GO" : "SDO"));
    } else if (roll == 1) {
      code(k++, Row("GO"));
    } else {
      static constexpr const char* kTraining[] = {"SIM", "GS", "CRM", "TRN", "OF", "CBT"};
      code(k++, Row(rng.pick(kTraining)));
    }
  }
  const DayRecord& lastDay = pilot.Activity[kPrevDays - 1];
  if (lastDay[kActWorkedState] == 2) {
    legal = std::max(legal, lastDay[kActDutyStart] - 61);
  } else if (lastDay[kActWorkedState] == 1 && lastDay[kActPairingStart] == 0) {
    legal = std::max(legal, lastDay[kActDutyStart] + lastDay[kActTimeOnDuty] - 720 - 60);
  }
  pilot.LegalCheckIn() = std::max(legal, 0);

  std::string history;
  for (int i = 0; i < kLast89Days; ++i) {
    int minutes = 0;
    if (i >= kLast89Days - kPrevDays)
      minutes =
          pilot
              .Activity[static_cast<std::size_t>(i - (kLast89Days - kPrevDays))][kActDailyHardTime];
    else if (!rng.percent(40))
      minutes = rng.between(60, 420);
    history += Printf("%04d", minutes);
  }
  pilot.Last89HardTimeText = std::move(history);
}

struct Assignment {
  int crew;
  int day;
  int pairing;
};

void FillCrew(TDocument& doc, BenchRandom& rng, std::vector<Assignment>& assignments) {
  // The open instances that start on each day of the month.
  std::array<std::vector<int>, kMonthDaysFilled> open;
  for (int p = 0; p < kFullPairings; ++p)
    for (int d = 0; d < kMonthDaysFilled; ++d)
      if (doc.Pairs[p].DayStatus[static_cast<std::size_t>(d)] == kOpenInstance)
        open[static_cast<std::size_t>(d)].push_back(p);

  static constexpr const char* kOffCodes[] = {"GO", "GO", "GO", "GO", "GO", "GO", "SDO", "DFD"};
  static constexpr const char* kTraining[] = {"SIM", "GS", "CRM", "TRN", "CBT",
                                              "SEC", "OF", "LCK", "TVL", "COB"};
  static constexpr const char* kLeave[] = {"LOA", "MED", "LTD", "MAT", "PSD", "WCB"};
  static constexpr const char* kReserve[] = {"RA", "RB", "RSF"};

  int employee = 100000;
  for (int c = 0; c < kFullCrew; ++c) {
    TPilot& pilot = doc.Pilots[c];
    pilot.Name = std::string(1, static_cast<char>('A' + rng.below(26))) + " " + rng.pick(kSurnames);
    employee += rng.between(3, 60);
    pilot.EmpNumber = employee;

    const std::size_t kind = rng.weighted({88, 10, 2});
    const Line line = kind == 0 ? Line::Holder : kind == 1 ? Line::Reserve : Line::Leave;
    pilot.BidReserve = line == Line::Reserve ? 1 : 0;
    std::vector<int> offDays;

    if (line == Line::Leave) {
      const ToolboxRow& leave = Row(rng.pick(kLeave));
      for (int d = 0; d < kMonthDaysFilled; ++d) PlaceCode(pilot, d, leave);
    } else if (line == Line::Reserve) {
      int d = 0;
      while (d < kMonthDaysFilled) {
        const ToolboxRow& reserve = Row(rng.pick(kReserve));
        for (int n = rng.between(3, 6); n > 0 && d < kMonthDaysFilled; --n)
          PlaceCode(pilot, d++, reserve);
        for (int n = rng.between(2, 3); n > 0 && d < kMonthDaysFilled; --n) {
          offDays.push_back(d);
          PlaceCode(pilot, d++, Row("GO"));
        }
      }
    } else {
      int vacation = rng.percent(15) ? rng.between(0, 24) : -1;
      bool rest = rng.percent(40);
      int d = 0;
      while (d < kMonthDaysFilled) {
        if (vacation >= 0 && d >= vacation) {
          for (int n = 0; n < 7 && d < kMonthDaysFilled; ++n) PlaceCode(pilot, d++, Row("VAC"));
          vacation = -1;
          rest = false;
        } else if (rest) {
          for (int n = rng.between(1, 3); n > 0 && d < kMonthDaysFilled; --n) {
            offDays.push_back(d);
            PlaceCode(pilot, d++, Row(rng.pick(kOffCodes)));
          }
          rest = false;
        } else if (rng.percent(7)) {
          PlaceCode(pilot, d++, Row(rng.pick(kTraining)));
          rest = rng.percent(40);
        } else if (std::vector<int>& starting = open[static_cast<std::size_t>(d)];
                   !starting.empty()) {
          const std::size_t at = rng.below(static_cast<std::uint32_t>(starting.size()));
          const int p = starting[at];
          starting[at] = starting.back();
          starting.pop_back();
          TPair& pair = doc.Pairs[p];
          pilot.DayCell[static_cast<std::size_t>(d)] = p;
          pair.DayStatus[static_cast<std::size_t>(d)] = kAssignedInstance;
          if (rng.percent(5)) pilot.DayLocked[static_cast<std::size_t>(d)] = 1;
          assignments.push_back({c, d, p});
          d += pair.Length;  // the following days of the pairing stay empty
          rest = true;
        } else {
          offDays.push_back(d);
          PlaceCode(pilot, d++, Row("GO"));
        }
      }
    }

    // Requests for days off fall on days that ended up off.
    if (!offDays.empty()) {
      for (int n = rng.between(0, 3); n > 0; --n) {
        const auto d = static_cast<std::size_t>(rng.pick(offDays));
        pilot.DayRequest[d] =
            static_cast<std::int8_t>(rng.percent(90) ? rng.between(13, 14) : rng.between(1, 51));
      }
    }

    FillLastMonth(pilot, line, doc, rng);

    pilot.BidText = BidTextFor(rng, doc);
    pilot.BidText1 = "LINE PREF " + std::to_string(rng.between(1, 120)) + ", " +
                     (rng.percent(50) ? "WEEKENDS OFF" : "MAX CREDIT") + ", " +
                     (rng.percent(50) ? "LATE STARTS" : "EARLY RELEASES");
    pilot.BidText2 = rng.percent(50) ? "TRADES OK WITH " + std::string(rng.pick(kSurnames))
                                     : "SENIORITY " + std::to_string(c + 1) + " OF 999";
    if (rng.percent(40)) pilot.Notes = NotesFor(rng);
    if (rng.percent(30)) {
      std::string filter;
      for (int n = rng.between(1, 4); n > 0; --n)
        filter += Printf("%04d", doc.Pairs[rng.below(kFullPairings)].Number);
      filter += "TEXT" + std::string(RandomStation(rng, kBase, false)) + "," +
                std::string(RandomStation(rng, kBase, false)) + ",!DH;";
      pilot.PairingFilterText = std::move(filter);
    }
    static constexpr char kQualification[] = "ABCDEFGHKLMNPRSTY  ";
    pilot.QualificationCodes = "CRJCA";
    for (int n = 0; n < 7; ++n)
      pilot.QualificationCodes += kQualification[rng.below(sizeof kQualification - 1)];

    pilot.BlockComplete() = rng.percent(30) ? 1 : 0;
    if (rng.percent(5)) pilot.MinBlockOverride() = rng.between(3600, 4400);
    if (rng.percent(5)) pilot.MaxBlockOverride() = rng.between(4900, 5400);
    if (rng.percent(3)) pilot.MinDaysOffOverride() = rng.between(10, 14);
    pilot.SpecialQual() = static_cast<std::int32_t>(rng.weighted({85, 5, 4, 4, 2}));
    pilot.AgeMedFlags() = static_cast<std::int32_t>(rng.weighted({90, 5, 4, 1}));
    pilot.TrainingFlag() = rng.percent(5) ? 1 : 0;
    pilot.NoTimeZoneFlag() = rng.percent(3) ? 1 : 0;
    pilot.NoYcgFlag() = rng.percent(3) ? 1 : 0;

    if (rng.percent(10)) pilot.DraftCredit = rng.between(60, 600);
    if (rng.percent(10)) pilot.ExtraCredit = rng.between(60, 600);
    if (rng.percent(20)) pilot.TimeBank = rng.between(0, 3000);
    if (rng.percent(5)) {
      pilot.TrainingAtHome = rng.between(240, 480);
      pilot.OutsideWFlag = rng.percent(50) ? 1 : 0;
    }
  }
  doc.PilotCount = kFullCrew;
}

void SetBlockCredits(TDocument& doc) {
  for (int c = 0; c < doc.PilotCount; ++c) {
    TPilot& pilot = doc.Pilots[c];
    int credit = 0;
    for (int d = 0; d < kMonthDaysFilled; ++d) {
      const auto i = static_cast<std::size_t>(d);
      const std::int32_t cell = pilot.DayCell[i];
      if (cell >= 0)
        credit += doc.Pairs[cell].Credit - doc.Pairs[cell].DayExcludeCredit[i];
      else if (cell == kOtherAssignmentCell && !pilot.DayOther[i][kOtherExcludeCredit])
        credit += pilot.DayOther[i][kOtherCredit];
    }
    pilot.BlockCreditHours = credit / 60;
    pilot.BlockCreditMinutes = static_cast<std::uint8_t>(credit % 60);
  }
}

void FillToolbox(TDocument& doc) {
  int i = 0;
  for (const ToolboxRow& row : kToolbox) {
    TAbsence& item = doc.ToolboxItems[static_cast<std::size_t>(i++)];
    item.Clear();
    item.Code = row.code;
    item.CrewTracCode = row.extract;
    item.ButtonText = row.text;
    item.StartTime = row.start;
    item.EndTime = row.end;
    item.Credit = row.credit;
    item.HardTime = 0;
    item.ContainsDuty = row.duty ? 1 : 0;
    item.CarsDuty = row.cars ? 1 : 0;
    item.CreditCounts = row.excluded ? 0 : 1;
    // Leave comes from the absences extract, not from a button.
    item.InToolbox = IsLeaveCode(row.code) ? 0 : 1;
  }
  doc.ToolboxCount = i;
  doc.ToolboxDate = "TOOLBOX JUN 12 2026";
}

}  // namespace

void FillFullCapacityDocument(TDocument& doc, std::uint32_t seed) {
  EventLog silent;
  ClearDocument(doc, silent);
  BenchRandom rng(seed);

  doc.FileDescriptor = kFileDescriptor;
  doc.CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  const Period period = DefaultPeriod(kFullMonth, kFullYear);
  FillCalendar(doc.cal, period.first, period.last);
  ExtendCalendar(doc.cal);
  doc.DaysOffBlockHolder = 10;
  doc.DaysOffReserve = 12;

  doc.AirportDetails.clear();
  for (const Airport& airport : kAirports) {
    doc.AirportDetails += std::string(airport.code) + "," + airport.offset + "," +
                          airport.transport + "," + airport.dst + ",";
  }
  doc.AirportPages[0] = doc.AirportDetails;
  FillToolbox(doc);

  // Pairings: distinct numbers in ascending order, as the import file lists them.
  std::vector<int> numbers;
  for (int n = 1000; n <= 9999; ++n) numbers.push_back(n);
  rng.shuffle(numbers);
  numbers.resize(kFullPairings);
  std::sort(numbers.begin(), numbers.end());
  std::vector<int> dayPool;
  for (int d = 0; d < kMonthDaysFilled; ++d) dayPool.push_back(d);
  std::vector<TripPlan> trips;
  trips.reserve(kFullPairings);
  for (int p = 0; p < kFullPairings; ++p) {
    trips.push_back(PlanTrip(rng, numbers[static_cast<std::size_t>(p)], dayPool));
    TPair& pair = doc.Pairs[p];
    FillPairing(pair, trips.back(), rng);
    TripTexts texts = WriteTrip(rng, doc, pair, trips.back());
    pair.PairingText = std::move(texts.pairingText);
    pair.DisplayText = std::move(texts.displayText);
    pair.LayoverText = std::move(texts.layoverText);
  }
  doc.LastPair = kFullPairings - 1;
  doc.LastBasePair = kFullPairings - 1;
  doc.SegmentSummary = SegmentSummaryOf(trips);

  std::vector<Assignment> assignments;
  FillCrew(doc, rng, assignments);
  SetBlockCredits(doc);

  // The undo history: the newest assignments, in the order a scheduler made them.
  std::vector<Assignment> order = assignments;
  rng.shuffle(order);
  const std::size_t keep = std::min(order.size(), TransactionHistory::kCapacity);
  for (std::size_t i = order.size() - keep; i < order.size(); ++i)
    doc.History.add({TransactionRecord::kAssign, order[i].day, order[i].crew, order[i].pairing});

  static constexpr const char* kFilters[] = {
      "YVR,YYC;", "!DH,LGA;",     "USA SEGMENT;", "CRA>49%;",
      "YYZ;",     "BOS,LGA,EWR;", "!YQX,!YYT;",   "INDOC1;",
  };
  for (std::size_t f = 0; f < std::size(kFilters); ++f) doc.PairFilters[f] = kFilters[f];
  doc.SharedNotes =
      "July block build. Vacation bids closed June 10; leave extracts loaded June 12. "
      "Two sim instructors short in the second week: hold SIM days for the check pilots. "
      "YYZ overnights moved to the airport hotel from the 15th. Open time to be posted "
      "June 24 after the award. Call crew scheduling for any change after the award.";
  doc.ShowAssignedPairs = 1;
  doc.BlocksShown = 1;
  doc.PairWindowVisible = 1;
  doc.ToolboxWindowVisible = 1;
  doc.BidsWindowVisible = 0;

  // What a load and the block rebuild derive.
  ValidateAllPairings(doc);
  for (int p = 0; p <= doc.LastPair; ++p) doc.Pairs[p].CreditClass = CreditClassOf(doc.Pairs[p]);
  for (int c = 0; c < doc.PilotCount; ++c) {
    doc.Pilots[c].ParseLast89HardTime();
    doc.Pilots[c].ComputeOnLeaveAllMonth(doc.cal.MonthLength);
  }
  doc.FreshDocument = 0;
  doc.Untitled = 1;
  doc.Modified = 0;
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
  if (doc.LastPair != kFullPairings - 1 || doc.LastBasePair != doc.LastPair)
    problem("LastPair %d LastBasePair %d", doc.LastPair, doc.LastBasePair);
  if (doc.ToolboxCount != kFullToolboxItems) problem("ToolboxCount %d", doc.ToolboxCount);
  if (doc.cal.MonthLength != kMonthDaysFilled) problem("MonthLength %d", doc.cal.MonthLength);
  if (doc.History.size() != TransactionHistory::kCapacity)
    problem("history holds %d records", static_cast<int>(doc.History.size()));
  if (doc.AirportDetails.size() % 18 != 0 || doc.AirportDetails.size() < 18 * 50)
    problem("airport table of %d characters", static_cast<int>(doc.AirportDetails.size()));
  if (problems.size() > 0) return problems;  // the loops below rely on the counts
  const int days = doc.cal.MonthLength;

  // Pairings: accepted by the validation, with the texts a file holds.
  std::set<int> numbers;
  for (int p = 0; p <= doc.LastPair; ++p) {
    const TPair& stored = doc.Pairs[p];
    TPair pair = stored;
    ValidatePairing(pair, days, doc.AirportDetails);
    if (!pair.Valid) problem("pairing %d refused: %s", p, pair.ValidationText.c_str());
    if (stored.Length < 1 || stored.Length > 4) {
      problem("pairing %d has length %d", p, stored.Length);
      continue;
    }
    for (int j = 1; j < stored.Length; ++j) {
      // The duty lines' lengths and rests must lead to each day's report.
      const auto i = static_cast<std::size_t>(j);
      if (pair.DailyStartTimeAtBase[i] != stored.DailyStartTime[i])
        problem("pairing %d day %d starts at %d by its duty lines, %d by its record", p, j + 1,
                pair.DailyStartTimeAtBase[i], stored.DailyStartTime[i]);
    }
    if (!numbers.insert(stored.Number).second) problem("pairing number %d twice", stored.Number);
    const std::size_t headerEnd = stored.PairingText.find('\n');
    if (headerEnd == std::string::npos || headerEnd <= 113)
      problem("pairing %d: header line too short", p);
    if (stored.LayoverText.size() != 3 * static_cast<std::size_t>(stored.Length - 1))
      problem("pairing %d: layover text of %d characters", p,
              static_cast<int>(stored.LayoverText.size()));
    for (std::size_t s = 0; s + 3 <= stored.LayoverText.size(); s += 3) {
      if (doc.AirportDetails.find(stored.LayoverText.substr(s, 3)) == std::string::npos)
        problem("pairing %d lays over at an airport missing from the table", p);
    }
    if (stored.DisplayText.empty() || stored.CrewPosition != "CA" || stored.Prefix.size() != 2)
      problem("pairing %d: display text, crew position or prefix missing", p);
    for (int d = 0; d < kMonthDays; ++d) {
      const std::int32_t status = stored.DayStatus[static_cast<std::size_t>(d)];
      if (status != kNoInstance && status != kOpenInstance && status != kAssignedInstance)
        problem("pairing %d day %d status %d", p, d, status);
    }
  }

  // Day cells against instance marks, both ways.
  std::map<std::pair<int, int>, int> holder;  // (pairing, day) -> crew
  std::set<int> employees;
  for (int c = 0; c < doc.PilotCount; ++c) {
    const TPilot& pilot = doc.Pilots[c];
    if (pilot.Name.size() < 3 || pilot.Name[1] != ' ') problem("crew %d name", c);
    if (pilot.EmpNumber <= 0 || !employees.insert(pilot.EmpNumber).second)
      problem("crew %d employee number %d", c, pilot.EmpNumber);
    if (pilot.QualificationCodes.size() != 12) problem("crew %d qualification codes", c);
    if (pilot.Last89HardTimeText.size() != 4 * kLast89Days) problem("crew %d hard-time text", c);
    if (pilot.BidText.size() < 150) problem("crew %d bid text short", c);
    int covered = 0;  // days up to which a pairing holds the block
    for (int d = 0; d < kBlockDays; ++d) {
      const auto i = static_cast<std::size_t>(d);
      const std::int32_t cell = pilot.DayCell[i];
      if (cell == kOtherAssignmentCell) {
        if (d >= days || d < covered || pilot.DayCode[i].empty())
          problem("crew %d day %d: other assignment misplaced or without code", c, d);
      } else if (cell == kEmptyCell) {
        if (d < days && d >= covered) problem("crew %d day %d left empty", c, d);
        if (!pilot.DayCode[i].empty()) problem("crew %d day %d: code on an empty day", c, d);
      } else if (cell >= 0 && cell <= doc.LastPair && d < days && d >= covered) {
        const TPair& pair = doc.Pairs[cell];
        if (pair.DayStatus[i] != kAssignedInstance)
          problem("crew %d day %d holds pairing %d whose status is %d", c, d, cell,
                  pair.DayStatus[i]);
        if (!holder.emplace(std::make_pair(cell, d), c).second)
          problem("pairing %d day %d held twice", cell, d);
        covered = d + pair.Length;
      } else {
        problem("crew %d day %d cell %d", c, d, cell);
      }
    }
  }
  for (int p = 0; p <= doc.LastPair; ++p) {
    for (int d = 0; d < days; ++d) {
      if (doc.Pairs[p].DayStatus[static_cast<std::size_t>(d)] == kAssignedInstance &&
          !holder.count({p, d}))
        problem("pairing %d day %d assigned to nobody", p, d);
    }
  }

  for (std::size_t h = 0; h < doc.History.size(); ++h) {
    const TransactionRecord& record = doc.History[h];
    if (record.kind != TransactionRecord::kAssign || record.crew < 0 ||
        record.crew >= doc.PilotCount || record.day < 0 || record.day >= days ||
        doc.Pilots[record.crew].DayCell[static_cast<std::size_t>(record.day)] != record.pairing)
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
