#include "tests/support/shell/ServerRegistration.h"

#include "framework/Handles.h"
#include "tests/support/helper/HelperClient.h"

namespace standin {

namespace {

constexpr DWORD kRegsvr32TimeoutMs = 30000;

}  // namespace

std::optional<DWORD> RunRegsvr32(const std::string& library, bool unregister) {
  const std::string folder = helper::OwnFolder();
  const std::string commandLine =
      std::string("regsvr32.exe /s ") + (unregister ? "/u " : "") + "\"" + folder + library + "\"";
  PROCESS_INFORMATION info{};
  if (!helper::StartProcess("", commandLine, folder, &info)) return std::nullopt;
  const UniqueKernelHandle thread(info.hThread);
  const UniqueKernelHandle process(info.hProcess);
  DWORD code = 0;
  if (WaitForSingleObject(process.Get(), kRegsvr32TimeoutMs) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.Get(), &code)) {
    TerminateProcess(process.Get(), 1);
    return std::nullopt;
  }
  return code;
}

ServerRegistration::ServerRegistration(const std::string& library) : library_(library) {
  registered_ = RunRegsvr32(library_, false) == DWORD{0};
}

ServerRegistration::~ServerRegistration() { RunRegsvr32(library_, true); }

}  // namespace standin
