#pragma once
// A small month built by hand for the rule tests: a calendar, a few crew
// members and pairings, with helpers that place work on a day.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/calendar.h"
#include "model/daylight_saving.h"
#include "model/document.h"

namespace lumora::testing {

class RulesFixture : public ::testing::Test {
 protected:
  // A month from `first` to `last` (day, month, year) with the days after
  // it and its daylight-saving data; `crewCount` crew members.
  void SetUpMonth(CrewKind kind, CivilDate first, CivilDate last, int crewCount = 2) {
    doc->CrewType = static_cast<std::uint8_t>(kind);
    FillCalendar(doc->cal, ToDayNumber(first), ToDayNumber(last));
    ExtendCalendar(doc->cal);
    SetupDaylightSaving(doc->cal);
    doc->PilotCount = crewCount;
    for (int i = 0; i < crewCount; ++i) {
      TPilot& p = doc->Pilots[static_cast<std::size_t>(i)];
      p.Name = "P " + std::string(1, static_cast<char>('A' + i)) + "name";
      p.EmpNumber = 1000 + i;
    }
  }

  void SetUpJuly(CrewKind kind, int crewCount = 2) {
    SetUpMonth(kind, {1, 7, 2026}, {31, 7, 2026}, crewCount);
  }

  // A one-day (or longer) pairing; returns its index.
  int AddPair(int onTime, int tafb, int length = 1, int minRestAfter = 660,
              bool overnight = false) {
    const int p = ++doc->LastPair;
    doc->LastBasePair = doc->LastPair;
    TPair& pair = doc->Pairs[static_cast<std::size_t>(p)];
    pair.OnTime = onTime;
    pair.TAFB = tafb;
    pair.Length = static_cast<std::int8_t>(length);
    pair.MinRestAfter = minRestAfter;
    pair.Overnight = overnight ? 1 : 0;
    pair.Number = 100 + p;
    pair.Prefix = "M1";
    return p;
  }

  void Assign(int crew, int day, int pair) { pilot(crew).DayCell[Day(day)] = pair; }

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
};

}  // namespace lumora::testing
