#include "shell/app_state.h"

#include <cstdint>
#include <cstdio>
#include <new>

#include "files/backup.h"
#include "files/schedule_file.h"
#include "model/daylight_saving.h"
#include "model/set_dates_dialog.h"
#include "platform/settings_catalogue.h"
#include "platform/settings_store.h"
#include "platform/ui.h"
#include "shell/desktop_tools.h"
#include "shell/event_log_startup.h"
#include "shell/instance_lock.h"
#include "shell/new_file_wizard.h"
#include "shell/pairing_edit_commands.h"
#include "shell/shell_texts.h"
#include "shell/user_folders.h"

namespace lumora {

namespace {

namespace text = shell_text;

void RememberFolder(SettingsStore& settings, const std::filesystem::path& file) {
  const std::filesystem::path folder = file.parent_path();
  if (!folder.empty()) WriteSetting(settings, kLastBlkPath, folder.string());
}

// A name typed without an extension gets the schedule file's.
std::filesystem::path WithScheduleExtension(std::filesystem::path name) {
  if (!name.has_extension()) name += std::string(".") + text::kScheduleExtension;
  return name;
}

}  // namespace

BlockViewSink& AppFrontEnd::blockViews() {
  static BlockViewSink none;
  return none;
}

AppEnvironment DetectEnvironment(const std::filesystem::path& programFolder, std::string version) {
  AppEnvironment environment;
  environment.calculator = FindCalculatorOnPath();
  environment.helpPage = FindHelpPage(programFolder);
  environment.version = std::move(version);
  return environment;
}

std::optional<std::string> CommandLineFile(std::string_view commandLine) {
  if (commandLine.size() < 2) return std::nullopt;
  if (commandLine.front() == '"') {
    commandLine.remove_prefix(1);
    // Only a closing quote goes; an unclosed one keeps the name whole.
    if (!commandLine.empty() && commandLine.back() == '"') commandLine.remove_suffix(1);
  }
  if (commandLine.empty()) return std::nullopt;
  return std::string(commandLine);
}

LumoraApp::LumoraApp(const AppServices& services, AppEnvironment environment,
                     DocumentFactory makeDocument)
    : ui_(services.ui),
      clock_(services.clock),
      settings_(services.settings),
      frontEnd_(services.frontEnd),
      instanceLock_(services.instanceLock),
      runningCopy_(services.runningCopy),
      clipboard_(services.clipboard),
      mailer_(services.mailer),
      printer_(services.printer),
      environment_(std::move(environment)),
      makeDocument_(std::move(makeDocument)),
      display_(ReadStartupSettings(services.settings)),
      commands_(AllCommands()),
      recent_(services.settings),
      caption_(text::kAppCaption) {}

LumoraApp::~LumoraApp() {
  // Without shutdown() the run ended abnormally: the event log keeps no last
  // line, so the next start reports it.
  if (lockHeld_) instanceLock_.release();
}

StartResult LumoraApp::start(std::string_view commandLine,
                             const std::function<void(EventLog&)>& openEventLog) {
  // Before anything else: a second copy must not touch the first one's event
  // log or open a file it then drops.
  const LockResult lock = instanceLock_.acquire();
  if (lock == LockResult::HeldElsewhere) {
    // The running copy opens the file itself, asking about its own unsaved
    // changes first; only when it cannot be reached is the user told.
    if (runningCopy_ != nullptr &&
        runningCopy_->handOver(CommandLineFile(commandLine).value_or(std::string())))
      return {false, 0};
    ui_.message(text::kAlreadyRunning, text::kAppCaption, Icon::Information);
    return {false, text::kExitAlreadyRunning};
  }
  lockHeld_ = lock == LockResult::Acquired;

  std::unique_ptr<TDocument> doc;
  try {
    doc = makeDocument_ ? makeDocument_() : std::make_unique<TDocument>();
  } catch (const std::bad_alloc&) {
    doc.reset();
  }
  if (!doc) {
    ui_.message(text::kNotEnoughMemory, text::kFatalErrorCaption, Icon::Error);
    if (lockHeld_) instanceLock_.release();
    lockHeld_ = false;
    return {false, text::kExitNoMemory};
  }
  doc->DocState = kNoDocument;
  session_ = std::make_unique<DocumentSession>(ui_, settings_, clipboard_, std::move(doc));
  caption_ = text::kAppCaption;
  frontEnd_.documentCreated();
  session_->setViews(&frontEnd_.blockViews());
  // Invalid pairings at Build Blocks: the warnings with the editor attached,
  // and on request the pairing editor's command on the first invalid one.
  session_->setPairingHooks({[this] { RunPairingWarnings(*this); },
                             [this](int firstInvalid) {
                               document().view.pairEditorCurrent = firstInvalid;
                               dispatch(command::kPairingEditor);
                             }});

  if (openEventLog) openEventLog(session_->log());

  if (const std::optional<std::string> file = CommandLineFile(commandLine)) {
    OpenFile(*file);
  } else {
    ClearDocument(document(), session_->log());
  }
  changed();
  return {true, 0};
}

void LumoraApp::shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  // The help page is the browser's; there is no viewer to tell.
  if (session_) CloseEventLogAtShutdown(session_->log());
  if (lockHeld_) instanceLock_.release();
  lockHeld_ = false;
}

