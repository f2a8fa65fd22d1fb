#include "samples/sample_set.h"

#include <charconv>
#include <stdexcept>

#include "samples/absences_writer.h"
#include "samples/bids_writer.h"
#include "samples/last_month_writer.h"
#include "samples/lis_writer.h"
#include "samples/prg_writer.h"
#include "samples/roster_writer.h"
#include "samples/toolbox_writer.h"

namespace lumora::samples {

std::vector<OutputFile> GenerateSampleSet(const WorldOptions& options) {
  return WriteSampleSet(BuildWorld(options));
}

std::vector<OutputFile> WriteSampleSet(const World& world) {
  std::vector<OutputFile> files;
  files.push_back({PrgFileName(world), WritePrg(world)});
  for (LisFile& lis : WriteLisFiles(world)) files.push_back({lis.name, std::move(lis.bytes)});
  files.push_back({ToolboxFileName(world), WriteToolbox(world)});
  files.push_back({RosterFileName(world), WriteRosterExtract(world)});
  files.push_back({AbsencesFileName(world, false), WriteAbsencesExtract(world, false)});
  files.push_back({AbsencesFileName(world, true), WriteAbsencesExtract(world, true)});
  for (OutputFile& file : WriteLastMonthFiles(world)) files.push_back(std::move(file));
  if (const std::string bids = BidsFileName(world); !bids.empty())
    files.push_back({bids, WriteBidsFile(world)});
  return files;
}

namespace {

long long ParseNumber(const std::string& option, const std::string& text, long long lo,
                      long long hi) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end || value < lo || value > hi) {
    throw std::invalid_argument(option + " needs a number from " + std::to_string(lo) + " to " +
                                std::to_string(hi) + ", not '" + text + "'");
  }
  return value;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine c;
  bool out = false, base = false, equipment = false, category = false, month = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) throw std::invalid_argument(option + " needs a value");
    const std::string& value = args[++i];
    if (option == "--out") {
      c.outDir = value;
      out = true;
    } else if (option == "--base") {
      if (FindBase(value) == nullptr) throw std::invalid_argument("unknown base " + value);
      c.options.base = value;
      base = true;
    } else if (option == "--equipment") {
      FleetFor(value);  // refuses what it cannot number
      c.options.equipment = value;
      equipment = true;
    } else if (option == "--category") {
      c.options.category = CategoryFromCode(value);
      category = true;
    } else if (option == "--month") {
      if (value.size() != 7 || value[4] != '-') {
        throw std::invalid_argument("--month takes YYYY-MM, not '" + value + "'");
      }
      c.options.year = static_cast<int>(ParseNumber("--month", value.substr(0, 4), 1901, 9998));
      c.options.month = static_cast<int>(ParseNumber("--month", value.substr(5, 2), 1, 12));
      month = true;
    } else if (option == "--seed") {
      c.options.seed = static_cast<std::uint32_t>(ParseNumber(option, value, 0, 4294967295LL));
    } else if (option == "--pairings") {
      c.options.pairings = static_cast<int>(ParseNumber(option, value, 1, kMaxPairings));
    } else {
      throw std::invalid_argument("unknown option " + option);
    }
  }
  if (!out || !base || !equipment || !category || !month) {
    throw std::invalid_argument("--out, --base, --equipment, --category and --month are required");
  }
  return c;
}

std::string Usage() {
  std::string bases;
  for (const Base& b : Bases()) bases += std::string(bases.empty() ? "" : "|") + b.code;
  return "usage: lumora-samples --out DIR --base " + bases +
         " --equipment CRJ|DH8|DH4|E75|... --category CA|FO|FA --month YYYY-MM"
         " [--seed N] [--pairings N]\n"
         "Writes a PRG pairing file, weekly LIS listings, a toolbox file, the roster extract,\n"
         "the absence extracts of the month and the next, and the crew activity and\n"
         "prior-period pairing extracts of the month before, and the pilots' bids file.\n"
         "--pairings counts the pairing records the import stores (default 200, at most 3000);\n"
         "the same options always give the same bytes.\n";
}

}  // namespace lumora::samples
