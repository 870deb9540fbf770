// salvage: the raw and trinket values of ten metal counts.

#include <ostream>

#include "commands.h"
#include "salvage/salvage.h"

namespace davoruzivi::cli {
namespace {

void WriteMoneyLine(std::ostream& out, std::string_view label, const Money& money) {
  out << label << '\t' << money.Platinum << '\t' << money.Gold << '\t' << money.Silver << '\t' << money.Copper << '\n';
}

class Salvage final : public Command {
 public:
  Salvage() : Command("salvage", "N1 N2 ... N10", "print the raw and trinket values of ten metal counts") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, kMetalGradeCount)) return kExitUsage;
    MetalCounts counts{};
    for (std::size_t grade = 0; grade < counts.size(); ++grade) counts[grade] = CountOf(CorrectedCountText(args[grade]));
    const SalvageValues values = SalvageValuesOf(counts);
    WriteMoneyLine(context.out, "Raw", values.Raw);
    WriteMoneyLine(context.out, "Trinket", values.Trinket);
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeSalvage() { return std::make_unique<Salvage>(); }

}  // namespace davoruzivi::cli
