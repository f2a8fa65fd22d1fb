#pragma once
// A small month built by hand for the rule tests: a calendar, a few crew
// members and pairings, with helpers that place work on a day.

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "model/document.h"
#include "rules/rule_results.h"
#include "support/document_builder.h"

namespace lumora::testing {

class RulesFixture : public ::testing::Test {
 protected:
  // A month from `first` to `last` (day, month, year) with the days after
  // it and its daylight-saving data; `crewCount` crew members.
  void SetUpMonth(CrewKind kind, CivilDate first, CivilDate last, int crewCount = 2) {
    build.kind(kind).month(first, last).extended().daylightSaving();
    doc->PilotCount = 0;  // a test may set up several months in turn
    for (int i = 0; i < crewCount; ++i)
      build.crew("P " + std::string(1, static_cast<char>('A' + i)) + "name");
  }

  void SetUpJuly(CrewKind kind, int crewCount = 2) {
    SetUpMonth(kind, {1, 7, 2026}, {31, 7, 2026}, crewCount);
  }

  // A one-day (or longer) pairing; returns its index.
  int AddPair(int onTime, int tafb, int length = 1, int minRestAfter = 660,
              bool overnight = false) {
    return build
        .pairing(PairingValues(100 + doc->LastPair + 1)
                     .Length(length)
                     .OnTime(onTime)
                     .TAFB(tafb)
                     .Prefix("M1")
                     .MinRestAfter(minRestAfter)
                     .Overnight(overnight))
        .lastPairing();
  }

  void Assign(int crew, int day, int pair) { build.cell(crew, day, pair); }

  void Other(int crew, int day, int start, int hours, bool containsDuty, bool reserve = false,
             const std::string& code = "X1") {
    TPilot& p = pilot(crew);
    p.DayCell[Day(day)] = kOtherAssignmentCell;
    DayRecord& o = p.DayOther[Day(day)];
    o[kOtherStartTime] = start;
    o[kOtherHoursAtWork] = hours;
    o[kOtherContainsDuty] = containsDuty ? 1 : 0;
    o[kOtherReserve] = reserve ? 1 : 0;
    p.DayCode[Day(day)] = code;
  }

  TPilot& pilot(int crew) { return doc->Pilots[static_cast<std::size_t>(crew)]; }
  static std::size_t Day(int d) { return static_cast<std::size_t>(d); }

  std::unique_ptr<TDocument> doc = std::make_unique<TDocument>();
  DocumentBuilder build{*doc};
};

// A result text without the items whose label starts with one of `labels`:
// every rule runs on every block, and a test of one rule family looks only
// at its own items.
inline std::string Without(std::string_view text, std::initializer_list<std::string_view> labels) {
  std::string kept;
  for (const std::string_view item : SplitItems(text)) {
    bool other = false;
    for (const std::string_view label : labels) other = other || item.starts_with(label);
    if (other || item.empty()) continue;
    kept += item;
    kept += '+';
  }
  return kept;
}

}  // namespace lumora::testing
