#pragma once
// The Dazizuvoror: the search window over the master vault. It edits the one
// shared vault query, lists its result, hands a chosen vault position to and
// from the item editor, and carries the item file commands and the commit.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "itemdb/master_vault.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_query.h"

namespace davoruzivi {

namespace platform {
class FileDialogs;
class MessageBox;
}  // namespace platform

// The filter lists the Dazizuvoror offers besides the vocabularies' twins.
// The realm filter: "Albion" .. "Only Universal Items".
std::span<const std::string_view> RealmFilterList();
// "<Class Filter>", the 47 classes, "(Int) No Classes Checked".
std::vector<std::string> ClassFilterList();
// The stat catalogue with entry 0 shown as "<Unfiltered>": an entry is a StatId.
std::vector<std::string> CatalogueStatFilterList();

struct DazizuvororServices {
  platform::MessageBox& messages;
  platform::FileDialogs& files;
};

class Dazizuvoror {
 public:
  Dazizuvoror(MasterVault& vault, VaultQuery& query, DazizuvororServices services,
              std::filesystem::path masterVaultPath);

  VaultQuerySettings& Settings() { return query_.Settings(); }
  const VaultQueryResult& Result() const { return query_.Result(); }
  // "Dazizuvoror (ENTRIES / RECORDS showing)" after a query over two or more records.
  const std::string& Caption() const { return query_.Caption(); }
  bool Shown() const { return shown_; }
  // The master vault file a commit replaces: the one the vault was read from.
  void SetMasterVaultPath(std::filesystem::path path) { masterVaultPath_ = std::move(path); }

  // The position handed between the item editor and this window; -1 for none.
  long long ChosenPosition() const { return chosen_; }
  void SetChosenPosition(long long position) { chosen_ = position; }

  // The result entry to select when the window shows: the one of the chosen
  // position, else the first. The chosen position is spent.
  int Show();
  // Closing by any means hands the selected entry's position back (-1 for none).
  void Close(int selectedEntry);
  // The vault position of a result entry; nothing for none and for "No items found".
  std::optional<std::size_t> PositionOf(int entry) const;

  // ---- the filters
  void SetName(std::string_view name);  // at most 50 characters are kept
  // A typed stat amount as the field keeps it ("0" .. "200").
  void SetStatAmount(int filter, std::string_view typed);
  // "&Get Item Name (Transfers to Name Filter)": the query does not run.
  void TakeItemName(int selectedEntry);

  // ---- commands
  void RunQuery();
  // "&Clear All Filters": every setting cleared and the query run; the entry
  // to select, which keeps the listing index selected before.
  int ClearAllFilters(int selectedEntry);
  // "Commit Vault Changes": the three vault files, then "Vault File saved to
  // disk"; a failure tells the user why and leaves the old files. True when written.
  bool Commit();
  // "&Import KWZ/KWX/KWI" and "Import KW&J": the open dialog, the import and
  // the query. True when an item was added.
  bool ImportItemFile();
  bool ImportItemList();
  // "&Export KWX" of a listed item; nothing for no selection or no match.
  // True when the file was written.
  bool ExportItem(int selectedEntry);

 private:
  VaultQueryContext QueryContext() const;

  MasterVault& vault_;
  VaultQuery& query_;
  DazizuvororServices services_;
  std::filesystem::path masterVaultPath_;
  long long chosen_ = -1;
  bool shown_ = false;
};

}  // namespace davoruzivi
