#pragma once
// The common open and save dialogs. Filters are written "Caption|*.a;*.b",
// several joined by "|", as the planner names them.

#include <filesystem>
#include <optional>
#include <string>

namespace davoruzivi::platform {

struct FileDialogRequest {
  std::string title;
  std::string filter;
  std::string defaultExtension;  // without the dot
  std::filesystem::path folder;  // where the dialog starts
  std::filesystem::path proposedName;  // the file name offered, without folder, as the file system names it
  bool mustExist = false;        // open: only existing files may be chosen
  bool confirmOverwrite = false; // save: ask before replacing a file
};

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file, or nothing when the user cancelled.
  virtual std::optional<std::filesystem::path> Open(const FileDialogRequest& request) = 0;
  virtual std::optional<std::filesystem::path> Save(const FileDialogRequest& request) = 0;
  // Where the user keeps documents: the folder a save dialog starts in when
  // there is no file of the user's to start from.
  virtual std::filesystem::path DocumentsFolder() const = 0;
};

}  // namespace davoruzivi::platform
