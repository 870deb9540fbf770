#include "core/web_addresses.h"

#include <cctype>

namespace davoruzivi::web {

std::string QueryEncoded(std::string_view text, bool blankAsPlus) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) || c == '-' || c == '.' || c == '_') {
      encoded += c;
    } else if (c == ' ') {
      encoded += blankAsPlus ? "+" : "%20";
    } else {
      encoded += '%';
      encoded += kHex[byte >> 4];
      encoded += kHex[byte & 0x0F];
    }
  }
  return encoded;
}

std::string WebSearchAddress(std::string_view text) {
  return std::string(kWebSearchSite) + "/search?hl=en&q=" + QueryEncoded(text, true);
}

std::string ItemDatabaseSearchAddress(std::string_view text) {
  return std::string(kItemDatabaseSite) + "/searchdb.html?terms=" + QueryEncoded(text, true) + "&a=Search";
}

}  // namespace davoruzivi::web
