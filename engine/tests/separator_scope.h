// SPDX-License-Identifier: MIT
// Sets the decimal separator for one test and puts the old one back.
#pragma once

#include "engine/environment.h"

namespace engine {

class SeparatorScope {
 public:
  explicit SeparatorScope(char separator) : saved_(DecimalSeparator()) {
    SetDecimalSeparator(separator);
  }
  ~SeparatorScope() { SetDecimalSeparator(saved_); }
  SeparatorScope(const SeparatorScope&) = delete;
  SeparatorScope& operator=(const SeparatorScope&) = delete;

 private:
  char saved_;
};

}  // namespace engine
