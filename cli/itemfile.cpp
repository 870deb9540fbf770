// itemfile: import a single-item file or an item list into the loaded vault and
// print the vault block of each record it appended.

#include "commands.h"
#include "core/cp1252.h"
#include "core/text_lines.h"
#include "itemdb/itemdb.h"

namespace davoruzivi::cli {
namespace {

bool IsItemList(const std::filesystem::path& path) { return EqualIgnoringCase(path.extension().string(), ".kwj"); }

class ItemFile final : public Command {
 public:
  ItemFile()
      : Command("itemfile", "FILE",
                "import a .kwx, .kwi, .kwz or .kwj file and print the vault block of each record it adds") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 1)) return kExitUsage;
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    const std::filesystem::path path = args[0];
    std::vector<std::size_t> positions;
    if (IsItemList(path)) {
      positions = ImportItemList(path, vault, context.messages);
    } else if (const auto position = ImportItemFile(path, vault, context.messages)) {
      positions.push_back(*position);
    }
    if (positions.empty()) return kExitFailure;
    for (const std::size_t position : positions) {
      const std::string block = WriteVaultBlock(vault, position);
      for (const std::string_view line : SplitLines(block)) WriteDataLine(context.out, line);
    }
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeItemFile() { return std::make_unique<ItemFile>(); }

}  // namespace davoruzivi::cli
