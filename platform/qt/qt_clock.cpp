#include "platform/qt/qt_clock.h"

#include <QDateTime>
#include <QLocale>

#include "platform/qt/qt_text.h"

namespace davoruzivi::platform {

std::string QtClock::NowText() {
  const QDateTime now = QDateTime::currentDateTime();
  const QLocale locale = QLocale::system();
  return ToModelText(locale.toString(now.date(), QLocale::ShortFormat) + " " +
                     locale.toString(now.time(), QLocale::LongFormat));
}

}  // namespace davoruzivi::platform
