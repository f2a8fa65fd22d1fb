#pragma once
// Every dialog model the core runs through Ui::run. A front end that shows
// dialogs must have a window for each; its tests walk this list.

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

template <class... Models>
struct DialogModelList {};

using CoreDialogModels =
    DialogModelList<SetDatesDialog, FileNotesDialog, FixedTextDialog, PreferencesDialog,
                    LoadPrgDialog, PairingValidateDialog, WhosLegalDialog, BackupDialog,
                    BawLinExportDialog, BawLinImportDialog, ViewerKindDialog, NewFileWizard,
                    CopyBlocksDialog, EmployeeInfoDialog, QuickEmpInfoDialog, RosterDialog,
                    MoveEmployeeDialog, CrewComplementDialog, EditOrViewPairsDialog, PairDialog,
                    FilterWizardDialog, BidFilterEditor, FilterWindowDialog, ProposalPreview>;

}  // namespace lumora
