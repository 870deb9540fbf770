#include "ItemEditor/item_editor_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QVBoxLayout>

#include "GMAIN/planner.h"
#include "VaultLoad/item_filters_widget.h"
#include "Vlt/dazizuvoror_window.h"
#include "combo_lists.h"
#include "hints.h"
#include "name_list_model.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

using platform::ToModelText;
using platform::ToQString;

void ShowText(QLineEdit& edit, const QString& text) {
  if (edit.text() != text) edit.setText(text);
}

void ShowChecks(QListWidget& list, const auto& checks) {
  for (int row = 0; row < list.count(); ++row) {
    const Qt::CheckState state = checks[static_cast<std::size_t>(row)] ? Qt::Checked : Qt::Unchecked;
    if (list.item(row)->checkState() != state) list.item(row)->setCheckState(state);
  }
}

QListWidget* NewCheckList(const char* objectName, const Vocabulary& entries, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(objectName);
  for (const QString& text : TextsOf(entries)) {
    auto* item = new QListWidgetItem(text, list);
    item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  return list;
}

}  // namespace

ItemEditorWindow::ItemEditorWindow(Planner& planner, QWidget* parent)
    : QDialog(parent), planner_(planner), model_(planner.itemEditor) {
  setObjectName("frmItemEdit");
  setModal(true);
  showing_ = true;  // filling the lists announces no change
  auto* left = new QVBoxLayout;
  left->addWidget(BuildListing(), 1);
  left->addWidget(BuildButtons());
  auto* columns = new QHBoxLayout;
  columns->addLayout(left, 2);
  auto* middle = new QVBoxLayout;
  middle->addWidget(BuildFields());
  middle->addWidget(BuildBonuses());
  middle->addStretch(1);
  columns->addLayout(middle, 4);
  columns->addWidget(BuildChecks(), 2);
  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(BuildMenu());
  layout->addLayout(columns, 1);
  for (QWidget* widget : findChildren<QWidget*>()) widget->installEventFilter(this);
  showing_ = false;
  ShowModel();
}

DazizuvororWindow& ItemEditorWindow::Dazizuvoror() {
  if (!dazizuvoror_) dazizuvoror_ = new DazizuvororWindow(planner_, this);
  return *dazizuvoror_;
}

// ------------------------------------------------------------------ building

QMenuBar* ItemEditorWindow::BuildMenu() {
  auto* bar = new QMenuBar(this);
  const auto add = [this](QMenu* menu, const char* caption, const char* shortcut, std::function<void()> change) {
    QAction* action = menu->addAction(caption);
    action->setShortcut(QKeySequence(shortcut));
    connect(action, &QAction::triggered, this, [this, change] { Apply(change); });
    return action;
  };
  QMenu* database = bar->addMenu("&Database");
  add(database, "&New Item", "F2", [this] { NewItem(); })->setObjectName("NewItem1");
  add(database, "&Save Item", "F3", [this] { Save(); })->setObjectName("SaveItem1");
  QAction* exit = database->addAction("E&xit Item Editor");
  exit->setObjectName("ExitItemEditor1");
  exit->setShortcut(QKeySequence("Ctrl+X"));
  connect(exit, &QAction::triggered, this, &QDialog::close);

  QMenu* changer = bar->addMenu("Auto Changer");
  QMenu* expansions = changer->addMenu("&Expansion Change");
  add(expansions, "&Trials of Atlantis Item", "F5", [this] { model_.ChangeExpansionWithServers(3); });
  add(expansions, "Catacom&bs Item", "F6", [this] { model_.ChangeExpansionWithServers(4); });
  add(expansions, "&Labyrinth Item", "F7", [this] { model_.ChangeExpansionWithServers(8); });
  QMenu* servers = changer->addMenu("&Server Change");
  for (auto [caption, shortcut, preset] : {std::tuple{"ToA Servers", "Ctrl+F6", ServerPreset::ToA},
                                           std::tuple{"Bossiney (Classic)", "Ctrl+F7", ServerPreset::Classic},
                                           std::tuple{"Gaheris", "Ctrl+F8", ServerPreset::Gaheris},
                                           std::tuple{"Mordred", "Ctrl+F9", ServerPreset::Mordred},
                                           std::tuple{"Origins", "Ctrl+F10", ServerPreset::Origins}})
    add(servers, caption, shortcut, [this, preset] { model_.ApplyServerPreset(preset); });
  QMenu* common = changer->addMenu("&Common Changes");
  add(common, "&Aurulite Bought", "F8", [this] { model_.AuruliteBought(); });
  add(common, "&DF Imps", "F9", [this] { model_.DarknessFallsImps(); });
  return bar;
}

