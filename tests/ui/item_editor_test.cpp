// The item editor and the Dazizuvoror as the user meets them: opened from
// the main window, an item picked, changed, saved and committed, the chosen
// position handed between the two windows, and the item files of the
// Dazizuvoror's menu. The main window follows what the editor changed.

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <functional>

#include "ItemEditor/item_editor_window.h"
#include "Vlt/dazizuvoror_window.h"
#include "itemdb/exchange_files.h"
#include "itemdb/vault_reader.h"
#include "main_window_session.h"
#include "support/temporary_folder.h"
#include "template/slot_ref.h"
#include "template/slots.h"

using namespace davoruzivi;
using namespace davoruzivi::testing;

namespace {

// Runs the steps on the modal window that `open` brings up, once it shows;
// the steps close it.
template <typename Window>
bool WithModal(const std::function<void()>& open, const std::function<void(Window&)>& steps) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (!window) return;
    steps(*window);
    ran = true;
    if (window->isVisible()) window->done(QDialog::Rejected);  // a failed step leaves no window behind
  });
  open();
  return ran;
}

template <typename Widget>
Widget* In(const QWidget& window, const char* name) {
  return window.findChild<Widget*>(name);
}

void PickRow(const QWidget& window, const char* list, int row) {
  auto* view = In<QListView>(window, list);
  view->setCurrentIndex(view->model()->index(row, 0));
}

int CurrentRow(const QWidget& window, const char* list) { return In<QListView>(window, list)->currentIndex().row(); }

void TypeAmount(const QWidget& window, const char* field, const QString& text) {
  auto* edit = In<QWidget>(window, field)->findChild<QLineEdit*>();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

// The vault position of the first vault item the current configuration equips.
std::optional<std::size_t> FirstEquippedVaultItem(const ui::Planner& planner) {
  const Configuration& configuration = *planner.model.Current();
  for (int slot = 0; slot < kEquipmentSlotCount; ++slot) {
    const auto ref = ParseSlotRef(configuration.Slots[static_cast<std::size_t>(slot)]);
    if (ref && ref->letter == static_cast<char>(ItemList::Vault))
      return planner.model.ListsOf(SlotKindOf(slot)).VaultIds[static_cast<std::size_t>(ref->position)];
  }
  return std::nullopt;
}

int EntryOf(const VaultQueryResult& result, std::size_t position) {
  const auto found = std::find(result.positions.begin(), result.positions.end(), position);
  return found == result.positions.end() ? -1 : static_cast<int>(found - result.positions.begin());
}

// An item list of two records that name only their items.
std::filesystem::path WriteItemList(const TemporaryFolder& folder) {
  std::string bytes(2 * kItemListRecordSize, '\0');
  bytes.replace(0, 9, "Kwj Blade");
  bytes.replace(kItemListRecordSize, 10, "Kwj Shield");
  const auto path = folder / "items.kwj";
  std::ofstream(path, std::ios::binary) << bytes;
  return path;
}

bool Told(const Session& session, std::string_view text) {
  for (const auto& notice : session.messages.notices)
    if (notice.text == text) return true;
  return false;
}

}  // namespace

class ItemEditorTest : public QObject {
  Q_OBJECT

 private slots:
  // An equipped item changed in the editor: the vault holds it at once, the
  // totals follow, the template stays as saved, and the commit writes a
  // vault that reads back with the change.
  void anEditedItemIsSavedCommittedAndFollowedByTheMainWindow() {
    Session session;
    session.Load(kExample);
    const auto position = FirstEquippedVaultItem(session.planner);
    QVERIFY(position);
    const TemporaryFolder folder;
    session.planner.dazizuvoror.SetMasterVaultPath(folder / "master.kwv");
    const VaultItem before = session.vault.Items()[*position];
    QVERIFY(before.StatIds[0] != 0);

    QVERIFY(WithModal<ui::ItemEditorWindow>(
        [&] { session.Command("ItemEditor1")->trigger(); },
        [&](ui::ItemEditorWindow& editor) {
          const int entry = EntryOf(session.planner.itemEditor.Listing(), *position);
          QVERIFY(entry >= 0);
          PickRow(editor, "INs", entry);
          QCOMPARE(In<QLineEdit>(editor, "eItemName")->text(), platform::ToQString(before.Name.View()));
          QCOMPARE(
              In<QGroupBox>(editor, "List")->title(),
              QString("Vault &Listing ( %1 / %2 )").arg(entry + 1).arg(session.planner.itemEditor.Listing().Size()));
          TypeAmount(editor, "s1", "77");
          QVERIFY(session.planner.itemEditor.Changed());
          In<QPushButton>(editor, "btnSaveItem")->click();
          QCOMPARE(session.vault.Items()[*position].StatValues[0], 77);
          QCOMPARE(CurrentRow(editor, "INs"), entry);
          In<QPushButton>(editor, "btnCommitChanges")->click();
          QVERIFY(Told(session, kVaultSavedMessage));
          editor.close();
          QVERIFY(!editor.isVisible());
        }));

    QCOMPARE(MainStatRows(session), ExpectedMainStatRows(session));
    QCOMPARE(session.planner.workflow.Status(), TemplateStatus::Saved);
    MasterVault reread;
    QVERIFY(LoadMasterVault(folder / "master.kwv", reread).Ok());
    QCOMPARE(reread.Items()[*position].StatValues[0], 77);
    QCOMPARE(reread.Size(), session.vault.Size());
  }

