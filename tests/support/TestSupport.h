#pragma once
// What every Windows-side test and end-to-end test needs: waiting for a
// condition with a deadline, this program's folder, and input as a
// keyboard and a mouse make it, through the system's input queue.
#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace test_support {

// Long enough for a cold Wine process start on a loaded machine.
constexpr DWORD kDeadlineMs = 15000;

// Checks `done` every 20 ms until it holds or `ms` have passed; true when it
// held.
bool WaitUntil(const std::function<bool()>& done, DWORD ms = kDeadlineMs);

// The folder of this program, with a trailing backslash; the programs and
// libraries under test are built into the same one.
std::string ProgramFolder();

// One key event as a keyboard makes it, with its scan code: controls that
// read keys as typed (the hot key control among them) get a wrong key under
// Wine from an event without one.
INPUT KeyEvent(WORD key, DWORD flags);
// Sends the events in one go; true when the system took them all.
bool SendEvents(const std::vector<INPUT>& events);
// Presses and releases one key.
bool PressKey(WORD key);
// Presses the keys in order and releases them in reverse, like a person
// holding modifiers.
bool SendKeyChord(std::initializer_list<WORD> keys);
// Key strokes as +vk (down) and -vk (up), in the order given.
bool SendKeyStrokes(std::initializer_list<int> strokes);

// A mouse event at a point of the virtual screen (absolute coordinates,
// which run from 0 to 65535 across it).
INPUT MouseAt(int x, int y);
// A click at a point of the screen, with the left button unless told; with
// `clicks` 2, a double click (both sent in one go, so no load on the
// machine can stretch them apart).
bool ClickAt(int x, int y, bool rightButton = false, int clicks = 1);

}  // namespace test_support
