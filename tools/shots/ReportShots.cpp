// Prints the settings report of a sample radio into a PDF file, for the
// documentation's pictures of the printed pages:
//   kvr27-report-shots OUT.pdf
// US Letter, portrait, with no margins of the printer's own.
#include "commands/AppState.h"
#include "commands/ReportPages.h"
#include "image/ChannelGrid.h"
#include "platform/QtReportPrinter.h"
#include "platform/QtTranslations.h"

#include <QGuiApplication>
#include <QPrinter>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    // In the system's language (LANGUAGE=de), as the program prints it.
    kvr27::InstallTranslations(QString());
    if (argc != 2) {
        std::fprintf(stderr, "usage: [LANGUAGE=de] kvr27-report-shots OUT.pdf\n");
        return 2;
    }
    kvr27::AppState state;
    kvr27::StartWithModel(state, 0);
    // Channels 1 to 52 but 7 and 8: LPD channels on a 25 kHz raster with a few
    // tones and offsets, every fifth a PMR channel; enough for a continuation page.
    for (int i = 0; i < 52; ++i) {
        if (i == 6 || i == 7)
            continue;
        kvr27::ChannelRecord& record = state.Image.Channels.at(i);
        const bool pmr = i % 5 == 4;
        record.Frequency = pmr ? (i % 8 + 1) * kvr27::PmrChannelUnit : 43307500 + i * 2500;
        record.ShiftFreq = i % 3 == 0 ? 60000 : 0;
        record.TxTone = static_cast<std::uint8_t>(i % 39);
        record.RxTone = static_cast<std::uint8_t>((i * 7) % 39);
        record.PmrTone = static_cast<std::uint8_t>(pmr ? i % 38 : 39);
        record.ChannelFlags = static_cast<std::uint8_t>((pmr ? kvr27::ModePmrFlag : kvr27::ModeLpdFlag) | (i % 3)
                                                        | (i % 4 == 1 ? 0x40 : 0) | (i % 3 == 0 ? 0x10 : 0));
        record.Step = static_cast<std::uint8_t>(i % 9);
        record.Enabled = true;
    }
    kvr27::RefreshChannelGrid(state.Image, state.Grid);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[1]));
    printer.setPageSize(QPageSize(QPageSize::Letter));
    // No margins, as a PDF file from the printer dialog: the report keeps its own.
    printer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    kvr27::QtReportPrinter report(printer);
    report.applySetup({});
    const bool printed = report.print(kvr27::ReportPages(state, report.pageLines(), 1));
    return printed ? 0 : 1;
}
