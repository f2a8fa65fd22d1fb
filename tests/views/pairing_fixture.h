#pragma once
// July 2026 (day 0 a Wednesday), a roster and pairings made to measure for
// the pairing window, the pairing text and the pairing properties.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "building/block_edit.h"
#include "building/block_rules.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/document_builder.h"
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
  PairingTest() { build.july2026().extended().descriptor("YULA32CAK"); }

  int AddCrew(const std::string& name) { return build.crew(name).lastCrew(); }

  // Open instances on `days`; `duty` duty days, 480 report, 1020 release.
  int AddPairing(int number, std::vector<int> days, int duty = 1, int creditPerDay = 300) {
    return build
        .pairing(PairingValues(number)
                     .Days(std::move(days))
                     .Length(duty)
                     .AdjLength(duty)
                     .OnTime(480)
                     .OffTime(1020)
                     .CreditPerDay(creditPerDay)
                     .Prefix("K2")
                     .CrewPosition("CA"))
        .lastPairing();
  }

  TPair& Pair(int p) { return doc.Pairs[static_cast<std::size_t>(p)]; }

  // Puts the instance into the block directly, as a loaded file would.
  void Place(int crew, int pair, int day) { build.place(crew, pair, day); }

  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  ScriptedUi ui;
  EventLog log;
  AcceptingRules rules;
  BlockViewSink views;
  BlockEditContext ctx{doc, ui, log, rules, views};
};

}  // namespace lumora::testing
