#include "itemdb/vault_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/file_io.h"
#include "core/integer_text.h"
#include "core/zlib_stream.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_text_format.h"

namespace davoruzivi {
namespace {

constexpr int kProgressEvery = 500;

// The fewest text bytes of a block that reads without failing: a "~" and a
// digit, a level digit, the class digits, the two count digits, and the ends
// of all but the last of its 19 lines (which may end the text).
constexpr std::size_t kLeastBlockBytes = 2 + 1 + kClassCount + 2 + 18;

// A number field that is not an integer ends the load.
struct NotAnInteger {
  std::string text;
};

[[noreturn]] void ThrowNotAnInteger(std::string_view text) { throw NotAnInteger{std::string(text)}; }

std::int32_t IntegerField(std::string_view text) {
  const auto value = ParseInteger(text);
  if (!value) [[unlikely]]
    ThrowNotAnInteger(text);
  return *value;
}

VaultLoadResult Failure(int exitCode, std::string_view message) { return {exitCode, std::string(message)}; }

// Lines of the vault text; reading past the end gives empty lines. The two
// header lines after the version line are read before the scan for blocks
// begins and are handed out again first, since the scan starts at line 2.
class VaultLines {
 public:
  explicit VaultLines(LineSource& source) : source_(source) {}

  std::string_view Next() {
    if (replayed_ < replay_.size()) [[unlikely]]
      return replay_[replayed_++];
    std::string_view line;
    if (source_.NextLine(line)) [[likely]]
      return line;
    ended_ = true;
    return {};
  }
  bool Ended() const { return ended_ && replayed_ == replay_.size(); }
  void Replay(std::string first, std::string second) {
    replay_ = {std::move(first), std::move(second)};
    replayed_ = 0;
  }
  void ReadAhead(std::size_t bytes) { source_.ReadAhead(bytes); }
  std::size_t ReceivedBytes() const { return source_.ReceivedBytes(); }
  bool Damaged() const { return source_.Damaged(); }

 private:
  LineSource& source_;
  std::array<std::string, 2> replay_;
  std::size_t replayed_ = replay_.size();
  bool ended_ = false;
};

// The indexes that the texts of one field resolved to, so that each distinct
// text is looked up in its vocabulary once per load rather than once per line.
// While a vault loads its vocabularies only grow at their ends, so the index a
// text resolved to stays the answer for that text.
class ResolvedTexts {
 public:
  explicit ResolvedTexts(std::size_t slots) : entries_(std::bit_ceil(slots)) {}

  template <typename Resolve>
  int Find(std::string_view text, Resolve&& resolve) {
    const Key key = KeyOf(text);
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t i = key.Hash() & mask;; i = (i + 1) & mask) {
      Entry& entry = entries_[i];
      if (entry.index == kUnused) return Remember(entry, key, text, resolve(text));
      if (entry.key == key && (text.size() <= Key::kWhole || entry.text == text)) return entry.index;
    }
  }

 private:
  // The first and last eight bytes of a text and its length; for a text of
  // at most sixteen bytes, which most field texts are, that is the whole text.
  struct Key {
    static constexpr std::size_t kWhole = 16;
    std::uint64_t head = 0;
    std::uint64_t tail = 0;
    std::size_t size = 0;

    std::size_t Hash() const {
      return static_cast<std::size_t>(((head ^ std::rotl(tail, 29) ^ size) * 0x9E3779B97F4A7C15ull) >> 32);
    }
    friend bool operator==(const Key&, const Key&) = default;
  };

  // A shorter text is taken as overlapping four-byte halves, or as its first,
  // middle and last byte.
  static Key KeyOf(std::string_view text) {
    const char* p = text.data();
    const std::size_t n = text.size();
    Key key;
    key.size = n;
    if (n >= 8) {
      std::memcpy(&key.head, p, 8);
      std::memcpy(&key.tail, p + n - 8, 8);
    } else if (n >= 4) {
      std::memcpy(&key.head, p, 4);
      std::memcpy(&key.tail, p + n - 4, 4);
    } else if (n > 0) {
      key.head = static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[n / 2]) << 8 |
                 static_cast<unsigned>(static_cast<unsigned char>(p[n - 1])) << 16;
    }
    return key;
  }

  static constexpr int kUnused = -2;  // no vocabulary answers -2

  struct Entry {
    Key key;
    int index = kUnused;
    std::string text;  // kept for a text longer than its key
  };

  // Kept while the table stays at most half full, so that every search ends
  // at an unused entry; past that, texts are resolved each time.
  int Remember(Entry& entry, const Key& key, std::string_view text, int index) {
    if (2 * (used_ + 1) > entries_.size()) return index;
    entry.key = key;
    entry.index = index;
    if (text.size() > Key::kWhole) entry.text = text;
    ++used_;
    return index;
  }

  std::vector<Entry> entries_;  // a power of two in size
  std::size_t used_ = 0;
};

