// template import: one template file imported into another, as the planner's
// Import does.

#include "commands.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

class TemplateImport final : public Command {
 public:
  TemplateImport() : Command("template import", "BASE FILE", "import FILE into BASE and write the result") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 2)) return kExitUsage;
    TemplateSession session(context);
    if (const int code = session.LoadVault()) return code;
    if (!session.Workflow().Load(std::filesystem::path(args[0]))) return kExitFailure;
    if (!session.Workflow().Import(std::filesystem::path(args[1]))) return kExitFailure;
    WriteBytes(context, session.Text());
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeTemplateImport() { return std::make_unique<TemplateImport>(); }

}  // namespace davoruzivi::cli
