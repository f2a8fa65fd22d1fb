#include <gtest/gtest.h>

#include <QColor>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <array>

#include "app/qt_canvas.h"

namespace lumora {
namespace {

const QRgb kWhitePixel = qRgb(255, 255, 255);

QImage paint(const std::function<void(Canvas&)>& draw) {
  return PaintToImage(QSize(120, 100), DefaultCanvasFonts(GridFontChoice()), draw);
}

bool isColor(const QImage& image, int x, int y, Rgb color) {
  return image.pixel(x, y) == qRgb(color.red, color.green, color.blue);
}

// The smallest rectangle holding every pixel that is not white.
QRect inkBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != kWhitePixel) box = box.united(QRect(x, y, 1, 1));
    }
  }
  return box;
}

TEST(QtCanvas, FillsAndLinesCoverExactlyTheirPixels) {
  const QImage image = paint([](Canvas& canvas) {
    canvas.fillRect({10, 10, 20, 20}, colors::kRed);
    canvas.fillRect({50, 50, 50, 60}, colors::kRed);  // empty: nothing
    canvas.line({5, 30}, {15, 30}, Pen{colors::kBlue});
    canvas.line({40, 5}, {40, 15}, Pen{colors::kBlue});
    canvas.line({60, 70}, {60, 70}, Pen{colors::kBlue});
    canvas.line({0, 90}, {99, 90}, Pen{colors::kGrey, LineStyle::Dotted});
  });
  // The rectangle holds its left and top edges, not its right and bottom ones.
  EXPECT_TRUE(isColor(image, 10, 10, colors::kRed));
  EXPECT_TRUE(isColor(image, 19, 19, colors::kRed));
  EXPECT_TRUE(isColor(image, 20, 15, colors::kWhite));
  EXPECT_TRUE(isColor(image, 15, 20, colors::kWhite));
  EXPECT_TRUE(isColor(image, 9, 10, colors::kWhite));
  EXPECT_TRUE(isColor(image, 50, 55, colors::kWhite));
  // Lines hold both their ends, and nothing beyond.
  EXPECT_TRUE(isColor(image, 5, 30, colors::kBlue));
  EXPECT_TRUE(isColor(image, 15, 30, colors::kBlue));
  EXPECT_TRUE(isColor(image, 4, 30, colors::kWhite));
  EXPECT_TRUE(isColor(image, 16, 30, colors::kWhite));
  EXPECT_TRUE(isColor(image, 10, 29, colors::kWhite));
  EXPECT_TRUE(isColor(image, 40, 5, colors::kBlue));
  EXPECT_TRUE(isColor(image, 40, 15, colors::kBlue));
  EXPECT_TRUE(isColor(image, 40, 16, colors::kWhite));
  EXPECT_TRUE(isColor(image, 60, 70, colors::kBlue));
  // Dotted: gaps all along, nothing off the line.
  int drawn = 0;
  int gaps = 0;
  for (int x = 0; x < 100; ++x) {
    if (isColor(image, x, 90, colors::kGrey)) ++drawn;
    if (isColor(image, x, 90, colors::kWhite)) ++gaps;
  }
  EXPECT_GT(drawn, 15);
  EXPECT_GT(gaps, 15);
  EXPECT_EQ(inkBox(image.copy(0, 85, 120, 15)), QRect(0, 5, 100, 1));
}

TEST(QtCanvas, TextSitsInItsBoxFromTheTopLeftPoint) {
  const CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice());
  const QImage image = PaintToImage(QSize(120, 100), fonts, [](Canvas& canvas) {
    canvas.text({20, 30}, "WMW", TextStyle{FontRole::Grid, colors::kBlack});
  });
  const QFontMetrics metrics(fonts.grid);
  const QRect box(20, 30, metrics.horizontalAdvance(QStringLiteral("WMW")),
                  metrics.ascent() + metrics.descent());
  const QRect ink = inkBox(image);
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_TRUE(box.adjusted(-1, 0, 1, 0).contains(ink)) << ink.x() << ',' << ink.y();
  // Capitals reach up to near the top of the box, not above it.
  EXPECT_LE(ink.top(), 30 + metrics.ascent() / 2);
}

