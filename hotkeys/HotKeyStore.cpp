#include "hotkeys/HotKeyStore.h"

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "framework/AppWindow.h"
#include "framework/Handles.h"
#include "framework/StartFolder.h"
#include "hotkeys/HotKeyFilePlace.h"
#include "hotkeys/HotKeyList.h"

namespace {

constexpr char kTemporarySuffix[] = ".tmp";
constexpr char kDamagedSuffix[] = ".bad";
// Made and deleted at once to learn whether the start folder takes files.
constexpr char kTrialFileName[] = "HotKey.lst.trial";
// A list of a thousand shortcuts takes about 100 KB; a file far beyond that
// is not a shortcut list, and reading it whole would only cost memory.
constexpr LONGLONG kLargestFile = 64 * 1024 * 1024;
constexpr DWORD kChunk = 1 << 20;

// Where this run reads and writes the list.
struct HotKeyFilePaths {
  std::string list;
  // The start folder's list, read when a per-user list does not exist yet.
  std::string beside;
  // The application data folder under which a per-user list lives; empty
  // for a list in the start folder.
  std::string appData;
};

// The list that must not be replaced in this run (it exists but could not
// be opened or set aside); empty when any may be.
std::string& ListNotToReplace() {
  static std::string path;
  return path;
}

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

void ReportFileError(const char* action, const std::string& description,
                     const std::string& consequence = "") {
  std::string text = std::string("Cannot ") + action + " " + kHotKeyFileName + ": " + description;
  if (!consequence.empty()) text += " " + consequence;
  AppMessageBox(text, MB_OK);
}

std::string FolderOf(const std::string& path) {
  const std::size_t separator = path.find_last_of('\\');
  if (separator == std::string::npos) return {};
  // A drive root keeps its separator.
  return path.substr(0, separator == 2 && path[1] == ':' ? 3 : separator);
}

std::string ProgramFolder() {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) return FolderOf(path.substr(0, length));
    path.resize(path.size() * 2);
  }
}

std::string EnvironmentVariable(const char* name) {
  const DWORD needed = GetEnvironmentVariableA(name, nullptr, 0);
  if (needed == 0) return {};
  std::string value(needed, '\0');
  const DWORD length = GetEnvironmentVariableA(name, &value[0], needed);
  if (length == 0 || length >= needed) return {};
  value.resize(length);
  return value;
}

std::string SpecialFolder(int csidl) {
  char path[MAX_PATH] = "";
  return SUCCEEDED(SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path)) ? path : "";
}

std::vector<std::string> ProgramFilesFolders() {
  // A 32-bit build on a 64-bit system sees the x86 folder as its own; the
  // other one it finds through the environment only.
  std::vector<std::string> folders;
  for (std::string folder : {SpecialFolder(CSIDL_PROGRAM_FILES),
                             SpecialFolder(CSIDL_PROGRAM_FILESX86),
                             EnvironmentVariable("ProgramW6432")})
    if (!folder.empty()) folders.push_back(folder);
  return folders;
}

std::string AppDataFolder() {
  const std::string fromEnvironment = EnvironmentVariable("APPDATA");
  return fromEnvironment.empty() ? SpecialFolder(CSIDL_APPDATA) : fromEnvironment;
}

bool FolderTakesFiles(const std::string& trialPath) {
  // Deleted on close, also when the process ends before it is closed.
  const UniqueFile trial(CreateFileA(trialPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                     FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr));
  return static_cast<bool>(trial);
}

HotKeyFilePaths LocateHotKeyFile() {
  const std::string beside = StartFolderPath(kHotKeyFileName);
  HotKeyFileFacts facts;
  facts.startFolder = FolderOf(beside);
  facts.programFolder = ProgramFolder();
  facts.programFilesFolders = ProgramFilesFolders();
  facts.startFolderTakesFiles = FolderTakesFiles(StartFolderPath(kTrialFileName));
  const std::string appData = KeepsHotKeyFilePerUser(facts) ? AppDataFolder() : "";
  // Without an application data folder the start folder is all there is.
  if (appData.empty()) return {beside, "", ""};
  return {appData + '\\' + kPerUserHotKeyFolder + '\\' + kHotKeyFileName, beside, appData};
}

