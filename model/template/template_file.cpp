#include "template/template_file.h"

#include <algorithm>
#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/integer_text.h"
#include "core/text_lines.h"
#include "core/zlib_stream.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/stat_catalogue.h"
#include "platform/message_box.h"
#include "template/classes.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kVaultVersionLine = "~Vault version :1";
constexpr std::string_view kConfigSection = "~config";
constexpr std::string_view kNotesSection = "~~";
constexpr std::string_view kListEnd = "/";
constexpr std::string_view kVaultList = "~V";
constexpr std::string_view kInlineList = "~I";
constexpr std::string_view kCraftedList = "~C";
constexpr std::string_view kAutoname = "Autoname";
constexpr std::string_view kManualName = "Manual";
constexpr int kVersion1CraftedBonuses = 6;

std::string DecimalText(long long value) { return std::to_string(value); }

// ---------------------------------------------------------------- writing

class TemplateWriter {
 public:
  TemplateWriter(const Template& model, const ItemVocabularies& vocabularies)
      : model_(model), effects_(vocabularies.Effects.List()) {}

  std::string Write() {
    Line(kTemplateHeaderV2);
    Line(kVaultVersionLine);
    Line(" ");
    Line(ClassList().TextOf(model_.ClassIndex));
    Line(ServerTypeText(model_.ServerIndex));
    Line(" ");
    for (int kind = 0; kind < kSlotKindCount; ++kind) WriteSection(kind);
    Line(kConfigSection);
    Line(DecimalText(static_cast<long long>(model_.Configurations.size())));
    Line(DecimalText(model_.Configurations.empty() ? -1 : model_.CurrentConfiguration));
    Line(kListEnd);
    for (const Configuration& configuration : model_.Configurations) WriteConfiguration(configuration);
    Line(kNotesSection);
    for (const std::string& note : model_.Notes) Line(note);
    return out_;
  }

 private:
  void Line(std::string_view text) { AppendLine(out_, SingleLine(text)); }
  void Number(long long value) { Line(DecimalText(value)); }

  void WriteSection(int kind) {
    const ItemSlot& lists = model_.ListsOf(kind);
    std::string section = "~";
    section += DecimalText(kind);
    Line(section);
    Line(kVaultList);
    for (std::int32_t position : lists.VaultIds) Number(position);
    Line(kListEnd);
    Line(kInlineList);
    for (const InlineItem& item : lists.InlineItems) WriteInline(item);
    Line(kListEnd);
    Line(kCraftedList);
    for (const CraftedItem& item : lists.CraftedItems) WriteCrafted(item);
    Line(kListEnd);
  }

  void WriteBonuses(std::span<const StatId> ids, std::span<const std::int32_t> values) {
    for (std::size_t j = 0; j < ids.size(); ++j) {
      Line(StatCatalogue().TextOf(ids[j]));
      Number(values[j]);
    }
  }

  void WriteInline(const InlineItem& item) {
    Line(item.Name);
    WriteBonuses(item.StatIds, item.StatValues);
    for (int i = 0; i < kProcSlots; ++i) {
      Line(effects_.TextOf(item.ProcEffects[i]));
      Number(item.ProcKinds[i]);
      Number(item.ProcAmounts[i]);
    }
  }

  void WriteCrafted(const CraftedItem& item) {
    Line(item.Name);
    Line(item.Autoname ? kAutoname : kManualName);
    Number(item.Absorption);
    Number(item.ItemLevel);
    Number(item.LegacyBonus);
    Number(item.FifthSlotBonus);
    Line(item.AlchemyProc);
    Line(item.SpareText);
    WriteBonuses(item.StatIds, item.StatValues);
    for (std::uint16_t tier : item.GemTiers) Number(tier);
  }

  void WriteConfiguration(const Configuration& configuration) {
    Line(configuration.Name);
    Number(configuration.Level);
    Number(configuration.ChampionLevel);
    Number(configuration.RealmRank);
    Line(configuration.Race);
    Number(configuration.WeaponsEquipped);
    for (std::uint8_t level : configuration.Spec) Number(level);
    for (const std::string& ref : configuration.Slots) Line(ref);
    Line(kListEnd);
  }

