#pragma once
// What the main window does with the open template, as model operations: the
// file commands, the configuration manager and the fields of the current
// configuration. The operations reach the user only through the platform's
// message box, question dialog and file dialogs, so tests can answer them.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "describe/item_description.h"
#include "settings/recent_templates.h"
#include "settings/settings.h"
#include "template/classes.h"
#include "template/template_file.h"
#include "template/template_model.h"

namespace davoruzivi {

class MasterVault;

namespace platform {
class Clock;
class ConfirmationDialog;
class FileDialogs;
class MessageBox;
class SettingsStore;
struct FileDialogRequest;
}  // namespace platform

struct WorkflowServices {
  platform::MessageBox& messages;
  platform::ConfirmationDialog& questions;
  platform::FileDialogs& files;
  platform::Clock& clock;
  platform::SettingsStore& settingsStore;
};

class TemplateWorkflow {
 public:
  TemplateWorkflow(Template& model, MasterVault& vault, Settings& settings, WorkflowServices services,
                   std::filesystem::path programFolder);

  // Whether a recalculation follows a change of the template or only brings
  // the views up to date (selecting a configuration, showing a page, storing a
  // value equal to the one stored).
  enum class Change { Made, None };
  static constexpr Change ChangeIf(bool changed) { return changed ? Change::Made : Change::None; }

  // Runs whenever a new template starts (New, and Load before it reads).
  void OnNewTemplate(std::function<void()> handler) { newTemplateStarted_.push_back(std::move(handler)); }
  // Counts the templates started and the imports merged or undone: a view
  // that showed another count shows another template's items.
  int TemplateGeneration() const { return generation_; }

  // Runs on every recalculation (the stat engine and the stat panels attach here).
  void OnRecalculate(std::function<void()> handler) { recalculated_.push_back(std::move(handler)); }
  // Recalculate: every change to a configuration or its items ends here; only
  // a change that was made marks the template modified.
  void Recalculate(Change change = Change::Made);

  // ---- file commands
  void NewTemplate();
  // Load with the open dialog, or, when the program runs the command itself,
  // of the given file (the start-up file or a recent entry's). True when a
  // file was read into the template.
  bool Load(std::optional<std::filesystem::path> startupFile = std::nullopt);
  bool Import(std::optional<std::filesystem::path> file = std::nullopt);
  // True when the template was written.
  bool Save();
  bool SaveAs();
  // A recent templates entry (1..5) was chosen: its file is loaded.
  // True when its file was read into the template.
  bool ChooseRecent(int n);
  // The program is about to end: unsaved changes are saved, saved under
  // another name or given up, as the user answers. False keeps the program
  // open (the user cancelled, or a save was cancelled or failed).
  bool ConfirmClose();

  // ---- configurations
  void SelectConfiguration(int index, bool listClicked = false);
  void NewConfiguration();
  void CopyConfiguration();
  void DeleteConfiguration();

  // ---- fields of the current configuration; a value equal to the stored one
  // changes nothing and only recalculates
  void RenameConfiguration(std::string_view name);
  void ChangeLevel(int level, bool byUser = true);
  void ChangeChampionLevel(int championLevel);
  void ChangeRealmRank(int realmRank);
  void ChangeRace(std::string_view race);
  void ChangeWeapons(int weapons);
  // True when the user answered "&Empty".
  bool UnequipAll();
  void EditNotes(std::vector<std::string> notes);

  // ---- class and server type, while the template has no configuration
  void ChangeClass(int classIndex);
  void ChangeServer(int serverIndex);

  // ---- state the windows show
  TemplateStatus Status() const { return status_; }
  void SetStatus(TemplateStatus status) { status_ = status; }
  std::string Caption() const;
  // At start-up the caption reads "( No Template ) - [ No Configuration ]".
  void ShowStartupCaption() { startupCaption_ = true; }
  const AppliedClass& Class() const { return applied_; }
  const MasterVault& Vault() const { return vault_; }
  // What item descriptions read of the template: the vault's vocabularies and
  // the class's armour and realm.
  DescriptionContext ItemDescriptionContext() const;
  const std::string& ShownRace() const { return shownRace_; }
  bool ClassAndServerEditable() const { return model_.Configurations.empty(); }
  bool ChampionLevelEditable() const;
  bool CanAddConfiguration() const;
  bool CanDeleteConfiguration() const;
  std::string ConfigurationCountCaption() const;
  // The item level offered for a new crafted item.
  int DefaultCraftLevel() const;
  RecentTemplates& Recent() { return recent_; }
  Template& Model() { return model_; }

 private:
  enum class Proceed { Yes, No };

  Proceed AskToSaveFirst(std::string_view message, std::string_view secondButton);
  void StartNewTemplate();
  std::optional<std::filesystem::path> ChooseTemplateFile(std::optional<std::filesystem::path> given,
                                                          std::string_view title);
  bool OpenFile(const std::filesystem::path& path, TemplateReadMode mode);
  bool ReadTemplateInto(const std::filesystem::path& path, TemplateReadMode mode);
  void SelectAfterRead();
  bool SaveTo(bool askForName);
  bool ChooseNameAndWrite(bool askForName);
  platform::FileDialogRequest SaveRequest() const;
  void MarkModified();
  void ResetSpec();
  std::string ProposedFileName(std::string_view separator) const;

  Template& model_;
  MasterVault& vault_;
  Settings& settings_;
  WorkflowServices services_;
  RecentTemplates recent_;
  std::filesystem::path programFolder_;
  std::vector<std::function<void()>> recalculated_;
  std::vector<std::function<void()>> newTemplateStarted_;
  int generation_ = 0;
  TemplateStatus status_ = TemplateStatus::New;
  bool startupCaption_ = true;
  AppliedClass applied_;
  std::string shownRace_ = std::string(kNoRace);

  friend class LegacyTemplateImport;
};

}  // namespace davoruzivi
