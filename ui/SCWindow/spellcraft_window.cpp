#include "SCWindow/spellcraft_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "GMAIN/planner.h"
#include "SCWindow/gem_suggestion_dialog.h"
#include "combo_lists.h"
#include "hints.h"
#include "platform/qt/qt_text.h"
#include "template/slots.h"

namespace davoruzivi::ui {
namespace {

using platform::ToModelText;
using platform::ToQString;

constexpr int kFirstCraftedSlot = slot::Chest;
constexpr int kNameLength = 200;  // what a crafted item keeps of its name
// The charge and capacity figures are read at a glance: larger than the text around them.
constexpr double kFigureScale = 1.5;
const char* const kChargeColours[] = {"#0000c0", "#d00000"};  // within the maximum, overcharged

QString Numbered(const char* name, int gem) { return QString("%1%2").arg(name).arg(gem + 1); }

QLabel* NewFigure(const char* objectName, bool large, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(objectName);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  if (large) {
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * kFigureScale);
    font.setBold(true);
    label->setFont(font);
  }
  return label;
}

// The rows of the item's grid.
constexpr int kNameRow = 0, kLevelRow = 1, kFirstGemRow = 2;
constexpr int kFifthSlotRow = kFirstGemRow + kGemSlots, kAlchemyRow = kFifthSlotRow + 2;

// The short lists of the page show this many entries and scroll for more.
constexpr int kShortListRows = 5;

void ShowRowsHigh(QListWidget& list, int rows) {
  list.setFixedHeight(list.fontMetrics().lineSpacing() * rows + 2 * list.frameWidth() + 4);
}

constexpr int kAnalysisRows = 8;  // the keys of the gem analysis

QStringList LevelTexts() {
  QStringList texts;
  for (int level = kMinItemLevel; level <= kMaxItemLevel; ++level) texts << QString::number(level);
  return texts;
}

}  // namespace

SpellcraftWindow::SpellcraftWindow(Planner& planner, QWidget* parent)
    : DockedEditor(parent),
      settings_(planner.settings),
      calculator_(planner.workflow, planner.services.messages),
      omnicrafter_(planner.workflow) {
  setObjectName("Spellcraft");
  setWindowTitle("Spellcraft Calculator");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("holditem");
  pages_->addTab(BuildSpellcraftPage(), "&Spellcraft");
  pages_->addTab(BuildOmnicrafterPage(), "Omnicrafter");
  connect(pages_, &QTabWidget::currentChanged, this, &SpellcraftWindow::PageShown);

  done_ = CommandButton("&Done", "btnReturn", &SpellcraftWindow::Done);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(done_);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_, 1);
  layout->addLayout(bottom);
  Refresh();
}

SpellcraftWindow::~SpellcraftWindow() = default;

// ------------------------------------------------------------------ building

// One column, so that the page fits the narrow tab area: the entries, their
// commands and the planned gems on top, then the item, its gems, the fifth
// slot and alchemy, and the charge block. A screen too small for it scrolls
// rather than clipping.
QWidget* SpellcraftWindow::BuildSpellcraftPage() {
  auto* contents = new QWidget;
  auto* layout = new QVBoxLayout(contents);
  layout->addWidget(BuildEntryColumn());
  layout->addWidget(BuildSuggestionRow());
  layout->addWidget(BuildItemGroup());
  layout->addWidget(BuildFigures());
  layout->addStretch(1);
  auto* page = new QScrollArea;
  page->setObjectName("SpellcraftPage");
  page->setFrameShape(QFrame::NoFrame);
  page->setWidgetResizable(true);
  page->setWidget(contents);
  return page;
}

