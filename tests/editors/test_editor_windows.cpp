// The editor windows driven like a user: typing, moving the focus and clicking,
// checked against texts, messages, flags and the radio image. The radio is the
// in-process emulator.
#include "LinkRig.h"
#include "app/ShellFixture.h"
#include "app/frmMain.h"
#include "app/editors/ChannelGridModel.h"
#include "app/editors/frmMem.h"
#include "app/editors/frmMemSub.h"
#include "app/editors/frmVfo.h"
#include "editors/EntryRules.h"
#include "image/VfoCodec.h"

#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

using namespace kvr27;
using Texts = std::vector<std::string>;

namespace {

enum { OptionPA = 0 };

template <class T = QWidget>
T* Find(const QWidget& window, const char* name)
{
    T* widget = window.findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// Gives the box the focus as a user's Tab would; its text is then selected.
void Focus(QWidget* widget)
{
    if (widget->hasFocus())
        widget->clearFocus();
    widget->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
}

// Types into a box after giving it the focus, so that the text typed replaces it.
void TypeInto(QLineEdit* box, const QString& text)
{
    Focus(box);
    QVERIFY2(box->selectedText() == box->text(), qPrintable(box->objectName()));
    QTest::keyClicks(box, text);
}

void Click(const QWidget& window, const char* name)
{
    QTest::mouseClick(Find<QAbstractButton>(window, name), Qt::LeftButton);
}

QString AccessibleName(QObject* object)
{
    return QAccessible::queryAccessibleInterface(object)->text(QAccessible::Name);
}

// The name of what labels a control for assistive tools (a list is labelled by its
// frame).
QString LabelName(QObject* object)
{
    const auto labels = QAccessible::queryAccessibleInterface(object)->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// Shows a window and makes it the active one, so that it takes the focus.
void Activate(QWidget& window)
{
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The emulated radio's wait, with a look at the windows at every tick.
struct WatchingWaiter : Waiter {
    explicit WatchingWaiter(sim::EmulatedPort& port) : port(port) {}
    void waitTick() override
    {
        port.waitTick();
        if (onTick)
            onTick();
    }
    sim::EmulatedPort& port;
    std::function<void()> onTick;
};

// A program state and its emulated radio, with the editor windows over them.
struct Rig : test::LinkRig {
    explicit Rig(int option = OptionPA, std::uint8_t radioCode = 6) : LinkRig(option, radioCode) {}
    WatchingWaiter waiter{port};
    app::EditorContext context{state, messages, port, waiter};
};

// The VFO window opened as the main window opens it: refilled from the image.
struct VfoWindow {
    explicit VfoWindow(Rig& rig) : rig(rig), window(rig.context) { open(); }
    void open()
    {
        FillVfoWindow(rig.state.Image, rig.state.Vfo);
        window.openModal();
        Activate(window);
    }
    Rig& rig;
    app::frmVfo window;
};

struct MemWindow {
    explicit MemWindow(Rig& rig) : rig(rig), window(rig.context) { open(); }
    void open()
    {
        RefreshChannelGrid(rig.state.Image, rig.state.Grid);
        window.openModal();
    }
    QString cell(int row, int col) const { return model()->index(row - 1, col).data().toString(); }
    bool greyed(int row) const
    {
        const QModelIndex index = model()->index(row - 1, 1);
        return index.data(Qt::FontRole).value<QFont>().strikeOut() &&
               index.data(Qt::ForegroundRole).value<QColor>() != QColor(Qt::black);
    }
    const QAbstractItemModel* model() const { return window.MSFlexGrid1->model(); }
    void selectRow(int row) { window.MSFlexGrid1->selectRow(row - 1); }
    // Double-clicks a row's frequency cell; `inDialog` drives the dialog meanwhile.
    void doubleClick(int row, std::function<void(app::frmMemSub&)> inDialog)
    {
        window.setDialogRunner([&](app::frmMemSub& dialog) {
            Activate(dialog);
            inDialog(dialog);
        });
        QWidget* viewport = window.MSFlexGrid1->viewport();
        const QRect cellRect = window.MSFlexGrid1->visualRect(model()->index(row - 1, 1));
        QTest::mouseClick(viewport, Qt::LeftButton, {}, cellRect.center());
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, cellRect.center());
    }
    Rig& rig;
    app::frmMem window;
};

} // namespace

class EditorWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void typingIsFiltered_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("changed");
        QTest::newRow("letter in the frequency") << "txtFrequency" << "44x" << "" << DigitsOnlyMessage << true;
        QTest::newRow("second point") << "txtFrequency" << "446.0.1" << "1" << TooManyPointsMessage << true;
        QTest::newRow("typing stops at nine") << "txtFrequency" << "434.000000" << "434.00000" << "" << true;
        QTest::newRow("squelch 21") << "txtSquelch" << "21" << "" << SquelchLimitMessage << true;
        QTest::newRow("pmr channel stops at one") << "txtPmrFreq" << "34" << "3" << "" << true;
    }

