#pragma once
// An item window that docks over the main window's tabs (the vault loader,
// the inline editor, the spellcraft calculator). While one is docked the
// template and configuration commands are off; its "&Done" command stores
// what it must and then emits finished(), which undocks it.

#include <QWidget>

namespace davoruzivi::ui {

class DockedEditor : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // The window's "&Done" command; the main window also runs it when the user
  // tries to quit while the window is docked.
  virtual void Done() = 0;

 signals:
  void finished();
};

}  // namespace davoruzivi::ui
