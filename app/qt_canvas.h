#pragma once
// The views' drawing surface on Qt: a QPainter on a widget or an image, the
// grid and window fonts as platform fonts, and the program's icons.

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QStaticText>
#include <QString>
#include <array>
#include <functional>
#include <optional>
#include <string_view>

#include "platform/canvas.h"
#include "shell/grid_font.h"

class QPainter;

namespace lumora {

// Texts laid out once and drawn many times while their fonts stay: the grid
// paints the same few hundred numbers and codes on every paint, and laying
// them out is most of the cost of drawing them. A copy starts empty, so fonts
// assigned anew never draw with an old layout.
class TextLayouts {
 public:
  static constexpr std::size_t kRoles = 7;
  struct Entry {
    QStaticText text;
    int width;  // the font's advance, as the views measure texts
  };

  TextLayouts() = default;
  TextLayouts(const TextLayouts&) {}
  TextLayouts& operator=(const TextLayouts&) {
    clear();
    return *this;
  }
  ~TextLayouts() = default;

  const Entry& get(std::size_t role, const QString& text, const QFont& font,
                   const QFontMetrics& metrics);
  void clear();

 private:
  // Texts from hover and search boxes are many; the grid's are few. Beyond
  // this a role starts again rather than grow without end.
  static constexpr qsizetype kLimit = 4096;
  std::array<QHash<QString, Entry>, kRoles> roles_;
};

// The platform font of every role a view may ask for.
struct CanvasFonts {
  QFont grid;
  QFont gridBold;
  QFont gridItalic;
  QFont pairText;
  QFont toolbox;
  QFont printBlocks;
  QFont printPairings;
  mutable TextLayouts layouts;
};

// A stored font description as a Qt font. Sizes are pixels: a negative height
// is the character height, a positive one the cell height (the character
// height with its leading); a width above 0 stretches the font to that
// average character width. Families this machine may lack are replaced by
// close free fonts.
QFont FontFromDescription(const FontDescription& description);

// The grid fonts of the preferences, the pairing text's fixed-pitch font of
// 16 pixels, the toolbox's 15-pixel font and the printouts' fonts.
CanvasFonts DefaultCanvasFonts(const GridFontChoice& choice);

// The picture of an icon at its drawing size; null when the resource cannot
// be drawn (a Qt without its SVG plugins).
QPixmap CanvasIconPixmap(CanvasIcon icon);

class QtCanvas final : public Canvas {
 public:
  // Both must outlive the canvas; the painter must be active.
  QtCanvas(QPainter& painter, const CanvasFonts& fonts);

  void fillRect(const Rect& rect, Rgb color) override;
  void line(Point from, Point to, const Pen& pen) override;
  void text(Point at, std::string_view text, const TextStyle& style) override;
  void textInRect(const Rect& rect, std::string_view text, const TextStyle& style,
                  HAlign align) override;
  void icon(Point at, CanvasIcon icon) override;
  FontMetrics metrics(FontRole font) const override;
  int textWidth(std::string_view text, FontRole font) const override;
  void setClip(const Rect& rect) override;
  void resetClip() override;

 private:
  // A font role's font with its metrics, built once per canvas.
  struct RoleFont {
    const QFont* font;
    QFontMetrics metrics;
    int ascent;
    int height;  // ascent plus descent
    std::size_t index;
  };
  static constexpr std::size_t kRoles = TextLayouts::kRoles;

  const RoleFont& font(FontRole role) const;
  // Draws `text` with the top left of its box at (x, y).
  void drawText(int x, int y, const TextLayouts::Entry& text, const RoleFont& font,
                const TextStyle& style);
  // The painter keeps its font and pen until they change: setting them anew
  // for every text and line costs more than the drawing of a short one.
  void usePen(const QPen& pen);
  void useFont(const RoleFont& font);

  QPainter& painter_;
  const CanvasFonts& fonts_;
  mutable std::array<std::optional<RoleFont>, kRoles> roles_;
  const QFont* painterFont_ = nullptr;
};

// Paints into a new image of `size` (white at first) through a QtCanvas:
// for screenshots, printing previews and the benchmarks.
QImage PaintToImage(QSize size, const CanvasFonts& fonts,
                    const std::function<void(Canvas&)>& paint);

}  // namespace lumora
