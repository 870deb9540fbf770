#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/file_dialogs.h"

namespace davoruzivi::platform {

// The common open and save dialogs of the desktop.
class QtFileDialogs final : public FileDialogs {
 public:
  explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  std::optional<std::filesystem::path> Open(const FileDialogRequest& request) override;
  std::optional<std::filesystem::path> Save(const FileDialogRequest& request) override;
  // The desktop's documents folder, or the home folder where it names none.
  std::filesystem::path DocumentsFolder() const override;

 private:
  QPointer<QWidget> parent_;
};

// "Caption|*.a;*.b|Other|*.c" as Qt writes filters: "Caption (*.a *.b);;Other (*.c)".
QString QtFilterOf(std::string_view filter);

}  // namespace davoruzivi::platform
