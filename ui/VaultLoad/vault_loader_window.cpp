#include "VaultLoad/vault_loader_window.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "GMAIN/info_panel_widget.h"
#include "GMAIN/planner.h"
#include "VaultLoad/item_filters_widget.h"
#include "name_list_model.h"
#include "itemdb/vault_query.h"
#include "platform/qt/qt_text.h"
#include "platform/web_opener.h"
#include "template/slots.h"

namespace davoruzivi::ui {
namespace {

using platform::ToQString;

bool IsEnterKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Moves a view's current entry without announcing it as the user's choice.
void ShowCurrentRow(QListView& view, int row) {
  QItemSelectionModel& selection = *view.selectionModel();
  const QModelIndex index = view.model()->index(row, 0);
  if (!index.isValid()) {
    selection.clear();
    return;
  }
  selection.setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
  view.scrollTo(index);
}

}  // namespace

// ------------------------------------------------------------------ building

VaultLoaderWindow::VaultLoaderWindow(Planner& planner, InfoPanelWidget& info, QWidget* parent)
    : DockedEditor(parent),
      planner_(planner),
      info_(info),
      loader_(planner.workflow, planner.vault, planner.query, planner.filterLists, planner.settings,
              {planner.services.messages}) {
  setObjectName("VaultLoader");
  setWindowTitle("Vault Loader");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("LoaderPages");
  pages_->addTab(BuildLoadPage(), "&Load Item");
  filters_ = new ItemFiltersWidget(ItemFiltersWidget::Kind::Loader, loader_.Filters(), planner.filterLists);
  pages_->addTab(filters_, "Filters");
  pages_->addTab(BuildCommonTasks(), "Common Tasks");
  connect(filters_, &ItemFiltersWidget::searchRequested, this, &VaultLoaderWindow::Search);
  connect(filters_, &ItemFiltersWidget::clearRequested, this, &VaultLoaderWindow::ClearFilters);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_, 1);
  layout->addWidget(BuildCommands());
}

QWidget* VaultLoaderWindow::BuildLoadPage() {
  loadPage_ = new QWidget;
  slotSwitch_ = new QComboBox(loadPage_);
  slotSwitch_->setObjectName("SlotSwitch");
  slotSwitch_->setMaxVisibleItems(kEquipmentSlotCount);
  for (int s = 0; s < kEquipmentSlotCount; ++s) slotSwitch_->addItem(ToQString(SlotCaption(s)));
  connect(slotSwitch_, &QComboBox::currentIndexChanged, this, [this](int s) {
    if (!showing_ && s >= 0) SwitchSlot(s);
  });
  auto* lists = new QHBoxLayout;
  lists->addWidget(BuildList(List::Available), 1);
  lists->addWidget(BuildList(List::Equipped), 1);
  auto* layout = new QVBoxLayout(loadPage_);
  layout->addWidget(slotSwitch_);
  layout->addLayout(lists, 1);
  return loadPage_;
}

// A list with its two commands below it: "Add" and "Add All" for the
// available items, "Remove" and "Remove All" for the slot kind's candidates.
QGroupBox* VaultLoaderWindow::BuildList(List list) {
  const bool availableList = list == List::Available;
  auto* group = new QGroupBox;
  auto* view = new QListView(group);
  view->setObjectName(availableList ? "LItems" : "EItems");
  view->setUniformItemSizes(true);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  auto* names = availableList
                    ? new NameListModel([this] { return loader_.AvailableRowCount(); },
                                        [this](int row) -> std::string_view {
                                          if (loader_.NoItemsFound()) return kNoItemsFound;
                                          const auto position = loader_.Available()[static_cast<std::size_t>(row)];
                                          return planner_.vault.Items()[position].Name.View();
                                        },
                                        this)
                    : new NameListModel([this] { return static_cast<int>(loader_.Equipped().size()); },
                                        [this](int row) -> std::string_view {
                                          return loader_.Equipped()[static_cast<std::size_t>(row)].name;
                                        },
                                        this);
  view->setModel(names);
  view->installEventFilter(this);
  view->viewport()->installEventFilter(this);
  // A keyboard move or a click on another entry changes the current entry; a
  // click on the entry that is current already selects it again.
  connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, [this, list](const QModelIndex& current) {
    if (!showing_ && current.isValid()) Select(list, current.row());
  });
  connect(view, &QListView::pressed, this, [this, list](const QModelIndex& index) {
    if (index.row() == rowAtPress_[static_cast<std::size_t>(list)]) Select(list, index.row());
  });
  connect(view, &QListView::doubleClicked, this, [this, list] { Activate(list); });

  auto* commands = new QHBoxLayout;
  if (availableList) {
    add_ = CommandButton("Add", "ItemAdd", &VaultLoaderWindow::Add);
    addAll_ = CommandButton("Add All", "ItemAddAll", &VaultLoaderWindow::AddAll);
    commands->addWidget(add_);
    commands->addWidget(addAll_);
    available_ = view;
    availableNames_ = names;
    availableGroup_ = group;
  } else {
    remove_ = CommandButton("Remove", "ItemRemove", &VaultLoaderWindow::Remove);
    removeAll_ = CommandButton("Remove All", "ItemRemoveAll", &VaultLoaderWindow::RemoveAll);
    commands->addWidget(remove_);
    commands->addWidget(removeAll_);
    equipped_ = view;
    equippedNames_ = names;
    equippedGroup_ = group;
  }
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(view, 1);
  layout->addLayout(commands);
  return group;
}

