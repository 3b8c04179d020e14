// The printed settings report: its layout, and a print from the main window into a
// PDF file read back with pdftotext, each word at its column (1/12 inch) and line
// (1/6 inch) from the printable area's top left.
#include "app/frmMain.h"
#include "app/ShellFixture.h"
#include "files/SettingsReport.h"
#include "platform/QtReportPrinter.h"
#include "support/FileText.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kvr27;

namespace {

// The dual-band model with channels 1..100 enabled as "2-3 10-53 60 99" says.
AppState WithChannels(const QString& runs)
{
    AppState state;
    StartWithModel(state, 0);
    for (const QString& run : runs.split(' '))
        for (int channel = run.section('-', 0, 0).toInt(); channel <= run.section('-', -1).toInt(); ++channel)
            state.Image.Channels.at(channel - 1).Enabled = true;
    RefreshChannelGrid(state.Image, state.Grid);
    return state;
}

// Dialogs that note whether the main window's buttons were enabled while the
// printer dialog was up.
struct WatchingDialogs : test::ScriptedDialogs {
    std::optional<PrintSetup> printSetup() override
    {
        asked = true, buttonsEnabledMeanwhile = window->Command1[0]->isEnabled();
        return ScriptedDialogs::printSetup();
    }
    frmMain* window = nullptr;
    bool asked = false, buttonsEnabledMeanwhile = true;
};

// Every word of the PDF as "page:line:column word", the page inside the report's
// own 15 mm margins; `tightest` is the narrowest blank between two words of a line
// (a blank is 3.3 pt, 2.7 pt where the font kerns it), `rightmost` the right edge
// of the widest line in pt.
QStringList WordPlaces(const QString& pdf, double& tightest, double& rightmost)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    process.waitForFinished(20000);
    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)"[^>]*>([^<]*)</word>)re");
    constexpr double margin = 15 / 25.4 * 72;
    QStringList places;
    int page = -1;
    double lastRight = 1e9, lastTop = -1;
    tightest = 1e9, rightmost = 0;
    for (const auto& match : item.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        if (match.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        const double left = match.captured(1).toDouble(), top = match.captured(2).toDouble();
        if (top == lastTop)
            tightest = std::min(tightest, left - lastRight);
        lastTop = top, lastRight = match.captured(3).toDouble();
        rightmost = std::max(rightmost, lastRight);
        places << QString("%1:%2:%3 %4").arg(page).arg(qRound((top - margin) / 12)).arg(qRound((left - margin) / 6))
                      .arg(match.captured(4));
    }
    return places;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT
private slots:
    // Every entry of the VFO part with its value from the window's controls (none
    // selected prints the last word, a list code outside its labels "?"), the grid's
    // header row with "Shift" one column left of its cells, and a channel line.
    void firstPage()
    {
        AppState state = WithChannels("5");
        state.Vfo = VfoForm{};
        VfoForm& vfo = state.Vfo;
        vfo.txtFrequency = "434.5", vfo.optKeyLock = 0, vfo.optLamp = 1, vfo.optRptShift = 1;
        vfo.cboTxTone = 12, vfo.cboApo = 9, vfo.cboRptTone = 38;
        const char* cells[] = {"4", "433.07500", "12.5KHz", "+", "0.60000", "On", "Off", "TSQ", "88.5Hz", "88.5Hz", "7", "LPD"};
        for (int col = 0; col < 12; ++col)
            state.Grid.SetTextMatrix(5, col, cells[col]);
        QList<QStringList> placed;
        const auto pages = SettingsReportPages(state.Vfo, state.Grid, state.Image.Channels, 21, 1);
        for (const PrintText& text : pages.at(0))
            placed << QStringList{QString("%1,%2 %3").arg(text.Line).arg(text.Column).arg(QString::fromStdString(text.Text))};
        QCOMPARE(placed, test::DataRows("report.txt", "first"));
        QCOMPARE(pages.size(), 1u); // channel 5 fills the page; no page follows without one

    }

    // Print is refused during a transfer and prints nothing after Cancel; a print
    // into a PDF file (no margins of its own) on an A4 landscape page, 42 lines
    // inside 15 mm of paper, in two copies lays out each copy alike, every enabled
    // channel once where the data file says, and no text runs into the next
    // ("12.5KHz" before "None" is squeezed).
    void printToPdf()
    {
        test::ShellFixture shell;
        shell.state = WithChannels("2-3 10-30 60 70 99");
        WatchingDialogs dialogs;
        QPrinter printer(QPrinter::HighResolution);
        const QString pdf = shell.dir.filePath("report.pdf");
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
        AppContext context{shell.state, shell.messages, dialogs, shell.setupIni()};
        context.ReportPrinter = &printer;
        frmMain window(context);
        dialogs.window = &window;

        shell.state.TransferRunning = true;
        window.mnuPrint->trigger();
        QVERIFY(!dialogs.asked);
        shell.state.TransferRunning = false;
        dialogs.printAnswers = {std::nullopt, PrintSetup{PageOrientation::Landscape, 2}};
        window.mnuPrint->trigger();
        QVERIFY(dialogs.asked);
        QVERIFY(!QFile::exists(pdf) && window.Command1[0]->isEnabled());

        printer.setCopyCount(2); // as the printer dialog leaves it
        window.mnuPrint->trigger();
        QVERIFY(!dialogs.buttonsEnabledMeanwhile && window.Command1[0]->isEnabled());
        QVERIFY(printer.copyCount() == 1 && shell.messages.texts().empty());
        double tightest = 0, rightmost = 0;
        const QStringList printed = WordPlaces(pdf, tightest, rightmost);
        for (const char* place : {"0:0:1 [VFO", "0:1:40 Key", "0:19:26 Shift", "0:19:33 Shift", "0:20:27 None",
                                  "0:19:88 mode", "3:0:1 [VFO"})
            QVERIFY2(printed.contains(place), place);
        QStringList expected;
        for (int copy : {0, 3})
            for (const QStringList& row : test::DataRows("report.txt", "printed"))
                expected << QString::number(row[0].front().digitValue() + copy) + row[0].mid(1);
        QCOMPARE(printed.filter(QRegularExpression(R"(^\d:\d+:1 \d+$)")), expected);
        QVERIFY(printed.last().startsWith("5:"));
        QVERIFY2(tightest >= 2.5, qPrintable(QString::number(tightest)));
    }

    // Every column of the channel table, in order, stays inside the 15 mm of paper
    // on an A4 or Letter sheet, upright (narrowed to nine tenths) or across.
    void everyColumnFits()
    {
        AppState state = WithChannels("1");
        for (auto [size, width, height] : {std::tuple{QPageSize::A4, 595.3, 841.9}, {QPageSize::Letter, 612.0, 792.0}})
            for (PageOrientation orientation : {PageOrientation::Portrait, PageOrientation::Landscape}) {
                QTemporaryDir dir;
                QPrinter printer(QPrinter::HighResolution);
                printer.setOutputFileName(dir.filePath("report.pdf"));
                printer.setPageSize(QPageSize(size));
                printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
                QtReportPrinter report(printer);
                report.applySetup({orientation, 1});
                QVERIFY(report.print(SettingsReportPages(state.Vfo, state.Grid, state.Image.Channels, report.pageLines(), 1)));
                double tightest = 0, rightmost = 0;
                QStringList header = WordPlaces(dir.filePath("report.pdf"), tightest, rightmost).filter(QRegularExpression("^0:19:"));
                QCOMPARE(header.replaceInStrings(QRegularExpression("^\\S+ "), "").join(' '),
                         "No Frequency(ch) Step Shift Shift Freq Bclo Skip Tone TxTone RxTone PmrTone mode");
                QVERIFY(rightmost <= (orientation == PageOrientation::Portrait ? width : height) - 42.5 && tightest >= 2.2);
            }
    }
};

QTEST_MAIN(TestReport)
#include "test_report.moc"
