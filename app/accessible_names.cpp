#include "app/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTabBar>
#include <QTextEdit>

namespace lumora {

namespace {

bool isControlKind(const QWidget& w) {
  return qobject_cast<const QAbstractButton*>(&w) != nullptr ||
         qobject_cast<const QLineEdit*>(&w) != nullptr ||
         qobject_cast<const QComboBox*>(&w) != nullptr ||
         qobject_cast<const QAbstractSpinBox*>(&w) != nullptr ||
         qobject_cast<const QAbstractSlider*>(&w) != nullptr ||
         qobject_cast<const QAbstractItemView*>(&w) != nullptr ||
         qobject_cast<const QPlainTextEdit*>(&w) != nullptr ||
         qobject_cast<const QTextEdit*>(&w) != nullptr ||
         qobject_cast<const QTabBar*>(&w) != nullptr ||
         qobject_cast<const QProgressBar*>(&w) != nullptr;
}

// A label's words: no mnemonic marks, no markup, no closing colon.
QString plain(QString text) {
  text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
  text = text.simplified();
  while (text.endsWith(QLatin1Char(':')) || text.endsWith(QLatin1Char('.'))) text.chop(1);
  return text.trimmed();
}

QString buddyLabel(const QWidget& w) {
  const QWidget* window = w.window();
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (label->buddy() == &w) return plain(label->text());
  }
  return {};
}

// The layout that holds `w` directly, searched from its parent's layout.
QLayout* holdingLayout(QLayout* layout, const QWidget& w) {
  if (layout == nullptr) return nullptr;
  for (int i = 0; i < layout->count(); ++i) {
    QLayoutItem* item = layout->itemAt(i);
    if (item->widget() == &w) return layout;
    if (QLayout* found = holdingLayout(item->layout(), w)) return found;
  }
  return nullptr;
}

QString layoutLabel(const QWidget& w) {
  if (w.parentWidget() == nullptr) return {};
  QLayout* layout = holdingLayout(w.parentWidget()->layout(), w);
  if (layout == nullptr) return {};
  if (auto* form = qobject_cast<QFormLayout*>(layout)) {
    if (auto* label = qobject_cast<QLabel*>(form->labelForField(const_cast<QWidget*>(&w))))
      return plain(label->text());
  }
  // The label just before it in its row or column.
  const int index = layout->indexOf(&w);
  for (int i = index - 1; i >= 0; --i) {
    QWidget* before = layout->itemAt(i)->widget();
    if (before == nullptr) continue;
    if (auto* label = qobject_cast<QLabel*>(before)) {
      if (!plain(label->text()).isEmpty()) return plain(label->text());
    }
    break;
  }
  return {};
}

QString ownText(const QWidget& w) {
  if (const auto* button = qobject_cast<const QAbstractButton*>(&w)) {
    QString text = plain(button->text());
    if (text.isEmpty()) text = plain(button->toolTip());
    return text;
  }
  if (const auto* edit = qobject_cast<const QLineEdit*>(&w)) return plain(edit->placeholderText());
  return {};
}

QString groupTitle(const QWidget& w) {
  for (const QWidget* p = w.parentWidget(); p != nullptr && !p->isWindow(); p = p->parentWidget()) {
    if (const auto* group = qobject_cast<const QGroupBox*>(p)) {
      if (!plain(group->title()).isEmpty()) return plain(group->title());
    }
  }
  return {};
}

// A list or text pane without a label is what its window shows.
QString windowContent(const QWidget& w) {
  const bool pane = qobject_cast<const QAbstractItemView*>(&w) != nullptr ||
                    qobject_cast<const QPlainTextEdit*>(&w) != nullptr ||
                    qobject_cast<const QTextEdit*>(&w) != nullptr;
  return pane ? plain(w.window()->windowTitle()) : QString();
}

QString nameFor(const QWidget& w) {
  for (QString name :
       {buddyLabel(w), ownText(w), layoutLabel(w), groupTitle(w), windowContent(w)}) {
    if (!name.isEmpty()) return name;
  }
  return {};
}

}  // namespace

bool isControl(const QWidget& widget) {
  if (!isControlKind(widget)) return false;
  // The parts of a combo box, spin box or list, and the bars of a scrolled
  // view, are not controls of their own.
  for (const QWidget* p = widget.parentWidget(); p != nullptr; p = p->parentWidget()) {
    if (isControlKind(*p)) return false;
    if (qobject_cast<const QAbstractScrollArea*>(p) != nullptr &&
        qobject_cast<const QScrollArea*>(p) == nullptr)
      return false;
    if (p->isWindow()) break;
  }
  return true;
}

void nameControls(QWidget& root) {
  for (QWidget* w : root.findChildren<QWidget*>()) {
    if (!isControl(*w)) continue;
    if (w->accessibleName().isEmpty()) {
      const QString name = nameFor(*w);
      if (!name.isEmpty()) w->setAccessibleName(name);
    }
    if (w->toolTip().isEmpty() && !w->accessibleName().isEmpty()) {
      w->setToolTip(w->accessibleName());
    }
  }
}

std::vector<QString> unnamedControls(const QWidget& root) {
  std::vector<QString> missing;
  for (const QWidget* w : root.findChildren<QWidget*>()) {
    if (!isControl(*w) || !w->isVisibleTo(&root)) continue;
    if (w->accessibleName().isEmpty() || w->toolTip().isEmpty()) {
      QString text;
      if (const auto* button = qobject_cast<const QAbstractButton*>(w)) text = button->text();
      const QWidget* parent = w->parentWidget();
      missing.push_back(QStringLiteral("%1 '%2' (%3 in %4)")
                            .arg(QString::fromLatin1(w->metaObject()->className()), text,
                                 w->objectName(),
                                 parent != nullptr ? parent->objectName() : QString()));
    }
  }
  return missing;
}

}  // namespace lumora
