#include "GMAIN/gear_main.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <optional>

#include "GMAIN/docked_editor.h"
#include "GMAIN/equipment_page_widget.h"
#include "GMAIN/info_panel_widget.h"
#include "GMAIN/planner.h"
#include "GMAIN/report_page_widget.h"
#include "GMAIN/spec_editor_widget.h"
#include "GMAIN/stat_panels_widget.h"
#include "Help/help_texts.h"
#include "RichEdit1/link_text_view.h"
#include "ItemEditor/item_editor_window.h"
#include "Salvo/salvage_dialog.h"
#include "Splash/splash_screen.h"
#include "core/program_identity.h"
#include "core/web_addresses.h"
#include "itemdb/vault_messages.h"
#include "itemdb/vault_reader.h"
#include "platform/confirmation_dialog.h"
#include "platform/message_box.h"
#include "platform/settings_store.h"
#include "platform/qt/qt_file_types.h"
#include "platform/qt/qt_text.h"
#include "platform/web_opener.h"
#include "hints.h"

namespace davoruzivi::ui {
namespace {

using platform::ToModelText;
using platform::ToQString;

// The file commands, in quick-bar order; the File menu lists them in kFileMenuOrder.
enum FileCommand { kNew, kLoad, kImport, kSave, kSaveAs };
struct FileCommandSpec {
  const char* buttonCaption;
  const char* buttonName;
  const char* hint;
  const char* menuCaption;
  const char* menuName;
  const char* shortcut;
};
constexpr FileCommandSpec kFileCommands[] = {
    {"New", "FileNew", "Start a new template", "&New Template", "btnNew", "Ctrl+N"},
    {"Load", "FileOpen", "Load a template", "&Load Template", "btnLoad", "Ctrl+L"},
    {"Import", "FileImport", "Add the items and configurations of another template", "&Import Template",
     "ImportTemplate1", "Ctrl+T"},
    {"Save", "FileSave", "Save the template", "&Save Template", "btnSave", "Ctrl+S"},
    {"Save as", "FileSaveAs", "Save the template under another name", "Save Template &as", "Saveas1", "Ctrl+A"},
};
constexpr FileCommand kFileMenuOrder[] = {kNew, kLoad, kSave, kSaveAs, kImport};

// The place of an item window in the window's lists; None has none.
std::optional<std::size_t> ItemWindowIndex(ItemWindow window) {
  const int index = static_cast<int>(window) - 1;
  if (index < 0 || index > 2) return std::nullopt;
  return static_cast<std::size_t>(index);
}

struct TabSpec {
  const char* caption;
  const char* objectName;
  const char* hint;
};
constexpr TabSpec kTabs[] = {
    {"Welcome", "ConfigManager", nullptr},
    {"Equipment", "EquipManager", nullptr},
    {"Spec Editor", "SpecManager",
     "The spec editor allows you to figure out how to specialize your character for this configuration"},
    {"Report", "ReportManager", nullptr},
    {"Character Notes", "NoteManager", nullptr}};

const QStringList kRealmMenuCaptions = {"Albion", "Hibernia", "Midgard"};
const QStringList kSortingCaptions = {"Name",       "Utility",    "ToA Utility", "Bonus Level",
                                      "Stat Count", "Item Level", "Item Type"};

QStringList ServerMenuCaptions() {
  QStringList captions;
  for (int i = 0; i < kServerTypeCount; ++i) captions << ToQString(ServerTypeMenuCaption(i));
  return captions;
}
constexpr const char* kWeaponChoices[] = {"<Choose Weapons Equipped>", "Right and Left Hands", "Two Handed",
                                          "Ranged / Instrument"};

constexpr std::string_view kRegisteredCaption = "Files Registered";

QAction* AddAction(QMenu* menu, const char* caption, const char* objectName, const QKeySequence& shortcut = {}) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(objectName);
  action->setShortcut(shortcut);
  return action;
}

QComboBox* NumberedBox(const char* objectName, const QString& prefix, int first, int last) {
  auto* box = new QComboBox;
  box->setObjectName(objectName);
  for (int n = first; n <= last; ++n) box->addItem(prefix + QString::number(n));
  return box;
}

void SetCurrent(QComboBox* box, int index) {
  const QSignalBlocker blocker(box);
  box->setCurrentIndex(index);
}

// A box with long entries may be narrower than its longest one; the list it
// opens still shows them whole.
void LetShrink(QComboBox* box) {
  box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  box->setMinimumContentsLength(7);
  box->view()->setTextElideMode(Qt::ElideNone);
}

// Splitter positions as the settings store keeps them: "a,b,c".
std::string SizesText(const QList<int>& sizes) {
  QStringList parts;
  for (int size : sizes) parts << QString::number(size);
  return parts.join(',').toStdString();
}

QList<int> SizesOf(const std::string& text, qsizetype count) {
  QList<int> sizes;
  for (const QString& part : QString::fromStdString(text).split(',')) {
    bool isNumber = false;
    const int size = part.toInt(&isNumber);
    if (!isNumber || size < 0) return {};
    sizes << size;
  }
  return sizes.size() == count ? sizes : QList<int>{};
}

constexpr std::string_view kColumnsSetting = "LayoutColumns";
constexpr std::string_view kStatsColumnSetting = "LayoutStatsColumn";

}  // namespace

