// The spellcraft calculator docked by the equipment page's "Spellcraft
// Calculator": a crafted chest made from nothing with four gems and a
// fifth-slot bonus, the main window's totals following every change, the
// overcharged item that cannot be left, gems planned on the Omnicrafter tab
// (counted only while it is shown) and moved into the item, then Done, Save,
// Load and the report.

#include "SCWindow/spellcraft_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include "main_window_session.h"
#include "platform/qt/qt_text.h"
#include "stats/stat_engine.h"
#include "stats/stat_panels.h"
#include "template/slots.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

QString Shown(const Session& session, const QString& stat) {
  for (const QString& row : MainStatRows(session))
    if (row.startsWith(stat + "=")) return row.section('=', 1);
  return {};
}

}  // namespace

class SpellcraftWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  static std::vector<CraftedItem>& Chests(Session& session) {
    return session.planner.model.ListsOf(SlotKindOf(slot::Chest)).CraftedItems;
  }

  // A new Armsman template with one configuration, the calculator docked
  // from the Neck slot's button.
  static ui::SpellcraftWindow* DockOnNewTemplate(Session& session) {
    if (!QTest::qWaitFor([&] { return session.started; })) return nullptr;
    Choose(session.Find<QComboBox>("eClass"), "(Alb) Armsman");
    QTest::mouseClick(session.Find<QPushButton>("ConfigNew"), Qt::LeftButton);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>(QString("EquipSlot%1").arg(slot::Neck).toLatin1().constData()),
                      Qt::LeftButton);
    QTest::mouseClick(session.Find<QPushButton>("CraftAdd"), Qt::LeftButton);
    if (session.window->OpenEditor() != ItemWindow::SpellcraftCalculator) return nullptr;
    return session.Find<ui::SpellcraftWindow>("Spellcraft");
  }

  template <typename Widget = QWidget>
  static Widget* Control(ui::SpellcraftWindow* calculator, const QString& name) {
    auto* widget = calculator->findChild<Widget*>(name);
    if (!widget) qWarning("no %s", qPrintable(name));
    return widget;
  }

  static void SetGem(ui::SpellcraftWindow* calculator, int gem, const QString& stat, const QString& amount) {
    Choose(Control<QComboBox>(calculator, QString("scFake%1").arg(gem)), stat);
    Choose(Control<QComboBox>(calculator, QString("cs%1").arg(gem)), amount);
  }

 private slots:
  void aCraftedChestIsMadePlannedSavedAndReported() {
    Session session;
    ui::SpellcraftWindow* calculator = DockOnNewTemplate(session);
    QVERIFY(calculator && calculator->isVisible());
    QCOMPARE(session.planner.model.CurrentSlot, slot::Chest);  // the neck is not craftable
    QCOMPARE(Control<QComboBox>(calculator, "SlotSwitch")->currentText(), QString("Chest"));
    for (const char* command : {"FileNew", "FileOpen", "FileSave", "FileSaveAs"})
      QVERIFY2(!session.Command(command)->isEnabled(), command);
    QVERIFY(!session.Find<QPushButton>("ConfigNew")->isEnabled());

    // A new chest at level 51: Strength 11, Slash Resist 11, Spirit Resist 9, Quickness 8.
    QTest::mouseClick(Control<QPushButton>(calculator, "btnNew"), Qt::LeftButton);
    QCOMPARE(Chests(session).size(), std::size_t{1});
    QCOMPARE(session.planner.model.Current()->Slots[slot::Chest], std::string("c0"));
    QCOMPARE(Control<QComboBox>(calculator, "cAbs")->currentText(), QString("34%"));
    Choose(Control<QComboBox>(calculator, "sLevel"), "51");
    SetGem(calculator, 1, "Strength", "11");
    SetGem(calculator, 2, "Slash Resist", "11");
    SetGem(calculator, 3, "Spirit Resist", "9");
    SetGem(calculator, 4, "Quickness", "8");
    QCOMPARE(Control<QLabel>(calculator, "charge")->text(), QString("33.0"));
    QCOMPARE(Control<QLabel>(calculator, "imbuecap")->text(), QString("32"));
    auto* fifthSlot = Control<QComboBox>(calculator, "cbFifthSlot");
    QVERIFY(fifthSlot->isEnabled() && fifthSlot->count() > 1);
    fifthSlot->setCurrentIndex(1);
    QCOMPARE(Chests(session)[0].FifthSlotBonus, 1);
    auto* name = Control<QLineEdit>(calculator, "eItemName");
    name->selectAll();
    QTest::keyClicks(name, "Trial Breastplate");
    QCOMPARE(Chests(session)[0].Name.Str(), std::string("Trial Breastplate"));
    QCOMPARE(Control<QListWidget>(calculator, "CustomListing")->item(1)->text(), QString("Trial Breastplate"));
    const CraftedItem crafted = Chests(session)[0];
    QCOMPARE(crafted.ItemLevel, 51);
    QCOMPARE(crafted.StatIds[0], StatId{1});
    QCOMPARE(crafted.StatValues[0], 11);
    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));
    QVERIFY(Shown(session, "Strength").toInt() >= 11);
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Modified);

    // Slash Resist at its largest amount overcharges the chest: nothing is stored and nothing can leave it.
    auto* gem2 = Control<QComboBox>(calculator, "cs2");
    gem2->setCurrentIndex(gem2->count() - 1);
    QVERIFY(calculator->Calculator().Overcharged());
    QVERIFY(Control<QLabel>(calculator, "charge")->styleSheet().contains("#d00000"));
    for (const char* frozen : {"SlotSwitch", "CustomListing", "btnNew", "btnCopyItem", "btnReturn"})
      QVERIFY2(!Control(calculator, frozen)->isEnabled(), frozen);
    auto* pages = Control<QTabWidget>(calculator, "holditem");
    pages->setCurrentIndex(1);
    QCOMPARE(pages->currentIndex(), 0);
    QCOMPARE(Chests(session)[0], crafted);
    QVERIFY(!session.Close());
    QCOMPARE(session.messages.notices.back().text, std::string(kOverchargedCloseMessage));
    QCOMPARE(session.window->OpenEditor(), ItemWindow::SpellcraftCalculator);
    Choose(gem2, "11");
    QVERIFY(Control(calculator, "btnReturn")->isEnabled() && Control(calculator, "SlotSwitch")->isEnabled());

    // Planned on the Omnicrafter tab: Dexterity 29 over the chest. The totals
    // count the plan instead of the chest while the tab is shown.
    const QString strengthWithChest = Shown(session, "Strength");
    const QString dexterityWithChest = Shown(session, "Dexterity");
    pages->setCurrentIndex(1);
    QCOMPARE(session.planner.model.Equip.Omni.Enabled, std::uint8_t{1});
    Choose(Control<QComboBox>(calculator, "oc1"), "Dexterity");
    Choose(Control<QComboBox>(calculator, "os1"), "29");
    QTest::mouseClick(Control<QPushButton>(calculator, "SpeedButton5"), Qt::LeftButton);
    QTest::mouseClick(Control<QCheckBox>(calculator, "SlotsUsed0"), Qt::LeftButton);
    QCOMPARE(Control<QListWidget>(calculator, "GemBox2")->item(0)->text(), QString("Dexterity+29"));
    QCOMPARE(Control<QTableWidget>(calculator, "ValueListEditor1")->item(7, 1)->text(), QString("-3"));
    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));
    QCOMPARE(Shown(session, "Dexterity").toInt(), dexterityWithChest.toInt() + 29);
    QVERIFY(Shown(session, "Strength").toInt() < strengthWithChest.toInt());
    pages->setCurrentIndex(0);
    QCOMPARE(session.planner.model.Equip.Omni.Enabled, std::uint8_t{0});
    QCOMPARE(Shown(session, "Strength"), strengthWithChest);
    QCOMPARE(Shown(session, "Dexterity"), dexterityWithChest);

    // Spirit Resist goes back to the plan, and the planned Dexterity takes its gem slot.
    QTest::mouseClick(Control<QToolButton>(calculator, "SpeedButton3"), Qt::LeftButton);
    auto* available = Control<QListWidget>(calculator, "GemBox1");
    QCOMPARE(available->count(), 2);
    available->setCurrentRow(0);
    QCOMPARE(Control<QLabel>(calculator, "ImbueCost")->text(), QString("Gem Imbue Cost : 16.0"));
    QTest::mouseClick(Control<QPushButton>(calculator, "SpeedButton6"), Qt::LeftButton);
    QCOMPARE(Control<QComboBox>(calculator, "scFake3")->currentText(), QString("Dexterity"));
    QCOMPARE(Chests(session)[0].StatIds[2], StatId{3});
    QCOMPARE(available->count(), 1);
    QCOMPARE(available->item(0)->text(), QString("Spirit Resist+9"));
    QCOMPARE(Shown(session, "Dexterity").toInt(), dexterityWithChest.toInt() + 29);

    // Done: the main window's commands are back and the plan stays for the next visit.
    QTest::mouseClick(Control<QPushButton>(calculator, "btnReturn"), Qt::LeftButton);
    QCOMPARE(session.window->OpenEditor(), ItemWindow::None);
    QVERIFY(session.Command("FileSaveAs")->isEnabled());
    QCOMPARE(session.planner.model.Equip.Omni.GemStats.size(), std::size_t{1});
    QVERIFY(session.Find<QPushButton>(QString("EquipSlot%1").arg(slot::Chest).toLatin1().constData())
                ->text()
                .contains("Trial Breastplate"));

    // Saved and loaded: the same chest, equipped, in the report.
    const CraftedItem saved = Chests(session)[0];
    const std::filesystem::path file = folder_.path().toStdString() + "/crafted.kwt";
    session.files.choices.push_back(file);
    session.Command("FileSaveAs")->trigger();
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);
    session.Command("FileNew")->trigger();
    QVERIFY(session.planner.model.Equip.Omni.GemStats.empty());
    session.Load(file);
    QCOMPARE(Chests(session).size(), std::size_t{1});
    QCOMPARE(Chests(session)[0], saved);
    QCOMPARE(session.planner.model.Current()->Slots[slot::Chest], std::string("c0"));
    session.ShowTab(ui::GearTab::Report);
    const QString report = session.Find<QPlainTextEdit>("Rpt")->toPlainText();
    QVERIFY(report.contains("Trial Breastplate"));
    QVERIFY(report.contains("Item Type : Crafted"));

    // Looking at the items and the plan changes nothing that is saved.
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("CraftAdd"), Qt::LeftButton);
    QCOMPARE(Control<QListWidget>(calculator, "CustomListing")->currentRow(), 1);
    Choose(Control<QComboBox>(calculator, "SlotSwitch"), "Head");
    Choose(Control<QComboBox>(calculator, "SlotSwitch"), "Chest");
    pages->setCurrentIndex(1);
    pages->setCurrentIndex(0);
    QTest::mouseClick(Control<QPushButton>(calculator, "btnReturn"), Qt::LeftButton);
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);
  }

  void reopeningShowsTheEquippedItemAndDeleteFollowsUsage() {
    Session session;
    ui::SpellcraftWindow* calculator = DockOnNewTemplate(session);
    QVERIFY(calculator);
    QTest::mouseClick(Control<QPushButton>(calculator, "btnNew"), Qt::LeftButton);
    SetGem(calculator, 1, "Strength", "11");
    QVERIFY(Control(calculator, "btnDel")->isEnabled());
    QTest::mouseClick(Control<QPushButton>(calculator, "btnCopyItem"), Qt::LeftButton);
    QCOMPARE(Chests(session).size(), std::size_t{2});
    QCOMPARE(Control<QListWidget>(calculator, "CustomListing")->currentRow(), 2);
    QTest::mouseClick(Control<QPushButton>(calculator, "btnReturn"), Qt::LeftButton);

    // A second configuration wears the copy as well: it cannot be deleted.
    QTest::mouseClick(session.Find<QPushButton>("ConfigCopy"), Qt::LeftButton);
    QCOMPARE(session.planner.model.Configurations.size(), std::size_t{2});
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("CraftAdd"), Qt::LeftButton);
    QCOMPARE(Control<QListWidget>(calculator, "CustomListing")->currentRow(), 2);
    QCOMPARE(Control<QComboBox>(calculator, "scFake1")->currentText(), QString("Strength"));
    QVERIFY(!Control(calculator, "btnDel")->isEnabled());
    Control<QListWidget>(calculator, "CustomListing")->setCurrentRow(1);
    QVERIFY(Control(calculator, "btnDel")->isEnabled());
    QTest::mouseClick(Control<QPushButton>(calculator, "btnDel"), Qt::LeftButton);
    QCOMPARE(Chests(session).size(), std::size_t{1});
    QCOMPARE(session.planner.model.Current()->Slots[slot::Chest], std::string("c0"));
    QCOMPARE(session.planner.model.Configurations[0].Slots[slot::Chest], std::string("c0"));
    QCOMPARE(Control<QListWidget>(calculator, "CustomListing")->currentRow(), 1);
  }

  // The gem suggestion's dialog: Cancel changes nothing, Apply fills the
  // chest within its capacity and the totals rise, Undo takes it back.
  void suggestedGemsAreReviewedAppliedAndUndone() {
    Session session;
    ui::SpellcraftWindow* calculator = DockOnNewTemplate(session);
    QVERIFY(calculator);
    QVERIFY(!Control(calculator, "btnSuggest")->isEnabled());  // no item picked
    QTest::mouseClick(Control<QPushButton>(calculator, "btnNew"), Qt::LeftButton);
    Choose(Control<QComboBox>(calculator, "sLevel"), "51");
    const CraftedItem before = Chests(session)[0];
    const QStringList totalsBefore = MainStatRows(session);
    const auto cappedUtility = [&session] {
      const ui::Planner& planner = session.planner;
      return CappedUtility(
          CalcStats(planner.model, planner.vault, planner.workflow.Class(), *planner.model.Current()),
          planner.workflow.Class());
    };
    const double utilityBefore = cappedUtility();

    bool reviewed = false;
    const auto answer = [&reviewed](const char* button) {
      QTimer::singleShot(0, [&reviewed, button] {
        QWidget* dialog = QApplication::activeModalWidget();
        reviewed = dialog && dialog->objectName() == "GemSuggestion" &&
                   dialog->findChild<QPushButton*>("btnApplySuggestion")->isDefault() &&
                   dialog->findChild<QTableWidget*>("SuggestedItems")->rowCount() == 1 &&
                   dialog->findChild<QTableWidget*>("SuggestedStats")->rowCount() > 0;
        if (dialog) dialog->findChild<QPushButton*>(button)->click();
      });
    };
    answer("btnCancelSuggestion");
    QTest::mouseClick(Control<QPushButton>(calculator, "btnSuggest"), Qt::LeftButton);
    QVERIFY(reviewed);
    QCOMPARE(Chests(session)[0], before);
    QVERIFY(!Control(calculator, "btnUndoSuggestion")->isEnabled());

    answer("btnApplySuggestion");
    QTest::mouseClick(Control<QPushButton>(calculator, "btnSuggest"), Qt::LeftButton);
    QVERIFY(reviewed);
    for (int gem = 1; gem <= 4; ++gem)
      QVERIFY(Control<QComboBox>(calculator, QString("scFake%1").arg(gem))->currentText() != "<Empty>");
    QVERIFY(Control<QLabel>(calculator, "charge")->text().toDouble() <=
            Control<QLabel>(calculator, "imbuecap")->text().toDouble());
    QVERIFY(Chests(session)[0] != before);
    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));
    QVERIFY(cappedUtility() > utilityBefore);

    QTest::mouseClick(Control<QPushButton>(calculator, "btnUndoSuggestion"), Qt::LeftButton);
    QCOMPARE(Chests(session)[0], before);
    QCOMPARE(MainStatRows(session), totalsBefore);
    QCOMPARE(cappedUtility(), utilityBefore);
    QVERIFY(!Control(calculator, "btnUndoSuggestion")->isEnabled());

    // A right-hand weapon counts only while the configuration wears one-handed
    // weapons: the suggestion follows the choice made in the main window.
    Choose(Control<QComboBox>(calculator, "SlotSwitch"), "Right Hand");
    QTest::mouseClick(Control<QPushButton>(calculator, "btnNew"), Qt::LeftButton);
    Choose(session.Find<QComboBox>("rWepType"), "Two Handed");
    QVERIFY(!Control(calculator, "btnSuggest")->isEnabled());
    Choose(session.Find<QComboBox>("rWepType"), "Right and Left Hands");
    QVERIFY(Control(calculator, "btnSuggest")->isEnabled());
  }

  // The companion's "stats --omni-slots --omni-gem" gives the totals that the
  // window counts while its Omnicrafter tab is shown.
  void theCompanionCountsThePlanAsTheWindowDoes() {
    Session session;
    session.Load(kExample);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("CraftAdd"), Qt::LeftButton);
    auto* calculator = session.Find<ui::SpellcraftWindow>("Spellcraft");
    QVERIFY(calculator);
    Control<QTabWidget>(calculator, "holditem")->setCurrentIndex(1);
    const std::pair<const char*, const char*> planned[] = {{"Dexterity", "29"}, {"Crush Resist", "17"}};
    for (const auto& [stat, amount] : planned) {
      Choose(Control<QComboBox>(calculator, "oc1"), stat);
      Choose(Control<QComboBox>(calculator, "os1"), amount);
      QTest::mouseClick(Control<QPushButton>(calculator, "SpeedButton5"), Qt::LeftButton);
    }
    for (const char* box : {"SlotsUsed0", "SlotsUsed4"})
      QTest::mouseClick(Control<QCheckBox>(calculator, box), Qt::LeftButton);
    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));
    const OmniCrafted& plan = session.planner.model.Equip.Omni;
    QCOMPARE(plan.Enabled, std::uint8_t{1});

    QProcess cli;
    QStringList arguments{"--vault",      QString::fromStdString((kProgramFolder / "master.kwv").string()),
                          "stats",        QString::fromStdString(kExample.string()),
                          "--omni-slots", QString("%1,%2").arg(slot::Chest).arg(slot::Legs)};
    for (std::size_t gem = 0; gem < plan.GemStats.size(); ++gem)
      arguments << "--omni-gem" << QString("%1:%2").arg(plan.GemStats[gem]).arg(plan.GemAmounts[gem]);
    cli.start(DAVORUZIVI_CLI, arguments);
    QVERIFY(cli.waitForFinished());
    const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    const ui::Planner& planner = session.planner;
    const StatResult counted =
        CalcStats(planner.model, planner.vault, planner.workflow.Class(), *planner.model.Current());
    Template unplanned = planner.model;
    unplanned.Equip.Omni.Enabled = 0;
    const StatResult asItStands = CalcStats(unplanned, planner.vault, planner.workflow.Class(), *unplanned.Current());
    QVERIFY(counted.Totals != asItStands.Totals);
    QCOMPARE(lines.size(), static_cast<qsizetype>(counted.Totals.size()));
    for (const QString& line : lines) {
      const QStringList fields = line.split('\t');
      QCOMPARE(fields[1].toInt(), counted.Totals[fields[0].toUInt()]);
    }
  }
};

QTEST_MAIN(SpellcraftWindowTest)
#include "spellcraft_window_test.moc"
