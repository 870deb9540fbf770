#pragma once
// The user's options, kept between runs in the settings store and written back
// as a whole set whenever one of them changes.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "report/report_options.h"

namespace davoruzivi {

namespace platform {
class MessageBox;
class SettingsStore;
}  // namespace platform

inline constexpr int kRecentTemplateCount = 5;

struct Settings {
  std::int32_t Quickbar = 255;   // 0 hidden, 1 shown; 255 at every start
  bool StartMax = true;
  bool VerifiedOnly = false;     // carried, not used
  std::int32_t VaultVersion = 1; // carried, not used
  bool WSlot = true;             // choose the weapons with the slot
  std::int32_t Server = 5;       // default server type of a new template
  std::int32_t Realm = 0;        // default realm of a new template
  bool Hover = true;             // controls take the focus as the mouse enters them
  std::int32_t Sorting = 3;      // default sort order of item lists
  std::array<std::string, kRecentTemplateCount> Files;  // recent templates, most recent first
  // RTStats, RTDetails, RTDStats, RTIStats, RTCStats, RTProcs, RTMats, RTUtil, RTNotes, RTFormat, RTAlt.
  std::array<bool, kReportOptionsCount> ReportFlags = ReportOptions().Flags();

  friend bool operator==(const Settings&, const Settings&) = default;
};

inline constexpr std::string_view kDefaultSettingsMessage =
    "Startup registry settings were not found, default options set.";
inline constexpr std::string_view kDefaultSettingsCaption = "Default Options Set";

// Every value as a first run sets it.
Settings DefaultSettings();

// Reads every value; one the store lacks takes the value a store that exists
// but misses it gives (which differs from a first run's for a few values).
// So does a number outside its values: a server type other than 0..6, a realm
// other than 0..2, a sort order other than 0..6, a quick bar state other than
// 0, 1 and 255.
Settings ReadSettings(platform::SettingsStore& store);

// Writes the whole set; a store that cannot be written is passed over silently.
void SaveSettings(const Settings& settings, platform::SettingsStore& store);

// The settings at start-up: read and written back when an earlier run left
// them; otherwise the first run's values, written, and the user told so.
Settings StartupSettings(platform::SettingsStore& store, platform::MessageBox& messages);

}  // namespace davoruzivi
