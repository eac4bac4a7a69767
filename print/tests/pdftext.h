// SPDX-License-Identifier: MIT
// Reads a PDF back as text with poppler's pdftotext, for the tests of the
// printed year calendar.
#pragma once

#include <cstdio>
#include <string>

namespace print {

// PdfText: the text of a PDF file in reading order, "" when pdftotext fails.
inline std::string PdfText(const std::string& path) {
  const std::string command = "pdftotext -enc UTF-8 '" + path + "' - 2>/dev/null";
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, read);
    pclose(pipe);
  }
  return text;
}

// PdfPages: the number of pages pdfinfo reports, -1 when it fails.
inline int PdfPages(const std::string& path) {
  const std::string command = "pdfinfo '" + path + "' 2>/dev/null";
  std::string text;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, read);
    pclose(pipe);
  }
  const std::size_t at = text.find("Pages:");
  if (at == std::string::npos) return -1;
  return std::stoi(text.substr(at + 6));
}

}  // namespace print
