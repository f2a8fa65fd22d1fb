#pragma once
// The toolbox: one button per assignment code beside the grid. Pressing a
// button makes its code the current item, which clicks on empty days then
// place. This is the window's content, layout and state; the front end shows
// it and forwards presses.

#include <string>

#include "model/code_table.h"
#include "model/fixed_array.h"
#include "platform/canvas.h"

namespace lumora {

class TDocument;

// A push button labelled with its code, carrying the code's values.
struct TZorButton {
  ToolboxItem item;
};

inline constexpr int kToolboxButtonsPerRow = 12;
inline constexpr int kToolboxButtonWidth = 35;
inline constexpr int kToolboxButtonHeight = 20;
inline constexpr int kToolboxColumnPitch = 37;
inline constexpr int kToolboxRowPitch = 22;
inline constexpr int kToolboxWindowWidth = 450;
inline constexpr Point kToolboxWindowOrigin{200, 300};
// The buttons' font: "Arial", 15 pixels high, normal weight.
inline constexpr const char* kToolboxFontFamily = "Arial";
inline constexpr int kToolboxFontHeight = 15;

class TButtonWin {
 public:
  TButtonWin();
  TButtonWin(const TButtonWin&) = delete;
  TButtonWin& operator=(const TButtonWin&) = delete;

  // Throws the buttons away and builds them again for the document: the
  // twelve request buttons, then its codes. The current item becomes the X1
  // request and the caption names the toolbox in use. Placing mode is left
  // as it is.
  void RebuildToolbox(const TDocument& doc);

  // Left mouse button down on button n: its code becomes the current item,
  // its message the caption, and the grid starts placing. Out-of-range n
  // does nothing.
  void press(int n, TDocument& doc);

  // A pairing was selected in the pairing window (which ends placing mode):
  // the caption is emptied, the current item stays.
  void pairingSelected();

  int count() const { return count_; }
  // Button n, 0 <= n < count().
  const TZorButton& button(int n) const;
  const ToolboxItem& currentItem() const { return current_; }
  const std::string& caption() const { return caption_; }
  // Codes the last rebuild had no room for (0 normally).
  int droppedButtons() const { return dropped_; }

  // Where button n sits inside the window.
  static Rect buttonRect(int n);
  // Rows in use: the buttons divided by twelve, rounded up.
  int rowCount() const;
  // The window on screen: 450 wide and, in height, the caption plus one
  // row pitch per row, at (200, 300).
  Rect windowRect(int captionHeight) const;
  // The button under a point of the window, or -1.
  int buttonAt(Point p) const;

 private:
  FixedArray<TZorButton> buttons_{static_cast<std::size_t>(kToolboxButtonSlots)};
  int count_ = 0;
  int dropped_ = 0;
  ToolboxItem current_;
  std::string caption_;
};

}  // namespace lumora