QWidget* ItemEditorWindow::BuildListing() {
  listGroup_ = new QGroupBox(this);
  listGroup_->setObjectName("List");
  const VaultQueryResult& listing = model_.Listing();
  names_ = new NameListModel(
      [&listing] { return static_cast<int>(listing.Size()); },
      [&listing](int row) { return std::string_view(listing.names[static_cast<std::size_t>(row)]); }, this);
  listing_ = new QListView(listGroup_);
  listing_->setObjectName("INs");
  listing_->setModel(names_);
  listing_->setUniformItemSizes(true);
  listing_->setMinimumWidth(180);
  SetHint(listing_, "Click an item to open it in the editor");
  connect(listing_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& index) {
    if (!showing_ && index.isValid()) Apply([this, row = index.row()] { model_.SelectEntry(row); });
  });
  // A click on the entry already selected, with changes made, asks about them and loads it anew.
  connect(listing_, &QListView::clicked, this, [this](const QModelIndex& index) {
    if (index.row() == model_.SelectedEntry() && model_.Changed())
      Apply([this, row = index.row()] { model_.SelectEntry(row); });
  });
  connect(listing_, &QListView::doubleClicked, this, [this] { Apply([this] { ActivateSelected(); }); });
  auto* layout = new QVBoxLayout(listGroup_);
  layout->addWidget(listing_);
  return listGroup_;
}

QComboBox* ItemEditorWindow::AddCombo(const char* objectName, void (ItemEditor::*change)(int)) {
  QComboBox* combo = NewNarrowCombo(objectName, this, 12);
  connect(combo, &QComboBox::currentIndexChanged, this, [this, change](int index) {
    if (!showing_ && index >= 0) Apply([this, change, index] { (model_.*change)(index); });
  });
  return combo;
}

// A box of a growing list also takes typed text, which the model matches to an entry.
QComboBox* ItemEditorWindow::AddTypedCombo(QComboBox* combo, GrowingList list, int effectBox) {
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  connect(combo, &QComboBox::editTextChanged, this, [this, list, effectBox](const QString& text) {
    if (!showing_) Apply([this, list, effectBox, text] { model_.TypeIntoList(list, ToModelText(text), effectBox); });
  });
  return combo;
}

QLabel* ItemEditorWindow::AddLabel(const QString& caption, const char* objectName, std::function<void()> doubleClick) {
  auto* label = new QLabel(caption, this);
  label->setObjectName(objectName);
  if (doubleClick) labelDoubleClicks_[label] = std::move(doubleClick);
  return label;
}

