#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "app/qt_canvas.h"
#include "support/random_document.h"
#include "views/block_grid.h"

namespace lumora {
namespace {

const CanvasFonts& fonts() {
  static const CanvasFonts kFonts = DefaultCanvasFonts(GridFontChoice());
  return kFonts;
}

QImage paint(const std::function<void(Canvas&)>& draw) {
  return PaintToImage(QSize(120, 100), fonts(), draw);
}

// The smallest rectangle holding every pixel that is not white.
QRect inkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != qRgb(255, 255, 255)) box = box.united(QRect(x, y, 1, 1));
    }
  }
  return box;
}

TEST(QtCanvas, FillsLinesAndClipsCoverExactlyTheirPixels) {
  const QImage image = paint([](Canvas& canvas) {
    canvas.fillRect({10, 10, 20, 20}, colors::kRed);
    canvas.fillRect({50, 50, 50, 60}, colors::kRed);  // empty: nothing
    canvas.line({5, 30}, {15, 30}, Pen{colors::kBlue});
    canvas.line({40, 5}, {40, 15}, Pen{colors::kBlue});
    canvas.line({60, 70}, {60, 70}, Pen{colors::kBlue});
    canvas.line({0, 90}, {99, 90}, Pen{colors::kGrey, LineStyle::Dotted});
    canvas.setClip({70, 10, 80, 20});
    canvas.fillRect({60, 0, 100, 40}, colors::kRed);
    canvas.resetClip();
    canvas.fillRect({110, 0, 120, 10}, colors::kBlue);
  });
  // Rectangles hold their left and top edges, not their right and bottom
  // ones; lines hold both their ends, and nothing beyond.
  EXPECT_EQ(inkBox(image.copy(0, 0, 35, 25)), QRect(10, 10, 10, 10));
  EXPECT_EQ(inkBox(image.copy(0, 25, 35, 10)), QRect(5, 5, 11, 1));
  EXPECT_EQ(inkBox(image.copy(35, 0, 10, 40)), QRect(5, 5, 1, 11));
  EXPECT_EQ(inkBox(image.copy(45, 45, 20, 30)), QRect(15, 25, 1, 1));
  EXPECT_EQ(inkBox(image.copy(55, 0, 55, 45)), QRect(15, 10, 10, 10));
  EXPECT_EQ(image.pixel(115, 5), qRgb(0, 0, 255));
  // Dotted: gaps all along, nothing off the line.
  int drawn = 0;
  for (int x = 0; x < 100; ++x) drawn += image.pixel(x, 90) != qRgb(255, 255, 255) ? 1 : 0;
  EXPECT_GT(drawn, 15);
  EXPECT_LT(drawn, 85);
  EXPECT_EQ(inkBox(image.copy(0, 85, 110, 15)), QRect(0, 5, 100, 1));
}

TEST(QtCanvas, TextSitsInItsBoxOpaqueCentredAndLatin1) {
  const QImage plain = paint([](Canvas& canvas) {
    canvas.text({20, 30}, "WMW", TextStyle{FontRole::Grid, colors::kBlack});
  });
  const QFontMetrics metrics(fonts().grid);
  const QRect box(20, 30, metrics.horizontalAdvance(QStringLiteral("WMW")),
                  metrics.ascent() + metrics.descent());
  const QRect ink = inkBox(plain);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(box.adjusted(-1, 0, 1, 0).contains(ink)) << ink.x() << ',' << ink.y();
  // Capitals reach up to near the top of the box, not above it.
  EXPECT_LE(ink.top(), 30 + metrics.ascent() / 2);

  const QImage image = paint([](Canvas& canvas) {
    canvas.text({2, 2}, "ii", TextStyle{FontRole::Grid, colors::kBlack, true, colors::kYellow});
    canvas.textInRect({0, 50, 120, 90}, "HH", TextStyle{FontRole::Grid, colors::kBlue},
                      HAlign::Center);
  });
  // The background covers the text's box, whatever the glyphs leave.
  EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 0));
  // Centred both ways, to a pixel or two of rounding.
  const QRect centred = inkBox(image.copy(0, 40, 120, 60)).translated(0, 40);
  ASSERT_FALSE(centred.isEmpty());
  EXPECT_NEAR(centred.left() + centred.width() / 2.0, 60.0, 2.5);
  EXPECT_GE(centred.top(), 50);
  EXPECT_LT(centred.bottom(), 90);
  EXPECT_NEAR(centred.top() - 50, 90 - centred.bottom() - 1, fonts().grid.pixelSize() / 2 + 2);

  // Core texts are Latin-1: one byte is one character.
  QImage scratch(10, 10, QImage::Format_RGB32);
  QPainter painter(&scratch);
  QtCanvas canvas(painter, fonts());
  EXPECT_EQ(canvas.textWidth("\xE9t\xE9", FontRole::Grid),
            metrics.horizontalAdvance(QString::fromUtf8("\xC3\xA9t\xC3\xA9")));
  for (FontRole role :
       {FontRole::Grid, FontRole::GridBold, FontRole::PairText, FontRole::Toolbox}) {
    EXPECT_GT(canvas.metrics(role).averageCharWidth, 0) << static_cast<int>(role);
    EXPECT_GT(canvas.metrics(role).height, 0) << static_cast<int>(role);
  }
}

