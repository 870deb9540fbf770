#include "Vlt/dazizuvoror_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "GMAIN/planner.h"
#include "VaultLoad/item_filters_widget.h"
#include "combo_lists.h"
#include "hints.h"
#include "itemdb/dazizuvoror.h"
#include "itemdb/item_filters.h"
#include "name_list_model.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

using platform::ToModelText;
using platform::ToQString;

constexpr const char* kStatFilterHints[kStatFilterCount] = {"Stat Filter", "Stat Filter 2", "Stat Filter 3",
                                                            "Stat Filter 4", "Stat Filter 5"};

}  // namespace

DazizuvororWindow::DazizuvororWindow(Planner& planner, QWidget* parent)
    : QDialog(parent), planner_(planner), model_(planner.dazizuvoror) {
  setObjectName("Vault");
  setWindowTitle(ToQString(model_.Caption()));
  auto* columns = new QHBoxLayout;
  columns->addWidget(BuildListing(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildFilters());
  right->addWidget(BuildStatFilters());
  right->addWidget(BuildOptions());
  right->addStretch(1);
  right->addWidget(BuildButtons());
  columns->addLayout(right);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(BuildMenu());
  layout->addLayout(columns);
  WatchHover();
}

// ------------------------------------------------------------------ building

QMenuBar* DazizuvororWindow::BuildMenu() {
  auto* bar = new QMenuBar(this);
  QMenu* tools = bar->addMenu("&Tools");
  tools->addAction("&Import KWZ/KWX/KWI", this, [this] { RunFileCommand(&Dazizuvoror::ImportItemFile); })
      ->setObjectName("ImportItem");
  tools->addAction("Import KW&J", this, [this] { RunFileCommand(&Dazizuvoror::ImportItemList); })
      ->setObjectName("ImportList");
  tools->addAction("&Export KWX", this, [this] { model_.ExportItem(SelectedEntry()); })->setObjectName("ExportItem");
  tools->addSeparator();
  tools->addAction("E&xit", this, &QDialog::accept)->setObjectName("ExitVault");
  return bar;
}

QWidget* DazizuvororWindow::BuildListing() {
  auto* group = new QGroupBox("&Query Listing", this);
  const VaultQueryResult& result = model_.Result();
  names_ = new NameListModel(
      [&result] { return static_cast<int>(result.Size()); },
      [&result](int row) { return std::string_view(result.names[static_cast<std::size_t>(row)]); }, this);
  list_ = new QListView(group);
  list_->setObjectName("IDNames");
  list_->setModel(names_);
  list_->setUniformItemSizes(true);
  list_->setMinimumWidth(220);
  list_->installEventFilter(this);
  connect(list_, &QListView::doubleClicked, this, [this](const QModelIndex& index) { Choose(index.row()); });
  // The list always has an entry selected while it has any.
  connect(list_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
    if (!list_->selectionModel()->hasSelection() && names_->rowCount() > 0) SelectEntry(0);
  });
  auto* getName = new QPushButton("&Get Item Name (Transfers to Name Filter)", group);
  getName->setObjectName("btnGetName");
  connect(getName, &QPushButton::clicked, this, [this] {
    model_.TakeItemName(SelectedEntry());
    ShowSettings();
  });
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(list_, 1);
  layout->addWidget(getName);
  return group;
}

QComboBox* DazizuvororWindow::AddFilter(const char* objectName, const char* hint, int VaultQuerySettings::*setting,
                                        std::function<QStringList()> entries) {
  QComboBox* combo = NewNarrowCombo(objectName, this, 14);
  if (hint) SetHint(combo, hint);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, setting](int index) {
    if (!showing_) model_.Settings().*setting = index;
  });
  filters_.push_back({combo, setting, std::move(entries)});
  return combo;
}

