#pragma once
// COM registration of an in-process server of this program's folder with
// the platform's own regsvr32, as an installer registers Graftling.
#include <windows.h>

#include <optional>
#include <string>

namespace standin {

// Runs "regsvr32 /s" (with /u to unregister) on `library` of this
// program's folder; its exit code, nullopt when it did not run to its end.
std::optional<DWORD> RunRegsvr32(const std::string& library, bool unregister);

// Registers `library` for as long as it lives.
class ServerRegistration {
 public:
  explicit ServerRegistration(const std::string& library = "Graftling.dll");
  ~ServerRegistration();
  ServerRegistration(const ServerRegistration&) = delete;
  ServerRegistration& operator=(const ServerRegistration&) = delete;

  bool Registered() const { return registered_; }

 private:
  std::string library_;
  bool registered_ = false;
};

}  // namespace standin