GearMain::GearMain(Planner& planner, StartupPaths paths, QStringList arguments, QWidget* parent)
    : QMainWindow(parent),
      planner_(planner),
      paths_(std::move(paths)),
      arguments_(std::move(arguments)),
      splash_(std::make_unique<SplashScreen>()) {
  setObjectName("gearMain");
  setWindowTitle(ToQString(kProgramTitle));
  setMinimumSize(1024, 768);
  info_ = new InfoPanelWidget;
  BuildQuickBar();
  BuildMenus();
  columns_ = new QSplitter(Qt::Horizontal, this);
  columns_->setObjectName("MainColumns");
  columns_->addWidget(BuildCharacterColumn());
  columns_->addWidget(BuildTabs());
  columns_->addWidget(BuildStatsColumn());
  columns_->setStretchFactor(1, 1);
  columns_->setChildrenCollapsible(false);
  setCentralWidget(columns_);
  statusBar()->setObjectName("StatusBar");
  WireModelRefreshes();
  WireLayoutMemory();
  qApp->installEventFilter(this);
}

GearMain::~GearMain() { qApp->removeEventFilter(this); }

// ------------------------------------------------------------------ menus and quick bar

void GearMain::BuildQuickBar() {
  quickBar_ = addToolBar("Quickbar");
  quickBar_->setObjectName("QuickBar");
  quickBar_->setMovable(false);
  const auto add = [this](const char* caption, const char* objectName, const char* hint) {
    QAction* action = quickBar_->addAction(caption);
    action->setObjectName(objectName);
    SetHint(action, hint);
    return action;
  };
  for (int command = kNew; command <= kSaveAs; ++command) {
    const FileCommandSpec& spec = kFileCommands[command];
    QAction* button = add(spec.buttonCaption, spec.buttonName, spec.hint);
    connect(button, &QAction::triggered, this, [this, command] { RunFileCommand(command); });
    fileCommands_[command].button = button;
  }
  quickBar_->addSeparator();
  itemEditorCommands_[0] = add("Item editor", "btnItemEdit", "Edit, add and commit the items of the master vault");
  connect(itemEditorCommands_[0], &QAction::triggered, this, &GearMain::OpenItemEditor);
  QAction* salvage = add("Salvage", "SalvageCalc", "Value raw metals and trinkets");
  connect(salvage, &QAction::triggered, this, &GearMain::OpenSalvageCalculator);
  quickBar_->addSeparator();
  QAction* webSite = add("Web site", "imgWebSite", "Click here to visit the Kitwright web site");
  connect(webSite, &QAction::triggered, this, &GearMain::OpenHomePage);
}

void GearMain::RunFileCommand(int command) {
  TemplateWorkflow& workflow = planner_.workflow;
  switch (command) {
    case kNew: return RunAndRefresh([&workflow] { workflow.NewTemplate(); });
    case kLoad: return RunAndRefresh([this, &workflow] { ReadAndShowEquipment([&workflow] { workflow.Load(); }); });
    case kImport:
      tabs_->setCurrentIndex(static_cast<int>(GearTab::Welcome));
      return RunAndRefresh([this, &workflow] { ReadAndShowEquipment([&workflow] { workflow.Import(); }); });
    case kSave: return RunAndRefresh([&workflow] { workflow.Save(); });
    case kSaveAs: return RunAndRefresh([&workflow] { workflow.SaveAs(); });
  }
}

// A file that was opened, also one whose read failed and left a template
// with configurations (an import's backup), opens on the Equipment tab,
// which refreshes every slot. A cancelled command shows what it showed.
void GearMain::ReadAndShowEquipment(const std::function<void()>& read) {
  const int generation = planner_.workflow.TemplateGeneration();
  read();
  if (planner_.workflow.TemplateGeneration() == generation || planner_.model.Configurations.empty()) return;
  RefreshPages();  // the tab must be visible before it can be shown
  tabs_->setCurrentIndex(static_cast<int>(GearTab::Equipment));
}

void GearMain::BuildMenus() {
  BuildFileMenu();
  QMenu* tools = menuBar()->addMenu("&Tools");
  QAction* salvage = AddAction(tools, "Sal&vage Calculator", "SalvageCalculator1", QKeySequence("Ctrl+M"));
  connect(salvage, &QAction::triggered, this, &GearMain::OpenSalvageCalculator);
  itemEditorCommands_[1] = AddAction(tools, "&Item Editor", "ItemEditor1", QKeySequence("Ctrl+E"));
  connect(itemEditorCommands_[1], &QAction::triggered, this, &GearMain::OpenItemEditor);
  BuildOptionsMenu();
  reportMenu_ = menuBar()->addMenu("&Report");
  reportMenu_->menuAction()->setObjectName("Report1");
  reportMenu_->setEnabled(false);
  BuildHelpMenu();
}

