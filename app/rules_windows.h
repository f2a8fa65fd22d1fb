#pragma once
// The windows of the legality queries and summaries, each bound to its model
// in the core: "Who Is Legal".

#include <QDialog>

#include "app/model_dialog.h"

class QListWidget;
class QPushButton;

namespace lumora {

class Ui;
class WhosLegalDialog;

// "Who Is Legal": the legal list and the bid list side by side; the legal
// list's selection goes to the model, whose OK is "Assign...".
class WhosLegalWindow : public ModelDialog {
  Q_OBJECT

 public:
  WhosLegalWindow(WhosLegalDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& legalList() const { return *legal_; }
  QListWidget& bidList() const { return *bidders_; }
  QPushButton& assignButton() const { return *assign_; }

 private:
  QListWidget* legal_;  // owned by the dialog
  QListWidget* bidders_;
  QPushButton* assign_;
};

}  // namespace lumora
