// The File menu of the main window as a user drives it: the dialogs' filters and the
// name they offer, the question before settings are replaced, the window disabled
// while a command runs, and failed saves, loads and imports that change nothing.
#include "ShellFixture.h"
#include "app/frmMain.h"
#include "core/Questions.h"
#include "support/FileText.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

using namespace kvr27;

namespace {

// Dialogs that note whether the menu or the buttons were enabled while a file was chosen.
struct WatchingDialogs : test::ScriptedDialogs {
    std::optional<std::filesystem::path> chooseFileToOpen(const std::string& f, const std::filesystem::path& n) override { note(); return ScriptedDialogs::chooseFileToOpen(f, n); }
    std::optional<std::filesystem::path> chooseFileToSave(const std::string& f, const std::filesystem::path& n) override { note(); return ScriptedDialogs::chooseFileToSave(f, n); }
    void note() { enabledMeanwhile |= window->menuBar()->isEnabled() || window->Command1[0]->isEnabled(); }
    frmMain* window = nullptr;
    bool enabledMeanwhile = false;
};

struct Shell : test::ShellFixture {
    WatchingDialogs watching;
    std::unique_ptr<frmMain> window;
    Shell()
    {
        StartWithModel(state, 0);
        window = std::make_unique<frmMain>(AppContext{state, messages, watching, setupIni()});
        watching.window = window.get();
    }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

} // namespace

class TestFileMenu : public QObject {
    Q_OBJECT
private slots:
    void saveThenLoad()
    {
        Shell shell;
        shell.state.TransferRunning = true; // every item refused
        for (QAction* item : {shell.window->mnuFileLode, shell.window->mnuFileSave, shell.window->mnuFileImport, shell.window->mnuFileExport})
            item->trigger();
        QVERIFY(shell.watching.filtersAsked.empty() && shell.messages.shown.empty());
        shell.state.TransferRunning = false;
        shell.state.Image.Channels.at(4) = {43312500, 60000, 0, 0, 0, 0x04, 0, true};
        shell.state.Image.SettingsChanged = true;
        shell.watching.saveAnswers = {shell.path("radio.r27")};
        shell.window->mnuFileSave->trigger();
        QVERIFY(!shell.state.Image.SettingsChanged);
        const std::string saved = test::ReadFileText(shell.path("radio.r27"));
        QVERIFY(saved.find("\r\n#FALSE#\r\n43312500\r\n60000\r\n0\r\n0\r\n0\r\n4\r\n0\r\n#TRUE#\r\n") != std::string::npos);

        // A write that fails on a full disk leaves the earlier file byte for byte
        // and keeps SettingsChanged.
        shell.state.Image.SettingsChanged = true;
        shell.watching.saveAnswers = {shell.path("radio.r27")};
        rlimit saved_limit{};
        getrlimit(RLIMIT_FSIZE, &saved_limit);
        rlimit full = saved_limit;
        full.rlim_cur = 1000;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
        shell.window->mnuFileSave->trigger();
        setrlimit(RLIMIT_FSIZE, &saved_limit);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(shell.messages.texts(), std::vector<std::string>{"The file \"" + shell.path("radio.r27") +
                                                                  "\" could not be written, and was left as it "
                                                                  "was.\rFile too large."});
        QCOMPARE(test::ReadFileText(shell.path("radio.r27")), saved);
        QCOMPARE(QDir(shell.dir.path()).entryList({"radio.r27*"}, QDir::Files | QDir::Hidden), QStringList{"radio.r27"});
        QVERIFY(shell.state.Image.SettingsChanged);

        // Load: Cancel in the question changes nothing; OK reads the file back.
        shell.state.Image.Channels.at(4).Enabled = false;
        shell.messages.answers = {false, true};
        shell.window->mnuFileLode->trigger();
        QVERIFY(!shell.state.Image.Channels.at(4).Enabled);
        shell.watching.openAnswers = {shell.path("radio.r27")};
        shell.window->mnuFileLode->trigger();
        QVERIFY(shell.state.Image.Channels.at(4).Enabled);
        QCOMPARE(shell.state.Grid.TextMatrix(5, 1), std::string("433.12500"));
        QVERIFY(!shell.state.Image.SettingsChanged);
        QCOMPARE(shell.messages.texts().back(), std::string(SettingsChangedQuestion));
        QVERIFY(!shell.watching.enabledMeanwhile);
        QVERIFY(shell.window->menuBar()->isEnabled() && shell.window->Command1[0]->isEnabled());
    }

