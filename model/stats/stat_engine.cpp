#include "stats/stat_engine.h"

#include <algorithm>
#include <span>

#include "core/wrapping.h"
#include "itemdb/master_vault.h"
#include "template/classes.h"
#include "template/template_model.h"

namespace davoruzivi {
namespace {

// The cap every stat starts from, by a formula of the configuration's level.
enum class BaseCap { Zero, CapStat, FourTimesLevel, EightTimesLevel, CapResist, CapSkill, Fifty, Level, Fifth, Half,
                     Ten, FortyOne, One, Hundred, FiftyTwo, Fifteen };

struct CapRange {
  int first, last;
  BaseCap cap;
};

constexpr CapRange kBaseCaps[] = {
    {1, 8, BaseCap::CapStat},       {142, 142, BaseCap::CapStat},   {10, 10, BaseCap::FourTimesLevel},
    {146, 146, BaseCap::EightTimesLevel},
    {9, 9, BaseCap::CapResist},     {11, 19, BaseCap::CapResist},   {134, 141, BaseCap::CapResist},
    {143, 143, BaseCap::CapResist},
    {20, 21, BaseCap::CapSkill},    {23, 53, BaseCap::CapSkill},    {65, 91, BaseCap::CapSkill},
    {103, 125, BaseCap::CapSkill},  {181, 182, BaseCap::CapSkill},  {185, 189, BaseCap::CapSkill},
    {22, 22, BaseCap::Fifty},       {54, 64, BaseCap::Fifty},       {92, 102, BaseCap::Fifty},
    {126, 133, BaseCap::Fifty},     {147, 147, BaseCap::Fifty},     {190, 190, BaseCap::Fifty},
    {144, 144, BaseCap::Level},     {148, 148, BaseCap::Level},     {169, 169, BaseCap::Level},
    {149, 155, BaseCap::Fifth},     {157, 159, BaseCap::Fifth},     {162, 168, BaseCap::Fifth},
    {175, 178, BaseCap::Fifth},     {183, 183, BaseCap::Fifth},     {191, 197, BaseCap::Fifth},
    {145, 145, BaseCap::Half},      {156, 156, BaseCap::Half},      {160, 161, BaseCap::Half},
    {170, 170, BaseCap::Half},      {184, 184, BaseCap::Half},
    {171, 173, BaseCap::Ten},       {201, 201, BaseCap::Ten},       {204, 205, BaseCap::Ten},
    {207, 213, BaseCap::Ten},
    {198, 198, BaseCap::FortyOne},  {199, 200, BaseCap::Fifty},     {202, 202, BaseCap::One},
    {203, 203, BaseCap::Hundred},   {206, 206, BaseCap::Hundred},   {214, 217, BaseCap::Hundred},
    {218, 227, BaseCap::FiftyTwo},  {228, 245, BaseCap::Fifteen},
};

struct LevelValues {
  std::int32_t level, capStat, capResist, capSkill, fifth, half;
};

LevelValues ValuesFor(int level, int realmRank) {
  return {level, level * 3 / 2, level / 2 + 1, level / 5 + realmRank + 1, level / 5, level / 2};
}

std::int32_t CapValue(BaseCap cap, const LevelValues& v) {
  switch (cap) {
    case BaseCap::Zero: return 0;
    case BaseCap::CapStat: return v.capStat;
    case BaseCap::FourTimesLevel: return v.level * 4;
    case BaseCap::EightTimesLevel: return v.level * 8;
    case BaseCap::CapResist: return v.capResist;
    case BaseCap::CapSkill: return v.capSkill;
    case BaseCap::Fifty: return 50;
    case BaseCap::Level: return v.level;
    case BaseCap::Fifth: return v.fifth;
    case BaseCap::Half: return v.half;
    case BaseCap::Ten: return 10;
    case BaseCap::FortyOne: return 41;
    case BaseCap::One: return 1;
    case BaseCap::Hundred: return 100;
    case BaseCap::FiftyTwo: return 52;
    case BaseCap::Fifteen: return 15;
  }
  return 0;
}

// The smaller of two values taken as unsigned 16-bit numbers, so that a
// negative amount counts as larger than any cap.
std::int32_t Min16(std::int32_t a, std::int32_t b) {
  return std::min(static_cast<std::uint16_t>(a), static_cast<std::uint16_t>(b));
}

// Bonuses the engine adds to other stats' totals.
constexpr int kAcuity = 142, kAcuityCap = 143, kMythicalAcuity = 226, kPhysicalDamageReduction = 215;
constexpr int kPhysicalResists[] = {11, 12, 13};
// Each even "(Stat+Cap)" mythical bonus from 218 to 244 also counts as the
// "(Cap Only)" bonus that follows it.
constexpr int kFirstStatAndCapMythical = 218, kLastStatAndCapMythical = 244;
// {stat, its "(Stat+Cap)" mythical bonus}
constexpr std::pair<int, int> kMythicalStatBonuses[] = {{1, 218},  {2, 220},  {3, 222},  {4, 224},  {11, 228},
                                                        {12, 230}, {13, 232}, {14, 234}, {15, 236}, {16, 242},
                                                        {17, 238}, {18, 244}, {19, 240}};
constexpr std::pair<SkillGroup, int> kAllSkillBonuses[] = {
    {SkillGroup::Melee, 20}, {SkillGroup::Casting, 21}, {SkillGroup::DualWield, 181}, {SkillGroup::Archery, 182}};

bool IsCapOnlyTwin(int stat) {
  return stat % 2 == 1 && stat > kFirstStatAndCapMythical && stat <= kLastStatAndCapMythical + 1;
}

// Piety 5 .. Charisma 8 for a class whose acuity goes into one of them; 0 otherwise.
int AcuityAttributeOf(const AppliedClass& applied) {
  return applied.Info.AcuityStat == acuity::None ? 0 : 4 + applied.Info.AcuityStat;
}

// Champion levels below which a Mythirian whose notes name the level does not count.
constexpr std::pair<std::string_view, int> kChampionRequirements[] = {{"CL6", 6}, {"CL8", 8}, {"CL10", 10}};

bool RequirementUnmet(const VaultItem& item, int championLevel) {
  const std::string_view notes = item.Notes.View();
  return std::any_of(std::begin(kChampionRequirements), std::end(kChampionRequirements), [&](const auto& rule) {
    return notes.find(rule.first) != std::string_view::npos && championLevel < rule.second;
  });
}

class Engine {
 public:
  Engine(const Template& model, const MasterVault& vault, const AppliedClass& applied, const Configuration& configuration,
         Previews previews)
      : model_(model), vault_(vault), applied_(applied), configuration_(configuration), previews_(previews) {}

