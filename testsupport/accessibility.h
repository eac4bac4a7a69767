// SPDX-License-Identifier: MIT
// The widget tests' view of a window as assistive technology reads it:
// the tree that QAccessible builds (roles, names, values, actions), the
// controls a user can operate in it, and the stops of the Tab key.
#pragma once

#include <QAccessible>
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

class QWidget;

namespace widget_tests {

// One control of the tree as a screen reader meets it.
struct AccessibleControl {
  QAccessible::Role role = QAccessible::NoRole;
  QString name;
  QString value;
  QStringList actions;
  QString objectName;  // of the widget behind it, "" for a part without one
  // A label names it: the relation Qt reports as QAccessible::Label (the
  // other object is this one's label), "labelled by" on AT-SPI.
  bool labelled = false;
};

// RoleName: "EditableText", "ComboBox", "Button", ...
QString RoleName(QAccessible::Role role);

// IsOperable: a role a user types in, chooses from or presses.
bool IsOperable(QAccessible::Role role);

// AccessibleControls: every operable control shown under `root` (hidden
// ones and their parts left out), in the tree's order.
std::vector<AccessibleControl> AccessibleControls(QWidget* root);

// Unnamed: the operable controls under `root` whose name is empty or only
// repeats the value, each as "Role 'name' = 'value' (objectName)".
QStringList Unnamed(QWidget* root);

// Outline: the shown tree under `root`, one line a node, two blanks of
// indent a level: Role "name" = "value" [actions] (objectName).
QString Outline(QWidget* root);

// TabStops: the widgets the Tab key visits in `window`, from the first of
// the focus chain round to it again, by the rules Qt's Tab follows (a Tab
// focus policy, shown, enabled, no focus proxy).
QList<QWidget*> TabStops(QWidget* window);

// ObjectNames: the object names of widgets, for messages and comparisons.
QStringList ObjectNames(const QList<QWidget*>& widgets);

}  // namespace widget_tests
