// vault pack: compress a vault text into a master vault file.

#include "commands.h"
#include "core/file_io.h"
#include "core/zlib_stream.h"
#include "itemdb/itemdb.h"

namespace davoruzivi::cli {
namespace {

class VaultPack final : public Command {
 public:
  VaultPack() : Command("vault pack", "TEXTFILE OUTFILE", "compress a vault text into a master vault file") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 2)) return kExitUsage;
    const FileContent text = ReadWholeFile(args[0], kMaxInflatedSize);
    if (text.status != ReadStatus::Ok) return Failure(context, "cannot read " + PathText(args[0]));
    if (auto error = WriteFileAtomically(args[1], CompressVaultText(text.bytes))) return Failure(context, *error);
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVaultPack() { return std::make_unique<VaultPack>(); }

}  // namespace davoruzivi::cli
