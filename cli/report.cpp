// report: the template report of one configuration, or its HTML page.

#include "commands.h"
#include "report/template_report.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

std::optional<ReportOptions> OptionsFrom(const std::string& flags) {
  if (flags.size() != kReportOptionsCount) return std::nullopt;
  std::array<bool, kReportOptionsCount> on{};
  for (std::size_t i = 0; i < flags.size(); ++i) {
    if (flags[i] != '0' && flags[i] != '1') return std::nullopt;
    on[i] = flags[i] == '1';
  }
  return ReportOptions(on);
}

std::optional<ReportPreset> PresetFrom(const std::string& name) {
  if (name == "standard") return ReportPreset::ForumStandard;
  if (name == "brief") return ReportPreset::ForumBrief;
  if (name == "everything") return ReportPreset::Everything;
  return std::nullopt;
}

class Report final : public Command {
 public:
  Report()
      : Command("report", "FILE [--config N] [--options FLAGS | --preset standard|brief|everything] [--html]",
                "the template report of a configuration") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    const auto config = TakeOption(args, "--config");
    const auto flags = TakeOption(args, "--options");
    const auto preset = TakeOption(args, "--preset");
    const bool html = std::erase(args, "--html") > 0;
    if (!HasArguments(context, args, 1)) return kExitUsage;
    if (flags && preset) return UsageError(context, "--options and --preset exclude each other");
    ReportOptions options;
    if (flags) {
      const auto given = OptionsFrom(*flags);
      if (!given) return UsageError(context, "--options takes eleven characters 0 or 1");
      options = *given;
    }
    if (preset) {
      const auto chosen = PresetFrom(*preset);
      if (!chosen) return UsageError(context, "unknown preset " + *preset);
      ApplyPreset(options, *chosen);
    }
    TemplateSession session(context);
    const Configuration* configuration = nullptr;
    if (const int code = session.OpenConfiguration(args[0], config, configuration)) return code;
    const ReportSubject subject{session.Model(), session.Vault(), session.Workflow().Class(), *configuration};
    std::vector<std::string> lines = ComposeReport(subject, options);
    if (html) lines = ReportHtmlLines(lines, configuration->Name.View());
    for (const std::string& line : lines) WriteDataLine(context.out, line);
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeReport() { return std::make_unique<Report>(); }

}  // namespace davoruzivi::cli
