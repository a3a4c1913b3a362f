// libFuzzer target for the reader of "HotKey.lst": any bytes must decode
// without a fault and without an allocation beyond the input's size (the
// run's -malloc_limit_mb catches one), and whatever decodes completely must
// survive writing and reading again unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "hotkeys/HotKeyFile.h"
#include "hotkeys/HotKeyText.h"

namespace {

std::string Narrow(const std::u16string& text) {
  std::string narrow;
  for (char16_t unit : text) narrow.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
  return narrow;
}

bool Same(const CHotKeyItem& a, const CHotKeyItem& b) {
  return a.m_nType == b.m_nType && a.m_strCommand == b.m_strCommand &&
         a.m_nFunction == b.m_nFunction && a.m_strParameters == b.m_strParameters &&
         a.m_strStartIn == b.m_strStartIn && a.m_nRunState == b.m_nRunState &&
         a.m_nModifiers == b.m_nModifiers && a.m_nVirtualKey == b.m_nVirtualKey;
}

std::vector<CHotKeyItem> Decode(const unsigned char* data, std::size_t size,
                                HotKeyDecodeResult& result) {
  std::vector<CHotKeyItem> items;
  result = DecodeHotKeyList(data, size, Narrow, [&](CHotKeyItem item) {
    // The key text must cope with whatever numbers a file holds.
    GetHotKeyText(item, true);
    GetHotKeyText(item, false);
    CombosFromModifiers(item.m_nModifiers);
    items.push_back(std::move(item));
  });
  return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  HotKeyDecodeResult result;
  const std::vector<CHotKeyItem> items = Decode(data, size, result);
  if (result != HotKeyDecodeResult::kComplete) return 0;

  const std::string again = EncodeHotKeyList(items);
  HotKeyDecodeResult secondResult;
  const std::vector<CHotKeyItem> second =
      Decode(reinterpret_cast<const unsigned char*>(again.data()), again.size(), secondResult);
  if (secondResult != HotKeyDecodeResult::kComplete || second.size() != items.size()) std::abort();
  for (std::size_t i = 0; i < items.size(); ++i)
    if (!Same(items[i], second[i])) std::abort();
  return 0;
}
