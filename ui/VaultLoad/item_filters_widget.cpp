#include "VaultLoad/item_filters_widget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <string>

#include "combo_lists.h"
#include "hints.h"
#include "platform/qt/qt_text.h"

namespace davoruzivi::ui {
namespace {

constexpr int kStatAmountBound = 200;
}  // namespace

// ------------------------------------------------------------------ amounts

StatAmountField::StatAmountField(int bound, QWidget* parent) : QAbstractSpinBox(parent), bound_(bound) {
  lineEdit()->setText("0");
  connect(lineEdit(), &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!showing_) emit amountChanged(text);
  });
}

void StatAmountField::ShowAmount(const QString& text) {
  showing_ = true;
  lineEdit()->setText(text);
  showing_ = false;
}

int StatAmountField::Amount() const { return text().toInt(); }

QSize StatAmountField::sizeHint() const {
  QSpinBox widest;
  widest.setFont(font());
  widest.setRange(0, bound_);
  return {widest.sizeHint().width(), QAbstractSpinBox::sizeHint().height()};
}

void StatAmountField::stepBy(int steps) {
  lineEdit()->setText(QString::number(std::clamp(Amount() + steps, 0, bound_)));
}

QAbstractSpinBox::StepEnabled StatAmountField::stepEnabled() const {
  StepEnabled enabled = StepNone;
  if (Amount() > 0) enabled |= StepDownEnabled;
  if (Amount() < bound_) enabled |= StepUpEnabled;
  return enabled;
}

// Every edit is taken and corrected on the spot, so the field never holds
// anything but a number within its bound. The caret stays where it was: by
// the digits a correction took away before it, it moves left with the text.
// An emptied field shows "0" with the caret after it, so the next digit
// typed replaces it.
QValidator::State StatAmountField::validate(QString& input, int& position) const {
  const QString corrected = platform::ToQString(CorrectedAmountText(platform::ToModelText(input), bound_));
  if (corrected != input) {
    const auto removed = static_cast<int>(input.size() - corrected.size());
    if (input.isEmpty())
      position = static_cast<int>(corrected.size());
    else if (removed > 0)
      position = std::max(0, position - removed);
    position = std::min(position, static_cast<int>(corrected.size()));
    input = corrected;
  }
  return QValidator::Acceptable;
}

// ------------------------------------------------------------------ the page

ItemFiltersWidget::ItemFiltersWidget(Kind kind, ItemFilters& filters, const QueryFilterLists& lists, QWidget* parent)
    : QWidget(parent), kind_(kind), filters_(filters), lists_(lists) {
  setObjectName(kind == Kind::Loader ? "LoaderFilters" : "GrabberFilters");
  // One column, so the page fits beside the stats however narrow the window.
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(BuildStatFilters());
  layout->addWidget(BuildItemFilters());
  layout->addWidget(BuildLevelRange());
  layout->addStretch(1);
  layout->addWidget(BuildButtons());
  Refresh();
}

QWidget* ItemFiltersWidget::BuildStatFilters() {
  auto* group = new QGroupBox("Stat Filters");
  auto* grid = new QGridLayout(group);
  const QStringList statNames = TextsOf(ItemStatFilterList());
  for (std::size_t i = 0; i < stats_.size(); ++i) {
    auto* stat = NewNarrowCombo(QString("StatFilt%1").arg(i + 1), group);
    stat->addItems(statNames);
    connect(stat, &QComboBox::currentIndexChanged, this,
            [this, i](int entry) { Write([&] { filters_.stats[i] = entry; }); });
    auto* amount = new StatAmountField(kStatAmountBound, group);
    amount->setObjectName(QString("stat%1amt").arg(i + 1));
    connect(amount, &StatAmountField::amountChanged, this,
            [this, i](const QString& text) { Write([&] { filters_.amounts[i] = platform::ToModelText(text); }); });
    stats_[i] = stat;
    amounts_[i] = amount;
    const int row = static_cast<int>(i);
    grid->addWidget(stat, row, 0);
    grid->addWidget(amount, row, 1);
  }
  grid->setColumnStretch(0, 1);
  return group;
}

QComboBox* ItemFiltersWidget::AddCombo(const char* objectName, int ItemFilters::*field) {
  auto* combo = NewNarrowCombo(objectName);
  connect(combo, &QComboBox::currentIndexChanged, this,
          [this, field](int entry) { Write([&] { filters_.*field = entry; }); });
  return combo;
}

QWidget* ItemFiltersWidget::BuildItemFilters() {
  auto* group = new QGroupBox("Item Filters");
  auto* form = new QFormLayout(group);
  itemType_ = AddCombo("Filt1", &ItemFilters::itemType);
  armour_ = AddCombo("ArmorFilt", &ItemFilters::armour);
  weaponType_ = AddCombo("WeaponFilt", &ItemFilters::weaponType);
  effect_ = AddCombo("ProcFilter", &ItemFilters::effect);
  SetHint(effect_, "If either procs match this, they will show");
  quality_ = AddCombo("QualFilter", &ItemFilters::quality);
  quality_->addItems(TextsOf(QualityFilterList()));
  sort_ = AddCombo("SortBy", &ItemFilters::sort);
  sort_->addItems(TextsOf(kind_ == Kind::Loader ? LoaderSortList() : GrabberSortList()));
  form->addRow("Item Type", itemType_);
  if (kind_ == Kind::Grabber) {
    slot_ = AddCombo("SlotFilter", &ItemFilters::slot);
    slot_->addItems(TextsOf(SlotFilterList()));
    SetHint(slot_, "Item Slot Filter");
    form->addRow("Slot", slot_);
  }
  form->addRow("Armor", armour_);
  form->addRow("Weapon Type", weaponType_);
  form->addRow("Proc", effect_);
  form->addRow("Quality", quality_);
  form->addRow("Sort By", sort_);
  verifiedOnly_ = new QCheckBox("Verified Only", group);
  verifiedOnly_->setObjectName("VerOnly");
  connect(verifiedOnly_, &QCheckBox::toggled, this, [this](bool on) { Write([&] { filters_.verifiedOnly = on; }); });
  form->addRow(verifiedOnly_);
  return group;
}

