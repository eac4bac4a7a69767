// SPDX-License-Identifier: MIT
#include "platform/systeminfo.h"

#include <gtest/gtest.h>

namespace {

// Without a window system the facts still come back (no screen: zero size),
// and the main thread's stack is measured from its attributes, not reported
// as 0 as the thread class does for the main thread.
TEST(SystemFacts, ReadsWithoutScreenAndMeasuresTheMainStack) {
  const platform::SystemFacts facts = platform::ReadSystemFacts();
  EXPECT_EQ(facts.screenWidth, 0);
  EXPECT_EQ(facts.screenHeight, 0);
  EXPECT_GT(facts.stackSize, 64 * 1024);
  EXPECT_FALSE(facts.computer.empty());
  EXPECT_TRUE(facts.owner.empty());
  EXPECT_TRUE(facts.productId.empty());
}

TEST(SystemFacts, ReaderReplacedAndRestored) {
  platform::SetSystemFactsReader([] {
    platform::SystemFacts facts;
    facts.user = "anna";
    return facts;
  });
  EXPECT_EQ(platform::ReadSystemFacts().user, "anna");
  platform::SetSystemFactsReader({});
  EXPECT_GT(platform::ReadSystemFacts().stackSize, 0);
}

}  // namespace
