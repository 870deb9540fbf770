#include "template/inline_editor.h"

#include <algorithm>
#include <utility>

#include "core/cp1252.h"
#include "core/file_io.h"
#include "core/integer_text.h"
#include "core/text_lines.h"
#include "itemdb/exchange_files.h"
#include "itemdb/item_filters.h"
#include "itemdb/item_xml.h"
#include "itemdb/master_vault.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "template/slots.h"
#include "template/template_workflow.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kExportFilter = "Kitwright Zip ( KWZ )|*.kwz";
constexpr std::string_view kImportFilter =
    "Item Files ( KWZ, KWX, KWI, XML )|*.kwz;*.kwx;*.kwi;*.xml|Kitwright Zip ( KWZ )|*.kwz|"
    "Kitwright Export ( KWX )|*.kwx|Kitwright Item ( KWI )|*.kwi|Item XML ( XML )|*.xml";
constexpr std::string_view kExportExtension = ".kwz";
// An item file is a few hundred bytes; an XML item text a few kilobytes.
constexpr std::size_t kLargestImportFile = std::size_t{16} << 20;

struct ImportExtension {
  std::string_view extension;
  ItemImportKind kind;
};
constexpr ImportExtension kImportExtensions[] = {{".kwz", ItemImportKind::Kwz},
                                                 {".kwx", ItemImportKind::Kwx},
                                                 {".kwi", ItemImportKind::Kwi},
                                                 {".xml", ItemImportKind::Xml}};

std::span<const std::uint8_t> AsBytes(std::string_view bytes) {
  return {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()};
}

std::string FileNameText(const std::filesystem::path& path) { return Utf8ToCp1252(path.filename().string()); }

bool HasExtension(const std::filesystem::path& path, std::string_view extension) {
  return EqualIgnoringCase(path.extension().string(), extension);
}

// The fields of a manual item: each bonus where the category lists show it.
InlineItemFields FieldsOf(const InlineItem& item) {
  InlineItemFields fields;
  fields.name = item.Name.Empty() ? std::string(kCustomItemName) : item.Name.Str();
  fields.rows = BonusRowsOf(item);
  fields.procs = ProcRowsOf(item);
  return fields;
}

std::string StatTextOf(const BonusRowFields& row) {
  return std::string(StatCategoryEntries(row.category).TextOf(row.stat));
}

bool InRange(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

}  // namespace

std::optional<ItemImportKind> ItemImportKindOf(const std::filesystem::path& path) {
  for (const ImportExtension& known : kImportExtensions)
    if (HasExtension(path, known.extension)) return known.kind;
  return std::nullopt;
}

InlineItem MarkedManualItem(const VaultItem& item) {
  InlineItem made = VaultToInlineItem(item);
  made.Name = RoGMarkedName(item.Name.View());
  return made;
}

InlineEditor::InlineEditor(TemplateWorkflow& workflow, const MasterVault& vault, InlineEditorServices services,
                           std::filesystem::path programFolder)
    : workflow_(workflow), vault_(vault), services_(services), programFolder_(std::move(programFolder)) {}

// ------------------------------------------------------------------ state

Configuration* InlineEditor::Current() const { return workflow_.Model().Current(); }

int InlineEditor::CurrentSlot() const { return workflow_.Model().CurrentSlot; }

bool InlineEditor::OnSlot() const { return SlotKindOf(CurrentSlot()) != kNoSlotKind; }

std::vector<InlineItem>& InlineEditor::Items() const {
  return workflow_.Model().ListsOf(SlotKindOf(CurrentSlot())).InlineItems;
}

InlineItem& InlineEditor::ItemOfEntry(int entry) const { return Items()[static_cast<std::size_t>(entry - 1)]; }

std::string InlineEditor::RefOfEntry(int entry) {
  return entry < 1 ? std::string(kEmptySlotRef) : MakeSlotRef(ItemList::Inline, entry - 1);
}

int InlineEditor::EntryCount() const { return OnSlot() ? static_cast<int>(Items().size()) + 1 : 1; }

std::vector<std::string> InlineEditor::ListEntries() const {
  std::vector<std::string> entries{std::string(kEmptySlotEntry)};
  if (!OnSlot()) return entries;
  for (const InlineItem& item : Items()) entries.push_back(item.Name.Str());
  return entries;
}

