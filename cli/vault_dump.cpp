// vault dump: the vault text exactly as a commit writes vault.txt.

#include "commands.h"
#include "itemdb/itemdb.h"

namespace davoruzivi::cli {
namespace {

class VaultDump final : public Command {
 public:
  VaultDump() : Command("vault dump", "", "write the vault text as a commit writes vault.txt") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 0)) return kExitUsage;
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    WriteBytes(context, WriteVaultText(vault));
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVaultDump() { return std::make_unique<VaultDump>(); }

}  // namespace davoruzivi::cli
