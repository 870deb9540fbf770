#include "model/test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/text_lines.h"

namespace davoruzivi::test {

std::string ItemBlock::Text() const {
  std::string out;
  for (const std::string* line : {&idLine, &name, &itemType, &realm, &level, &expansion, &quality, &slot, &absorb,
                                  &weaponType, &speed, &servers, &classes, &verification, &bonusLevel, &source,
                                  &notes})
    AppendLine(out, *line);
  AppendLine(out, statCount.empty() ? std::to_string(stats.size()) : statCount);
  for (const std::string& stat : stats) AppendLine(out, stat);
  AppendLine(out, procCount.empty() ? std::to_string(procs.size()) : procCount);
  for (const std::string& proc : procs) AppendLine(out, proc);
  return "\r\n" + out;
}

std::string VaultText(const std::vector<ItemBlock>& blocks, const std::string& count) {
  std::string text = "~v\r\nVault Version:1\r\nVault Date:1/27/2018\r\n";
  AppendLine(text, count.empty() ? std::to_string(blocks.size()) : count);
  AppendLine(text, "0");
  for (const ItemBlock& block : blocks) text += block.Text();
  return text;
}

MasterVault ParseOk(const std::string& text) {
  MasterVault vault;
  const VaultLoadResult result = ParseVaultText(text, vault);
  EXPECT_TRUE(result.Ok()) << result.ExitCode << " " << result.Message;
  return vault;
}

MasterVault VaultOf(const std::vector<VaultItem>& items) {
  MasterVault vault;
  for (const VaultItem& item : items) vault.PutVaultItem(static_cast<long long>(vault.Size()), item);
  return vault;
}

}  // namespace davoruzivi::test
