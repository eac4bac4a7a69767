// SPDX-License-Identifier: MIT
#include "export/wholefile.h"

#include <fstream>
#include <random>
#include <system_error>

namespace exports {
namespace {

namespace fs = std::filesystem;

std::string Utf8(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

// Why a file cannot be written where it is asked for, as far as the path
// tells it before trying.
std::string WhyNotWritable(const fs::path& path) {
  std::error_code error;
  if (fs::is_directory(path, error)) return " (das ist ein Ordner)";
  const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
  if (!fs::is_directory(folder, error)) {
    return " (den Ordner \"" + Utf8(folder) + "\" gibt es nicht)";
  }
  return "";
}

}  // namespace

fs::path Utf8Path(std::string_view text) {
  return fs::path(std::u8string(text.begin(), text.end()));
}

std::string WriteFileWhole(const fs::path& target, std::string_view text) {
  const auto refusal = [&] {
    return "Die Datei \"" + Utf8(target) + "\" kann nicht geschrieben werden" +
           WhyNotWritable(target) + ".";
  };
  if (target.empty() || !WhyNotWritable(target).empty()) return refusal();
  std::random_device random;
  std::error_code error;
  fs::path temporary;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = target;
    temporary += ".tmp" + std::to_string(random() % 1000000);
    if (!fs::exists(temporary, error)) break;
  }
  {
    std::ofstream stream(temporary, std::ios::binary | std::ios::trunc);
    if (!stream) return refusal();
    stream.write(text.data(), static_cast<std::streamsize>(text.size()));
    stream.close();
    if (!stream) {
      fs::remove(temporary, error);
      return refusal();
    }
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return refusal();
  }
  return "";
}

}  // namespace exports
