// SPDX-License-Identifier: MIT
// What assistive technology (a screen reader through AT-SPI) learns of the
// program's own widgets, which Qt cannot know by their class:
// - a widget drawn as a button (a spin half, a bevelled panel with a
//   letter) is announced as a push button with the press action the mouse
//   has (MarkAsButton);
// - a list box is named by its label, not by the line it shows, and reads
//   that line as its value (Qt on Unix names a list box by its current line);
// - the names of controls never carry the hints' line breaks.
#pragma once

#include <QString>
#include <functional>

class QMenu;
class QWidget;

namespace controls {

// InstallAccessibility: installs the factory once; every control that needs
// it calls it from its constructor.
void InstallAccessibility();

// MarkAsButton: `widget` is a push button to assistive technology, named by
// its accessible name, else by its hint; its press action calls `press`.
void MarkAsButton(QWidget* widget, std::function<void()> press);

// MarkAsDecoration: `widget` only draws a backdrop for its siblings (a
// disabled field behind two spin halves); assistive technology sees a
// border, nothing to type in.
void MarkAsDecoration(QWidget* widget);

// AddMnemonics: gives every entry of `menu` and of its sub-menus that has
// none a mnemonic, the first letter or digit of its text not yet taken in
// its menu (the underline is the only visible change; a literal "&" stays
// one). Entries without a free letter stay as they are.
void AddMnemonics(QMenu* menu);  // "Datum kopieren", "Drucken" -> "&Datum kopieren", "D&rucken"

// AccessibleText: a hint or caption as one line of a name: line breaks
// ("\r\n", "\n\r", "\n") become single blanks.
QString AccessibleText(const QString& text);  // "Kalender\n\rwechseln" -> "Kalender wechseln"

}  // namespace controls