QWidget* SpellcraftWindow::BuildEntryColumn() {
  auto* top = new QWidget;
  slotSwitch_ = NewNarrowCombo("SlotSwitch", top);
  for (int s = slot::Chest; s <= slot::Ranged; ++s) slotSwitch_->addItem(ToQString(SlotBaseName(s)));
  connect(slotSwitch_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_) Edit([&] { calculator_.SwitchSlot(kFirstCraftedSlot + index); });
  });
  listing_ = new QListWidget(top);
  listing_->setObjectName("CustomListing");
  listing_->setSelectionMode(QAbstractItemView::SingleSelection);
  ShowRowsHigh(*listing_, kShortListRows);
  connect(listing_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) Edit([&] { calculator_.PickEntry(row); });
  });
  newButton_ = EditButton("Create &New", "btnNew", [this] { calculator_.NewItem(); });
  copyButton_ = EditButton("Co&py Item", "btnCopyItem", [this] { calculator_.CopyItem(); });
  deleteButton_ = EditButton("Delete Item", "btnDel", [this] { calculator_.DeleteItem(); });
  clearButton_ = EditButton("&Clear Stats", "btnClearSC", [this] { calculator_.ClearStats(); });

  auto* entries = new QVBoxLayout;
  entries->addWidget(slotSwitch_);
  entries->addWidget(listing_, 1);
  auto* buttons = new QVBoxLayout;
  for (QPushButton* button : {newButton_, copyButton_, deleteButton_, clearButton_}) buttons->addWidget(button);
  buttons->addStretch(1);
  auto* layout = new QHBoxLayout(top);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(entries, 3);
  layout->addLayout(buttons);
  layout->addWidget(BuildPlannedGems(), 2);
  return top;
}

QWidget* SpellcraftWindow::BuildSuggestionRow() {
  auto* row = new QWidget;
  suggest_ = new QPushButton("Suggest &Gems", row);
  suggest_->setObjectName("btnSuggest");
  SetHint(suggest_, "Suggests the four gems of this item that raise the capped totals most");
  connect(suggest_, &QPushButton::clicked, this, [this] { ReviewAndApply(calculator_.SuggestForItem()); });
  suggestAll_ = new QPushButton("Suggest for All Crafted Pieces", row);
  suggestAll_->setObjectName("btnSuggestAll");
  SetHint(suggestAll_, "Suggests the gems of every crafted piece this configuration wears");
  connect(suggestAll_, &QPushButton::clicked, this, [this] { ReviewAndApply(calculator_.SuggestForAll()); });
  undoSuggestion_ = EditButton("Undo Suggestion", "btnUndoSuggestion", [this] { calculator_.UndoSuggestion(); });
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(suggest_);
  layout->addWidget(suggestAll_);
  layout->addWidget(undoSuggestion_);
  layout->addStretch(1);
  return row;
}

QGroupBox* SpellcraftWindow::BuildPlannedGems() {
  auto* group = new QGroupBox("Planned Gems");
  group->setObjectName("PlannedGemsGroup");
  available_ = new QListWidget(group);
  available_->setObjectName("GemBox1");
  ShowRowsHigh(*available_, kShortListRows - 2);
  SetHint(available_, "The omnicrafter's planned gems: double click one to put it into this item");
  connect(available_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_) Edit([&] { calculator_.PickPlannedGem(row); });
  });
  connect(available_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    Edit([&] {
      calculator_.PickPlannedGem(available_->row(item));
      calculator_.TakePlannedGem();
    });
  });
  imbueCost_ = new QLabel(group);
  imbueCost_->setObjectName("ImbueCost");
  imbueCost_->setWordWrap(true);
  take_ = EditButton("Take Gem", "SpeedButton6", [this] { calculator_.TakePlannedGem(); });
  SetHint(take_, "Puts the planned gem into the first empty gem slot of this item");
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(available_, 1);
  layout->addWidget(imbueCost_);
  layout->addWidget(take_);
  return group;
}

