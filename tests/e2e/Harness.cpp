#include "Harness.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdlib>

#include "common/SharedNames.h"
#include "settings/SettingsRecord.h"

namespace e2e {

namespace {

constexpr char kInformationCaption[] = "Information Dialog";
constexpr char kMessageBoxCaption[] = "Stowpouch";
// WM_NULL with this wParam marks the spot in the queue that Settle waits for.
constexpr WPARAM kSettleMark = 0x53747770;

}  // namespace

std::string WorkFolder() { return "C:\\e2e-work\\"; }

std::string ReadFileBytes(const std::string& path) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return "<missing>";
  std::string bytes;
  char chunk[4096];
  DWORD got = 0;
  while (ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr) && got > 0)
    bytes.append(chunk, got);
  return bytes;
}

bool WriteFileBytes(const std::string& path, const std::string& bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.Get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                           nullptr) &&
         written == bytes.size();
}

// ---- processes ------------------------------------------------------------------

Process::Process(const std::string& exe, const std::string& arguments, const std::string& folder,
                 DWORD creationFlags) {
  const std::string directory = folder.empty() ? BinFolder() : folder;
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // Wine now and then fails a start with ERROR_INTERNAL_ERROR while another
  // process is starting up; a second try goes through.
  DWORD error = ERROR_SUCCESS;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (CreateProcessA(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, creationFlags,
                       nullptr, directory.c_str(), &startup, &info)) {
      error = ERROR_SUCCESS;
      break;
    }
    error = GetLastError();
    if (error != ERROR_INTERNAL_ERROR) break;
    Sleep(200);
  }
  if (error != ERROR_SUCCESS) {
    ADD_FAILURE() << "cannot start " << commandLine << ": error " << error;
    return;
  }
  thread_.Reset(info.hThread);
  process_.Reset(info.hProcess);
  id_ = info.dwProcessId;
  threadId_ = info.dwThreadId;
}

bool Process::Resume() const {
  return thread_.Get() != nullptr && ResumeThread(thread_.Get()) != static_cast<DWORD>(-1);
}

bool Process::Running() const {
  return Started() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT;
}

bool Process::WaitForExit(DWORD ms) const {
  return Started() && WaitForSingleObject(process_.Get(), ms) == WAIT_OBJECT_0;
}

std::optional<DWORD> Process::ExitCode() const {
  DWORD code = 0;
  if (Running() || !Started() || !GetExitCodeProcess(process_.Get(), &code)) return std::nullopt;
  return code;
}

std::optional<DWORD> RunToEnd(const std::string& exe, const std::string& arguments) {
  Process process(exe, arguments);
  if (!process.WaitForExit()) {
    if (process.Started()) TerminateProcess(process.Get(), 1);
    return std::nullopt;
  }
  return process.ExitCode();
}

// ---- settings ----------------------------------------------------------------

void ResetSettings(SettingValues values) {
  const LSTATUS deleted = RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKeyPath);
  ASSERT_TRUE(deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND) << deleted;
  if (values.size() == 0) return;
  HKEY key = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kSettingsKeyPath, 0, nullptr, 0,
                                           KEY_SET_VALUE, nullptr, &key, nullptr));
  for (const auto& [name, value] : values)
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, REG_DWORD,
                                            reinterpret_cast<const BYTE*>(&value), sizeof value));
  RegCloseKey(key);
}

std::optional<DWORD> ReadSetting(const char* name) {
  DWORD value = 0;
  DWORD size = sizeof value;
  if (RegGetValueA(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value,
                   &size) != ERROR_SUCCESS)
    return std::nullopt;
  return value;
}

// ---- windows -----------------------------------------------------------------

std::vector<std::string> ListBoxRows(HWND list) {
  std::vector<std::string> rows;
  const int count = static_cast<int>(Send(list, LB_GETCOUNT).value_or(0));
  for (int row = 0; row < count; ++row) {
    // Wide, since Wine hands LB_GETTEXT to another process in UTF-16
    // whichever form was asked for.
    wchar_t wide[1024] = {};
    DWORD_PTR length = 0;
    SendMessageTimeoutW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(wide),
                        SMTO_ABORTIFHUNG, kDeadlineMs, &length);
    char text[1024] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, static_cast<int>(length), text, sizeof text - 1, nullptr,
                        nullptr);
    rows.emplace_back(text);
  }
  return rows;
}

