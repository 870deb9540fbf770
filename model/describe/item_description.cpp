#include "describe/item_description.h"

#include <string_view>
#include <utility>

#include "core/decimal_text.h"
#include "core/text_format.h"
#include "itemdb/item_metrics.h"
#include "spellcraft/gem_texts.h"
#include "template/classes.h"

namespace davoruzivi {
namespace {

constexpr int kClothAbsorb = 1;
constexpr int kHeaviestAbsorb = 5;
constexpr int kClassAbsorb = 6;  // "Max armor grade allowed by Class"
constexpr int kClothArmour = 0;  // ClassInfo::ArmorAbsorption of cloth wearers
constexpr int kUniversalRealm = 3;
constexpr int kEquippedBuff = 4;
constexpr int kSelectableEffects = 5;
constexpr int kMythirian = 6;
constexpr int kSecondProcSlot = 1;
constexpr int kFifthSlot = 4;  // bonus slots 5..7 hold a crafted item's fifth-slot bonuses
constexpr int kLastFifthSlot = 6;
constexpr std::size_t kGemNameWidth = 30;
constexpr std::size_t kGemAmountWidth = 4;

std::string Concat(std::string_view a, std::string_view b) {
  std::string text(a);
  text += b;
  return text;
}

void Append(std::vector<std::string>& lines, const std::vector<std::string>& more) {
  lines.insert(lines.end(), more.begin(), more.end());
}

std::string ItemReportTitle(std::string_view name) { return Concat("Item Report : ", name); }

bool IsMythirian(const VaultItem& item) { return item.ProcKinds[0] == kMythirian; }

std::string QualityLine(std::string_view quality, DescriptionForm form) {
  const std::string_view percent = form == DescriptionForm::Panel ? " %" : "%";
  return Concat(Concat("Quality   : ", quality), percent);
}

std::optional<std::string> OriginLine(int realm, DescriptionForm form) {
  if (realm < 0 || realm > kUniversalRealm) return std::nullopt;
  const std::string_view label = form == DescriptionForm::Panel ? "Item Origin : " : "Realm : ";
  return Concat(label, RealmList().TextOf(realm));
}

// The absorb list entry an item's absorb shows; nothing for absorb 0 and above 6.
std::optional<int> ShownAbsorb(int absorb, int classArmorAbsorption) {
  if (absorb >= kClothAbsorb && absorb <= kHeaviestAbsorb) return absorb;
  if (absorb == kClassAbsorb) return classArmorAbsorption + 1;
  return std::nullopt;
}

// The line put before each proc slot's lines, when there is one.
struct ProcSeparators {
  std::optional<std::string_view> first;
  std::optional<std::string_view> second;
};

// A proc slot in use gives its separator, then its proc line when its kind has one.
template <typename Item>
void AppendProcs(std::vector<std::string>& lines, const Item& item, const ProcSeparators& separators,
                 const DescriptionContext& context) {
  const std::optional<std::string_view> before[kProcSlots] = {separators.first, separators.second};
  for (int slot = 0; slot < kProcSlots; ++slot) {
    if (item.ProcKinds[slot] == 0) continue;
    if (before[slot]) lines.emplace_back(*before[slot]);
    std::string proc = ProcLine(item.ProcKinds[slot], item.ProcAmounts[slot], item.ProcEffects[slot], slot, context);
    if (!proc.empty()) lines.push_back(std::move(proc));
  }
}

std::vector<std::string> OrdinaryVaultLines(const VaultItem& item, DescriptionForm form,
                                            const DescriptionContext& context) {
  const bool panel = form == DescriptionForm::Panel;
  std::vector<std::string> lines;
  Append(lines, DetailLines(item, form, context));
  Append(lines, VerificationLines(item));
  Append(lines, ArmourLines(item, context));
  Append(lines, WeaponLines(item, context));
  lines.emplace_back();
  Append(lines, BonusLines(item.StatIds, item.StatValues));
  AppendProcs(lines, item, panel ? ProcSeparators{" ", " "} : ProcSeparators{std::nullopt, ""}, context);
  lines.emplace_back();
  Append(lines, UtilityLines(item));
  lines.emplace_back();
  lines.push_back(BonusLevelLine(item));
  if (panel && !item.Notes.Empty()) {
    lines.emplace_back();
    lines.emplace_back("Notes : ");
    lines.push_back(item.Notes.Str());
  } else if (!panel) {
    lines.emplace_back();
    lines.push_back(Concat("Notes : ", item.Notes));
  }
  return lines;
}

std::vector<std::string> MythirianVaultLines(const VaultItem& item, DescriptionForm form,
                                             const DescriptionContext& context) {
  const Vocabulary& effects = context.vocabularies.Effects.List();
  std::vector<std::string> lines = DetailLines(item, form, context);
  Append(lines, VerificationLines(item));
  Append(lines, {"", "Mythirian Information", "", std::string(effects.TextOf(item.ProcEffects[0]))});
  if (item.ProcKinds[1] == kMythirian) Append(lines, {"", std::string(effects.TextOf(item.ProcEffects[1]))});
  Append(lines, {"", Concat("Notes : ", item.Notes)});
  if (form == DescriptionForm::Panel) lines.emplace_back();
  return lines;
}

std::optional<std::string> CraftedNameLine(const CraftedItem& item) {
  if (item.Autoname == 1) return Concat("Item Name (Auto) : ", item.Name);
  if (item.Autoname == 0) return Concat("Item Name (Manual) : ", item.Name);
  return std::nullopt;
}

// The gem line of gem slot `gem` (0..3); an empty slot shows the amount 0, whatever
// old amount it still holds (returning a gem leaves the amount behind).
std::string CraftedGemLine(const CraftedItem& item, int gem, int realm) {
  const StatId statId = item.StatIds[gem];
  return GemLine(statId, statId == 0 ? 0 : item.StatValues[gem], item.GemTiers[gem], realm);
}

std::vector<std::string> FifthSlotLines(const CraftedItem& item) {
  std::vector<std::string> lines;
  if (item.StatIds[kFifthSlot] != 0)
    lines.push_back(
        Concat("Fifth Slot Bonuses : ", BonusLine(item.StatValues[kFifthSlot], item.StatIds[kFifthSlot])));
  for (int slot = kFifthSlot + 1; slot <= kLastFifthSlot; ++slot)
    if (item.StatIds[slot] != 0) lines.push_back(BonusLine(item.StatValues[slot], item.StatIds[slot]));
  return lines;
}

}  // namespace

DescriptionContext ContextForClass(const ItemVocabularies& vocabularies, int classIndex) {
  const int shown = classIndex >= 0 && classIndex < kClassCount ? classIndex : 0;
  return {vocabularies, ClassInfoOf(shown).ArmorAbsorption, CharacterRealm(shown)};
}

std::vector<std::string> DetailLines(const VaultItem& item, DescriptionForm form, const DescriptionContext& context,
                                     bool alwaysShowQuality) {
  const ItemVocabularies& vocabularies = context.vocabularies;
  std::vector<std::string> lines;
  lines.push_back("Item Level : " + std::to_string(item.Level));
  lines.push_back(Concat("Item Type : ", vocabularies.ItemTypes.TextOf(item.ItemType)));
  lines.push_back(Concat("Expansion : ", vocabularies.Expansions.TextOf(item.Expansion)));
  if (alwaysShowQuality || item.Quality < QualityList().Size())
    lines.push_back(QualityLine(QualityList().TextOf(item.Quality), form));
  lines.push_back(Concat("Source    : ", vocabularies.Sources.TextOf(item.Source)));
  if (auto origin = OriginLine(item.Realm, form)) lines.push_back(std::move(*origin));
  return lines;
}

std::vector<std::string> VerificationLines(const VaultItem& item) {
  std::vector<std::string> lines{item.Verified == 1 ? "(Item Verified!)" : "(Item Unverified...)"};
  if (item.Researched != 0) lines.emplace_back("(Being researched...)");
  return lines;
}

std::optional<int> ArmourFactorOf(const VaultItem& item, int classArmorAbsorption) {
  const int level = item.Level;
  if (item.Absorb == kClothAbsorb) return level;
  if (item.Absorb > kClothAbsorb && item.Absorb <= kHeaviestAbsorb) return 2 * level;
  if (item.Absorb == kClassAbsorb) return classArmorAbsorption == kClothArmour ? level : 2 * level;
  return std::nullopt;
}

std::vector<std::string> ArmourLines(const VaultItem& item, const DescriptionContext& context) {
  const auto absorb = ShownAbsorb(item.Absorb, context.classArmorAbsorption);
  const auto armourFactor = ArmourFactorOf(item, context.classArmorAbsorption);
  if (!absorb || !armourFactor) return {};
  return {Concat("Absorb : ", AbsorbList().TextOf(*absorb)), "AF : " + std::to_string(*armourFactor) + " "};
}

std::string DamagePerSecondText(int level) { return FixedText(level * 0.3 + 1.2, 1); }

std::vector<std::string> WeaponLines(const VaultItem& item, const DescriptionContext& context) {
  if (item.WeaponType == 0) return {};
  return {Concat("Weapon Type  : ", context.vocabularies.WeaponTypes.TextOf(item.WeaponType)),
          Concat("Weapon Speed : ", SpeedList().TextOf(item.Speed)),
          "DPS : " + DamagePerSecondText(item.Level) + " "};
}

std::string BonusLine(int amount, int statId) {
  return std::to_string(amount) + " " + std::string(StatCatalogue().TextOf(statId));
}

std::vector<std::string> BonusLines(std::span<const StatId> ids, std::span<const std::int32_t> values) {
  std::vector<std::string> lines;
  for (std::size_t slot = 0; slot < ids.size() && slot < values.size(); ++slot)
    if (ids[slot] != 0) lines.push_back(BonusLine(values[slot], ids[slot]));
  return lines;
}

std::string ProcLine(int kind, int amount, int effect, int procSlot, const DescriptionContext& context) {
  if (kind <= 0 || kind >= kMythirian) return {};
  std::string line(ProcKindList().TextOf(kind));
  line += " ( ";
  if (amount != 0 && kind != kSelectableEffects) line += std::to_string(amount) + "v ";
  line += context.vocabularies.Effects.TextOf(effect);
  line += kind == kEquippedBuff && procSlot == kSecondProcSlot ? ")" : " )";
  return line;
}

std::string GemLine(int statId, int amount, int tier, int realm) {
  return LeftAligned(StatCatalogue().TextOf(statId), kGemNameWidth) + " : " +
         RightAligned(std::to_string(amount), kGemAmountWidth) + " ( " + GemName(statId, tier, realm) + " )";
}

std::vector<std::string> UtilityLines(const VaultItem& item) {
  return {UtilityOf(item) + " Utility", ToAUtilityOf(item) + " ToA Utility"};
}

std::string BonusLevelLine(const VaultItem& item) {
  if (item.BonusLevelManual != 0) return "Bonus Level (Manual) : " + std::to_string(item.BonusLevel);
  return "Bonus Level (Auto) : " + BonusLevelOf(item);
}

ItemDescription DescribeVaultItem(const VaultItem& item, DescriptionForm form, const DescriptionContext& context) {
  ItemDescription description;
  if (form == DescriptionForm::Panel) {
    description.title = ItemReportTitle(item.Name);
  } else {
    description.lines = {item.Name.Str(), ""};
  }
  Append(description.lines,
         IsMythirian(item) ? MythirianVaultLines(item, form, context) : OrdinaryVaultLines(item, form, context));
  return description;
}

ItemDescription DescribeInlineItem(const InlineItem& item, const DescriptionContext& context) {
  ItemDescription description{ItemReportTitle(item.Name), {"Item Type : Unique (RoG or Manual Edit)", ""}};
  Append(description.lines, BonusLines(item.StatIds, item.StatValues));
  AppendProcs(description.lines, item, ProcSeparators{" ", ""}, context);
  return description;
}

ItemDescription DescribeCraftedItem(const CraftedItem& item, const DescriptionContext& context) {
  ItemDescription description{Concat("Spellcrafted Item Report : ", item.Name), {}};
  std::vector<std::string>& lines = description.lines;
  if (auto name = CraftedNameLine(item)) lines.push_back(std::move(*name));
  Append(lines, {"Item Type : Crafted", ""});
  for (int gem = 0; gem < kGemSlots; ++gem) lines.push_back(CraftedGemLine(item, gem, context.realm));
  lines.emplace_back();
  Append(lines, FifthSlotLines(item));
  return description;
}

}  // namespace davoruzivi
