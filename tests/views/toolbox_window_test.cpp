#include "views/toolbox_window.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/code_table.h"
#include "model/document.h"

namespace lumora {
namespace {

std::unique_ptr<TDocument> PilotDocument() {
  auto doc = std::make_unique<TDocument>();
  doc->CrewType = static_cast<std::uint8_t>(CrewKind::Captains);
  return doc;
}

// `count` entries, all on the toolbox, loaded from a file of that date.
void LoadEntries(TDocument& doc, int count, const std::string& date) {
  for (int n = 0; n < count; ++n) {
    TAbsence& entry = doc.ToolboxItems[static_cast<std::size_t>(n)];
    entry.Code = "C" + std::to_string(n);
    entry.CrewTracCode = "Q" + std::to_string(n % 10);
    entry.ButtonText = "Code number " + std::to_string(n);
    entry.Credit = 200 + n;
    entry.CarsDuty = 1;
    entry.CreditCounts = 0;
  }
  doc.ToolboxCount = count;
  doc.ToolboxDate = date;
}

std::vector<ToolboxItem> Buttons(const TButtonWin& win) {
  std::vector<ToolboxItem> items;
  for (int n = 0; n < win.count(); ++n) items.push_back(win.button(n).item);
  return items;
}

TEST(ToolboxWindow, PilotDocumentWithoutEntriesShowsRequestsAndBuiltInPilotCodes) {
  auto doc = PilotDocument();
  TButtonWin win;
  win.RebuildToolbox(*doc);

  ASSERT_GT(win.count(), kRequestButtonCount);
  EXPECT_EQ(win.caption(), "Default ToolBox");
  EXPECT_EQ(win.currentItem(), RequestButton(1));

  // Twelve to a row, the requests alone in the first one.
  EXPECT_EQ(win.rowCount(), (win.count() + 11) / 12);
  EXPECT_EQ(TButtonWin::buttonRect(11), (Rect{407, 0, 442, 20}));
  EXPECT_EQ(TButtonWin::buttonRect(25), (Rect{37, 44, 72, 64}));

  // Hit test: inside a button, in the gaps between them, past the last one.
  EXPECT_EQ(win.buttonAt({0, 0}), 0);
  EXPECT_EQ(win.buttonAt({37, 5}), 1);
  EXPECT_EQ(win.buttonAt({35, 5}), -1);
  EXPECT_EQ(win.buttonAt({5, 20}), -1);
  EXPECT_EQ(win.buttonAt({441, 23}), 23);
  EXPECT_EQ(win.buttonAt({445, 5}), -1);
  EXPECT_EQ(win.buttonAt({0, 22 * win.rowCount()}), -1);
}

TEST(ToolboxWindow, LoadedEntriesGiveDatedCaptionAndRowsByButtonCount) {
  auto doc = PilotDocument();
  LoadEntries(*doc, 13, "01/15/2027");
  doc->ToolboxItems[5].InToolbox = 0;  // kept for the extracts only
  TButtonWin win;
  win.RebuildToolbox(*doc);
  EXPECT_EQ(win.caption(), "ToolBox Date 01/15/2027");
  EXPECT_EQ(win.rowCount(), 2);  // 12 + 12 buttons

  doc->ToolboxItems[5].InToolbox = 1;
  win.RebuildToolbox(*doc);
  ASSERT_EQ(win.count(), 12 + 13);
  EXPECT_EQ(win.rowCount(), 3);
  EXPECT_EQ(win.button(12).item.code, "C0");
  EXPECT_EQ(win.button(24).item.code, "C12");
  EXPECT_EQ(win.windowRect(18), (Rect{200, 300, 650, 300 + 18 + 66}));

  // Back to the built-in codes: no button of the entries is left behind.
  doc->ToolboxCount = 0;
  win.RebuildToolbox(*doc);
  EXPECT_EQ(Buttons(win), ToolboxButtons(*doc));
  EXPECT_EQ(win.caption(), "Default ToolBox");

  // A full toolbox fills every slot.
  LoadEntries(*doc, kToolboxButtonSlots, "2027");
  win.RebuildToolbox(*doc);
  ASSERT_EQ(win.count(), kToolboxButtonSlots);
  EXPECT_EQ(win.button(kToolboxButtonSlots - 1).item.code, "C287");
  EXPECT_EQ(win.windowRect(0).height(), 25 * 22);
  EXPECT_EQ(win.buttonAt({407 + 3, 24 * 22 + 3}), kToolboxButtonSlots - 1);
}

TEST(ToolboxWindow, PressRebuildAndPairingSelection) {
  auto doc = PilotDocument();
  LoadEntries(*doc, 13, "01/15/2027");
  TButtonWin win;
  win.RebuildToolbox(*doc);
  ASSERT_EQ(doc->view.toolboxPlacing, 0);

  win.press(9, *doc);
  EXPECT_EQ(win.currentItem().code, "XA");
  EXPECT_EQ(win.currentItem().credit, -10);
  EXPECT_EQ(win.caption(), "XA Off in the AM");
  EXPECT_EQ(doc->view.toolboxPlacing, 1);

  // A code button hands over every value it carries.
  win.press(12 + 3, *doc);
  EXPECT_EQ(win.currentItem(), win.button(15).item);
  EXPECT_EQ(win.currentItem().crewTracCode, "Q3");
  EXPECT_EQ(win.currentItem().credit, 203);
  EXPECT_EQ(win.currentItem().excludeCredit, 1);
  EXPECT_EQ(win.currentItem().carsDuty, 1);
  EXPECT_EQ(win.caption(), "Code number 3");

  // Presses that hit no button change nothing.
  const ToolboxItem before = win.currentItem();
  win.press(-1, *doc);
  win.press(win.count(), *doc);
  EXPECT_EQ(win.currentItem(), before);
  EXPECT_EQ(win.caption(), "Code number 3");

  // Selecting a pairing empties the caption and keeps the item; ending the
  // placing mode is the pairing window's.
  win.pairingSelected();
  EXPECT_EQ(win.caption(), "");
  EXPECT_EQ(win.currentItem(), before);

  // Reopening: the X1 request again, with none of the pressed code's values
  // left on it, and the grid still placing.
  win.press(15, *doc);
  win.RebuildToolbox(*doc);
  EXPECT_EQ(win.currentItem(), RequestButton(1));
  EXPECT_EQ(win.currentItem().crewTracCode, "");
  EXPECT_EQ(win.currentItem().excludeCredit, 0);
  EXPECT_EQ(win.currentItem().carsDuty, 0);
  EXPECT_EQ(win.caption(), "ToolBox Date 01/15/2027");
  EXPECT_EQ(doc->view.toolboxPlacing, 1);
}

}  // namespace
}  // namespace lumora
