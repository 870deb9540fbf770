#include "GMAIN/planner.h"

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
      page(workflow, vault) {}

void Planner::StartWithSettings() {
  settings = davoruzivi::StartupSettings(services.settingsStore, services.messages);
  page.SetAutomaticWeapons(settings.WSlot);
}

void Planner::SaveSettings() {
  davoruzivi::SaveSettings(settings, services.settingsStore);
  page.SetAutomaticWeapons(settings.WSlot);
}

}  // namespace davoruzivi::ui
