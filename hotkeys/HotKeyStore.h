#pragma once
// "HotKey.lst" on disk: read once at start-up, written once at shutdown.
#include "hotkeys/HotKeyFile.h"

// The file lives in the start folder (StartFolderPath), wherever the
// current directory has moved since.
constexpr char kHotKeyFileName[] = "HotKey.lst";

// Reads the file and hands every record over as soon as it is decoded.
// False without a word when the file cannot be opened (it does not exist,
// for one); false after a message box describing the error when it cannot
// be read or ends early, in which case the records handed over so far are
// the caller's to discard.
bool ReadHotKeyFile(const HotKeyHandOff& handOff);

// How a failed save is told: in a message box, or not at all when nobody
// could answer one (the session is ending).
enum class SaveFailureNotice { kMessageBox, kQuiet };

// Writes HotKeyList to the file. The bytes go to a temporary file beside it
// that replaces the old file only once it is complete and flushed, so a
// failed save leaves the old file as it was. True when saved.
bool SaveHotKeyList(SaveFailureNotice notice = SaveFailureNotice::kMessageBox);
