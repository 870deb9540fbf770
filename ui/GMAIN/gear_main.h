#pragma once
// The planner's main window (gearMain): the frame of menus, quick bar, the
// character and configuration column, the five tabs, the stats column and
// the status bar; the start-up that runs when it is first shown; and the
// close sequence. Every command calls the model and then refreshes the window.

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>

#include "template/classes.h"
#include "template/equipment_page.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabWidget;
class QTimer;
class QToolBar;

namespace davoruzivi::ui {

class DockedEditor;
class EquipmentPageWidget;
class InfoPanelWidget;
class ItemEditorWindow;
class LinkTextView;
class Planner;
class ReportPageWidget;
class SpecEditorWidget;
class SplashScreen;
class StatPanelsWidget;

struct StartupPaths {
  std::filesystem::path programFolder;
  std::filesystem::path masterVaultPath;  // master.kwv in the program's folder
};

// The tabs, in order.
enum class GearTab { Welcome = 0, Equipment = 1, SpecEditor = 2, Report = 3, Notes = 4 };

class GearMain final : public QMainWindow {
  Q_OBJECT

 public:
  GearMain(Planner& planner, StartupPaths paths, QStringList arguments, QWidget* parent = nullptr);
  ~GearMain() override;

  const QString& StartupFile() const { return startupFile_; }
  SplashScreen& Splash() const { return *splash_; }
  // Brings every control up to date with the model.
  void RefreshAll();
  // Whether an item window is docked in the tab area's place (OpenEditor).
  bool SubWindowOpen() const { return openEditor_ != ItemWindow::None; }
  ItemWindow OpenEditor() const { return openEditor_; }

  // Makes an item window available: its add button comes on, and the window
  // is made on first use and kept for the rest of the session.
  using ItemWindowMaker = std::function<DockedEditor*()>;
  void ProvideItemWindow(ItemWindow window, ItemWindowMaker maker);
  // The add buttons' command: selects the window's starting slot, then docks
  // it over the tabs and turns the template commands off until its "&Done".
  void OpenItemWindow(ItemWindow window);
  // The information panel, which the docked item windows write as well.
  InfoPanelWidget& InfoPanel() const { return *info_; }
  // No menu of the bars' own: the quick bar is shown and hidden by its option alone.
  QMenu* createPopupMenu() override;

 signals:
  // The first show has finished: the vault is loaded and the window enabled.
  void startupFinished();
  // The master vault could not be loaded; the program must end with this code.
  void startupFailed(int exitCode);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // ---- building the frame
  void BuildMenus();
  void BuildFileMenu();
  void BuildOptionsMenu();
  void BuildHelpMenu();
  void BuildQuickBar();
  QWidget* BuildCharacterColumn();
  QGroupBox* BuildCharacterInformation();
  QGroupBox* BuildConfigurationsManager();
  QGroupBox* BuildThisConfiguration();
  QWidget* BuildTabs();
  QWidget* BuildWelcomePage();
  QWidget* BuildNotesPage();
  QWidget* BuildStatsColumn();
  void WireModelRefreshes();
  void WireLayoutMemory();
  void SaveLayout();
  void RestoreLayout();

  // ---- start-up
  void RunFirstShow();
  bool LoadVaultWithSplash();
  void ApplySettingsToMenus();

  // ---- commands
  void RunAndRefresh(const std::function<void()>& command);
  void RunFileCommand(int command);
  void ReadAndShowEquipment(const std::function<void()>& read);
  void ChooseRecent(int n);
  void TabChanged(int index);
  void RefreshShownTab();
  void OpenHomePage();
  void ShowHelpTopic(int topic);
  void CloseItemWindow();
  // The vault loader's "Manual Edit": the inline editor takes its place.
  void OpenManualEdit(int vaultPosition);
  void OpenSalvageCalculator();
  void OpenItemEditor();
  void RegisterFileTypes();
  bool CanClose();

  // ---- refreshing
  void RefreshFileCommands();
  void RefreshRecentMenu();
  void RefreshCharacterColumn();
  void RefreshConfigurationFields();
  void RefreshNotes();
  void RefreshPages();

  // What tells one template or configuration from another for the pages.
  struct ShownTemplate {
    int generation;
    int current;
    friend bool operator==(const ShownTemplate&, const ShownTemplate&) = default;
  };
  ShownTemplate ShownTemplateNow() const;

  Planner& planner_;
  StartupPaths paths_;
  QStringList arguments_;
  std::unique_ptr<SplashScreen> splash_;
  QString startupFile_;
  ItemWindow openEditor_ = ItemWindow::None;
  std::array<ItemWindowMaker, 3> itemWindowMakers_;
  std::array<DockedEditor*, 3> itemWindows_{};
  bool shownOnce_ = false;
  bool refreshing_ = false;

  // File commands: each has a quick-bar button and a menu item.
  struct FileCommandActions {
    QAction* button = nullptr;
    QAction* menuItem = nullptr;
  };
  std::array<FileCommandActions, 5> fileCommands_{};
  QMenu* recentMenu_ = nullptr;
  std::array<QAction*, 2> itemEditorCommands_{};  // btnItemEdit, ItemEditor1
  ItemEditorWindow* itemEditor_ = nullptr;        // made on first use, kept for the run
  std::array<QAction*, 5> recentItems_{};
  QMenu* reportMenu_ = nullptr;
  QToolBar* quickBar_ = nullptr;
  QAction* toggleQuickBar_ = nullptr;
  QAction* startMaximized_ = nullptr;
  QAction* automaticWeapons_ = nullptr;
  QAction* disableHover_ = nullptr;
  std::array<QAction*, kServerTypeCount> defaultServers_{};
  std::array<QAction*, 3> defaultRealms_{};
  std::array<QAction*, 7> defaultSortings_{};

  // Character and configuration column.
  QComboBox* server_ = nullptr;   // eServer
  QComboBox* class_ = nullptr;    // eClass
  QGroupBox* manager_ = nullptr;  // ConfigCount
  QListWidget* configList_ = nullptr;
  QPushButton* configNew_ = nullptr;
  QPushButton* configCopy_ = nullptr;
  QPushButton* configDelete_ = nullptr;
  QGroupBox* thisConfiguration_ = nullptr;  // ConfigBox
  QLineEdit* name_ = nullptr;       // eName
  QComboBox* level_ = nullptr;      // eLV
  QComboBox* champion_ = nullptr;   // ChLevel
  QComboBox* realmRank_ = nullptr;  // cbRR
  QComboBox* race_ = nullptr;       // cbRace
  QComboBox* weapons_ = nullptr;    // rWepType

  // The three columns and the stats column's split between lists and panel.
  QSplitter* columns_ = nullptr;      // MainColumns
  QSplitter* statsColumn_ = nullptr;  // StatsColumn
  QTimer* layoutSaver_ = nullptr;

  // Tab area and pages.
  QStackedWidget* centre_ = nullptr;
  QTabWidget* tabs_ = nullptr;
  QComboBox* helpTopics_ = nullptr;  // HelpBox1
  LinkTextView* help_ = nullptr;
  EquipmentPageWidget* equipment_ = nullptr;
  SpecEditorWidget* specEditor_ = nullptr;
  ReportPageWidget* report_ = nullptr;
  QPlainTextEdit* notes_ = nullptr;  // CharNotes
  StatPanelsWidget* stats_ = nullptr;
  InfoPanelWidget* info_ = nullptr;
};

}  // namespace davoruzivi::ui
