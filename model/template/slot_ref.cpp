#include "template/slot_ref.h"

#include "core/integer_text.h"

namespace davoruzivi {

std::optional<ParsedRef> ParseSlotRef(std::string_view ref) {
  if (ref.empty()) return std::nullopt;
  const auto number = ParseInteger(CopyOf(ref, 2, 10));
  if (!number || *number < 0) return std::nullopt;
  return ParsedRef{ref.front(), *number};
}

std::optional<ItemList> ItemListOf(char letter) {
  switch (letter) {
    case 'v': return ItemList::Vault;
    case 'i': return ItemList::Inline;
    case 'c': return ItemList::Crafted;
    default: return std::nullopt;
  }
}

std::string MakeSlotRef(char letter, int position) { return letter + std::to_string(position); }

std::string MakeSlotRef(ItemList list, int position) { return MakeSlotRef(static_cast<char>(list), position); }

}  // namespace davoruzivi
