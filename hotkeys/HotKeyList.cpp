#include "hotkeys/HotKeyList.h"

#include <algorithm>
#include <utility>

#include "hotkeys/HotKeyText.h"

namespace {

EditedHotKeyItem*& InnermostEditedItem() {
  static EditedHotKeyItem* innermost = nullptr;
  return innermost;
}

template <typename Match>
int FindFirst(Match match) {
  const HotKeyItems& list = HotKeyList();
  for (std::size_t i = 0; i < list.size(); ++i)
    if (match(list[i])) return static_cast<int>(i);
  return -1;
}

template <typename Match>
bool FindShortText(Match match, std::string& text) {
  const int position = FindFirst(match);
  if (position < 0) return false;
  text = GetHotKeyText(HotKeyList()[static_cast<std::size_t>(position)], true);
  return true;
}

}  // namespace

HotKeyItems& HotKeyList() {
  static HotKeyItems list;
  return list;
}

EditedHotKeyItem::EditedHotKeyItem(std::size_t position, CHotKeyItem item)
    : position_(position), item_(std::move(item)), outer_(InnermostEditedItem()) {
  InnermostEditedItem() = this;
}

EditedHotKeyItem::~EditedHotKeyItem() { InnermostEditedItem() = outer_; }

HotKeyItems HotKeyListToSave() {
  HotKeyItems list = HotKeyList();
  // The last one taken out goes back first, so that each position means what
  // it meant when its shortcut was taken.
  for (const EditedHotKeyItem* edited = InnermostEditedItem(); edited; edited = edited->outer_)
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(std::min(edited->position_, list.size())),
                edited->item_);
  return list;
}

int FindHotKeyItem(int32_t virtualKey, int32_t modifiers) {
  return FindFirst([&](const CHotKeyItem& item) {
    return item.m_nVirtualKey == virtualKey && item.m_nModifiers == modifiers;
  });
}

int FindHotKeyItemById(int32_t id) {
  if (id == 0) return -1;
  return FindFirst([id](const CHotKeyItem& item) { return item.m_nHotKeyId == id; });
}

bool FindFolderHotKeyText(const std::string& path, std::string& text) {
  return FindShortText(
      [&](const CHotKeyItem& item) {
        return item.m_nType == HOTKEY_FOLDER && item.m_strCommand == path;
      },
      text);
}

bool FindFunctionHotKeyText(int index, std::string& text) {
  return FindShortText(
      [index](const CHotKeyItem& item) {
        return item.m_nType == HOTKEY_FUNCTION && item.m_nFunction == index;
      },
      text);
}
