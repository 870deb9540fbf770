#pragma once
// Writing the master vault back: its text, and the commit of vault.txt,
// vault.zip and the master vault file.

#include <filesystem>
#include <optional>
#include <string>

#include "itemdb/master_vault.h"

namespace davoruzivi {

// The vault text of every record in vault order, lines ended by CR LF. Items are
// numbered by position; reading it back gives the same records but for the
// normalisations of the format (servers widened, slots compacted, and so on).
std::string WriteVaultText(const MasterVault& vault);

// The block of lines the vault text holds for the record at a position (which
// must lie inside the vault), from its "~" line on, without the empty line
// before it; lines ended by CR LF.
std::string WriteVaultBlock(const MasterVault& vault, std::size_t position);

// One zlib stream of the vault text, level 1: the bytes of vault.zip and of the
// master vault file.
std::string CompressVaultText(std::string_view text);

// Writes vault.txt and vault.zip into the folder of the master vault file, and
// the master vault file itself. Every file goes through a temporary file that
// replaces the old one only when all three are complete; on failure the old
// files stay as they were and the error text (naming the file) is returned.
std::optional<std::string> CommitVault(const MasterVault& vault, const std::filesystem::path& masterVaultPath);

}  // namespace davoruzivi
