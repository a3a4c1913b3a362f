#pragma once
// "HotKey.lst" on disk: read once at start-up, written once at shutdown.
#include "hotkeys/HotKeyFile.h"

// The file lives in the start folder (StartFolderPath), wherever the
// current directory has moved since, or, for a copy installed under Program
// Files or started where it cannot make files, in
// "%APPDATA%\Quarrelwood\Stowpouch" (HotKeyFilePlace.h); the first start of
// such a copy reads the start folder's list when there is none per user.
constexpr char kHotKeyFileName[] = "HotKey.lst";

// Reads the file and hands every record over as soon as it is decoded.
// False without a word when there is no file. False after one message box
// in the other cases, in which the records handed over so far are the
// caller's to discard: a file that cannot be read whole is moved aside as
// "HotKey.lst.bad" (replacing an older one); a file that cannot be opened,
// or moved, is left as it is and no save of this run replaces it.
bool ReadHotKeyFile(const HotKeyHandOff& handOff);

// How a failed save is told: in a message box, or not at all when nobody
// could answer one (the session is ending).
enum class SaveFailureNotice { kMessageBox, kQuiet };

// Writes HotKeyList to the file, with a shortcut that is being edited at its
// place as it was (HotKeyListToSave), making the per-user folders first when
// needed. The bytes go to a temporary file beside it that replaces the old
// file only once it is complete and flushed, so a failed save leaves the old
// file as it was. True when saved; false, without a word, for a file that
// start-up left alone.
bool SaveHotKeyList(SaveFailureNotice notice = SaveFailureNotice::kMessageBox);
