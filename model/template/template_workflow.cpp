#include "template/template_workflow.h"

#include <algorithm>

#include "core/ascii_text.h"
#include "core/cp1252.h"
#include "core/program_identity.h"
#include "itemdb/master_vault.h"
#include "platform/clock.h"
#include "platform/confirmation_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/message_box.h"
#include "template/legacy_template.h"

namespace davoruzivi {
namespace {

constexpr std::string_view kSaveFirstCaption = "Save Character First?";
constexpr std::string_view kSaveFirstBeforeNew =
    "Changes have been made, do you wish to save before starting a new character?";
constexpr std::string_view kSaveFirstBeforeLoad =
    "Changes have been made, do you wish to save before loading a new character?";
constexpr std::string_view kSaveFirstBeforeClose =
    "Changes have been made, do you wish to save before exiting Kitwright?";
constexpr std::string_view kTemplateFilter = "Kitwright Templates (*.kwt, *.kwc, *.kwy)|*.kwt;*.kwc;*.kwy";
constexpr std::string_view kSaveFilter = "Kitwright Template (*.kwt)|*.kwt";
constexpr std::string_view kFileNotFound = "File not found...";
constexpr std::string_view kFileVanished = "File not found?";
constexpr std::string_view kImportFailure =
    "Import failure. A backup has been restored so no data has been lost. Please try again.";
constexpr std::string_view kLoadFailure = "Load failure. Template reset to defaults. Please try again.";
constexpr std::string_view kEmptyNameMessage = "Configurations must have at least one character in their name";
constexpr std::string_view kCopyMark = "(Copy:";
constexpr std::string_view kCopySuffixStart = " (Copy: ";

// Answers of the save prompt.
constexpr int kSaveAnswer = 1, kGoOnAnswer = 2, kCancelAnswer = 3, kSaveAsAnswer = 4;

bool Holds(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }

std::string NameWithoutFolder(const std::filesystem::path& path) { return Utf8ToCp1252(path.filename().string()); }

// Stores a value into a field of a configuration and tells whether that was a
// change. The field keeps the value in its own form (a text cut to its
// length), so the comparison is made on that form.
template <typename Field, typename Value>
TemplateWorkflow::Change Store(Field& field, const Value& value) {
  Field stored = field;
  stored = value;
  const bool changed = !(stored == field);
  field = std::move(stored);
  return TemplateWorkflow::ChangeIf(changed);
}

}  // namespace

TemplateWorkflow::TemplateWorkflow(Template& model, MasterVault& vault, Settings& settings,
                                   WorkflowServices services, std::filesystem::path programFolder)
    : model_(model), vault_(vault), settings_(settings), services_(services),
      recent_(settings, services.settingsStore), programFolder_(std::move(programFolder)),
      applied_(ApplyClass(model.ClassIndex)) {}

// ------------------------------------------------------------------ state

std::string TemplateWorkflow::Caption() const {
  std::string caption = std::string(kProgramTitleWithVersion) + " ( ";
  if (startupCaption_) return caption + "No Template ) - [ No Configuration ]";
  caption += model_.FileName.empty() ? std::string("No Template") : NameWithoutFolder(model_.FileName);
  caption += " ) - [ ";
  const Configuration* current = model_.Current();
  caption += current ? current->Name.Str() : std::string("No Configurations");
  return caption + " ]";
}

bool TemplateWorkflow::ChampionLevelEditable() const {
  const Configuration* current = model_.Current();
  return current && current->Level == kMaxLevel;
}

bool TemplateWorkflow::CanAddConfiguration() const {
  return static_cast<int>(model_.Configurations.size()) < kMaxConfigurations;
}

bool TemplateWorkflow::CanDeleteConfiguration() const { return model_.Configurations.size() >= 2; }

std::string TemplateWorkflow::ConfigurationCountCaption() const {
  return "Configuration Count : " + std::to_string(model_.Configurations.size()) + " / " +
         std::to_string(kMaxConfigurations);
}

int TemplateWorkflow::DefaultCraftLevel() const {
  const Configuration* current = model_.Current();
  const int level = current ? current->Level : kMaxLevel;
  return level > 40 ? 51 : level + 5;
}

void TemplateWorkflow::MarkModified() {
  if (status_ == TemplateStatus::New || status_ == TemplateStatus::Saved) status_ = TemplateStatus::Modified;
}

void TemplateWorkflow::Recalculate(Change change) {
  for (const auto& handler : recalculated_) handler();
  if (change == Change::Made) MarkModified();
}

void TemplateWorkflow::ResetSpec() {
  if (Configuration* current = model_.Current()) current->Spec.fill(1);
}

std::string TemplateWorkflow::ProposedFileName(std::string_view separator) const {
  return std::string(ServerTypeText(model_.ServerIndex)) + std::string(separator) +
         std::string(ClassList().TextOf(model_.ClassIndex)) + ".kwt";
}

// ------------------------------------------------------------------ file commands

TemplateWorkflow::Proceed TemplateWorkflow::AskToSaveFirst(std::string_view message, std::string_view secondButton) {
  const platform::Question question{std::string(message), std::string(kSaveFirstCaption), "&Save",
                                    std::string(secondButton),  "&Cancel", "Save &As...", kCancelAnswer};
  const int answer = services_.questions.Ask(question);
  if (answer == kSaveAnswer) Save();
  if (answer == kSaveAsAnswer) SaveAs();
  if (answer == kGoOnAnswer) return Proceed::Yes;
  const bool saved = (answer == kSaveAnswer || answer == kSaveAsAnswer) && status_ == TemplateStatus::Saved;
  return saved ? Proceed::Yes : Proceed::No;
}

bool TemplateWorkflow::ConfirmClose() {
  if (status_ != TemplateStatus::Modified) return true;
  if (AskToSaveFirst(kSaveFirstBeforeClose, "&Quit") == Proceed::No) return false;
  status_ = TemplateStatus::Saved;  // given up or written: nothing is left to save
  return true;
}

void TemplateWorkflow::NewTemplate() {
  if (status_ == TemplateStatus::Modified && AskToSaveFirst(kSaveFirstBeforeNew, "&New Character") == Proceed::No)
    return;
  StartNewTemplate();
}

void TemplateWorkflow::StartNewTemplate() {
  ++generation_;
  for (const auto& handler : newTemplateStarted_) handler();
  startupCaption_ = false;
  ClearTemplate(model_);
  model_.ServerIndex = ServerTypeText(settings_.Server).empty() ? -1 : settings_.Server;
  ChangeClass(DefaultClassOfRealm(settings_.Realm));
  status_ = TemplateStatus::New;
}

std::optional<std::filesystem::path> TemplateWorkflow::ChooseTemplateFile(std::optional<std::filesystem::path> given,
                                                                          std::string_view title) {
  if (!given) {
    given = services_.files.Open({std::string(title), std::string(kTemplateFilter), "kwt", programFolder_, "",
                                  /*mustExist=*/true, /*confirmOverwrite=*/false});
    if (!given) return std::nullopt;
  }
  std::error_code ec;
  if (!std::filesystem::exists(*given, ec)) {
    services_.messages.Notify(kFileNotFound);
    return std::nullopt;
  }
  if (TemplateFileKindOf(*given) == TemplateFileKind::Unknown) {
    services_.messages.Notify("Unknown File Type : \n\r" + NameWithoutFolder(*given));
    return std::nullopt;
  }
  if (!std::filesystem::exists(*given, ec)) {
    services_.messages.Notify(kFileVanished);
    return std::nullopt;
  }
  return given;
}

bool TemplateWorkflow::Load(std::optional<std::filesystem::path> startupFile) {
  if (status_ == TemplateStatus::Modified && AskToSaveFirst(kSaveFirstBeforeLoad, "&Load") == Proceed::No)
    return false;
  // Giving up the changes takes effect only once a file is read: a cancelled
  // or refused choice leaves the template modified, as it was.
  const auto path = ChooseTemplateFile(std::move(startupFile), "Load Template");
  return path && OpenFile(*path, TemplateReadMode::Load);
}

bool TemplateWorkflow::Import(std::optional<std::filesystem::path> file) {
  const auto path = ChooseTemplateFile(std::move(file), "Import Template");
  return path && OpenFile(*path, TemplateReadMode::Import);
}

bool TemplateWorkflow::ChooseRecent(int n) {
  if (n < 1 || n > kRecentTemplateCount || recent_.File(n).empty()) return false;
  const std::filesystem::path file = recent_.File(n);
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) {
    services_.messages.Notify(kRecentFileGoneMessage);
    recent_.Remove(n);
    return false;
  }
  return Load(file);
}

