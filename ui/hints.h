#pragma once
// What every window of the planner does alike with the mouse: a control's
// hint shows as its tool tip and in the status bar, and with hover focus on
// a control takes the keyboard focus as the mouse enters it.

#include <QEvent>
#include <QString>
#include <QWidget>

namespace davoruzivi::ui {

// The hint of a control (a widget or an action): its tool tip, and the status
// bar's text while the mouse is over it.
template <typename Control>
void SetHint(Control* control, const QString& text) {
  control->setToolTip(text);
  control->setStatusTip(text);
}

// Hover focus: the control the mouse enters takes the keyboard focus, when it
// can take any and is enabled.
inline void FocusOnEnter(QObject* watched, const QEvent* event) {
  if (event->type() != QEvent::Enter) return;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget && widget->focusPolicy() != Qt::NoFocus && widget->isEnabled()) widget->setFocus(Qt::MouseFocusReason);
}

}  // namespace davoruzivi::ui
