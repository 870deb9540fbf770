#include "itemdb/auto_checking.h"

#include <initializer_list>
#include <vector>

namespace davoruzivi {
namespace {

// A run of class list entries, or a single one.
struct Span {
  constexpr Span(int one) : first(one), last(one) {}  // NOLINT: a single class reads best unadorned
  constexpr Span(int from, int to) : first(from), last(to) {}
  int first;
  int last;
};

ClassChecks Classes(std::initializer_list<Span> spans) {
  ClassChecks checks;
  for (const Span& span : spans)
    for (int c = span.first; c <= span.last; ++c) checks.set(static_cast<std::size_t>(c));
  return checks;
}

const ClassChecks kEveryClass = ClassChecks().set();

ServerChecks Servers(std::initializer_list<int> flags) {
  ServerChecks checks;
  std::size_t n = 0;
  for (const int flag : flags) checks[n++] = flag != 0;
  return checks;
}

// Who wields a weapon type: in any slot, and besides in the one-hand slots
// (13, 14) or the two-hand slot (15).
struct WeaponRule {
  ClassChecks always;
  ClassChecks oneHand;
  ClassChecks twoHand;
};

const std::vector<WeaponRule>& WeaponRules() {
  static const std::vector<WeaponRule> rules = [] {
    const ClassChecks none;
    const ClassChecks twoHandedFighters = Classes({0, 10, 20, 24});
    const ClassChecks midgard = Classes({{32, 46}});
    const WeaponRule everyone{kEveryClass, none, none};
    const WeaponRule swordOrAxe{midgard, Classes({0, 5, 7, 8, 10, 11, 12, 18, 19, 20, 21, 24, 27, 28, 31}), none};
    const WeaponRule spear{none, none, Classes({0, 24, 35, 44})};
    const WeaponRule twoHanded{none, none, twoHandedFighters};
    const WeaponRule wraps{Classes({6, 25, 36}), none, none};
    return std::vector<WeaponRule>{
        {},  // 0 "N/A"
        {none, Classes({{0, 15}, {18, 21}, 24, 27, 28, 31, 32, 35, 38, 39, 41, 43, 44, 46}), twoHandedFighters},
        {none, Classes({{16, 31}, 0, 5, 7, 8, 10, 11, 12, 32, 35, 38, 39, 41, 43, 44, 46}), none},
        swordOrAxe,
        swordOrAxe,
        {none, Classes({{0, 15}, {18, 21}, 24, 31, 32, 34, 38, 40, 41, 43, 46}), twoHandedFighters},
        {none, Classes({{16, 31}, 0, 2, 3, 4, 7, 10, 11, 32, 34, 38, 40, 41, 43, 46}), none},
        {midgard, Classes({0, 2, 3, 4, 7, 10, 11, 18, 19, 20, 21, 24, 31}), none},
        {none, Classes({{0, 15}, 19, 20, 24, 27, 28, 30}), twoHandedFighters},
        {none, Classes({{16, 31}, 0, 5, 7, 8, 10, 11, 12}), none},
        everyone,  // 10 "Normal Staff"
        spear,
        spear,
        spear,
        twoHanded,
        twoHanded,
        {Classes({12, 28, 35}), none, none},           // 16 bows
        {Classes({0, 5, 7, 19, 24, 31}), none, none},  // 17 "Shortbow / Crossbow "
        {Classes({32, 39, 46}), none, none},           // 18 "Throwing Weapons"
        {Classes({8, 18}), none, none},                // 19 "Instrument"
        {Classes({38}), none, none},                   // 20 "Hand To Hand"
        {none, Classes({4, 11}), none},                // 21 "Flexible"
        {none, none, Classes({29})},                   // 22 "Scythe"
        wraps,
        wraps,
        {none, none, Classes({3})},  // 25 "Friar Staff"
        everyone,                    // 26 "Selectable/Changeable"
        everyone,                    // 27 "Small Shield"
        {Classes({0, 2, 7, 10, 11, 19, 20, 24, 31, 41, 43, 44, 46}), none, none},
        {Classes({0, 10, 11, 20, 24, 31, 43, 44, 46}), none, none},
        everyone,  // 30 "Class-Sized Shield"
    };
  }();
  return rules;
}

constexpr int kFirstArmourSlot = 7, kLastArmourSlot = 12;
constexpr int kFirstWeaponSlot = 13, kTwoHandSlot = 15, kMythiriansSlot = 17;

bool IsOneHandSlot(int slot) { return slot == kFirstWeaponSlot || slot == kFirstWeaponSlot + 1; }
bool IsArmourSlot(int slot) { return slot >= kFirstArmourSlot && slot <= kLastArmourSlot; }

}  // namespace

ServerChecks ServerChecksOf(const VaultItem& item) {
  ServerChecks checks;
  for (std::size_t n = 0; n < kServerListFlags.size(); ++n) checks[n] = item.*kServerListFlags[n] != 0;
  return checks;
}

void StoreServerChecks(const ServerChecks& checks, VaultItem& item) {
  for (std::size_t n = 0; n < kServerListFlags.size(); ++n) item.*kServerListFlags[n] = checks[n] ? 1 : 0;
}

std::optional<ServerChecks> ExpansionServers(int expansion) {
  const ServerChecks all = ServerChecks().set();
  switch (expansion) {
    case 0:
    case 13:
    case 19:
      return ServerChecks();
    case 1:
    case 7:
    case 9:
    case 10:
    case 14:
    case 15:
    case 16:
    case 20:
    case 21:
      return all;
    case 2:
    case 4:
    case 5:
    case 6:
    case 8:
    case 11:
    case 17:
    case 18:
      return Servers({1, 1, 0, 1, 1, 1, 1});
    case 3:
      return Servers({1, 1, 0, 1, 0, 1, 1});
    case 12:
      return Servers({0, 0, 1, 0, 0, 0, 0});
    default:
      return std::nullopt;
  }
}

ServerChecks PresetServers(ServerPreset preset) {
  switch (preset) {
    case ServerPreset::ToA:
      return Servers({1, 1, 0, 1, 0, 1, 1});
    case ServerPreset::Classic:
      return Servers({0, 0, 0, 0, 1, 0, 0});
    case ServerPreset::Gaheris:
      return Servers({0, 1, 0, 0, 0, 0, 1});
    case ServerPreset::Mordred:
      return Servers({0, 0, 0, 1, 0, 0, 0});
    case ServerPreset::Origins:
      break;
  }
  return Servers({0, 0, 1, 0, 0, 0, 0});
}

ClassChecks AbsorbClasses(int absorb) {
  switch (absorb) {
    case 1:
      return Classes({1, 4, 9, 13, 14, 15, 16, 17, 22, 23, 26, 29, 33, 37, 42, 45});
    case 2:
      return Classes({3, 5, 6, 25, 27, 30, 36, 39});
    case 3:
      return Classes({12, 18, 19, 28, 32, 35, 38});
    case 4:
      return Classes({2, 7, 8, 11, 20, 21, 24, 31, 34, 40, 41, 43, 44, 46});
    case 5:
      return Classes({0, 10});
    default:
      return {};
  }
}

ClassChecks WeaponClasses(int weaponType, int slot) {
  const auto& rules = WeaponRules();
  if (weaponType < 0 || static_cast<std::size_t>(weaponType) >= rules.size()) return {};
  const WeaponRule& rule = rules[static_cast<std::size_t>(weaponType)];
  ClassChecks checks = rule.always;
  if (IsOneHandSlot(slot)) checks |= rule.oneHand;
  if (slot == kTwoHandSlot) checks |= rule.twoHand;
  return checks;
}

ClassChecks SlotClasses(int slot, int absorb, int weaponType) {
  if (slot <= 0) return {};
  if (slot < kFirstArmourSlot || slot == kMythiriansSlot) return kEveryClass;
  if (IsArmourSlot(slot)) return AbsorbClasses(absorb);
  return WeaponClasses(weaponType, slot);
}

SlotFields SlotFieldsOf(int slot) {
  if (slot < kFirstArmourSlot) return {};
  if (IsArmourSlot(slot)) return {false, true};
  return {true, false};
}

std::span<const std::string_view> RealmSelectorList() {
  static constexpr std::string_view kRealms[] = {"Albion", "Hibernia", "Midgard", "Internal"};
  return kRealms;
}

std::optional<ClassRange> RealmClasses(int realm) {
  switch (realm) {
    case 0:
      return ClassRange{0, 15};
    case 1:
      return ClassRange{16, 31};
    case 2:
      return ClassRange{32, 46};
    default:
      return std::nullopt;
  }
}

}  // namespace davoruzivi
