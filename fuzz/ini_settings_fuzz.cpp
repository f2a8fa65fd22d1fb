// Reads arbitrary bytes as the settings file, then writes one entry that the
// input names: the bytes after the last NUL are "section\1key\1value", and the
// value's first byte chooses a plain or a struct write. Whatever the file, a
// write that is taken reads back from the file as written, every other entry
// reads as it did before, and a write that is refused leaves the file's bytes
// as they were: one setting never costs the scheduler another.

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "shell/ini_settings.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string_view Trim(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\f\v";
  const auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  return lower;
}

// The (section, key) pairs the file may hold, found by a scan of its own:
// the name of the section above each line that has an "=". Each is looked up
// through every line, so only the first 32 are kept.
std::vector<std::pair<std::string, std::string>> Names(std::string_view file) {
  std::vector<std::pair<std::string, std::string>> names;
  std::string section;
  while (!file.empty() && names.size() < 32) {
    const std::size_t end = file.find('\n');
    const std::string_view line = Trim(file.substr(0, end));
    if (line.starts_with('[')) {
      section = std::string(Trim(line.substr(1, line.find(']') - 1)));
    } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
      names.emplace_back(section, Trim(line.substr(0, equals)));
    }
    if (end == std::string_view::npos) break;
    file.remove_prefix(end + 1);
  }
  return names;
}

struct Reads {
  std::vector<std::string> texts;
  std::vector<std::optional<std::string>> structs;
};

Reads ReadAll(const lumora::IniSettingsStore& store,
              const std::vector<std::pair<std::string, std::string>>& names) {
  Reads reads;
  for (const auto& [section, key] : names) {
    reads.texts.push_back(store.readString(section, key, "\x02missing"));
    reads.structs.push_back(store.readStruct(section, key));
    static_cast<void>(store.readInt(section, key, -1));
  }
  return reads;
}

std::string Bytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder of this run's own, in memory where the system has one; it goes
// when the run ends.
class ScratchFolder {
 public:
  ScratchFolder() {
    std::error_code error;
    std::filesystem::path root = "/dev/shm";
    if (!std::filesystem::is_directory(root, error)) root = std::filesystem::temp_directory_path();
    folder_ = root / ("lumora-ini-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder_);
  }
  ~ScratchFolder() {
    std::error_code error;
    std::filesystem::remove_all(folder_, error);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  std::filesystem::path file() const { return folder_ / "lumora.ini"; }

 private:
  std::filesystem::path folder_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t nul = input.rfind('\0');
  const std::string_view file = input.substr(0, nul);
  std::string_view entry = nul == std::string_view::npos ? "LM\1Grid\1"
                                                           "1"
                                                         : input.substr(nul + 1);
  const auto part = [&entry] {
    const std::size_t end = entry.find('\1');
    const std::string_view piece = entry.substr(0, end);
    entry = end == std::string_view::npos ? std::string_view{} : entry.substr(end + 1);
    return std::string(piece);
  };
  const std::string section = part();
  const std::string key = part();
  const std::string value(entry);
  const bool asStruct = !value.empty() && (static_cast<unsigned char>(value[0]) & 1) != 0;

  static const ScratchFolder scratch;
  const std::filesystem::path path = scratch.file();
  {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(file.data(), static_cast<std::streamsize>(file.size()));
  }
  auto names = Names(file);
  lumora::IniSettingsStore store(path);
  const Reads before = ReadAll(store, names);
  const bool written =
      asStruct ? store.writeStruct(section, key, value) : store.writeString(section, key, value);

  lumora::IniSettingsStore again(path);
  if (!written) {
    Check(Bytes(path) == file);
  } else if (asStruct) {
    Check(again.readStruct(section, key) == value);
  } else {
    Check(again.readString(section, key, "\x02missing") == Trim(value));
  }
  const Reads after = ReadAll(again, names);
  for (std::size_t i = 0; i < names.size(); ++i) {
    const bool same =
        Lower(names[i].first) == Lower(section) && Lower(names[i].second) == Lower(key);
    if (written && same) continue;
    Check(after.texts[i] == before.texts[i]);
    Check(after.structs[i] == before.structs[i]);
  }
  return 0;
}
