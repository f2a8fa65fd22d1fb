#pragma once
// The whole sample set of one base, equipment, crew category and month, and
// the command line of lumora-samples.

#include <string>
#include <vector>

#include "samples/world.h"

namespace lumora::samples {

struct OutputFile {
  std::string name;
  std::string bytes;
};

// The PRG file, the LIS files, the toolbox file, the roster extract, the
// absence extracts of the month and the next, last month's extracts, then
// (pilots only) the bids file.
std::vector<OutputFile> GenerateSampleSet(const WorldOptions& options);
// The same files of a world already built, whose crew a caller also needs.
std::vector<OutputFile> WriteSampleSet(const World& world);

struct CommandLine {
  WorldOptions options;
  std::string outDir;
};

// Arguments without the program name. Throws std::invalid_argument with a
// message for the user.
CommandLine ParseCommandLine(const std::vector<std::string>& args);
std::string Usage();

}  // namespace lumora::samples
