// SPDX-License-Identifier: MIT
#include "platform/openurl.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>
#include <utility>

namespace platform {
namespace {

std::function<bool(const std::string&)>& Opener() {
  static std::function<bool(const std::string&)> opener;
  return opener;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] + 32) : text[i];
    if (c != prefix[i]) return false;
  }
  return true;
}

}  // namespace

bool IsWebAddress(std::string_view address) {
  const std::size_t schemeLength = StartsWithIgnoringCase(address, "http://")    ? 7
                                   : StartsWithIgnoringCase(address, "https://") ? 8
                                                                                 : 0;
  if (schemeLength == 0 || address.size() == schemeLength) return false;
  for (char c : address) {
    if (static_cast<unsigned char>(c) < 0x20 || c == ' ') return false;
  }
  const QUrl url(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())),
                 QUrl::TolerantMode);
  return url.isValid() && !url.host().isEmpty();
}

int OpenUrl(std::string_view address) {
  if (!IsWebAddress(address)) return 0;
  const std::string text(address);
  if (const auto& opener = Opener()) return opener(text) ? 1 : 0;
  return QDesktopServices::openUrl(QUrl(QString::fromStdString(text), QUrl::TolerantMode)) ? 1 : 0;
}

void SetUrlOpener(std::function<bool(const std::string&)> opener) {
  Opener() = std::move(opener);
}

}  // namespace platform