    void typingIsFiltered()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, message);
        QFETCH(bool, changed);
        Rig rig;
        VfoWindow vfo(rig);
        auto* edit = Find<QLineEdit>(vfo.window, box.toLatin1().constData());
        TypeInto(edit, typed);
        QCOMPARE(edit->text(), shown);
        QCOMPARE(rig.messages.texts(), message.isEmpty() ? Texts{} : Texts{message.toStdString()});
        QCOMPARE(rig.state.Image.VfoChanged, changed);
    }

    void leavingTheStepBoxRoundsTheFrequency()
    {
        Rig rig;
        VfoWindow vfo(rig);
        auto* frequency = Find<QLineEdit>(vfo.window, "txtFrequency");
        auto* step = Find<QComboBox>(vfo.window, "cboStep");
        Focus(step);
        QTest::keyClick(step, Qt::Key_Home);
        QCOMPARE(step->currentText(), "5KHz");
        TypeInto(frequency, "446.00500");
        Focus(step);
        QTest::keyClick(step, Qt::Key_Down);
        QCOMPARE(step->currentText(), "6.25KHz");
        QVERIFY(rig.messages.shown.empty());
        Focus(Find(vfo.window, "txtSquelch"));
        QCOMPARE(rig.messages.texts(), (Texts{RoundedFrequencyMessage}));
        QCOMPARE(frequency->text(), "446.00000");
    }

    void okWithAnEmptyBoxKeepsTheWindowOpen()
    {
        Rig rig;
        VfoWindow vfo(rig);
        const VfoSettings before = rig.state.Image.Vfo;
        auto* squelch = Find<QLineEdit>(vfo.window, "txtSquelch");
        Focus(squelch);
        QTest::keyClick(squelch, Qt::Key_Delete);
        Click(vfo.window, "Command1_2");
        QCOMPARE(rig.messages.texts(), (Texts{EditingIncompleteMessage}));
        QVERIFY(vfo.window.isVisible());
        QVERIFY(rig.state.Image.Vfo == before);
        QVERIFY(Find(vfo.window, "Command1_2")->isEnabled());
    }

    void cancelDropsTheEdits()
    {
        Rig rig;
        VfoWindow vfo(rig);
        TypeInto(Find<QLineEdit>(vfo.window, "txtFrequency"), "435");
        Click(vfo.window, "optBeep_1");
        Click(vfo.window, "Command1_3");
        QVERIFY(!vfo.window.isVisible());
        QVERIFY(!rig.state.Image.VfoChanged);
        QVERIFY(!rig.state.Image.SettingsChanged);
        vfo.open();
        QCOMPARE(Find<QLineEdit>(vfo.window, "txtFrequency")->text(), "434.00000");
        QVERIFY(Find<QRadioButton>(vfo.window, "optBeep_0")->isChecked());
    }

    void readSettingFollowsTheRadiosModelCode()
    {
        Rig rig(OptionPA, 7);
        VfoWindow vfo(rig);
        QVERIFY(!Find(vfo.window, "Frame2")->isEnabled());
        Click(vfo.window, "Command1_0");
        QVERIFY(Find(vfo.window, "Frame2")->isEnabled());
        QVERIFY(Find(vfo.window, "optTxPower_1")->isEnabled());

        // While the transfer runs, the buttons are off and the progress shows.
        QStringList progress;
        bool buttonsOffered = false;
        rig.waiter.onTick = [&] {
            progress << vfo.window.statusText();
            for (QPushButton* button : vfo.window.Command1)
                buttonsOffered = buttonsOffered || button->isEnabled();
        };
        rig.radio.memory()[sim::RadioEmulator::ModelCodeAddress] = 6;
        TypeInto(Find<QLineEdit>(vfo.window, "txtSquelch"), "3"); // asks first: OK
        Click(vfo.window, "Command1_0");
        QCOMPARE(rig.messages.texts(), (Texts{"The setting has been changed.\rMay you keep processing it?"}));
        for (const char* name : {"Frame1_6", "optTxPower_0", "optTxPower_1", "Frame2", "Frame1_26", "txtRptShiftFreq",
                                 "cboRptTone"})
            QVERIFY2(!Find(vfo.window, name)->isEnabled(), name);
        QVERIFY(Find(vfo.window, "txtPmrFreq")->isEnabled());
        QVERIFY(!rig.state.Image.VfoChanged);
        QCOMPARE(vfo.window.statusText(), "");
        QVERIFY(!buttonsOffered);
        QVERIFY(!progress.isEmpty() && !progress.last().isEmpty());
        QVERIFY(vfo.window.isVisible());
        for (int index = 0; index < 4; ++index)
            QVERIFY(vfo.window.Command1[index]->isEnabled());
    }

    // Values no list or box can hold, as a radio may report them, are shown as well
    // as possible and come back unchanged.
    void oddStoredValuesSurviveTheWindows()
    {
        Rig rig;
        VfoSettings& vfo = rig.state.Image.Vfo;
        vfo.TxTone = 45;
        vfo.RptShiftFreq = 12345678; // "123.45678", longer than a user may type
        ChannelRecord& channel = rig.state.Image.Channels.at(0);
        channel.TxTone = 45;
        channel.Enabled = true;
        VfoWindow window(rig);
        QCOMPARE(Find<QComboBox>(window.window, "cboTxTone")->currentIndex(), -1);
        QCOMPARE(Find<QLineEdit>(window.window, "txtRptShiftFreq")->text(), "123.45678");
        Click(window.window, "Command1_2");
        QCOMPARE(int(vfo.TxTone), 45);
        QCOMPARE(vfo.RptShiftFreq, 12345678);
        MemWindow mem(rig);
        QCOMPARE(mem.cell(1, 8), "?");
    }

    void controlsAreNamedForAssistiveTools()
    {
        Rig rig;
        VfoWindow vfo(rig);
        QCOMPARE(AccessibleName(Find(vfo.window, "txtFrequency")), "Frequency");
        QCOMPARE(LabelName(Find(vfo.window, "cboTot")), "TOT");
        QCOMPARE(LabelName(Find(vfo.window, "txtSquelch")), "Squelch Level");
        QCOMPARE(AccessibleName(Find(vfo.window, "Frame1_13")), "Call tone (Tone burst)");
        QCOMPARE(AccessibleName(Find(vfo.window, "optLamp_0")), "On(5s)");
        QCOMPARE(AccessibleName(Find(vfo.window, "Command1_1")), "Write Setting");
        vfo.window.showProgress(ProgressTarget::Editor, "Reading       50%");
        QCOMPARE(AccessibleName(Find(vfo.window, "StatusBar1_Panel1")), "Reading       50%");
        QCOMPARE(vfo.window.windowTitle(), "KV-R27PA Clone Utility(Vfo Mode)");
        QVERIFY(!Find(vfo.window, "optSkip_0")->isEnabled()); // shows the radio's setting only
    }

    void disableEnableAndRefresh()
    {
        Rig rig;
        MemWindow mem(rig);
        QCOMPARE(mem.model()->rowCount(), 100);
        QCOMPARE(mem.model()->columnCount(), 12);
        QCOMPARE(mem.model()->headerData(11, Qt::Horizontal).toString(), "mode");
        QCOMPARE(mem.cell(100, 0), "99");

        mem.doubleClick(5, [](app::frmMemSub& dialog) { Click(dialog, "Command1_0"); });
        QCOMPARE(mem.cell(5, 1), "434.00000");
        QCOMPARE(mem.cell(5, 11), "LPD");
        QVERIFY(!mem.greyed(5));
        QVERIFY(rig.state.Image.Channels.at(4).Enabled);

        mem.selectRow(5);
        Click(mem.window, "Command1_4"); // "disable"
        QVERIFY(mem.greyed(5));
        QCOMPARE(mem.cell(5, 1), "434.00000");
        QVERIFY(!rig.state.Image.Channels.at(4).Enabled);
        QVERIFY(!mem.model()->index(4, 0).flags().testFlag(Qt::ItemIsSelectable));
        QVERIFY(mem.window.MSFlexGrid1->selectionModel()->isSelected(mem.model()->index(4, 11)));

        Click(mem.window, "Command1_2"); // "Enable"
        QVERIFY(!mem.greyed(5));
        QCOMPARE(mem.cell(5, 1), "434.00000");
        QVERIFY(rig.state.Image.Channels.at(4).Enabled);

        Click(mem.window, "Command1_5"); // "disable All"
        Click(mem.window, "Command1_6"); // "Exit"
        QVERIFY(!mem.window.isVisible());
        QCOMPARE(int(rig.state.Image.Vfo.CurrentChannel), 0);
        QVERIFY(rig.state.Image.SettingsChanged);
        mem.open();
        QCOMPARE(mem.cell(5, 1), "");
    }

    void channelDialogBlankFieldsAndCancel()
    {
        Rig rig;
        MemWindow mem(rig);
        const ChannelTable before = rig.state.Image.Channels;
        mem.doubleClick(2, [&](app::frmMemSub& dialog) {
            QCOMPARE(dialog.windowTitle(), "KV-R27PA Clone Utility(Memory Mode Sub)");
            QVERIFY(!Find(dialog, "Frame1_7")->isEnabled());
            QVERIFY(!Find(dialog, "Label1_2")->isEnabled());
            auto* offset = Find<QLineEdit>(dialog, "txtShiftFreq");
            Focus(offset);
            QTest::keyClick(offset, Qt::Key_Delete);
            Click(dialog, "Command1_0");
            QCOMPARE(rig.messages.texts(), (Texts{EditingIncompleteMessage}));
            QVERIFY(dialog.isVisible());
            Click(dialog, "Command1_1"); // Cancel
            QVERIFY(!dialog.isVisible());
        });
        QVERIFY(rig.state.Image.Channels == before);
        QVERIFY(!rig.state.Image.ChannelsChanged);
        QCOMPARE(mem.cell(2, 1), "");

        mem.doubleClick(2, [&](app::frmMemSub& dialog) {
            TypeInto(Find<QLineEdit>(dialog, "txtFrequency"), "."); // not taken in PMR mode
            Click(dialog, "optModel_1");
            QVERIFY(!Find(dialog, "Frame1_0")->isEnabled());
            TypeInto(Find<QLineEdit>(dialog, "txtPmrFreq"), "4");
            Click(dialog, "Command1_0");
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(mem.cell(2, 1), "4");
        QCOMPARE(mem.cell(2, 11), "PMR");
    }

    void readMemoriesAsksAndClearsTheFlagsOnFailure()
    {
        Rig rig;
        MemWindow mem(rig);
        mem.doubleClick(3, [](app::frmMemSub& dialog) { Click(dialog, "Command1_0"); });
        rig.messages.shown.clear();
        rig.messages.answers = {false};
        Click(mem.window, "Command1_0");
        QVERIFY(rig.radio.commands().empty());
        QVERIFY(rig.state.Image.ChannelsChanged);

        rig.radio.setFault(sim::Fault::Silence);
        const ChannelTable before = rig.state.Image.Channels;
        Click(mem.window, "Command1_0"); // OK this time
        QVERIFY(!rig.radio.commands().empty());
        QVERIFY(rig.state.Image.Channels == before);
        QCOMPARE(mem.cell(3, 1), "434.00000");
        QVERIFY(!rig.state.Image.ChannelsChanged);
        QVERIFY(!rig.state.Image.SettingsChanged);
        QCOMPARE(mem.window.statusText(), "");
        QVERIFY(mem.window.Command1[0]->isEnabled());

        // While a transfer runs, the commands and the close box are refused.
        rig.state.TransferRunning = true;
        Click(mem.window, "Command1_5");
        mem.window.close();
        QVERIFY(mem.window.isVisible());
        QVERIFY(rig.state.Image.Channels.at(2).Enabled);
    }

    // The main window's buttons refill each editor from the image and wait for it.
    void mainWindowOpensTheEditorsFromTheImage()
    {
        test::ShellFixture shell;
        StartWithModel(shell.state, OptionPA);
        frmMain main(shell.context());
        shell.state.Image.Vfo.Frequency = 43512500;
        shell.state.Image.Channels.at(0).Enabled = true;
        QStringList seen;
        auto inspect = [&](const char* box, const char* closeButton) {
            QTimer::singleShot(0, [&seen, box, closeButton] {
                QWidget* window = QApplication::activeModalWidget();
                QVERIFY(window);
                seen << window->objectName();
                if (auto* table = window->findChild<QTableView*>("MSFlexGrid1"))
                    seen << table->model()->index(0, 1).data().toString();
                else
                    seen << Find<QLineEdit>(*window, box)->text();
                Click(*window, closeButton);
            });
        };
        inspect("txtFrequency", "Command1_3");
        main.Command1_Click(1);
        inspect(nullptr, "Command1_6");
        main.Command1_Click(0);
        QCOMPARE(seen, (QStringList{"frmVfo", "435.12500", "frmMem", "434.00000"}));
    }

    void writeMemoriesCancelledSendsNothing()
    {
        Rig rig;
        MemWindow mem(rig);
        rig.messages.answers = {false};
        Click(mem.window, "Command1_1");
        QCOMPARE(rig.messages.texts(),
                 (Texts{"Are you sure you wish to proceed?\rThe new data will overwrite the current programminng."}));
        QVERIFY(rig.radio.commands().empty());
    }
};

QTEST_MAIN(EditorWindowsTest)
#include "test_editor_windows.moc"
