#include "settings/recent_templates.h"

#include <filesystem>

#include "core/ascii_text.h"

namespace davoruzivi {
namespace {

// File paths are compared as the file system of the settings' origin did:
// ignoring the case of letters.
bool SamePathIgnoringCase(std::string_view a, std::string_view b) { return EqualIgnoringAsciiCase(a, b); }

// A text as a menu caption shows it: each "&" doubled, so none marks a shortcut.
std::string WithoutShortcutMarks(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    if (c == '&') shown += '&';
    shown += c;
  }
  return shown;
}

}  // namespace

std::string RecentTemplates::Caption(int n) const {
  return "&" + std::to_string(n) + ". " + WithoutShortcutMarks(std::filesystem::path(File(n)).filename().string());
}

void RecentTemplates::MoveToTop(int n, const std::string& path) {
  for (int i = n; i > 1; --i) settings_.Files[static_cast<std::size_t>(i - 1)] = settings_.Files[static_cast<std::size_t>(i - 2)];
  settings_.Files[0] = path;
}

// The first entry equal to the path moves up; with none equal, the last
// entry makes room. An equal entry on top stays as it is.
void RecentTemplates::BringToTop(const std::string& path) {
  int from = 1;
  while (from < kRecentTemplateCount && !SamePathIgnoringCase(File(from), path)) ++from;
  if (from > 1) MoveToTop(from, path);
  Update();
}

void RecentTemplates::Loaded(const std::string& path) { BringToTop(path); }

void RecentTemplates::Saved(const std::string& path) { BringToTop(path); }

void RecentTemplates::Remove(int n) {
  if (n < 1 || n > kRecentTemplateCount) return;
  for (int i = n; i < kRecentTemplateCount; ++i) settings_.Files[static_cast<std::size_t>(i - 1)] = File(i + 1);
  settings_.Files[kRecentTemplateCount - 1].clear();
  Update();
}

void RecentTemplates::Update() { SaveSettings(settings_, store_); }

}  // namespace davoruzivi
