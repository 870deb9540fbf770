#pragma once
// The item editor: the master vault maintained by hand. An item is picked
// from the listing of the shared vault query, shown field by field, changed
// and saved back into the vault (or appended as a new item); a commit writes
// the vault files. It also helps with data entry: auto-checking of server
// types and classes, presets, class shortcuts, vocabulary additions and web
// searches for the item's name.

#include <functional>
#include <string>
#include <string_view>

#include "itemdb/auto_checking.h"
#include "itemdb/bonus_fields.h"
#include "itemdb/master_vault.h"
#include "itemdb/vault_item.h"
#include "itemdb/vault_query.h"

namespace davoruzivi {

class Dazizuvoror;

namespace platform {
class ConfirmationDialog;
class MessageBox;
class WebOpener;
}  // namespace platform

inline constexpr std::string_view kNewItemName = "Enter an item name";
inline constexpr std::size_t kEditedNameLength = 250;
inline constexpr std::size_t kEditedNotesLength = 93;
inline constexpr int kHighestItemLevel = 51;
inline constexpr int kHighestBonusLevel = 50;

// What the editor's controls show; each value is the index of its list's
// entry (a value a record brought from outside a list is kept as it is).
struct ItemEditorFields {
  std::string name{kNewItemName};
  int realm = kUniversalRealm;
  int itemType = 0;
  int slot = 0;
  int expansion = 0;
  std::string notes;
  int weaponType = 0;
  int absorb = 0;
  int source = 0;
  int level = kHighestItemLevel;
  bool bonusLevelAuto = true;  // "BLV Calc": worked out, the spin disabled
  int bonusLevel = 0;
  int quality = 0;
  int speed = 0;
  bool verified = false;
  bool researched = false;
  ServerChecks servers;
  ClassChecks classes;
  BonusRows rows{};
  ProcRows procs{};

  friend bool operator==(const ItemEditorFields&, const ItemEditorFields&) = default;
};

// The fields of a record, as "Show a record" sets them.
ItemEditorFields FieldsOfRecord(const VaultItem& item);
// The fields a new item starts from.
ItemEditorFields NewItemFields();
// A record filled from the fields; its bonus level is worked out when
// "BLV Calc" is on.
VaultItem RecordOfFields(const ItemEditorFields& fields);

// The growing lists a double-click on a field's label adds to.
enum class GrowingList { ItemTypes, Expansions, WeaponTypes, Sources, Effects };

struct ItemEditorServices {
  platform::MessageBox& messages;
  platform::ConfirmationDialog& questions;
  platform::WebOpener& web;
};

class ItemEditor {
 public:
  // The context of the editor's own queries: the template class's hand facts.
  using QueryContextSource = std::function<VaultQueryContext()>;
  // Shows the Dazizuvoror window modally and returns when it has closed.
  using ShowDazizuvoror = std::function<void()>;

  ItemEditor(MasterVault& vault, VaultQuery& query, Dazizuvoror& dazizuvoror, ItemEditorServices services,
             QueryContextSource queryContext);

  // ---- showing: the query runs, its result becomes the listing and a new item is shown
  void Open();
  // Closing asks about unsaved changes; false keeps the window open.
  bool Close();

  // ---- state
  const ItemEditorFields& Fields() const { return fields_; }
  const VaultQueryResult& Listing() const { return listing_; }
  // Counts the listings taken, so a view knows when to show the listing anew.
  int ListingGeneration() const { return listingGeneration_; }
  int SelectedEntry() const { return selected_; }  // -1 for none
  long long EditingPosition() const { return editing_; }
  bool Changed() const { return changed_; }
  bool NameChanged() const { return nameChanged_; }
  bool AutoChecking() const { return autoChecking_; }
  void SetAutoChecking(bool on) { autoChecking_ = on; }
  int RealmSelector() const { return realmSelector_; }
  void SetRealmSelector(int realm) { realmSelector_ = realm; }
  // "Item Editor : Items Listed : N / RECORDS" and "Vault &Listing ( K / N )".
  std::string WindowCaption() const;
  std::string ListCaption() const;

  // ---- what is enabled
  bool WeaponTypeEnabled() const;
  bool AbsorbEnabled() const;
  bool BonusLevelEnabled() const { return !fields_.bonusLevelAuto; }
  bool StatListEnabled(int row) const;
  bool AmountEnabled(int row) const;
  bool EffectEnabled(int proc) const;

