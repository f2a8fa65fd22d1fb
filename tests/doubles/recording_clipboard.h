#pragma once
// A clipboard that keeps every text put on it; `works = false` makes it
// refuse them, as a clipboard another program holds open.

#include <string>
#include <string_view>
#include <vector>

#include "platform/clipboard.h"

namespace lumora::testing {

class RecordingClipboard : public Clipboard {
 public:
  bool setText(std::string_view text) override {
    texts.emplace_back(text);
    return works;
  }
  bool works = true;
  std::vector<std::string> texts;
};

}  // namespace lumora::testing
