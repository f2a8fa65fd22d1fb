#pragma once
// The windows of the pairing imports, each bound to its model in the core:
// "Load Bornemann Pairings" before a PRG file is read and "Pairing Warnings
// and Report" after it; and the system clipboard the list dialogs copy to.

#include <QDialog>
#include <string_view>

#include "app/model_dialog.h"
#include "platform/clipboard.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumora {

class LoadPrgDialog;
class PairingValidateDialog;
class Ui;

// The desktop's clipboard. Core texts are Latin-1.
class QtClipboard final : public Clipboard {
 public:
  bool setText(std::string_view text) override;
};

// "Load Bornemann Pairings": the two one-character edits show what the model
// keeps of what was typed; the model's OK loads the file.
class LoadPrgWindow : public ModelDialog {
  Q_OBJECT

 public:
  LoadPrgWindow(LoadPrgDialog& model, Ui& ui, QWidget* parent = nullptr);

  QLineEdit& baseCode() const { return *baseCode_; }
  QLineEdit& eqpCode() const { return *eqpCode_; }
  QCheckBox& manualSettings() const { return *manual_; }
  QPushButton& okButton() const { return *ok_; }
  QPushButton& cancelButton() const { return *cancel_; }

 private:
  LoadPrgDialog& model_;
  QLineEdit* baseCode_;  // owned by the dialog
  QLineEdit* eqpCode_;
  QCheckBox* manual_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// "Pairing Warnings and Report": the model's lines; a double click on one goes
// to the model, which beeps while there is no pairing editor to open.
class PairingWarningsWindow : public ModelDialog {
  Q_OBJECT

 public:
  PairingWarningsWindow(PairingValidateDialog& model, Ui& ui, QWidget* parent = nullptr);

  QListWidget& list() const { return *list_; }
  QPushButton& okButton() const { return *ok_; }
  // What a double click on line `row` does.
  void lineDoubleClicked(int row);

 private:
  void fill();

  PairingValidateDialog& model_;
  QListWidget* list_;  // owned by the dialog
  QPushButton* ok_;
};

}  // namespace lumora
