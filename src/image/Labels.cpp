#include "image/Labels.h"

#include "core/UserText.h"

namespace kvr27 {

const std::array<std::string_view, 9> StepLabels = {
    "5KHz", "6.25KHz", "10KHz", "12.5KHz", "15KHz", "20KHz", "25KHz", "30KHz", "50KHz"};
const std::array<std::string_view, 3> ShiftLabels = {KVR27_TEXT("Values", "None"), "+", "-"};
const std::array<std::string_view, 3> ToneSetLabels = {KVR27_TEXT("Values", "None"), "T", "TSQ"};
const std::array<std::string_view, 39> ToneLabels = {
    "67.0Hz",  "69.3Hz",  "71.9Hz",  "74.4Hz",  "77.0Hz",  "79.7Hz",  "82.5Hz",  "85.4Hz",
    "88.5Hz",  "91.5Hz",  "94.8Hz",  "97.4Hz",  "100.0Hz", "103.5Hz", "107.2Hz", "110.9Hz",
    "114.8Hz", "118.8Hz", "123.0Hz", "127.3Hz", "131.8Hz", "136.5Hz", "141.3Hz", "146.2Hz",
    "151.4Hz", "156.7Hz", "162.2Hz", "167.9Hz", "173.8Hz", "179.9Hz", "186.2Hz", "192.8Hz",
    "203.5Hz", "210.7Hz", "218.1Hz", "225.7Hz", "233.6Hz", "241.8Hz", "250.3Hz"};
const std::array<std::string_view, 40> PmrToneLabels = {
    "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13", "14",
    "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27", "28",
    "29", "30", "31", "32", "33", "34", "35", "36", "37", "38", "39", KVR27_TEXT("Values", "Off")};
const std::array<std::string_view, 2> OnOffLabels = {KVR27_TEXT("Values", "On"), KVR27_TEXT("Values", "Off")};
const std::array<std::string_view, 2> ModeLabels = {"LPD", "PMR"};
const std::array<std::string_view, 5> CallToneLabels = {"ALT", "1000Hz", "1450Hz", "1750Hz", "2100Hz"};
const std::array<std::string_view, 16> TotLabels = {
    KVR27_TEXT("Values", "Off"), "30sec", "60sec", "90sec", "120sec", "150sec", "180sec", "210sec",
    "240sec", "270sec", "300sec", "330sec", "360sec", "390sec", "420sec", "450sec"};
const std::array<std::string_view, 5> ApoLabels = {KVR27_TEXT("Values", "Off"), "30min", "60min", "90min", "120min"};

// Every step uses a 5 kHz raster except 6.25 and 12.5 kHz, which use 6.25 kHz.
const std::array<std::int16_t, 9> StepRaster = {500, 625, 500, 625, 500, 500, 500, 500, 500};

std::string_view LabelAt(LabelTable table, unsigned code)
{
    return code < table.size() ? table[code] : UnknownLabel;
}

std::optional<int> LabelIndex(LabelTable table, std::string_view text)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i] == text)
            return static_cast<int>(i);
    return std::nullopt;
}

} // namespace kvr27