// One grid for the whole item, so that its rows line up: the name, level
// and armour; a row per gem (archetype, stat, amount, back to the plan); the
// fifth slot with its bonus level; the alchemy proc.
QGroupBox* SpellcraftWindow::BuildItemGroup() {
  auto* group = new QGroupBox("Item");
  group->setObjectName("ItemGroup");
  auto* grid = new QGridLayout(group);
  AddNameRows(*grid, group);
  AddGemRows(*grid, group);
  AddFifthSlotRows(*grid, group);
  grid->setColumnStretch(1, 2);
  grid->setColumnStretch(2, 3);
  return group;
}

void SpellcraftWindow::AddNameRows(QGridLayout& grid, QWidget* group) {
  name_ = new QLineEdit(group);
  name_->setObjectName("eItemName");
  name_->setMaxLength(kNameLength);
  connect(name_, &QLineEdit::textEdited, this,
          [this](const QString& text) { Edit([&] { calculator_.TypeName(ToModelText(text)); }); });
  autoName_ = new QCheckBox("Autoname", group);
  autoName_->setObjectName("AutoName");
  connect(autoName_, &QCheckBox::clicked, this, [this](bool on) { Edit([&] { calculator_.SetAutoName(on); }); });
  level_ = NewNarrowCombo("sLevel", group, 2);
  level_->addItems(LevelTexts());
  connect(level_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) Edit([&] { calculator_.ChangeLevel(kMinItemLevel + index); });
  });
  armour_ = NewNarrowCombo("cAbs", group, 5);
  armour_->addItems(TextsOf(ArmourKindTexts()));
  connect(armour_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) Edit([&] { calculator_.ChangeArmourKind(index); });
  });
  auto* levelRow = new QHBoxLayout;
  levelRow->addWidget(level_);
  levelRow->addSpacing(12);
  levelRow->addWidget(new QLabel("Armour", group));
  levelRow->addWidget(armour_);
  levelRow->addStretch(1);
  levelRow->addWidget(autoName_);
  grid.addWidget(new QLabel("Name", group), kNameRow, 0);
  grid.addWidget(name_, kNameRow, 1, 1, 4);
  grid.addWidget(new QLabel("Level", group), kLevelRow, 0);
  grid.addLayout(levelRow, kLevelRow, 1, 1, 4);
}

void SpellcraftWindow::AddGemRows(QGridLayout& grid, QWidget* group) {
  const QStringList archetypes = TextsOf(ArchetypeCaptions());
  for (int gem = 0; gem < kGemSlots; ++gem) {
    GemRowControls& row = gems_[static_cast<std::size_t>(gem)];
    row.archetype = NewNarrowCombo(Numbered("archtype", gem), group, 5);
    row.archetype->addItems(archetypes);
    row.stat = NewNarrowCombo(Numbered("scFake", gem), group, 8);
    row.amount = NewNarrowCombo(Numbered("cs", gem), group, 2);
    row.toPlan = new QToolButton(group);
    row.toPlan->setText("To Plan");
    row.toPlan->setObjectName(Numbered("SpeedButton", gem));
    SetHint(row.toPlan, "Moves this gem back to the omnicrafter's plan");
    connect(row.archetype, &QComboBox::currentIndexChanged, this, [this, gem](int index) {
      if (!refreshing_ && index >= 0) Edit([&] { calculator_.ChangeArchetype(gem, index); });
    });
    connect(row.stat, &QComboBox::currentIndexChanged, this, [this, gem](int position) {
      if (!refreshing_ && position >= 0) Edit([&] { calculator_.ChangeGemStat(gem, position); });
    });
    connect(row.amount, &QComboBox::currentIndexChanged, this, [this, gem](int tier) {
      if (!refreshing_ && tier >= 0) Edit([&] { calculator_.ChangeGemAmount(gem, tier); });
    });
    connect(row.toPlan, &QToolButton::clicked, this, [this, gem] { Edit([&] { calculator_.ReturnGem(gem); }); });
    const int line = kFirstGemRow + gem;
    grid.addWidget(new QLabel(QString("Gem %1").arg(gem + 1), group), line, 0);
    grid.addWidget(row.archetype, line, 1);
    grid.addWidget(row.stat, line, 2);
    grid.addWidget(row.amount, line, 3);
    grid.addWidget(row.toPlan, line, 4);
  }
}

