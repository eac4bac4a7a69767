// SPDX-License-Identifier: MIT
// Plain text onto the system clipboard; tests replace the clipboard so that
// they read what would have been copied.
#pragma once

#include <functional>
#include <string>

namespace platform {

// CopyText: puts the UTF-8 text onto the clipboard as plain text.
void CopyText(const std::string& text);  // "DE0005557508" -> clipboard "DE0005557508"

// SetClipboardWriter: replaces the clipboard; an empty function restores it.
void SetClipboardWriter(std::function<void(const std::string&)> writer);

}  // namespace platform