// Every call straight to the painter, setting font and pen each time: what
// the canvas must draw, however it saves on the painter's state.
class PlainCanvas final : public Canvas {
 public:
  explicit PlainCanvas(QPainter& painter) : painter_(painter), canvas_(painter, fonts()) {}
  void fillRect(const Rect& r, Rgb c) override {
    if (!r.empty()) painter_.fillRect(QRect(r.left, r.top, r.width(), r.height()), color(c));
  }
  void line(Point from, Point to, const Pen& pen) override {
    painter_.setPen(QPen(color(pen.color), std::max(1, pen.width),
                         pen.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine,
                         Qt::SquareCap));
    if (from == to)
      painter_.drawPoint(from.x, from.y);
    else
      painter_.drawLine(from.x, from.y, to.x, to.y);
  }
  void text(Point at, std::string_view text, const TextStyle& style) override {
    if (text.empty()) return;
    const QFont& f = font(style.font);
    const QFontMetrics metrics(f);
    const QString q = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    if (style.opaque)
      painter_.fillRect(
          QRect(at.x, at.y, metrics.horizontalAdvance(q), metrics.ascent() + metrics.descent()),
          color(style.background));
    painter_.setFont(f);
    painter_.setPen(color(style.color));
    painter_.drawText(at.x, at.y + metrics.ascent(), q);
  }
  void textInRect(const Rect& r, std::string_view text, const TextStyle& style,
                  HAlign align) override {
    const int width = textWidth(text, style.font);
    int x = r.left;
    if (align == HAlign::Center) x = r.left + (r.width() - width) / 2;
    if (align == HAlign::Right) x = r.right - width;
    this->text({x, r.top + (r.height() - metrics(style.font).height) / 2}, text, style);
  }
  void icon(Point at, CanvasIcon icon) override { canvas_.icon(at, icon); }
  FontMetrics metrics(FontRole role) const override {
    const QFontMetrics metrics(font(role));
    return {metrics.averageCharWidth(), metrics.ascent() + metrics.descent()};
  }
  int textWidth(std::string_view text, FontRole role) const override {
    return QFontMetrics(font(role))
        .horizontalAdvance(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
  }
  void setClip(const Rect& r) override {
    painter_.setClipRect(QRect(r.left, r.top, r.width(), r.height()));
  }
  void resetClip() override { painter_.setClipping(false); }

 private:
  static QColor color(Rgb c) { return QColor(c.red, c.green, c.blue); }
  static const QFont& font(FontRole role) {
    switch (role) {
      case FontRole::GridBold:
        return fonts().gridBold;
      case FontRole::GridItalic:
        return fonts().gridItalic;
      case FontRole::PairText:
        return fonts().pairText;
      case FontRole::Toolbox:
        return fonts().toolbox;
      case FontRole::PrintBlocks:
        return fonts().printBlocks;
      case FontRole::PrintPairings:
        return fonts().printPairings;
      case FontRole::Grid:
        break;
    }
    return fonts().grid;
  }
  QPainter& painter_;
  QtCanvas canvas_;
};

TEST(QtCanvas, PaintsAGridPixelForPixelAsPlainPainterCallsWould) {
  for (const std::uint8_t crewType : {0, 2}) {
    auto doc = std::make_unique<TDocument>();
    testing::FillRandomDocument(*doc, 11 + crewType, {.maxPilots = 40, .maxPairs = 60});
    doc->CrewType = crewType;
    doc->BlocksShown = 1;
    BlockGridView grid(*doc);
    const QFontMetrics metrics(fonts().grid);
    grid.computeGeometry({metrics.averageCharWidth(), metrics.ascent() + metrics.descent()});
    const Rect viewport{0, 0, 900, 700};
    const auto draw = [&](Canvas& canvas) { grid.paint(canvas, viewport, viewport, {}); };
    QImage expected(900, 700, QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
      QPainter painter(&expected);
      PlainCanvas plain(painter);
      draw(plain);
    }
    EXPECT_TRUE(PaintToImage(QSize(900, 700), fonts(), draw) == expected) << int{crewType};
  }
}

TEST(QtCanvasFonts, SizesFollowTheDescriptionAndIconsDraw) {
  EXPECT_TRUE(QFontInfo(fonts().gridBold).bold());
  EXPECT_FALSE(QFontInfo(fonts().grid).bold());
  EXPECT_TRUE(QFontInfo(fonts().gridItalic).italic());
  EXPECT_TRUE(QFontInfo(fonts().pairText).fixedPitch());
  // A negative height is the character's em, a positive one the whole cell.
  FontDescription description;
  description.family = "Arial";
  description.height = -20;
  EXPECT_EQ(FontFromDescription(description).pixelSize(), 20);
  description.height = 24;
  const QFontMetrics cell(FontFromDescription(description));
  EXPECT_NEAR(cell.ascent() + cell.descent(), 24, 1);
  // Unknown families still give a usable font.
  description.family = "No Such Family At All";
  description.height = 0;
  EXPECT_GT(QFontMetrics(FontFromDescription(description)).averageCharWidth(), 0);

  for (CanvasIcon icon :
       {CanvasIcon::Toolbox, CanvasIcon::FilterWindow, CanvasIcon::PairWindow,
        CanvasIcon::ToolboxOpen, CanvasIcon::FilterWindowOpen, CanvasIcon::PairWindowOpen,
        CanvasIcon::BidsWindow, CanvasIcon::BidsWindowOpen}) {
    EXPECT_EQ(CanvasIconPixmap(icon).size(), QSize(kCanvasIconSize, kCanvasIconSize))
        << static_cast<int>(icon);
  }
  const QImage image = paint([](Canvas& canvas) { canvas.icon({44, 4}, CanvasIcon::PairWindow); });
  EXPECT_FALSE(inkBox(image).isEmpty());
  EXPECT_TRUE(QRect(44, 4, 32, 32).contains(inkBox(image)));
}

}  // namespace
}  // namespace lumora
