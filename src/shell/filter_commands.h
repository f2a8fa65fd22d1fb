#pragma once
// The pairing filters and the block filters as the other windows reach them
// (the bids window, the grid's clicks, the roster edits): each acts on the
// front end's pairing window and display order, and does nothing where the
// front end has none.

namespace lumora {

class LumoraApp;

// Whether the pairing filters are on.
bool PairingFiltersOn(LumoraApp& app);
// Applies crew member `crew`'s stored filter (a roster index).
void SetCrewFilterOf(LumoraApp& app, int crew);
// Clears the pairing filters.
void ClearPairingFiltersOf(LumoraApp& app);
// The bid filter editor of crew member `crew`; true when OK stored his filter.
bool EditBidFilterOf(LumoraApp& app, int crew);
// Builds the grid's display order again from the block filters.
void ReapplyBlockFilters(LumoraApp& app);

}  // namespace lumora
