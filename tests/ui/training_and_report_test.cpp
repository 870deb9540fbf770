// The Spec Editor tab and the Report page over a planner with one
// configuration: edits, double-clicks and respecs reach the model's spec
// points; the report menu stores its options and the report is copied and saved.

#include <QAbstractSlider>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "GMAIN/planner.h"
#include "GMAIN/report_page_widget.h"
#include "GMAIN/spec_editor_widget.h"
#include "core/file_io.h"
#include "core/web_addresses.h"
#include "itemdb/vault_reader.h"
#include "platform/qt/qt_text.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "report/template_report.h"

using namespace davoruzivi;
namespace doubles = platform::testing;

namespace {

constexpr int kArmsman = 0;    // 2 points per level, eight rows
constexpr int kNightshade = 27;

// A planner with one vault item and a new level 50 configuration of the class.
struct Run {
  explicit Run(int classIndex) {
    ParseVaultText("~v\r\nVault Version:1\r\nVault Date:1/27/2018\r\n1\r\n0\r\n\r\n~0\r\nBelt of the Sun\r\nNormal "
                   "Drop\r\nA\r\n50\r\nTrials of Atlantis (ToA)\r\n100\r\nBelt\r\nN/A\r\nN/A\r\nN/A\r\nNCPYR\r\n" +
                       std::string(47, '1') + "\r\nV\r\nABLV\r\nIn Game\r\n=\r\n1\r\nStrength|12\r\n0\r\n",
                   vault);
    planner.workflow.NewTemplate();
    planner.workflow.ChangeClass(classIndex);
    planner.workflow.NewConfiguration();
  }
  Configuration& Current() { return *planner.model.Current(); }
  doubles::RecordingMessageBox messages;
  doubles::ScriptedConfirmationDialog questions;
  doubles::ScriptedFileDialogs files;
  doubles::FixedClock clock{"1/2/2024 10:00:00"};
  doubles::InMemorySettingsStore store;
  doubles::RecordingWebOpener web;
  doubles::RecordingClipboard clipboard;
  MasterVault vault;
  ui::Planner planner{vault, {messages, questions, files, clock, store, web, clipboard}, "."};
};

template <typename T>
T* Child(QObject& parent, const QString& name) {
  if (T* child = parent.findChild<T*>(name)) return child;
  qFatal("no %s", qPrintable(name));
}

QString Text(QWidget& page, const QString& label) { return Child<QLabel>(page, label)->text(); }

void Type(QLineEdit* edit, const QString& keys) {
  edit->selectAll();
  QTest::keyClicks(edit, keys);
}

std::vector<std::string> ExpectedLines(Run& run) {
  const ReportSubject subject{run.planner.model, run.vault, run.planner.workflow.Class(), run.Current()};
  return ComposeReport(subject, ReportOptions(run.planner.settings.ReportFlags));
}

QString ExpectedView(Run& run) {
  QStringList lines;
  for (const std::string& line : ExpectedLines(run)) lines << platform::ToQString(line);
  return lines.join('\n');
}

}  // namespace

class TrainingAndReportTest : public QObject {
  Q_OBJECT

 private slots:
  void showingTheTabCountsThePointsAndLeavesTheTemplateSaved() {
    Run run(kArmsman);
    run.planner.workflow.SetStatus(TemplateStatus::Saved);
    ui::SpecEditorWidget page(run.planner);
    page.Refresh();
    QCOMPARE(Text(page, "ClassLabel"), QString("Class : (Alb) Armsman"));
    QCOMPARE(Text(page, "pPLV"), QString("2.0"));
    QCOMPARE(Text(page, "Pts"), QString("2979"));
    QCOMPARE(Text(page, "PtsLeft"), QString("2979"));
    QCOMPARE(Child<QPushButton>(page, "lSkill8")->text(), QString("Crossbows"));
    QVERIFY(Child<QLineEdit>(page, "SpecEdit8")->isEnabled());
    QCOMPARE(Child<QAbstractSlider>(page, "UpDown4")->maximum(), 50);
    QCOMPARE(run.planner.workflow.Status(), TemplateStatus::Saved);
  }

