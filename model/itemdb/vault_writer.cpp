#include "itemdb/vault_writer.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <memory>
#include <vector>

#include "core/file_io.h"
#include "core/text_lines.h"
#include "core/zlib_stream.h"
#include "itemdb/vault_text_format.h"

namespace davoruzivi {
namespace {

std::string Decimal(long long value) {
  std::array<char, 24> digits{};
  const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), value).ptr;
  return std::string(digits.data(), end);
}

class BlockWriter {
 public:
  BlockWriter(std::string& out, const ItemVocabularies& vocabularies) : out_(out), vocab_(vocabularies) {}

  // The block's lines, without the empty line the vault text puts before it.
  void Write(std::size_t position, const VaultItem& item) {
    Line(std::string(1, vault_text::kBlockMark) + Decimal(static_cast<long long>(position)));
    Line(SingleLine(item.Name));
    Line(vocab_.ItemTypes.TextOf(item.ItemType));
    Line(item.Realm < vault_text::kRealmLetters.size() ? vault_text::kRealmLetters.substr(item.Realm, 1) : "");
    Line(Decimal(item.Level));
    Line(vocab_.Expansions.TextOf(item.Expansion));
    Line(QualityList().TextOf(item.Quality));
    Line(SlotList().TextOf(item.Slot));
    Line(AbsorbList().TextOf(item.Absorb));
    Line(vocab_.WeaponTypes.TextOf(item.WeaponType));
    Line(SpeedList().TextOf(item.Speed));
    Line(ServerLetters(item));
    Line(ClassDigits(item));
    Line(Verification(item));
    Line(item.BonusLevelManual != 0 ? std::string(vault_text::kManualBonusLevel) + Decimal(item.BonusLevel)
                                    : std::string(vault_text::kComputedBonusLevel));
    Line(vocab_.Sources.TextOf(item.Source));
    Line(item.Notes.Empty() ? std::string(vault_text::kNoNotes) : SingleLine(item.Notes));
    WriteStats(item);
    WriteProcs(item);
  }

 private:
  void Line(std::string_view text) { AppendLine(out_, text); }

  static std::string ServerLetters(const VaultItem& item) {
    std::string letters;
    for (const auto& server : vault_text::kServerLetters)
      if (item.*server.flag) letters += server.letter;
    return letters.empty() ? std::string(vault_text::kNoServers) : letters;
  }

  static std::string ClassDigits(const VaultItem& item) {
    std::string digits(kClassCount, '0');
    for (int i = 0; i < kClassCount; ++i)
      if (item.ClassUsable[i] == 1) digits[i] = '1';
    return digits;
  }

  static std::string_view Verification(const VaultItem& item) {
    if (item.Researched == 1) return vault_text::kResearched;
    if (item.Verified == 1) return vault_text::kVerified;
    return vault_text::kUnverified;
  }

  void WriteStats(const VaultItem& item) {
    std::vector<int> used;
    for (int n = 0; n < kBonusSlots; ++n)
      if (item.StatIds[n] != 0) used.push_back(n);
    Line(Decimal(static_cast<long long>(used.size())));
    for (int n : used)
      Line(std::string(StatCatalogue().TextOf(item.StatIds[n])) + vault_text::kStatSeparator +
           Decimal(item.StatValues[n]));
  }

  // A proc of a kind that has no marker could not be read back (its amount
  // would be taken from the wrong characters), so only kinds 1..6 are written.
  void WriteProcs(const VaultItem& item) {
    std::vector<int> used;
    for (int n = 0; n < kProcSlots; ++n)
      if (!ProcMarker(item.ProcKinds[n]).empty()) used.push_back(n);
    Line(Decimal(static_cast<long long>(used.size())));
    for (int n : used)
      Line(std::string(vocab_.Effects.TextOf(item.ProcEffects[n])) + ProcMarker(item.ProcKinds[n]) +
           Decimal(item.ProcAmounts[n]));
  }

  // "|N:" .. "|M:" for kinds 1..6; nothing for any other kind.
  static std::string ProcMarker(int kind) {
    if (kind < 1 || kind > static_cast<int>(vault_text::kProcKindLetters.size())) return {};
    return {vault_text::kStatSeparator, vault_text::kProcKindLetters[kind - 1], ':'};
  }

  std::string& out_;
  const ItemVocabularies& vocab_;
};

// Average size of an item block, to size the text once.
constexpr std::size_t kTypicalBlockBytes = 320;

}  // namespace

std::string WriteVaultText(const MasterVault& vault) {
  const std::vector<VaultItem>& items = vault.Items();
  std::string text;
  text.reserve(64 + items.size() * kTypicalBlockBytes);
  AppendLine(text, vault_text::kMagicLine);
  AppendLine(text, vault_text::kVersionLine);
  AppendLine(text, vault_text::kDateLine);
  AppendLine(text, Decimal(static_cast<long long>(items.size())));
  AppendLine(text, Decimal(items.empty() ? 0 : items.front().ProcAmounts[0]));  // carries no information
  BlockWriter writer(text, vault.Vocabularies());
  for (std::size_t k = 0; k < items.size(); ++k) {
    AppendLine(text, "");
    writer.Write(k, items[k]);
  }
  return text;
}

std::string WriteVaultBlock(const MasterVault& vault, std::size_t position) {
  std::string block;
  BlockWriter(block, vault.Vocabularies()).Write(position, vault.Items().at(position));
  return block;
}

std::string CompressVaultText(std::string_view text) { return Deflate(text); }

std::optional<std::string> CommitVault(const MasterVault& vault, const std::filesystem::path& masterVaultPath) {
  const std::string text = WriteVaultText(vault);
  const std::string compressed = CompressVaultText(text);
  const std::filesystem::path folder = masterVaultPath.parent_path();
  struct Output {
    std::filesystem::path path;
    std::string_view bytes;
  };
  const Output outputs[] = {{folder / "vault.txt", text}, {folder / "vault.zip", compressed},
                            {masterVaultPath, compressed}};
  std::vector<std::unique_ptr<SaveFile>> files;
  std::vector<SaveFile*> written;
  for (const Output& output : outputs) {
    files.push_back(std::make_unique<SaveFile>(output.path));
    if (!files.back()->Write(output.bytes)) return files.back()->Error();
    written.push_back(files.back().get());
  }
  return SaveFile::CommitAll(written);
}

}  // namespace davoruzivi
