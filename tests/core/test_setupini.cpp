// setup.ini: which contents select which COM option, where the file lives, and how
// every file of the program is replaced: whole or not at all, on a real folder.
#include "core/DatedFiles.h"
#include "core/FileAccess.h"
#include "core/SetupIni.h"
#include "support/FileText.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h> // umask

namespace fs = std::filesystem;
using kvr27::test::WriteFileText;

namespace {

// What a folder holds, subfolders too, in name order: "name:mode=content" (CR and
// LF shown as R and N), "name->link", "name/" (folder), "name|" (named pipe).
QStringList Entries(const QString& folder)
{
    QProcess shell;
    shell.setWorkingDirectory(folder);
    shell.start("sh", {"-c", R"sh(find . -mindepth 1 | cut -c3- | LC_ALL=C sort | while read -r f; do
        if [ -L "$f" ]; then echo "$f->$(readlink "$f")"; elif [ -d "$f" ]; then echo "$f/";
        elif [ -p "$f" ]; then echo "$f|"; else echo "$f:$(stat -c %a "$f")=$(tr '\r\n' RN <"$f")"; fi; done)sh"});
    shell.waitForFinished();
    return QString::fromUtf8(shell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

} // namespace

// A folder named "taken" where every new name exists already: the program's opens of
// files in it meet EEXIST, the 1001st ENOSPC; all other opens are the system's.
extern "C" int open(const char* path, int flags, ...)
{
    static int takenTries = 0;
    if (std::string_view(path).starts_with("taken/"))
        return errno = ++takenTries > 1000 ? ENOSPC : EEXIST, -1;
    va_list more;
    va_start(more, flags);
    const int fd = openat(AT_FDCWD, path, flags, va_arg(more, mode_t));
    va_end(more);
    return fd;
}

class TestSetupIni : public QObject {
    Q_OBJECT
private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::addColumn<int>("comIndex");
        for (auto [content, comIndex] : {std::pair{"3", 2}, {"5\r\n2\r\n", 4}, {"0\r\n", 0}, {"6\r\n", 0}, {"33\r\n", 0}})
            QTest::newRow(qPrintable(QString(content).trimmed())) << QByteArray(content) << comIndex;
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
    // whole or not at all, leaving what lies beside it as it was. The folder is made
    // by a shell command; the new content is "5\r\n"; %1 is the folder.
    void replaceFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("reason"); // empty: replaced
        QTest::addColumn<QStringList>("after");
        QTest::newRow("0600 file, a link and a file named like the old temporary file")
            << "setup.ini" << "printf 2 >setup.ini; chmod 600 setup.ini; ln -s victim setup.ini.tmp; echo >victim; echo >.tmp"
            << "" << QStringList{".tmp:644=N", "setup.ini:600=5RN", "setup.ini.tmp->victim", "victim:644=N"};
        QTest::newRow("target is a link") << "setup.ini" << "mkdir real; echo >real/a.ini; chmod 640 real/a.ini; ln -s real/a.ini setup.ini"
                                          << "" << QStringList{"real/", "real/a.ini:640=5RN", "setup.ini->real/a.ini"};
        QTest::newRow("link to a new file") << "setup.ini" << "mkdir real; ln -s real/b.ini setup.ini" << ""
                                            << QStringList{"real/", "real/b.ini:644=5RN", "setup.ini->real/b.ini"};
        QTest::newRow("read-only file") << "setup.ini" << "echo >setup.ini; chmod 444 setup.ini" << "The file is read-only"
                                        << QStringList{"setup.ini:444=N"};
        QTest::newRow("target is a folder") << "setup.ini" << "mkdir setup.ini" << "Is a directory" << QStringList{"setup.ini/"};
        QTest::newRow("named pipe") << "setup.ini" << "mkfifo setup.ini" << "Not a regular file (a named pipe)"
                                    << QStringList{"setup.ini|"};
        QTest::newRow("folder is a file") << "file/setup.ini" << "echo >file"
                                          << "Cannot make a new file in the folder \"%1/file\": Not a directory"
                                          << QStringList{"file:644=N"};
        QTest::newRow("every new name taken") << "taken/setup.ini" << "mkdir taken"
                                              << "Cannot make a new file in the folder \"%1/taken\": File exists"
                                              << QStringList{"taken/"};
        QTest::newRow("empty name") << "" << "echo >.tmp" << "No file name given" << QStringList{".tmp:644=N"};
    }
    void replaceFile()
    {
        QFETCH(QString, file);
        QFETCH(QString, before);
        QFETCH(QString, reason);
        umask(022);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QCOMPARE(QProcess::execute("sh", {"-c", before}), 0);
        const kvr27::FileResult result = kvr27::ReplaceFileAtomically(file.toStdString(), "5\r\n");
        QCOMPARE(QString::fromStdString(result.Reason), reason.replace("%1", dir.path()));
        QCOMPARE(result.ok(), reason.isEmpty());
        QTEST(Entries(dir.path()), "after");
    }

    // A dated file saved in the second of two earlier ones gets "-3"; of the dated
    // files with its extension only the newest `keep` stay, a same-second pair in
    // its number's order.
    void datedFiles()
    {
        umask(022);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QCOMPARE(QProcess::execute("sh", {"-c", "touch b-2026-12-07-101530.r27 b-2026-12-07-101530-2.r27 "
                                                "b-2026-12-07-101531.r27 b-2026-12-07-101531-2.r27 "
                                                "b-2026-12-07-101500.txt notes.r27"}), 0);
        std::tm when{};
        when.tm_year = 126, when.tm_mon = 11, when.tm_mday = 7, when.tm_hour = 10, when.tm_min = 15, when.tm_sec = 31;
        const kvr27::SavedFile saved = kvr27::SaveDatedFile(dir.path().toStdString(), "b", when, ".r27", "5\r\n", 4);
        QCOMPARE(saved.File, fs::path(dir.filePath("b-2026-12-07-101531-3.r27").toStdString()));
        QCOMPARE(Entries(dir.path()), (QStringList{"b-2026-12-07-101500.txt:644=", "b-2026-12-07-101530-2.r27:644=",
                                                   "b-2026-12-07-101531-2.r27:644=", "b-2026-12-07-101531-3.r27:644=5RN",
                                                   "b-2026-12-07-101531.r27:644=", "notes.r27:644="}));
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
        const QStringList before = Entries(dir.path());
        const fs::path file =
            kvr27::ChooseSetupIniPath(QDir(dir.path()).filePath(programFolder).toStdString(), dir.filePath("config").toStdString(),
                                      installFolder.isEmpty() ? fs::path() : fs::path(dir.filePath(installFolder).toStdString()));
        QCOMPARE(file, fs::path(dir.filePath(chosen).toStdString()));
        QCOMPARE(Entries(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
