// SPDX-License-Identifier: MIT
#include "platform/systeminfo.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>
#include <cstdlib>
#include <utility>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#include <pwd.h>
#include <unistd.h>
#endif

namespace platform {
namespace {

std::function<SystemFacts()>& Reader() {
  static std::function<SystemFacts()> reader;
  return reader;
}

std::string EnvironmentText(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? std::string(value) : std::string();
}

#ifdef _WIN32

std::string Utf8Of(const wchar_t* text, int length) {
  if (length <= 0) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return {};
  std::string result(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, result.data(), size, nullptr, nullptr);
  return result;
}

std::string UserName() {
  wchar_t name[257] = {};
  DWORD size = 257;
  if (GetUserNameW(name, &size) && size > 1) return Utf8Of(name, static_cast<int>(size - 1));
  return EnvironmentText("USERNAME");
}

// A text value of the machine-wide key of the Windows version.
std::string RegistryText(const wchar_t* value) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                    KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS) {
    return {};
  }
  DWORD type = 0;
  DWORD bytes = 0;
  std::string result;
  if (RegQueryValueExW(key, value, nullptr, &type, nullptr, &bytes) == ERROR_SUCCESS &&
      type == REG_SZ && bytes > 0 && bytes < 65536) {
    std::vector<wchar_t> buffer(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, value, nullptr, &type, reinterpret_cast<LPBYTE>(buffer.data()),
                         &bytes) == ERROR_SUCCESS) {
      int length = 0;
      while (length < static_cast<int>(buffer.size()) && buffer[length] != L'\0') ++length;
      result = Utf8Of(buffer.data(), length);
    }
  }
  RegCloseKey(key);
  return result;
}

std::int64_t StackSize() {
  ULONG_PTR low = 0;
  ULONG_PTR high = 0;
  GetCurrentThreadStackLimits(&low, &high);
  return high > low ? static_cast<std::int64_t>(high - low) : 0;
}

#else

// The user: the login name of the environment, else the passwd entry of the
// effective user (absent in some containers).
std::string UserName() {
  for (const char* name : {"USER", "LOGNAME"}) {
    std::string user = EnvironmentText(name);
    if (!user.empty()) return user;
  }
  long size = sysconf(_SC_GETPW_R_SIZE_MAX);
  std::vector<char> buffer(size > 0 ? static_cast<std::size_t>(size) : 16384);
  passwd entry{};
  passwd* found = nullptr;
  if (getpwuid_r(geteuid(), &entry, buffer.data(), buffer.size(), &found) == 0 &&
      found != nullptr && found->pw_name != nullptr) {
    return found->pw_name;
  }
  return {};
}

// The stack of the calling thread from its attributes; for the main thread
// the system reports the size its stack may grow to.
std::int64_t StackSize() {
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return 0;
  std::size_t size = 0;
  const bool ok = pthread_attr_getstacksize(&attributes, &size) == 0;
  pthread_attr_destroy(&attributes);
  return ok ? static_cast<std::int64_t>(size) : 0;
}

#endif

SystemFacts ComputerFacts() {
  SystemFacts facts;
  facts.user = UserName();
  facts.computer = QSysInfo::machineHostName().toStdString();
  facts.os = QSysInfo::prettyProductName().toStdString();
#ifdef _WIN32
  facts.owner = RegistryText(L"RegisteredOwner");
  facts.productId = RegistryText(L"ProductId");
#endif
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const qreal ratio = screen->devicePixelRatio();
    facts.screenWidth = static_cast<int>(screen->size().width() * ratio + 0.5);
    facts.screenHeight = static_cast<int>(screen->size().height() * ratio + 0.5);
  }
  facts.stackSize = StackSize();
  return facts;
}

}  // namespace

SystemFacts ReadSystemFacts() {
  if (const auto& reader = Reader()) return reader();
  return ComputerFacts();
}

void SetSystemFactsReader(std::function<SystemFacts()> reader) {
  Reader() = std::move(reader);
}

}  // namespace platform
