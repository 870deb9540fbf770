// item: the description of one vault item, in the information panel's form
// (title first) or the vault lists' form.

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#include "commands.h"
#include "core/cp1252.h"
#include "describe/describe.h"
#include "itemdb/itemdb.h"
#include "template/classes.h"

namespace davoruzivi::cli {
namespace {


std::optional<DescriptionForm> FormOf(std::string_view word) {
  if (word == "panel") return DescriptionForm::Panel;
  if (word == "list") return DescriptionForm::List;
  return std::nullopt;
}


struct ItemRequest {
  long long position = 0;
  DescriptionForm form = DescriptionForm::Panel;
  int classIndex = 0;
};

class Item final : public Command {
 public:
  Item()
      : Command("item", "POS [--form panel|list] [--class CLASS]",
                "describe the vault item at a position as the information panel or the vault lists show it") {}

  int Execute(Context& context, const std::vector<std::string>& arguments) override {
    std::vector<std::string> args = arguments;
    ItemRequest request;
    if (const auto form = TakeOption(args, "--form")) {
      const auto chosen = FormOf(*form);
      if (!chosen) return UsageError(context, "bad value for --form: " + *form);
      request.form = *chosen;
    }
    if (const auto classText = TakeOption(args, "--class")) {
      const auto chosen = ClassArgument(*classText);
      if (!chosen) return UsageError(context, "bad value for --class: " + *classText);
      request.classIndex = *chosen;
    }
    if (!HasArguments(context, args, 1)) return kExitUsage;
    const auto position = NumberArgument<long long>(args[0]);
    if (!position) return UsageError(context, "bad position: " + args[0]);
    request.position = *position;

    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    Describe(context, vault, request);
    return kExitSuccess;
  }

 private:
  static void Describe(Context& context, const MasterVault& vault, const ItemRequest& request) {
    const VaultItem item = vault.GetVaultItem(request.position, context.messages);
    const ItemDescription description =
        DescribeVaultItem(item, request.form, ContextForClass(vault.Vocabularies(), request.classIndex));
    if (request.form == DescriptionForm::Panel) WriteDataLine(context.out, description.title);
    for (const std::string& line : description.lines) WriteDataLine(context.out, line);
  }
};

}  // namespace

std::unique_ptr<Command> MakeItem() { return std::make_unique<Item>(); }

}  // namespace davoruzivi::cli