QWidget* DazizuvororWindow::BuildFilters() {
  auto* group = new QGroupBox("&Filters", this);
  nameFilter_ = new QLineEdit(group);
  nameFilter_->setObjectName("NameFilter");
  nameFilter_->setMaxLength(static_cast<int>(kNameFilterLength));
  nameFilter_->setPlaceholderText("Item name");
  SetHint(nameFilter_, "Type a name to search the database by keyword");
  connect(nameFilter_, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.SetName(ToModelText(text)); });

  const ItemVocabularies& vocabularies = planner_.vault.Vocabularies();
  const auto twin = [&vocabularies](const TwinnedVocabulary ItemVocabularies::*list) {
    return [&vocabularies, list] { return TextsOf((vocabularies.*list).Filter()); };
  };
  const auto fixed = [](std::span<const std::string_view> list) { return [list] { return TextsOf(list); }; };
  auto* grid = new QGridLayout;
  const auto place = [grid](QWidget* widget, int row, int column) { grid->addWidget(widget, row, column); };
  place(AddFilter("ITypeFilter", "Item Type Filter", &VaultQuerySettings::itemType, twin(&ItemVocabularies::ItemTypes)),
        0, 0);
  place(AddFilter("SlotFilter", "Slot Filter", &VaultQuerySettings::slot, fixed(SlotFilterList())), 0, 1);
  place(AddFilter("ExpansionFilter", "Expansion Filter", &VaultQuerySettings::expansion,
                  twin(&ItemVocabularies::Expansions)),
        1, 0);
  place(AddFilter("RealmFilter", "Realm Filter", &VaultQuerySettings::realm, fixed(RealmFilterList())), 1, 1);
  place(AddFilter("ClassFilter", "Class Use Filter", &VaultQuerySettings::classFilter,
                  [] { return TextsOf(std::span<const std::string>(ClassFilterList())); }),
        2, 0);
  place(AddFilter("FilterServer", "Server Type Filter", &VaultQuerySettings::server, fixed(ServerFilterList())), 2, 1);
  place(AddFilter("ProcFilter", nullptr, &VaultQuerySettings::effect, twin(&ItemVocabularies::Effects)), 3, 0);
  place(AddFilter("QualFilter", nullptr, &VaultQuerySettings::quality, fixed(QualityFilterList())), 3, 1);
  place(AddFilter("armorfilter", nullptr, &VaultQuerySettings::absorb, [] { return TextsOf(ArmourFilterList()); }), 4,
        0);
  place(AddFilter("weaponfilter", nullptr, &VaultQuerySettings::weaponType, twin(&ItemVocabularies::WeaponTypes)), 4,
        1);
  place(AddFilter("SourceFilter", nullptr, &VaultQuerySettings::source, twin(&ItemVocabularies::Sources)), 5, 0);

  auto* levels = new QGroupBox("Min / Max", group);
  auto* levelRow = new QHBoxLayout(levels);
  for (auto [name, setting] : {std::pair{"MinLVFilter", &VaultQuerySettings::minimumLevel},
                               std::pair{"MaxLVFilter", &VaultQuerySettings::maximumLevel}}) {
    QComboBox* bound = AddFilter(name, "Level Filter", setting, fixed(LevelFilterList()));
    bound->setMinimumContentsLength(3);
    levelRow->addWidget(bound);
  }
  place(levels, 5, 1);

  auto* layout = new QVBoxLayout(group);
  layout->addWidget(nameFilter_);
  layout->addLayout(grid);
  return group;
}

QWidget* DazizuvororWindow::BuildStatFilters() {
  auto* group = new QGroupBox("Stat Filters", this);
  auto* grid = new QGridLayout(group);
  for (int n = 0; n < kStatFilterCount; ++n) {
    QComboBox* stat = NewNarrowCombo(QString("SFilter%1").arg(n + 1), group, 18);
    SetHint(stat, kStatFilterHints[n]);
    connect(stat, &QComboBox::currentIndexChanged, this, [this, n](int index) {
      if (!showing_) model_.Settings().stats[static_cast<std::size_t>(n)].stat = index;
    });
    auto* amount = new StatAmountField(kBonusAmountBound, group);
    amount->setObjectName(QString("stat%1amt").arg(n + 1));
    connect(amount, &StatAmountField::amountChanged, this,
            [this, n](const QString& text) { model_.SetStatAmount(n, ToModelText(text)); });
    statFilters_[static_cast<std::size_t>(n)] = stat;
    statAmounts_[static_cast<std::size_t>(n)] = amount;
    grid->addWidget(stat, n, 0);
    grid->addWidget(amount, n, 1);
  }
  grid->setColumnStretch(0, 1);
  return group;
}

QWidget* DazizuvororWindow::BuildOptions() {
  auto* group = new QGroupBox("Boolean Options", this);
  const auto add = [this, group](const char* name, const char* caption, bool VaultQuerySettings::*setting) {
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [this, setting](bool on) {
      if (!showing_) model_.Settings().*setting = on;
    });
    return box;
  };
  verified_ = add("cVerified", "&Verified Only", &VaultQuerySettings::verifiedOnly);
  unverified_ = add("UnverifiedOnly", "Show only &Unverified Items", &VaultQuerySettings::unverifiedOnly);
  hideQuestionMarks_ = add("HideQs", "Hide ?'s", &VaultQuerySettings::hideQuestionMarks);
  auto* layout = new QVBoxLayout(group);
  for (QCheckBox* box : {verified_, unverified_, hideQuestionMarks_}) layout->addWidget(box);
  return group;
}

