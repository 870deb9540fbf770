#pragma once
// The open template: the character-wide values, the candidate item lists and
// the configurations, with the operations that keep references valid.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "template/character_equip.h"
#include "template/configuration.h"
#include "template/slot_ref.h"

namespace davoruzivi {

class MasterVault;

// Whether the template has anything to save: 1 new, 2 saved, 3 modified; 0
// switches every file command off.
enum class TemplateStatus : std::uint8_t { Off = 0, New = 1, Saved = 2, Modified = 3 };

struct TemplateBackup {
  CharacterEquip Equip;
  std::vector<Configuration> Configurations;
};

struct Template {
  int ClassIndex = -1;   // index into the class list; -1 when none is selected
  int ServerIndex = -1;  // index into the server types; -1 when none is selected
  std::vector<std::string> Notes;
  CharacterEquip Equip;
  std::vector<Configuration> Configurations;  // at most kMaxConfigurations
  int CurrentConfiguration = -1;
  int CurrentSlot = 0;
  std::filesystem::path FileName;  // may hold a proposed name never confirmed
  bool FileNameConfirmed = false;
  TemplateBackup Backup;

  ItemSlot& ListsOf(int kind) { return Equip.Slots[static_cast<std::size_t>(kind)]; }
  const ItemSlot& ListsOf(int kind) const { return Equip.Slots[static_cast<std::size_t>(kind)]; }
  Configuration* Current();
  const Configuration* Current() const;
};

// An item a reference names, checked against its list.
struct ResolvedItem {
  ItemList list;
  int kind;
  int position;
};

// The number of entries of one of a kind's three lists.
int ListLength(const ItemSlot& lists, ItemList list);

// The item in an equipment slot of a configuration; nothing for "e0", a bad
// number, another letter, a position past its list, or a slot outside 0..18.
std::optional<ResolvedItem> Resolve(const Template& model, const Configuration& configuration, int equipmentSlot);

// Who selected an entry of an item window's list: the user's click or key, or
// the program while it rebuilds the list (such a selection stores less).
enum class SelectionOrigin { User, Program };

// Stores the reference in the current configuration's current slot; true when
// that changed what the slot held. Nothing happens without a current
// configuration or with a current slot outside 0..18.
bool EquipInCurrentSlot(Template& model, std::string_view ref);

// How many slots of all configurations hold the reference, counting the slots
// that share the current slot's list (both rings, both wrists).
int UsageCount(const Template& model, std::string_view ref);

// Before the entry `ref` leaves the list of the slot's kind: every later entry
// of that list moves up one place, in every configuration's references.
void RemovalFixUp(Template& model, std::string_view ref, int equipmentSlot);

// The sum of the values whose stat is statId, as a signed 16-bit number.
std::int16_t SumOfStat(StatId statId, std::span<const StatId> ids, std::span<const std::int32_t> values);

void TakeBackup(Template& model);
void RestoreBackup(Template& model);

// Empties the lists, configurations and notes and forgets the file name.
void ClearTemplate(Template& model);

// One entry of a slot kind's candidate list: its name and its reference.
struct Candidate {
  std::string name;
  std::string ref;

  friend bool operator==(const Candidate&, const Candidate&) = default;
};

// "<Empty Slot>" ("e0"), then the vault items, inline items and crafted items of the kind.
std::vector<Candidate> CandidateList(const Template& model, const MasterVault& vault, int kind);

}  // namespace davoruzivi
