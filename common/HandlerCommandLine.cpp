#include "common/HandlerCommandLine.h"

namespace {

constexpr char kPlaceholder[] = "%1";
constexpr char kQuotedPlaceholder[] = "\"%1\"";

}  // namespace

std::string CutAtPlaceholder(const std::string& commandLine) {
  std::string::size_type cut = commandLine.find(kQuotedPlaceholder);
  if (cut == std::string::npos) cut = commandLine.find(kPlaceholder);
  return commandLine.substr(0, cut);
}

std::string CommandLineForTarget(const std::string& commandLine, const std::string& target) {
  const bool quote = target.find(' ') != std::string::npos;
  return CutAtPlaceholder(commandLine) + ' ' + (quote ? '"' + target + '"' : target);
}
