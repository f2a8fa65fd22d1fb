#include "imports/import_warnings.h"

namespace lumora {

void ImportWarnings::add(std::string message) {
  if (messages_.size() >= limit_) {
    ++dropped_;
    return;
  }
  if (message.empty() || message.back() != '.') message += '.';
  messages_.push_back(std::move(message));
}

std::string ImportWarnings::text() const {
  std::string text;
  for (const std::string& message : messages_) text += message;
  if (dropped_ > 0)
    text += std::to_string(dropped_) +
            (dropped_ == 1 ? " more problem was" : " more problems were") + " not listed.";
  return text;
}

}  // namespace lumora