namespace {

// A block of another process's memory, for messages whose records the
// system does not carry across (the list view's).
class RemoteBlock {
 public:
  RemoteBlock(HWND window, std::size_t size) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                               processId));
    if (process_)
      address_ = VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  }
  ~RemoteBlock() {
    if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
  }
  RemoteBlock(const RemoteBlock&) = delete;
  RemoteBlock& operator=(const RemoteBlock&) = delete;

  char* Address() const { return static_cast<char*>(address_); }
  bool Write(std::size_t offset, const void* bytes, std::size_t size) const {
    return WriteProcessMemory(process_.Get(), Address() + offset, bytes, size, nullptr) != FALSE;
  }
  bool Read(std::size_t offset, void* bytes, std::size_t size) const {
    return ReadProcessMemory(process_.Get(), Address() + offset, bytes, size, nullptr) != FALSE;
  }

 private:
  UniqueKernelHandle process_;
  void* address_ = nullptr;
};

}  // namespace

std::vector<std::vector<std::string>> ListViewRows(HWND view, int columns) {
  constexpr std::size_t kTextOffset = sizeof(LVITEMA);
  constexpr int kTextSize = 1024;
  RemoteBlock block(view, kTextOffset + kTextSize);
  std::vector<std::vector<std::string>> rows;
  if (!block.Address()) return rows;
  const int count = static_cast<int>(Send(view, LVM_GETITEMCOUNT).value_or(0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::string> texts;
    for (int column = 0; column < columns; ++column) {
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = block.Address() + kTextOffset;
      item.cchTextMax = kTextSize;
      char text[kTextSize] = {};
      const bool read = block.Write(0, &item, sizeof item) &&
                        Send(view, LVM_GETITEMTEXTA, static_cast<WPARAM>(row),
                             reinterpret_cast<LPARAM>(block.Address())) &&
                        block.Read(kTextOffset, text, sizeof text - 1);
      texts.emplace_back(read ? text : "");
    }
    rows.push_back(std::move(texts));
  }
  return rows;
}

bool SelectListViewRow(HWND view, int row) {
  LVITEMA state{};
  state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  state.state = LVIS_SELECTED | LVIS_FOCUSED;
  RemoteBlock block(view, sizeof state);
  return block.Address() && block.Write(0, &state, sizeof state) &&
         Send(view, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
              reinterpret_cast<LPARAM>(block.Address()))
             .value_or(FALSE);
}

bool TrayIconThere(HWND owner) {
  // The shell accepts a change of nothing only for an icon it has.
  NOTIFYICONDATAA record{};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = owner;
  record.uID = 128;
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

namespace {

struct WindowQuery {
  DWORD processId;
  const char* className;
  const char* caption;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
  auto& query = *reinterpret_cast<WindowQuery*>(lParam);
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  if (query.processId != 0 && processId != query.processId) return TRUE;
  char text[256];
  if (query.className &&
      (!GetClassNameA(window, text, sizeof text) || lstrcmpA(text, query.className) != 0))
    return TRUE;
  if (query.caption &&
      (GetWindowTextA(window, text, sizeof text), lstrcmpA(text, query.caption) != 0))
    return TRUE;
  query.found.push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId, const char* className, const char* caption) {
  WindowQuery query{processId, className, caption, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

HWND TopLevelWindow(DWORD processId, const char* className, const char* caption) {
  const std::vector<HWND> found = TopLevelWindows(processId, className, caption);
  return found.empty() ? nullptr : found.front();
}

std::vector<HWND> WindowsOfClass(const char* className) {
  return TopLevelWindows(0, className, nullptr);
}

std::string WindowText(HWND window) {
  // GetWindowText leaves out the text of other processes' controls.
  char text[1024] = {};
  const LRESULT length =
      Send(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text)).value_or(0);
  return std::string(text, static_cast<std::size_t>(length > 0 ? length : 0));
}

std::optional<LRESULT> Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kDeadlineMs, &result))
    return std::nullopt;
  return static_cast<LRESULT>(result);
}

bool BringToFront(HWND window) {
  return WaitUntil([window] {
    if (GetForegroundWindow() == window) return true;
    SetForegroundWindow(window);
    return false;
  });
}

bool HeldBySomeone(UINT modifiers, UINT key) {
  if (!RegisterHotKey(nullptr, 1, modifiers, key)) return true;
  UnregisterHotKey(nullptr, 1);
  return false;
}

bool PressChord(std::initializer_list<WORD> keys) { return test_support::SendKeyChord(keys); }

bool PressUntil(std::initializer_list<WORD> chord, const std::function<bool()>& done) {
  return WaitUntil([&] { return PressChord(chord) && WaitUntil(done, 500); });
}

bool MoveCursorTo(int x, int y) {
  // Wine moves the X server's pointer only for a position that differs from
  // the one it has, and later reads the position back from the X server; a
  // step aside first makes sure the pointer itself goes there.
  if (!SetCursorPos(x + 1, y) || !SetCursorPos(x, y)) return false;
  return WaitUntil([&] {
    POINT at{};
    return GetCursorPos(&at) && at.x == x && at.y == y;
  });
}

// ---- the screen ----------------------------------------------------------------

ScreenPicture::ScreenPicture() {
  const ScreenDC screen;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  const UniqueMemoryDC memoryDC(CreateCompatibleDC(screen.Get()));
  if (!memoryDC) return;
  const HDC memory = memoryDC.Get();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  const UniqueGdiObject bitmap(CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) {
    const SelectedObject selected(memory, bitmap.Get());
    if (BitBlt(memory, 0, 0, width, height, screen.Get(), 0, 0, SRCCOPY)) {
      GdiFlush();
      const auto* first = static_cast<const RGBQUAD*>(bits);
      pixels_.assign(first, first + std::size_t(width) * height);
      width_ = width;
      height_ = height;
    }
  }
}

COLORREF ScreenPicture::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return RGB(0, 0, 0);
  const RGBQUAD& pixel = pixels_[std::size_t(y) * width_ + x];
  return RGB(pixel.rgbRed, pixel.rgbGreen, pixel.rgbBlue);
}

