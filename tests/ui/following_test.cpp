// Every page follows the model: switching configurations and templates on
// each tab leaves no page showing another configuration, looking at a
// template never marks it modified, and a cancelled dialog changes nothing.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QUrl>
#include <fstream>

#include "main_window_session.h"
#include "platform/qt/qt_text.h"
#include "report/template_report.h"
#include "stats/spec_points.h"
#include "stats/stat_panels.h"
#include "template/slots.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

constexpr ui::GearTab kPagesThatShowAConfiguration[] = {ui::GearTab::Equipment, ui::GearTab::SpecEditor,
                                                        ui::GearTab::Report};

QStringList Texts(const QListWidget& list) {
  QStringList texts;
  for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
  return texts;
}

QStringList RowsOf(const QTreeWidget& tree) {
  QStringList rows;
  for (int i = 0; i < tree.topLevelItemCount(); ++i)
    rows << tree.topLevelItem(i)->text(0) + "=" + tree.topLevelItem(i)->text(1);
  return rows;
}

// What the window shows of the current configuration, page by page, against
// what the model says it should show.
void ExpectPagesShowTheModel(Session& session) {
  const ui::Planner& planner = session.planner;
  const Configuration& current = *planner.model.Current();
  QCOMPARE(session.Find<QListWidget>("ConfigList")->currentRow(), planner.model.CurrentConfiguration);
  QCOMPARE(session.Find<QLineEdit>("eName")->text(), platform::ToQString(current.Name));
  QVERIFY(session.window->windowTitle().endsWith(platform::ToQString(current.Name) + " ]"));

  const StatPanels panels = BuildStatPanels(CalcStats(planner.model, planner.vault, planner.workflow.Class(), current),
                                            planner.workflow.Class(), false);
  QStringList mainStats;
  for (const PanelRow& row : panels[static_cast<std::size_t>(StatList::RegStats)])
    mainStats << platform::ToQString(row.label) + "=" + platform::ToQString(row.now);
  QCOMPARE(RowsOf(*session.Find<QTreeWidget>("RegStats")), mainStats);

  switch (static_cast<ui::GearTab>(session.Tabs()->currentIndex())) {
    case ui::GearTab::Equipment: {
      const auto captions = SlotButtonCaptions(planner.model, planner.vault, current);
      auto* slotButtons = session.window->findChild<QButtonGroup*>("EquipSlots");
      for (int s = 0; s < kEquipmentSlotCount; ++s)
        QCOMPARE(slotButtons->button(s)->toolTip(), platform::ToQString(captions[static_cast<std::size_t>(s)]));
      const int shown = planner.model.CurrentSlot;
      QStringList names;
      int selected = -1;
      const auto entries = CandidateList(planner.model, planner.vault, SlotKindOf(shown));
      for (std::size_t i = 0; i < entries.size(); ++i) {
        names << platform::ToQString(entries[i].name);
        if (entries[i].ref == current.Slots[static_cast<std::size_t>(shown)]) selected = static_cast<int>(i);
      }
      auto* list = session.Find<QListWidget>("EquipList");
      QCOMPARE(Texts(*list), names);
      QCOMPARE(list->currentRow(), std::max(selected, 0));
      break;
    }
    case ui::GearTab::SpecEditor: {
      const double perLevel = planner.workflow.Class().Info.SpecPointsPerLevel;
      QCOMPARE(session.Find<QLabel>("Pts")->text(), QString::number(TotalSpecPoints(current.Level, perLevel)));
      for (int n = 1; n <= kSpecLines; ++n)
        QCOMPARE(session.Find<QLineEdit>(QString("SpecEdit%1").arg(n).toLatin1())->text(),
                 QString::number(current.Spec[static_cast<std::size_t>(n - 1)]));
      break;
    }
    case ui::GearTab::Report: {
      const ReportSubject subject{planner.model, planner.vault, planner.workflow.Class(), current};
      QStringList lines;
      for (const std::string& line : ComposeReport(subject, ReportOptions(planner.settings.ReportFlags)))
        lines << platform::ToQString(line);
      QCOMPARE(session.Find<QPlainTextEdit>("Rpt")->toPlainText(), lines.join('\n'));
      break;
    }
    default: break;
  }
}

