#pragma once
// The properties of one day of operation of a pairing, bound to its model in
// the core: the training type and, where the model shows it, the credit
// excluded from the block.

#include <QDialog>
#include <array>
#include <functional>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lumora {

class PairPropsDialog;

// OK writes the controls to the model and hands over to `accept` (which runs
// the model's ok()); the dialog closes only when that returns true.
class PairPropsWindow : public QDialog {
  Q_OBJECT

 public:
  static constexpr const char* kTitle = "Set Pairing Properties";
  static constexpr const char* kTypeGroup = "Pairing Type for This Day of Ops";
  static constexpr const char* kExcludeLabel = "Exclude Credit";
  static constexpr std::array<const char*, 4> kTypeNames = {"Normal", "Line Indoc", "Line Check",
                                                            "Recurrent LCK"};

  PairPropsWindow(PairPropsDialog& model, std::function<bool()> accept, QWidget* parent = nullptr);

  QGroupBox& typeGroup() const { return *group_; }
  // The radio button of training type 0 to 3.
  QRadioButton& typeButton(int type) const;
  QLabel& excludeLabel() const { return *excludeLabel_; }
  QLineEdit& excludeEdit() const { return *exclude_; }
  QPushButton& okButton() const { return *ok_; }
  QPushButton& cancelButton() const { return *cancel_; }

  void accept() override;

 private:
  PairPropsDialog& model_;
  std::function<bool()> accept_;
  QGroupBox* group_;  // owned by the dialog
  QButtonGroup* types_;
  QLabel* excludeLabel_;
  QLineEdit* exclude_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// Runs the dialog modally on `parent`; true when it was closed with OK.
bool RunPairPropsDialog(QWidget* parent, PairPropsDialog& model,
                        const std::function<bool()>& accept);

}  // namespace lumora