bool ScreenPicture::Save(const std::string& path, const RECT* part) const {
  RECT whole{0, 0, width_, height_};
  RECT cut = whole;
  if (part && !IntersectRect(&cut, part, &whole)) return false;
  const int width = cut.right - cut.left, height = cut.bottom - cut.top;
  const int rowBytes = (width * 3 + 3) & ~3;
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;  // rows bottom up
  header.biPlanes = 1;
  header.biBitCount = 24;
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + DWORD(rowBytes) * height;
  std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
  bytes.append(reinterpret_cast<const char*>(&header), sizeof header);
  for (int y = cut.bottom - 1; y >= cut.top; --y) {
    std::string row(std::size_t(rowBytes), '\0');
    for (int x = 0; x < width; ++x) {
      const RGBQUAD& pixel = pixels_[std::size_t(y) * width_ + cut.left + x];
      row[std::size_t(x) * 3] = char(pixel.rgbBlue);
      row[std::size_t(x) * 3 + 1] = char(pixel.rgbGreen);
      row[std::size_t(x) * 3 + 2] = char(pixel.rgbRed);
    }
    bytes += row;
  }
  return Taken() && WriteFileBytes(path, bytes);
}

bool SavePictureOf(HWND window, const std::string& name) {
  const char* folder = std::getenv("STOWPOUCH_PICTURES");
  if (!folder) return true;
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT place{};
  GetWindowRect(window, &place);
  return ScreenPicture().Save(std::string(folder) + "\\" + name + ".bmp", &place);
}

// ---- the message spy ------------------------------------------------------------

MessageSpy::MessageSpy(DWORD threadId, std::initializer_list<UINT> watched) {
  mapping_.Reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                    sizeof(spy::Block), spy::BlockName(threadId).c_str()));
  if (!mapping_.Get()) {
    ADD_FAILURE() << "no shared block for the spy: error " << GetLastError();
    return;
  }
  block_ = static_cast<spy::Block*>(MapViewOfFile(mapping_.Get(), FILE_MAP_WRITE, 0, 0, 0));
  if (!block_) {
    ADD_FAILURE() << "cannot map the spy's block: error " << GetLastError();
    return;
  }
  for (UINT message : watched)
    if (block_->watchedCount < spy::kMaxWatched) block_->watched[block_->watchedCount++] = message;
  HMODULE module = nullptr;
  GetModuleHandleExA(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCSTR>(&MessageSpyHook), &module);
  hook_ = SetWindowsHookExA(WH_GETMESSAGE, MessageSpyHook, module, threadId);
  returnHook_ = SetWindowsHookExA(WH_CALLWNDPROCRET, MessageSpyReturnHook, module, threadId);
  if (!hook_ || !returnHook_)
    ADD_FAILURE() << "cannot hook thread " << threadId << ": error " << GetLastError();
}

