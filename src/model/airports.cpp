#include "model/airports.h"

#include <algorithm>

#include "model/zortime.h"

namespace lumora {

int AirportTransportTime(std::string_view airportDetails, std::string_view station) {
  if (station.size() != 3) return kDefaultTransportTime;
  const auto at = airportDetails.find(station);
  if (at == std::string_view::npos) return kDefaultTransportTime;
  const auto field = std::min(at + 10, airportDetails.size());
  return ParseTime(airportDetails.substr(field, 5), true);
}

}  // namespace lumora