CommandContext LumoraApp::commandContext() const {
  return {session_ ? &session_->document() : nullptr, environment_.mailAvailable,
          environment_.calculator.has_value(), environment_.helpPage.has_value()};
}

bool LumoraApp::isEnabled(int command) const {
  const CommandInfo* info = FindCommand(command);
  return info != nullptr && IsCommandEnabled(*info, commandContext());
}

bool LumoraApp::isChecked(int command) const {
  const CommandInfo* info = FindCommand(command);
  return info != nullptr && IsCommandChecked(*info, commandContext());
}

bool LumoraApp::dispatch(int command) {
  const CommandInfo* info = FindCommand(command);
  const CommandHandler* handler = commands_.find(command);
  if (info == nullptr || handler == nullptr || !IsCommandEnabled(*info, commandContext()))
    return false;
  (*handler)(*this);
  return true;
}

void LumoraApp::keyDown(ShellKey key) {
  if (!session_) return;
  // Holding Left shows last month; only scrolling works meanwhile.
  if (document().view.lastMonthView && key != ShellKey::Up && key != ShellKey::Down) return;
  if (const int command = CommandForKey(key, commandContext())) dispatch(command);
}

void LumoraApp::keyUp(ShellKey) {
  // Esc, Left and Right act on key release in the grid and the checks; the
  // frame itself has nothing to do.
}

bool LumoraApp::openRecent(std::size_t index) {
  if (!session_ || index >= recent_.entries().size()) return false;
  // Copied: opening reorders the list.
  const std::string name = recent_.entries()[index];
  return OpenFile(name);
}

void LumoraApp::timerTick() {
  if (!session_) return;
  AutoBackupTick(document(), display_.switches.autoSave, ui_, session_->log());
}

void LumoraApp::Backup() {
  TDocument& doc = document();
  if (doc.Untitled) SaveAs();
  if (doc.Untitled) {
    ui_.message(text::kCannotBackup, text::kFileNotNamedCaption, Icon::Warning);
    return;
  }
  BackupDialog dialog(doc, settings_, clock_, session_->log());
  ui_.run(dialog);
  // Cancelled too: the reminder counts from here.
  doc.AssignsSinceBackup = 0;
  changed();
}

void LumoraApp::NewFile() {
  frontEnd_.storeBidEdits();
  TDocument& doc = document();
  const bool modified = doc.Modified != 0;
  const Answer answer =
      modified
          ? ui_.ask(text::kNewDiscardQuestion, text::kCautionCaption, Buttons::YesNo, Icon::Warning)
          : ui_.ask(text::kNewQuestion, text::kAppCaption, Buttons::YesNo, Icon::Question);
  if (answer != Answer::Yes) return;
  session_->startNewFile([this] { CloseViews(); });
  caption_ = text::kUntitledCaption;
  frontEnd_.documentReplaced();
  changed();

  SetDatesDialog dialog(clock_, doc.cal);
  if (!ui_.run(dialog)) return;

  NewFileWizardHooks hooks;
  hooks.saveAs = [this] { return SaveAs(); };
  hooks.closeViews = [this] { CloseViews(); };
  hooks.prg.showPairingWarnings = [this] { RunPairingWarnings(*this); };
  hooks.prg.refreshCaption = [this] { changed(); };
  hooks.prg.setGaugeCaption = [this](std::string_view caption) {
    frontEnd_.setGaugeCaption(caption);
  };
  NewFileWizard wizard(*session_, std::move(hooks));
  ui_.run(wizard);
  // Closed before its end, the wizard leaves whatever it made so far, under
  // the full menu and without blocks.
  doc.DocState = kDocumentLoaded;
  if (wizard.complete()) BuildBlocks(kNewFileWindows);
  changed();
}

bool LumoraApp::askDiscardOnOpen() {
  frontEnd_.storeBidEdits();
  return !document().Modified || ui_.ask(text::kOpenDiscardQuestion, text::kCautionCaption,
                                         Buttons::YesNo, Icon::Warning) == Answer::Yes;
}