QWidget* VaultLoaderWindow::BuildCommands() {
  auto* bar = new QWidget;
  manualEdit_ = CommandButton("Manual Edit", "btnEdit", &VaultLoaderWindow::ManualEdit);
  google_ = CommandButton("&Google", "btnGoogle", &VaultLoaderWindow::OpenWebSearch);
  database_ = CommandButton("Allakha&zam", "btnSearch", &VaultLoaderWindow::OpenItemDatabaseSearch);
  QPushButton* done = CommandButton("&Done", "btnReturn", &VaultLoaderWindow::Done);
  done->setEnabled(true);
  auto* row = new QHBoxLayout(bar);
  row->addWidget(manualEdit_);
  row->addWidget(google_);
  row->addWidget(database_);
  row->addStretch(1);
  row->addWidget(done);
  return bar;
}

QWidget* VaultLoaderWindow::BuildCommonTasks() {
  auto* page = new QWidget;
  auto* layout = new QVBoxLayout(page);
  const auto tasks = CommonTasks();
  for (std::size_t task = 0; task < tasks.size(); ++task) {
    auto* button = new QPushButton(ToQString(tasks[task].caption), page);
    button->setObjectName(QString("CommonTask%1").arg(task + 1));
    connect(button, &QPushButton::clicked, this, [this, task] { RunCommonTask(task); });
    layout->addWidget(button);
  }
  layout->addStretch(1);
  return page;
}

QListView* VaultLoaderWindow::View(List list) const { return list == List::Available ? available_ : equipped_; }

// ------------------------------------------------------------------ events

void VaultLoaderWindow::showEvent(QShowEvent* event) {
  DockedEditor::showEvent(event);
  if (!event->spontaneous() && !docked_) Open();
}

bool VaultLoaderWindow::eventFilter(QObject* watched, QEvent* event) {
  for (const List list : {List::Available, List::Equipped}) {
    QListView* view = View(list);
    if (watched == view->viewport() && event->type() == QEvent::MouseButtonPress)
      rowAtPress_[static_cast<std::size_t>(list)] = view->currentIndex().row();
    if (watched == view && IsEnterKey(event)) {
      Activate(list);
      return true;
    }
  }
  return DockedEditor::eventFilter(watched, event);
}

// ------------------------------------------------------------------ commands

void VaultLoaderWindow::Open() {
  docked_ = true;
  loader_.Open();
  pages_->setCurrentWidget(loadPage_);
  filters_->Refresh();
  Redraw();
}

void VaultLoaderWindow::FollowTemplate() {
  if (docked_ && loader_.FollowLevel()) Redraw();
}

void VaultLoaderWindow::Done() {
  docked_ = false;
  loader_.Done();
  emit finished();
}

// The selector is off while the slot changes, and keeps the focus after.
void VaultLoaderWindow::SwitchSlot(int equipmentSlot) {
  slotSwitch_->setEnabled(false);
  loader_.SwitchSlot(equipmentSlot);
  slotSwitch_->setEnabled(true);
  slotSwitch_->setFocus();
  filters_->Refresh();  // a sort order chosen for the first time shows
  Redraw();
}

void VaultLoaderWindow::Search() {
  filters_->RunSearch([this] { loader_.Search(); });
  Redraw();
}

void VaultLoaderWindow::ClearFilters() {
  loader_.ClearFilters();
  filters_->Refresh();
  Redraw();
}

