#pragma once
// Files for tests and benchmarks: a temporary folder that cleans up after
// itself, and whole-file reads and writes.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace davoruzivi::testing {

// A new empty folder under the system's temporary folder, removed with all it
// holds when the object is destroyed.
class TemporaryFolder {
 public:
  TemporaryFolder();
  ~TemporaryFolder();
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
  // The names of the entries in the folder, sorted.
  std::vector<std::string> Entries() const;

 private:
  std::filesystem::path path_;
};

std::string ReadBytes(const std::filesystem::path& path);
// Writes a whole file; throws when it cannot.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace davoruzivi::testing
