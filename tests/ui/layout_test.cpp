// The main window at its minimum size, on every tab: no visible control is
// clipped by its parent, overlaps a sibling or shows its caption cut short.
// The same test runs again at 125 % display scaling.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>

#include "ItemEditor/item_editor_window.h"
#include "Vlt/dazizuvoror_window.h"
#include "main_window_session.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

QString NameOf(const QWidget* widget) {
  return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

// Qt's own parts of a control (a spin box's line edit, a tab widget's bar)
// are laid out by the control itself, overlapping by design.
bool IsPartOfAControl(const QWidget* widget) { return widget->objectName().startsWith("qt_"); }

// Inside a scroll area a control may be scrolled out of sight.
bool InsideScrolledContents(const QWidget* widget) {
  for (const QWidget* up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget())
    if (const auto* area = qobject_cast<const QAbstractScrollArea*>(up->parentWidget()); area && area->viewport() == up)
      return true;
  return false;
}

// A caption that needs more room than it has is cut; buttons that cut their
// own captions short ask only for the room of the shortest one.
bool CaptionFits(const QWidget* widget) {
  if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap())
    return label->width() >= label->minimumSizeHint().width();
  if (const auto* button = qobject_cast<const QPushButton*>(widget)) {
    const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    return button->width() >=
           std::min(button->minimumSizeHint().width(),
                    button->fontMetrics().horizontalAdvance(button->text().remove('&')) + 2 * margin);
  }
  if (qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QGroupBox*>(widget) ||
      qobject_cast<const QTabBar*>(widget))
    return widget->width() >= widget->minimumSizeHint().width();
  return true;
}

QStringList LayoutFaults(const QWidget& window) {
  QStringList faults;
  for (const QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisible() || widget->isWindow() || InsideScrolledContents(widget)) continue;
    const QWidget* parent = widget->parentWidget();
    if (!IsPartOfAControl(widget) && !parent->rect().contains(widget->geometry()))
      faults << NameOf(widget) + " is clipped by " + NameOf(parent);
    if (!CaptionFits(widget))
      faults << NameOf(widget) + QString(" shows its caption cut short (%1 px wide, needs %2)")
                                     .arg(widget->width())
                                     .arg(widget->minimumSizeHint().width());
    if (const auto* area = qobject_cast<const QScrollArea*>(widget);
        area && area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff && area->widget() &&
        area->widget()->width() > area->viewport()->width())
      faults << NameOf(widget) + " cuts its contents at the right";
    if (IsPartOfAControl(widget)) continue;
    for (const QObject* other : parent->children()) {
      const auto* sibling = qobject_cast<const QWidget*>(other);
      if (!sibling || sibling <= widget || !sibling->isVisible() || sibling->isWindow() || IsPartOfAControl(sibling))
        continue;
      if (widget->geometry().intersects(sibling->geometry())) faults << NameOf(widget) + " overlaps " + NameOf(sibling);
    }
  }
  return faults;
}

}  // namespace

class LayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void nothingIsClippedOrOverlapsAtTheMinimumSize() {
    Session session;
    session.Load(kExample);
    session.window->showNormal();
    session.window->resize(session.window->minimumSize());
    QCOMPARE(session.window->minimumSize(), QSize(1024, 768));
    for (int tab = 0; tab < session.Tabs()->count(); ++tab) {
      session.Tabs()->setCurrentIndex(tab);
      QApplication::processEvents();
      const QStringList faults = LayoutFaults(*session.window);
      if (!faults.isEmpty()) qWarning("%s", qPrintable(faults.join('\n')));
      QVERIFY2(faults.isEmpty(), qPrintable(session.Tabs()->tabText(tab)));
    }
  }

  // Each item window docked over the tabs, on each of its pages. At the
  // normal scale the spellcraft page shows the whole item without scrolling.
  void theDockedWindowsFitTheMinimumSize() {
    Session session;
    session.Load(kExample);
    session.window->showNormal();
    session.window->resize(session.window->minimumSize());
    for (const char* button : {"VaultAdd", "InlineAdd", "CraftAdd"}) {
      session.ShowTab(ui::GearTab::Equipment);
      QTest::mouseClick(session.Find<QPushButton>(button), Qt::LeftButton);
      QVERIFY2(session.window->SubWindowOpen(), button);
      auto* docked = session.window->findChild<ui::DockedEditor*>();
      for (auto* candidate : session.window->findChildren<ui::DockedEditor*>())
        if (candidate->isVisible()) docked = candidate;
      auto* pages = docked->findChild<QTabWidget*>();
      for (int page = 0; page < pages->count(); ++page) {
        if (!pages->isTabEnabled(page)) continue;
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        const QStringList faults = LayoutFaults(*session.window);
        if (!faults.isEmpty()) qWarning("%s", qPrintable(faults.join('\n')));
        QVERIFY2(faults.isEmpty(), qPrintable(QString("%1: %2").arg(button, pages->tabText(page))));
      }
      if (auto* spellcraft = docked->findChild<QScrollArea*>("SpellcraftPage");
          spellcraft && qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        pages->setCurrentIndex(0);
        QApplication::processEvents();
        QVERIFY(spellcraft->widget()->minimumSizeHint().height() <= spellcraft->viewport()->height());
        QVERIFY(spellcraft->widget()->minimumSizeHint().width() <= spellcraft->viewport()->width());
      }
      docked->Done();
      QVERIFY2(!session.window->SubWindowOpen(), button);
    }
  }

  // The item editor and the Dazizuvoror fit a small screen at their minimum size.
  void theItemDatabaseWindowsFitTheMinimumSize() {
    Session session;
    QTRY_VERIFY(session.started);
    ui::ItemEditorWindow editor(session.planner);
    for (QDialog* window : std::initializer_list<QDialog*>{&editor, &editor.Dazizuvoror()}) {
      window->show();
      window->resize(window->minimumSizeHint());
      QApplication::processEvents();
      if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR")) {
        QVERIFY2(window->width() <= 1024 && window->height() <= 720,
                 qPrintable(QString("%1 %2x%3").arg(window->objectName()).arg(window->width()).arg(window->height())));
      }
      const QStringList faults = LayoutFaults(*window);
      if (!faults.isEmpty()) qWarning("%s", qPrintable(faults.join('\n')));
      QVERIFY2(faults.isEmpty(), qPrintable(window->objectName()));
      window->hide();
    }
  }

  void theColumnsFitTheMinimumWidth() {
    Session session;
    QTRY_VERIFY(session.started);
    const auto* columns = session.Find<QSplitter>("MainColumns");
    QVERIFY(columns->minimumSizeHint().width() <= 1024);
  }

  void splitterPositionsAreKeptForTheNextStart() {
    QList<int> moved;
    Session::StoredValues kept;
    {
      Session session;
      QTRY_VERIFY(session.started);
      session.window->resize(1200, 800);
      auto* columns = session.Find<QSplitter>("MainColumns");
      moved = columns->sizes();
      moved[0] += 30;
      moved[1] -= 30;
      columns->setSizes(moved);
      moved = columns->sizes();
      emit columns->splitterMoved(moved[0], 1);
      QVERIFY(session.Close());
      for (const char* name : {"LayoutColumns", "LayoutStatsColumn"}) kept[name] = session.store.values.at(name);
    }
    Session again(true, kept);
    again.window->resize(1200, 800);
    QTRY_VERIFY(again.started);
    // The tabs take what a change of the window's width gives or takes; the side columns stay.
    const auto* columns = again.Find<QSplitter>("MainColumns");
    QTRY_COMPARE(columns->sizes().at(0), moved.at(0));
    QCOMPARE(columns->sizes().at(2), moved.at(2));
  }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
