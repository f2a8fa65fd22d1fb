#include "app/qt_canvas.h"

#include <QColor>
#include <QFontMetrics>
#include <QIcon>
#include <QPainter>
#include <QPen>
#include <QPixmapCache>
#include <QRect>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <mutex>

// Resources of a static library are registered by hand, outside any namespace.
static void registerCanvasResources() {
  Q_INIT_RESOURCE(lumora);
}

namespace lumora {

namespace {

// Windows sizes a font's cell when no height is given at about this.
constexpr int kDefaultPixelHeight = 16;
constexpr int kPairTextPixels = 16;
constexpr int kToolboxPixels = 15;
// Qt's stretch factor is a percentage in this range.
constexpr int kSmallestStretch = 1;
constexpr int kLargestStretch = 4000;

// The families the stored settings name come from another platform; without
// these the font matcher picks whatever it likes, and the grid's geometry
// would change from machine to machine.
void addFamilySubstitutes() {
  static std::once_flag once;
  std::call_once(once, [] {
    const auto add = [](const char* family, std::initializer_list<const char*> substitutes) {
      QStringList list;
      for (const char* substitute : substitutes) list << QString::fromLatin1(substitute);
      QFont::insertSubstitutions(QString::fromLatin1(family), list);
    };
    add("Arial", {"Liberation Sans", "DejaVu Sans"});
    add("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
    add("CONSOLAS", {"DejaVu Sans Mono"});
    add("Consolas", {"DejaVu Sans Mono"});
    add("MS Sans Serif", {"DejaVu Sans"});
  });
}

QColor toQColor(Rgb color) {
  return QColor(std::clamp(color.red, 0, 255), std::clamp(color.green, 0, 255),
                std::clamp(color.blue, 0, 255));
}

QRect toQRect(const Rect& rect) {
  return QRect(rect.left, rect.top, rect.width(), rect.height());
}

QString fromCore(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

int cellHeight(const QFont& font) {
  const QFontMetrics metrics(font);
  return metrics.ascent() + metrics.descent();
}

QString iconResource(CanvasIcon icon) {
  return QStringLiteral(":/icons/icon_%1.svg").arg(static_cast<int>(icon));
}

}  // namespace

QFont FontFromDescription(const FontDescription& description) {
  addFamilySubstitutes();
  QFont font(fromCore(description.family));
  font.setWeight(static_cast<QFont::Weight>(
      description.weight <= 0 ? 400 : std::clamp(description.weight, 100, 900)));
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strikeOut);
  if (description.height < 0) {
    font.setPixelSize(std::max(1, -description.height));
  } else {
    // A cell height: scale the em so that ascent plus descent comes out at it.
    const int wanted = description.height == 0 ? kDefaultPixelHeight : description.height;
    font.setPixelSize(wanted);
    const int cell = cellHeight(font);
    if (cell > 0 && cell != wanted) {
      font.setPixelSize(
          std::max(1, static_cast<int>(std::lround(static_cast<double>(wanted) * wanted / cell))));
    }
  }
  if (description.width > 0) {
    const int natural = QFontMetrics(font).averageCharWidth();
    if (natural > 0 && natural != description.width) {
      font.setStretch(
          std::clamp(description.width * 100 / natural, kSmallestStretch, kLargestStretch));
    }
  }
  return font;
}

CanvasFonts DefaultCanvasFonts(const GridFontChoice& choice) {
  CanvasFonts fonts;
  fonts.grid = FontFromDescription(choice.font());
  fonts.gridBold = FontFromDescription(choice.boldFont());
  fonts.gridItalic = fonts.grid;
  fonts.gridItalic.setItalic(true);
  FontDescription pairText;
  pairText.family = "CONSOLAS";
  pairText.height = kPairTextPixels;
  fonts.pairText = FontFromDescription(pairText);
  fonts.pairText.setStyleHint(QFont::Monospace);
  FontDescription toolbox;
  toolbox.family = "Arial";
  toolbox.height = kToolboxPixels;
  fonts.toolbox = FontFromDescription(toolbox);
  FontDescription printBlocks;
  printBlocks.family = "Arial";
  printBlocks.height = 9;
  fonts.printBlocks = FontFromDescription(printBlocks);
  FontDescription printPairings;
  printPairings.family = "Arial";
  printPairings.height = 10;
  printPairings.width = 6;
  fonts.printPairings = FontFromDescription(printPairings);
  return fonts;
}

QPixmap CanvasIconPixmap(CanvasIcon icon) {
  static std::once_flag once;
  std::call_once(once, [] { registerCanvasResources(); });
  const QString key = QStringLiteral("lumora-canvas-icon-%1").arg(static_cast<int>(icon));
  QPixmap pixmap;
  if (QPixmapCache::find(key, &pixmap)) return pixmap;
  pixmap = QIcon(iconResource(icon)).pixmap(QSize(kCanvasIconSize, kCanvasIconSize));
  if (!pixmap.isNull()) QPixmapCache::insert(key, pixmap);
  return pixmap;
}

QtCanvas::QtCanvas(QPainter& painter, const CanvasFonts& fonts)
    : painter_(painter), fonts_(fonts) {}

const QtCanvas::RoleFont& QtCanvas::font(FontRole role) const {
  const QFont* f = &fonts_.grid;
  std::size_t index = 0;
  switch (role) {
    case FontRole::GridBold:
      f = &fonts_.gridBold;
      index = 1;
      break;
    case FontRole::PairText:
      f = &fonts_.pairText;
      index = 2;
      break;
    case FontRole::Toolbox:
      f = &fonts_.toolbox;
      index = 3;
      break;
    case FontRole::PrintBlocks:
      f = &fonts_.printBlocks;
      index = 4;
      break;
    case FontRole::PrintPairings:
      f = &fonts_.printPairings;
      index = 5;
      break;
    case FontRole::GridItalic:
      f = &fonts_.gridItalic;
      index = 6;
      break;
    case FontRole::Grid:
      break;
  }
  std::optional<RoleFont>& slot = roles_[index];
  if (!slot) {
    const QFontMetrics metrics(*f);
    slot.emplace(
        RoleFont{f, metrics, metrics.ascent(), metrics.ascent() + metrics.descent(), index});
  }
  return *slot;
}

void QtCanvas::usePen(const QPen& pen) {
  if (painter_.pen() != pen) painter_.setPen(pen);
}

void QtCanvas::useFont(const RoleFont& font) {
  if (painterFont_ == font.font) return;
  painter_.setFont(*font.font);
  painterFont_ = font.font;
}

void QtCanvas::fillRect(const Rect& rect, Rgb color) {
  if (rect.empty()) return;
  painter_.fillRect(toQRect(rect), toQColor(color));
}

void QtCanvas::line(Point from, Point to, const Pen& pen) {
  // The square cap covers the last point as well as the first; a flat cap
  // would leave it out.
  QPen qpen(toQColor(pen.color), std::max(1, pen.width),
            pen.style == LineStyle::Dotted ? Qt::DotLine : Qt::SolidLine, Qt::SquareCap);
  usePen(qpen);
  if (from == to) {
    painter_.drawPoint(from.x, from.y);
  } else {
    painter_.drawLine(from.x, from.y, to.x, to.y);
  }
}

const TextLayouts::Entry& TextLayouts::get(std::size_t role, const QString& text, const QFont& font,
                                           const QFontMetrics& metrics) {
  QHash<QString, Entry>& texts = roles_[role];
  const auto found = texts.constFind(text);
  if (found != texts.constEnd()) return *found;
  if (texts.size() >= kLimit) texts.clear();
  QStaticText laidOut(text);
  laidOut.setTextFormat(Qt::PlainText);
  laidOut.setPerformanceHint(QStaticText::AggressiveCaching);
  laidOut.prepare(QTransform(), font);
  return *texts.insert(text, Entry{std::move(laidOut), metrics.horizontalAdvance(text)});
}

void TextLayouts::clear() {
  for (auto& texts : roles_) texts.clear();
}

void QtCanvas::drawText(int x, int y, const TextLayouts::Entry& text, const RoleFont& f,
                        const TextStyle& style) {
  if (style.opaque) {
    painter_.fillRect(QRect(x, y, text.width, f.height), toQColor(style.background));
  }
  useFont(f);
  usePen(QPen(toQColor(style.color)));
  // The static text's point is the top of its line, where the box starts.
  painter_.drawStaticText(x, y, text.text);
}

void QtCanvas::text(Point at, std::string_view text, const TextStyle& style) {
  if (text.empty()) return;
  const RoleFont& f = font(style.font);
  drawText(at.x, at.y, fonts_.layouts.get(f.index, fromCore(text), *f.font, f.metrics), f, style);
}

void QtCanvas::textInRect(const Rect& rect, std::string_view text, const TextStyle& style,
                          HAlign align) {
  if (text.empty()) return;
  const RoleFont& f = font(style.font);
  const TextLayouts::Entry& laidOut =
      fonts_.layouts.get(f.index, fromCore(text), *f.font, f.metrics);
  const int width = laidOut.width;
  int x = rect.left;
  if (align == HAlign::Center) x = rect.left + (rect.width() - width) / 2;
  if (align == HAlign::Right) x = rect.right - width;
  const int y = rect.top + (rect.height() - f.height) / 2;
  drawText(x, y, laidOut, f, style);
}

void QtCanvas::icon(Point at, CanvasIcon icon) {
  const QPixmap pixmap = CanvasIconPixmap(icon);
  if (!pixmap.isNull()) {
    painter_.drawPixmap(QRect(at.x, at.y, kCanvasIconSize, kCanvasIconSize), pixmap);
  }
}

FontMetrics QtCanvas::metrics(FontRole role) const {
  const RoleFont& f = font(role);
  return {f.metrics.averageCharWidth(), f.height};
}

int QtCanvas::textWidth(std::string_view text, FontRole role) const {
  return font(role).metrics.horizontalAdvance(fromCore(text));
}

void QtCanvas::setClip(const Rect& rect) {
  painter_.setClipRect(toQRect(rect));
}

void QtCanvas::resetClip() {
  painter_.setClipping(false);
}

QImage PaintToImage(QSize size, const CanvasFonts& fonts,
                    const std::function<void(Canvas&)>& paint) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  QtCanvas canvas(painter, fonts);
  paint(canvas);
  painter.end();
  return image;
}

}  // namespace lumora
