#include "Salvo/salvage_dialog.h"

#include "hints.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionSpinBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

constexpr const char* kMetalLabelHint = "Click to enter specific amounts";

// A typed character that the field refuses: anything printable but a digit.
bool IsRefusedCharacter(const QString& typed) {
  if (typed.isEmpty()) return false;
  const QChar character = typed.front();
  return character.isPrint() && !(character >= u'0' && character <= u'9');
}

int OutputIndex(SalvageOutput output) { return output == SalvageOutput::Raw ? 0 : 1; }

}  // namespace

MetalCountField::MetalCountField(QWidget* parent) : QAbstractSpinBox(parent) {
  lineEdit()->setText("0");
  connect(lineEdit(), &QLineEdit::textChanged, this, &MetalCountField::Correct);
}

void MetalCountField::SetText(const QString& text) { lineEdit()->setText(text); }

int MetalCountField::Count() const { return CountOf(platform::ToModelText(text())); }

void MetalCountField::stepBy(int steps) {
  SetText(QString::number(std::clamp(Count() + steps * kMetalCountStep, 0, kMaxMetalCount)));
}

QSize MetalCountField::sizeHint() const {
  ensurePolished();
  QStyleOptionSpinBox option;
  initStyleOption(&option);
  // One digit more than the largest count, so the caret never pushes a digit out of sight.
  const QString widest(QString::number(kMaxMetalCount).size() + 1, u'0');
  const QSize text(fontMetrics().horizontalAdvance(widest), lineEdit()->sizeHint().height());
  return style()->sizeFromContents(QStyle::CT_SpinBox, &option, text, this).expandedTo(QAbstractSpinBox::sizeHint());
}

QAbstractSpinBox::StepEnabled MetalCountField::stepEnabled() const {
  const int count = Count();
  StepEnabled enabled = StepNone;
  if (count > 0) enabled |= StepDownEnabled;
  if (count < kMaxMetalCount) enabled |= StepUpEnabled;
  return enabled;
}

QValidator::State MetalCountField::validate(QString&, int&) const {
  // Typing is filtered by key; a pasted text is taken as it is and counts 0
  // when it is not a number.
  return QValidator::Acceptable;
}

void MetalCountField::keyPressEvent(QKeyEvent* event) {
  if (IsRefusedCharacter(event->text())) {
    event->accept();
    return;
  }
  QAbstractSpinBox::keyPressEvent(event);
}

void MetalCountField::Correct() {
  if (correcting_) return;
  correcting_ = true;
  QLineEdit* edit = lineEdit();
  const int caret = edit->cursorPosition();
  const QString corrected = platform::ToQString(CorrectedCountText(platform::ToModelText(edit->text())));
  if (corrected != edit->text()) edit->setText(corrected);
  // The caret stays behind the first character; from anywhere else it goes to the end.
  edit->setCursorPosition(caret == 1 ? 1 : static_cast<int>(corrected.size()));
  correcting_ = false;
  emit countChanged();
}

SalvageDialog::SalvageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("frmSalvo");
  setWindowTitle("Slagwright v1.3");
  clearAll_ = new QPushButton("&Clear All", this);
  clearAll_->setObjectName("ClearAll");
  clearAll_->setDefault(true);
  clearAll_->installEventFilter(this);
  connect(clearAll_, &QPushButton::clicked, this, &SalvageDialog::ClearAll);

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(BuildMetalAmounts());
  layout->addWidget(clearAll_, 0, Qt::AlignRight);
  layout->addWidget(BuildStatusLine("RawValue", "Raw :", panels_[OutputIndex(SalvageOutput::Raw)]));
  layout->addWidget(BuildStatusLine("cashbar", "Trinket :", panels_[OutputIndex(SalvageOutput::Trinket)]));
  ShowValues();
}

QGroupBox* SalvageDialog::BuildMetalAmounts() {
  auto* group = new QGroupBox("Metal Amounts", this);
  auto* grid = new QGridLayout(group);
  for (int grade = 0; grade < kMetalGradeCount; ++grade) {
    const MetalGrade& metal = kMetalGrades[grade];
    auto* label = new QLabel(platform::ToQString(metal.Label), group);
    label->setToolTip(kMetalLabelHint);
    auto* field = new MetalCountField(group);
    field->setObjectName(platform::ToQString(metal.Field));
    field->installEventFilter(this);
    connect(field, &MetalCountField::countChanged, this, &SalvageDialog::ShowValues);
    grid->addWidget(label, grade, 0);
    grid->addWidget(field, grade, 1);
    fields_[grade] = field;
  }
  return group;
}

QStatusBar* SalvageDialog::BuildStatusLine(const char* objectName, const char* caption, MoneyPanels& panels) {
  auto* line = new QStatusBar(this);
  line->setObjectName(objectName);
  line->setSizeGripEnabled(false);
  line->addWidget(new QLabel(caption, line), 1);
  for (QLabel*& panel : panels) {
    panel = new QLabel(line);
    line->addWidget(panel, 1);
  }
  return line;
}

void SalvageDialog::ShowValues() {
  std::array<std::string, kMetalGradeCount> texts;
  for (int grade = 0; grade < kMetalGradeCount; ++grade) texts[grade] = platform::ToModelText(fields_[grade]->text());
  const SalvageValues values = SalvageValuesOf(CountsOf(texts));
  ShowMoney(panels_[OutputIndex(SalvageOutput::Raw)], values.Raw);
  ShowMoney(panels_[OutputIndex(SalvageOutput::Trinket)], values.Trinket);
}

void SalvageDialog::ShowMoney(MoneyPanels& panels, const Money& money) {
  const auto texts = MoneyPanelTexts(money);
  for (std::size_t i = 0; i < panels.size(); ++i) panels[i]->setText(platform::ToQString(texts[i]));
}

QStringList SalvageDialog::PanelTexts(SalvageOutput output) const {
  QStringList texts;
  for (const QLabel* panel : panels_[OutputIndex(output)]) texts.append(panel->text());
  return texts;
}

void SalvageDialog::ClearAll() {
  for (MetalCountField* field : fields_) field->SetText("0");
  ShowValues();
}

void SalvageDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) ClearAll();
}

bool SalvageDialog::eventFilter(QObject* watched, QEvent* event) {
  if (hoverFocus_) FocusOnEnter(watched, event);
  return QDialog::eventFilter(watched, event);
}

}  // namespace davoruzivi::ui
