#include "GMAIN/spec_editor_widget.h"

#include <QAbstractSlider>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "GMAIN/planner.h"
#include "core/web_addresses.h"
#include "platform/confirmation_dialog.h"
#include "platform/qt/qt_text.h"
#include "platform/web_opener.h"
#include "hints.h"

namespace davoruzivi::ui {
namespace {

constexpr int kRespecAnswer = 1;

constexpr const char* kRowCaptionHint =
    "Click to visit the Camelot Herald for more information on Spec Lines and character class";
constexpr const char* kEditHint = "Double Click a spec to reset it to level 1";

// A panel of the points frame: its caption, the value label beside it and the hint of both.
struct PointsPanel {
  const char* panelName;
  const char* caption;
  const char* valueName;
  const char* hint;
};

constexpr std::array<PointsPanel, 4> kPointsPanels = {{
    {"pLevel", "  Spec Points Per Level :", "pPLV",
     "How many spec points your class gets per level.  The first 5 levels are always 1xLevel"},
    {"pPts", " Total Spec Points :", "Pts", "How many points your class has available at your level"},
    {"pSpent", "  Spec Points Spent :", "PtsSpent", "How many points your current spec costs"},
    {"pLeft", "  Spec Points Left :", "PtsLeft", "How many more points you have left to spend"},
}};

QString Number(int value) { return QString::number(value); }

// The up-down bound to a spec edit: two arrow buttons stepping a position
// between 1 and the configuration's level.
class SpecUpDown final : public QAbstractSlider {
 public:
  explicit SpecUpDown(QWidget* parent) : QAbstractSlider(parent) {
    setOrientation(Qt::Vertical);
    setRange(1, kMaxLevel);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Arrow(Qt::UpArrow, SliderSingleStepAdd));
    layout->addWidget(Arrow(Qt::DownArrow, SliderSingleStepSub));
  }

 private:
  QToolButton* Arrow(Qt::ArrowType type, SliderAction action) {
    auto* button = new QToolButton(this);
    button->setArrowType(type);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, action] { triggerAction(action); });
    return button;
  }
};

platform::Question RespecQuestion() {
  platform::Question question;
  question.message = "Are you sure you wish to respec this configuration?";
  question.caption = "Respec configuration?";
  question.first = "&Respec";
  question.second = "&Cancel";
  return question;
}

// Of the characters typed only digits go in; Backspace, Tab and the other
// keys that type no printable character keep their usual work.
bool IsAcceptedSpecKey(const QKeyEvent& key) {
  const QString text = key.text();
  if (text.isEmpty() || !text[0].isPrint()) return true;
  return text.size() == 1 && text[0] >= QChar('0') && text[0] <= QChar('9');
}

}  // namespace

SpecEditorWidget::SpecEditorWidget(Planner& planner, QWidget* parent)
    : QWidget(parent),
      planner_(planner),
      classLabel_(new QLabel("Class : ", this)),
      perLevel_(nullptr),
      total_(nullptr),
      spent_(nullptr),
      left_(nullptr),
      respec_(new QPushButton("/Respec All", this)),
      group_(nullptr) {
  setObjectName("SpecManager");
  classLabel_->setObjectName("ClassLabel");
  classLabel_->setCursor(Qt::PointingHandCursor);
  classLabel_->installEventFilter(this);
  respec_->setObjectName("btNewSpec");
  SetHint(respec_, "Click to reset all Specs to 1");
  connect(respec_, &QPushButton::clicked, this, &SpecEditorWidget::AskAndRespec);

  auto* points = new QWidget(this);
  BuildPoints(points);
  group_ = BuildRows();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(classLabel_);
  layout->addWidget(points);
  layout->addWidget(respec_, 0, Qt::AlignLeft);
  layout->addWidget(group_);
  layout->addStretch(1);
}

void SpecEditorWidget::BuildPoints(QWidget* frame) {
  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(0, 0, 0, 0);
  std::array<QLabel**, kPointsPanels.size()> values = {&perLevel_, &total_, &spent_, &left_};
  for (std::size_t i = 0; i < kPointsPanels.size(); ++i) {
    const PointsPanel& panel = kPointsPanels[i];
    auto* caption = new QLabel(panel.caption, frame);
    auto* value = new QLabel(frame);
    caption->setObjectName(panel.panelName);
    value->setObjectName(panel.valueName);
    caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    value->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance("00000") + 8);
    SetHint(caption, panel.hint);
    SetHint(value, panel.hint);
    const int row = static_cast<int>(i);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    *values[i] = value;
  }
  grid->setColumnStretch(2, 1);
}

QGroupBox* SpecEditorWidget::BuildRows() {
  auto* group = new QGroupBox("Specialization Options", this);
  auto* grid = new QGridLayout(group);
  for (int row = 1; row <= kSpecLines; ++row) {
    SpecRow& controls = rows_[static_cast<std::size_t>(row - 1)];
    const QString number = Number(row);
    controls.caption = new QPushButton(" ", group);
    controls.caption->setObjectName("lSkill" + number);
    controls.caption->setCursor(Qt::PointingHandCursor);
    SetHint(controls.caption, kRowCaptionHint);
    controls.edit = new QLineEdit("1", group);
    controls.edit->setObjectName("SpecEdit" + number);
    controls.edit->setMaximumWidth(controls.edit->fontMetrics().horizontalAdvance("0000") + 12);
    SetHint(controls.edit, kEditHint);
    controls.edit->installEventFilter(this);
    controls.upDown = new SpecUpDown(group);
    controls.upDown->setObjectName("UpDown" + number);
    controls.upDown->setFixedHeight(controls.edit->sizeHint().height());
    grid->addWidget(controls.caption, row - 1, 0);
    grid->addWidget(controls.edit, row - 1, 1);
    grid->addWidget(controls.upDown, row - 1, 2);
    ConnectRow(row);
  }
  grid->setColumnStretch(3, 1);
  return group;
}

