#include "GMAIN/equipment_page_widget.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "GMAIN/info_panel_widget.h"
#include "GMAIN/planner.h"
#include "hints.h"
#include "platform/qt/qt_text.h"
#include "template/slots.h"

namespace davoruzivi::ui {
namespace {

// The add buttons and the item window each of them opens.
struct AddButtonSpec {
  const char* caption;
  const char* objectName;
  const char* window;
  ItemWindow opens;
};
constexpr AddButtonSpec kAddButtons[] = {
    {"The Master &Vault", "VaultAdd", "vault loader", ItemWindow::VaultLoader},
    {"Via &Manual Entry", "InlineAdd", "inline editor", ItemWindow::InlineEditor},
    {"&Spellcraft Calculator", "CraftAdd", "spellcraft calculator", ItemWindow::SpellcraftCalculator}};

constexpr int kSlotButtonPadding = 6;
// Narrower than this a slot button is not made: its slot's name always shows.
constexpr const char* kShortestSlotCaption = "Right Hand:<Empty S\u2026";

// A slot button: its caption, the slot's name and the equipped item's, is cut
// short with an ellipsis where the column is narrow, and says itself whole
// in the tool tip.
class SlotButton final : public QPushButton {
 public:
  SlotButton(int equipmentSlot, QWidget* parent) : QPushButton(parent) {
    setObjectName(QString("EquipSlot%1").arg(equipmentSlot));
    setCheckable(true);
    setStyleSheet(QString("text-align: left; padding: 3px %1px;").arg(kSlotButtonPadding));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setStatusTip(platform::ToQString(SlotBaseName(equipmentSlot)));
  }

  void SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    setToolTip(caption);
    updateGeometry();
    ShowElided();
  }

  QSize sizeHint() const override { return WithText(caption_); }
  QSize minimumSizeHint() const override { return WithText(QString::fromUtf8(kShortestSlotCaption)); }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QPushButton::resizeEvent(event);
    ShowElided();
  }

 private:
  static constexpr int kFrame = 2 * kSlotButtonPadding + 6;  // padding and border on both sides

  QSize WithText(const QString& text) const {
    return {fontMetrics().horizontalAdvance(text) + kFrame, QPushButton::sizeHint().height()};
  }
  // An "&" in an item's name is no shortcut.
  void ShowElided() {
    const QString shown = fontMetrics().elidedText(caption_, Qt::ElideRight, width() - kFrame);
    setText(QString(shown).replace('&', "&&"));
  }

  QString caption_;
};

}  // namespace

EquipmentPageWidget::EquipmentPageWidget(Planner& planner, InfoPanelWidget& info, QWidget* parent)
    : QWidget(parent), planner_(planner), info_(info), slotButtons_(new QButtonGroup(this)) {
  slotButtons_->setObjectName("EquipSlots");
  slotButtons_->setExclusive(true);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(BuildSlotColumn(), 2);
  layout->addWidget(BuildListSide(), 3);
  Refresh();
}

QWidget* EquipmentPageWidget::BuildSlotColumn() {
  auto* column = new QWidget;
  auto* buttons = new QVBoxLayout(column);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(2);
  for (int s = 0; s < kEquipmentSlotCount; ++s) {
    auto* button = new SlotButton(s, column);
    button->installEventFilter(this);
    slotButtons_->addButton(button, s);
    buttons->addWidget(button);
  }
  buttons->addStretch(1);
  column->installEventFilter(this);
  connect(slotButtons_, &QButtonGroup::idClicked, this, &EquipmentPageWidget::SelectSlot);
  return column;
}

QWidget* EquipmentPageWidget::BuildListSide() {
  auto* side = new QWidget;
  heading_ = new QLabel(side);
  heading_->setObjectName("SlotName");
  heading_->setTextFormat(Qt::PlainText);
  list_ = new QListWidget(side);
  list_->setObjectName("EquipList");
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->viewport()->installEventFilter(this);
  // A keyboard move or a click on another entry changes the current row; a
  // click on the entry that is current already chooses it again.
  connect(list_, &QListWidget::currentRowChanged, this, &EquipmentPageWidget::ChooseRow);
  connect(list_, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
    if (list_->row(item) == rowAtPress_) ChooseRow(rowAtPress_);
  });
  auto* unequip = new QPushButton("Unequip All Slots", side);
  unequip->setObjectName("btnResetGear");
  connect(unequip, &QPushButton::clicked, this, &EquipmentPageWidget::UnequipAll);

  auto* layout = new QVBoxLayout(side);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(heading_);
  layout->addWidget(list_, 1);
  layout->addWidget(BuildAddGroup());
  layout->addWidget(unequip);
  return side;
}

