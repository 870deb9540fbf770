#include "platform/qt/qt_file_types.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

// The embedded files live in a static library: load them explicitly (from the
// global namespace, as Qt requires).
static void LoadDesktopFiles() { Q_INIT_RESOURCE(qt_file_types); }

namespace davoruzivi::platform {
namespace {

const QString kMimePackage = QStringLiteral("davoruzivi-mime.xml");
const QString kDesktopEntry = QStringLiteral("davoruzivi.desktop");
const QStringList kMimeTypes = {QStringLiteral("application/x-davoruzivi-template"),
                                QStringLiteral("application/x-davoruzivi-legacy-template")};

QByteArray Resource(const QString& name) {
  QFile file(QStringLiteral(":/desktop/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Whether the whole file now holds the bytes.
bool WriteFile(const QString& folder, const QString& name, const QByteArray& bytes) {
  if (!QDir().mkpath(folder)) return false;
  QSaveFile file(folder + QLatin1Char('/') + name);
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

// The path as one argument of an Exec line: quoted when it holds a character
// that the desktop entry format reserves, then escaped as a string value.
QString ExecArgument(QString path) {
  static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  path.replace(QLatin1Char('%'), QStringLiteral("%%"));
  if (std::any_of(path.cbegin(), path.cend(), [](QChar c) { return reserved.contains(c); })) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
      if (QStringLiteral("\"`$\\").contains(c)) quoted += QLatin1Char('\\');
      quoted += c;
    }
    path = quoted + QLatin1Char('"');
  }
  return path.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
}

// The installed menu entry, run from the program's own path.
QByteArray DesktopEntryFor(const QString& programPath) {
  QString entry = QString::fromUtf8(Resource(kDesktopEntry));
  static const QRegularExpression exec(QStringLiteral("^Exec=.*$"), QRegularExpression::MultilineOption);
  entry.replace(exec, QStringLiteral("Exec=") + ExecArgument(programPath) + QStringLiteral(" %f"));
  return entry.toUtf8();
}

void RunIfInstalled(const QString& program, const QStringList& arguments) {
  const QString path = QStandardPaths::findExecutable(program);
  if (!path.isEmpty()) QProcess::execute(path, arguments);
}

// The file-type package and the menu entry in the data folder; false when
// there is no data folder or a file could not be written.
bool WriteDesktopFiles(const QString& data, const QString& programPath) {
  return !data.isEmpty() &&
         WriteFile(data + QStringLiteral("/mime/packages"), kMimePackage, Resource(kMimePackage)) &&
         WriteFile(data + QStringLiteral("/applications"), kDesktopEntry, DesktopEntryFor(programPath));
}

// Lets the desktop's tools take up the files written into the data folder.
void AnnounceDesktopFiles(const QString& data) {
  RunIfInstalled(QStringLiteral("update-mime-database"), {data + QStringLiteral("/mime")});
  for (const QString& type : kMimeTypes)
    RunIfInstalled(QStringLiteral("xdg-mime"), {QStringLiteral("default"), kDesktopEntry, type});
}

}  // namespace

std::string RegisterFileTypes(const QString& programPath) {
  LoadDesktopFiles();
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (!WriteDesktopFiles(data, programPath)) return std::string(kFileTypesNotRegisteredMessage);
  AnnounceDesktopFiles(data);
  return std::string(kFileTypesRegisteredMessage);
}

}  // namespace davoruzivi::platform
