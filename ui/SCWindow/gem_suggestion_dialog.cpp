#include "SCWindow/gem_suggestion_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QTableWidget>
#include <QVBoxLayout>
#include <initializer_list>

#include "hints.h"
#include "platform/qt/qt_text.h"
#include "template/slots.h"

namespace davoruzivi::ui {
namespace {

using platform::ToQString;

constexpr int kWidth = 960, kHeight = 600;

// A read-only table whose text columns share the width and wrap; the other
// columns take what their contents need.
QTableWidget* NewTable(const char* objectName, const QStringList& headings, std::initializer_list<int> textColumns,
                       QWidget* parent) {
  auto* table = new QTableWidget(0, static_cast<int>(headings.size()), parent);
  table->setObjectName(objectName);
  table->setHorizontalHeaderLabels(headings);
  table->verticalHeader()->hide();
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::NoSelection);
  table->setWordWrap(true);
  table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  for (int column : textColumns) table->horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
  return table;
}

void AddRow(QTableWidget& table, const QStringList& cells) {
  const int row = table.rowCount();
  table.insertRow(row);
  for (int column = 0; column < cells.size(); ++column) {
    auto* cell = new QTableWidgetItem(cells[column]);
    if (column > 0 && cells[column].front().isDigit()) cell->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    table.setItem(row, column, cell);
  }
}

}  // namespace

GemSuggestionDialog::GemSuggestionDialog(const SuggestionReview& review, bool hoverFocus, QWidget* parent)
    : QDialog(parent), hoverFocus_(hoverFocus) {
  setObjectName("GemSuggestion");
  setWindowTitle("Gem Suggestion");
  auto* items =
      NewTable("SuggestedItems", {"Slot", "Item", "Gems now", "Charge", "Suggested gems", "Charge"}, {1, 2, 4}, this);
  for (const SuggestionItemRow& row : review.items)
    AddRow(*items, {ToQString(SlotBaseName(row.equipmentSlot)), ToQString(row.name), ToQString(row.currentGems),
                    ToQString(row.currentCharge), ToQString(row.suggestedGems), ToQString(row.suggestedCharge)});
  auto* stats = NewTable("SuggestedStats", {"Stat", "Now", "Suggested", "Cap", "Gain"}, {0}, this);
  for (const SuggestionStatRow& row : review.stats)
    AddRow(*stats, {ToQString(row.label), QString::number(row.before), QString::number(row.after),
                    QString::number(row.cap), QString::number(row.gain, 'f', 1)});
  auto* score = new QLabel(ToQString(review.score), this);
  score->setObjectName("SuggestionScore");

  auto* buttons = new QDialogButtonBox(this);
  QPushButton* apply = buttons->addButton("Apply", QDialogButtonBox::AcceptRole);
  apply->setObjectName("btnApplySuggestion");
  apply->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel)->setObjectName("btnCancelSuggestion");
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  for (QWidget* control :
       std::initializer_list<QWidget*>{items, stats, apply, buttons->button(QDialogButtonBox::Cancel)})
    control->installEventFilter(this);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("The crafted pieces", this));
  layout->addWidget(items, 1);
  layout->addWidget(new QLabel("The totals that change", this));
  layout->addWidget(stats, 1);
  layout->addWidget(score);
  layout->addWidget(buttons);
  resize(kWidth, kHeight);
  items->resizeRowsToContents();
}

bool GemSuggestionDialog::eventFilter(QObject* watched, QEvent* event) {
  if (hoverFocus_) FocusOnEnter(watched, event);
  return QDialog::eventFilter(watched, event);
}

}  // namespace davoruzivi::ui
