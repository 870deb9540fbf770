#pragma once
// Registers the template file types with the user's desktop.

#include <QString>
#include <string>
#include <string_view>

namespace davoruzivi::platform {

inline constexpr std::string_view kFileTypesRegisteredMessage =
    "KWT, KWC, and KWY files have been associated with Kitwright";
inline constexpr std::string_view kFileTypesNotRegisteredMessage =
    "KWT, KWC, and KWY files could not be associated with Kitwright: the file types could not be written "
    "into your data folder.";

// Makes the desktop open template files (".kwt", ".kwc", ".kwy") with the
// program: writes the file-type package into the user's data folder under
// "mime/packages/" and a menu entry that runs programPath into
// "applications/", then rebuilds the file-type database and makes the entry
// the default for the types, where the desktop's tools for that are installed
// (a missing or failing tool is not an error). Returns the message to show:
// the registration failed when the data folder is unknown or a file could not
// be written, and then no tool is run.
std::string RegisterFileTypes(const QString& programPath);

}  // namespace davoruzivi::platform
