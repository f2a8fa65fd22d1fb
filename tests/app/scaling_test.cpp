// The grid and the pairing window drawn at device pixel ratios 1 and 2: the
// ratio-2 picture has twice the pixels each way, shows the same layout, is
// drawn at its own resolution rather than enlarged, and is not cut.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstdlib>
#include <filesystem>

#include "app/block_views.h"
#include "app/grid_widget.h"
#include "app/pair_window_widget.h"
#include "frame_fixture.h"

namespace lumora::testing {
namespace {

QImage rendered(QWidget& widget, qreal ratio) {
  QImage image(widget.size() * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::magenta);
  widget.render(&image);
  return image;
}

// Mean difference per channel between the ratio-1 picture and the ratio-2
// one brought down to its size.
double meanDifference(const QImage& one, const QImage& two) {
  QImage down = two.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  down = down.convertToFormat(QImage::Format_RGB32);
  double sum = 0;
  for (int y = 0; y < one.height(); ++y) {
    for (int x = 0; x < one.width(); ++x) {
      const QRgb a = one.pixel(x, y);
      const QRgb b = down.pixel(x, y);
      sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
             std::abs(qBlue(a) - qBlue(b));
    }
  }
  return sum / (3.0 * one.width() * one.height());
}

// Share of 2x2 blocks of the ratio-2 picture whose pixels differ: an
// enlarged ratio-1 picture has none.
double finerShare(const QImage& two) {
  int blocks = 0;
  int finer = 0;
  for (int y = 0; y + 1 < two.height(); y += 2) {
    for (int x = 0; x + 1 < two.width(); x += 2) {
      ++blocks;
      const QRgb p = two.pixel(x, y);
      if (two.pixel(x + 1, y) != p || two.pixel(x, y + 1) != p || two.pixel(x + 1, y + 1) != p)
        ++finer;
    }
  }
  return blocks == 0 ? 0 : static_cast<double>(finer) / blocks;
}

// Columns of the picture's right edge that were never painted.
bool rightEdgePainted(const QImage& image) {
  const int x = image.width() - 1;
  for (int y = 0; y < image.height(); ++y) {
    if (image.pixel(x, y) == QColor(Qt::magenta).rgb()) return false;
  }
  return true;
}

TEST_F(FrameTest, GridAndPairingWindowDrawSharplyAtTwiceThePixelRatio) {
  const auto window = startWindow(kDemo.string());
  window->resize(1200, 700);
  window->show();
  QApplication::processEvents();
  BlockViews& views = *window->views();
  ASSERT_TRUE(views.pairWindow().isVisible());
  for (QWidget* widget : {views.gridWidget().viewport(), views.pairWindow().viewport()}) {
    SCOPED_TRACE(widget->parentWidget()->objectName().toStdString());
    const QImage one = rendered(*widget, 1);
    const QImage two = rendered(*widget, 2);
    EXPECT_EQ(two.size(), one.size() * 2);
    EXPECT_LT(meanDifference(one, two), 12.0);
    EXPECT_GT(finerShare(two), 0.01);
    EXPECT_TRUE(rightEdgePainted(one));
    EXPECT_TRUE(rightEdgePainted(two));
  }
  window->shutdown();
}

}  // namespace
}  // namespace lumora::testing
