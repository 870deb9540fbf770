#pragma once
// Recalculate: after every change to the current configuration or its items,
// the stat engine runs for it and the stat panels are rebuilt. While a slot
// previews an item the engine also runs without it, to tell what it changes.

#include <functional>
#include <string>
#include <vector>

#include "stats/stat_engine.h"
#include "stats/stat_panels.h"

namespace davoruzivi {

class MasterVault;
class TemplateWorkflow;

class Recalculation {
 public:
  // Runs on every recalculation of the workflow from now on.
  Recalculation(TemplateWorkflow& workflow, const MasterVault& vault);

  // Runs the engine for the current configuration and rebuilds the panels;
  // nothing happens while no configuration is selected.
  void Run();

  // The "Show All ToA/PvE/Other Stats" check box: a change recalculates.
  void ShowAllOthers(bool shown);
  bool ShowsAllOthers() const { return showAllOthers_; }

  const StatResult& Result() const { return result_; }
  const StatPanels& Panels() const { return panels_; }
  // While a slot previews an item: the comparison that follows its
  // description (the panels' rows carry the changes); empty otherwise.
  const std::vector<std::string>& Comparison() const { return comparison_; }
  // Called after each run, for the windows that draw the panels.
  void OnChanged(std::function<void()> handler) { changed_ = std::move(handler); }

 private:
  TemplateWorkflow& workflow_;
  const MasterVault& vault_;
  bool showAllOthers_ = false;
  StatResult result_;
  StatPanels panels_;
  std::vector<std::string> comparison_;
  std::function<void()> changed_;
};

}  // namespace davoruzivi
