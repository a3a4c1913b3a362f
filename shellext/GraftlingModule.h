#pragma once
// Graftling's own module, stored when the library is attached to a process:
// its file path goes into the registration, its string table into the
// filter's class list.
#include <windows.h>

HINSTANCE GraftlingModule();
