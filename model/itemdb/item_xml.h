#pragma once
// Item XML texts, as an outside item program writes them: the kind of a text,
// its tag/value pairs, and the conversion of an item XML into an item's name
// and bonuses.

#include <span>
#include <string_view>
#include <vector>

#include "itemdb/vault_item.h"

namespace davoruzivi {

namespace platform {
class MessageBox;
}

inline constexpr std::string_view kXmlOutOfOrderMessage =
    "There is something out of order in this XML file : <Location>Missing</Location";

enum class ItemTextKind {
  ItemXml,   // converted
  OtherXml,  // a template file or any other XML
  ChatLog,   // a chat log, whatever else it holds
  Unsupported,
};

ItemTextKind ItemTextKindOf(std::span<const std::string_view> lines);
ItemTextKind ItemTextKindOf(std::string_view text);

// The text without its leading and trailing blanks and control characters.
std::string_view TrimBlanksAndControls(std::string_view text);

// A tag and its value, trimmed, as views into the line they came from.
struct TagValue {
  std::string_view Tag;
  std::string_view Value;

  friend bool operator==(const TagValue&, const TagValue&) = default;
};

// The pairs of every line after the first (the XML declaration) that holds a
// "<": the tag between the first "<" and the first ">", the value from there to
// the first "</", or, without one, to the line's last character (excluded).
std::vector<TagValue> TagValuePairs(std::span<const std::string_view> lines);

struct ItemTextConversion {
  VaultItem Item;  // a reset record with the name and bonuses found
  bool Success = false;
};

// Converts the lines of an item XML text into a record's name and bonuses.
// Another kind of text fails without a message; an item type before any
// location tells the user and fails. A slot past the tenth is ignored.
ItemTextConversion ConvertItemText(std::span<const std::string_view> lines, platform::MessageBox& messages);

}  // namespace davoruzivi
