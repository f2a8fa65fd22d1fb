#pragma once
// The program's private settings file: sections of "key=value" lines. Keys
// compare without regard to case; every value is text.

#include <optional>
#include <string>
#include <string_view>

namespace lumora {

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  // The value, or `fallback` when the key is missing.
  virtual std::string readString(std::string_view section, std::string_view key,
                                 std::string_view fallback) const = 0;
  // The leading decimal number of the value (0 when it has none), or
  // `fallback` when the key is missing.
  virtual int readInt(std::string_view section, std::string_view key, int fallback) const = 0;
  // False when the settings file cannot be written.
  virtual bool writeString(std::string_view section, std::string_view key,
                           std::string_view value) = 0;

  // A structured value (the grid font): reads back exactly what was written,
  // nothing when the key is missing or the stored value is damaged.
  virtual std::optional<std::string> readStruct(std::string_view section,
                                                std::string_view key) const = 0;
  virtual bool writeStruct(std::string_view section, std::string_view key,
                           std::string_view value) = 0;
};

}  // namespace lumora
