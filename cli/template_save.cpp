// template save: a template of any of the three kinds saved as a ".kwt" file.

#include "commands.h"
#include "template_session.h"

namespace davoruzivi::cli {
namespace {

class TemplateSave final : public Command {
 public:
  TemplateSave() : Command("template save", "IN OUT", "load IN and save it as the .kwt file OUT") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 2)) return kExitUsage;
    TemplateSession session(context);
    if (const int code = session.LoadVault()) return code;
    if (!session.Workflow().Load(std::filesystem::path(args[0]))) return kExitFailure;
    session.Files().saveAs = std::filesystem::path(args[1]);
    return session.Workflow().SaveAs() ? kExitSuccess : kExitFailure;
  }
};

}  // namespace

std::unique_ptr<Command> MakeTemplateSave() { return std::make_unique<TemplateSave>(); }

}  // namespace davoruzivi::cli
