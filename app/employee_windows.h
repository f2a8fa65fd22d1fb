#pragma once
// The windows of the crew-member editors, each bound to its model in the
// core: "Employee Info", the quick dialog of the two flags, "EDIT ROSTER"
// and the move dialog.

#include <array>

#include "app/model_dialog.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace lumora {

class EmployeeInfoDialog;
class MoveEmployeeDialog;
class QuickEmpInfoDialog;
class RosterDialog;
class Ui;

class EmployeeInfoWindow : public ModelDialog {
  Q_OBJECT

 public:
  EmployeeInfoWindow(EmployeeInfoDialog& model, Ui& ui, QWidget* parent = nullptr);

  void accept() override;

  QLineEdit& nameEdit() const { return *name_; }
  QLineEdit& empEdit() const { return *emp_; }
  QLineEdit& legalCheckInEdit() const { return *checkIn_; }
  QLineEdit& creditEdit(int field) const { return *credits_[static_cast<std::size_t>(field)]; }
  QLineEdit& draftEdit() const { return *draft_; }
  QLineEdit& dayTimeEdit(int field) const { return *dayTimes_[static_cast<std::size_t>(field)]; }
  QScrollBar& dayBar() const { return *dayBar_; }
  QScrollBar& minDaysOffBar() const { return *minDaysOffBar_; }
  QScrollBar& minBlockBar() const { return *minBlockBar_; }
  QScrollBar& maxBlockBar() const { return *maxBlockBar_; }
  QLabel& maxBlockText() const { return *maxBlockText_; }
  QLabel& dayDate() const { return *dayDate_; }
  QButtonGroup& qualifications() const { return *quals_; }
  QPushButton& resetButton() const { return *reset_; }
  QPushButton& reducedButton() const { return *reduced_; }
  QListWidget& ruleLog() const { return *ruleLog_; }
  QListWidget& illegalities() const { return *illegal_; }
  QListWidget& warnings() const { return *warnings_; }

 protected:
  void commitFields() override;

 private:
  void commitDay();
  void showDay();
  void showBars();
  void focusRefused();

  EmployeeInfoDialog& model_;
  // Widgets, owned by the dialog.
  QLineEdit* name_;
  QLineEdit* emp_;
  QLineEdit* checkIn_;
  std::array<QLineEdit*, 4> credits_{};
  QLineEdit* draft_;
  QCheckBox* outsideW_;
  QCheckBox* bidReserve_;
  QButtonGroup* quals_;
  QCheckBox* age65_;
  QCheckBox* med_;
  QCheckBox* training_;
  QCheckBox* noTimeZone_;
  QCheckBox* noYcg_;
  QCheckBox* blockComplete_;
  QScrollBar* minDaysOffBar_;
  QScrollBar* minBlockBar_;
  QScrollBar* maxBlockBar_;
  QLabel* minDaysOffText_;
  QLabel* minBlockText_;
  QLabel* maxBlockText_;
  QPushButton* reset_;
  QPushButton* reduced_;
  QPlainTextEdit* notes_;
  QScrollBar* dayBar_;
  QLabel* dayDate_;
  QLabel* dayCode_;
  std::array<QLineEdit*, 6> dayTimes_{};
  QCheckBox* worked_;
  QCheckBox* carsDuty_;
  QListWidget* ruleLog_;
  QListWidget* illegal_;
  QListWidget* warnings_;
};

class QuickEmpInfoWindow : public ModelDialog {
  Q_OBJECT

 public:
  QuickEmpInfoWindow(QuickEmpInfoDialog& model, Ui& ui, QWidget* parent = nullptr);

  QCheckBox& bidReserve() const { return *bidReserve_; }
  QCheckBox& blockComplete() const { return *blockComplete_; }

 protected:
  void commitFields() override;

 private:
  QuickEmpInfoDialog& model_;
  QCheckBox* bidReserve_;  // owned by the dialog
  QCheckBox* blockComplete_;
};

class RosterWindow : public ModelDialog {
  Q_OBJECT

 public:
  RosterWindow(RosterDialog& model, Ui& ui, QWidget* parent = nullptr);

  QLineEdit& indexEdit() const { return *index_; }
  QLineEdit& nameEdit() const { return *name_; }
  QLineEdit& empEdit() const { return *emp_; }
  QPushButton& insertButton() const { return *insert_; }
  QPushButton& deleteButton() const { return *delete_; }
  QPushButton& addFromFileButton() const { return *addFromFile_; }
  QListWidget& list() const { return *list_; }
  QLabel& status() const { return *status_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void commitEdits();
  void refresh();
  void focusRefused();

  RosterDialog& model_;
  QLineEdit* index_;  // owned by the dialog
  QLineEdit* name_;
  QLineEdit* emp_;
  QPushButton* insert_;
  QPushButton* delete_;
  QPushButton* addFromFile_;
  QListWidget* list_;
  QLabel* status_;
  int dragFrom_ = -1;
};

class MoveEmployeeWindow : public ModelDialog {
  Q_OBJECT

 public:
  MoveEmployeeWindow(MoveEmployeeDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& list() const { return *list_; }

 private:
  QListWidget* list_;  // owned by the dialog
};

}  // namespace lumora
