#pragma once
// The Report page (ReportManager): the template report of the current
// configuration in a fixed-pitch view, its copy to the clipboard, and the
// "&Report" menu with the eleven report options, the presets and the saves as
// text or HTML. The options are the user's settings, written on every change.

#include <QWidget>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_options.h"

class QAction;
class QMenu;
class QPlainTextEdit;

namespace davoruzivi::ui {

class Planner;

class ReportPageWidget final : public QWidget {
  Q_OBJECT

 public:
  ReportPageWidget(Planner& planner, QWidget* parent = nullptr);

  // Composes the report of the current configuration with the stored options
  // and shows it from its first line (an empty view when none is selected);
  // a report that reads as before leaves the view as it is.
  void Compose();
  // The page is being shown.
  void Refresh() { Compose(); }
  // Fills the "&Report" menu: the eleven options checked as the settings have
  // them, the "Default Options" presets and the two saves.
  void PopulateMenu(QMenu* reportMenu);

  // The eleven option items take the states the settings hold.
  void ShowOptionChecks();

  QPlainTextEdit* View() const { return view_; }

 signals:
  // Never emitted: the report only reads the template. Kept so that every
  // page offers the same signal.
  void modelChanged();

 private:
  void AddPresets(QMenu* reportMenu);
  void AddSaves(QMenu* reportMenu);
  void OptionClicked();
  void ApplyPresetToSettings(ReportPreset preset);
  void StoreAndCompose();
  void CopyReport();
  void SaveAsText();
  void SaveAsHtml();
  // Asks for the file and writes the lines that `page` makes of the report.
  template <typename MakePage>
  void SaveReport(std::string_view filter, std::string_view extension, MakePage page);

  Planner& planner_;
  QPlainTextEdit* view_;  // Rpt
  std::vector<std::string> lines_;
  std::array<QAction*, kReportOptionsCount> options_{};
};

}  // namespace davoruzivi::ui
