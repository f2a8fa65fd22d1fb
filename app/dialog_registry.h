#pragma once
// The windows of the core's dialog models: one factory per model type. The
// core asks for a dialog with Ui::run(model); the window's Ui looks the
// model's type up here. A new dialog is its model, its window and one line
// where the window's factories are registered (dialog_windows.cpp).

#include <QDialog>
#include <functional>
#include <memory>
#include <typeindex>
#include <typeinfo>
#include <unordered_map>

#include "platform/forwarding_ui.h"

namespace lumora {

class DialogModel;

class DialogRegistry {
 public:
  using Factory = std::function<std::unique_ptr<QDialog>(DialogModel&, Ui&, QWidget* parent)>;

  // Registers the window of `Model`. Throws std::logic_error when that model
  // has one already.
  template <class Model, class MakeWindow>
  void add(MakeWindow make) {
    add(typeid(Model), [make](DialogModel& model, Ui& ui, QWidget* parent) {
      return std::unique_ptr<QDialog>(make(static_cast<Model&>(model), ui, parent));
    });
  }
  // The usual case: a window constructed from (model, ui, parent).
  template <class Model, class Window>
  void add() {
    add<Model>([](Model& model, Ui& ui, QWidget* parent) {
      return std::make_unique<Window>(model, ui, parent);
    });
  }

  template <class Model>
  bool has() const {
    return factories_.count(typeid(Model)) != 0;
  }

  // The window of `model`, or null when its type has none.
  std::unique_ptr<QDialog> create(DialogModel& model, Ui& ui, QWidget* parent) const;

 private:
  void add(const std::type_info& type, Factory factory);

  std::unordered_map<std::type_index, Factory> factories_;
};

// Shows dialog models in their windows and passes every other request to
// the Ui it wraps (message boxes on the desktop; a script in tests).
class WindowUi final : public ForwardingUi {
 public:
  WindowUi(Ui& inner, const DialogRegistry& dialogs, QWidget* parent)
      : ForwardingUi(inner), dialogs_(dialogs), parent_(parent) {}

  // Modal on the parent. Throws std::logic_error for a model without a
  // window, a fault of the program.
  bool run(DialogModel& model) override;

 private:
  const DialogRegistry& dialogs_;
  QWidget* parent_;
};

}  // namespace lumora
