#pragma once
// Look-ups in the document's airport table: airport after airport, the
// 3-letter code, the offset from universal time (5 characters), the hotel
// transport time (5 characters) and the daylight-saving flag (1 character),
// each followed by ",".

#include <string_view>

namespace lumora {

inline constexpr int kDefaultTransportTime = 30;

// Hotel transport time in minutes at the airport; 30 when the code is not 3
// characters long or is not in the table.
int AirportTransportTime(std::string_view airportDetails, std::string_view station);

}  // namespace lumora
