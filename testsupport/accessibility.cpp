// SPDX-License-Identifier: MIT
#include "testsupport/accessibility.h"

#include <QAccessibleInterface>
#include <QMetaEnum>
#include <QWidget>

namespace widget_tests {
namespace {

QString Quoted(const QString& text) {
  QString line = text;
  line.replace(QLatin1Char('\n'), QLatin1String("\\n"));
  line.replace(QLatin1Char('\r'), QLatin1String("\\r"));
  return QLatin1Char('"') + line + QLatin1Char('"');
}

QString ObjectNameOf(const QAccessibleInterface* node) {
  const QObject* object = node->object();
  return object != nullptr ? object->objectName() : QString();
}

AccessibleControl ControlOf(QAccessibleInterface* node) {
  AccessibleControl control;
  control.role = node->role();
  control.name = node->text(QAccessible::Name);
  control.value = node->text(QAccessible::Value);
  if (QAccessibleActionInterface* actions = node->actionInterface()) {
    control.actions = actions->actionNames();
  }
  control.objectName = ObjectNameOf(node);
  control.labelled = !node->relations(QAccessible::Label).isEmpty();
  return control;
}

// Walk: every shown node under `node`, depth first; `visit(node, depth)`.
template <typename Visit>
void Walk(QAccessibleInterface* node, int depth, const Visit& visit) {
  if (node == nullptr || !node->isValid() || node->state().invisible) return;
  visit(node, depth);
  // A list box's popup list is its child only while it is open.
  if (node->role() == QAccessible::ComboBox) return;
  for (int i = 0; i < node->childCount(); ++i) Walk(node->child(i), depth + 1, visit);
}

}  // namespace

QString RoleName(QAccessible::Role role) {
  const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
  const char* key = roles.valueToKey(role);
  return key != nullptr ? QString::fromLatin1(key) : QString::number(role);
}

bool IsOperable(QAccessible::Role role) {
  switch (role) {
    case QAccessible::EditableText:
    case QAccessible::ComboBox:
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::SpinBox:
    case QAccessible::Cell:
    case QAccessible::Table:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Link:
    case QAccessible::Slider:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
      return true;
    default:
      return false;
  }
}

std::vector<AccessibleControl> AccessibleControls(QWidget* root) {
  std::vector<AccessibleControl> controls;
  Walk(QAccessible::queryAccessibleInterface(root), 0,
       [&controls](QAccessibleInterface* node, int) {
         if (IsOperable(node->role())) controls.push_back(ControlOf(node));
       });
  return controls;
}

QStringList Unnamed(QWidget* root) {
  QStringList unnamed;
  for (const AccessibleControl& control : AccessibleControls(root)) {
    const QString name = control.name.trimmed();
    if (!name.isEmpty() && name != control.value.trimmed()) continue;
    unnamed << QStringLiteral("%1 %2 = %3 (%4)")
                   .arg(RoleName(control.role), Quoted(control.name), Quoted(control.value),
                        control.objectName);
  }
  return unnamed;
}

QString Outline(QWidget* root) {
  QString outline;
  Walk(QAccessible::queryAccessibleInterface(root), 0,
       [&outline](QAccessibleInterface* node, int depth) {
         const AccessibleControl control = ControlOf(node);
         QString line = QString(depth * 2, QLatin1Char(' ')) + RoleName(control.role);
         if (!control.name.isEmpty()) line += QLatin1Char(' ') + Quoted(control.name);
         if (!control.value.isEmpty()) line += QStringLiteral(" = ") + Quoted(control.value);
         if (!control.actions.isEmpty()) {
           line += QStringLiteral(" [") + control.actions.join(QLatin1Char(',')) + QLatin1Char(']');
         }
         if (control.labelled) line += QStringLiteral(" <labelled>");
         if (node->state().focusable) line += QStringLiteral(" <focusable>");
         if (node->state().selected) line += QStringLiteral(" <selected>");
         if (!control.objectName.isEmpty()) line += QStringLiteral(" (") + control.objectName + ')';
         outline += line + QLatin1Char('\n');
       });
  return outline;
}

QList<QWidget*> TabStops(QWidget* window) {
  QList<QWidget*> stops;
  QWidget* widget = window;
  // The focus chain is a ring; every widget appears in it once.
  do {
    widget = widget->nextInFocusChain();
    const bool stop = widget != window && widget->window() == window &&
                      (widget->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                      widget->focusProxy() == nullptr && widget->isVisibleTo(window) &&
                      widget->isEnabled();
    if (stop) stops << widget;
  } while (widget != window);
  return stops;
}

QStringList ObjectNames(const QList<QWidget*>& widgets) {
  QStringList names;
  for (const QWidget* widget : widgets) names << widget->objectName();
  return names;
}

}  // namespace widget_tests
