#include "hotkeys/HotKeyStore.h"

#include <windows.h>

#include <string>

#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "framework/StartFolder.h"
#include "hotkeys/HotKeyList.h"

namespace {

constexpr char kTemporaryFileName[] = "HotKey.lst.tmp";
// A list of a thousand shortcuts takes about 100 KB; a file far beyond that
// is not a shortcut list, and reading it whole would only cost memory.
constexpr LONGLONG kLargestFile = 64 * 1024 * 1024;
constexpr DWORD kChunk = 1 << 20;

DWORD NextChunk(std::size_t remaining) {
  return static_cast<DWORD>(remaining < kChunk ? remaining : kChunk);
}

std::string SystemErrorText(DWORD error) {
  char* buffer = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
  std::string text = length ? std::string(buffer, length) : "error " + std::to_string(error);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
    text.pop_back();
  return text;
}

void ReportFileError(const char* action, const std::string& description) {
  AppMessageBox(std::string("Cannot ") + action + " " + kHotKeyFileName + ": " + description,
                MB_OK);
}

// The whole file into `bytes`; false with a description in `error` when
// it cannot be read.
bool ReadWholeFile(HANDLE file, std::string& bytes, std::string& error) {
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file, &size)) {
    error = SystemErrorText(GetLastError());
    return false;
  }
  if (size.QuadPart > kLargestFile) {
    error = "the file is too large to be a shortcut list.";
    return false;
  }
  bytes.resize(static_cast<std::size_t>(size.QuadPart));
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD wanted = NextChunk(bytes.size() - done);
    DWORD got = 0;
    if (!ReadFile(file, &bytes[done], wanted, &got, nullptr)) {
      error = SystemErrorText(GetLastError());
      return false;
    }
    if (got == 0) break;  // the file shrank meanwhile; decode what is there
    done += got;
  }
  bytes.resize(done);
  return true;
}

std::string AnsiFromUtf16(const std::u16string& text) {
  if (text.empty()) return {};
  const std::wstring wide(text.begin(), text.end());
  const int units = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string ansi(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), units, &ansi[0], length, nullptr, nullptr);
  return ansi;
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD wanted = NextChunk(bytes.size() - done);
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, wanted, &written, nullptr) || written == 0)
      return false;
    done += written;
  }
  return true;
}

DWORD LastErrorOr(DWORD fallback) {
  const DWORD error = GetLastError();
  return error != ERROR_SUCCESS ? error : fallback;
}

DWORD WriteTemporaryFile(const std::string& path, const std::string& bytes) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastErrorOr(ERROR_CANNOT_MAKE);
  if (!WriteAll(file.Get(), bytes) || !FlushFileBuffers(file.Get()))
    return LastErrorOr(ERROR_WRITE_FAULT);
  // Closing can be where a write fails (a full network share, say).
  if (!CloseHandle(file.Release())) return LastErrorOr(ERROR_WRITE_FAULT);
  return ERROR_SUCCESS;
}

// Puts `bytes` in place of the list file; ERROR_SUCCESS or the error that
// stopped it, with the list file untouched.
DWORD ReplaceHotKeyFile(const std::string& bytes) {
  const std::string temporary = StartFolderPath(kTemporaryFileName);
  DWORD error = WriteTemporaryFile(temporary, bytes);
  if (error == ERROR_SUCCESS &&
      !MoveFileExA(temporary.c_str(), StartFolderPath(kHotKeyFileName).c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = LastErrorOr(ERROR_WRITE_FAULT);
  if (error != ERROR_SUCCESS) DeleteFileA(temporary.c_str());
  return error;
}

}  // namespace

bool ReadHotKeyFile(const HotKeyHandOff& handOff) {
  UniqueFile file(CreateFileA(StartFolderPath(kHotKeyFileName).c_str(), GENERIC_READ,
                              FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                              nullptr));
  if (!file) return false;
  std::string bytes;
  std::string error;
  const bool read = ReadWholeFile(file.Get(), bytes, error);
  file.Reset();
  if (!read) {
    ReportFileError("read", error);
    return false;
  }
  const auto result = DecodeHotKeyList(reinterpret_cast<const unsigned char*>(bytes.data()),
                                       bytes.size(), AnsiFromUtf16, handOff);
  if (result == HotKeyDecodeResult::kEndsEarly) {
    ReportFileError("read", "unexpected end of file.");
    return false;
  }
  return true;
}

bool SaveHotKeyList(SaveFailureNotice notice) {
  const DWORD error = ReplaceHotKeyFile(EncodeHotKeyList(HotKeyList()));
  if (error == ERROR_SUCCESS) return true;
  if (notice == SaveFailureNotice::kMessageBox) ReportFileError("write", SystemErrorText(error));
  return false;
}