  // "Vault&keeper" opens the Dazizuvoror on the item being edited; the entry
  // selected when it is closed by its close box is loaded into the editor.
  void theChosenPositionGoesToTheDazizuvororAndBack() {
    Session session;
    QTRY_VERIFY(session.started);
    QVERIFY(WithModal<ui::ItemEditorWindow>(
        [&] { session.Command("btnItemEdit")->trigger(); },
        [&](ui::ItemEditorWindow& editor) {
          const VaultQueryResult& listing = session.planner.itemEditor.Listing();
          PickRow(editor, "INs", 5);
          QCOMPARE(session.planner.itemEditor.EditingPosition(), static_cast<long long>(listing.positions[5]));
          QVERIFY(WithModal<ui::DazizuvororWindow>([&] { In<QPushButton>(editor, "btnVaultkeeper")->click(); },
                                                   [&](ui::DazizuvororWindow& vault) {
                                                     QCOMPARE(CurrentRow(vault, "IDNames"), 5);
                                                     PickRow(vault, "IDNames", 9);
                                                     vault.close();
                                                   }));
          QCOMPARE(CurrentRow(editor, "INs"), 9);
          QCOMPARE(session.planner.itemEditor.EditingPosition(), static_cast<long long>(listing.positions[9]));
          QCOMPARE(In<QLineEdit>(editor, "eItemName")->text(), platform::ToQString(listing.names[9]));

          // A cancelled close keeps the window and the changes; leaving without saving drops them.
          QTest::keyClicks(In<QLineEdit>(editor, "eItemName"), " II");
          session.questions.answers = {3};
          editor.close();
          QVERIFY(editor.isVisible());
          QVERIFY(session.planner.itemEditor.Changed());
          session.questions.answers = {2};
          editor.close();
          QVERIFY(!editor.isVisible());
          QCOMPARE(session.vault.Items()[listing.positions[9]].Name.View(), listing.names[9]);
        }));
  }

  // A new item saved from the keyboard stays in view: the listing, which takes
  // the focus, selects it and the fields show it.
  void aSavedNewItemStaysShown() {
    Session session;
    QTRY_VERIFY(session.started);
    QVERIFY(WithModal<ui::ItemEditorWindow>([&] { session.Command("ItemEditor1")->trigger(); },
                                            [&](ui::ItemEditorWindow& editor) {
                                              QApplication::setActiveWindow(&editor);
                                              QVERIFY(QTest::qWaitForWindowActive(&editor));
                                              auto* name = In<QLineEdit>(editor, "eItemName");
                                              name->selectAll();
                                              QTest::keyClicks(name, "Helm of Tests");
                                              In<QAction>(editor, "SaveItem1")->trigger();
                                              const int last = static_cast<int>(session.vault.Size()) - 1;
                                              QCOMPARE(session.vault.Items().back().Name.View(), "Helm of Tests");
                                              QCOMPARE(name->text(), QString("Helm of Tests"));
                                              QCOMPARE(CurrentRow(editor, "INs"), last);
                                              QVERIFY(In<QListView>(editor, "INs")->hasFocus());
                                              QCOMPARE(session.planner.itemEditor.EditingPosition(), last);
                                              editor.close();
                                            }));
  }

  // The Dazizuvoror's item files and filters.
  void theDazizuvororImportsExportsAndFilters() {
    Session session;
    QTRY_VERIFY(session.started);
    const TemporaryFolder folder;
    const std::size_t records = session.vault.Size();
    ui::DazizuvororWindow window(session.planner);
    QVERIFY(WithModal<ui::DazizuvororWindow>(
        [&] { window.Run(); },
        [&](ui::DazizuvororWindow& vault) {
          session.files.choices.push_back(WriteItemList(folder));
          In<QAction>(vault, "ImportList")->trigger();
          QCOMPARE(session.vault.Size(), records + 2);
          QCOMPARE(vault.windowTitle(), QString("Dazizuvoror (%1 / %1 showing)").arg(records + 2));
          PickRow(vault, "IDNames", static_cast<int>(records + 1));
          session.files.choices.push_back(folder / "shield");
          In<QAction>(vault, "ExportItem")->trigger();
          QCOMPARE(std::filesystem::file_size(folder / "shield.kwx"), kVaultItemImageSize);

          QTest::keyClicks(In<QLineEdit>(vault, "NameFilter"), "KWJ");
          auto* amount = In<QWidget>(vault, "stat1amt")->findChild<QLineEdit*>();
          QTest::keyClicks(amount, "300");
          QCOMPARE(session.planner.query.Settings().stats[0].minimumAmount, "200");
          amount->selectAll();
          QTest::keyClicks(amount, "05");
          QCOMPARE(amount->text(), QString("5"));
          QTest::keyClick(amount, Qt::Key_Home);
          QTest::keyClick(amount, Qt::Key_Delete);
          QCOMPARE(amount->text(), QString("0"));
          QTest::keyClicks(amount, "7");
          QVERIFY2(amount->text() == "7", "the digit typed after an emptied field replaces its 0");
          session.planner.query.Settings().stats[0].minimumAmount = "0";
          In<QPushButton>(vault, "btnGo")->click();
          QCOMPARE(vault.findChild<QListView*>("IDNames")->model()->rowCount(), 2);
          In<QPushButton>(vault, "btnUnfilter")->click();
          QVERIFY(In<QLineEdit>(vault, "NameFilter")->text().isEmpty());
          QCOMPARE(CurrentRow(vault, "IDNames"), 0);
          vault.close();
        }));
    QCOMPARE(session.planner.dazizuvoror.ChosenPosition(), 0);
  }
};

QTEST_MAIN(ItemEditorTest)
#include "item_editor_test.moc"
