#pragma once
// The vault loader: fills the current slot kind's list of master-vault
// candidates (VaultIds) from searches of the master vault, equips one of
// them, and previews the item the user browses in the stat panels. Every
// change is written straight into the open template; "&Done" only stores the
// selection the user made.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/item_filters.h"
#include "template/template_model.h"

namespace davoruzivi {

class MasterVault;
class TemplateWorkflow;
class VaultQuery;
struct Settings;

namespace platform {
class MessageBox;
}  // namespace platform

inline constexpr std::string_view kDownloadLatestVaultMessage =
    "You must download the latest vault file for this option.";


// An entry of the equipped list: "Empty Slot" ("e0"), then each vault
// candidate of the kind with its position and its reference "v" + n.
struct EquippedEntry {
  std::string name;
  std::int32_t position = 0;
  std::string ref;

  friend bool operator==(const EquippedEntry&, const EquippedEntry&) = default;
};

// The bulk commands of the "Common Tasks" page: each fills a range of
// equipment slots with every item of one item type that the searches find.
struct CommonTask {
  std::string_view caption;
  std::string_view itemType;  // empty: the filters as the user set them, neither cleared before nor after
  int firstSlot;
  int lastSlot;
};
std::span<const CommonTask> CommonTasks();

// The commands that are on.
struct LoaderCommands {
  bool add = false;         // ItemAdd
  bool addAll = false;      // ItemAddAll
  bool remove = false;      // ItemRemove
  bool removeAll = false;   // ItemRemoveAll
  bool manualEdit = false;  // btnEdit
  bool webSearch = false;   // btnGoogle, btnSearch

  friend bool operator==(const LoaderCommands&, const LoaderCommands&) = default;
};

struct VaultLoaderServices {
  platform::MessageBox& messages;
};

class VaultLoader {
 public:
  // The query is the one every item window shares; the lists are the filter
  // lists copied when the main window was shown.
  VaultLoader(TemplateWorkflow& workflow, const MasterVault& vault, VaultQuery& query, const QueryFilterLists& lists,
              const Settings& settings, VaultLoaderServices services);

  // ---- showing and closing
  // The loader is shown on the template's current slot, the item type filter
  // on its first entry, both lists without a selection.
  void Open();
  // "&Done": the preview ends and the equipped entry the user selected is stored.
  void Done();

  // ---- slot and search
  // The slot selector: the user's equipped selection for the slot being left
  // is stored, the lists are rebuilt for the new slot and the search runs.
  void SwitchSlot(int equipmentSlot);
  // "Search": fills the shared query from the filters, the template's class,
  // server type and slot, runs it, sorts the result and lists what the kind's
  // candidates do not already hold.
  void Search();
  // "Clear Filters": the filters back to their defaults, then a search.
  void ClearFilters();
  // After the template changed elsewhere: when the configuration's level is
  // not the one the last search ruled bonus levels by, the preview ends and
  // the search runs again. True when it did.
  bool FollowLevel();

  // ---- the two lists
  void SelectEquipped(int entry, SelectionOrigin origin);
  // Previews the item in the stat panels, and describes it.
  void SelectAvailable(int row, SelectionOrigin origin);

  // ---- commands
  // "Add": the selected available item becomes a candidate of the kind and is equipped.
  void Add();
  // "Add All": every available item becomes a candidate; the equipped item stays.
  void AddAll();
  // "Remove": the selected candidate leaves the list; references after it move up.
  void Remove();
  // "Remove All": every candidate that no configuration uses leaves the list.
  void RemoveAll();
  // Runs the common task of that index of CommonTasks(); `progress` hears the
  // number of slots done and the number of slots of the task after each slot.
  using TaskProgress = std::function<void(int slotsDone, int slotCount)>;
  void RunCommonTask(std::size_t task, const TaskProgress& progress = {});
  // "Manual Edit": the position of the available item to start a manual item
  // from; nothing while the command is off. The window runs "&Done" next.
  std::optional<std::size_t> ManualEditPosition() const;
  // "&Google" and "Allakha&zam": the addresses to open; nothing without a name.
  std::optional<std::string> WebSearchAddress() const;
  std::optional<std::string> ItemDatabaseAddress() const;

  // ---- what the window shows
  ItemFilters& Filters() { return filters_; }
  const ItemFilters& Filters() const { return filters_; }
  int CurrentSlot() const;
  const std::vector<EquippedEntry>& Equipped() const { return equipped_; }
  // The vault positions of the available items, in the search's order;
  // empty when the list shows the single entry "No items found".
  const std::vector<std::size_t>& Available() const { return available_; }
  bool NoItemsFound() const { return available_.empty(); }
  // The entries the available list shows: the items, or the one "No items found".
  int AvailableRowCount() const;
  int EquippedSelection() const { return equippedSelection_; }    // -1 for none
  int AvailableSelection() const { return availableSelection_; }  // -1 for none
  const LoaderCommands& Commands() const { return commands_; }
  std::string AvailableCaption() const;  // "Available Item &List : ( N ) "
  std::string EquippedCaption() const;   // "Currently in Item &List : ( N ) "
  // The lines the loader wants in the main window's information panel, and a
  // count that grows whenever they change.
  const std::vector<std::string>& InfoLines() const { return infoLines_; }
  int InfoRevision() const { return infoRevision_; }
  // Counts the rebuilds of the lists and the searches, so a view can tell
  // whether it shows the current ones.
  int ListsRevision() const { return listsRevision_; }
  int SearchCount() const { return searchCount_; }
  bool Hold() const { return hold_; }
  bool BulkMode() const { return bulk_; }

 private:
  Template& Model() const;
  Configuration* Current() const;
  bool OnSlot() const;
  ItemSlot& Lists() const;
  // Stores the reference in the current configuration's slot; true when it changed.
  bool Store(std::string_view ref);
  void StartPreview(std::size_t position);
  // True when a preview was active.
  bool EndPreview();
  void ShowInfo(std::vector<std::string> lines);
  std::vector<std::string> DescriptionOf(std::size_t position) const;
  void RebuildEquipped();
  int EntryEquippedNow() const;
  void FillQuery();
  int RealmFilter() const;
  void ListAvailable(std::span<const std::size_t> positions);
  void AppendCandidate(std::size_t position);
  void RemoveCandidate(std::size_t n);
  const EquippedEntry* SelectedEquipped() const;  // nullptr for none
  std::optional<std::size_t> SelectedAvailablePosition() const;
  std::string SearchText() const;

  TemplateWorkflow& workflow_;
  const MasterVault& vault_;
  VaultQuery& query_;
  const QueryFilterLists& lists_;
  const Settings& settings_;
  VaultLoaderServices services_;
  ItemFilters filters_;
  std::vector<EquippedEntry> equipped_;
  std::vector<std::size_t> available_;
  int equippedSelection_ = -1;
  int availableSelection_ = -1;
  // On while the equipped selection is the program's (after opening, a slot
  // switch, or moved to "Empty Slot" by a preview): such a selection is
  // never stored; off while it is the user's, which is stored.
  bool hold_ = true;
  bool bulk_ = false;  // a common task is running
  LoaderCommands commands_;
  std::vector<std::string> infoLines_;
  int infoRevision_ = 0;
  int listsRevision_ = 0;
  int searchCount_ = 0;
  std::optional<int> searchedLevel_;  // the level the last search ruled bonus levels by
};

}  // namespace davoruzivi