  // ---- field changes; each marks the item changed
  void ChangeName(std::string_view name);
  void ChangeRealm(int realm);
  void ChangeItemType(int itemType);
  void ChangeSlot(int slot);
  void ChangeExpansion(int expansion);
  void ChangeNotes(std::string_view notes);
  void ChangeWeaponType(int weaponType);
  void ChangeAbsorb(int absorb);
  void ChangeSource(int source);
  void ChangeLevel(int level);
  void ChangeBonusLevelAuto(bool automatic);
  void ChangeBonusLevel(int level);
  void ChangeQuality(int quality);
  void ChangeSpeed(int speed);
  void ChangeVerified(bool verified);
  void ChangeResearched(bool researched);
  void ChangeServer(int server, bool checked);
  void ChangeClass(int classIndex, bool checked);
  void ChangeCategory(int row, int category);
  void ChangeStat(int row, int entry);
  void ChangeAmount(int row, std::string_view typed);
  void ChangeProcKind(int proc, int kind);
  void ChangeEffect(int proc, int effect);
  void ChangeProcAmount(int proc, std::string_view typed);

  // ---- commands
  // "&New Item"; false when the user cancelled.
  bool NewItem();
  // A click on a listing entry loads its item, after asking about changes.
  void SelectEntry(int entry);
  // A double-click or Enter on an entry loads it and opens the Dazizuvoror.
  void ActivateEntry(int entry, const ShowDazizuvoror& show);
  // "Vault&keeper": the Dazizuvoror on the editing position; its choice is loaded.
  void Vaultkeeper(const ShowDazizuvoror& show);
  // "&Save Item"; false when nothing was stored.
  bool Save();
  void Undo();
  void ClearStats();
  bool Commit();

  // ---- the "Auto Changer" menu
  void ChangeExpansionWithServers(int expansion);  // F5 .. F7
  void ApplyServerPreset(ServerPreset preset);     // Ctrl+F6 .. Ctrl+F10
  void AuruliteBought();                           // F8
  void DarknessFallsImps();                        // F9

  // ---- class shortcuts over the realm selector
  void KeepRealmClasses();  // double-click: the other realms' classes cleared
  void CheckRealm(bool checked);
  void CheckAll(bool checked);

  // Text typed into the list's box picks the first entry equal to it, letter
  // case ignored, as choosing that entry would; other text waits for the
  // label's double-click to add it.
  void TypeIntoList(GrowingList list, std::string_view text, int effectBox = 0);

  // ---- label double-clicks
  // Appends the typed text to the list, selects its first entry in the box
  // (effect box 0 or 1 for the effects) and tells the user.
  void AddToVocabulary(GrowingList list, std::string_view text, int effectBox = 0);
  void AddRealmOrigin();  // " (Alb)", " (Hib)" or " (Mid)" after the name
  void ClearNotes();

  // ---- web searches for the name
  std::string WebSearchAddress() const;
  std::string ItemDatabaseAddress() const;
  void SearchWeb();
  void SearchItemDatabase();

 private:
  enum class Answer { Save, Discard, Cancel };
  Answer AskAboutChanges(std::string_view message, std::string_view caption, std::string_view save,
                         std::string_view discard);
  // Asks when changed: true when the command may go on (saved or discarded).
  bool SettleChanges(std::string_view message, std::string_view caption, std::string_view save);
  void MarkChanged();
  // The field that holds the entry of a growing list; nothing for an effect box that is none.
  int* ListField(GrowingList list, int effectBox);
  template <typename Value>
  void SetField(Value ItemEditorFields::*field, Value value) {
    fields_.*field = value;
    MarkChanged();
  }
  void ApplySlotFields();
  void ShowNewItem();
  void LoadPosition(long long position);
  bool LoadEntry(int entry);
  void TakeListing();
  int EntryOf(long long position) const;
  bool IsItemEntry(int entry) const;
  std::optional<long long> StorePosition();
  void RunQuery();

  MasterVault& vault_;
  VaultQuery& query_;
  Dazizuvoror& dazizuvoror_;
  ItemEditorServices services_;
  QueryContextSource queryContext_;
  ItemEditorFields fields_ = NewItemFields();
  VaultQueryResult listing_;
  int listingGeneration_ = 0;
  int selected_ = -1;
  long long editing_ = -1;
  bool changed_ = false;
  bool nameChanged_ = false;
  bool autoChecking_ = true;
  int realmSelector_ = 0;
};

}  // namespace davoruzivi
