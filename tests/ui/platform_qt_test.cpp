// The Qt side of the platform layer: the settings store and the dialog filters.

#include <QTemporaryDir>
#include <QtTest>

#include "platform/qt/qt_file_dialogs.h"
#include "platform/qt/qt_settings_store.h"
#include "settings/settings.h"

using namespace davoruzivi;

class PlatformQtTest : public QObject {
  Q_OBJECT

 private slots:
  void settingsSurviveARestartAndMissingValuesTakeTheirDefaults() {
    QTemporaryDir folder;
    const QString file = folder.filePath("DavoruzivI.conf");
    {
      platform::QtSettingsStore store(file);
      QVERIFY(!store.Exists());
      Settings settings = DefaultSettings();
      settings.Server = 2;
      settings.Files[0] = "/home/player/Ywain - (Alb) Cleric.kwt";
      settings.ReportFlags[10] = true;
      SaveSettings(settings, store);
    }
    platform::QtSettingsStore store(file);
    QVERIFY(store.Exists());
    const Settings read = ReadSettings(store);
    QCOMPARE(read.Server, 2);
    QCOMPARE(read.Files[0], std::string("/home/player/Ywain - (Alb) Cleric.kwt"));
    QVERIFY(read.ReportFlags[10]);
    QCOMPARE(read.Sorting, 3);

    QSettings raw(file, QSettings::IniFormat);
    raw.remove("Sorting");
    raw.setValue("Realm", "not a number");
    raw.sync();
    platform::QtSettingsStore edited(file);
    QCOMPARE(ReadSettings(edited).Sorting, 0);  // a store that lacks a value gives its own default
    QCOMPARE(ReadSettings(edited).Realm, 0);
  }

  void filtersReadAsQtWritesThem() {
    QCOMPARE(platform::QtFilterOf("Kitwright Templates (*.kwt, *.kwc, *.kwy)|*.kwt;*.kwc;*.kwy"),
             QString("Kitwright Templates (*.kwt, *.kwc, *.kwy) (*.kwt *.kwc *.kwy)"));
    QCOMPARE(platform::QtFilterOf("Kitwright Zip ( KWZ )|*.kwz|Kitwright Export ( KWX )|*.kwx"),
             QString("Kitwright Zip ( KWZ ) (*.kwz);;Kitwright Export ( KWX ) (*.kwx)"));
  }
};

QTEST_MAIN(PlatformQtTest)
#include "platform_qt_test.moc"
