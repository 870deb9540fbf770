#include "spellcraft/gem_suggestion.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "core/decimal_text.h"
#include "itemdb/item_metrics.h"
#include "spellcraft/omnicrafter_plan.h"
#include "spellcraft/spellcraft_rules.h"
#include "stats/stat_panels.h"
#include "template/configuration.h"
#include "template/slots.h"
#include "template/template_model.h"

namespace davoruzivi {
namespace {

constexpr double kEpsilon = 1e-9;
constexpr StatList kCountedLists[] = {StatList::RegStats, StatList::Resists, StatList::Skills};

std::size_t At(int index) { return static_cast<std::size_t>(index); }

bool IsCraftedSlot(int equipmentSlot) { return equipmentSlot >= slot::Chest && equipmentSlot <= slot::Ranged; }

bool InCountedList(int statId) {
  return std::find(std::begin(kCountedLists), std::end(kCountedLists), StatListOf(statId)) != std::end(kCountedLists);
}

// The stats the capped utility counts for the class: those the three lists
// can show with their totals, and worth something.
std::vector<int> CountedStats(const AppliedClass& applied) {
  std::vector<int> stats;
  for (const DisplayGroup& group : CapFormulas())
    for (const DisplayRow& row : group.rows)
      if (InCountedList(row.statId) && ClassShowsStat(applied, row.statId) && ToAUtilityWorth(row.statId) > 0 &&
          std::find(stats.begin(), stats.end(), row.statId) == stats.end())
        stats.push_back(row.statId);
  return stats;
}

using Totals = std::vector<std::int64_t>;

// The configuration as the suggestion sees it: the counted stats with their
// worth, totals and caps, and for each gem of the gem stat list the counted
// stats its amount adds to.
class UtilityPicture {
 public:
  UtilityPicture(const StatResult& result, const AppliedClass& applied) {
    const std::vector<int> stats = CountedStats(applied);
    for (int stat : stats) {
      worth_.push_back(ToAUtilityWorth(stat));
      totals_.push_back(result.Totals[At(stat)]);
      caps_.push_back(result.Caps[At(stat)]);
    }
    effects_.resize(At(kGemStatEntryCount));
    for (std::size_t k = 0; k < stats.size(); ++k) {
      const std::vector<int> added = BonusesAddedTo(stats[k], applied);
      for (int entry = 1; entry < kGemStatEntryCount; ++entry) {
        const int gemStat = GemStatOfEntry(entry);
        const auto times = (gemStat == stats[k] ? 1 : 0) + std::count(added.begin(), added.end(), gemStat);
        for (auto n = 0; n < times; ++n) effects_[At(entry)].push_back(static_cast<int>(k));
      }
    }
  }

  const Totals& StartTotals() const { return totals_; }
  const std::vector<int>& Effects(int entry) const { return effects_[At(entry)]; }

  double Utility(const Totals& totals) const {
    double sum = 0.0;
    for (std::size_t k = 0; k < worth_.size(); ++k)
      sum += worth_[k] * static_cast<double>(std::min(totals[k], caps_[k]));
    return sum;
  }

  // What adding the amount to counted stat k is worth at the total.
  double Gain(std::size_t k, std::int64_t total, std::int64_t amount) const {
    return worth_[k] * static_cast<double>(std::min(total + amount, caps_[k]) - std::min(total, caps_[k]));
  }

  void Add(Totals& totals, int entry, std::int64_t amount) const {
    for (int k : effects_[At(entry)]) totals[At(k)] += amount;
  }

