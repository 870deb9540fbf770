#pragma once
// Settings that live only as long as the program runs: for the command-line
// companion, which must not change the user's stored options, and for tests.

#include <map>
#include <string>

#include "platform/settings_store.h"

namespace davoruzivi::platform {

class MemorySettingsStore final : public SettingsStore {
 public:
  bool Exists() override { return exists; }
  std::optional<std::int32_t> ReadNumber(std::string_view name) override {
    const auto found = values.find(std::string(name));
    if (found == values.end() || !std::holds_alternative<std::int32_t>(found->second)) return std::nullopt;
    return std::get<std::int32_t>(found->second);
  }
  std::optional<std::string> ReadText(std::string_view name) override {
    const auto found = values.find(std::string(name));
    if (found == values.end() || !std::holds_alternative<std::string>(found->second)) return std::nullopt;
    return std::get<std::string>(found->second);
  }
  bool WriteAll(const std::vector<NamedSetting>& all) override {
    if (!writable) return false;
    exists = true;
    ++writes;
    for (const NamedSetting& setting : all) values[setting.name] = setting.value;
    return true;
  }

  bool exists = false;    // an earlier run left settings
  bool writable = true;   // the store can be opened for writing
  int writes = 0;         // how often the whole set was written
  std::map<std::string, std::variant<std::int32_t, std::string>> values;
};

}  // namespace davoruzivi::platform
