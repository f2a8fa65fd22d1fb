#include "app/preferences_windows.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/core_text.h"
#include "shell/preferences_dialog.h"

namespace lumora {

namespace {

constexpr int kLargestWeight = 1000;

QPushButton* addOkCancel(QDialog* dialog, QVBoxLayout* layout, QPushButton*& ok,
                         QPushButton*& cancel) {
  auto* box = new QDialogButtonBox(dialog);
  ok = box->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  cancel = box->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok->setDefault(true);
  QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
  QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(box);
  return ok;
}

QPushButton* sideButton(std::string_view text, QWidget* parent) {
  auto* button = new QPushButton(fromCoreText(text), parent);
  button->setAutoDefault(false);
  return button;
}

QColor qtColor(const Rgb& rgb) {
  return QColor(rgb.red, rgb.green, rgb.blue);
}

}  // namespace

QFont qtFontFor(const FontDescription& description) {
  QFont font(fromCoreText(description.family));
  const int height = std::max(1, std::abs(description.height));
  font.setPixelSize(height);
  if (description.height > 0) {
    // A positive height is the whole cell, leading included: scale the
    // character height so that the line comes out that high.
    const int cell = QFontMetrics(font).height();
    if (cell > height) font.setPixelSize(std::max(1, height * height / cell));
  }
  const int weight = description.weight <= 0 ? 400 : std::min(description.weight, kLargestWeight);
  font.setWeight(static_cast<QFont::Weight>(weight));
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strikeOut);
  return font;
}

FontDescription fontDescriptionFor(const QFont& font, double logicalDpi) {
  FontDescription description;
  description.family = toCoreText(font.family());
  int pixels = font.pixelSize();
  if (pixels <= 0) pixels = static_cast<int>(std::lround(font.pointSizeF() * logicalDpi / 72.0));
  description.height = -std::max(1, pixels);
  description.width = 0;
  description.weight = std::clamp(static_cast<int>(font.weight()), 1, kLargestWeight);
  description.italic = font.italic();
  description.underline = font.underline();
  description.strikeOut = font.strikeOut();
  description.quality = GridFontChoice::kQuality;
  return description;
}

GridFontDialog::GridFontDialog(const QFont& initial, QWidget* parent)
    : QFontDialog(withinSizeLimit(initial), parent) {
  // Qt's own dialog, so that the limit holds whatever the desktop offers.
  setOption(QFontDialog::DontUseNativeDialog);
  connect(this, &QFontDialog::currentFontChanged, this, [this](const QFont& font) {
    const QFont limited = withinSizeLimit(font);
    if (limited != font) setCurrentFont(limited);
  });
}

QFont GridFontDialog::withinSizeLimit(QFont font) {
  const double largest = GridFontChoice::kLargestPoints;
  if (font.pointSizeF() > largest) font.setPointSizeF(largest);
  return font;
}

PreferencesWindow::PreferencesWindow(PreferencesDialog& model, Ui& ui, QWidget* parent)
    : ModelDialog(model, ui, parent), model_(model) {
  auto* layout = new QVBoxLayout(this);
  const int boxes[] = {PreferencesDialog::kGridBox,         PreferencesDialog::kLayoversBox,
                       PreferencesDialog::kShowFullPairBox, PreferencesDialog::kShowFullLayOverBox,
                       PreferencesDialog::kAutoSaveBox,     PreferencesDialog::kRemindBackupBox,
                       PreferencesDialog::kPrintXesBox,     PreferencesDialog::kHoldCtrlKeyBox,
                       PreferencesDialog::kAllowIllegalBox, PreferencesDialog::kDebugFileBox,
                       PreferencesDialog::kDisableFtpBox};
  for (const int id : boxes) {
    auto* box = new QCheckBox(fromCorePath(model_.shownLabel(id)), this);
    box->setChecked(model_.checked(id));
    box->setEnabled(PreferencesDialog::enabled(id));
    connect(box, &QCheckBox::toggled, this, [this, id](bool on) { *model_.box(id) = on; });
    boxes_[id] = box;
    layout->addWidget(box);
  }

  auto* paddings = new QFormLayout;
  // Two digits, as the edits' picture says.
  const auto* digits =
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), this);
  for (const int id : {PreferencesDialog::kXPaddingEdit, PreferencesDialog::kYPaddingEdit}) {
    auto* edit = new QLineEdit(fromCoreText(*model_.edit(id)), this);
    edit->setMaxLength(static_cast<int>(PreferencesDialog::kPaddingDigits));
    edit->setValidator(digits);
    edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 16);
    connect(edit, &QLineEdit::textChanged, this,
            [this, id](const QString& text) { *model_.edit(id) = toCoreText(text); });
    edits_[id] = edit;
    paddings->addRow(fromCoreText(PreferencesDialog::label(id)), edit);
  }
  layout->addLayout(paddings);

  auto* buttons = new QHBoxLayout;
  font_ = sideButton(PreferencesDialog::label(PreferencesDialog::kFontButton), this);
  colors_ = sideButton(PreferencesDialog::label(PreferencesDialog::kColorsButton), this);
  connect(font_, &QPushButton::clicked, this, &PreferencesWindow::fontRequested);
  connect(colors_, &QPushButton::clicked, this, &PreferencesWindow::colorsRequested);
  buttons->addWidget(font_);
  buttons->addWidget(colors_);
  buttons->addStretch();
  layout->addLayout(buttons);
  addOkCancel(this, layout, ok_, cancel_);
}

