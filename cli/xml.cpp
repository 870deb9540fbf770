// xml: convert an item XML text as the inline editor's import does and print
// the name and the ten bonus slots.

#include "commands.h"
#include "core/file_io.h"
#include "core/text_lines.h"
#include "itemdb/itemdb.h"

namespace davoruzivi::cli {
namespace {

constexpr std::string_view kNotItemXmlMessage = "This is not an item XML file";
constexpr std::size_t kMaxXmlSize = std::size_t{16} << 20;

class Xml final : public Command {
 public:
  Xml() : Command("xml", "FILE", "convert an item XML file and print its name and bonuses") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 1)) return kExitUsage;
    MasterVault vault;
    if (const int code = LoadVault(context, vault)) return code;
    const FileContent file = ReadWholeFile(args[0], kMaxXmlSize);
    if (file.status != ReadStatus::Ok) return Failure(context, "cannot read " + PathText(args[0]));
    const std::vector<std::string_view> lines = SplitLines(file.bytes);
    if (ItemTextKindOf(lines) != ItemTextKind::ItemXml) {
      context.messages.Notify(kNotItemXmlMessage);
      return kExitFailure;
    }
    const ItemTextConversion conversion = ConvertItemText(lines, context.messages);
    if (!conversion.Success) return kExitFailure;
    WriteDataLine(context.out, conversion.Item.Name);
    for (int n = 0; n < kBonusSlots; ++n)
      context.out << conversion.Item.StatIds[n] << '\t' << conversion.Item.StatValues[n] << '\n';
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeXml() { return std::make_unique<Xml>(); }

}  // namespace davoruzivi::cli
