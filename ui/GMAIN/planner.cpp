#include "GMAIN/planner.h"

#include "itemdb/vault_reader.h"

namespace davoruzivi::ui {

Planner::Planner(MasterVault& vaultOfTheRun, PlannerServices servicesOfTheRun, std::filesystem::path folder)
    : vault(vaultOfTheRun),
      services(servicesOfTheRun),
      programFolder(std::move(folder)),
      settings(DefaultSettings()),
      workflow(model, vault, settings,
               WorkflowServices{services.messages, services.questions, services.files, services.clock,
                                services.settingsStore},
               programFolder),
      recalculation(workflow, vault),
      page(workflow, vault),
      dazizuvoror(vault, query, {services.messages, services.files}, MasterVaultPathIn(programFolder)),
      itemEditor(vault, query, dazizuvoror, {services.messages, services.questions, services.web},
                 // its queries run while the Dazizuvoror is hidden: the hand rules apply
                 [this] { return HandRulesContext(workflow.Class()); }) {}

void Planner::StartWithSettings() {
  settings = davoruzivi::StartupSettings(services.settingsStore, services.messages);
  page.SetAutomaticWeapons(settings.WSlot);
}

void Planner::SaveSettings() {
  davoruzivi::SaveSettings(settings, services.settingsStore);
  page.SetAutomaticWeapons(settings.WSlot);
}

}  // namespace davoruzivi::ui
