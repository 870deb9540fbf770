#include "settings/settings.h"

#include <vector>

#include "platform/message_box.h"
#include "platform/settings_store.h"

namespace davoruzivi {
namespace {

// Calls visit(name, field, valueWhenMissing) for every value, in the order the
// store writes them. The fields' own initial values are the first run's.
template <typename S, typename Visit>
void VisitSettings(S& settings, Visit&& visit) {
  visit("Quickbar", settings.Quickbar, std::int32_t{255});
  visit("StartMax", settings.StartMax, true);
  visit("VerifiedOnly", settings.VerifiedOnly, false);
  visit("VaultVersion", settings.VaultVersion, std::int32_t{0});
  visit("WSlot", settings.WSlot, true);
  visit("Server", settings.Server, std::int32_t{0});
  visit("Realm", settings.Realm, std::int32_t{0});
  visit("Hover", settings.Hover, true);
  visit("Sorting", settings.Sorting, std::int32_t{0});
  for (int n = 0; n < kRecentTemplateCount; ++n)
    visit("File" + std::to_string(n + 1), settings.Files[static_cast<std::size_t>(n)], std::string());
  static constexpr const char* kReportOptionNames[kReportOptionsCount] = {
      "RTStats", "RTDetails", "RTDStats", "RTIStats", "RTCStats", "RTProcs",
      "RTMats",  "RTUtil",    "RTNotes",  "RTFormat", "RTAlt"};
  // A store that lacks a report option has it on, but for the alternate item order.
  for (std::size_t i = 0; i < kReportOptionsCount; ++i)
    visit(kReportOptionNames[i], settings.ReportFlags[i], i != static_cast<std::size_t>(ReportOption::AlternateOrder));
}

class Reader {
 public:
  explicit Reader(platform::SettingsStore& store) : store_(store) {}
  void operator()(const std::string& name, std::int32_t& field, std::int32_t missing) {
    field = store_.ReadNumber(name).value_or(missing);
  }
  void operator()(const std::string& name, bool& field, bool missing) {
    field = store_.ReadNumber(name).value_or(missing ? 1 : 0) != 0;
  }
  void operator()(const std::string& name, std::string& field, const std::string& missing) {
    field = store_.ReadText(name).value_or(missing);
  }

 private:
  platform::SettingsStore& store_;
};

}  // namespace

Settings DefaultSettings() { return Settings{}; }

Settings ReadSettings(platform::SettingsStore& store) {
  Settings settings;
  VisitSettings(settings, Reader(store));
  return settings;
}

void SaveSettings(const Settings& settings, platform::SettingsStore& store) {
  std::vector<platform::NamedSetting> values;
  VisitSettings(settings, [&values](const std::string& name, const auto& field, const auto&) {
    using Field = std::decay_t<decltype(field)>;
    if constexpr (std::is_same_v<Field, std::string>) values.push_back({name, field});
    else values.push_back({name, static_cast<std::int32_t>(field)});
  });
  store.WriteAll(values);
}

Settings StartupSettings(platform::SettingsStore& store, platform::MessageBox& messages) {
  if (store.Exists()) {
    Settings settings = ReadSettings(store);
    SaveSettings(settings, store);
    return settings;
  }
  Settings settings = DefaultSettings();
  SaveSettings(settings, store);
  messages.Show(kDefaultSettingsMessage, kDefaultSettingsCaption);
  return settings;
}

}  // namespace davoruzivi
