#pragma once
// Where the user's options live between runs: named values, numbers (booleans
// as 0 or 1) or texts, read one by one and written back as a whole set.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace davoruzivi::platform {

struct NamedSetting {
  std::string name;
  std::variant<std::int32_t, std::string> value;
};

class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // The settings exist from an earlier run.
  virtual bool Exists() = 0;
  // A stored value of the kind asked for; nothing when it is missing or of another kind.
  virtual std::optional<std::int32_t> ReadNumber(std::string_view name) = 0;
  virtual std::optional<std::string> ReadText(std::string_view name) = 0;
  // Writes every value; false when the store cannot be opened or created.
  virtual bool WriteAll(const std::vector<NamedSetting>& values) = 0;
};

}  // namespace davoruzivi::platform
