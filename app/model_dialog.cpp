#include "app/model_dialog.h"

#include <QShowEvent>

#include "app/accessible_names.h"
#include "app/core_text.h"
#include "platform/dialog_model.h"

namespace lumora {

ModelDialog::ModelDialog(DialogModel& model, Ui& ui, QWidget* parent)
    : QDialog(parent), model_(model), ui_(ui) {
  setWindowTitle(fromCoreText(model.title()));
  setModal(true);
}

void ModelDialog::accept() {
  commitFields();
  if (model_.accept(ui_)) QDialog::accept();
}

void ModelDialog::showEvent(QShowEvent* event) {
  // Every time: a window may add controls as its model's pages change.
  nameControls(*this);
  QDialog::showEvent(event);
}

void ModelDialog::reject() {
  model_.cancel();
  QDialog::reject();
}

}  // namespace lumora
