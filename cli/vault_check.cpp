// vault check: load the vault and count its records.

#include "commands.h"
#include "itemdb/itemdb.h"

namespace davoruzivi::cli {
namespace {

class VaultCheck final : public Command {
 public:
  VaultCheck() : Command("vault check", "", "load the vault and print the number of its records") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 0)) return kExitUsage;
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    context.out << "items: " << vault.Size() << '\n';
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVaultCheck() { return std::make_unique<VaultCheck>(); }

}  // namespace davoruzivi::cli
