#include "sample_reading.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>

namespace lumora::samples::testing {

std::vector<std::string> SplitLines(std::string_view text, std::string_view eol) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find(eol, start);
    if (end == std::string_view::npos) {
      lines.emplace_back(text.substr(start));
      break;
    }
    lines.emplace_back(text.substr(start, end - start));
    start = end + eol.size();
  }
  return lines;
}

std::string Field(const std::string& line, std::size_t pos, std::size_t width) {
  if (line.size() < pos + width) return {};
  return line.substr(pos, width);
}

int Number(const std::string& line, std::size_t pos, std::size_t width) {
  return std::atoi(Field(line, pos, width).c_str());
}

std::vector<ImportedPairing> ReadAsImport(const std::string& prg, char letter,
                                          std::string_view digits) {
  std::vector<ImportedPairing> pairings;
  bool building = false;
  int previous = -1;
  for (const std::string& line : SplitLines(prg)) {
    if (line.size() < 3 || line[0] < '1' || line[0] > '5') continue;
    if (line[1] != letter) continue;
    if (!digits.empty() && digits.find(line[2]) == std::string_view::npos) continue;
    if (line[0] == '1') {
      const int number = Number(line, 2, 4);
      if (number == previous) {
        building = false;
        ++pairings.back().dates;
        continue;
      }
      previous = number;
      building = true;
      pairings.push_back({line.substr(1, 5), {line}, 1});
    } else if (building) {
      pairings.back().lines.push_back(line);
    }
  }
  return pairings;
}

int ComplementCount(const std::string& complement, std::string_view position) {
  const std::size_t at = complement.find(position);
  if (at == std::string::npos) return 0;
  return std::atoi(complement.substr(at + 2, 2).c_str());
}

std::string LisScanText(const std::string& bytes) {
  auto textFrom = [&bytes](std::size_t offset) {
    if (offset >= bytes.size()) return std::string();
    const std::size_t nul = bytes.find('\0', offset);
    return bytes.substr(offset, nul == std::string::npos ? std::string::npos : nul - offset);
  };
  std::string kept;
  for (std::size_t offset = 2500;; offset -= 100) {
    std::string text = textFrom(offset);
    if (text.size() <= 4999) break;
    kept = std::move(text);
    if (offset < 100) break;
  }
  return kept;
}

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

std::vector<std::vector<std::string>> ReadmeCommands(std::string_view program) {
  std::istringstream readme(
      ReadFile(std::filesystem::path(LUMORA_SOURCE_DIR) / "samples" / "README.md"));
  std::vector<std::vector<std::string>> commands;
  for (std::string line; std::getline(readme, line);) {
    std::istringstream words(line);
    std::vector<std::string> args;
    bool named = false;
    for (std::string word; words >> word;) {
      if (named) args.push_back(word);
      if (word.ends_with(program)) named = true;
    }
    if (!args.empty()) commands.push_back(args);
  }
  return commands;
}

}  // namespace lumora::samples::testing
