// The vault loader docked through the main window over the shipped vault and
// an example template: searching, adding and equipping in several slots with
// the stat panels and slot captions following, the list keys and mouse, the
// filter page, the web searches, a common task, "Manual Edit" and "&Done".

#include <QComboBox>
#include <QEnterEvent>
#include <QGroupBox>
#include <QListView>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include "GMAIN/info_panel_widget.h"
#include "core/web_addresses.h"
#include "main_window_session.h"
#include "platform/qt/qt_text.h"
#include "template/slots.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

// The shown totals of every stat panel, row by row.
QStringList ShownTotals(const Session& session) {
  QStringList totals;
  for (QTreeWidget* tree : session.window->findChildren<QTreeWidget*>())
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
      totals << tree->topLevelItem(row)->text(0) + "=" + tree->topLevelItem(row)->text(1);
  return totals;
}

void ClickRow(QListView* view, int row) {
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(view->model()->index(row, 0)).center());
}

QString RowText(QListView* view, int row) { return view->model()->index(row, 0).data().toString(); }

}  // namespace

class VaultLoaderWindowTest : public QObject {
  Q_OBJECT

 private:
  // Loads the example and docks the loader with "The Master Vault".
  static ui::VaultLoaderWindow* Dock(Session& session) {
    session.Load(kExample);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("VaultAdd"), Qt::LeftButton);
    return session.Find<ui::VaultLoaderWindow>("VaultLoader");
  }
  static void SwitchTo(ui::VaultLoaderWindow* loader, int equipmentSlot) {
    loader->findChild<QComboBox*>("SlotSwitch")->setCurrentIndex(equipmentSlot);
  }
  static QListView* List(ui::VaultLoaderWindow* loader, const char* name) {
    return loader->findChild<QListView*>(name);
  }
  static QPushButton* Button(ui::VaultLoaderWindow* loader, const char* name) {
    return loader->findChild<QPushButton*>(name);
  }

 private slots:
  void addingEquipsInEverySlotAndTheMainWindowFollows() {
    Session session;
    ui::VaultLoaderWindow* loader = Dock(session);
    QVERIFY(loader);
    QCOMPARE(session.window->OpenEditor(), ItemWindow::VaultLoader);
    auto* centre = qobject_cast<QStackedWidget*>(session.Tabs()->parentWidget());
    QCOMPARE(centre->currentWidget(), loader);
    QCOMPARE(loader->windowTitle(), QString("Vault Loader"));
    const QStringList totalsBefore = ShownTotals(session);
    QListView* available = List(loader, "LItems");
    QListView* equipped = List(loader, "EItems");

    std::vector<std::pair<int, QString>> equippedNames;
    for (const int s : {slot::Head, slot::Chest, slot::Cloak}) {
      SwitchTo(loader, s);
      QCOMPARE(session.planner.model.CurrentSlot, s);
      const int rows = available->model()->rowCount();
      QVERIFY(rows > 0);
      QVERIFY(RowText(available, 0) != "No items found");
      QVERIFY(Button(loader, "ItemAddAll")->isEnabled());
      QCOMPARE(qobject_cast<QGroupBox*>(available->parentWidget())->title(),
               QString("Available Item &List : ( %1 ) ").arg(rows));

      ClickRow(available, 0);
      QVERIFY(session.planner.model.Equip.Previews[static_cast<std::size_t>(s)].Active);
      const QString name = RowText(available, 0);
      QVERIFY(session.window->InfoPanel().Text()->toPlainText().startsWith(
          platform::ToQString(loader->Loader().InfoLines().front())));

      QTest::mouseClick(Button(loader, "ItemAdd"), Qt::LeftButton);
      const auto& ids = session.planner.model.ListsOf(SlotKindOf(s)).VaultIds;
      const std::string ref = MakeSlotRef(ItemList::Vault, static_cast<int>(ids.size()) - 1);
      QCOMPARE(session.planner.model.Current()->Slots[static_cast<std::size_t>(s)], ref);
      QCOMPARE(RowText(equipped, equipped->model()->rowCount() - 1), name);
      QCOMPARE(equipped->currentIndex().row(), equipped->model()->rowCount() - 1);
      QVERIFY(!session.planner.model.Equip.Previews[static_cast<std::size_t>(s)].Active);
      QCOMPARE(qobject_cast<QGroupBox*>(equipped->parentWidget())->title(),
               QString("Currently in Item &List : ( %1 ) ").arg(equipped->model()->rowCount()));
      equippedNames.emplace_back(s, name);
    }
    QVERIFY(ShownTotals(session) != totalsBefore);
    QVERIFY(!session.Command("FileNew")->isEnabled());

    QTest::mouseClick(Button(loader, "btnReturn"), Qt::LeftButton);
    QCOMPARE(session.window->OpenEditor(), ItemWindow::None);
    QCOMPARE(centre->currentWidget(), session.Tabs());
    for (const auto& [s, name] : equippedNames)
      QCOMPARE(session.Find<QPushButton>(qPrintable(QString("EquipSlot%1").arg(s)))->toolTip(),
               platform::ToQString(SlotBaseName(s)) + ":" + name);
    QVERIFY(session.Command("FileSave")->isEnabled());
  }

  void keysMouseAndWebSearchesWorkOnTheLists() {
    Session session;
    ui::VaultLoaderWindow* loader = Dock(session);
    SwitchTo(loader, slot::Head);
    QListView* available = List(loader, "LItems");
    QListView* equipped = List(loader, "EItems");
    const auto& ids = session.planner.model.ListsOf(SlotKindOf(slot::Head)).VaultIds;
    const std::size_t before = ids.size();

    ClickRow(available, 0);
    const QString name = RowText(available, 0);
    QTest::keyClick(available, Qt::Key_Return);
    QCOMPARE(ids.size(), before + 1);
    QCOMPARE(session.window->focusWidget(), available);

    // The added item is selected: the web searches look for its name.
    QTest::mouseClick(Button(loader, "btnGoogle"), Qt::LeftButton);
    QCOMPARE(QString::fromStdString(session.web.opened.back()),
             QString::fromStdString(web::WebSearchAddress(platform::ToModelText(name))));
    QTest::mouseClick(Button(loader, "btnSearch"), Qt::LeftButton);
    QVERIFY(QString::fromStdString(session.web.opened.back()).startsWith(web::kItemDatabaseSite.data()));

    const int last = equipped->model()->rowCount() - 1;
    QVERIFY(Button(loader, "ItemRemove")->isEnabled());
    // A double-click: the first click selects, the second press comes as a double-click.
    const QPoint lastRow = equipped->visualRect(equipped->model()->index(last, 0)).center();
    QTest::mouseClick(equipped->viewport(), Qt::LeftButton, {}, lastRow);
    QTest::mouseDClick(equipped->viewport(), Qt::LeftButton, {}, lastRow);
    QCOMPARE(ids.size(), before);
    QCOMPARE(session.planner.model.Current()->Slots[slot::Head], std::string("e0"));
    QVERIFY(!Button(loader, "btnGoogle")->isEnabled());

    // Hover focus reaches the docked lists.
    available->setFocus();
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(equipped, &enter);
    QCOMPARE(session.window->focusWidget(), equipped);
  }

  void theFilterPageSearchesWithItsSettings() {
    Session session;
    ui::VaultLoaderWindow* loader = Dock(session);
    auto* pages = loader->findChild<QTabWidget*>("LoaderPages");
    pages->setCurrentIndex(1);
    auto* minimum = loader->findChild<QComboBox*>("MinLevel");
    auto* maximum = loader->findChild<QComboBox*>("MaxLevel");
    maximum->setCurrentIndex(20);
    minimum->setCurrentIndex(30);
    QCOMPARE(maximum->currentIndex(), 30);  // a minimum above the maximum raises it
    QTest::mouseClick(loader->findChild<QPushButton*>("iMinMax"), Qt::LeftButton);
    QCOMPARE(minimum->currentText(), QString("0"));
    QCOMPARE(maximum->currentText(), QString("52+"));

    auto* amount = loader->findChild<QAbstractSpinBox*>("stat1amt");
    amount->selectAll();
    QTest::keyClicks(amount, "300");
    QCOMPARE(amount->text(), QString("200"));
    QCOMPARE(loader->Loader().Filters().amounts[0], std::string("200"));

    // No item has 200 of a stat: the search finds nothing and shows the "&Load Item" page.
    loader->findChild<QComboBox*>("StatFilt1")->setCurrentIndex(1);
    QTest::mouseClick(loader->findChild<QPushButton*>("iSearch"), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 0);
    QListView* available = List(loader, "LItems");
    QCOMPARE(available->model()->rowCount(), 1);
    QCOMPARE(RowText(available, 0), QString("No items found"));
    QVERIFY(!Button(loader, "ItemAddAll")->isEnabled());

    pages->setCurrentIndex(1);
    QTest::mouseClick(loader->findChild<QPushButton*>("ifilterclear"), Qt::LeftButton);
    QCOMPARE(amount->text(), QString("0"));
    QCOMPARE(loader->findChild<QComboBox*>("StatFilt1")->currentIndex(), 0);
    QVERIFY(RowText(available, 0) != "No items found");
  }

  void aCommonTaskShowsItsProgressAndManualEditHandsOver() {
    Session session;
    ui::VaultLoaderWindow* loader = Dock(session);
    const int slotBefore = session.planner.model.CurrentSlot;
    const auto candidates = [&session] {
      std::size_t count = 0;
      for (const ItemSlot& lists : session.planner.model.Equip.Slots) count += lists.VaultIds.size();
      return count;
    };
    const std::size_t candidatesBefore = candidates();
    bool progressShown = false;
    QTimer::singleShot(0, loader,
                       [&] { progressShown = loader->findChild<QProgressDialog*>("TaskProgress") != nullptr; });
    QTest::mouseClick(loader->findChild<QPushButton*>("CommonTask2"), Qt::LeftButton);  // artifacts
    QVERIFY(progressShown);
    QVERIFY(candidates() > candidatesBefore);
    QCOMPARE(session.planner.model.CurrentSlot, slotBefore);
    QCOMPARE(loader->findChild<QComboBox*>("Filt1")->currentIndex(), 0);

    SwitchTo(loader, slot::Cloak);
    QListView* available = List(loader, "LItems");
    ClickRow(available, 0);
    QVERIFY(Button(loader, "btnEdit")->isEnabled());
    QSignalSpy handedOver(loader, &ui::DockedEditor::manualEditRequested);
    const auto position = loader->Loader().Available().front();
    QTest::mouseClick(Button(loader, "btnEdit"), Qt::LeftButton);
    QCOMPARE(handedOver.count(), 1);
    QCOMPARE(handedOver.front().front().toInt(), static_cast<int>(position));
    QVERIFY(!session.planner.model.Equip.Previews[slot::Cloak].Active);
  }
};

QTEST_MAIN(VaultLoaderWindowTest)
#include "vault_loader_test.moc"
