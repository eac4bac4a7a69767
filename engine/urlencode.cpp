// SPDX-License-Identifier: MIT
#include "engine/urlencode.h"

#include <array>
#include <cstdint>

namespace engine {
namespace {

// The code points of the Windows-1252 bytes 0x80..0x9F; 0 where the byte is
// unassigned. Bytes 0xA0..0xFF are the Latin-1 code points themselves.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// The Windows-1252 byte of a code point, or -1 when it has none.
int Windows1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp && cp != 0) return static_cast<int>(0x80 + i);
  }
  return -1;
}

// Length of the well-formed UTF-8 sequence at the start of text, 0 when
// there is none; the code point goes to cp.
std::size_t DecodeUtf8(std::string_view text, char32_t& cp) {
  const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
  const std::uint8_t lead = byte(0);
  std::size_t length = 0;
  char32_t min = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2, cp = lead & 0x1F, min = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3, cp = lead & 0x0F, min = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4, cp = lead & 0x07, min = 0x10000;
  } else {
    return 0;
  }
  if (text.size() < length) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (byte(i) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
  return length;
}

void AppendEncodedByte(std::string& out, std::uint8_t b) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  if (b < 0x20) return;
  if (b == '&') {
    out += "&amp;";
  } else if (b >= 0x80 || b == ' ' || b == '!' || b == '#' || b == '%' || b == '*' || b == '<' ||
             b == '>') {
    out += '%';
    out += kHex[b >> 4];
    out += kHex[b & 0x0F];
  } else {
    out += static_cast<char>(b);
  }
}

}  // namespace

std::string UrlEncode(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  while (!text.empty()) {
    const auto lead = static_cast<std::uint8_t>(text[0]);
    char32_t cp = 0;
    const std::size_t length = lead < 0x80 ? 1 : DecodeUtf8(text, cp);
    if (length <= 1) {
      AppendEncodedByte(out, lead);
      text.remove_prefix(1);
      continue;
    }
    const int b = Windows1252Byte(cp);
    if (b >= 0) {
      AppendEncodedByte(out, static_cast<std::uint8_t>(b));
    } else {
      for (std::size_t i = 0; i < length; ++i) {
        AppendEncodedByte(out, static_cast<std::uint8_t>(text[i]));
      }
    }
    text.remove_prefix(length);
  }
  return out;
}

}  // namespace engine
