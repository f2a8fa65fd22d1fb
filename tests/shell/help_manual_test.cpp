// The manual installed with the program: its list of commands and keys is the
// command table's, and every picture it shows is there.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>

#include "files/temp_folder.h"
#include "model/document.h"
#include "shell/command_table.h"
#include "shell/document_lifecycle.h"
#include "shell/shell_texts.h"

namespace lumora {
namespace {

const std::filesystem::path kHelp = std::filesystem::path(LUMORA_SOURCE_DIR) / "docs" / "help";

std::string Html(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '&') {
      // A menu's mnemonic marker, or "&&" for an ampersand.
      if (i + 1 < text.size() && text[i + 1] == '&') {
        out += "&amp;";
        ++i;
      }
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else {
      out += c;
    }
  }
  return out;
}

void AddRows(const MenuItem& popup, const std::string& path, const CommandContext& context,
             std::string& rows) {
  for (const MenuItem& item : popup.items) {
    if (item.kind == MenuItem::Kind::Popup) {
      AddRows(item, path + " &gt; " + Html(item.text), context, rows);
      continue;
    }
    if (item.kind != MenuItem::Kind::Command) continue;
    const CommandInfo& command = *FindCommand(item.command);
    std::string text = Html(item.text);
    const std::string_view key = KeyTextOf(item.command, context);
    // "Undo F1" names its key in its text already.
    if (!key.empty() && text.ends_with(" " + std::string(key)))
      text.resize(text.size() - key.size() - 1);
    if (command.implementation == Implementation::NotBuilt) text += " (not available)";
    std::string keys;
    for (const std::string_view k : {key, DesktopKeyOf(item.command)})
      if (!k.empty()) keys += (keys.empty() ? "" : ", ") + ("<kbd>" + Html(k) + "</kbd>");
    rows += "  <tr><td>" + path + "</td><td>" + text + "</td><td>" + keys + "</td></tr>\n";
  }
}

// The rows of the manual's command list: every item of the full menu of a
// pilot file with its blocks shown, where every key has its command.
std::string CommandRows() {
  auto doc = std::make_unique<TDocument>();
  doc->DocState = kDocumentLoaded;
  doc->BlocksShown = 1;
  const CommandContext context{doc.get(), true, true, true};
  std::string rows;
  for (const MenuItem& popup : MenuLayout(shell_text::kMenuDocument))
    AddRows(popup, Html(popup.text), context, rows);
  return rows;
}

TEST(HelpManual, ListsEveryCommandWithItsKeysAsTheMenusDo) {
  const std::string manual = testing::ReadText(kHelp / "index.html");
  const std::string begin = "<!-- commands: the rows follow the command table -->\n";
  const std::string end = "<!-- end of commands -->";
  const auto from = manual.find(begin);
  const auto to = manual.find(end);
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  const std::string expected = "<table>\n  <tr><th>Menu</th><th>Command</th><th>Keys</th></tr>\n" +
                               CommandRows() + "</table>\n";
  const std::string listed = manual.substr(from + begin.size(), to - from - begin.size());
  if (listed != expected) {
    const auto written = std::filesystem::temp_directory_path() / "lumora-help-commands.html";
    std::ofstream(written, std::ios::binary) << expected;
    ADD_FAILURE() << "docs/help/index.html lists other commands than the menus; the list as "
                     "the menus have it is in "
                  << written.string();
  }
}

TEST(HelpManual, EveryPictureItShowsIsThere) {
  const std::string manual = testing::ReadText(kHelp / "index.html");
  const std::regex image("<img src=\"([^\"]+)\"");
  int pictures = 0;
  for (auto it = std::sregex_iterator(manual.begin(), manual.end(), image);
       it != std::sregex_iterator(); ++it, ++pictures) {
    EXPECT_TRUE(std::filesystem::is_regular_file(kHelp / (*it)[1].str())) << (*it)[1].str();
  }
  EXPECT_GT(pictures, 0);
}

}  // namespace
}  // namespace lumora
