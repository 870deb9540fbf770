#include "stats/preview_change.h"

#include <algorithm>

#include "core/wrapping.h"
#include "itemdb/master_vault.h"
#include "template/classes.h"
#include "template/template_model.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kNoChange = "No total changes.";

bool InArrays(int statId) { return statId >= 0 && statId < kStatArraySize; }
bool ComparedWithCap(int statId) { return statId <= kLastComparedStat; }

std::string Signed(std::int32_t value) { return (value > 0 ? "+" : "") + std::to_string(value); }

// Towards the cap, or onto it, without passing it.
bool MovesTowardsCap(std::int32_t before, std::int32_t after, std::int32_t capBefore, std::int32_t capAfter) {
  if (after > before) return before < capBefore && after <= capAfter;
  if (after < before) return before > capBefore && after >= capAfter;
  return false;
}

struct ChangedRow {
  std::string_view label;
  int statId;
  StatChange change;
};

std::string LineOf(const ChangedRow& row) {
  std::string line = std::string(row.label) + " " + Signed(row.change.change);
  if (ComparedWithCap(row.statId)) line += " (" + Signed(row.change.cappedGain) + " to cap)";
  return line;
}

}  // namespace

std::optional<int> PreviewedSlot(const Template& model) {
  const auto& previews = model.Equip.Previews;
  const auto active = std::find_if(previews.begin(), previews.end(), [](const SlotPreview& p) { return p.Active; });
  if (active == previews.end()) return std::nullopt;
  return static_cast<int>(active - previews.begin());
}

StatChange ChangeOf(int statId, const StatResult& before, const StatResult& after) {
  if (!InArrays(statId)) return {};
  const auto i = static_cast<std::size_t>(statId);
  const std::int32_t b = before.Totals[i];
  const std::int32_t a = after.Totals[i];
  StatChange change;
  change.change = WrappingSubtract(a, b);
  if (!ComparedWithCap(statId)) {
    change.cappedGain = change.change;
    change.helps = change.change > 0;
    return change;
  }
  const std::int32_t capBefore = before.Caps[i];
  const std::int32_t capAfter = after.Caps[i];
  change.cappedGain = WrappingSubtract(std::min(a, capAfter), std::min(b, capBefore));
  change.helps = MovesTowardsCap(b, a, capBefore, capAfter);
  return change;
}

void MarkPreviewChanges(StatPanels& panels, const StatResult& before, const StatResult& after,
                        const AppliedClass& applied) {
  for (auto& list : panels) {
    for (PanelRow& row : list) {
      if (!ClassShowsStat(applied, row.statId)) continue;
      const StatChange change = ChangeOf(row.statId, before, after);
      row.change = change.change;
      row.changeHelps = change.helps;
    }
  }
}

std::vector<std::string> ComparisonLines(std::string_view equippedName, const StatResult& before,
                                         const StatResult& after, const AppliedClass& applied) {
  std::vector<ChangedRow> changed;
  for (const DisplayGroup& group : CapFormulas()) {
    for (const DisplayRow& row : group.rows) {
      if (!ClassShowsStat(applied, row.statId)) continue;
      const StatChange change = ChangeOf(row.statId, before, after);
      if (change.change != 0) changed.push_back({row.label, row.statId, change});
    }
  }
  std::stable_sort(changed.begin(), changed.end(), [](const ChangedRow& a, const ChangedRow& b) {
    return a.change.cappedGain > b.change.cappedGain;
  });
  std::vector<std::string> lines{"", "Compared with " + std::string(equippedName) + ":"};
  for (const ChangedRow& row : changed) lines.push_back(LineOf(row));
  if (changed.empty()) lines.emplace_back(kNoChange);
  return lines;
}

std::string EquippedName(const Template& model, const MasterVault& vault, const Configuration& configuration,
                         int equipmentSlot) {
  const auto item = Resolve(model, configuration, equipmentSlot);
  if (!item) return std::string(kEmptySlotEntry);
  const ItemSlot& lists = model.ListsOf(item->kind);
  const auto position = static_cast<std::size_t>(item->position);
  switch (item->list) {
    case ItemList::Inline: return std::string(lists.InlineItems[position].Name.View());
    case ItemList::Crafted: return std::string(lists.CraftedItems[position].Name.View());
    case ItemList::Vault: break;
  }
  const auto vaultPosition = lists.VaultIds[position];
  if (vaultPosition < 0 || static_cast<std::size_t>(vaultPosition) >= vault.Size()) return std::string(kEmptySlotEntry);
  return std::string(vault.Items()[static_cast<std::size_t>(vaultPosition)].Name.View());
}

}  // namespace davoruzivi
