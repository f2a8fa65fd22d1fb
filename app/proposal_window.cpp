#include "app/proposal_window.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/core_text.h"
#include "app/qt_canvas.h"
#include "views/block_grid.h"
#include "views/proposal_preview.h"

namespace lumora {

namespace {

constexpr int kLineRole = Qt::UserRole;

// The legend: one proposed pairing drawn as the grid draws it.
class ProposedSample final : public QWidget {
 public:
  explicit ProposedSample(QWidget* parent)
      : QWidget(parent), fonts_(DefaultCanvasFonts(GridFontChoice())) {
    setFixedSize(3 * kCell + 2, 22);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    QtCanvas canvas(painter, fonts_);
    canvas.fillRect({0, 0, width(), height()}, colors::kWhite);
    const int textY = std::max(1, (height() - canvas.metrics(FontRole::GridItalic).height) / 2);
    // A two-day pairing reporting at 08:00 and released at 18:00.
    PaintProposedMark(canvas, {1, 1, 1 + 2 * kCell, height() - 1},
                      {1 + kCell / 3, 4, 1 + kCell + kCell * 3 / 4, height() - 2}, {3, textY},
                      "123", false);
  }

 private:
  static constexpr int kCell = 30;
  CanvasFonts fonts_;
};

}  // namespace

ProposalWindow::ProposalWindow(ProposalPreview& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent),
      model_(model),
      list_(new QTreeWidget(this)),
      acceptAll_(new QPushButton(fromCoreText(ProposalPreview::kAcceptAllText))),
      acceptSelected_(new QPushButton(fromCoreText(ProposalPreview::kAcceptSelectedText))),
      discard_(new QPushButton(fromCoreText(ProposalPreview::kDiscardText))) {
  auto* legend = new QHBoxLayout;
  legend->addWidget(new ProposedSample(this));
  auto* legendText = new QLabel(fromCoreText(ProposalPreview::kLegendText), this);
  legendText->setWordWrap(true);
  legend->addWidget(legendText, 1);

  list_->setHeaderHidden(true);
  list_->setColumnCount(1);
  list_->setRootIsDecorated(true);
  list_->setUniformRowHeights(true);
  list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list_->setAccessibleName(QStringLiteral("Proposed assignments"));
  QTreeWidgetItem* heading = nullptr;
  const auto lines = model.lines();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const ProposalPreview::Line& line = lines[i];
    auto* item = line.assignment < 0 ? new QTreeWidgetItem(list_) : new QTreeWidgetItem(heading);
    if (line.assignment < 0) heading = item;
    item->setText(0, fromCoreText(line.text));
    item->setData(0, kLineRole, static_cast<int>(i));
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
  }
  list_->expandAll();
  // The list starts on its first line without showing it: the grid stays
  // where the scheduler left it until he picks a line.
  if (list_->topLevelItemCount() > 0)
    list_->setCurrentItem(list_->topLevelItem(0), 0, QItemSelectionModel::NoUpdate);
  showSelection();
  connect(list_, &QTreeWidget::itemChanged, this,
          [this](QTreeWidgetItem* item, int /*column*/) { checkChanged(item); });
  const auto show = [this](QTreeWidgetItem* item) {
    if (item != nullptr) model_.show(item->data(0, kLineRole).toInt());
  };
  // A click on the line already current moves nothing, so clicks count too.
  connect(list_, &QTreeWidget::currentItemChanged, this,
          [show](QTreeWidgetItem* current, QTreeWidgetItem* /*previous*/) { show(current); });
  connect(list_, &QTreeWidget::itemClicked, this,
          [show](QTreeWidgetItem* item, int /*column*/) { show(item); });

  auto* figures = new QVBoxLayout;
  for (const std::string& figure : model.figures())
    figures->addWidget(new QLabel(fromCoreText(figure), this));
  // The solver's line can be long; it wraps rather than widen the window
  // over the grid.
  auto* status = new QLabel(fromCoreText(model.status()), this);
  status->setWordWrap(true);
  figures->addWidget(status);

  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(acceptAll_, QDialogButtonBox::ActionRole);
  buttons->addButton(acceptSelected_, QDialogButtonBox::AcceptRole);
  buttons->addButton(discard_, QDialogButtonBox::RejectRole);
  acceptSelected_->setDefault(true);
  connect(acceptAll_, &QPushButton::clicked, this, [this] {
    model_.selectAll(true);
    accept();
  });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(legend);
  layout->addWidget(list_, 1);
  layout->addLayout(figures);
  layout->addWidget(buttons);
  resize(520, 560);
}

QTreeWidgetItem* ProposalWindow::itemOfLine(int line) const {
  for (int h = 0; h < list_->topLevelItemCount(); ++h) {
    QTreeWidgetItem* heading = list_->topLevelItem(h);
    if (heading->data(0, kLineRole).toInt() == line) return heading;
    for (int c = 0; c < heading->childCount(); ++c)
      if (heading->child(c)->data(0, kLineRole).toInt() == line) return heading->child(c);
  }
  return nullptr;
}

void ProposalWindow::checkChanged(QTreeWidgetItem* item) {
  if (syncing_) return;
  const int index = item->data(0, kLineRole).toInt();
  const auto lines = model_.lines();
  if (index < 0 || static_cast<std::size_t>(index) >= lines.size()) return;
  const ProposalPreview::Line& line = lines[static_cast<std::size_t>(index)];
  const bool on = item->checkState(0) != Qt::Unchecked;
  if (line.assignment < 0) {
    model_.selectCrew(line.crew, on);
  } else {
    model_.select(line.assignment, on);
  }
  showSelection();
}

void ProposalWindow::showSelection() {
  syncing_ = true;
  const auto lines = model_.lines();
  for (int h = 0; h < list_->topLevelItemCount(); ++h) {
    QTreeWidgetItem* heading = list_->topLevelItem(h);
    const auto& line = lines[static_cast<std::size_t>(heading->data(0, kLineRole).toInt())];
    const int state = model_.crewSelection(line.crew);
    heading->setCheckState(0, state == 0   ? Qt::Unchecked
                              : state == 1 ? Qt::PartiallyChecked
                                           : Qt::Checked);
    for (int c = 0; c < heading->childCount(); ++c) {
      QTreeWidgetItem* child = heading->child(c);
      const auto& childLine = lines[static_cast<std::size_t>(child->data(0, kLineRole).toInt())];
      child->setCheckState(0, model_.selected(childLine.assignment) ? Qt::Checked : Qt::Unchecked);
    }
  }
  acceptSelected_->setEnabled(model_.selectedCount() > 0);
  syncing_ = false;
}

void ProposalWindow::showEvent(QShowEvent* event) {
  ModelDialog::showEvent(event);
  if (placed_ || parentWidget() == nullptr) return;
  placed_ = true;
  // At the main window's right edge, below its menu and tool bars, and on
  // its screen.
  const QWidget* main = parentWidget()->window();
  const QRect frame = main->frameGeometry();
  const QRect inside = main->geometry();
  const int height = std::min(this->height(), std::max(320, inside.height() - 80));
  resize(width(), height);
  QPoint at(frame.right() - frameGeometry().width() - 8, inside.top() + 60);
  if (const QScreen* screen = main->screen()) {
    const QRect available = screen->availableGeometry();
    at.setX(std::clamp(at.x(), available.left(), available.right() - frameGeometry().width()));
    at.setY(std::clamp(at.y(), available.top(), available.bottom() - frameGeometry().height()));
  }
  move(at);
}

}  // namespace lumora
