#pragma once
// Registers the template file types with the user's desktop.

#include <QString>
#include <string>

namespace davoruzivi::platform {

// Makes the desktop open template files (".kwt", ".kwc", ".kwy") with the
// program: writes the file-type package into the user's data folder under
// "mime/packages/" and a menu entry that runs programPath into
// "applications/", then rebuilds the file-type database and makes the entry
// the default for the types, where the desktop's tools for that are installed
// (a missing or failing tool is not an error). Returns the message to show.
std::string RegisterFileTypes(const QString& programPath);

}  // namespace davoruzivi::platform
