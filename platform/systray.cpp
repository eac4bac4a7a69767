// SPDX-License-Identifier: MIT
#include "platform/systray.h"

#include <QSystemTrayIcon>
#include <utility>

namespace platform {
namespace {

std::function<bool()>& Probe() {
  static std::function<bool()> probe;
  return probe;
}

}  // namespace

bool SystemTrayAvailable() {
  if (const auto& probe = Probe()) return probe();
  return QSystemTrayIcon::isSystemTrayAvailable();
}

void SetSystemTrayProbe(std::function<bool()> probe) {
  Probe() = std::move(probe);
}

}  // namespace platform
