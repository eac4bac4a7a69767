// SPDX-License-Identifier: MIT
// The encoding of a title or query value for a web address. Opening the
// address is the platform's business (platform/openurl.h).
#pragma once

#include <string>
#include <string_view>

namespace engine {

// UrlEncode: the text in the form that is appended to an address path, byte by
// byte over its Windows-1252 form: control bytes are dropped, a blank and
// ! # % * < > and every byte from 0x80 become "%" and two upper-case hex
// digits, "&" becomes "&amp;", everything else passes unchanged. The input is
// UTF-8; a character that Windows-1252 lacks is percent-encoded as its UTF-8
// bytes, and a byte that is no UTF-8 is taken as a Windows-1252 byte.
std::string UrlEncode(std::string_view text);  // "Mariä Himmelfahrt" -> "Mari%E4%20Himmelfahrt"

}  // namespace engine