void SpecEditorWidget::ConnectRow(int row) {
  const SpecRow& controls = rows_[static_cast<std::size_t>(row - 1)];
  connect(controls.caption, &QPushButton::clicked, this, &SpecEditorWidget::OpenClassPage);
  connect(controls.edit, &QLineEdit::textChanged, this, [this, row](const QString& text) { RecountRow(row, text); });
  connect(controls.upDown, &QAbstractSlider::valueChanged, this,
          [this, row](int position) { RecountRow(row, Number(position)); });
}

int SpecEditorWidget::RowOf(const QObject* watched) const {
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    if (rows_[n].edit == watched) return static_cast<int>(n) + 1;
  }
  return 0;
}

bool SpecEditorWidget::eventFilter(QObject* watched, QEvent* event) {
  if (watched == classLabel_ && event->type() == QEvent::MouseButtonRelease) {
    OpenClassPage();
    return true;
  }
  const int row = RowOf(watched);
  if (row == 0) return QWidget::eventFilter(watched, event);
  if (event->type() == QEvent::KeyPress) return !IsAcceptedSpecKey(static_cast<const QKeyEvent&>(*event));
  if (event->type() == QEvent::MouseButtonDblClick) {
    PutEditText(rows_[static_cast<std::size_t>(row - 1)].edit, "1");
    RecountRow(row, "1");
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void SpecEditorWidget::Refresh() { RespecAndShowIn(RespecMode::Show); }


void SpecEditorWidget::AskAndRespec() {
  if (planner_.services.questions.Ask(RespecQuestion()) != kRespecAnswer) return;
  RespecAndShowIn(RespecMode::Reset);
  emit modelChanged();
}

void SpecEditorWidget::RespecAndShowIn(RespecMode mode) {
  const AppliedClass& applied = planner_.workflow.Class();
  classLabel_->setText("Class : " + platform::ToQString(ClassEntryText(applied.ClassIndex)));
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    rows_[n].caption->setText(platform::ToQString(applied.Info.SpecLines[n].Caption));
  }
  const std::optional<SpecEditorView> view = RespecAndShowCurrent(planner_.workflow, mode);
  if (!view) return ShowNoConfiguration();
  ShowView(*view, *planner_.model.Current());
}

void SpecEditorWidget::ShowNoConfiguration() {
  group_->setEnabled(false);
  respec_->setEnabled(false);
  for (QLabel* value : {perLevel_, total_, spent_, left_}) value->clear();
}

void SpecEditorWidget::ShowView(const SpecEditorView& view, const Configuration& configuration) {
  group_->setEnabled(true);
  respec_->setEnabled(true);
  ShowRowStates(view);
  ShowLevels(configuration);
  total_->setText(Number(view.Total));
  perLevel_->setText(platform::ToQString(view.PointsPerLevel));
  if (view.Tally) {
    ShowTally(1, *view.Tally);
  } else {
    spent_->clear();
    left_->clear();
  }
}

void SpecEditorWidget::ShowRowStates(const SpecEditorView& view) {
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    rows_[n].caption->setEnabled(view.RowUsable[n]);
    rows_[n].edit->setEnabled(view.RowEditable[n]);
    rows_[n].upDown->setEnabled(view.RowEditable[n]);
  }
}

// The edits show the stored levels; an up-down cannot pass the level, so a
// level above it (only from a file) shows in the edit until the row is edited.
void SpecEditorWidget::ShowLevels(const Configuration& configuration) {
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    const QSignalBlocker blockEdit(rows_[n].edit);
    const QSignalBlocker blockUpDown(rows_[n].upDown);
    rows_[n].upDown->setRange(1, std::max(1, int{configuration.Level}));
    rows_[n].upDown->setValue(configuration.Spec[n]);
    rows_[n].edit->setText(Number(configuration.Spec[n]));
  }
}

void SpecEditorWidget::RecountRow(int row, const QString& typed) {
  const std::optional<SpecTally> tally = RecountCurrent(planner_.workflow, row, platform::ToModelText(typed));
  if (!tally) return;
  ShowTally(row, *tally);
  emit modelChanged();
}

void SpecEditorWidget::ShowTally(int row, const SpecTally& tally) {
  PutEditText(rows_[static_cast<std::size_t>(row - 1)].edit, platform::ToQString(tally.EditedText));
  if (const Configuration* configuration = planner_.model.Current()) {
    for (std::size_t n = 0; n < rows_.size(); ++n) {
      const QSignalBlocker block(rows_[n].upDown);
      rows_[n].upDown->setValue(configuration->Spec[n]);
    }
  }
  total_->setText(Number(tally.Total));
  spent_->setText(Number(tally.Spent));
  left_->setText(Number(tally.Left));
}

// The caret stays where the user left it, unless it was at the very start.
void SpecEditorWidget::PutEditText(QLineEdit* edit, const QString& text) {
  if (edit->text() == text) return;
  const int caret = edit->cursorPosition();
  const QSignalBlocker block(edit);
  edit->setText(text);
  edit->setCursorPosition(caret > 1 ? std::min(caret, static_cast<int>(text.size())) : static_cast<int>(text.size()));
}

void SpecEditorWidget::OpenClassPage() { planner_.services.web.Open(web::kClassPage); }

}  // namespace davoruzivi::ui
