#include "framework/Registry.h"

#include <utility>
#include <vector>

RegistryKey::RegistryKey(HKEY parent, const char* path, REGSAM access) {
  RegOpenKeyExA(parent, path, 0, access, key_.Receive());
}

RegistryKey RegistryKey::CreateWith(HKEY parent, const char* path, DWORD options) {
  RegistryKey key;
  DWORD disposition = 0;
  RegCreateKeyExA(parent, path, 0, const_cast<char*>(""), options, KEY_ALL_ACCESS, nullptr,
                  key.key_.Receive(), &disposition);
  return key;
}

RegistryKey RegistryKey::Create(HKEY parent, const char* path) {
  return CreateWith(parent, path, REG_OPTION_NON_VOLATILE);
}

RegistryKey RegistryKey::CreateVolatile(HKEY parent, const char* path) {
  return CreateWith(parent, path, REG_OPTION_VOLATILE);
}

bool RegistryKey::QueryNumber(const char* name, int32_t& value) const {
  BYTE buffer[4] = {};
  DWORD size = sizeof buffer;
  if (RegQueryValueExA(key_.Get(), name, nullptr, nullptr, buffer, &size) != ERROR_SUCCESS)
    return false;
  if (size != sizeof buffer) return false;
  value = static_cast<int32_t>(static_cast<uint32_t>(buffer[0]) |
                               static_cast<uint32_t>(buffer[1]) << 8 |
                               static_cast<uint32_t>(buffer[2]) << 16 |
                               static_cast<uint32_t>(buffer[3]) << 24);
  return true;
}

bool RegistryKey::QueryText(const char* name, std::size_t capacity, std::string& text) const {
  if (capacity == 0) return false;
  std::vector<char> buffer(capacity, '\0');
  DWORD size = static_cast<DWORD>(capacity);
  if (RegQueryValueExA(key_.Get(), name, nullptr, nullptr,
                       reinterpret_cast<BYTE*>(buffer.data()), &size) != ERROR_SUCCESS)
    return false;
  if (size > capacity) return false;
  std::size_t length = 0;
  while (length < size && buffer[length] != '\0') ++length;
  if (length >= capacity) return false;
  text.assign(buffer.data(), length);
  return true;
}

bool RegistryKey::QueryBytes(const char* name, std::size_t capacity, std::string& bytes) const {
  DWORD type = 0;
  DWORD size = 0;
  if (RegQueryValueExA(key_.Get(), name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
      type != REG_BINARY || size > capacity)
    return false;
  std::string buffer(size, '\0');
  DWORD read = size;
  if (RegQueryValueExA(key_.Get(), name, nullptr, &type,
                       reinterpret_cast<BYTE*>(&buffer[0]), &read) != ERROR_SUCCESS ||
      type != REG_BINARY || read != size)
    return false;
  bytes = std::move(buffer);
  return true;
}

bool RegistryKey::SetNumber(const char* name, int32_t value) const {
  const DWORD data = static_cast<DWORD>(value);
  return RegSetValueExA(key_.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                        sizeof data) == ERROR_SUCCESS;
}

bool RegistryKey::SetText(const char* name, const std::string& text) const {
  return RegSetValueExA(key_.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                        static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS;
}

bool RegistryKey::SetBytes(const char* name, const std::string& bytes) const {
  return RegSetValueExA(key_.Get(), name, 0, REG_BINARY,
                        reinterpret_cast<const BYTE*>(bytes.data()),
                        static_cast<DWORD>(bytes.size())) == ERROR_SUCCESS;
}

bool RegistryKey::DeleteValue(const char* name) const {
  return RegDeleteValueA(key_.Get(), name) == ERROR_SUCCESS;
}
