#pragma once
// The Spec Editor tab (SpecManager): the spec points of the current
// configuration's class and level, and eight rows in which the user spreads
// them over the class's spec lines. Every rule lives in the model's spec
// points; this page only passes the user's edits to it and shows the answers.

#include <QWidget>
#include <array>

#include "stats/spec_points.h"

class QAbstractSlider;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace davoruzivi::ui {

class Planner;

class SpecEditorWidget final : public QWidget {
  Q_OBJECT

 public:
  SpecEditorWidget(Planner& planner, QWidget* parent = nullptr);

  // The tab is being shown: the rows take the levels stored in the current
  // configuration and the points are counted anew (which marks a saved
  // template modified).
  void Refresh();

 signals:
  // The user changed the spec levels (or respecced) through this page.
  void modelChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct SpecRow {
    QPushButton* caption;    // lSkill n
    QLineEdit* edit;         // SpecEdit n
    QAbstractSlider* upDown;  // UpDown n
  };

  void BuildPoints(QWidget* frame);
  QGroupBox* BuildRows();
  void ConnectRow(int row);
  int RowOf(const QObject* watched) const;

  void AskAndRespec();
  void RespecAndShowIn(RespecMode mode);
  void ShowNoConfiguration();
  void ShowView(const SpecEditorView& view, const Configuration& configuration);
  void ShowRowStates(const SpecEditorView& view);
  void ShowLevels(const Configuration& configuration);
  // Runs the model's Recount for the row with the text the user left in it.
  void RecountRow(int row, const QString& typed);
  void ShowTally(int row, const SpecTally& tally);
  void PutEditText(QLineEdit* edit, const QString& text);
  void OpenClassPage();

  Planner& planner_;
  QLabel* classLabel_;   // ClassLabel
  QLabel* perLevel_;     // pPLV
  QLabel* total_;        // Pts
  QLabel* spent_;        // PtsSpent
  QLabel* left_;         // PtsLeft
  QPushButton* respec_;  // btNewSpec
  QGroupBox* group_;
  std::array<SpecRow, kSpecLines> rows_{};
};

}  // namespace davoruzivi::ui
