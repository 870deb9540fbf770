#pragma once
// Whole-file reads, and writes that never leave a half-written file behind.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace davoruzivi {

enum class ReadStatus { Ok, Missing, Unreadable, TooLarge };

struct FileContent {
  ReadStatus status = ReadStatus::Ok;
  std::string bytes;
};

// The file's bytes; a file larger than maxSize is not read.
FileContent ReadWholeFile(const std::filesystem::path& path, std::size_t maxSize);

// A file opened for reading in binary, as ReadWholeFile opens it: a file
// larger than maxSize is not opened.
struct OpenedFile {
  ReadStatus status = ReadStatus::Ok;
  std::ifstream in;  // open when Ok
  std::size_t size = 0;
};
OpenedFile OpenForReading(const std::filesystem::path& path, std::size_t maxSize);

// Writes a file through a temporary file in the same folder that is renamed over
// the target only once complete, so a failure leaves the old file as it was.
// Destroying an uncommitted SaveFile removes its temporary file.
class SaveFile {
 public:
  explicit SaveFile(std::filesystem::path target);
  ~SaveFile();
  SaveFile(const SaveFile&) = delete;
  SaveFile& operator=(const SaveFile&) = delete;

  bool Write(std::string_view bytes);
  // Completes the temporary file and renames it over the target.
  bool Commit();
  // Completes the temporary file; Commit then only renames it.
  bool Finish();

  // What went wrong, naming the file (Windows-1252, ready for a message).
  const std::string& Error() const { return error_; }

  // Commits several files as one: each must be written and finished. When one
  // cannot replace its target, the targets replaced so far get their old
  // files back. Returns the error text of the file that failed.
  static std::optional<std::string> CommitAll(std::span<SaveFile* const> files);

 private:
  bool Fail(const char* what, int errorNumber);

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  bool finished_ = false;
  bool committed_ = false;
  std::string error_;
};

// Writes a whole file atomically; the error text on failure.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace davoruzivi