 private:
  std::vector<double> worth_;
  Totals totals_;
  std::vector<std::int64_t> caps_;
  std::vector<std::vector<int>> effects_;
};

// A gem worth adding: its gem stat list entry, tier, amount, whole imbue
// points and what it is worth alone.
struct Candidate {
  int entry;
  int tier;
  std::int32_t amount;
  int points;
  double value;
};

int WholePoints(double points) { return static_cast<int>(std::lround(points)); }

// The largest sum + high gem points an item may carry: twice its budget.
int PointLimit(const CraftedItem& item, GemBudget budget) {
  const double charge = budget == GemBudget::Capacity ? ImbueCapacity(item.ItemLevel, item.Absorption)
                                                      : MaxOvercharge(item.ItemLevel, item.Absorption);
  return static_cast<int>(std::floor(2 * charge + kEpsilon));
}

// The best gems of one item over base totals: a depth-first search over the
// candidates, best first, cut off where even the best remaining gems within
// the remaining points could not beat what is found. A gem is never worth
// more beside others than alone (each stat counts up to its cap), so the
// bounds hold and the result is exact.
class ItemSearch {
 public:
  ItemSearch(const UtilityPicture& picture, const Totals& base, int limit)
      : picture_(picture), totals_(base), limit_(limit) {
    CollectCandidates();
    BuildBoundTable();
  }

  std::vector<Candidate> Best() {
    Search(0, 0, 0, 0, 0.0);
    return best_;
  }

 private:
  void CollectCandidates() {
    for (int entry = 1; entry < kGemStatEntryCount; ++entry) {
      if (picture_.Effects(entry).empty()) continue;
      const StatId stat = GemStatOfEntry(entry);
      double bestCheaper = kEpsilon;
      // Tiers by points: a tier is kept only when it is worth more than every cheaper one.
      std::vector<Candidate> tiers;
      for (int tier = 0; tier < GemTierCount(stat); ++tier) {
        const std::int32_t amount = GemAmount(stat, tier);
        const int points = WholePoints(GemTierImbuePoints(stat, tier));
        if (2 * points > limit_) continue;
        tiers.push_back({entry, tier, amount, points, ValueAlone(entry, amount)});
      }
      std::stable_sort(tiers.begin(), tiers.end(), [](const Candidate& a, const Candidate& b) {
        return a.points < b.points || (a.points == b.points && a.value > b.value);
      });
      for (const Candidate& candidate : tiers) {
        if (candidate.value <= bestCheaper) continue;
        bestCheaper = candidate.value + kEpsilon;
        candidates_.push_back(candidate);
      }
    }
    std::stable_sort(candidates_.begin(), candidates_.end(), [](const Candidate& a, const Candidate& b) {
      if (std::abs(a.value - b.value) > kEpsilon) return a.value > b.value;
      return a.points < b.points;
    });
  }

  double ValueAlone(int entry, std::int64_t amount) const {
    double value = 0.0;
    for (int k : picture_.Effects(entry)) value += picture_.Gain(At(k), totals_[At(k)], amount);
    return value;
  }

  // bound_[r][points]: the most that r gems of at most that many points
  // together can be worth alone, whatever their stats.
  void BuildBoundTable() {
    bound_.assign(kGemSlots + 1, std::vector<double>(At(std::max(limit_, 0) + 1), 0.0));
    for (const Candidate& candidate : candidates_)
      for (int r = kGemSlots; r >= 1; --r)
        for (int points = limit_; points >= candidate.points; --points)
          bound_[At(r)][At(points)] =
              std::max(bound_[At(r)][At(points)], bound_[At(r - 1)][At(points - candidate.points)] + candidate.value);
  }

  double RemainingBound(int gems, int points) const {
    if (gems <= 0 || points < 0) return 0.0;
    return bound_[At(gems)][At(points)];
  }

