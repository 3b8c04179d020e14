// The settings report's layout: the VFO entries, the channel lines and the pages.
#include "core/AppState.h"
#include "editors/VfoEditor.h"
#include "files/SettingsReport.h"
#include "support/RecordingMessageSink.h"

#include <QTest>

#include <set>

using namespace kvr27;

namespace {

// A radio with the given channels (1..100) enabled, on the dual-band model.
AppState WithChannels(const std::vector<int>& enabled)
{
    AppState state;
    StartWithModel(state, 0);
    for (int channel : enabled)
        state.Image.Channels.at(channel - 1).Enabled = true;
    RefreshChannelGrid(state.Image, state.Grid);
    return state;
}

std::vector<ReportPage> Report(const AppState& state, int pageLines, int copies = 1)
{
    return SettingsReportPages(state.Vfo, state.Grid, state.Image.Channels, pageLines, copies);
}

// "page:line:No" of every channel line (column 1, below the header row on page 0).
QStringList ChannelPlaces(const std::vector<ReportPage>& pages)
{
    QStringList places;
    for (std::size_t page = 0; page < pages.size(); ++page)
        for (const PrintText& text : pages[page])
            if (text.Column == 1 && (page > 0 || text.Line >= 20))
                places << QString("%1:%2:%3").arg(page).arg(text.Line).arg(QString::fromStdString(text.Text));
    return places;
}

// The text standing at (column, line) of a page, or "(none)".
QString TextAt(const ReportPage& page, int column, int line)
{
    for (const PrintText& text : page)
        if (text.Column == column && text.Line == line)
            return QString::fromStdString(text.Text);
    return "(none)";
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    // Every entry of lines 1 to 15 for every model, with its caption and place.
    void vfoEntriesForEveryModel_data()
    {
        QTest::addColumn<int>("option");
        for (int option = 0; option < 5; ++option)
            QTest::newRow(QByteArray::number(option)) << option;
    }
    void vfoEntriesForEveryModel()
    {
        QFETCH(int, option);
        AppState state;
        StartWithModel(state, option);
        QStringList heads;
        const auto report = Report(state, 66);
        for (const PrintText& text : report.at(0))
            if (text.Line <= 18)
                heads << QString("%1,%2 %3").arg(text.Line).arg(text.Column)
                             .arg(QString::fromStdString(text.Text).section(" = ", 0, 0));
        QCOMPARE(heads, (QStringList{
            "0,1 [VFO Setting]", "1,1 Frequency", "1,40 Key Lock", "2,1 Squelch Level", "2,40 Tone setting",
            "3,1 TX tone freq (Encode)", "3,40 RX tone freq (Decode)", "4,1 Transmission Output Level",
            "4,40 Ch No (PMR)", "5,1 Tone frequency (PMR)", "6,1 Tuning step", "6,40 Shift direction",
            "7,1 Offset frequency", "7,40 Beeper", "8,1 Call tone (Tone burst)", "8,40 TOT", "9,1 APO",
            "9,40 Battery saving", "10,1 Bell", "10,40 Stand-by-beep", "11,1 BCLO", "11,40 Scan",
            "12,1 Scan skip", "12,40 External terminal control", "13,1 Lamp", "13,40 Battery type",
            "14,1 Shift direction", "14,40 Offset frequency", "15,1 Tone setting", "15,40 Tone frequency",
            "18,1 [Memory mode]"}));
    }

    // The value of an entry from the VFO window's controls.
    void entryValues_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("key lock on") << "optKeyLock" << 0 << 1 << 40 << "Key Lock = On";
        QTest::newRow("key lock off") << "optKeyLock" << 1 << 1 << 40 << "Key Lock = Off";
        QTest::newRow("tone set T") << "optToneSet" << 1 << 2 << 40 << "Tone setting = T";
        QTest::newRow("tone set T SQ") << "optToneSet" << 2 << 2 << 40 << "Tone setting = TSQ";
        QTest::newRow("power none selected") << "optTxPower" << -1 << 4 << 1 << "Transmission Output Level = Low";
        QTest::newRow("shift +") << "optShift" << 1 << 6 << 40 << "Shift direction = +";
        QTest::newRow("scan timed") << "optScan" << 0 << 11 << 40 << "Scan = Timer";
        QTest::newRow("lamp on") << "optLamp" << 1 << 13 << 1 << "Lamp = On";
        QTest::newRow("lamp 5 s") << "optLamp" << 0 << 13 << 1 << "Lamp = On(5s)";
        QTest::newRow("battery Li-ion") << "optBattery" << 1 << 13 << 40 << "Battery type = Li-io";
        QTest::newRow("repeater shift -") << "optRptShift" << 2 << 14 << 1 << "Shift direction = -";
        QTest::newRow("repeater tone on") << "optRptTone" << 0 << 15 << 1 << "Tone setting = On";
        QTest::newRow("tx tone") << "cboTxTone" << 12 << 3 << 1 << "TX tone freq (Encode) = 100.0Hz";
        QTest::newRow("pmr tone") << "cboPmrTone" << 39 << 5 << 1 << "Tone frequency (PMR) = Off";
        QTest::newRow("step") << "cboStep" << 3 << 6 << 1 << "Tuning step = 12.5KHz";
        QTest::newRow("tot") << "cboTot" << 2 << 8 << 40 << "TOT = 60sec";
        QTest::newRow("repeater tone") << "cboRptTone" << 38 << 15 << 40 << "Tone frequency = 250.3Hz";
        QTest::newRow("code outside the list") << "cboApo" << 9 << 9 << 1 << "APO = ?";
        QTest::newRow("no list selection") << "CboCallTone" << -1 << 8 << 1 << "Call tone (Tone burst) = ?";
    }
    void entryValues()
    {
        QFETCH(QString, control);
        QFETCH(int, value);
        QFETCH(int, line);
        QFETCH(int, column);
        QFETCH(QString, text);
        AppState state = WithChannels({});
        for (const auto& group : VfoOptionGroups)
            if (group.Name == control.toStdString())
                state.Vfo.*(group.Field) = value;
        for (const auto& list : VfoListBoxes)
            if (list.Name == control.toStdString())
                state.Vfo.*(list.Field) = value;
        QCOMPARE(TextAt(Report(state, 66).at(0), column, line), text);
    }