TEST(QtCanvas, OpaqueAndCentredTextAndLatin1) {
  const CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice());
  const QImage image = PaintToImage(QSize(120, 100), fonts, [](Canvas& canvas) {
    TextStyle opaque{FontRole::Grid, colors::kBlack, true, colors::kYellow};
    canvas.text({2, 2}, "ii", opaque);
    canvas.textInRect({0, 50, 120, 90}, "HH", TextStyle{FontRole::Grid, colors::kBlue},
                      HAlign::Center);
  });
  // The background covers the text's box, whatever the glyphs leave.
  EXPECT_TRUE(isColor(image, 2, 2, colors::kYellow));
  // Centred both ways, to a pixel or two of rounding.
  QRect ink;
  for (int y = 40; y < 100; ++y) {
    for (int x = 0; x < 120; ++x) {
      if (image.pixel(x, y) != kWhitePixel) ink = ink.united(QRect(x, y, 1, 1));
    }
  }
  ASSERT_FALSE(ink.isEmpty());
  EXPECT_NEAR(ink.left() + ink.width() / 2.0, 60.0, 2.5);
  EXPECT_GE(ink.top(), 50);
  EXPECT_LT(ink.bottom(), 90);
  EXPECT_NEAR(ink.top() - 50, 90 - ink.bottom() - 1, fonts.grid.pixelSize() / 2 + 2);

  // Core texts are Latin-1: one byte is one character.
  QPainter painter;
  QImage scratch(10, 10, QImage::Format_RGB32);
  painter.begin(&scratch);
  QtCanvas canvas(painter, fonts);
  EXPECT_EQ(canvas.textWidth("\xE9t\xE9", FontRole::Grid),
            QFontMetrics(fonts.grid).horizontalAdvance(QString::fromUtf8("\xC3\xA9t\xC3\xA9")));
  painter.end();
}

TEST(QtCanvas, ClipDropsDrawingOutsideUntilReset) {
  const QImage image = paint([](Canvas& canvas) {
    canvas.setClip({10, 10, 20, 20});
    canvas.fillRect({0, 0, 40, 40}, colors::kRed);
    canvas.resetClip();
    canvas.fillRect({50, 0, 60, 10}, colors::kBlue);
  });
  EXPECT_EQ(inkBox(image.copy(0, 0, 45, 45)), QRect(10, 10, 10, 10));
  EXPECT_TRUE(isColor(image, 55, 5, colors::kBlue));
}

TEST(QtCanvasFonts, EveryRoleMeasuresAndSizesFollowTheDescription) {
  const CanvasFonts fonts = DefaultCanvasFonts(GridFontChoice());
  QImage scratch(10, 10, QImage::Format_RGB32);
  QPainter painter(&scratch);
  QtCanvas canvas(painter, fonts);
  for (FontRole role :
       {FontRole::Grid, FontRole::GridBold, FontRole::PairText, FontRole::Toolbox}) {
    const FontMetrics metrics = canvas.metrics(role);
    EXPECT_GT(metrics.averageCharWidth, 0) << static_cast<int>(role);
    EXPECT_GT(metrics.height, 0) << static_cast<int>(role);
  }
  painter.end();
  EXPECT_TRUE(QFontInfo(fonts.gridBold).bold());
  EXPECT_FALSE(QFontInfo(fonts.grid).bold());
  EXPECT_TRUE(QFontInfo(fonts.pairText).fixedPitch());

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
}

TEST(QtCanvasIcons, EveryCornerIconLoadsAndDraws) {
  constexpr std::array kIcons{CanvasIcon::Toolbox,          CanvasIcon::FilterWindow,
                              CanvasIcon::PairWindow,       CanvasIcon::ToolboxOpen,
                              CanvasIcon::FilterWindowOpen, CanvasIcon::PairWindowOpen,
                              CanvasIcon::BidsWindow,       CanvasIcon::BidsWindowOpen};
  for (CanvasIcon icon : kIcons) {
    const QPixmap pixmap = CanvasIconPixmap(icon);
    ASSERT_FALSE(pixmap.isNull()) << static_cast<int>(icon);
    EXPECT_EQ(pixmap.size(), QSize(kCanvasIconSize, kCanvasIconSize));
  }
  const QImage image = paint([](Canvas& canvas) { canvas.icon({44, 4}, CanvasIcon::PairWindow); });
  EXPECT_EQ(inkBox(image), QRect(44, 4, 32, 32).intersected(inkBox(image)));
  EXPECT_FALSE(inkBox(image).isEmpty());
}

}  // namespace
}  // namespace lumora