// The values of the first N characters, or nothing when one of them is not a
// decimal digit. Eight at a time: a byte below '0' borrows into its own high
// bit when '0' is taken away, one above '9' carries into it when 0x46 is
// added, and a byte between leaves its neighbours alone.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> DigitValues(const char* text) {
  static_assert(N >= 8);
  constexpr std::uint64_t kZeros = 0x3030303030303030ull;
  constexpr std::uint64_t kPastNine = 0x4646464646464646ull;
  constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
  std::array<std::uint8_t, N> values;
  std::uint64_t outside = 0;
  for (std::size_t i = 0; i < N; i += 8) {
    const std::size_t at = std::min(i, N - 8);  // the last word may overlap the one before
    std::uint64_t word;
    std::memcpy(&word, text + at, sizeof word);
    const std::uint64_t digits = word - kZeros;
    outside |= digits | (word + kPastNine);
    std::memcpy(values.data() + at, &digits, sizeof digits);
  }
  if ((outside & kHighBits) != 0) return std::nullopt;
  return values;
}

// Bit k set for the k-th letter of vault_text::kServerLetters.
constexpr std::array<std::uint8_t, 256> kServerBitOfChar = [] {
  std::array<std::uint8_t, 256> bits{};
  for (std::size_t k = 0; k < std::size(vault_text::kServerLetters); ++k)
    bits[static_cast<unsigned char>(vault_text::kServerLetters[k].letter)] = static_cast<std::uint8_t>(1u << k);
  return bits;
}();

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
    item.Quality = Fixed(quality_, QualityList);
    item.Slot = Fixed(slot_, SlotList);
    item.Absorb = Fixed(absorb_, AbsorbList);
    item.WeaponType = Growing(weaponType_, vocab_.WeaponTypes);
    item.Speed = Fixed(speed_, SpeedList);
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
  // A field names a few dozen texts; stats and effects a few hundred.
  static constexpr std::size_t kFieldTexts = 128;
  static constexpr std::size_t kManyTexts = 512;

  static void ReadRealm(std::string_view line, VaultItem& item) {
    if (line.size() != 1) return;
    const auto realm = vault_text::kRealmLetters.find(line[0]);
    if (realm != std::string_view::npos) item.Realm = static_cast<std::uint16_t>(realm);
  }

  static void ReadServers(std::string_view line, VaultItem& item) {
    unsigned present = 0;
    for (const char c : line) present |= kServerBitOfChar[static_cast<unsigned char>(c)];
    for (std::size_t k = 0; k < std::size(vault_text::kServerLetters); ++k) {
      if ((present & (1u << k)) == 0) continue;
      const auto& server = vault_text::kServerLetters[k];
      item.*server.flag = 1;
      if (server.alsoSets) item.*server.alsoSets = 1;
    }
  }

  // One digit per class; a missing or other character is not an integer. The
  // digits are checked all together first, and one by one only to find the
  // offender, which leaves the record as reading up to it did.
  static void ReadClasses(std::string_view line, VaultItem& item) {
    if (line.size() >= kClassCount) {
      if (const auto digits = DigitValues<kClassCount>(line.data())) {
        item.ClassUsable = *digits;
        return;
      }
    }
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
  std::uint16_t Fixed(ResolvedTexts& texts, const Vocabulary& (*list)()) {
    return ToWordIndex(texts.Find(lines_.Next(), [list](std::string_view text) { return list().IndexOf(text); }));
  }

  // The next line's index in a growing list, appending the text when the list lacks it.
  std::uint16_t Growing(ResolvedTexts& texts, TwinnedVocabulary& list) {
    return ToWordIndex(
        texts.Find(lines_.Next(), [&list](std::string_view text) { return list.IndexOrAppend(text); }));
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
      item.StatIds[n] = ToWordIndex(
          stats_.Find(CopyOf(line, 1, bar - 1), [](std::string_view name) { return StatCatalogue().IndexOf(name); }));
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
      item.ProcEffects[n] = ToWordIndex(effects_.Find(
          CopyOf(line, 1, bar - 1), [this](std::string_view effect) { return vocab_.Effects.IndexOrAppend(effect); }));
      item.ProcAmounts[n] = static_cast<std::uint16_t>(IntegerField(CopyOf(line, bar + 3, 5)));
    }
  }

  // The last kind whose marker ("|N:" .. "|M:") the line holds; 0 when it holds none.
  static std::uint8_t ProcKindOf(std::string_view line) {
    unsigned present = 0;
    for (std::size_t i = 0; i + 2 < line.size(); ++i) {
      if (line[i] != vault_text::kStatSeparator || line[i + 2] != ':') continue;
      const auto kind = vault_text::kProcKindLetters.find(line[i + 1]);
      if (kind != std::string_view::npos) present |= 1u << kind;
    }
    return static_cast<std::uint8_t>(std::bit_width(present));
  }

  VaultLines& lines_;
  ItemVocabularies& vocab_;
  ResolvedTexts itemType_{kFieldTexts}, expansion_{kFieldTexts}, quality_{kFieldTexts}, slot_{kFieldTexts},
      absorb_{kFieldTexts}, weaponType_{kFieldTexts}, speed_{kFieldTexts}, source_{kFieldTexts},
      stats_{kManyTexts}, effects_{kManyTexts};
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

