#include "app/dialog_registry.h"

#include <stdexcept>
#include <string>
#include <utility>

#include "platform/dialog_model.h"

namespace lumora {

void DialogRegistry::add(const std::type_info& type, Factory factory) {
  if (!factories_.emplace(type, std::move(factory)).second)
    throw std::logic_error(std::string("a second window for dialog model ") + type.name());
}

std::unique_ptr<QDialog> DialogRegistry::create(DialogModel& model, Ui& ui, QWidget* parent) const {
  const auto found = factories_.find(typeid(model));
  if (found == factories_.end()) return nullptr;
  return found->second(model, ui, parent);
}

bool WindowUi::run(DialogModel& model) {
  const std::unique_ptr<QDialog> window = dialogs_.create(model, *this, parent_);
  if (!window)
    throw std::logic_error("no window for the dialog \"" + std::string(model.title()) + "\"");
  return window->exec() == QDialog::Accepted;
}

}  // namespace lumora
