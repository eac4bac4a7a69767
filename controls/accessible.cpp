// SPDX-License-Identifier: MIT
#include "controls/accessible.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QVariant>
#include <QWidget>

namespace {

constexpr char kPressProperty[] = "razAccessiblePress";
constexpr char kDecorationProperty[] = "razAccessibleDecoration";

// The press action of a widget marked as a button; a child of the widget,
// so it lives exactly as long.
class TPressHolder : public QObject {
 public:
  TPressHolder(QWidget* owner, std::function<void()> press)
      : QObject(owner), press_(std::move(press)) {}
  void Press() const {
    if (press_) press_();
  }

 private:
  std::function<void()> press_;
};

TPressHolder* PressOf(const QObject* object) {
  const QVariant held = object->property(kPressProperty);
  return held.isValid() ? dynamic_cast<TPressHolder*>(held.value<QObject*>()) : nullptr;
}

// A widget that the program draws as a button.
class TButtonAccessible : public QAccessibleWidget {
 public:
  explicit TButtonAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::Button) {}

  // Named by its accessible name, else by its hint, which says what it does.
  QString text(QAccessible::Text t) const override {
    QString text = QAccessibleWidget::text(t);
    if (t != QAccessible::Name) return text;
    if (text.isEmpty()) text = widget()->toolTip();
    return controls::AccessibleText(text);
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(pressAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    if (!widget()->isEnabled()) return;
    if (TPressHolder* press = PressOf(widget())) press->Press();
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction()) return {};
    return QAccessibleWidget::keyBindingsForAction(action);
  }
};

// A list box named by its label (its accessible name or its buddy), its
// current line read as its value. The popup's list is its child, as with
// Qt's own list box, so that the lines can be read before one is chosen.
class TListBoxAccessible : public QAccessibleWidget {
 public:
  explicit TListBoxAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

  int childCount() const override { return Box()->isEditable() ? 2 : 1; }

  QAccessibleInterface* child(int index) const override {
    if (index == 0) return QAccessible::queryAccessibleInterface(Box()->view());
    if (index == 1 && Box()->isEditable()) {
      return QAccessible::queryAccessibleInterface(Box()->lineEdit());
    }
    return nullptr;
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    if (child->object() == Box()->view()) return 0;
    if (Box()->isEditable() && child->object() == Box()->lineEdit()) return 1;
    return -1;
  }

  QAccessibleInterface* childAt(int, int) const override { return nullptr; }

  QString text(QAccessible::Text t) const override {
    switch (t) {
      case QAccessible::Value:
        return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
      case QAccessible::Name:
        return controls::AccessibleText(QAccessibleWidget::text(t));
      default:
        return QAccessibleWidget::text(t);
    }
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = Box()->view()->isVisible();
    state.editable = Box()->isEditable();
    return state;
  }

  QStringList actionNames() const override {
    QStringList names = QAccessibleWidget::actionNames();
    names.prepend(pressAction());
    names.prepend(showMenuAction());
    return names;
  }

  void doAction(const QString& action) override {
    if (action != showMenuAction() && action != pressAction()) {
      return QAccessibleWidget::doAction(action);
    }
    if (Box()->view()->isVisible()) {
      Box()->hidePopup();
    } else {
      Box()->showPopup();
    }
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == showMenuAction() || action == pressAction()) return {};
    return QAccessibleWidget::keyBindingsForAction(action);
  }

 private:
  QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* ControlsFactory(const QString& className, QObject* object) {
  // Asked once per class along the object's ancestry; answered for the
  // object's own class, before Qt's factory, which comes later.
  if (object == nullptr || !object->isWidgetType()) return nullptr;
  if (className != QLatin1String(object->metaObject()->className())) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (PressOf(widget) != nullptr) return new TButtonAccessible(widget);
  if (widget->property(kDecorationProperty).toBool()) {
    return new QAccessibleWidget(widget, QAccessible::Border);
  }
  if (className == QLatin1String("QComboBox")) {
    return new TListBoxAccessible(static_cast<QComboBox*>(widget));
  }
  return nullptr;
}

}  // namespace

namespace controls {

void InstallAccessibility() {
  static const bool kInstalled = [] {
    QAccessible::installFactory(ControlsFactory);
    return true;
  }();
  (void)kInstalled;
}

void MarkAsButton(QWidget* widget, std::function<void()> press) {
  InstallAccessibility();
  auto* holder = new TPressHolder(widget, std::move(press));
  widget->setProperty(kPressProperty, QVariant::fromValue<QObject*>(holder));
}

void MarkAsDecoration(QWidget* widget) {
  InstallAccessibility();
  widget->setProperty(kDecorationProperty, true);
}

void AddMnemonics(QMenu* menu) {
  if (menu == nullptr) return;
  // A single "&" before a character is a mnemonic; "&&" is a literal "&".
  const auto mnemonicOf = [](const QString& text) -> QChar {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != QLatin1Char('&')) continue;
      // "&&" is a literal "&"; so is one before a blank, which Qt would
      // otherwise take for a mnemonic of the blank.
      if (text[i + 1] == QLatin1Char('&')) {
        ++i;
        continue;
      }
      if (text[i + 1].isLetterOrNumber()) return text[i + 1].toLower();
    }
    return {};
  };
  QList<QChar> taken;
  const QList<QAction*> actions = menu->actions();
  for (const QAction* action : actions) {
    const QChar own = mnemonicOf(action->text());
    if (!own.isNull()) taken << own;
  }
  for (QAction* action : actions) {
    if (action->isSeparator() || !action->isVisible()) continue;
    if (action->menu() != nullptr) AddMnemonics(action->menu());
    const QString text = action->text();
    if (text.isEmpty() || !mnemonicOf(text).isNull()) continue;
    QString escaped = text;
    escaped.replace(QLatin1Char('&'), QLatin1String("&&"));
    for (qsizetype i = 0; i < escaped.size(); ++i) {
      const QChar c = escaped[i].toLower();
      if (!c.isLetterOrNumber() || taken.contains(c)) continue;
      if (i > 0 && escaped[i - 1] == QLatin1Char('&')) continue;  // a literal "&" before it
      taken << c;
      escaped.insert(i, QLatin1Char('&'));
      action->setText(escaped);
      break;
    }
  }
}

QString AccessibleText(const QString& text) {
  QString line = text;
  line.replace(QLatin1String("\r\n"), QLatin1String(" "));
  line.replace(QLatin1String("\n\r"), QLatin1String(" "));
  line.replace(QLatin1Char('\n'), QLatin1Char(' '));
  line.replace(QLatin1Char('\r'), QLatin1Char(' '));
  return line.simplified();
}

}  // namespace controls