  const Template& model_;
  const Vocabulary& effects_;
  std::string out_;
};

// ---------------------------------------------------------------- reading

// A file that cannot be read to its end: a number that is not one, a section
// that names no slot kind, a file that stops inside a block.
struct Damaged {
  std::string problem;
};

class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : lines_(SplitLines(text)) {}

  std::size_t Size() const { return lines_.size(); }
  bool AtEnd() const { return next_ >= lines_.size(); }
  std::string_view Peek() const { return AtEnd() ? std::string_view() : lines_[next_]; }
  std::string_view At(std::size_t i) const { return i < lines_.size() ? lines_[i] : std::string_view(); }
  void Skip() { ++next_; }
  void Seek(std::size_t line) { next_ = line; }

  // The next line; the file may not end before it.
  std::string_view Take(std::string_view what) {
    if (AtEnd()) throw Damaged{"The file ends inside " + std::string(what) + "."};
    return lines_[next_++];
  }
  // The next line as a whole number; anything else damages the file.
  std::int32_t Number(std::string_view what) {
    const std::size_t lineNumber = next_ + 1;
    const std::string_view line = Take(what);
    if (const auto value = ParseInteger(line)) return *value;
    throw Damaged{"Line " + std::to_string(lineNumber) + ": " + NotAnIntegerMessage(line)};
  }
  // The next line as a number, 0 when it is not one.
  std::int32_t NumberOrZero(std::string_view what) { return ParseIntegerOr(Take(what), 0); }

 private:
  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
};

StatId StatOfName(std::string_view name) {
  const int stat = StatCatalogue().ExactIndexOf(name);
  return stat < 0 ? StatId{0} : static_cast<StatId>(stat);
}

class TemplateReader {
 public:
  TemplateReader(std::string_view text, std::string_view name, TemplateReadMode mode, Template& model,
                 const ItemVocabularies& vocabularies, platform::MessageBox& messages)
      : lines_(text), name_(name), mode_(mode), model_(model), effects_(vocabularies.Effects.List()),
        messages_(messages) {}

  int Read() {
    try {
      if (const int header = ReadHeader(); header != template_read::Ok) return header;
      for (int kind = 0; kind < kSlotKindCount; ++kind) {
        const ItemSlot& lists = model_.ListsOf(kind);
        lengthsBefore_[kind] = {static_cast<int>(lists.VaultIds.size()), static_cast<int>(lists.InlineItems.size()),
                                static_cast<int>(lists.CraftedItems.size())};
      }
      ReadItemSections();
      if (lines_.AtEnd()) return EndWithoutConfigurations();
      lines_.Skip();  // "~config"
      ReadConfigurations();
      ReadNotes();
      if (mode_ == TemplateReadMode::Import) RemoveDuplicateVaultEntries();
    } catch (const Damaged& damage) {
      return Fail(template_read::Damaged,
                  "This template file is damaged : \n\r" + std::string(name_) + "\n\r" + damage.problem);
    }
    messages_.Notify((mode_ == TemplateReadMode::Load ? "Template loaded successfully : \n\r"
                                                      : "Template imported successfully : \n\r") +
                     std::string(name_));
    return template_read::Ok;
  }

 private:
  struct ListLengths {
    int vault = 0, inlines = 0, crafted = 0;
  };

  int Fail(int code, std::string_view message) {
    messages_.Notify(message);
    return code;
  }

