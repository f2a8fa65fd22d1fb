// The copies of the month for other readers: the crew-tracking system's BAW
// and LIN files (and the command that offers to read them back), the viewer
// file, the company's copy, the schedule file itself by e-mail, the blocks as
// clipboard texts, the publishing files and the training report.

#include <filesystem>
#include <optional>
#include <string>

#include "files/backup.h"
#include "files/viewer_files.h"
#include "platform/captions.h"
#include "platform/mailer.h"
#include "platform/ui.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"
#include "reports/web_files.h"
#include "rules/exceptions_report.h"
#include "shell/app_state.h"
#include "shell/command_registry.h"
#include "shell/command_table.h"

namespace lumora {

namespace {

constexpr const char* kNotNamed = "File Must be Named First, Select Save As";
constexpr const char* kFileErrorCaption = "File Error";
constexpr const char* kMailPersonalData =
    "This email file will include all personal data.\n Use Export feature for Saving without "
    "personal data.\n Do you want to Continue?";

void ExportBawLinFiles(LumoraApp& app) {
  BawLinExportDialog dialog(app.document());
  app.ui().run(dialog);
  app.changed();
}

void ImportBawLinFiles(LumoraApp& app) {
  BawLinImportDialog dialog(app.settings());
  app.ui().run(dialog);
}

// The copies leave the office: the scheduler sees the month's findings first.
void ShowWarnings(LumoraApp& app) {
  ExceptionsReportDialog report(app.document());
  app.session().views().rowsChanged(BlockViewSink::kAllRows);
  app.ui().run(report);
}

void SaveForViewer(LumoraApp& app) {
  ShowWarnings(app);
  TDocument& doc = app.document();
  if (doc.Untitled) {
    app.ui().message(kNotNamed, kFileErrorCaption, Icon::Information);
    return;
  }
  ViewerKindDialog kinds;
  if (!app.ui().run(kinds)) return;
  app.Save();
  ExportViewerCopy(doc, kinds.kind, DefaultViewerFolder(doc.FileName), app.ui(), app.eventLog(),
                   app.mailer());
  app.changed();
}

void SaveForCompany(LumoraApp& app) {
  ShowWarnings(app);
  TDocument& doc = app.document();
  if (doc.Untitled) {
    app.ui().message(kNotNamed, kFileErrorCaption, Icon::Information);
    return;
  }
  app.Save();
  ExportCompanyCopy(doc, DefaultCompanyFolder(doc.FileName), app.ui(), app.eventLog(),
                    app.mailer());
  app.changed();
}

// "e-mail to...": the schedule file itself, personal data and all, once the
// user agrees. A file that could not be saved is not sent in its old state.
void Email(LumoraApp& app) {
  TDocument& doc = app.document();
  if (doc.Modified && !app.Save()) return;
  if (app.ui().ask(kMailPersonalData, kAppCaption, Buttons::YesNo, Icon::Question) != Answer::Yes)
    return;
  if (Mailer* mailer = app.mailer()) {
    const std::filesystem::path files[] = {doc.FileName};
    mailer->send(files);
  }
}

void CopyBlocks(LumoraApp& app) {
  TDocument& doc = app.document();
  CopyBlocksDialog dialog(doc, app.settings());
  if (!app.ui().run(dialog) || !dialog.copyRequested()) return;
  CopyBlocksToClipboard(doc, dialog.options, app.session().clipboard(), app.ui(), &app.eventLog());
}

void PrintBlocksToClipboard(LumoraApp& app) {
  TDocument& doc = app.document();
  CopyCrewLines(doc, FileStem(doc.FileName), app.session().clipboard(), app.ui());
}

void SaveInternetFiles(LumoraApp& app) {
  const TDocument& doc = app.document();
  if (doc.Untitled || doc.FileName.empty()) {
    app.ui().message(kNotNamed, kFileErrorCaption, Icon::Information);
    return;
  }
  SaveForInternet(doc, DefaultWebFolder(doc), FileStem(doc.FileName), app.ui(), &app.eventLog());
}

void TrainingReport(LumoraApp& app) {
  const std::optional<std::string> target = ChooseTrainingReportFile(app.ui());
  if (!target) return;
  WriteTrainingReport(app.document(), *target, app.ui());
}

}  // namespace

void RegisterExportCommands(CommandRegistry& commands) {
  using namespace command;
  commands.add(kExportBawLin, ExportBawLinFiles);
  commands.add(kImportBawLin, ImportBawLinFiles);
  commands.add(kSaveForViewer, SaveForViewer);
  commands.add(kSaveForCompany, SaveForCompany);
  commands.add(kEmail, Email);
  commands.add(kCopyBlocks, CopyBlocks);
  commands.add(kPrintBlocksToClipboard, PrintBlocksToClipboard);
  commands.add(kSaveInternetFiles, SaveInternetFiles);
  commands.add(kTrainingReport, TrainingReport);
}

}  // namespace lumora