QWidget* ItemEditorWindow::BuildFields() {
  auto* group = new QGroupBox("Item", this);
  name_ = new QLineEdit(group);
  name_->setObjectName("eItemName");
  name_->setMaxLength(static_cast<int>(kEditedNameLength));
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Apply([this, text] { model_.ChangeName(ToModelText(text)); }); });
  notes_ = new QLineEdit(group);
  notes_->setObjectName("Note");
  notes_->setMaxLength(static_cast<int>(kEditedNotesLength));
  connect(notes_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Apply([this, text] { model_.ChangeNotes(ToModelText(text)); }); });

  realm_ = AddCombo("sOrigin", &ItemEditor::ChangeRealm);
  itemType_ = AddTypedCombo(AddCombo("rType", &ItemEditor::ChangeItemType), GrowingList::ItemTypes);
  slot_ = AddCombo("cItemSlot", &ItemEditor::ChangeSlot);
  expansion_ = AddTypedCombo(AddCombo("cExpansion", &ItemEditor::ChangeExpansion), GrowingList::Expansions);
  weaponType_ = AddTypedCombo(AddCombo("WType", &ItemEditor::ChangeWeaponType), GrowingList::WeaponTypes);
  absorb_ = AddCombo("cAbs", &ItemEditor::ChangeAbsorb);
  source_ = AddTypedCombo(AddCombo("cSource", &ItemEditor::ChangeSource), GrowingList::Sources);
  level_ = AddCombo("sLevel", &ItemEditor::ChangeLevel);
  quality_ = AddCombo("cQual", &ItemEditor::ChangeQuality);
  speed_ = AddCombo("cSpeed", &ItemEditor::ChangeSpeed);
  for (auto [combo, list] :
       {std::pair{realm_, &RealmList()}, std::pair{slot_, &SlotList()}, std::pair{absorb_, &AbsorbList()},
        std::pair{level_, &ItemLevelList()}, std::pair{quality_, &QualityList()}, std::pair{speed_, &SpeedList()}})
    combo->addItems(TextsOf(*list));

  bonusLevel_ = new QSpinBox(group);
  bonusLevel_->setObjectName("BLVSpin");
  bonusLevel_->setRange(0, kHighestBonusLevel);
  connect(bonusLevel_, &QSpinBox::valueChanged, this, [this](int level) {
    if (!showing_) Apply([this, level] { model_.ChangeBonusLevel(level); });
  });
  const auto check = [this, group](const char* caption, const char* name, void (ItemEditor::*change)(bool)) {
    auto* box = new QCheckBox(caption, group);
    box->setObjectName(name);
    connect(box, &QCheckBox::toggled, this, [this, change](bool on) {
      if (!showing_) Apply([this, change, on] { (model_.*change)(on); });
    });
    return box;
  };
  bonusLevelAuto_ = check("BLV Calc", "blvAuto", &ItemEditor::ChangeBonusLevelAuto);
  verified_ = check("Verified", "Verified", &ItemEditor::ChangeVerified);
  researched_ = check("Researched", "Researched", &ItemEditor::ChangeResearched);

  auto* bonusLevel = new QHBoxLayout;
  bonusLevel->addWidget(bonusLevel_);
  bonusLevel->addWidget(bonusLevelAuto_);
  auto* flags = new QHBoxLayout;
  flags->addWidget(verified_);
  flags->addWidget(researched_);

  auto* grid = new QGridLayout(group);
  grid->addWidget(AddLabel("Item Name", "lItemName"), 0, 0);
  grid->addWidget(name_, 0, 1, 1, 3);
  const auto pair = [this, grid](int row, int column, QLabel* label, QWidget* field) {
    grid->addWidget(label, row, column * 2);
    grid->addWidget(field, row, column * 2 + 1);
  };
  pair(1, 0, AddLabel("Realm Origin", "lRealmOrigin", [this] { model_.AddRealmOrigin(); }), realm_);
  pair(1, 1, AddLabel("Item Type", "lItemType", [this] { AddTypedText(GrowingList::ItemTypes, itemType_); }),
       itemType_);
  pair(2, 0, AddLabel("Slot", "lSlot"), slot_);
  pair(2, 1, AddLabel("Expansion", "lExpansion", [this] { AddTypedText(GrowingList::Expansions, expansion_); }),
       expansion_);
  pair(3, 0, AddLabel("Absorb", "lAbsorb"), absorb_);
  pair(3, 1, AddLabel("W. Type", "LWType", [this] { AddTypedText(GrowingList::WeaponTypes, weaponType_); }),
       weaponType_);
  pair(4, 0, AddLabel("Level", "lLevel"), level_);
  grid->addWidget(AddLabel("Bonus Level", "lBonusLevel"), 4, 2);
  grid->addLayout(bonusLevel, 4, 3);
  pair(5, 0, AddLabel("Quality", "lQuality"), quality_);
  pair(5, 1, AddLabel("Speed", "lSpeed"), speed_);
  pair(6, 0, AddLabel("Info Source", "lInfoSource", [this] { AddTypedText(GrowingList::Sources, source_); }), source_);
  grid->addLayout(flags, 6, 2, 1, 2);
  grid->addWidget(AddLabel("Item Notes", "lItemNotes", [this] { model_.ClearNotes(); }), 7, 0);
  grid->addWidget(notes_, 7, 1, 1, 3);
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return group;
}

