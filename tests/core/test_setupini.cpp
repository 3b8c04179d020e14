// setup.ini: which contents select which COM option, that writing replaces the
// file whole or not at all, and where the file lives.
#include "core/SetupIni.h"
#include "platform/SetupIniLocation.h"
#include "support/FileText.h"

#include <QTemporaryDir>
#include <QtTest>

namespace fs = std::filesystem;
using kvr27::test::ReadFileText;
using kvr27::test::WriteFileText;

namespace {

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
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
        QFETCH(int, comIndex);
        QTemporaryDir dir;
        const fs::path file = dir.filePath("setup.ini").toStdString();
        if (!content.isNull())
            WriteFileText(file, content.toStdString());
        QCOMPARE(kvr27::ReadSetupIni(file), comIndex);
    }

    // A write replaces the file whole, leaving nothing beside it. Failures are made
    // without permissions, which root ignores: a folder that does not exist, a folder
    // where the file or its temporary twin would go, and an index that names no port.
    void writeWholeOrNotAtAll_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("blockingDir");
        QTest::addColumn<int>("comIndex");
        QTest::newRow("folder missing") << "missing/setup.ini" << QString() << 2;
        QTest::newRow("target is a folder") << "setup.ini" << "setup.ini" << 2;
        QTest::newRow("temporary name taken") << "setup.ini" << "setup.ini.tmp" << 2;
        QTest::newRow("index above COM5") << "setup.ini" << QString() << 5;
        QTest::newRow("written whole") << "setup.ini" << QString() << 4;
    }
    void writeWholeOrNotAtAll()
    {
        QFETCH(QString, target);
        QFETCH(QString, blockingDir);
        QFETCH(int, comIndex);
        QTemporaryDir dir;
        const fs::path file = dir.filePath(target).toStdString();
        if (!blockingDir.isEmpty())
            QVERIFY(QDir(dir.path()).mkdir(blockingDir));
        if (blockingDir != target && fs::exists(file.parent_path()))
            WriteFileText(file, "2\r\nold\r\n");
        const QStringList before = Entries(dir);

        const bool written = kvr27::WriteSetupIni(file, comIndex);

        QCOMPARE(written, comIndex == 4);
        QCOMPARE(Entries(dir), before);
        if (fs::is_regular_file(file))
            QCOMPARE(ReadFileText(file), std::string(written ? "5\r\n" : "2\r\nold\r\n"));
    }

    // The program's folder is made unwritable by putting it under a file, since the
    // tests run as root, which writes into read-only folders.
    void location_data()
    {
        QTest::addColumn<QString>("programFolder"); // under the temporary folder
        QTest::addColumn<bool>("userFileExists");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("writable program folder") << "bin" << false << "bin/setup.ini";
        QTest::newRow("user's file is read first") << "bin" << true << "config/setup.ini";
        QTest::newRow("program folder under a file") << "file/bin" << false << "config/setup.ini";
        QTest::newRow("program folder missing") << "missing" << false << "config/setup.ini";
        QTest::newRow("unwritable, user's file there") << "file/bin" << true << "config/setup.ini";
    }
    void location()
    {
        QFETCH(QString, programFolder);
        QFETCH(bool, userFileExists);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        const QDir root(dir.path());
        QVERIFY(root.mkpath("bin") && root.mkpath("config"));
        WriteFileText(dir.filePath("file").toStdString(), "");
        WriteFileText(dir.filePath("bin/setup.ini").toStdString(), "2\r\n");
        if (userFileExists)
            WriteFileText(dir.filePath("config/setup.ini").toStdString(), "4\r\n");
        const QStringList before = root.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const fs::path file =
            kvr27::ChooseSetupIniPath(dir.filePath(programFolder).toStdString(), dir.filePath("config").toStdString());

        QCOMPARE(file, fs::path(dir.filePath(chosen).toStdString()));
        QCOMPARE(root.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
        QCOMPARE(QDir(dir.filePath("bin")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{"setup.ini"});
    }

    // An installed program: its folder cannot be written, so the COM choice goes to
    // $XDG_CONFIG_HOME/kvr27-clone, a folder made for it, and the next run finds it.
    void installedProgramRemembersComChoice()
    {
        QTemporaryDir dir;
        WriteFileText(dir.filePath("usr").toStdString(), "");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        const QByteArray oldHome = qgetenv("HOME");
        qputenv("XDG_CONFIG_HOME", dir.filePath("home/.config").toLocal8Bit());
        qputenv("HOME", dir.filePath("home").toLocal8Bit());
        const fs::path first = kvr27::SetupIniLocation(dir.filePath("usr/bin"));
        const bool written = kvr27::WriteSetupIni(first, 4);
        const fs::path second = kvr27::SetupIniLocation(dir.filePath("usr/bin"));
        qputenv("XDG_CONFIG_HOME", oldConfig);
        qputenv("HOME", oldHome);

        QCOMPARE(first, fs::path(dir.filePath("home/.config/kvr27-clone/setup.ini").toStdString()));
        QVERIFY(written);
        QCOMPARE(second, first);
        QCOMPARE(ReadFileText(first), std::string("5\r\n"));
        QCOMPARE(kvr27::ReadSetupIni(second), 4);
    }
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
