// The inline editor docked by the main window's "Via Manual Entry": a new
// manual item edited row by row with the model and the stat panels
// following, the vault grabber's search with its status bar progress and
// "Copy Stats to Editor", and the grab that the vault loader's "Manual Edit"
// asks for.

#include <QAbstractItemModel>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTreeWidget>

#include "InlineEdit/inline_editor_window.h"
#include "main_window_session.h"
#include "platform/qt/qt_text.h"
#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "template/slots.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

class InlineEditorTest : public QObject {
  Q_OBJECT

 private:
  // Loads the example and docks the editor from the equipment page on the slot.
  static ui::InlineEditorWindow* Dock(Session& session, int equipmentSlot) {
    session.Load(kExample);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>(QString("EquipSlot%1").arg(equipmentSlot).toLatin1().constData()),
                      Qt::LeftButton);
    QTest::mouseClick(session.Find<QPushButton>("InlineAdd"), Qt::LeftButton);
    if (session.window->OpenEditor() != ItemWindow::InlineEditor) return nullptr;
    return session.Find<ui::InlineEditorWindow>("InlineEditor");
  }

  static std::vector<InlineItem>& Items(Session& session, int equipmentSlot) {
    return session.planner.model.ListsOf(SlotKindOf(equipmentSlot)).InlineItems;
  }

  static void ChooseEntry(QComboBox* combo, std::string_view text) {
    const int index = combo->findText(platform::ToQString(text));
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
  }

 private slots:
  void aNewManualItemIsEditedRowByRowAndEquipped() {
    Session session;
    ui::InlineEditorWindow* editor = Dock(session, slot::Head);
    QVERIFY(editor);
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->windowTitle(), QString("Inline Editor"));
    auto* pages = editor->findChild<QTabWidget*>("InlineEditorPages");
    QCOMPARE(pages->tabText(pages->currentIndex()), QString("Manual Editor"));
    QCOMPARE(editor->findChild<QComboBox*>("SlotSwitch")->currentText(), QString("Head"));
    auto* listing = editor->findChild<QListWidget*>("CustomListing");
    QCOMPARE(listing->item(0)->text(), QString("Empty Slot"));
    QVERIFY(!editor->findChild<QGroupBox*>("BonusGroup")->isEnabled());

    const std::size_t before = Items(session, slot::Head).size();
    QTest::mouseClick(editor->findChild<QPushButton*>("btnNew"), Qt::LeftButton);
    QCOMPARE(Items(session, slot::Head).size(), before + 1);
    const std::string ref = "i" + std::to_string(before);
    QCOMPARE(session.planner.model.Current()->Slots[slot::Head], ref);
    QCOMPARE(listing->currentItem()->text(), QString("Custom Item"));
    QVERIFY(editor->findChild<QGroupBox*>("BonusGroup")->isEnabled());
    QVERIFY(!editor->findChild<QComboBox*>("c1")->isEnabled());

    ChooseEntry(editor->findChild<QComboBox*>("a1"), "0. Attributes");
    auto* stat = editor->findChild<QComboBox*>("c1");
    QVERIFY(stat->isEnabled());
    ChooseEntry(stat, "Strength");
    QWidget* amount = editor->findChild<QWidget*>("s1");
    QVERIFY(amount->isEnabled());
    amount->setFocus();
    QTest::keyClicks(amount, "0075");
    const InlineItem& made = Items(session, slot::Head)[before];
    QCOMPARE(made.StatIds[0], StatId{1});
    QCOMPARE(made.StatValues[0], 75);
    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));

    auto* name = editor->findChild<QLineEdit*>("CustomName");
    name->selectAll();
    QTest::keyClicks(name, "Helm of Trials");
    QCOMPARE(made.Name.Str(), std::string("Helm of Trials"));
    QCOMPARE(listing->currentItem()->text(), QString("Helm of Trials"));
    QTest::keyClicks(name, QString(60, 'x'));
    QCOMPARE(name->text().size(), qsizetype(50));

    ChooseEntry(editor->findChild<QComboBox*>("cProcOne"), "Charges");
    QVERIFY(editor->findChild<QComboBox*>("cbExt1")->isEnabled());
    QVERIFY(!editor->findChild<QComboBox*>("cbExt2")->isEnabled());
    QCOMPARE(made.ProcKinds[0], std::uint8_t{3});

    QTest::mouseClick(editor->findChild<QPushButton*>("btnReturn"), Qt::LeftButton);
    QCOMPARE(session.window->OpenEditor(), ItemWindow::None);
    QCOMPARE(session.planner.model.Current()->Slots[slot::Head], ref);
    QVERIFY(session.Find<QPushButton>("EquipSlot9")->toolTip().contains("Helm of Trials"));
  }

  void theGrabberSearchesTheVaultAndCopiesAnItem() {
    Session session;
    ui::InlineEditorWindow* editor = Dock(session, slot::Cloak);
    QVERIFY(editor);
    QSignalSpy status(editor, &ui::DockedEditor::statusMessage);
    auto* pages = editor->findChild<QTabWidget*>("InlineEditorPages");
    pages->setCurrentIndex(static_cast<int>(ui::InlineEditorPage::VaultGrabber));
    auto* results = editor->findChild<QListView*>("EItems");
    const int listed = results->model()->rowCount();
    QVERIFY(listed > 100);  // the whole vault, whatever the template's class and slot
    QCOMPARE(editor->findChild<QGroupBox*>("EItemsGroup")->title(),
             QString("Available Item &List : ( %1 ) ").arg(listed));
    QVERIFY(!status.isEmpty());
    QCOMPARE(status.last().at(0).toString(), QString("Sorting items... %1 / %1").arg(listed));
    QVERIFY(!editor->findChild<QPushButton*>("btnCopyStats")->isEnabled());

    pages->setCurrentIndex(static_cast<int>(ui::InlineEditorPage::Filters));
    ChooseEntry(editor->findChild<QComboBox*>("SlotFilter"), "Cloak");
    QTest::mouseClick(editor->findChild<QPushButton*>("iSearch"), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), static_cast<int>(ui::InlineEditorPage::VaultGrabber));
    QVERIFY(results->model()->rowCount() < listed);
    QCOMPARE(results->currentIndex().row(), 0);
    QVERIFY(!editor->findChild<QPlainTextEdit*>("ItemMemo")->toPlainText().isEmpty());
    const QString chosen = results->currentIndex().data().toString();
    const std::size_t before = Items(session, slot::Cloak).size();
    const auto vaultBefore = session.planner.vault.Items();

    QTest::mouseClick(editor->findChild<QPushButton*>("btnCopyStats"), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), static_cast<int>(ui::InlineEditorPage::ManualEditor));
    QCOMPARE(Items(session, slot::Cloak).size(), before + 1);
    QCOMPARE(editor->findChild<QLineEdit*>("CustomName")->text(), chosen);
    QCOMPARE(session.planner.model.Current()->Slots[slot::Cloak], "i" + std::to_string(before));
    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));
    QVERIFY(session.planner.vault.Items() == vaultBefore);

    pages->setCurrentIndex(static_cast<int>(ui::InlineEditorPage::Filters));
    editor->findChild<QComboBox*>("StatFilt1")->setCurrentIndex(1);
    editor->findChild<QComboBox*>("Filt1")->setCurrentIndex(editor->findChild<QComboBox*>("Filt1")->count() - 1);
    ChooseEntry(editor->findChild<QComboBox*>("MinLevel"), "0");
    ChooseEntry(editor->findChild<QComboBox*>("MaxLevel"), "0");
    QTest::mouseClick(editor->findChild<QPushButton*>("iSearch"), Qt::LeftButton);
    QCOMPARE(results->model()->rowCount(), 1);
    QCOMPARE(results->model()->index(0, 0).data().toString(), QString("No items found"));
    QVERIFY(editor->findChild<QPlainTextEdit*>("ItemMemo")->toPlainText().startsWith("No items were found"));
    QVERIFY(!editor->findChild<QPushButton*>("btnCopyStats")->isEnabled());
    emit results->doubleClicked(results->model()->index(0, 0));
    QCOMPARE(Items(session, slot::Cloak).size(), before + 1);

    pages->setCurrentIndex(static_cast<int>(ui::InlineEditorPage::Filters));
    QTest::mouseClick(editor->findChild<QPushButton*>("iFilterClear"), Qt::LeftButton);
    QCOMPARE(editor->findChild<QComboBox*>("SlotFilter")->currentIndex(), 0);
    QCOMPARE(editor->findChild<QComboBox*>("StatFilt1")->currentIndex(), 0);
    pages->setCurrentIndex(static_cast<int>(ui::InlineEditorPage::VaultGrabber));
    QCOMPARE(results->model()->rowCount(), listed);
  }

  void manualEditStartsFromTheVaultItem() {
    Session session;
    ui::InlineEditorWindow* editor = Dock(session, slot::Chest);
    QVERIFY(editor);
    constexpr int kScarabVest = 1;
    editor->GrabVaultItem(kScarabVest);
    const auto& items = Items(session, slot::Chest);
    QVERIFY(!items.empty());
    QCOMPARE(items.back().Name.Str(), session.planner.vault.Items()[kScarabVest].Name.Str());
    QCOMPARE(editor->findChild<QTabWidget*>("InlineEditorPages")->currentIndex(),
             static_cast<int>(ui::InlineEditorPage::ManualEditor));
  }
};

QTEST_MAIN(InlineEditorTest)
#include "inline_editor_test.moc"
