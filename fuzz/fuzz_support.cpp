#include "fuzz_support.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "core/file_io.h"
#include "itemdb/vault_reader.h"
#include "itemdb/vault_text_format.h"
#include "itemdb/vault_writer.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "report/template_report.h"
#include "settings/settings.h"
#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "template/template_file.h"
#include "template/template_workflow.h"

namespace davoruzivi::fuzz {
namespace {

namespace testing = platform::testing;

// A template may hold a thousand configurations; the first few show every
// path of the engine and the report, and keep each run fast.
constexpr std::size_t kExercisedConfigurations = 3;

constexpr std::size_t kMaxSourceSize = std::size_t{16} << 20;

std::string ReadSource(const std::filesystem::path& path) {
  FileContent file = ReadWholeFile(path, kMaxSourceSize);
  if (file.status != ReadStatus::Ok) Fail("cannot read " + path.string());
  return std::move(file.bytes);
}

// Removes the input folder when the process ends normally.
class InputFolder {
 public:
  InputFolder()
      : path_(std::filesystem::temp_directory_path() / ("davoruzivi-fuzz-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(path_);
  }
  ~InputFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  InputFolder(const InputFolder&) = delete;
  InputFolder& operator=(const InputFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }

 private:
  std::filesystem::path path_;
};

const std::filesystem::path& InputFolderPath() {
  static const InputFolder folder;
  return folder.Path();
}

// Reading a server letter also sets the servers it implies (an "N" item is
// usable on Ywaine servers), so the record is widened as a read would widen it.
VaultItem WithImpliedServers(VaultItem item) {
  for (const auto& server : vault_text::kServerLetters)
    if (item.*server.flag != 0 && server.alsoSets) item.*server.alsoSets = 1;
  return item;
}

void ExerciseContributors(const ReportSubject& subject, const StatResult& result) {
  const auto captions = SlotButtonCaptions(subject.model, subject.vault, subject.configuration);
  for (const DisplayGroup& group : CapFormulas())
    for (const DisplayRow& row : group.rows)
      BuildContributorReport(row.label, subject.model, subject.vault, subject.applied, subject.configuration, result,
                             captions);
}

// The framed layout with every option, and the plain one in the other item order.
void ExerciseReports(const ReportSubject& subject) {
  ReportOptions plain;
  plain.Set(ReportOption::Framed, false);
  plain.Set(ReportOption::AlternateOrder, true);
  for (const ReportOptions& options : {ReportOptions(), plain}) {
    const std::vector<std::string> lines = ComposeReport(subject, options);
    ReportFileText(lines);
    ReportFileText(ReportHtmlLines(lines, subject.configuration.Name.View()));
  }
}

void ExerciseConfiguration(const ReportSubject& subject) {
  const StatResult result = CalcStats(subject.model, subject.vault, subject.applied, subject.configuration);
  for (const bool showAllOthers : {false, true}) BuildStatPanels(result, subject.applied, showAllOthers);
  ExerciseContributors(subject, result);
  ExerciseReports(subject);
}

Template LoadSaved(const std::string& saved, const ItemVocabularies& vocabularies) {
  Template loaded;
  testing::RecordingMessageBox messages;
  if (ReadTemplateText(saved, "saved.kwt", TemplateReadMode::Load, loaded, vocabularies, messages) !=
      template_read::Ok)
    Fail("a saved template does not load", messages.notices.empty() ? saved : messages.notices.back().text);
  return loaded;
}

// The first save may still normalise what an older file held (a stat or proc
// effect outside its list is saved as an empty name, which loads as the list's
// first entry), so it is the save of a loaded save that must come back whole.
void CheckSaveLoadsAgain(const Template& model, const ItemVocabularies& vocabularies) {
  const std::string saved = WriteTemplateText(LoadSaved(WriteTemplateText(model, vocabularies), vocabularies),
                                              vocabularies);
  const std::string savedAgain = WriteTemplateText(LoadSaved(saved, vocabularies), vocabularies);
  if (savedAgain != saved) Fail("a loaded save saves another text", saved + "\n----\n" + savedAgain);
}

// A template workflow over the shipped vault, as the planner runs it, whose
// question dialog converts old server types.
struct WorkflowSession {
  Settings settings = DefaultSettings();
  testing::InMemorySettingsStore store;
  testing::RecordingMessageBox messages;
  testing::ScriptedConfirmationDialog questions{kConvertServerButton};
  testing::ScriptedFileDialogs files;
  testing::FixedClock clock{"1/2/2020 3:04:05 PM"};
  Template model;
  TemplateWorkflow workflow{model, ShippedVault(), settings, {messages, questions, files, clock, store},
                            InputFolderPath()};