bool InlineEditor::Store(std::string_view ref) { return EquipInCurrentSlot(workflow_.Model(), ref); }

bool InlineEditor::ItemSelected() const { return selected_ >= 1 && selected_ < EntryCount(); }

bool InlineEditor::StatListEnabled(int row) const {
  return ItemSelected() && fields_.rows[static_cast<std::size_t>(row)].category != 0;
}

bool InlineEditor::AmountEnabled(int row) const {
  return ItemSelected() && fields_.rows[static_cast<std::size_t>(row)].stat != 0;
}

bool InlineEditor::EffectEnabled(int proc) const {
  return ItemSelected() && fields_.procs[static_cast<std::size_t>(proc)].kind != 0;
}

bool InlineEditor::CanDelete() const {
  return ItemSelected() && UsageCount(workflow_.Model(), RefOfEntry(selected_)) < 2;
}

// ------------------------------------------------------------------ showing and closing

void InlineEditor::Open() {
  closed_ = true;
  loading_ = true;
  hold_ = true;
  selected_ = -1;
  fields_ = {};
  SwitchSlot(CurrentSlot());
  closed_ = false;
}

void InlineEditor::Done() {
  const bool stored = ItemSelected() && !hold_ && Store(RefOfEntry(selected_));
  selected_ = -1;
  fields_ = {};
  closed_ = true;
  if (stored) workflow_.Recalculate();
}

// ------------------------------------------------------------------ slot and list

void InlineEditor::SwitchSlot(int equipmentSlot) {
  if (equipmentSlot < 0 || equipmentSlot >= kEquipmentSlotCount) return;
  bool changed = selected_ >= 0 && !hold_ && Store(RefOfEntry(selected_));
  workflow_.Model().CurrentSlot = equipmentSlot;
  ShowEmptySlot(/*store=*/false);
  const Configuration* configuration = Current();
  const auto ref =
      configuration ? ParseSlotRef(configuration->Slots[static_cast<std::size_t>(equipmentSlot)]) : std::nullopt;
  if (ref && ref->letter == static_cast<char>(ItemList::Inline)) {
    if (ref->position + 1 < EntryCount()) {
      SelectEntry(ref->position + 1, SelectionOrigin::Program);
    } else {
      changed |= Store(kEmptySlotRef);  // the item it named is gone
    }
  }
  hold_ = true;
  if (changed) workflow_.Recalculate();
}

void InlineEditor::SelectEntry(int entry, SelectionOrigin origin) {
  if (origin == SelectionOrigin::User) hold_ = false;
  if (entry < 1 || entry >= EntryCount()) {
    ShowEmptySlot(/*store=*/!hold_);
    return;
  }
  selected_ = entry;
  const bool equipped = Store(RefOfEntry(entry));
  SlotPreview& buffer = workflow_.Model().Equip.Previews[slot::Jewel];
  buffer.Inline = ItemOfEntry(entry);
  loading_ = true;
  ShowItem(buffer.Inline);
  loading_ = false;
  WriteBack(equipped);
}

void InlineEditor::ShowEmptySlot(bool store) {
  selected_ = 0;
  fields_ = {};
  if (store && Store(kEmptySlotRef)) workflow_.Recalculate();
}

void InlineEditor::ShowItem(const InlineItem& item) {
  fields_ = FieldsOf(item);
  ApplyEnablingRules();
}

// A row without a stat holds no amount, a proc without a kind no effect.
void InlineEditor::ApplyEnablingRules() {
  ClearUnusedRows(fields_.rows);
  for (ProcFields& proc : fields_.procs)
    if (proc.kind == 0) proc.effect = 0;
}

// ------------------------------------------------------------------ writing back

InlineItem InlineEditor::ItemFromFields() const {
  InlineItem item;
  item.Name = fields_.name;
  StoreBonusRows(fields_.rows, item);
  StoreProcRows(fields_.procs, item);
  return item;
}

void InlineEditor::WriteBack(bool alsoChanged) {
  if (!ItemSelected()) return;
  hold_ = false;
  if (loading_) return;
  InlineItem& item = ItemOfEntry(selected_);
  const InlineItem written = ItemFromFields();
  const bool changed = alsoChanged || written != item;
  item = written;
  workflow_.Recalculate(TemplateWorkflow::ChangeIf(changed));
}

