#include "shell/document_session.h"

#include <string>

#include "building/block_figures.h"
#include "imports/absences_extract.h"
#include "imports/last_month_extract.h"
#include "imports/pairing_warnings.h"
#include "imports/roster_extract.h"
#include "model/daylight_saving.h"
#include "platform/captions.h"
#include "platform/clipboard.h"
#include "platform/settings_store.h"
#include "platform/ui.h"
#include "shell/shell_texts.h"

namespace lumora {

namespace {

// The clipboard of a session that was given none: the list dialogs' texts
// stay here, so they are never reported as lost.
class SessionClipboard final : public Clipboard {
 public:
  bool setText(std::string_view text) override {
    text_ = text;
    return true;
  }

 private:
  std::string text_;
};

// Validates every pairing in table order; the position of the first invalid
// one, or -1.
int FirstInvalidPairing(TDocument& doc) {
  ValidateAllPairings(doc);
  for (int p = 0; p <= doc.LastPair; ++p)
    if (!doc.pair(p).Valid) return p;
  return -1;
}

std::unique_ptr<Clipboard> OwnClipboardUnless(const Clipboard* given) {
  if (given != nullptr) return nullptr;
  return std::make_unique<SessionClipboard>();
}

}  // namespace

DocumentSession::DocumentSession(Ui& ui, SettingsStore& settings, Clipboard* clipboard,
                                 std::unique_ptr<TDocument> doc)
    : ui_(ui),
      settings_(settings),
      ownClipboard_(OwnClipboardUnless(clipboard)),
      clipboard_(clipboard != nullptr ? *clipboard : *ownClipboard_),
      ownDoc_(doc ? std::move(doc) : std::make_unique<TDocument>()),
      doc_(ownDoc_.get()) {}

DocumentSession::DocumentSession(Ui& ui, SettingsStore& settings, TDocument& doc)
    : ui_(ui),
      settings_(settings),
      ownClipboard_(OwnClipboardUnless(nullptr)),
      clipboard_(*ownClipboard_),
      doc_(&doc) {}

DocumentSession::~DocumentSession() = default;

void DocumentSession::setViews(BlockViewSink* views) {
  views_ = views != nullptr ? views : &noViews_;
}

LoadResult DocumentSession::open(const std::filesystem::path& path) {
  TDocument& doc = *doc_;
  ClearDocument(doc, log_);
  doc.DocState = kNoDocument;
  doc.FileName = path.string();
  LoadResult result = LoadFile(doc, ui_, log_);
  if (!result.loaded) {
    doc.FileName.clear();  // nothing of that file is in the document
    return result;
  }
  if (result.blocksShown)
    buildBlocks({result.pairWindowVisible, result.toolboxWindowVisible, result.bidsWindowVisible});
  // An opened file starts with the search filter released, whatever the last
  // document left in the settings.
  doc.BlockSearchOn = 0;
  ExtendCalendar(doc.cal);
  FlagExtraCrewPairs(doc, log_);
  return result;
}

bool DocumentSession::save(const std::filesystem::path& path) {
  return SaveFile(*doc_, path, kScheduleFile, ui_, log_);
}

void DocumentSession::buildBlocks(const WindowSwitches& windows) {
  TDocument& doc = *doc_;
  if (doc.BlocksShown) return;
  BlockViewSink& sink = *views_;
  log_.write("BuildBlocksBegin\n");
  RepairAssignments(doc, ui_);
  if (FirstInvalidPairing(doc) >= 0) {
    if (pairingHooks_.showWarnings)
      pairingHooks_.showWarnings();
    else
      ShowPairingWarnings(doc, ui_);
    // The warnings may have been corrected from the dialog; the editor is
    // offered on the first pairing still invalid.
    const int firstInvalid = FirstInvalidPairing(doc);
    if (firstInvalid >= 0 && pairingHooks_.editPairings &&
        ui_.ask(shell_text::kInvalidPairingsQuestion, kAppCaption, Buttons::YesNo,
                Icon::Question) == Answer::Yes) {
      pairingHooks_.editPairings(firstInvalid);
      return;
    }
  }

  doc.view.selection = PairSelection{};
  doc.view.previousSelection = PairSelection{};
  doc.view.lastShownDay = -1;
  doc.view.lastShownSlot = -1;
  RecalcAllBlockCredits(doc, false, ui_, sink);
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
    ui_.message(kDaylightSavingProblem, kAppCaption, Icon::Information);
  ExtendCalendar(doc.cal);
  for (int c = 0; c < doc.PilotCount; ++c) {
    TPilot& pilot = doc.Pilots[c];
    for (DayRecord& activity : pilot.Activity)
      if (activity[kActDutyStart] > 0 && activity[kActDutyStartHomeBase] == 0)
        activity[kActDutyStartHomeBase] = activity[kActDutyStart];
    pilot.ParseLast89HardTime();
    pilot.ComputeOnLeaveAllMonth(doc.cal.MonthLength);
  }
  rules_->CheckAllBlocks(doc);
  CountDayBalance(doc, sink);

  doc.view.searchGroupVisible = 1;
  RestoreViewStates(doc, settings_);
  log_.write("BuildBlocksEnd\n");
}

WindowSwitches DocumentSession::shownWindows() const {
  return {doc_->PairWindowVisible != 0, doc_->ToolboxWindowVisible != 0,
          doc_->BidsWindowVisible != 0};
}

bool DocumentSession::closeViews() {
  TDocument& doc = *doc_;
  if (!doc.BlocksShown) return false;
  StoreViewStates(doc, settings_);
  doc.PairWindowVisible = 0;
  doc.ToolboxWindowVisible = 0;
  doc.BidsWindowVisible = 0;
  doc.BlocksShown = 0;
  doc.view.searchGroupVisible = 0;
  return true;
}

void DocumentSession::startNewFile(const std::function<void()>& closeViews) {
  log_.write(shell_text::kFileNewLine);
  if (closeViews)
    closeViews();
  else
    this->closeViews();
  TDocument& doc = *doc_;
  doc.Modified = 0;
  doc.Untitled = 1;
  ClearDocument(doc, log_);
  doc.DocState = kNoDocument;
}

bool DocumentSession::saveAs(const std::filesystem::path& path) {
  if (!save(path)) return false;
  doc_->FileName = path.string();
  doc_->FreshDocument = 0;
  doc_->Untitled = 0;
  return true;
}

bool DocumentSession::importPairings(const PrgDialogRunner& runDialog, PrgCommandHooks hooks) {
  // The blocks come back with the floating windows shown before the import.
  const WindowSwitches windows = shownWindows();
  if (!hooks.closeViews) hooks.closeViews = [this] { closeViews(); };
  if (!hooks.buildBlocks) hooks.buildBlocks = [this, windows] { buildBlocks(windows); };
  if (!hooks.import.showPairingWarnings)
    hooks.import.showPairingWarnings = [this] { ShowPairingWarnings(*doc_, ui_); };
  return ThisMonthsPairings(*doc_, importServices(), hooks, runDialog);
}

bool DocumentSession::scanLis(const LisScanHooks& hooks) {
  return ScanLisFiles(*doc_, importServices(), hooks);
}

ToolBoxOutcome DocumentSession::loadToolbox() {
  return LoadToolBoxFile(*doc_, ui_, settings_);
}

bool DocumentSession::importRoster() {
  return LoadRosterExtract(*doc_, doc_->FileDescriptor, importServices());
}

bool DocumentSession::importAbsences(bool nextMonth, std::function<void()> closeViewsHook) {
  if (!closeViewsHook) closeViewsHook = [this] { closeViews(); };
  return LoadAbsencesExtract(*doc_, nextMonth, importServices(), closeViewsHook);
}

bool DocumentSession::importLastMonth(std::function<void()> closeViews) {
  if (!closeViews) closeViews = [this] { this->closeViews(); };
  return LoadLastMonthActivity(*doc_, importServices(), closeViews);
}

}  // namespace lumora