  int ReadHeader() {
    const std::string_view first = lines_.At(0);
    if (first == kTemplateHeaderV1) version_ = 1;
    else if (first != kTemplateHeaderV2) {
      if (first.find("~Kitwright") == std::string_view::npos)
        return Fail(template_read::NotATemplate,
                    "This does not appear to be a valid Kitwright template file : \n\r" + std::string(name_));
      return Fail(template_read::UnknownFormat, "This template's format is not recognized : \n\r" +
                                                    std::string(name_) + "\n" + "\r" + std::string(first));
    }
    const std::string_view second = lines_.At(1);
    if (second != kVaultVersionLine) {
      if (second.find("~Vault version") == std::string_view::npos)
        return Fail(template_read::NotATemplate,
                    "This does not appear to be a Kitwright template file : \n\r" + std::string(name_));
      return Fail(template_read::IncompatibleVault,
                  "An incompatible vault format was used to create this template : \n\r" + std::string(name_));
    }
    const std::string_view classText = lines_.At(3);
    const std::string_view serverText = ReadServerTypeText(lines_.At(4));
    if (mode_ == TemplateReadMode::Load) {
      model_.ClassIndex = ClassIndexOf(classText);
      model_.ServerIndex = ServerTypeIndex(serverText);
    } else {
      if (classText != ClassList().TextOf(model_.ClassIndex))
        return Fail(template_read::OtherClass, kClassMismatchMessage);
      const std::string_view openServer = ServerTypeText(model_.ServerIndex);
      if (serverText != openServer) {
        if (const auto refusal = ImportServerRefusal(serverText, openServer))
          return Fail(ServerTypeIndex(serverText) < 0 ? template_read::UnknownServerType
                                                      : template_read::OtherServerType,
                      *refusal);
      }
    }
    lines_.Seek(6);
    return template_read::Ok;
  }

  // The kind a section line opens: up to five characters after its first "~"
  // that form a number; nothing for any other line.
  static std::optional<int> SectionKind(std::string_view line) {
    const auto mark = line.find('~');
    if (mark == std::string_view::npos) return std::nullopt;
    const auto kind = ParseInteger(CopyOf(line, static_cast<std::ptrdiff_t>(mark) + 2, 5));
    if (!kind || *kind < 0) return std::nullopt;
    return *kind;
  }

  void ReadItemSections() {
    while (!lines_.AtEnd() && lines_.Peek() != kConfigSection) {
      const auto kind = SectionKind(lines_.Peek());
      lines_.Skip();
      if (!kind) continue;
      if (*kind >= kSlotKindCount)
        throw Damaged{"A section names the slot kind " + std::to_string(*kind) + ", which does not exist."};
      ItemSlot& lists = model_.ListsOf(*kind);
      if (lines_.Peek() == kVaultList) ReadList([&] { lists.VaultIds.push_back(lines_.Number("a vault list")); });
      if (lines_.Peek() == kInlineList) ReadList([&] { lists.InlineItems.push_back(ReadInline()); });
      if (lines_.Peek() == kCraftedList) ReadList([&] { lists.CraftedItems.push_back(ReadCrafted()); });
    }
  }

  // Reads entries after the list's opening line up to its "/".
  template <typename ReadEntry>
  void ReadList(ReadEntry&& readEntry) {
    lines_.Skip();
    while (lines_.Peek() != kListEnd) {
      if (lines_.AtEnd()) throw Damaged{"The file ends inside an item list."};
      readEntry();
    }
    lines_.Skip();
  }

  void ReadBonuses(int count, std::span<StatId> ids, std::span<std::int32_t> values, bool strictValues) {
    for (int j = 0; j < count; ++j) {
      ids[static_cast<std::size_t>(j)] = StatOfName(lines_.Take("an item"));
      values[static_cast<std::size_t>(j)] = strictValues ? lines_.Number("an item") : lines_.NumberOrZero("an item");
    }
  }

  InlineItem ReadInline() {
    InlineItem item;
    item.Name = lines_.Take("an item");
    ReadBonuses(kBonusSlots, item.StatIds, item.StatValues, true);
    for (int i = 0; i < kProcSlots; ++i) {
      item.ProcEffects[i] = static_cast<std::uint16_t>(std::max(effects_.IndexOf(lines_.Take("an item")), 0));
      item.ProcKinds[i] = static_cast<std::uint8_t>(lines_.Number("an item"));
      item.ProcAmounts[i] = static_cast<std::uint16_t>(lines_.Number("an item"));
    }
    return item;
  }

