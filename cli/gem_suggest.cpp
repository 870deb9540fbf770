// gem-suggest: the four gems of each crafted item of a configuration, chosen
// for the configuration's capped utility within each item's imbue budget.

#include <optional>
#include <string>

#include "commands.h"
#include "core/decimal_text.h"
#include "spellcraft/spellcraft.h"
#include "template/slots.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

constexpr int kScoreDecimals = 1;

std::optional<GemBudget> BudgetArgument(std::string_view text) {
  if (text == "capacity") return GemBudget::Capacity;
  if (text == "max") return GemBudget::MaxOvercharge;
  return std::nullopt;
}

void WriteItem(std::ostream& out, const SuggestedItem& item) {
  out << item.equipmentSlot;
  for (const SuggestedGem& gem : item.gems) out << '\t' << gem.stat << ':' << gem.amount;
  out << '\t' << ImbueText(item.charge) << '\n';
}

class GemSuggest final : public Command {
 public:
  GemSuggest()
      : Command("gem-suggest", "FILE [--config N] [--slots S,S,...] [--budget capacity|max]",
                "suggest the gems of the crafted items for the capped utility") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    const auto config = TakeOption(args, "--config");
    std::optional<std::vector<int>> slots;
    if (const auto text = TakeOption(args, "--slots");
        text && !(slots = NumberListArgument(*text, slot::Chest, slot::Ranged)))
      return UsageError(context, "--slots takes equipment slots 8..17 separated by commas");
    GemBudget budget = GemBudget::Capacity;
    if (const auto text = TakeOption(args, "--budget")) {
      const auto chosen = BudgetArgument(*text);
      if (!chosen) return UsageError(context, "--budget takes capacity or max");
      budget = *chosen;
    }
    if (!HasArguments(context, args, 1)) return kExitUsage;

    TemplateSession session(context);
    const Configuration* configuration = nullptr;
    if (const int code = session.OpenConfiguration(args[0], config, configuration)) return code;
    const Template& model = session.Model();
    if (slots) {
      for (int s : *slots)
        if (!HoldsCraftedItem(model, *configuration, s))
          return Failure(context, "slot " + std::to_string(s) + " holds no crafted item");
    } else {
      slots = CraftedSlotsCounted(model, *configuration);
    }
    const GemSuggestion suggestion =
        SuggestGems(model, session.Vault(), session.Workflow().Class(), *configuration, *slots, budget);
    for (const SuggestedItem& item : suggestion.items) WriteItem(context.out, item);
    context.out << "score\t" << FixedText(suggestion.before, kScoreDecimals) << '\t'
                << FixedText(suggestion.after, kScoreDecimals) << '\n';
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeGemSuggest() { return std::make_unique<GemSuggest>(); }

}  // namespace davoruzivi::cli