bool TemplateWorkflow::OpenFile(const std::filesystem::path& path, TemplateReadMode mode) {
  const bool load = mode == TemplateReadMode::Load;
  const std::filesystem::path openFile = model_.FileName;
  const bool openFileConfirmed = model_.FileNameConfirmed;
  bool read = false;
  if (TemplateFileKindOf(path) == TemplateFileKind::Legacy) {
    // A legacy file that is refused or cannot be read changes nothing.
    if (!ReadLegacyTemplate(*this, path, mode)) return false;
    read = true;
  } else {
    if (load) {
      recent_.Loaded(path.string());
      status_ = TemplateStatus::Saved;
      StartNewTemplate();
      status_ = TemplateStatus::Saved;
    }
    read = ReadTemplateInto(path, mode);
  }
  // An import leaves the open template's file as it was (also the name a new
  // configuration proposes), so Save never overwrites the imported file; a
  // failed load leaves no file to save to.
  model_.FileName = load ? (read ? path : std::filesystem::path()) : openFile;
  model_.FileNameConfirmed = load ? read : openFileConfirmed;
  if (!load) ++generation_;  // merged, or the backup put back
  Recalculate();
  status_ = load ? TemplateStatus::Saved : TemplateStatus::Modified;
  return read;
}

bool TemplateWorkflow::ReadTemplateInto(const std::filesystem::path& path, TemplateReadMode mode) {
  const bool load = mode == TemplateReadMode::Load;
  if (!load) TakeBackup(model_);
  const int result = ReadTemplateFile(path, mode, model_, vault_.Vocabularies(), services_.messages);
  if (result != template_read::Ok) {
    if (load) {
      status_ = TemplateStatus::Saved;
      StartNewTemplate();
      status_ = TemplateStatus::Saved;
      services_.messages.Notify(kLoadFailure);
    } else {
      RestoreBackup(model_);
      services_.messages.Notify(kImportFailure);
    }
    return false;
  }
  if (load) {
    applied_ = ApplyClass(model_.ClassIndex);
    shownRace_ = std::string(kNoRace);
  }
  SelectAfterRead();
  if (load) status_ = TemplateStatus::Saved;
  return true;
}