QWidget* ItemEditorWindow::BuildBonuses() {
  auto* group = new QGroupBox("Bonuses", this);
  auto* grid = new QGridLayout(group);
  grid->setVerticalSpacing(2);
  for (int n = 0; n < kBonusSlots; ++n) {
    BonusRowControls& row = rows_[static_cast<std::size_t>(n)];
    row.category = NewNarrowCombo(QString("a%1").arg(n + 1), group, 12);
    row.category->addItems(TextsOf(StatCategoryList()));
    row.stat = NewNarrowCombo(QString("c%1").arg(n + 1), group, 16);
    row.amount = new StatAmountField(kBonusAmountBound, group);
    row.amount->setObjectName(QString("s%1").arg(n + 1));
    connect(row.category, &QComboBox::currentIndexChanged, this, [this, n](int index) {
      if (!showing_ && index >= 0) Apply([this, n, index] { model_.ChangeCategory(n, index); });
    });
    connect(row.stat, &QComboBox::currentIndexChanged, this, [this, n](int index) {
      if (!showing_ && index >= 0) Apply([this, n, index] { model_.ChangeStat(n, index); });
    });
    connect(row.amount, &StatAmountField::amountChanged, this,
            [this, n](const QString& text) { Apply([this, n, text] { model_.ChangeAmount(n, ToModelText(text)); }); });
    grid->addWidget(new QLabel(QString::number(n + 1), group), n, 0);
    grid->addWidget(row.category, n, 1);
    grid->addWidget(row.stat, n, 2);
    grid->addWidget(row.amount, n, 3);
  }
  for (int n = 0; n < kProcSlots; ++n) {
    ProcRowControls& proc = procs_[static_cast<std::size_t>(n)];
    proc.kind = NewNarrowCombo(QString("cProc%1").arg(n + 1), group, 12);
    proc.kind->addItems(TextsOf(ProcKindList()));
    proc.effect = NewNarrowCombo(QString("cbExt%1").arg(n + 1), group, 16);
    AddTypedCombo(proc.effect, GrowingList::Effects, n);
    proc.amount = new StatAmountField(kProcAmountBound, group);
    proc.amount->setObjectName(QString("pval%1").arg(n + 1));
    connect(proc.kind, &QComboBox::currentIndexChanged, this, [this, n](int index) {
      if (!showing_ && index >= 0) Apply([this, n, index] { model_.ChangeProcKind(n, index); });
    });
    connect(proc.effect, &QComboBox::currentIndexChanged, this, [this, n](int index) {
      if (!showing_ && index >= 0) Apply([this, n, index] { model_.ChangeEffect(n, index); });
    });
    connect(proc.amount, &StatAmountField::amountChanged, this, [this, n](const QString& text) {
      Apply([this, n, text] { model_.ChangeProcAmount(n, ToModelText(text)); });
    });
    QComboBox* effect = proc.effect;
    const int row = kBonusSlots + n;
    grid->addWidget(AddLabel(QString("Add Proc %1").arg(n + 1), n == 0 ? "lAddProc1" : "lAddProc2",
                             [this, effect, n] { AddTypedText(GrowingList::Effects, effect, n); }),
                    row, 0);
    grid->addWidget(proc.kind, row, 1);
    grid->addWidget(proc.effect, row, 2);
    grid->addWidget(proc.amount, row, 3);
  }
  grid->setColumnStretch(2, 1);
  return group;
}

