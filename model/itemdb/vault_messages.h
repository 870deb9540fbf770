#pragma once
// What the master vault's loading and commit tell the user.

#include <string_view>

namespace davoruzivi {

inline constexpr std::string_view kVaultNotFoundMessage =
    "Vault file not found where expected, please re-install Kitwright";
inline constexpr std::string_view kInvalidVaultMessage = "Invalid vault file, please re-download";
inline constexpr std::string_view kUnknownVaultVersionMessage = "Unknown vault version, please update Kitwright";
inline constexpr std::string_view kReadPastEndMessage = "Read past end of vault.";
inline constexpr std::string_view kVaultSavedMessage = "Vault File saved to disk";

// The splash window's Loading label through the load.
inline constexpr std::string_view kLoadingVaultLabel = "<Loading Vault File...>";
inline constexpr std::string_view kDecompressingLabel = "<Decompressing Vault File...>";
inline constexpr std::string_view kBuildingListLabel = "<Building Item List...>";

// Exit codes of a program that cannot load its master vault.
inline constexpr int kExitVaultMissingOrInvalid = 200;
inline constexpr int kExitVaultVersion = 201;
inline constexpr int kExitVaultContent = 202;

}  // namespace davoruzivi
