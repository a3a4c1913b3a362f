#pragma once
// The bytes of "HotKey.lst": the number of records as a signed 32-bit value,
// then the records back to back, each field in CHotKeyItem's order without
// the id. Numbers are little-endian; a text is a counted string: a length
// prefix (one byte below 255, else 0xFF and 16 bits below 65534, else 0xFF,
// 0xFFFF and 32 bits) and that many bytes of ANSI text.
//
// The file comes from disk and may be damaged: the decoder never trusts a
// length or a count beyond the bytes that are really there.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "hotkeys/HotKeyItem.h"

// Appends `text` with its length prefix.
void AppendCountedString(std::string& bytes, const std::string& text);
void AppendHotKeyRecord(std::string& bytes, const CHotKeyItem& item);
// The whole file for `items`, in list order.
std::string EncodeHotKeyList(const std::vector<CHotKeyItem>& items);

enum class HotKeyDecodeResult {
  kComplete,   // every record the count announced was handed over
  kEndsEarly,  // a count, length or field reaches past the last byte
};

// Turns UTF-16 text into the ANSI code page. Only the wide form of a counted
// string needs it (0xFF 0xFFFE, then a second prefix that counts UTF-16
// code units), which other writers of the format produce and we never do.
using WideToAnsi = std::function<std::string(const std::u16string&)>;
// Receives each record as soon as it is decoded, before the next is read.
using HotKeyHandOff = std::function<void(CHotKeyItem)>;

// Decodes the file held in data[0..size). A count of 0 or below reads
// nothing; whatever follows the last record is ignored. On kEndsEarly the
// records before the broken one have been handed over already.
HotKeyDecodeResult DecodeHotKeyList(const unsigned char* data, std::size_t size,
                                    const WideToAnsi& toAnsi, const HotKeyHandOff& handOff);