bool InlineEditor::FieldChangeWrites() const { return !closed_ && ItemSelected() && !loading_; }

void InlineEditor::ChangeName(std::string_view name) {
  if (closed_) return;
  fields_.name = name.empty() ? std::string(kCustomItemName) : std::string(name);
  if (!FieldChangeWrites()) return;
  hold_ = false;
  InlineItem& item = ItemOfEntry(selected_);
  const ShortString<200> written(fields_.name);
  if (item.Name == written) return;
  item.Name = written;
  workflow_.Recalculate();  // the captions and the report name the item
}

void InlineEditor::ChangeCategory(int row, int category) {
  if (closed_ || !InRange(row, kBonusSlots)) return;
  ChooseCategory(fields_.rows[static_cast<std::size_t>(row)], category);
  if (FieldChangeWrites()) WriteBack();
}

void InlineEditor::ChangeStat(int row, int entry) {
  if (closed_ || !InRange(row, kBonusSlots)) return;
  fields_.rows[static_cast<std::size_t>(row)].stat = entry;
  ApplyEnablingRules();
  if (FieldChangeWrites()) WriteBack();
}

void InlineEditor::ChangeAmount(int row, std::string_view typed) {
  if (closed_ || !InRange(row, kBonusSlots)) return;
  fields_.rows[static_cast<std::size_t>(row)].amount = CorrectedAmountText(typed, kBonusAmountBound);
  ApplyEnablingRules();
  if (FieldChangeWrites()) WriteBack();
}

void InlineEditor::ChangeProcKind(int proc, int kind) {
  if (closed_ || !InRange(proc, kProcSlots)) return;
  fields_.procs[static_cast<std::size_t>(proc)].kind = kind;
  ApplyEnablingRules();
  if (FieldChangeWrites()) WriteBack();
}

void InlineEditor::ChangeEffect(int proc, int effect) {
  if (closed_ || !InRange(proc, kProcSlots)) return;
  fields_.procs[static_cast<std::size_t>(proc)].effect = effect;
  ApplyEnablingRules();
  if (FieldChangeWrites()) WriteBack();
}

void InlineEditor::ChangeProcAmount(int proc, std::string_view typed) {
  if (closed_ || !InRange(proc, kProcSlots)) return;
  fields_.procs[static_cast<std::size_t>(proc)].amount = CorrectedAmountText(typed, kProcAmountBound);
  if (FieldChangeWrites()) WriteBack();
}

// ------------------------------------------------------------------ commands

void InlineEditor::CreateNew() {
  if (!OnSlot()) return;
  hold_ = false;
  Items().push_back(InlineItem{});
  SelectEntry(EntryCount() - 1, SelectionOrigin::Program);
  ClearStatsAndProcs();
}

void InlineEditor::ClearStatsAndProcs() {
  fields_ = {};
  if (!closed_) WriteBack();
}

void InlineEditor::DeleteItem() {
  if (!CanDelete()) return;
  const int entry = selected_;
  const int equipmentSlot = CurrentSlot();
  RemovalFixUp(workflow_.Model(), RefOfEntry(entry), equipmentSlot);
  Items().erase(Items().begin() + (entry - 1));
  hold_ = false;
  // Switching to the slot itself stores the deleted item's reference, which
  // now names the item after it, and shows the shorter list.
  SwitchSlot(equipmentSlot);
  SelectEntry(std::min(entry, EntryCount() - 1), SelectionOrigin::Program);
  workflow_.Recalculate();
}

bool InlineEditor::Export() {
  if (!ItemSelected()) return false;
  platform::FileDialogRequest request;
  request.title = "Save Item";
  request.filter = kExportFilter;
  request.defaultExtension = "kwz";
  request.folder = programFolder_;
  request.proposedName = Cp1252ToUtf8(SuggestedExportName(fields_.name));
  request.confirmOverwrite = true;
  const auto chosen = services_.files.Save(request);
  return chosen && ExportTo(*chosen);
}

