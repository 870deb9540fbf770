// vault unpack: the inflated bytes of a file of the planner's zlib container.

#include "commands.h"
#include "core/file_io.h"
#include "core/zlib_stream.h"

namespace davoruzivi::cli {
namespace {

class VaultUnpack final : public Command {
 public:
  VaultUnpack() : Command("vault unpack", "FILE", "inflate a master vault or other compressed file") {}

  int Execute(Context& context, const std::vector<std::string>& args) override {
    if (!HasArguments(context, args, 1)) return kExitUsage;
    const FileContent file = ReadWholeFile(args[0], kMaxCompressedSize);
    if (file.status == ReadStatus::Missing || file.status == ReadStatus::Unreadable)
      return Failure(context, "cannot read " + PathText(args[0]));
    const auto text = file.status == ReadStatus::Ok ? Inflate(file.bytes) : std::nullopt;
    if (!text) return Failure(context, PathText(args[0]) + " is not a valid compressed file");
    WriteBytes(context, *text);
    return kExitSuccess;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVaultUnpack() { return std::make_unique<VaultUnpack>(); }

}  // namespace davoruzivi::cli
