#pragma once
// Settings kept in memory, with the same key semantics as the settings file,
// for tests of the parts that read and write settings.

#include <algorithm>
#include <cctype>
#include <map>
#include <string>

#include "model/time_text.h"
#include "platform/settings_store.h"

namespace lumora::testing {

class MemorySettings : public SettingsStore {
 public:
  std::string readString(std::string_view section, std::string_view key,
                         std::string_view fallback) const override {
    const auto it = values.find(Key(section, key));
    return it == values.end() ? std::string(fallback) : it->second;
  }
  int readInt(std::string_view section, std::string_view key, int fallback) const override {
    const auto it = values.find(Key(section, key));
    return it == values.end() ? fallback : LeadingInt(it->second);
  }
  bool writeString(std::string_view section, std::string_view key,
                   std::string_view value) override {
    values[Key(section, key)] = std::string(value);
    return true;
  }
  std::optional<std::string> readStruct(std::string_view section,
                                        std::string_view key) const override {
    const auto it = structs.find(Key(section, key));
    if (it == structs.end()) return std::nullopt;
    return it->second;
  }
  bool writeStruct(std::string_view section, std::string_view key,
                   std::string_view value) override {
    structs[Key(section, key)] = std::string(value);
    return true;
  }

  // "section/key", lower case.
  static std::string Key(std::string_view section, std::string_view key) {
    std::string k = std::string(section) + "/" + std::string(key);
    std::transform(k.begin(), k.end(), k.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return k;
  }

  std::map<std::string, std::string> values;
  std::map<std::string, std::string> structs;
};

}  // namespace lumora::testing
