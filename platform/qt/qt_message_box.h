#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/message_box.h"

namespace davoruzivi::platform {

// Notices in a modal Qt message box over the given window.
class QtMessageBox final : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Show(std::string_view text, std::string_view caption) override;

 private:
  QPointer<QWidget> parent_;
};

}  // namespace davoruzivi::platform
