#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "platform/settings_store.h"

namespace davoruzivi::platform {

// The options in Qt's settings store: on Linux the file DavoruzivI/DavoruzivI.conf
// under the user's configuration folder.
class QtSettingsStore final : public SettingsStore {
 public:
  QtSettingsStore();
  // A store in a given file, for tests.
  explicit QtSettingsStore(const QString& fileName);

  bool Exists() override;
  std::optional<std::int32_t> ReadNumber(std::string_view name) override;
  std::optional<std::string> ReadText(std::string_view name) override;
  bool WriteAll(const std::vector<NamedSetting>& values) override;

 private:
  std::unique_ptr<QSettings> settings_;
};

}  // namespace davoruzivi::platform
