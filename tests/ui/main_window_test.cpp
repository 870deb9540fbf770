// The main window over the shipped vault and an example template, driven
// through its real widgets: a load–equip–save walk that ends in the recent
// templates, the file-command table, the close sequence with its answers,
// start-up with and without stored settings, and the docking of item windows.

#include <QAction>
#include <QButtonGroup>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "GMAIN/docked_editor.h"
#include "main_window_session.h"
#include "settings/settings.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

// The quick-bar buttons that are on, in quick-bar order.
QStringList EnabledFileButtons(const Session& session) {
  QStringList on;
  for (const char* name : {"FileNew", "FileOpen", "FileImport", "FileSave", "FileSaveAs"})
    if (session.Command(name)->isEnabled()) on << name;
  return on;
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  std::filesystem::path Saved(const char* name) const { return folder_.path().toStdString() + "/" + name; }

  // Starts a session and loads the example through the Load button.
  static void LoadExample(Session& session) { session.Load(kExample); }

 private slots:
  void loadEquipSaveAndFindItAmongTheRecentTemplates() {
    Session session;
    LoadExample(session);
    QVERIFY(session.window->windowTitle().contains("albion_armsman.kwt"));
    QVERIFY(session.Tabs()->isTabVisible(static_cast<int>(ui::GearTab::Equipment)));
    QCOMPARE(session.Find<QListWidget>("ConfigList")->count(),
             static_cast<int>(session.planner.model.Configurations.size()));

    session.Tabs()->setCurrentIndex(static_cast<int>(ui::GearTab::Equipment));
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot9"), Qt::LeftButton);  // Head
    auto* list = session.Find<QListWidget>("EquipList");
    QVERIFY(list->count() >= 2);
    const std::string before = session.planner.model.Current()->Slots[slot::Head];
    const int other = list->currentRow() == 0 ? 1 : 0;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(other)).center());
    const std::string after = session.planner.model.Current()->Slots[slot::Head];
    QVERIFY(after != before);
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Modified);
    QVERIFY(session.Command("FileSave")->isEnabled());

    const std::filesystem::path copy = Saved("walk.kwt");
    session.files.choices.push_back(copy);
    session.Command("FileSaveAs")->trigger();
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);
    QVERIFY(std::filesystem::exists(copy));
    QAction* first = session.Command("fn1");
    QVERIFY(first->isVisible());
    QVERIFY(first->text().contains("walk.kwt"));

    session.Command("FileNew")->trigger();
    QVERIFY(session.planner.model.Configurations.empty());
    first->trigger();
    QCOMPARE(session.planner.model.FileName, copy.string());
    QCOMPARE(session.planner.model.Current()->Slots[slot::Head], after);
  }

  void fileCommandsFollowTheTemplateStatus() {
    Session session;
    QTRY_VERIFY(session.started);
    QCOMPARE(EnabledFileButtons(session), (QStringList{"FileNew", "FileOpen"}));
    QVERIFY(!session.Tabs()->isTabVisible(static_cast<int>(ui::GearTab::Equipment)));

    QTest::mouseClick(session.Find<QPushButton>("ConfigNew"), Qt::LeftButton);
    QCOMPARE(EnabledFileButtons(session), (QStringList{"FileNew", "FileOpen", "FileImport", "FileSave", "FileSaveAs"}));
    QVERIFY(session.Tabs()->isTabVisible(static_cast<int>(ui::GearTab::Equipment)));
    QCOMPARE(session.Command("btnSave")->isEnabled(), true);

    session.files.choices.push_back(Saved("table.kwt"));
    session.Command("Saveas1")->trigger();  // the menu item runs the button's command
    QCOMPARE(EnabledFileButtons(session), (QStringList{"FileNew", "FileOpen", "FileImport", "FileSaveAs"}));
    QVERIFY(!session.Command("btnSave")->isEnabled());
  }

  void closingAsksAboutUnsavedChanges() {
    Session session;
    LoadExample(session);
    QVERIFY(session.Close());  // nothing changed: no question
    QVERIFY(session.questions.asked.empty());

    Session changed;
    LoadExample(changed);
    QTest::mouseClick(changed.Find<QPushButton>("ConfigCopy"), Qt::LeftButton);
    QCOMPARE(changed.planner.workflow.Status(), TemplateStatus::Modified);

    changed.questions.answers = {3};  // Cancel
    QVERIFY(!changed.Close());
    const platform::Question& asked = changed.questions.asked.at(0);
    QCOMPARE(asked.caption, std::string("Save Character First?"));
    QCOMPARE((QStringList{asked.first.c_str(), asked.second.c_str(), asked.third.c_str(), asked.fourth.c_str()}),
             (QStringList{"&Save", "&Quit", "&Cancel", "Save &As..."}));
    QCOMPARE(asked.cancelAnswer, 3);  // Escape answers "&Cancel"

    changed.questions.answers = {4};  // Save As, then cancel the file dialog
    QVERIFY(!changed.Close());
    QCOMPARE(changed.planner.workflow.Status(), TemplateStatus::Modified);

    const std::filesystem::path copy = Saved("closing.kwt");
    changed.questions.answers = {4};
    changed.files.choices.push_back(copy);
    QVERIFY(changed.Close());
    QVERIFY(std::filesystem::exists(copy));

    Session quitting;
    LoadExample(quitting);
    QTest::mouseClick(quitting.Find<QPushButton>("ConfigCopy"), Qt::LeftButton);
    quitting.questions.answers = {2};  // Quit without saving
    QVERIFY(quitting.Close());
  }

  void firstStartSetsDefaultOptions() {
    Session fresh(false);
    QTRY_VERIFY(fresh.started);
    QCOMPARE(fresh.messages.notices.at(0).caption, std::string(kDefaultSettingsCaption));
    QVERIFY(fresh.store.exists);
    QVERIFY(fresh.Command("AutoWeapon")->isChecked());
    fresh.window->setWindowState(Qt::WindowNoState);

    Session again;
    QTRY_VERIFY(again.started);
    QVERIFY(again.messages.notices.empty());
    QVERIFY(!again.Command("StartMaximized1")->isChecked());
    QVERIFY(!again.window->isMaximized());
  }

  void itemWindowsDockOverTheTabsUntilDone() {
    Session session;
    LoadExample(session);
    auto* craft = session.Find<QPushButton>("CraftAdd");
    session.window->ProvideItemWindow(ItemWindow::SpellcraftCalculator, {});
    QVERIFY(!craft->isEnabled());  // a window that is not provided cannot be opened

    FakeItemWindow* calculator = nullptr;
    session.window->ProvideItemWindow(ItemWindow::SpellcraftCalculator, [&calculator] {
      calculator = new FakeItemWindow;
      return calculator;
    });
    QVERIFY(craft->isEnabled());
    session.Tabs()->setCurrentIndex(static_cast<int>(ui::GearTab::Equipment));
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot4"), Qt::LeftButton);  // Ring 1
    QTest::mouseClick(craft, Qt::LeftButton);

    QCOMPARE(session.window->OpenEditor(), ItemWindow::SpellcraftCalculator);
    QCOMPARE(session.planner.model.CurrentSlot, slot::Chest);
    auto* centre = qobject_cast<QStackedWidget*>(session.Tabs()->parentWidget());
    QCOMPARE(centre->currentWidget(), calculator);
    QVERIFY(EnabledFileButtons(session).isEmpty());
    QVERIFY(!session.Find<QWidget>("ConfigCount")->isEnabled());
    QVERIFY(session.Command("fn1")->isVisible() && !session.Command("fn1")->isEnabled());  // the recent templates

    QVERIFY(!session.Close());  // closing runs the window's Done instead
    QCOMPARE(calculator->doneRuns, 1);
    emit calculator->finished();
    QCOMPARE(session.window->OpenEditor(), ItemWindow::None);
    QCOMPARE(centre->currentWidget(), session.Tabs());
    QVERIFY(EnabledFileButtons(session).contains("FileNew"));
    QVERIFY(session.Command("fn1")->isEnabled());
    session.questions.answers = {2};  // the page refresh recalculated: quit without saving
    QVERIFY(session.Close());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
