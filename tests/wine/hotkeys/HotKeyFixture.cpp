#include "HotKeyFixture.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

#include "framework/AppWindow.h"
#include "framework/StartFolder.h"
#include "hotkeys/HotKeyList.h"
#include "hotkeys/HotKeyRegistration.h"

namespace hotkeys_test {

namespace {

constexpr DWORD kPollMs = 10;

struct BoxQuery {
  DWORD processId;
  std::vector<HWND> boxes;
};

BOOL CALLBACK CollectBox(HWND window, LPARAM lParam) {
  auto& query = *reinterpret_cast<BoxQuery*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  char className[64] = {};
  GetClassNameA(window, className, sizeof className);
  if (processId == query.processId && lstrcmpA(className, "#32770") == 0 &&
      IsWindowVisible(window))
    query.boxes.push_back(window);
  return TRUE;
}

BOOL CALLBACK ReadBoxChild(HWND child, LPARAM lParam) {
  auto& box = *reinterpret_cast<SeenMessageBox*>(lParam);
  char className[64] = {};
  GetClassNameA(child, className, sizeof className);
  if (lstrcmpiA(className, "Static") != 0 || !IsWindowVisible(child)) return TRUE;
  const LONG style = GetWindowLongA(child, GWL_STYLE);
  if ((style & SS_TYPEMASK) == SS_ICON) {
    box.stopIcon = SendMessageA(child, STM_GETICON, 0, 0) != 0;
    return TRUE;
  }
  char text[1024] = {};
  GetWindowTextA(child, text, sizeof text);
  if (lstrlenA(text) > static_cast<int>(box.text.size())) box.text = text;
  return TRUE;
}

}  // namespace

MessageBoxWatcher::MessageBoxWatcher() : thread_([this] { Watch(); }) {}

MessageBoxWatcher::~MessageBoxWatcher() {
  stop_ = true;
  thread_.join();
}

void MessageBoxWatcher::Watch() {
  while (!stop_) {
    BoxQuery query{GetCurrentProcessId(), {}};
    EnumWindows(CollectBox, reinterpret_cast<LPARAM>(&query));
    for (HWND window : query.boxes) {
      {
        std::lock_guard<std::mutex> lock(mutex_);
        if (std::find(answered_.begin(), answered_.end(), window) != answered_.end()) continue;
      }
      SeenMessageBox box;
      char caption[256] = {};
      GetWindowTextA(window, caption, sizeof caption);
      box.caption = caption;
      box.owner = GetWindow(window, GW_OWNER);
      EnumChildWindows(window, ReadBoxChild, reinterpret_cast<LPARAM>(&box));
      {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(box);
        answered_.push_back(window);
      }
      PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                   reinterpret_cast<LPARAM>(GetDlgItem(window, IDOK)));
    }
    Sleep(kPollMs);
  }
}

std::vector<SeenMessageBox> MessageBoxWatcher::Seen() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return seen_;
}

std::vector<std::string> MessageBoxWatcher::Texts() const {
  std::vector<std::string> texts;
  for (const SeenMessageBox& box : Seen()) texts.push_back(box.text);
  return texts;
}

void MessageBoxWatcher::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  seen_.clear();
}

std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return "<missing>";
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  ASSERT_TRUE(out.good()) << file;
}

bool CombinationFree(UINT modifiers, UINT virtualKey) {
  const HWND probe = CreateWindowExA(0, "STATIC", "probe", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                     nullptr, nullptr);
  const bool free = RegisterHotKey(probe, 1, modifiers, virtualKey) != FALSE;
  if (free) UnregisterHotKey(probe, 1);
  DestroyWindow(probe);
  return free;
}

void HotKeyTest::SetUp() {
  window_ = CreateWindowExA(0, "STATIC", "Shortcut test main window", WS_OVERLAPPEDWINDOW, 0, 0,
                            200, 100, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(window_, nullptr);
  SetMainWindow(window_);
  previousDirectory_ = std::filesystem::current_path();
  const testing::TestInfo* info = testing::UnitTest::GetInstance()->current_test_info();
  scratch_ = std::filesystem::temp_directory_path() /
             ("stowpouch-hotkeys-" + std::to_string(GetCurrentProcessId()) + "-" + info->name());
  std::filesystem::remove_all(scratch_);
  std::filesystem::create_directories(scratch_);
  std::filesystem::current_path(scratch_);
  FixStartFolder();
}

void HotKeyTest::TearDown() {
  for (const CHotKeyItem& item : HotKeyList()) UnregisterHotKeyItem(item.m_nHotKeyId);
  HotKeyList().clear();
  std::filesystem::current_path(previousDirectory_);
  std::error_code ignored;
  std::filesystem::remove_all(scratch_, ignored);
  SetMainWindow(nullptr);
  DestroyWindow(window_);
}

std::vector<WPARAM> HotKeyTest::TakeHotKeyMessages() {
  std::vector<WPARAM> ids;
  MSG message;
  while (PeekMessageA(&message, window_, WM_HOTKEY, WM_HOTKEY, PM_REMOVE))
    ids.push_back(message.wParam);
  return ids;
}

}  // namespace hotkeys_test
