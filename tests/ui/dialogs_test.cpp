// The question dialog, the link-aware help text control and the help texts.

#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <stdexcept>

#include "Custom/custom_dialog.h"
#include "Help/help_texts.h"
#include "RichEdit1/link_text_view.h"
#include "core/web_addresses.h"
#include "platform/testing/scripted_dialogs.h"

using namespace davoruzivi;
using ui::CustomDialog;

namespace {

class ThrowingWebOpener final : public platform::WebOpener {
 public:
  void Open(std::string_view) override { throw std::runtime_error("no browser"); }
};

QList<int> LeftEdges(const CustomDialog& dialog) {
  QList<int> lefts;
  for (int number = 1; number <= CustomDialog::kButtonCount; ++number)
    if (!dialog.Button(number)->isHidden()) lefts.append(dialog.Button(number)->x());
  return lefts;
}

// Clicks a button of the dialog once its modal loop runs.
void ClickWhenShown(CustomDialog& dialog, int number) {
  QTimer::singleShot(0, &dialog, [&dialog, number] { dialog.Button(number)->click(); });
}

void SendEnter(QWidget* widget) {
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QCoreApplication::sendEvent(widget, &enter);
}

// Clicks just behind a character position of the shown text.
void ClickCharacter(ui::LinkTextView& view, int position, Qt::MouseButton button = Qt::LeftButton) {
  QTextCursor cursor(view.document());
  cursor.setPosition(position);
  QTest::mouseClick(view.viewport(), button, {}, view.cursorRect(cursor).center() + QPoint(2, 0));
}

}  // namespace

class DialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void buttonsStandAtTheirLeftEdgesBelowTheMessage() {
    CustomDialog dialog;
    dialog.Setup("Changes have been made, do you wish to save before exiting?", "Save Character First?",
                 "Save &As...", "&Cancel", "&Quit", "&Save");
    QCOMPARE(LeftEdges(dialog), QList<int>({7, 95, 183, 271}));
    dialog.Setup("Question", "Caption", "", "&Cancel", "&Quit", "&Save");
    QCOMPARE(LeftEdges(dialog), QList<int>({47, 135, 223}));
    dialog.Setup("Question", "Caption", "", "", "&Cancel", "&Empty");
    QCOMPARE(LeftEdges(dialog), QList<int>({95, 183}));
    QCOMPARE(dialog.Button(1)->y(), dialog.Message()->y() + dialog.Message()->height() + 8);
    QCOMPARE(dialog.height(), dialog.Button(1)->y() + 32);
    QCOMPARE(dialog.windowTitle(), QString("Caption"));
    QCOMPARE(dialog.Button(2)->text(), QString("&Cancel"));
    QVERIFY(dialog.Button(1)->isDefault());
    QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
  }

  void theResultIsTheNumberOfTheButtonPressed() {
    CustomDialog dialog;
    for (int number = 1; number <= 4; ++number) {
      dialog.Setup("Question", "Caption", "Four", "Three", "Two", "One");
      ClickWhenShown(dialog, number);
      QCOMPARE(dialog.exec(), number);
      QCOMPARE(dialog.PressedButton(), number);
    }
  }

  void refusesToCloseUntilAButtonIsPressed() {
    CustomDialog dialog;
    dialog.Setup("Question", "Caption", "", "", "Cancel", "OK");
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.close());
    QVERIFY(dialog.isVisible());
    dialog.Button(2)->click();
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), 2);
  }

  void escapeAnswersTheCancellingButton() {
    ui::QtConfirmationDialog confirmation;
    CustomDialog& dialog = confirmation.Dialog();
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(confirmation.Ask({"Changes have been made", "Save Character First?", "&Save", "&Load", "&Cancel",
                               "Save &As...", 3}),
             3);
    QTimer::singleShot(0, &dialog, [&dialog] { QTest::keyClick(&dialog, Qt::Key_Escape); });
    QCOMPARE(confirmation.Ask({"Delete?", "Delete configuration?", "&Delete", "&Cancel", "", ""}), 2);
  }

  void everyQuestionOpensWithTheFirstButtonAsDefault() {
    ui::QtConfirmationDialog confirmation;
    confirmation.FollowHoverOption([] { return false; });
    CustomDialog& dialog = confirmation.Dialog();
    const platform::Question save{"Changes have been made", "Save Character First?", "&Save", "&Load", "&Cancel",
                                  "Save &As..."};
    ClickWhenShown(dialog, 2);  // the focus was on "&Load" when the dialog went
    QCOMPARE(confirmation.Ask(save), 2);
    QTimer::singleShot(0, &dialog, [&dialog] {
      QVERIFY(dialog.Button(1)->isDefault());
      QCOMPARE(dialog.focusWidget(), dialog.Button(1));
      QTest::keyClick(dialog.focusWidget(), Qt::Key_Return);
    });
    QCOMPARE(confirmation.Ask(save), 1);
  }

  void buttonsAreWideEnoughForTheirCaptions() {
    CustomDialog dialog;
    dialog.Setup("Changes have been made, do you wish to save before starting a new character?",
                 "Save Character First?", "Save &As...", "&Cancel", "&New Character", "&Save");
    dialog.show();
    for (int number = 1; number <= 4; ++number) {
      const QPushButton* button = dialog.Button(number);
      QVERIFY(button->width() >= button->sizeHint().width());
      QVERIFY(dialog.rect().contains(button->geometry()));
      if (number > 1) QVERIFY(dialog.Button(number - 1)->geometry().right() < button->x());
    }
    dialog.Button(3)->click();
  }

  void aButtonTakesTheFocusAsTheMouseEntersOnlyWithHoverFocus() {
    CustomDialog dialog;
    dialog.Setup("Question", "Caption", "Four", "Three", "Two", "One");
    dialog.show();
    dialog.SetHoverFocus(false);
    SendEnter(dialog.Button(3));
    QVERIFY(dialog.focusWidget() != dialog.Button(3));
    dialog.SetHoverFocus(true);
    SendEnter(dialog.Button(3));
    QCOMPARE(dialog.focusWidget(), dialog.Button(3));
    dialog.Button(1)->click();
  }

  void confirmationAsksWithTheQuestionsButtons() {
    ui::QtConfirmationDialog confirmation;
    CustomDialog& dialog = confirmation.Dialog();
    ClickWhenShown(dialog, 4);
    const int answer = confirmation.Ask({"Changes have been made", "Save Character First?", "&Save", "&Quit",
                                         "&Cancel", "Save &As..."});
    QCOMPARE(answer, 4);
    QCOMPARE(dialog.Message()->text(), QString("Changes have been made"));
    QCOMPARE(dialog.windowTitle(), QString("Save Character First?"));
    const QStringList captions = {"&Save", "&Quit", "&Cancel", "Save &As..."};
    for (int number = 1; number <= 4; ++number) QCOMPARE(dialog.Button(number)->text(), captions[number - 1]);
  }

  void webAddressesAreFoundWithoutClosingPunctuation() {
    const QString text = "See https://a.example/x, then www.b.example. Or HTTP://C.example (here).";
    const QList<ui::TextRange> found = ui::FindWebAddresses(text);
    QCOMPARE(found.size(), 3);
    QCOMPARE(text.mid(found[0].start, found[0].length), QString("https://a.example/x"));
    QCOMPARE(text.mid(found[1].start, found[1].length), QString("www.b.example"));
    QCOMPARE(text.mid(found[2].start, found[2].length), QString("HTTP://C.example"));
  }

  void aLeftClickOnALinkReachesTheWebOpener() {
    platform::testing::RecordingWebOpener opener;
    ui::LinkTextView view(opener);
    view.resize(500, 200);
    view.show();
    const QString text = "Plain words\nVisit www.b.example today";
    view.ShowText(text);
    QCOMPARE(view.toPlainText(), text);
    QCOMPARE(view.textCursor().position(), 0);
    ClickCharacter(view, 2);
    ClickCharacter(view, text.indexOf("www") + 3, Qt::RightButton);
    QVERIFY(opener.opened.empty());
    ClickCharacter(view, text.indexOf("www") + 3);
    QCOMPARE(opener.opened, std::vector<std::string>{"www.b.example"});
    QVERIFY(view.isReadOnly());
    QCOMPARE(view.lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(view.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  }

  void anOpenerThatFailsIsPassedOver() {
    ThrowingWebOpener opener;
    ui::LinkTextView view(opener);
    view.resize(500, 200);
    view.show();
    view.ShowText("https://a.example/");
    ClickCharacter(view, 4);  // must not throw out of the event handler
    QCOMPARE(view.toPlainText(), QString("https://a.example/"));
  }

  void helpTopicsAreListedInOrderAndEachHasAText() {
    QCOMPARE(ui::HelpTopicNames(), QStringList({"Getting Started", "Using the Interface", "Omnicrafting Tutorial",
                                                "Report Formatting"}));
    for (int topic = 0; topic < ui::kHelpTopicCount; ++topic)
      QVERIFY(ui::HelpText(static_cast<ui::HelpTopic>(topic)).size() > 1000);
  }

  void gettingStartedEndsWithThePlannersLinks() {
    const QString text = ui::HelpText(ui::HelpTopic::GettingStarted);
    const QList<ui::TextRange> links = ui::FindWebAddresses(text);
    QCOMPARE(links.size(), 3);
    const char* addresses[] = {web::kHomePage.data(), web::kNewsSite.data(), web::kForum.data()};
    for (int i = 0; i < 3; ++i) QCOMPARE(text.mid(links[i].start, links[i].length), QString(addresses[i]));
    QVERIFY(text.trimmed().endsWith(QString(addresses[2])));
  }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