QWidget* EquipmentPageWidget::BuildAddGroup() {
  auto* group = new QGroupBox("Add Items from...");
  auto* layout = new QVBoxLayout(group);
  for (std::size_t i = 0; i < std::size(kAddButtons); ++i) {
    const AddButtonSpec& spec = kAddButtons[i];
    auto* button = new QPushButton(spec.caption, group);
    button->setObjectName(spec.objectName);
    connect(button, &QPushButton::clicked, this, [this, window = spec.opens] { emit itemWindowRequested(window); });
    addButtons_[i] = button;
    layout->addWidget(button);
    SetItemWindowAvailable(spec.opens, false);
  }
  return group;
}

void EquipmentPageWidget::SetItemWindowAvailable(ItemWindow window, bool available) {
  for (std::size_t i = 0; i < std::size(kAddButtons); ++i) {
    if (kAddButtons[i].opens != window) continue;
    const QString hint = available ? QString("Opens the %1.").arg(kAddButtons[i].window)
                                   : QString("Opens the %1, which is not available yet.").arg(kAddButtons[i].window);
    addButtons_[i]->setEnabled(available);
    SetHint(addButtons_[i], hint);
  }
}

void EquipmentPageWidget::Refresh() {
  RefreshButtons();
  RefreshList();
}

void EquipmentPageWidget::RefreshAllSlots() {
  planner_.page.RefreshAllSlots();
  Refresh();
  emit modelChanged();
}

void EquipmentPageWidget::RefreshButtons() {
  const auto& captions = planner_.page.ButtonCaptions();
  const int current = planner_.page.CurrentSlot();
  for (int s = 0; s < kEquipmentSlotCount; ++s) {
    auto* button = static_cast<SlotButton*>(slotButtons_->button(s));
    button->SetCaption(platform::ToQString(captions[static_cast<std::size_t>(s)]));
    QFont font = button->font();
    font.setBold(s == current);  // the highlight does not rest on the pressed look alone
    button->setFont(font);
  }
  if (QAbstractButton* shown = slotButtons_->button(current)) shown->setChecked(true);
}

void EquipmentPageWidget::RefreshList() {
  heading_->setText(platform::ToQString(planner_.page.SlotHeading()));
  QStringList names;
  for (const Candidate& entry : planner_.page.Entries()) names << platform::ToQString(entry.name);
  QStringList shown;
  for (int row = 0; row < list_->count(); ++row) shown << list_->item(row)->text();
  const QSignalBlocker quiet(list_);  // a selection the page makes itself stores nothing
  if (shown != names) {
    list_->clear();
    list_->addItems(names);
  }
  list_->setCurrentRow(planner_.page.SelectedEntry());
}

void EquipmentPageWidget::SelectSlot(int equipmentSlot) {
  if (equipmentSlot == planner_.page.CurrentSlot()) return;
  planner_.page.SelectSlot(equipmentSlot, PageOrigin::SlotButtons);
  ShowChoice();
}

void EquipmentPageWidget::ChooseRow(int row) {
  if (row < 0) return;
  planner_.page.ChooseEntry(row, PageOrigin::List);
  ShowChoice();
}

// After a slot or an entry was chosen: the page, the item's description, and
// the news for the other pages.
void EquipmentPageWidget::ShowChoice() {
  Refresh();
  if (const auto& title = planner_.page.InfoTitle()) info_.Show(*title, planner_.page.InfoLines());
  else info_.ShowLines(planner_.page.InfoLines());
  emit modelChanged();
}

bool EquipmentPageWidget::eventFilter(QObject* watched, QEvent* event) {
  if (list_ && watched == list_->viewport()) {
    if (event->type() == QEvent::MouseButtonPress) rowAtPress_ = list_->currentRow();
    return false;
  }
  if (event->type() == QEvent::Wheel) return TurnWheel(*static_cast<QWheelEvent*>(event));
  return QWidget::eventFilter(watched, event);
}

// Without Shift the wheel walks the slots, with Shift the list's entries. The
// turn is handled, except a Shift turn that finds the list at its end: that
// one is left to the button column, which may scroll.
bool EquipmentPageWidget::TurnWheel(QWheelEvent& wheel) {
  const QPoint delta = wheel.angleDelta();
  const int turn = delta.y() != 0 ? delta.y() : delta.x();  // some systems turn Shift+wheel sideways
  const int step = turn < 0 ? 1 : -1;                        // down: the next slot or entry
  if (turn != 0 && wheel.modifiers().testFlag(Qt::ShiftModifier)) {
    if (!planner_.page.MoveSelection(step)) return false;
    ShowChoice();
  } else if (turn != 0) {
    const int next = planner_.page.CurrentSlot() + step;
    if (next >= 0 && next < kEquipmentSlotCount) SelectSlot(next);
  }
  wheel.accept();
  return true;
}

void EquipmentPageWidget::UnequipAll() {
  if (planner_.workflow.UnequipAll()) RefreshAllSlots();  // nothing to show after "&Cancel"
}

}  // namespace davoruzivi::ui
