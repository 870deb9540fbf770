// The vault grabber's list on screen, over a synthetic vault of 100,000
// items: the unfiltered search, sorted by bonus level, shown in a list view
// through the list model the window uses; and the same through the docked inline
// editor's "Search" button, which also selects and describes the first entry.
// Runs on Qt's offscreen platform unless another is asked for.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListView>
#include <QPushButton>
#include <cstddef>
#include <memory>

#include "GMAIN/planner.h"
#include "InlineEdit/inline_editor_window.h"
#include "itemdb/item_filters.h"
#include "name_list_model.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"
#include "workflow_desk.h"

namespace davoruzivi::bench {
namespace {

using namespace platform::testing;

// The planner of a run with a new template of one configuration, its
// services answered by doubles.
struct PlannerDesk {
  PlannerDesk() {
    planner.filterLists = CopyFilterLists(vault.Vocabularies());
    planner.workflow.NewTemplate();
    planner.workflow.NewConfiguration();
  }

  MasterVault vault = ItemWindowVault();
  RecordingMessageBox messages;
  ScriptedConfirmationDialog questions;
  ScriptedFileDialogs files;
  FixedClock clock{"now"};
  InMemorySettingsStore store;
  RecordingWebOpener web;
  RecordingClipboard clipboard;
  ui::Planner planner{vault, {messages, questions, files, clock, store, web, clipboard}, "/tmp"};
};

PlannerDesk& Desk() {
  static PlannerDesk desk;
  return desk;
}

void BM_GrabberSearchIntoListView(benchmark::State& state) {
  ui::Planner& planner = Desk().planner;
  VaultGrabber grabber(planner.query, planner.vault, planner.workflow);
  QListView view;
  view.setUniformItemSizes(true);
  ui::NameListModel model([&grabber] { return static_cast<int>(grabber.EntryCount()); },
                          [&grabber](int row) { return grabber.EntryName(static_cast<std::size_t>(row)); });
  view.setModel(&model);
  view.resize(400, 600);
  view.show();
  for ([[maybe_unused]] auto _ : state) {
    model.Change([&] {
      grabber.Open(planner.settings.Sorting);
      grabber.ShowPage();
    });
    view.doItemsLayout();
    view.viewport()->repaint();
  }
  state.counters["entries"] = static_cast<double>(model.rowCount());
}

void BM_InlineEditorSearchButton(benchmark::State& state) {
  ui::Planner& planner = Desk().planner;
  ui::InlineEditorWindow editor(planner);
  editor.resize(900, 600);
  editor.show();
  auto* search = editor.findChild<QPushButton*>("iSearch");
  auto* view = editor.findChild<QListView*>("EItems");
  for ([[maybe_unused]] auto _ : state) {
    search->click();
    view->viewport()->repaint();
  }
  state.counters["entries"] = static_cast<double>(view->model()->rowCount());
}

BENCHMARK(BM_GrabberSearchIntoListView)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InlineEditorSearchButton)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace davoruzivi::bench

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
