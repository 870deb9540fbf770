// The salvage calculator window: its fields, their corrections, and the panels
// that follow every change.

#include <QEnterEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include "Salvo/salvage_dialog.h"

using namespace davoruzivi;
using ui::MetalCountField;
using ui::SalvageDialog;

namespace {

const QStringList kZero = {"P: 0p", "G: 0g", "S: 0s", "C: 0c"};

QLineEdit* EditOf(MetalCountField& field) { return field.findChild<QLineEdit*>(); }

// Types at a caret position and returns the corrected text and caret.
std::pair<QString, int> TypeAt(MetalCountField& field, const QString& start, int caret, const QString& typed) {
  field.SetText(start);
  EditOf(field)->setCursorPosition(caret);
  QTest::keyClicks(&field, typed);
  return {field.text(), EditOf(field)->cursorPosition()};
}

}  // namespace

class SalvageDialogTest : public QObject {
  Q_OBJECT

 private:
  SalvageDialog dialog_;

 private slots:
  void init() { dialog_.show(); }
  void cleanup() { dialog_.hide(); }

  void theWindowHoldsTheTenGradesAndTwoZeroStatusLines() {
    QCOMPARE(dialog_.objectName(), QString("frmSalvo"));
    QCOMPARE(dialog_.windowTitle(), QString("Slagwright v1.3"));
    QCOMPARE(dialog_.findChild<QGroupBox*>()->title(), QString("Metal Amounts"));
    QCOMPARE(dialog_.Field(0).objectName(), QString("sBronze"));
    QCOMPARE(dialog_.Field(9).objectName(), QString("sArcanium"));
    const QList<QLabel*> labels = dialog_.findChild<QGroupBox*>()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), kMetalGradeCount);
    QCOMPARE(labels[4]->text(), QString("Fine Alloy / Cobalt"));
    QCOMPARE(labels[4]->toolTip(), QString("Click to enter specific amounts"));
    QCOMPARE(dialog_.findChild<QStatusBar*>("RawValue")->findChildren<QLabel*>().front()->text(), QString("Raw :"));
    QCOMPARE(dialog_.findChild<QStatusBar*>("cashbar")->findChildren<QLabel*>().front()->text(),
             QString("Trinket :"));
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Raw), kZero);
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Trinket), kZero);
  }

  void theLargestAmountShowsWhole() {
    MetalCountField& field = dialog_.Field(0);
    field.SetText("32000");
    const QLineEdit* edit = field.findChild<QLineEdit*>();
    QVERIFY(edit->width() >= edit->fontMetrics().horizontalAdvance("32000"));
  }

  void typedAmountsAreCorrectedAndTheCaretPlaced() {
    MetalCountField& field = dialog_.Field(0);
    QCOMPARE(TypeAt(field, "0", 1, "40000"), std::make_pair(QString("32000"), 5));
    QCOMPARE(TypeAt(field, "0", 1, "5"), std::make_pair(QString("5"), 1));
    QCOMPARE(TypeAt(field, "0", 1, "a1 b-"), std::make_pair(QString("1"), 1));
    QCOMPARE(TypeAt(field, "123", 0, "9"), std::make_pair(QString("9123"), 1));
    QCOMPARE(TypeAt(field, "123", 2, "9"), std::make_pair(QString("1293"), 4));
    field.SetText("7");
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString("0"));
  }

  void spinButtonsStepByAHundredWithinTheBounds() {
    MetalCountField& field = dialog_.Field(3);
    field.stepBy(1);
    QCOMPARE(field.text(), QString("100"));
    field.SetText("50");
    field.stepBy(-1);
    QCOMPARE(field.text(), QString("0"));
    field.SetText("31950");
    QTest::keyClick(&field, Qt::Key_Up);
    QCOMPARE(field.text(), QString("32000"));
  }

  void everyChangeShowsBothValues() {
    dialog_.Field(0).SetText("25");
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Raw), QStringList({"P: 0p", "G: 0g", "S: 1s", "C: 0c"}));
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Trinket), QStringList({"P: 0p", "G: 0g", "S: 2s", "C: 0c"}));
    for (int grade = 0; grade < kMetalGradeCount; ++grade) dialog_.Field(grade).SetText("32000");
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Raw), QStringList({"P: 224p", "G: 572g", "S: 80s", "C: 0c"}));
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Trinket), QStringList({"P: 442p", "G: 729g", "S: 60s", "C: 0c"}));
    dialog_.ClearAll();
    dialog_.Field(9).SetText("not a number");  // as pasted
    QCOMPARE(dialog_.Field(9).text(), QString("not a number"));
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Raw), kZero);
  }

  void enterAndShowingTheWindowClearEveryAmount() {
    dialog_.Field(2).SetText("300");
    dialog_.Field(2).setFocus();
    QTest::keyClick(&dialog_.Field(2), Qt::Key_Return);
    QCOMPARE(dialog_.Field(2).text(), QString("0"));
    dialog_.Field(5).SetText("300");
    dialog_.hide();
    dialog_.show();
    QCOMPARE(dialog_.Field(5).text(), QString("0"));
    QCOMPARE(dialog_.PanelTexts(SalvageOutput::Trinket), kZero);
  }

  void aFieldTakesTheFocusAsTheMouseEntersOnlyWithHoverFocus() {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    dialog_.findChild<QPushButton*>("ClearAll")->setFocus();
    dialog_.SetHoverFocus(false);
    QCoreApplication::sendEvent(&dialog_.Field(7), &enter);
    QVERIFY(!dialog_.Field(7).isAncestorOf(dialog_.focusWidget()) && dialog_.focusWidget() != &dialog_.Field(7));
    dialog_.SetHoverFocus(true);
    QCoreApplication::sendEvent(&dialog_.Field(7), &enter);
    QVERIFY(dialog_.Field(7).isAncestorOf(dialog_.focusWidget()) || dialog_.focusWidget() == &dialog_.Field(7));
  }
};

QTEST_MAIN(SalvageDialogTest)
#include "salvage_dialog_test.moc"