void GearMain::BuildFileMenu() {
  QMenu* file = menuBar()->addMenu("&File");
  for (FileCommand command : kFileMenuOrder) {
    const FileCommandSpec& spec = kFileCommands[command];
    QAction* item = AddAction(file, spec.menuCaption, spec.menuName, QKeySequence(spec.shortcut));
    connect(item, &QAction::triggered, fileCommands_[command].button, &QAction::trigger);
    fileCommands_[command].menuItem = item;
  }
  recentMenu_ = file->addMenu("&Recent Templates");
  recentMenu_->menuAction()->setObjectName("Recent1");
  SetHint(recentMenu_->menuAction(), "Your most recent templates worked on");
  recentMenu_->menuAction()->setVisible(false);
  for (int n = 1; n <= kRecentTemplateCount; ++n) {
    QAction* entry = recentMenu_->addAction(QString("&%1. Nothing").arg(n));
    entry->setObjectName(QString("fn%1").arg(n));
    entry->setShortcut(QKeySequence(QString("Ctrl+%1").arg(n)));
    entry->setVisible(false);
    connect(entry, &QAction::triggered, this, [this, n] { ChooseRecent(n); });
    recentItems_[static_cast<std::size_t>(n - 1)] = entry;
  }
  file->addSeparator();
  QAction* quit = AddAction(file, "&Quit DavoruzivI", "Quit1", QKeySequence("Ctrl+Q"));
  connect(quit, &QAction::triggered, this, &QWidget::close);
}

void GearMain::BuildOptionsMenu() {
  QMenu* options = menuBar()->addMenu("&Options");
  const auto radioMenu = [this, options](const char* caption, const QStringList& items, auto* actions, auto store) {
    QMenu* menu = options->addMenu(caption);
    auto* group = new QActionGroup(menu);
    for (std::size_t i = 0; i < actions->size(); ++i) {
      QAction* item = menu->addAction(items.value(static_cast<qsizetype>(i)));
      item->setCheckable(true);
      group->addAction(item);
      (*actions)[i] = item;
      connect(item, &QAction::triggered, this, [this, i, store] {
        store(planner_.settings, static_cast<int>(i));
        planner_.SaveSettings();
      });
    }
  };
  radioMenu("&Default Server Type", ServerMenuCaptions(), &defaultServers_, [](Settings& s, int i) { s.Server = i; });
  radioMenu("Default Realm", kRealmMenuCaptions, &defaultRealms_, [](Settings& s, int i) { s.Realm = i; });
  radioMenu("Default &Sorting Method", kSortingCaptions, &defaultSortings_,
            [](Settings& s, int i) { s.Sorting = i; });
  defaultSortings_[6]->setVisible(false);  // "Item Type" is not offered
  defaultSortings_[6]->setEnabled(false);

  const auto checkItem = [this, options](const char* caption, const char* objectName, const char* keys,
                                         auto store) {
    QAction* item = AddAction(options, caption, objectName, QKeySequence(keys));
    item->setCheckable(true);
    connect(item, &QAction::triggered, this, [this, store](bool checked) {
      store(checked);
      planner_.SaveSettings();
    });
    return item;
  };
  startMaximized_ = checkItem("Start DavoruzivI &Maximized", "StartMaximized1", "Ctrl+Z",
                              [this](bool on) { planner_.settings.StartMax = on; });
  toggleQuickBar_ = checkItem("Toggle &Quickbar", "ToggleQuickbar1", "Ctrl+K", [this](bool on) {
    planner_.settings.Quickbar = on ? 1 : 0;
    quickBar_->setVisible(on);
  });
  automaticWeapons_ = checkItem("Automatically Choose &Weapon Slot", "AutoWeapon", "Ctrl+Alt+W",
                                [this](bool on) { planner_.settings.WSlot = on; });
  disableHover_ = checkItem("Disable Mouse &Hover Switching", "DisableHover1", "Ctrl+W",
                            [this](bool on) { planner_.settings.Hover = !on; });
  // The menu item stays hidden and off; its shortcut alone reaches the command,
  // for a build that is run from where it was built rather than installed.
  QAction* registerFiles = AddAction(options, "&Register Kitwright Files", "RegisterKitwrightFiles1");
  SetHint(registerFiles, "This option associates Kitwright's files with the program");
  registerFiles->setVisible(false);
  registerFiles->setEnabled(false);
  auto* registerShortcut = new QShortcut(QKeySequence("Ctrl+Alt+R"), this);
  registerShortcut->setObjectName("RegisterKitwrightFilesShortcut");
  connect(registerShortcut, &QShortcut::activated, this, &GearMain::RegisterFileTypes);
}

void GearMain::BuildHelpMenu() {
  QMenu* help = menuBar()->addMenu("&Help");
  const auto link = [this, help](const char* caption, const char* objectName, const char* keys,
                                 std::string_view address) {
    QAction* item = AddAction(help, caption, objectName, QKeySequence(keys));
    connect(item, &QAction::triggered, this, [this, address] { planner_.services.web.Open(address); });
  };
  QAction* homePage = AddAction(help, "&DavoruzivI Web Site", "WebSite1", QKeySequence("F1"));
  connect(homePage, &QAction::triggered, this, &GearMain::OpenHomePage);
  link("&Camelot Herald", "Herald1", "Ctrl+H", web::kNewsSite);
  link("Game &Forums", "Forums1", "Ctrl+P", web::kForum);
}

// ------------------------------------------------------------------ the character column

