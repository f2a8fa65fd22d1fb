// The desktop's file type for schedule files (dist/lumora-mime.xml) must
// recognise what the core writes, under any name.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "files/schedule_file.h"
#include "platform/event_log.h"
#include "shell/shell_texts.h"
#include "support/scripted_ui.h"
#include "temp_folder.h"

namespace lumora {
namespace {

using testing::ReadText;

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

// The declaration of one type in the file.
std::string TypeSection(const std::string& xml, const std::string& type) {
  const auto start = xml.find("<mime-type type=\"" + type + "\"");
  if (start == std::string::npos) return {};
  return xml.substr(start, xml.find("</mime-type>", start) - start);
}

TEST(ScheduleFileType, MagicAndGlobRecogniseARenamedScheduleFileAndNoOtherKind) {
  const std::string xml =
      ReadText(std::filesystem::path(LUMORA_SOURCE_DIR) / "dist" / "lumora-mime.xml");
  const std::string schedule = TypeSection(xml, "application/x-lumora-schedule");
  const std::string viewer = TypeSection(xml, "application/x-lumora-viewer");
  EXPECT_NE(
      schedule.find(std::string("<glob pattern=\"*.") + shell_text::kScheduleExtension + "\"/>"),
      std::string::npos);
  EXPECT_NE(viewer.find("<glob pattern=\"*.lmv\"/>"), std::string::npos);
  const std::vector<Match> magic = DeclaredMagic(schedule);
  ASSERT_EQ(magic.size(), 2u);
  // The viewer's rule: the stream mark, then any one of its kind tags.
  const std::vector<Match> viewerRules = DeclaredMagic(viewer);
  ASSERT_EQ(viewerRules.size(), 4u);
  const auto isViewer = [&](const std::string& file) {
    for (std::size_t tag = 1; tag < viewerRules.size(); ++tag)
      if (Satisfies(file, {viewerRules[0], viewerRules[tag]})) return true;
    return false;
  };

  testing::TempFolder folder;
  testing::ScriptedUi ui;
  EventLog log;
  const auto save = [&](std::int32_t kind, const std::string& name) {
    auto doc = std::make_unique<TDocument>();
    const auto saved = folder / (name + "." + shell_text::kScheduleExtension);
    EXPECT_TRUE(SaveFile(*doc, saved, kind, ui, log));
    const auto renamed = folder / name;
    std::filesystem::rename(saved, renamed);
    return ReadText(renamed);
  };
  const std::string scheduleFile = save(kScheduleFile, "schedule");
  EXPECT_TRUE(Satisfies(scheduleFile, magic));
  EXPECT_FALSE(isViewer(scheduleFile));
  for (const std::int32_t kind : {kRosterViewerFile, kScheduleViewerFile, kCompanyFile}) {
    const std::string file = save(kind, "kind" + std::to_string(kind));
    EXPECT_FALSE(Satisfies(file, magic)) << kind;
    EXPECT_TRUE(isViewer(file)) << kind;
  }
}

}  // namespace
}  // namespace lumora