    // Typed texts not yet taken into the image are what the report shows.
    void showsTheWindowsEdits()
    {
        AppState state = WithChannels({});
        test::RecordingMessageSink messages;
        VfoEditor editor(state, messages);
        editor.textChanged(VfoText::Frequency, "434.5");
        editor.textChanged(VfoText::RptShiftFreq, "1.25000");
        editor.textChanged(VfoText::PmrFreq, "7");
        const ReportPage page = Report(state, 66).at(0);
        QCOMPARE(TextAt(page, 1, 1), QString("Frequency = 434.5"));
        QCOMPARE(TextAt(page, 40, 14), QString("Offset frequency = 1.25000"));
        QCOMPARE(TextAt(page, 40, 4), QString("Ch No (PMR) = 7"));
    }

    // The header row and a channel line: each cell at its column, "Shift" one left.
    void gridColumns()
    {
        AppState state = WithChannels({5});
        const std::vector<std::string> cells = {"4", "433.07500", "12.5KHz", "+", "0.60000", "On",
                                                "Off", "TSQ", "88.5Hz", "88.5Hz", "7", "LPD"};
        for (int col = 0; col < 12; ++col)
            state.Grid.SetTextMatrix(5, col, cells[static_cast<std::size_t>(col)]);
        const ReportPage page = Report(state, 66).at(0);
        QStringList header, line;
        for (const PrintText& text : page) {
            const QString entry = QString("%1 %2").arg(text.Column).arg(QString::fromStdString(text.Text));
            if (text.Line == 19)
                header << entry;
            if (text.Line == 20)
                line << entry;
        }
        QCOMPARE(header, (QStringList{"1 No", "5 Frequency(ch)", "19 Step", "26 Shift", "33 Shift Freq", "45 Bclo",
                                      "51 Skip", "57 Tone", "63 TxTone", "71 RxTone", "79 PmrTone", "88 mode"}));
        QCOMPARE(line, (QStringList{"1 4", "5 433.07500", "19 12.5KHz", "27 +", "33 0.60000", "45 On", "51 Off",
                                    "57 TSQ", "63 88.5Hz", "71 88.5Hz", "79 7", "88 LPD"}));
    }

