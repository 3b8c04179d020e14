// The main window: its menus and buttons, the COM choice kept in setup.ini, and the
// close that asks before unsaved settings are lost.
#include "app/frmMain.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedDialogs.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <sstream>

using kvr27::frmMain;

namespace {

// A fresh program state with its own folder for setup.ini.
struct Shell {
    kvr27::AppState state;
    kvr27::test::RecordingMessageSink messages;
    kvr27::test::ScriptedDialogs dialogs;
    QTemporaryDir dir;

    Shell() { state.Image.ModelName = "KV-R27PA"; }
    std::filesystem::path setupIni() const { return std::filesystem::path(dir.path().toStdString()) / "setup.ini"; }
    kvr27::AppContext context() { return {state, messages, dialogs, setupIni()}; }
    void writeSetupIni(const std::string& content) const { std::ofstream(setupIni(), std::ios::binary) << content; }
    QByteArray setupIniContent() const
    {
        std::ifstream in(setupIni(), std::ios::binary);
        std::ostringstream content;
        content << in.rdbuf();
        return QByteArray::fromStdString(content.str());
    }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadTakesTitleAndComChoice()
    {
        Shell shell;
        shell.state.Image.ModelName = "KV-R27Z";
        shell.state.Link.OpenPortNumber = 3;
        shell.writeSetupIni("3\r\n");
        frmMain window(shell.context());
        QCOMPARE(window.windowTitle(), QString("KV-R27Z Clone Utility"));
        QVERIFY(window.findChild<QRadioButton*>("Option1_2")->isChecked());
        QCOMPARE(shell.state.ComIndex, 2);
        QCOMPARE(shell.state.Link.OpenPortNumber, kvr27::NoPortOpen);
    }

    void closeWindow_data()
    {
        QTest::addColumn<bool>("settingsChanged");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("transferRunning");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QByteArray>("setupIni"); // empty: not written
        QTest::newRow("unchanged, COM4") << false << true << false << true << QByteArray("4\r\n");
        QTest::newRow("changed, OK") << true << true << false << true << QByteArray("4\r\n");
        QTest::newRow("changed, Cancel") << true << false << false << false << QByteArray();
        QTest::newRow("during a transfer") << false << true << true << false << QByteArray();
    }
    void closeWindow()
    {
        QFETCH(bool, settingsChanged);
        QFETCH(bool, answer);
        QFETCH(bool, transferRunning);
        QFETCH(bool, closes);
        QFETCH(QByteArray, setupIni);
        Shell shell;
        frmMain window(shell.context());
        window.show();
        window.findChild<QRadioButton*>("Option1_3")->click();
        shell.state.Link.OpenPortNumber = 4;
        shell.state.Image.SettingsChanged = settingsChanged;
        shell.state.TransferRunning = transferRunning;
        shell.messages.answers = {answer};

        QCOMPARE(window.close(), closes);

        QCOMPARE(window.isVisible(), !closes);
        QCOMPARE(shell.setupIniContent(), setupIni);
        QCOMPARE(shell.state.Link.OpenPortNumber, closes ? kvr27::NoPortOpen : 4);
        const std::vector<std::string> asked =
            settingsChanged && !transferRunning ? std::vector<std::string>{kvr27::SettingsChangedQuestion}
                                                : std::vector<std::string>{};
        QCOMPARE(shell.messages.texts(), asked);
        if (!asked.empty())
            QVERIFY(shell.messages.shown.front().question);
    }

    void exitButtonClosesAndUnwritableFolderIsSilent()
    {
        Shell shell;
        kvr27::AppContext context = shell.context();
        context.SetupIniPath = shell.setupIni().parent_path() / "missing" / "setup.ini";
        frmMain window(context);
        window.show();
        window.findChild<QPushButton*>("Command1_2")->click();
        QVERIFY(!window.isVisible());
        QVERIFY(shell.messages.shown.empty());
    }