void SpellcraftWindow::AddFifthSlotRows(QGridLayout& grid, QWidget* group) {
  fifthSlot_ = NewNarrowCombo("cbFifthSlot", group, 10);
  connect(fifthSlot_, &QComboBox::currentIndexChanged, this, [this](int position) {
    if (!refreshing_ && position >= 0) Edit([&] { calculator_.ChooseFifthSlot(position); });
  });
  forceFifth_ = new QCheckBox("Force Fifth Slot Calc", group);
  forceFifth_->setObjectName("FifthForced");
  connect(forceFifth_, &QCheckBox::clicked, this,
          [this](bool on) { Edit([&] { calculator_.SetForceFifthSlot(on); }); });
  figures_.bonusLevel = NewFigure("bonusLV", false, group);
  alchemy_ = NewNarrowCombo("AlchProcList", group, 10);
  alchemy_->addItems(TextsOf(AlchemyProcList()));
  connect(alchemy_, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!refreshing_ && index >= 0) Edit([&] { calculator_.ChooseAlchemyProc(index); });
  });
  auto* forceRow = new QHBoxLayout;
  forceRow->addWidget(forceFifth_);
  forceRow->addStretch(1);
  forceRow->addWidget(new QLabel("Bonus Level : ", group));
  forceRow->addWidget(figures_.bonusLevel);
  grid.addWidget(new QLabel("Fifth Slot", group), kFifthSlotRow, 0);
  grid.addWidget(fifthSlot_, kFifthSlotRow, 1, 1, 4);
  grid.addLayout(forceRow, kFifthSlotRow + 1, 1, 1, 4);
  grid.addWidget(new QLabel("Alchemy", group), kAlchemyRow, 0);
  grid.addWidget(alchemy_, kAlchemyRow, 1, 1, 4);
}

// The gems' points on the left, the charge against the capacity on the right.
QGroupBox* SpellcraftWindow::BuildFigures() {
  auto* group = new QGroupBox("Imbue");
  group->setObjectName("ChargeGroup");
  auto* grid = new QGridLayout(group);
  const auto addFigure = [&](const QString& caption, QLabel* figure, int row, int column) {
    grid->addWidget(new QLabel(caption, group), row, 3 * column);
    grid->addWidget(figure, row, 3 * column + 1);
    return figure;
  };
  for (int gem = 0; gem < kGemSlots; ++gem) {
    QLabel* figure = NewFigure(Numbered("g", gem).toLatin1().constData(), false, group);
    gems_[static_cast<std::size_t>(gem)].points = addFigure(QString("Gem %1 :").arg(gem + 1), figure, gem, 0);
  }
  figures_.charge = addFigure("Current Charge :", NewFigure("charge", true, group), 0, 1);
  figures_.capacity = addFigure("Imbue Capacity :", NewFigure("imbuecap", true, group), 1, 1);
  figures_.highGem = addFigure("High Gem :", NewFigure("highgem", false, group), 2, 1);
  figures_.overcharge = addFigure("Max Overcharge :", NewFigure("maxoc", false, group), 3, 1);
  grid->setColumnStretch(2, 1);
  grid->setColumnStretch(5, 1);
  return group;
}

