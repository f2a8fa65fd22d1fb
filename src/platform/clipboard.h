#pragma once
// The system clipboard: one plain text at a time.

#include <string_view>

namespace lumora {

class Clipboard {
 public:
  virtual ~Clipboard() = default;

  // Replaces the clipboard's contents with `text`; false when the clipboard
  // cannot be emptied or written.
  virtual bool setText(std::string_view text) = 0;
};

}  // namespace lumora