void MessageSpy::StopWatchingReturns() {
  if (returnHook_) UnhookWindowsHookEx(returnHook_);
  returnHook_ = nullptr;
}

MessageSpy::~MessageSpy() {
  StopWatchingReturns();
  if (hook_) UnhookWindowsHookEx(hook_);
  if (block_) UnmapViewOfFile(block_);
}

std::vector<spy::Record> MessageSpy::Seen() const {
  if (!block_) return {};
  const LONG count = block_->count;
  MemoryBarrier();
  const auto used = static_cast<std::size_t>(count < 0 ? 0 : count);
  return std::vector<spy::Record>(
      block_->records, block_->records + (used < spy::kCapacity ? used : spy::kCapacity));
}

bool MessageSpy::WaitFor(const std::function<bool(const spy::Record&)>& match, DWORD ms) const {
  return WaitUntil(
      [&] {
        for (const spy::Record& record : Seen())
          if (match(record)) return true;
        return false;
      },
      ms);
}

std::optional<std::vector<spy::MenuItem>> MessageSpy::SystemMenu(HWND window) {
  return ReadMenu(window, spy::kReadSystemMenu);
}

std::optional<std::vector<spy::MenuItem>> MessageSpy::ShownMenu(HWND menuWindow) {
  return ReadMenu(menuWindow, spy::kReadShownMenu);
}

std::optional<std::vector<spy::MenuItem>> MessageSpy::ReadMenu(HWND window, WPARAM kind) {
  if (!block_) return std::nullopt;
  const LPARAM request = ++menuRequests_;
  if (!PostMessageA(window, WM_NULL, kind, request)) return std::nullopt;
  if (!WaitUntil([&] { return block_->menuRequest == request; })) return std::nullopt;
  MemoryBarrier();
  const uint32_t count =
      block_->menuCount < spy::kMaxMenuItems ? block_->menuCount : spy::kMaxMenuItems;
  return std::vector<spy::MenuItem>(block_->menu, block_->menu + count);
}

// ---- Stowpouch ------------------------------------------------------------------

UINT StowpouchMessage() {
  static const UINT message = RegisterWindowMessageA(STOWPOUCH_MESSAGE_NAME);
  return message;
}

UINT SystemHotKeyMessage() {
  static const UINT message = RegisterWindowMessageA(SYSTEM_HOTKEY_MESSAGE_NAME);
  return message;
}

Stowpouch::Stowpouch(const std::string& arguments)
    : process_(BinFolder() + "Stowpouch.exe", arguments, WorkFolder(), CREATE_SUSPENDED) {
  if (!process_.Started()) return;
  // Hooked before it runs, the spy sees the main window's initialisation
  // return, which nothing outside the program shows otherwise.
  spy_.emplace(process_.MainThreadId(),
               std::initializer_list<UINT>{WM_NULL, WM_INITDIALOG, StowpouchMessage(),
                                           SystemHotKeyMessage(), WM_HOTKEY});
  if (!process_.Resume()) ADD_FAILURE() << "cannot resume Stowpouch.exe: error " << GetLastError();
}

Stowpouch::~Stowpouch() {
  spy_.reset();
  if (!process_.Running()) return;
  // A dialog loop ends on WM_QUIT; the confirmation's loop passes it on to
  // the main window's.
  for (int attempt = 0; attempt < 2 && process_.Running(); ++attempt) {
    PostThreadMessageA(process_.MainThreadId(), WM_QUIT, 0, 0);
    if (process_.WaitForExit(3000)) return;
  }
  TerminateProcess(process_.Get(), 1);
  process_.WaitForExit();
}

bool Stowpouch::Ready() {
  if (!process_.Started() || !spy_ || !spy_->Hooked()) return false;
  const bool found = WaitUntil([this] {
    window_ = TopLevelWindow(process_.Id(), STOWPOUCH_WINDOW_CLASS, nullptr);
    return window_ != nullptr || !process_.Running();
  });
  if (!found || !window_) {
    ADD_FAILURE() << "Stowpouch.exe showed no main window"
                  << (process_.Running() ? "" : " and ended");
    return false;
  }
  // The initialisation drains the queue, so a mark taken from it proves
  // nothing about its end; its return does. A mark posted after that comes
  // behind everything it posted.
  const bool initialised = spy_->WaitFor([this](const spy::Record& record) {
    return record.returned && record.message == WM_INITDIALOG &&
           record.hwnd == reinterpret_cast<uintptr_t>(window_);
  });
  // Every sent message of the program would pass the return hook.
  spy_->StopWatchingReturns();
  if (!initialised) {
    const HWND box = ShownMessageBox();
    ADD_FAILURE() << "the main window's initialisation did not return"
                  << (box ? ": a message box says " + MessageBoxText(box) : std::string());
    return false;
  }
  if (!Settle()) return false;
  if (const HWND box = ShownMessageBox()) {
    ADD_FAILURE() << "Stowpouch.exe shows a message box: " << MessageBoxText(box);
    return false;
  }
  return true;
}

