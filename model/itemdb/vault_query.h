#pragma once
// The vault query: one set of filter settings shared by every window that
// searches the master vault, run over every vault position to list the
// matching items in vault order.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/short_string.h"
#include "core/text_list.h"
#include "itemdb/master_vault.h"

namespace davoruzivi {

inline constexpr int kStatFilterCount = 5;
inline constexpr std::size_t kNameFilterLength = 50;
inline constexpr int kUnfilteredRealm = 3;  // the realm setting "Universal (Unfiltered)"

// One of the five stat filters: a StatId (0 no filter) and the minimum
// amount as its text ("0" .. "200"), read as an integer when the query runs.
struct StatFilter {
  int stat = 0;
  std::string minimumAmount = "0";

  friend bool operator==(const StatFilter&, const StatFilter&) = default;
};

// Every setting is the index of its filter list's entry; the defaults are
// the cleared values, at which a setting tests nothing. A selection of -1
// (nothing selected) is no such value: it takes part in the tests as -1.
struct VaultQuerySettings {
  int source = 0;        // 0 none, else Source + 1
  int quality = 32;      // 0 "70+" .. 30 "100", 31 "N/A", 32 none
  int itemType = 0;      // 0 none, else ItemType + 1
  int classFilter = 0;   // 0 none, 1..47 class index + 1, 48 no class checked
  bool verifiedOnly = false;
  bool unverifiedOnly = false;
  int minimumLevel = 0;  // 0 .. 52 ("52+")
  int maximumLevel = 52;
  int server = 0;        // 0 none, 1 "<None>", 2 Normal, 3 Coop, 4 Classic, 5 PvP, 6 Origins, 7 Ywain, 8 Realm Free
  int absorb = 0;        // 0 none, else Absorb
  int weaponType = 0;    // 0 none, else WeaponType
  ShortString<kNameFilterLength> name;  // empty: none
  int expansion = 0;     // 0 none, else an entry of the expansion filter list
  bool hideQuestionMarks = false;
  int effect = 0;        // 0 none, 1 an undefined effect, else effect + 1
  std::array<StatFilter, kStatFilterCount> stats{};
  int realm = kUnfilteredRealm;  // 0 Albion, 1 Hibernia, 2 Midgard, 3 none, 4 only Universal items
  int slot = 0;          // 0 none, else Slot

  friend bool operator==(const VaultQuerySettings&, const VaultQuerySettings&) = default;
};

// What a query reads besides its settings.
struct VaultQueryContext {
  bool dazizuvororShown = false;    // the hand rules of the slot test apply only while it is not
  std::optional<int> loaderLevel;   // while the vault loader is shown: the current configuration's Level
  // The template class's facts that the hand rules of the slot test read.
  bool dualWields = false;
  int shieldSize = 0;  // 0 no shield, 15 small only, 16 up to medium, any other value every shield
};

inline constexpr std::string_view kNoItemsFound = "No items found";

// The names and vault positions of the matching items in vault order, or
// the single marker entry "No items found" at position 0.
struct VaultQueryResult {
  TextList names;                      // IDNames
  std::vector<std::size_t> positions;  // IDNumber

  std::size_t Size() const { return positions.size(); }
  // True for the marker: a first position 0 named "No items found".
  bool IsNoMatch() const { return !positions.empty() && positions[0] == 0 && names[0] == kNoItemsFound; }
  void Clear();
  void Add(std::string_view name, std::size_t position);
  void SetNoMatch();
};

// The seventeen tests of one record, prepared once for a run of the query;
// valid while the settings, context and vocabularies it was made from are.
class VaultQueryTests {
 public:
  VaultQueryTests(const VaultQuerySettings& settings, const VaultQueryContext& context,
                  const ItemVocabularies& vocabularies);

  // The byte is the record's ShownBonusLevelByte, which its vault keeps.
  bool Passes(const VaultItem& item, std::uint8_t shownBonusLevelByte) const;

 private:
  bool PassesSource(const VaultItem& item) const;
  bool PassesQuality(const VaultItem& item) const;
  bool PassesItemType(const VaultItem& item) const;
  bool PassesClass(const VaultItem& item) const;
  bool PassesVerification(const VaultItem& item) const;
  bool PassesLevels(const VaultItem& item) const;
  bool PassesServer(const VaultItem& item) const;
  bool PassesAbsorb(const VaultItem& item) const;
  bool PassesWeaponType(const VaultItem& item) const;
  bool PassesName(const VaultItem& item) const;
  bool PassesExpansion(const VaultItem& item) const;
  bool PassesQuestionMarks(const VaultItem& item) const;
  bool PassesEffect(const VaultItem& item) const;
  bool PassesStatFilters(const VaultItem& item) const;
  bool PassesRealm(const VaultItem& item) const;
  bool PassesBonusLevelCap(std::uint8_t shownBonusLevelByte) const;
  bool PassesSlot(const VaultItem& item) const;
  bool PassesHandRules(const VaultItem& item) const;
  bool PassesLeftHand(const VaultItem& item) const;

  struct StatMinimum {
    int stat;
    int minimum;
  };

  const VaultQuerySettings& settings_;
  const VaultQueryContext& context_;
  const ItemVocabularies& vocabularies_;
  std::string lowerCaseName_;
  std::array<StatMinimum, kStatFilterCount> statMinimums_{};
  int statFilterCount_ = 0;
  bool dualWields_ = false;
  int shieldSize_ = 0;
};

// True when the record passes every test of the settings.
bool ItemPassesQuery(const VaultQuerySettings& settings, const VaultQueryContext& context,
                     const ItemVocabularies& vocabularies, const VaultItem& item);

// The one shared query: its settings, its last result and the Dazizuvoror's
// caption that each run sets.
class VaultQuery {
 public:
  VaultQuerySettings& Settings() { return settings_; }
  const VaultQuerySettings& Settings() const { return settings_; }
  const VaultQueryResult& Result() const { return result_; }
  VaultQueryResult& MutableResult() { return result_; }
  const std::string& Caption() const { return caption_; }

  // Every setting to its cleared value; the result stays.
  void Clear() { settings_ = VaultQuerySettings{}; }
  // Rebuilds the result over the whole vault. A vault of fewer than two
  // records gives the marker and leaves the caption as it was; otherwise the
  // caption becomes "Dazizuvoror (ENTRIES / RECORDS showing)".
  void Run(const MasterVault& vault, const VaultQueryContext& context);

 private:
  VaultQuerySettings settings_;
  VaultQueryResult result_;
  std::string caption_ = "Dazizuvoror";
};

}  // namespace davoruzivi