void TemplateWorkflow::SelectAfterRead() {
  if (model_.Configurations.empty()) return;
  const int current = model_.CurrentConfiguration;
  const bool valid = current >= 0 && current < static_cast<int>(model_.Configurations.size());
  SelectConfiguration(valid ? current : 0);
}

platform::FileDialogRequest TemplateWorkflow::SaveRequest() const {
  // A template that was never loaded or saved is offered a name made of its
  // server type and class, in the user's documents (the program's own folder
  // may be read-only). A name with a folder is a file that was loaded or
  // saved: it is offered again where it is, an older template's as ".kwt".
  platform::FileDialogRequest request{"Save Template", std::string(kSaveFilter), "kwt",
                                      services_.files.DocumentsFolder(), Cp1252ToUtf8(ProposedFileName("-")),
                                      /*mustExist=*/false, /*confirmOverwrite=*/true};
  if (model_.FileName.has_parent_path()) {
    std::filesystem::path name = model_.FileName.filename();
    if (TemplateFileKindOf(name) != TemplateFileKind::Template) name.replace_extension(".kwt");
    request.folder = model_.FileName.parent_path();
    request.proposedName = name;
  }
  return request;
}

bool TemplateWorkflow::SaveTo(bool askForName) {
  // A cancelled or failed save leaves the file name as confirmed as it was: a
  // name that was only proposed, or could not be written, must not become a
  // place Save writes to without asking.
  const std::filesystem::path fileName = model_.FileName;
  const bool confirmed = model_.FileNameConfirmed;
  if (ChooseNameAndWrite(askForName)) return true;
  model_.FileName = fileName;
  model_.FileNameConfirmed = confirmed;
  return false;
}

