#include "itemdb/vault_reader.h"

#include <algorithm>
#include <deque>
#include <string>

#include "core/file_io.h"
#include "core/integer_text.h"
#include "core/zlib_stream.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_text_format.h"

namespace davoruzivi {
namespace {

constexpr int kProgressEvery = 500;

// A number field that is not an integer ends the load.
struct NotAnInteger {
  std::string text;
};

std::int32_t IntegerField(std::string_view text) {
  if (auto value = ParseInteger(text)) return *value;
  throw NotAnInteger{std::string(text)};
}

VaultLoadResult Failure(int exitCode, std::string_view message) { return {exitCode, std::string(message)}; }

// Lines of the vault text; reading past the end gives empty lines. The two
// header lines after the version line are read before the scan for blocks
// begins and are handed out again first, since the scan starts at line 2.
class VaultLines {
 public:
  explicit VaultLines(LineSource& source) : source_(source) {}

  std::string_view Next() {
    if (!pending_.empty()) {
      current_ = std::move(pending_.front());
      pending_.pop_front();
      return current_;
    }
    std::string_view line;
    if (source_.NextLine(line)) return line;
    ended_ = true;
    return {};
  }
  bool Ended() const { return ended_ && pending_.empty(); }
  void PutBack(std::string line) { pending_.push_back(std::move(line)); }

 private:
  LineSource& source_;
  std::deque<std::string> pending_;
  std::string current_;
  bool ended_ = false;
};

// The index a field's text last resolved to. Item blocks repeat the same few
// texts, and an index once given never changes, so the answer can be kept.
class RememberedLookup {
 public:
  template <typename Resolve>
  int Find(std::string_view text, Resolve&& resolve) {
    if (known_ && text == text_) return index_;
    index_ = resolve(text);
    text_.assign(text);
    known_ = true;
    return index_;
  }

 private:
  std::string text_;
  int index_ = -1;
  bool known_ = false;
};

class BlockParser {
 public:
  BlockParser(VaultLines& lines, ItemVocabularies& vocabularies) : lines_(lines), vocab_(vocabularies) {}

  // Fills a reset record from the block whose "~" line is given.
  void Parse(std::string_view idLine, VaultItem& item) {
    ResetVaultItem(item);
    item.Id = IntegerField(CopyOf(idLine, 2, 10));
    item.Name = lines_.Next();
    item.ItemType = Growing(itemType_, vocab_.ItemTypes);
    ReadRealm(lines_.Next(), item);
    item.Level = static_cast<std::uint16_t>(IntegerField(lines_.Next()));
    item.Expansion = Growing(expansion_, vocab_.Expansions);
    item.Quality = Fixed(quality_, QualityList());
    item.Slot = Fixed(slot_, SlotList());
    item.Absorb = Fixed(absorb_, AbsorbList());
    item.WeaponType = Growing(weaponType_, vocab_.WeaponTypes);
    item.Speed = Fixed(speed_, SpeedList());
    ReadServers(lines_.Next(), item);
    ReadClasses(lines_.Next(), item);
    ReadVerification(lines_.Next(), item);
    ReadBonusLevel(lines_.Next(), item);
    item.Source = ToWordIndex(source_.Find(lines_.Next(), [this](std::string_view text) { return SourceIndex(text); }));
    ReadNotes(lines_.Next(), item);
    ReadStats(item);
    ReadProcs(item);
  }

 private:
  static void ReadRealm(std::string_view line, VaultItem& item) {
    if (line.size() != 1) return;
    const auto realm = vault_text::kRealmLetters.find(line[0]);
    if (realm != std::string_view::npos) item.Realm = static_cast<std::uint16_t>(realm);
  }

  static void ReadServers(std::string_view line, VaultItem& item) {
    for (const auto& server : vault_text::kServerLetters) {
      if (line.find(server.letter) == std::string_view::npos) continue;
      item.*server.flag = 1;
      if (server.alsoSets) item.*server.alsoSets = 1;
    }
  }

  // One digit per class; a missing or other character is not an integer.
  static void ReadClasses(std::string_view line, VaultItem& item) {
    for (std::size_t i = 0; i < kClassCount; ++i) {
      const char c = i < line.size() ? line[i] : '\0';
      if (c < '0' || c > '9') throw NotAnInteger{std::string(line.substr(std::min(i, line.size()), 1))};
      item.ClassUsable[i] = static_cast<std::uint8_t>(c - '0');
    }
  }

  static void ReadVerification(std::string_view line, VaultItem& item) {
    if (line == vault_text::kVerified) item.Verified = 1;
    if (line == vault_text::kResearched) item.Researched = 1;
  }

