#pragma once
// "Lumora Preferences" and the two dialogs it opens, the grid font chooser and
// "Lumora Colors", each bound to its model in the core.

#include <QDialog>
#include <QFont>
#include <QFontDialog>
#include <functional>
#include <map>
#include <optional>

#include "app/model_dialog.h"
#include "shell/color_dialog.h"
#include "shell/grid_font.h"

class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace lumora {

class PreferencesDialog;
class SettingsStore;
class Ui;

// The grid font as a Qt font and back. A negative height is the character
// height, a positive one the cell height with the leading; both are pixels.
// The average width is left to the platform.
QFont qtFontFor(const FontDescription& font);
FontDescription fontDescriptionFor(const QFont& font, double logicalDpi);

// The platform's font chooser, offering no size above kLargestPoints.
class GridFontDialog : public QFontDialog {
  Q_OBJECT

 public:
  explicit GridFontDialog(const QFont& initial, QWidget* parent = nullptr);

  // `font` with its size brought into the range the dialog offers.
  static QFont withinSizeLimit(QFont font);
};

// The dialog "Lumora Preferences". Every control writes to the model at
// once, so the font button sees the paddings as they are typed.
class PreferencesWindow : public ModelDialog {
  Q_OBJECT

 public:
  PreferencesWindow(PreferencesDialog& model, Ui& ui, QWidget* parent = nullptr);

  QCheckBox* box(int controlId) const;
  QLineEdit* edit(int controlId) const;
  QPushButton& fontButton() const { return *font_; }
  QPushButton& colorsButton() const { return *colors_; }
  QPushButton& okButton() const { return *ok_; }
  QPushButton& cancelButton() const { return *cancel_; }

 signals:
  void fontRequested();
  void colorsRequested();

 private:
  PreferencesDialog& model_;
  std::map<int, QCheckBox*> boxes_;  // owned by the dialog
  std::map<int, QLineEdit*> edits_;  // owned by the dialog
  QPushButton* font_;
  QPushButton* colors_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

// The dialog "Lumora Colors" on the model's copy of the colours. `use` puts
// colours into use; `chooser` is the platform's colour chooser, nothing when
// it was cancelled.
class ColorsWindow : public QDialog {
  Q_OBJECT

 public:
  using Chooser = std::function<std::optional<Rgb>(Rgb initial, QWidget* parent)>;
  using Use = std::function<void(const DisplayColors&)>;

  ColorsWindow(ColorDialog& model, SettingsStore& settings, Use use, Chooser chooser = {},
               QWidget* parent = nullptr);

  // QColorDialog with the sixteen grey custom colours, set once per run.
  static std::optional<Rgb> chooseWithPlatformDialog(Rgb initial, QWidget* parent);

  QListWidget& list() const { return *list_; }
  QPushButton& changeButton() const { return *change_; }
  QPushButton& applyButton() const { return *apply_; }
  QPushButton& restoreButton() const { return *restore_; }
  QPushButton& okButton() const { return *ok_; }
  QPushButton& cancelButton() const { return *cancel_; }

  void accept() override;

 private:
  void changeColor();
  void showSwatches();

  ColorDialog& model_;
  SettingsStore& settings_;
  Use use_;
  Chooser chooser_;
  QListWidget* list_;
  QPushButton* change_;
  QPushButton* apply_;
  QPushButton* restore_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace lumora
