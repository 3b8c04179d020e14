// The File menu of the main window as a user drives it: the dialogs answered
// through the seam, the question before settings are replaced, the files on disk,
// the grid and the messages, and failed loads and imports that change nothing.
#include "ShellFixture.h"
#include "app/frmMain.h"
#include "core/Questions.h"
#include "support/FileText.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace kvr27;

namespace {

struct Shell : test::ShellFixture {
    Shell() { StartWithModel(state, 0); }
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

} // namespace

class TestFileMenu : public QObject {
    Q_OBJECT
private slots:
    void saveThenLoadAfterEdits()
    {
        Shell shell;
        frmMain window(shell.context());
        shell.state.Image.Channels.at(4) = {43312500, 60000, 0, 0, 0, 0x04, 0, true};
        shell.state.Image.SettingsChanged = true;
        shell.dialogs.saveAnswers = {shell.path("radio.r27")};
        window.mnuFileSave->trigger();
        QVERIFY(!shell.state.Image.SettingsChanged);
        const std::string saved = test::ReadFileText(shell.path("radio.r27"));
        QVERIFY(saved.starts_with("43400000\r\n"));
        QVERIFY(saved.find("\r\n43312500\r\n60000\r\n0\r\n0\r\n0\r\n4\r\n0\r\n#TRUE#\r\n") != std::string::npos);

        // Edits after the save, then Load: Cancel in the question changes nothing.
        shell.state.Image.Channels.at(4).Enabled = false;
        shell.state.Image.SettingsChanged = true;
        shell.messages.answers = {false};
        window.mnuFileLode->trigger();
        QVERIFY(!shell.state.Image.Channels.at(4).Enabled);
        QVERIFY(shell.state.Image.SettingsChanged);
        QCOMPARE(shell.dialogs.filtersAsked.size(), size_t(1));

        // OK: the file is read back and the grid shows it.
        shell.messages.answers = {true};
        shell.dialogs.openAnswers = {shell.path("radio.r27")};
        window.mnuFileLode->trigger();
        QCOMPARE(shell.messages.texts(), (std::vector<std::string>{SettingsChangedQuestion, SettingsChangedQuestion}));
        QVERIFY(shell.state.Image.Channels.at(4).Enabled);
        QCOMPARE(shell.state.Grid.TextMatrix(5, 1), std::string("433.12500"));
        QVERIFY(!shell.state.Image.SettingsChanged);
        QCOMPARE(shell.dialogs.filtersAsked,
                 (std::vector<std::string>{"Norvik R-27 Clone Files (*.r27)|*.r27|",
                                           "Norvik R-27 Clone Files (*.r27)|*.r27|"}));
        QCOMPARE(shell.dialogs.namesOffered, (std::vector<std::string>{"", shell.path("radio.r27")}));
        QVERIFY(window.menuBar()->isEnabled() && window.Command1[0]->isEnabled());

        // Save offers the name again; Cancel writes nothing and keeps the flag.
        shell.state.Image.SettingsChanged = true;
        window.mnuFileSave->trigger();
        QCOMPARE(shell.dialogs.namesOffered.back(), shell.path("radio.r27"));
        QVERIFY(shell.state.Image.SettingsChanged);
    }

    void exportThenImport()
    {
        Shell shell;
        frmMain window(shell.context());
        shell.state.Image.Channels.at(0) = {43312500, 60000, 0, 0, 0, 0x04, 0, true};
        shell.state.Image.Vfo.CurrentChannel = 1;
        RefreshChannelGrid(shell.state.Image, shell.state.Grid);
        shell.state.Image.SettingsChanged = true;
        shell.dialogs.saveAnswers = {shell.path("channels.csv")};
        window.mnuFileExport->trigger();
        QVERIFY(shell.state.Image.SettingsChanged);
        QVERIFY(test::ReadFileText(shell.path("channels.csv"))
                    .starts_with(" 0 \r\nNo,Frequency(ch),Step,Shift,Shift Freq,Bclo,Skip,Tone,TxTone,RxTone,PmrTone,mode\r\n"
                                 "0,433.12500,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n"));

        test::WriteFileText(shell.path("edited.csv"),
                            " 7 \nheader\n0,4,5KHz,None,0.60000,Off,Off,None,67.0Hz,67.0Hz,1,PMR\n");
        shell.dialogs.openAnswers = {shell.path("edited.csv")};
        window.mnuFileImport->trigger();
        QCOMPARE(shell.state.Grid.TextMatrix(1, 1), std::string("4"));
        QCOMPARE(shell.state.Image.Vfo.CurrentChannel, 8);
        QVERIFY(!shell.state.Image.SettingsChanged);
        QCOMPARE(shell.dialogs.filtersAsked.back(), std::string("CSV Files (*.csv)|*.csv|"));
        QCOMPARE(shell.dialogs.namesOffered.back(), shell.path("channels.csv"));
    }

    // Bad content and unreadable files are reported; the image, the grid, the VFO
    // form and SettingsChanged stay as they were.
    void failedLoadOrImportChangesNothing_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QByteArray>("content"); // null: no such file
        QTest::addColumn<QString>("message");
        QByteArray lastLineBad;
        for (int i = 0; i < 830; ++i)
            lastLineBad += "1\r\n";
        QTest::newRow("load, bad last line") << "mnuFileLode" << lastLineBad + "yes\r\n" << "File reading error.";
        QTest::newRow("load, 830 lines") << "mnuFileLode" << lastLineBad << "File reading error.";
        QTest::newRow("load, no such file") << "mnuFileLode" << QByteArray()
                                            << "The file \"%1\" could not be read.\rNo such file or directory.";
        QTest::newRow("import, 11 fields on line 4")
            << "mnuFileImport"
            << QByteArray(" 5 \r\nh\r\n0,434.00000,5KHz,None,0.6,Off,Off,None,67.0Hz,67.0Hz,1,LPD\r\n1,2\r\n")
            << "File reading error.";
        QTest::newRow("import, line 1 255") << "mnuFileImport" << QByteArray("255\r\nh\r\n") << "File reading error.";
    }
    void failedLoadOrImportChangesNothing()
    {
        QFETCH(QString, item);
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
        Shell shell;
        frmMain window(shell.context());
        const std::string file = shell.path("input");
        if (!content.isNull())
            test::WriteFileText(file, content.toStdString());
        shell.state.Image.SettingsChanged = true;
        const AppState before = shell.state;
        shell.dialogs.openAnswers = {file};
        window.findChild<QAction*>(item)->trigger();

        QCOMPARE(shell.messages.texts(),
                 (std::vector<std::string>{SettingsChangedQuestion, message.replace("%1", QString::fromStdString(file)).toStdString()}));
        QVERIFY(shell.state.Image.Vfo == before.Image.Vfo);
        QVERIFY(shell.state.Image.Channels == before.Image.Channels);
        QVERIFY(shell.state.Grid.Text == before.Grid.Text);
        QVERIFY(shell.state.Vfo.txtFrequency == before.Vfo.txtFrequency);
        QVERIFY(shell.state.Image.SettingsChanged);
    }

    void refusedDuringTransfer()
    {
        Shell shell;
        frmMain window(shell.context());
        shell.state.TransferRunning = true;
        shell.dialogs.saveAnswers = {shell.path("radio.r27")};
        for (QAction* item : {window.mnuFileLode, window.mnuFileSave, window.mnuFileImport, window.mnuFileExport})
            item->trigger();
        QVERIFY(shell.dialogs.filtersAsked.empty());
        QVERIFY(shell.messages.shown.empty());
    }
};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
