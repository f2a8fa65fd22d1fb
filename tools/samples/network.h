#pragma once
// The airline the samples describe: its airports, crew bases with their
// fleets and destinations, and the aircraft types of each fleet. Everything
// here is fixed data; chance only enters in world.cpp.

#include <string>
#include <string_view>
#include <vector>

namespace lumora::samples {

struct Airport {
  const char* code;
  const char* city;
  const char* region;   // province or state
  const char* country;  // "CA" or "US"
  int latitude;         // hundredths of a degree, north
  int longitude;        // hundredths of a degree, east (negative: west)
  int offsetWest;       // standard time, minutes behind universal time
  bool observesDst;
  int transport;  // hotel transport time, minutes
};

const std::vector<Airport>& Airports();
// Throws std::invalid_argument for an unknown code.
const Airport& AirportByCode(std::string_view code);
bool IsUs(const Airport& airport);
int DistanceKm(const Airport& a, const Airport& b);
// Minutes behind universal time on the date, daylight saving applied.
int OffsetWestOn(const Airport& airport, int dayNumber);
// Local time at the station minus base time, on the date.
int LocalShift(const Airport& station, const Airport& base, int dayNumber);

struct AircraftType {
  std::string code;  // as the LIS listings show it ("CRA", "CRJ", ...)
  int seats;
};

struct Fleet {
  std::string code;     // equipment code, 3 characters ("CRJ")
  char digit = '0';     // first digit of its pairing numbers
  char altDigit = 'X';  // a second series of numbers; 'X' when none
  int speedKmh = 600;   // block speed for the block-time estimate
  std::vector<AircraftType> types;
};

// The import knows the digits of DH8, E75, DH4 and CRJ (with its second
// series 2). Another code takes the first digit it contains, so "320" numbers
// its pairings 3xxx; a code without a digit is refused (std::invalid_argument).
Fleet FleetFor(std::string_view equipment);

struct Base {
  const char* code;
  char letter;  // first letter of the base's pairing numbers
  std::vector<const char*> fleets;
  std::vector<const char*> destinations;
};

const std::vector<Base>& Bases();
// nullptr for an unknown base code.
const Base* FindBase(std::string_view code);

// Block time in minutes, a multiple of 5: taxi allowance plus distance at the
// fleet's speed.
int BlockMinutes(const Airport& from, const Airport& to, int speedKmh);

}  // namespace lumora::samples
