// setup.ini: which contents select which COM option, where the file lives, and how
// every file of the program is replaced: whole or not at all, on a real folder.
#include "core/FileAccess.h"
#include "core/SetupIni.h"
#include "support/FileText.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

namespace fs = std::filesystem;
using kvr27::test::ReadFileText;
using kvr27::test::WriteFileText;

namespace {

QStringList Names(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// What a folder holds, as replaceFile writes it, subfolders included.
QStringList Entries(const QString& folder)
{
    QStringList entries;
    for (const QString& name : Names(folder)) {
        const QString path = folder == "." ? name : folder + "/" + name;
        const fs::file_status status = fs::symlink_status(path.toStdString());
        if (fs::is_symlink(status))
            entries << path + "->" + QString::fromStdString(fs::read_symlink(path.toStdString()).string());
        else if (fs::is_directory(status))
            entries << path + "/" << Entries(path);
        else if (fs::is_fifo(status))
            entries << path + "|";
        else
            entries << path + ":" + QString::number(static_cast<int>(status.permissions()), 8) + "=" +
                           QString::fromStdString(ReadFileText(path.toStdString()));
    }
    return entries;
}

} // namespace

class TestSetupIni : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<int>("comIndex");
        QTest::newRow("3 selects COM3") << QByteArray("3") << 2;
        QTest::newRow("5 with CR LF, more lines") << QByteArray("5\r\n2\r\n") << 4;
        QTest::newRow("0") << QByteArray("0\r\n") << 0;
        QTest::newRow("6") << QByteArray("6\r\n") << 0;
        QTest::newRow("two digits") << QByteArray("33\r\n") << 0;
        QTest::newRow("missing") << QByteArray() << 0;
    }
    void read()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const fs::path file = dir.filePath("setup.ini").toStdString();
        if (!content.isNull())
            WriteFileText(file, content.toStdString());
        QTEST(kvr27::ReadSetupIni(file), "comIndex");
    }

    // Every save (setup.ini, clone files, CSV, backups, traces) replaces its file so:
    // whole or not at all, leaving what lies beside it as it was. Entries are
    // "name:mode=content", "name->link", "name/" (folder), "name|" (named pipe);
    // the new content is "5\r\n", and %1 stands for the folder.
    void replaceFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("reason"); // empty: replaced
        QTest::addColumn<QStringList>("after");
        QTest::newRow("new file") << "setup.ini" << QStringList{} << "" << QStringList{"setup.ini:644=5\r\n"};
        QTest::newRow("0600 file, the user's own .tmp")
            << "setup.ini" << QStringList{"setup.ini:600=2", "setup.ini.tmp:644=mine"} << ""
            << QStringList{"setup.ini:600=5\r\n", "setup.ini.tmp:644=mine"};
        QTest::newRow("a link named like a temporary file")
            << "setup.ini" << QStringList{"setup.ini:644=2", "setup.ini.tmp->victim", "victim:644=keep"} << ""
            << QStringList{"setup.ini:644=5\r\n", "setup.ini.tmp->victim", "victim:644=keep"};
        QTest::newRow("target is a link") << "setup.ini" << QStringList{"real/", "real/a.ini:640=2", "setup.ini->real/a.ini"}
                                          << "" << QStringList{"real/", "real/a.ini:640=5\r\n", "setup.ini->real/a.ini"};
        QTest::newRow("link to a new file") << "setup.ini" << QStringList{"real/", "setup.ini->real/b.ini"} << ""
                                            << QStringList{"real/", "real/b.ini:644=5\r\n", "setup.ini->real/b.ini"};
        QTest::newRow("read-only file") << "setup.ini" << QStringList{"setup.ini:444=2"} << "The file is read-only"
                                        << QStringList{"setup.ini:444=2"};
        QTest::newRow("target is a folder") << "setup.ini" << QStringList{"setup.ini/"} << "Is a directory"
                                            << QStringList{"setup.ini/"};
        QTest::newRow("named pipe") << "setup.ini" << QStringList{"setup.ini|"} << "Not a regular file (a named pipe)"
                                    << QStringList{"setup.ini|"};
        QTest::newRow("folder is a file")
            << "file/setup.ini" << QStringList{"file:644="}
            << "Cannot make a new file in the folder \"%1/file\": Not a directory" << QStringList{"file:644="};
        QTest::newRow("empty name") << "" << QStringList{".tmp:644=mine"} << "No file name given"
                                    << QStringList{".tmp:644=mine"};
    }
    void replaceFile()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, before);
        QFETCH(QString, reason);
        umask(022);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        for (const QString& entry : before) {
            const QString name = entry.section(QRegularExpression(":|->|[/|]$"), 0, 0);
            if (entry.contains("->"))
                fs::create_symlink(entry.section("->", 1).toStdString(), name.toStdString());
            else if (entry.endsWith('/'))
                fs::create_directory(name.toStdString());
            else if (entry.endsWith('|'))
                QCOMPARE(mkfifo(qPrintable(name), 0644), 0);
            else {
                WriteFileText(name.toStdString(), entry.section('=', 1).toStdString());
                fs::permissions(name.toStdString(), fs::perms(entry.section(':', 1).section('=', 0, 0).toInt(nullptr, 8)));
            }
        }
        const kvr27::FileResult result = kvr27::ReplaceFileAtomically(file.toStdString(), "5\r\n");
        QCOMPARE(QString::fromStdString(result.Reason), reason.replace("%1", dir.path()));
        QCOMPARE(result.ok(), reason.isEmpty());
        QTEST(Entries("."), "after");
    }

    // The program's folder is made unwritable by putting it under a file, since the
    // tests run as root, which writes into read-only folders. An installed program
    // (a system folder, or the build's install folder) never keeps it beside itself,
    // although root can write there. Choosing leaves no file.
    void location_data()
    {
        QTest::addColumn<QString>("programFolder"); // under the temporary folder
        QTest::addColumn<QString>("installFolder"); // the build's, under it too; empty: none
        QTest::addColumn<bool>("userFileExists");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("writable program folder") << "bin" << "" << false << "bin/setup.ini";
        QTest::newRow("user's file is read first") << "bin" << "" << true << "config/setup.ini";
        QTest::newRow("program folder under a file") << "file/bin" << "" << false << "config/setup.ini";
        QTest::newRow("installed in /usr/bin") << "/usr/bin" << "" << false << "config/setup.ini";
        QTest::newRow("the build's install folder") << "bin" << "bin" << false << "config/setup.ini";
    }
    void location()
    {
        QFETCH(QString, programFolder);
        QFETCH(QString, installFolder);
        QFETCH(bool, userFileExists);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("config"));
        WriteFileText(dir.filePath("file").toStdString(), "");
        WriteFileText(dir.filePath("bin/setup.ini").toStdString(), "2\r\n");
        if (userFileExists)
            WriteFileText(dir.filePath("config/setup.ini").toStdString(), "4\r\n");
        const QStringList before = Names(dir.path());
        const fs::path file =
            kvr27::ChooseSetupIniPath(QDir(dir.path()).filePath(programFolder).toStdString(), dir.filePath("config").toStdString(),
                                      installFolder.isEmpty() ? fs::path() : fs::path(dir.filePath(installFolder).toStdString()));
        QCOMPARE(file, fs::path(dir.filePath(chosen).toStdString()));
        QCOMPARE(Names(dir.path()), before);
        QCOMPARE(Names(dir.filePath("bin")), QStringList{"setup.ini"});
    }
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