    // Where the channels stand: first page from line 20, continuation page at line
    // r - L, further pages for what does not fit, and nothing beyond a page's last line.
    void channelPages_data()
    {
        QTest::addColumn<std::vector<int>>("enabled");
        QTest::addColumn<int>("pageLines");
        QTest::addColumn<int>("pages");
        QTest::addColumn<QStringList>("places"); // page:line:No of some channels
        std::vector<int> all(100), firstAndLater = {2, 3};
        for (int i = 0; i < 100; ++i)
            all[static_cast<std::size_t>(i)] = i + 1;
        for (int channel = 10; channel <= 53; ++channel)
            firstAndLater.push_back(channel);
        firstAndLater.insert(firstAndLater.end(), {60, 99});
        QTest::newRow("none") << std::vector<int>{} << 66 << 1 << QStringList{};
        QTest::newRow("one") << std::vector<int>{100} << 66 << 1 << QStringList{"0:20:99"};
        QTest::newRow("all, 66 lines") << all << 66 << 2
                                       << QStringList{"0:20:0", "0:65:45", "1:1:46", "1:54:99"};
        QTest::newRow("gaps, 66 lines") << firstAndLater << 66 << 2
                                        << QStringList{"0:20:1", "0:22:9", "0:65:52", "1:7:59", "1:46:98"};
        QTest::newRow("first page ends at 100") << std::vector<int>(all.begin() + 54, all.end()) << 66 << 1
                                                << QStringList{"0:20:54", "0:65:99"};
        QTest::newRow("all, 45 lines") << all << 45 << 3
                                       << QStringList{"0:20:0", "0:44:24", "1:1:25", "1:44:68", "2:1:69", "2:31:99"};
        QTest::newRow("all, 20 lines") << all << 20 << 7
                                       << QStringList{"1:1:0", "1:19:18", "2:1:19", "6:5:99"};
    }
    void channelPages()
    {
        QFETCH(std::vector<int>, enabled);
        QFETCH(int, pageLines);
        QFETCH(int, pages);
        QFETCH(QStringList, places);
        const auto report = Report(WithChannels(enabled), pageLines);
        QCOMPARE(static_cast<int>(report.size()), pages);
        const QStringList printed = ChannelPlaces(report);
        for (const QString& place : places)
            QVERIFY2(printed.contains(place), qPrintable(place));
        // Every enabled channel once, no other, every text within its page.
        std::multiset<std::string> numbers;
        for (const QString& place : printed)
            numbers.insert(place.section(':', 2).toStdString());
        std::multiset<std::string> expected;
        for (int channel : enabled)
            expected.insert(std::to_string(channel - 1));
        QVERIFY(numbers == expected);
        for (const ReportPage& page : report)
            for (const PrintText& text : page)
                QVERIFY2(text.Line < pageLines, text.Text.c_str());
    }

    // Each copy starts on its own page and repeats the first exactly.
    void copies()
    {
        std::vector<int> all(100);
        for (int i = 0; i < 100; ++i)
            all[static_cast<std::size_t>(i)] = i + 1;
        const auto report = Report(WithChannels(all), 66, 2);
        QCOMPARE(report.size(), std::size_t{4});
        QVERIFY(report[0] == report[2] && report[1] == report[3]);
        QCOMPARE(TextAt(report[2], 1, 0), QString("[VFO Setting]"));
    }
};

QTEST_GUILESS_MAIN(TestReport)
#include "test_report.moc"
