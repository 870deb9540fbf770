// The per-user registration of the template file types in a temporary home,
// whose desktop tools are stand-ins that log how they were run.

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "platform/qt/qt_file_types.h"

using davoruzivi::platform::kFileTypesNotRegisteredMessage;
using davoruzivi::platform::RegisterFileTypes;

namespace {

const std::string kMessage = "KWT, KWC, and KWY files have been associated with Kitwright";

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class FileTypesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(home_->filePath("bin")));
    qputenv("XDG_DATA_HOME", home_->filePath("data").toUtf8());
    qputenv("PATH", home_->filePath("bin").toUtf8());
  }

  void writesThePackageAndTheEntryAndRunsTheTools() {
    InstallLoggingTools();
    const QString log = home_->filePath("tools.log");
    QCOMPARE(RegisterFileTypes("/home/me/My Games/davoruzivi"), kMessage);

    const QString data = home_->filePath("data");
    const QString installed = DAVORUZIVI_DESKTOP_FILES;
    QCOMPARE(Read(data + "/mime/packages/davoruzivi-mime.xml"), Read(installed + "/davoruzivi-mime.xml"));
    QCOMPARE(Read(data + "/applications/davoruzivi.desktop"),
             Read(installed + "/davoruzivi.desktop")
                 .replace("Exec=davoruzivi %f", "Exec=\"/home/me/My Games/davoruzivi\" %f"));
    QCOMPARE(Read(log), QStringLiteral("update-mime-database %1/mime\n"
                                       "xdg-mime default davoruzivi.desktop application/x-davoruzivi-template\n"
                                       "xdg-mime default davoruzivi.desktop application/x-davoruzivi-legacy-template\n")
                            .arg(data)
                            .toUtf8());
  }

  void missingToolsAreNoError() {
    QCOMPARE(RegisterFileTypes("/usr/bin/davoruzivi"), kMessage);
    QVERIFY(QFile::exists(home_->filePath("data/mime/packages/davoruzivi-mime.xml")));
    QVERIFY(Read(home_->filePath("data/applications/davoruzivi.desktop")).contains("\nExec=/usr/bin/davoruzivi %f\n"));
  }

  // Quoted, with '"', '`', '$' and '\' escaped inside the quotes, then every
  // '\' doubled as in any string value; '%' doubled for the field codes.
  void theExecLineQuotesAndEscapesThePath() {
    QCOMPARE(RegisterFileTypes(R"(/opt/say "hi"\$HOME 100%/davoruzivi)"), kMessage);
    QVERIFY(Read(home_->filePath("data/applications/davoruzivi.desktop"))
                .contains(R"(
Exec="/opt/say \\"hi\\"\\\\\\$HOME 100%%/davoruzivi" %f
)"));
  }

  void aFileThatCannotBeWrittenFailsTheRegistration() {
    InstallLoggingTools();
    QVERIFY(QDir().mkpath(home_->filePath("data")));
    QFile blocker(home_->filePath("data/applications"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QCOMPARE(RegisterFileTypes("/usr/bin/davoruzivi"), std::string(kFileTypesNotRegisteredMessage));
    QVERIFY(kFileTypesNotRegisteredMessage != kMessage);
    QVERIFY2(!QFile::exists(home_->filePath("tools.log")), "the desktop's tools are left alone");
  }

 private:
  // Stand-ins for the desktop's tools that append how they were run to tools.log.
  void InstallLoggingTools() {
    const QString log = home_->filePath("tools.log");
    for (const QString tool : {"update-mime-database", "xdg-mime"}) {
      QFile script(home_->filePath("bin/" + tool));
      QVERIFY(script.open(QIODevice::WriteOnly));
      script.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" >> \"%2\"\n").arg(tool, log).toUtf8());
      script.close();
      QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
  }

  std::unique_ptr<QTemporaryDir> home_;
};

QTEST_GUILESS_MAIN(FileTypesTest)
#include "file_types_test.moc"