bool TemplateWorkflow::ChooseNameAndWrite(bool askForName) {
  // Only a name that is a template's and no older template's may be saved over unasked.
  const std::string lower = AsciiLowerCase(model_.FileName.string());
  if (Holds(lower, ".kwy") || Holds(lower, ".kwc") || !Holds(lower, ".kwt")) model_.FileNameConfirmed = false;
  if (askForName || model_.FileName.empty() || !model_.FileNameConfirmed) {
    const auto chosen = services_.files.Save(SaveRequest());
    if (!chosen) return false;
    model_.FileName = TemplateFileName(*chosen);
    model_.FileNameConfirmed = true;
  }
  if (const auto error = WriteTemplateFile(model_.FileName, model_, vault_.Vocabularies())) {
    services_.messages.Notify("The template could not be saved : \n\r" + *error);
    return false;
  }
  services_.messages.Notify("Character saved : " + NameWithoutFolder(model_.FileName));
  recent_.Saved(model_.FileName.string());
  status_ = TemplateStatus::Saved;
  startupCaption_ = false;
  return true;
}

bool TemplateWorkflow::Save() { return SaveTo(false); }

bool TemplateWorkflow::SaveAs() { return SaveTo(true); }

// ------------------------------------------------------------------ configurations

void TemplateWorkflow::SelectConfiguration(int index, bool listClicked) {
  if (index < 0 || index >= static_cast<int>(model_.Configurations.size())) return;
  model_.CurrentConfiguration = index;
  startupCaption_ = false;
  Configuration& current = model_.Configurations[static_cast<std::size_t>(index)];
  ChangeLevel(current.Level, /*byUser=*/false);
  const auto races = applied_.Races;
  const bool listed = std::find(races.begin(), races.end(), current.Race.View()) != races.end();
  shownRace_ = listed ? current.Race.Str() : std::string();
  if (listClicked) Recalculate(Change::None);  // selecting is looking, not changing
}

void TemplateWorkflow::NewConfiguration() {
  if (!CanAddConfiguration()) return;
  model_.Configurations.push_back(davoruzivi::NewConfiguration(shownRace_));
  if (model_.FileName.empty()) {
    model_.FileName = ProposedFileName(" - ");
    model_.FileNameConfirmed = false;
  }
  MarkModified();
  model_.CurrentConfiguration = static_cast<int>(model_.Configurations.size()) - 1;
  ResetSpec();
  SelectConfiguration(model_.CurrentConfiguration);
}

void TemplateWorkflow::CopyConfiguration() {
  const Configuration* source = model_.Current();
  if (!source || !CanAddConfiguration()) return;
  std::string name = source->Name.Str();
  if (Holds(name, kCopyMark)) name = name.substr(0, name.find(kCopySuffixStart));
  name += std::string(kCopySuffixStart) + services_.clock.NowText() + " )";
  Configuration copy = *source;
  copy.Name = name;
  model_.Configurations.push_back(copy);
  MarkModified();
  SelectConfiguration(static_cast<int>(model_.Configurations.size()) - 1);
}

