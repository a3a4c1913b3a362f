#include "about/OpenLink.h"

#include <shellapi.h>

#include <string>

#include "common/HandlerCommandLine.h"
#include "framework/Registry.h"

namespace {

// Registry texts here are bounded as the shell bounds a path.
constexpr std::size_t kRegistryTextCapacity = MAX_PATH + 1;

// The default value of a key under HKEY_CLASSES_ROOT.
bool ReadClassText(const std::string& path, std::string& text) {
  const RegistryKey key(HKEY_CLASSES_ROOT, path.c_str(), KEY_QUERY_VALUE);
  return key.IsOpen() && key.QueryText(nullptr, kRegistryTextCapacity, text) && !text.empty();
}

// The command line of the program that opens web pages.
bool WebPageCommandLine(std::string& commandLine) {
  std::string pageClass;
  return ReadClassText(".htm", pageClass) &&
         ReadClassText(pageClass + "\\shell\\open\\command", commandLine);
}

}  // namespace

INT_PTR OpenLink(const char* target, int showCommand) {
  const INT_PTR shellResult = reinterpret_cast<INT_PTR>(
      ShellExecuteA(nullptr, "open", target, nullptr, nullptr, showCommand));
  if (shellResult > HINSTANCE_ERROR) return shellResult;
  std::string commandLine;
  if (!WebPageCommandLine(commandLine)) return shellResult;
  const std::string started = CommandLineForTarget(commandLine, target);
  return static_cast<INT_PTR>(WinExec(started.c_str(), static_cast<UINT>(showCommand)));
}
