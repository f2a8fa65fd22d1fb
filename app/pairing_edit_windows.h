#pragma once
// The windows of the pairing editor's password dialog, the pairing editor
// and the crew complement list, each bound to its model in the core.

#include <array>

#include "app/model_dialog.h"
#include "views/pair_editor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace lumora {

class CrewComplementDialog;

class CrewComplementWindow final : public ModelDialog {
  Q_OBJECT

 public:
  CrewComplementWindow(CrewComplementDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& list() const { return *list_; }
  QPushButton& doneButton() const { return *done_; }

 protected:
  void commitFields() override;

 private:
  CrewComplementDialog& model_;
  QListWidget* list_;  // owned by the dialog
  QPushButton* done_;
};

class EditOrViewPairsWindow final : public ModelDialog {
  Q_OBJECT

 public:
  EditOrViewPairsWindow(EditOrViewPairsDialog& model, Ui& ui, QWidget* parent = nullptr);

  QLineEdit& passwordEdit() const { return *password_; }
  // OK: a refused password keeps the dialog open with the field focused.
  void accept() override;

 private:
  EditOrViewPairsDialog& model_;
  QLineEdit* password_;
};

class PairEditorWindow final : public ModelDialog {
  Q_OBJECT

 public:
  PairEditorWindow(PairDialog& model, Ui& ui, QWidget* parent = nullptr);

  QLineEdit& numberEdit() const { return *number_; }
  QLineEdit& onEdit() const { return *on_; }
  QLineEdit& creditEdit() const { return *credit_; }
  QLineEdit& tafbEdit() const { return *tafb_; }
  QLineEdit& startEdit() const { return *start_; }
  QCheckBox& dayBox(int box) const { return *boxes_[static_cast<std::size_t>(box)]; }
  QScrollBar& pairingBar() const { return *pairBar_; }
  QScrollBar& dayBar() const { return *dayBar_; }
  QPushButton& nextButton() const { return *next_; }
  QPushButton& previousButton() const { return *previous_; }
  // The control a refusal of the model points at.
  QWidget* fieldWidget(PairDialog::Field field) const;

  void accept() override;

 protected:
  void commitFields() override;

 private:
  void goTo(int pair);
  void moveDay(int day);
  void fill();
  void fillDay();
  void focusRefused();

  PairDialog& model_;
  QLineEdit* number_;
  QPushButton* previous_;
  QPushButton* next_;
  QLineEdit* on_;
  QLineEdit* off_;
  QLineEdit* credit_;
  QLineEdit* tafb_;
  QLineEdit* length_;
  std::array<QCheckBox*, PairDialog::kBoxes> boxes_{};
  QScrollBar* pairBar_;
  QLabel* position_;
  QLineEdit* start_;
  QLineEdit* duty_;
  QLineEdit* hard_;
  QLineEdit* dailyCredit_;
  QScrollBar* dayBar_;
  QLabel* dayLabel_;
};

}  // namespace lumora
