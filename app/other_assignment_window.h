#pragma once
// "Other Assignment Details": the times and flags of one day's other
// assignment, bound to its model in the core. The code texts are shown only;
// "Count as a Day Off" is there but never enabled.

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lumora {

class OtherAssDialog;
class TDocument;

// OK writes the controls into the model and runs its ok(); the dialog closes
// whatever the times read as (an unreadable time is stored as 0).
class OtherAssignmentWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kCodeLabel = "Code";
  static constexpr const char* kCrewTracCodeLabel = "Bornemann Code";
  static constexpr const char* kStartLabel = "Time starting Work";
  static constexpr const char* kAtWorkLabel = "Hours:Mins at Work";
  static constexpr const char* kCreditLabel = "Credit";
  static constexpr const char* kHardTimeLabel = "Hard Time";
  static constexpr const char* kReserveLabel = "Reserve";
  static constexpr const char* kContainsDutyLabel = "Contains Duty";
  static constexpr const char* kCarsDutyLabel = "CARS Duty";
  static constexpr const char* kExcludeCreditLabel = "Exlcude Credit from Block";
  static constexpr const char* kDayOffLabel = "Count as a Day Off";

  OtherAssignmentWindow(OtherAssDialog& model, TDocument& doc, QWidget* parent = nullptr);

  QLabel& dateLine() const { return *dateLine_; }
  QLineEdit& codeText() const { return *code_; }
  QLineEdit& crewTracCodeText() const { return *crewTracCode_; }
  QLineEdit& startEdit() const { return *start_; }
  QLineEdit& atWorkEdit() const { return *atWork_; }
  QLineEdit& creditEdit() const { return *credit_; }
  QLineEdit& hardTimeEdit() const { return *hardTime_; }
  QCheckBox& reserveBox() const { return *reserve_; }
  QCheckBox& containsDutyBox() const { return *containsDuty_; }
  QCheckBox& carsDutyBox() const { return *carsDuty_; }
  QCheckBox& excludeCreditBox() const { return *excludeCredit_; }
  QCheckBox& dayOffBox() const { return *dayOff_; }
  QPushButton& okButton() const { return *ok_; }
  QPushButton& cancelButton() const { return *cancel_; }

  void accept() override;

 private:
  OtherAssDialog& model_;
  TDocument& doc_;
  // All owned by the dialog.
  QLabel* dateLine_;
  QLineEdit* code_;
  QLineEdit* crewTracCode_;
  QLineEdit* start_;
  QLineEdit* atWork_;
  QLineEdit* credit_;
  QLineEdit* hardTime_;
  QCheckBox* reserve_;
  QCheckBox* containsDuty_;
  QCheckBox* carsDuty_;
  QCheckBox* excludeCredit_;
  QCheckBox* dayOff_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// Runs the dialog modally on `parent`; true when it was closed with OK, the
// day's record then holding the dialog's values. The caller runs the
// follow-ups of a closed details dialog either way.
bool RunOtherAssignmentDialog(QWidget* parent, OtherAssDialog& model, TDocument& doc);

}  // namespace lumora
