// The few pieces of the C and C++ runtime that Graftling's code needs, for
// the MinGW build, which links no runtime library at all: the library lives
// in the shell's process and imports nothing but the system's own kernel32,
// user32 and advapi32. (MSVC builds it with its static runtime instead.)
//
// Built with -fno-builtin and without loop-pattern distribution, so that the
// compiler cannot turn these loops back into calls to themselves.
#include <windows.h>

#include <cstddef>
#include <string>

extern "C" {

void* memcpy(void* target, const void* source, std::size_t count) {
  auto* to = static_cast<unsigned char*>(target);
  const auto* from = static_cast<const unsigned char*>(source);
  while (count--) *to++ = *from++;
  return target;
}

void* memmove(void* target, const void* source, std::size_t count) {
  auto* to = static_cast<unsigned char*>(target);
  const auto* from = static_cast<const unsigned char*>(source);
  if (to < from) {
    while (count--) *to++ = *from++;
  } else {
    while (count--) to[count] = from[count];
  }
  return target;
}

void* memset(void* target, int value, std::size_t count) {
  auto* to = static_cast<unsigned char*>(target);
  while (count--) *to++ = static_cast<unsigned char>(value);
  return target;
}

int memcmp(const void* left, const void* right, std::size_t count) {
  const auto* a = static_cast<const unsigned char*>(left);
  const auto* b = static_cast<const unsigned char*>(right);
  for (; count--; ++a, ++b)
    if (*a != *b) return *a < *b ? -1 : 1;
  return 0;
}

void* memchr(const void* source, int value, std::size_t count) {
  const auto* from = static_cast<const unsigned char*>(source);
  for (; count--; ++from)
    if (*from == static_cast<unsigned char>(value)) return const_cast<unsigned char*>(from);
  return nullptr;
}

std::size_t strlen(const char* text) {
  std::size_t length = 0;
  while (text[length] != '\0') ++length;
  return length;
}

}  // extern "C"

namespace {

// The standard library's length checks guard only against our own mistakes:
// our strings and lists stay far below any limit.
[[noreturn]] void Fail(DWORD code) {
  RaiseException(code, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  for (;;) {
  }
}

constexpr DWORD kOutOfMemory = STATUS_NO_MEMORY;
constexpr DWORD kMisuse = STATUS_INVALID_PARAMETER;

}  // namespace

// What the standard library calls instead of throwing when exceptions are
// off (operator new is in GraftlingHeap.cpp).
namespace std {
void __throw_length_error(const char*) { Fail(kMisuse); }
void __throw_logic_error(const char*) { Fail(kMisuse); }
void __throw_out_of_range(const char*) { Fail(kMisuse); }
void __throw_out_of_range_fmt(const char*, ...) { Fail(kMisuse); }
void __throw_bad_alloc() { Fail(kOutOfMemory); }
void __throw_bad_array_new_length() { Fail(kOutOfMemory); }
}  // namespace std

// The standard library keeps std::string's members in its own binary; built
// without it, we instantiate them here.
template class std::basic_string<char>;
