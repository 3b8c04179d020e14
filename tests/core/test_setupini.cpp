// setup.ini: which contents select which COM option, and that writing replaces the
// file whole or not at all.
#include "core/SetupIni.h"
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
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
