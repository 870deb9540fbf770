// template dump: a template file loaded as the planner's Load does, written as
// the text Save would compress.

#include "commands.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

class TemplateDump final : public Command {
 public:
  TemplateDump() : Command("template dump", "FILE [--convert-servers]", "write the text Save would compress") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    std::vector<std::string> files = args;
    const bool convert = std::erase(files, "--convert-servers") > 0;
    if (!HasArguments(context, files, 1)) return kExitUsage;
    TemplateSession session(context, convert);
    if (const int code = session.LoadVault()) return code;
    if (!session.Workflow().Load(std::filesystem::path(files[0]))) return kExitFailure;
    WriteBytes(context, session.Text());
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeTemplateDump() { return std::make_unique<TemplateDump>(); }

}  // namespace davoruzivi::cli