  void Search(std::size_t from, int depth, int sum, int high, double value) {
    if (value > bestValue_ + kEpsilon) {
      bestValue_ = value;
      best_ = chosen_;
    }
    if (depth == kGemSlots) return;
    for (std::size_t i = from; i < candidates_.size(); ++i) {
      const Candidate& candidate = candidates_[i];
      if (value + candidate.value + NextValues(i + 1, kGemSlots - depth - 1) <= bestValue_ + kEpsilon) break;
      const int newSum = sum + candidate.points;
      const int newHigh = std::max(high, candidate.points);
      if (newSum + newHigh > limit_ || StatChosen(candidate.entry)) continue;
      if (value + candidate.value + RemainingBound(kGemSlots - depth - 1, limit_ - newSum - newHigh) <=
          bestValue_ + kEpsilon)
        continue;
      const double gain = ValueAlone(candidate.entry, candidate.amount);
      picture_.Add(totals_, candidate.entry, candidate.amount);
      chosen_.push_back(candidate);
      Search(i + 1, depth + 1, newSum, newHigh, value + gain);
      chosen_.pop_back();
      picture_.Add(totals_, candidate.entry, -candidate.amount);
    }
  }

  // The candidates are by value, best first: the next `count` are the best left.
  double NextValues(std::size_t from, int count) const {
    double sum = 0.0;
    for (std::size_t i = from; i < candidates_.size() && count > 0; ++i, --count) sum += candidates_[i].value;
    return sum;
  }

  bool StatChosen(int entry) const {
    return std::any_of(chosen_.begin(), chosen_.end(), [entry](const Candidate& c) { return c.entry == entry; });
  }

  const UtilityPicture& picture_;
  Totals totals_;
  int limit_;
  std::vector<Candidate> candidates_;
  std::vector<std::vector<double>> bound_;
  std::vector<Candidate> chosen_;
  std::vector<Candidate> best_;
  double bestValue_ = 0.0;
};

// The gems of one item while the suggestion works: gem stat list entries and amounts.
struct WorkingGem {
  int entry = 0;
  std::int32_t amount = 0;
};
using WorkingGems = std::vector<WorkingGem>;

// The item's gems when they are real gems (each stat once, at an amount of
// its tier list) within the budget; none otherwise.
WorkingGems LoadedGems(const CraftedItem& item, GemBudget budget) {
  WorkingGems gems;
  std::array<double, kGemSlots> points{};
  for (int slot = 0; slot < kGemSlots; ++slot) {
    const StatId stat = item.StatIds[At(slot)];
    if (stat == 0) continue;
    const int entry = GemStatEntryOf(stat);
    const std::int32_t amount = item.StatValues[At(slot)];
    const bool repeated =
        std::any_of(gems.begin(), gems.end(), [entry](const WorkingGem& g) { return g.entry == entry; });
    if (entry < 1 || GemTierOf(stat, amount) < 0 || repeated) return {};
    gems.push_back({entry, amount});
    points[At(slot)] = GemImbuePoints(stat, amount);
  }
  const int sumAndHigh = WholePoints(2 * ItemCharge(points).charge);
  return sumAndHigh <= PointLimit(item, budget) ? gems : WorkingGems{};
}

void AddGems(const UtilityPicture& picture, Totals& totals, const WorkingGems& gems, int sign) {
  for (const WorkingGem& gem : gems) picture.Add(totals, gem.entry, sign * static_cast<std::int64_t>(gem.amount));
}

WorkingGems GemsOf(const std::vector<Candidate>& candidates) {
  WorkingGems gems;
  for (const Candidate& candidate : candidates) gems.push_back({candidate.entry, candidate.amount});
  return gems;
}

// Items improved one at a time, slots ascending, each to its best over the
// others, until a whole pass improves none.
struct Ascent {
  const UtilityPicture& picture;
  const std::vector<int>& limits;

