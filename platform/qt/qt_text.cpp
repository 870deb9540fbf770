#include "platform/qt/qt_text.h"

#include "core/cp1252.h"

namespace davoruzivi::platform {

QString ToQString(std::string_view modelText) { return QString::fromStdString(Cp1252ToUtf8(modelText)); }

std::string ToModelText(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

}  // namespace davoruzivi::platform