QWidget* ItemEditorWindow::BuildChecks() {
  auto* column = new QWidget(this);
  servers_ = NewCheckList("ServerList", ServerList(), column);
  servers_->setMaximumHeight(servers_->sizeHintForRow(0) * (servers_->count() + 1));
  classes_ = NewCheckList("ClassChecks", ClassList(), column);
  const auto follow = [this](QListWidget* list, void (ItemEditor::*change)(int, bool)) {
    connect(list, &QListWidget::itemChanged, this, [this, list, change](QListWidgetItem* item) {
      if (showing_) return;
      const int row = list->row(item);
      const bool checked = item->checkState() == Qt::Checked;
      Apply([this, change, row, checked] { (model_.*change)(row, checked); });
    });
  };
  follow(servers_, &ItemEditor::ChangeServer);
  follow(classes_, &ItemEditor::ChangeClass);

  realmSelector_ = new QListWidget(column);
  realmSelector_->setObjectName("lRealm");
  realmSelector_->addItems(TextsOf(RealmSelectorList()));
  realmSelector_->setFixedHeight(realmSelector_->sizeHintForRow(0) * realmSelector_->count() +
                                 2 * realmSelector_->frameWidth());
  SetHint(realmSelector_, "Double clicking will reduce class options to one realm");
  connect(realmSelector_, &QListWidget::currentRowChanged, this, [this](int realm) {
    if (!showing_ && realm >= 0) model_.SetRealmSelector(realm);
  });
  labelDoubleClicks_[realmSelector_->viewport()] = [this] { model_.KeepRealmClasses(); };
  autoChecking_ = new QCheckBox("&Auto-checking", column);
  autoChecking_->setObjectName("cAuto");
  SetHint(autoChecking_, "If checked, setting certain items will automatically check classes and server types");
  connect(autoChecking_, &QCheckBox::toggled, this, [this](bool on) {
    if (!showing_) model_.SetAutoChecking(on);
  });

  auto* realmButtons = new QGridLayout;
  realmButtons->addWidget(AddButton("Check Realm", "btChecker", [this] { model_.CheckRealm(true); }), 0, 0);
  realmButtons->addWidget(AddButton("Uncheck Realm", "btUnchecker", [this] { model_.CheckRealm(false); }), 0, 1);
  realmButtons->addWidget(AddButton("Check All", "btnAll", [this] { model_.CheckAll(true); }), 1, 0);
  realmButtons->addWidget(AddButton("Uncheck All", "btnUnAll", [this] { model_.CheckAll(false); }), 1, 1);

  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(servers_);
  layout->addWidget(classes_, 1);
  layout->addWidget(realmSelector_);
  layout->addLayout(realmButtons);
  layout->addWidget(autoChecking_);
  return column;
}

QPushButton* ItemEditorWindow::AddButton(const QString& caption, const char* objectName,
                                         std::function<void()> command) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(objectName);
  button->setAutoDefault(false);
  if (command) connect(button, &QPushButton::clicked, this, [this, command] { Apply(command); });
  return button;
}

