#pragma once
// A registry key of the test's own under HKEY_CURRENT_USER, emptied before
// and removed after each use.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

class RegistryScratch {
 public:
  explicit RegistryScratch(const char* path) : path_(path) { Clear(); }
  ~RegistryScratch() { Clear(); }
  RegistryScratch(const RegistryScratch&) = delete;
  RegistryScratch& operator=(const RegistryScratch&) = delete;

  void Clear() const { RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str()); }

  // Stores raw bytes under a value of the key, creating the key.
  void SetRaw(const char* name, DWORD type, const void* data, DWORD size) const {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_SUCCESS);
    ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
              ERROR_SUCCESS);
    RegCloseKey(key);
  }
  void SetDword(const char* name, DWORD value) const {
    SetRaw(name, REG_DWORD, &value, sizeof value);
  }
  void SetText(const char* name, const std::string& text) const {
    SetRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
  }

  // Reads a value back as raw bytes; false when it is missing.
  bool GetRaw(const char* name, DWORD& type, std::string& data) const {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
      return false;
    char buffer[4096];
    DWORD size = sizeof buffer;
    const LONG status =
        RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return false;
    data.assign(buffer, size);
    return true;
  }

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};
