#include "model/airports.h"

#include <algorithm>
#include <optional>

#include "model/document.h"
#include "model/time_text.h"

namespace lumora {

namespace {

constexpr std::size_t kCodeLength = 3;
constexpr int kDaylightChangeTime = 120;  // 02:00
constexpr int kDaylightShift = 60;

// Where the 3-letter code first appears in the table.
std::optional<std::size_t> FindAirport(std::string_view airportDetails, std::string_view code) {
  if (code.size() != kCodeLength) return std::nullopt;
  const auto at = airportDetails.find(code);
  if (at == std::string_view::npos) return std::nullopt;
  return at;
}

// The field `offset` places after the code, cut short where the table ends.
std::string_view Field(std::string_view airportDetails, std::size_t at, std::size_t offset,
                       std::size_t width) {
  const auto field = std::min(at + offset, airportDetails.size());
  return airportDetails.substr(field, width);
}

bool Observes(std::string_view airportDetails, std::size_t at) {
  return Field(airportDetails, at, kAirportDaylightField, 1) != "N";
}

}  // namespace

int AirportTransportTime(std::string_view airportDetails, std::string_view station) {
  const auto at = FindAirport(airportDetails, station);
  if (!at) return kDefaultTransportTime;
  return ParseTime(Field(airportDetails, *at, kAirportTransportField, 5), true);
}

bool BaseObservesDaylightSaving(std::string_view fileDescriptor, std::string_view airportDetails) {
  if (fileDescriptor.size() < kCodeLength) return true;
  const auto at = FindAirport(airportDetails, fileDescriptor.substr(0, kCodeLength));
  return !at || Observes(airportDetails, *at);
}

bool InDaylightSavingPeriod(const DaylightSavingPeriod& period, DayNumber date, int timeOfDay) {
  if (date == period.start) return timeOfDay >= kDaylightChangeTime;
  if (date == period.end) return timeOfDay < kDaylightChangeTime;
  return date > period.start && date < period.end;
}

int TimeZoneDifference(std::string_view airportDetails, std::string_view fileDescriptor,
                       const DaylightSavingPeriod& period, DayNumber date, int timeOfDay,
                       std::string_view airport, std::string_view reference) {
  if (reference.empty()) reference = fileDescriptor.substr(0, kCodeLength);
  const auto airportAt = FindAirport(airportDetails, airport);
  const auto referenceAt = FindAirport(airportDetails, reference);
  if (!airportAt || !referenceAt) return kUnknownAirport;

  int difference = ParseTime(Field(airportDetails, *airportAt, kAirportOffsetField, 5), true) -
                   ParseTime(Field(airportDetails, *referenceAt, kAirportOffsetField, 5), true);
  const bool airportObserves = Observes(airportDetails, *airportAt);
  const bool referenceObserves = Observes(airportDetails, *referenceAt);
  // Offsets are hours west of universal time, and a local time plus the
  // difference is the reference's time: in summer an observing airport's
  // clock stands an hour nearer the reference's east, a non-observing one an
  // hour further west of an observing reference.
  if (airportObserves != referenceObserves && InDaylightSavingPeriod(period, date, timeOfDay)) {
    difference += airportObserves ? -kDaylightShift : kDaylightShift;
  }
  return difference;
}

int TimeZoneDifference(const TDocument& doc, DayNumber date, int timeOfDay,
                       std::string_view airport, std::string_view reference) {
  return TimeZoneDifference(doc.AirportDetails, doc.FileDescriptor,
                            {doc.cal.DstStartDate, doc.cal.DstEndDate}, date, timeOfDay, airport,
                            reference);
}

}  // namespace lumora
