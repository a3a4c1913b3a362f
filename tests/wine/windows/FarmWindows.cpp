#include "FarmWindows.h"

#include <algorithm>
#include <thread>

#include "windows/ClassNames.h"

namespace windows_test {

WindowRect RectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

std::vector<std::string> Titles(const WindowList& windows) {
  std::vector<std::string> titles;
  for (HWND window : windows) {
    char title[128] = "";
    GetWindowTextA(window, title, sizeof title);
    titles.push_back(title);
  }
  return titles;
}

farm::WindowSpec WithDocumentView(farm::WindowSpec spec, int depth) {
  spec.plainChildren = 2;
  spec.documentViewDepth = depth;
  return spec;
}

void RunWhileDriving(const char* caption, const std::function<void()>& run,
                     const std::function<void(HWND dialog)>& drive) {
  std::thread driver([&] {
    HWND dialog = nullptr;
    if (WaitUntil([&] {
          dialog = FindWindowA("#32770", caption);
          return dialog != nullptr && IsWindowVisible(dialog);
        }))
      drive(dialog);
    if (!WaitUntil([&] { return !IsWindow(dialog); })) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  run();
  driver.join();
}

void FarmTest::SetUp() {
  ASSERT_TRUE(farm_.Running());
  LoadBuiltInClassNames();
  Settings() = SettingsRecord();
}

void FarmTest::TearDown() { Settings() = SettingsRecord(); }

HWND FarmTest::Make(const farm::WindowSpec& spec) {
  const HWND window = farm_.Create(spec);
  EXPECT_NE(window, nullptr) << spec.className << " \"" << spec.title << "\"";
  return window;
}

void FarmTest::Switch(int folder, int explorer, int iexplorer,
                      std::vector<std::string> userClasses) {
  SettingsRecord& settings = Settings();
  settings.Folder = folder;
  settings.Explorer = explorer;
  settings.IExplorer = iexplorer;
  settings.UserClassName = std::move(userClasses);
}

namespace {
BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<WindowList*>(list)->push_back(window);
  return TRUE;
}
}  // namespace

WindowList FarmTest::InEnumerationOrder(std::initializer_list<HWND> windows) {
  WindowList all;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  WindowList ordered;
  for (HWND window : all)
    if (std::find(windows.begin(), windows.end(), window) != windows.end())
      ordered.push_back(window);
  return ordered;
}

WindowList FarmTest::FarmEnumerationOrder() const {
  WindowList all;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&all));
  return Own(all);
}

PouchLists FarmTest::FarmPouchLists(int includeMinimized) {
  PouchLists lists;
  BuildPouchLists(lists, includeMinimized);
  for (WindowList& list : lists) list = Own(list);
  return lists;
}

WindowList FarmTest::FarmOtherWindows(int includeMinimized) {
  WindowList others;
  BuildOtherWindowList(others, includeMinimized);
  return Own(others);
}

}  // namespace windows_test
