#pragma once
// Test documents in a few lines:
//
//   DocumentBuilder b(doc);
//   b.month({1, 7, 2026}, {31, 7, 2026}).extended().crew("A ALPHA", 11);
//   const int p = b.pairing(PairingValues(101).Days({3}).OnTime(480)).lastPairing();
//   b.place(b.lastCrew(), p, 3);
//
// Every field of a PairingValues is written, and its defaults are those of a
// cleared pairing slot, so the values a test sets are all it relies on.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/calendar.h"
#include "model/daylight_saving.h"
#include "model/document.h"

namespace lumora::testing {

// A pairing to add: the setters are named after the fields they fill.
class PairingValues {
 public:
  explicit PairingValues(int number) : number_(number) {}

  // Days (0-based) on which an open instance starts.
  PairingValues& Days(std::vector<int> days) {
    days_ = std::move(days);
    return *this;
  }
  PairingValues& Length(int days) {
    length_ = days;
    return *this;
  }
  PairingValues& AdjLength(int days) {
    adjLength_ = days;
    return *this;
  }
  PairingValues& OnTime(int minutes) {
    onTime_ = minutes;
    return *this;
  }
  PairingValues& OffTime(int minutes) {
    offTime_ = minutes;
    return *this;
  }
  PairingValues& TAFB(int minutes) {
    tafb_ = minutes;
    return *this;
  }
  // On each of the pairing's days; Credit is their sum.
  PairingValues& CreditPerDay(int minutes) {
    creditPerDay_ = minutes;
    return *this;
  }
  PairingValues& Prefix(std::string prefix) {
    prefix_ = std::move(prefix);
    return *this;
  }
  PairingValues& CrewPosition(std::string position) {
    position_ = std::move(position);
    return *this;
  }
  PairingValues& MinRestAfter(int minutes) {
    minRestAfter_ = minutes;
    return *this;
  }
  PairingValues& Overnight(bool on) {
    overnight_ = on;
    return *this;
  }

 private:
  friend class DocumentBuilder;

  int number_;
  std::vector<int> days_;
  int length_ = 0;
  int adjLength_ = 0;
  int onTime_ = 0;
  int offTime_ = 0;
  int tafb_ = 0;
  int creditPerDay_ = 0;
  std::string prefix_;
  std::string position_;
  int minRestAfter_ = 660;
  bool overnight_ = false;
};

class DocumentBuilder {
 public:
  // Builds a document of its own (take()), or into `doc`.
  DocumentBuilder() : owned_(std::make_unique<TDocument>()), doc_(owned_.get()) {}
  explicit DocumentBuilder(TDocument& doc) : doc_(&doc) {}

  // The calendar from `first` to `last`.
  DocumentBuilder& month(CivilDate first, CivilDate last) {
    FillCalendar(doc_->cal, ToDayNumber(first), ToDayNumber(last));
    return *this;
  }
  DocumentBuilder& july2026() { return month({1, 7, 2026}, {31, 7, 2026}); }
  // The days after the month, as a loaded file has them.
  DocumentBuilder& extended() {
    ExtendCalendar(doc_->cal);
    return *this;
  }
  DocumentBuilder& daylightSaving() {
    SetupDaylightSaving(doc_->cal);
    return *this;
  }
  DocumentBuilder& kind(CrewKind kind) {
    doc_->CrewType = static_cast<std::uint8_t>(kind);
    return *this;
  }
  DocumentBuilder& descriptor(std::string text) {
    doc_->FileDescriptor = std::move(text);
    return *this;
  }

  // A crew member at the end of the roster; employee number 1000 + its
  // index unless given.
  DocumentBuilder& crew(std::string name, std::optional<int> empNumber = std::nullopt) {
    const int index = doc_->PilotCount++;
    TPilot& p = doc_->Pilots[static_cast<std::size_t>(index)];
    p.Name = std::move(name);
    p.EmpNumber = empNumber.value_or(1000 + index);
    return *this;
  }

  // A base pairing after the last one.
  DocumentBuilder& pairing(const PairingValues& values) {
    const int index = ++doc_->LastPair;
    doc_->LastBasePair = doc_->LastPair;
    TPair& pair = doc_->Pairs[static_cast<std::size_t>(index)];
    pair.Number = values.number_;
    pair.Prefix = values.prefix_;
    pair.CrewPosition = values.position_;
    pair.Length = static_cast<std::int8_t>(values.length_);
    pair.AdjLength = static_cast<std::int8_t>(values.adjLength_);
    pair.OnTime = values.onTime_;
    pair.OffTime = values.offTime_;
    pair.TAFB = values.tafb_;
    pair.MinRestAfter = values.minRestAfter_;
    pair.Overnight = values.overnight_ ? 1 : 0;
    pair.Credit = values.creditPerDay_ * values.length_;
    for (int j = 0; j < values.length_; ++j)
      pair.DailyCredit[static_cast<std::size_t>(j)] = values.creditPerDay_;
    for (const int d : values.days_) pair.DayStatus[static_cast<std::size_t>(d)] = kOpenInstance;
    return *this;
  }

  // The instance of `pairing` on `day` in the crew member's block, as a
  // loaded file has it.
  DocumentBuilder& place(int crew, int pairing, int day) {
    cell(crew, day, pairing);
    std::int32_t& status = doc_->Pairs[static_cast<std::size_t>(pairing)].DayStatus[Day(day)];
    status = status < 0 ? -kAssignedInstance : kAssignedInstance;
    return *this;
  }
  // Only the day cell: a pairing, an other assignment or an empty day.
  DocumentBuilder& cell(int crew, int day, int value) {
    doc_->Pilots[static_cast<std::size_t>(crew)].DayCell[Day(day)] = value;
    return *this;
  }

  int lastCrew() const { return doc_->PilotCount - 1; }
  int lastPairing() const { return doc_->LastPair; }
  TDocument& doc() { return *doc_; }
  // The document built by the default constructor.
  std::unique_ptr<TDocument> take() { return std::move(owned_); }

 private:
  static std::size_t Day(int day) { return static_cast<std::size_t>(day); }

  std::unique_ptr<TDocument> owned_;
  TDocument* doc_;
};

}  // namespace lumora::testing
