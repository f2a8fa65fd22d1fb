#pragma once
// Look-ups in the document's airport table: airport after airport, the
// 3-letter code, the offset from universal time (5 characters), the hotel
// transport time (5 characters) and the daylight-saving flag (1 character),
// each followed by ",".

#include <string_view>

#include "model/calendar.h"

namespace lumora {

class TDocument;

inline constexpr int kDefaultTransportTime = 30;
// What TimeZoneDifference gives when an airport cannot be found.
inline constexpr int kUnknownAirport = -1;

// Where the fields of one airport stand after the first character of its code.
inline constexpr std::size_t kAirportOffsetField = 4;
inline constexpr std::size_t kAirportTransportField = 10;
inline constexpr std::size_t kAirportDaylightField = 16;
// One airport in the table, its separators included.
inline constexpr std::size_t kAirportEntryLength = 18;

// Hotel transport time in minutes at the airport; 30 when the code is not 3
// characters long or is not in the table.
int AirportTransportTime(std::string_view airportDetails, std::string_view station);

// False only when the base (the first 3 characters of the descriptor) is in
// the table and flagged "N".
bool BaseObservesDaylightSaving(std::string_view fileDescriptor, std::string_view airportDetails);

// The year's daylight-saving period: from 02:00 of the start date to just
// before 02:00 of the end date.
struct DaylightSavingPeriod {
  DayNumber start = 0;
  DayNumber end = 0;
};

bool InDaylightSavingPeriod(const DaylightSavingPeriod& period, DayNumber date, int timeOfDay);

// The airport's offset from universal time (hours west) less the reference
// airport's, in minutes: a local time at the airport plus the difference is
// the time at the reference. Inside the daylight-saving period it is an hour
// lower when only the airport observes it and an hour higher when only the
// reference does. An empty reference means the base. -1 when either code is
// not 3 characters long or is not in the table.
int TimeZoneDifference(std::string_view airportDetails, std::string_view fileDescriptor,
                       const DaylightSavingPeriod& period, DayNumber date, int timeOfDay,
                       std::string_view airport, std::string_view reference);

// The same with the document's airport table, base and change dates.
int TimeZoneDifference(const TDocument& doc, DayNumber date, int timeOfDay,
                       std::string_view airport, std::string_view reference);

}  // namespace lumora
