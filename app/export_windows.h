#pragma once
// The Export menu's dialogs, each bound to its model in the core: "Export
// Schedules for Bornemann Crew Trac", the BAW and LIN import that reads
// nothing, and the choice of the viewer file's kind.

#include "app/model_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumora {

class BawLinExportDialog;
class BawLinImportDialog;
class CopyBlocksDialog;
class ViewerKindDialog;
class Ui;

// The crew type, the file name and the two codes, "Export Now" and the
// summary list; the checklist and the note are fixed texts.
class BawLinExportWindow : public ModelDialog {
  Q_OBJECT

 public:
  BawLinExportWindow(BawLinExportDialog& model, Ui& ui, QWidget* parent = nullptr);

  QButtonGroup& crewType() const { return *crew_; }
  QLineEdit& fileName() const { return *fileName_; }
  QLineEdit& baseCode() const { return *baseCode_; }
  QLineEdit& eqpCode() const { return *eqpCode_; }
  QListWidget& summary() const { return *summary_; }
  QPushButton& exportButton() const { return *export_; }
  QPushButton& okButton() const { return *ok_; }

  // "Export Now": the fields go to the model, which exports and fills the list.
  void exportNow();

 private:
  void commitFields() override;

  BawLinExportDialog& model_;
  QButtonGroup* crew_;  // owned by the dialog
  QLineEdit* fileName_;
  QLineEdit* baseCode_;
  QLineEdit* eqpCode_;
  QListWidget* summary_;
  QPushButton* export_;
  QPushButton* ok_;
};

// "Import BAW and LIN Blocks": an empty list; the file dialog opens with it.
class BawLinImportWindow : public ModelDialog {
  Q_OBJECT

 public:
  BawLinImportWindow(BawLinImportDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& list() const { return *list_; }
  QPushButton& importButton() const { return *import_; }
  QPushButton& okButton() const { return *ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  BawLinImportDialog& model_;
  QListWidget* list_;  // owned by the dialog
  QPushButton* import_;
  QPushButton* ok_;
  bool asked_ = false;
};

// "Lumora - Export for  LM Viewer": the three kinds as radio buttons.
class ViewerKindWindow : public ModelDialog {
  Q_OBJECT

 public:
  ViewerKindWindow(ViewerKindDialog& model, Ui& ui, QWidget* parent = nullptr);

  QButtonGroup& kinds() const { return *kinds_; }
  QPushButton& okButton() const { return *ok_; }

 private:
  void commitFields() override;

  ViewerKindDialog& model_;
  QButtonGroup* kinds_;  // owned by the dialog
  QPushButton* ok_;
};

// "Select Blocks to Copy to the Windows Clipboard": the roster's names, any
// number chosen, and the two check boxes.
class CopyBlocksWindow : public ModelDialog {
  Q_OBJECT

 public:
  CopyBlocksWindow(CopyBlocksDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& names() const { return *names_; }
  QCheckBox& includeXes() const { return *xes_; }
  QCheckBox& includePairs() const { return *pairs_; }
  QPushButton& okButton() const { return *ok_; }

 private:
  void commitFields() override;

  CopyBlocksDialog& model_;
  QListWidget* names_;  // owned by the dialog
  QCheckBox* xes_;
  QCheckBox* pairs_;
  QPushButton* ok_;
};

}  // namespace lumora
