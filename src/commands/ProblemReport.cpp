#include "commands/ProblemReport.h"

#include "commands/TracedCommand.h"
#include "core/DatedFiles.h"
#include "core/FileAccess.h"
#include "core/PathText.h"
#include "core/ProgramVersion.h"
#include "files/CloneFile.h"
#include "link/HexText.h"

namespace kvr27 {

namespace {

// The lines of system.txt end as every text the program writes.
constexpr const char* LineEnd = "\r\n";

std::string UsbIds(const SerialPortFacts& port)
{
    if (!port.VendorId || !port.ProductId)
        return "no USB ids";
    return "USB " + HexAddress(*port.VendorId) + ":" + HexAddress(*port.ProductId);
}

std::string SystemText(const SystemFacts& facts, const std::vector<std::string>& leftOut)
{
    std::string text = "KV-R27 Clone Utility " + std::string(ProgramVersion()) + " beta" + LineEnd;
    text += "Build: " + facts.Build + LineEnd;
    text += "System: " + facts.System + LineEnd;
    text += "Qt: " + facts.QtVersion + LineEnd;
    text += "Serial ports:";
    text += facts.Ports.empty() ? " none" : "";
    text += LineEnd;
    for (const SerialPortFacts& port : facts.Ports)
        text += "  " + port.Name + " | " + (port.Description.empty() ? "-" : port.Description) + " | " +
                UsbIds(port) + LineEnd;
    if (!leftOut.empty()) {
        text += std::string("Not included:") + LineEnd;
        for (const std::string& why : leftOut)
            text += "  " + why + LineEnd;
    }
    return text;
}

// Adds the file as `name`, or says in `leftOut` why it could not be read.
void AddFile(std::vector<ReportFile>& files, std::vector<std::string>& leftOut, const std::string& name,
             const std::filesystem::path& file)
{
    std::string content;
    if (const FileResult read = ReadWholeFile(file, content); read.ok())
        files.push_back({name, std::move(content)});
    else
        leftOut.push_back(name + ": " + Utf8FromPath(file) + ": " + read.Reason);
}

} // namespace

std::vector<ReportFile> ProblemReportFiles(const ProblemReportSources& sources)
{
    std::vector<ReportFile> files(1);
    std::vector<std::string> leftOut;
    AddFile(files, leftOut, "options.ini", sources.OptionsIni);
    AddFile(files, leftOut, "setup.ini", sources.SetupIni);
    for (const std::filesystem::path& trace : NewestDatedFiles(sources.TraceFolder, TraceExtension, ReportedTraces))
        AddFile(files, leftOut, std::string(TraceFolderName) + "/" + Utf8FromPath(trace.filename()), trace);
    if (sources.Document)
        files.push_back({"document.r27", CloneFileText(*sources.Document)});
    files.front() = {"system.txt", SystemText(sources.Facts, leftOut)};
    return files;
}

} // namespace kvr27
