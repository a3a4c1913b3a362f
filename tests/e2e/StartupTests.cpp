#include <gtest/gtest.h>
#include "Harness.h"
using namespace e2e;
TEST(Smoke, Starts) {
  ResetSettings();
  Stowpouch app;
  ASSERT_TRUE(app.Ready());
  EXPECT_TRUE(IsWindowVisible(app.Window()));
  auto t0 = GetTickCount64();
  PostThreadMessageA(app.process().MainThreadId(), WM_QUIT, 0, 0);
  EXPECT_TRUE(app.process().WaitForExit(5000));
  printf("quit took %llu\n", GetTickCount64() - t0);
}
