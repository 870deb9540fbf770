#include "Custom/custom_dialog.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

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

void CustomDialog::Arrange() {
  const int labelWidth = kClientWidth - 2 * kMargin;
  const int wrappedHeight = label_->heightForWidth(labelWidth);
  label_->setGeometry(kMargin, kMargin, labelWidth, wrappedHeight > 0 ? wrappedHeight : label_->sizeHint().height());
  const auto& lefts = buttons_[2]->isHidden() ? kTwoButtons : buttons_[3]->isHidden() ? kThreeButtons : kFourButtons;
  const int top = label_->y() + label_->height() + kMargin;
  for (int i = 0; i < kButtonCount; ++i) buttons_[i]->setGeometry(lefts[i], top, kButtonWidth, kButtonHeight);
  setFixedSize(kClientWidth, top + kBelowButtonRow);
}

void CustomDialog::Press(int number) {
  pressed_ = number;
  done(number);
}

void CustomDialog::reject() {
  // QDialog turns a close request into reject(); a dialog still shown refuses it.
  if (pressed_ != 0) QDialog::reject();
}

void CustomDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) CentreOnScreen();
}

void CustomDialog::CentreOnScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  QRect frame = frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  move(frame.topLeft());
}

bool CustomDialog::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter && hoverFocus_) static_cast<QWidget*>(watched)->setFocus(Qt::MouseFocusReason);
  return QDialog::eventFilter(watched, event);
}

int QtConfirmationDialog::Ask(const platform::Question& question) {
  using platform::ToQString;
  dialog_.Setup(ToQString(question.message), ToQString(question.caption), ToQString(question.fourth),
                ToQString(question.third), ToQString(question.second), ToQString(question.first));
  if (hoverOn_) dialog_.SetHoverFocus(hoverOn_());
  return dialog_.exec();
}

}  // namespace davoruzivi::ui
