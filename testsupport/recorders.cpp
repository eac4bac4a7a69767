// SPDX-License-Identifier: MIT
#include "testsupport/recorders.h"

#include <QStringList>

#include "platform/clipboard.h"
#include "platform/openurl.h"

namespace testsupport {
namespace {

OpenedAddresses* gOpened = nullptr;
CopiedTexts* gCopied = nullptr;

void ArmOpener(OpenedAddresses* recorder) {
  if (recorder == nullptr) {
    platform::SetUrlOpener({});
    return;
  }
  platform::SetUrlOpener([recorder](const std::string& address) {
    recorder->push_back(address);
    return true;
  });
}

void ArmClipboard(CopiedTexts* recorder) {
  if (recorder == nullptr) {
    platform::SetClipboardWriter({});
    return;
  }
  platform::SetClipboardWriter([recorder](const std::string& text) { recorder->push_back(text); });
}

}  // namespace

OpenedAddresses::OpenedAddresses() : previous_(gOpened) {
  gOpened = this;
  ArmOpener(this);
}

OpenedAddresses::~OpenedAddresses() {
  gOpened = previous_;
  ArmOpener(previous_);
}

CopiedTexts::CopiedTexts() : previous_(gCopied) {
  gCopied = this;
  ArmClipboard(this);
}

CopiedTexts::~CopiedTexts() {
  gCopied = previous_;
  ArmClipboard(previous_);
}

QStringList ShownMessages::Titles() const {
  QStringList titles;
  for (const ShownMessage& message : *this) titles << message.title;
  return titles;
}

QStringList ShownMessages::Texts() const {
  QStringList texts;
  for (const ShownMessage& message : *this) texts << message.text;
  return texts;
}

}  // namespace testsupport
