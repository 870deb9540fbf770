#include "itemdb/dazizuvoror.h"

#include <algorithm>
#include <utility>

#include "core/cp1252.h"
#include "itemdb/bonus_fields.h"
#include "itemdb/exchange_files.h"
#include "itemdb/item_filters.h"
#include "itemdb/stat_catalogue.h"
#include "itemdb/vault_writer.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kRealmFilters[] = {"Albion", "Hibernia", "Midgard", "Universal (Unfiltered)",
                                              "Only Universal Items"};

constexpr std::string_view kImportItemTitle = "Import KWX/KWI";
constexpr std::string_view kImportItemFilter =
    "Kitwright Zip ( KWZ )|*.kwz|Kitwright Export ( KWX )|*.kwx|Kitwright Item ( KWI )|*.kwi";
constexpr std::string_view kImportListTitle = "Import KWJ (Json Import File)";
constexpr std::string_view kImportListFilter = "Kitwright Json Import ( KWJ )|*.kwj";
constexpr std::string_view kExportTitle = "Save Item";
constexpr std::string_view kExportFilter = "Kitwright Export|*.kwx";
constexpr std::string_view kVaultNotSavedMessage = "The vault was not saved : ";
constexpr std::string_view kExportFailedMessage = "The item was not exported : ";

}  // namespace

std::span<const std::string_view> RealmFilterList() { return kRealmFilters; }

std::vector<std::string> ClassFilterList() {
  std::vector<std::string> list{"<Class Filter>"};
  const auto& classes = ClassList().Entries();
  list.insert(list.end(), classes.begin(), classes.end());
  list.emplace_back("(Int) No Classes Checked");
  return list;
}

std::vector<std::string> CatalogueStatFilterList() {
  std::vector<std::string> list = StatCatalogue().Entries();
  list.front() = "<Unfiltered>";
  return list;
}

Dazizuvoror::Dazizuvoror(MasterVault& vault, VaultQuery& query, DazizuvororServices services,
                         std::filesystem::path masterVaultPath)
    : vault_(vault), query_(query), services_(services), masterVaultPath_(std::move(masterVaultPath)) {}

// While the window is shown the slot filter asks for the slot itself: the
// hand rules, and with them the template's class, play no part.
VaultQueryContext Dazizuvoror::QueryContext() const {
  VaultQueryContext context;
  context.dazizuvororShown = shown_;
  return context;
}

std::optional<std::size_t> Dazizuvoror::PositionOf(int entry) const {
  const VaultQueryResult& result = Result();
  if (entry < 0 || static_cast<std::size_t>(entry) >= result.Size() || result.IsNoMatch()) return std::nullopt;
  return result.positions[static_cast<std::size_t>(entry)];
}

int Dazizuvoror::Show() {
  shown_ = true;
  const auto& positions = Result().positions;
  int entry = 0;
  if (chosen_ >= 0) {
    const auto found = std::find(positions.begin(), positions.end(), static_cast<std::size_t>(chosen_));
    if (found != positions.end()) entry = static_cast<int>(found - positions.begin());
  }
  chosen_ = -1;
  return positions.empty() ? -1 : entry;
}

void Dazizuvoror::Close(int selectedEntry) {
  const auto position = PositionOf(selectedEntry);
  chosen_ = position ? static_cast<long long>(*position) : -1;
  shown_ = false;
}

void Dazizuvoror::SetName(std::string_view name) { Settings().name = name.substr(0, kNameFilterLength); }

void Dazizuvoror::SetStatAmount(int filter, std::string_view typed) {
  if (filter < 0 || filter >= kStatFilterCount) return;
  Settings().stats[static_cast<std::size_t>(filter)].minimumAmount = CorrectedAmountText(typed, kBonusAmountBound);
}

void Dazizuvoror::TakeItemName(int selectedEntry) {
  if (selectedEntry < 0 || static_cast<std::size_t>(selectedEntry) >= Result().Size()) return;
  SetName(Result().names[static_cast<std::size_t>(selectedEntry)]);
}

void Dazizuvoror::RunQuery() { query_.Run(vault_, QueryContext()); }

int Dazizuvoror::ClearAllFilters(int selectedEntry) {
  query_.Clear();
  RunQuery();
  const int last = static_cast<int>(Result().Size()) - 1;
  return std::clamp(selectedEntry, 0, std::max(last, 0));
}

bool Dazizuvoror::Commit() {
  if (const auto error = CommitVault(vault_, masterVaultPath_)) {
    services_.messages.Notify(std::string(kVaultNotSavedMessage) + *error);
    return false;
  }
  services_.messages.Notify(kVaultSavedMessage);
  return true;
}

bool Dazizuvoror::ImportItemFile() {
  const auto path = services_.files.Open({std::string(kImportItemTitle),
                                          std::string(kImportItemFilter),
                                          "kwx",
                                          masterVaultPath_.parent_path(),
                                          {},
                                          true,
                                          false});
  if (!path || !davoruzivi::ImportItemFile(*path, vault_, services_.messages)) return false;
  RunQuery();
  return true;
}

bool Dazizuvoror::ImportItemList() {
  const auto path = services_.files.Open({std::string(kImportListTitle),
                                          std::string(kImportListFilter),
                                          "kwj",
                                          masterVaultPath_.parent_path(),
                                          {},
                                          true,
                                          false});
  if (!path || davoruzivi::ImportItemList(*path, vault_, services_.messages).empty()) return false;
  RunQuery();
  return true;
}

bool Dazizuvoror::ExportItem(int selectedEntry) {
  const auto position = PositionOf(selectedEntry);
  if (!position) return false;
  const std::string suggested = SuggestedExportName(vault_.Items()[*position].Name.View());
  const auto chosen = services_.files.Save({std::string(kExportTitle), std::string(kExportFilter), "kwx",
                                            masterVaultPath_.parent_path(), Cp1252ToUtf8(suggested), false, true});
  if (!chosen) return false;
  const std::filesystem::path path =
      chosen->parent_path() / Cp1252ToUtf8(ExportFileName(Utf8ToCp1252(chosen->filename().string())));
  if (const auto error = ExportVaultItem(vault_, static_cast<long long>(*position), path, services_.messages)) {
    services_.messages.Notify(std::string(kExportFailedMessage) + *error);
    return false;
  }
  return true;
}

}  // namespace davoruzivi