  static void ReadBonusLevel(std::string_view line, VaultItem& item) {
    if (line == vault_text::kComputedBonusLevel) {
      item.BonusLevelManual = 0;
    } else if (line.find(vault_text::kManualBonusLevel) != std::string_view::npos) {
      item.BonusLevelManual = 1;
      const auto colon = static_cast<std::ptrdiff_t>(line.find(':'));
      item.BonusLevel = static_cast<std::uint16_t>(IntegerField(CopyOf(line, colon + 2, 2)));
    }
  }

  // The next line's index in a list that does not grow; 65535 when it lacks the text.
  std::uint16_t Fixed(RememberedLookup& lookup, const Vocabulary& list) {
    return ToWordIndex(lookup.Find(lines_.Next(), [&list](std::string_view text) { return list.IndexOf(text); }));
  }

  // The next line's index in a growing list, appending the text when the list lacks it.
  std::uint16_t Growing(RememberedLookup& lookup, TwinnedVocabulary& list) {
    return ToWordIndex(
        lookup.Find(lines_.Next(), [&list](std::string_view text) { return list.IndexOrAppend(text); }));
  }

  // An empty source line stands for "XML Import" and is never appended.
  int SourceIndex(std::string_view line) {
    const int known = vocab_.Sources.IndexOf(line);
    if (known >= 0) return known;
    if (line.empty()) return vault_text::kSourceOfEmptyText;
    return vocab_.Sources.IndexOrAppend(line);
  }

  static void ReadNotes(std::string_view line, VaultItem& item) {
    if (line != vault_text::kNoNotes) item.Notes = line;
  }

  // 1-based position of the first "|", or 0 when the line has none.
  static std::ptrdiff_t SeparatorPosition(std::string_view line) {
    const auto found = line.find(vault_text::kStatSeparator);
    return found == std::string_view::npos ? 0 : static_cast<std::ptrdiff_t>(found) + 1;
  }

  // A count line, taken modulo 256. Lines beyond the record's slots are passed over.
  int CountLine() { return IntegerField(lines_.Next()) & 0xFF; }

  void ReadStats(VaultItem& item) {
    const int count = CountLine();
    for (int n = 0; n < count; ++n) {
      const std::string_view line = lines_.Next();
      if (n >= kBonusSlots) continue;
      const std::ptrdiff_t bar = SeparatorPosition(line);
      item.StatIds[n] = ToWordIndex(StatCatalogue().IndexOf(CopyOf(line, 1, bar - 1)));
      item.StatValues[n] = IntegerField(CopyOf(line, bar + 1, 5));
    }
  }

  void ReadProcs(VaultItem& item) {
    const int count = CountLine();
    for (int n = 0; n < count; ++n) {
      const std::string_view line = lines_.Next();
      if (n >= kProcSlots) continue;
      item.ProcKinds[n] = ProcKindOf(line);
      const std::ptrdiff_t bar = SeparatorPosition(line);
      item.ProcEffects[n] = ToWordIndex(vocab_.Effects.IndexOrAppend(CopyOf(line, 1, bar - 1)));
      item.ProcAmounts[n] = static_cast<std::uint16_t>(IntegerField(CopyOf(line, bar + 3, 5)));
    }
  }

  // The last kind whose marker the line holds; 0 when it holds none.
  static std::uint8_t ProcKindOf(std::string_view line) {
    std::uint8_t kind = 0;
    for (std::size_t k = 0; k < vault_text::kProcKindLetters.size(); ++k) {
      const char marker[] = {vault_text::kStatSeparator, vault_text::kProcKindLetters[k], ':'};
      if (line.find(std::string_view(marker, 3)) != std::string_view::npos) kind = static_cast<std::uint8_t>(k + 1);
    }
    return kind;
  }

  VaultLines& lines_;
  ItemVocabularies& vocab_;
  RememberedLookup itemType_, expansion_, quality_, slot_, absorb_, weaponType_, speed_, source_;
};

class ProgressReport {
 public:
  ProgressReport(VaultLoadProgress* progress, int total) : progress_(progress), total_(total) {}

  // The bar shows the integer part of count / total * 100, never more than 100.
  void ItemsRead(long long count) {
    if (!progress_) return;
    const long long percent = std::min<long long>(count * 100 / total_, 100);
    const std::string label =
        "Reading items : <" + std::to_string(count) + " / " + std::to_string(total_) + ">";
    progress_->ShowItemsRead(label, static_cast<int>(percent));
  }