QWidget* SpellcraftWindow::BuildOmnicrafterPage() {
  auto* page = new QWidget;
  analysis_ = new QTableWidget(0, 2, page);
  analysis_->setObjectName("ValueListEditor1");
  analysis_->setHorizontalHeaderLabels({"Key", "Value"});
  analysis_->verticalHeader()->hide();
  analysis_->verticalHeader()->setDefaultSectionSize(analysis_->fontMetrics().lineSpacing() + 6);
  analysis_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  analysis_->horizontalHeader()->setStretchLastSection(true);
  analysis_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  analysis_->setSelectionMode(QAbstractItemView::NoSelection);
  analysis_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  analysis_->setFixedHeight(analysis_->horizontalHeader()->sizeHint().height() +
                            kAnalysisRows * analysis_->verticalHeader()->defaultSectionSize() +
                            2 * analysis_->frameWidth());
  auto* analysisGroup = new QGroupBox("Gem Analysis", page);
  auto* analysisLayout = new QVBoxLayout(analysisGroup);
  analysisLayout->addWidget(analysis_);

  auto* top = new QHBoxLayout;
  top->addWidget(BuildPlanGems(), 1);
  top->addWidget(BuildPlanSlots());
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(top, 1);
  layout->addWidget(analysisGroup);
  return page;
}

QGroupBox* SpellcraftWindow::BuildPlanGems() {
  auto* group = new QGroupBox("Planned Gems");
  group->setObjectName("PlanGroup");
  planStat_ = NewNarrowCombo("oc1", group, 12);
  planStat_->addItems(TextsOf(OmnicrafterPage::StatLabels()));
  connect(planStat_, &QComboBox::currentIndexChanged, this, [this](int entry) {
    if (!refreshing_ && entry >= 0) Edit([&] { omnicrafter_.ChooseStat(entry); });
  });
  planAmount_ = NewNarrowCombo("os1", group, 3);
  connect(planAmount_, &QComboBox::currentIndexChanged, this, [this](int tier) {
    if (!refreshing_ && tier >= 0) Edit([&] { omnicrafter_.ChooseAmount(tier); });
  });
  addGem_ = EditButton("Add Gem", "SpeedButton5", [this] { omnicrafter_.AddGem(); });
  planned_ = new QListWidget(group);
  planned_->setObjectName("GemBox2");
  connect(planned_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) Edit([&] { omnicrafter_.PickGem(row); });
  });
  removeGem_ = EditButton("Remove Gem", "btnRemoveGem", [this] { omnicrafter_.RemoveGem(); });
  removeAllGems_ = EditButton("Remove ALL Gems", "btnRemoveAllGems", [this] { omnicrafter_.RemoveAllGems(); });

  auto* gemRow = new QHBoxLayout;
  gemRow->addWidget(planAmount_, 1);
  gemRow->addWidget(addGem_);
  auto* removeRow = new QHBoxLayout;
  removeRow->addWidget(removeGem_);
  removeRow->addWidget(removeAllGems_);
  auto* layout = new QVBoxLayout(group);
  layout->addWidget(planStat_);
  layout->addLayout(gemRow);
  layout->addWidget(planned_, 1);
  layout->addLayout(removeRow);
  return group;
}

// Two columns of check boxes: the armour slots, then the weapon slots.
QGroupBox* SpellcraftWindow::BuildPlanSlots() {
  auto* group = new QGroupBox("Slots Used");
  group->setObjectName("SlotsUsed");
  auto* grid = new QGridLayout(group);
  constexpr int kArmourSlots = slot::Feet - slot::Chest + 1;
  for (int index = 0; index < kPlanSlotCount; ++index) {
    auto* box = new QCheckBox(ToQString(SlotBaseName(kFirstCraftedSlot + index)), group);
    box->setObjectName(QString("SlotsUsed%1").arg(index));
    connect(box, &QCheckBox::clicked, this,
            [this, index](bool on) { Edit([&] { omnicrafter_.CheckSlot(index, on); }); });
    planSlots_[static_cast<std::size_t>(index)] = box;
    const bool armour = index < kArmourSlots;
    grid->addWidget(box, armour ? index : index - kArmourSlots, armour ? 0 : 1);
  }
  grid->setRowStretch(kArmourSlots, 1);
  return group;
}

// ------------------------------------------------------------------ commands

