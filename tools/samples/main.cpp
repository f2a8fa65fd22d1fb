// lumora-samples: writes a deterministic set of crew-tracking input files.

#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "samples/sample_set.h"

int main(int argc, char** argv) {
  using namespace lumora::samples;
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << Usage();
    return 0;
  }
  CommandLine command;
  try {
    command = ParseCommandLine(args);
  } catch (const std::invalid_argument& e) {
    std::cerr << "lumora-samples: " << e.what() << "\n" << Usage();
    return 2;
  }
  try {
    const std::vector<OutputFile> files = GenerateSampleSet(command.options);
    const std::filesystem::path dir(command.outDir);
    std::filesystem::create_directories(dir);
    for (const OutputFile& f : files) {
      const std::filesystem::path path = dir / f.name;
      std::ofstream out(path, std::ios::binary | std::ios::trunc);
      out.write(f.bytes.data(), static_cast<std::streamsize>(f.bytes.size()));
      out.close();
      if (!out) {
        std::cerr << "lumora-samples: cannot write " << path.string() << "\n";
        return 1;
      }
      std::cout << path.string() << "  " << f.bytes.size() << " bytes\n";
    }
  } catch (const std::exception& e) {
    std::cerr << "lumora-samples: " << e.what() << "\n";
    return 1;
  }
  return 0;
}
