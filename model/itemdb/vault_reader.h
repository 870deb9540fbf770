#pragma once
// Reading the master vault: the compressed file, its text and the item blocks.

#include <filesystem>
#include <string>
#include <string_view>

#include "core/text_lines.h"
#include "itemdb/master_vault.h"

namespace davoruzivi {

// What a splash window shows while the vault loads. Every call repaints at once.
class VaultLoadProgress {
 public:
  virtual ~VaultLoadProgress() = default;
  virtual void ShowStage(std::string_view label) = 0;
  virtual void ShowItemsRead(std::string_view label, int percent) = 0;
  // The item list is built: the splash window closes.
  virtual void Finish() = 0;
};

struct VaultLoadResult {
  int ExitCode = 0;     // 0 when loaded; else the code the program ends with
  std::string Message;  // the message shown before it ends

  bool Ok() const { return ExitCode == 0; }
};

// The master vault's path: a path that does not contain ".kwv" is replaced by
// "master.kwv" in the program's folder.
std::filesystem::path MasterVaultPathIn(const std::filesystem::path& programFolder);
std::filesystem::path RepairMasterVaultPath(const std::filesystem::path& path,
                                            const std::filesystem::path& programFolder);

// Turns vault text into the vault's records, growing its vocabularies. Reports
// "Reading items : <k / N>" every 500 items when progress is given. The count
// line is believed only as far as the text could hold that many blocks, so
// the records never take room that the text does not justify.
VaultLoadResult ParseVaultText(LineSource& lines, MasterVault& vault, VaultLoadProgress* progress = nullptr);
VaultLoadResult ParseVaultText(std::string_view text, MasterVault& vault, VaultLoadProgress* progress = nullptr);

// The whole start-up load of the master vault file: inflate, parse and build
// the name list. The file is read and inflated as it is parsed, so neither it
// nor its text is held whole; a damaged stream fails the load even after its
// text parsed.
VaultLoadResult LoadMasterVault(const std::filesystem::path& path, MasterVault& vault,
                                VaultLoadProgress* progress = nullptr);

// The inflated text of any file of the planner's compressed container, or the
// load result that refuses it (missing: 200 "not found"; damaged: 200 "invalid").
struct VaultFileText {
  VaultLoadResult Result;
  std::string Text;
};
VaultFileText ReadVaultFile(const std::filesystem::path& path);

}  // namespace davoruzivi