void SpellcraftWindow::showEvent(QShowEvent* event) {
  DockedEditor::showEvent(event);
  if (!calculator_.IsOpen()) Open();
}

void SpellcraftWindow::Open() {
  {
    const QSignalBlocker quiet(pages_);
    pages_->setCurrentIndex(static_cast<int>(CalculatorPage::Spellcraft));
  }
  Edit([this] { calculator_.Open(); });
}

void SpellcraftWindow::Done() {
  if (!calculator_.Done()) return;
  Refresh();
  emit modelChanged();
  emit finished();
}

// The tab that the calculator refuses (the item is overcharged) is left again at once.
void SpellcraftWindow::PageShown(int page) {
  if (refreshing_) return;
  Edit([&] { calculator_.ShowPage(static_cast<CalculatorPage>(page)); });
}

QPushButton* SpellcraftWindow::EditButton(const char* caption, const char* objectName, std::function<void()> change) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(objectName);
  connect(button, &QPushButton::clicked, this, [this, change = std::move(change)] { Edit(change); });
  return button;
}

void SpellcraftWindow::ReviewAndApply(const GemSuggestion& suggestion) {
  if (suggestion.items.empty()) return;
  GemSuggestionDialog review(calculator_.ReviewOf(suggestion), settings_.Hover, this);
  if (review.exec() != QDialog::Accepted) return;
  Edit([&] { calculator_.ApplySuggestion(suggestion); });
}

void SpellcraftWindow::Edit(const std::function<void()>& change) {
  change();
  Refresh();
  emit modelChanged();
}

// ------------------------------------------------------------------ showing

void SpellcraftWindow::Refresh() {
  const bool wasRefreshing = std::exchange(refreshing_, true);
  pages_->setCurrentIndex(static_cast<int>(calculator_.Page()));
  const int slotIndex = calculator_.CurrentSlot() - kFirstCraftedSlot;
  slotSwitch_->setCurrentIndex(slotIndex >= 0 && slotIndex < slotSwitch_->count() ? slotIndex : -1);
  RefreshEntries();
  RefreshItemFields();
  for (int gem = 0; gem < kGemSlots; ++gem) RefreshGemRow(gem);
  RefreshFigures();
  RefreshPlannedGems();
  RefreshOmnicrafter();
  RefreshEnabling();
  refreshing_ = wasRefreshing;
}

void SpellcraftWindow::RefreshEntries() {
  ShowRows(*listing_, TextsOf(calculator_.Entries()), calculator_.PickedEntry());
}

void SpellcraftWindow::RefreshItemFields() {
  const QString name = ToQString(calculator_.Name());
  if (name_->text() != name) name_->setText(name);  // the caret of the name being typed stays
  autoName_->setChecked(calculator_.AutoName());
  ShowIndex(*level_, calculator_.Level() - kMinItemLevel);
  ShowIndex(*armour_, calculator_.ArmourKind());
  ShowEntries(*fifthSlot_, TextsOf(calculator_.FifthSlotOfferTexts()));
  ShowIndex(*fifthSlot_, calculator_.FifthSlotPosition());
  forceFifth_->setChecked(calculator_.ForceFifthSlot());
  ShowIndex(*alchemy_, calculator_.AlchemyProcIndex());
}

void SpellcraftWindow::RefreshGemRow(int gem) {
  GemRowControls& row = gems_[static_cast<std::size_t>(gem)];
  const GemControls& controls = calculator_.Gem(gem);
  ShowIndex(*row.archetype, controls.archetype);
  ShowEntries(*row.stat, TextsOf(calculator_.GemStatLabels(gem)));
  ShowIndex(*row.stat, calculator_.GemStatPosition(gem));
  ShowEntries(*row.amount, TextsOf(calculator_.GemAmountTexts(gem)));
  ShowIndex(*row.amount, controls.tier);
}

