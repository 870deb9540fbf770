#pragma once
// The program's name and version as its windows and reports show them.

#include <string_view>

namespace davoruzivi {

inline constexpr std::string_view kProgramTitle = "DavoruzivI";
inline constexpr std::string_view kProgramVersion = "1.124.0.4";
inline constexpr std::string_view kProgramTitleWithVersion = "DavoruzivI 1.124.0.4";

}  // namespace davoruzivi