    // Each command offers the last name with its own extension; an import leaves
    // the settings unsaved; a typed name that gets its extension asks before it
    // replaces a file.
    void exportThenImport()
    {
        Shell shell;
        shell.state.Image.Channels.at(0) = {43312500, 60000, 0, 0, 0, 0x04, 0, true};
        RefreshChannelGrid(shell.state.Image, shell.state.Grid);
        shell.watching.saveAnswers = {shell.path("channels.csv")};
        shell.window->mnuFileExport->trigger();
        QVERIFY(test::ReadFileText(shell.path("channels.csv")).find("\r\n0,433.12500,5KHz,None,") != std::string::npos);

        const std::string edited = " 7 \nheader\n0,4,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,PMR\n";
        test::WriteFileText(shell.path("edited.csv"), edited);
        shell.watching.openAnswers = {shell.path("edited.csv")};
        shell.window->mnuFileImport->trigger();
        QVERIFY(shell.state.Grid.TextMatrix(1, 1) == "4" && shell.state.Image.SettingsChanged);
        shell.messages.answers = {false};
        shell.window->mnuFileLode->trigger();

        shell.watching.saveAnswers = {shell.path("edited"), shell.path("edited")};
        shell.window->mnuFileSave->trigger();
        shell.messages.answers = {false};
        shell.window->mnuFileExport->trigger();
        QCOMPARE(test::ReadFileText(shell.path("edited.csv")), edited);
        QVERIFY(test::ReadFileText(shell.path("edited.r27")).starts_with("43400000\r\n"));
        QCOMPARE(shell.messages.texts(), (std::vector<std::string>{SettingsChangedQuestion,
                                                                   "The file \"" + shell.path("edited.csv") +
                                                                       "\" already exists.\rDo you want to replace it?"}));
        QCOMPARE(shell.watching.filtersAsked.back(), "CSV Files (*.csv)|*.csv|");
        QCOMPARE(shell.watching.namesOffered, (std::vector<std::string>{"", shell.path("channels.csv"),
                                                                        shell.path("edited.r27"), shell.path("edited.csv")}));
    }

    // Bad content and files that are not read are reported; the image, the grid, the
    // VFO form and SettingsChanged stay as they were. A named pipe is refused at once.
    void failedLoadOrImportChangesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("content"); // null: no such file; "|": a named pipe
        QTest::addColumn<QString>("detail");     // %1: the file
        QTest::newRow("load, Enabled yes") << "mnuFileLode" << QByteArray("1\r\n").repeated(38) + "yes\r\n" +
                                                                  QByteArray("1\r\n").repeated(792)
                                           << "Line 39: channel 0 Enabled: \"yes\" is neither #TRUE# nor #FALSE#.";
        QTest::newRow("load, no such file") << "mnuFileLode" << QByteArray() << "%1: No such file or directory";
        QTest::newRow("load, a named pipe") << "mnuFileLode" << QByteArray("|") << "%1: Not a regular file (a named pipe)";
        QTest::newRow("import, frequency on line 3")
            << "mnuFileImport" << QByteArray(" 5 \r\nh\r\n0,21474.83648,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n")
            << "Line 3: frequency \"21474.83648\" is not a number of MHz that fits.";
        QTest::newRow("import, too large") << "mnuFileImport" << QByteArray(1048577, '\n')
                                           << "%1: The file is too large: 1048577 bytes, more than the 1048576 this "
                                              "program reads";
    }
    void failedLoadOrImportChangesNothing()
    {
        QFETCH(QString, item);
        QFETCH(QByteArray, content);
        QFETCH(QString, detail);
        Shell shell;
        const std::string file = shell.path("input");
        if (content == "|")
            QCOMPARE(mkfifo(file.c_str(), 0644), 0);
        else if (!content.isNull())
            test::WriteFileText(file, content.toStdString());
        shell.state.Image.SettingsChanged = true;
        const AppState before = shell.state;
        shell.watching.openAnswers = {file};
        shell.window->findChild<QAction*>(item)->trigger();

        QCOMPARE(shell.messages.texts(), (std::vector<std::string>{SettingsChangedQuestion, "File reading error."}));
        QCOMPARE(shell.messages.shown.back().detail, detail.arg(QString::fromStdString(file)).toStdString());
        QVERIFY(shell.state.Image.Vfo == before.Image.Vfo && shell.state.Image.Channels == before.Image.Channels);
        QVERIFY(shell.state.Grid.Text == before.Grid.Text && shell.state.Vfo == before.Vfo);
        QVERIFY(shell.state.Image.SettingsChanged);
    }

};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
