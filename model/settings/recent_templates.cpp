#include "settings/recent_templates.h"

#include <cctype>
#include <filesystem>

namespace davoruzivi {
namespace {

// File paths are compared as the file system of the settings' origin did:
// ignoring the case of letters.
bool SamePathIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

}  // namespace

std::string RecentTemplates::Caption(int n) const {
  std::string caption = "&";
  caption += std::to_string(n);
  caption += ". ";
  caption += std::filesystem::path(File(n)).filename().string();
  return caption;
}

void RecentTemplates::MoveToTop(int n, const std::string& path) {
  for (int i = n; i > 1; --i) settings_.Files[static_cast<std::size_t>(i - 1)] = settings_.Files[static_cast<std::size_t>(i - 2)];
  settings_.Files[0] = path;
}

void RecentTemplates::PushOnTop(const std::string& path) { MoveToTop(kRecentTemplateCount, path); }

void RecentTemplates::Loaded(const std::string& path, int recentIndex) {
  if (recentIndex > 0 && recentIndex <= kRecentTemplateCount) {
    const std::string chosen = File(recentIndex);  // a copy: the move overwrites the entry
    MoveToTop(recentIndex, chosen);
  } else {
    PushOnTop(path);
  }
  Update();
}

void RecentTemplates::Saved(const std::string& path) {
  int found = 0;
  for (int n = 1; n <= kRecentTemplateCount && found == 0; ++n)
    if (SamePathIgnoringCase(File(n), path)) found = n;
  if (found == 1) {
    // already on top
  } else if (found > 1) {
    MoveToTop(found, path);
  } else {
    PushOnTop(path);
  }
  Update();
}

void RecentTemplates::Remove(int n) {
  if (n < 1 || n > kRecentTemplateCount) return;
  for (int i = n; i < kRecentTemplateCount; ++i) settings_.Files[static_cast<std::size_t>(i - 1)] = File(i + 1);
  settings_.Files[kRecentTemplateCount - 1].clear();
  Update();
}

void RecentTemplates::Update() { SaveSettings(settings_, store_); }

}  // namespace davoruzivi
