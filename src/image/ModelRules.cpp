#include "image/ModelRules.h"

#include "core/UserText.h"
#include "image/FrequencyText.h"

#include <algorithm>

namespace kvr27 {

const std::array<ModelStartValues, 5> StartupModels = {{
    {ModelPA, 6, 43400000, 60000, 0x03, 0x00, 0x20},
    {ModelZ, 4, 44500000, 500000, 0x00, 0x00, 0x60},
    {ModelX, 2, 43300000, 500000, 0x03, 0x00, 0x20},
    {ModelPAPmrOnly, 11, 43400000, 60000, 0x03, 0x30, 0x20},
    {ModelPALpdOnly, 10, 43400000, 60000, 0x03, 0x00, 0x20},
}};

const ModelStartValues& StartupModelForOption(int option)
{
    if (option < 0 || option > 3)
        return StartupModels[4];
    return StartupModels[static_cast<std::size_t>(option)];
}

bool CodeBelongsToModel(std::string_view modelName, std::uint8_t code)
{
    if (modelName == ModelPA)
        return code >= 6 && code <= 9;
    if (modelName == ModelZ)
        return code == 4 || code == 5;
    if (modelName == ModelX)
        return code == 2 || code == 3;
    return true;
}

const std::array<TransmitRange, 5> TransmitRanges = {{
    {ModelPA, {6, 8}, 43306000, 43478500, KVR27_TEXT("Messages", "Enter from 433.06 to 434.785 or less only.")},
    {ModelPA, {7, 9}, 42000000, 47400000, KVR27_TEXT("Messages", "Enter from 420 to 474 or less only.")},
    {ModelZ, {4, 5}, 42000000, 47400000, KVR27_TEXT("Messages", "Enter from 420 to 474 or less only.")},
    {ModelX, {2, 2}, 43000000, 44000000, KVR27_TEXT("Messages", "Enter from 430 to 440 or less only.")},
    {ModelX, {3, 3}, 42000000, 47400000, KVR27_TEXT("Messages", "Enter from 420 to 474 or less only.")},
}};

std::string_view ModelNameOfCode(std::uint8_t code)
{
    for (const TransmitRange& row : TransmitRanges)
        if (row.Codes[0] == code || row.Codes[1] == code)
            return row.ModelName;
    for (const ModelStartValues& row : StartupModels)
        if (row.ModelCode == code)
            return row.ModelName;
    return {};
}

std::string ReportedModel(std::uint8_t code)
{
    const std::string_view model = ModelNameOfCode(code);
    const std::string number = "(code " + std::to_string(code) + ")";
    return model.empty() ? "an unknown model " + number : std::string(model) + " " + number;
}

std::string ModelMismatchDetail(std::uint8_t code)
{
    return TranslatedFormat("Messages", KVR27_TEXT("Messages", "The radio reports %1."), {ReportedModel(code)});
}

namespace {

// The range row of the image's model and code; nullptr when there is none.
const TransmitRange* RangeRowOf(const RadioImage& image)
{
    const auto row = std::find_if(TransmitRanges.begin(), TransmitRanges.end(), [&](const TransmitRange& r) {
        return r.ModelName == image.ModelName && (r.Codes[0] == image.ModelCode || r.Codes[1] == image.ModelCode);
    });
    return row == TransmitRanges.end() ? nullptr : &*row;
}

// A range limit in MHz as people write it: "433.06", "420".
std::string LimitText(std::int32_t units)
{
    std::string text = FormatFrequency(units);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.ends_with('.'))
        text.pop_back();
    return text;
}

} // namespace

RangeVerdict CheckFrequencyRange(const RadioImage& image, std::string_view frequencyText, bool showRangeMessage,
                                 bool showModelMessage, MessageSink& messages)
{
    const std::string_view model = image.ModelName;
    if (model != ModelPA && model != ModelZ && model != ModelX)
        return RangeVerdict::InRange;

    const TransmitRange* row = RangeRowOf(image);
    if (!row) {
        if (showRangeMessage && showModelMessage)
            messages.notify(ModelMismatchMessage, MessageIcon::None, ModelMismatchDetail(image.ModelCode));
        return RangeVerdict::OtherModel;
    }

    // The frequency is taken at the radio's resolution of 10 Hz; a text that is no
    // number is treated like a frequency outside the range.
    auto units = ParseFrequency(frequencyText);
    if (units && *units >= row->Low && *units < row->High)
        return RangeVerdict::InRange;
    if (showRangeMessage)
        messages.notify(row->Message);
    return RangeVerdict::OutsideRange;
}