QWidget* GearMain::BuildCharacterColumn() {
  auto* column = new QWidget;
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->addWidget(BuildCharacterInformation());
  layout->addWidget(BuildConfigurationsManager(), 1);
  layout->addWidget(BuildThisConfiguration());
  return column;
}

QGroupBox* GearMain::BuildCharacterInformation() {
  auto* box = new QGroupBox("Character Information");
  box->setObjectName("CharInfo");
  auto* form = new QFormLayout(box);
  server_ = new QComboBox;
  server_->setObjectName("eServer");
  for (int i = 0; i < kServerTypeCount; ++i) server_->addItem(ToQString(ServerTypeText(i)));
  LetShrink(server_);
  class_ = new QComboBox;
  class_->setObjectName("eClass");
  for (const std::string& entry : ClassList().Entries()) class_->addItem(ToQString(entry));
  LetShrink(class_);
  // Labels above their boxes: the class names show whole in a narrow column.
  form->setRowWrapPolicy(QFormLayout::WrapAllRows);
  form->addRow("Server Type", server_);
  form->addRow("Class Selection", class_);
  connect(server_, &QComboBox::currentIndexChanged, this,
          [this](int i) { RunAndRefresh([this, i] { planner_.workflow.ChangeServer(i); }); });
  connect(class_, &QComboBox::currentIndexChanged, this, [this](int i) {
    RunAndRefresh([this, i] { planner_.workflow.ChangeClass(i); });
    tabs_->setCurrentIndex(static_cast<int>(GearTab::Welcome));
    class_->setFocus();
  });
  return box;
}

QGroupBox* GearMain::BuildConfigurationsManager() {
  manager_ = new QGroupBox;
  manager_->setObjectName("ConfigCount");
  auto* layout = new QVBoxLayout(manager_);
  configList_ = new QListWidget;
  configList_->setObjectName("ConfigList");
  layout->addWidget(configList_, 1);
  auto* buttons = new QHBoxLayout;
  configNew_ = new QPushButton("Begin/New");
  configNew_->setObjectName("ConfigNew");
  configCopy_ = new QPushButton("Copy");
  configCopy_->setObjectName("ConfigCopy");
  configDelete_ = new QPushButton("Delete");
  configDelete_->setObjectName("ConfigDelete");
  for (QPushButton* button : {configNew_, configCopy_, configDelete_}) {
    // As narrow as their captions allow, so the column stays narrow.
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
    buttons->addWidget(button);
  }
  layout->addLayout(buttons);
  connect(configList_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) RunAndRefresh([this, row] { planner_.workflow.SelectConfiguration(row, true); });
  });
  connect(configNew_, &QPushButton::clicked, this, [this] {
    RunAndRefresh([this] { planner_.workflow.NewConfiguration(); });
  });
  connect(configCopy_, &QPushButton::clicked, this,
          [this] { RunAndRefresh([this] { planner_.workflow.CopyConfiguration(); }); });
  connect(configDelete_, &QPushButton::clicked, this,
          [this] { RunAndRefresh([this] { planner_.workflow.DeleteConfiguration(); }); });
  return manager_;
}

QGroupBox* GearMain::BuildThisConfiguration() {
  thisConfiguration_ = new QGroupBox("This Configuration");
  thisConfiguration_->setObjectName("ConfigBox");
  auto* form = new QFormLayout(thisConfiguration_);
  name_ = new QLineEdit;
  name_->setObjectName("eName");
  name_->setMaxLength(100);
  level_ = NumberedBox("eLV", "", 1, kMaxLevel);
  champion_ = NumberedBox("ChLevel", "CL", 0, 15);
  realmRank_ = NumberedBox("cbRR", "RR", 1, 13);
  race_ = new QComboBox;
  race_->setObjectName("cbRace");
  weapons_ = new QComboBox;
  weapons_->setObjectName("rWepType");
  for (const char* choice : kWeaponChoices) weapons_->addItem(choice);
  for (QComboBox* box : {level_, champion_, realmRank_, race_, weapons_}) LetShrink(box);
  form->addRow("Config Name", name_);
  form->addRow("Level", level_);
  form->addRow("Champ", champion_);
  form->addRow("Realm Rank", realmRank_);
  form->addRow("Race", race_);
  // The longest label and the longest choices stand on rows of their own, so
  // the other fields, and the choices, show whole in a narrow column.
  auto* weaponsLabel = new QLabel("Equipped Weapons :");
  weaponsLabel->setBuddy(weapons_);
  form->addRow(weaponsLabel);
  form->addRow(weapons_);

  connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
    RunAndRefresh([this, text] { planner_.workflow.RenameConfiguration(ToModelText(text)); });
  });
  connect(level_, &QComboBox::currentIndexChanged, this,
          [this](int i) { RunAndRefresh([this, i] { planner_.workflow.ChangeLevel(i + 1, true); }); });
  connect(champion_, &QComboBox::currentIndexChanged, this,
          [this](int i) { RunAndRefresh([this, i] { planner_.workflow.ChangeChampionLevel(i); }); });
  connect(realmRank_, &QComboBox::currentIndexChanged, this,
          [this](int i) { RunAndRefresh([this, i] { planner_.workflow.ChangeRealmRank(i); }); });
  connect(race_, &QComboBox::currentTextChanged, this, [this](const QString& text) {
    RunAndRefresh([this, text] { planner_.workflow.ChangeRace(ToModelText(text)); });
  });
  connect(weapons_, &QComboBox::currentIndexChanged, this, [this](int i) {
    RunAndRefresh([this, i] { planner_.workflow.ChangeWeapons(i); });
    if (tabs_->currentIndex() == static_cast<int>(GearTab::Report)) weapons_->setFocus();
  });
  return thisConfiguration_;
}

