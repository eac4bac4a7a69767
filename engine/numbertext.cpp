// SPDX-License-Identifier: MIT
#include "engine/numbertext.h"

#include <algorithm>
#include <cerrno>
#include <cfloat>
#include <clocale>
#include <cstdlib>

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

// libstdc++ reads a long double with strtold under the "C" locale where it
// can switch the locale of one thread (uselocale); elsewhere it reads a
// double. There the pattern is found by from_chars, which takes what
// from_chars takes, and the number read by strtold in the locale of the
// moment, whose decimal point takes the place of the point.
std::from_chars_result ReadLongDouble(const char* first, const char* last, long double& value) {
#if defined(__GLIBCXX__) && !defined(_GLIBCXX_HAVE_USELOCALE) && LDBL_MANT_DIG > DBL_MANT_DIG
  double pattern = 0.0;
  std::from_chars_result result = std::from_chars(first, last, pattern);
  if (result.ec == std::errc::invalid_argument) return result;
  std::string text;
  const char* point = std::localeconv()->decimal_point;
  for (const char* c = first; c != result.ptr; ++c) {
    if (*c == '.') {
      text += point != nullptr && *point != '\0' ? point : ".";
    } else {
      text += *c;
    }
  }
  errno = 0;
  char* end = nullptr;
  const long double read = std::strtold(text.c_str(), &end);
  if (errno == ERANGE || end != text.c_str() + text.size()) {
    result.ec = std::errc::result_out_of_range;
    return result;
  }
  value = read;
  result.ec = std::errc{};
  return result;
#else
  return std::from_chars(first, last, value);
#endif
}

}  // namespace engine
