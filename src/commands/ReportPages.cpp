#include "commands/ReportPages.h"

namespace kvr27 {

std::vector<ReportPage> ReportPages(const AppState& state, int pageLines, int copies)
{
    return SettingsReportPages(state.Vfo, state.Grid, state.Image.Channels, pageLines, copies);
}

} // namespace kvr27