  StatResult Run() {
    ResetToBaseCaps();
    AddRaceResists();
    for (int s = 0; s < kEquipmentSlotCount; ++s) AddSlot(s);
    AddOmnicrafterPlan();
    RaiseMythicalResistCaps();
    for (int k = kFirstStatAndCapMythical; k <= kLastStatAndCapMythical; k += 2) total(k + 1) += total(k);
    RaiseAttributeCaps();
    cap(kAcuity) += Min16(cap(kAcuityCap), total(kAcuityCap));
    AddAcuityToClassAttribute();
    RaisePoolCaps();
    AddMythicalStatBonuses();
    AddSkillBonuses();
    Compare();
    return result_;
  }

 private:
  // Totals and caps wrap like the 32-bit numbers they are: a hand-entered
  // amount near the limit must not make the sums undefined.
  WrappingTotal total(int stat) { return WrappingTotal(result_.Totals[static_cast<std::size_t>(stat)]); }
  WrappingTotal cap(int stat) { return WrappingTotal(result_.Caps[static_cast<std::size_t>(stat)]); }

  void ResetToBaseCaps() {
    const LevelValues values = ValuesFor(configuration_.Level, configuration_.RealmRank);
    result_.States.fill(StatState::NotCompared);
    for (const CapRange& range : kBaseCaps)
      for (int stat = range.first; stat <= range.last; ++stat) cap(stat) = CapValue(range.cap, values);
  }

  void AddRaceResists() {
    const RaceResistValues resists = RaceResists(configuration_.Race.View());
    for (int r = 0; r < kResistCount; ++r) {
      total(kFirstResistStat + r) += resists[static_cast<std::size_t>(r)];
      cap(kFirstResistStat + r) += resists[static_cast<std::size_t>(r)];
    }
  }