 private:
  VaultLoadProgress* progress_;
  int total_;
};

VaultLoadResult ParseBlocks(VaultLines& lines, MasterVault& vault, int count, VaultLoadProgress* progress) {
  std::vector<VaultItem>& items = vault.MutableItems();
  items.clear();
  items.reserve(static_cast<std::size_t>(count));
  BlockParser parser(lines, vault.Vocabularies());
  ProgressReport report(progress, count);
  try {
    while (!lines.Ended()) {
      const std::string_view line = lines.Next();
      if (line.find(vault_text::kBlockMark) == std::string_view::npos) continue;
      const std::size_t k = items.size();
      if (k % kProgressEvery == 0) report.ItemsRead(static_cast<long long>(k));
      // More blocks than the count line announced make the array grow.
      if (k >= kMaxVaultRecords) return Failure(kExitVaultContent, kInvalidVaultMessage);
      parser.Parse(line, items.emplace_back());
    }
  } catch (const NotAnInteger& error) {
    return Failure(kExitVaultContent, NotAnIntegerMessage(error.text));
  }
  // Records that the count line announced but no block filled stay all zero.
  if (items.size() < static_cast<std::size_t>(count)) items.resize(static_cast<std::size_t>(count));
  report.ItemsRead(count);
  return {};
}

}  // namespace

std::filesystem::path MasterVaultPathIn(const std::filesystem::path& programFolder) {
  return programFolder / "master.kwv";
}

std::filesystem::path RepairMasterVaultPath(const std::filesystem::path& path,
                                            const std::filesystem::path& programFolder) {
  if (path.string().find(".kwv") != std::string::npos) return path;
  return MasterVaultPathIn(programFolder);
}

VaultLoadResult ParseVaultText(LineSource& source, MasterVault& vault, VaultLoadProgress* progress) {
  VaultLines lines(source);
  if (lines.Next() != vault_text::kMagicLine) return Failure(kExitVaultMissingOrInvalid, kInvalidVaultMessage);
  if (lines.Next() != vault_text::kVersionLine) return Failure(kExitVaultVersion, kUnknownVaultVersionMessage);
  std::string dateLine(lines.Next());
  std::string countLine(lines.Next());
  const std::int32_t count = ParseIntegerOr(countLine, 0);
  if (count <= 0 || static_cast<std::size_t>(count) > kMaxVaultRecords)
    return Failure(kExitVaultContent, kInvalidVaultMessage);
  lines.PutBack(std::move(dateLine));
  lines.PutBack(std::move(countLine));
  return ParseBlocks(lines, vault, count, progress);
}

VaultLoadResult ParseVaultText(std::string_view text, MasterVault& vault, VaultLoadProgress* progress) {
  TextLineSource source(text);
  return ParseVaultText(source, vault, progress);
}

namespace {

// The compressed file, or the failure that refuses it.
VaultLoadResult ReadCompressed(const std::filesystem::path& path, std::string& bytes) {
  FileContent file = ReadWholeFile(path, kMaxCompressedSize);
  switch (file.status) {
    case ReadStatus::Ok: bytes = std::move(file.bytes); return {};
    case ReadStatus::Missing:
    case ReadStatus::Unreadable: return Failure(kExitVaultMissingOrInvalid, kVaultNotFoundMessage);
    case ReadStatus::TooLarge: break;
  }
  return Failure(kExitVaultMissingOrInvalid, kInvalidVaultMessage);
}

}  // namespace

VaultFileText ReadVaultFile(const std::filesystem::path& path) {
  VaultFileText result;
  std::string compressed;
  result.Result = ReadCompressed(path, compressed);
  if (!result.Result.Ok()) return result;
  if (auto text = Inflate(compressed)) result.Text = std::move(*text);
  else result.Result = Failure(kExitVaultMissingOrInvalid, kInvalidVaultMessage);
  return result;
}

VaultLoadResult LoadMasterVault(const std::filesystem::path& path, MasterVault& vault, VaultLoadProgress* progress) {
  if (progress) progress->ShowStage(kDecompressingLabel);
  std::string compressed;
  if (VaultLoadResult read = ReadCompressed(path, compressed); !read.Ok()) return read;
  InflatingLineSource lines(compressed);
  VaultLoadResult parsed = ParseVaultText(lines, vault, progress);
  // The container is judged whole: a damaged stream outweighs what its text said.
  if (!lines.VerifyRest()) return Failure(kExitVaultMissingOrInvalid, kInvalidVaultMessage);
  if (!parsed.Ok()) return parsed;
  if (progress) progress->ShowStage(kBuildingListLabel);
  vault.RebuildMasterList();
  if (progress) progress->Finish();
  return parsed;
}

}  // namespace davoruzivi