// ------------------------------------------------------------------ the tab area and the stats column

QWidget* GearMain::BuildTabs() {
  centre_ = new QStackedWidget;
  tabs_ = new QTabWidget;
  tabs_->setObjectName("GearTabs");
  equipment_ = new EquipmentPageWidget(planner_, *info_);
  specEditor_ = new SpecEditorWidget(planner_);
  report_ = new ReportPageWidget(planner_);
  QWidget* pages[] = {BuildWelcomePage(), equipment_, specEditor_, report_, BuildNotesPage()};
  for (std::size_t i = 0; i < std::size(kTabs); ++i) {
    auto* page = new QWidget;
    page->setObjectName(kTabs[i].objectName);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pages[i]);
    tabs_->addTab(page, kTabs[i].caption);
    if (kTabs[i].hint) {
      tabs_->setTabToolTip(static_cast<int>(i), kTabs[i].hint);
      page->setStatusTip(kTabs[i].hint);  // a tab itself has no status tip
    }
  }
  // Every tab caption shows whole: the tab area is never narrower than its tabs.
  tabs_->tabBar()->setUsesScrollButtons(false);
  tabs_->tabBar()->setElideMode(Qt::ElideNone);
  tabs_->ensurePolished();
  tabs_->setMinimumWidth(tabs_->tabBar()->sizeHint().width() + 2 * tabs_->style()->pixelMetric(QStyle::PM_TabBarBaseOverlap));
  report_->PopulateMenu(reportMenu_);
  connect(tabs_, &QTabWidget::currentChanged, this, &GearMain::TabChanged);
  centre_->addWidget(tabs_);
  return centre_;
}

QWidget* GearMain::BuildWelcomePage() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  helpTopics_ = new QComboBox;
  helpTopics_->setObjectName("HelpBox1");
  helpTopics_->addItems(HelpTopicNames());
  auto* caption = new QLabel("Choose a topic :");
  caption->setBuddy(helpTopics_);
  help_ = new LinkTextView(planner_.services.web);
  help_->setObjectName("HelpPanel");
  layout->addWidget(caption);
  layout->addWidget(helpTopics_);
  layout->addWidget(help_, 1);
  connect(helpTopics_, &QComboBox::currentIndexChanged, this, &GearMain::ShowHelpTopic);
  return page;
}

QWidget* GearMain::BuildNotesPage() {
  notes_ = new QPlainTextEdit;
  notes_->setObjectName("CharNotes");
  notes_->setTabChangesFocus(false);
  connect(notes_, &QPlainTextEdit::textChanged, this, [this] {
    if (refreshing_) return;
    std::vector<std::string> lines;
    for (const QString& line : notes_->toPlainText().split('\n')) lines.push_back(ToModelText(line));
    planner_.workflow.EditNotes(std::move(lines));
    RefreshFileCommands();
  });
  return notes_;
}

// The stat lists scroll together, each as tall as its rows; the information
// panel below starts at its least height, and the user's split is kept.
QWidget* GearMain::BuildStatsColumn() {
  stats_ = new StatPanelsWidget(planner_, *info_);
  auto* scroller = new QScrollArea;
  scroller->setObjectName("StatScroller");
  scroller->setWidget(stats_);
  scroller->setWidgetResizable(true);
  scroller->setFrameShape(QFrame::NoFrame);
  scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroller->setMinimumWidth(stats_->minimumSizeHint().width() + scroller->verticalScrollBar()->sizeHint().width());
  statsColumn_ = new QSplitter(Qt::Vertical);
  statsColumn_->setObjectName("StatsColumn");
  statsColumn_->addWidget(scroller);
  statsColumn_->addWidget(info_);
  statsColumn_->setStretchFactor(0, 3);
  statsColumn_->setStretchFactor(1, 2);
  statsColumn_->setChildrenCollapsible(false);
  return statsColumn_;
}

// Where the user left the splitters is where they stand at the next start.
void GearMain::WireLayoutMemory() {
  layoutSaver_ = new QTimer(this);
  layoutSaver_->setSingleShot(true);
  layoutSaver_->setInterval(400);
  connect(layoutSaver_, &QTimer::timeout, this, &GearMain::SaveLayout);
  for (QSplitter* splitter : {columns_, statsColumn_})
    connect(splitter, &QSplitter::splitterMoved, layoutSaver_, qOverload<>(&QTimer::start));
}

void GearMain::SaveLayout() {
  layoutSaver_->stop();
  planner_.services.settingsStore.WriteAll({{std::string(kColumnsSetting), SizesText(columns_->sizes())},
                                            {std::string(kStatsColumnSetting), SizesText(statsColumn_->sizes())}});
}

