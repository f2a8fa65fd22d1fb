#pragma once
// The document session: the one document of a run with everything its
// operations need around it (the user, the event log, the settings, the
// clipboard, the legality rules and the views). The desktop program, the
// batch tool and the sample generators each construct one with their own
// platform objects and run the same open, save, build and import sequences
// on it.

#include <filesystem>
#include <functional>
#include <memory>
#include <utility>

#include "building/block_edit.h"
#include "files/schedule_file.h"
#include "imports/import_services.h"
#include "imports/lis_scan.h"
#include "imports/prg_dialog.h"
#include "imports/toolbox_file.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "rules/check_block.h"
#include "shell/document_lifecycle.h"

namespace lumora {

class Clipboard;
class SettingsStore;
class Ui;

class DocumentSession {
 public:
  // `doc` is the document allocated by the caller (who reports a failed
  // allocation); without one the session allocates it. Without a clipboard
  // the list dialogs' texts are kept by the session alone.
  DocumentSession(Ui& ui, SettingsStore& settings, Clipboard* clipboard = nullptr,
                  std::unique_ptr<TDocument> doc = nullptr);
  // A session on a document that stays the caller's and outlives it (a
  // benchmark's, filled through the session's sequences).
  DocumentSession(Ui& ui, SettingsStore& settings, TDocument& doc);
  ~DocumentSession();
  DocumentSession(const DocumentSession&) = delete;
  DocumentSession& operator=(const DocumentSession&) = delete;

  TDocument& document() { return *doc_; }
  const TDocument& document() const { return *doc_; }
  Ui& ui() { return ui_; }
  EventLog& log() { return log_; }
  SettingsStore& settings() { return settings_; }
  Clipboard& clipboard() { return clipboard_; }
  BlockRules& rules() { return *rules_; }
  // Other legality rules than the program's own (tests, a batch run).
  void useRules(BlockRules& rules) { rules_ = &rules; }
  BlockViewSink& views() { return *views_; }
  // Where block changes report what to repaint; null goes back to the
  // default sink, which ignores everything.
  void setViews(BlockViewSink* views);

  BlockEditContext editContext() { return {*doc_, ui_, log_, *rules_, *views_}; }
  ImportServices importServices() { return importServices(ui_); }
  // With another Ui for the import's own dialogs (a batch run answers its
  // file dialog with the names it was given).
  ImportServices importServices(Ui& ui) { return {ui, clipboard_, settings_, log_}; }

  // Clears the document, loads `path` into it, rebuilds the blocks when the
  // file was saved with them shown, and restores the calendar after the month
  // and the extra-crew marks. A file that does not load leaves the document
  // cleared with no file name and DocState kNoDocument.
  LoadResult open(const std::filesystem::path& path);
  // Writes the document as a schedule file; the document keeps its name.
  bool save(const std::filesystem::path& path);

  // New... once its question is answered Yes: closes the views (`closeViews`,
  // or the session's own), clears the document and leaves it untitled and
  // unmodified with DocState kNoDocument, ready for the month's dates.
  void startNewFile(const std::function<void()>& closeViews = {});
  // Save As to `path`: on success the document takes the name and is no
  // longer fresh nor untitled.
  bool saveAs(const std::filesystem::path& path);

  // What building the blocks does about invalid pairings.
  struct PairingHooks {
    // Shows the pairing warnings; empty: the session's own list.
    std::function<void()> showWarnings;
    // Opens the pairing editor on the table position of the first invalid
    // pairing. Empty (no editor, as in the batch tool): building goes on
    // without asking.
    std::function<void(int firstInvalid)> editPairings;
  };
  void setPairingHooks(PairingHooks hooks) { pairingHooks_ = std::move(hooks); }

  // Derives what the schedule file does not store, checks every block and
  // marks the blocks built; the block filters and search check boxes come
  // back as the last document left them. Does nothing when the blocks are
  // already built. An invalid pairing shows the pairing warnings; when some
  // stay invalid and there is an editor, the user may go and correct them
  // instead, and the blocks are not built (BlocksShown stays clear).
  void buildBlocks(const WindowSwitches& windows);
  // The floating windows shown now, for a rebuild that keeps them.
  WindowSwitches shownWindows() const;
  // Keeps the block-filter and search states for the next document, hides the
  // floating windows and the search group, and marks the blocks not built.
  // Does nothing (and returns false) while the blocks are not built.
  bool closeViews();

  // "This Month's Pairings...": the dialog, whose OK closes the views, loads
  // the file and builds the blocks again with the floating windows shown
  // before. Hooks left empty in `hooks` get the session's own: the pairing
  // warnings as a list, no LIS scan. Returns whether pairings were loaded.
  bool importPairings(const PrgDialogRunner& runDialog, PrgCommandHooks hooks = {});
  // "AC Type and French Data from LIS Files...".
  bool scanLis(const LisScanHooks& hooks = {});
  // "ToolBox Items...".
  ToolBoxOutcome loadToolbox();
  // The crew roster extract, for the document's own descriptor.
  bool importRoster();
  // "Crew Absences from Extract..." or, with `nextMonth`, "Next Month's
  // Absences from Extract...". Without a hook the session closes its views.
  bool importAbsences(bool nextMonth, std::function<void()> closeViews = {});
  // "Last Month's Data from  Extract...": the activity and prior-pairing
  // extracts. `closeViews` (the session's own when empty) runs once both
  // files are accepted.
  bool importLastMonth(std::function<void()> closeViews = {});

 private:
  Ui& ui_;
  SettingsStore& settings_;
  std::unique_ptr<Clipboard> ownClipboard_;
  Clipboard& clipboard_;
  std::unique_ptr<TDocument> ownDoc_;
  TDocument* doc_;  // ownDoc_'s or the caller's
  EventLog log_;
  LumoraRules ownRules_;
  BlockRules* rules_ = &ownRules_;
  BlockViewSink noViews_;
  BlockViewSink* views_ = &noViews_;
  PairingHooks pairingHooks_;
};

}  // namespace lumora
