#include "CliRadio.h"

#include "core/FileAccess.h"
#include "image/VfoCodec.h"
#include "link/ImageTransfers.h"
#include "platform/UserConfigFolder.h"

#include <utility>

namespace kvr27::cli {

std::unique_ptr<CliRadio> CliRadio::Open(CliJob& job)
{
    const auto port = job.args.value("--port");
    if (!port) {
        job.usage("--port is required");
        return nullptr;
    }
    for (int number = 1; number <= 5; ++number) {
        if (*port == "COM" + std::to_string(number))
            return std::make_unique<CliRadio>(SystemSerialDeviceLookup(PortAssignmentsFile()), number, job);
    }
    if (port->find('/') == std::string::npos) {
        job.usage("unknown port \"" + *port + "\" (COM1 to COM5 or a device path)");
        return nullptr;
    }
    SerialDeviceLookup path;
    path.environment = [device = *port](const std::string& name) -> std::optional<std::string> {
        return name == "KVR27_COM1" ? std::optional<std::string>(device) : std::nullopt;
    };
    path.exists = [](const std::string&) { return true; };
    return std::make_unique<CliRadio>(std::move(path), 1, job, *port);
}

CliRadio::CliRadio(SerialDeviceLookup lookup, int comNumber, CliJob& job, std::string portName)
    : job_(job), port_(std::move(lookup)), traceFile_(job.args.value("--trace")),
      trace_(traceFile_ ? std::make_unique<TracingPort>(port_) : nullptr),
      services_{trace_ ? static_cast<Port&>(*trace_) : port_, waiter_, job.messages, job.progress},
      session_{services_, state_, comNumber, std::move(portName)}
{
}

int CliRadio::finish(int code)
{
    if (!traceFile_)
        return code;
    const std::string file = *std::exchange(traceFile_, std::nullopt);
    trace_->finish();
    const FileResult saved = ReplaceFileAtomically(file, trace_->text());
    if (saved.ok())
        return code;
    job_.fail("trace not saved: " + file + ": " + saved.Reason);
    return code == ExitOk ? ExitFailure : code;
}

CliRadio::~CliRadio() { finish(ExitOk); }

LinkResult ReadWholeRadio(AppState& state, CliRadio& radio, CliJob& job)
{
    LinkResult result = ReadVfoSettings(state.Image, radio.session(), ProgressTarget::Main);
    if (result.ok())
        result = ReadChannels(state.Image, radio.session(), ProgressTarget::Main);
    job.progress.finish();
    if (result.ok())
        FillVfoWindow(state.Image, state.Vfo, job.messages);
    return result;
}

} // namespace kvr27::cli
