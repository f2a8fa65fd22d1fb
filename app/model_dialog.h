#pragma once
// What every dialog bound to a model of the core shares: the model's title,
// modality, and the OK/Cancel binding written once. OK hands what the
// widgets hold to the model and closes only when the model accepts (a model
// that refuses has said why); Cancel and the close box tell the model.

#include <QDialog>

namespace lumora {

class DialogModel;
class Ui;

class ModelDialog : public QDialog {
  Q_OBJECT

 public:
  ModelDialog(DialogModel& model, Ui& ui, QWidget* parent);

  void accept() override;
  void reject() override;

 protected:
  // Controls the window left unnamed take their labels' names.
  void showEvent(QShowEvent* event) override;
  // Widgets that do not write to the model as they change hand their values
  // over here, before the model's OK.
  virtual void commitFields() {}
  Ui& ui() const { return ui_; }

 private:
  DialogModel& model_;
  Ui& ui_;
};

}  // namespace lumora