void MakePerUserFolder(const std::string& appData) {
  const std::string folder = appData + '\\' + kPerUserHotKeyFolder;
  // Each level in turn; one that is there already is as good.
  for (std::size_t end = folder.find('\\', appData.size() + 1); end != std::string::npos;
       end = folder.find('\\', end + 1))
    CreateDirectoryA(folder.substr(0, end).c_str(), nullptr);
  CreateDirectoryA(folder.c_str(), nullptr);
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

UniqueFile OpenForReading(const std::string& path) {
  return UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
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

constexpr char kLeftAlone[] =
    "It was left as it is, and nothing will be saved over it until Stowpouch starts again; "
    "the default shortcut keys are used.";

// A list that cannot be opened is the user's all the same: it may only be
// locked for a moment.
void LeaveUnopenedList(const std::string& path, DWORD error) {
  ListNotToReplace() = path;
  ReportFileError("open", SystemErrorText(error), kLeftAlone);
}

// A damaged list is moved aside as "HotKey.lst.bad", so that the default
// set saved later does not destroy what may still be recovered from it.
void SetDamagedListAside(const std::string& path, const std::string& listPath,
                         const std::string& reason) {
  const std::string aside = path + kDamagedSuffix;
  if (MoveFileExA(path.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ReportFileError("read", reason,
                    "It was kept as " + aside + ", and the default shortcut keys are used.");
    return;
  }
  // Where it cannot be moved, it is not replaced either.
  if (path == listPath) ListNotToReplace() = path;
  ReportFileError("read", reason, kLeftAlone);
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

// Puts `bytes` in place of the list file at `path`; ERROR_SUCCESS or the
// error that stopped it, with the list file untouched.
DWORD ReplaceHotKeyFile(const std::string& path, const std::string& bytes) {
  const std::string temporary = path + kTemporarySuffix;
  DWORD error = WriteTemporaryFile(temporary, bytes);
  if (error == ERROR_SUCCESS &&
      !MoveFileExA(temporary.c_str(), path.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    error = LastErrorOr(ERROR_WRITE_FAULT);
  if (error != ERROR_SUCCESS) DeleteFileA(temporary.c_str());
  return error;
}

}  // namespace

bool ReadHotKeyFile(const HotKeyHandOff& handOff) {
  const HotKeyFilePaths paths = LocateHotKeyFile();
  ListNotToReplace().clear();
  std::string source = paths.list;
  UniqueFile file = OpenForReading(source);
  DWORD error = file ? ERROR_SUCCESS : GetLastError();
  // The first start of an installed copy begins with the list beside it.
  if (IsMissing(error) && !paths.beside.empty()) {
    source = paths.beside;
    file = OpenForReading(source);
    error = file ? ERROR_SUCCESS : GetLastError();
  }
  if (!file) {
    if (!IsMissing(error)) LeaveUnopenedList(paths.list, error);
    return false;
  }
  std::string bytes;
  std::string problem;
  const bool read = ReadWholeFile(file.Get(), bytes, problem);
  file.Reset();
  if (read) {
    const auto result = DecodeHotKeyList(reinterpret_cast<const unsigned char*>(bytes.data()),
                                         bytes.size(), AnsiFromUtf16, handOff);
    if (result == HotKeyDecodeResult::kComplete) return true;
    problem = "unexpected end of file.";
  }
  SetDamagedListAside(source, paths.list, problem);
  return false;
}

bool SaveHotKeyList(SaveFailureNotice notice) {
  const HotKeyFilePaths paths = LocateHotKeyFile();
  // Start-up has told the user why this list stays as it is.
  if (paths.list == ListNotToReplace()) return false;
  if (!paths.appData.empty()) MakePerUserFolder(paths.appData);
  const DWORD error = ReplaceHotKeyFile(paths.list, EncodeHotKeyList(HotKeyListToSave()));
  if (error == ERROR_SUCCESS) return true;
  if (notice == SaveFailureNotice::kMessageBox) ReportFileError("write", SystemErrorText(error));
  return false;
}