  void Exercise() const { ExerciseTemplate(model, ShippedVault(), workflow.Class()); }
};

}  // namespace

std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

MasterVault& ShippedVault() {
  static MasterVault vault = [] {
    MasterVault shipped;
    const VaultLoadResult result = ParseVaultText(ReadSource(DAVORUZIVI_VAULT_TEXT), shipped);
    if (!result.Ok()) Fail("the shipped vault does not load", result.Message);
    shipped.RebuildMasterList();
    return shipped;
  }();
  return vault;
}

MasterVault EmptyVaultWith(const ItemVocabularies& vocabularies) {
  MasterVault vault;
  vault.Vocabularies() = vocabularies;
  return vault;
}

// Copying a vault is far cheaper than building the default vocabularies anew.
const MasterVault& EmptyShippedVault() {
  static const MasterVault empty = EmptyVaultWith(ShippedVault().Vocabularies());
  return empty;
}

const std::vector<Template>& ExampleTemplates() {
  static const std::vector<Template> examples = [] {
    std::vector<std::filesystem::path> paths;
    for (const auto& entry : std::filesystem::directory_iterator(DAVORUZIVI_EXAMPLE_TEXTS))
      paths.push_back(entry.path());
    std::sort(paths.begin(), paths.end());
    std::vector<Template> loaded(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
      testing::RecordingMessageBox messages;
      if (ReadTemplateText(ReadSource(paths[i]), paths[i].filename().string(), TemplateReadMode::Load, loaded[i],
                           ShippedVault().Vocabularies(), messages) != template_read::Ok)
        Fail("an example template does not load", paths[i].string());
    }
    return loaded;
  }();
  return examples;
}

std::filesystem::path WriteInputFile(std::string_view fileName, std::string_view bytes) {
  const std::filesystem::path path = InputFolderPath() / fileName;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out.flush()) Fail("cannot write " + path.string());
  return path;
}

void Fail(std::string_view what, std::string_view detail) {
  std::cerr << "fuzz check failed: " << what << '\n';
  if (!detail.empty()) std::cerr << detail << '\n';
  std::cerr.flush();
  std::abort();
}

void CheckVaultRoundTrip(const VaultItem& item, const MasterVault& empty) {
  if (empty.Size() != 0) Fail("the round trip of a record needs an empty vault");
  MasterVault written = empty;
  written.PutVaultItem(0, WithImpliedServers(item));
  const std::string lines = WriteVaultBlock(written, 0);
  MasterVault read = empty;
  const VaultLoadResult result = ParseVaultText(WriteVaultText(written), read);
  if (!result.Ok() || read.Size() != 1) Fail("written vault lines do not read back", lines + result.Message);
  const std::string linesAgain = WriteVaultBlock(read, 0);
  if (linesAgain != lines) Fail("a record read from vault lines writes other lines", lines + "----\n" + linesAgain);
}

void ExerciseTemplate(const Template& model, const MasterVault& vault, const AppliedClass& applied) {
  const std::size_t count = std::min(model.Configurations.size(), kExercisedConfigurations);
  for (std::size_t c = 0; c < count; ++c) ExerciseConfiguration({model, vault, applied, model.Configurations[c]});
  CheckSaveLoadsAgain(model, vault.Vocabularies());
}

void LoadAndImportLegacyTemplate(std::string_view fileName, std::string_view bytes) {
  const std::filesystem::path path = WriteInputFile(fileName, bytes);
  WorkflowSession session;
  session.workflow.NewTemplate();
  if (session.workflow.Load(path)) session.Exercise();
  if (session.workflow.Import(path)) session.Exercise();
}

}  // namespace davoruzivi::fuzz
