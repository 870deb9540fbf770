#pragma once

#include <memory>
#include <vector>

#include "command.h"

namespace davoruzivi::cli {

std::unique_ptr<Command> MakeVaultCheck();
std::unique_ptr<Command> MakeVaultDump();
std::unique_ptr<Command> MakeVaultPack();
std::unique_ptr<Command> MakeVaultUnpack();
std::unique_ptr<Command> MakeVaultCommit();

// Every command, in the order the usage lists them.
std::vector<std::unique_ptr<Command>> AllCommands();

}  // namespace davoruzivi::cli
