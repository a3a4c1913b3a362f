#pragma once
// A registry key that closes itself, with reads that never run past the
// data the platform returned.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "framework/Handles.h"

class RegistryKey {
 public:
  // Opens an existing key; IsOpen tells whether that worked.
  RegistryKey(HKEY parent, const char* path, REGSAM access);
  // Opens the key, creating it when missing.
  static RegistryKey Create(HKEY parent, const char* path);
  // Opens the key, creating it as a volatile key (gone at log-off) when
  // missing. Its parent must exist: the platform would make every missing
  // key on the way volatile too, and a volatile key takes no lasting subkey.
  static RegistryKey CreateVolatile(HKEY parent, const char* path);

  bool IsOpen() const { return static_cast<bool>(key_); }
  HKEY Get() const { return key_.Get(); }

  // A number read into a 4-byte buffer; the stored type is not examined, but
  // the value must be exactly 4 bytes long.
  bool QueryNumber(const char* name, int32_t& value) const;
  // A text of at most capacity - 1 characters. The platform does not promise
  // a terminating NUL; the text ends at the first NUL or at the data's end,
  // and data that fills the whole capacity without a NUL does not fit.
  bool QueryText(const char* name, std::size_t capacity, std::string& text) const;

  // Binary data of at most `capacity` bytes.
  bool QueryBytes(const char* name, std::size_t capacity, std::string& bytes) const;

  bool SetNumber(const char* name, int32_t value) const;
  bool SetText(const char* name, const std::string& text) const;
  bool SetBytes(const char* name, const std::string& bytes) const;
  bool DeleteValue(const char* name) const;

 private:
  RegistryKey() = default;
  static RegistryKey CreateWith(HKEY parent, const char* path, DWORD options);
  UniqueRegKey key_;
};
