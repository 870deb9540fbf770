#include "InlineEdit/inline_editor_window.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QValidator>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>
#include <memory>
#include <utility>

#include "GMAIN/planner.h"
#include "VaultLoad/item_filters_widget.h"
#include "combo_lists.h"
#include "hints.h"
#include "name_list_model.h"
#include "itemdb/item_vocabularies.h"
#include "itemdb/stat_catalogue.h"
#include "platform/qt/qt_text.h"
#include "template/slots.h"

namespace davoruzivi::ui {
namespace {

using platform::ToModelText;
using platform::ToQString;

// A category shows its number and the start of its name; the stat beside it takes the rest.
constexpr int kCategoryCharacters = 5;
constexpr int kStatCharacters = 9;
constexpr const char* kProcKindNames[] = {"cProcOne", "cProcTwo"};
constexpr const char* kEffectNames[] = {"cbExt1", "cbExt2"};
constexpr const char* kProcAmountNames[] = {"Proc1Amt", "Proc2Amt"};
// The status bar shows the sorting progress at most this often; every step
// of a whole-vault sort would repaint it a thousand times.
constexpr qint64 kProgressIntervalMs = 100;

// Only a text that differs is shown, so the caret of the field being typed in stays.
void ShowAmount(StatAmountField& field, std::string_view amount) {
  const QString text = ToQString(amount);
  if (field.text() != text) field.ShowAmount(text);
}

StatAmountField* NewAmountField(int bound, const QString& objectName, QWidget* parent) {
  auto* field = new StatAmountField(bound, parent);
  field->setObjectName(objectName);
  return field;
}


// A typed name holds at most 50 characters; a longer one that came from the
// vault or a file is shown whole and may be shortened.
class TypedNameValidator final : public QValidator {
 public:
  TypedNameValidator(std::function<qsizetype()> shownLength, QObject* parent)
      : QValidator(parent), shownLength_(std::move(shownLength)) {}

  State validate(QString& input, int&) const override {
    const qsizetype limit = std::max(static_cast<qsizetype>(kTypedItemNameLength), shownLength_());
    return input.size() <= limit ? Acceptable : Invalid;
  }

 private:
  std::function<qsizetype()> shownLength_;
};

}  // namespace

InlineEditorWindow::InlineEditorWindow(Planner& planner, QWidget* parent)
    : DockedEditor(parent),
      planner_(planner),
      editor_(planner.workflow, planner.vault,
              {planner.services.messages, planner.services.files, planner.services.clipboard}, planner.programFolder),
      grabber_(planner.query, planner.vault, planner.workflow) {
  setObjectName("InlineEditor");
  setWindowTitle("Inline Editor");
  pages_ = new QTabWidget(this);
  pages_->setObjectName("InlineEditorPages");
  pages_->addTab(BuildManualEditorPage(), "Manual Editor");
  pages_->addTab(BuildGrabberPage(), "Vault Grabber");
  filters_ = new ItemFiltersWidget(ItemFiltersWidget::Kind::Grabber, grabber_.Filters(), planner_.filterLists);
  pages_->addTab(filters_, "Filters");
  connect(pages_, &QTabWidget::currentChanged, this, &InlineEditorWindow::PageShown);
  connect(filters_, &ItemFiltersWidget::searchRequested, this, &InlineEditorWindow::SearchFromButton);
  connect(filters_, &ItemFiltersWidget::clearRequested, this, &InlineEditorWindow::ClearFilters);

  auto* done = new QPushButton("&Done", this);
  done->setObjectName("btnReturn");
  connect(done, &QPushButton::clicked, this, &InlineEditorWindow::Done);
  auto* bottom = new QHBoxLayout;
  bottom->addStretch(1);
  bottom->addWidget(done);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pages_, 1);
  layout->addLayout(bottom);
  RefreshManualPage();
  RefreshGrabber();
}

InlineEditorWindow::~InlineEditorWindow() = default;

// ------------------------------------------------------------------ building

QWidget* InlineEditorWindow::BuildManualEditorPage() {
  auto* page = new QWidget;
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(BuildListColumn(), 2);
  layout->addWidget(BuildFieldsColumn(), 5);
  return page;
}