void GearMain::RestoreLayout() {
  platform::SettingsStore& store = planner_.services.settingsStore;
  const QList<int> columns = SizesOf(store.ReadText(kColumnsSetting).value_or(""), 3);
  const QList<int> statsColumn = SizesOf(store.ReadText(kStatsColumnSetting).value_or(""), 2);
  if (!columns.isEmpty()) {
    columns_->setSizes(columns);
  } else {
    // The side columns at the width their contents ask for, the tabs the rest.
    const int side = columns_->widget(0)->minimumSizeHint().width() + 40;
    const int stats = std::max(statsColumn_->minimumSizeHint().width(),
                               stats_->WholeLabelsWidth() + QScrollBar().sizeHint().width());
    columns_->setSizes({side, std::max(0, columns_->width() - side - stats), stats});
  }
  if (!statsColumn.isEmpty()) statsColumn_->setSizes(statsColumn);
  else statsColumn_->setSizes({statsColumn_->height() - info_->minimumSizeHint().height(), info_->minimumSizeHint().height()});
}

void GearMain::WireModelRefreshes() {
  connect(equipment_, &EquipmentPageWidget::modelChanged, this, &GearMain::RefreshAll);
  connect(equipment_, &EquipmentPageWidget::itemWindowRequested, this, &GearMain::OpenItemWindow);
  connect(specEditor_, &SpecEditorWidget::modelChanged, this, &GearMain::RefreshAll);
  connect(report_, &ReportPageWidget::modelChanged, this, &GearMain::RefreshAll);
  connect(stats_, &StatPanelsWidget::modelChanged, this, &GearMain::RefreshAll);
}

// ------------------------------------------------------------------ start-up

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
  splash_->Title()->setText(ToQString(kProgramTitleWithVersion));
  splash_->show();
  planner_.settings.Quickbar = 255;  // the quick bar shows at every start
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  SplashProgress progress(*splash_);
  progress.ShowStage(kLoadingVaultLabel);
  const std::filesystem::path masterVaultPath = RepairMasterVaultPath(paths_.masterVaultPath, paths_.programFolder);
  planner_.dazizuvoror.SetMasterVaultPath(masterVaultPath);
  const VaultLoadResult result = LoadMasterVault(masterVaultPath, planner_.vault, &progress);
  QApplication::restoreOverrideCursor();
  if (result.Ok()) return true;
  splash_->close();
  planner_.services.messages.Notify(result.Message);
  emit startupFailed(result.ExitCode);
  return false;
}

void GearMain::ApplySettingsToMenus() {
  Settings& settings = planner_.settings;
  toggleQuickBar_->setChecked(settings.Quickbar != 0);
  quickBar_->setVisible(settings.Quickbar != 0);
  planner_.SaveSettings();
  startMaximized_->setChecked(settings.StartMax);
  automaticWeapons_->setChecked(settings.WSlot);
  disableHover_->setChecked(!settings.Hover);
  const auto check = [](auto& items, int index) {
    if (index >= 0 && index < static_cast<int>(items.size())) items[static_cast<std::size_t>(index)]->setChecked(true);
  };
  check(defaultServers_, settings.Server);
  check(defaultRealms_, settings.Realm);
  check(defaultSortings_, settings.Sorting);
  report_->ShowOptionChecks();
  RefreshRecentMenu();
}

void GearMain::RunFirstShow() {
  if (!LoadVaultWithSplash()) return;
  tabs_->setCurrentIndex(static_cast<int>(GearTab::Welcome));
  startupFile_.clear();
  planner_.workflow.SetStatus(TemplateStatus::New);
  planner_.workflow.NewTemplate();
  planner_.workflow.ShowStartupCaption();
  info_->Forget();
  planner_.model.CurrentSlot = 0;
  ShowHelpTopic(0);
  if (!arguments_.isEmpty()) startupFile_ = arguments_.front();
  ApplySettingsToMenus();
  planner_.filterLists = CopyFilterLists(planner_.vault.Vocabularies());
  if (planner_.settings.StartMax) setWindowState(windowState() | Qt::WindowMaximized);
  RestoreLayout();
  const std::filesystem::path startup = startupFile_.toStdString();
  std::error_code ec;
  if (!startupFile_.isEmpty() && std::filesystem::exists(startup, ec)) {
    ReadAndShowEquipment([this, &startup] { planner_.workflow.Load(startup); });
    startupFile_.clear();
  }
  RefreshAll();
  setEnabled(true);
  emit startupFinished();
}

// ------------------------------------------------------------------ commands

// A command of the window: afterwards every page shows the template as it now
// is. A page that showed another template or configuration is rebuilt the way
// showing its tab rebuilds it, so no list of a template that is gone can ever
// store a reference; the information panel forgets an item of that template.
void GearMain::RunAndRefresh(const std::function<void()>& command) {
  if (refreshing_) return;
  const ShownTemplate before = ShownTemplateNow();
  command();
  if (ShownTemplateNow() != before && !stats_->ShowsContributors()) info_->Forget();
  RefreshShownTab();
  RefreshAll();
}

GearMain::ShownTemplate GearMain::ShownTemplateNow() const {
  return {planner_.workflow.TemplateGeneration(), planner_.model.CurrentConfiguration};
}

