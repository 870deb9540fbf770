#include "report/template_report.h"

#include <algorithm>
#include <array>
#include <map>

#include "core/program_identity.h"
#include "core/text_format.h"
#include "core/text_lines.h"
#include "core/web_addresses.h"
#include "describe/item_description.h"
#include "itemdb/item_metrics.h"
#include "itemdb/master_vault.h"
#include "spellcraft/gem_texts.h"
#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "template/classes.h"
#include "template/template_model.h"

namespace davoruzivi {
namespace {

constexpr std::size_t kBannerWidth = 68;
constexpr std::string_view kShortRule = "========================";
constexpr std::string_view kLongRule = "=============================================";
constexpr std::string_view kHeadingRule = "-------------------------";
constexpr std::size_t kHeadingWidth = 23;
constexpr std::size_t kFramedHeadingLines = 5;
constexpr std::size_t kPlainHeadingLines = 2;
constexpr std::string_view kNoAlchemyProc = "(No Proc Selected)";

constexpr std::string_view kServerLines[] = {
    "Server Type        : Normal",  "Server Type        : Coop",    "Server Type        : Classic",
    "Server Type        : PvP",     "Server Type        : Origins", "Server Type        : Ywaine",
    "Server Type        : Realm Free"};

constexpr std::string_view kWeaponLines[] = {
    "Weapons Equipped : No weapons equipped ( N/A )", "Weapons Equipped : Right and Left Hands ( S / S )",
    "Weapons Equipped : Two Handed ( 2H )", "Weapons Equipped : Ranged ( 2H )"};

// Body armour and weapons first, then jewellery, cloak, belt, rings and wrists.
constexpr std::array<int, kEquipmentSlotCount> kAlternateOrder = {8, 9, 10, 11, 12, 13, 14, 15, 16, 17,
                                                                   0, 1, 2,  3,  4,  5,  6,  7,  18};

// The material totals: each material's name and the label its line shows.
struct MaterialLabel {
  std::string_view name;
  std::string_view label;
};
constexpr MaterialLabel kDustLabels[] = {
    {"Bloodied Battlefield Dirt", " Bloodied Battlefield Dirt"},
    {"Essence of Life", " Essence of Life "},
    {"Ground Blessed Undead Bone", " Ground Blessed Undead Bone"},
    {"Ground Caer Stone", " Ground Caer Stone"},
    {"Ground Cave Crystal", " Ground Cave Crystal"},
    {"Ground Giant Bone", " Ground Giant Bone"},
    {"Fairy Dust", " Fairy Dust"},
    {"Unseelie Dust", " Unseelie Dust"},
    {"Ground Vendo Bone", " Ground Vendo Bone"},
    {"Other Worldly Dust", " Other Worldly Dust"},
    {"Soot from Niflheim", " Soot from Niflheim"},
    {"Ground Draconic Scales", " Ground Draconic Scales"}};
constexpr MaterialLabel kLiquidLabels[] = {
    {"Air Elemental Essence", " Air Elemental Essence"},
    {"Draconic Fire", " Draconic Fire"},
    {"Frost From a Wasteland", " Frost From a Wasteland"},
    {"Giant Blood", " Giant Blood"},
    {"Heat From an Unearthly Pyre", " Heat From an Unearthly Pyre"},
    {"Leviathan Blood", " Leviathan Blood"},
    {"Mystic Energy", " Mystic Energy"},
    {"Sun Light", " Sun Light"},
    {"Swamp Fog", " Swamp Fog"},
    {"Treant Blood", " Treant Blood"},
    {"Undead Ash and Holy Water", " Undead Ash and Holy Water"}};

std::string Replaced(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class ReportComposer {
 public:
  ReportComposer(const ReportSubject& subject, const ReportOptions& options)
      : subject_(subject),
        options_(options),
        framed_(options[ReportOption::Framed]),
        context_{subject.vault.Vocabularies(), subject.applied.Info.ArmorAbsorption, subject.applied.Realm} {}

  std::vector<std::string> Compose() {
    stats_ = CalcStats(subject_.model, subject_.vault, subject_.applied, subject_.configuration);
    WriteHeader();
    if (options_[ReportOption::Stats]) WriteStatTable();
    WriteEquipmentHeader();
    for (int s : SlotOrder()) WriteSlot(s);
    if (options_[ReportOption::Materials]) WriteMaterialTotals();
    WriteEnd();
    return std::move(lines_);
  }

 private:
  // ------------------------------------------------------------ building blocks

  void Line(std::string_view text) { lines_.emplace_back(text); }
  void Lines(const std::vector<std::string>& more) { lines_.insert(lines_.end(), more.begin(), more.end()); }
  void Empty() { lines_.emplace_back(); }
  // The empty line the framed layout puts between parts of an item.
  void FramedGap() {
    if (framed_) Empty();
  }

  void Banner(std::string_view title, std::string_view rule) {
    Line(CenterText(rule, kBannerWidth));
    Line(CenterText(title, kBannerWidth));
    Line(CenterText(rule, kBannerWidth));
  }

  void Heading(std::string_view title) {
    Empty();
    Line(kHeadingRule);
    Line("-" + CenterText(title, kHeadingWidth) + "-");
    Line(kHeadingRule);
    Empty();
  }

  // ------------------------------------------------------------ header

  void WriteHeader() {
    const Configuration& configuration = subject_.configuration;
    Line(std::string(kProgramTitleWithVersion) + " Template Report");
    Line("Configuration Name : " + configuration.Name.Str());
    Line("Character Class    : " + std::string(ClassList().TextOf(subject_.model.ClassIndex)));
    const int server = subject_.model.ServerIndex;
    if (server >= 0 && server < static_cast<int>(std::size(kServerLines))) Line(kServerLines[server]);
    Line("Character Level    : " + std::to_string(configuration.Level));
    if (options_[ReportOption::Details]) {
      Line("Realm Rank         : RR " + std::to_string(configuration.RealmRank + 1));
      Line("Champion Level     : CL " + std::to_string(configuration.ChampionLevel));
    }
    const auto races = subject_.applied.Races;
    const auto race = std::find(races.begin(), races.end(), configuration.Race.View());
    if (race != races.end() && race != races.begin()) Line("Race               : " + configuration.Race.Str());
    Empty();
  }

  // ------------------------------------------------------------ stat table

  std::string StatRow(std::string_view label, int stat) const {
    const auto i = static_cast<std::size_t>(stat);
    const std::int32_t total = stats_.Totals[i], cap = stats_.Caps[i], difference = stats_.Diffs[i];
    if (!framed_) return std::string(label) + " : " + std::to_string(total) + " / " + std::to_string(cap);
    return LeftAligned(label, 25) + " : " + RightAligned(std::to_string(total), 7) + " / " +
           RightAligned(std::to_string(cap), 7) + "  ( " + RightAligned(std::to_string(difference), 7) + " )";
  }

  // A heading whose group printed no stat leaves no trace.
  void RemoveEmptyGroup(bool printedSinceHeading) {
    if (printedSinceHeading) return;
    const std::size_t count = framed_ ? kFramedHeadingLines : kPlainHeadingLines;
    lines_.resize(lines_.size() - std::min(count, lines_.size()));
  }

  void WriteStatTable() {
    if (framed_) Line(LeftAligned("Stat Details", 25) + " : " + RightAligned("Items", 7) + " / " +
                      RightAligned("Cap", 7) + "  ( " + RightAligned("Diff.", 7) + " )");
    else Line("Stat Details : Items / Cap");
    bool printedSinceHeading = true;
    for (const DisplayGroup& group : CapFormulas()) {
      RemoveEmptyGroup(printedSinceHeading);
      if (framed_) {
        Heading(group.heading);
      } else {
        Empty();
        Line("<-- " + std::string(group.heading) + " -->");
      }
      printedSinceHeading = false;
      for (const DisplayRow& row : group.rows) {
        const bool shown = stats_.Totals[static_cast<std::size_t>(row.statId)] > 0 &&
                           ClassShowsStat(subject_.applied, row.statId);
        if (!shown) continue;
        Line(StatRow(row.label, row.statId));
        printedSinceHeading = true;
      }
    }
    RemoveEmptyGroup(printedSinceHeading);
    Empty();
  }

  // ------------------------------------------------------------ equipment

  void WriteEquipmentHeader() {
    if (framed_) Banner("==   Equipment Info   ==", kShortRule);
    else Line("<== Equipment Info ==>");
    Empty();
    const int weapons = subject_.configuration.WeaponsEquipped;
    if (weapons >= 0 && weapons < static_cast<int>(std::size(kWeaponLines))) Line(kWeaponLines[weapons]);
  }

  std::array<int, kEquipmentSlotCount> SlotOrder() const {
    if (options_[ReportOption::AlternateOrder]) return kAlternateOrder;
    std::array<int, kEquipmentSlotCount> order{};
    for (int s = 0; s < kEquipmentSlotCount; ++s) order[static_cast<std::size_t>(s)] = s;
    return order;
  }

  static std::string KindName(int kind) { return std::string(SlotList().TextOf(kind + 1)); }

  void WriteSlot(int s) {
    const int kind = SlotKindOf(s);
    const std::string kindName = KindName(kind);
    if (framed_) Heading(kindName);
    const std::string& ref = subject_.configuration.Slots[static_cast<std::size_t>(s)];
    if (ref == kEmptySlotRef) {
      if (framed_) Line("<Nothing is equipped in this slot>");
      return;
    }
    // A reference that names no item prints nothing more; the other slots go on.
    const auto item = Resolve(subject_.model, subject_.configuration, s);
    if (!item) return;
    const ItemSlot& lists = subject_.model.ListsOf(kind);
    const auto position = static_cast<std::size_t>(item->position);
    switch (item->list) {
      case ItemList::Vault:
        if (const auto vaultItem = subject_.vault.Find(lists.VaultIds[position]))
          WriteVaultItem(*vaultItem, kindName);
        break;
      case ItemList::Inline: WriteInlineItem(lists.InlineItems[position], kindName); break;
      case ItemList::Crafted: WriteCraftedItem(lists.CraftedItems[position], kindName); break;
    }
  }

  std::string_view EffectName(int effect) const { return context_.vocabularies.Effects.TextOf(effect); }

  void WriteProcLines(std::span<const std::uint8_t> kinds, std::span<const std::uint16_t> amounts,
                      std::span<const std::uint16_t> effects) {
    if (!options_[ReportOption::Procs]) return;
    if (kinds[0] != 0) {
      FramedGap();
      AddIfAny(ProcLine(kinds[0], amounts[0], effects[0], 0, context_));
    }
    if (kinds[1] != 0) AddIfAny(ProcLine(kinds[1], amounts[1], effects[1], 1, context_));
  }

  void AddIfAny(const std::string& line) {
    if (!line.empty()) Line(line);
  }

  void WriteVaultItem(const VaultItem& item, const std::string& kindName) {
    if (framed_) {
      Line("Item Name : " + item.Name.Str());
    } else {
      Empty();
      Line("(" + kindName + ") : " + item.Name.Str());
    }
    if (options_[ReportOption::Details]) {
      Lines(DetailLines(item, DescriptionForm::Panel, context_, /*alwaysShowQuality=*/true));
      if (framed_) Lines(VerificationLines(item));
    }
    if (item.ProcKinds[0] == 6) {
      WriteMythirianLines(item);
      return;
    }
    if (options_[ReportOption::Details]) {
      Lines(ArmourLines(item, context_));
      Lines(WeaponLines(item, context_));
    }
    if (options_[ReportOption::DroppedStats]) {
      FramedGap();
      Lines(BonusLines(item.StatIds, item.StatValues));
    }
    WriteProcLines(item.ProcKinds, item.ProcAmounts, item.ProcEffects);
    if (options_[ReportOption::Utility]) {
      FramedGap();
      Line(UtilityOf(item) + " Utility / " + ToAUtilityOf(item) + " ToA Utility");
      Line(item.BonusLevelManual != 0 ? "Bonus Level (Manual) : " + std::to_string(item.BonusLevel)
                                      : "Bonus Level (Auto)   : " + BonusLevelOf(item));
    }
    if (options_[ReportOption::Notes] && !item.Notes.Empty() && item.Notes.View().find("KWI") == std::string_view::npos) {
      FramedGap();
      Line("Notes - " + item.Notes.Str());
    }
  }

  // A Mythirian's effects and its "Stats : " line belong to the dropped item stats.
  void WriteMythirianLines(const VaultItem& item) {
    if (!options_[ReportOption::DroppedStats]) return;
    Line(EffectName(item.ProcEffects[0]));
    if (item.ProcKinds[1] == 6) {
      FramedGap();
      Line(EffectName(item.ProcEffects[1]));
    }
    FramedGap();
    Line("Stats : " + item.Notes.Str());
  }

  void WriteInlineItem(const InlineItem& item, const std::string& kindName) {
    if (framed_) {
      Line("Item Name : " + item.Name.Str());
      Line("Item Type : Unique (RoG or Manual Edit)");
    } else {
      Line("( " + kindName + " ) (RoG) : " + item.Name.Str());
    }
    if (options_[ReportOption::InlineStats]) {
      FramedGap();
      Lines(BonusLines(item.StatIds, item.StatValues));
    }
    WriteProcLines(item.ProcKinds, item.ProcAmounts, item.ProcEffects);
  }

  void WriteCraftedItem(const CraftedItem& item, const std::string& kindName) {
    const std::string name = item.Name.Str();
    if (framed_) {
      if (item.Autoname == 1) Line("Item Name (Auto) : " + name);
      if (item.Autoname == 0) Line("Item Name (Manual) : " + name);
    } else {
      Empty();
      if (item.Autoname == 1) Line("( " + kindName + " ) (Auto Name) : " + name);
      if (item.Autoname == 0) Line("( " + kindName + " ) (Manual Name) : " + name);
    }
    Line("Item Type : Crafted");
    if (options_[ReportOption::CraftedStats]) WriteGems(item);
    if (options_[ReportOption::Procs] && !item.AlchemyProc.Empty() && item.AlchemyProc.View() != kNoAlchemyProc) {
      FramedGap();
      Line("Proc chosen : " + item.AlchemyProc.Str());
    }
    if (options_[ReportOption::Materials]) WriteGemMaterials(item);
  }

  void WriteGems(const CraftedItem& item) {
    FramedGap();
    const int realm = subject_.applied.Realm;
    for (std::size_t n = 0; n < kGemSlots; ++n) {
      const int stat = item.StatIds[n];
      if (framed_) {
        Line(GemLine(stat, item.StatValues[n], item.GemTiers[n], realm));
      } else {
        Line(std::string(StatCatalogue().TextOf(stat)) + " : " + std::to_string(item.StatValues[n]) + " ( " +
             GemName(stat, item.GemTiers[n], realm) + " )");
      }
    }
    // Entries 5, 6 and 7 hold the fifth-slot bonuses.
    if (item.StatIds[4] != 0) {
      Line("Fifth Slot Bonuses : ");
      Line(BonusLine(item.StatValues[4], item.StatIds[4]));
    }
    for (std::size_t n : {5u, 6u})
      if (item.StatIds[n] != 0) Line(BonusLine(item.StatValues[n], item.StatIds[n]));
  }

  void WriteGemMaterials(const CraftedItem& item) {
    FramedGap();
    const int realm = subject_.applied.Realm;
    for (std::size_t n = 0; n < kGemSlots; ++n) {
      const int stat = item.StatIds[n];
      if (stat == 0) continue;
      const int tier = item.GemTiers[n];
      Line("Gem " + std::to_string(n + 1) + " : " + Replaced(GemMaterials(stat, tier, realm), " | ", " , "));
      Tally(stat, tier, realm);
    }
  }

  void Tally(int stat, int tier, int realm) {
    if (IsListedGemTier(stat, tier)) ++gems_[static_cast<std::size_t>(tier)];
    const GemMaterialCounts counts = GemMaterialCountsOf(stat, tier, realm);
    if (counts.dust) dusts_[counts.dust->first] += counts.dust->second;
    for (const auto& [liquid, amount] : counts.liquids) liquids_[liquid] += amount;
  }

  // ------------------------------------------------------------ materials and end

  void WriteTotals(std::span<const MaterialLabel> labels, const std::map<std::string_view, int>& totals) {
    for (const MaterialLabel& material : labels) {
      const auto found = totals.find(material.name);
      if (found != totals.end() && found->second > 0) Line(std::to_string(found->second) + std::string(material.label));
    }
  }

  void WriteMaterialTotals() {
    Empty();
    if (framed_) Banner("==    Total Spellcraft Materials Needed    ==", kLongRule);
    else Line("<== Total Spellcraft Materials Needed ==>");
    Empty();
    for (int tier = 0; tier < kGemTierCount; ++tier)
      if (gems_[static_cast<std::size_t>(tier)] > 0)
        Line(std::to_string(gems_[static_cast<std::size_t>(tier)]) + " " + std::string(GemTierSymbol(tier)) + " gem(s)");
    Empty();
    WriteTotals(kDustLabels, dusts_);
    Empty();
    WriteTotals(kLiquidLabels, liquids_);
  }

  void WriteEnd() {
    Empty();
    if (framed_) Banner("==     End Report     ==", kShortRule);
    else Line("<== End Report ==>");
    Empty();
    Line("DavoruzivI can be downloaded at " + std::string(web::kHomePage));
  }

  const ReportSubject& subject_;
  const ReportOptions& options_;
  bool framed_;
  DescriptionContext context_;
  StatResult stats_;
  std::vector<std::string> lines_;
  std::array<int, kGemTierCount> gems_{};
  std::map<std::string_view, int> dusts_;
  std::map<std::string_view, int> liquids_;
};

// The characters of a line that HTML would read as markup.
std::string EscapedForHtml(std::string_view line) {
  std::string escaped;
  escaped.reserve(line.size());
  for (char c : line) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::vector<std::string> ComposeReport(const ReportSubject& subject, const ReportOptions& options) {
  return ReportComposer(subject, options).Compose();
}

std::string CenterText(std::string_view text, std::size_t width) {
  if (text.size() > width) return std::string(text.substr(0, width));
  const std::size_t room = width - text.size();
  std::string centred((room + 1) / 2, ' ');
  centred += text;
  centred.append(room / 2, ' ');
  return centred;
}

std::string ReportFileText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) AppendLine(text, line);
  return text;
}

std::vector<std::string> ReportHtmlLines(const std::vector<std::string>& report, std::string_view configurationName) {
  constexpr std::size_t kEndLines = 4;  // the end marker block and the download line
  const std::string name = EscapedForHtml(configurationName);
  std::vector<std::string> page;
  page.push_back("<HTML><HEAD><TITLE>SpellCraft Report for : " + name + "</TITLE></HEAD>");
  page.push_back("<BODY><CENTER><FONT SIZE=+2>Spellcraft Report for : " + name +
                 "</FONT></CENTER><BR><HR><PRE>");
  const std::size_t kept = report.size() - std::min(kEndLines, report.size());
  for (std::size_t i = 0; i < kept; ++i) page.push_back(EscapedForHtml(report[i]));
  page.push_back("<HR>");
  const std::string address(web::kHomePage);
  page.push_back("DavoruzivI can be downloaded at <A HREF=\"" + address + "\">" + address + "</A>");
  page.push_back("<HR>");
  page.push_back("</PRE></BODY></HTML>");
  return page;
}

}  // namespace davoruzivi