// The most blocks a text of this many bytes could hold.
std::size_t HoldableRecords(std::size_t textBytes) { return textBytes / kLeastBlockBytes + 1; }

// Room for the records the count line announces, once the text that could
// hold them all has come (a shorter text comes whole first). An honest count
// is so believed before the first block is read, and no record ever has to
// move; a count the text could not hold gets no room, and the blocks that do
// come make room for themselves.
void MakeRoomForAnnounced(VaultLines& lines, MasterVault& vault, std::size_t announced) {
  lines.ReadAhead(announced * kLeastBlockBytes);
  if (HoldableRecords(lines.ReceivedBytes()) >= announced) vault.ReserveItems(announced);
}

// Room for one more record once the array is full: twice the records, never
// more than the text received could hold.
void MakeRoomForNext(VaultLines& lines, MasterVault& vault) {
  const std::size_t size = vault.Size();
  if (size < vault.ItemCapacity()) return;
  const std::size_t holdable = HoldableRecords(lines.ReceivedBytes());
  vault.ReserveItems(std::max(size + 1, std::min({2 * size, holdable, kMaxVaultRecords})));
}

VaultLoadResult ParseBlocks(VaultLines& lines, MasterVault& vault, int count, VaultLoadProgress* progress) {
  vault.ClearItems();
  MakeRoomForAnnounced(lines, vault, static_cast<std::size_t>(count));
  BlockParser parser(lines, vault.Vocabularies());
  ProgressReport report(progress, count);
  VaultItem item;
  try {
    while (!lines.Ended()) {
      const std::string_view line = lines.Next();
      if (line.find(vault_text::kBlockMark) == std::string_view::npos) continue;
      const std::size_t k = vault.Size();
      if (k % kProgressEvery == 0) report.ItemsRead(static_cast<long long>(k));
      // More blocks than the count line announced make the array grow.
      if (k >= kMaxVaultRecords) return Failure(kExitVaultContent, kInvalidVaultMessage);
      MakeRoomForNext(lines, vault);
      parser.Parse(line, item);
      vault.PutVaultItem(static_cast<long long>(k), item);
    }
  } catch (const NotAnInteger& error) {
    vault.PutVaultItem(static_cast<long long>(vault.Size()), item);  // the record read up to the failure stays
    return Failure(kExitVaultContent, NotAnIntegerMessage(error.text));
  }
  // Records that the count line announced but no block filled stay all zero;
  // a text cut short by damage fails the load instead, so it gets none. A
  // count that the text could never have held is damage too: padding it
  // would take memory out of all proportion to the file.
  if (static_cast<std::size_t>(count) > HoldableRecords(lines.ReceivedBytes()))
    return Failure(kExitVaultContent, kInvalidVaultMessage);
  if (!lines.Damaged()) vault.PadItemsTo(static_cast<std::size_t>(count));
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
  lines.Replay(std::move(dateLine), std::move(countLine));
  return ParseBlocks(lines, vault, count, progress);
}

VaultLoadResult ParseVaultText(std::string_view text, MasterVault& vault, VaultLoadProgress* progress) {
  TextLineSource source(text);
  return ParseVaultText(source, vault, progress);
}

namespace {

// What a file that cannot be read means for the load.
VaultLoadResult RefusalOf(ReadStatus status) {
  switch (status) {
    case ReadStatus::Ok: return {};
    case ReadStatus::Missing:
    case ReadStatus::Unreadable: return Failure(kExitVaultMissingOrInvalid, kVaultNotFoundMessage);
    case ReadStatus::TooLarge: break;
  }
  return Failure(kExitVaultMissingOrInvalid, kInvalidVaultMessage);
}

// The compressed file, or the failure that refuses it.
VaultLoadResult ReadCompressed(const std::filesystem::path& path, std::string& bytes) {
  FileContent file = ReadWholeFile(path, kMaxCompressedSize);
  bytes = std::move(file.bytes);
  return RefusalOf(file.status);
}

// The compressed file read a piece at a time by the thread that inflates it,
// so that the file is never held whole.
class CompressedFile final : public CompressedInput {
 public:
  explicit CompressedFile(std::ifstream file) : file_(std::move(file)), piece_(kPieceSize) {}

  std::string_view NextPiece() override {
    file_.read(piece_.data(), static_cast<std::streamsize>(piece_.size()));
    return {piece_.data(), static_cast<std::size_t>(file_.gcount())};
  }

 private:
  static constexpr std::size_t kPieceSize = 256 * 1024;
  std::ifstream file_;
  std::vector<char> piece_;
};

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
  OpenedFile file = OpenForReading(path, kMaxCompressedSize);
  if (VaultLoadResult refused = RefusalOf(file.status); !refused.Ok()) return refused;
  InflatingLineSource lines(std::make_unique<CompressedFile>(std::move(file.in)));
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
