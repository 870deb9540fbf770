#include "platform/qt/qt_message_box.h"

#include <QMessageBox>

#include "platform/qt/qt_text.h"

namespace davoruzivi::platform {

void QtMessageBox::Show(std::string_view text, std::string_view caption) {
  QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(text), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace davoruzivi::platform