std::string TransmitRangeText(const RadioImage& image)
{
    const TransmitRange* row = RangeRowOf(image);
    return row ? TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 to below %2 MHz"), {LimitText(row->Low), LimitText(row->High)})
               : std::string();
}

std::string OutOfRangeRemark(const RadioImage& image, std::string_view frequencyText)
{
    SilentMessageSink silent;
    if (!ParseFrequency(frequencyText)
        || CheckFrequencyRange(image, frequencyText, false, false, silent) != RangeVerdict::OutsideRange)
        return {};
    return TranslatedFormat("Notes", KVR27_TEXT("Notes", "%1 MHz is outside this radio's range, %2: it will not be written."),
                            {std::string(frequencyText), TransmitRangeText(image)});
}

namespace {

constexpr std::array<std::string_view, 16> TxPowerAndQuickRepeaterControls = {
    "Frame1_6",      "optTxPower_0",  "optTxPower_1",    "Frame1_25",    "optRptShift_0", "optRptShift_1",
    "optRptShift_2", "Frame1_26",     "txtRptShiftFreq", "Frame1_27",    "optRptTone_0",  "optRptTone_1",
    "Frame1_28",     "cboRptTone",    "Label1_1",        "Frame2"};

constexpr std::array<std::string_view, 4> PmrChannelAndToneControls = {"Frame1_7", "txtPmrFreq", "Frame1_8",
                                                                        "cboPmrTone"};

constexpr std::array<std::string_view, 18> VfoFrequencyTonesStepControls = {
    "Frame1_0",   "txtFrequency", "Frame1_3",  "optToneSet_0", "optToneSet_1", "optToneSet_2",
    "Frame1_4",   "cboTxTone",    "Frame1_5",  "cboRxTone",    "Frame1_9",     "cboStep",
    "Frame1_10",  "optShift_0",   "optShift_1", "optShift_2",  "Frame1_11",    "txtShiftFreq"};

} // namespace

std::span<const std::string_view> ModelControlGroupControls(ModelControlGroup group)
{
    switch (group) {
    case ModelControlGroup::TxPowerAndQuickRepeater:
        return TxPowerAndQuickRepeaterControls;
    case ModelControlGroup::PmrChannelAndTone:
        return PmrChannelAndToneControls;
    case ModelControlGroup::VfoFrequencyTonesStep:
        return VfoFrequencyTonesStepControls;
    }
    return {};
}

bool ModelControlGroupApplies(ModelControlGroup group, std::string_view modelName)
{
    switch (group) {
    case ModelControlGroup::TxPowerAndQuickRepeater:
        return modelName == ModelPAPmrOnly || modelName == ModelPALpdOnly || modelName == ModelPA;
    case ModelControlGroup::PmrChannelAndTone:
        return modelName == ModelPALpdOnly || modelName == ModelX || modelName == ModelZ;
    case ModelControlGroup::VfoFrequencyTonesStep:
        return modelName == ModelPAPmrOnly;
    }
    return false;
}

void SetModelControls(const RadioImage& image, VfoForm& form, bool enable)
{
    for (ModelControlGroup group : AllModelControlGroups) {
        if (!ModelControlGroupApplies(group, image.ModelName))
            continue;
        for (std::string_view control : ModelControlGroupControls(group))
            form.Enabled.set(control, enable);
    }
}

bool IsDualBandModel(std::string_view modelName)
{
    return modelName == ModelPA;
}

bool HasPmrChannels(std::string_view modelName)
{
    return modelName == ModelPA || modelName == ModelPAPmrOnly;
}

} // namespace kvr27
