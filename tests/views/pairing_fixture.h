#pragma once
// July 2026 (day 0 a Wednesday), a roster and pairings made to measure for
// the pairing window, the pairing text and the pairing properties.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "building/block_edit.h"
#include "building/block_rules.h"
#include "model/calendar.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/scripted_ui.h"

namespace lumora::testing {

class AcceptingRules : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument&, int, int, int) override {
    return {true, "", ""};
  }
  void CheckBlock(TDocument&, int) override {}
};

class PairingTest : public ::testing::Test {
 protected:
  PairingTest() {
    FillCalendar(doc.cal, ToDayNumber({1, 7, 2026}), ToDayNumber({31, 7, 2026}));
    ExtendCalendar(doc.cal);
    doc.FileDescriptor = "YULA32CAK";
  }

  int AddCrew(const std::string& name) {
    const int crew = doc.PilotCount++;
    doc.Pilots[static_cast<std::size_t>(crew)].Name = name;
    doc.Pilots[static_cast<std::size_t>(crew)].EmpNumber = 1000 + crew;
    return crew;
  }

  // Open instances on `days`; `duty` duty days, 480 report, 1020 release.
  int AddPairing(int number, std::vector<int> days, int duty = 1, int creditPerDay = 300) {
    const int p = ++doc.LastPair;
    doc.LastBasePair = doc.LastPair;
    TPair& pair = doc.Pairs[static_cast<std::size_t>(p)];
    pair.Number = number;
    pair.Prefix = "K2";
    pair.CrewPosition = "CA";
    pair.Length = static_cast<std::int8_t>(duty);
    pair.AdjLength = static_cast<std::int8_t>(duty);
    pair.OnTime = 480;
    pair.OffTime = 1020;
    pair.Credit = creditPerDay * duty;
    for (int j = 0; j < duty; ++j) pair.DailyCredit[static_cast<std::size_t>(j)] = creditPerDay;
    for (const int d : days) pair.DayStatus[static_cast<std::size_t>(d)] = kOpenInstance;
    return p;
  }

  TPair& Pair(int p) { return doc.Pairs[static_cast<std::size_t>(p)]; }

  // Puts the instance into the block directly, as a loaded file would.
  void Place(int crew, int pair, int day) {
    doc.Pilots[static_cast<std::size_t>(crew)].DayCell[static_cast<std::size_t>(day)] = pair;
    std::int32_t& status = Pair(pair).DayStatus[static_cast<std::size_t>(day)];
    status = status < 0 ? -kAssignedInstance : kAssignedInstance;
  }

  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  ScriptedUi ui;
  EventLog log;
  AcceptingRules rules;
  BlockViewSink views;
  BlockEditContext ctx{doc, ui, log, rules, views};
};

}  // namespace lumora::testing
