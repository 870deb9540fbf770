#pragma once
// Model texts are Windows-1252; Qt shows Unicode.

#include <QString>
#include <string>
#include <string_view>

namespace davoruzivi::platform {

QString ToQString(std::string_view modelText);
std::string ToModelText(const QString& text);

}  // namespace davoruzivi::platform
