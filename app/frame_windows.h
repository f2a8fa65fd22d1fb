#pragma once
// The small dialogs of the main window, each bound to its model in the core:
// the month dialog of a new file, the shared notes of a file, and the two
// dialogs that only show fixed lines (keyboard shortcuts, about box).

#include <map>

#include "app/model_dialog.h"
#include "shell/frame_dialogs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

class BackupDialog;
class SetDatesDialog;
class Ui;

// "Set Start and End Dates for the New Month". Its buttons run the model's
// control of the same id; OK closes it only when the model accepts the dates.
class MonthDialog : public ModelDialog {
  Q_OBJECT

 public:
  MonthDialog(SetDatesDialog& model, Ui& ui, QWidget* parent = nullptr);

  // The buttons 100 to 103, 107 and 108, and the date texts 104 and 105.
  QPushButton* button(int controlId) const;
  QLabel* dateText(int controlId) const;
  QPushButton& okButton() const { return *ok_; }
  QPushButton& cancelButton() const { return *cancel_; }

 private:
  void showDates();

  SetDatesDialog& model_;
  std::map<int, QPushButton*> buttons_;  // owned by the dialog
  std::map<int, QLabel*> dates_;         // owned by the dialog
  QPushButton* ok_;
  QPushButton* cancel_;
};

// "Shared Notes for File": one multi-line box that takes no more characters
// than the notes may hold. OK hands the text to the model.
class FileNotesWindow : public ModelDialog {
  Q_OBJECT

 public:
  FileNotesWindow(FileNotesDialog& model, Ui& ui, QWidget* parent = nullptr);

  QPlainTextEdit& editor() const { return *editor_; }
  QPushButton& okButton() const { return *ok_; }

 protected:
  void commitFields() override;

 private:
  void keepWithinLimit();

  FileNotesDialog& model_;
  QPlainTextEdit* editor_;
  QPushButton* ok_;
};

// A title, its lines one under the other, and "OK".
class FixedTextWindow : public ModelDialog {
  Q_OBJECT

 public:
  FixedTextWindow(FixedTextDialog& model, Ui& ui, QWidget* parent = nullptr);

  QStringList lines() const;
  QPushButton& okButton() const { return *ok_; }

 private:
  QPushButton* ok_;
};

// "Backup File": the folder (typed, or chosen with "Select another Location")
// and the dated-name check box.
class BackupWindow : public ModelDialog {
  Q_OBJECT

 public:
  BackupWindow(BackupDialog& model, Ui& ui, QWidget* parent = nullptr);

  QLineEdit& locationEdit() const { return *location_; }
  QCheckBox& datedCheck() const { return *dated_; }
  QPushButton& chooseButton() const { return *choose_; }
  QPushButton& okButton() const { return *ok_; }

 private:
  void commitFields() override;

  BackupDialog& model_;
  QLineEdit* location_;  // owned by the dialog
  QCheckBox* dated_;
  QPushButton* choose_;
  QPushButton* ok_;
};

}  // namespace lumora