  // Bonuses of a stat outside the arrays, such as the unknown-stat marker, add nothing.
  void AddBonuses(std::span<const StatId> ids, std::span<const std::int32_t> values) {
    for (std::size_t j = 0; j < ids.size(); ++j)
      if (ids[j] < kStatArraySize) total(ids[j]) += values[j];
  }

  template <typename Item>
  void AddItem(const Item& item) {
    AddBonuses(item.StatIds, item.StatValues);
  }

  const VaultItem* VaultItemAt(long long position) const {
    if (position < 0 || static_cast<std::size_t>(position) >= vault_.Size()) return nullptr;
    return &vault_.Items()[static_cast<std::size_t>(position)];
  }

  // The vault item a vault reference of a slot names, if the reference is valid.
  const VaultItem* EquippedVaultItem(int equipmentSlot) const {
    const auto item = Resolve(model_, configuration_, equipmentSlot);
    if (!item || item->list != ItemList::Vault) return nullptr;
    return VaultItemAt(model_.ListsOf(item->kind).VaultIds[static_cast<std::size_t>(item->position)]);
  }

  // The slot's preview when it stands in for the slot's item.
  const SlotPreview* ActivePreviewOf(int equipmentSlot) const {
    const SlotPreview& preview = model_.Equip.Previews[static_cast<std::size_t>(equipmentSlot)];
    return previews_ == Previews::Counted && preview.Active ? &preview : nullptr;
  }

  // A Mythirian counts only at the champion level its notes name. The
  // equipped item is tested when it is a vault item, else a previewed one.
  bool MythirianCounts() const {
    const VaultItem* tested = EquippedVaultItem(slot::Mythirians);
    if (const SlotPreview* preview = ActivePreviewOf(slot::Mythirians); !tested && preview)
      tested = VaultItemAt(preview->VaultIndex);
    return !tested || !RequirementUnmet(*tested, configuration_.ChampionLevel);
  }

  void AddSlot(int s) {
    const OmniCrafted& omni = model_.Equip.Omni;
    if (omni.Enabled && omni.SlotFlags[static_cast<std::size_t>(s)]) return;
    if (!WeaponsChoiceCounts(s, configuration_.WeaponsEquipped)) return;
    if (s == slot::Mythirians && !MythirianCounts()) return;
    if (const SlotPreview* preview = ActivePreviewOf(s)) {
      if (const VaultItem* item = VaultItemAt(preview->VaultIndex)) AddItem(*item);
      return;
    }
    const auto item = Resolve(model_, configuration_, s);
    if (!item) return;
    const ItemSlot& lists = model_.ListsOf(item->kind);
    const auto position = static_cast<std::size_t>(item->position);
    switch (item->list) {
      case ItemList::Crafted: AddItem(lists.CraftedItems[position]); break;
      case ItemList::Inline: AddItem(lists.InlineItems[position]); break;
      case ItemList::Vault:
        if (const VaultItem* vaultItem = VaultItemAt(lists.VaultIds[position])) AddItem(*vaultItem);
        break;
    }
  }

  // The plan's gems count once for the template; of each crafted item given
  // over to the plan only its two further bonuses count.
  void AddOmnicrafterPlan() {
    const OmniCrafted& omni = model_.Equip.Omni;
    if (!omni.Enabled) return;
    const std::size_t gems = std::min(omni.GemStats.size(), omni.GemAmounts.size());
    AddBonuses(std::span(omni.GemStats).first(gems), std::span(omni.GemAmounts).first(gems));
    for (int s = 0; s < kEquipmentSlotCount; ++s) {
      if (!omni.SlotFlags[static_cast<std::size_t>(s)]) continue;
      const auto item = Resolve(model_, configuration_, s);
      if (!item || item->list != ItemList::Crafted) continue;
      const CraftedItem& crafted = model_.ListsOf(item->kind).CraftedItems[static_cast<std::size_t>(item->position)];
      for (std::size_t bonus : {4u, 5u})  // bonuses 5 and 6
        if (crafted.StatIds[bonus] != 0) AddBonuses(std::span(crafted.StatIds).subspan(bonus, 1),
                                                    std::span(crafted.StatValues).subspan(bonus, 1));
    }
  }

  void RaiseResistCap(int mythical, int resist) {
    cap(resist) += Min16(cap(mythical), WrappingAdd(total(mythical), total(mythical + 1)));
  }

