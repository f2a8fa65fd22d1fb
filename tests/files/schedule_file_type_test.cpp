// The desktop's file type for schedule files (dist/lumora-mime.xml) must
// recognise what the core writes, under any name.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "files/schedule_file.h"
#include "platform/event_log.h"
#include "shell/shell_texts.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace lumora {
namespace {

struct Match {
  std::size_t offset = 0;
  std::string bytes;
};

// The match rules of the type's magic, outer first, as the bytes they expect.
std::vector<Match> DeclaredMagic(const std::string& xml) {
  std::vector<Match> matches;
  const std::regex rule(R"re(<match type="(byte|string)" offset="(\d+)" value="([^"]*)")re");
  for (std::sregex_iterator it(xml.begin(), xml.end(), rule), end; it != end; ++it) {
    Match match{std::stoul((*it)[2].str()), (*it)[3].str()};
    if ((*it)[1] == "byte")
      match.bytes = std::string(1, static_cast<char>(std::stoul(match.bytes, nullptr, 0)));
    matches.push_back(match);
  }
  return matches;
}

bool Satisfies(const std::string& file, const std::vector<Match>& magic) {
  for (const Match& m : magic)
    if (file.compare(m.offset, m.bytes.size(), m.bytes) != 0) return false;
  return true;
}

std::string ReadAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(ScheduleFileType, MagicAndGlobRecogniseARenamedScheduleFileAndNoOtherKind) {
  const std::string xml =
      ReadAll(std::filesystem::path(LUMORA_SOURCE_DIR) / "dist" / "lumora-mime.xml");
  EXPECT_NE(xml.find(std::string("<glob pattern=\"*.") + shell_text::kScheduleExtension + "\"/>"),
            std::string::npos);
  const std::vector<Match> magic = DeclaredMagic(xml);
  ASSERT_EQ(magic.size(), 2u);

  testing::TempFolder folder;
  testing::ScriptedUi ui;
  EventLog log;
  const auto save = [&](std::int32_t kind, const std::string& name) {
    auto doc = std::make_unique<TDocument>();
    const auto saved = folder / (name + "." + shell_text::kScheduleExtension);
    EXPECT_TRUE(SaveFile(*doc, saved, kind, ui, log));
    const auto renamed = folder / name;
    std::filesystem::rename(saved, renamed);
    return ReadAll(renamed);
  };
  EXPECT_TRUE(Satisfies(save(kScheduleFile, "schedule"), magic));
  EXPECT_FALSE(Satisfies(save(kScheduleViewerFile, "viewer"), magic));
  EXPECT_FALSE(Satisfies(save(kCompanyFile, "company"), magic));
}

}  // namespace
}  // namespace lumora
