#include "itemdb/vault_query.h"

#include <algorithm>

#include "core/cp1252.h"
#include "core/integer_text.h"
#include "itemdb/item_metrics.h"

namespace davoruzivi {
namespace {

constexpr int kNoQualityFilter = 32;
constexpr int kLowestLevelEntry = 0;
constexpr int kHighestLevelEntry = 52;
constexpr int kNoClassChecked = 48;
constexpr int kNoRealmFilter = 3;
constexpr int kOnlyUniversal = 4;
constexpr int kUndefinedEffect = 1;
constexpr int kBonusLevelCapLimit = 51;  // bonus levels from here on pass the loader's cap
constexpr int kRightHandSlot = 13;
constexpr int kLeftHandSlot = 14;
constexpr std::uint16_t kLastWeaponType = 26;  // above it: shields
constexpr std::uint16_t kSmallShield = 27;
constexpr std::uint16_t kMediumShield = 28;
constexpr std::size_t kPrefetchDistance = 8;  // records ahead of the one tested

// ---- server letters ----

// The letters the query forms for an item's server flags, in this order.
struct ServerLetter {
  char letter;
  std::uint8_t VaultItem::*flag;
};
constexpr ServerLetter kServerLetters[] = {
    {'N', &VaultItem::ServerNormal},  {'G', &VaultItem::ServerCoop},    {'M', &VaultItem::ServerPvP},
    {'B', &VaultItem::ServerClassic}, {'O', &VaultItem::ServerOrigins}, {'Y', &VaultItem::ServerYwaine},
    {'R', &VaultItem::ServerRealmFree},
};
constexpr char kNoServerLetter = 'X';
// The letter that server settings 1..8 require.
constexpr std::string_view kRequiredServerLetters = "XNGBMOYR";

class ServerLetters {
 public:
  explicit ServerLetters(const VaultItem& item) {
    for (const ServerLetter& server : kServerLetters)
      if (item.*server.flag != 0) letters_[count_++] = server.letter;
    if (count_ == 0) letters_[count_++] = kNoServerLetter;
  }
  bool Contains(char letter) const { return View().find(letter) != std::string_view::npos; }

 private:
  std::string_view View() const { return {letters_.data(), count_}; }
  std::array<char, std::size(kServerLetters)> letters_{};
  std::size_t count_ = 0;
};

// ---- texts ----

char LowerAsciiLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + ('a' - 'A')) : c; }

std::string LowerAsciiLetters(std::string_view text) {
  std::string lower(text);
  std::transform(lower.begin(), lower.end(), lower.begin(), LowerAsciiLetter);
  return lower;
}

// True when the non-empty lower-case part occurs in the text compared in lower case.
bool ContainsLowered(std::string_view text, std::string_view lowerCasePart) {
  const auto found = std::search(text.begin(), text.end(), lowerCasePart.begin(), lowerCasePart.end(),
                                 [](char a, char b) { return LowerAsciiLetter(a) == b; });
  return found != text.end();
}

bool ShieldSizeAllows(int shieldSize, std::uint16_t weaponType) {
  switch (shieldSize) {
    case shield::None: return false;
    case shield::Small: return weaponType <= kSmallShield;
    case shield::Medium: return weaponType <= kMediumShield;
    default: return true;
  }
}

// Asks for the parts of a record that a run reads: its name, the fields most
// tests compare, and its bonuses. A scan that waits for each record in turn
// spends most of its time waiting on memory.
void PrefetchLine([[maybe_unused]] const void* address) {
#if defined(__GNUC__)
  __builtin_prefetch(address);
#endif
}

void Prefetch(const VaultItem& item) {
  PrefetchLine(&item.Name);
  PrefetchLine(&item.ItemType);
  PrefetchLine(&item.StatIds);
  PrefetchLine(&item.StatValues);
}

}  // namespace

// ---- the result ----

void VaultQueryResult::Clear() {
  names.Clear();
  positions.clear();
}

void VaultQueryResult::Add(std::string_view name, std::size_t position) {
  names.Add(name);
  positions.push_back(position);
}

void VaultQueryResult::SetNoMatch() {
  Clear();
  Add(kNoItemsFound, 0);
}

// ---- the tests ----

