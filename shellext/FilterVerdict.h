#pragma once
// The filter's verdict on one window: Graftling asks it for every button the
// old taskbar inserts, and Stowpouch for every window when it keeps the
// buttons off any other taskbar itself. Both build this file in, so that
// both keep the same windows off the taskbar.
#include <windows.h>

#include "shellext/FilterRules.h"

// Whether the button of `window`, whose class is `className`, stays off the
// taskbar under `config`.
bool IsFilteredBy(const TaskbarFilterConfig& config, HWND window, const char* className);

// The same verdict in two steps, for a caller that may hold the list only
// while it reads it: the class decides, or what the frame shows does.
enum class ClassVerdict { kKept, kFiltered, kByContent };
ClassVerdict VerdictByClass(const TaskbarFilterConfig& config, const char* className);
// Reads only the switches of `config`, never its list.
bool IsFilteredByContent(const TaskbarFilterConfig& config, HWND window, const char* className);
