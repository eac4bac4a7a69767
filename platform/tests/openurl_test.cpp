// SPDX-License-Identifier: MIT
#include "platform/openurl.h"

#include <gtest/gtest.h>

#include <vector>

namespace platform {
namespace {

class OpenUrlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetUrlOpener([this](const std::string& address) {
      opened.push_back(address);
      return true;
    });
  }
  void TearDown() override { SetUrlOpener({}); }
  std::vector<std::string> opened;
};

TEST_F(OpenUrlTest, WebAddressesReachTheBrowser) {
  EXPECT_EQ(OpenUrl("https://de.wikipedia.org/wiki/Mari%E4%20Himmelfahrt"), 1);
  EXPECT_EQ(OpenUrl("HTTP://example.org/"), 1);
  EXPECT_EQ(opened, (std::vector<std::string>{"https://de.wikipedia.org/wiki/Mari%E4%20Himmelfahrt",
                                              "HTTP://example.org/"}));
}

// No text may start a local program or open a local file.
TEST_F(OpenUrlTest, EverythingElseIsDropped) {
  for (const char* address :
       {"", "file:///etc/passwd", "/usr/bin/xterm", "C:\\Windows\\system32\\cmd.exe",
        "javascript:alert(1)", "mailto:a@b.de", "http://", "https://", "ftp://example.org",
        "https://exa mple.org", "https://example.org/\n", "http:/example.org", "xhttp://a.b"}) {
    EXPECT_EQ(OpenUrl(address), 0) << address;
  }
  EXPECT_TRUE(opened.empty());
}

}  // namespace
}  // namespace platform
