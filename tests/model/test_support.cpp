#include "model/test_support.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <fstream>
#include <iterator>

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

TemporaryFolder::TemporaryFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("davoruzivi-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> TemporaryFolder::Entries() const {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(path_)) names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace davoruzivi::test
