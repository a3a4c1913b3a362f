#include "hotkeys/HotKeyFile.h"

#include <cstdint>
#include <utility>

namespace {

constexpr uint8_t kLongLength = 0xFF;
constexpr uint16_t kWideMark = 0xFFFE;
constexpr uint16_t kLongerLength = 0xFFFF;

void AppendUInt(std::string& bytes, uint32_t value, int size) {
  for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

void AppendInt32(std::string& bytes, int32_t value) {
  AppendUInt(bytes, static_cast<uint32_t>(value), 4);
}

// Reads little-endian numbers and byte runs from a span. Once a read runs
// past the end, every later read yields zeros and Failed() stays true, so a
// record can be read field by field and checked once.
class ByteReader {
 public:
  ByteReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}

  bool Failed() const { return failed_; }

  uint32_t UInt(int size) {
    if (!Take(static_cast<std::size_t>(size))) return 0;
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) value = (value << 8) | data_[position_ - size + i];
    return value;
  }

  int32_t Int32() { return static_cast<int32_t>(UInt(4)); }

  // The next `count` bytes, checked against what remains before anything is
  // allocated: a length field may claim up to 4 GB.
  const unsigned char* Bytes(uint64_t count) {
    if (count > size_ - position_) {
      failed_ = true;
      position_ = size_;
    }
    if (failed_) return nullptr;
    const unsigned char* start = data_ + position_;
    position_ += static_cast<std::size_t>(count);
    return start;
  }

 private:
  bool Take(std::size_t count) { return Bytes(count) != nullptr; }

  const unsigned char* data_;
  std::size_t size_;
  std::size_t position_ = 0;
  bool failed_ = false;
};

// The length of a counted string. After the wide mark a second prefix of the
// same scheme follows; in it 0xFFFE is an ordinary length.
uint32_t ReadLength(ByteReader& in, bool markAllowed, bool& wide) {
  const uint32_t first = in.UInt(1);
  if (first != kLongLength) return first;
  const uint32_t second = in.UInt(2);
  if (second == kWideMark && markAllowed) {
    wide = true;
    return ReadLength(in, false, wide);
  }
  if (second != kLongerLength) return second;
  return in.UInt(4);
}

std::string ReadCountedString(ByteReader& in, const WideToAnsi& toAnsi) {
  bool wide = false;
  const uint64_t length = ReadLength(in, true, wide);
  if (!wide) {
    const unsigned char* text = in.Bytes(length);
    return text ? std::string(reinterpret_cast<const char*>(text), length) : std::string();
  }
  const unsigned char* units = in.Bytes(length * 2);
  if (!units) return {};
  std::u16string wideText(static_cast<std::size_t>(length), u'\0');
  for (std::size_t i = 0; i < wideText.size(); ++i)
    wideText[i] = static_cast<char16_t>(units[2 * i] | (units[2 * i + 1] << 8));
  return toAnsi(wideText);
}

CHotKeyItem ReadRecord(ByteReader& in, const WideToAnsi& toAnsi) {
  CHotKeyItem item;
  item.m_nType = in.Int32();
  item.m_strCommand = ReadCountedString(in, toAnsi);
  item.m_nFunction = in.Int32();
  item.m_strParameters = ReadCountedString(in, toAnsi);
  item.m_strStartIn = ReadCountedString(in, toAnsi);
  item.m_nRunState = in.Int32();
  item.m_nModifiers = in.Int32();
  item.m_nVirtualKey = in.Int32();
  return item;
}

}  // namespace

void AppendCountedString(std::string& bytes, const std::string& text) {
  // Texts come from paths and edit boxes, far below the 32-bit limit.
  const auto length = static_cast<uint32_t>(text.size());
  if (length < kLongLength) {
    AppendUInt(bytes, length, 1);
  } else if (length < kWideMark) {
    AppendUInt(bytes, kLongLength, 1);
    AppendUInt(bytes, length, 2);
  } else {
    AppendUInt(bytes, kLongLength, 1);
    AppendUInt(bytes, kLongerLength, 2);
    AppendUInt(bytes, length, 4);
  }
  bytes += text;
}

void AppendHotKeyRecord(std::string& bytes, const CHotKeyItem& item) {
  AppendInt32(bytes, item.m_nType);
  AppendCountedString(bytes, item.m_strCommand);
  AppendInt32(bytes, item.m_nFunction);
  AppendCountedString(bytes, item.m_strParameters);
  AppendCountedString(bytes, item.m_strStartIn);
  AppendInt32(bytes, item.m_nRunState);
  AppendInt32(bytes, item.m_nModifiers);
  AppendInt32(bytes, item.m_nVirtualKey);
}

std::string EncodeHotKeyList(const std::vector<CHotKeyItem>& items) {
  std::string bytes;
  AppendInt32(bytes, static_cast<int32_t>(items.size()));
  for (const CHotKeyItem& item : items) AppendHotKeyRecord(bytes, item);
  return bytes;
}

HotKeyDecodeResult DecodeHotKeyList(const unsigned char* data, std::size_t size,
                                    const WideToAnsi& toAnsi, const HotKeyHandOff& handOff) {
  ByteReader in(data, size);
  const int32_t count = in.Int32();
  // The count is not trusted either: records are read one by one until it is
  // reached or the bytes run out.
  for (int32_t i = 0; i < count && !in.Failed(); ++i) {
    CHotKeyItem item = ReadRecord(in, toAnsi);
    if (in.Failed()) break;
    handOff(std::move(item));
  }
  return in.Failed() ? HotKeyDecodeResult::kEndsEarly : HotKeyDecodeResult::kComplete;
}
