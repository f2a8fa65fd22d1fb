#pragma once
// A small month to build blocks in: July 2026, a few crew members and
// pairings made to measure, rules that answer what the test scripts, and
// views that record what they were told.

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "building/block_edit.h"
#include "building/block_rules.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "support/document_builder.h"
#include "support/scripted_ui.h"

namespace lumora::testing {

class FakeRules : public BlockRules {
 public:
  AssignCheckResult CheckAssignmentRest(const TDocument&, int crew, int pair, int day) override {
    restChecks.emplace_back(crew, pair, day);
    const auto it = rest.find({crew, pair, day});
    return it == rest.end() ? AssignCheckResult{true, "", ""} : it->second;
  }
  void CheckBlock(TDocument&, int crew) override { checkedBlocks.push_back(crew); }

  // Rest answers by (crew, pairing, day); anything else is accepted quietly.
  std::map<std::tuple<int, int, int>, AssignCheckResult> rest;
  std::vector<std::tuple<int, int, int>> restChecks;
  std::vector<int> checkedBlocks;
};

class RecordingViews : public BlockViewSink {
 public:
  void cellsChanged(int crew, int firstDay, int dayCount) override {
    cells.emplace_back(crew, firstDay, dayCount);
  }
  void rowsChanged(int crew) override { rows.push_back(crew); }
  void pairingWindowChanged(bool layoutAgain) override { layouts.push_back(layoutAgain); }
  void blockFiltersChanged() override { ++filterChanges; }
  void dayBalanceChanged(int day) override { balanceDays.push_back(day); }
  void openTimeChanged(int openCredit, int totalCredit) override {
    open = openCredit;
    total = totalCredit;
  }
  void timeBankChanged(std::string_view text) override { timeBank = std::string(text); }

  std::vector<std::tuple<int, int, int>> cells;
  std::vector<int> rows;
  std::vector<bool> layouts;
  int filterChanges = 0;
  std::vector<int> balanceDays;
  int open = -1;
  int total = -1;
  std::string timeBank;
};

class BuildingTest : public ::testing::Test {
 protected:
  BuildingTest() { build.july2026().extended(); }

  // A crew member at the end of the roster, with a block credit inside the
  // document's limits unless the test says otherwise.
  int AddCrew(const std::string& name, int empNumber = 0) {
    return build.crew(name, empNumber == 0 ? std::nullopt : std::optional(empNumber)).lastCrew();
  }

  // A pairing starting on `days` (open instances), `length` days long with
  // its credit spread evenly over them.
  int AddPairing(int number, std::vector<int> days, int length = 1, int creditPerDay = 300) {
    return build
        .pairing(PairingValues(number)
                     .Days(std::move(days))
                     .Length(length)
                     .OnTime(480)
                     .TAFB(600)
                     .CreditPerDay(creditPerDay)
                     .Prefix("K2"))
        .lastPairing();
  }

  // Puts the instance into the block directly, as a loaded file would.
  void Place(int crew, int pair, int day) { build.place(crew, pair, day); }

  std::vector<std::string> Questions() const {
    std::vector<std::string> texts;
    for (const Shown& s : ui.shown) {
      if (s.kind == Shown::Kind::Question) texts.push_back(s.text);
    }
    return texts;
  }

  std::unique_ptr<TDocument> owned = std::make_unique<TDocument>();
  TDocument& doc = *owned;
  DocumentBuilder build{doc};
  ScriptedUi ui;
  EventLog log;
  FakeRules rules;
  RecordingViews views;
  BlockEditContext ctx{doc, ui, log, rules, views};
};

}  // namespace lumora::testing
