#pragma once
// The printer on Qt's print support: the print dialog, a preview of the
// pages chosen, and the print job; the printouts' logical pages stretched
// over the printable area of each page. Printing to a PDF file needs no
// display, which is how the tests and the benchmarks print.

#include <QImage>
#include <QPageLayout>
#include <QPrinter>
#include <QSize>
#include <QString>

#include "app/qt_canvas.h"
#include "platform/printer.h"

class QPainter;
class QWidget;

namespace lumora {

// Draws page `page` of `printout` on `painter`, its logical space filling
// the rectangle of `area` at the painter's origin.
void PaintPrintoutPage(QPainter& painter, QSize area, Printout& printout, int page,
                       const CanvasFonts& fonts);

// One print run of `printout` on `printer`: its page count, then the pages of
// the printer's range (all when none). False when nothing could be printed.
bool PrintPrintout(Printout& printout, QPrinter& printer, const CanvasFonts& fonts);

// Every page of `printout` to the PDF file `path` on pages of `layout`.
bool PrintToPdf(Printout& printout, const QString& path, const QPageLayout& layout,
                const CanvasFonts& fonts);

// A picture of page `page` (after a page count), its page `size` pixels
// large with the printable area inset by `margin` pixels, white paper.
QImage PrintoutPageImage(Printout& printout, int page, QSize size, int margin,
                         const CanvasFonts& fonts);

class QtPrinter final : public Printer {
 public:
  // `parent` owns the dialogs; the fonts are the printouts' own.
  explicit QtPrinter(QWidget* parent);

  void setup() override;
  bool print(Printout& printout) override;

  QPrinter& printer() { return printer_; }
  const CanvasFonts& fonts() const { return fonts_; }

 private:
  // The pages chosen, as they will print; true when the user prints them.
  bool preview(Printout& printout);

  QWidget* parent_;
  QPrinter printer_;
  CanvasFonts fonts_;
  // "Print Setup..." was confirmed: its orientation holds for every printout.
  bool orientationChosen_ = false;
};

}  // namespace lumora
