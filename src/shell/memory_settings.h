#pragma once
// Settings that live for one run only, with the keys of the settings file
// (compared without regard to case). Runs without anyone at the desktop use
// them so that the user's settings file is never touched.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/settings_store.h"

namespace lumora {

class MemorySettingsStore final : public SettingsStore {
 public:
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override;
  int readInt(std::string_view section, std::string_view key, int fallback) const override;
  bool writeString(std::string_view section, std::string_view key, std::string_view value) override;
  std::optional<std::string> readStruct(std::string_view section,
                                        std::string_view key) const override;
  bool writeStruct(std::string_view section, std::string_view key, std::string_view value) override;

 private:
  std::map<std::string, std::string> values_;
  std::map<std::string, std::string> structs_;
};

}  // namespace lumora