  void RaiseMythicalResistCaps() {
    RaiseResistCap(228, 11);
    RaiseResistCap(230, 12);
    RaiseResistCap(232, 13);
    for (int resist : kPhysicalResists) total(resist) += total(kPhysicalDamageReduction);
    RaiseResistCap(234, 14);
    RaiseResistCap(236, 15);
    RaiseResistCap(242, 16);
    RaiseResistCap(238, 17);
    RaiseResistCap(244, 18);
    RaiseResistCap(240, 19);
  }

  void RaiseAttributeCaps() {
    for (int j = 0; j < 4; ++j) {
      const std::int32_t used = Min16(total(134 + j), cap(134 + j));
      cap(219 + 2 * j) = 52 - used;
      cap(1 + j) += Min16(cap(219 + 2 * j), total(219 + 2 * j)) + used;
    }
  }

  void AddAcuityToClassAttribute() {
    const int attribute = AcuityAttributeOf(applied_);
    if (attribute == 0) return;
    const int attributeCap = attribute + 133;
    total(attribute) += WrappingAdd(total(kAcuity), total(kMythicalAcuity));
    const std::int32_t raised = Min16(cap(kAcuityCap), WrappingAdd(total(attributeCap), total(kAcuityCap)));
    cap(227) = 52 - raised;
    cap(attribute) += Min16(cap(227), total(227)) + raised;
  }

  void RaisePoolCaps() {
    cap(9) += Min16(cap(144), total(144));
    cap(10) += Min16(cap(146), total(146));
    cap(147) += Min16(cap(190), total(190));
    cap(145) += Min16(cap(144), total(144));
  }

  void AddMythicalStatBonuses() {
    for (const auto& [stat, mythical] : kMythicalStatBonuses) total(stat) += total(mythical);
  }

  void AddSkillBonuses() {
    for (int stat = 1; stat <= kLastComparedStat; ++stat) {
      if (!IsCharacterSkill(stat, applied_.Realm)) continue;
      total(stat) += configuration_.RealmRank;
      for (const auto& [group, bonus] : kAllSkillBonuses)
        if (IsInSkillGroup(group, stat)) total(stat) += total(bonus);
    }
  }

  void Compare() {
    for (int stat = 0; stat <= kLastComparedStat; ++stat) {
      const std::int32_t difference = WrappingSubtract(total(stat), cap(stat));
      result_.Diffs[static_cast<std::size_t>(stat)] = difference;
      result_.States[static_cast<std::size_t>(stat)] =
          difference > 0 ? StatState::OverCap : difference < 0 ? StatState::UnderCap : StatState::AtCap;
    }
  }

  const Template& model_;
  const MasterVault& vault_;
  const AppliedClass& applied_;
  const Configuration& configuration_;
  Previews previews_;
  StatResult result_;
};

}  // namespace

StatResult CalcStats(const Template& model, const MasterVault& vault, const AppliedClass& applied,
                     const Configuration& configuration, Previews previews) {
  return Engine(model, vault, applied, configuration, previews).Run();
}

bool IsCharacterSkill(int stat, int characterRealm) {
  if ((stat >= 23 && stat <= 27) || (stat >= 185 && stat <= 189)) return true;
  switch (characterRealm) {
    case realm::Albion: return stat >= 28 && stat <= 53;
    case realm::Hibernia: return stat >= 65 && stat <= 91;
    case realm::Midgard: return stat >= 103 && stat <= 125;
    default: return false;
  }
}

std::vector<int> BonusesAddedTo(int stat, const AppliedClass& applied) {
  std::vector<int> bonuses;
  if (std::find(std::begin(kPhysicalResists), std::end(kPhysicalResists), stat) != std::end(kPhysicalResists))
    bonuses.push_back(kPhysicalDamageReduction);
  if (IsCapOnlyTwin(stat)) bonuses.push_back(stat - 1);
  if (const int attribute = AcuityAttributeOf(applied); attribute != 0 && stat == attribute)
    bonuses.insert(bonuses.end(), {kAcuity, kMythicalAcuity});
  for (const auto& [target, mythical] : kMythicalStatBonuses)
    if (target == stat) bonuses.push_back(mythical);
  if (IsCharacterSkill(stat, applied.Realm))
    for (const auto& [group, bonus] : kAllSkillBonuses)
      if (IsInSkillGroup(group, stat)) bonuses.push_back(bonus);
  return bonuses;
}

}  // namespace davoruzivi
