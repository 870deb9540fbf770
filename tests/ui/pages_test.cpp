// The equipment page and the stat panels over a small vault: clicks, keys and
// wheel turns reach the template, the lists show its rows in their colours,
// and a stat row fills the information panel.

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QHeaderView>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "GMAIN/equipment_page_widget.h"
#include "GMAIN/info_panel_widget.h"
#include "GMAIN/planner.h"
#include "GMAIN/stat_panels_widget.h"
#include "itemdb/vault_reader.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"

using namespace davoruzivi;
using namespace davoruzivi::platform::testing;

namespace {

std::string HeadItem(int id, std::string_view name, std::string_view bonus) {
  return "\r\n~" + std::to_string(id) + "\r\n" + std::string(name) +
         "\r\nNormal Drop\r\nA\r\n50\r\nTrials of Atlantis (ToA)\r\n100\r\nHead\r\nN/A\r\nN/A\r\nN/A\r\nNCPYR\r\n" +
         std::string(47, '1') + "\r\nV\r\nABLV\r\nIn Game\r\n=\r\n1\r\n" + std::string(bonus) + "\r\n0\r\n";
}

// A planner with one configuration whose Head slot offers two vault items,
// both widgets over it and the information panel they write into.
struct Desk {
  Desk() {
    const std::string text = "~v\r\nVault Version:1\r\nVault Date:1/27/2018\r\n2\r\n0\r\n" +
                             HeadItem(0, "Crown of Zahur", "Strength|10") + HeadItem(1, "Helm of Ages", "Constitution|8");
    loaded = ParseVaultText(text, vault).Ok();
    planner.workflow.NewTemplate();
    planner.workflow.NewConfiguration();
    planner.model.ListsOf(SlotKindOf(slot::Head)).VaultIds = {0, 1};
  }
  // Equips the Crown through the model, as another page would, and redraws.
  void EquipCrown() {
    planner.page.SelectSlot(slot::Head, PageOrigin::OtherControl);
    planner.page.ChooseEntry(1, PageOrigin::List);
    equipment.Refresh();
    stats.Refresh();
  }
  const std::string& Head() const { return planner.model.Configurations[0].Slots[slot::Head]; }

  bool loaded = false;
  MasterVault vault;
  RecordingMessageBox messages;
  ScriptedConfirmationDialog questions;
  ScriptedFileDialogs files;
  FixedClock clock{"1/2/2020 3:04:05 PM"};
  InMemorySettingsStore store;
  RecordingWebOpener web;
  RecordingClipboard clipboard;
  ui::Planner planner{vault, {messages, questions, files, clock, store, web, clipboard}, "/tmp"};
  ui::InfoPanelWidget info;
  ui::EquipmentPageWidget equipment{planner, info};
  ui::StatPanelsWidget stats{planner, info};
};

// Turns the wheel over a widget; true when the turn was handled.
bool Wheel(QWidget* target, int angle, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWheelEvent event(QPointF(4, 4), target->mapToGlobal(QPointF(4, 4)), QPoint(), QPoint(0, angle), Qt::NoButton,
                    modifiers, Qt::NoScrollPhase, false);
  QApplication::sendEvent(target, &event);
  return event.isAccepted();
}

QTreeWidgetItem* RowOf(QTreeWidget* tree, const QString& label) { return tree->findItems(label, Qt::MatchExactly).value(0); }

QPoint CentreOf(QTreeWidget* tree, QTreeWidgetItem* row) { return tree->visualItemRect(row).center(); }

void Hover(QTreeWidget* tree, const QString& label) {
  const QPoint at = CentreOf(tree, RowOf(tree, label));
  QMouseEvent move(QEvent::MouseMove, at, tree->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(tree->viewport(), &move);
}

}  // namespace

class PagesTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<Desk> desk_;
  QButtonGroup* slots_ = nullptr;
  QListWidget* list_ = nullptr;

