#include "spellcraft/omnicrafter_page.h"

#include <algorithm>
#include <cstddef>

#include "spellcraft/crafted_tables.h"
#include "spellcraft/spellcraft_rules.h"
#include "template/template_model.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

std::size_t At(int index) { return static_cast<std::size_t>(index); }

}  // namespace

OmniCrafted& OmnicrafterPage::Plan() const { return workflow_.Model().Equip.Omni; }

int OmnicrafterPage::PlanSize() const {
  return static_cast<int>(std::min(Plan().GemStats.size(), Plan().GemAmounts.size()));
}

// The plan is not part of the template file: the totals follow, nothing is modified.
void OmnicrafterPage::PlanChanged() { workflow_.Recalculate(TemplateWorkflow::Change::None); }

std::vector<std::string_view> OmnicrafterPage::StatLabels() { return ArchetypeLabels(kFullListing); }

void OmnicrafterPage::ChooseStat(int entry) {
  entry_ = GemStatOfEntry(entry) != 0 ? entry : 0;
  tier_ = GemTierCount(GemStatOfEntry(entry_)) > 0 ? 0 : -1;
}

std::vector<std::string> OmnicrafterPage::AmountTexts() const {
  std::vector<std::string> texts;
  for (int amount : GemAmounts(GemCategoryOf(GemStatOfEntry(entry_)))) texts.push_back(std::to_string(amount));
  return texts;
}

void OmnicrafterPage::ChooseAmount(int tier) {
  if (tier >= 0 && tier < GemTierCount(GemStatOfEntry(entry_))) tier_ = tier;
}

bool OmnicrafterPage::AddEnabled() const { return GemStatOfEntry(entry_) != 0 && tier_ >= 0; }

void OmnicrafterPage::AddGem() {
  if (!AddEnabled()) return;
  const StatId stat = GemStatOfEntry(entry_);
  AddPlannedGem(Plan(), stat, GemAmount(stat, tier_));
  picked_ = PlanSize() - 1;
  PlanChanged();
}

std::vector<std::string> OmnicrafterPage::GemTexts() const { return PlannedGemTexts(Plan()); }

// The plan may have changed since the gem was picked (a new template, a gem
// taken on the first page): a pick past its end is none.
int OmnicrafterPage::PickedGem() const { return picked_ < PlanSize() ? picked_ : -1; }

void OmnicrafterPage::PickGem(int position) {
  if (position < 0 || position >= PlanSize()) return;
  picked_ = position;
  const StatId stat = Plan().GemStats[At(position)];
  entry_ = std::max(GemStatEntryOf(stat), 0);
  const int tier = GemTierOf(stat, Plan().GemAmounts[At(position)]);
  tier_ = tier >= 0 ? tier : (GemTierCount(stat) > 0 ? 0 : -1);
}

void OmnicrafterPage::RemoveGem() {
  if (!RemoveEnabled()) return;
  picked_ = RemovePlannedGem(Plan(), picked_).value_or(-1);
  PlanChanged();
}

void OmnicrafterPage::RemoveAllGems() {
  if (!RemoveAllEnabled()) return;
  RemoveAllPlannedGems(Plan());
  picked_ = -1;
  PlanChanged();
}

std::array<bool, kPlanSlotCount> OmnicrafterPage::SlotChecks() const { return PlanSlotChecks(Plan()); }

void OmnicrafterPage::CheckSlot(int index, bool on) {
  if (index < 0 || index >= kPlanSlotCount) return;
  std::array<bool, kPlanSlotCount> checks = SlotChecks();
  checks[At(index)] = on;
  SetPlanSlots(Plan(), checks);
  PlanChanged();
}

std::vector<std::pair<std::string_view, std::string>> OmnicrafterPage::Analysis() const {
  return AnalysisRows(AnalyseGems(Plan()));
}

}  // namespace davoruzivi
