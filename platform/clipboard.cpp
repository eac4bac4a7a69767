// SPDX-License-Identifier: MIT
#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <utility>

namespace platform {
namespace {

std::function<void(const std::string&)>& Writer() {
  static std::function<void(const std::string&)> writer;
  return writer;
}

}  // namespace

void CopyText(const std::string& text) {
  if (const auto& writer = Writer()) return writer(text);
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(QString::fromStdString(text));
  }
}

void SetClipboardWriter(std::function<void(const std::string&)> writer) {
  Writer() = std::move(writer);
}

}  // namespace platform