QCheckBox* PreferencesWindow::box(int controlId) const {
  const auto found = boxes_.find(controlId);
  return found == boxes_.end() ? nullptr : found->second;
}

QLineEdit* PreferencesWindow::edit(int controlId) const {
  const auto found = edits_.find(controlId);
  return found == edits_.end() ? nullptr : found->second;
}

ColorsWindow::ColorsWindow(ColorDialog& model, SettingsStore& settings, Use use, Chooser chooser,
                           QWidget* parent)
    : QDialog(parent),
      model_(model),
      settings_(settings),
      use_(std::move(use)),
      chooser_(chooser ? std::move(chooser) : Chooser(&ColorsWindow::chooseWithPlatformDialog)),
      list_(new QListWidget(this)) {
  setWindowTitle(fromCoreText(ColorDialog::kTitle));
  setModal(true);

  for (const std::string_view name : ColorDialog::names()) list_->addItem(fromCoreText(name));
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  showSwatches();

  change_ = sideButton("Change Color", this);
  apply_ = sideButton("Apply Colors", this);
  restore_ = sideButton("Restore Defaults", this);
  // There is nothing to change until an entry is chosen.
  change_->setEnabled(false);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    model_.select(row);
    change_->setEnabled(model_.selected().has_value());
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, &ColorsWindow::changeColor);
  connect(change_, &QPushButton::clicked, this, &ColorsWindow::changeColor);
  connect(apply_, &QPushButton::clicked, this, [this] { use_(model_.applyColors()); });
  connect(restore_, &QPushButton::clicked, this, [this] {
    use_(model_.restoreDefaults(settings_).colors);
    showSwatches();
  });

  auto* side = new QVBoxLayout;
  side->addWidget(change_);
  side->addWidget(apply_);
  side->addWidget(restore_);
  side->addStretch();
  auto* row = new QHBoxLayout;
  row->addWidget(list_);
  row->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(row);
  addOkCancel(this, layout, ok_, cancel_);
}

std::optional<Rgb> ColorsWindow::chooseWithPlatformDialog(Rgb initial, QWidget* parent) {
  static bool customColorsSet = false;
  if (!customColorsSet) {
    const auto greys = ChooserCustomColors();
    for (int i = 0; i < static_cast<int>(greys.size()); ++i)
      QColorDialog::setCustomColor(i, qtColor(greys[static_cast<std::size_t>(i)]));
    customColorsSet = true;
  }
  const QColor chosen = QColorDialog::getColor(qtColor(initial), parent, QString(),
                                               QColorDialog::DontUseNativeDialog);
  if (!chosen.isValid()) return std::nullopt;
  return Rgb{chosen.red(), chosen.green(), chosen.blue()};
}

void ColorsWindow::changeColor() {
  const std::optional<Rgb> current = model_.selectedColor();
  if (!current) return;
  if (const std::optional<Rgb> chosen = chooser_(*current, this)) {
    model_.changeColor(*chosen);
    showSwatches();
  }
}

void ColorsWindow::accept() {
  use_(model_.ok(settings_).colors);
  QDialog::accept();
}

void ColorsWindow::showSwatches() {
  const int side = list_->fontMetrics().height();
  for (int i = 0; i < list_->count() && i < kColorCount; ++i) {
    QPixmap swatch(side, side);
    swatch.fill(qtColor(model_.colors()[static_cast<std::size_t>(i)]));
    list_->item(i)->setIcon(QIcon(swatch));
  }
}

}  // namespace lumora