void GearMain::ChooseRecent(int n) {
  if (SubWindowOpen()) return;
  RunAndRefresh([this, n] { ReadAndShowEquipment([this, n] { planner_.workflow.ChooseRecent(n); }); });
}

// The tab change: a page that is shown is rebuilt from the current configuration.
void GearMain::TabChanged(int index) {
  reportMenu_->setEnabled(index == static_cast<int>(GearTab::Report));
  if (refreshing_) return;
  RefreshShownTab();
  RefreshAll();
}

void GearMain::RefreshShownTab() {
  switch (static_cast<GearTab>(tabs_->currentIndex())) {
    case GearTab::Equipment: equipment_->RefreshAllSlots(); break;
    case GearTab::SpecEditor: specEditor_->Refresh(); break;
    case GearTab::Report: report_->Compose(); break;
    default: break;
  }
}

void GearMain::OpenHomePage() { planner_.services.web.Open(web::HomePageAddress(planner_.programFolder)); }

QMenu* GearMain::createPopupMenu() {
  // No menu of the bars' own: the quick bar is shown and hidden by its option alone.
  return nullptr;
}

void GearMain::ShowHelpTopic(int topic) {
  help_->hide();
  help_->ShowText(HelpText(static_cast<HelpTopic>(std::clamp(topic, 0, kHelpTopicCount - 1))));
  help_->show();
}

void GearMain::ProvideItemWindow(ItemWindow window, ItemWindowMaker maker) {
  const auto index = ItemWindowIndex(window);
  if (!index) return;
  const bool available = static_cast<bool>(maker);
  itemWindowMakers_[*index] = std::move(maker);
  equipment_->SetItemWindowAvailable(window, available);
}