void VaultLoaderWindow::Select(List list, int row) {
  if (list == List::Available) loader_.SelectAvailable(row, SelectionOrigin::User);
  else loader_.SelectEquipped(row, SelectionOrigin::User);
  Redraw();
}

// Double-click or Enter: "Add" for an available item, "Remove" for a candidate.
void VaultLoaderWindow::Activate(List list) {
  if (list == List::Available) Add();
  else Remove();
}

void VaultLoaderWindow::Add() {
  if (!loader_.Commands().add) return;
  loader_.Add();
  Redraw();
  available_->setFocus();
}

void VaultLoaderWindow::AddAll() {
  if (!loader_.Commands().addAll) return;
  loader_.AddAll();
  Redraw();
  equipped_->setFocus();
}

void VaultLoaderWindow::Remove() {
  if (!loader_.Commands().remove) return;
  loader_.Remove();
  Redraw();
  equipped_->setFocus();
}

void VaultLoaderWindow::RemoveAll() {
  loader_.RemoveAll();
  Redraw();
}

// Up to nineteen searches in a row: a progress dialog counts the slots.
void VaultLoaderWindow::RunCommonTask(std::size_t task) {
  QProgressDialog progress(ToQString(CommonTasks()[task].caption), QString(), 0, 1, this);
  progress.setObjectName("TaskProgress");
  progress.setWindowTitle(windowTitle());
  progress.setWindowModality(Qt::WindowModal);
  progress.setMinimumDuration(0);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  loader_.RunCommonTask(task, [&progress](int slotsDone, int slotCount) {
    progress.setMaximum(slotCount);
    progress.setValue(slotsDone);
  });
  QApplication::restoreOverrideCursor();
  filters_->Refresh();
  Redraw();
}

void VaultLoaderWindow::ManualEdit() {
  const auto position = loader_.ManualEditPosition();
  if (!position) return;
  Done();
  emit manualEditRequested(static_cast<int>(*position));
}

void VaultLoaderWindow::OpenWebSearch() {
  if (const auto address = loader_.WebSearchAddress()) planner_.services.web.Open(*address);
}

void VaultLoaderWindow::OpenItemDatabaseSearch() {
  if (const auto address = loader_.ItemDatabaseAddress()) planner_.services.web.Open(*address);
}

// ------------------------------------------------------------------ drawing

void VaultLoaderWindow::Redraw() {
  showing_ = true;
  {
    slotSwitch_->setCurrentIndex(loader_.CurrentSlot() < kEquipmentSlotCount ? loader_.CurrentSlot() : -1);
    RefreshLists();
    RefreshSelections();
  }
  showing_ = false;
  RefreshCommands();
  RefreshInfo();
  if (loader_.SearchCount() != searchesShown_) {
    searchesShown_ = loader_.SearchCount();
    pages_->setCurrentWidget(loadPage_);
  }
  emit modelChanged();
}

void VaultLoaderWindow::RefreshLists() {
  availableGroup_->setTitle(ToQString(loader_.AvailableCaption()));
  equippedGroup_->setTitle(ToQString(loader_.EquippedCaption()));
  if (loader_.ListsRevision() == shownLists_) return;
  shownLists_ = loader_.ListsRevision();
  availableNames_->Change();
  equippedNames_->Change();
}

void VaultLoaderWindow::RefreshSelections() {
  ShowCurrentRow(*available_, loader_.AvailableSelection());
  ShowCurrentRow(*equipped_, loader_.EquippedSelection());
}

void VaultLoaderWindow::RefreshCommands() {
  const LoaderCommands& commands = loader_.Commands();
  add_->setEnabled(commands.add);
  addAll_->setEnabled(commands.addAll);
  remove_->setEnabled(commands.remove);
  removeAll_->setEnabled(commands.removeAll);
  manualEdit_->setEnabled(commands.manualEdit);
  google_->setEnabled(commands.webSearch);
  database_->setEnabled(commands.webSearch);
}

// The panel keeps its title: list descriptions have none.
void VaultLoaderWindow::RefreshInfo() {
  if (loader_.InfoRevision() == shownInfo_) return;
  shownInfo_ = loader_.InfoRevision();
  // The loader's descriptions have no title of their own: the panel's
  // title must not go on naming the item the equipment page described.
  info_.Show(std::string(kInformationTitle), loader_.InfoLines());
}

}  // namespace davoruzivi::ui
