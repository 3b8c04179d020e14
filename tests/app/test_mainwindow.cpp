// The main window: its menus, the COM choice kept in setup.ini, and the close that
// asks before unsaved settings are lost.
#include "ShellFixture.h"
#include "app/frmMain.h"
#include "support/FileText.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using kvr27::frmMain;

namespace {

struct Shell : kvr27::test::ShellFixture {
    Shell() { state.Image.ModelName = "KV-R27Z"; }
};

} // namespace

class TestMainWindow : public QObject {
    Q_OBJECT
private slots:
    void loadTakesTitleAndComChoice()
    {
        Shell shell;
        kvr27::test::WriteFileText(shell.setupIni(), "3\r\n");
        frmMain window(shell.context());
        QCOMPARE(window.windowTitle(), QString("KV-R27Z Clone Utility"));
        QVERIFY(window.findChild<QRadioButton*>("Option1_2")->isChecked());
        QCOMPARE(shell.state.ComIndex, 2);
    }

    void closeWindow_data()
    {
        QTest::addColumn<bool>("settingsChanged");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<bool>("transferRunning");
        QTest::addColumn<bool>("closes");
        QTest::newRow("unchanged") << false << true << false << true;
        QTest::newRow("changed, OK") << true << true << false << true;
        QTest::newRow("changed, Cancel") << true << false << false << false;
        QTest::newRow("during a transfer") << false << true << true << false;
    }
    void closeWindow()
    {
        QFETCH(bool, settingsChanged);
        QFETCH(bool, answer);
        QFETCH(bool, transferRunning);
        QFETCH(bool, closes);
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
        QCOMPARE(kvr27::test::ReadFileText(shell.setupIni()), std::string(closes ? "4\r\n" : ""));
        QCOMPARE(shell.state.Link.OpenPortNumber, closes ? kvr27::NoPortOpen : 4);
        const bool asked = settingsChanged && !transferRunning;
        QCOMPARE(shell.messages.shown, (asked ? std::vector<kvr27::test::ShownMessage>{{kvr27::SettingsChangedQuestion, kvr27::MessageIcon::None, true}}
                                              : std::vector<kvr27::test::ShownMessage>{}));
    }

    void exitClosesSilentlyWhenFolderIsUnwritable()
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
        QTest::newRow("Read All") << "mnuEepReadAll" << "All" << true;
        QTest::newRow("Read Vfo") << "mnuEepReadVfo" << "Vfo Mode" << true;
        QTest::newRow("Read Mem") << "mnuEepReadMem" << "Memory Mode" << true;
        QTest::newRow("Write") << "mnuEepWrite" << "Write" << true;
        QTest::newRow("Write All") << "mnuEepWriteAll" << "All" << true;
        QTest::newRow("Write Vfo") << "mnuEepWriteVfo" << "Vfo Mode" << true;
        QTest::newRow("Write Mem") << "mnuEepWriteMem" << "Memory Mode" << true;
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
        QStringList menus;
        for (QAction* item : window.menuBar()->actions())
            menus << item->text();
        QCOMPARE(menus, (QStringList{"File", "Data", "Print", "Info"}));
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
    }

    void infoShowsAboutBoxModally()
    {
        Shell shell;
        frmMain window(shell.context());
        window.show();
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget* about = QApplication::activeModalWidget();
            QVERIFY(about && about->objectName() == "frmAbout");
            shown = about->findChild<QLabel*>("lblVersion")->text();
            about->findChild<QPushButton*>("cmdOK")->click();
        });
        window.mnuInfo->trigger();
        QCOMPARE(shown, QString("Version 0.6.0 beta"));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
