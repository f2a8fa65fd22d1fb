#pragma once
// The batch tool has no clipboard: texts the core puts there are dropped.
// The list dialog's lines themselves reach the error stream through BatchUi.

#include "platform/clipboard.h"

namespace lumora {

class BatchClipboard final : public Clipboard {
 public:
  bool setText(std::string_view) override { return true; }
};

}  // namespace lumora