VaultQueryTests::VaultQueryTests(const VaultQuerySettings& settings, const VaultQueryContext& context,
                                 const ItemVocabularies& vocabularies)
    : settings_(settings),
      context_(context),
      vocabularies_(vocabularies),
      lowerCaseName_(LowerAsciiLetters(settings.name.View())) {
  for (const StatFilter& filter : settings.stats)
    if (filter.stat != 0)
      statMinimums_[static_cast<std::size_t>(statFilterCount_++)] = {filter.stat,
                                                                       ParseIntegerOr(filter.minimumAmount, 0)};
  dualWields_ = context.dualWields;
  shieldSize_ = context.shieldSize;
}

bool VaultQueryTests::Passes(const VaultItem& item, std::uint8_t shownBonusLevelByte) const {
  return PassesSource(item) && PassesQuality(item) && PassesItemType(item) && PassesClass(item) &&
         PassesVerification(item) && PassesLevels(item) && PassesServer(item) && PassesAbsorb(item) &&
         PassesWeaponType(item) && PassesRealm(item) && PassesSlot(item) && PassesQuestionMarks(item) &&
         PassesEffect(item) && PassesStatFilters(item) && PassesExpansion(item) && PassesName(item) &&
         PassesBonusLevelCap(shownBonusLevelByte);
}

bool VaultQueryTests::PassesSource(const VaultItem& item) const {
  return settings_.source == 0 || settings_.source - 1 == item.Source;
}

bool VaultQueryTests::PassesQuality(const VaultItem& item) const {
  return settings_.quality >= kNoQualityFilter || item.Quality >= settings_.quality;
}

bool VaultQueryTests::PassesItemType(const VaultItem& item) const {
  return settings_.itemType == 0 || settings_.itemType - 1 == item.ItemType;
}

bool VaultQueryTests::PassesClass(const VaultItem& item) const {
  const int setting = settings_.classFilter;
  if (setting >= 1 && setting <= kClassCount) return item.ClassUsable[static_cast<std::size_t>(setting - 1)] != 0;
  if (setting == kNoClassChecked)
    return std::none_of(item.ClassUsable.begin(), item.ClassUsable.end(), [](std::uint8_t usable) { return usable == 1; });
  return true;
}

bool VaultQueryTests::PassesVerification(const VaultItem& item) const {
  if (settings_.verifiedOnly && !settings_.unverifiedOnly && item.Verified == 0) return false;
  return !settings_.unverifiedOnly || item.Verified != 1;
}

bool VaultQueryTests::PassesLevels(const VaultItem& item) const {
  if (settings_.minimumLevel == kLowestLevelEntry && settings_.maximumLevel == kHighestLevelEntry) return true;
  return settings_.minimumLevel <= item.Level && item.Level <= settings_.maximumLevel;
}

// Settings outside 1..8 (other than 0) require no letter.
bool VaultQueryTests::PassesServer(const VaultItem& item) const {
  const int setting = settings_.server;
  if (setting < 1 || setting > static_cast<int>(kRequiredServerLetters.size())) return true;
  return ServerLetters(item).Contains(kRequiredServerLetters[static_cast<std::size_t>(setting - 1)]);
}

bool VaultQueryTests::PassesAbsorb(const VaultItem& item) const {
  return settings_.absorb == 0 || settings_.absorb == item.Absorb;
}

bool VaultQueryTests::PassesWeaponType(const VaultItem& item) const {
  return settings_.weaponType == 0 || settings_.weaponType == item.WeaponType;
}

bool VaultQueryTests::PassesName(const VaultItem& item) const {
  return lowerCaseName_.empty() || ContainsLowered(item.Name.View(), lowerCaseName_);
}

bool VaultQueryTests::PassesExpansion(const VaultItem& item) const {
  if (settings_.expansion == 0) return true;
  const auto& expansions = vocabularies_.Expansions;
  return EqualIgnoringCase(expansions.Filter().TextOf(settings_.expansion), expansions.TextOf(item.Expansion));
}

bool VaultQueryTests::PassesQuestionMarks(const VaultItem& item) const {
  if (!settings_.hideQuestionMarks) return true;
  const std::string_view name = item.Name.View();
  return name.find('?') == std::string_view::npos && !name.starts_with(' ');
}

