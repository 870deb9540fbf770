// vault commit: load the vault and commit it into a folder.

#include <system_error>

#include "commands.h"
#include "itemdb/itemdb.h"

namespace davoruzivi::cli {
namespace {

class VaultCommit final : public Command {
 public:
  VaultCommit() : Command("vault commit", "DIR", "write vault.txt, vault.zip and master.kwv into DIR") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 1)) return kExitUsage;
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    const std::filesystem::path folder = args[0];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (auto error = CommitVault(vault, folder / "master.kwv")) return Failure(context, *error);
    context.messages.Notify(kVaultSavedMessage);
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVaultCommit() { return std::make_unique<VaultCommit>(); }

}  // namespace davoruzivi::cli