  CraftedItem ReadCrafted() {
    CraftedItem item;
    item.Name = lines_.Take("an item");
    item.Autoname = lines_.Take("an item") == kAutoname ? 1 : 0;
    item.Absorption = static_cast<std::uint8_t>(lines_.Number("an item"));
    item.ItemLevel = static_cast<std::uint8_t>(lines_.Number("an item"));
    item.LegacyBonus = static_cast<std::uint8_t>(lines_.Number("an item"));
    item.FifthSlotBonus = static_cast<std::uint8_t>(lines_.Number("an item"));
    item.AlchemyProc = lines_.Take("an item");
    item.SpareText = lines_.Take("an item");
    ReadBonuses(version_ == 1 ? kVersion1CraftedBonuses : kBonusSlots, item.StatIds, item.StatValues, false);
    for (std::uint16_t& tier : item.GemTiers) tier = static_cast<std::uint16_t>(lines_.NumberOrZero("an item"));
    return item;
  }

  int EndWithoutConfigurations() {
    if (mode_ == TemplateReadMode::Load) {
      messages_.Notify(
          "The specified KWT file lacked a configuration section, a blank configuration will be created to use the "
          "items found");
      model_.Configurations.push_back(NewConfiguration(kNoRace));
      model_.CurrentConfiguration = static_cast<int>(model_.Configurations.size()) - 1;
    } else {
      messages_.Notify(
          "The specified KWT file lacked a configuration section, the items found in it have been imported though.");
    }
    return template_read::Ok;
  }

  void ReadConfigurations() {
    const std::int32_t count = ParseIntegerOr(lines_.Take("the configurations"), 0);
    const auto existing = static_cast<std::int64_t>(model_.Configurations.size());
    if (count < 0 || existing + count > kMaxConfigurations)
      throw Damaged{"It holds " + std::to_string(count) + " configurations; a template holds at most " +
                    std::to_string(kMaxConfigurations) + "."};
    const std::int32_t current = lines_.Number("the configurations");
    lines_.Take("the configurations");  // the "/" that closes the header
    for (std::int32_t c = 0; c < count; ++c) model_.Configurations.push_back(ReadConfiguration());
    if (mode_ == TemplateReadMode::Load) {
      const bool valid = current >= 0 && current < count;
      model_.CurrentConfiguration = count == 0 ? -1 : (valid ? current : 0);
    }
  }

  Configuration ReadConfiguration() {
    Configuration configuration;
    configuration.Name = lines_.Take("a configuration");
    configuration.Level = static_cast<std::uint8_t>(lines_.Number("a configuration"));
    configuration.ChampionLevel = static_cast<std::uint8_t>(lines_.Number("a configuration"));
    configuration.RealmRank = static_cast<std::uint8_t>(lines_.Number("a configuration"));
    configuration.Race = lines_.Take("a configuration");
    configuration.WeaponsEquipped = static_cast<std::uint8_t>(lines_.Number("a configuration"));
    for (std::uint8_t& level : configuration.Spec) level = static_cast<std::uint8_t>(lines_.Number("a configuration"));
    for (int s = 0; s < kEquipmentSlotCount; ++s)
      configuration.Slots[static_cast<std::size_t>(s)] = ReadReference(s);
    lines_.Take("a configuration");  // its closing "/"
    return configuration;
  }

  // A reference as the file holds it; on Import moved onto the merged lists.
  std::string ReadReference(int equipmentSlot) {
    const std::string_view ref = lines_.Take("a configuration");
    if (ref == kEmptySlotRef) return std::string(kEmptySlotRef);
    const auto parsed = ParseSlotRef(ref);
    if (!parsed) throw Damaged{"The item reference '" + std::string(ref) + "' has no number."};
    const auto list = ItemListOf(parsed->letter);
    if (mode_ == TemplateReadMode::Load || !list) return std::string(ref);
    const ListLengths& before = lengthsBefore_[SlotKindOf(equipmentSlot)];
    const int shift = *list == ItemList::Vault ? before.vault : *list == ItemList::Inline ? before.inlines : before.crafted;
    return MakeSlotRef(*list, parsed->position + shift);
  }

