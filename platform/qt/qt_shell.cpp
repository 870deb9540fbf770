#include "platform/qt/qt_shell.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

#include "platform/qt/qt_text.h"

namespace davoruzivi::platform {

void QtWebOpener::Open(std::string_view address) { QDesktopServices::openUrl(QUrl(ToQString(address))); }

void QtClipboard::SetText(std::string_view text) { QGuiApplication::clipboard()->setText(ToQString(text)); }

}  // namespace davoruzivi::platform
