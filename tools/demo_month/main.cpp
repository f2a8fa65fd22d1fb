// lumora-demo-month: writes the demo month's schedule file from the sample
// files. The same samples and seed always give the same bytes.
#include <charconv>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>

#include "demo_month/demo_month.h"
#include "platform/ui.h"
#include "shell/document_session.h"
#include "shell/memory_settings.h"

namespace {

constexpr std::string_view kUsage =
    "usage: lumora-demo-month --samples DIR --out FILE [--seed N]\n"
    "  --samples DIR  the YUL-CRJ-CA-2027-02 sample set\n"
    "  --out FILE     the schedule file to write\n"
    "  --seed N       the draws of roster and blocks (default 1)\n";

bool ParseSeed(std::string_view text, std::uint32_t& seed) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
  return error == std::errc{} && end == text.data() + text.size();
}

}  // namespace

int main(int argc, char** argv) {
  lumora::demo::DemoMonthOptions options;
  std::filesystem::path out;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return 0;
    }
    if (i + 1 >= argc) {
      std::cerr << kUsage;
      return 2;
    }
    const std::string_view value = argv[++i];
    if (arg == "--samples") {
      options.samples = value;
    } else if (arg == "--out") {
      out = value;
    } else if (arg == "--seed") {
      if (!ParseSeed(value, options.seed)) {
        std::cerr << "lumora-demo-month: --seed takes a whole number\n";
        return 2;
      }
    } else {
      std::cerr << kUsage;
      return 2;
    }
  }
  if (options.samples.empty() || out.empty()) {
    std::cerr << kUsage;
    return 2;
  }

  try {
    const std::unique_ptr<lumora::Ui> ui = lumora::demo::MakeStreamUi(std::cerr);
    // The user's settings file is never touched: the imports remember their
    // folders for this run only. The event log stays closed.
    lumora::MemorySettingsStore settings;
    lumora::DocumentSession session(*ui, settings);
    const lumora::demo::DemoMonthSummary s = lumora::demo::BuildDemoMonth(session, options);
    if (!session.save(out)) return 1;
    std::cout << out.string() << ": " << s.crew << " crew, " << s.pairings << " pairings, "
              << s.assigned << " assigned, " << s.refused << " refused, " << s.forced
              << " forced past the rest checks, " << s.otherAssignments << " other assignments, "
              << s.requests << " requests\n";
  } catch (const std::exception& e) {
    std::cerr << "lumora-demo-month: " << e.what() << '\n';
    return 1;
  }
  return 0;
}
