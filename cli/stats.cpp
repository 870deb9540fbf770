// stats: the stat engine's totals, caps, differences and states of one
// configuration of a template, optionally with a vault item previewed in a
// slot as the vault loader previews it.

#include <optional>

#include "commands.h"
#include "stats/preview_change.h"
#include "stats/stat_engine.h"
#include "template/slots.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

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

void WriteLine(std::ostream& out, int stat, const StatResult& result) {
  const auto i = static_cast<std::size_t>(stat);
  out << stat << '\t' << result.Totals[i] << '\t' << result.Caps[i] << '\t' << result.Diffs[i] << '\t'
      << static_cast<int>(result.States[i]);
}

class Stats final : public Command {
 public:
  Stats() : Command("stats", "FILE [--config N] [--preview SLOT:POS]", "the totals and caps of a configuration") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    const auto config = TakeOption(args, "--config");
    const auto previewOption = TakeOption(args, "--preview");
    std::optional<Preview> preview;
    if (previewOption && !(preview = PreviewArgument(*previewOption)))
      return UsageError(context, "--preview takes SLOT:POS, a slot 0..18 and a vault position");
    if (!HasArguments(context, args, 1)) return kExitUsage;
    TemplateSession session(context);
    const Configuration* configuration = nullptr;
    if (const int code = session.OpenConfiguration(args[0], config, configuration)) return code;
    if (preview && (preview->position < 0 || static_cast<std::size_t>(preview->position) >= session.Vault().Size()))
      return Failure(context, "no vault item at position " + std::to_string(preview->position));

    if (preview) Activate(session.Model(), *preview);
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

 private:
  static void Activate(Template& model, const Preview& preview) {
    SlotPreview& slotPreview = model.Equip.Previews[static_cast<std::size_t>(preview.slot)];
    slotPreview.Active = 1;
    slotPreview.Kind = kVaultItemPreview;
    slotPreview.VaultIndex = static_cast<std::int32_t>(preview.position);
  }
};

}  // namespace

std::unique_ptr<Command> MakeStats() { return std::make_unique<Stats>(); }

}  // namespace davoruzivi::cli
