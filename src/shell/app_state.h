#pragma once
// The application frame: the one document for the whole run, the start-up
// and shutdown sequences, the document lifecycle (new, open, save, build the
// blocks, close) and the routing of commands through the command table.
// Front ends show what it asks for and call it for every command and key.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "building/block_edit.h"
#include "building/block_figures.h"
#include "model/document.h"
#include "platform/event_log.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"
#include "shell/document_lifecycle.h"
#include "shell/document_session.h"
#include "shell/frame_dialogs.h"
#include "shell/recent_files.h"
#include "shell/startup_settings.h"
#include "views/block_grid.h"

namespace lumora {

class Clock;
class Clipboard;
class InstanceLock;
class RunningCopy;
class Mailer;
class Printer;
class SettingsStore;
class TPairWin;
class Ui;

// What the frame asks of the desktop window beyond the Ui's messages, file
// dialogs and dialog models.
class AppFrontEnd {
 public:
  virtual ~AppFrontEnd() = default;

  // Starts a program detached from this one; false when it could not start.
  virtual bool startProgram(const std::filesystem::path& program) = 0;
  // Opens a page in the desktop's browser.
  virtual void openHelpPage(const std::filesystem::path& page) = 0;
  // Closes the main window, which asks LumoraApp::CanClose first.
  virtual void closeMainWindow() = 0;
  // The display settings (LumoraApp::display) changed: the views take them.
  virtual void displayChanged() {}
  // The status-bar gauge's caption while an import runs (empty at its end).
  virtual void setGaugeCaption(std::string_view /*caption*/) {}
  // A short note in the status bar that goes by itself, as after a save.
  virtual void showNote(std::string_view /*text*/) {}

  // The floating windows are about to be hidden: the bids window stores its
  // pending edits.
  virtual void viewsClosing() {}
  // The bids window asks about its pending edits of a bid text.
  virtual void storeBidEdits() {}
  // The bids window stores its pending edits and hides, while the document
  // still says whether it is meant to be shown (stateChanged shows it again).
  virtual void hideBidsWindow() {}
  // A new or opened document replaced the old one: the pairing text window
  // goes and the grid scrolls to the top left.
  virtual void documentReplaced() {}
  // The caption, the menu, the state of the commands or the views changed.
  // The floating windows follow the document's visibility flags.
  virtual void stateChanged() {}

  // The document exists (start-up, before the command line's file opens):
  // the views that show it can be made.
  virtual void documentCreated() {}
  // Where block changes report what to repaint; a front end without views
  // keeps the default, which ignores everything.
  virtual BlockViewSink& blockViews();
  // BuildBlocks has run: the pairing window is laid out again, the toolbox
  // rebuilt, the grid's scroll range set and everything repainted.
  virtual void blocksBuilt() {}
  // "Show Only Open Pairings" while the pairing window is shown.
  virtual void toggleShowOnlyOpenPairings() {}
  // The pairing window's model, laid out with its filters and "Show Only
  // Open Pairings" as they stand (the visual pairings print it; a window
  // that has been hidden since the blocks changed would hold an old
  // layout); nothing for a front end without one.
  virtual const TPairWin* pairingLayout() { return nullptr; }

  // The pairing window's model, for the pairing filters to mark and lay out;
  // nothing for a front end without one.
  virtual TPairWin* pairWindowModel() { return nullptr; }
  // The pairing filters were applied or cleared: the pairing window is
  // scrolled to its top and repainted with its caption, and the grid's
  // corner too.
  virtual void pairingFiltersChanged() {}
  // A block filter was toggled or the search asked for: the display order is
  // built again, with `search` after searching the search box's text.
  virtual void applyBlockFilters(bool /*search*/) {}

  // Proposed assignments drawn in the grid over the blocks, until an empty
  // list takes them away; they are no part of the document.
  virtual void showProposedCells(std::span<const ProposedCell> /*cells*/) {}
  // Brings a crew member's day into the grid's view and frames the proposed
  // assignment there.
  virtual void showProposedCell(int /*crew*/, int /*day*/) {}
};

// What the frame found on this desktop at start.
struct AppEnvironment {
  std::optional<std::filesystem::path> calculator;
  std::optional<std::filesystem::path> helpPage;
  bool mailAvailable = false;
  std::string version;
};

// The calculator on PATH and the help page of the program in `programFolder`.
AppEnvironment DetectEnvironment(const std::filesystem::path& programFolder, std::string version);

struct AppServices {
  Ui& ui;
  const Clock& clock;
  SettingsStore& settings;
  AppFrontEnd& frontEnd;
  InstanceLock& instanceLock;
  // The system clipboard for the list dialogs' texts; without one they are
  // kept by the frame alone.
  Clipboard* clipboard = nullptr;
  // The desktop's mail program; without one the e-mail questions send nothing.
  Mailer* mailer = nullptr;
  // The printer of the print commands; without one they print nothing.
  Printer* printer = nullptr;
  // The copy already running, which a second start hands its file to; without
  // one a second start only says that a copy runs.
  RunningCopy* runningCopy = nullptr;
};

struct StartResult {
  bool run = false;  // false: the process ends with exitCode
  int exitCode = 0;
};

// The file named on the command line: nothing for a line of fewer than two
// characters, and the name without its surrounding double quotes.
std::optional<std::string> CommandLineFile(std::string_view commandLine);

class LumoraApp {
 public:
  using DocumentFactory = std::function<std::unique_ptr<TDocument>()>;

