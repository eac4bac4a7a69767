// SPDX-License-Identifier: MIT
// The small widgets the program pages are made of: a read-only value field
// that copies its text on a double click, and a label that reacts to the
// mouse like a link. Both show their hints with the line breaks of the
// hint texts.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <string_view>

#include "platform/qtext.h"

class QWidget;

// TCopyField: a read-only value field; a double click copies its text to the
// clipboard (platform::CopyText) and raises DoubleClicked.
class TCopyField : public QLineEdit {
  Q_OBJECT

 public:
  explicit TCopyField(QWidget* parent = nullptr);

  // CopyOnDoubleClick: false leaves the double click to the owner alone.
  void SetCopyOnDoubleClick(bool copy) { copyOnDoubleClick_ = copy; }

 signals:
  void DoubleClicked();

 protected:
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  bool copyOnDoubleClick_ = true;
};

// TLinkLabel: a label that raises Pressed with the mouse button and Clicked
// on a left click; with an address it opens that address on the left click.
class TLinkLabel : public QLabel {
  Q_OBJECT

 public:
  explicit TLinkLabel(QWidget* parent = nullptr);

  // Address: the web address the left click opens; empty opens nothing.
  QString Address() const { return address_; }
  void SetAddress(const QString& address);

 signals:
  void Pressed(Qt::MouseButton button);
  void Clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString address_;
  bool pressedLeft_ = false;
};

namespace tools {

// Q: a UTF-8 text of the engine as a QString.
using platform::Q;

// The place of a page under the panel's bar.
inline constexpr int kPageWidth = 249;
inline constexpr int kPageHeight = 217;

// PreparePage: gives a page its size and the small font of the panel's
// pages, which its labels and value fields inherit.
void PreparePage(QWidget* page);

// WikiAddress: the address of a German encyclopaedia article, the title
// encoded as the encyclopaedia's links are.
QString WikiAddress(std::string_view title);  // "Niedersachsen" -> ".../wiki/Niedersachsen"

}  // namespace tools
