#pragma once
// Which top-level windows belong to the pouch: the class names searched for
// each kind and what the kind switches make of a match. No window is touched
// here; windows/WindowLists.cpp reads the live desktop and applies these.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "windows/ClassNames.h"
#include "windows/WindowKind.h"

struct SettingsRecord;

using ClassNameList = std::vector<std::string>;
using KindClassLists = std::array<ClassNameList, kWindowKindCount>;

// The class names of each kind, from the switches and the user-defined list.
// "CabinetWClass" and "IEFRAME" are always there: whether such a window is a
// folder or a browser is decided per window by its document view.
KindClassLists KindClassNames(const SettingsRecord& settings, const BuiltInClassNames& builtIn);

// The same names as one list, kind by kind.
ClassNameList PouchClassNames(const SettingsRecord& settings, const BuiltInClassNames& builtIn);

// What a browser frame shows: a folder, or a document in its view.
enum class FrameContent { kNotAFrame, kFolder, kDocument };

// The kind a window joins once its class matched `matchedKind`, or -1 when
// the kind switches leave it out of the pouch. A browser frame joins the kind
// of its content, not the kind whose class list it matched.
int PouchKindOfMatch(WindowKind matchedKind, FrameContent content, const SettingsRecord& settings);

// Whether a window whose class is in the pouch class list is a pouch window
// after all; a folder while "Folder" is off, or a page while "IExplorer" is
// off, stays an ordinary application window.
bool IsPouchWindowOfListedClass(FrameContent content, const SettingsRecord& settings);
// The same with the "Folder" and "IExplorer" switches given apart, for a
// copy of them kept outside the settings record.
bool IsPouchWindowOfListedClass(FrameContent content, int32_t folder, int32_t iexplorer);

// Whether what a frame shows can decide anything: with both switches on, a
// listed window is a pouch window whatever it shows, so its descendants
// need not be searched.
bool FrameContentMatters(int32_t folder, int32_t iexplorer);
