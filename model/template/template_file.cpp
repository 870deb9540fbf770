#include "template/template_file.h"

#include <algorithm>
#include <array>
#include <limits>
#include <unordered_map>
#include <utility>
#include <span>
#include <string>
#include <vector>

#include "core/ascii_text.h"
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

// The lines of a text, read one ahead as the reader goes, so that no table of
// all its lines is ever built.
class LineCursor {
 public:
  explicit LineCursor(std::string_view text) : source_(text) { Advance(); }

  bool AtEnd() const { return !hasLine_; }
  std::string_view Peek() const { return hasLine_ ? line_ : std::string_view(); }
  void Skip() { Advance(); }
  // The number of the line Peek shows, counted from 1.
  std::size_t LineNumber() const { return lineNumber_; }

  // The next line; the file may not end before it.
  std::string_view Take(std::string_view what) {
    if (AtEnd()) throw Damaged{"The file ends inside " + std::string(what) + "."};
    const std::string_view line = line_;
    Advance();
    return line;
  }
  // The next line as a whole number; anything else damages the file.
  std::int32_t Number(std::string_view what) {
    const std::size_t lineNumber = LineNumber();
    const std::string_view line = Take(what);
    if (const auto value = ParseInteger(line)) return *value;
    throw Damaged{"Line " + std::to_string(lineNumber) + ": " + NotAnIntegerMessage(line)};
  }
  // The next line as a number, 0 when it is not one.
  std::int32_t NumberOrZero(std::string_view what) { return ParseIntegerOr(Take(what), 0); }

 private:
  // A text in memory is never refilled, so each line's view stays valid as long as the text.
  void Advance() {
    hasLine_ = source_.NextLine(line_);
    ++lineNumber_;
  }

  TextLineSource source_;
  std::string_view line_;
  bool hasLine_ = false;
  std::size_t lineNumber_ = 0;
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

  // The six lines before the item sections; missing ones are empty.
  std::array<std::string_view, 6> TakeHeaderLines() {
    std::array<std::string_view, 6> header{};
    for (std::string_view& line : header)
      if (!lines_.AtEnd()) line = lines_.Take("the header");
    return header;
  }

