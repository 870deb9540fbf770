#pragma once
// The web addresses the planner opens or names, kept in one place, and the
// encoding of search words put into an address.

#include <filesystem>
#include <string>
#include <string_view>

namespace davoruzivi::web {

// Where the report's download line sends its readers.
inline constexpr std::string_view kHomePage = "https://davoruzivi.example.net/";
// The program's own pages are its README, kept with the documentation beside
// the program: share/doc/davoruzivi/ next to the program's bin/ folder, both
// in the build tree and in an installed copy.
inline constexpr std::string_view kReadmeBesideProgram = "../share/doc/davoruzivi/README.md";
// The game's news site, discussion forum and page on classes and races.
inline constexpr std::string_view kNewsSite = "https://www.darkageofcamelot.com/";
inline constexpr std::string_view kForum = "https://www.reddit.com/r/daoc/";
inline constexpr std::string_view kClassPage = "https://www.darkageofcamelot.com/";
// The sites of the item searches: a general web search and a game item database.
inline constexpr std::string_view kWebSearchSite = "https://www.google.com";
inline constexpr std::string_view kItemDatabaseSite = "https://camelot.allakhazam.com";

// The address of the README that belongs to the program in `programFolder`,
// as a file address: the folder separators kept, every other byte encoded as
// in search words, a blank as "%20".
std::string HomePageAddress(const std::filesystem::path& programFolder);

// Search words as an address carries them: the ASCII letters and digits, "-",
// "." and "_" stay (in any locale); a blank becomes "+" (or "%20"); every
// other byte "%" and two hex digits.
std::string QueryEncoded(std::string_view text, bool blankAsPlus);

// The item database site's search words for an item name: the name cut at
// its first " (" and then at its first "(" (up to 50 characters each time).
std::string ItemDatabaseSearchText(std::string_view name);

// The general web search for a text, and the item database search.
std::string WebSearchAddress(std::string_view text);
std::string ItemDatabaseSearchAddress(std::string_view text);

}  // namespace davoruzivi::web
