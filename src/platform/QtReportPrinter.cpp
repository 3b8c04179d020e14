#include "platform/QtReportPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

namespace kvr27 {

namespace {
constexpr double ColumnsPerInch = 12.0;
constexpr double LinesPerInch = 6.0;
} // namespace

QtReportPrinter::QtReportPrinter(QPrinter& printer) : printer_(printer) {}

QFont QtReportPrinter::reportFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setPointSize(12);
    return font;
}

void QtReportPrinter::applySetup(const PrintSetup& setup)
{
    printer_.setPageOrientation(setup.orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                                 : QPageLayout::Portrait);
    printer_.setCopyCount(1);
}

int QtReportPrinter::pageLines() const
{
    return static_cast<int>(std::floor(printer_.pageRect(QPrinter::Inch).height() * LinesPerInch + 1e-6));
}

bool QtReportPrinter::print(const std::vector<ReportPage>& pages)
{
    if (pages.empty())
        return true;
    QPainter painter;
    if (!painter.begin(&printer_))
        return false;
    const QFont font = reportFont();
    painter.setFont(font);
    // PrintAt puts the top of the text's cell at its line.
    const double ascent = QFontMetricsF(font, &printer_).ascent();
    const double column = printer_.resolution() / ColumnsPerInch;
    const double line = printer_.resolution() / LinesPerInch;
    bool first = true;
    for (const ReportPage& page : pages) {
        if (!first && !printer_.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        for (const PrintText& text : page)
            painter.drawText(QPointF(text.Column * column, text.Line * line + ascent),
                             QString::fromStdString(text.Text));
    }
    return painter.end();
}

} // namespace kvr27
