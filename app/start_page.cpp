#include "app/start_page.h"

#include <QApplication>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/core_text.h"

namespace lumora {

StartPage::StartPage(QWidget* parent)
    : QWidget(parent),
      recent_(new QListWidget(this)),
      new_(new QPushButton(QStringLiteral("&New..."), this)),
      open_(new QPushButton(QStringLiteral("&Open..."), this)) {
  setObjectName(QStringLiteral("startPage"));
  // The application's colours, not the grid's background around it.
  setPalette(QApplication::palette());
  setAutoFillBackground(true);
  auto* title = new QLabel(QStringLiteral("<h2>Lumora</h2>"), this);
  auto* hint = new QLabel(
      QStringLiteral("Start a new month's schedule, open a schedule file, or pick one of the "
                     "recent files."),
      this);
  hint->setWordWrap(true);
  auto* recentLabel = new QLabel(QStringLiteral("&Recent files:"), this);
  recentLabel->setBuddy(recent_);

  new_->setToolTip(QStringLiteral("Start a new month's schedule"));
  new_->setAccessibleName(QStringLiteral("New"));
  open_->setToolTip(QStringLiteral("Open a schedule file"));
  open_->setAccessibleName(QStringLiteral("Open"));
  recent_->setToolTip(QStringLiteral("Click a file to open it"));
  recent_->setAccessibleName(QStringLiteral("Recent files"));
  recent_->setSelectionMode(QAbstractItemView::SingleSelection);

  connect(new_, &QPushButton::clicked, this, [this] {
    if (onNew) onNew();
  });
  connect(open_, &QPushButton::clicked, this, [this] {
    if (onOpen) onOpen();
  });
  // One click opens, as a link would; Enter on a chosen entry does too.
  const auto openItem = [this](QListWidgetItem* item) {
    const int row = recent_->row(item);
    if (row >= 0 && onRecent) onRecent(static_cast<std::size_t>(row));
  };
  connect(recent_, &QListWidget::itemClicked, this, openItem);
  connect(recent_, &QListWidget::itemActivated, this, openItem);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(new_);
  buttons->addWidget(open_);
  buttons->addStretch();

  // A column of readable width, centred, however wide the window is.
  auto* column = new QVBoxLayout;
  column->addWidget(title);
  column->addWidget(hint);
  column->addSpacing(12);
  column->addLayout(buttons);
  column->addSpacing(12);
  column->addWidget(recentLabel);
  column->addWidget(recent_, 1);
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  row->addLayout(column, 3);
  row->addStretch(1);
  auto* outer = new QVBoxLayout(this);
  outer->addSpacing(24);
  outer->addLayout(row, 1);
  outer->addSpacing(24);
}

void StartPage::setRecentFiles(const std::vector<std::string>& names) {
  if (names == shown_ && recent_->count() == static_cast<int>(names.size())) return;
  shown_ = names;
  recent_->clear();
  for (const std::string& name : names) {
    const QString path = fromCorePath(name);
    const QFileInfo info(path);
    auto* item = new QListWidgetItem(
        QStringLiteral("%1    %2").arg(info.fileName(), info.absolutePath()), recent_);
    item->setToolTip(path);
  }
}

}  // namespace lumora