  // `makeDocument` replaces the document's allocation (tests of its failure).
  LumoraApp(const AppServices& services, AppEnvironment environment,
            DocumentFactory makeDocument = {});
  ~LumoraApp();
  LumoraApp(const LumoraApp&) = delete;
  LumoraApp& operator=(const LumoraApp&) = delete;

  // The start-up sequence: one running copy, the document, the event log
  // (opened by `openEventLog` when the settings ask for it), then the file of
  // the command line. When the result says not to run, the process ends.
  StartResult start(std::string_view commandLine,
                    const std::function<void(EventLog&)>& openEventLog = {});
  // After the main window has closed: the event log's last line, the lock.
  void shutdown();

  // --- state the window shows
  bool hasDocument() const { return session_ != nullptr; }
  // The session exists once start() has allocated the document.
  DocumentSession& session() { return *session_; }
  TDocument& document() { return session_->document(); }
  const TDocument& document() const { return session_->document(); }
  EventLog& eventLog() { return session_->log(); }
  BlockRules& rules() { return session_->rules(); }
  Ui& ui() { return ui_; }
  SettingsStore& settings() { return settings_; }
  AppFrontEnd& frontEnd() { return frontEnd_; }
  Mailer* mailer() { return mailer_; }
  Printer* printer() { return printer_; }
  // Switches, paddings, grid font and colours in use, read at start; the
  // preferences change them.
  StartupSettings& display() { return display_; }
  const StartupSettings& display() const { return display_; }
  const std::string& caption() const { return caption_; }
  const char* menuName() const { return MenuName(commandContext()); }
  CommandContext commandContext() const;
  bool isEnabled(int command) const;
  bool isChecked(int command) const;
  const RecentFiles& recentFiles() const { return recent_; }
  bool helpUsed() const { return helpUsed_; }
  const AppEnvironment& environment() const { return environment_; }

  // --- input
  // Runs a command when it is enabled; false when it did not run.
  bool dispatch(int command);
  void keyDown(ShellKey key);
  void keyUp(ShellKey key);
  // Opens entry `index` of the recent-files list.
  bool openRecent(std::size_t index);
  // Timer 1, every kTimerPeriodMs.
  void timerTick();

  // --- the document lifecycle, also used by other parts of the program
  void NewFile();
  bool Open();
  bool OpenFile(const std::string& name);
  bool Save();
  bool SaveAs();
  // "Backup..." (F8): a copy of the named document into a folder of the
  // user's choice.
  void Backup();
  void BuildBlocks(const WindowSwitches& windows);
  void CloseViews();
  // Asks about unsaved changes; true when the window may close.
  bool CanClose();
  // The caption "Lumora - " with the document's full file name.
  void UpdateFileCaption();

  // What a change of a block needs: the document, the user, the log, the
  // rules and the front end's views.
  BlockEditContext editContext();
  // A floating window was closed by its own close box.
  void pairWindowClosed();
  void toolboxClosed();
  // The help page was opened during this run.
  void markHelpUsed() { helpUsed_ = true; }
  // Something a command did changed what the window shows.
  void changed();

 private:
  bool askDiscardOnOpen();
  bool openNamed(const std::string& name);
  std::string startFolder() const;

  Ui& ui_;
  const Clock& clock_;
  SettingsStore& settings_;
  AppFrontEnd& frontEnd_;
  InstanceLock& instanceLock_;
  RunningCopy* runningCopy_;
  Clipboard* clipboard_;
  Mailer* mailer_;
  Printer* printer_;
  AppEnvironment environment_;
  DocumentFactory makeDocument_;
  StartupSettings display_;
  CommandRegistry commands_;

  std::unique_ptr<DocumentSession> session_;
  RecentFiles recent_;
  std::string caption_;
  bool lockHeld_ = false;
  bool helpUsed_ = false;
  bool shutDown_ = false;
};

}  // namespace lumora