void SpellcraftWindow::RefreshFigures() {
  const ChargeTexts figures = calculator_.Figures();
  for (std::size_t gem = 0; gem < gems_.size(); ++gem) gems_[gem].points->setText(ToQString(figures.gems[gem]));
  figures_.highGem->setText(ToQString(figures.highGem));
  figures_.charge->setText(ToQString(figures.charge));
  figures_.capacity->setText(ToQString(figures.capacity));
  figures_.overcharge->setText(ToQString(figures.maxOvercharge));
  figures_.bonusLevel->setText(ToQString(figures.bonusLevel));
  const bool over = calculator_.Overcharged();
  figures_.charge->setStyleSheet(QString("color: %1").arg(kChargeColours[over ? 1 : 0]));
}

void SpellcraftWindow::RefreshPlannedGems() {
  ShowRows(*available_, TextsOf(calculator_.PlannedGems()), calculator_.PickedPlannedGem());
  imbueCost_->setText(ToQString(calculator_.PlannedGemCostText()));
}

void SpellcraftWindow::RefreshOmnicrafter() {
  ShowIndex(*planStat_, omnicrafter_.StatEntry());
  ShowEntries(*planAmount_, TextsOf(omnicrafter_.AmountTexts()));
  ShowIndex(*planAmount_, omnicrafter_.Tier());
  ShowRows(*planned_, TextsOf(omnicrafter_.GemTexts()), omnicrafter_.PickedGem());
  const auto checks = omnicrafter_.SlotChecks();
  for (std::size_t index = 0; index < planSlots_.size(); ++index) planSlots_[index]->setChecked(checks[index]);
  const auto rows = omnicrafter_.Analysis();
  analysis_->setRowCount(static_cast<int>(rows.size()));
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    const auto& [key, value] = rows[static_cast<std::size_t>(row)];
    analysis_->setItem(row, 0, new QTableWidgetItem(ToQString(key)));
    analysis_->setItem(row, 1, new QTableWidgetItem(ToQString(value)));
  }
}

void SpellcraftWindow::RefreshEnabling() {
  done_->setEnabled(calculator_.DoneEnabled());
  pages_->setTabEnabled(static_cast<int>(CalculatorPage::Omnicrafter), !calculator_.Overcharged());
  slotSwitch_->setEnabled(calculator_.SlotSwitchEnabled());
  listing_->setEnabled(calculator_.EntryListEnabled());
  newButton_->setEnabled(calculator_.NewEnabled());
  copyButton_->setEnabled(calculator_.CopyEnabled());
  deleteButton_->setEnabled(calculator_.DeleteEnabled());
  clearButton_->setEnabled(calculator_.ClearEnabled());
  available_->setEnabled(calculator_.PlannedGemsEnabled());
  take_->setEnabled(calculator_.TakeEnabled());
  suggest_->setEnabled(calculator_.SuggestEnabled());
  suggestAll_->setEnabled(calculator_.SuggestAllEnabled());
  undoSuggestion_->setEnabled(calculator_.UndoEnabled());
  name_->setEnabled(calculator_.NameEnabled());
  armour_->setEnabled(calculator_.ArmourKindEnabled());
  fifthSlot_->setEnabled(calculator_.FifthSlotEnabled());
  alchemy_->setEnabled(calculator_.AlchemyEnabled());
  for (int gem = 0; gem < kGemSlots; ++gem) {
    GemRowControls& row = gems_[static_cast<std::size_t>(gem)];
    row.amount->setEnabled(calculator_.AmountEnabled(gem));
    row.toPlan->setEnabled(calculator_.ReturnEnabled(gem));
  }
  planAmount_->setEnabled(omnicrafter_.AmountEnabled());
  addGem_->setEnabled(omnicrafter_.AddEnabled());
  removeGem_->setEnabled(omnicrafter_.RemoveEnabled());
  removeAllGems_->setEnabled(omnicrafter_.RemoveAllEnabled());
}

}  // namespace davoruzivi::ui