QWidget* InlineEditorWindow::BuildListColumn() {
  auto* column = new QWidget;
  slotSwitch_ = NewNarrowCombo("SlotSwitch", column);
  for (int s = 0; s < kEquipmentSlotCount; ++s) slotSwitch_->addItem(ToQString(SlotBaseName(s)));
  connect(slotSwitch_, &QComboBox::currentIndexChanged, this, [this](int s) {
    if (!refreshing_) SwitchSlot(s);
  });
  listing_ = new QListWidget(column);
  listing_->setObjectName("CustomListing");
  listing_->setSelectionMode(QAbstractItemView::SingleSelection);
  listing_->viewport()->installEventFilter(this);
  // A keyboard move or a click on another entry changes the current row; a
  // click on the entry that is current already selects it again.
  connect(listing_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!refreshing_ && row >= 0) SelectEntry(row);
  });
  connect(listing_, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
    if (listing_->row(item) == rowAtPress_) SelectEntry(rowAtPress_);
  });
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel("Slot", column));
  layout->addWidget(slotSwitch_);
  layout->addWidget(listing_, 1);
  return column;
}

QWidget* InlineEditorWindow::BuildFieldsColumn() {
  auto* column = new QWidget;
  name_ = new QLineEdit(column);
  name_->setObjectName("CustomName");
  name_->setValidator(
      new TypedNameValidator([this] { return static_cast<qsizetype>(editor_.Fields().name.size()); }, name_));
  connect(name_, &QLineEdit::textEdited, this, &InlineEditorWindow::ChangeName);
  auto* nameRow = new QHBoxLayout;
  nameRow->addWidget(new QLabel("Name", column));
  nameRow->addWidget(name_, 1);
  auto* layout = new QVBoxLayout(column);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(nameRow);
  layout->addWidget(BuildBonusRows());
  layout->addWidget(BuildProcs());
  layout->addStretch(1);
  layout->addWidget(BuildManualButtons());
  return column;
}

QGroupBox* InlineEditorWindow::BuildBonusRows() {
  bonusGroup_ = new QGroupBox("Bonuses");
  bonusGroup_->setObjectName("BonusGroup");
  auto* grid = new QGridLayout(bonusGroup_);
  const QStringList categories = TextsOf(StatCategoryList());
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    const int row = static_cast<int>(n);
    BonusRowControls& controls = rows_[n];
    controls.category = NewNarrowCombo(QString("a%1").arg(row + 1), bonusGroup_, kCategoryCharacters);
    controls.category->addItems(categories);
    controls.stat = NewNarrowCombo(QString("c%1").arg(row + 1), bonusGroup_, kStatCharacters);
    controls.amount = NewAmountField(kBonusAmountBound, QString("s%1").arg(row + 1), bonusGroup_);
    connect(controls.category, &QComboBox::currentIndexChanged, this, [this, row](int category) {
      if (!refreshing_) Edit([&] { editor_.ChangeCategory(row, category); });
    });
    connect(controls.stat, &QComboBox::currentIndexChanged, this, [this, row](int entry) {
      if (!refreshing_) Edit([&] { editor_.ChangeStat(row, entry); });
    });
    connect(controls.amount, &StatAmountField::amountChanged, this, [this, row](const QString& text) {
      if (!refreshing_) Edit([&] { editor_.ChangeAmount(row, ToModelText(text)); });
    });
    grid->addWidget(controls.category, row, 0);
    grid->addWidget(controls.stat, row, 1);
    grid->addWidget(controls.amount, row, 2);
  }
  grid->setColumnStretch(1, 1);
  return bonusGroup_;
}

QGroupBox* InlineEditorWindow::BuildProcs() {
  procGroup_ = new QGroupBox("Procs / Effects");
  procGroup_->setObjectName("ProcGroup");
  auto* grid = new QGridLayout(procGroup_);
  const QStringList kinds = TextsOf(ProcKindList(), kManualProcKindCount);
  for (std::size_t n = 0; n < procs_.size(); ++n) {
    const int proc = static_cast<int>(n);
    ProcControls& controls = procs_[n];
    controls.kind = NewNarrowCombo(kProcKindNames[n], procGroup_);
    controls.kind->addItems(kinds);
    controls.effect = NewNarrowCombo(kEffectNames[n], procGroup_);
    controls.amount = NewAmountField(kProcAmountBound, kProcAmountNames[n], procGroup_);
    connect(controls.kind, &QComboBox::currentIndexChanged, this, [this, proc](int kind) {
      if (!refreshing_) Edit([&] { editor_.ChangeProcKind(proc, kind); });
    });
    connect(controls.effect, &QComboBox::currentIndexChanged, this, [this, proc](int effect) {
      if (!refreshing_) Edit([&] { editor_.ChangeEffect(proc, effect); });
    });
    connect(controls.amount, &StatAmountField::amountChanged, this, [this, proc](const QString& text) {
      if (!refreshing_) Edit([&] { editor_.ChangeProcAmount(proc, ToModelText(text)); });
    });
    // The effect names are long: each takes a line of its own below its kind and amount.
    grid->addWidget(controls.kind, 2 * proc, 0);
    grid->addWidget(controls.amount, 2 * proc, 1);
    grid->addWidget(controls.effect, 2 * proc + 1, 0, 1, 2);
  }
  grid->setColumnStretch(0, 1);
  return procGroup_;
}

