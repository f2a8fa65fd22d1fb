#include "shell/memory_settings.h"

#include <algorithm>

#include "model/time_text.h"

namespace lumora {

namespace {

std::string Key(std::string_view section, std::string_view key) {
  std::string k = std::string(section) + "/" + std::string(key);
  std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return k;
}

std::optional<std::string> Find(const std::map<std::string, std::string>& values,
                                std::string_view section, std::string_view key) {
  const auto it = values.find(Key(section, key));
  if (it == values.end()) return std::nullopt;
  return it->second;
}

}  // namespace

std::string MemorySettingsStore::readString(std::string_view section, std::string_view key,
                                            std::string_view fallback) const {
  return Find(values_, section, key).value_or(std::string(fallback));
}

int MemorySettingsStore::readInt(std::string_view section, std::string_view key,
                                 int fallback) const {
  const std::optional<std::string> value = Find(values_, section, key);
  return value ? LeadingInt(*value) : fallback;
}

bool MemorySettingsStore::writeString(std::string_view section, std::string_view key,
                                      std::string_view value) {
  values_[Key(section, key)] = std::string(value);
  return true;
}

std::optional<std::string> MemorySettingsStore::readStruct(std::string_view section,
                                                           std::string_view key) const {
  return Find(structs_, section, key);
}

bool MemorySettingsStore::writeStruct(std::string_view section, std::string_view key,
                                      std::string_view value) {
  structs_[Key(section, key)] = std::string(value);
  return true;
}

}  // namespace lumora
