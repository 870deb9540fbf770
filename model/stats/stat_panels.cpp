#include "stats/stat_panels.h"

#include <algorithm>

#include "core/wrapping.h"
#include "itemdb/master_vault.h"
#include "itemdb/stat_catalogue.h"
#include "template/classes.h"
#include "template/template_model.h"

namespace davoruzivi {
namespace {

bool InRange(int stat, int first, int last) { return stat >= first && stat <= last; }

bool IsFocus(int stat) {
  return stat == 22 || InRange(stat, 54, 64) || InRange(stat, 92, 102) || InRange(stat, 126, 133);
}

bool IsSkill(int stat) {
  return InRange(stat, 23, 53) || InRange(stat, 65, 91) || InRange(stat, 103, 125) || InRange(stat, 185, 189);
}

}  // namespace

StatList StatListOf(int stat) {
  if (InRange(stat, 1, 10) || stat == 142 || stat == 147 || stat == 148) return StatList::RegStats;
  if (InRange(stat, 134, 141) || stat == 143 || stat == 144 || stat == 146 || stat == 190) return StatList::RegStatCaps;
  if (InRange(stat, 11, 19)) return StatList::Resists;
  if (InRange(stat, 22, 133) || InRange(stat, 185, 189)) return StatList::Skills;
  return StatList::Others;
}

namespace {

bool IsSpecLineStat(const AppliedClass& applied, int stat) {
  return std::any_of(applied.Info.SpecLines.begin(), applied.Info.SpecLines.end(),
                     [stat](const SpecLine& line) { return line.Stat == stat; });
}

// Labels that are not catalogue names but name a stat in the contributor report.
constexpr DisplayRow kReportLabels[] = {{"Archery/Spell Speed", 152}, {"Archery/Spell Damage", 153},
                                        {"Archery/Spell Range", 154}, {"Archery/Spell Damage Vs.", 195},
                                        {"Focus:All Lines", 22},      {"Crush Skill", 29}};

std::optional<int> ReportStatOf(std::string_view label) {
  for (const DisplayRow& row : kReportLabels)
    if (row.label == label) return row.statId;
  const int stat = StatCatalogue().ExactIndexOf(label);
  if (stat < 0) return std::nullopt;
  return stat;
}

// A block of the report for a bonus that may add to the stat: its effect
// line (completed by the engine's total of the bonus), its heading, and the
// bonuses whose items are listed under it.
struct Share {
  std::string effect;
  int bonus;
  std::string heading;
  std::vector<int> listed;
};

std::vector<Share> SharesOf(int stat) {
  std::vector<Share> shares;
  if (IsInSkillGroup(SkillGroup::Melee, stat))
    shares.push_back({"All Melee effect : +", 20, "Items Adding to All Melee :", {20, 179}});
  if (IsInSkillGroup(SkillGroup::Casting, stat))
    shares.push_back({"All Casting effect : +", 21, "Items Adding to All Casting :", {21, 180}});
  if (IsInSkillGroup(SkillGroup::DualWield, stat))
    shares.push_back({"All Duel Wielding effect : +", 181, "Items Adding to All Duel Wielding :", {181}});
  if (IsInSkillGroup(SkillGroup::Archery, stat))
    shares.push_back({"All Archery effect : +", 182, "Items Adding to All Archery :", {182}});
  if (InRange(stat, 5, 8)) shares.push_back({"Acuity effect : +", 142, "Items Adding to Acuity :", {142}});
  if (InRange(stat, 138, 141))
    shares.push_back({"Acuity Cap effect : +", 143, "Items Adding to Acuity Cap :", {143}});
  return shares;
}

// The block of a bonus the engine folds into the stat, under its catalogue name.
Share FoldedShare(int bonus) {
  const std::string name(StatCatalogue().TextOf(bonus));
  return {name + " effect : +", bonus, "Items Adding to " + name + " :", {bonus}};
}

bool Holds(std::span<const int> stats, int stat) { return std::find(stats.begin(), stats.end(), stat) != stats.end(); }

// The all-skill and acuity blocks of the stat's kind, always shown, then a
// block for every further bonus the engine adds to the stat's total, shown
// when that bonus's total is not zero.
std::vector<Share> ReportSharesOf(int stat, std::span<const int> added, const StatResult& result) {
  std::vector<Share> shares = SharesOf(stat);
  for (int bonus : added) {
    const bool shown = std::any_of(shares.begin(), shares.end(), [bonus](const Share& s) { return s.bonus == bonus; });
    if (!shown && result.Totals[static_cast<std::size_t>(bonus)] != 0) shares.push_back(FoldedShare(bonus));
  }
  return shares;
}

class ContributorLines {
 public:
  ContributorLines(const Template& model, const MasterVault& vault, const Configuration& configuration,
                   std::span<const std::string> captions)
      : model_(model), vault_(vault), configuration_(configuration), captions_(captions) {}