QWidget* InlineEditorWindow::BuildManualButtons() {
  auto* buttons = new QWidget;
  newButton_ = CommandButton("Create &New", "btnNew", &InlineEditorWindow::CreateNew);
  deleteButton_ = CommandButton("Delete Item", "btnDel", &InlineEditorWindow::DeleteItem);
  clearButton_ = CommandButton("&Clear Stats and Procs", "btnRoG", &InlineEditorWindow::ClearStatsAndProcs);
  exportButton_ = CommandButton("E&xport item", "btnExport", &InlineEditorWindow::ExportItem);
  clipboardButton_ = CommandButton("Copy to Clipboard", "btnClipboard", &InlineEditorWindow::CopyToClipboard);
  QPushButton* import = CommandButton("Import Item", "btnImportKWX", &InlineEditorWindow::ImportItem);
  auto* grid = new QGridLayout(buttons);
  grid->setContentsMargins(0, 0, 0, 0);
  // Two columns, so every caption shows whole beside a narrow list.
  grid->addWidget(newButton_, 0, 0);
  grid->addWidget(deleteButton_, 0, 1);
  grid->addWidget(clearButton_, 1, 0);
  grid->addWidget(clipboardButton_, 1, 1);
  grid->addWidget(import, 2, 0);
  grid->addWidget(exportButton_, 2, 1);
  return buttons;
}

QWidget* InlineEditorWindow::BuildGrabberPage() {
  auto* page = new QWidget;
  resultGroup_ = new QGroupBox(page);
  resultGroup_->setObjectName("EItemsGroup");
  results_ = new QListView(resultGroup_);
  results_->setObjectName("EItems");
  results_->setSelectionMode(QAbstractItemView::SingleSelection);
  results_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  results_->setUniformItemSizes(true);  // a whole-vault result lays out without measuring each row
  resultModel_ = new NameListModel([this] { return static_cast<int>(grabber_.EntryCount()); },
                                   [this](int row) { return grabber_.EntryName(static_cast<std::size_t>(row)); },
                                   results_);
  results_->setModel(resultModel_);
  connect(results_->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& current) {
    if (!refreshing_ && current.isValid()) SelectResult(current.row());
  });
  connect(results_, &QListView::doubleClicked, this, [this](const QModelIndex& index) {
    if (!index.isValid()) return;
    SelectResult(index.row());
    CopyStats();
  });
  auto* resultLayout = new QVBoxLayout(resultGroup_);
  resultLayout->addWidget(results_);

  memo_ = new QPlainTextEdit(page);
  memo_->setObjectName("ItemMemo");
  memo_->setReadOnly(true);
  SetHint(memo_, "Item Stats appear here");
  copyStats_ = CommandButton("Copy Stats to Editor", "btnCopyStats", &InlineEditorWindow::CopyStats);
  SetHint(copyStats_, "Creates a new item based on the stats of the selected items");

  auto* right = new QVBoxLayout;
  right->addWidget(memo_, 1);
  right->addWidget(copyStats_);
  auto* layout = new QHBoxLayout(page);
  layout->addWidget(resultGroup_, 1);
  layout->addLayout(right, 1);
  return page;
}

// ------------------------------------------------------------------ the editor

void InlineEditorWindow::showEvent(QShowEvent* event) {
  DockedEditor::showEvent(event);
  if (editor_.Closed()) Open();
}

bool InlineEditorWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == listing_->viewport() && event->type() == QEvent::MouseButtonPress)
    rowAtPress_ = listing_->currentRow();
  return DockedEditor::eventFilter(watched, event);
}

