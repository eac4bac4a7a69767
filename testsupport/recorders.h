// SPDX-License-Identifier: MIT
// What the widget tests record instead of reaching the desktop: the
// addresses a control would open in the browser, the texts it would copy,
// and the message boxes it would show. Each recorder replaces the platform's
// seam while it lives and gives it back when it goes, also when recorders
// are nested (a test's own inside its class's), and each reads like the list
// it holds.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// OpenedAddresses: every address handed to platform::OpenUrl, in order.
class OpenedAddresses : public std::vector<std::string> {
 public:
  OpenedAddresses();
  ~OpenedAddresses();
  OpenedAddresses(const OpenedAddresses&) = delete;
  OpenedAddresses& operator=(const OpenedAddresses&) = delete;
  const std::vector<std::string>& list() const { return *this; }

 private:
  OpenedAddresses* previous_;
};

// CopiedTexts: every text handed to platform::CopyText, in order.
class CopiedTexts : public std::vector<std::string> {
 public:
  CopiedTexts();
  ~CopiedTexts();
  CopiedTexts(const CopiedTexts&) = delete;
  CopiedTexts& operator=(const CopiedTexts&) = delete;
  const std::vector<std::string>& list() const { return *this; }

 private:
  CopiedTexts* previous_;
};

// ShownMessages: the title and text of every message box a control would
// show; Sink() is what the control's SetMessageSink takes.
struct ShownMessage {
  QString title;
  QString text;
};
class ShownMessages : public std::vector<ShownMessage> {
 public:
  std::function<void(const QString&, const QString&)> Sink() {
    return [this](const QString& title, const QString& text) { push_back({title, text}); };
  }
  QStringList Titles() const;
  QStringList Texts() const;
};

// Child: the child of `parent` with the object name and type; a missing one
// ends the test run with the name, since every later check would be void.
template <class T>
T* Child(const QObject& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromLatin1(name));
  if (child == nullptr) {
    qFatal("%s has no child %s of type %s", qPrintable(parent.objectName()), name,
           T::staticMetaObject.className());
  }
  return child;
}

}  // namespace testsupport
