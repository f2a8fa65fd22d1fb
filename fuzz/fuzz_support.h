#pragma once
// What the fuzz targets share to stay fast on a full-capacity document: each
// input clears only the records the inputs before it wrote, and the costly
// whole-document checks run on a fixed share of the inputs.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "model/document.h"

namespace lumora::fuzzing {

// The slots of the document's tables that may hold something since they
// were last cleared. The first clear takes every slot ClearDocument does: a
// record cleared is not the same as one just constructed.
class TouchedRecords {
 public:
  // After an input: the tables' counts tell how far it wrote.
  void note(const TDocument& doc) {
    pilots_ = std::max(pilots_, doc.rosterSize());
    pairs_ = std::max(pairs_, doc.lastPairIndex() + 1);
    toolbox_ = std::max(toolbox_, doc.toolboxSize());
  }

  // What ClearDocument leaves, clearing only the slots noted.
  void clearDocument(TDocument& doc) {
    for (int c = 0; c < pilots_; ++c) doc.pilot(c).Clear();
    // ClearDocument leaves the slot after the imported pairings as it is.
    for (int p = 0; p < std::min(pairs_, kMaxImportedPairs); ++p) doc.pair(p).Clear();
    // ClearDocument keeps the toolbox records; clearing them keeps one
    // input's toolbox out of the next input's run.
    for (int t = 0; t < toolbox_; ++t) doc.toolboxItem(t).Clear();
    doc.PilotCount = 0;
    doc.LastPair = -1;
    doc.LastBasePair = -1;
    ClearDocumentFields(doc);
    pilots_ = pairs_ = toolbox_ = 0;
  }

 private:
  int pilots_ = kPilotSlots;
  int pairs_ = kPairSlots;
  int toolbox_ = 0;
};

// True for about one input in `share`, always the same inputs: a crash found
// by a sampled check reproduces from its input alone.
inline bool Sampled(const std::uint8_t* data, std::size_t size, std::uint32_t share) {
  std::uint32_t hash = 2166136261u;  // FNV-1a
  for (std::size_t i = 0; i < size; ++i) hash = (hash ^ data[i]) * 16777619u;
  return hash % share == 0;
}

}  // namespace lumora::fuzzing