// The commands in pairs under the listing: the item's, the searches and the vault's.
QWidget* ItemEditorWindow::BuildButtons() {
  auto* pairs = new QWidget(this);
  auto* grid = new QGridLayout(pairs);
  grid->setContentsMargins(0, 0, 0, 0);
  QPushButton* remove = AddButton("Delete Item", "btnDelete", {});
  remove->setEnabled(false);
  QPushButton* const buttons[] = {AddButton("&New Item", "btnNewItem", [this] { NewItem(); }),
                                  AddButton("&Save Item", "btnSaveItem", [this] { Save(); }),
                                  AddButton("&Undo", "btnUndo", [this] { model_.Undo(); }),
                                  AddButton("Clear Stats", "btnClearStats", [this] { model_.ClearStats(); }),
                                  AddButton("Vault&keeper", "btnVaultkeeper", [this] { Vaultkeeper(); }),
                                  remove,
                                  AddButton("&Google", "btnGoogle", [this] { model_.SearchWeb(); }),
                                  AddButton("Allakha&zam", "btnAllakhazam", [this] { model_.SearchItemDatabase(); })};
  int place = 0;
  for (QPushButton* button : buttons) {
    grid->addWidget(button, place / 2, place % 2);
    ++place;
  }
  grid->addWidget(AddButton("Commit Changes", "btnCommitChanges", [this] { model_.Commit(); }), place / 2, 0, 1, 2);
  return pairs;
}

// ------------------------------------------------------------------ showing

void ItemEditorWindow::Apply(const std::function<void()>& change) {
  change();
  ShowModel();
}

void ItemEditorWindow::ShowModel() {
  showing_ = true;
  ShowLists();
  ShowFields();
  ShowListing();
  ShowCaptions();
  showing_ = false;
}

// The growing lists, which a vault or the label double-clicks may have lengthened.
void ItemEditorWindow::ShowLists() {
  const ItemVocabularies& vocabularies = planner_.vault.Vocabularies();
  ShowEntries(*itemType_, TextsOf(vocabularies.ItemTypes.List()));
  ShowEntries(*expansion_, TextsOf(vocabularies.Expansions.List()));
  ShowEntries(*weaponType_, TextsOf(vocabularies.WeaponTypes.List()));
  ShowEntries(*source_, TextsOf(vocabularies.Sources.List()));
  const QStringList effects = TextsOf(vocabularies.Effects.List());
  for (const ProcRowControls& proc : procs_) ShowEntries(*proc.effect, effects);
}

void ItemEditorWindow::ShowFields() {
  const ItemEditorFields& fields = model_.Fields();
  ShowText(*name_, ToQString(fields.name));
  ShowText(*notes_, ToQString(fields.notes));
  ShowIndex(*realm_, fields.realm);
  ShowIndex(*itemType_, fields.itemType);
  ShowIndex(*slot_, fields.slot);
  ShowIndex(*expansion_, fields.expansion);
  ShowIndex(*weaponType_, fields.weaponType);
  ShowIndex(*absorb_, fields.absorb);
  ShowIndex(*source_, fields.source);
  ShowIndex(*level_, fields.level);
  ShowIndex(*quality_, fields.quality);
  ShowIndex(*speed_, fields.speed);
  weaponType_->setEnabled(model_.WeaponTypeEnabled());
  absorb_->setEnabled(model_.AbsorbEnabled());
  bonusLevel_->setValue(fields.bonusLevel);
  bonusLevel_->setEnabled(model_.BonusLevelEnabled());
  bonusLevelAuto_->setChecked(fields.bonusLevelAuto);
  verified_->setChecked(fields.verified);
  researched_->setChecked(fields.researched);
  ShowChecks(*servers_, fields.servers);
  ShowChecks(*classes_, fields.classes);
  autoChecking_->setChecked(model_.AutoChecking());
  if (realmSelector_->currentRow() != model_.RealmSelector()) realmSelector_->setCurrentRow(model_.RealmSelector());
  for (int n = 0; n < kBonusSlots; ++n) {
    const BonusRowFields& row = fields.rows[static_cast<std::size_t>(n)];
    const BonusRowControls& controls = rows_[static_cast<std::size_t>(n)];
    ShowIndex(*controls.category, row.category);
    ShowEntries(*controls.stat, TextsOf(RowStatList(row.category)));
    ShowIndex(*controls.stat, model_.StatListEnabled(n) ? row.stat : -1);
    controls.stat->setEnabled(model_.StatListEnabled(n));
    controls.amount->ShowAmount(ToQString(row.amount));
    controls.amount->setEnabled(model_.AmountEnabled(n));
  }
  for (int n = 0; n < kProcSlots; ++n) {
    const ProcFields& proc = fields.procs[static_cast<std::size_t>(n)];
    const ProcRowControls& controls = procs_[static_cast<std::size_t>(n)];
    ShowIndex(*controls.kind, proc.kind);
    ShowIndex(*controls.effect, proc.effect);
    controls.effect->setEnabled(model_.EffectEnabled(n));
    controls.amount->ShowAmount(ToQString(proc.amount));
  }
}