QWidget* ItemFiltersWidget::BuildLevelRange() {
  auto* group = new QGroupBox("Item Level");
  auto* row = new QHBoxLayout(group);
  const QStringList levels = TextsOf(LevelFilterList());
  minimumLevel_ = new QComboBox(group);
  minimumLevel_->setObjectName("MinLevel");
  maximumLevel_ = new QComboBox(group);
  maximumLevel_->setObjectName("MaxLevel");
  for (QComboBox* bound : {minimumLevel_, maximumLevel_}) {
    bound->addItems(levels);
    bound->setMaxVisibleItems(20);
    connect(bound, &QComboBox::currentIndexChanged, this,
            [this, minimum = bound == minimumLevel_](int level) { ChooseLevel(minimum, level); });
  }
  auto* reset = new QPushButton("Min / Max", group);
  reset->setObjectName("iMinMax");
  connect(reset, &QPushButton::clicked, this, &ItemFiltersWidget::ResetLevels);
  row->addWidget(minimumLevel_);
  row->addWidget(maximumLevel_);
  row->addWidget(reset);
  return group;
}

QWidget* ItemFiltersWidget::BuildButtons() {
  auto* buttons = new QWidget;
  auto* row = new QHBoxLayout(buttons);
  row->setContentsMargins(0, 0, 0, 0);
  search_ = new QPushButton("Search", buttons);
  search_->setObjectName("iSearch");
  if (kind_ == Kind::Grabber) SetHint(search_, "Get search results");
  auto* clear = new QPushButton("Clear Filters", buttons);
  clear->setObjectName(kind_ == Kind::Loader ? "ifilterclear" : "iFilterClear");
  connect(search_, &QPushButton::clicked, this, &ItemFiltersWidget::searchRequested);
  connect(clear, &QPushButton::clicked, this, &ItemFiltersWidget::clearRequested);
  row->addStretch(1);
  row->addWidget(search_);
  row->addWidget(clear);
  return buttons;
}

void ItemFiltersWidget::RunSearch(const std::function<void()>& search) {
  search_->setEnabled(false);
  QApplication::setOverrideCursor(Qt::WaitCursor);
  search();
  QApplication::restoreOverrideCursor();
  search_->setEnabled(true);
}

// The loader keeps the bounds in order by moving the other one; the grabber
// takes each bound as chosen.
void ItemFiltersWidget::ChooseLevel(bool minimum, int level) {
  if (refreshing_) return;
  if (kind_ == Kind::Grabber)
    (minimum ? filters_.minimumLevel : filters_.maximumLevel) = level;
  else if (minimum)
    ChooseMinimumLevel(filters_, level);
  else
    ChooseMaximumLevel(filters_, level);
  Refresh();
  emit filtersChanged();
}

void ItemFiltersWidget::ResetLevels() {
  if (refreshing_) return;
  ResetLevelRange(filters_);
  Refresh();
  emit filtersChanged();
}

// What the page shows itself (building, refreshing) is no change of the user's.
void ItemFiltersWidget::Write(const std::function<void()>& write) {
  if (refreshing_) return;
  write();
  emit filtersChanged();
}

void ItemFiltersWidget::RefreshVocabularyCombos() {
  ShowEntries(*itemType_, TextsOf(lists_.itemTypes));
  ShowEntries(*armour_, TextsOf(lists_.armour));
  ShowEntries(*weaponType_, TextsOf(lists_.weaponTypes));
  ShowEntries(*effect_, TextsOf(lists_.effects));
}

void ItemFiltersWidget::Refresh() {
  refreshing_ = true;
  RefreshVocabularyCombos();
  for (std::size_t i = 0; i < stats_.size(); ++i) {
    ShowIndex(*stats_[i], filters_.stats[i]);
    amounts_[i]->ShowAmount(platform::ToQString(filters_.amounts[i]));
  }
  ShowIndex(*minimumLevel_, filters_.minimumLevel);
  ShowIndex(*maximumLevel_, filters_.maximumLevel);
  verifiedOnly_->setChecked(filters_.verifiedOnly);
  ShowIndex(*itemType_, filters_.itemType);
  ShowIndex(*armour_, filters_.armour);
  ShowIndex(*weaponType_, filters_.weaponType);
  ShowIndex(*effect_, filters_.effect);
  ShowIndex(*quality_, filters_.quality);
  if (slot_) ShowIndex(*slot_, filters_.slot);
  ShowIndex(*sort_, filters_.sort);
  refreshing_ = false;
}

}  // namespace davoruzivi::ui
