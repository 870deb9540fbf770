#include "commands.h"

namespace davoruzivi::cli {

std::vector<std::unique_ptr<Command>> AllCommands() {
  std::vector<std::unique_ptr<Command>> commands;
  commands.push_back(MakeVaultCheck());
  commands.push_back(MakeVaultDump());
  commands.push_back(MakeVaultPack());
  commands.push_back(MakeVaultUnpack());
  commands.push_back(MakeVaultCommit());
  commands.push_back(MakeTemplateDump());
  commands.push_back(MakeTemplateImport());
  commands.push_back(MakeTemplateSave());
  commands.push_back(MakeStats());
  commands.push_back(MakeContributors());
  commands.push_back(MakeReport());
  commands.push_back(MakeItem());
  commands.push_back(MakeItemFile());
  commands.push_back(MakeXml());
  commands.push_back(MakeMetrics());
  commands.push_back(MakeQuery());
  commands.push_back(MakeSpecPoints());
  commands.push_back(MakeGem());
  commands.push_back(MakeGemSuggest());
  commands.push_back(MakeSalvage());
  return commands;
}

}  // namespace davoruzivi::cli
