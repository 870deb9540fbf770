// The windowed planner's start-up.

#include <QApplication>
#include <QStringList>

#include "Custom/custom_dialog.h"
#include "GMAIN/gear_main.h"
#include "GMAIN/planner.h"
#include "InlineEdit/inline_editor_window.h"
#include "SCWindow/spellcraft_window.h"
#include "VaultLoad/vault_loader_window.h"
#include "itemdb/master_vault.h"
#include "itemdb/vault_reader.h"
#include "platform/qt/qt_clock.h"
#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_message_box.h"
#include "platform/qt/qt_settings_store.h"
#include "platform/qt/qt_shell.h"

int main(int argc, char** argv) {
  using namespace davoruzivi;
  QApplication application(argc, argv);
  QApplication::setApplicationName("DavoruzivI");

  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();  // the program itself

  MasterVault vault;
  platform::QtMessageBox messages;
  ui::QtConfirmationDialog questions;
  platform::QtFileDialogs files;
  platform::QtClock clock;
  platform::QtSettingsStore settingsStore;
  platform::QtWebOpener web;
  platform::QtClipboard clipboard;
  ui::Planner planner(vault, {messages, questions, files, clock, settingsStore, web, clipboard}, programFolder);
  ui::GearMain gearMain(planner, {programFolder, MasterVaultPathIn(programFolder)}, arguments);
  messages.SetParent(&gearMain);
  gearMain.ProvideItemWindow(ItemWindow::InlineEditor, [&] { return new ui::InlineEditorWindow(planner); });
  gearMain.ProvideItemWindow(ItemWindow::VaultLoader,
                             [&] { return new ui::VaultLoaderWindow(planner, gearMain.InfoPanel()); });
  gearMain.ProvideItemWindow(ItemWindow::SpellcraftCalculator, [&] { return new ui::SpellcraftWindow(planner); });
  planner.StartWithSettings();
  questions.FollowHoverOption([&planner] { return planner.settings.Hover; });
  QObject::connect(&gearMain, &ui::GearMain::startupFailed, &application,
                   [](int exitCode) { QCoreApplication::exit(exitCode); });
  gearMain.show();
  return QApplication::exec();
}
