#pragma once
// What the views draw on: the window of the front end, an offscreen image, a
// printer page, or the recording canvas of the tests. Coordinates are the
// drawing surface's own pixels, x to the right and y downwards; a rectangle
// holds its left and top edges and excludes its right and bottom ones.

#include <algorithm>
#include <string_view>

namespace lumora {

struct Rgb {
  int red = 0;
  int green = 0;
  int blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

namespace colors {
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kBlue{0, 0, 255};
inline constexpr Rgb kYellow{255, 255, 0};
inline constexpr Rgb kGrey{128, 128, 128};
inline constexpr Rgb kLightGrey{224, 224, 224};
}  // namespace colors

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool intersects(const Rect& o) const {
    return !empty() && !o.empty() && left < o.right && o.left < right && top < o.bottom &&
           o.top < bottom;
  }
  Rect intersected(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  Rect united(const Rect& o) const {
    if (empty()) return o;
    if (o.empty()) return *this;
    return {std::min(left, o.left), std::min(top, o.top), std::max(right, o.right),
            std::max(bottom, o.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

enum class LineStyle { Solid, Dotted };

struct Pen {
  Rgb color;
  LineStyle style = LineStyle::Solid;
  int width = 1;
  friend bool operator==(const Pen&, const Pen&) = default;
};

// The fonts a view asks for; the front end maps each to a platform font.
enum class FontRole {
  Grid,        // the grid font of the preferences
  GridBold,    // its bold variant (French pairings)
  GridItalic,  // its italic variant (proposed assignments, not yet in a block)
  PairText,    // the pairing text window: a fixed-pitch font, 16 pixels
  Toolbox,     // the toolbox buttons: 15 pixels high, 6 wide
  // The printouts' fonts, sized in their pages' logical units.
  PrintBlocks,    // the printed blocks: Arial, 9 high
  PrintPairings,  // the visual pairings: Arial, 10 high, 6 wide
};

struct FontMetrics {
  int averageCharWidth = 0;
  int height = 0;  // character height: ascent plus descent
  friend bool operator==(const FontMetrics&, const FontMetrics&) = default;
};

enum class HAlign { Left, Center, Right };

struct TextStyle {
  FontRole font = FontRole::Grid;
  Rgb color;
  // Opaque text fills its box with `background` first.
  bool opaque = false;
  Rgb background = colors::kWhite;
  friend bool operator==(const TextStyle&, const TextStyle&) = default;
};

// The program's icons; the number is the one in its resource name "ICON_n".
enum class CanvasIcon {
  Toolbox = 2,
  FilterWindow = 3,
  PairWindow = 4,
  ToolboxOpen = 6,
  FilterWindowOpen = 7,
  PairWindowOpen = 8,
  BidsWindow = 9,
  BidsWindowOpen = 10,
};
inline constexpr int kCanvasIconSize = 32;

class Canvas {
 public:
  virtual ~Canvas() = default;

  virtual void fillRect(const Rect& rect, Rgb color) = 0;
  // From `from` to `to`, both ends included.
  virtual void line(Point from, Point to, const Pen& pen) = 0;
  // `at` is the top left of the text's box (its first character cell).
  virtual void text(Point at, std::string_view text, const TextStyle& style) = 0;
  // Horizontally as `align` says and vertically centred in `rect`.
  virtual void textInRect(const Rect& rect, std::string_view text, const TextStyle& style,
                          HAlign align) = 0;
  virtual void icon(Point at, CanvasIcon icon) = 0;
  virtual FontMetrics metrics(FontRole font) const = 0;
  // The width of `text` in `font`, in pixels.
  virtual int textWidth(std::string_view text, FontRole font) const = 0;
  // Drawing outside `rect` is dropped until resetClip().
  virtual void setClip(const Rect& rect) = 0;
  virtual void resetClip() = 0;
};

}  // namespace lumora
