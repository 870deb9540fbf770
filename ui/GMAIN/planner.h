#pragma once
// The planner's state for one run, shared by the main window and its pages:
// the master vault, the user's settings, the open template with its commands,
// the stat recalculation, the equipment page and the shared vault query, and the platform services
// through which they reach the user.

#include <filesystem>

#include "itemdb/dazizuvoror.h"
#include "itemdb/item_editor.h"
#include "itemdb/item_filters.h"
#include "itemdb/master_vault.h"
#include "itemdb/vault_query.h"
#include "settings/settings.h"
#include "stats/recalculation.h"
#include "template/equipment_page.h"
#include "template/template_model.h"
#include "template/template_workflow.h"

namespace davoruzivi {

namespace platform {
class Clipboard;
class Clock;
class ConfirmationDialog;
class FileDialogs;
class MessageBox;
class SettingsStore;
class WebOpener;
}  // namespace platform

namespace ui {

struct PlannerServices {
  platform::MessageBox& messages;
  platform::ConfirmationDialog& questions;
  platform::FileDialogs& files;
  platform::Clock& clock;
  platform::SettingsStore& settingsStore;
  platform::WebOpener& web;
  platform::Clipboard& clipboard;
};

class Planner {
 public:
  Planner(MasterVault& vault, PlannerServices services, std::filesystem::path programFolder);
  Planner(const Planner&) = delete;
  Planner& operator=(const Planner&) = delete;

  // Reads the settings, or sets and writes the defaults with their message.
  void StartWithSettings();
  // Writes the whole set of settings after an option changed.
  void SaveSettings();

  MasterVault& vault;
  PlannerServices services;
  std::filesystem::path programFolder;
  Settings settings;
  Template model;
  TemplateWorkflow workflow;
  Recalculation recalculation;
  EquipmentPage page;
  // The one vault query every item window fills in and runs, and the filter
  // lists the item windows offer, copied from the vocabularies when the main
  // window is first shown.
  VaultQuery query;
  QueryFilterLists filterLists;
  // The item database windows' state for the run: the search window over the
  // shared query, and the item editor.
  Dazizuvoror dazizuvoror;
  ItemEditor itemEditor;
};

}  // namespace ui
}  // namespace davoruzivi
