// The File menu of the main window as a user drives it: the dialogs' filters and the
// name they offer, the question before settings are replaced, the window disabled
// while a command runs, and failed saves, loads and imports that change nothing.
#include "ShellFixture.h"
#include "app/editors/TransferStatusBar.h"
#include "app/frmMain.h"
#include "commands/CommandNote.h"
#include "commands/Document.h"
#include "commands/FileMenuCommands.h"
#include "commands/ReportPages.h"
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

// The main window over a KV-R27PA state; notes whether its menu or buttons were
// enabled while a file was chosen.
struct Shell : test::ShellFixture {
    std::unique_ptr<frmMain> window = (StartWithModel(state, 0), std::make_unique<frmMain>(context()));
    bool enabledMeanwhile = false;
    Shell()
    {
        dialogs.onChoose = [this] { enabledMeanwhile |= window->menuBar()->isEnabled() || window->Command1[0]->isEnabled(); };
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
        QVERIFY(shell.dialogs.filtersAsked.empty() && shell.messages.shown.empty());
        shell.state.TransferRunning = false;
        shell.state.Image.Channels.at(4) = {43312500, 60000, 0, 0, 0, 0x04, 0, true};
        shell.state.History.push({});
        shell.dialogs.saveAnswers = {shell.path("radio.r27")};
        shell.window->mnuFileSave->trigger();
        QVERIFY(!shell.state.History.unsaved());
        const std::string saved = test::ReadFileText(shell.path("radio.r27"));
        QVERIFY(saved.find("\r\n#FALSE#\r\n43312500\r\n60000\r\n0\r\n0\r\n0\r\n4\r\n0\r\n#TRUE#\r\n") != std::string::npos);

        // A write that fails on a full disk leaves the earlier file byte for byte
        // and keeps the settings unsaved.
        shell.state.History.push({});
        shell.dialogs.saveAnswers = {shell.path("radio.r27")};
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        const rlimit full{1000, limit.rlim_max};
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &full);
        shell.window->mnuFileSave->trigger();
        setrlimit(RLIMIT_FSIZE, &limit);
        std::signal(SIGXFSZ, oldHandler);
        QCOMPARE(shell.messages.texts(), std::vector<std::string>{"The file \"" + shell.path("radio.r27") +
                                                                  "\" could not be written, and was left as it "
                                                                  "was.\rFile too large."});
        QCOMPARE(test::ReadFileText(shell.path("radio.r27")), saved);
        QCOMPARE(QDir(shell.dir.path()).entryList({"radio.r27*"}, QDir::Files | QDir::Hidden), QStringList{"radio.r27"});
        QVERIFY(shell.state.History.unsaved());

        // Load: Cancel in the question changes nothing; OK reads the file back.
        shell.state.Image.Channels.at(4).Enabled = false;
        shell.messages.answers = {false, true};
        shell.window->mnuFileLode->trigger();
        QVERIFY(!shell.state.Image.Channels.at(4).Enabled);
        shell.dialogs.openAnswers = {shell.path("radio.r27")};
        shell.window->mnuFileLode->trigger();
        QVERIFY(shell.state.Image.Channels.at(4).Enabled && !shell.state.History.unsaved());
        QCOMPARE(shell.state.Grid.TextMatrix(5, 1), std::string("433.12500"));
        QCOMPARE(shell.messages.texts().back(), std::string(SettingsChangedQuestion));
        QVERIFY(!shell.enabledMeanwhile);
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
        shell.dialogs.saveAnswers = {shell.path("channels.csv")};
        shell.window->mnuFileExport->trigger();
        QVERIFY(test::ReadFileText(shell.path("channels.csv")).find("\r\n0,433.12500,5KHz,None,") != std::string::npos);
        QVERIFY(shell.dialogs.pdfFileName(CloneFileFilter).empty()); // Print offers no CSV file's name

        const std::string edited = " 7 \nheader\n0,4,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,PMR\n";
        test::WriteFileText(shell.path("edited.csv"), edited);
        shell.dialogs.openAnswers = {shell.path("edited.csv")};
        shell.window->mnuFileImport->trigger();
        QVERIFY(shell.state.Grid.TextMatrix(1, 1) == "4" && shell.state.History.unsaved());
        QCOMPARE(UndoCaption(shell.state), "Undo Import channels from edited.csv");
        shell.messages.answers = {false};
        shell.window->mnuFileLode->trigger();

