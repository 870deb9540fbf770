#pragma once
// The five most recently used template files, kept in the settings: one
// entry per file, the most recent first.

#include <string>
#include <string_view>

#include "settings/settings.h"

namespace davoruzivi {

namespace platform {
class SettingsStore;
}

inline constexpr std::string_view kRecentFileGoneMessage = "File deleted/moved, removing this item from the list";

class RecentTemplates {
 public:
  RecentTemplates(Settings& settings, platform::SettingsStore& store) : settings_(settings), store_(store) {}

  // Entry n (1..5), empty when unused.
  const std::string& File(int n) const { return settings_.Files[static_cast<std::size_t>(n - 1)]; }
  // The menu caption of entry n: "&n. " and the file name without its folder,
  // as the file system gives it (UTF-8 text, not the model's Windows-1252),
  // each "&" of the name doubled so that it shows as itself.
  std::string Caption(int n) const;

  // A template file is being loaded, or was saved: the entry equal to it
  // ignoring letter case moves to the top (holding the path as given now);
  // with none equal, the path is pushed on top and the last entry drops out.
  void Loaded(const std::string& path);
  void Saved(const std::string& path);
  // Entry n's file is gone: the later entries move up, the last becomes empty.
  void Remove(int n);

 private:
  void MoveToTop(int n, const std::string& path);
  void BringToTop(const std::string& path);
  void Update();

  Settings& settings_;
  platform::SettingsStore& store_;
};

}  // namespace davoruzivi
