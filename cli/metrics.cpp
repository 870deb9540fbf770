// metrics: the item metrics of every vault record, as the planner shows them.

#include <string>

#include "commands.h"
#include "itemdb/itemdb.h"
#include "itemdb/item_metrics.h"

namespace davoruzivi::cli {
namespace {

std::string MetricsLine(std::size_t position, const VaultItem& item) {
  return std::to_string(position) + '\t' + BonusLevelOf(item) + '\t' + UtilityOf(item) + '\t' + ToAUtilityOf(item) +
         '\t' + StatCountOf(item);
}

class Metrics final : public Command {
 public:
  Metrics()
      : Command("metrics", "",
                "print each vault record's bonus level, utility, ToA utility and stat count") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 0)) return kExitUsage;
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    const std::vector<VaultItem>& items = vault.Items();
    for (std::size_t position = 0; position < items.size(); ++position)
      WriteDataLine(context.out, MetricsLine(position, items[position]));
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeMetrics() { return std::make_unique<Metrics>(); }

}  // namespace davoruzivi::cli
