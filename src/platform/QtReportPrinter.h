#pragma once
// Draws the settings report's pages on a QPrinter (a printer, or a PDF file when the
// printer dialog prints to a file): "Arial" 12 point, each text at its column
// (1/12 inch) and line (1/6 inch) from the top left of the printable area; where
// the widest line does not fit the printable width (the channel table on an upright
// A4 or Letter sheet), the pages are narrowed sideways to fit.
#include "core/Dialogs.h"
#include "files/SettingsReport.h"

#include <QFont>

#include <vector>

class QPrinter;

namespace kvr27 {

class QtReportPrinter {
public:
    explicit QtReportPrinter(QPrinter& printer);

    // Takes the printer dialog's choice: sets the orientation on the printer and sets
    // the printer's own copy count back to one, since the report lays out its copies
    // itself.
    void applySetup(const PrintSetup& setup);
    // The page capacity: whole lines of 1/6 inch in the printable height.
    int pageLines() const;
    // Draws the pages, each on a new sheet. False when the printer cannot start.
    bool print(const std::vector<ReportPage>& pages);

    // "Arial" 12 point, or the metric-compatible "Liberation Sans" where Arial is
    // absent.
    static QFont reportFont();

private:
    QPrinter& printer_;
};

} // namespace kvr27
