#pragma once
// The list format of the registry: every element followed by the byte 0x01.
#include <string>
#include <vector>

using StringList = std::vector<std::string>;

constexpr char kStringListSeparator = '\x01';

// The longest list text (separators included) the program stores and reads.
constexpr std::size_t kStringListMaxText = 32767;

// text becomes every element of list, each followed by one 0x01.
void JoinStringList(const StringList& list, std::string& text);

// list becomes the elements of text: each run of characters up to the next
// 0x01 is an element (an empty run too); characters after the last 0x01 are
// dropped.
void SplitStringList(const std::string& text, StringList& list);

// target becomes a copy of source by joining and splitting again, so an
// element that itself holds 0x01 arrives split.
void CopyStringList(StringList& target, const StringList& source);

// Whether `element` can be appended to `list` without taking its stored
// text past kStringListMaxText.
bool StringListHasRoomFor(const StringList& list, const std::string& element);

// `text` fit to be an element: a 0x01 in it would split it in two on the
// next copy, so each becomes a blank.
std::string StringListElement(std::string text);

// Two lists that go in pairs, position by position, cut to the pairs that
// both hold.
void KeepCommonPairs(StringList& first, StringList& second);
