#pragma once
// What the chosen model and the radio's model code allow: start-up values, the codes
// that belong to each model, transmit ranges, and the VFO window's model-restricted
// control groups.
#include "core/UserText.h"
#include "core/MessageSink.h"
#include "image/RadioImage.h"
#include "image/VfoForm.h"

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace kvr27 {

inline constexpr std::string_view ModelPA = "KV-R27PA";
inline constexpr std::string_view ModelZ = "KV-R27Z";
inline constexpr std::string_view ModelX = "KV-R27X";
inline constexpr std::string_view ModelPAPmrOnly = "KV-R27PA(PMR only)";
inline constexpr std::string_view ModelPALpdOnly = "KV-R27PA(LPD only)";

inline constexpr const char* ModelMismatchMessage = KVR27_TEXT("Messages", "The selected and actual models are different.");

// The start window's options, index 0 to 4: model and its own start-up values.
struct ModelStartValues {
    std::string_view ModelName;
    std::uint8_t ModelCode;
    std::int32_t Frequency;
    std::int32_t ShiftFreq;
    std::uint8_t BellShiftStep;
    std::uint8_t BcloCallTot;
    std::uint8_t RptFlags;
};
extern const std::array<ModelStartValues, 5> StartupModels;

// The row of a start window option; any index other than 0..3 gives row 4.
const ModelStartValues& StartupModelForOption(int option);

// The model check of the transfers: the radio's code belongs to the chosen model.
// Models other than the three offered at start-up accept every code.
bool CodeBelongsToModel(std::string_view modelName, std::uint8_t code);

// The model a radio's code stands for, or "" for a code no model has.
std::string_view ModelNameOfCode(std::uint8_t code);

// The model a radio reports, in words: "KV-R27Z (code 4)", "an unknown model (code 1)".
std::string ReportedModel(std::uint8_t code);

// What follows ModelMismatchMessage: "The radio reports KV-R27Z (code 4)."
std::string ModelMismatchDetail(std::uint8_t code);

// One row of the transmit range rules; frequencies in 10 Hz units, low inclusive,
// high exclusive.
struct TransmitRange {
    std::string_view ModelName;
    std::array<std::uint8_t, 2> Codes; // the codes of the row (a one-code row repeats it)
    std::int32_t Low;
    std::int32_t High;
    const char* Message;
};
extern const std::array<TransmitRange, 5> TransmitRanges;

// What the range check found.
enum class [[nodiscard]] RangeVerdict {
    InRange,      // accepted (always for the two sub-variants and unknown models)
    OutsideRange, // outside the model's range, or not a number
    OtherModel,   // ModelCode does not belong to ModelName
};
// Checks a transmit frequency text (MHz) against the model's range. OtherModel
// shows ModelMismatchMessage when both flags are true, OutsideRange the row's
// message when showRangeMessage.
RangeVerdict CheckFrequencyRange(const RadioImage& image, std::string_view frequencyText, bool showRangeMessage,
                        bool showModelMessage, MessageSink& messages);

// The transmit range of the image's model and code in words ("433.06 to below
// 434.785 MHz"); "" when none applies.
std::string TransmitRangeText(const RadioImage& image);

// What the windows say where a transmit frequency is typed that CheckFrequencyRange
// refuses for lying outside the range ("440.00000 MHz is outside this radio's range,
// 433.06 to below 434.785 MHz: it will not be written."); "" for a text it accepts,
// a blank or no number (the entry rules speak about those) and a radio of another
// model.
std::string OutOfRangeRemark(const RadioImage& image, std::string_view frequencyText);

// The VFO window's three groups of model-restricted controls.
enum class ModelControlGroup {
    TxPowerAndQuickRepeater, // A
    PmrChannelAndTone,       // B
    VfoFrequencyTonesStep,   // C
};
inline constexpr std::array<ModelControlGroup, 3> AllModelControlGroups = {
    ModelControlGroup::TxPowerAndQuickRepeater, ModelControlGroup::PmrChannelAndTone,
    ModelControlGroup::VfoFrequencyTonesStep};

// The controls of a group, by object name, in the order they are set.
std::span<const std::string_view> ModelControlGroupControls(ModelControlGroup group);
// Whether a group applies to the model (its controls follow SetModelControls).
bool ModelControlGroupApplies(ModelControlGroup group, std::string_view modelName);

// Sets the Enabled state of the controls of every group that applies to ModelName;
// the controls of other groups are not touched.
void SetModelControls(const RadioImage& image, VfoForm& form, bool enable);

// Whether the model has LPD and PMR channels (the grid's last two columns and the
// channel dialog's mode choice apply).
bool IsDualBandModel(std::string_view modelName);

// Whether the model has PMR channels (the dual-band model and its PMR-only variant):
// the grid shows their PMR tone and mode, and the channel CSV carries them.
bool HasPmrChannels(std::string_view modelName);

} // namespace kvr27
