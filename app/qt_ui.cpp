#include "app/qt_ui.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpression>
#include <QStringList>
#include <stdexcept>
#include <string>

#include "app/core_text.h"
#include "app/list_dialog.h"
#include "app/progress_window.h"
#include "platform/captions.h"
#include "platform/dialog_model.h"

namespace lumora {

namespace {

std::vector<std::string_view> splitBars(std::string_view filter) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const std::size_t bar = filter.find('|', start);
    parts.push_back(filter.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) return parts;
    start = bar + 1;
  }
}

// The patterns in the description's trailing "(...)", if it has one.
std::optional<QString> trailingPatterns(const QString& description) {
  static const QRegularExpression group(QStringLiteral("\\(([^()]*)\\)$"));
  const auto match = group.match(description);
  if (!match.hasMatch()) return std::nullopt;
  return match.captured(1).simplified();
}

QMessageBox::Icon toQtIcon(Icon icon) {
  switch (icon) {
    case Icon::None:
      return QMessageBox::NoIcon;
    case Icon::Information:
      return QMessageBox::Information;
    case Icon::Warning:
      return QMessageBox::Warning;
    case Icon::Error:
      return QMessageBox::Critical;
    case Icon::Question:
      return QMessageBox::Question;
  }
  return QMessageBox::NoIcon;
}

QString startPath(const FileDialogOptions& options) {
  const QString folder = fromCorePath(options.startFolder);
  if (options.defaultName.empty()) return folder;
  const QString name = fromCorePath(options.defaultName);
  return folder.isEmpty() ? name : QDir(folder).filePath(name);
}

// Qt's own dialog matches patterns without regard to case, as the files from
// the crew-tracking system ("*.LIS" against "*.lis") need; a desktop's native
// dialog may not.
constexpr auto kDialogOptions = QFileDialog::DontUseNativeDialog;

}  // namespace

QString toQtFilter(std::string_view filter) {
  const auto parts = splitBars(filter);
  QStringList entries;
  for (std::size_t i = 0; i < parts.size(); i += 2) {
    QString description = fromCoreText(parts[i]).trimmed();
    QStringList patterns;
    if (i + 1 < parts.size()) {
      for (const QString& p : fromCoreText(parts[i + 1]).split(QLatin1Char(';'))) {
        if (!p.trimmed().isEmpty()) patterns << p.trimmed();
      }
    }
    if (description.isEmpty() && patterns.isEmpty()) continue;
    if (patterns.isEmpty()) {
      // A description on its own: its parenthesised patterns, if any, stand.
      entries << (trailingPatterns(description) ? description
                                                : description + QStringLiteral(" (*)"));
      continue;
    }
    const QString list = patterns.join(QLatin1Char(' '));
    if (description.isEmpty()) {
      entries << list + QStringLiteral(" (") + list + QLatin1Char(')');
      continue;
    }
    const auto own = trailingPatterns(description);
    if (own && own->compare(list, Qt::CaseInsensitive) == 0) {
      entries << description;
    } else {
      entries << description + QStringLiteral(" (") + list + QLatin1Char(')');
    }
  }
  return entries.join(QStringLiteral(";;"));
}

std::unique_ptr<QMessageBox> makeMessageBox(std::string_view text, std::string_view caption,
                                            Buttons buttons, Icon icon, QWidget* parent) {
  QMessageBox::StandardButtons qtButtons = QMessageBox::Ok;
  QMessageBox::StandardButton defaultButton = QMessageBox::Ok;
  switch (buttons) {
    case Buttons::Ok:
      break;
    case Buttons::YesNo:
      qtButtons = QMessageBox::Yes | QMessageBox::No;
      defaultButton = QMessageBox::Yes;
      break;
    case Buttons::YesNoCancel:
      qtButtons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
      defaultButton = QMessageBox::Yes;
      break;
    case Buttons::OkCancel:
      qtButtons = QMessageBox::Ok | QMessageBox::Cancel;
      break;
  }
  auto box = std::make_unique<QMessageBox>(toQtIcon(icon), fromCoreText(caption),
                                           fromCoreText(text), qtButtons, parent);
  box->setDefaultButton(defaultButton);
  // Core texts are never markup, whatever they contain.
  box->setTextFormat(Qt::PlainText);
  // An error whose reason is its caption (a file that is not a schedule
  // file: the text is only the path) would hide the reason in a title bar
  // that cuts it off: the reason heads the box, the text follows it.
  if (icon == Icon::Error && caption != kAppCaption &&
      text.find(caption) == std::string_view::npos) {
    box->setText(fromCoreText(caption));
    box->setInformativeText(fromCoreText(text));
  }
  return box;
}

Answer answerFor(int execResult, Buttons buttons) {
  switch (execResult) {
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Cancel:
      return Answer::Cancel;
    default:
      return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
  }
}

QtUi::QtUi(QWidget* parent) : parent_(parent) {}

QtUi::~QtUi() {
  if (waitCursor_) QApplication::restoreOverrideCursor();
}

void QtUi::message(std::string_view text, std::string_view caption, Icon icon) {
  makeMessageBox(text, caption, Buttons::Ok, icon, parent_)->exec();
}

Answer QtUi::ask(std::string_view text, std::string_view caption, Buttons buttons, Icon icon) {
  return answerFor(makeMessageBox(text, caption, buttons, icon, parent_)->exec(), buttons);
}

std::vector<std::string> QtUi::openFiles(const FileDialogOptions& options) {
  const QString title = fromCoreText(options.title);
  const QString filter = toQtFilter(options.filter);
  QStringList chosen;
  if (options.multiSelect) {
    chosen = QFileDialog::getOpenFileNames(parent_, title, startPath(options), filter, nullptr,
                                           kDialogOptions);
  } else {
    const QString one = QFileDialog::getOpenFileName(parent_, title, startPath(options), filter,
                                                     nullptr, kDialogOptions);
    if (!one.isEmpty()) chosen << one;
  }
  std::vector<std::string> files;
  files.reserve(static_cast<std::size_t>(chosen.size()));
  for (const QString& f : chosen) files.push_back(toCorePath(f));
  return files;
}

std::optional<std::string> QtUi::saveFile(const FileDialogOptions& options) {
  const QString chosen =
      QFileDialog::getSaveFileName(parent_, fromCoreText(options.title), startPath(options),
                                   toQtFilter(options.filter), nullptr, kDialogOptions);
  if (chosen.isEmpty()) return std::nullopt;
  return toCorePath(chosen);
}

void QtUi::showList(std::string_view caption, const std::vector<std::string>& lines) {
  ListDialog dialog(caption, lines, parent_);
  dialog.exec();
}

std::unique_ptr<Progress> QtUi::progress(std::string_view title, std::string_view lineFormat) {
  return std::make_unique<ProgressWindow>(title, lineFormat, parent_);
}

void QtUi::beep() {
  QApplication::beep();
}

void QtUi::setWaitCursor(bool on) {
  // The override cursor is a stack; only one level is ever ours.
  if (on == waitCursor_) return;
  if (on) {
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  } else {
    QApplication::restoreOverrideCursor();
  }
  waitCursor_ = on;
}

bool QtUi::run(DialogModel& model) {
  throw std::logic_error("no window for the dialog \"" + std::string(model.title()) + "\"");
}

}  // namespace lumora
