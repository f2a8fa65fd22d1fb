// The printouts through the print commands of the main window on the demo
// month, printed to PDF files: their pages counted and measured in the file,
// their texts read back with pdftotext, and a picture of each first page
// kept as a test artifact.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include "app/core_text.h"
#include "app/main_window.h"
#include "app/qt_printer.h"
#include "building/block_edit.h"
#include "files/schedule_file.h"
#include "frame_fixture.h"
#include "shell/command_table.h"
#include "views/block_printout.h"
#include "views/pair_window.h"
#include "views/pairs_printout.h"

namespace lumora::testing {
namespace {

// Prints every page to a PDF file on US letter, across for the wide block
// sheet and upright for the tall pairings page, as a user would set it up.
class PdfPrinter final : public Printer {
 public:
  explicit PdfPrinter(QString path) : path_(std::move(path)) {}

  void setup() override { ++setups; }
  bool print(Printout& printout) override {
    const PageSpace space = printout.space();
    const auto orientation =
        space.width > space.height ? QPageLayout::Landscape : QPageLayout::Portrait;
    layout = QPageLayout(QPageSize(QPageSize::Letter), orientation, QMarginsF(18, 18, 18, 18));
    title = printout.title();
    if (!PrintToPdf(printout, path_, layout, fonts_)) return false;
    pages = printout.pageCount();
    const QSize across(1100, 850);
    firstPage = PrintoutPageImage(
        printout, 1, orientation == QPageLayout::Landscape ? across : across.transposed(), 20,
        fonts_);
    return true;
  }

  int setups = 0;
  int pages = 0;
  std::string title;
  QPageLayout layout;
  QImage firstPage;

