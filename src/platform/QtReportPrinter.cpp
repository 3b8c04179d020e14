#include "platform/QtReportPrinter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <map>

namespace kvr27 {

namespace {
constexpr double ColumnsPerInch = 12.0;
constexpr double LinesPerInch = 6.0;
// A PDF file's printable area is the whole sheet: the report keeps at least this
// much paper around it.
constexpr double LeastMarginMillimetres = 15.0;

// The room a text has before the next text on its line begins, in columns; 0 for
// the last text of a line, which may run to the edge.
std::vector<int> ColumnsFree(const ReportPage& page)
{
    std::map<int, std::vector<int>> columnsOnLine;
    for (const PrintText& text : page)
        columnsOnLine[text.Line].push_back(text.Column);
    std::vector<int> free;
    free.reserve(page.size());
    for (const PrintText& text : page) {
        int next = 0;
        for (int column : columnsOnLine[text.Line])
            if (column > text.Column && (next == 0 || column < next))
                next = column;
        free.push_back(next == 0 ? 0 : next - text.Column);
    }
    return free;
}
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
    QMarginsF margins = printer_.pageLayout().margins(QPageLayout::Millimeter);
    margins.setLeft(std::max(margins.left(), LeastMarginMillimetres));
    margins.setTop(std::max(margins.top(), LeastMarginMillimetres));
    margins.setRight(std::max(margins.right(), LeastMarginMillimetres));
    margins.setBottom(std::max(margins.bottom(), LeastMarginMillimetres));
    printer_.setPageMargins(margins, QPageLayout::Millimeter);
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
    const QFontMetricsF metrics(font, &printer_);
    const double ascent = metrics.ascent();
    // A text wider than its column leaves a blank's width before the next one,
    // squeezed sideways as a condensed face would be.
    const double gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const double column = printer_.resolution() / ColumnsPerInch;
    const double line = printer_.resolution() / LinesPerInch;
    // The channel table runs to column 88 and a bit: wider than the printable width
    // of an A4 or Letter sheet upright. Every page is then narrowed alike, so that
    // its last column fits and the columns of all pages line up.
    double widest = 0;
    for (const ReportPage& page : pages)
        for (const PrintText& text : page)
            widest = std::max(widest, text.Column * column +
                                          metrics.horizontalAdvance(QString::fromStdString(text.Text)));
    const double printable = printer_.pageRect(QPrinter::DevicePixel).width();
    const double narrowing = widest > printable ? printable / widest : 1.0;
    bool first = true;
    for (const ReportPage& page : pages) {
        if (!first && !printer_.newPage()) {
            painter.end();
            return false;
        }
        first = false;
        painter.resetTransform();
        painter.scale(narrowing, 1.0);
        const std::vector<int> free = ColumnsFree(page);
        for (std::size_t i = 0; i < page.size(); ++i) {
            const PrintText& text = page[i];
            const QString shown = QString::fromStdString(text.Text);
            const QPointF at(text.Column * column, text.Line * line + ascent);
            const double room = free[i] * column - gap;
            const double width = metrics.horizontalAdvance(shown);
            if (free[i] == 0 || width <= room || room <= 0) {
                painter.drawText(at, shown);
                continue;
            }
            painter.save();
            painter.translate(at);
            painter.scale(room / width, 1.0);
            painter.drawText(QPointF(0, 0), shown);
            painter.restore();
        }
    }
    return painter.end();
}

} // namespace kvr27
