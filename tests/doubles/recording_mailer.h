#pragma once
// A mail program that keeps the attachments it was handed.

#include <filesystem>
#include <span>
#include <vector>

#include "platform/mailer.h"

namespace lumora::testing {

class RecordingMailer final : public Mailer {
 public:
  bool send(std::span<const std::filesystem::path> files) override {
    sent.emplace_back(files.begin(), files.end());
    return starts;
  }

  bool starts = true;
  std::vector<std::vector<std::filesystem::path>> sent;  // one entry per message
};

}  // namespace lumora::testing
