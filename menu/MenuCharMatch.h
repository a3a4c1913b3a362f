#pragma once
// Which item of the open pouch menu a typed letter moves to: owner-drawn
// items have no mnemonics, so the letter is matched against their texts.
#include <string>
#include <vector>

// The first item after `selected` (-1 for none), wrapping round to the
// selected one itself, whose text begins with `typed` without regard to
// case (ASCII letters); -1 when no text does. Separators have empty texts.
int MenuCharMatch(const std::vector<std::string>& texts, int selected, char typed);

// How many texts begin with `typed`, as MenuCharMatch compares: a letter
// that only one item begins with chooses that item, as a mnemonic does.
int CountMenuCharMatches(const std::vector<std::string>& texts, char typed);