bool Stowpouch::Settle() {
  const LPARAM mark = ++markers_;
  if (!PostMessageA(window_, WM_NULL, kSettleMark, mark)) {
    ADD_FAILURE() << "cannot post to the main window: error " << GetLastError();
    return false;
  }
  const bool seen = spy_->WaitFor([this, mark](const spy::Record& record) {
    return record.message == WM_NULL && record.hwnd == reinterpret_cast<uintptr_t>(window_) &&
           record.wParam == kSettleMark && record.lParam == mark;
  });
  if (!seen) ADD_FAILURE() << "Stowpouch.exe did not take mark " << mark << " from its queue";
  return seen;
}

HWND Stowpouch::ShownMessageBox() const {
  return TopLevelWindow(process_.Id(), "#32770", kMessageBoxCaption);
}

namespace {
constexpr char kPopupMenuClass[] = "#32768";
}  // namespace

HWND Stowpouch::PopupMenu() const {
  HWND menu = nullptr;
  for (HWND window : TopLevelWindows(process_.Id(), kPopupMenuClass, nullptr))
    if (IsWindowVisible(window)) menu = window;
  return menu;
}

HWND Stowpouch::WaitForPopupMenu() const {
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = PopupMenu()) != nullptr; });
  return menu;
}

bool Stowpouch::CloseMenus() const {
  const auto anyShown = [this] {
    for (HWND window : TopLevelWindows(process_.Id(), kPopupMenuClass, nullptr))
      if (IsWindowVisible(window)) return true;
    return false;
  };
  // A hidden popup is not yet the end of the menu: until its loop lets go of
  // the mouse, a click meant for the next surface goes to the old menu.
  const auto inMenuMode = [this] {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    return GetGUIThreadInfo(process_.MainThreadId(), &info) &&
           (info.flags & GUI_INMENUMODE) != 0;
  };
  return PressUntil({VK_ESCAPE}, [&] { return !anyShown(); }) &&
         WaitUntil([&] { return !inMenuMode(); });
}

HWND Stowpouch::WaitForMessageBox() const {
  HWND box = nullptr;
  WaitUntil([&] { return (box = ShownMessageBox()) != nullptr && IsWindowVisible(box); });
  return box;
}

std::string Stowpouch::MessageBoxText(HWND box) {
  // The longest static text; the icon, when there is one, has none.
  std::string text;
  for (HWND child = FindWindowExA(box, nullptr, "Static", nullptr); child;
       child = FindWindowExA(box, child, "Static", nullptr)) {
    const std::string one = WindowText(child);
    if (one.size() > text.size()) text = one;
  }
  return text;
}

HWND Stowpouch::InformationDialog() const {
  return TopLevelWindow(process_.Id(), nullptr, kInformationCaption);
}

HWND Stowpouch::WaitForInformationDialog() const {
  HWND dialog = nullptr;
  WaitUntil([&] { return (dialog = InformationDialog()) != nullptr && IsWindowVisible(dialog); });
  return dialog;
}

HWND Stowpouch::WaitForDialog(const char* caption) const {
  HWND dialog = nullptr;
  WaitUntil([&] {
    dialog = TopLevelWindow(process_.Id(), "#32770", caption);
    return dialog && IsWindowVisible(dialog);
  });
  return dialog;
}

void StowpouchTest::SetUp() {
  ASSERT_TRUE(WaitUntil([] { return WindowsOfClass(STOWPOUCH_WINDOW_CLASS).empty(); }))
      << "a Stowpouch main window that these tests did not open is still there";
  ResetSettings();
  // Every start begins without a shortcut list, which installs the default
  // set; a test that wants a list writes one.
  CreateDirectoryA(WorkFolder().c_str(), nullptr);
  for (const char* name : {"HotKey.lst", "HotKey.lst.tmp", "HotKey.lst.bad"}) DeleteFileA((WorkFolder() + name).c_str());
}

void StowpouchTest::TearDown() { ResetSettings(); }

}  // namespace e2e
