#include "app/qt_printer.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/grid_font.h"

namespace lumora {

void PaintPrintoutPage(QPainter& painter, QSize area, Printout& printout, int page,
                       const CanvasFonts& fonts) {
  const PageSpace space = printout.space();
  painter.save();
  painter.setWindow(0, 0, space.width, space.height);
  painter.setViewport(0, 0, area.width(), area.height());
  QtCanvas canvas(painter, fonts);
  printout.printPage(page, canvas);
  painter.restore();
}

bool PrintPrintout(Printout& printout, QPrinter& printer, const CanvasFonts& fonts) {
  const int count = printout.pageCount();
  int first = 1;
  int last = count;
  if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
    first = std::max(1, printer.fromPage());
    last = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
  }
  if (first > last) return false;
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  const QSize area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  for (int page = first; page <= last; ++page) {
    if (page > first && !printer.newPage()) return false;
    PaintPrintoutPage(painter, area, printout, page, fonts);
  }
  return painter.end();
}

bool PrintToPdf(Printout& printout, const QString& path, const QPageLayout& layout,
                const CanvasFonts& fonts) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageLayout(layout);
  printer.setDocName(QString::fromLatin1(printout.title()));
  printer.setCreator(QStringLiteral("Lumora"));
  return PrintPrintout(printout, printer, fonts);
}

QImage PrintoutPageImage(Printout& printout, int page, QSize size, int margin,
                         const CanvasFonts& fonts) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.translate(margin, margin);
  PaintPrintoutPage(painter, size - QSize(2 * margin, 2 * margin), printout, page, fonts);
  painter.end();
  return image;
}

QtPrinter::QtPrinter(QWidget* parent)
    : parent_(parent), printer_(QPrinter::HighResolution), fonts_(DefaultCanvasFonts({})) {}

void QtPrinter::setup() {
  QPrintDialog dialog(&printer_, parent_);
  dialog.setWindowTitle(QStringLiteral("Print Setup"));
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  if (dialog.exec() == QDialog::Accepted) orientationChosen_ = true;
}

bool QtPrinter::print(Printout& printout) {
  printer_.setDocName(QString::fromLatin1(printout.title()));
  // Until the user sets the paper up, each printout goes on paper of its own
  // shape: the wide block sheet across, the tall pairings page upright.
  if (!orientationChosen_) {
    const PageSpace space = printout.space();
    printer_.setPageOrientation(space.width > space.height ? QPageLayout::Landscape
                                                           : QPageLayout::Portrait);
  }
  const int count = printout.pageCount();
  QPrintDialog dialog(&printer_, parent_);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, printout.offersPageRange());
  dialog.setMinMax(1, count);
  printer_.setPrintRange(QPrinter::AllPages);
  if (dialog.exec() != QDialog::Accepted) return false;
  if (!printout.offersPageRange()) printer_.setPrintRange(QPrinter::AllPages);
  if (!preview(printout)) return false;
  return PrintPrintout(printout, printer_, fonts_);
}

bool QtPrinter::preview(Printout& printout) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(
      QStringLiteral("Print Preview - %1").arg(QString::fromLatin1(printout.title())));
  auto* layout = new QVBoxLayout(&dialog);
  auto* pages = new QPrintPreviewWidget(&printer_, &dialog);
  pages->setObjectName(QStringLiteral("printPreview"));
  QObject::connect(
      pages, &QPrintPreviewWidget::paintRequested, &dialog,
      [this, &printout](QPrinter* printer) { PrintPrintout(printout, *printer, fonts_); });
  layout->addWidget(pages);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
  QPushButton* print = buttons->addButton(QStringLiteral("&Print"), QDialogButtonBox::AcceptRole);
  print->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog.resize(900, 700);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace lumora
