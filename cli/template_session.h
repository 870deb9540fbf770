#pragma once
// A template open in the command-line companion: the loaded vault, settings
// that last only for the run, and answers in place of the dialogs.

#include <filesystem>
#include <optional>

#include "command.h"
#include "itemdb/master_vault.h"
#include "platform/clock.h"
#include "platform/confirmation_dialog.h"
#include "platform/file_dialogs.h"
#include "platform/memory_settings_store.h"
#include "settings/settings.h"
#include "template/template_model.h"
#include "template/template_workflow.h"

namespace davoruzivi::cli {

// Answers the old-server question as the command's option says; every other
// question with the answer that changes nothing.
class CommandLineQuestions final : public platform::ConfirmationDialog {
 public:
  explicit CommandLineQuestions(bool convertServers) : convertServers_(convertServers) {}
  int Ask(const platform::Question& question) override;

 private:
  bool convertServers_;
};

// Offers the one file the command names to a save dialog; opens nothing.
class PresetFileDialogs final : public platform::FileDialogs {
 public:
  std::optional<std::filesystem::path> Open(const platform::FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::filesystem::path> Save(const platform::FileDialogRequest&) override { return saveAs; }
  // The command names the file it writes, so no folder is offered.
  std::filesystem::path DocumentsFolder() const override { return {}; }

  std::optional<std::filesystem::path> saveAs;
};

class SystemClock final : public platform::Clock {
 public:
  std::string NowText() override;
};

class TemplateSession {
 public:
  TemplateSession(Context& context, bool convertServers = false);

  // Loads the vault as the planner's start-up does; 0 or the exit code.
  int LoadVault();
  TemplateWorkflow& Workflow() { return workflow_; }
  Template& Model() { return model_; }
  MasterVault& Vault() { return vault_; }
  PresetFileDialogs& Files() { return files_; }
  // The template's text as Save would compress it.
  std::string Text() const;
  // The configuration a "--config N" option names (counted from 0), or the
  // template's current one; nothing after telling why when there is none.
  const Configuration* ChosenConfiguration(const std::optional<std::string>& option);
  // Loads the vault and then a template file as the Load command does, and
  // picks the configuration the option names: 0 or the exit code.
  int OpenConfiguration(const std::string& file, const std::optional<std::string>& configOption,
                        const Configuration*& configuration);

 private:
  Context& context_;
  MasterVault vault_;
  Settings settings_;
  platform::MemorySettingsStore settingsStore_;
  CommandLineQuestions questions_;
  PresetFileDialogs files_;
  SystemClock clock_;
  Template model_;
  TemplateWorkflow workflow_;
};

}  // namespace davoruzivi::cli
