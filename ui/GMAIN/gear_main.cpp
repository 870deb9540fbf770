#include "GMAIN/gear_main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include "Splash/splash_screen.h"
#include "core/program_identity.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_reader.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

// A menu item or quick-bar button: its caption, object name and shortcut.
struct CommandSpec {
  const char* caption;
  const char* objectName;
  QKeySequence shortcut = {};
};

// The main window's tabs, in order; tabs after the first need a configuration.
struct TabSpec {
  const char* caption;
  const char* objectName;
};
constexpr TabSpec kTabs[] = {{"Welcome", "ConfigManager"},
                             {"Equipment", "EquipManager"},
                             {"Spec Editor", "SpecManager"},
                             {"Report", "ReportManager"},
                             {"Character Notes", "NoteManager"}};

constexpr const char* kHelpTopics[] = {"Getting Started", "Using the Interface", "Omnicrafting Tutorial",
                                       "Report Formatting"};

QString WindowCaptionWithoutTemplate() {
  return platform::ToQString(kProgramTitleWithVersion) + " ( No Template ) - [ No Configuration ]";
}

// Adds the items to a menu. Items are disabled until their commands are built.
void AddDisabledItems(QMenu* menu, std::initializer_list<CommandSpec> items) {
  for (const CommandSpec& item : items) {
    QAction* action = menu->addAction(QString::fromUtf8(item.caption));
    action->setObjectName(item.objectName);
    action->setShortcut(item.shortcut);
    action->setEnabled(false);
  }
}

}  // namespace

GearMain::GearMain(MasterVault& vault, StartupPaths paths, QStringList arguments, platform::MessageBox& messages,
                   QWidget* parent)
    : QMainWindow(parent),
      vault_(vault),
      paths_(std::move(paths)),
      arguments_(std::move(arguments)),
      messages_(messages),
      splash_(std::make_unique<SplashScreen>()) {
  setObjectName("gearMain");
  setWindowTitle(platform::ToQString(kProgramTitle));
  setMinimumSize(1024, 768);
  BuildMenus();
  BuildQuickBar();
  BuildTabs();
  statusBar()->setObjectName("StatusBar");
}

GearMain::~GearMain() = default;

void GearMain::BuildMenus() {
  QMenu* file = menuBar()->addMenu("&File");
  AddDisabledItems(file, {{"&New Template", "btnNew", QKeySequence("Ctrl+N")},
                          {"&Load Template", "btnLoad", QKeySequence("Ctrl+L")},
                          {"&Save Template", "btnSave", QKeySequence("Ctrl+S")},
                          {"Save Template &as", "Saveas1", QKeySequence("Ctrl+A")},
                          {"&Import Template", "ImportTemplate1", QKeySequence("Ctrl+T")}});
  QMenu* recent = file->addMenu("&Recent Templates");
  recent->menuAction()->setObjectName("Recent1");
  recent->menuAction()->setVisible(false);
  file->addSeparator();
  QAction* quit = file->addAction("&Quit Kitwright");
  quit->setObjectName("Quit1");
  quit->setShortcut(QKeySequence("Ctrl+Q"));
  connect(quit, &QAction::triggered, this, &QWidget::close);

  AddDisabledItems(menuBar()->addMenu("&Tools"), {{"Sal&vage Calculator", "SalvageCalculator1", QKeySequence("Ctrl+M")},
                                                  {"&Item Editor", "ItemEditor1", QKeySequence("Ctrl+E")}});
  QMenu* options = menuBar()->addMenu("&Options");
  AddDisabledItems(options, {{"Start Kitwright &Maximized", "StartMaximized1", QKeySequence("Ctrl+Z")},
                             {"Toggle &Quickbar", "ToggleQuickbar1", QKeySequence("Ctrl+K")},
                             {"Automatically Choose &Weapon Slot", "AutoWeapon1", QKeySequence("Ctrl+Alt+W")},
                             {"Disable Mouse &Hover Switching", "DisableHover1", QKeySequence("Ctrl+W")}});
  QMenu* report = menuBar()->addMenu("&Report");
  report->menuAction()->setObjectName("Report1");
  report->setEnabled(false);
  AddDisabledItems(menuBar()->addMenu("&Help"), {{"&Kitwright Web Site", "WebSite1", QKeySequence("F1")},
                                                 {"&Camelot Herald", "Herald1", QKeySequence("Ctrl+H")}});
}

void GearMain::BuildQuickBar() {
  QToolBar* bar = addToolBar("Quickbar");
  bar->setObjectName("QuickBar");
  bar->setMovable(false);
  const CommandSpec buttons[] = {{"New", "FileNew"},           {"Load", "FileOpen"},
                                 {"Import", "FileImport"},     {"Save", "FileSave"},
                                 {"Save as", "FileSaveAs"},    {"Item editor", "btnItemEdit"},
                                 {"Salvage", "SalvageCalc"},   {"Web site", "imgWebSite"}};
  for (const CommandSpec& button : buttons) {
    QAction* action = bar->addAction(QString::fromUtf8(button.caption));
    action->setObjectName(button.objectName);
    action->setEnabled(false);
  }
}

void GearMain::BuildTabs() {
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName("GearTabs");
  for (const TabSpec& tab : kTabs) {
    auto* page = new QWidget(tabs_);
    page->setObjectName(tab.objectName);
    tabs_->addTab(page, tab.caption);
  }
  // The Welcome page: the help topics (their texts come with the help control).
  auto* welcome = tabs_->widget(0);
  auto* layout = new QVBoxLayout(welcome);
  auto* topics = new QComboBox(welcome);
  topics->setObjectName("HelpBox1");
  for (const char* topic : kHelpTopics) topics->addItem(topic);
  topics->setEnabled(false);
  auto* caption = new QLabel("Choose a topic :", welcome);
  caption->setBuddy(topics);
  layout->addWidget(caption);
  layout->addWidget(topics);
  auto* helpPanel = new QWidget(welcome);
  helpPanel->setObjectName("HelpPanel");
  layout->addWidget(helpPanel, 1);
  // Tabs 2 to 5 stay hidden until the template has a configuration.
  for (int i = 1; i < tabs_->count(); ++i) tabs_->setTabVisible(i, false);
  setCentralWidget(tabs_);
}

void GearMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shownOnce_) return;
  shownOnce_ = true;
  setEnabled(false);
  // Run once the window is up, inside the event loop, so that ending the
  // program from there ends the loop.
  QTimer::singleShot(0, this, &GearMain::RunFirstShow);
}

bool GearMain::LoadVaultWithSplash() {
  splash_->Bar()->setValue(0);
  splash_->Title()->setText(platform::ToQString(kProgramTitleWithVersion));
  splash_->show();
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SplashProgress progress(*splash_);
  progress.ShowStage(kLoadingVaultLabel);
  const VaultLoadResult result =
      LoadMasterVault(RepairMasterVaultPath(paths_.masterVaultPath, paths_.programFolder), vault_, &progress);
  QApplication::restoreOverrideCursor();
  if (result.Ok()) return true;
  splash_->close();
  messages_.Notify(result.Message);
  emit startupFailed(result.ExitCode);
  return false;
}

void GearMain::RunFirstShow() {
  if (!LoadVaultWithSplash()) return;
  tabs_->setCurrentIndex(0);
  startupFile_.clear();
  status_ = TemplateStatus::New;
  setWindowTitle(WindowCaptionWithoutTemplate());
  if (!arguments_.isEmpty()) startupFile_ = arguments_.front();
  setEnabled(true);
  emit startupFinished();
}

}  // namespace davoruzivi::ui
