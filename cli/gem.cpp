// gem: the name, materials and imbue points of a gem of a stat and tier.

#include <limits>
#include <optional>

#include "commands.h"
#include "core/integer_text.h"
#include "spellcraft/spellcraft.h"

namespace davoruzivi::cli {
namespace {

constexpr int kDefaultRealm = 0;

// A whole number from `lowest` to `highest`.
std::optional<int> IntegerArgument(std::string_view text, int lowest, int highest) {
  const std::optional<std::int32_t> value = ParseInteger(text);
  if (!value || *value < lowest || *value > highest) return std::nullopt;
  return *value;
}

class Gem final : public Command {
 public:
  Gem() : Command("gem", "STATID TIER [--realm 0|1|2]", "print the name, materials and imbue points of a gem") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    std::vector<std::string> rest = args;
    const std::optional<std::string> realmText = TakeOption(rest, "--realm");
    if (!HasArguments(context, rest, 2)) return kExitUsage;
    const std::optional<int> statId = IntegerArgument(rest[0], 0, std::numeric_limits<StatId>::max());
    if (!statId) return UsageError(context, "STATID must be a whole number from 0 to 65535");
    const std::optional<int> tier = IntegerArgument(rest[1], 0, kMaxStoredGemTier);
    if (!tier) return UsageError(context, "TIER must be a whole number from 0 to 65535");
    const std::optional<int> realm = realmText ? IntegerArgument(*realmText, 0, 2) : kDefaultRealm;
    if (!realm) return UsageError(context, "--realm must be 0, 1 or 2");

    WriteDataLine(context.out, GemName(*statId, *tier, *realm));
    WriteDataLine(context.out, GemMaterials(*statId, *tier, *realm));
    WriteDataLine(context.out, ImbueText(GemTierImbuePoints(*statId, *tier)));
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeGem() { return std::make_unique<Gem>(); }

}  // namespace davoruzivi::cli
