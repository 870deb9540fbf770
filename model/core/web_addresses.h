#pragma once
// The web addresses the planner opens or names, kept in one place.

#include <string_view>

namespace davoruzivi::web {

// The program's home page, where it can be downloaded.
inline constexpr std::string_view kHomePage = "https://davoruzivi.example.net/";

}  // namespace davoruzivi::web