// Setting 1 wants a proc of undefined effect; settings from 2 on name an
// effect of either proc; any other setting tests nothing.
bool VaultQueryTests::PassesEffect(const VaultItem& item) const {
  const int setting = settings_.effect;
  if (setting == kUndefinedEffect) {
    for (int proc = 0; proc < kProcSlots; ++proc)
      if (item.ProcKinds[proc] != 0 && item.ProcEffects[proc] == 0) return true;
    return false;
  }
  if (setting > kUndefinedEffect) return setting - 1 == item.ProcEffects[0] || setting - 1 == item.ProcEffects[1];
  return true;
}

bool VaultQueryTests::PassesStatFilters(const VaultItem& item) const {
  for (int i = 0; i < statFilterCount_; ++i) {
    const StatMinimum& filter = statMinimums_[static_cast<std::size_t>(i)];
    const int amount = StatAmountOf(filter.stat, item);
    if (amount == 0 || amount < filter.minimum) return false;
  }
  return true;
}

// Settings 0..2 name a realm whose items and the Universal ones pass; 4 and
// above let only Universal items pass; any other setting tests nothing.
bool VaultQueryTests::PassesRealm(const VaultItem& item) const {
  const int setting = settings_.realm;
  if (setting >= kOnlyUniversal) return item.Realm == kUniversalRealm;
  if (setting >= 0 && setting < kNoRealmFilter) return item.Realm == setting || item.Realm == kUniversalRealm;
  return true;
}

bool VaultQueryTests::PassesBonusLevelCap(std::uint8_t shownBonusLevelByte) const {
  if (!context_.loaderLevel) return true;
  return !(shownBonusLevelByte > *context_.loaderLevel && shownBonusLevelByte < kBonusLevelCapLimit);
}

bool VaultQueryTests::PassesSlot(const VaultItem& item) const {
  if (settings_.slot == 0) return true;
  if (context_.dazizuvororShown) return settings_.slot == item.Slot;
  return PassesHandRules(item);
}

bool VaultQueryTests::PassesHandRules(const VaultItem& item) const {
  switch (settings_.slot) {
    case kRightHandSlot:
      return item.Slot == kRightHandSlot || (item.Slot == kLeftHandSlot && item.WeaponType <= kLastWeaponType);
    case kLeftHandSlot:
      return item.Slot == kLeftHandSlot && PassesLeftHand(item);
    default:
      return settings_.slot == item.Slot;
  }
}

// A left-hand weapon needs a class that wields two; a shield, a class whose
// shield size holds it. Weapon types past the class-sized shield count as
// shields that only the every-shield sizes allow.
bool VaultQueryTests::PassesLeftHand(const VaultItem& item) const {
  if (item.WeaponType <= kLastWeaponType) return dualWields_;
  return ShieldSizeAllows(shieldSize_, item.WeaponType);
}

bool ItemPassesQuery(const VaultQuerySettings& settings, const VaultQueryContext& context,
                     const ItemVocabularies& vocabularies, const VaultItem& item) {
  return VaultQueryTests(settings, context, vocabularies).Passes(item, ShownBonusLevelByte(item));
}

// ---- the run ----

void VaultQuery::Run(const MasterVault& vault, const VaultQueryContext& context) {
  result_.Clear();
  if (vault.Size() < 2) {
    result_.SetNoMatch();
    return;
  }
  const VaultQueryTests tests(settings_, context, vault.Vocabularies());
  const std::vector<VaultItem>& items = vault.Items();
  const std::vector<std::uint8_t>& shownBonusLevelBytes = vault.ShownBonusLevelBytes();
  for (std::size_t position = 0; position < items.size(); ++position) {
    if (position + kPrefetchDistance < items.size()) Prefetch(items[position + kPrefetchDistance]);
    if (tests.Passes(items[position], shownBonusLevelBytes[position]))
      result_.Add(items[position].Name.View(), position);
  }
  if (result_.Size() == 0) result_.SetNoMatch();
  caption_ = "Dazizuvoror (" + std::to_string(result_.Size()) + " / " + std::to_string(vault.Size()) + " showing)";
}

}  // namespace davoruzivi
