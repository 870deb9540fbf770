#pragma once
// The main window as the user meets it, for window tests: the shipped vault
// and examples, services answered by doubles, the window shown and its first
// show (vault load, new template) finished.

#include <QAction>
#include <QComboBox>
#include <QStringList>
#include <QTabWidget>
#include <QTreeWidget>
#include <QtTest>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <variant>

#include "GMAIN/docked_editor.h"
#include "GMAIN/gear_main.h"
#include "GMAIN/planner.h"
#include "InlineEdit/inline_editor_window.h"
#include "SCWindow/spellcraft_window.h"
#include "VaultLoad/vault_loader_window.h"
#include "platform/qt/qt_text.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "stats/stat_engine.h"
#include "stats/stat_panels.h"

namespace davoruzivi::testing {

using namespace davoruzivi::platform::testing;

const std::filesystem::path kProgramFolder = DAVORUZIVI_PROGRAM_FOLDER;
const std::filesystem::path kExample = kProgramFolder / "examples" / "albion_armsman.kwt";
const std::filesystem::path kOtherExample = kProgramFolder / "examples" / "midgard_warrior.kwt";

// A docked window that records its Done command; finishing is the test's call.
class FakeItemWindow final : public ui::DockedEditor {
 public:
  void Done() override { ++doneRuns; }
  int doneRuns = 0;
};

// The program as the user meets it: services answered by doubles, the main
// window shown and its first show (vault load, new template) finished.
struct Session {
  using StoredValues = std::map<std::string, std::variant<std::int32_t, std::string>>;

  // `stored`: values an earlier run left in the settings store.
  explicit Session(bool settingsStored = true, const StoredValues& stored = {}) {
    store.exists = settingsStored;
    if (settingsStored) store.values["StartMax"] = 0;
    for (const auto& [name, value] : stored) store.values[name] = value;
    planner.StartWithSettings();
    window = std::make_unique<ui::GearMain>(planner, ui::StartupPaths{kProgramFolder, kProgramFolder / "master.kwv"},
                                            QStringList{});
    window->ProvideItemWindow(ItemWindow::VaultLoader,
                              [this] { return new ui::VaultLoaderWindow(planner, window->InfoPanel()); });
    window->ProvideItemWindow(ItemWindow::InlineEditor, [this] { return new ui::InlineEditorWindow(planner); });
    window->ProvideItemWindow(ItemWindow::SpellcraftCalculator, [this] { return new ui::SpellcraftWindow(planner); });
    QObject::connect(window.get(), &ui::GearMain::startupFinished, [this] { started = true; });
    window->show();
  }

  template <typename Widget>
  Widget* Find(const char* name) const {
    return window->findChild<Widget*>(name);
  }
  QAction* Command(const char* name) const { return Find<QAction>(name); }
  QTabWidget* Tabs() const { return Find<QTabWidget>("GearTabs"); }
  // Whether the close was accepted.
  bool Close() const { return window->close(); }
  void ShowTab(ui::GearTab tab) const { Tabs()->setCurrentIndex(static_cast<int>(tab)); }
  // Waits for the start-up and loads a template through the Load button.
  void Load(const std::filesystem::path& file) {
    QTRY_VERIFY(started);
    files.choices.push_back(file);
    Command("FileOpen")->trigger();
    QCOMPARE(planner.model.FileName, file);
  }

  RecordingMessageBox messages;
  ScriptedConfirmationDialog questions{3};
  ScriptedFileDialogs files;
  FixedClock clock{"1/2/2026 10:11:12 AM"};
  InMemorySettingsStore store;
  RecordingWebOpener web;
  RecordingClipboard clipboard;
  MasterVault vault;
  ui::Planner planner{vault, {messages, questions, files, clock, store, web, clipboard}, kProgramFolder};
  std::unique_ptr<ui::GearMain> window;
  bool started = false;
};

// Picks the entry with the text; a missing entry fails the test.
inline void Choose(QComboBox* combo, const QString& text) {
  const int index = combo->findText(text);
  QVERIFY2(index >= 0, qPrintable(combo->objectName() + ": " + text));
  combo->setCurrentIndex(index);
}

// "Label=Now" of every main stat row as the window shows them...
inline QStringList MainStatRows(const Session& session) {
  QStringList rows;
  auto* tree = session.Find<QTreeWidget>("RegStats");
  for (int i = 0; i < tree->topLevelItemCount(); ++i)
    rows << tree->topLevelItem(i)->text(0) + "=" + tree->topLevelItem(i)->text(1);
  return rows;
}

// ... and as the stat engine gives them for the current configuration.
inline QStringList ExpectedMainStatRows(const Session& session) {
  const ui::Planner& planner = session.planner;
  const StatPanels panels =
      BuildStatPanels(CalcStats(planner.model, planner.vault, planner.workflow.Class(), *planner.model.Current()),
                      planner.workflow.Class(), false);
  QStringList rows;
  for (const PanelRow& row : panels[static_cast<std::size_t>(StatList::RegStats)])
    rows << platform::ToQString(row.label) + "=" + platform::ToQString(row.now);
  return rows;
}

}  // namespace davoruzivi::testing