  // A line for every slot whose item gives the stat; the sum of their amounts.
  int AddItemLines(int stat, std::vector<std::string>& lines) const {
    int sum = 0;
    for (int s = 0; s < kEquipmentSlotCount; ++s) {
      if (!WeaponsChoiceCounts(s, configuration_.WeaponsEquipped)) continue;
      const std::int16_t amount = AmountOf(s, stat);
      if (amount == 0) continue;
      const std::string caption = static_cast<std::size_t>(s) < captions_.size() ? captions_[static_cast<std::size_t>(s)] : "";
      lines.push_back(caption + " : " + std::to_string(amount));
      sum += amount;
    }
    return sum;
  }

  // An empty line, the block's effect line and heading, and the item lines of
  // the bonuses it lists, which only show where the bonus comes from.
  void AddShareLines(const Share& share, std::int32_t effect, std::vector<std::string>& lines) const {
    lines.emplace_back();
    lines.push_back(share.effect + std::to_string(effect));
    lines.emplace_back();
    lines.push_back(share.heading);
    for (int listed : share.listed) AddItemLines(listed, lines);
  }

  // The running total is 16 bits wide.
  void Add(std::int32_t amount) { total_ = WrappingAdd16(total_, amount); }
  std::int16_t Total() const { return total_; }

 private:
  std::int16_t AmountOf(int equipmentSlot, int stat) const {
    const auto item = Resolve(model_, configuration_, equipmentSlot);
    if (!item) return 0;
    const ItemSlot& lists = model_.ListsOf(item->kind);
    const auto position = static_cast<std::size_t>(item->position);
    const auto id = static_cast<StatId>(stat);
    switch (item->list) {
      case ItemList::Crafted:
        return SumOfStat(id, lists.CraftedItems[position].StatIds, lists.CraftedItems[position].StatValues);
      case ItemList::Inline:
        return SumOfStat(id, lists.InlineItems[position].StatIds, lists.InlineItems[position].StatValues);
      case ItemList::Vault:
        if (const auto vaultItem = vault_.Find(lists.VaultIds[position]))
          return SumOfStat(id, vaultItem->StatIds, vaultItem->StatValues);
        return 0;
    }
    return 0;
  }

