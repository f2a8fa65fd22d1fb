#pragma once
// Fills a document with random values in every field the schedule file
// stores, for round-trip and robustness tests. The same seed gives the same
// document.

#include <cstdint>

#include "model/document.h"

namespace lumora::testing {

struct RandomDocumentOptions {
  int maxPilots = 12;   // PilotCount is drawn from 0..maxPilots (at most 999)
  int maxPairs = 20;    // LastPair + 1 is drawn from 0..maxPairs (at most 3001)
  int maxToolbox = 10;  // ToolboxCount is drawn from 0..maxToolbox (at most 300)
  int maxText = 12;     // texts have 0..maxText characters, any byte value
  // false: every value is one a load gives back unchanged (flags 0 or 1, day
  // cells -2..LastPair, pairing lengths 0..31, short texts of at most 5
  // non-zero characters, the block-search flag off, a consistent
  // LastBasePair), so that a saved and reloaded document saves to the same
  // bytes. true: any value of the field's type, for robustness tests.
  bool wild = false;
  // The three counts at the maxima above instead of drawn.
  bool fullTables = false;
};

// Clears the document (ClearDocument) and fills it. Fields that the file
// does not store keep their cleared values, except that the document's
// window and grid flags are drawn too.
void FillRandomDocument(TDocument& doc, std::uint32_t seed,
                        const RandomDocumentOptions& options = {});

}  // namespace lumora::testing
