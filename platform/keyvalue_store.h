// SPDX-License-Identifier: MIT
// KeyValueStore: the per-user key of a few named values (32-bit integers and
// texts) that the main window keeps its settings in. The interface is plain
// C++, so that the settings logic is tested against MemoryStore without a
// window or a real store; settings_store.h holds the real one.
//
// Reading is typed: a value that is missing or of another type reads as
// nothing, and the caller decides what that means.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

// One stored value: an integer or a text.
using StoredValue = std::variant<std::int32_t, std::string>;

struct StoredEntry {
  std::string name;  // "" is the key's default value
  StoredValue value;
};

class KeyValueStore {
 public:
  virtual ~KeyValueStore() = default;

  // Exists: whether the key holds any value; a corrupt or unreadable store
  // holds none.
  virtual bool Exists() const = 0;
  // Unreadable: the key is there but cannot be read or parsed (a damaged
  // file, one without read permission); it holds no values then. Such a key
  // may still mean something to its user, so only his own save writes it.
  virtual bool Unreadable() const = 0;
  // Holds: whether some value, of whatever type, stands under the name.
  virtual bool Holds(std::string_view name) const = 0;
  // ReadInt: the integer under the name; nothing when missing or not an
  // integer. A text of decimal digits counts as an integer.
  virtual std::optional<std::int32_t> ReadInt(std::string_view name) const = 0;  // "smal" -> 1
  // ReadText: the text under the name; nothing when missing or not a text.
  virtual std::optional<std::string> ReadText(std::string_view name) const = 0;  // "Land" -> "D-BY"
  // Replace: afterwards the key holds exactly these entries; false when it
  // could not be written (then the old content stays whole).
  virtual bool Replace(const std::vector<StoredEntry>& entries) = 0;
  // Remove: deletes the key with everything in it; false when it could not.
  virtual bool Remove() = 0;
};

// MemoryStore: a store in memory, for tests; an integer is never a text and
// a text never an integer, as in a typed registry.
class MemoryStore : public KeyValueStore {
 public:
  bool Exists() const override { return !unreadable && !values_.empty(); }
  bool Unreadable() const override { return unreadable; }
  bool Holds(std::string_view name) const override {
    return !unreadable && values_.count(std::string(name)) != 0;
  }
  std::optional<std::int32_t> ReadInt(std::string_view name) const override {
    const auto found = values_.find(std::string(name));
    if (unreadable || found == values_.end() ||
        !std::holds_alternative<std::int32_t>(found->second)) {
      return {};
    }
    return std::get<std::int32_t>(found->second);
  }
  std::optional<std::string> ReadText(std::string_view name) const override {
    const auto found = values_.find(std::string(name));
    if (unreadable || found == values_.end() ||
        !std::holds_alternative<std::string>(found->second)) {
      return {};
    }
    return std::get<std::string>(found->second);
  }
  bool Replace(const std::vector<StoredEntry>& entries) override {
    ++writes;
    unreadable = false;
    values_.clear();
    for (const StoredEntry& entry : entries) values_[entry.name] = entry.value;
    return true;
  }
  bool Remove() override {
    ++removals;
    unreadable = false;
    values_.clear();
    return true;
  }
  // Set: puts one value in directly, as a hand-edited store would hold it.
  void Set(const std::string& name, StoredValue value) { values_[name] = std::move(value); }
  const std::map<std::string, StoredValue>& Values() const { return values_; }

  int writes = 0;
  int removals = 0;
  // unreadable: the store stands for a key that cannot be parsed; a write or
  // a removal ends that, as a real one replaces the damaged file.
  bool unreadable = false;

 private:
  std::map<std::string, StoredValue> values_;
};

}  // namespace platform
