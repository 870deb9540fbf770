// stats: the stat engine's totals, caps, differences and states of one
// configuration of a template.

#include "commands.h"
#include "stats/stat_engine.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

class Stats final : public Command {
 public:
  Stats() : Command("stats", "FILE [--config N]", "the totals and caps of a configuration") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    const auto config = TakeOption(args, "--config");
    if (!HasArguments(context, args, 1)) return kExitUsage;
    TemplateSession session(context);
    const Configuration* configuration = nullptr;
    if (const int code = session.OpenConfiguration(args[0], config, configuration)) return code;
    const StatResult result = CalcStats(session.Model(), session.Vault(), session.Workflow().Class(), *configuration);
    for (int stat = 0; stat < kStatArraySize; ++stat) {
      const auto i = static_cast<std::size_t>(stat);
      context.out << stat << '\t' << result.Totals[i] << '\t' << result.Caps[i] << '\t' << result.Diffs[i] << '\t'
                  << static_cast<int>(result.States[i]) << '\n';
    }
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeStats() { return std::make_unique<Stats>(); }

}  // namespace davoruzivi::cli