    void menuItems_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("Load") << "mnuFileLode" << "Load" << false;
        QTest::newRow("Save") << "mnuFileSave" << "Save" << false;
        QTest::newRow("Import") << "mnuFileImport" << "Import(Mem Setting)" << false;
        QTest::newRow("Export") << "mnuFileExport" << "Export(Mem Setting)" << false;
        QTest::newRow("Data") << "mnuEeprom" << "Data" << true;
        QTest::newRow("Read") << "mnuEepRead" << "Read" << true;
        QTest::newRow("Read All") << "mnuEepReadAll" << "All" << false;
        QTest::newRow("Read Vfo") << "mnuEepReadVfo" << "Vfo Mode" << false;
        QTest::newRow("Read Mem") << "mnuEepReadMem" << "Memory Mode" << false;
        QTest::newRow("Write") << "mnuEepWrite" << "Write" << true;
        QTest::newRow("Write All") << "mnuEepWriteAll" << "All" << false;
        QTest::newRow("Write Vfo") << "mnuEepWriteVfo" << "Vfo Mode" << false;
        QTest::newRow("Write Mem") << "mnuEepWriteMem" << "Memory Mode" << false;
        QTest::newRow("Print") << "mnuPrint" << "Print" << false;
        QTest::newRow("Info") << "mnuInfo" << "Info" << true;
    }
    void menuItems()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(bool, enabled);
        Shell shell;
        frmMain window(shell.context());
        const QList<QAction*> found = window.findChildren<QAction*>(name);
        QCOMPARE(found.size(), 1);
        QCOMPARE(found.front()->text(), caption);
        QCOMPARE(found.front()->isEnabled(), enabled);
    }

    void menuBarOrderAndDataCommands()
    {
        Shell shell;
        frmMain window(shell.context());
        QStringList captions;
        for (QAction* item : window.menuBar()->actions())
            captions << item->text();
        QCOMPARE(captions, (QStringList{"File", "Data", "Print", "Info"}));

        window.setDataCommandsAvailable(true);
        for (const char* name : {"mnuEepReadAll", "mnuEepReadVfo", "mnuEepReadMem", "mnuEepWriteAll",
                                    "mnuEepWriteVfo", "mnuEepWriteMem"})
            QVERIFY2(window.findChild<QAction*>(name)->isEnabled(), name);
    }

    void buttonsAndCommand1Enabled()
    {
        Shell shell;
        frmMain window(shell.context());
        const QStringList captions{"Memory Mode Setting", "VFO Mode Setting", "Exit"};
        for (int i = 0; i < 3; ++i)
            QCOMPARE(window.findChild<QPushButton*>(QString("Command1_%1").arg(i))->text(), captions[i]);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(window.findChild<QRadioButton*>(QString("Option1_%1").arg(i))->text(), QString("COM%1").arg(i + 1));

        window.Command1Enabled(false);
        for (QPushButton* button : window.Command1)
            QVERIFY(!button->isEnabled());
        QVERIFY(window.Command2->isEnabled());
        window.Command1Enabled(true);
        for (QPushButton* button : window.Command1)
            QVERIFY(button->isEnabled());
    }

    // Neither "port close" nor another COM option touches the open port.
    void portStaysOpen()
    {
        Shell shell;
        frmMain window(shell.context());
        window.show();
        shell.state.Link.OpenPortNumber = 1;
        window.findChild<QPushButton*>("Command2")->click();
        window.findChild<QRadioButton*>("Option1_4")->click();
        QCOMPARE(shell.state.Link.OpenPortNumber, std::uint8_t(1));
        QCOMPARE(shell.state.ComIndex, 4);
        QVERIFY(window.isVisible());
        QVERIFY(shell.messages.shown.empty());
    }

    void infoShowsAboutBoxModally()
    {
        Shell shell;
        frmMain window(shell.context());
        window.show();
        QString version;
        bool modal = false;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about && about->objectName() == "frmAbout");
            modal = about->isModal();
            version = about->findChild<QLabel*>("lblVersion")->text();
            about->findChild<QPushButton*>("cmdOK")->click();
        });
        window.mnuInfo->trigger();
        QVERIFY(modal);
        QCOMPARE(version, QString("Version 0.6.0 beta"));
    }

    void statusPanelSpansTheWindow()
    {
        Shell shell;
        frmMain window(shell.context());
        window.resize(600, 400);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setStatusText("Reading");
        auto* panel = window.StatusBar1->findChild<QLabel*>("StatusBar1_Panel1");
        QCOMPARE(panel->text(), QString("Reading"));
        QVERIFY(panel->alignment() & Qt::AlignHCenter);
        QVERIFY(panel->width() > window.width() * 3 / 4);
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
