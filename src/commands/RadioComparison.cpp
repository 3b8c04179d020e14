#include "commands/RadioComparison.h"

#include "commands/FileMenuCommands.h"
#include "commands/RadioReading.h"
#include "core/UserText.h"
#include "image/VfoCodec.h"

namespace kvr27 {

namespace {

constexpr const char* Arrow = " \u2192 ";

// The VFO form that FillVfoWindow gives for `image`, with nothing said.
VfoForm FormOf(const RadioImage& image)
{
    VfoForm form;
    SilentMessageSink quiet;
    FillVfoWindow(image, form, quiet);
    return form;
}

// A VFO setting's name ("Quick Repeater Access Mode / Shift direction") in the
// user's language, part by part; the clone file's names stay as they are.
std::string ShownName(const std::string& name)
{
    constexpr std::string_view Between = " / ";
    const std::size_t at = name.find(Between);
    if (at == std::string::npos)
        return Translated("Controls", name);
    return Translated("Controls", name.substr(0, at)) + std::string(Between) +
           Translated("Controls", name.substr(at + Between.size()));
}

} // namespace

std::vector<std::string> DifferenceLines(const std::vector<SettingsDifference>& differences)
{
    std::vector<bool> inUseChanged(ChannelTable::Count, false);
    for (const SettingsDifference& d : differences) {
        if (d.Channel >= 0 && d.Setting.empty())
            inUseChanged[static_cast<std::size_t>(d.Channel)] = true;
    }
    std::vector<std::string> lines;
    for (const SettingsDifference& d : differences) {
        const std::string values = Translated("Values", d.Left) + Arrow + Translated("Values", d.Right);
        if (d.Channel < 0) {
            lines.push_back(ShownName(d.Name) + ": " + values);
            continue;
        }
        const std::string channel = std::to_string(d.Channel);
        const std::string setting = Translated("Controls", d.Setting);
        if (d.Setting.empty())
            lines.push_back(TranslatedFormat("Notes", KVR27_TEXT("Notes", "Channel %1: %2"), {channel, values}));
        else if (inUseChanged[static_cast<std::size_t>(d.Channel)])
            continue;
        else if (d.Name.find("(not in use)") != std::string::npos)
            lines.push_back(TranslatedFormat("Notes", KVR27_TEXT("Notes", "Channel %1 (not in use), %2: %3"),
                                             {channel, setting, values}));
        else
            lines.push_back(TranslatedFormat("Notes", KVR27_TEXT("Notes", "Channel %1, %2: %3"), {channel, setting, values}));
    }
    return lines;
}

std::vector<std::string> DifferenceLines(const RadioImage& from, const RadioImage& to)
{
    return DifferenceLines(SettingsDifferences(from, FormOf(from), to, FormOf(to)));
}

std::string DifferenceCount(std::size_t count)
{
    if (count == 0)
        return Translated("Notes", "No differences");
    return TranslatedFormat("Notes", count == 1 ? KVR27_TEXT("Notes", "%1 difference") : KVR27_TEXT("Notes", "%1 differences"),
                            {std::to_string(count)});
}

std::vector<std::string> WriteChanges(const RadioImage& image, const VfoForm& form, const RadioImage& radio,
                                      RadioParts parts)
{
    RadioImage after = radio;
    if (HasVfo(parts)) {
        RadioImage collected = image;
        SilentMessageSink quiet;
        (void)CollectVfoWindow(collected, form, quiet);
        after.Vfo = collected.Vfo;
        after.Vfo.CurrentChannel = radio.Vfo.CurrentChannel; // the VFO write sends the radio's own
    }
    if (HasMemory(parts)) {
        // Channels not in use are not written: the radio keeps what their blocks hold.
        for (int n = 0; n < ChannelTable::Count; ++n) {
            ChannelRecord& channel = after.Channels.at(n);
            const bool inUse = image.Channels.at(n).Enabled;
            channel = inUse ? image.Channels.at(n) : channel;
            channel.Enabled = inUse;
        }
        after.Vfo.CurrentChannel = image.Channels.firstEnabledNumber();
    }
    return DifferenceLines(radio, after);
}

ComparisonReport CompareWithFileCommand(const AppState& state, MessageSink& messages, Dialogs& dialogs)
{
    ComparisonReport report;
    const std::optional<std::filesystem::path> name = dialogs.openFile(CloneFileFilter);
    if (!name) {
        report.End = CommandEnd::Declined;
        return report;
    }
    AppState file = state;
    static_cast<CommandReport&>(report) = LoadCloneFile(file, *name, messages);
    if (report.ok())
        report.Lines = DifferenceLines(file.Image, state.Image);
    return report;
}

ComparisonReport CompareWithRadioCommand(AppState& state, LinkServices& services, const RadioCommandOptions& options)
{
    ComparisonReport report;
    RadioReading radio;
    static_cast<CommandReport&>(report) = ReadRadioCopyCommand(state, services, radio, options);
    if (report.ok())
        report.Lines = DifferenceLines(radio.Image, state.Image);
    return report;
}

} // namespace kvr27