// The lists are rebuilt on every showing; the grabber's filters stay.
void InlineEditorWindow::Open() {
  {
    const QSignalBlocker quiet(pages_);
    pages_->setCurrentIndex(static_cast<int>(InlineEditorPage::ManualEditor));
  }
  resultModel_->Change([this] { grabber_.Open(planner_.settings.Sorting); });
  filters_->Refresh();  // the filter lists may have grown with the vault
  for (ProcControls& controls : procs_) {
    const QSignalBlocker quiet(controls.effect);
    ShowEntries(*controls.effect, TextsOf(planner_.vault.Vocabularies().Effects.List()));
  }
  editor_.Open();
  RefreshManualPage();
  RefreshGrabber();
  emit modelChanged();
}

void InlineEditorWindow::Done() {
  editor_.Done();
  RefreshManualPage();
  emit modelChanged();
  emit finished();
}

void InlineEditorWindow::SwitchSlot(int equipmentSlot) {
  grabber_.ClearMemo();
  editor_.SwitchSlot(equipmentSlot);
  RefreshManualPage();
  RefreshMemo();
  slotSwitch_->setFocus();
  emit modelChanged();
}

void InlineEditorWindow::SelectEntry(int entry) {
  Edit([&] { editor_.SelectEntry(entry, SelectionOrigin::User); });
}

// A name emptied becomes "Custom Item" at once.
void InlineEditorWindow::ChangeName(const QString& text) {
  editor_.ChangeName(ToModelText(text));
  if (text.isEmpty()) name_->setText(ToQString(editor_.Fields().name));
  RefreshList();
  emit modelChanged();
}

void InlineEditorWindow::Edit(const std::function<void()>& change) {
  change();
  RefreshManualPage();
  emit modelChanged();
}

void InlineEditorWindow::CreateNew() {
  ShowPage(InlineEditorPage::ManualEditor);
  Edit([this] { editor_.CreateNew(); });
  listing_->setFocus();
}

void InlineEditorWindow::DeleteItem() {
  Edit([this] { editor_.DeleteItem(); });
}

void InlineEditorWindow::ClearStatsAndProcs() {
  Edit([this] { editor_.ClearStatsAndProcs(); });
}

void InlineEditorWindow::ExportItem() {
  Edit([this] { editor_.Export(); });
}

void InlineEditorWindow::ImportItem() {
  Edit([this] { editor_.Import(); });
}

// The grabber memo is where the lines were put together: it is left empty.
void InlineEditorWindow::CopyToClipboard() {
  editor_.CopyToClipboard();
  grabber_.ClearMemo();
  RefreshMemo();
}

// ------------------------------------------------------------------ the grabber

void InlineEditorWindow::ShowPage(InlineEditorPage page) {
  pages_->setCurrentIndex(static_cast<int>(page));
  PageShown(pages_->currentIndex());  // runs a pending search even when the page was shown already
}

void InlineEditorWindow::PageShown(int page) {
  if (page != static_cast<int>(InlineEditorPage::VaultGrabber) || !grabber_.SearchPending()) return;
  RunSearch([this] { grabber_.ShowPage(StatusBarProgress()); });
}

void InlineEditorWindow::SearchFromButton() {
  RunSearch([this] { grabber_.Search(StatusBarProgress()); });
  ShowPage(InlineEditorPage::VaultGrabber);
  SelectResult(0);
  results_->setFocus();
}

void InlineEditorWindow::RunSearch(const std::function<void()>& search) {
  filters_->RunSearch([this, &search] { resultModel_->Change(search); });
  RefreshGrabber();
}

SortProgress InlineEditorWindow::StatusBarProgress() {
  auto shown = std::make_shared<QElapsedTimer>();
  shown->start();
  return [this, shown](std::size_t reached, std::size_t total) {
    if (reached != total && shown->elapsed() < kProgressIntervalMs) return;
    shown->restart();
    emit statusMessage(ToQString(SortingProgressText(reached, total)));
  };
}

void InlineEditorWindow::SelectResult(int entry) {
  grabber_.Select(entry);
  if (grabber_.SelectedEntry() >= 0) {
    const QSignalBlocker quiet(results_->selectionModel());
    results_->setCurrentIndex(resultModel_->index(grabber_.SelectedEntry()));
  }
  RefreshGrabber();
}