  double Run(Totals& totals, std::vector<WorkingGems>& gems) const {
    for (bool improved = true; improved;) {
      improved = false;
      for (std::size_t item = 0; item < gems.size(); ++item) {
        Totals base = totals;
        AddGems(picture, base, gems[item], -1);
        WorkingGems proposal = GemsOf(ItemSearch(picture, base, limits[item]).Best());
        Totals proposed = base;
        AddGems(picture, proposed, proposal, +1);
        if (picture.Utility(proposed) > picture.Utility(totals) + kEpsilon) {
          totals = std::move(proposed);
          gems[item] = std::move(proposal);
          improved = true;
        }
      }
    }
    return picture.Utility(totals);
  }
};

SuggestedItem Suggested(int equipmentSlot, const WorkingGems& gems) {
  SuggestedItem suggested;
  suggested.equipmentSlot = equipmentSlot;
  std::array<double, kGemSlots> points{};
  for (std::size_t slot = 0; slot < gems.size() && slot < suggested.gems.size(); ++slot) {
    const StatId stat = GemStatOfEntry(gems[slot].entry);
    suggested.gems[slot] = {stat, gems[slot].amount,
                            static_cast<std::uint16_t>(std::max(0, GemTierOf(stat, gems[slot].amount)))};
    points[slot] = GemImbuePoints(stat, gems[slot].amount);
  }
  suggested.charge = ItemCharge(points).charge;
  return suggested;
}

}  // namespace

double CappedUtility(const StatResult& result, const AppliedClass& applied) {
  double sum = 0.0;
  for (int stat : CountedStats(applied))
    sum += ToAUtilityWorth(stat) * std::min(result.Totals[At(stat)], result.Caps[At(stat)]);
  return sum;
}

bool HoldsCraftedItem(const Template& model, const Configuration& configuration, int equipmentSlot) {
  const auto item = Resolve(model, configuration, equipmentSlot);
  return IsCraftedSlot(equipmentSlot) && item && item->list == ItemList::Crafted;
}

std::vector<int> CraftedSlotsCounted(const Template& model, const Configuration& configuration) {
  std::vector<int> slots;
  const OmniCrafted& omni = model.Equip.Omni;
  for (int s = slot::Chest; s <= slot::Ranged; ++s)
    if (HoldsCraftedItem(model, configuration, s) && WeaponsChoiceCounts(s, configuration.WeaponsEquipped) &&
        !(omni.Enabled && omni.SlotFlags[At(s)]))
      slots.push_back(s);
  return slots;
}

CraftedItem& CraftedItemIn(Template& model, const Configuration& configuration, int equipmentSlot) {
  const ResolvedItem item = *Resolve(model, configuration, equipmentSlot);
  return model.ListsOf(item.kind).CraftedItems[At(item.position)];
}

void ApplySuggestedGems(const SuggestedItem& suggested, CraftedItem& item) {
  for (std::size_t slot = 0; slot < suggested.gems.size(); ++slot) {
    item.StatIds[slot] = suggested.gems[slot].stat;
    item.StatValues[slot] = suggested.gems[slot].amount;
    item.GemTiers[slot] = suggested.gems[slot].tier;
  }
}

GemSuggestion SuggestGems(const Template& model, const MasterVault& vault, const AppliedClass& applied,
                          const Configuration& configuration, std::span<const int> slots, GemBudget budget) {
  GemSuggestion suggestion;
  suggestion.before = CappedUtility(CalcStats(model, vault, applied, configuration), applied);
  // Each crafted slot once, ascending; a slot without a crafted item has no gems to suggest.
  std::vector<int> ordered;
  for (int s : slots)
    if (HoldsCraftedItem(model, configuration, s)) ordered.push_back(s);
  std::sort(ordered.begin(), ordered.end());
  ordered.erase(std::unique(ordered.begin(), ordered.end()), ordered.end());

  // One engine run with the starting gems in place gives every total; the
  // suggestion then moves the totals by the gems' amounts alone.
  Template working = model;
  std::vector<WorkingGems> loaded;
  std::vector<int> limits;
  for (int s : ordered) {
    CraftedItem& item = CraftedItemIn(working, configuration, s);
    loaded.push_back(LoadedGems(item, budget));
    limits.push_back(PointLimit(item, budget));
    ApplySuggestedGems(Suggested(s, loaded.back()), item);
  }
  const UtilityPicture picture(CalcStats(working, vault, applied, configuration), applied);
  const Ascent ascent{picture, limits};

  Totals fromLoaded = picture.StartTotals();
  std::vector<WorkingGems> gems = loaded;
  const double loadedStart = ascent.Run(fromLoaded, gems);
  // A second start from empty items; the better end is kept.
  Totals fromEmpty = picture.StartTotals();
  for (const WorkingGems& item : loaded) AddGems(picture, fromEmpty, item, -1);
  std::vector<WorkingGems> emptyGems(loaded.size());
  if (ascent.Run(fromEmpty, emptyGems) > loadedStart + kEpsilon) gems = std::move(emptyGems);

  for (std::size_t item = 0; item < ordered.size(); ++item) {
    suggestion.items.push_back(Suggested(ordered[item], gems[item]));
    ApplySuggestedGems(suggestion.items.back(), CraftedItemIn(working, configuration, ordered[item]));
  }
  suggestion.after = CappedUtility(CalcStats(working, vault, applied, configuration), applied);
  return suggestion;
}

namespace {

std::string GemsText(std::span<const SuggestedGem> gems) {
  std::string text;
  for (const SuggestedGem& gem : gems) {
    if (gem.stat == 0) continue;
    if (!text.empty()) text += ", ";
    text += PlannedGemText(gem.stat, gem.amount);
  }
  return text.empty() ? "(none)" : text;
}

SuggestedItem GemsOfItem(int equipmentSlot, const CraftedItem& item) {
  SuggestedItem gems{equipmentSlot, {}, ItemCharge(item).charge};
  for (std::size_t slot = 0; slot < gems.gems.size(); ++slot)
    gems.gems[slot] = {item.StatIds[slot], item.StatValues[slot], item.GemTiers[slot]};
  return gems;
}

std::string_view LabelOf(int statId) {
  for (const DisplayGroup& group : CapFormulas())
    for (const DisplayRow& row : group.rows)
      if (row.statId == statId) return row.label;
  return {};
}

}  // namespace

SuggestionReview ReviewSuggestion(const Template& model, const MasterVault& vault, const AppliedClass& applied,
                                  const Configuration& configuration, const GemSuggestion& suggestion) {
  SuggestionReview review;
  Template suggested = model;
  for (const SuggestedItem& item : suggestion.items) {
    if (!HoldsCraftedItem(model, configuration, item.equipmentSlot)) continue;  // a suggestion older than the template
    const CraftedItem& current = CraftedItemIn(suggested, configuration, item.equipmentSlot);
    review.items.push_back({item.equipmentSlot, current.Name.Str(),
                            GemsText(GemsOfItem(item.equipmentSlot, current).gems),
                            ImbueText(ItemCharge(current).charge), GemsText(item.gems), ImbueText(item.charge)});
    ApplySuggestedGems(item, CraftedItemIn(suggested, configuration, item.equipmentSlot));
  }
  const StatResult before = CalcStats(model, vault, applied, configuration);
  const StatResult after = CalcStats(suggested, vault, applied, configuration);
  for (int stat : CountedStats(applied)) {
    const std::size_t i = At(stat);
    if (before.Totals[i] == after.Totals[i]) continue;
    const double gain =
        ToAUtilityWorth(stat) * (std::min(after.Totals[i], after.Caps[i]) - std::min(before.Totals[i], before.Caps[i]));
    review.stats.push_back({std::string(LabelOf(stat)), before.Totals[i], after.Totals[i], after.Caps[i], gain});
  }
  std::stable_sort(review.stats.begin(), review.stats.end(),
                   [](const SuggestionStatRow& a, const SuggestionStatRow& b) { return a.gain > b.gain + kEpsilon; });
  review.score =
      "Capped utility : " + FixedText(suggestion.before, 1) + " now, " + FixedText(suggestion.after, 1) + " suggested";
  return review;
}

}  // namespace davoruzivi
