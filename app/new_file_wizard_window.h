#pragma once
// "Create a New File Wizard": the base, equipment and status choices, the
// alternate-info edits, the step text and the four status lines, bound to the
// wizard's model. ">> Next >>" runs a step; "Finished" closes once the file is
// saved; the close box leaves the wizard where it stands.

#include <array>

#include "app/model_dialog.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace lumora {

class NewFileWizard;
class Ui;

class NewFileWizardWindow : public ModelDialog {
  Q_OBJECT

 public:
  NewFileWizardWindow(NewFileWizard& model, Ui& ui, QWidget* parent = nullptr);

  QPushButton& nextButton() const { return *next_; }
  QPushButton& finishButton() const { return *finish_; }
  QPlainTextEdit& stepText() const { return *text_; }
  QLabel& statusLine(int line) const { return *status_[static_cast<std::size_t>(line)]; }
  QAbstractButton& statusChoice(int index) const {
    return *statuses_[static_cast<std::size_t>(index)];
  }
  QGroupBox& equipmentGroup() const { return *equipmentGroup_; }

 private:
  void refresh();

  NewFileWizard& model_;
  QPlainTextEdit* text_;  // owned by the dialog
  QGroupBox* choices_;
  QGroupBox* equipmentGroup_ = nullptr;
  QGroupBox* alternateGroup_ = nullptr;
  std::array<QAbstractButton*, 3> statuses_{};
  std::array<QLabel*, 4> status_{};
  QPushButton* next_;
  QPushButton* finish_;
};

}  // namespace lumora
