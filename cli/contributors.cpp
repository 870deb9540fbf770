// contributors: the report of the items behind one stat row of the panels.

#include "commands.h"
#include "core/cp1252.h"
#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

class Contributors final : public Command {
 public:
  Contributors() : Command("contributors", "FILE STATLABEL [--config N]", "the items that give one stat row") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    const auto config = TakeOption(args, "--config");
    if (!HasArguments(context, args, 2)) return kExitUsage;
    TemplateSession session(context);
    const Configuration* configuration = nullptr;
    if (const int code = session.OpenConfiguration(args[0], config, configuration)) return code;
    const AppliedClass& applied = session.Workflow().Class();
    const StatResult result = CalcStats(session.Model(), session.Vault(), applied, *configuration);
    const auto captions = SlotButtonCaptions(session.Model(), session.Vault(), *configuration);
    const auto report = BuildContributorReport(Utf8ToCp1252(args[1]), session.Model(), session.Vault(), applied,
                                               *configuration, result, captions);
    if (!report) return kExitSuccess;
    WriteDataLine(context.out, report->title);
    for (const std::string& line : report->lines) WriteDataLine(context.out, line);
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeContributors() { return std::make_unique<Contributors>(); }

}  // namespace davoruzivi::cli
