#pragma once
// SlotRef: the text by which a configuration names the item in one of its
// slots: "e0" for none, else a list letter and a position in that list of the
// slot's kind ("v3" the fourth vault entry, "i0" the first inline item...).

#include <optional>
#include <string>
#include <string_view>

namespace davoruzivi {

inline constexpr std::string_view kEmptySlotRef = "e0";
// How the item windows' lists name the entry "e0".
inline constexpr std::string_view kEmptySlotEntry = "Empty Slot";

enum class ItemList : char { Vault = 'v', Inline = 'i', Crafted = 'c' };

// A reference taken apart: its letter and the position its number gives.
struct ParsedRef {
  char letter = 'e';
  int position = -1;
};

// The letter and number of a reference; the number is read from characters 2
// to 11 and one that does not parse, or is negative, makes the reference empty.
std::optional<ParsedRef> ParseSlotRef(std::string_view ref);

// The list a letter names, or nothing for any other letter ("e" included).
std::optional<ItemList> ItemListOf(char letter);

std::string MakeSlotRef(ItemList list, int position);
std::string MakeSlotRef(char letter, int position);

}  // namespace davoruzivi