 private:
  QString path_;
  CanvasFonts fonts_ = DefaultCanvasFonts({});
};

// The page count and the pages' sizes in points, as written in the file.
struct PdfPages {
  int count = 0;
  QStringList sizes;
};
PdfPages ReadPdfPages(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString pdf = QString::fromLatin1(file.readAll());
  PdfPages pages;
  pages.count = static_cast<int>(pdf.count(QRegularExpression(QStringLiteral("/Type /Page\\b"))));
  const QRegularExpression box(
      QStringLiteral("/MediaBox \\[0 0 (\\d+)(?:\\.0+)? (\\d+)(?:\\.0+)?\\]"));
  for (auto it = box.globalMatch(pdf); it.hasNext();) {
    const auto match = it.next();
    pages.sizes << match.captured(1) + QLatin1Char('x') + match.captured(2);
  }
  return pages;
}

QString PdfText(const QString& tool, const QString& path, int page) {
  QProcess run;
  run.start(tool, {QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                   QString::number(page), path, QStringLiteral("-")});
  if (!run.waitForFinished(30000)) return {};
  return QString::fromLatin1(run.readAllStandardOutput()).simplified();
}

class PrintingTest : public FrameTest {
 protected:
  std::unique_ptr<MainWindow> startDemo(PdfPrinter& printer) {
    MainWindowServices services;
    services.ui = &ui;
    services.clock = &clock;
    services.instanceLock = &lock;
    AppEnvironment environment;
    environment.version = "9.9.9";
    services.environment = environment;
    services.printer = &printer;
    auto window = std::make_unique<MainWindow>(MainWindow::Geometry::Default, services);
    EXPECT_TRUE(window->start(kDemo.string()).run);
    return window;
  }
};

TEST_F(PrintingTest, TheCommandsPrintTheDemoMonthToPdf) {
  struct Case {
    const char* what;
    int command;
    std::optional<Answer> draft;  // the question of the block sheet
    const char* picture;
    QString size;
    QStringList firstPage;
    QStringList lastPage;
  };
  const Case cases[] = {
      {"draft blocks",
       command::kPrintBlocks,
       Answer::Yes,
       "print_blocks_draft.png",
       QStringLiteral("792x612"),
       {QStringLiteral("DRAFT COPY *** Page 1 demo-month.lm2"), QStringLiteral("EMP NAME"),
        QStringLiteral("BLK HRS")},
       {QStringLiteral("RESERVES"), QStringLiteral("OPEN")}},
      {"final blocks",
       command::kPrintBlocks,
       Answer::No,
       "print_blocks_final.png",
       QStringLiteral("792x612"),
       {QStringLiteral("FINAL. Page 1 demo-month.lm2")},
       {QStringLiteral("RESERVES")}},
      {"visual pairings",
       command::kPrintPairings,
       std::nullopt,
       "print_pairings.png",
       QStringLiteral("612x792"),
       {QStringLiteral("Lumora Visual Pairings."), QStringLiteral("Quick Reference Only"),
        QStringLiteral("File demo-month.lm2 Page 1"), QStringLiteral("hrs/day")},
       {}},
  };
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const QString pdf = fromCorePath(file("printout.pdf").string());
    PdfPrinter printer(pdf);
    const auto window = startDemo(printer);
    ASSERT_TRUE(window->app().document().BlocksShown);
    if (c.draft) ui.answers.push_back(*c.draft);
    ASSERT_TRUE(window->app().dispatch(c.command));
    EXPECT_EQ(printer.title, "demo-month.lm2");

    const PdfPages pages = ReadPdfPages(pdf);
    EXPECT_EQ(pages.count, printer.pages);
    if (c.command == command::kPrintPairings) {
      EXPECT_EQ(pages.count, 1);
    } else {
      EXPECT_GE(pages.count, 2);
    }
    ASSERT_EQ(pages.sizes.size(), pages.count);
    for (const QString& size : pages.sizes) EXPECT_EQ(size, c.size);

    const QString png = QStringLiteral(LUMORA_TEST_ARTIFACTS "/") + QLatin1String(c.picture);
    QDir().mkpath(QStringLiteral(LUMORA_TEST_ARTIFACTS));
    QFile::remove(png);
    EXPECT_TRUE(printer.firstPage.save(png, "PNG"));

    if (!pdftotext.isEmpty()) {
      const QString first = PdfText(pdftotext, pdf, 1);
      for (const QString& text : c.firstPage)
        EXPECT_TRUE(first.contains(text)) << text.toStdString();
      const QString last = PdfText(pdftotext, pdf, pages.count);
      for (const QString& text : c.lastPage) EXPECT_TRUE(last.contains(text)) << text.toStdString();
    }
    window->shutdown();
  }
  if (pdftotext.isEmpty())
    GTEST_SKIP() << "pdftotext (poppler-utils, installed by scripts/setup) is missing: the pages "
                    "were counted and measured, their texts not read back";
}

TEST_F(PrintingTest, PrintSetupOpensThePrintersDialog) {
  PdfPrinter printer(fromCorePath(file("unused.pdf").string()));
  const auto window = startDemo(printer);
  ASSERT_TRUE(window->app().dispatch(command::kPrintSetup));
  EXPECT_EQ(printer.setups, 1);
  window->shutdown();
}

// The desktop's printer: the print dialog, then the preview of the pages,
// each accepted as a user would; the pages go to the PDF file chosen.
TEST_F(PrintingTest, TheDesktopPrinterShowsThePrintDialogAndAPreviewFirst) {
  auto doc = std::make_unique<TDocument>();
  ScriptedUi quiet;
  EventLog log;
  doc->FileName = kDemo.string();
  ASSERT_TRUE(LoadFile(*doc, quiet, log).loaded);
  doc->BlocksShown = 1;
  TPairWin layout(*doc);
  layout.LayoutPairWin();
  TPairsOut pairings(*doc, layout);
  const std::vector<int> order;  // a pilot file prints its roster
  BlockViewSink views;
  TBlocksOut blocks(*doc, order, {}, quiet, views);

  QWidget parent;
  QtPrinter printer(&parent);
  const QString pdf = fromCorePath(file("desktop.pdf").string());
  printer.printer().setOutputFormat(QPrinter::PdfFormat);
  printer.printer().setOutputFileName(pdf);
  QDir().mkpath(QStringLiteral(LUMORA_TEST_ARTIFACTS));
  // Until the paper is set up, each printout goes on paper of its shape.
  struct Case {
    Printout& printout;
    bool across;
    QStringList pictures;
  };
  const Case cases[] = {
      {pairings,
       false,
       {QStringLiteral(LUMORA_TEST_ARTIFACTS "/print_dialog.png"),
        QStringLiteral(LUMORA_TEST_ARTIFACTS "/print_preview.png")}},
      {blocks, true, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.printout.title());
    QStringList titles;
    // Each modal dialog in turn: its title noted, its picture kept as an
    // artifact, then accepted.
    QTimer accept;
    QObject::connect(&accept, &QTimer::timeout, [&titles, &c] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || !dialog->isVisible()) return;
      if (titles.size() < c.pictures.size()) dialog->grab().save(c.pictures[titles.size()], "PNG");
      titles << dialog->windowTitle();
      dialog->accept();
    });
    accept.start(50);
    EXPECT_TRUE(printer.print(c.printout));
    accept.stop();
    ASSERT_EQ(titles.size(), 2);
    EXPECT_EQ(titles[1], QStringLiteral("Print Preview - demo-month.lm2"));
    const PdfPages pages = ReadPdfPages(pdf);
    EXPECT_EQ(pages.count, c.printout.pageCount());
    ASSERT_EQ(pages.sizes.size(), pages.count);
    const QStringList size = pages.sizes[0].split(QLatin1Char('x'));
    EXPECT_EQ(size[0].toInt() > size[1].toInt(), c.across);
  }
}

}  // namespace
}  // namespace lumora::testing
