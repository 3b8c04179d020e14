#include "commands/ReportPages.h"

namespace kvr27 {

std::vector<ReportPage> ReportPages(const AppState& state, int pageLines, int copies)
{
    return SettingsReportPages(state.Vfo, state.Grid, state.Image.Channels, pageLines, copies);
}

CommandReport PrintedReport(const std::vector<ReportPage>& pages)
{
    CommandReport report;
    report.Action = "Printed " + std::to_string(pages.size()) + (pages.size() == 1 ? " page" : " pages");
    return report;
}

} // namespace kvr27
