#pragma once
// The planner's main window (gearMain): its frame of menus, quick bar, tabs and
// status bar, and the start-up that runs when it is first shown.

#include <QMainWindow>
#include <QStringList>
#include <filesystem>
#include <memory>

#include "itemdb/master_vault.h"
#include "platform/message_box.h"

class QTabWidget;

namespace davoruzivi::ui {

class SplashScreen;

struct StartupPaths {
  std::filesystem::path programFolder;
  std::filesystem::path masterVaultPath;  // master.kwv in the program's folder
};

// Which file commands the template's save state allows.
enum class TemplateStatus { Off = 0, New = 1, Saved = 2, Modified = 3 };

class GearMain final : public QMainWindow {
  Q_OBJECT

 public:
  GearMain(MasterVault& vault, StartupPaths paths, QStringList arguments, platform::MessageBox& messages,
           QWidget* parent = nullptr);
  ~GearMain() override;

  const QString& StartupFile() const { return startupFile_; }
  SplashScreen& Splash() const { return *splash_; }

 signals:
  // The first show has finished: the vault is loaded and the window enabled.
  void startupFinished();
  // The master vault could not be loaded; the program must end with this code.
  void startupFailed(int exitCode);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMenus();
  void BuildQuickBar();
  void BuildTabs();
  void RunFirstShow();
  bool LoadVaultWithSplash();

  MasterVault& vault_;
  StartupPaths paths_;
  QStringList arguments_;
  platform::MessageBox& messages_;
  std::unique_ptr<SplashScreen> splash_;
  QTabWidget* tabs_ = nullptr;
  QString startupFile_;
  TemplateStatus status_ = TemplateStatus::Off;
  bool shownOnce_ = false;
};

}  // namespace davoruzivi::ui
