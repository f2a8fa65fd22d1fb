#include "shell/document_lifecycle.h"

#include <array>

#include "platform/settings_catalogue.h"
#include "platform/settings_store.h"

namespace lumora {

namespace {

// The block-filter buttons and the settings that keep their state between
// documents.
struct BlockFilterSetting {
  int command;
  const SettingKey& key;
};
constexpr std::array<BlockFilterSetting, kBlockFilterButtons> kBlockFilterSettings{{
    {553, kHideLeaveBlocks},
    {552, kHideCompleted},
    {551, kHideCheckPilots},
    {554, kHideBlockHolders},
    {557, kShowBlockHolders},
    {555, kShowCcp},
    {556, kShowLtc},
    {550, kFilterSearch},
}};

// The search check boxes "Names", "Emp Nums", "Pairs + Abs", "Bids", in the
// order of the document's search-check flags.
constexpr std::array<const SettingKey*, kSearchCheckBoxes> kSearchCheckSettings{
    &kNameCheck, &kEmpNumCheck, &kPairCheck, &kBidCheck};

}  // namespace

void RestoreViewStates(TDocument& doc, const SettingsStore& settings) {
  for (const BlockFilterSetting& filter : kBlockFilterSettings)
    *BlockFilterFlag(doc, filter.command) = ReadSettingFlag(settings, filter.key) ? 1 : 0;
  for (std::size_t i = 0; i < kSearchCheckSettings.size(); ++i)
    doc.view.searchChecks[i] = ReadSettingFlag(settings, *kSearchCheckSettings[i]) ? 1 : 0;
}

void StoreViewStates(const TDocument& doc, SettingsStore& settings) {
  for (const BlockFilterSetting& filter : kBlockFilterSettings)
    WriteSettingFlag(settings, filter.key, IsBlockFilterOn(doc, filter.command));
  for (std::size_t i = 0; i < kSearchCheckSettings.size(); ++i)
    WriteSettingFlag(settings, *kSearchCheckSettings[i], doc.view.searchChecks[i] != 0);
}

}  // namespace lumora