void GearMain::OpenItemWindow(ItemWindow window) {
  const auto found = ItemWindowIndex(window);
  if (!found || SubWindowOpen() || !itemWindowMakers_[*found]) return;
  const std::size_t index = *found;
  planner_.page.PrepareFor(window);
  DockedEditor*& editor = itemWindows_[index];
  if (!editor) {
    editor = itemWindowMakers_[index]();
    centre_->addWidget(editor);
    connect(editor, &DockedEditor::finished, this, &GearMain::CloseItemWindow);
    connect(editor, &DockedEditor::modelChanged, this, &GearMain::RefreshAll);
    connect(editor, &DockedEditor::statusMessage, this, [this](const QString& text) {
      statusBar()->showMessage(text);
      QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    connect(editor, &DockedEditor::manualEditRequested, this, &GearMain::OpenManualEdit);
  }
  openEditor_ = window;
  stats_->SetSubWindowOpen(true);
  centre_->setCurrentWidget(editor);
  RefreshAll();
}

void GearMain::OpenManualEdit(int vaultPosition) {
  CloseItemWindow();
  OpenItemWindow(ItemWindow::InlineEditor);
  if (openEditor_ == ItemWindow::InlineEditor)
    itemWindows_[*ItemWindowIndex(ItemWindow::InlineEditor)]->GrabVaultItem(vaultPosition);
}

void GearMain::CloseItemWindow() {
  if (!SubWindowOpen()) return;
  openEditor_ = ItemWindow::None;
  stats_->SetSubWindowOpen(false);
  centre_->setCurrentWidget(tabs_);
  // What the window equipped shows on the page, and the totals follow.
  equipment_->RefreshAllSlots();
  RefreshAll();
}

void GearMain::OpenSalvageCalculator() {
  SalvageDialog salvage(this);
  salvage.SetHoverFocus(planner_.settings.Hover);
  salvage.exec();
}

// The item editor changes the vault, its vocabularies and with them the
// filter lists; every page shows the template's vault items as they now are.
// Editing the vault leaves the template as it was saved.
void GearMain::OpenItemEditor() {
  if (SubWindowOpen()) return;
  if (!itemEditor_) itemEditor_ = new ItemEditorWindow(planner_, this);
  itemEditor_->Run();
  planner_.filterLists = CopyFilterLists(planner_.vault.Vocabularies());
  planner_.workflow.Recalculate(TemplateWorkflow::Change::None);
  equipment_->RefreshAllSlots();
  RefreshAll();
}

void GearMain::RegisterFileTypes() {
  planner_.services.messages.Show(platform::RegisterFileTypes(QCoreApplication::applicationFilePath()),
                                  kRegisteredCaption);
}

bool GearMain::CanClose() {
  const bool closing = planner_.workflow.ConfirmClose();
  RefreshAll();
  return closing;
}

void GearMain::closeEvent(QCloseEvent* event) {
  if (SubWindowOpen()) {
    itemWindows_[*ItemWindowIndex(openEditor_)]->Done();  // a window is open
    event->ignore();
    return;
  }
  if (!CanClose()) {
    event->ignore();
    return;
  }
  if (layoutSaver_->isActive()) SaveLayout();
  event->accept();
}

bool GearMain::eventFilter(QObject* watched, QEvent* event) {
  // While hover focus is on, a control takes the keyboard focus as the mouse enters it.
  if (event->type() == QEvent::Enter && planner_.settings.Hover) {
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget && widget->window() == this) FocusOnEnter(widget, event);
  }
  return QMainWindow::eventFilter(watched, event);
}

// ------------------------------------------------------------------ refreshing

void GearMain::RefreshAll() {
  if (refreshing_) return;
  refreshing_ = true;
  setWindowTitle(ToQString(planner_.workflow.Caption()));
  RefreshFileCommands();
  RefreshRecentMenu();
  RefreshCharacterColumn();
  RefreshConfigurationFields();
  RefreshNotes();
  RefreshPages();
  refreshing_ = false;
  if (SubWindowOpen()) itemWindows_[*ItemWindowIndex(openEditor_)]->FollowTemplate();
}

void GearMain::RefreshFileCommands() {
  const TemplateStatus status = planner_.workflow.Status();
  const bool on = status != TemplateStatus::Off && !SubWindowOpen();
  const bool hasSomething = status == TemplateStatus::Saved || status == TemplateStatus::Modified;
  const auto enable = [this](FileCommand command, bool enabled) {
    fileCommands_[command].button->setEnabled(enabled);
    fileCommands_[command].menuItem->setEnabled(enabled);
  };
  enable(kNew, on);
  enable(kLoad, on);
  enable(kImport, on && hasSomething);
  enable(kSaveAs, on && hasSomething);
  enable(kSave, on && status == TemplateStatus::Modified);
  recentMenu_->setEnabled(on);
  // A docked item window holds vault positions and names of its own.
  for (QAction* command : itemEditorCommands_) command->setEnabled(!SubWindowOpen());
}

// Only entries that name a file are shown, and the menu only while there is
// one. File names are the system's texts, not the model's.
void GearMain::RefreshRecentMenu() {
  RecentTemplates& recent = planner_.workflow.Recent();
  for (int n = 1; n <= kRecentTemplateCount; ++n) {
    QAction* entry = recentItems_[static_cast<std::size_t>(n - 1)];
    const bool used = !recent.File(n).empty();
    entry->setVisible(used);
    entry->setEnabled(!SubWindowOpen());  // opening a template under a docked item window would pull its items away
    if (used) entry->setText(QString::fromStdString(recent.Caption(n)));
  }
  recentMenu_->menuAction()->setVisible(!recent.File(1).empty());
}

void GearMain::RefreshCharacterColumn() {
  const Template& model = planner_.model;
  SetCurrent(server_, model.ServerIndex);
  SetCurrent(class_, model.ClassIndex);
  const bool editable = planner_.workflow.ClassAndServerEditable() && !SubWindowOpen();
  server_->setEnabled(editable);
  class_->setEnabled(editable);
  manager_->setTitle(ToQString(planner_.workflow.ConfigurationCountCaption()));
  manager_->setEnabled(!SubWindowOpen());
  const QSignalBlocker blocker(configList_);
  configList_->clear();
  for (const Configuration& configuration : model.Configurations) configList_->addItem(ToQString(configuration.Name));
  configList_->setCurrentRow(model.CurrentConfiguration);
  configNew_->setEnabled(planner_.workflow.CanAddConfiguration());
  configCopy_->setEnabled(model.Current() && planner_.workflow.CanAddConfiguration());
  configDelete_->setEnabled(model.Current() && planner_.workflow.CanDeleteConfiguration());
}

void GearMain::RefreshConfigurationFields() {
  const Configuration* current = planner_.model.Current();
  thisConfiguration_->setEnabled(current != nullptr);
  {
    const QSignalBlocker blocker(race_);
    race_->clear();
    for (std::string_view race : planner_.workflow.Class().Races) race_->addItem(ToQString(race));
    race_->setCurrentIndex(race_->findText(ToQString(planner_.workflow.ShownRace()), Qt::MatchExactly));
  }
  if (!current) {
    const QSignalBlocker blocker(name_);
    name_->setText("No configurations");
    SetCurrent(level_, kMaxLevel - 1);
    SetCurrent(champion_, 0);
    SetCurrent(realmRank_, 0);
    SetCurrent(weapons_, 0);
    return;
  }
  if (name_->text() != ToQString(current->Name)) {
    const QSignalBlocker blocker(name_);
    name_->setText(ToQString(current->Name));
    name_->setCursorPosition(0);  // a long name shows its beginning
  }
  SetCurrent(level_, current->Level - 1);
  SetCurrent(champion_, current->ChampionLevel);
  champion_->setEnabled(planner_.workflow.ChampionLevelEditable());
  SetCurrent(realmRank_, current->RealmRank);
  SetCurrent(weapons_, current->WeaponsEquipped);
}

void GearMain::RefreshNotes() {
  QStringList lines;
  for (const std::string& line : planner_.model.Notes) lines << ToQString(line);
  const QString text = lines.join('\n');
  if (notes_->toPlainText() != text) notes_->setPlainText(text);
}

void GearMain::RefreshPages() {
  const bool hasConfiguration = !planner_.model.Configurations.empty();
  for (int i = 1; i < tabs_->count(); ++i) tabs_->setTabVisible(i, hasConfiguration);

  stats_->setEnabled(hasConfiguration);
  stats_->Refresh();
  equipment_->Refresh();
  if (tabs_->currentIndex() == static_cast<int>(GearTab::Report)) report_->Compose();
}

}  // namespace davoruzivi::ui
