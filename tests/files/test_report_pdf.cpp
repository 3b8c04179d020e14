// Print from the main window into a PDF file, read back with pdftotext: each text at
// its column (1/12 inch) and line (1/6 inch) from the printable area's top left.
#include "app/frmMain.h"
#include "app/ShellFixture.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

using namespace kvr27;

namespace {

constexpr double MarginPoints = 36; // half an inch around the page

// Dialogs that note whether the main window's buttons were enabled while the
// printer dialog was up.
struct WatchingDialogs : test::ScriptedDialogs {
    std::optional<PrintSetup> printSetup() override
    {
        asked = true;
        buttonsEnabledMeanwhile = window && window->Command1[0]->isEnabled();
        return ScriptedDialogs::printSetup();
    }
    frmMain* window = nullptr;
    bool asked = false;
    bool buttonsEnabledMeanwhile = true;
};

// The dual-band model with channels 1 to 60 enabled, printing into an A4 PDF file.
struct PrintShell : test::ShellFixture {
    WatchingDialogs watching;
    QPrinter printer{QPrinter::HighResolution};
    QString pdf = dir.filePath("report.pdf");
    std::unique_ptr<frmMain> window;

    PrintShell()
    {
        StartWithModel(state, 0);
        for (int i = 0; i < 60; ++i)
            state.Image.Channels.at(i).Enabled = true;
        RefreshChannelGrid(state.Image, state.Grid);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setPageMargins(QMarginsF(12.7, 12.7, 12.7, 12.7), QPageLayout::Millimeter);
        AppContext context{state, messages, watching, setupIni()};
        context.ReportPrinter = &printer;
        window = std::make_unique<frmMain>(context);
        watching.window = window.get();
    }
};

QString PdfText(const QString& pdf, const QString& mode)
{
    QProcess process;
    process.start("pdftotext", {mode, pdf, "-"});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every word of the PDF as "page:line:column word".
QStringList WordPlaces(const QString& pdf)
{
    static const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    QStringList places;
    int page = -1;
    for (const auto& match : item.globalMatch(PdfText(pdf, "-bbox"))) {
        if (match.captured(0).startsWith("<page")) {
            ++page;
            continue;
        }
        const int column = qRound((match.captured(1).toDouble() - MarginPoints) / 6);
        const int line = qRound((match.captured(2).toDouble() - MarginPoints) / 12);
        places << QString("%1:%2:%3 %4").arg(page).arg(line).arg(column).arg(match.captured(3));
    }
    return places;
}

} // namespace

class TestReportPdf : public QObject {
    Q_OBJECT
private slots:
    void printsToPdf_data()
    {
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QStringList>("places");
        // A4 portrait in half-inch margins holds 64 lines: channels 1 to 44 on the
        // first page, channel r on line r - 44 of the second.
        const QStringList portrait = {"0:0:1 [VFO", "0:1:1 Frequency", "0:1:40 Key", "0:4:40 Ch",
                                      "0:15:40 Tone", "0:18:1 [Memory", "0:19:1 No", "0:19:5 Frequency(ch)",
                                      "0:19:26 Shift", "0:19:33 Shift", "0:19:88 mode", "0:20:1 0",
                                      "0:20:27 None", "0:20:88 LPD", "0:63:1 43", "1:1:1 44", "1:16:1 59"};
        QTest::newRow("portrait") << false << 1 << portrait;
        QTest::newRow("two copies") << false << 2 << (portrait + QStringList{"2:0:1 [VFO", "3:16:1 59"});
        // Landscape: 43 lines, channels 1 to 23 on the first page.
        QTest::newRow("landscape") << true << 1
                                   << QStringList{"0:19:88 mode", "0:42:1 22", "1:1:1 23", "1:37:1 59"};
    }
    void printsToPdf()
    {
        QFETCH(bool, landscape);
        QFETCH(int, copies);
        QFETCH(QStringList, places);
        PrintShell shell;
        shell.printer.setCopyCount(copies); // as the printer dialog leaves it
        shell.watching.printAnswers.push_back(
            PrintSetup{landscape ? PageOrientation::Landscape : PageOrientation::Portrait, copies});
        shell.window->mnuPrint->trigger();

        QVERIFY(!shell.watching.buttonsEnabledMeanwhile);
        QVERIFY(shell.window->Command1[0]->isEnabled());
        QCOMPARE(shell.printer.copyCount(), 1);
        QVERIFY(shell.messages.texts().empty());
        const QStringList printed = WordPlaces(shell.pdf);
        for (const QString& place : places)
            QVERIFY2(printed.contains(place), qPrintable(place));
        QCOMPARE(printed.last().section(':', 0, 0).toInt() + 1, 2 * copies);

        // The laid-out text: entries side by side, the grid's columns in order.
        const QString text = PdfText(shell.pdf, "-layout");
        QVERIFY(text.contains(QRegularExpression("\nFrequency = 434.00000 +Key Lock = Off\n")));
        QVERIFY(text.contains(QRegularExpression("\nShift direction = - +Offset frequency = 5.00000\n")));
        QVERIFY(text.contains(QRegularExpression(
            "\nNo +Frequency\\(ch\\) +Step +Shift +Shift Freq +Bclo +Skip +Tone +TxTone +RxTone +PmrTone +mode\n")));
        QVERIFY(text.contains(QRegularExpression(
            "\n59 +434.00000 +12.5KHz +None +0.60000 +Off +Off +None +88.5Hz +88.5Hz +Off +LPD *\n")));
    }

    // Cancel in the printer dialog prints nothing and says nothing; a transfer in
    // progress refuses the command before the dialog.
    void nothingPrinted_data()
    {
        QTest::addColumn<bool>("transferRunning");
        QTest::addColumn<bool>("dialogAsked");
        QTest::newRow("cancel") << false << true;
        QTest::newRow("during a transfer") << true << false;
    }
    void nothingPrinted()
    {
        QFETCH(bool, transferRunning);
        QFETCH(bool, dialogAsked);
        PrintShell shell;
        shell.state.TransferRunning = transferRunning;
        shell.watching.printAnswers.push_back(transferRunning ? std::optional<PrintSetup>(PrintSetup{})
                                                              : std::nullopt);
        shell.window->mnuPrint->trigger();
        QCOMPARE(shell.watching.asked, dialogAsked);
        QVERIFY(!QFile::exists(shell.pdf));
        QVERIFY(shell.messages.texts().empty());
        QVERIFY(shell.window->Command1[0]->isEnabled());
    }
};

QTEST_MAIN(TestReportPdf)
#include "test_report_pdf.moc"
