#include "stats/recalculation.h"

#include "stats/preview_change.h"
#include "template/template_workflow.h"

namespace davoruzivi {

Recalculation::Recalculation(TemplateWorkflow& workflow, const MasterVault& vault) : workflow_(workflow), vault_(vault) {
  workflow_.OnRecalculate([this] { Run(); });
  // A new template starts with only the rows that carry a value.
  workflow_.OnNewTemplate([this] { showAllOthers_ = false; });
}

void Recalculation::Run() {
  comparison_.clear();
  const Template& model = workflow_.Model();
  const Configuration* current = model.Current();
  if (!current) return;
  result_ = CalcStats(model, vault_, workflow_.Class(), *current);
  panels_ = BuildStatPanels(result_, workflow_.Class(), showAllOthers_);
  if (const auto slot = PreviewedSlot(model)) {
    const StatResult asItStands = CalcStats(model, vault_, workflow_.Class(), *current, Previews::Ignored);
    MarkPreviewChanges(panels_, asItStands, result_, workflow_.Class());
    comparison_ = ComparisonLines(EquippedName(model, vault_, *current, *slot), asItStands, result_, workflow_.Class());
  }
  if (changed_) changed_();
}

// Which rows show is the user's view of the template, not part of it.
void Recalculation::ShowAllOthers(bool shown) {
  showAllOthers_ = shown;
  workflow_.Recalculate(TemplateWorkflow::Change::None);
}

}  // namespace davoruzivi
