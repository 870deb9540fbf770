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
std::unique_ptr<Command> MakeTemplateDump();
std::unique_ptr<Command> MakeTemplateImport();
std::unique_ptr<Command> MakeTemplateSave();
std::unique_ptr<Command> MakeStats();
std::unique_ptr<Command> MakeContributors();
std::unique_ptr<Command> MakeReport();
std::unique_ptr<Command> MakeItem();
std::unique_ptr<Command> MakeItemFile();
std::unique_ptr<Command> MakeXml();
std::unique_ptr<Command> MakeMetrics();
std::unique_ptr<Command> MakeQuery();
std::unique_ptr<Command> MakeSpecPoints();
std::unique_ptr<Command> MakeGem();
std::unique_ptr<Command> MakeGemSuggest();
std::unique_ptr<Command> MakeSalvage();

// Every command, in the order the usage lists them.
std::vector<std::unique_ptr<Command>> AllCommands();

}  // namespace davoruzivi::cli
