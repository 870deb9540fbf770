#pragma once
// The ground the item windows' benchmarks stand on: a template workflow over
// a synthetic vault, its dialogs answered by doubles, and the shared vault
// query.

#include <cstddef>

#include "itemdb/vault_query.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "settings/settings.h"
#include "synthetic_vault.h"
#include "template/template_workflow.h"

namespace davoruzivi::bench {

inline constexpr std::size_t kItemWindowVaultSize = 100'000;

// The synthetic vault of the item windows' benchmarks, made once a run.
inline const MasterVault& ItemWindowVault() {
  static const MasterVault vault = MakeSyntheticMasterVault(kItemWindowVaultSize);
  return vault;
}

struct WorkflowDesk {
  MasterVault vault = ItemWindowVault();
  Settings settings = DefaultSettings();
  platform::testing::InMemorySettingsStore store;
  platform::testing::RecordingMessageBox messages;
  platform::testing::ScriptedConfirmationDialog questions;
  platform::testing::ScriptedFileDialogs files;
  platform::testing::FixedClock clock{"now"};
  Template model;
  TemplateWorkflow workflow{model, vault, settings, {messages, questions, files, clock, store}, "/tmp"};
  VaultQuery query;
};

}  // namespace davoruzivi::bench