  QTreeWidget* Stats(const char* name) { return desk_->stats.findChild<QTreeWidget*>(name); }
  QString InfoTitle() { return desk_->info.Title()->text(); }
  QString InfoText() { return desk_->info.Text()->toPlainText(); }
  void Click(QTreeWidget* tree, const QString& label) {
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, CentreOf(tree, RowOf(tree, label)));
  }

 private slots:
  void init() {
    desk_ = std::make_unique<Desk>();
    QVERIFY(desk_->loaded);
    slots_ = desk_->equipment.findChild<QButtonGroup*>("EquipSlots");
    list_ = desk_->equipment.findChild<QListWidget*>("EquipList");
    QVERIFY(slots_ && list_);
  }

  void aSlotButtonShowsItsSlot() {
    QCOMPARE(slots_->buttons().size(), 19);
    QSignalSpy changed(&desk_->equipment, &ui::EquipmentPageWidget::modelChanged);
    QTest::mouseClick(slots_->button(slot::Head), Qt::LeftButton);
    QCOMPARE(desk_->equipment.findChild<QLabel*>("SlotName")->text(), QString("Head Slot Selections :"));
    QCOMPARE(list_->count(), 3);
    QCOMPARE(list_->currentRow(), 0);
    QVERIFY(slots_->button(slot::Head)->isChecked());
    QCOMPARE(InfoText(), QString("No Item Selected"));
    QTest::mouseClick(slots_->button(slot::Head), Qt::LeftButton);
    QCOMPARE(changed.count(), 1);  // the current slot again changes nothing
  }

  void listClicksAndKeysEquip() {
    QTest::mouseClick(slots_->button(slot::Head), Qt::LeftButton);
    desk_->equipment.show();
    QVERIFY(QTest::qWaitForWindowExposed(&desk_->equipment));
    QSignalSpy changed(&desk_->equipment, &ui::EquipmentPageWidget::modelChanged);
    const QPoint crown = list_->visualItemRect(list_->item(1)).center();
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, crown);
    QCOMPARE(desk_->Head(), std::string("v0"));
    QCOMPARE(slots_->button(slot::Head)->toolTip(), QString("Head:Crown of Zahur"));
    desk_->info.Show("Elsewhere", {});
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, crown);
    QCOMPARE(InfoTitle(), QString("Item Report : Crown of Zahur"));  // chosen and described again
    QTest::keyClick(list_, Qt::Key_Down);
    QCOMPARE(InfoTitle(), QString("Item Report : Helm of Ages"));
    QCOMPARE(changed.count(), 3);
  }

  void theWheelWalksSlotsAndWithShiftEntries() {
    QAbstractButton* jewel = slots_->button(slot::Jewel);
    QTest::mouseClick(slots_->button(slot::Head), Qt::LeftButton);
    QVERIFY(Wheel(jewel, -120));
    QCOMPARE(desk_->planner.page.CurrentSlot(), slot::Arms);
    QVERIFY(!Wheel(jewel, -120, Qt::ShiftModifier));  // Arms offers the empty entry only
    QVERIFY(Wheel(jewel, 120));
    QVERIFY(Wheel(jewel, -120, Qt::ShiftModifier));
    QCOMPARE(list_->currentRow(), 1);
    QCOMPARE(InfoTitle(), QString("Item Report : Crown of Zahur"));
    QTest::mouseClick(slots_->button(slot::Mythirians), Qt::LeftButton);
    QVERIFY(Wheel(jewel, -120));
    QCOMPARE(desk_->planner.page.CurrentSlot(), slot::Mythirians);
  }

  void unequipAllAsksFirst() {
    desk_->EquipCrown();
    QSignalSpy changed(&desk_->equipment, &ui::EquipmentPageWidget::modelChanged);
    auto* unequip = desk_->equipment.findChild<QPushButton*>("btnResetGear");
    desk_->questions.answers = {2, 1};
    QTest::mouseClick(unequip, Qt::LeftButton);
    QCOMPARE(desk_->Head(), std::string("v0"));
    QCOMPARE(changed.count(), 0);
    QTest::mouseClick(unequip, Qt::LeftButton);
    QCOMPARE(slots_->button(slot::Head)->toolTip(), QString("Head:<Empty Slot>"));
    QCOMPARE(changed.count(), 1);
    for (const char* name : {"VaultAdd", "InlineAdd", "CraftAdd"})
      QVERIFY(!desk_->equipment.findChild<QPushButton*>(name)->isEnabled());
  }

  void listsShowTheRowsInTheirColoursAndAllOthersOnRequest() {
    desk_->EquipCrown();
    desk_->stats.show();
    QVERIFY(QTest::qWaitForWindowExposed(&desk_->stats));
    QTreeWidget* main = Stats("RegStats");
    QCOMPARE(main->headerItem()->text(0), QString("Main Stats"));
    QTreeWidgetItem* strength = RowOf(main, "Strength");
    QCOMPARE(strength->text(1), QString("10"));
    QCOMPARE(strength->foreground(0).color(), QColor(0, 0, 255));
    QVERIFY(!strength->icon(0).isNull());
    QCOMPARE(strength->textAlignment(1), int(Qt::AlignRight | Qt::AlignVCenter));
    // Wide enough, every label shows whole; narrower, a label is cut short and its tool tip says it whole.
    desk_->stats.resize(desk_->stats.WholeLabelsWidth(), desk_->stats.height());
    QVERIFY(main->columnWidth(0) >=
            main->fontMetrics().horizontalAdvance("Mythical Crush Resist (Cap Only)") + main->iconSize().width());
    QVERIFY(strength->toolTip(0).startsWith("Strength"));
    QVERIFY(Stats("HoldAllStats")->isHidden() && RowOf(Stats("HoldAllStats"), "Strength"));

    QTreeWidget* others = Stats("Others");
    QCOMPARE(others->topLevelItemCount(), 0);
    QSignalSpy changed(&desk_->stats, &ui::StatPanelsWidget::modelChanged);
    auto* effected = desk_->stats.findChild<QCheckBox*>("Effected");
    QTest::mouseClick(effected, Qt::LeftButton, {}, QPoint(effected->height() / 2, effected->height() / 2));  // on the box
    QCOMPARE(changed.count(), 1);
    QVERIFY(RowOf(others, "Chants")->font(0).bold());  // not compared with a cap
    QCOMPARE(others->height(), others->header()->sizeHint().height() +
                                   others->topLevelItemCount() * others->sizeHintForRow(0) + 2 * others->frameWidth());
    desk_->info.Show("Before", {});
    Click(others, "Essence Resist");
    QCOMPARE(InfoTitle(), QString("Before"));  // a label the report does not know
  }

  void aStatRowShowsItsContributors() {
    desk_->EquipCrown();
    desk_->stats.show();
    QVERIFY(QTest::qWaitForWindowExposed(&desk_->stats));
    QTreeWidget* main = Stats("RegStats");
    Click(main, "Strength");
    QCOMPARE(InfoTitle(), QString("Items effecting Strength"));
    QVERIFY(InfoText().contains("Head:Crown of Zahur : 10"));
    Hover(main, "Constitution");
    QCOMPARE(InfoTitle(), QString("Items effecting Constitution"));
    desk_->stats.SetSubWindowOpen(true);
    Hover(main, "Strength");
    QVERIFY(InfoText().contains("Head : 10"));  // named as the vault loader names the slot
    desk_->planner.settings.Hover = false;
    Hover(main, "Constitution");
    desk_->planner.workflow.SetStatus(TemplateStatus::New);
    Click(main, "Constitution");
    QCOMPARE(InfoTitle(), QString("Items effecting Strength"));  // neither without hover nor while new
  }

  void aPreviewShowsWhatItChangesBesideEachRowAndBelowItsDescription() {
    desk_->EquipCrown();  // Strength 10
    desk_->info.Show("Item Report : Helm of Ages", {"8 Constitution"});
    SlotPreview& preview = desk_->planner.model.Equip.Previews[slot::Head];
    preview.Active = 1;
    preview.Kind = 1;
    preview.VaultIndex = 1;  // Constitution 8 in place of the Crown
    desk_->planner.recalculation.Run();
    desk_->stats.Refresh();
    QTreeWidget* main = Stats("RegStats");
    QCOMPARE(main->headerItem()->text(4), QString("\u0394"));
    QTreeWidgetItem* strength = RowOf(main, "Strength");
    QCOMPARE(strength->text(4), QString("\u221210"));
    QVERIFY(strength->font(0).bold());
    QCOMPARE(strength->foreground(4).color(), QColor(192, 0, 0));
    QTreeWidgetItem* constitution = RowOf(main, "Constitution");
    QCOMPARE(constitution->text(4), QString("+8"));
    QCOMPARE(constitution->foreground(4).color(), QColor(0, 128, 0));
    QVERIFY(!RowOf(main, "Dexterity")->font(0).bold());
    QCOMPARE(RowOf(main, "Dexterity")->text(4), QString());
    QCOMPARE(InfoText(), QString("8 Constitution\n\nCompared with Crown of Zahur:\n"
                                 "Constitution +8 (+8 to cap)\nStrength -10 (-10 to cap)"));

    preview.Active = 0;
    desk_->planner.recalculation.Run();
    desk_->stats.Refresh();
    QCOMPARE(RowOf(main, "Strength")->text(4), QString());
    QCOMPARE(InfoText(), QString("8 Constitution"));
  }
};

QTEST_MAIN(PagesTest)
#include "pages_test.moc"
