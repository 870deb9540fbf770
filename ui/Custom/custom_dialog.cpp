#include "Custom/custom_dialog.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>
#include <vector>

#include "hints.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

constexpr int kClientWidth = 359;
constexpr int kMargin = 8;  // around the label, and between the label and the buttons
constexpr int kButtonWidth = 81;
constexpr int kButtonHeight = 25;
constexpr int kBelowButtonRow = 32;  // client height = button row top + this

// Left edges of buttons 1..4 with all four shown, without the fourth, and
// without the third (the fourth, when shown alone, keeps its place).
constexpr std::array<int, CustomDialog::kButtonCount> kFourButtons = {7, 95, 183, 271};
constexpr std::array<int, CustomDialog::kButtonCount> kThreeButtons = {47, 135, 223, 271};
constexpr std::array<int, CustomDialog::kButtonCount> kTwoButtons = {95, 183, 223, 271};
constexpr int kButtonGap = kFourButtons[1] - kFourButtons[0] - kButtonWidth;

}  // namespace

CustomDialog::CustomDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowStaysOnTopHint),
      label_(new QLabel(this)) {
  setObjectName("CustomDlg");
  setModal(true);
  label_->setObjectName("Label1");
  label_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label_->setWordWrap(true);
  QFont bold = label_->font();
  bold.setBold(true);
  label_->setFont(bold);
  AddButton(1, "OKBtn", "OK")->setDefault(true);
  AddButton(2, "CancelBtn", "Cancel");
  AddButton(3, "Button1", "Abort");
  AddButton(4, "Button2", "Retry");
  Arrange();
}

QPushButton* CustomDialog::AddButton(int number, const char* objectName, const char* caption) {
  auto* button = new QPushButton(QString::fromUtf8(caption), this);
  button->setObjectName(objectName);
  button->installEventFilter(this);
  // Only the first button answers Enter, wherever the focus went last time.
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [this, number] { Press(number); });
  buttons_[number - 1] = button;
  return button;
}

QPushButton* CustomDialog::Button(int number) const {
  return number >= 1 && number <= kButtonCount ? buttons_[number - 1] : nullptr;
}

void CustomDialog::Setup(const QString& message, const QString& caption, const QString& fourth,
                         const QString& third, const QString& cancel, const QString& ok) {
  pressed_ = 0;
  label_->setText(message);
  setWindowTitle(caption);
  const std::array<QString, kButtonCount> captions = {ok, cancel, third, fourth};
  for (int i = 0; i < kButtonCount; ++i) buttons_[i]->setText(captions[i]);
  buttons_[2]->setVisible(!third.isEmpty());
  buttons_[3]->setVisible(!fourth.isEmpty());
  Arrange();
}

int CustomDialog::ButtonWidth(const QPushButton& button) const {
  return std::max(kButtonWidth, button.sizeHint().width());
}

// The buttons stand at their classic places while their captions fit; a
// longer caption widens its button, and the row is then laid out anew,
// centred, with the dialog as wide as it needs.
void CustomDialog::Arrange() {
  std::vector<QPushButton*> shown;
  for (QPushButton* button : buttons_)
    if (!button->isHidden()) shown.push_back(button);
  int rowWidth = -kButtonGap;
  bool classic = true;
  for (const QPushButton* button : shown) {
    rowWidth += ButtonWidth(*button) + kButtonGap;
    classic = classic && ButtonWidth(*button) == kButtonWidth;
  }
  const int clientWidth = std::max(kClientWidth, rowWidth + 2 * kMargin);
  const int labelWidth = clientWidth - 2 * kMargin;
  const int wrappedHeight = label_->heightForWidth(labelWidth);
  label_->setGeometry(kMargin, kMargin, labelWidth, wrappedHeight > 0 ? wrappedHeight : label_->sizeHint().height());
  const int top = label_->y() + label_->height() + kMargin;
  const auto& lefts = buttons_[2]->isHidden() ? kTwoButtons : buttons_[3]->isHidden() ? kThreeButtons : kFourButtons;
  int left = (clientWidth - rowWidth) / 2;
  for (int i = 0; i < kButtonCount; ++i) {
    QPushButton* button = buttons_[i];
    const int width = ButtonWidth(*button);
    button->setGeometry(classic ? lefts[i] : left, top, width, kButtonHeight);
    if (!button->isHidden()) left += width + kButtonGap;
  }
  setFixedSize(clientWidth, top + kBelowButtonRow);
}

void CustomDialog::Press(int number) {
  pressed_ = number;
  done(number);
}

void CustomDialog::reject() {
  // QDialog turns Escape and a close request into reject(): Escape answers
  // the button that cancels, when the question has one; otherwise a dialog
  // still shown refuses to go.
  if (pressed_ != 0) {
    QDialog::reject();
    return;
  }
  if (const QPushButton* cancel = Button(cancelAnswer_); cancel && !cancel->isHidden()) Press(cancelAnswer_);
}

void CustomDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CentreOnScreen();
  // Every question opens with the first answer (the save, where there is
  // one) as the default button and the focus on it.
  buttons_[0]->setDefault(true);
  buttons_[0]->setFocus(Qt::OtherFocusReason);
}

void CustomDialog::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

bool CustomDialog::eventFilter(QObject* watched, QEvent* event) {
  if (hoverFocus_) FocusOnEnter(watched, event);
  return QDialog::eventFilter(watched, event);
}

int QtConfirmationDialog::Ask(const platform::Question& question) {
  using platform::ToQString;
  dialog_.Setup(ToQString(question.message), ToQString(question.caption), ToQString(question.fourth),
                ToQString(question.third), ToQString(question.second), ToQString(question.first));
  dialog_.SetCancelAnswer(question.cancelAnswer);
  if (hoverOn_) dialog_.SetHoverFocus(hoverOn_());
  return dialog_.exec();
}

}  // namespace davoruzivi::ui
