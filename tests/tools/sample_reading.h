#pragma once
// Reading the generated files back the way their readers in the program do,
// written from the file layouts and independent of the writers.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace lumora::samples::testing {

std::vector<std::string> SplitLines(std::string_view text, std::string_view eol = "\n");

// The characters at pos, width long; empty when the line is too short.
std::string Field(const std::string& line, std::size_t pos, std::size_t width);
// The field as a decimal number; blanks read 0.
int Number(const std::string& line, std::size_t pos, std::size_t width);

// One pairing as the PRG import builds it: the lines of its first operating
// date and the number of header lines (operating dates).
struct ImportedPairing {
  std::string key;
  std::vector<std::string> lines;
  int dates = 0;
};

// Groups the lines whose letter is `letter` and whose digit is in `digits`
// (every digit when empty): a header with the previous accepted header's
// number only adds a date, and the records after it are ignored.
std::vector<ImportedPairing> ReadAsImport(const std::string& prg, char letter,
                                          std::string_view digits);

// Count after a position code ("CA01FO01", "FA") in the 32-character
// complement; 0 when absent.
int ComplementCount(const std::string& complement, std::string_view position);

// The text the LIS scan keeps of a file: from offset 2500, stepping back 100
// bytes while the text up to the first NUL is longer than 4999 characters.
std::string LisScanText(const std::string& bytes);

std::string ReadFile(const std::filesystem::path& path);
// The arguments after `program` on each line of samples/README.md naming it.
std::vector<std::vector<std::string>> ReadmeCommands(std::string_view program);

}  // namespace lumora::samples::testing
