#include "shell/document_lifecycle.h"

#include <array>

#include "building/block_edit.h"
#include "building/block_figures.h"
#include "building/block_rules.h"
#include "model/daylight_saving.h"
#include "platform/captions.h"
#include "platform/event_log.h"
#include "platform/settings_catalogue.h"
#include "platform/settings_store.h"
#include "platform/ui.h"

namespace lumora {

namespace {

constexpr int kFirstBlockFilter = 550;
constexpr int kSearchFilter = 550;

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

void RestoreViewSettings(TDocument& doc, const SettingsStore& settings) {
  for (const BlockFilterSetting& filter : kBlockFilterSettings)
    *BlockFilterFlag(doc, filter.command) = ReadSettingFlag(settings, filter.key) ? 1 : 0;
  for (std::size_t i = 0; i < kSearchCheckSettings.size(); ++i)
    doc.view.searchChecks[i] = ReadSettingFlag(settings, *kSearchCheckSettings[i]) ? 1 : 0;
}

void StoreViewSettings(TDocument& doc, SettingsStore& settings) {
  for (const BlockFilterSetting& filter : kBlockFilterSettings)
    WriteSettingFlag(settings, filter.key, *BlockFilterFlag(doc, filter.command) != 0);
  for (std::size_t i = 0; i < kSearchCheckSettings.size(); ++i)
    WriteSettingFlag(settings, *kSearchCheckSettings[i], doc.view.searchChecks[i] != 0);
}

}  // namespace

std::uint8_t* BlockFilterFlag(TDocument& doc, int command) {
  if (command == kSearchFilter) return &doc.BlockSearchOn;
  const int index = command - kFirstBlockFilter;
  if (index <= 0 || index >= kBlockFilterButtons) return nullptr;
  return &doc.view.blockFilters[static_cast<std::size_t>(index)];
}

bool IsBlockFilterOn(const TDocument& doc, int command) {
  if (command == kSearchFilter) return doc.BlockSearchOn != 0;
  const int index = command - kFirstBlockFilter;
  if (index <= 0 || index >= kBlockFilterButtons) return false;
  return doc.view.blockFilters[static_cast<std::size_t>(index)] != 0;
}

void BuildBlocks(TDocument& doc, const WindowSwitches& windows, Ui& ui, EventLog& log,
                 const SettingsStore* settings, BlockRules* rules, BlockViewSink* views) {
  if (doc.BlocksShown) return;
  BlockViewSink noViews;
  BlockViewSink& sink = views != nullptr ? *views : noViews;
  log.write("BuildBlocksBegin\n");
  RepairAssignments(doc, ui);
  ValidateAllPairings(doc);

  doc.view.selection = PairSelection{};
  doc.view.previousSelection = PairSelection{};
  doc.view.lastShownDay = -1;
  doc.view.lastShownSlot = -1;
  RecalcAllBlockCredits(doc, false, ui, sink);
  doc.BlocksShown = 1;
  FindBlockHolderLine(doc, sink);

  // The document records which floating windows are shown; the windows
  // themselves follow it once they exist. Flight-attendant files have no
  // bids window.
  doc.PairWindowVisible = windows.pairWindow ? 1 : 0;
  doc.ToolboxWindowVisible = windows.toolbox ? 1 : 0;
  if (doc.crewKind() != CrewKind::FlightAttendants)
    doc.BidsWindowVisible = windows.bidsWindow ? 1 : 0;

  // Without the month's change the build goes on uncorrected.
  if (!SetupDaylightSaving(doc.cal))
    ui.message(kDaylightSavingProblem, kAppCaption, Icon::Information);
  ExtendCalendar(doc.cal);
  for (int c = 0; c < doc.PilotCount; ++c) {
    TPilot& pilot = doc.Pilots[c];
    for (DayRecord& activity : pilot.Activity)
      if (activity[kActDutyStart] > 0 && activity[kActDutyStartHomeBase] == 0)
        activity[kActDutyStartHomeBase] = activity[kActDutyStart];
    pilot.ParseLast89HardTime();
    pilot.ComputeOnLeaveAllMonth(doc.cal.MonthLength);
  }
  if (rules != nullptr) rules->CheckAllBlocks(doc);
  CountDayBalance(doc, sink);

  doc.view.searchGroupVisible = 1;
  if (settings != nullptr) RestoreViewSettings(doc, *settings);
  log.write("BuildBlocksEnd\n");
}

bool CloseViews(TDocument& doc, SettingsStore& settings) {
  if (!doc.BlocksShown) return false;
  StoreViewSettings(doc, settings);
  doc.PairWindowVisible = 0;
  doc.ToolboxWindowVisible = 0;
  doc.BidsWindowVisible = 0;
  doc.BlocksShown = 0;
  doc.view.searchGroupVisible = 0;
  return true;
}

LoadResult OpenDocument(TDocument& doc, const std::filesystem::path& path, Ui& ui, EventLog& log,
                        const SettingsStore* settings, BlockRules* rules, BlockViewSink* views) {
  ClearDocument(doc, log);
  doc.DocState = kNoDocument;
  doc.FileName = path.string();
  LoadResult result = LoadFile(doc, ui, log);
  if (!result.loaded) {
    doc.FileName.clear();  // nothing of that file is in the document
    return result;
  }
  if (result.blocksShown)
    BuildBlocks(doc,
                {result.pairWindowVisible, result.toolboxWindowVisible, result.bidsWindowVisible},
                ui, log, settings, rules, views);
  // An opened file starts with the search filter released, whatever the last
  // document left in the settings.
  doc.BlockSearchOn = 0;
  ExtendCalendar(doc.cal);
  FlagExtraCrewPairs(doc, log);
  return result;
}

}  // namespace lumora
