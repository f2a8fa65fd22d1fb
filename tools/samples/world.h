#pragma once
// The month that every sample file describes: the period, the base, its
// pairings (trips with their legs, duty periods, layovers, operating dates and
// crew complement) and the crew. Each writer only formats what is here, so
// the files agree with one another.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "samples/calendar.h"
#include "samples/network.h"

namespace lumora::samples {

enum class Category { Captain, FirstOfficer, FlightAttendant };

// "CA", "FO", "FA".
const char* CategoryCode(Category category);
// Throws std::invalid_argument.
Category CategoryFromCode(std::string_view code);

// The import keeps at most this many pairing records.
inline constexpr int kMaxPairings = 3000;

struct WorldOptions {
  std::string base = "YUL";
  std::string equipment = "CRJ";
  Category category = Category::Captain;
  int year = 2027;
  int month = 2;
  std::uint32_t seed = 1;
  // Pairing records that the document's import stores: one per crew position
  // of the category that a pairing's complement names.
  int pairings = 200;
};

enum class LegKind {
  Flight,        // own flight, working
  Deadhead,      // own flight, riding
  OtherCarrier,  // riding another carrier
  Ground,        // limousine or the like
};

// Times are base-time minutes from 00:00 of the pairing's first day.
struct Leg {
  LegKind kind = LegKind::Flight;
  std::string from;
  std::string to;
  int depart = 0;
  int arrive = 0;
  int flight = 0;        // own or the other carrier's flight number
  std::string carrier;   // other carrier
  std::string aircraft;  // own legs: the type flown
  int seats = 0;
  std::string code;  // ground segment code, or the other carrier's booking status
  int Minutes() const { return arrive - depart; }
};

struct Duty {
  int report = 0;
  int release = 0;
  std::vector<Leg> legs;
  // The crew waits on duty (with a day room) after this leg; -1 when not.
  int breakAfter = -1;
  int credit = 0;
  // Remark of the layover after the duty or of the break: hotel and phone.
  std::string hotel;
  std::string breakHotel;

  int Length() const { return release - report; }
  int Day() const { return report / 1440; }
  int Block() const;     // own flights worked
  int Deadhead() const;  // every leg not worked
  int Sit() const;       // ground time between legs, the break included
  int BreakLength() const;
};

struct Pairing {
  char letter = 'M';
  char digit = '7';
  int number = 0;
  std::string base;
  std::string equipment;
  std::string complement;
  bool selected = false;  // the document's import takes it
  int copies = 0;         // records the import stores for it

  std::vector<Duty> duties;
  int credit = 0;
  int requiredRest = 660;
  bool spillOver = false;
  // Reported at 00:00: the headers carry the day before with the report
  // written as 1440 (or 0000 when midnightAsZero) and the import advances the
  // date by one.
  bool midnight = false;
  bool midnightAsZero = false;

  // The operating pattern in header dates: weekdays Monday to Sunday, up to
  // four exception dates, and the dates themselves.
  std::string weekdays;
  std::vector<int> exceptions;
  std::vector<int> headerDates;

  bool french = false;
  int mealsUsCents = 0;
  int mealsCadCents = 0;

  // Written wrong on purpose: the first duty record's report as 1440, which
  // the pairing validation reports.
  bool badDutyReport = false;

  std::string Key() const;  // "M7012"
  int Report() const { return duties.front().report; }
  int Release() const { return duties.back().release; }
  int Tafb() const { return Release() - Report(); }
  // Calendar days spanned, as the import counts them in the end.
  int Days() const { return (Report() + Tafb() - 1) / 1440 + 1; }
  // The day the trip starts for a header date.
  int FirstDay(int headerDate) const { return headerDate + (midnight ? 1 : 0); }
  int Block() const;
};

struct CrewMember {
  int employeeNumber = 0;
  std::string surname;
  char initial = 'A';
  std::string qualifications;  // 12 characters of 2-letter codes
};

struct World {
  WorldOptions options;
  MonthPeriod period;
  const Base* base = nullptr;
  Fleet fleet;
  std::vector<Pairing> pairings;  // in file order
  std::vector<CrewMember> crew;

  char Letter() const { return base->letter; }
  const Airport& BaseAirport() const { return AirportByCode(base->code); }
  int SelectedCopies() const;
};

// Throws std::invalid_argument for options it cannot build.
World BuildWorld(const WorldOptions& options);

// The local date (day number) and time of day at a station for a moment of a
// pairing that starts on firstDay.
struct LocalMoment {
  int date = 0;
  int time = 0;
};
LocalMoment ToLocal(const World& world, std::string_view station, int firstDay, int minutes);

}  // namespace lumora::samples