void InlineEditorWindow::CopyStats() {
  if (!grabber_.CanCopy()) return;
  ShowPage(InlineEditorPage::ManualEditor);
  Edit([this] { grabber_.CopyStatsTo(editor_); });
  listing_->setFocus();
}

void InlineEditorWindow::ClearFilters() {
  grabber_.ClearFilters(planner_.settings.Sorting);
  filters_->Refresh();
}

// The loader's "Manual Edit": the grabber searches with its own filters and
// copies the item when it lists it.
void InlineEditorWindow::GrabVaultItem(int vaultPosition) {
  if (editor_.Closed()) Open();
  ShowPage(InlineEditorPage::VaultGrabber);
  if (vaultPosition < 0) return;
  const auto entry = grabber_.EntryOf(static_cast<std::size_t>(vaultPosition));
  if (!entry) return;
  SelectResult(static_cast<int>(*entry));
  CopyStats();
}

// ------------------------------------------------------------------ showing

void InlineEditorWindow::RefreshManualPage() {
  refreshing_ = true;
  slotSwitch_->setCurrentIndex(editor_.CurrentSlot() < kEquipmentSlotCount ? editor_.CurrentSlot() : -1);
  RefreshList();
  RefreshFields();
  RefreshEnabling();
  refreshing_ = false;
}

void InlineEditorWindow::RefreshList() {
  const bool wasRefreshing = std::exchange(refreshing_, true);
  QStringList entries;
  for (const std::string& entry : editor_.ListEntries()) entries << ToQString(entry);
  ShowRows(*listing_, entries, editor_.SelectedEntry());
  refreshing_ = wasRefreshing;
}

void InlineEditorWindow::RefreshFields() {
  const InlineItemFields& fields = editor_.Fields();
  if (name_->text() != ToQString(fields.name)) name_->setText(ToQString(fields.name));
  for (std::size_t n = 0; n < rows_.size(); ++n) RefreshRow(n);
  for (std::size_t n = 0; n < procs_.size(); ++n) {
    ShowIndex(*procs_[n].kind, fields.procs[n].kind);
    ShowIndex(*procs_[n].effect, fields.procs[n].effect);
    ShowAmount(*procs_[n].amount, fields.procs[n].amount);
  }
}

// The stat list holds the row's category's entries, or "<Empty>" alone for "<Select>".
void InlineEditorWindow::RefreshRow(std::size_t row) {
  const BonusRowFields& fields = editor_.Fields().rows[row];
  BonusRowControls& controls = rows_[row];
  ShowIndex(*controls.category, fields.category);
  if (controls.shownCategory != fields.category) {
    ShowEntries(*controls.stat, TextsOf(RowStatList(fields.category)));
    controls.shownCategory = fields.category;
  }
  ShowIndex(*controls.stat, fields.stat);
  ShowAmount(*controls.amount, fields.amount);
}

void InlineEditorWindow::RefreshEnabling() {
  const bool item = editor_.ItemSelected();
  bonusGroup_->setEnabled(item);
  procGroup_->setEnabled(item);
  for (std::size_t n = 0; n < rows_.size(); ++n) {
    rows_[n].stat->setEnabled(editor_.StatListEnabled(static_cast<int>(n)));
    rows_[n].amount->setEnabled(editor_.AmountEnabled(static_cast<int>(n)));
  }
  for (std::size_t n = 0; n < procs_.size(); ++n)
    procs_[n].effect->setEnabled(editor_.EffectEnabled(static_cast<int>(n)));
  clearButton_->setEnabled(item);
  exportButton_->setEnabled(item);
  clipboardButton_->setEnabled(item);
  deleteButton_->setEnabled(editor_.CanDelete());
}

void InlineEditorWindow::RefreshGrabber() {
  resultGroup_->setTitle(ToQString(grabber_.GroupCaption()));
  copyStats_->setEnabled(grabber_.CanCopy());
  RefreshMemo();
}

// The memo is hidden while it is filled, then shown from its first line.
void InlineEditorWindow::RefreshMemo() {
  QStringList lines;
  for (const std::string& line : grabber_.MemoLines()) lines << ToQString(line);
  memo_->setUpdatesEnabled(false);
  memo_->setPlainText(lines.join('\n'));
  memo_->verticalScrollBar()->setValue(0);
  memo_->setUpdatesEnabled(true);
}

}  // namespace davoruzivi::ui
