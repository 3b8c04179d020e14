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
#include <atomic>
#include <set>
#include <thread>
#include <sys/stat.h> // umask

namespace fs = std::filesystem;
namespace test = kvr27::test;
using test::WriteFileText;

namespace {

// What a folder holds, subfolders too, in name order: "name:mode=content" (CR and
// LF shown as R and N), "name->link", "name/" (folder), "name(pipe)".
QStringList Entries(const QString& folder)
{
    QProcess shell;
    shell.setWorkingDirectory(folder);
    shell.start("sh", {"-c", R"sh(find . -mindepth 1 | cut -c3- | LC_ALL=C sort | while read -r f; do
        if [ -L "$f" ]; then echo "$f->$(readlink "$f")"; elif [ -d "$f" ]; then echo "$f/";
        elif [ -p "$f" ]; then echo "$f(pipe)"; else echo "$f:$(stat -c %a "$f")=$(tr '\r\n' RN <"$f")"; fi; done)sh"});
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
    // f: the file's content, the COM option chosen.
    void read_data() { test::AddDataRows("setupini.txt", "read"); }
    void read()
    {
        QFETCH(QStringList, f);
        QTemporaryDir dir;
        const fs::path file = dir.filePath("setup.ini").toStdString();
        if (f[0] != "none")
            WriteFileText(file, f[0].toStdString());
        QCOMPARE(kvr27::ReadSetupIni(file), f[1].toInt());
    }

    // Every save (setup.ini, clone files, CSV, backups, traces) replaces its file so:
    // whole or not at all, leaving what lies beside it as it was.
    // f: file name, shell command, reason, the folder afterwards.
    void replaceFile_data() { test::AddDataRows("setupini.txt", "replace"); }
    void replaceFile()
    {
        QFETCH(QStringList, f);
        umask(022);
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QCOMPARE(QProcess::execute("sh", {"-c", f[1]}), 0);
        const kvr27::FileResult result = kvr27::ReplaceFileAtomically(f[0].toStdString(), "5\r\n");
        QCOMPARE(QString::fromStdString(result.Reason), f[2].replace("%1", dir.path()));
        QCOMPARE(result.ok(), f[2].isEmpty());
        QCOMPARE(Entries(dir.path()), f[3].split(' '));
    }

    // Saved after the clock went back (names and file times in UTC here; the files
    // before it dated after today): the new file takes "-2" beside the earlier file
    // of its second and stays, although its name and time are the oldest; the others
    // go by when they were written, not by their names.
    void datedFilesAfterTheClockWentBack()
    {
        qputenv("TZ", "UTC");
        tzset();
        QTemporaryDir dir;
        QVERIFY(QDir::setCurrent(dir.path()));
        QCOMPARE(QProcess::execute("sh", {"-c", "touch -d '2036-10-24 12:00' b-2036-10-25-010000.r27; "
                                                "touch -d '2036-10-25 00:50' b-2036-10-25-025000.r27; "
                                                "touch -d '2036-10-25 01:10' b-2036-10-25-021000.r27; "
                                                "touch -d '2036-10-25 01:20' b-2036-10-25-023000.r27; "
                                                "touch b-2036-10-25-000000.txt notes.r27; chmod 644 *"}), 0);
        const auto now = std::chrono::sys_days{std::chrono::October / 25 / 2036} + std::chrono::hours(1);
        const kvr27::SavedFile saved = kvr27::SaveDatedFile(dir.path().toStdString(), "b", now, ".r27", "5\r\n", 3);
        QCOMPARE(saved.File, fs::path(dir.filePath("b-2036-10-25-010000-2.r27").toStdString()));
        QCOMPARE(Entries(dir.path()), (QStringList{"b-2036-10-25-000000.txt:644=", "b-2036-10-25-010000-2.r27:644=5RN",
                                                   "b-2036-10-25-021000.r27:644=", "b-2036-10-25-023000.r27:644=",
                                                   "notes.r27:644="}));
    }

    // Writers saving within the same second each keep their own file.
    void datedFilesOfTwoWritersInOneSecond()
    {
        QTemporaryDir dir;
        const fs::path folder = dir.path().toStdString();
        std::atomic<int> failed = 0;
        std::vector<std::thread> writers;
        for (char writer : {'a', 'b', 'c', 'd'})
            writers.emplace_back([&, writer] {
                for (char file = '0'; file <= '9'; ++file)
                    failed += !kvr27::SaveDatedFile(folder, "b", {}, ".r27", std::string{writer, file}, 0).ok();
            });
        for (std::thread& writer : writers)
            writer.join();
        std::set<std::string> contents;
        for (const auto& entry : fs::directory_iterator(folder))
            contents.insert(test::ReadFileText(entry.path()));
        QVERIFY(failed == 0 && contents.size() == 40);
    }

    // The program's folder is made unwritable by putting it under a file, since the
    // tests run as root, which writes into read-only folders. An installed program
    // (a system folder, or the build's install folder) never keeps it beside itself,
    // although root can write there. Choosing leaves no file.
    // f: program folder, install folder, "1" if the user's file exists, the file chosen.
    void location_data() { test::AddDataRows("setupini.txt", "location"); }
    void location()
    {
        QFETCH(QStringList, f);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("bin") && QDir(dir.path()).mkpath("config"));
        WriteFileText(dir.filePath("file").toStdString(), "");
        WriteFileText(dir.filePath("bin/setup.ini").toStdString(), "2\r\n");
        if (f[2] == "1")
            WriteFileText(dir.filePath("config/setup.ini").toStdString(), "4\r\n");
        const QStringList before = Entries(dir.path());
        const fs::path file =
            kvr27::ChooseSetupIniPath(QDir(dir.path()).filePath(f[0]).toStdString(), dir.filePath("config").toStdString(),
                                      f[1].isEmpty() ? fs::path() : fs::path(dir.filePath(f[1]).toStdString()));
        QCOMPARE(file, fs::path(dir.filePath(f[3]).toStdString()));
        QCOMPARE(Entries(dir.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestSetupIni)
#include "test_setupini.moc"