        shell.dialogs.saveAnswers = {shell.path("edited"), shell.path("edited")};
        shell.window->mnuFileSave->trigger();
        QCOMPARE(shell.window->StatusBar1->noteText(), QString("Saved edited.r27"));
        shell.messages.answers = {false};
        shell.window->mnuFileExport->trigger();
        QCOMPARE(test::ReadFileText(shell.path("edited.csv")), edited);
        QVERIFY(test::ReadFileText(shell.path("edited.r27")).starts_with("43400000\r\n"));
        QCOMPARE(shell.messages.texts(), (std::vector<std::string>{SettingsChangedQuestion,
                                                                   "The file \"" + shell.path("edited.csv") +
                                                                       "\" already exists.\rDo you want to replace it?"}));
        QCOMPARE(shell.dialogs.filtersAsked.back(), "CSV Files (*.csv)|*.csv|");
        QCOMPARE(shell.dialogs.namesOffered, (std::vector<std::string>{"", shell.path("channels.csv"),
                                                                        shell.path("edited.r27"), shell.path("edited.csv")}));
        QCOMPARE(shell.dialogs.pdfFileName(CloneFileFilter), PathFromUtf8(shell.path("edited.pdf")));
    }

    // Each file command that did its work leaves a note naming the file (Print: its
    // pages); one that failed leaves none.
    void fileCommandsLeaveANote()
    {
        Shell shell;
        const std::vector<std::pair<CommandReport, std::string>> notes = {
            {SaveCloneFile(shell.state, shell.path("radio.r27"), shell.messages), "Saved radio.r27"},
            {LoadCloneFile(shell.state, shell.path("radio.r27"), shell.messages), "Loaded radio.r27"},
            {ExportChannelCsv(shell.state, shell.path("a.csv"), shell.messages), "Exported a.csv"},
            {ImportChannelCsv(shell.state, shell.path("a.csv"), shell.messages), "Imported a.csv"},
            {SaveCloneFile(shell.state, shell.path("none/radio.r27"), shell.messages), ""},
            {PrintedReport(ReportPages(shell.state, 60, 2)), "Printed 2 pages"},
        };
        for (const auto& [report, note] : notes)
            QCOMPARE(CommandNote(report, NoteFiles::NamesOnly), note);
        QCOMPARE(CommandNote(notes[0].first), "Saved " + shell.path("radio.r27"));
    }

    // Bad content and files that are not read are reported; the image, the grid, the
    // VFO form and the unsaved state stay as they were. A named pipe is refused at once.
    void failedLoadOrImportChangesNothing_data()
    {
        test::AddDataRows("windows.txt", "failed");
        QTest::newRow("load, Enabled yes") << QStringList{"mnuFileLode", QString("1\r\n").repeated(38) + "yes\r\n" +
            QString("1\r\n").repeated(792), "Line 39: channel 0 Enabled: \"yes\" is neither #TRUE# nor #FALSE#."};
        QTest::newRow("import, too large") << QStringList{"mnuFileImport", QString(1048577, '\n'), "%1: The file is "
                                                          "too large: 1048577 bytes, more than the 1048576 this program reads"};
    }
    void failedLoadOrImportChangesNothing()
    {
        QFETCH(QStringList, f);
        Shell shell;
        const std::string file = shell.path("input");
        if (f[1] == "(pipe)")
            QCOMPARE(mkfifo(file.c_str(), 0644), 0);
        else if (f[1] != "(none)")
            test::WriteFileText(file, f[1].toStdString());
        shell.state.History.push({});
        const AppState before = shell.state;
        shell.dialogs.openAnswers = {file};
        shell.window->findChild<QAction*>(f[0])->trigger();

        QCOMPARE(shell.messages.texts(), (std::vector<std::string>{SettingsChangedQuestion, "File reading error."}));
        QCOMPARE(shell.messages.shown.back().detail, f[2].replace("%1", QString::fromStdString(file)).toStdString());
        QVERIFY(shell.state.Image.Vfo == before.Image.Vfo && shell.state.Image.Channels == before.Image.Channels);
        QVERIFY(shell.state.Grid.Text == before.Grid.Text && shell.state.Vfo == before.Vfo && shell.state.History.unsaved());
    }
};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