  void nightshadeRowSevenCannotBeEdited() {
    Run run(kNightshade);
    ui::SpecEditorWidget page(run.planner);
    page.Refresh();
    QVERIFY(Child<QPushButton>(page, "lSkill7")->isEnabled());
    QVERIFY(!Child<QLineEdit>(page, "SpecEdit7")->isEnabled());
    QVERIFY(!Child<QPushButton>(page, "lSkill8")->isEnabled());
  }

  void typingBeyondThePointsLowersOnlyTheEditedRow() {
    Run run(kArmsman);
    ui::SpecEditorWidget page(run.planner);
    page.Refresh();
    QSignalSpy changed(&page, &ui::SpecEditorWidget::modelChanged);
    Type(Child<QLineEdit>(page, "SpecEdit1"), "50");
    Type(Child<QLineEdit>(page, "SpecEdit2"), "50");
    Type(Child<QLineEdit>(page, "SpecEdit3"), "50");  // 2979 - 2 * 1274 leaves room for level 28
    QCOMPARE(Child<QLineEdit>(page, "SpecEdit3")->text(), QString("28"));
    QCOMPARE(Text(page, "PtsSpent"), QString("2953"));
    QCOMPARE(Text(page, "PtsLeft"), QString("26"));
    QVERIFY(run.Current().Spec[0] == 50 && run.Current().Spec[2] == 28);
    QVERIFY(!changed.isEmpty());
  }

