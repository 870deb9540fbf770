// The windowed planner's start-up: the splash and vault load on first show,
// the main window's caption, and the exit codes of a vault that cannot load.

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "GMAIN/gear_main.h"
#include "GMAIN/planner.h"
#include "Splash/splash_screen.h"
#include "core/zlib_stream.h"
#include "platform/testing/recording_message_box.h"
#include "platform/testing/scripted_dialogs.h"

using namespace davoruzivi;

namespace {

std::string VaultText(std::string_view versionLine, std::string_view countLine, std::string_view idLine) {
  std::string text = "~v\r\n" + std::string(versionLine) + "\r\nVault Date:1/27/2018\r\n" + std::string(countLine) +
                     "\r\n0\r\n\r\n" + std::string(idLine) +
                     "\r\nBelt of the Sun\r\nNormal Drop\r\nA\r\n50\r\nTrials of Atlantis (ToA)\r\n100\r\nBelt\r\n"
                     "N/A\r\nN/A\r\nN/A\r\nNCPYR\r\n" +
                     std::string(47, '1') + "\r\nV\r\nABLV\r\nIn Game\r\n=\r\n1\r\nStrength|12\r\n0\r\n";
  return text;
}

struct StartupRun {
  bool finished = false;
  int exitCode = -1;
  QString caption;
  bool enabled = false;
  bool splashVisible = true;
  platform::testing::RecordingMessageBox messages;
  platform::testing::ScriptedConfirmationDialog questions;
  platform::testing::ScriptedFileDialogs files;
  platform::testing::FixedClock clock{"1/2/2026 10:11:12"};
  platform::testing::InMemorySettingsStore store;
  platform::testing::RecordingWebOpener web;
  platform::testing::RecordingClipboard clipboard;
  MasterVault vault;
};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;

  std::filesystem::path WriteVault(const std::string& compressed) {
    const std::filesystem::path path = folder_.path().toStdString() + "/master.kwv";
    std::ofstream(path, std::ios::binary) << compressed;
    return path;
  }

  // Shows a main window over the program folder and waits for its first show to end.
  void Start(StartupRun& run, QStringList arguments = {}) {
    const std::filesystem::path folder = folder_.path().toStdString();
    ui::Planner planner(run.vault,
                        {run.messages, run.questions, run.files, run.clock, run.store, run.web, run.clipboard}, folder);
    run.store.exists = true;  // as after an earlier run: no defaults message
    planner.StartWithSettings();
    planner.settings.StartMax = false;
    ui::GearMain window(planner, {folder, folder / "master.kwv"}, arguments);
    QObject::connect(&window, &ui::GearMain::startupFinished, [&] { run.finished = true; });
    QObject::connect(&window, &ui::GearMain::startupFailed, [&](int code) { run.exitCode = code; });
    window.show();
    QTRY_VERIFY(run.finished || run.exitCode >= 0);
    run.caption = window.windowTitle();
    run.enabled = window.isEnabled();
    run.splashVisible = window.Splash().isVisible();
    if (run.finished) {
      QCOMPARE(window.Splash().Title()->text(), QString("DavoruzivI 1.124.0.4"));
      QCOMPARE(window.Splash().Bar()->value(), 100);
      QCOMPARE(window.StartupFile(), arguments.value(0));
      auto* tabs = window.findChild<QTabWidget*>("GearTabs");
      QVERIFY(tabs);
      QCOMPARE(tabs->count(), 5);
      QCOMPARE(tabs->currentIndex(), 0);
      QVERIFY(!tabs->isTabVisible(1));
    }
  }

  void ExpectFailure(const std::string& compressed, int exitCode, const char* message) {
    WriteVault(compressed);
    StartupRun run;
    Start(run);
    QVERIFY(!run.finished);
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.messages.notices.size(), std::size_t{1});
    QCOMPARE(QString::fromStdString(run.messages.notices[0].text), QString(message));
    QVERIFY(!run.splashVisible);
  }

 private slots:
  void goodVaultReachesTheMainWindow() {
    WriteVault(Deflate(VaultText("Vault Version:1", "1", "~0")));
    StartupRun run;
    Start(run, {"/no/such/template.kwt"});
    QVERIFY(run.finished);
    QCOMPARE(run.caption, QString("DavoruzivI 1.124.0.4 ( No Template ) - [ No Configuration ]"));
    QVERIFY(run.enabled);
    QVERIFY(!run.splashVisible);
    QVERIFY(run.messages.notices.empty());
    QCOMPARE(run.vault.Size(), std::size_t{1});
    QCOMPARE(run.vault.VaultMasterList().At(0), std::string_view("Belt of the Sun"));
  }

  void missingVaultEndsWith200() {
    std::filesystem::remove(folder_.path().toStdString() + "/master.kwv");
    StartupRun run;
    Start(run);
    QCOMPARE(run.exitCode, 200);
    QCOMPARE(QString::fromStdString(run.messages.notices.at(0).text),
             QString("Vault file not found where expected, please re-install Kitwright"));
  }

  void damagedVaultsEndWithTheirCodes() {
    ExpectFailure("not a zlib stream", 200, "Invalid vault file, please re-download");
    ExpectFailure(Deflate(VaultText("Vault Version:2", "1", "~0")), 201,
                  "Unknown vault version, please update Kitwright");
    ExpectFailure(Deflate(VaultText("Vault Version:1", "abc", "~0")), 202, "Invalid vault file, please re-download");
    ExpectFailure(Deflate(VaultText("Vault Version:1", "1", "~x1")), 202, "'x1' is not a valid integer value");
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
