#pragma once
// The vocabulary of the document's lifecycle: the DocState values, the
// floating windows a build shows, and the block-filter states kept between
// documents. The sequences themselves are DocumentSession's.

#include <cstdint>
#include "model/document.h"
#include "views/block_filters.h"

namespace lumora {

class SettingsStore;

// DocState values: a document is loaded or being created, or there is none.
inline constexpr std::int32_t kDocumentLoaded = 1;
inline constexpr std::int32_t kNoDocument = 3;

// Which floating windows BuildBlocks shows.
struct WindowSwitches {
  bool pairWindow = false;
  bool toolbox = false;
  bool bidsWindow = false;
};

// The block-filter and search check-box states kept in the settings between
// documents: restored when the blocks are built, stored when the views close.
void RestoreViewStates(TDocument& doc, const SettingsStore& settings);
void StoreViewStates(const TDocument& doc, SettingsStore& settings);

}  // namespace lumora