QWidget* DazizuvororWindow::BuildButtons() {
  auto* buttons = new QWidget(this);
  run_ = new QPushButton("&Run Query", buttons);
  run_->setObjectName("btnGo");
  connect(run_, &QPushButton::clicked, this, &DazizuvororWindow::RunQuery);
  auto* clear = new QPushButton("&Clear All Filters", buttons);
  clear->setObjectName("btnUnfilter");
  connect(clear, &QPushButton::clicked, this, &DazizuvororWindow::ClearAllFilters);
  auto* commit = new QPushButton("Commit Vault Changes", buttons);
  commit->setObjectName("btnCommit");
  connect(commit, &QPushButton::clicked, this, [this] { model_.Commit(); });
  auto* layout = new QHBoxLayout(buttons);
  layout->setContentsMargins(0, 0, 0, 0);
  for (QPushButton* button : {run_, clear, commit}) layout->addWidget(button);
  return buttons;
}

// With hover focus on, every control takes the focus as the mouse enters it.
void DazizuvororWindow::WatchHover() {
  for (QWidget* widget : findChildren<QWidget*>()) widget->installEventFilter(this);
}

// ------------------------------------------------------------------ showing

void DazizuvororWindow::ShowLists() {
  showing_ = true;
  for (const FilterBox& filter : filters_) ShowEntries(*filter.combo, filter.entries());
  const QStringList stats = TextsOf(std::span<const std::string>(CatalogueStatFilterList()));
  for (QComboBox* stat : statFilters_) ShowEntries(*stat, stats);
  showing_ = false;
}

void DazizuvororWindow::ShowSettings() {
  showing_ = true;
  const VaultQuerySettings& settings = model_.Settings();
  if (nameFilter_->text() != ToQString(settings.name.View())) nameFilter_->setText(ToQString(settings.name.View()));
  for (const FilterBox& filter : filters_) ShowIndex(*filter.combo, settings.*filter.setting);
  for (std::size_t n = 0; n < statFilters_.size(); ++n) {
    ShowIndex(*statFilters_[n], settings.stats[n].stat);
    statAmounts_[n]->ShowAmount(ToQString(settings.stats[n].minimumAmount));
  }
  verified_->setChecked(settings.verifiedOnly);
  unverified_->setChecked(settings.unverifiedOnly);
  hideQuestionMarks_->setChecked(settings.hideQuestionMarks);
  showing_ = false;
}

// The result anew with an entry selected and scrolled to the top of the list.
void DazizuvororWindow::ShowResult(int selectedEntry) {
  names_->Change();
  setWindowTitle(ToQString(model_.Caption()));
  SelectEntry(selectedEntry);
}

void DazizuvororWindow::SelectEntry(int entry) {
  if (entry < 0 || entry >= names_->rowCount()) {
    list_->clearSelection();
    return;
  }
  const QModelIndex index = names_->index(entry);
  list_->setCurrentIndex(index);
  list_->scrollTo(index, QAbstractItemView::PositionAtTop);
}

int DazizuvororWindow::SelectedEntry() const {
  const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.front().row();
}

void DazizuvororWindow::Run() {
  if (screen()) resize(sizeHint().boundedTo(screen()->availableSize()));
  ShowLists();
  ShowSettings();
  ShowResult(model_.Show());
  nameFilter_->setFocus();
  run_->setDefault(true);
  exec();
}

void DazizuvororWindow::done(int result) {
  model_.Close(SelectedEntry());
  QDialog::done(result);
}

// ------------------------------------------------------------------ commands

void DazizuvororWindow::RunQuery() {
  model_.RunQuery();
  ShowResult(0);
}

void DazizuvororWindow::ClearAllFilters() {
  const int entry = model_.ClearAllFilters(SelectedEntry());
  ShowSettings();
  ShowResult(entry);
  nameFilter_->setFocus();
  run_->setDefault(true);
}

void DazizuvororWindow::RunFileCommand(bool (Dazizuvoror::*command)()) {
  const int entry = SelectedEntry();
  if (!(model_.*command)()) return;
  ShowLists();  // an import may bring new names into the vocabularies
  ShowSettings();
  ShowResult(std::max(entry, 0));
}

// A double-click picks the entry for the item editor.
void DazizuvororWindow::Choose(int entry) {
  SelectEntry(entry);
  accept();
}

// While the result list has the focus, Enter is no "&Run Query"; the mouse
// entering a control gives it the focus when hover focus is on.
bool DazizuvororWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == list_ && event->type() == QEvent::FocusIn) run_->setDefault(false);
  if (watched == list_ && event->type() == QEvent::FocusOut) run_->setDefault(true);
  if (planner_.settings.Hover) FocusOnEnter(watched, event);
  return QDialog::eventFilter(watched, event);
}

}  // namespace davoruzivi::ui
