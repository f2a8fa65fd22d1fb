#pragma once
// The windows of the legality queries and summaries, each bound to its model
// in the core: "Who Is Legal", "Setup Month" and the report lists with their
// copy button ("Lumora Exceptions and Warnings Report", "Global Information").

#include <QDialog>

#include "app/model_dialog.h"

#include <array>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollBar;
class QComboBox;

namespace lumora {

class ReportListDialog;
class SetupMonthDialog;
class Ui;
class WhosLegalDialog;

// "Who Is Legal": the legal list and the bid list side by side; the legal
// list's selection goes to the model, whose OK is "Assign...". Below them any
// crew member of the roster may be chosen to ask "Why Not?...".
class WhosLegalWindow : public ModelDialog {
  Q_OBJECT

 public:
  WhosLegalWindow(WhosLegalDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& legalList() const { return *legal_; }
  QListWidget& bidList() const { return *bidders_; }
  QPushButton& assignButton() const { return *assign_; }
  QComboBox& crewChoice() const { return *crew_; }
  QPushButton& whyNotButton() const { return *whyNot_; }

 private:
  QListWidget* legal_;  // owned by the dialog
  QListWidget* bidders_;
  QPushButton* assign_;
  QComboBox* crew_;
  QPushButton* whyNot_;
};

// "Setup Month": one scroll bar per blocking rule with its value beside it;
// every movement goes to the model at once.
class SetupMonthWindow : public ModelDialog {
  Q_OBJECT

 public:
  SetupMonthWindow(SetupMonthDialog& model, Ui& ui, QWidget* parent = nullptr);

  QScrollBar& bar(int rule) const { return *bars_[static_cast<std::size_t>(rule)]; }
  QLabel& valueText(int rule) const { return *values_[static_cast<std::size_t>(rule)]; }
  QPushButton& infoButton() const { return *info_; }

 private:
  static constexpr std::size_t kRules = 9;
  SetupMonthDialog& model_;
  std::array<QScrollBar*, kRules> bars_{};  // owned by the dialog
  std::array<QLabel*, kRules> values_{};
  QPushButton* info_;
};

// A report's list with OK, Cancel and the copy button.
class ReportListWindow : public ModelDialog {
  Q_OBJECT

 public:
  ReportListWindow(ReportListDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& list() const { return *list_; }
  QPushButton& copyButton() const { return *copy_; }

 private:
  QListWidget* list_;  // owned by the dialog
  QPushButton* copy_;
};

}  // namespace lumora
