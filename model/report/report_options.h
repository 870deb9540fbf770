#pragma once
// The eleven options of the template report, in the order of their stored
// settings (RTStats .. RTAlt), and the three presets.

#include <array>
#include <cstddef>
#include <string_view>

namespace davoruzivi {

enum class ReportOption : std::size_t {
  Stats,           // "&Template Stats"
  Details,         // "Item &Extra Details"
  DroppedStats,    // "&Dropped Item Stats"
  InlineStats,     // "&Inline Edit Item Stats"
  CraftedStats,    // "S&pellcrafted Item Stats"
  Procs,           // "Item P&rocs"
  Materials,       // "&Materials Report"
  Utility,         // "Item &Utility Values"
  Notes,           // "Item &Notes"
  Framed,          // "E&xtra Formatting"
  AlternateOrder,  // "&Alternate Item Order"
};
inline constexpr std::size_t kReportOptionsCount = 11;

class ReportOptions {
 public:
  // Every option on but the alternate item order, as a first run has them.
  ReportOptions();
  explicit ReportOptions(const std::array<bool, kReportOptionsCount>& flags) : flags_(flags) {}

  bool operator[](ReportOption option) const { return flags_[static_cast<std::size_t>(option)]; }
  void Set(ReportOption option, bool on) { flags_[static_cast<std::size_t>(option)] = on; }
  const std::array<bool, kReportOptionsCount>& Flags() const { return flags_; }

  friend bool operator==(const ReportOptions&, const ReportOptions&) = default;

 private:
  std::array<bool, kReportOptionsCount> flags_;
};

enum class ReportPreset { ForumStandard, ForumBrief, Everything };

// Sets the options a preset fixes; "&Everything enabled" leaves the item order as it was.
void ApplyPreset(ReportOptions& options, ReportPreset preset);

// The menu items' captions, in option order.
std::string_view ReportOptionCaption(ReportOption option);

}  // namespace davoruzivi
