#pragma once
// The web addresses the planner opens or names, kept in one place, and the
// encoding of search words put into an address.

#include <string>
#include <string_view>

namespace davoruzivi::web {

// The program's home page, where it can be downloaded.
inline constexpr std::string_view kHomePage = "https://davoruzivi.example.net/";
// The game's news site, discussion forum and page on classes and races.
inline constexpr std::string_view kNewsSite = "https://camelotherald.example.com/";
inline constexpr std::string_view kForum = "https://forums.example.com/daoc/";
inline constexpr std::string_view kClassPage = "https://camelotherald.example.com/classes/";
// The sites of the item searches: a general web search and a game item database.
inline constexpr std::string_view kWebSearchSite = "https://www.search.example.com";
inline constexpr std::string_view kItemDatabaseSite = "https://items.example.com";

// Search words as an address carries them: letters, digits, "-", "." and "_"
// stay; a blank becomes "+" (or "%20"); every other byte "%" and two hex digits.
std::string QueryEncoded(std::string_view text, bool blankAsPlus);

// The general web search for a text, and the item database search.
std::string WebSearchAddress(std::string_view text);
std::string ItemDatabaseSearchAddress(std::string_view text);

}  // namespace davoruzivi::web
