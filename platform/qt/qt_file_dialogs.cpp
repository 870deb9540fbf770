#include "platform/qt/qt_file_dialogs.h"

#include <QFile>

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QStringList>

#include "platform/qt/qt_text.h"

namespace davoruzivi::platform {
namespace {

std::optional<std::filesystem::path> Run(QWidget* parent, const FileDialogRequest& request, bool save) {
  QFileDialog dialog(parent, ToQString(request.title), QString::fromStdString(request.folder.string()),
                     QtFilterOf(request.filter));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : (request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
  dialog.setDefaultSuffix(QString::fromStdString(request.defaultExtension));
  if (!request.confirmOverwrite) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (!request.proposedName.empty()) dialog.selectFile(QFile::decodeName(request.proposedName.c_str()));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return std::filesystem::path(dialog.selectedFiles().front().toStdString());
}

}  // namespace

QString QtFilterOf(std::string_view filter) {
  const QStringList parts = ToQString(filter).split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QString patterns = parts[i + 1];
    patterns.replace(';', ' ');
    filters << parts[i] + " (" + patterns + ")";
  }
  return filters.join(";;");
}

std::optional<std::filesystem::path> QtFileDialogs::Open(const FileDialogRequest& request) {
  return Run(parent_, request, false);
}

std::optional<std::filesystem::path> QtFileDialogs::Save(const FileDialogRequest& request) {
  return Run(parent_, request, true);
}

std::filesystem::path QtFileDialogs::DocumentsFolder() const {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (folder.isEmpty()) folder = QDir::homePath();
  return std::filesystem::path(folder.toStdString());
}

}  // namespace davoruzivi::platform
