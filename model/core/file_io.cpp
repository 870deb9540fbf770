#include "core/file_io.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <random>
#include <vector>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

#include "core/cp1252.h"

namespace davoruzivi {
namespace {

std::string DisplayPath(const std::filesystem::path& path) { return Utf8ToCp1252(path.string()); }

std::filesystem::path TemporaryNameFor(const std::filesystem::path& target) {
  static thread_local std::mt19937 random{std::random_device{}()};
  auto name = target;
  name += ".~" + std::to_string(random() % 1000000000u) + ".tmp";
  return name;
}

bool SyncToDisk(std::FILE* file) {
#if defined(__unix__) || defined(__APPLE__)
  return ::fsync(::fileno(file)) == 0;
#else
  (void)file;
  return true;
#endif
}

}  // namespace

OpenedFile OpenForReading(const std::filesystem::path& path, std::size_t maxSize) {
  const auto refused = [](ReadStatus status) { return OpenedFile{status, {}, 0}; };
  std::error_code ec;
  if (!std::filesystem::exists(path, ec)) return refused(ReadStatus::Missing);
  if (!std::filesystem::is_regular_file(path, ec)) return refused(ReadStatus::Unreadable);
  const auto size = std::filesystem::file_size(path, ec);
  if (ec) return refused(ReadStatus::Unreadable);
  if (size > maxSize) return refused(ReadStatus::TooLarge);
  OpenedFile file{ReadStatus::Ok, std::ifstream(path, std::ios::binary), static_cast<std::size_t>(size)};
  if (!file.in) file.status = ReadStatus::Unreadable;
  return file;
}

FileContent ReadWholeFile(const std::filesystem::path& path, std::size_t maxSize) {
  OpenedFile file = OpenForReading(path, maxSize);
  if (file.status != ReadStatus::Ok) return {file.status, {}};
  FileContent content;
  content.bytes.resize(file.size);
  file.in.read(content.bytes.data(), static_cast<std::streamsize>(file.size));
  if (static_cast<std::size_t>(file.in.gcount()) != file.size) return {ReadStatus::Unreadable, {}};
  return content;
}

SaveFile::SaveFile(std::filesystem::path target) : target_(std::move(target)) {
  for (int attempt = 0; attempt < 16 && !file_; ++attempt) {
    temporary_ = TemporaryNameFor(target_);
    file_ = std::fopen(temporary_.c_str(), "wbx");  // never reuses an existing file
    if (!file_ && errno != EEXIST) break;
  }
  if (!file_) {
    Fail("Cannot create", errno);
    temporary_.clear();
  }
}

SaveFile::~SaveFile() {
  if (file_) std::fclose(file_);
  if (!committed_ && !temporary_.empty()) {
    std::error_code ignored;
    std::filesystem::remove(temporary_, ignored);
  }
}

bool SaveFile::Fail(const char* what, int errorNumber) {
  if (error_.empty()) {
    error_ = std::string(what) + " the file \"" + DisplayPath(target_) + "\"";
    if (errorNumber != 0) error_ += std::string(": ") + std::strerror(errorNumber);
  }
  return false;
}

bool SaveFile::Write(std::string_view bytes) {
  if (!file_) return false;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) return Fail("Cannot write", errno);
  return true;
}

bool SaveFile::Finish() {
  if (finished_) return true;
  if (!file_) return false;
  const bool flushed = std::fflush(file_) == 0 && SyncToDisk(file_);
  const int flushError = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!flushed || !closed) return Fail("Cannot write", flushError);
  finished_ = true;
  return true;
}

bool SaveFile::Commit() {
  if (committed_) return true;
  if (!Finish()) return false;
  std::error_code ec;
  std::filesystem::rename(temporary_, target_, ec);
  if (ec) return Fail("Cannot replace", ec.value());
  committed_ = true;
  return true;
}

namespace {

// A target moved aside while its new file takes its place.
struct Replaced {
  std::filesystem::path target;
  std::filesystem::path backup;  // empty when there was no old file
};

void Restore(const std::vector<Replaced>& replaced) {
  std::error_code ignored;
  for (auto it = replaced.rbegin(); it != replaced.rend(); ++it) {
    if (it->backup.empty()) std::filesystem::remove(it->target, ignored);
    else std::filesystem::rename(it->backup, it->target, ignored);
  }
}

}  // namespace

std::optional<std::string> SaveFile::CommitAll(std::span<SaveFile* const> files) {
  std::error_code ec;
  for (SaveFile* file : files) {
    if (!file->Finish()) return file->Error();
    if (std::filesystem::is_directory(file->target_, ec)) {
      file->Fail("Cannot replace", EISDIR);
      return file->Error();
    }
  }
  std::vector<Replaced> replaced;
  for (SaveFile* file : files) {
    Replaced step{file->target_, {}};
    if (std::filesystem::exists(file->target_, ec)) {
      step.backup = TemporaryNameFor(file->target_);
      std::filesystem::rename(file->target_, step.backup, ec);
      if (ec) {
        file->Fail("Cannot replace", ec.value());
        Restore(replaced);
        return file->Error();
      }
    }
    replaced.push_back(step);
    if (!file->Commit()) {
      Restore(replaced);
      return file->Error();
    }
  }
  for (const Replaced& step : replaced)
    if (!step.backup.empty()) std::filesystem::remove(step.backup, ec);
  return std::nullopt;
}

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
  SaveFile file(path);
  if (file.Write(bytes) && file.Commit()) return std::nullopt;
  return file.Error();
}

}  // namespace davoruzivi
