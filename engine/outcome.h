// SPDX-License-Identifier: MIT
// How the engine answered: its results carry the integer codes the command
// line and the published properties show (1, 0, -1, -2); the windows read
// them as an Outcome, so no widget compares bare numbers.
#pragma once

namespace engine {

enum class Outcome {
  Ok,          // the result stands
  Refused,     // an input could not be read or lies outside its choices
  OutOfRange,  // a day outside the supported range
};

// OutcomeOf: 1 Ok, -1 OutOfRange, any other code Refused.
constexpr Outcome OutcomeOf(int code) {
  return code == 1 ? Outcome::Ok : code == -1 ? Outcome::OutOfRange : Outcome::Refused;
}

// Succeeded: the code says the result stands.
constexpr bool Succeeded(int code) {
  return OutcomeOf(code) == Outcome::Ok;
}

static_assert(OutcomeOf(1) == Outcome::Ok && OutcomeOf(-1) == Outcome::OutOfRange &&
              OutcomeOf(0) == Outcome::Refused && OutcomeOf(-2) == Outcome::Refused);

}  // namespace engine
