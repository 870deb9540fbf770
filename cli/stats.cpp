// stats: the stat engine's totals, caps, differences and states of one
// configuration of a template, optionally with what the windows add to the
// same computation: a vault item previewed in a slot, as the vault loader
// previews it, and the omnicrafter's plan with its tab shown.

#include <optional>

#include "commands.h"
#include "spellcraft/omnicrafter_plan.h"
#include "stats/preview_change.h"
#include "stats/stat_engine.h"
#include "template/slots.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

constexpr int kFirstPlanSlot = slot::Chest;  // the plan's slots are Chest .. Ranged

struct Preview {
  int slot;
  long long position;
};

// "SLOT:POS": an equipment slot 0..18 and a vault position.
std::optional<Preview> PreviewArgument(std::string_view text) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const auto slot = NumberArgument<int>(text.substr(0, colon));
  const auto position = NumberArgument<long long>(text.substr(colon + 1));
  if (!slot || !position || *slot < 0 || *slot >= kEquipmentSlotCount) return std::nullopt;
  return Preview{*slot, *position};
}

// What the options say of the omnicrafter's plan; an absent part keeps what
// the template holds.
struct PlanOptions {
  std::optional<std::array<bool, kPlanSlotCount>> slots;
  std::optional<OmniCrafted> gems;  // GemStats and GemAmounts only
  bool Given() const { return slots || gems; }
};

// "S,S,...": equipment slots 8..17.
std::optional<std::array<bool, kPlanSlotCount>> PlanSlotsArgument(std::string_view text) {
  const auto slots = NumberListArgument(text, kFirstPlanSlot, kFirstPlanSlot + kPlanSlotCount - 1);
  if (!slots) return std::nullopt;
  std::array<bool, kPlanSlotCount> checks{};
  for (int s : *slots) checks[static_cast<std::size_t>(s - kFirstPlanSlot)] = true;
  return checks;
}

// "STATID:AMOUNT", appended to the plan as the omnicrafter's "Add Gem" does.
bool AddGemArgument(std::string_view text, OmniCrafted& plan) {
  const auto colon = text.find(':');
  if (colon == std::string_view::npos) return false;
  const auto stat = NumberArgument<StatId>(text.substr(0, colon));
  const auto amount = NumberArgument<std::int32_t>(text.substr(colon + 1));
  if (!stat || !amount) return false;
  AddPlannedGem(plan, *stat, *amount);
  return true;
}

void ApplyPlan(const PlanOptions& options, OmniCrafted& plan) {
  plan.Enabled = 1;  // the Omnicrafter tab is shown
  if (options.slots) SetPlanSlots(plan, *options.slots);
  if (options.gems) {
    plan.GemStats = options.gems->GemStats;
    plan.GemAmounts = options.gems->GemAmounts;
  }
}

void ActivatePreview(Template& model, const Preview& preview) {
  SlotPreview& slotPreview = model.Equip.Previews[static_cast<std::size_t>(preview.slot)];
  slotPreview.Active = 1;
  slotPreview.Kind = kVaultItemPreview;
  slotPreview.VaultIndex = static_cast<std::int32_t>(preview.position);
}

void WriteLine(std::ostream& out, int stat, const StatResult& result) {
  const auto i = static_cast<std::size_t>(stat);
  out << stat << '\t' << result.Totals[i] << '\t' << result.Caps[i] << '\t' << result.Diffs[i] << '\t'
      << static_cast<int>(result.States[i]);
}

class Stats final : public Command {
 public:
  Stats()
      : Command("stats", "FILE [--config N] [--preview SLOT:POS] [--omni-slots S,S,...] [--omni-gem STATID:AMOUNT ...]",
                "the totals and caps of a configuration") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    const auto config = TakeOption(args, "--config");
    const auto previewOption = TakeOption(args, "--preview");
    std::optional<Preview> preview;
    if (previewOption && !(preview = PreviewArgument(*previewOption)))
      return UsageError(context, "--preview takes SLOT:POS, a slot 0..18 and a vault position");
    PlanOptions plan;
    if (const auto slots = TakeOption(args, "--omni-slots"); slots && !(plan.slots = PlanSlotsArgument(*slots)))
      return UsageError(context, "--omni-slots takes equipment slots 8..17 separated by commas");
    for (const std::string& gem : TakeRepeatedOption(args, "--omni-gem")) {
      if (!plan.gems) plan.gems.emplace();
      if (!AddGemArgument(gem, *plan.gems)) return UsageError(context, "--omni-gem takes STATID:AMOUNT");
    }
    if (!HasArguments(context, args, 1)) return kExitUsage;

    TemplateSession session(context);
    const Configuration* configuration = nullptr;
    if (const int code = session.OpenConfiguration(args[0], config, configuration)) return code;
    if (preview && (preview->position < 0 || static_cast<std::size_t>(preview->position) >= session.Vault().Size()))
      return Failure(context, "no vault item at position " + std::to_string(preview->position));
    if (plan.Given()) ApplyPlan(plan, session.Model().Equip.Omni);
    if (preview) ActivatePreview(session.Model(), *preview);

    const AppliedClass& applied = session.Workflow().Class();
    const StatResult result = CalcStats(session.Model(), session.Vault(), applied, *configuration);
    std::optional<StatResult> asItStands;
    if (preview) asItStands = CalcStats(session.Model(), session.Vault(), applied, *configuration, Previews::Ignored);
    for (int stat = 0; stat < kStatArraySize; ++stat) {
      WriteLine(context.out, stat, result);
      if (asItStands) context.out << '\t' << ChangeOf(stat, *asItStands, result).change;
      context.out << '\n';
    }
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeStats() { return std::make_unique<Stats>(); }

}  // namespace davoruzivi::cli
