// setup.ini: which contents select which COM option, and that writing replaces the
// file whole or not at all.
#include "core/SetupIni.h"

#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

void WriteFile(const fs::path& file, const std::string& content)
{
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string ReadFile(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

fs::path PathIn(const QTemporaryDir& dir, const char* name)
{
    return fs::path(dir.path().toStdString()) / name;
}

} // namespace

class TestSetupIni : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("comIndex");
        QTest::newRow("3 selects COM3") << true << QByteArray("3") << 2;
        QTest::newRow("5 with CR LF") << true << QByteArray("5\r\n") << 4;
        QTest::newRow("1 with LF") << true << QByteArray("1\n") << 0;
        QTest::newRow("second line ignored") << true << QByteArray("4\r\n2\r\n") << 3;
        QTest::newRow("0") << true << QByteArray("0\r\n") << 0;
        QTest::newRow("6") << true << QByteArray("6\r\n") << 0;
        QTest::newRow("leading blank") << true << QByteArray(" 3\r\n") << 0;
        QTest::newRow("trailing blank") << true << QByteArray("3 \r\n") << 0;
        QTest::newRow("two digits") << true << QByteArray("33\r\n") << 0;
        QTest::newRow("signed") << true << QByteArray("+3\r\n") << 0;
        QTest::newRow("empty") << true << QByteArray() << 0;
        QTest::newRow("missing") << false << QByteArray() << 0;
    }
    void read()
    {
        QFETCH(bool, exists);
        QFETCH(QByteArray, content);
        QFETCH(int, comIndex);
        QTemporaryDir dir;
        const fs::path file = PathIn(dir, "setup.ini");
        if (exists)
            WriteFile(file, content.toStdString());
        QCOMPARE(kvr27::ReadSetupIni(file), comIndex);
    }

    void writeReplacesWholeFile_data()
    {
        QTest::addColumn<QByteArray>("oldContent");
        QTest::addColumn<int>("comIndex");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("new file, COM5") << QByteArray() << 4 << QByteArray("5\r\n");
        QTest::newRow("longer old file, COM1") << QByteArray("3\r\nold second line\r\n") << 0 << QByteArray("1\r\n");
    }
    void writeReplacesWholeFile()
    {
        QFETCH(QByteArray, oldContent);
        QFETCH(int, comIndex);
        QFETCH(QByteArray, written);
        QTemporaryDir dir;
        const fs::path file = PathIn(dir, "setup.ini");
        if (!oldContent.isEmpty())
            WriteFile(file, oldContent.toStdString());
        QVERIFY(kvr27::WriteSetupIni(file, comIndex));
        QCOMPARE(QByteArray::fromStdString(ReadFile(file)), written);
        QCOMPARE(kvr27::ReadSetupIni(file), comIndex);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), QStringList{"setup.ini"});
    }

    // Failures are simulated without permissions, which root ignores: a folder that
    // does not exist, a folder standing where the file should be, a folder standing
    // where the new content is written first, and indices that name no COM port.
    void writeFailureKeepsOldFile_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("blockingDir");
        QTest::addColumn<int>("comIndex");
        QTest::newRow("folder missing") << "missing/setup.ini" << QString() << 2;
        QTest::newRow("target is a folder") << "setup.ini" << "setup.ini" << 2;
        QTest::newRow("temporary name taken by a folder") << "setup.ini" << "setup.ini.tmp" << 2;
        QTest::newRow("index below COM1") << "setup.ini" << QString() << -1;
        QTest::newRow("index above COM5") << "setup.ini" << QString() << 5;
    }
    void writeFailureKeepsOldFile()
    {
        QFETCH(QString, target);
        QFETCH(QString, blockingDir);
        QFETCH(int, comIndex);
        QTemporaryDir dir;
        const fs::path file = fs::path(dir.path().toStdString()) / target.toStdString();
        if (!blockingDir.isEmpty())
            QVERIFY(QDir(dir.path()).mkdir(blockingDir));
        if (blockingDir != target && fs::exists(file.parent_path()))
            WriteFile(file, "2\r\n");
        const QStringList before = QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);

        QVERIFY(!kvr27::WriteSetupIni(file, comIndex));

        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot), before);
        if (fs::is_regular_file(file))
            QCOMPARE(ReadFile(file), std::string("2\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
