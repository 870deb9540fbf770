#pragma once
// An item window that docks over the main window's tabs (the vault loader,
// the inline editor, the spellcraft calculator). While one is docked the
// template and configuration commands are off; its "&Done" command stores
// what it must and then emits finished(), which undocks it. The main window
// refreshes every page on modelChanged(), shows statusMessage() in its status
// bar, and answers manualEditRequested() by docking the inline editor and
// handing it the vault item (GrabVaultItem).

#include <QPushButton>
#include <QWidget>

namespace davoruzivi::ui {

class DockedEditor : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;

  // The window's "&Done" command; the main window also runs it when the user
  // tries to quit while the window is docked.
  virtual void Done() = 0;
  // The inline editor, docked for the vault loader's "Manual Edit": searches
  // its vault grabber and starts a manual item from the vault item at the
  // position when the search lists it. Other windows ignore it.
  virtual void GrabVaultItem(int vaultPosition) { (void)vaultPosition; }
  // The main window calls it after every refresh while the window is docked,
  // so that what the window shows follows changes made elsewhere (the level).
  virtual void FollowTemplate() {}

 protected:
  // A push button that runs one of the window's commands.
  template <typename Window>
  QPushButton* CommandButton(const char* caption, const char* objectName, void (Window::*command)()) {
    auto* button = new QPushButton(caption);
    button->setObjectName(objectName);
    connect(button, &QPushButton::clicked, static_cast<Window*>(this), command);
    return button;
  }

 signals:
  void finished();
  // The window changed the template (an item equipped, added, edited or
  // previewed): the main window's pages, captions and stat panels follow.
  void modelChanged();
  void statusMessage(const QString& text);
  // "Manual Edit" of the vault loader, which has run its "&Done" already.
  void manualEditRequested(int vaultPosition);
};

}  // namespace davoruzivi::ui
