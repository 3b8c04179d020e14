#include "commands/ReportPages.h"

#include "core/UserText.h"

namespace kvr27 {

std::vector<ReportPage> ReportPages(const AppState& state, int pageLines, int copies)
{
    return SettingsReportPages(state.Vfo, state.Grid, state.Image.Channels, pageLines, copies);
}

CommandReport PrintedReport(const std::vector<ReportPage>& pages)
{
    CommandReport report;
    report.Action = pages.size() == 1 ? Translated("Notes", "Printed 1 page")
                                      : TranslatedFormat("Notes", KVR27_TEXT("Notes", "Printed %1 pages"), {std::to_string(pages.size())});
    return report;
}

} // namespace kvr27
