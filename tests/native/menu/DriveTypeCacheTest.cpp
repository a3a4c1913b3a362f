#include "menu/DriveTypeCache.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_asked;
unsigned g_nextType = 3;

unsigned CountingQuery(const char* root) {
  g_asked.emplace_back(root);
  return g_nextType;
}

uint32_t Letters(const char* letters) {
  uint32_t mask = 0;
  for (const char* c = letters; *c; ++c) mask |= uint32_t{1} << (*c - 'A');
  return mask;
}

TEST(DriveTypeCache, AsksOncePerLetterUntilItGoesOrADeviceChanges) {
  g_asked.clear();
  DriveTypeCache cache(CountingQuery);
  cache.Present(Letters("CD"));
  g_nextType = 3;
  EXPECT_EQ(cache.TypeOf('C'), 3u);
  g_nextType = 5;
  EXPECT_EQ(cache.TypeOf('D'), 5u);
  EXPECT_EQ(cache.TypeOf('C'), 3u);  // kept
  EXPECT_EQ(g_asked, (std::vector<std::string>{"C:\\", "D:\\"}));

  // D goes and comes back as another kind of drive: asked again; C is kept.
  cache.Present(Letters("C"));
  cache.Present(Letters("CD"));
  g_nextType = 4;
  EXPECT_EQ(cache.TypeOf('D'), 4u);
  EXPECT_EQ(cache.TypeOf('C'), 3u);
  EXPECT_EQ(g_asked.size(), 3u);

  cache.Forget();
  EXPECT_EQ(cache.TypeOf('C'), 4u);
  EXPECT_EQ(g_asked.size(), 4u);

  // Outside A to Z: unknown, and nothing asked.
  EXPECT_EQ(cache.TypeOf('@'), 0u);
  EXPECT_EQ(cache.TypeOf('['), 0u);
  EXPECT_EQ(g_asked.size(), 4u);
}

}  // namespace
