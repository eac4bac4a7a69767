// SPDX-License-Identifier: MIT
// Sets the machine's time zone (TZ) for one test and puts the old setting
// back when the test ends, also when an assertion leaves it early.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace testsupport {

class ZoneScope {
 public:
  ZoneScope() : saved_(qgetenv("TZ")) {}
  ~ZoneScope() {
    if (saved_.isNull()) {
      qunsetenv("TZ");
    } else {
      qputenv("TZ", saved_);
    }
  }
  ZoneScope(const ZoneScope&) = delete;
  ZoneScope& operator=(const ZoneScope&) = delete;

  // Set: the zone the machine seems to be in from now on ("America/New_York").
  void Set(const char* zone) { qputenv("TZ", zone); }

 private:
  QByteArray saved_;
};

}  // namespace testsupport