  void editsAcceptDigitsAndCorrectThemselves() {
    Run run(kArmsman);
    ui::SpecEditorWidget page(run.planner);
    page.Refresh();
    auto* edit = Child<QLineEdit>(page, "SpecEdit2");
    Type(edit, "5x-");
    QCOMPARE(edit->text(), QString("5"));
    Type(edit, "60");
    QCOMPARE(edit->text(), QString("50"));
    edit->setText("7");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, '0');
    QCOMPARE(edit->text(), QString("7"));
    QTest::mouseDClick(edit, Qt::LeftButton);
    QCOMPARE(edit->text(), QString("1"));
    QCOMPARE(run.Current().Spec[1], 1);
  }

  void upDownStepsTheRowWithinTheLevel() {
    Run run(kArmsman);
    run.planner.workflow.ChangeLevel(30, false);
    ui::SpecEditorWidget page(run.planner);
    page.Refresh();
    auto* upDown = Child<QAbstractSlider>(page, "UpDown5");
    QCOMPARE(upDown->maximum(), 30);
    upDown->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QCOMPARE(Child<QLineEdit>(page, "SpecEdit5")->text(), QString("2"));
    QCOMPARE(run.Current().Spec[4], 2);
  }

  void respecAsksAndCancelKeepsTheLevels() {
    Run run(kArmsman);
    ui::SpecEditorWidget page(run.planner);
    page.Refresh();
    Child<QLineEdit>(page, "SpecEdit4")->setText("12");
    run.questions.answers = {2, 1};
    Child<QPushButton>(page, "btNewSpec")->click();
    QCOMPARE(run.Current().Spec[3], 12);
    QCOMPARE(run.questions.asked.at(0).message, std::string("Are you sure you wish to respec this configuration?"));
    Child<QPushButton>(page, "btNewSpec")->click();
    QCOMPARE(run.Current().Spec[3], 1);
  }

  void classLabelAndCaptionsOpenTheClassPage() {
    Run run(kArmsman);
    ui::SpecEditorWidget page(run.planner);
    Child<QPushButton>(page, "lSkill2")->click();
    QTest::mouseClick(Child<QLabel>(page, "ClassLabel"), Qt::LeftButton);
    QCOMPARE(run.web.opened, std::vector<std::string>(2, std::string(web::kClassPage)));
  }

  void reportShowsTheComposedLinesFromTheStart() {
    Run run(kArmsman);
    ui::ReportPageWidget page(run.planner);
    page.Refresh();
    QCOMPARE(page.View()->toPlainText(), ExpectedView(run));
    QCOMPARE(page.View()->textCursor().position(), 0);
    run.planner.model.CurrentConfiguration = -1;
    page.Compose();
    QVERIFY(page.View()->toPlainText().isEmpty());
  }

  void optionItemsAndPresetsStoreTheSettings() {
    Run run(kArmsman);
    ui::ReportPageWidget page(run.planner);
    QMenu menu;
    page.PopulateMenu(&menu);
    auto* alternate = Child<QAction>(page, "AlternateItemOrder1");
    QCOMPARE(alternate->text(), QString("&Alternate Item Order"));
    QVERIFY(!alternate->isChecked() && Child<QAction>(page, "Stats1")->isChecked());
    alternate->trigger();
    QCOMPARE(run.store.values.at("RTAlt"), (std::variant<std::int32_t, std::string>(1)));
    QCOMPARE(page.View()->toPlainText(), ExpectedView(run));
    Child<QAction>(page, "VNBriefFormat1")->trigger();
    for (const char* off : {"RTUtil", "RTProcs", "RTMats", "RTNotes", "RTDetails", "RTDStats", "RTFormat"}) {
      QCOMPARE(run.store.values.at(off), (std::variant<std::int32_t, std::string>(0)));
    }
    QVERIFY(!Child<QAction>(page, "VNFormat")->isChecked());
    alternate->trigger();
    Child<QAction>(page, "Everythingenabled1")->trigger();
    QVERIFY(Child<QAction>(page, "VNFormat")->isChecked() && !alternate->isChecked());
    Child<QPushButton>(page, "btnVNOptions")->click();
    ReportOptions standard;
    ApplyPreset(standard, ReportPreset::ForumStandard);
    QVERIFY(run.planner.settings.ReportFlags == standard.Flags());
  }

  void copyAndSavesGoThroughTheServices() {
    Run run(kArmsman);
    QTemporaryDir folder;
    const std::filesystem::path text = folder.path().toStdString() + "/report.txt";
    const std::filesystem::path html = folder.path().toStdString() + "/report.html";
    ui::ReportPageWidget page(run.planner);
    QMenu menu;
    page.PopulateMenu(&menu);
    Child<QAction>(page, "VNFormat")->trigger();  // the plain layout
    Child<QPushButton>(page, "btnCopyReport")->click();
    const std::string report = ReportFileText(ExpectedLines(run));
    std::string copied;
    for (const std::string& line : ExpectedLines(run)) copied += line + "\n";  // as the desktop carries text
    QCOMPARE(run.clipboard.text, copied);
    QCOMPARE(run.messages.notices.back().text, std::string(kReportCopiedMessage));
    run.files.choices = {"", text, html, "/no/such/folder/report.txt"};
    Child<QAction>(page, "SaveasText1")->trigger();  // cancelled
    QVERIFY(!std::filesystem::exists(text));
    Child<QAction>(page, "SaveasText1")->trigger();
    QCOMPARE(ReadWholeFile(text, 1 << 20).bytes, report);
    QCOMPARE(run.files.saved.at(1).filter, std::string("Text File (*.txt)|*.txt"));
    QVERIFY(run.files.saved.at(1).confirmOverwrite);
    Child<QAction>(page, "SaveasHTML1")->trigger();
    const std::string written = ReadWholeFile(html, 1 << 20).bytes;
    QVERIFY(written.ends_with("<HR>\r\n</PRE></BODY></HTML>\r\n"));
    QVERIFY(written.find("End Report") == std::string::npos);
    const std::size_t notices = run.messages.notices.size();
    Child<QAction>(page, "SaveasText1")->trigger();
    QCOMPARE(run.messages.notices.size(), notices + 1);
  }
};

QTEST_MAIN(TrainingAndReportTest)
#include "training_and_report_test.moc"