void ClickRow(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void ClickEntry(Session& session, int row) { ClickRow(session.Find<QListWidget>("EquipList"), row); }

}  // namespace

class FollowingTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

 private slots:
  void everyPageFollowsConfigurationSwitches() {
    for (ui::GearTab tab : kPagesThatShowAConfiguration) {
      Session session;
      session.Load(kExample);
      session.ShowTab(tab);
      auto* configurations = session.Find<QListWidget>("ConfigList");
      ClickRow(configurations, 1);
      ExpectPagesShowTheModel(session);
      QTest::mouseClick(session.Find<QPushButton>("ConfigCopy"), Qt::LeftButton);
      ExpectPagesShowTheModel(session);
      session.questions.answers = {1};  // Delete
      QTest::mouseClick(session.Find<QPushButton>("ConfigDelete"), Qt::LeftButton);
      ExpectPagesShowTheModel(session);
      session.Find<QComboBox>("eLV")->setCurrentIndex(19);  // level 20
      ExpectPagesShowTheModel(session);
    }
  }

  void everyPageFollowsAnotherTemplate() {
    for (ui::GearTab tab : kPagesThatShowAConfiguration) {
      Session session;
      session.Load(kExample);
      session.ShowTab(tab);
      session.Load(kOtherExample);
      QCOMPARE(session.Tabs()->currentIndex(), static_cast<int>(ui::GearTab::Equipment));  // a read opens there
      session.ShowTab(tab);
      ExpectPagesShowTheModel(session);
      QCOMPARE(session.window->findChild<QLabel*>("Information")->text(), QString("Information"));
    }
  }

  void aListOfTheLastTemplateCannotStoreAReference() {
    Session session;
    session.Load(kExample);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot9"), Qt::LeftButton);  // Head
    session.Load(kOtherExample);
    ClickEntry(session, session.Find<QListWidget>("EquipList")->count() - 1);
    const Configuration& current = *session.planner.model.Current();
    const auto entries = CandidateList(session.planner.model, session.planner.vault, SlotKindOf(slot::Head));
    QCOMPARE(current.Slots[slot::Head], entries.back().ref);
  }

  void newTemplateEmptiesEveryPageAndTheStats() {
    Session session;
    session.Load(kExample);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot0"), Qt::LeftButton);
    auto* showAll = session.Find<QCheckBox>("Effected");
    showAll->click();
    QVERIFY(showAll->isChecked());
    QTest::mouseClick(session.Find<QTreeWidget>("RegStats")->viewport(), Qt::LeftButton, {},
                      session.Find<QTreeWidget>("RegStats")->visualItemRect(
                          session.Find<QTreeWidget>("RegStats")->topLevelItem(0)).center());
    QVERIFY(session.window->findChild<QLabel*>("Information")->text().startsWith("Items effecting"));

    session.Command("FileNew")->trigger();
    QVERIFY(session.questions.asked.empty());  // which rows show is no change to save
    QCOMPARE(session.Tabs()->currentIndex(), static_cast<int>(ui::GearTab::Welcome));
    QCOMPARE(session.Find<QTreeWidget>("RegStats")->topLevelItemCount(), 0);
    QVERIFY(!showAll->isChecked());
    QVERIFY(!showAll->isEnabled());
    QCOMPARE(session.window->findChild<QLabel*>("Information")->text(), QString("Information"));
    QVERIFY(session.window->findChild<QPlainTextEdit*>("InfoLabel")->toPlainText().isEmpty());
  }

  void aContributorReportFollowsTheConfiguration() {
    Session session;
    session.Load(kExample);
    auto* stats = session.Find<QTreeWidget>("RegStats");
    QTest::mouseClick(stats->viewport(), Qt::LeftButton, {}, stats->visualItemRect(stats->topLevelItem(0)).center());
    ClickRow(session.Find<QListWidget>("ConfigList"), 1);
    const QString report = session.window->findChild<QPlainTextEdit*>("InfoLabel")->toPlainText();
    QVERIFY2(report.endsWith("Total Stat : " + stats->topLevelItem(0)->text(1)), qPrintable(report));
  }

  void lookingAtALoadedTemplateChangesNothing() {
    Session session;
    session.Load(kExample);
    for (int tab = 0; tab < session.Tabs()->count(); ++tab) session.Tabs()->setCurrentIndex(tab);
    ClickRow(session.Find<QListWidget>("ConfigList"), 1);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot3"), Qt::LeftButton);  // Belt: no weapon choice
    ClickEntry(session, session.Find<QListWidget>("EquipList")->currentRow());     // the item worn already
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);
    QVERIFY(!session.Command("FileSave")->isEnabled());
    QVERIFY(session.Close());
    QVERIFY(session.questions.asked.empty());
  }

  void cancellingTheLoadDialogKeepsTheChanges() {
    Session session;
    session.Load(kExample);
    QTest::mouseClick(session.Find<QPushButton>("ConfigCopy"), Qt::LeftButton);
    const std::size_t configurations = session.planner.model.Configurations.size();
    session.questions.answers = {2};  // "&Load", then cancel the file dialog
    session.Command("FileOpen")->trigger();
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Modified);
    QCOMPARE(session.planner.model.Configurations.size(), configurations);
    QVERIFY(session.Command("FileSave")->isEnabled());
    session.questions.answers = {3};  // the close question still comes, and is cancelled
    QVERIFY(!session.Close());
  }

  void storedReportOptionsSurviveStartUpAndAClick() {
    Session session(true, {{"RTUtil", 0}, {"RTAlt", 1}});
    QTRY_VERIFY(session.started);
    QVERIFY(!session.Command("ItemUtilityValues1")->isChecked());
    QVERIFY(session.Command("AlternateItemOrder1")->isChecked());
    session.Command("Stats1")->trigger();
    QCOMPARE(std::get<std::int32_t>(session.store.values.at("RTUtil")), 0);
    QCOMPARE(std::get<std::int32_t>(session.store.values.at("RTAlt")), 1);
    QCOMPARE(std::get<std::int32_t>(session.store.values.at("RTStats")), 0);
  }

  void typingANameOnTheReportTabKeepsTheFocus() {
    Session session;
    session.Load(kExample);
    session.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(session.window.get()));
    session.ShowTab(ui::GearTab::Report);
    auto* name = session.Find<QLineEdit>("eName");
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, " xyz");
    QVERIFY(session.planner.model.Current()->Name.Str().ends_with(" xyz"));
    QCOMPARE(QApplication::focusWidget(), name);
    QVERIFY(session.Find<QPlainTextEdit>("Rpt")->toPlainText().contains(" xyz"));
  }

  void recentTemplatesShowFileNamesAsTheSystemWritesThem() {
    Session session;
    session.Load(kExample);
    const std::filesystem::path accented = folder_.path().toStdString() + "/\xC3\x89p\xC3\xA9" "e.kwt";  // Épée
    session.files.choices.push_back(accented);
    session.Command("FileSaveAs")->trigger();
    QCOMPARE(session.Command("fn1")->text(), QString::fromUtf8("&1. \xC3\x89p\xC3\xA9" "e.kwt"));
    session.Load(accented);  // the same file again: still one entry
    QCOMPARE(session.Command("fn2")->text(), QString("&2. albion_armsman.kwt"));
    QVERIFY(!session.Command("fn3")->isVisible());
  }

  void savingProposesTheTemplatesOwnFolder() {
    Session session;
    session.Load(kExample);
    session.Command("FileSaveAs")->trigger();  // cancelled
    QCOMPARE(session.files.saved.back().folder, kExample.parent_path());
    QCOMPARE(session.files.saved.back().proposedName, std::filesystem::path("albion_armsman.kwt"));
    session.Command("FileNew")->trigger();
    QTest::mouseClick(session.Find<QPushButton>("ConfigNew"), Qt::LeftButton);
    session.Command("FileSave")->trigger();  // cancelled
    QCOMPARE(session.files.saved.back().folder, session.files.documents);
  }

  void savingKeepsTheViewAndReloadingStartsAnew() {
    Session session;
    session.Load(kExample);
    auto* showAll = session.Find<QCheckBox>("Effected");
    showAll->click();
    auto* stats = session.Find<QTreeWidget>("RegStats");
    QTest::mouseClick(stats->viewport(), Qt::LeftButton, {}, stats->visualItemRect(stats->topLevelItem(0)).center());
    const QString shown = session.window->findChild<QPlainTextEdit*>("InfoLabel")->toPlainText();
    session.files.choices.push_back(folder_.path().toStdString() + "/kept.kwt");
    session.Command("FileSaveAs")->trigger();
    QVERIFY(showAll->isChecked());
    QCOMPARE(session.window->findChild<QPlainTextEdit*>("InfoLabel")->toPlainText(), shown);

    session.Load(folder_.path().toStdString() + "/kept.kwt");  // the same file again: a new template
    QVERIFY(!showAll->isChecked());
  }

  void aFailedImportStillOpensTheEquipmentTab() {
    Session session;
    session.Load(kExample);
    const std::filesystem::path damaged = folder_.path().toStdString() + "/damaged.kwt";
    std::ofstream(damaged) << "not a template";
    session.ShowTab(ui::GearTab::Report);
    session.files.choices.push_back(damaged);
    session.Command("FileImport")->trigger();
    QCOMPARE(session.messages.notices.back().text,
             std::string("Import failure. A backup has been restored so no data has been lost. Please try again."));
    QCOMPARE(session.Tabs()->currentIndex(), static_cast<int>(ui::GearTab::Equipment));
  }

  void anEmptySlotKeepsThePanelsTitle() {
    Session session;
    session.Load(kExample);
    session.ShowTab(ui::GearTab::Equipment);
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot1"), Qt::LeftButton);  // Neck: describes its item
    session.Load(kOtherExample);
    QTest::mouseClick(session.Find<QPushButton>("ConfigNew"), Qt::LeftButton);  // every slot empty
    QCOMPARE(session.window->findChild<QLabel*>("Information")->text(), QString("Information"));
    QTest::mouseClick(session.Find<QPushButton>("EquipSlot0"), Qt::LeftButton);
    QCOMPARE(session.window->findChild<QLabel*>("Information")->text(), QString("Information"));
    QCOMPARE(session.window->findChild<QPlainTextEdit*>("InfoLabel")->toPlainText(), QString("No Item Selected"));
  }

  void theRecentMenuHidesWhenItsLastFileIsGone() {
    const std::filesystem::path gone = folder_.path().toStdString() + "/gone.kwt";
    Session session(true, {{"File1", gone.string()}});
    QTRY_VERIFY(session.started);
    QVERIFY(session.Command("Recent1")->isVisible());
    session.Command("fn1")->trigger();
    QCOMPARE(session.messages.notices.back().text, std::string("File deleted/moved, removing this item from the list"));
    QVERIFY(!session.Command("fn1")->isVisible());
    QVERIFY(!session.Command("Recent1")->isVisible());
  }

  void smallerFramePromises() {
    Session session;
    session.Load(kExample);
    QCOMPARE(session.window->createPopupMenu(), nullptr);  // the quick bar hides by its option alone
    QCOMPARE(session.Command("Quit1")->text(), QString("&Quit DavoruzivI"));
    QCOMPARE(session.Command("StartMaximized1")->text(), QString("Start DavoruzivI &Maximized"));
    QCOMPARE(session.Command("WebSite1")->text(), QString("&DavoruzivI Web Site"));
    QVERIFY(session.Tabs()->tabToolTip(static_cast<int>(ui::GearTab::SpecEditor)).startsWith("The spec editor allows"));
    session.ShowTab(ui::GearTab::Notes);
    session.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(session.window.get()));
    auto* notes = session.Find<QPlainTextEdit>("CharNotes");
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(notes, &enter);  // hover focus reaches the memos too
    QCOMPARE(QApplication::focusWidget(), notes);
  }

  void theHomePageIsTheReadmeBesideTheProgram() {
    Session session;
    QTRY_VERIFY(session.started);
    session.Command("WebSite1")->trigger();
    const QUrl opened(QString::fromStdString(session.web.opened.at(0)));
    QVERIFY(opened.isLocalFile());
    QVERIFY(QFileInfo(opened.toLocalFile()).isFile());
    QVERIFY(opened.toLocalFile().endsWith("share/doc/davoruzivi/README.md"));
  }
};

QTEST_MAIN(FollowingTest)
#include "following_test.moc"
