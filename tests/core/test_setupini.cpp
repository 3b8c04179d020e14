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

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
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

    // A write replaces the file whole or leaves it as it was, with nothing beside it.
    // The failure is made without permissions, which root ignores.
    void writeWholeOrNotAtAll_data()
    {
        QTest::addColumn<bool>("blocked"); // a folder where the file would go
        QTest::addColumn<int>("comIndex");
        QTest::addColumn<QString>("after");
        QTest::newRow("target is a folder") << true << 2 << "";
        QTest::newRow("index above COM5") << false << 5 << "2\r\nold\r\n";
        QTest::newRow("written whole") << false << 4 << "5\r\n";
    }
    void writeWholeOrNotAtAll()
    {
        QFETCH(bool, blocked);
        QFETCH(int, comIndex);
        QTemporaryDir dir;
        const fs::path file = dir.filePath("setup.ini").toStdString();
        blocked ? void(QDir(dir.path()).mkdir("setup.ini")) : WriteFileText(file, "2\r\nold\r\n");
        const QStringList before = Entries(dir.path());
        QCOMPARE(kvr27::WriteSetupIni(file, comIndex), comIndex == 4);
        QCOMPARE(Entries(dir.path()), before);
        QTEST(QString::fromStdString(fs::is_regular_file(file) ? ReadFileText(file) : ""), "after");
    }

    // The program's folder is made unwritable by putting it under a file, since the
    // tests run as root, which writes into read-only folders. Choosing leaves no file.
    void location_data()
    {
        QTest::addColumn<QString>("programFolder"); // under the temporary folder
        QTest::addColumn<bool>("userFileExists");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("writable program folder") << "bin" << false << "bin/setup.ini";
        QTest::newRow("user's file is read first") << "bin" << true << "config/setup.ini";
        QTest::newRow("program folder under a file") << "file/bin" << false << "config/setup.ini";
    }
    void location()
    {
        QFETCH(QString, programFolder);
        QFETCH(bool, userFileExists);
        QFETCH(QString, chosen);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("config"));
        WriteFileText(dir.filePath("file").toStdString(), "");
        WriteFileText(dir.filePath("bin/setup.ini").toStdString(), "2\r\n");
        if (userFileExists)
            WriteFileText(dir.filePath("config/setup.ini").toStdString(), "4\r\n");
        const QStringList before = Entries(dir.path());
        const fs::path file =
            kvr27::ChooseSetupIniPath(dir.filePath(programFolder).toStdString(), dir.filePath("config").toStdString());
        QCOMPARE(file, fs::path(dir.filePath(chosen).toStdString()));
        QCOMPARE(Entries(dir.path()), before);
        QCOMPARE(Entries(dir.filePath("bin")), QStringList{"setup.ini"});
    }
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
