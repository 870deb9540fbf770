// The windowed planner's start-up.

#include <QApplication>
#include <QStringList>

#include "GMAIN/gear_main.h"
#include "itemdb/master_vault.h"
#include "itemdb/vault_reader.h"
#include "platform/qt/qt_message_box.h"

int main(int argc, char** argv) {
  using namespace davoruzivi;
  QApplication application(argc, argv);
  QApplication::setApplicationName("DavoruzivI");

  const std::filesystem::path programFolder = QCoreApplication::applicationDirPath().toStdString();
  ui::StartupPaths paths{programFolder, MasterVaultPathIn(programFolder)};
  QStringList arguments = QCoreApplication::arguments();
  arguments.removeFirst();  // the program itself

  MasterVault vault;
  platform::QtMessageBox messages;
  ui::GearMain gearMain(vault, paths, arguments, messages);
  messages.SetParent(&gearMain);
  QObject::connect(&gearMain, &ui::GearMain::startupFailed, &application, [](int exitCode) {
    QCoreApplication::exit(exitCode);
  });
  gearMain.show();
  return QApplication::exec();
}
