#pragma once
// The inline editor: the manual items (InlineItems) of the current slot's
// kind, the fields of the selected one, and the commands that create, delete,
// clear, export, import and copy them. Every field change is written straight
// into the template's item and recalculated, so "&Done" only stores the
// selection.

#include <array>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/bonus_fields.h"
#include "itemdb/inline_item.h"
#include "itemdb/vault_item.h"
#include "template/template_model.h"

namespace davoruzivi {

class MasterVault;
class TemplateWorkflow;

namespace platform {
class Clipboard;
class FileDialogs;
class MessageBox;
}  // namespace platform

inline constexpr std::string_view kCustomItemName = "Custom Item";
inline constexpr std::size_t kTypedItemNameLength = 50;
// The proc kinds a manual item offers: "No Procs/Effects" .. "Selectable Effects".
inline constexpr int kManualProcKindCount = 6;
inline constexpr std::size_t kClipboardLineCount = 14;

inline constexpr std::string_view kExportSuccessfulMessage = "Export Successful";
inline constexpr std::string_view kImportFailedMessage = "This file did not import properly. Aborting Import";
inline constexpr std::string_view kItemStatsCopiedMessage = "Item Stats copied to windows clipboard";

// What the Manual Editor page shows; the defaults are the cleared fields.
struct InlineItemFields {
  std::string name{kCustomItemName};
  BonusRows rows{};
  ProcRows procs{};

  friend bool operator==(const InlineItemFields&, const InlineItemFields&) = default;
};

// The kind of file Import Item reads, by its extension.
enum class ItemImportKind { Kwz, Kwx, Kwi, Xml };

// ".kwz", ".kwx", ".kwi" or ".xml", letter case ignored; nothing for any
// other extension. Only the extension counts: the folders a path passes
// through say nothing about the file.
std::optional<ItemImportKind> ItemImportKindOf(const std::filesystem::path& path);

// A read item as a manual item: name, bonuses and procs, the name marked
// " (RoG)" unless it holds "RoG" already, cut to 200 characters.
InlineItem MarkedManualItem(const VaultItem& item);

struct InlineEditorServices {
  platform::MessageBox& messages;
  platform::FileDialogs& files;
  platform::Clipboard& clipboard;
};

class InlineEditor {
 public:
  InlineEditor(TemplateWorkflow& workflow, const MasterVault& vault, InlineEditorServices services,
               std::filesystem::path programFolder);

  // ---- showing and closing
  // The editor is shown on the template's current slot.
  void Open();
  // "&Done": a selection the user made is stored; the fields are cleared.
  void Done();
  bool Closed() const { return closed_; }

  // ---- the slot and its manual items
  // The slot selector: the selection made for the slot being left is
  // stored, and the new slot's manual item, when it has one, is selected.
  void SwitchSlot(int equipmentSlot);
  int CurrentSlot() const;
  // "Empty Slot", then the name of each manual item of the slot's kind.
  std::vector<std::string> ListEntries() const;
  int EntryCount() const;
  int SelectedEntry() const { return selected_; }  // -1 for none
  // A manual item (entry 1 or later) is equipped, copied into the editing
  // buffer and shown; "Empty Slot" stores "e0" unless the hold flag is on.
  void SelectEntry(int entry, SelectionOrigin origin);

  // ---- the fields; each change is written back into the selected item
  const InlineItemFields& Fields() const { return fields_; }
  void ChangeName(std::string_view name);
  void ChangeCategory(int row, int category);
  void ChangeStat(int row, int entry);
  // Digits only, as typed; the field keeps the corrected text.
  void ChangeAmount(int row, std::string_view typed);
  void ChangeProcKind(int proc, int kind);
  void ChangeEffect(int proc, int effect);
  void ChangeProcAmount(int proc, std::string_view typed);

  // ---- what is enabled
  // The rows, the procs, "&Clear Stats and Procs", "E&xport item" and
  // "Copy to Clipboard" need a manual item.
  bool ItemSelected() const;
  bool StatListEnabled(int row) const;
  bool AmountEnabled(int row) const;
  bool EffectEnabled(int proc) const;
  // No other configuration uses the selected item in this slot.
  bool CanDelete() const;

  // ---- commands
  // "Create &New": a new item "Custom Item" without bonuses or procs, equipped.
  void CreateNew();
  // "Delete Item": the item that takes the deleted one's place, or the new
  // last one, becomes the slot's item; "e0" when none is left.
  void DeleteItem();
  void ClearStatsAndProcs();
  // "E&xport item": the save dialog, then ExportTo. True when written.
  bool Export();
  // Writes the selected item's 271-byte image; ".kwz" is added to a name
  // without that extension. True when written (and the user told so).
  bool ExportTo(const std::filesystem::path& chosen);
  // "Import Item": the open dialog, then ImportFrom. True when an item was made.
  bool Import();
  // Reads one item from the file into a new manual item, which is selected.
  bool ImportFrom(const std::filesystem::path& path);
  // "Copy to Clipboard": the 14 lines on the clipboard, and the notice.
  void CopyToClipboard();
  std::vector<std::string> ClipboardLines() const;
  // The vault grabber's copy: a new manual item takes the vault item's name,
  // bonuses and procs, and is shown as the fields show them.
  void CopyFromVaultItem(const VaultItem& item);

  // ---- flags
  bool Hold() const { return hold_; }
  bool Loading() const { return loading_; }

 private:
  Configuration* Current() const;
  // Whether the current slot is one of the nineteen, whose kind has a list.
  bool OnSlot() const;
  std::vector<InlineItem>& Items() const;
  InlineItem& ItemOfEntry(int entry) const;
  static std::string RefOfEntry(int entry);
  // Stores the reference in the current configuration's slot; true when it changed.
  bool Store(std::string_view ref);
  void ShowEmptySlot(bool store);
  void ShowItem(const InlineItem& item);
  void ApplyEnablingRules();
  InlineItem ItemFromFields() const;
  // Writes the fields into the selected item and recalculates.
  void WriteBack(bool alsoChanged = false);
  bool FieldChangeWrites() const;
  std::optional<InlineItem> ReadImportFile(const std::filesystem::path& path, ItemImportKind kind);
  void AddItem(const InlineItem& item);

  TemplateWorkflow& workflow_;
  const MasterVault& vault_;
  InlineEditorServices services_;
  std::filesystem::path programFolder_;
  InlineItemFields fields_;
  int selected_ = -1;
  bool hold_ = true;
  bool loading_ = true;
  bool closed_ = true;
};

}  // namespace davoruzivi
