#pragma once
// A dialog whose fields, messages and OK behaviour the program fixes. The
// model is a plain object with one field (or setter) per control; a front end
// shows it through Ui::run and only binds its widgets to those fields, so
// every fixed message can be tested without a display.

#include <string_view>

namespace lumora {

class Ui;

class DialogModel {
 public:
  DialogModel() = default;
  DialogModel(const DialogModel&) = default;
  DialogModel& operator=(const DialogModel&) = default;
  virtual ~DialogModel() = default;

  // The dialog's caption.
  virtual std::string_view title() const = 0;
  // OK with the fields as the user left them: true closes the dialog. A
  // model that keeps it open has said why through `ui`.
  virtual bool accept(Ui& ui) = 0;
  // Cancel or the close box: the fields' changes are dropped.
  virtual void cancel() {}
};

}  // namespace lumora