bool InlineEditor::ExportTo(const std::filesystem::path& chosen) {
  if (!ItemSelected()) return false;
  std::filesystem::path path = chosen;
  // Written with the extension Import Item knows it by.
  if (!HasExtension(path, kExportExtension)) path += kExportExtension;
  WriteBack();
  const InlineItemImage image = ToImage(ItemOfEntry(selected_));
  const std::string_view bytes(reinterpret_cast<const char*>(image.data()), image.size());
  if (const auto error = WriteFileAtomically(path, bytes)) {
    services_.messages.Notify(*error);
    return false;
  }
  services_.messages.Notify(kExportSuccessfulMessage);
  return true;
}

bool InlineEditor::Import() {
  platform::FileDialogRequest request;
  request.title = "Import Item";
  request.filter = kImportFilter;
  request.folder = programFolder_;
  request.mustExist = true;
  const auto chosen = services_.files.Open(request);
  return chosen && ImportFrom(*chosen);
}

bool InlineEditor::ImportFrom(const std::filesystem::path& path) {
  const auto kind = ItemImportKindOf(path);
  if (!kind) {
    services_.messages.Notify(kInvalidImportFileMessage);
    return false;
  }
  const auto item = ReadImportFile(path, *kind);
  if (!item) return false;
  AddItem(*item);
  return true;
}

// The item a file holds, or nothing after telling the user why.
std::optional<InlineItem> InlineEditor::ReadImportFile(const std::filesystem::path& path, ItemImportKind kind) {
  const FileContent file = ReadWholeFile(path, kLargestImportFile);
  if (file.status != ReadStatus::Ok) {
    services_.messages.Notify(std::string(kUnreadableItemFileMessage) + FileNameText(path));
    return std::nullopt;
  }
  const auto incomplete = [&] {
    services_.messages.Notify(std::string(kIncompleteItemFileMessage) + FileNameText(path));
    return std::nullopt;
  };
  switch (kind) {
    case ItemImportKind::Kwz:
      if (file.bytes.size() < kInlineItemImageSize) return incomplete();
      return InlineItemFromImage(AsBytes(file.bytes).first<kInlineItemImageSize>());
    case ItemImportKind::Kwx:
    case ItemImportKind::Kwi: {
      const auto read =
          ReadItemFile(AsBytes(file.bytes), kind == ItemImportKind::Kwx ? ItemFileKind::Kwx : ItemFileKind::Kwi);
      if (!read) return incomplete();
      return MarkedManualItem(*read);
    }
    case ItemImportKind::Xml: {
      const std::vector<std::string_view> lines = SplitLines(file.bytes);
      const ItemTextConversion conversion = ConvertItemText(lines, services_.messages);
      if (!conversion.Success) {
        services_.messages.Notify(kImportFailedMessage);
        return std::nullopt;
      }
      return MarkedManualItem(conversion.Item);
    }
  }
  return std::nullopt;
}

// A new manual item holding the given one, selected as the fields show it.
void InlineEditor::AddItem(const InlineItem& item) {
  if (!OnSlot()) return;
  CreateNew();
  ItemOfEntry(selected_) = item;
  SelectEntry(selected_, SelectionOrigin::Program);
}

void InlineEditor::CopyFromVaultItem(const VaultItem& item) {
  AddItem(VaultToInlineItem(item));
  hold_ = false;
}

std::vector<std::string> InlineEditor::ClipboardLines() const {
  std::vector<std::string> lines;
  lines.reserve(kClipboardLineCount);
  lines.push_back("Item Name : " + fields_.name);
  lines.push_back("Item Slot : " + std::string(SlotBaseName(CurrentSlot())));
  for (const BonusRowFields& row : fields_.rows) lines.push_back("Stat : " + row.amount + " " + StatTextOf(row));
  const Vocabulary& effects = vault_.Vocabularies().Effects.List();
  for (const ProcFields& proc : fields_.procs)
    lines.push_back(std::string(ProcKindList().TextOf(proc.kind)) + " : " + std::string(effects.TextOf(proc.effect)) +
                    " ( " + proc.amount + " )");
  return lines;
}

// Lines ended by "\n", as the desktop's clipboard carries plain text.
void InlineEditor::CopyToClipboard() {
  if (!ItemSelected()) return;
  std::string text;
  for (const std::string& line : ClipboardLines()) text.append(line).push_back('\n');
  services_.clipboard.SetText(text);
  services_.messages.Notify(kItemStatsCopiedMessage);
}

}  // namespace davoruzivi
