#include "core/web_addresses.h"

namespace davoruzivi::web {
namespace {

// The ASCII letters and digits, "-", "." and "_", whatever the locale says of
// other bytes.
bool IsUnreserved(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
         c == '_';
}

}  // namespace

std::string QueryEncoded(std::string_view text, bool blankAsPlus) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsUnreserved(c)) {
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

std::string HomePageAddress(const std::filesystem::path& programFolder) {
  const std::string path =
      std::filesystem::absolute(programFolder / std::filesystem::path(kReadmeBesideProgram)).lexically_normal().generic_string();
  // The folder separators stay; every name is encoded as a search word is, blanks as "%20".
  std::string address = "file://";
  for (std::size_t start = 0;;) {
    const std::size_t slash = path.find('/', start);
    address += QueryEncoded(std::string_view(path).substr(start, slash - start), false);
    if (slash == std::string::npos) return address;
    address += '/';
    start = slash + 1;
  }
}

std::string ItemDatabaseSearchText(std::string_view name) {
  constexpr std::size_t kCutLength = 50;
  std::string text(name);
  for (const std::string_view opening : {" (", "("})
    if (const auto at = text.find(opening); at != std::string::npos) text.erase(at, kCutLength);
  return text;
}

std::string WebSearchAddress(std::string_view text) {
  return std::string(kWebSearchSite) + "/search?hl=en&q=" + QueryEncoded(text, true);
}

std::string ItemDatabaseSearchAddress(std::string_view text) {
  return std::string(kItemDatabaseSite) + "/searchdb.html?terms=" + QueryEncoded(text, true) + "&a=Search";
}

}  // namespace davoruzivi::web