  const Template& model_;
  const MasterVault& vault_;
  const Configuration& configuration_;
  std::span<const std::string> captions_;
  std::int16_t total_ = 0;
};

// The race's resist on a resist row: an empty line and its effect line, only
// when it is not zero; the resist, 0 on any other row.
int AddRaceResistLines(int stat, const Configuration& configuration, std::vector<std::string>& lines) {
  if (!InRange(stat, kFirstResistStat, kFirstResistStat + kResistCount - 1)) return 0;
  const int resist = RaceResists(configuration.Race.View())[static_cast<std::size_t>(stat - kFirstResistStat)];
  if (resist == 0) return 0;
  lines.emplace_back();
  lines.push_back("Race Resist Effect : +" + std::to_string(resist));
  return resist;
}

}  // namespace

bool ClassShowsStat(const AppliedClass& applied, int statId) {
  if (IsFocus(statId)) return applied.Info.FocusCaster && IsSpecLineStat(applied, statId);
  if (IsSkill(statId)) return IsSpecLineStat(applied, statId);
  if (statId == 181) return applied.Info.DualWields;
  if (statId == 182) return applied.Info.UsesArchery;
  return true;
}

const std::vector<DisplayGroup>& CapFormulas() {
  static const std::vector<DisplayGroup> table = {
      {"Stats",
       {{"Strength", 1}, {"Constitution", 2}, {"Dexterity", 3}, {"Quickness", 4}, {"Piety", 5},
        {"Intelligence", 6}, {"Empathy", 7}, {"Charisma", 8}, {"Acuity", 142}, {"Fatigue", 147},
        {"Power Points", 9}, {"Hit Points", 10}}},
      {"Stat Cap Increases",
       {{"Strength Cap", 134}, {"Constitution Cap", 135}, {"Dexterity Cap", 136}, {"Quickness Cap", 137},
        {"Piety Cap", 138}, {"Intelligence Cap", 139}, {"Empathy Cap", 140}, {"Charisma Cap", 141},
        {"Acuity Cap", 143}, {"Fatigue Cap", 190}, {"Power Cap", 144}, {"Hit Points Cap", 146}}},
      {"Resists",
       {{"Crush Resist", 11}, {"Slash Resist", 12}, {"Thrust Resist", 13}, {"Heat Resist", 14},
        {"Cold Resist", 15}, {"Matter Resist", 17}, {"Energy Resist", 16}, {"Body Resist", 18},
        {"Spirit Resist", 19}, {"Essence Resist", 198}}},
      {"ToA Bonuses",
       {{"Melee Speed", 149}, {"Melee Damage", 150}, {"Style Damage", 151}, {"Melee Damage Vs.", 192},
        {"Style Damage Vs.", 193}, {"Power Pool %", 145}, {"Archery/Spell Speed", 152},
        {"Archery/Spell Damage", 153}, {"Archery/Spell Range", 154}, {"Spell Pierce", 155},
        {"Spell Duration", 156}, {"Armor Factor", 148}, {"Arcane Siphoning", 170},
        {"Archery/Spell Damage Vs.", 195}, {"Archery/Spell Range Vs.", 196}, {"Healing Bonus", 160},
        {"Buff Enhance", 161}, {"Debuff Bonus", 184}, {"Experience Bonus", 162}, {"Realm Point Bonus", 163},
        {"Bounty Point Bonus", 164}}},
      {"PvE Bonuses",
       {{"Blocking Bonus (PvE)", 167}, {"Parry Bonus (PvE)", 168}, {"Evade Bonus (PvE)", 166},
        {"Defensive Bonus (PvE)", 183}, {"Reactionary Bonus (PvE)", 178}, {"To Hit Bonus (PvE)", 171},
        {"Style Cost Reduce (PvE)", 172}, {"Spell Cost Reduce (PvE)", 173}, {"Bladeturn Reinforce (PvE)", 175},
        {"Reduced XP Loss (PvE)", 169}, {"Negative Effects (PvE)", 176}, {"Concentrate Bonus (PvE)", 177},
        {"Cash Drops Bonus (PvE)", 165}}},
      {"General Skills",
       {{"All Melee Skills", 20}, {"All Casting Skills", 21}, {"All Dual Wielding Skills", 181},
        {"All Archery Skills", 182}, {"Focus:All Lines", 22}, {"Shield Skill", 23}, {"Parry Skill", 24},
        {"Stealth Skill", 25}, {"Envenom Skill", 26}, {"Critical Strike Skill", 27}}},
      {"Albion Skills",
       {{"Slash Skill", 28}, {"Crush Skill", 29}, {"Thrust Skill", 30}, {"Two Hand Skill", 31},
        {"Polearm Skill", 32}, {"Staff Skill", 33}, {"Dual Wield Skill", 34}, {"Longbow Skill", 35},
        {"Crossbow Skill", 36}, {"Flexible Skill", 37}}},
      {"Albion Magic",
       {{"Body Magic", 38}, {"Death Servant", 39}, {"Deathsight", 40}, {"Earth Magic", 41}, {"Enhancements", 42},
        {"Fire Magic", 43}, {"Rejuvenation", 44}, {"Ice Magic", 45}, {"Instruments", 46}, {"Matter Magic", 47},
        {"Mind Magic", 48}, {"Painworking", 49}, {"Smiting", 50}, {"Soulrending", 51}, {"Spirit Animation", 52},
        {"Wind Magic", 53}}},
      {"Hibernia Skills",
       {{"Blades Skill", 65}, {"Blunt Skill", 66}, {"Piercing Skill", 67}, {"Scythe Skill", 68},
        {"Celtic Duel Skill", 69}, {"Celtic Spear Skill", 70}, {"Large Weapons Skill", 71},
        {"Recurve Bows Skill", 72}}},
      {"Hibernia Magic",
       {{"Arboreal Path", 73}, {"Creeping Path", 74}, {"Dementia", 75}, {"Enchantments", 76},
        {"Ethereal Shriek", 77}, {"Light Magic", 78}, {"Mana Magic", 79}, {"Mentalism", 80}, {"Music", 81},
        {"Nature", 82}, {"Nurture", 83}, {"Phantasmal Wail", 84}, {"Regrowth", 85}, {"Shadow Mastery", 86},
        {"Spectral Guard", 87}, {"Vampiiric Embrace", 88}, {"Valor", 89}, {"Verdant Path", 90},
        {"Void Magic", 91}}},
      {"Midgard Skills",
       {{"Sword Skill", 103}, {"Axe Skill", 104}, {"Hammer Skill", 105}, {"Left Axe Skill", 106},
        {"Spear Skill", 107}, {"Hand to Hand Skill", 108}, {"Composite Bow Skill", 109},
        {"Thrown Weapons Skill", 110}}},
      {"Midgard Magic",
       {{"Augmentation", 111}, {"Battlesongs", 112}, {"Beastcraft", 113}, {"Bone Army", 114},
        {"Cursing Magic", 115}, {"Darkness Magic", 116}, {"Hexing Magic", 117}, {"Mending", 118},
        {"Odin's Will", 119}, {"Runecarving", 120}, {"Stormcalling", 121}, {"Cave Magic", 122},
        {"Summoning", 123}, {"Suppression", 124}, {"Witchcraft", 125}}},
      {"Mauler Skills",
       {{"Mauler Staff Skill", 185}, {"Fist Wraps Skill", 186}, {"Magnetism", 187}, {"Power Strikes", 188},
        {"Aura Manipulation", 189}}},
      {"Albion Focus",
       {{"Focus:Body", 54}, {"Focus:Cold", 55}, {"Focus:Death Servant", 56}, {"Focus:Deathsight", 57},
        {"Focus:Earth", 58}, {"Focus:Fire", 59}, {"Focus:Matter", 60}, {"Focus:Mind", 61},
        {"Focus:Painworking", 62}, {"Focus:Spirit", 63}, {"Focus:Wind", 64}}},
      {"Hibernia Focus",
       {{"Focus:Arboreal", 92}, {"Focus:Creeping", 93}, {"Focus:Enchantment", 94}, {"Focus:Ethereal Shriek", 95},
        {"Focus:Light Magic", 96}, {"Focus:Mana Magic", 97}, {"Focus:Mentalism", 98},
        {"Focus:Phantasmal Wail", 99}, {"Focus:Spectral Guard", 100}, {"Focus:Verdant", 101},
        {"Focus:Void", 102}}},
      {"Midgard Focus",
       {{"Focus:Bone Army", 126}, {"Focus:Cursing", 127}, {"Focus:Darkness", 128}, {"Focus:Hexing", 129},
        {"Focus:Runecarving", 130}, {"Focus:Summoning", 131}, {"Focus:Suppression", 132},
        {"Focus:Witchcraft", 133}, {"Focus:Cave Magic", 246}}},
      // The last four skills carry the stat catalogue's own numbers.
      {"Mythical Stats",
       {{"Mythical Essence Resist", 198}, {"Mythical Health Regeneration", 199},
        {"Mythical Power Regeneration", 200}, {"Mythical Endurance Regeneration", 201},
        {"Mythical Water Breathing", 202}, {"Mythical Encumbrance Bonus", 203}, {"Mythical Coin Drop Bonus", 204},
        {"Mythical Realm Point Bonus", 205}, {"Mythical Safe Fall Bonus", 206}, {"Mythical Parry Bonus", 207},
        {"Mythical Blocking Bonus", 208}, {"Mythical Evasion Bonus", 209}, {"Mythical Arcane Siphoning", 210},
        {"Mythical Spell Level Increase", 211}, {"Mythical Damage Increase", 212},
        {"Mythical Damage Conversion", 213}, {"Mythical Crowd Control Reduction", 214},
        {"Mythical Physical Damage Reduction", 215}, {"Mythical Siege Damage Reduction", 216},
        {"Mythical Siege Speed Bonus", 217}, {"Mythical Strength Bonus (Cap only)", 219},
        {"Mythical Constitution Bonus (Cap Only)", 221}, {"Mythical Dexterity Bonus (Cap Only)", 223},
        {"Mythical Quickness Bonus (Cap Only)", 225}, {"Mythical Acuity Bonus (Cap Only)", 227},
        {"Mythical Crush Resist (Cap Only)", 229}, {"Mythical Slash Resist (Cap Only)", 231},
        {"Mythical Thrust Resist (Cap Only)", 233}, {"Mythical Heat Resist (Cap Only)", 235},
        {"Mythical Cold Resist (Cap Only)", 237}, {"Mythical Matter Resist (Cap Only)", 239},
        {"Mythical Spirit Resist (Cap Only)", 241}, {"Mythical Energy Resist (Cap Only)", 243},
        {"Mythical Body Resist (Cap Only)", 245}, {"Focus: Cave Magic", 246}, {"Mythical Rez Sick Reduce", 247},
        {"Radiant Aura", 248}, {"Chants", 249}, {"Savagery", 250}, {"Pacification", 251}, {"Nightshade", 253}}},
  };
  return table;
}

StateStyle StyleOf(StatState state) {
  switch (state) {
    case StatState::OverCap: return {255, 0, 0, false};
    case StatState::UnderCap: return {0, 0, 255, false};
    case StatState::AtCap: return {0, 153, 0, false};
    case StatState::NotCompared: break;
  }
  return {0, 0, 0, true};
}

std::string_view StatListTitle(StatList list) {
  switch (list) {
    case StatList::RegStats: return "Main Stats";
    case StatList::RegStatCaps: return "Stat Cap Bonuses";
    case StatList::Resists: return "Resists";
    case StatList::Skills: return "Skills";
    case StatList::Others:
    case StatList::HoldAllStats: return "ToA/PvE/Other";
  }
  return {};
}

StatPanels BuildStatPanels(const StatResult& result, const AppliedClass& applied, bool showAllOthers) {
  StatPanels panels;
  for (const DisplayGroup& group : CapFormulas()) {
    for (const DisplayRow& row : group.rows) {
      const auto stat = static_cast<std::size_t>(row.statId);
      PanelRow shown{std::string(row.label), row.statId,
                     ClassShowsStat(applied, row.statId) ? std::to_string(result.Totals[stat]) : std::string("0"),
                     result.Caps[stat], result.Diffs[stat], result.States[stat]};
      const bool zero = shown.now == "0";
      const StatList list = StatListOf(row.statId);
      const bool listed = !zero || (list != StatList::Skills && (list != StatList::Others || showAllOthers));
      if (!zero) panels[static_cast<std::size_t>(StatList::HoldAllStats)].push_back(shown);
      if (listed) panels[static_cast<std::size_t>(list)].push_back(std::move(shown));
    }
  }
  return panels;
}

std::array<std::string, 19> SlotButtonCaptions(const Template& model, const MasterVault& vault,
                                               const Configuration& configuration) {
  std::array<std::string, kEquipmentSlotCount> captions;
  for (int s = 0; s < kEquipmentSlotCount; ++s) {
    std::string name = "<Empty Slot>";
    if (const auto item = Resolve(model, configuration, s)) {
      const std::string ref = MakeSlotRef(item->list, item->position);
      for (const Candidate& candidate : CandidateList(model, vault, item->kind))
        if (candidate.ref == ref) name = candidate.name;
    }
    captions[static_cast<std::size_t>(s)] = std::string(SlotBaseName(s)) + ":" + name;
  }
  return captions;
}

std::span<const std::string_view> LoaderSlotNames() {
  static constexpr std::string_view kNames[] = {"Jewel",  "Necklace", "Cloak",    "Belt",       "Ring 1",
                                                "Ring 2", "Wrist 1",  "Wrist 2",  "Chest",      "Head",
                                                "Arms",   "Hands",    "Legs",     "Feet",       "Right Hand",
                                                "Left Hand", "Two Hand", "Ranged", "Mythirians"};
  return kNames;
}

std::optional<ContributorReport> BuildContributorReport(std::string_view label, const Template& model,
                                                        const MasterVault& vault, const AppliedClass& applied,
                                                        const Configuration& configuration, const StatResult& result,
                                                        std::span<const std::string> slotCaptions) {
  const auto stat = ReportStatOf(label);
  if (!stat) return std::nullopt;
  ContributorReport report{"Items effecting " + std::string(label), {}};
  ContributorLines items(model, vault, configuration, slotCaptions);
  items.Add(items.AddItemLines(*stat, report.lines));
  // The total counts each block by what the engine adds, and only where it adds it.
  const std::vector<int> added = BonusesAddedTo(*stat, applied);
  for (const Share& share : ReportSharesOf(*stat, added, result)) {
    const std::int32_t effect = result.Totals[static_cast<std::size_t>(share.bonus)];
    items.AddShareLines(share, effect, report.lines);
    if (Holds(added, share.bonus)) items.Add(effect);
  }
  items.Add(AddRaceResistLines(*stat, configuration, report.lines));
  if (IsSkill(*stat)) {
    report.lines.emplace_back();
    if (IsCharacterSkill(*stat, applied.Realm)) items.Add(configuration.RealmRank);
    report.lines.emplace_back();
    report.lines.push_back("Realm Rank Effect : +" + std::to_string(configuration.RealmRank));
  }
  report.lines.emplace_back();
  report.lines.push_back("Total Stat : " + std::to_string(items.Total()));
  return report;
}

}  // namespace davoruzivi
