#pragma once
// The "Stats" box of the main window (StatBox): the stat lists RegStats,
// Resists, RegStatCaps, Skills and Others, the hidden HoldAllStats, and the
// check box Effected. The lists draw the last recalculation's panels; a stat
// row that is clicked, selected or hovered shows the items behind that stat in
// the information panel.

#include <QGroupBox>
#include <QIcon>
#include <array>
#include <string>
#include <vector>

#include "stats/stat_panels.h"

class QCheckBox;
class QTreeWidget;
class QTreeWidgetItem;

namespace davoruzivi {
struct Configuration;
}

namespace davoruzivi::ui {

class InfoPanelWidget;
class Planner;

class StatPanelsWidget final : public QGroupBox {
  Q_OBJECT

 public:
  StatPanelsWidget(Planner& planner, InfoPanelWidget& info, QWidget* parent = nullptr);

  // Refills the lists from the last recalculation (empty while no
  // configuration is selected), each list as tall as its rows, and brings a
  // contributor report that is still shown up to date.
  void Refresh();
  // Whether the information panel shows a contributor report of these lists,
  // which every refresh brings up to date.
  bool ShowsContributors() const;
  // The width at which every label shows whole.
  int WholeLabelsWidth() const;
  // While a sub-window is open, the contributor report names the slots as the
  // vault loader's slot list does instead of by the slot buttons' captions.
  void SetSubWindowOpen(bool open) { subWindowOpen_ = open; }

 signals:
  // The template changed through this box ("Show All ToA/PvE/Other Stats").
  void modelChanged();

 private:
  QTreeWidget* BuildList(StatList list, const char* objectName);
  QTreeWidget& List(StatList list) const;
  void Fill(StatList list, bool shown);
  void ShowAllOthers(bool shown);
  void ShowContributors(const QTreeWidgetItem* row);
  void ShowContributorsOf(const std::string& label);
  void RefreshContributors();
  std::vector<std::string> SlotCaptions(const Configuration& configuration) const;

  Planner& planner_;
  InfoPanelWidget& info_;
  std::array<QIcon, 4> stateIcons_;  // by StatState
  std::array<QTreeWidget*, kStatListCount> lists_{};
  QCheckBox* effected_ = nullptr;
  bool subWindowOpen_ = false;
  int numbersWidth_ = 0;            // the "Now", "Cap" and "+/-" columns together
  std::string contributorsLabel_;   // the row whose contributors the panel shows
  int contributorsShownAt_ = -1;    // the panel's count when they were shown
};

}  // namespace davoruzivi::ui
