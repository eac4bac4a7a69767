// SPDX-License-Identifier: MIT
#include "engine/numbertext.h"

#include <algorithm>

#include "engine/environment.h"

namespace engine {
namespace {

constexpr int kMaxTrailingBlanks = 148;
constexpr int kMaxLeadingFill = 44;

constexpr bool IsContinuationByte(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

int CharacterCount(std::string_view text) {
  return static_cast<int>(
      std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuationByte(c); }));
}

// The byte length of the first `count` characters.
std::size_t BytesOfCharacters(std::string_view text, int count) {
  std::size_t bytes = 0;
  for (int seen = 0; bytes < text.size(); ++bytes) {
    if (!IsContinuationByte(text[bytes]) && seen++ == count) break;
  }
  return bytes;
}

std::string FillInFront(std::string_view text, int width, char fill) {
  const int missing = width - CharacterCount(text);
  if (missing <= 0) return std::string(text);
  std::string result(static_cast<std::size_t>(std::min(missing, kMaxLeadingFill)), fill);
  result += text;
  return result;
}

}  // namespace

std::string PadLeftAligned(std::string_view text, int width) {
  if (width <= 0) return "";
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    text = {};
  } else {
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
  }
  const int length = CharacterCount(text);
  if (length >= width) return std::string(text.substr(0, BytesOfCharacters(text, width)));
  std::string result(text);
  result.append(static_cast<std::size_t>(std::min(width - length, kMaxTrailingBlanks)), ' ');
  return result;
}

std::string PadRightAligned(std::string_view text, int width) {
  return FillInFront(text, width, ' ');
}

std::string ZeroFill(std::string_view text, int width) {
  return FillInFront(text, width, '0');
}

std::string TrimZeroDecimals(std::string_view text) {
  const char separator = DecimalSeparator();
  std::string result(text);
  const std::size_t at = result.find(separator);
  if (at == std::string::npos) return result;
  while (result.size() > at + 1 && result.back() == '0') result.pop_back();
  if (result.size() == at + 1) result += '0';
  if (at == 0) result.insert(0, 1, '0');
  return result;
}

std::string BlankLeadingZeros(std::string_view text) {
  const char separator = DecimalSeparator();
  std::string result(text);
  for (std::size_t i = 0; i + 1 < result.size() && result[i] == '0'; ++i) {
    if (result[i + 1] == separator) break;
    result[i] = ' ';
  }
  return result;
}

std::string NumericCharsOnly(std::string_view text) {
  const char separator = DecimalSeparator() == ',' ? ',' : '.';
  std::string result;
  bool separatorSeen = false;
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      result += c;
    } else if (c == separator && !separatorSeen) {
      result += c;
      separatorSeen = true;
    }
  }
  return result.empty() ? "0" : result;
}

void AppendZeroPadded(std::string& text, long value, int width) {
  char digits[9];
  for (int i = width - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  text.append(digits, static_cast<std::size_t>(width));
}

}  // namespace engine
