#pragma once
// Print's report of the program's settings: the VFO window's form, the channel
// grid's texts and the channels in use, laid out as SettingsReportPages does.
#include "commands/AppState.h"
#include "commands/CommandReport.h"
#include "files/SettingsReport.h"

#include <vector>

namespace kvr27 {

// The report's pages for `copies` copies on pages of `pageLines` lines.
std::vector<ReportPage> ReportPages(const AppState& state, int pageLines, int copies);

// The report of Print once `pages` went to the printer, for its note ("Printed 3
// pages").
CommandReport PrintedReport(const std::vector<ReportPage>& pages);

} // namespace kvr27