void ItemEditorWindow::ShowListing() {
  if (listingShown_ != model_.ListingGeneration())
    names_->Change([this] { listingShown_ = model_.ListingGeneration(); });
  const int entry = model_.SelectedEntry();
  if (entry < 0) {
    listing_->selectionModel()->clear();
    return;
  }
  const QModelIndex index = names_->index(entry);
  listing_->setCurrentIndex(index);
  listing_->scrollTo(index);
}

void ItemEditorWindow::ShowCaptions() {
  setWindowTitle(ToQString(model_.WindowCaption()));
  listGroup_->setTitle(ToQString(model_.ListCaption()));
}

// ------------------------------------------------------------------ commands

void ItemEditorWindow::AddTypedText(GrowingList list, QComboBox* box, int effectBox) {
  model_.AddToVocabulary(list, ToModelText(box->currentText()), effectBox);
}

void ItemEditorWindow::ActivateSelected() {
  const QModelIndex index = listing_->currentIndex();
  model_.ActivateEntry(index.isValid() ? index.row() : -1, [this] { Dazizuvoror().Run(); });
  ShowModelAndFocus(listing_);
}

// A new item is named first; after a save or the Dazizuvoror the listing has the focus.
void ItemEditorWindow::NewItem() {
  if (model_.NewItem()) ShowModelAndFocus(name_);
}

void ItemEditorWindow::Save() {
  if (model_.Save()) ShowModelAndFocus(listing_);
}

void ItemEditorWindow::Vaultkeeper() {
  model_.Vaultkeeper([this] { Dazizuvoror().Run(); });
  ShowModelAndFocus(listing_);
}

// The control takes the focus once the window shows the model. A list view
// that takes the focus without a current entry makes its first entry current;
// that is no choice of the user's, so the listing shows the model's selection again.
void ItemEditorWindow::ShowModelAndFocus(QWidget* control) {
  ShowModel();
  showing_ = true;
  control->setFocus();
  ShowListing();
  showing_ = false;
}

void ItemEditorWindow::Run() {
  if (!isVisible() && screen()) resize(sizeHint().boundedTo(screen()->availableSize()));
  model_.Open();
  ShowModelAndFocus(name_);
  exec();
}

void ItemEditorWindow::TryClose() {
  if (!model_.Close()) {
    ShowModel();
    return;
  }
  QDialog::reject();
}

void ItemEditorWindow::reject() { TryClose(); }

void ItemEditorWindow::closeEvent(QCloseEvent* event) {
  event->ignore();
  TryClose();
}

// Double-clicks on the labels that add to the lists, Enter in the listing,
// and hover focus.
bool ItemEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick) {
    if (const auto found = labelDoubleClicks_.find(watched); found != labelDoubleClicks_.end()) {
      Apply(found->second);
      return true;
    }
  }
  if (watched == listing_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      Apply([this] { ActivateSelected(); });
      return true;
    }
  }
  if (planner_.settings.Hover) FocusOnEnter(watched, event);
  return QDialog::eventFilter(watched, event);
}

}  // namespace davoruzivi::ui
