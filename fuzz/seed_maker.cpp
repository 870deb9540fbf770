// Writes the seed corpus of the fuzz targets into the folder given (normally
// fuzz/corpus): small valid inputs of every reader, made from the shipped
// vault and the example templates. Run by "make fuzz-seeds".
//
// The byte layouts of the older files are not written by the planner, so
// their images are put together here field by field, as the model tests do.

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "core/byte_image.h"
#include "core/file_io.h"
#include "itemdb/itemdb.h"
#include "platform/message_box.h"
#include "template/template.h"

namespace {

using namespace davoruzivi;
namespace fs = std::filesystem;

class QuietMessages final : public platform::MessageBox {
 public:
  void Show(std::string_view, std::string_view) override {}
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SeedWriter {
 public:
  explicit SeedWriter(fs::path corpus) : corpus_(std::move(corpus)) {}

  void Write(std::string_view target, std::string_view name, std::string_view bytes) const {
    fs::create_directories(corpus_ / target);
    std::ofstream out(corpus_ / target / name, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw std::runtime_error("cannot write " + (corpus_ / target / name).string());
    std::cout << target << '/' << name << ": " << bytes.size() << " bytes\n";
  }

 private:
  fs::path corpus_;
};

std::string_view Chars(std::span<const std::uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::span<std::uint8_t> Writable(std::string& bytes) {
  return {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()};
}

// ---------------------------------------------------------------- vault

MasterVault ShippedVault() {
  MasterVault vault;
  if (!ParseVaultText(ReadText(DAVORUZIVI_VAULT_TEXT), vault).Ok()) throw std::runtime_error("shipped vault");
  vault.RebuildMasterList();
  return vault;
}

bool HasProc(const VaultItem& item) { return item.ProcKinds[0] != 0; }
bool HasManualBonusLevel(const VaultItem& item) { return item.BonusLevelManual != 0; }
bool IsWeapon(const VaultItem& item) { return item.WeaponType != 0 && item.Speed != 0; }
bool HasNotes(const VaultItem& item) { return !item.Notes.Empty(); }
bool IsMythirian(const VaultItem& item) { return SlotList().TextOf(item.Slot) == "Mythirians"; }
bool HasManyBonuses(const VaultItem& item) { return item.StatIds[6] != 0; }

// A vault of a few records of different kinds from the shipped vault.
MasterVault SmallVault(const MasterVault& shipped) {
  const std::function<bool(const VaultItem&)> kinds[] = {HasProc,  HasManualBonusLevel, IsWeapon,
                                                         HasNotes, IsMythirian,         HasManyBonuses};
  MasterVault small;
  small.Vocabularies() = shipped.Vocabularies();
  std::vector<std::size_t> taken;
  for (const auto& kind : kinds) {
    const auto& items = shipped.Items();
    const auto found = std::find_if(items.begin(), items.end(), [&](const VaultItem& item) {
      return kind(item) && std::find(taken.begin(), taken.end(), &item - items.data()) == taken.end();
    });
    if (found == items.end()) continue;
    taken.push_back(static_cast<std::size_t>(found - items.begin()));
    small.PutVaultItem(static_cast<long long>(small.Size()), *found);
  }
  return small;
}

void WriteVaultSeeds(const SeedWriter& seeds, const MasterVault& shipped) {
  const std::string text = WriteVaultText(SmallVault(shipped));
  seeds.Write("vault_text", "small_vault.txt", text);
  seeds.Write("vault_file", "small_vault.kwv", CompressVaultText(text));
}

// ---------------------------------------------------------------- templates

std::vector<fs::path> ExampleTexts() {
  std::vector<fs::path> paths;
  for (const auto& entry : fs::directory_iterator(DAVORUZIVI_EXAMPLE_TEXTS)) paths.push_back(entry.path());
  std::sort(paths.begin(), paths.end());
  return paths;
}

void WriteTemplateSeeds(const SeedWriter& seeds) {
  for (const fs::path& path : ExampleTexts()) {
    const std::string text = ReadText(path);
    seeds.Write("kwt_load", path.filename().string(), text);
    seeds.Write("kwt_import", path.filename().string(), text);
  }
}

Template LoadExample(const fs::path& path, const MasterVault& vault) {
  Template model;
  QuietMessages messages;
  if (ReadTemplateText(ReadText(path), path.filename().string(), TemplateReadMode::Load, model, vault.Vocabularies(),
                       messages) != template_read::Ok)
    throw std::runtime_error("cannot load " + path.string());
  return model;
}

// Byte offsets of the legacy item record that LegacyItem has no setter for.
constexpr std::size_t kLegacyItemLevel = 55, kLegacyAbsorption = 57, kLegacyCraftedFlag = 59;

LegacyItem LegacyOf(const InlineItem& item) {
  LegacyItem legacy = ResetLegacyItem();
  legacy.SetName(item.Name.View());
  legacy.MarkInline();
  for (int n = 0; n < kBonusSlots; ++n) {
    legacy.SetStat(n, static_cast<std::uint8_t>(item.StatIds[n]));
    legacy.SetAmount(n, item.StatValues[n]);
  }
  return legacy;
}

// A crafted slot holds four gems' bonuses and tiers and two further bonuses.
LegacyItem LegacyOf(const CraftedItem& item) {
  LegacyItem legacy = ResetLegacyItem();
  legacy.SetName(item.Name.View());
  legacy.Bytes()[kLegacyCraftedFlag] = 1;
  legacy.Bytes()[kLegacyItemLevel] = item.ItemLevel;
  legacy.Bytes()[kLegacyAbsorption] = item.Absorption;
  for (int n = 0; n < kGemSlots; ++n) {
    legacy.SetStat(n, static_cast<std::uint8_t>(item.StatIds[n]));
    legacy.SetAmount(n, item.StatValues[n]);
    legacy.SetAmount(4 + n, item.GemTiers[n]);
  }
  legacy.SetStat(8, static_cast<std::uint8_t>(item.StatIds[4]));
  legacy.SetAmount(8, item.StatValues[4]);
  return legacy;
}

// The item of an equipment slot as an older template holds it: a vault item
// by its name only, inline and crafted items whole.
LegacyItem LegacySlot(const Template& model, const MasterVault& vault, int slot) {
  const Configuration& configuration = model.Configurations.front();
  const auto resolved = Resolve(model, configuration, slot);
  if (!resolved) return ResetLegacyItem();
  const ItemSlot& lists = model.ListsOf(resolved->kind);
  const auto at = static_cast<std::size_t>(resolved->position);
  switch (resolved->list) {
    case ItemList::Vault: {
      LegacyItem legacy = ResetLegacyItem();
      legacy.SetName(vault.Items().at(static_cast<std::size_t>(lists.VaultIds.at(at))).Name.View());
      return legacy;
    }
    case ItemList::Inline: return LegacyOf(lists.InlineItems.at(at));
    case ItemList::Crafted: return LegacyOf(lists.CraftedItems.at(at));
  }
  return ResetLegacyItem();
}

// The ".kwc" record of an example's first configuration.
std::string KwcOf(const Template& model, const MasterVault& vault) {
  std::string bytes(kLegacyTemplateSize, '\0');
  ImageWriter w(Writable(bytes));
  const Configuration& configuration = model.Configurations.front();
  w.Text(0, ShortString<41>(configuration.Name.View()));
  w.U8(42, configuration.Level);
  w.U8(43, static_cast<std::uint8_t>(configuration.RealmRank + 1));
  w.U8(44, static_cast<std::uint8_t>(model.ClassIndex));
  w.U8(45, static_cast<std::uint8_t>(model.ServerIndex));
  for (int s = 0; s < kEquipmentSlotCount; ++s) {
    const LegacyItem slot = LegacySlot(model, vault, s);
    std::copy(slot.Bytes().begin(), slot.Bytes().end(), bytes.begin() + 48 + s * static_cast<int>(kLegacyItemSize));
  }
  w.U8(5292, configuration.WeaponsEquipped);
  return bytes;
}

// The ".kwy" record of the same configuration: 160-byte slots holding the
// legacy record's fields at other places, and the class as a realm and its
// number there (the Albion Armsman, class 0, is realm 0, number 0).
std::string KwyOf(const Template& model, const MasterVault& vault) {
  if (model.ClassIndex != 0) throw std::runtime_error("a .kwy seed is made of an Albion Armsman only");
  struct Field {
    std::size_t from, to, size;
  };
  // {legacy offset, old offset, size}: crafted flag, name, absorption, level, kind marker, stats, amounts, procs.
  constexpr Field kOldFields[] = {{59, 0, 1},     {0, 1, 52},     {57, 53, 1},   {55, 54, 1},
                                  {56, 58, 1},    {116, 104, 10}, {128, 116, 40}, {168, 156, 2}};
  constexpr std::size_t kOldInlineMarker = 55, kOldSlots = 28, kOldSlotSize = 160, kOldSlotCount = 18;
  std::string bytes(kOldTemplateSize, '\0');
  ImageWriter w(Writable(bytes));
  const Configuration& configuration = model.Configurations.front();
  w.Text(0, ShortString<20>(configuration.Name.View()));
  w.U8(21, configuration.Level);
  w.U8(22, static_cast<std::uint8_t>(configuration.RealmRank + 1));
  w.U8(23, 0);
  w.U8(25, 0);
  w.U8(26, static_cast<std::uint8_t>(model.ServerIndex));
  for (std::size_t s = 0; s < kOldSlotCount; ++s) {
    const LegacyItem legacy = LegacySlot(model, vault, static_cast<int>(s));
    const std::size_t slot = kOldSlots + s * kOldSlotSize;
    for (const Field& field : kOldFields)
      std::copy_n(legacy.Bytes().begin() + static_cast<std::ptrdiff_t>(field.from), field.size,
                  bytes.begin() + static_cast<std::ptrdiff_t>(slot + field.to));
    if (legacy.IsInline()) w.U8(slot + kOldInlineMarker, 3);
  }
  w.U8(2908, configuration.WeaponsEquipped);
  return bytes;
}

void WriteLegacyTemplateSeeds(const SeedWriter& seeds, const MasterVault& vault) {
  const auto examples = ExampleTexts();
  const auto albion = std::find_if(examples.begin(), examples.end(),
                                   [](const fs::path& path) { return path.filename() == "albion_armsman.txt"; });
  if (albion == examples.end()) throw std::runtime_error("no albion_armsman.txt example");
  const Template model = LoadExample(*albion, vault);
  seeds.Write("kwc", "albion_armsman.kwc", KwcOf(model, vault));
  seeds.Write("kwy", "albion_armsman.kwy", KwyOf(model, vault));
}

// ---------------------------------------------------------------- items

const VaultItem& FirstItem(const MasterVault& vault, bool (*kind)(const VaultItem&)) {
  const auto& items = vault.Items();
  const auto found = std::find_if(items.begin(), items.end(), kind);
  if (found == items.end()) throw std::runtime_error("no such item in the shipped vault");
  return *found;
}

// The ".kwi" record: the name, ten stat bytes, ten amounts and two proc kinds.
std::string OlderItemOf(const VaultItem& item) {
  std::string bytes(kOlderItemSize, '\0');
  ImageWriter w(Writable(bytes));
  w.Text(1, ShortString<51>(item.Name.View()));
  for (std::size_t n = 0; n < kBonusSlots; ++n) {
    w.U8(104 + n, static_cast<std::uint8_t>(item.StatIds[n]));
    w.I32(116 + 4 * n, item.StatValues[n]);
  }
  for (std::size_t n = 0; n < kProcSlots; ++n) w.U8(156 + n, item.ProcKinds[n]);
  return bytes;
}

// One ".kwj" record: 32-bit numbers after a 76-character name.
std::string ItemListRecordOf(const VaultItem& item, std::int32_t outsideId) {
  std::string bytes(kItemListRecordSize, '\0');
  std::copy_n(item.Name.View().begin(), std::min<std::size_t>(item.Name.Size(), 76), bytes.begin());
  ImageWriter w(Writable(bytes));
  const std::int32_t fields[][2] = {{76, outsideId},   {80, item.Realm},       {84, item.Quality},
                                    {88, item.Level},  {92, item.BonusLevel},  {96, item.Slot},
                                    {100, item.WeaponType}, {104, item.Speed}, {108, item.Absorb},
                                    {112, 0xFFFF},     {116, 0x1},             {120, 0x3}};
  for (const auto& [offset, value] : fields) w.I32(static_cast<std::size_t>(offset), value);
  for (std::size_t n = 0; n < kBonusSlots; ++n) {
    w.I32(124 + 4 * n, item.StatIds[n]);
    w.I32(164 + 4 * n, item.StatValues[n]);
  }
  for (std::size_t n = 0; n < kProcSlots; ++n) {
    w.I32(204 + 4 * n, item.ProcEffects[n]);
    w.I32(212 + 4 * n, item.ProcAmounts[n]);
    w.I32(220 + 4 * n, item.ProcKinds[n]);
  }
  return bytes;
}

void WriteItemFileSeeds(const SeedWriter& seeds, const MasterVault& vault) {
  const VaultItem& proc = FirstItem(vault, HasProc);
  const VaultItem& many = FirstItem(vault, HasManyBonuses);
  seeds.Write("item_file", "export.kwx", Chars(ToImage(proc)));
  seeds.Write("item_file", "legacy.kwx", Chars(InlineToLegacyItem(VaultToInlineItem(proc)).Bytes()));
  seeds.Write("item_file", "older.kwi", OlderItemOf(many));
  seeds.Write("item_file", "inline.kwz", Chars(ToImage(VaultToInlineItem(many))));
  seeds.Write("item_list", "three_items.kwj", ItemListRecordOf(proc, 1001) + ItemListRecordOf(many, 1002) +
                                                   ItemListRecordOf(FirstItem(vault, IsWeapon), 1003));
}

// ---------------------------------------------------------------- item XML

std::string XmlSlot(std::string_view effect, std::string_view type, std::string_view amount) {
  return "\t\t<SLOT Number=\"0\">\r\n\t\t\t<Remakes>0</Remakes>\r\n\t\t\t<Effect>" + std::string(effect) +
         "</Effect>\r\n\t\t\t<Type>" + std::string(type) + "</Type>\r\n\t\t\t<Amount>" + std::string(amount) +
         "</Amount>\r\n\t\t\t<Done>0</Done>\r\n\t\t</SLOT>\r\n";
}

std::string ItemXml(std::string_view location, std::string_view name, std::string_view slots) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<SCItem>\r\n\t<ActiveState>drop</ActiveState>\r\n"
         "\t<Location>" + std::string(location) + "</Location>\r\n\t<ItemName>" + std::string(name) +
         "</ItemName>\r\n\t<Level>51</Level>\r\n\t<Type>Cloth</Type>\r\n\t<DROPITEM>\r\n" + std::string(slots) +
         "\t</DROPITEM>\r\n</SCItem>\r\n";
}

void WriteItemXmlSeeds(const SeedWriter& seeds) {
  seeds.Write("item_xml", "robe.xml",
              ItemXml("Chest", "Robe of the Magus",
                      XmlSlot("Strength", "Stat", "15") + XmlSlot("Crush", "Resist", "4") +
                          XmlSlot("Slash", "Skill", "3") + XmlSlot("Hits", "Stat", "40")));
  seeds.Write("item_xml", "ring.xml",
              ItemXml("Left Ring", "Band of Focus",
                      XmlSlot("All Magic Skills", "Skill", "2") + XmlSlot("Fire Magic", "Focus", "50") +
                          XmlSlot("Power", "Stat", "5")));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: fuzz_seed_maker CORPUS_FOLDER\n";
    return 2;
  }
  try {
    const SeedWriter seeds{fs::path(argv[1])};
    const MasterVault vault = ShippedVault();
    WriteVaultSeeds(seeds, vault);
    WriteTemplateSeeds(seeds);
    WriteLegacyTemplateSeeds(seeds, vault);
    WriteItemFileSeeds(seeds, vault);
    WriteItemXmlSeeds(seeds);
  } catch (const std::exception& error) {
    std::cerr << "fuzz_seed_maker: " << error.what() << '\n';
    return 1;
  }
  return 0;
}