  int ReadHeader() {
    const auto header = TakeHeaderLines();
    const std::string_view first = header[0];
    if (first == kTemplateHeaderV1) version_ = 1;
    else if (first != kTemplateHeaderV2) {
      if (first.find("~Kitwright") == std::string_view::npos)
        return Fail(template_read::NotATemplate,
                    "This does not appear to be a valid Kitwright template file : \n\r" + std::string(name_));
      return Fail(template_read::UnknownFormat, "This template's format is not recognized : \n\r" +
                                                    std::string(name_) + "\n" + "\r" + std::string(first));
    }
    const std::string_view second = header[1];
    if (second != kVaultVersionLine) {
      if (second.find("~Vault version") == std::string_view::npos)
        return Fail(template_read::NotATemplate,
                    "This does not appear to be a Kitwright template file : \n\r" + std::string(name_));
      return Fail(template_read::IncompatibleVault,
                  "An incompatible vault format was used to create this template : \n\r" + std::string(name_));
    }
    const std::string_view classText = header[3];
    const std::string_view serverText = ReadServerTypeText(header[4]);
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
      if (lines_.Peek() == kVaultList) ReadList(lists.VaultIds, [&] { return lines_.Number("a vault list"); });
      if (lines_.Peek() == kInlineList) ReadList(lists.InlineItems, [&] { return ReadInline(); });
      if (lines_.Peek() == kCraftedList) ReadList(lists.CraftedItems, [&] { return ReadCrafted(); });
    }
  }

  // Appends the entries after the list's opening line up to its "/". The list
  // grows as entries arrive and never past kMaxListEntries.
  template <typename Entry, typename ReadEntry>
  void ReadList(std::vector<Entry>& list, ReadEntry&& readEntry) {
    lines_.Skip();
    while (lines_.Peek() != kListEnd) {
      if (lines_.AtEnd()) throw Damaged{"The file ends inside an item list."};
      if (list.size() >= kMaxListEntries)
        throw Damaged{"An item list holds more than " + std::to_string(kMaxListEntries) + " entries."};
      list.push_back(readEntry());
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
    const std::int64_t shifted = std::int64_t{parsed->position} + shift;
    if (shifted > std::numeric_limits<std::int32_t>::max())
      throw Damaged{"The item reference '" + std::string(ref) + "' cannot move past the open template's items."};
    return MakeSlotRef(*list, static_cast<int>(shifted));
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

  // Every later copy of a vault entry in a list gives way to its first copy:
  // references to a copy move to the first, the others to where their entry
  // went; a reference past the list moves down by the entries removed.
  void RemoveDuplicateVaultEntries() {
    std::array<bool, kSlotKindCount> cleaned{};
    for (int s = 0; s < kEquipmentSlotCount; ++s) {
      const int kind = SlotKindOf(s);
      if (std::exchange(cleaned[static_cast<std::size_t>(kind)], true)) continue;
      std::vector<std::int32_t>& ids = model_.ListsOf(kind).VaultIds;
      const std::vector<std::int32_t> moves = KeepFirstCopies(ids);
      const auto removed = static_cast<std::int64_t>(moves.size() - ids.size());
      if (removed == 0) continue;
      const auto [first, last] = SlotsSharingListOf(s);
      for (Configuration& configuration : model_.Configurations)
        for (int t = first; t <= last; ++t) MoveVaultReference(configuration.Slots[static_cast<std::size_t>(t)], moves, removed);
    }
  }

  // Removes the later copies of each entry; for each old position, the new
  // position of its entry.
  static std::vector<std::int32_t> KeepFirstCopies(std::vector<std::int32_t>& ids) {
    std::vector<std::int32_t> moves(ids.size());
    std::unordered_map<std::int32_t, std::int32_t> firstPositions;
    firstPositions.reserve(ids.size());
    std::size_t kept = 0;
    for (std::size_t j = 0; j < ids.size(); ++j) {
      const auto [entry, isFirst] = firstPositions.try_emplace(ids[j], static_cast<std::int32_t>(kept));
      moves[j] = entry->second;
      if (isFirst) ids[kept++] = ids[j];
    }
    ids.resize(kept);
    return moves;
  }

  static void MoveVaultReference(std::string& ref, const std::vector<std::int32_t>& moves, std::int64_t removed) {
    const auto parsed = ParseSlotRef(ref);
    if (!parsed || parsed->letter != static_cast<char>(ItemList::Vault)) return;
    const auto position = static_cast<std::size_t>(parsed->position);
    const std::int64_t moved = position < moves.size() ? moves[position] : parsed->position - removed;
    if (moved != parsed->position) ref = MakeSlotRef(ItemList::Vault, static_cast<int>(moved));
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

bool Holds(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

}  // namespace

TemplateFileKind TemplateFileKindOf(const std::filesystem::path& path) {
  const std::string lower = AsciiLowerCase(path.string());
  if (Holds(lower, ".kwt")) return TemplateFileKind::Template;
  if (Holds(lower, ".kwy") || Holds(lower, ".kwc")) return TemplateFileKind::Legacy;
  return TemplateFileKind::Unknown;
}

std::string WriteTemplateText(const Template& model, const ItemVocabularies& vocabularies) {
  return TemplateWriter(model, vocabularies).Write();
}

std::filesystem::path TemplateFileName(const std::filesystem::path& chosen) {
  if (Holds(chosen.string(), ".kwt")) return chosen;
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
  if (TemplateFileKindOf(path) != TemplateFileKind::Template) {
    messages.Notify("File chosen has an invalid file extension : Please choose a .KWT file to load.\n\r" + name);
    return template_read::BadExtension;
  }
  const FileContent file = ReadWholeFile(path, kMaxCompressedSize);
  if (file.status == ReadStatus::Missing) {
    messages.Notify("File chosen was not found : \n\r" + Utf8ToCp1252(path.string()));
    return template_read::NotFound;
  }
  const InflatedText inflated = file.status == ReadStatus::Ok ? InflateText(file.bytes)
                                 : file.status == ReadStatus::TooLarge ? InflatedText{InflateStatus::TooLarge, {}}
                                                                        : InflatedText{InflateStatus::Damaged, {}};
  switch (inflated.status) {
    case InflateStatus::Ok: return ReadTemplateText(inflated.text, name, mode, model, vocabularies, messages);
    case InflateStatus::TooLarge:
      messages.Notify("This template file is too large : its text passes " + std::to_string(kMaxInflatedSize >> 20) +
                      " MiB, the most a template may hold : \n\r" + name);
      return template_read::NotATemplate;
    case InflateStatus::Damaged: break;
  }
  messages.Notify("This does not appear to be a valid Kitwright template file : \n\r" + name);
  return template_read::NotATemplate;
}

}  // namespace davoruzivi
