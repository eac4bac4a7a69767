// SPDX-License-Identifier: MIT
// Splits a fuzzer's bytes into the arguments of an engine call: a few
// integers and flags from the front, the rest as text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace fuzz {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool Bool() { return (Byte() & 1) != 0; }

  // Int: mostly small values around the interesting ranges, sometimes any int.
  int Int() {
    const std::uint8_t selector = Byte();
    std::int32_t value = 0;
    const std::size_t n = size_ < sizeof value ? size_ : sizeof value;
    std::memcpy(&value, data_, n);
    data_ += n;
    size_ -= n;
    return selector % 4 == 0 ? value : value % 4000;
  }

  // Text: a piece of the input up to a 0 byte, or the rest.
  std::string Text() {
    std::size_t n = 0;
    while (n < size_ && data_[n] != 0) ++n;
    std::string text(reinterpret_cast<const char*>(data_), n);
    const std::size_t used = n < size_ ? n + 1 : n;
    data_ += used;
    size_ -= used;
    return text;
  }

 private:
  std::uint8_t Byte() {
    if (size_ == 0) return 0;
    --size_;
    return *data_++;
  }
  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace fuzz