void TemplateWorkflow::DeleteConfiguration() {
  if (!model_.Current() || !CanDeleteConfiguration()) return;
  const int answer = services_.questions.Ask({"Are you sure you wish to delete this configuration?",
                                              "Delete configuration?", "&Delete", "&Cancel", "", ""});
  if (answer != 1) return;
  const int index = model_.CurrentConfiguration;
  model_.Configurations.erase(model_.Configurations.begin() + index);
  MarkModified();
  SelectConfiguration(std::min(index, static_cast<int>(model_.Configurations.size()) - 1));
}

// ------------------------------------------------------------------ fields

void TemplateWorkflow::RenameConfiguration(std::string_view name) {
  Configuration* current = model_.Current();
  if (!current) return;
  if (name.empty()) {
    services_.messages.Notify(kEmptyNameMessage);
    return;
  }
  const Change change = Store(current->Name, name);
  if (change == Change::Made && status_ == TemplateStatus::Saved) status_ = TemplateStatus::Modified;
}

void TemplateWorkflow::ChangeLevel(int level, bool byUser) {
  Configuration* current = model_.Current();
  if (!current) return;
  const auto chosen = static_cast<std::uint8_t>(std::clamp(level, 1, kMaxLevel));
  // Selecting a configuration repairs a level out of range, as a damaged file
  // may hold it, but that is no change the user made.
  if (chosen == current->Level || !byUser) {
    current->Level = chosen;
    Recalculate(Change::None);
    return;
  }
  current->Level = chosen;
  // Below 50 the champion level box is disabled; only a level the user chose
  // sets it to CL0, so loading or selecting never changes a stored one.
  if (byUser && current->Level < kMaxLevel) current->ChampionLevel = 0;
  if (byUser) ResetSpec();
  Recalculate();
}

void TemplateWorkflow::ChangeChampionLevel(int championLevel) {
  if (Configuration* current = model_.Current())
    Recalculate(Store(current->ChampionLevel, static_cast<std::uint8_t>(std::clamp(championLevel, 0, 15))));
}

void TemplateWorkflow::ChangeRealmRank(int realmRank) {
  if (Configuration* current = model_.Current())
    Recalculate(Store(current->RealmRank, static_cast<std::uint8_t>(std::clamp(realmRank, 0, 12))));
}

void TemplateWorkflow::ChangeRace(std::string_view race) {
  if (Configuration* current = model_.Current()) {
    const Change change = Store(current->Race, race);
    shownRace_ = current->Race.Str();
    Recalculate(change);
  }
}

void TemplateWorkflow::ChangeWeapons(int weapons) {
  if (Configuration* current = model_.Current())
    Recalculate(Store(current->WeaponsEquipped, static_cast<std::uint8_t>(std::clamp(weapons, 0, 3))));
}

bool TemplateWorkflow::UnequipAll() {
  Configuration* current = model_.Current();
  if (!current) return false;
  const int answer = services_.questions.Ask({"Are you you wish to set all equipment slots to empty?", "Empty Slots?",
                                              "&Empty", "&Cancel", "", ""});
  if (answer != 1) return false;
  decltype(current->Slots) empty;
  empty.fill(std::string(kEmptySlotRef));
  Recalculate(Store(current->Slots, empty));
  return true;
}

void TemplateWorkflow::EditNotes(std::vector<std::string> notes) {
  model_.Notes = std::move(notes);
  status_ = TemplateStatus::Modified;
}

void TemplateWorkflow::ChangeClass(int classIndex) {
  if (!ClassAndServerEditable()) return;
  model_.ClassIndex = classIndex;
  applied_ = ApplyClass(classIndex);
  shownRace_ = std::string(kNoRace);
}

void TemplateWorkflow::ChangeServer(int serverIndex) {
  if (ClassAndServerEditable()) model_.ServerIndex = serverIndex;
}

DescriptionContext TemplateWorkflow::ItemDescriptionContext() const {
  return {vault_.Vocabularies(), applied_.Info.ArmorAbsorption, applied_.Realm};
}

}  // namespace davoruzivi
