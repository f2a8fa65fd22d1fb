#include "app/dialog_windows.h"

#include <memory>

#include "app/dialog_registry.h"
#include "app/employee_windows.h"
#include "app/export_windows.h"
#include "app/filter_windows.h"
#include "app/frame_windows.h"
#include "app/import_windows.h"
#include "app/main_window.h"
#include "app/new_file_wizard_window.h"
#include "app/pairing_edit_windows.h"
#include "app/preferences_windows.h"
#include "app/proposal_window.h"
#include "app/rules_windows.h"
#include "building/crew_complement.h"
#include "files/backup.h"
#include "files/viewer_files.h"
#include "imports/pairing_warnings.h"
#include "imports/prg_dialog.h"
#include "model/set_dates_dialog.h"
#include "reports/baw_lin_export.h"
#include "reports/block_texts.h"
#include "rules/exceptions_report.h"
#include "rules/global_info.h"
#include "rules/setup_month_dialog.h"
#include "rules/whos_legal.h"
#include "shell/frame_dialogs.h"
#include "shell/new_file_wizard.h"
#include "shell/preferences_dialog.h"
#include "views/employee_info_dialog.h"
#include "views/pair_editor.h"
#include "views/pairing_filters.h"
#include "views/proposal_preview.h"
#include "views/roster_dialogs.h"

namespace lumora {

void RegisterDialogWindows(DialogRegistry& dialogs, MainWindow& window) {
  dialogs.add<SetDatesDialog, MonthDialog>();
  dialogs.add<FileNotesDialog, FileNotesWindow>();
  dialogs.add<BackupDialog, BackupWindow>();
  dialogs.add<BawLinExportDialog, BawLinExportWindow>();
  dialogs.add<BawLinImportDialog, BawLinImportWindow>();
  dialogs.add<ViewerKindDialog, ViewerKindWindow>();
  dialogs.add<CopyBlocksDialog, CopyBlocksWindow>();
  dialogs.add<FixedTextDialog, FixedTextWindow>();
  dialogs.add<LoadPrgDialog, LoadPrgWindow>();
  dialogs.add<PairingValidateDialog, PairingWarningsWindow>();
  dialogs.add<WhosLegalDialog, WhosLegalWindow>();
  dialogs.add<SetupMonthDialog, SetupMonthWindow>();
  dialogs.add<NewFileWizard, NewFileWizardWindow>();
  dialogs.add<ExceptionsReportDialog, ReportListWindow>();
  dialogs.add<GlobalInfoDialog, ReportListWindow>();
  dialogs.add<EmployeeInfoDialog, EmployeeInfoWindow>();
  dialogs.add<QuickEmpInfoDialog, QuickEmpInfoWindow>();
  dialogs.add<RosterDialog, RosterWindow>();
  dialogs.add<MoveEmployeeDialog, MoveEmployeeWindow>();
  dialogs.add<CrewComplementDialog, CrewComplementWindow>();
  dialogs.add<EditOrViewPairsDialog, EditOrViewPairsWindow>();
  dialogs.add<PairDialog, PairEditorWindow>();
  dialogs.add<FilterWizardDialog, FilterWizardWindow>();
  dialogs.add<BidFilterEditor, BidFilterEditorWindow>();
  dialogs.add<FilterWindowDialog, FilterWindowWindow>();
  dialogs.add<ProposalPreview, ProposalWindow>();
  dialogs.add<PreferencesDialog>([&window](PreferencesDialog& model, Ui& ui, QWidget* parent) {
    auto preferences = std::make_unique<PreferencesWindow>(model, ui, parent);
    QObject::connect(preferences.get(), &PreferencesWindow::fontRequested, &window,
                     [&window, &model] { window.chooseGridFont(model); });
    QObject::connect(preferences.get(), &PreferencesWindow::colorsRequested, &window,
                     &MainWindow::runColorsDialog);
    return preferences;
  });
}

}  // namespace lumora
