#pragma once
// The salvage calculator (frmSalvo, "Slagwright v1.3"): an amount for each of
// the ten metal grades, and what all of it is worth raw and as trinkets.

#include <QAbstractSpinBox>
#include <QDialog>
#include <QStringList>
#include <array>

#include "salvage/salvage.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QStatusBar;

namespace davoruzivi::ui {

// One metal amount: typed digits and Backspace only, spin buttons stepping
// 100 within 0..32000, and the text corrected after every change.
class MetalCountField final : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit MetalCountField(QWidget* parent = nullptr);

  // Replaces the text as a paste would; the correction follows.
  void SetText(const QString& text);
  // The amount the text stands for; 0 for a text that is not a number.
  int Count() const;
  void stepBy(int steps) override;
  // Wide enough for the largest count with its up-down buttons.
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 signals:
  // The text changed and has been corrected.
  void countChanged();

 protected:
  StepEnabled stepEnabled() const override;
  QValidator::State validate(QString& input, int& position) const override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Correct();

  bool correcting_ = false;
};

class SalvageDialog final : public QDialog {
  Q_OBJECT

 public:
  explicit SalvageDialog(QWidget* parent = nullptr);

  // When on, a field or the button takes the keyboard focus as the mouse enters it.
  void SetHoverFocus(bool on) { hoverFocus_ = on; }

  // The field of a grade, in the order of the grade table.
  MetalCountField& Field(int grade) const { return *fields_.at(grade); }
  // The four money panels of an output's status line: "P: 0p", "G: 0g", "S: 0s", "C: 0c".
  QStringList PanelTexts(SalvageOutput output) const;

 public slots:
  // "&Clear All": every amount back to "0", and the values with them.
  void ClearAll();

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using MoneyPanels = std::array<QLabel*, 4>;

  QGroupBox* BuildMetalAmounts();
  QStatusBar* BuildStatusLine(const char* objectName, const char* caption, MoneyPanels& panels);
  void ShowValues();
  static void ShowMoney(MoneyPanels& panels, const Money& money);

  std::array<MetalCountField*, kMetalGradeCount> fields_{};
  std::array<MoneyPanels, 2> panels_{};  // by SalvageOutput: Raw, Trinket
  QPushButton* clearAll_ = nullptr;
  bool hoverFocus_ = true;
};

}  // namespace davoruzivi::ui
