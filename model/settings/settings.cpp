#include "settings/settings.h"

#include <optional>
#include <vector>

#include "itemdb/vault_sort.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "template/classes.h"

namespace davoruzivi {
namespace {

// A number of the store: the value it takes when the store lacks it, and the
// values it may hold (any other reads as missing).
struct NumberSetting {
  std::int32_t missing;
  bool (*valid)(std::int32_t);
};

bool AnyNumber(std::int32_t) { return true; }

template <std::int32_t Count>
bool IndexBelow(std::int32_t value) { return value >= 0 && value < Count; }

// Hidden, shown, or the mark that every start sets.
bool QuickbarState(std::int32_t value) { return value == 0 || value == 1 || value == 255; }

// Calls visit(name, field, valueWhenMissing) for every value, in the order the
// store writes them; a number's valueWhenMissing is a NumberSetting. The
// fields' own initial values are the first run's.
template <typename S, typename Visit>
void VisitSettings(S& settings, Visit&& visit) {
  visit("Quickbar", settings.Quickbar, NumberSetting{255, QuickbarState});
  visit("StartMax", settings.StartMax, true);
  visit("VerifiedOnly", settings.VerifiedOnly, false);
  visit("VaultVersion", settings.VaultVersion, NumberSetting{0, AnyNumber});
  visit("WSlot", settings.WSlot, true);
  visit("Server", settings.Server, NumberSetting{0, IndexBelow<kServerTypeCount>});
  visit("Realm", settings.Realm, NumberSetting{0, IndexBelow<realm::Midgard + 1>});
  visit("Hover", settings.Hover, true);
  visit("Sorting", settings.Sorting, NumberSetting{0, IndexBelow<kVaultSortOrderCount>});
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
  void operator()(const std::string& name, std::int32_t& field, NumberSetting setting) {
    const std::optional<std::int32_t> stored = store_.ReadNumber(name);
    field = stored && setting.valid(*stored) ? *stored : setting.missing;
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
