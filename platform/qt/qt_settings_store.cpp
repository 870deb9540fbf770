#include "platform/qt/qt_settings_store.h"

#include "platform/qt/qt_text.h"

namespace davoruzivi::platform {
namespace {

QString KeyOf(std::string_view name) { return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())); }

}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, "DavoruzivI", "DavoruzivI")) {}

QtSettingsStore::QtSettingsStore(const QString& fileName)
    : settings_(std::make_unique<QSettings>(fileName, QSettings::IniFormat)) {}

bool QtSettingsStore::Exists() { return !settings_->allKeys().isEmpty(); }

std::optional<std::int32_t> QtSettingsStore::ReadNumber(std::string_view name) {
  const QVariant value = settings_->value(KeyOf(name));
  bool isNumber = false;
  const int number = value.toInt(&isNumber);
  if (!value.isValid() || !isNumber) return std::nullopt;
  return number;
}

std::optional<std::string> QtSettingsStore::ReadText(std::string_view name) {
  const QVariant value = settings_->value(KeyOf(name));
  if (!value.isValid()) return std::nullopt;
  return value.toString().toStdString();
}

bool QtSettingsStore::WriteAll(const std::vector<NamedSetting>& values) {
  for (const NamedSetting& setting : values) {
    if (const auto* number = std::get_if<std::int32_t>(&setting.value)) settings_->setValue(KeyOf(setting.name), *number);
    else settings_->setValue(KeyOf(setting.name), QString::fromStdString(std::get<std::string>(setting.value)));
  }
  settings_->sync();
  return settings_->status() == QSettings::NoError;
}

}  // namespace davoruzivi::platform
