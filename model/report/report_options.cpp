#include "report/report_options.h"

#include <optional>

namespace davoruzivi {
namespace {

// Per option: the forum standard, forum brief and everything presets; nothing
// where a preset leaves the option as it was.
struct PresetRow {
  bool standard;
  bool brief;
  std::optional<bool> everything;
};

constexpr std::array<PresetRow, kReportOptionsCount> kPresets = {{
    {true, true, true},     // Stats
    {false, false, true},   // Details
    {true, false, true},    // DroppedStats
    {true, true, true},     // InlineStats
    {true, true, true},     // CraftedStats
    {false, false, true},   // Procs
    {false, false, true},   // Materials
    {true, false, true},    // Utility
    {false, false, true},   // Notes
    {false, false, true},   // Framed
    {true, true, std::nullopt},  // AlternateOrder
}};

}  // namespace

ReportOptions::ReportOptions() : flags_{true, true, true, true, true, true, true, true, true, true, false} {}

void ApplyPreset(ReportOptions& options, ReportPreset preset) {
  for (std::size_t i = 0; i < kReportOptionsCount; ++i) {
    const PresetRow& row = kPresets[i];
    const auto option = static_cast<ReportOption>(i);
    switch (preset) {
      case ReportPreset::ForumStandard: options.Set(option, row.standard); break;
      case ReportPreset::ForumBrief: options.Set(option, row.brief); break;
      case ReportPreset::Everything:
        if (row.everything) options.Set(option, *row.everything);
        break;
    }
  }
}

std::string_view ReportOptionCaption(ReportOption option) {
  static constexpr std::array<std::string_view, kReportOptionsCount> kCaptions = {
      "&Template Stats",        "Item &Extra Details", "&Dropped Item Stats",  "&Inline Edit Item Stats",
      "S&pellcrafted Item Stats", "Item P&rocs",       "&Materials Report",    "Item &Utility Values",
      "Item &Notes",            "E&xtra Formatting",   "&Alternate Item Order"};
  return kCaptions[static_cast<std::size_t>(option)];
}

}  // namespace davoruzivi