  void ReadNotes() {
    while (!lines_.AtEnd() && lines_.Peek() != kNotesSection) lines_.Skip();
    if (lines_.AtEnd()) throw Damaged{"The character notes section (\"~~\") is missing."};
    lines_.Skip();
    if (mode_ == TemplateReadMode::Load) {
      model_.Notes.clear();
    } else {
      model_.Notes.insert(model_.Notes.end(), {" ", "===============================================",
                                               "Notes imported from : " + std::string(name_), " "});
    }
    while (!lines_.AtEnd()) model_.Notes.emplace_back(lines_.Take("the notes"));
  }

  // Every later copy of a vault entry in a list gives way to its first copy.
  void RemoveDuplicateVaultEntries() {
    for (int s = 0; s < kEquipmentSlotCount; ++s) {
      std::vector<std::int32_t>& ids = model_.ListsOf(SlotKindOf(s)).VaultIds;
      const auto [first, last] = SlotsSharingListOf(s);
      for (std::size_t j = 0; j < ids.size();) {
        const auto earlier = std::find(ids.begin(), ids.begin() + static_cast<std::ptrdiff_t>(j), ids[j]);
        if (earlier == ids.begin() + static_cast<std::ptrdiff_t>(j)) {
          ++j;
          continue;
        }
        const std::string later = MakeSlotRef(ItemList::Vault, static_cast<int>(j));
        const std::string kept = MakeSlotRef(ItemList::Vault, static_cast<int>(earlier - ids.begin()));
        for (Configuration& configuration : model_.Configurations)
          for (int t = first; t <= last; ++t)
            if (configuration.Slots[static_cast<std::size_t>(t)] == later) configuration.Slots[static_cast<std::size_t>(t)] = kept;
        RemovalFixUp(model_, later, s);
        ids.erase(ids.begin() + static_cast<std::ptrdiff_t>(j));
      }
    }
  }

  LineCursor lines_;
  std::string_view name_;
  TemplateReadMode mode_;
  Template& model_;
  const Vocabulary& effects_;
  platform::MessageBox& messages_;
  int version_ = 2;
  std::array<ListLengths, kSlotKindCount> lengthsBefore_{};
};

std::string DisplayName(const std::filesystem::path& path) { return Utf8ToCp1252(path.filename().string()); }

bool HoldsTemplateExtension(const std::filesystem::path& path) {
  return path.string().find(".kwt") != std::string::npos;
}

}  // namespace

std::string WriteTemplateText(const Template& model, const ItemVocabularies& vocabularies) {
  return TemplateWriter(model, vocabularies).Write();
}

std::filesystem::path TemplateFileName(const std::filesystem::path& chosen) {
  if (HoldsTemplateExtension(chosen)) return chosen;
  std::filesystem::path name = chosen;
  name += ".kwt";
  return name;
}

std::optional<std::string> WriteTemplateFile(const std::filesystem::path& path, const Template& model,
                                             const ItemVocabularies& vocabularies) {
  return WriteFileAtomically(TemplateFileName(path), Deflate(WriteTemplateText(model, vocabularies)));
}

int ReadTemplateText(std::string_view text, std::string_view name, TemplateReadMode mode, Template& model,
                     const ItemVocabularies& vocabularies, platform::MessageBox& messages) {
  return TemplateReader(text, name, mode, model, vocabularies, messages).Read();
}

int ReadTemplateFile(const std::filesystem::path& path, TemplateReadMode mode, Template& model,
                     const ItemVocabularies& vocabularies, platform::MessageBox& messages) {
  const std::string name = DisplayName(path);
  if (!HoldsTemplateExtension(path)) {
    messages.Notify("File chosen has an invalid file extension : Please choose a .KWT file to load.\n\r" + name);
    return template_read::BadExtension;
  }
  const FileContent file = ReadWholeFile(path, kMaxCompressedSize);
  if (file.status == ReadStatus::Missing) {
    messages.Notify("File chosen was not found : \n\r" + Utf8ToCp1252(path.string()));
    return template_read::NotFound;
  }
  const auto text = file.status == ReadStatus::Ok ? Inflate(file.bytes) : std::nullopt;
  if (!text) {
    messages.Notify("This does not appear to be a valid Kitwright template file : \n\r" + name);
    return template_read::NotATemplate;
  }
  return ReadTemplateText(*text, name, mode, model, vocabularies, messages);
}

}  // namespace davoruzivi