std::string LumoraApp::startFolder() const {
  return FolderOrHome(ReadSetting(settings_, kLastBlkPath)).string();
}

bool LumoraApp::Open() {
  if (!askDiscardOnOpen()) return false;
  const bool blocksShown = document().BlocksShown != 0;
  const WindowSwitches windows = session_->shownWindows();
  CloseViews();

  FileDialogOptions options;
  options.title = text::kOpenTitle;
  options.filter = text::kScheduleFilter;
  options.startFolder = startFolder();
  const std::vector<std::string> names = ui_.openFiles(options);
  if (names.empty() || names.front().empty()) {
    // Nothing opened: the document stays, and so do its blocks and windows.
    if (blocksShown) BuildBlocks(windows);
    return false;
  }
  RememberFolder(settings_, names.front());
  return openNamed(names.front());
}

bool LumoraApp::OpenFile(const std::string& name) {
  if (!askDiscardOnOpen()) return false;
  CloseViews();
  return openNamed(name);
}

bool LumoraApp::openNamed(const std::string& name) {
  TDocument& doc = document();
  const LoadResult result = session_->open(name);
  frontEnd_.documentReplaced();
  if (doc.BlocksShown) frontEnd_.blocksBuilt();
  if (!result.loaded) {
    // The document is cleared and names no file; neither does the window.
    caption_ = text::kAppCaption;
    changed();
    return false;
  }
  recent_.add(doc.FileName);
  UpdateFileCaption();
  changed();
  return true;
}

bool LumoraApp::Save() {
  TDocument& doc = document();
  if (doc.Untitled) return SaveAs();
  const bool saved = session_->save(doc.FileName);
  if (saved) {
    recent_.add(doc.FileName);
    frontEnd_.showNote("Saved " + doc.FileName);
  }
  changed();
  return saved;
}

bool LumoraApp::SaveAs() {
  TDocument& doc = document();
  FileDialogOptions options;
  options.title = text::kSaveAsTitle;
  options.filter = text::kScheduleFilter;
  options.startFolder = startFolder();
  if (!doc.FileName.empty()) {
    // A copy is most often wanted beside the file itself.
    const std::filesystem::path own = std::filesystem::path(doc.FileName).parent_path();
    std::error_code error;
    if (!own.empty() && std::filesystem::is_directory(own, error))
      options.startFolder = own.string();
    options.defaultName = std::filesystem::path(doc.FileName).filename().string();
  }
  const std::optional<std::string> chosen = ui_.saveFile(options);
  if (!chosen || chosen->empty()) return false;

  const std::filesystem::path target = WithScheduleExtension(*chosen);
  RememberFolder(settings_, target);
  // A failed save leaves the document under its old name, still modified.
  if (!session_->saveAs(target)) {
    changed();
    return false;
  }
  recent_.add(doc.FileName);
  UpdateFileCaption();
  frontEnd_.showNote("Saved " + doc.FileName);
  changed();
  return true;
}

void LumoraApp::BuildBlocks(const WindowSwitches& windows) {
  if (document().BlocksShown) return;
  session_->buildBlocks(windows);
  // Left for the pairing editor, the blocks are not built.
  if (document().BlocksShown) frontEnd_.blocksBuilt();
  changed();
}

BlockEditContext LumoraApp::editContext() {
  return session_->editContext();
}

void LumoraApp::pairWindowClosed() {
  document().PairWindowVisible = 0;
  changed();
}

void LumoraApp::toolboxClosed() {
  document().ToolboxWindowVisible = 0;
  changed();
}

void LumoraApp::CloseViews() {
  if (!session_ || !document().BlocksShown) return;
  frontEnd_.viewsClosing();
  session_->closeViews();
  changed();
}

bool LumoraApp::CanClose() {
  if (!session_) return true;
  // A bid edited in the bids window is offered before the question about
  // unsaved changes, which would otherwise come too early to include it.
  frontEnd_.storeBidEdits();
  const TDocument& doc = document();
  if (doc.Modified && doc.DocState != kNoDocument) {
    const Answer answer =
        ui_.ask(text::kCloseQuestion, text::kCloseCaption, Buttons::YesNoCancel, Icon::Question);
    if (answer == Answer::Cancel) return false;
    // Changes are only dropped when the user says No: a save that was
    // cancelled or failed keeps the program running.
    if (answer == Answer::Yes && !Save()) return false;
  }
  CloseViews();
  return true;
}

void LumoraApp::UpdateFileCaption() {
  // A new month has no file name until it is saved.
  caption_ = document().FileName.empty() ? std::string(text::kUntitledCaption)
                                         : text::kFileCaptionPrefix + document().FileName;
}

void LumoraApp::changed() {
  frontEnd_.stateChanged();
}

}  // namespace lumora
