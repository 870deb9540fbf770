#pragma once
// The planner's question dialog (CustomDlg): a bold message above two to four
// buttons. The answer is the number of the button pressed, 1 to 4, and the
// dialog cannot be closed in any other way.

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "platform/confirmation_dialog.h"

class QLabel;
class QPushButton;

namespace davoruzivi::ui {

class CustomDialog final : public QDialog {
  Q_OBJECT

 public:
  static constexpr int kButtonCount = 4;

  explicit CustomDialog(QWidget* parent = nullptr);

  // Puts the message into Label1 and the caption into the title bar, sets the
  // four button captions (the fourth and third are hidden when empty) and
  // forgets any earlier press. The buttons are given from the last to the
  // first, as the callers have always written them.
  void Setup(const QString& message, const QString& caption, const QString& fourth, const QString& third,
             const QString& cancel, const QString& ok);

  // Button 1 (OKBtn, the default), 2 (CancelBtn), 3 (Button1) or 4 (Button2).
  QPushButton* Button(int number) const;
  QLabel* Message() const { return label_; }
  // The number of the button pressed since Setup; 0 while none was.
  int PressedButton() const { return pressed_; }

  // The button Escape presses (1..4); 0: Escape is refused like a close request.
  void SetCancelAnswer(int number) { cancelAnswer_ = number; }

  // When on, a button takes the keyboard focus as the mouse enters it.
  void SetHoverFocus(bool on) { hoverFocus_ = on; }

 public slots:
  // Escape and the window's close request end here: Escape answers the
  // cancelling button where the question has one shown; otherwise refused
  // until a button was pressed.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPushButton* AddButton(int number, const char* objectName, const char* caption);
  void Press(int number);
  void Arrange();
  int ButtonWidth(const QPushButton& button) const;
  void CentreOnScreen();

  QLabel* label_;
  std::array<QPushButton*, kButtonCount> buttons_{};
  int pressed_ = 0;
  int cancelAnswer_ = 0;
  bool hoverFocus_ = true;
};

// Asks the model's questions with the dialog above: first is the OK button,
// second the cancel button, third Button1 and fourth Button2.
class QtConfirmationDialog final : public platform::ConfirmationDialog {
 public:
  int Ask(const platform::Question& question) override;

  CustomDialog& Dialog() { return dialog_; }
  // Where the hover-focus option is read each time a question is asked, so
  // that a change in the Options menu holds for the next question.
  void FollowHoverOption(std::function<bool()> hoverOn) { hoverOn_ = std::move(hoverOn); }

 private:
  CustomDialog dialog_;
  std::function<bool()> hoverOn_;
};

}  // namespace davoruzivi::ui
