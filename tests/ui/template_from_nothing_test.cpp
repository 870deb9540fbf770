// A template built from nothing in the window, as a new player builds one:
// a class and a configuration, items from the vault through the vault
// loader (with the change each candidate makes shown beside the totals),
// a manual item, a vault item copied through the grabber, then Save and
// Load give back the same items. The companion's "stats --preview" agrees
// with the change the panels show.

#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <map>

#include "InlineEdit/inline_editor_window.h"
#include "VaultLoad/vault_loader_window.h"
#include "main_window_session.h"
#include "platform/qt/qt_text.h"
#include "stats/preview_change.h"
#include "template/slots.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

constexpr const char* kStatLists[] = {"RegStats", "RegStatCaps", "Resists", "Skills", "Others"};

void ClickRow(QListView* view, int row) {
  const QModelIndex index = view->model()->index(row, 0);
  view->scrollTo(index);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// The "Δ" column of every stat list, by row label.
std::map<QString, QString> ShownChanges(const Session& session) {
  std::map<QString, QString> changes;
  for (const char* name : kStatLists) {
    auto* tree = session.Find<QTreeWidget>(name);
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
      if (!tree->topLevelItem(i)->text(4).isEmpty())
        changes[tree->topLevelItem(i)->text(0)] = tree->topLevelItem(i)->text(4);
  }
  return changes;
}

// The companion's change of every stat with the vault item previewed in the slot.
std::map<int, long long> CompanionChanges(const std::filesystem::path& file, int equipmentSlot, std::size_t position) {
  QProcess cli;
  cli.start(DAVORUZIVI_CLI, {"--vault", QString::fromStdString((kProgramFolder / "master.kwv").string()), "stats",
                             QString::fromStdString(file.string()), "--preview",
                             QString("%1:%2").arg(equipmentSlot).arg(position)});
  cli.waitForFinished();
  std::map<int, long long> changes;
  for (const QString& line : QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts)) {
    const QStringList fields = line.split('\t');
    if (fields.size() == 6 && fields[5] != "0") changes[fields[0].toInt()] = fields[5].toLongLong();
  }
  return changes;
}

QString ChangeText(long long change) {
  return change > 0 ? "+" + QString::number(change) : "\u2212" + QString::number(-change);
}

}  // namespace

class TemplateFromNothingTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  static void DockFromSlot(Session& session, int equipmentSlot, const char* addButton) {
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>(QString("EquipSlot%1").arg(equipmentSlot).toLatin1().constData()),
                      Qt::LeftButton);
    QTest::mouseClick(session.Find<QPushButton>(addButton), Qt::LeftButton);
  }

  // Clicks the available items in turn until one changes a shown total.
  static bool PreviewAnItemThatChangesTotals(const Session& session, ui::VaultLoaderWindow& loader) {
    auto* available = loader.findChild<QListView*>("LItems");
    for (int row = 0; row < available->model()->rowCount(); ++row) {
      ClickRow(available, row);
      if (!ShownChanges(session).empty()) return true;
    }
    return false;
  }

  // In the docked loader: the slot, its first available item previewed and added.
  static std::size_t AddFirstAvailable(Session& session, ui::VaultLoaderWindow& loader, int equipmentSlot) {
    loader.findChild<QComboBox*>("SlotSwitch")->setCurrentIndex(equipmentSlot);
    [&] { QVERIFY(!loader.Loader().NoItemsFound()); }();
    ClickRow(loader.findChild<QListView*>("LItems"), 0);
    const std::size_t position = loader.Loader().Available().front();
    QTest::mouseClick(loader.findChild<QPushButton*>("ItemAdd"), Qt::LeftButton);
    [&] {
      const auto& candidates = session.planner.model.ListsOf(SlotKindOf(equipmentSlot)).VaultIds;
      QCOMPARE(static_cast<std::size_t>(candidates.back()), position);
      QCOMPARE(session.planner.model.Current()->Slots[static_cast<std::size_t>(equipmentSlot)],
               "v" + std::to_string(candidates.size() - 1));
    }();
    return position;
  }

 private slots:
  void aNewPlayerBuildsSavesAndLoadsATemplate() {
    Session session;
    QTRY_VERIFY(session.started);
    Choose(session.Find<QComboBox>("eClass"), "(Alb) Armsman");
    QTest::mouseClick(session.Find<QPushButton>("ConfigNew"), Qt::LeftButton);  // Begin/New
    QVERIFY(session.planner.model.Current());

    // From the vault: a chest, a helm and a weapon, each previewed before it is added.
    DockFromSlot(session, slot::Chest, "VaultAdd");
    QCOMPARE(session.window->OpenEditor(), ItemWindow::VaultLoader);
    auto* loader = session.Find<ui::VaultLoaderWindow>("VaultLoader");
    QVERIFY(loader && loader->isVisible());
    QVERIFY(PreviewAnItemThatChangesTotals(session, *loader));
    QVERIFY(session.planner.model.Equip.Previews[slot::Chest].Active);
    QVERIFY(session.Find<QPlainTextEdit>("InfoLabel")->toPlainText().contains("Compared with Empty Slot:"));
    std::map<int, std::size_t> fromVault;
    for (int s : {slot::Chest, slot::Head, slot::RightHand}) fromVault[s] = AddFirstAvailable(session, *loader, s);
    QTest::mouseClick(loader->findChild<QPushButton*>("btnReturn"), Qt::LeftButton);
    QCOMPARE(session.window->OpenEditor(), ItemWindow::None);
    QVERIFY(ShownChanges(session).empty());

    // By hand: a jewel of Strength 12.
    DockFromSlot(session, slot::Jewel, "InlineAdd");
    auto* editor = session.Find<ui::InlineEditorWindow>("InlineEditor");
    QVERIFY(editor && editor->isVisible());
    QTest::mouseClick(editor->findChild<QPushButton*>("btnNew"), Qt::LeftButton);
    auto* name = editor->findChild<QLineEdit*>("CustomName");
    name->selectAll();
    QTest::keyClicks(name, "Jewel of Trials");
    Choose(editor->findChild<QComboBox*>("a1"), "0. Attributes");
    Choose(editor->findChild<QComboBox*>("c1"), "Strength");
    auto* amount = editor->findChild<QWidget*>("s1");
    amount->setFocus();
    QTest::keyClicks(amount, "12");

    // Through the grabber: a cloak copied from the vault.
    editor->findChild<QComboBox*>("SlotSwitch")->setCurrentIndex(slot::Cloak);
    auto* pages = editor->findChild<QTabWidget*>("InlineEditorPages");
    pages->setCurrentIndex(static_cast<int>(ui::InlineEditorPage::Filters));
    Choose(editor->findChild<QComboBox*>("SlotFilter"), "Cloak");
    QTest::mouseClick(editor->findChild<QPushButton*>("iSearch"), Qt::LeftButton);
    auto* results = editor->findChild<QListView*>("EItems");
    const QString copied = results->currentIndex().data().toString();
    QVERIFY(!copied.isEmpty() && copied != "No items found");
    QTest::mouseClick(editor->findChild<QPushButton*>("btnCopyStats"), Qt::LeftButton);
    QTest::mouseClick(editor->findChild<QPushButton*>("btnReturn"), Qt::LeftButton);
    QCOMPARE(session.window->OpenEditor(), ItemWindow::None);

    const Configuration built = *session.planner.model.Current();
    QCOMPARE(EquippedName(session.planner.model, session.planner.vault, built, slot::Jewel),
             std::string("Jewel of Trials"));
    QCOMPARE(platform::ToQString(EquippedName(session.planner.model, session.planner.vault, built, slot::Cloak)),
             copied);
    for (const auto& [s, position] : fromVault)
      QCOMPARE(EquippedName(session.planner.model, session.planner.vault, built, s),
               std::string(session.planner.vault.Items()[position].Name.View()));

    // Save, then Load into a new template: the same items in the same slots.
    const std::filesystem::path saved = folder_.path().toStdString() + "/built.kwt";
    session.files.choices.push_back(saved);
    session.Command("FileSaveAs")->trigger();
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);
    session.Command("FileNew")->trigger();
    session.Load(saved);
    const Configuration& loaded = *session.planner.model.Current();
    for (int s = 0; s < kEquipmentSlotCount; ++s)
      QCOMPARE(EquippedName(session.planner.model, session.planner.vault, loaded, s),
               EquippedName(session.planner.model, session.planner.vault, built, s));
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);  // loading and looking change nothing

    // A candidate previewed over the saved helm: the panels' change is the companion's.
    DockFromSlot(session, slot::Head, "VaultAdd");
    loader = session.Find<ui::VaultLoaderWindow>("VaultLoader");
    QVERIFY(!loader->Loader().NoItemsFound());
    QVERIFY(PreviewAnItemThatChangesTotals(session, *loader));
    const std::size_t previewed =
        loader->Loader().Available()[static_cast<std::size_t>(loader->Loader().AvailableSelection())];
    const Configuration& current = *session.planner.model.Current();
    const StatResult asItStands = CalcStats(session.planner.model, session.planner.vault,
                                            session.planner.workflow.Class(), current, Previews::Ignored);
    const StatResult withPreview =
        CalcStats(session.planner.model, session.planner.vault, session.planner.workflow.Class(), current);
    const std::map<QString, QString> shown = ShownChanges(session);
    const std::map<int, long long> companion = CompanionChanges(saved, slot::Head, previewed);
    QVERIFY(!companion.empty());
    for (const auto& [stat, change] : companion)
      QCOMPARE(static_cast<long long>(ChangeOf(stat, asItStands, withPreview).change), change);
    for (const auto& [label, text] : shown) {
      bool found = false;
      for (const auto& list : session.planner.recalculation.Panels())
        for (const PanelRow& row : list)
          if (platform::ToQString(row.label) == label && companion.count(row.statId)) {
            QCOMPARE(text, ChangeText(companion.at(row.statId)));
            found = true;
          }
      QVERIFY2(found, qPrintable(label));
    }

    // A lower level set in the main window while the loader is docked: the search follows it.
    const std::size_t listedAtFifty = loader->Loader().Available().size();
    session.Find<QComboBox>("eLV")->setCurrentIndex(0);  // level 1
    QCOMPARE(session.planner.model.Current()->Level, 1);
    QVERIFY(loader->Loader().NoItemsFound() || loader->Loader().Available().size() < listedAtFifty);
    QVERIFY(!session.planner.model.Equip.Previews[slot::Head].Active);
    QVERIFY(ShownChanges(session).empty());
    QTest::mouseClick(loader->findChild<QPushButton*>("btnReturn"), Qt::LeftButton);
  }
};

QTEST_MAIN(TemplateFromNothingTest)
#include "template_from_nothing_test.moc"
