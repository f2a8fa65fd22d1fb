#include "samples/network.h"

#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "samples/calendar.h"

namespace lumora::samples {

const std::vector<Airport>& Airports() {
  static const std::vector<Airport> kAirports = {
      {"YUL", "MONTREAL", "QC", "CA", 4547, -7374, 300, true, 30},
      {"YQB", "QUEBEC", "QC", "CA", 4679, -7139, 300, true, 20},
      {"YOW", "OTTAWA", "ON", "CA", 4532, -7567, 300, true, 25},
      {"YYZ", "TORONTO", "ON", "CA", 4368, -7963, 300, true, 25},
      {"YHZ", "HALIFAX", "NS", "CA", 4488, -6351, 240, true, 35},
      {"YYG", "CHARLOTTETOWN", "PE", "CA", 4629, -6312, 240, true, 20},
      {"YQM", "MONCTON", "NB", "CA", 4611, -6468, 240, true, 20},
      {"YFC", "FREDERICTON", "NB", "CA", 4587, -6653, 240, true, 20},
      {"YSJ", "SAINT JOHN", "NB", "CA", 4532, -6589, 240, true, 25},
      {"YBG", "BAGOTVILLE", "QC", "CA", 4833, -7099, 300, true, 25},
      {"YZV", "SEPT ILES", "QC", "CA", 5022, -6627, 300, true, 15},
      {"YGP", "GASPE", "QC", "CA", 4878, -6448, 300, true, 15},
      {"YVO", "VAL D OR", "QC", "CA", 4805, -7778, 300, true, 15},
      {"YUY", "ROUYN NORANDA", "QC", "CA", 4821, -7884, 300, true, 15},
      {"YTS", "TIMMINS", "ON", "CA", 4857, -8138, 300, true, 15},
      {"YYT", "ST JOHNS", "NL", "CA", 4762, -5275, 210, true, 20},
      {"YDF", "DEER LAKE", "NL", "CA", 4921, -5739, 210, true, 20},
      {"YSB", "SUDBURY", "ON", "CA", 4663, -8080, 300, true, 20},
      {"YQT", "THUNDER BAY", "ON", "CA", 4837, -8932, 300, true, 20},
      {"YXU", "LONDON", "ON", "CA", 4304, -8115, 300, true, 20},
      {"YWG", "WINNIPEG", "MB", "CA", 4991, -9724, 360, true, 25},
      {"YQR", "REGINA", "SK", "CA", 5043, -10467, 360, false, 20},
      {"YXE", "SASKATOON", "SK", "CA", 5217, -10670, 360, false, 20},
      {"YYC", "CALGARY", "AB", "CA", 5113, -11402, 420, true, 30},
      {"YEG", "EDMONTON", "AB", "CA", 5331, -11358, 420, true, 40},
      {"YVR", "VANCOUVER", "BC", "CA", 4919, -12318, 480, true, 30},
      {"YYJ", "VICTORIA", "BC", "CA", 4865, -12343, 480, true, 30},
      {"BOS", "BOSTON", "MA", "US", 4236, -7101, 300, true, 30},
      {"LGA", "NEW YORK", "NY", "US", 4078, -7387, 300, true, 45},
      {"EWR", "NEWARK", "NJ", "US", 4069, -7417, 300, true, 45},
      {"PHL", "PHILADELPHIA", "PA", "US", 3987, -7524, 300, true, 30},
      {"BWI", "BALTIMORE", "MD", "US", 3918, -7667, 300, true, 25},
      {"DCA", "WASHINGTON", "DC", "US", 3885, -7704, 300, true, 30},
      {"CLE", "CLEVELAND", "OH", "US", 4141, -8185, 300, true, 25},
      {"DTW", "DETROIT", "MI", "US", 4221, -8335, 300, true, 30},
      {"PIT", "PITTSBURGH", "PA", "US", 4049, -8023, 300, true, 30},
      {"BDL", "HARTFORD", "CT", "US", 4194, -7268, 300, true, 25},
      {"PVD", "PROVIDENCE", "RI", "US", 4172, -7143, 300, true, 20},
      {"BTV", "BURLINGTON", "VT", "US", 4447, -7315, 300, true, 15},
      {"PWM", "PORTLAND", "ME", "US", 4365, -7031, 300, true, 15},
      {"ALB", "ALBANY", "NY", "US", 4275, -7380, 300, true, 20},
      {"SYR", "SYRACUSE", "NY", "US", 4311, -7611, 300, true, 20},
      {"ROC", "ROCHESTER", "NY", "US", 4312, -7767, 300, true, 20},
      {"BUF", "BUFFALO", "NY", "US", 4294, -7873, 300, true, 20},
      {"ORD", "CHICAGO", "IL", "US", 4198, -8790, 360, true, 45},
      {"CLT", "CHARLOTTE", "NC", "US", 3521, -8094, 300, true, 30},
      {"SEA", "SEATTLE", "WA", "US", 4745, -12231, 480, true, 35},
  };
  return kAirports;
}

namespace {

// Codes are three capital letters; the trip builder looks them up all the time.
int CodeIndex(std::string_view code) {
  if (code.size() != 3) return -1;
  int index = 0;
  for (const char c : code) {
    if (c < 'A' || c > 'Z') return -1;
    index = index * 26 + (c - 'A');
  }
  return index;
}

}  // namespace

const Airport& AirportByCode(std::string_view code) {
  static const std::vector<int> kIndex = [] {
    std::vector<int> index(26 * 26 * 26, -1);
    for (std::size_t i = 0; i < Airports().size(); ++i) {
      index[static_cast<std::size_t>(CodeIndex(Airports()[i].code))] = static_cast<int>(i);
    }
    return index;
  }();
  const int at = CodeIndex(code);
  if (at < 0 || kIndex[static_cast<std::size_t>(at)] < 0) {
    throw std::invalid_argument("unknown airport " + std::string(code));
  }
  return Airports()[static_cast<std::size_t>(kIndex[static_cast<std::size_t>(at)])];
}

bool IsUs(const Airport& airport) {
  return std::string_view(airport.country) == "US";
}

namespace {

// cos(latitude) x 10000 for whole degrees 25 to 60; enough for this network
// and free of the platform's floating-point library.
int CosineTimes10000(int degrees) {
  static const int kCos[] = {9063, 8988, 8910, 8829, 8746, 8660, 8572, 8480, 8387,
                             8290, 8192, 8090, 7986, 7880, 7771, 7660, 7547, 7431,
                             7314, 7193, 7071, 6947, 6820, 6691, 6561, 6428, 6293,
                             6157, 6018, 5878, 5736, 5592, 5446, 5299, 5150, 5000};
  if (degrees < 25) degrees = 25;
  if (degrees > 60) degrees = 60;
  return kCos[degrees - 25];
}

std::int64_t IntegerSquareRoot(std::int64_t n) {
  std::int64_t x = 0;
  std::int64_t bit = std::int64_t{1} << 62;
  while (bit > n) bit >>= 2;
  while (bit != 0) {
    if (n >= x + bit) {
      n -= x + bit;
      x = (x >> 1) + bit;
    } else {
      x >>= 1;
    }
    bit >>= 2;
  }
  return x;
}

}  // namespace

int DistanceKm(const Airport& a, const Airport& b) {
  // Equirectangular: good to a few per cent at these distances.
  const std::int64_t meanLat = (a.latitude + b.latitude) / 2;
  const std::int64_t dy = std::llabs(a.latitude - b.latitude) * 1112 / 100;  // km x 10
  const std::int64_t dx = std::llabs(a.longitude - b.longitude) * 1112 *
                          CosineTimes10000(static_cast<int>(meanLat / 100)) / 1000000;
  return static_cast<int>(IntegerSquareRoot(dx * dx + dy * dy) / 10);
}

int OffsetWestOn(const Airport& airport, int dayNumber) {
  return airport.offsetWest - (airport.observesDst && InDaylightSaving(dayNumber) ? 60 : 0);
}

int LocalShift(const Airport& station, const Airport& base, int dayNumber) {
  return OffsetWestOn(base, dayNumber) - OffsetWestOn(station, dayNumber);
}

Fleet FleetFor(std::string_view equipment) {
  Fleet f;
  f.code = std::string(equipment);
  if (equipment == "CRJ") {
    f.digit = '7';
    f.altDigit = '2';
    f.speedKmh = 700;
    f.types = {{"CRA", 50}, {"CRJ", 75}};
  } else if (equipment == "DH8") {
    f.digit = '8';
    f.speedKmh = 480;
    f.types = {{"DH1", 37}, {"DH3", 50}};
  } else if (equipment == "DH4") {
    f.digit = '4';
    f.speedKmh = 600;
    f.types = {{"DH4", 74}};
  } else if (equipment == "E75") {
    f.digit = '5';
    f.speedKmh = 750;
    f.types = {{"E75", 75}};
  } else {
    if (equipment.size() != 3) throw std::invalid_argument("equipment codes have 3 characters");
    const auto digit = equipment.find_first_of("0123456789");
    if (digit == std::string_view::npos) {
      throw std::invalid_argument("no pairing digit for equipment " + std::string(equipment));
    }
    f.digit = equipment[digit];
    f.speedKmh = 780;
    f.types = {{std::string(equipment), 140}};
  }
  return f;
}

const std::vector<Base>& Bases() {
  static const std::vector<Base> kBases = {
      {"YUL", 'M', {"CRJ", "DH8", "E75"}, {"YQB", "YOW", "YYZ", "YHZ", "YYG", "YQM", "YFC", "YSJ",
                                           "YBG", "YZV", "YGP", "YVO", "YUY", "YTS", "YYT", "YDF",
                                           "YSB", "BOS", "LGA", "EWR", "PHL", "BWI", "DCA", "CLE",
                                           "DTW", "PIT", "BDL", "PVD", "BTV", "PWM", "ALB", "SYR",
                                           "ROC", "BUF", "ORD", "CLT"}},
      {"YYZ", 'Z', {"CRJ", "DH4", "E75"}, {"YOW", "YUL", "YXU", "YSB", "YTS", "YQT", "YWG",
                                           "YQB", "YHZ", "ORD", "LGA", "EWR", "BOS", "PHL",
                                           "CLE", "DTW", "PIT", "BWI", "DCA", "BDL", "ALB",
                                           "SYR", "ROC", "BUF", "CLT"}},
      {"YVR", 'V', {"DH8", "DH4"}, {"YYJ", "YYC", "YEG", "YXE", "YQR", "YWG", "SEA"}},
      {"YYC", 'C', {"DH8", "CRJ"}, {"YVR", "YYJ", "YEG", "YXE", "YQR", "YWG", "SEA"}},
      {"YXE", 'S', {"DH8"}, {"YQR", "YYC", "YEG", "YWG", "YVR"}},
      {"YXU", 'U', {"DH8"}, {"YYZ", "YOW", "YUL", "ORD", "DTW"}},
      {"YQB", 'Q', {"DH8"}, {"YUL", "YBG", "YZV", "YGP", "YHZ", "YOW", "YYZ"}},
      {"YHZ",
       'H',
       {"DH8", "DH4"},
       {"YYG", "YQM", "YFC", "YSJ", "YYT", "YDF", "YQB", "YUL", "YOW", "YYZ", "BOS"}},
      {"YYJ", 'J', {"DH8"}, {"YVR", "YYC", "YEG", "SEA"}},
  };
  return kBases;
}

const Base* FindBase(std::string_view code) {
  for (const Base& b : Bases()) {
    if (code == b.code) return &b;
  }
  return nullptr;
}

int BlockMinutes(const Airport& from, const Airport& to, int speedKmh) {
  const int minutes = 20 + DistanceKm(from, to) * 60 / speedKmh;
  return (minutes + 4) / 5 * 5;
}

}  // namespace lumora::samples
