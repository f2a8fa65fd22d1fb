#pragma once
// Generated months for the property tests: one seed draws a crew category, a
// month of 28 to 31 days and the sizes of the tables (empty ones included),
// writes the month's input files with the sample generator, imports them as
// the program does, and fills the blocks with assignments, other
// assignments, day-off requests, locks and personal rule overrides through
// the grid's own core calls.
//
// Rounds and seeds: LUMORA_PROPERTY_ROUNDS sets how many seeds a property
// tries (default: a few, so the normal suite stays quick);
// LUMORA_PROPERTY_SEED sets the first one. A failure names its seed, and
// LUMORA_PROPERTY_SEED=S LUMORA_PROPERTY_ROUNDS=1 replays it alone.

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "building/block_edit.h"
#include "doubles/memory_settings.h"
#include "platform/unattended_ui.h"
#include "samples/random.h"
#include "samples/sample_set.h"
#include "samples/world.h"
#include "shell/document_session.h"

namespace lumora::testing {

using Bytes = std::vector<std::uint8_t>;

// The seeds of one property's run: `defaultRounds` of them from a fixed
// first seed, unless the environment says otherwise, then the seeds that
// once found a fault (not when a seed is being replayed).
std::vector<std::uint32_t> PropertySeeds(int defaultRounds,
                                         std::initializer_list<std::uint32_t> found = {});

// Empty when the two are equal, else where they first differ.
std::string ByteDifference(const Bytes& expected, const Bytes& actual);

// "seed S (round R): replay with LUMORA_PROPERTY_SEED=S LUMORA_PROPERTY_ROUNDS=1".
std::string ReplayNote(std::uint32_t seed, std::size_t round);

struct MonthShape {
  samples::Category category = samples::Category::Captain;
  int year = 2027;
  int month = 2;
  int pairings = 0;  // records the PRG import keeps; 0: no pairings imported
  bool roster = true;
  bool toolbox = true;
  bool lastMonth = true;
  bool absences = true;
  int edits = 0;  // random block edits after the first build

  std::string describe() const;
};

// Every crew category and month length comes round within twelve seeds.
MonthShape ShapeFor(std::uint32_t seed);

// Questions answered Yes, file dialogs answered with the file the test
// queued, messages dropped.
class PropertyUi final : public UnattendedUi {
 public:
  PropertyUi() : UnattendedUi(nowhere_, UnattendedAnswers::Yes) {}
  void chooseFile(std::string path) { chosen_ = std::move(path); }
  std::vector<std::string> openFiles(const FileDialogOptions&) override;

 private:
  std::ostream nowhere_{nullptr};
  std::optional<std::string> chosen_;
};

class PropertyMonth {
 public:
  // Allocates the document once; build() fills it again for each seed.
  explicit PropertyMonth(std::filesystem::path folder);

  // With `pastRestChecks` false the blocks get only pairings, each assigned
  // with the rest checks, so every one could be made again (undo makes it
  // again with them).
  void build(std::uint32_t seed, bool pastRestChecks = true);

  DocumentSession& session() { return session_; }
  TDocument& doc() { return session_.document(); }
  BlockEditContext edit() { return session_.editContext(); }
  PropertyUi& ui() { return ui_; }
  const MonthShape& shape() const { return shape_; }
  samples::Rng& rng() { return rng_; }

  // The month's input files, as the generator wrote them.
  const std::vector<samples::OutputFile>& files() const { return files_; }
  // The file whose name ends with `suffix`; nothing when the set has none.
  const samples::OutputFile* file(std::string_view suffix) const;
  // The file written into the test's folder, for imports that open a file.
  std::filesystem::path onDisk(const samples::OutputFile& file) const;

  // The document as the schedule file stores it.
  Bytes bytes();

  // One random change of a block as the grid makes it: assign an open
  // instance (now and then past the rest checks), remove a pairing with
  // the right button, place a toolbox code or a request, or remove an other
  // assignment. Returns whether the document changed. With
  // `pairingsOnly`, only assignments and removals of unlocked pairings.
  bool randomEdit(bool pairingsOnly = false);

 private:
  void importFiles();
  void fillBlocks();

  std::filesystem::path folder_;
  PropertyUi ui_;
  MemorySettings settings_;
  DocumentSession session_;
  MonthShape shape_;
  samples::Rng rng_{1};
  bool pastRestChecks_ = true;
  std::vector<samples::OutputFile> files_;
};

}  // namespace lumora::testing
