#include "SimOptions.h"

#include "DemoRadio.h"

#include <array>
#include <charconv>
#include <utility>

namespace kvr27::sim {

namespace {

std::optional<int> Number(const std::string& text)
{
    int value = 0;
    int base = 10;
    std::string_view digits = text;
    if (digits.starts_with("0x") || digits.starts_with("0X")) {
        digits.remove_prefix(2);
        base = 16;
    }
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty() || value < 0)
        return std::nullopt;
    return value;
}

constexpr std::array<std::pair<std::string_view, Fault>, 8> FaultNames = {{
    {"silence", Fault::Silence},
    {"short", Fault::ShortAnswer},
    {"long", Fault::LongAnswer},
    {"err", Fault::Error},
    {"nonhex", Fault::NonHex},
    {"delay", Fault::Delay},
    {"hangup", Fault::HangUp},
    {"wrongstore", Fault::WrongStore},
}};

} // namespace

std::optional<SimOptions> ParseSimOptions(const std::vector<std::string>& args, std::string& error)
{
    SimOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--no-pace") {
            options.line.pace = false;
            continue;
        }
        if (arg == "--help" || arg == "--version") {
            (arg == "--help" ? options.help : options.version) = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = "unknown option or missing value: " + arg;
            return std::nullopt;
        }
        const std::string& value = args[++i];
        if (arg == "--image") {
            options.imageFile = value;
        } else if (arg == "--model") {
            options.model = ModelOption(value);
            if (!options.model) {
                error = "unknown model: " + value;
                return std::nullopt;
            }
        } else if (arg == "--link") {
            options.linkPath = value;
        } else if (arg == "--dump") {
            options.dumpFile = value;
        } else if (arg == "--model-code" || arg == "--fault-after" || arg == "--delay-ms") {
            const auto number = Number(value);
            if (!number || (arg == "--model-code" && *number > 255)) {
                error = "bad number for " + arg + ": " + value;
                return std::nullopt;
            }
            if (arg == "--model-code")
                options.modelCode = *number;
            else if (arg == "--fault-after")
                options.faultAfter = *number;
            else
                options.delayMs = *number;
        } else if (arg == "--stop-bits" || arg == "--latency-ms" || arg == "--jitter-ms") {
            const auto number = Number(value);
            const int most = arg == "--stop-bits" ? 2 : 20;
            if (!number || *number > most || (arg == "--stop-bits" && *number < 1)) {
                error = "bad number for " + arg + ": " + value;
                return std::nullopt;
            }
            if (arg == "--stop-bits")
                options.line.stopBits = *number;
            else
                (arg == "--latency-ms" ? options.line.latency : options.line.jitter) = std::chrono::milliseconds(*number);
        } else if (arg == "--fault") {
            bool known = false;
            for (const auto& [name, fault] : FaultNames) {
                if (value == name) {
                    options.fault = fault;
                    known = true;
                }
            }
            if (!known) {
                error = "unknown fault: " + value;
                return std::nullopt;
            }
        } else {
            error = "unknown option: " + arg;
            return std::nullopt;
        }
    }
    return options;
}

} // namespace kvr27::sim
